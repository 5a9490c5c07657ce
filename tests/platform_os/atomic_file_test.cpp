#include "platform/os/atomic_file.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename());
    return names;
}

class AtomicReplaceTest : public ::testing::Test {
  protected:
    void TearDown() override { os::set_atomic_fail_hook({}); }
    testsupport::TempDir tmp;
};

TEST_F(AtomicReplaceTest, FailureAtAnyStepKeepsTheOldFile) {
    const std::string old_bytes("old\r\n\0\xFF data", 12);
    for (const char* step : {"open", "write", "flush", "rename"}) {
        tmp.write("p.b", old_bytes);
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        EXPECT_FALSE(os::atomic_replace(tmp.file("p.b"), "new content")) << step;
        EXPECT_EQ(tmp.read("p.b"), old_bytes) << step;
        EXPECT_EQ(names_in(tmp.path()), std::vector<std::string>{"p.b"}) << step;
    }
}

TEST_F(AtomicReplaceTest, ReplacesContentAndKeepsPermissions) {
    tmp.write("p.b", "old");
    ::chmod(tmp.file("p.b").c_str(), 0640);
    std::vector<std::string> steps;
    os::set_atomic_fail_hook([&](const std::string& s) {
        steps.push_back(s);
        return false;
    });
    ASSERT_TRUE(os::atomic_replace(tmp.file("P.B"), std::string("new\0", 4)));
    EXPECT_EQ(steps, (std::vector<std::string>{"open", "write", "flush", "rename"}));
    EXPECT_EQ(tmp.read("p.b"), std::string("new\0", 4));
    EXPECT_EQ(names_in(tmp.path()), std::vector<std::string>{"p.b"}); // same spelling
    struct stat st;
    ASSERT_EQ(::stat(tmp.file("p.b").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(AtomicReplaceTest, CreatesNewFileAndFailsInMissingFolder) {
    ASSERT_TRUE(os::atomic_replace(tmp.file("usr.t"), "1=Ala\r\n"));
    EXPECT_EQ(tmp.read("usr.t"), "1=Ala\r\n");
    EXPECT_FALSE(os::atomic_replace(tmp.file("missing/usr.t"), "x"));
    EXPECT_FALSE(tmp.exists("missing"));
}

} // namespace
