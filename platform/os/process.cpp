#include "platform/os/process.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/read_file.h"

namespace os {

namespace {

bool same_name(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string base_name(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Name and state from /proc/<pid>/stat: "pid (name) S ...". The name may hold
// blanks and parentheses, so it ends at the last ')'.
bool read_stat(const std::string& dir, std::string& name, char& state) {
    // A process that ends while it is read fails the read (a stream would throw).
    std::string s;
    if (read_whole_file(dir + "/stat", s) != ReadStatus::ok) return false;
    size_t open = s.find('('), close = s.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open ||
        close + 2 >= s.size())
        return false;
    name = s.substr(open + 1, close - open - 1);
    state = s[close + 2];
    return true;
}

bool process_runs(const std::string& dir, const std::string& wanted) {
    // Another user's program is no use to us: it does not hear our signals.
    struct stat st;
    if (::stat(dir.c_str(), &st) != 0 || st.st_uid != ::getuid()) return false;
    std::string name;
    char state = 0;
    if (!read_stat(dir, name, state) || state == 'Z' || state == 'X') return false;
    char buf[4096];
    ssize_t n = ::readlink((dir + "/exe").c_str(), buf, sizeof buf - 1);
    if (n > 0) {
        std::string exe(buf, static_cast<size_t>(n));
        const std::string deleted = " (deleted)";
        if (exe.size() > deleted.size() &&
            exe.compare(exe.size() - deleted.size(), deleted.size(), deleted) == 0)
            exe.resize(exe.size() - deleted.size());
        return same_name(base_name(exe), wanted);
    }
    // The kernel keeps at most 15 characters of the name.
    return same_name(name, wanted.substr(0, 15));
}

} // namespace

bool is_program_running(const std::string& exe_name) {
    if (exe_name.empty()) return false;
    DIR* d = ::opendir("/proc");
    if (!d) return false;
    bool found = false;
    while (dirent* e = ::readdir(d)) {
        if (!std::isdigit(static_cast<unsigned char>(e->d_name[0]))) continue;
        if (process_runs(std::string("/proc/") + e->d_name, exe_name)) {
            found = true;
            break;
        }
    }
    ::closedir(d);
    return found;
}

int start_program(const std::string& path) {
    if (path.empty() || path[0] != '/') return EINVAL;
    if (::access(path.c_str(), X_OK) != 0) return errno;

    // The grandchild reports a failed exec through a pipe closed on a good one.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return errno;
    char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};

    pid_t child = ::fork();
    if (child < 0) {
        int e = errno;
        ::close(report[0]);
        ::close(report[1]);
        return e;
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        ::close(report[0]);
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild < 0) {
            int e = errno;
            (void)!::write(report[1], &e, sizeof e);
            ::_exit(1);
        }
        if (grandchild > 0) ::_exit(0);
        int null_fd = ::open("/dev/null", O_RDONLY);
        if (null_fd >= 0) {
            ::dup2(null_fd, 0);
            if (null_fd != 0) ::close(null_fd);
        }
        ::execv(path.c_str(), argv);
        int e = errno;
        (void)!::write(report[1], &e, sizeof e);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int err = 0;
    ssize_t n;
    while ((n = ::read(report[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return n == static_cast<ssize_t>(sizeof err) ? (err ? err : EIO) : 0;
}

} // namespace os
