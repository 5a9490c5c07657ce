#include "platform/os/atomic_file.h"
#include "platform/os/line_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsCrLfAndLf) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},     {"a\nb\n", {"a", "b"}},
        {"a\r\nlast", {"a", "last"}},   {"", {}},
        {"\r\n\r\n", {"", ""}},         {"x\n\n", {"x", ""}},
        {"a\rb\n", {"a\rb"}}, // a lone CR is part of the line
        {"\xB9\xE6\r\n", {"\xB9\xE6"}},
    };
    testsupport::TempDir tmp;
    for (const Case& c : cases) {
        tmp.write("f.txt", c.bytes);
        os::LineReader r(tmp.file("F.TXT"));
        ASSERT_TRUE(r.is_open());
        Lines got;
        while (!r.eof())
            got.push_back(r.read_line());
        EXPECT_EQ(got, c.lines) << testing::PrintToString(c.bytes);
        EXPECT_EQ(r.line_number(), static_cast<int>(c.lines.size()));
        EXPECT_EQ(r.read_line(), "");
        EXPECT_EQ(os::read_lines(tmp.file("f.txt")), c.lines);
    }
}

TEST(LineReader, MissingFileIsAtEnd) {
    testsupport::TempDir tmp;
    os::LineReader r(tmp.file("none.txt"));
    EXPECT_FALSE(r.is_open());
    EXPECT_TRUE(r.eof());
    EXPECT_EQ(r.read_line(), "");
    EXPECT_TRUE(os::read_lines(tmp.file("none.txt")).empty());
}

// What a reader finds at a name. A folder or an I/O error in place of the file
// must never read as an empty or missing file.
TEST(LineFiles, AReadThatFailsIsNeverTheEndOfTheFile) {
    testsupport::TempDir tmp;
    tmp.write("good.txt", "a\r\nb\r\n");
    tmp.write("empty.txt", "");
    std::filesystem::create_directory(tmp.file("folder.txt"));
    // Reading one's own memory at offset 0 fails with EIO, even as root.
    std::filesystem::create_symlink("/proc/self/mem", tmp.file("eio.txt"));
    std::filesystem::create_symlink(tmp.file("nowhere"), tmp.file("dangling.txt"));
    struct Case {
        const char* name;
        os::ReadStatus status;
        Lines lines;
    } cases[] = {
        {"good.txt", os::ReadStatus::ok, {"a", "b"}},
        {"GOOD.TXT", os::ReadStatus::ok, {"a", "b"}},
        {"empty.txt", os::ReadStatus::ok, {}},
        {"missing.txt", os::ReadStatus::missing, {}},
        {"folder.txt", os::ReadStatus::failed, {}},
        {"eio.txt", os::ReadStatus::failed, {}},
        {"dangling.txt", os::ReadStatus::failed, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lines got{"stale"};
        EXPECT_EQ(os::read_lines(tmp.file(c.name), got), c.status);
        EXPECT_EQ(got, c.lines);
        EXPECT_EQ(os::read_lines_locked(tmp.file(c.name), got), c.status);

        os::LineReader r(tmp.file(c.name));
        while (!r.eof())
            r.read_line();
        EXPECT_EQ(r.failed(), c.status == os::ReadStatus::failed && r.is_open());
    }
}

TEST(LineFiles, WriteUsesCrLfAfterEveryLine) {
    testsupport::TempDir tmp;
    ASSERT_TRUE(os::write_lines(tmp.file("w.txt"), {"a", "", "c"}));
    EXPECT_EQ(tmp.read("w.txt"), "a\r\n\r\nc\r\n");
    ASSERT_TRUE(os::write_lines(tmp.file("w.txt"), {}));
    EXPECT_EQ(tmp.read("w.txt"), "");
}

TEST(LineFiles, AppendLockedCreatesThenAppends) {
    testsupport::TempDir tmp;
    ASSERT_TRUE(os::append_lines_locked(tmp.file("slow.txt"), {"1=a"}));
    ASSERT_TRUE(os::append_lines_locked(tmp.file("SLOW.TXT"), {"2=b", "3=c"}));
    EXPECT_EQ(tmp.read("slow.txt"), "1=a\r\n2=b\r\n3=c\r\n");
    EXPECT_FALSE(os::append_lines_locked(tmp.file("no/such/slow.txt"), {"x"}));
}

// The hand-off append rewrites the file whole: a write that fails at any
// step, or a file that cannot be read, leaves what was there.
TEST(LineFiles, FailedAppendLeavesTheFileAsItWas) {
    testsupport::TempDir tmp;
    tmp.write("slow.txt", "1\r\n2");
    for (const char* step : {"open", "write", "flush", "rename"}) {
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        EXPECT_FALSE(os::append_lines(tmp.file("slow.txt"), {"3"})) << step;
        os::set_atomic_fail_hook({});
        EXPECT_EQ(tmp.read("slow.txt"), "1\r\n2") << step;
    }
    os::set_read_fail_hook([](const std::string&) { return true; });
    EXPECT_FALSE(os::append_lines(tmp.file("slow.txt"), {"3"}));
    os::set_read_fail_hook({});
    EXPECT_EQ(tmp.read("slow.txt"), "1\r\n2");

    ASSERT_TRUE(os::append_lines(tmp.file("SLOW.TXT"), {"3"}));
    EXPECT_EQ(tmp.read("slow.txt"), "1\r\n2\r\n3\r\n");
    // No temporary file of a failed step is left beside it.
    Lines names;
    for (const auto& e : std::filesystem::directory_iterator(tmp.path()))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, Lines{"slow.txt"});
}

TEST(LineFiles, LockedReadWaitsForAnAppendInProgress) {
    testsupport::TempDir tmp;
    tmp.write("slow.txt", "1\r\n");
    EXPECT_TRUE(os::read_lines_locked(tmp.file("none.txt")).empty());

    // An appender holding its lock halfway through its lines.
    const int fd = ::open(tmp.file("slow.txt").c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    ASSERT_EQ(::write(fd, "2\r\n3", 4), 4);

    std::atomic<bool> done{false};
    Lines got;
    std::thread reader([&] {
        got = os::read_lines_locked(tmp.file("SLOW.TXT"));
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_FALSE(done) << "read while the append was under way";
    ASSERT_EQ(::write(fd, "4\r\n", 3), 3);
    ::flock(fd, LOCK_UN);
    ::close(fd);
    reader.join();
    EXPECT_EQ(got, (Lines{"1", "2", "34"}));
}

} // namespace
