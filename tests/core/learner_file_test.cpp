// The learner-file type: a save follows only a good load, and every refusal
// or failure is told with the file's name while the file stays as it was.
#include "core/learner_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "support/data_hooks.h"
#include "support/temp_dir.h"

namespace {

using Stan = core::PlikUcznia::Stan;

class LearnerFile : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    testsupport::DataHooks hooks{dir.path()};
    std::vector<std::string>& messages = hooks.messages;
    ~LearnerFile() override { os::set_atomic_fail_hook({}); }
};

TEST_F(LearnerFile, ASaveFollowsOnlyAGoodLoad) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> lay_out; // before the load
        bool load;                                              // false: no load at all
        bool damaged;                                           // the caller finds damage
        Stan stan;
        bool saved;
        size_t messages; // load and save together
    };
    auto file = [](const std::string& bytes) {
        return [bytes](const std::string& p) { testsupport::TempDir::write_to(p, bytes); };
    };
    auto nothing = [](const std::string&) {};
    auto folder = [](const std::string& p) { std::filesystem::create_directory(p); };
    auto eio = [](const std::string& p) { std::filesystem::create_symlink("/proc/self/mem", p); };
    const Case cases[] = {
        {"new learner", nothing, true, false, Stan::nowy, true, 0},
        {"read whole", file("old\r\n"), true, false, Stan::wczytany, true, 0},
        {"empty", file(""), true, false, Stan::wczytany, true, 0},
        {"damaged", file("old\r\n"), true, true, Stan::zly, false, 0},
        {"a folder in its place", folder, true, false, Stan::zly, false, 1},
        {"an I/O error", eio, true, false, Stan::zly, false, 1},
        {"never loaded", file("old\r\n"), false, false, Stan::nie_wczytany, false, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("f" + std::to_string(++n) + ".txt");
        c.lay_out(path);
        messages.clear();
        core::PlikUcznia plik;
        std::vector<std::string> lines;
        if (c.load) {
            EXPECT_EQ(plik.wczytaj_linie(path, lines), c.stan != Stan::zly || c.damaged);
            if (c.damaged) plik.uszkodzony();
        }
        EXPECT_EQ(plik.stan(), c.stan);
        const bool was_file =
            std::filesystem::is_regular_file(std::filesystem::symlink_status(path));
        const std::string before = was_file ? dir.read("f" + std::to_string(n) + ".txt") : "";
        EXPECT_EQ(plik.zapisz_do(path, "new\r\n"), c.saved);
        ASSERT_EQ(messages.size(), c.messages); // a refusal adds none
        for (const std::string& m : messages)
            EXPECT_NE(m.find(path), std::string::npos) << m;
        if (c.saved)
            EXPECT_EQ(dir.read("f" + std::to_string(n) + ".txt"), "new\r\n");
        else if (was_file)
            EXPECT_EQ(dir.read("f" + std::to_string(n) + ".txt"), before);
        else
            EXPECT_FALSE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
    }
}

TEST_F(LearnerFile, AFailedWriteIsToldAndARestoreAllowsSavingAgain) {
    dir.write("p.txt", "old\r\n");
    core::PlikUcznia plik;
    std::string bytes;
    ASSERT_TRUE(plik.wczytaj(dir.file("p.txt"), bytes));
    EXPECT_EQ(bytes, "old\r\n");
    os::set_atomic_fail_hook([](const std::string& step) { return step == "rename"; });
    EXPECT_FALSE(plik.zapisz("new"));
    os::set_atomic_fail_hook({});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(dir.file("p.txt")), std::string::npos);
    EXPECT_EQ(dir.read("p.txt"), "old\r\n");

    plik.uszkodzony();
    EXPECT_FALSE(plik.zapisz_linie({"new"}));
    plik.zezwol(); // the learner restored the table from a copy
    EXPECT_TRUE(plik.zapisz_linie({"new"}));
    EXPECT_EQ(dir.read("p.txt"), "new\r\n");
}

} // namespace
