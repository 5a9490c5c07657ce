// kill -9 around the close of the main window, again and again: no learner
// file is ever torn, the next start clears what a cut write left behind, and
// p.i agrees with the record files it lists.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/os/line_file.h"
#include "trainer/learner_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kRecords = 40;
// A sanitizer build starts the trainer several times slower: fewer runs.
#ifdef __SANITIZE_ADDRESS__
constexpr int kRuns = 10;
#else
constexpr int kRuns = 24;
#endif

pid_t spawn(const char* mode, const std::string& program, const std::string& runtime,
            const std::string& log) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
        }
        execl(TRAINER_CHILD, TRAINER_CHILD, mode, program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// The exit code, or -1 when it did not end within `wait`.
int finish(pid_t pid, std::chrono::milliseconds wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(5ms);
    }
    ::kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

std::vector<std::string> leftovers(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".tmp-") != std::string::npos)
            out.push_back(e.path().filename().string());
    return out;
}

// Every record file whole and as the store holds it; the settings file whole.
void expect_whole(const std::string& user, const std::string& pb) {
    EXPECT_EQ(testsupport::TempDir::read_from(user + "p.b"), pb);
    for (const char* name : {"p_kopia.b", "p_kopia_5.b", "p_kopia_10.b"})
        if (fs::exists(user + name)) EXPECT_EQ(testsupport::TempDir::read_from(user + name), pb) << name;
    std::vector<std::string> lines;
    ASSERT_EQ(os::read_lines(user + "ustaw_tas_40.txt", lines), os::ReadStatus::ok);
    EXPECT_EQ(lines.size(), 54u);
}

TEST(KillDuringClose, NoTornFileNoLeftoverAndTheInfoTableAgrees) {
    testsupport::DemoEdition demo{testsupport::linked_folders};
    testsupport::lay_out_learner(demo, kRecords, 1);
    const std::string program = demo.program(), user = program + "1/";
    const std::string pb = demo.read("1/p.b");
    const std::string runtime = demo.dir.path() + "run/", log = demo.dir.path() + "log.txt";
    fs::create_directory(runtime);

    std::mt19937 rng(20240305);
    int cut_writes = 0;
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        const pid_t pid = spawn("start-loop", program, runtime, log);
        // Once a save is under way (or after eight seconds), at a random
        // point of the next few milliseconds: in the middle of one of the
        // close's writes, between two of them, or after the last.
        const auto end = std::chrono::steady_clock::now() + 8s;
        while (leftovers(user).empty() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(100us);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 4000));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the trainer ended by itself:\n"
                                          << testsupport::TempDir::read_from(log);
        cut_writes += !leftovers(user).empty() || !leftovers(program).empty();
        expect_whole(user, pb);

        ASSERT_EQ(finish(spawn("start", program, runtime, log), 30s), 0)
            << testsupport::TempDir::read_from(log);
        EXPECT_TRUE(leftovers(user).empty());
        EXPECT_TRUE(leftovers(program).empty());
        expect_whole(user, pb);
        testsupport::expect_info_agrees(user);
        if (HasFatalFailure() || HasFailure()) break;
    }
    std::printf("runs killed in the middle of a write: %d of %d\n", cut_writes, kRuns);
}

} // namespace
