#include "platform/os/atomic_file.h"
#include "platform/os/file_lock.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>
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

// Leftovers of writers killed before their rename go; a file whose writer
// still runs, and names that only look alike, stay.
TEST_F(AtomicReplaceTest, StaleTemporaryFilesAreRemovedButNotALiveWritersOne) {
    tmp.write("p.b", "records");
    tmp.write("p.b.tmp-a1B2c3", "half of a dead writer's");
    tmp.write("ustaw_tas_40.txt.tmp-XyZ987", "another");
    tmp.write("live.txt.tmp-QQQQQQ", "being written");
    tmp.write("p.b.tmp-12345", "five characters: not ours");
    tmp.write("notes.tmp-abcdef.txt", "not ours either");
    fs::create_directory(tmp.file("folder.tmp-abcdef"));
    const int live = ::open(tmp.file("live.txt.tmp-QQQQQQ").c_str(), O_RDONLY);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    EXPECT_EQ(os::remove_stale_temp_files(tmp.path()), 2);
    auto names = names_in(tmp.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.tmp-abcdef", "live.txt.tmp-QQQQQQ", "notes.tmp-abcdef.txt",
                                               "p.b", "p.b.tmp-12345"}));
    ::close(live); // the writer died
    EXPECT_EQ(os::remove_stale_temp_files(tmp.path()), 1);
    EXPECT_EQ(os::remove_stale_temp_files(tmp.file("no-such-folder")), 0);
}

TEST_F(AtomicReplaceTest, AClearingOfLeftoversDuringAWriteLeavesItWhole) {
    tmp.write("p.b", "old");
    int removed = -1;
    os::set_atomic_fail_hook([&](const std::string& step) {
        if (step == "rename") removed = os::remove_stale_temp_files(tmp.path());
        return false;
    });
    EXPECT_TRUE(os::atomic_replace(tmp.file("p.b"), "new"));
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(tmp.read("p.b"), "new");
    EXPECT_EQ(names_in(tmp.path()), std::vector<std::string>{"p.b"});
}

TEST(FileLockTest, OneHolderAtATimeAndTheLockFileStays) {
    testsupport::TempDir tmp;
    {
        os::FileLock first(tmp.file("usr.t.lock"));
        ASSERT_TRUE(first.held());
        const auto t0 = std::chrono::steady_clock::now();
        os::FileLock second(tmp.file("usr.t.lock"), 100);
        EXPECT_FALSE(second.held());
        EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(100));
    }
    os::FileLock again(tmp.file("usr.t.lock"), 100);
    EXPECT_TRUE(again.held());
    EXPECT_TRUE(fs::exists(tmp.file("usr.t.lock")));
    EXPECT_FALSE(os::FileLock(tmp.file("no/such/folder/x.lock"), 0).held());
}

} // namespace
