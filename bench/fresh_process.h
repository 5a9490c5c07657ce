#pragma once
// Start-up figures taken in fresh processes: the benchmark runs itself again
// as `<self> --child <program folder> <start time>`, and the child prints the
// milliseconds from that start time to what it measured.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace bench {

inline double monotonic_ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// One run of the child on `program`; its figure, or -1 when it failed. A
// child may print a second figure after the first; it goes to `second`.
inline double run_child(const std::string& program, double* second = nullptr) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const double t0 = monotonic_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        // The platform's own chatter stays out of the figures.
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, 2);
        const std::string start = std::to_string(t0);
        execl(self.c_str(), self.c_str(), "--child", program.c_str(), start.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string out;
    char buf[256];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        out.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || out.empty()) return -1;
    char* rest = nullptr;
    const double first = std::strtod(out.c_str(), &rest);
    if (second) *second = std::strtod(rest, nullptr);
    return first;
}

} // namespace bench
