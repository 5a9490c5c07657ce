// One dictionary per user, with real processes: a second start ends at once,
// before loading anything or showing a message, and leaves the first as it is.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <set>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/os/instance_lock.h"
#include "support/temp_dir.h"
#include "trainer/demo_edition.h"

namespace {

using namespace std::chrono_literals;

class DictionaryInstance : public ::testing::Test {
  protected:
    testsupport::DemoEdition demo{testsupport::linked_folders};
    testsupport::TempDir runtime;

    DictionaryInstance() {
        // Under a name of its own: a test that looks for a running "lexarin"
        // may run beside this one.
        std::filesystem::copy_file(std::string(DEMO_PROGRAM_DIR) + "/lexarin",
                                   demo.program() + "lexarin_kopia");
        // Without the disc a start that got past the lock would stop at its
        // warning, shown in a message window nobody closes.
        demo.write("ts40.ini", "[ts40]\r\ncd=../no-disc/\r\n");
    }

    // Started and not yet reaped: killed when the test ends.
    std::set<pid_t> live;

    ~DictionaryInstance() override {
        for (pid_t pid : live) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    pid_t start() {
        const std::string exe = demo.program() + "lexarin_kopia";
        pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid > 0) live.insert(pid);
        return pid;
    }
    // The exit code, or -1 when it is still running after `wait`.
    int exit_code(pid_t pid, std::chrono::milliseconds wait) {
        const auto end = std::chrono::steady_clock::now() + wait;
        int status = 0;
        do {
            if (live.count(pid) && waitpid(pid, &status, WNOHANG) == pid) {
                live.erase(pid);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        } while (std::chrono::steady_clock::now() < end);
        return -1;
    }
    bool lock_taken(std::chrono::milliseconds wait) {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        const std::string saved = old ? old : "";
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        const auto end = std::chrono::steady_clock::now() + wait;
        bool taken = false;
        while (!taken && std::chrono::steady_clock::now() < end) {
            os::InstanceLock probe("ApplicationTestMap");
            taken = probe.acquire() == os::InstanceLock::State::held_elsewhere;
            if (!taken) {
                probe.release();
                std::this_thread::sleep_for(50ms);
            }
        }
        old ? setenv("XDG_RUNTIME_DIR", saved.c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
        return taken;
    }
};

TEST_F(DictionaryInstance, ASecondStartEndsAtOnce) {
    // The probe may briefly hold the lock itself before the first dictionary
    // takes it; then the first ends at once, and another is started.
    pid_t first = start();
    for (int attempt = 0; attempt < 3 && !lock_taken(10000ms); ++attempt) {
        exit_code(first, 100ms);
        first = start();
    }
    ASSERT_EQ(exit_code(first, 0ms), -1) << "the first dictionary did not stay up";

    const pid_t second = start();
    const int code = exit_code(second, 20000ms);
    EXPECT_EQ(code, 0) << "the second dictionary did not end at once";
    EXPECT_EQ(exit_code(first, 200ms), -1) << "the first dictionary was disturbed";
}

} // namespace
