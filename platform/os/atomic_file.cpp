#include "platform/os/atomic_file.h"

#include "platform/os/paths.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

namespace {

AtomicFailHook g_fail_hook;

bool injected(const char* step) {
    return g_fail_hook && g_fail_hook(step);
}

// Permission bits a newly created file gets from this process.
mode_t new_file_mode() {
    mode_t mask = 022;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        unsigned value = 0;
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        std::fclose(f);
    }
    return 0666 & ~mask;
}

void sync_folder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool write_fd_all(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool atomic_replace(const std::string& path, std::string_view content) {
    const std::string target = resolve(path);
    const size_t slash = target.rfind('/');
    const std::string folder = target.substr(0, slash + 1);

    if (injected("open")) return false;
    std::string tmp = target + ".tmp-XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;

    struct stat st;
    mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : new_file_mode();
    bool ok = ::fchmod(fd, mode) == 0;
    ok = ok && !injected("write") && write_fd_all(fd, content);
    ok = ok && !injected("flush") && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && !injected("rename") && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    sync_folder(folder);
    return true;
}

void set_atomic_fail_hook(AtomicFailHook hook) {
    g_fail_hook = std::move(hook);
}

} // namespace os
