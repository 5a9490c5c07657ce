// One trainer per user, with two real processes: a second start ends at once
// and leaves the first untouched; a crashed trainer's lock never blocks.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/os/instance_lock.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

class Instance : public ::testing::Test {
  protected:
    testsupport::TempDir runtime;

    // Starts the built trainer headless, with its own runtime folder.
    pid_t start() {
        pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            const std::string exe = std::string(DEMO_PROGRAM_DIR) + "/vokarin";
            execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }
    // The exit code, or -1 when it is still running after `wait`.
    static int exit_code(pid_t pid, std::chrono::milliseconds wait) {
        const auto end = std::chrono::steady_clock::now() + wait;
        int status = 0;
        while (std::chrono::steady_clock::now() < end) {
            if (waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }
    // Waits until a trainer holds the lock (it then shows the user choice).
    bool lock_taken(std::chrono::milliseconds wait) {
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        const auto end = std::chrono::steady_clock::now() + wait;
        bool taken = false;
        while (!taken && std::chrono::steady_clock::now() < end) {
            os::InstanceLock probe("Tavolent_40_Vidavidoda");
            taken = probe.acquire() == os::InstanceLock::State::held_elsewhere;
            if (!taken) {
                probe.release();
                std::this_thread::sleep_for(50ms);
            }
        }
        unsetenv("XDG_RUNTIME_DIR");
        return taken;
    }
    static void kill_hard(pid_t pid) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
};

TEST_F(Instance, ASecondStartEndsAtOnceAndTheFirstGoesOn) {
    const pid_t first = start();
    // The probe may briefly hold the lock itself before the first trainer
    // takes it; then the first ends at once, and the test starts another.
    pid_t running = first;
    for (int attempt = 0; attempt < 3 && !lock_taken(3000ms); ++attempt) {
        exit_code(running, 100ms);
        running = start();
    }
    ASSERT_EQ(exit_code(running, 0ms), -1) << "the first trainer did not stay up";

    const pid_t second = start();
    EXPECT_EQ(exit_code(second, 10000ms), 0);
    EXPECT_EQ(exit_code(running, 200ms), -1) << "the first trainer was disturbed";

    // A trainer that crashed leaves no lock behind.
    kill_hard(running);
    const pid_t third = start();
    EXPECT_TRUE(lock_taken(5000ms));
    EXPECT_EQ(exit_code(third, 300ms), -1);
    kill_hard(third);
}

} // namespace
