// The platform's side of the two programs: process list and start, the
// single-instance lock and the caption signal between windows.
#include "platform/os/date_serial.h"
#include "platform/os/instance_lock.h"
#include "platform/os/process.h"
#include "platform/os/window_signal.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using testsupport::TempDir;

// Points the runtime folder at a fresh private folder for one test.
class RuntimeFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        had_old_ = old != nullptr;
        if (old) old_ = old;
        run_ = tmp_.path() + "run";
        ASSERT_EQ(::mkdir(run_.c_str(), 0700), 0);
        ::setenv("XDG_RUNTIME_DIR", run_.c_str(), 1);
    }
    void TearDown() override {
        if (had_old_)
            ::setenv("XDG_RUNTIME_DIR", old_.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    TempDir tmp_;
    std::string run_;

  private:
    std::string old_;
    bool had_old_ = false;
};

class InstanceLockTest : public RuntimeFolder {};
class WindowSignalTest : public RuntimeFolder {};

// Runs `body` in a child process; returns its exit code (or -signal).
template <typename F> int in_child(F body) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

std::string own_exe_name() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string exe(buf, n > 0 ? static_cast<size_t>(n) : 0);
    return exe.substr(exe.rfind('/') + 1);
}

bool wait_for(const std::function<bool()>& done, int ms = 5000) {
    const int64_t end = os::ticks_ms() + ms;
    while (!done()) {
        if (os::ticks_ms() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// ---------------------------------------------------------------- processes

TEST(ProcessTest, FindsRunningProgramsByNameWithoutCase) {
    std::string upper;
    for (char c : own_exe_name())
        upper += static_cast<char>(std::toupper(c));
    struct Case {
        std::string name;
        bool running;
    } cases[] = {
        {own_exe_name(), true},
        {upper, true},
        {"no-such-program-h8snd", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::is_program_running(c.name), c.running) << c.name;
}

TEST(ProcessTest, ExitedChildThatWasNotReapedDoesNotCount) {
    TempDir tmp;
    const std::string name = "zombie-h8snd";
    tmp.write(name, "#!/bin/sh\nexit 0\n");
    ::chmod(tmp.file(name).c_str(), 0755);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(tmp.file(name).c_str(), name.c_str(), nullptr);
        ::_exit(127);
    }
    // Give it time to end; it stays a zombie until waited for.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(os::is_program_running(name));
    ::waitpid(pid, nullptr, 0);
}

// A dictionary of another user cannot hear our caption signal, so it must not
// keep ours from being started.
TEST(ProcessTest, AnotherUsersProgramDoesNotCount) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to run a program as another user";
    TempDir tmp;
    const std::string name = "otheruser-r2";
    std::filesystem::copy_file("/bin/sleep", tmp.file(name));
    ::chmod(tmp.path().c_str(), 0755);
    ::chmod(tmp.file(name).c_str(), 0755);
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(126);
        ::execl(tmp.file(name).c_str(), name.c_str(), "5", nullptr);
        ::_exit(127);
    }
    const std::string exe_link = "/proc/" + std::to_string(pid) + "/exe";
    ASSERT_TRUE(wait_for([&] {
        char buf[4096];
        const ssize_t n = ::readlink(exe_link.c_str(), buf, sizeof buf);
        return n > 0 && std::string(buf, size_t(n)).find(name) != std::string::npos;
    })) << "the other user's program did not start";
    EXPECT_FALSE(os::is_program_running(name));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

TEST(ProcessTest, StartFailuresAreReported) {
    TempDir tmp;
    tmp.write("plain.txt", "not a program");
    struct Case {
        std::string path;
        int error;
    } cases[] = {
        {tmp.file("missing"), ENOENT},
        {"relative/lexarin", EINVAL},
        {"", EINVAL},
        {tmp.file("plain.txt"), EACCES},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::start_program(c.path), c.error) << c.path;
}

TEST(ProcessTest, StartedProgramRunsDetachedAndIsNotWaitedFor) {
    TempDir tmp;
    // Writes its parent's pid and whether stdin is /dev/null, after a pause.
    tmp.write("prog.sh", "#!/bin/sh\nsleep 0.5\n[ \"$(readlink /proc/self/fd/0)\" = /dev/null ] && "
                         "n=null || n=other\necho \"$PPID $n\" > \"" +
                             tmp.file("out.txt") + "\"\n");
    ::chmod(tmp.file("prog.sh").c_str(), 0755);

    const int64_t t0 = os::ticks_ms();
    ASSERT_EQ(os::start_program(tmp.file("prog.sh")), 0);
    EXPECT_LT(os::ticks_ms() - t0, 400) << "start waited for the program";
    ASSERT_TRUE(wait_for([&] { return tmp.read("out.txt").find('\n') != std::string::npos; }));
    const std::string out = tmp.read("out.txt");
    EXPECT_NE(std::atoi(out.c_str()), ::getpid()) << "the program is our child";
    EXPECT_NE(out.find("null"), std::string::npos) << out;
}

// ---------------------------------------------------------------- single instance

TEST_F(InstanceLockTest, SecondLockFailsWhileFirstHoldsAndSucceedsAfterRelease) {
    os::InstanceLock first("Tavolent_40_Vidavidoda");
    os::InstanceLock second("Tavolent_40_Vidavidoda");
    os::InstanceLock other("ApplicationTestMap");
    ASSERT_EQ(first.acquire(), os::InstanceLock::State::acquired);
    EXPECT_EQ(first.path().rfind(run_ + "/", 0), 0u) << first.path();
    EXPECT_EQ(second.acquire(), os::InstanceLock::State::held_elsewhere);
    EXPECT_EQ(other.acquire(), os::InstanceLock::State::acquired) << "tokens are separate";
    // Another process is refused as well.
    EXPECT_EQ(in_child([] {
                  os::InstanceLock l("Tavolent_40_Vidavidoda");
                  return l.acquire() == os::InstanceLock::State::held_elsewhere ? 0 : 1;
              }),
              0);
    first.release();
    EXPECT_EQ(second.acquire(), os::InstanceLock::State::acquired);
}

TEST_F(InstanceLockTest, LockLeftByDeadProcessDoesNotBlock) {
    // The child takes the lock and dies without releasing it.
    ASSERT_EQ(in_child([] {
                  static os::InstanceLock l("Tavolent_40_Vidavidoda");
                  if (l.acquire() != os::InstanceLock::State::acquired) return 1;
                  ::raise(SIGKILL);
                  return 2;
              }),
              -SIGKILL);
    os::InstanceLock again("Tavolent_40_Vidavidoda");
    EXPECT_EQ(again.acquire(), os::InstanceLock::State::acquired);
    EXPECT_TRUE(os::acquire_single_instance("ApplicationTestMap"));
}

TEST_F(InstanceLockTest, FallbackRuntimeFolderIsPrivate) {
    ::setenv("XDG_RUNTIME_DIR", "/no/such/folder", 1);
    const std::string fallback = os::runtime_folder();
    EXPECT_EQ(fallback, "/tmp/vokarin-" + std::to_string(::getuid()) + "/");
    struct stat st;
    ASSERT_EQ(::stat(fallback.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 077, 0u) << "the fallback folder is private";
}

TEST_F(InstanceLockTest, TokenNamesAreSafeAndDistinct) {
    const std::string a = os::token_file_name("Słownik/../x");
    EXPECT_EQ(a.find('/'), std::string::npos) << a;
    EXPECT_EQ(a.find('.'), std::string::npos) << a;
    EXPECT_NE(os::token_file_name("Slownik a"), os::token_file_name("Slownik_a"));
    EXPECT_LE(os::token_file_name(std::string(500, 'x')).size(), 60u);
}

// ---------------------------------------------------------------- caption signal

TEST_F(WindowSignalTest, CaptionReachesListenerInOrderWithItsBytes) {
    const std::string title = "Tavolent - S\xB3ownik"; // 8-bit title
    EXPECT_FALSE(os::signal_window(title, "xxxhouse")) << "nobody listens yet";

    os::WindowSignalServer server;
    ASSERT_TRUE(server.open(title)) << server.error();
    EXPECT_TRUE(server.poll().empty());
    EXPECT_TRUE(os::signal_window(title, "xxxhouse"));
    EXPECT_TRUE(os::signal_window(title, "xxx\xBF\xF3\xB3w"));
    EXPECT_TRUE(os::signal_window(title, ""));
    EXPECT_FALSE(os::signal_window("Another title", "xxxhouse"));
    EXPECT_FALSE(os::signal_window(title, std::string(os::max_caption + 1, 'x')));
    EXPECT_EQ(server.poll(), (std::vector<std::string>{"xxxhouse", "xxx\xBF\xF3\xB3w", ""}));

    server.close();
    EXPECT_FALSE(os::signal_window(title, "xxxhouse")) << "closed listener still answers";
}

// A socket path has room for 107 bytes: a long Polish title and a long
// runtime folder still give a path that fits, one per title.
TEST_F(WindowSignalTest, LongTitlesAndRuntimeFoldersStillFitTheSocketName) {
    const std::string polish =
        "S\xB3ownik \xBF\xF3\xB3tej \xEA\xB9\x9C\x9F\xE6\xF1 - " + std::string(120, '\xB3');
    const std::string other = polish + "!";
    for (size_t extra : {size_t(0), size_t(50), size_t(90)}) {
        SCOPED_TRACE(extra);
        const std::string folder = run_ + (extra ? "/" + std::string(extra, 'd') : "");
        ASSERT_TRUE(std::filesystem::create_directories(folder) || extra == 0);
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
        const std::string path = os::window_socket_path(polish);
        EXPECT_LT(path.size(), sizeof(sockaddr_un::sun_path)) << path;
        EXPECT_NE(path, os::window_socket_path(other));
        os::WindowSignalServer server;
        ASSERT_TRUE(server.open(polish)) << server.error() << " " << path;
        EXPECT_TRUE(os::signal_window(polish, "xxx\xBF\xF3\xB3w"));
        EXPECT_FALSE(os::signal_window(other, "xxxa"));
        EXPECT_EQ(server.poll(), std::vector<std::string>{"xxx\xBF\xF3\xB3w"});
    }
}

TEST_F(WindowSignalTest, SecondListenerIsRefusedAndStaleSocketIsReplaced) {
    const std::string title = "Slownik";
    os::WindowSignalServer first, second;
    ASSERT_TRUE(first.open(title));
    EXPECT_FALSE(second.open(title));
    EXPECT_TRUE(first.poll().empty()) << "the probe of the second was taken for a caption";
    first.close();

    // A listener killed without closing leaves its socket file behind.
    ASSERT_EQ(in_child([&] {
                  static os::WindowSignalServer s;
                  if (!s.open(title)) return 1;
                  ::raise(SIGKILL);
                  return 2;
              }),
              -SIGKILL);
    struct stat st;
    ASSERT_EQ(::stat(os::window_socket_path(title).c_str(), &st), 0);
    EXPECT_FALSE(os::signal_window(title, "xxxa"));
    ASSERT_TRUE(second.open(title)) << second.error();
    EXPECT_TRUE(os::signal_window(title, "xxxb"));
    EXPECT_EQ(second.poll(), std::vector<std::string>{"xxxb"});
}

TEST_F(WindowSignalTest, SilentSenderDoesNotHoldTheListener) {
    const std::string title = "Slownik";
    os::WindowSignalServer server;
    ASSERT_TRUE(server.open(title));
    // Connects and sends nothing, keeping the connection open.
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string path = os::window_socket_path(title);
    std::copy(path.begin(), path.end(), addr.sun_path);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    const int64_t t0 = os::ticks_ms();
    EXPECT_TRUE(server.poll().empty());
    EXPECT_LT(os::ticks_ms() - t0, 1000);
    ::close(fd);
    EXPECT_TRUE(os::signal_window(title, "xxxc"));
    EXPECT_EQ(server.poll(), std::vector<std::string>{"xxxc"});
}

} // namespace
