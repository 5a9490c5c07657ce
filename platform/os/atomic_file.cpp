#include "platform/os/atomic_file.h"

#include "platform/os/paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

namespace {

AtomicFailHook g_fail_hook;

constexpr std::string_view temp_infix = ".tmp-";
constexpr size_t temp_suffix_len = 6; // the X's of mkostemp

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

int lock(int fd, int how) {
    int r;
    while ((r = ::flock(fd, how)) != 0 && errno == EINTR) {
    }
    return r;
}

// A temporary file of our own, created and locked. A clean-up may remove the
// name between the creation and the lock; the file is then made anew.
int make_locked_temp(const std::string& target, std::string& tmp) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        tmp = target + std::string(temp_infix) + std::string(temp_suffix_len, 'X');
        int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat st;
        if (lock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
        ::close(fd);
    }
    return -1;
}

bool is_temp_name(const std::string& name) {
    const size_t at = name.rfind(temp_infix);
    return at != std::string::npos && at > 0 &&
           name.size() == at + temp_infix.size() + temp_suffix_len;
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
    std::string tmp;
    const int fd = make_locked_temp(target, tmp);
    if (fd < 0) return false;

    struct stat st;
    mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : new_file_mode();
    bool ok = ::fchmod(fd, mode) == 0;
    ok = ok && !injected("write") && write_fd_all(fd, content);
    ok = ok && !injected("flush") && ::fsync(fd) == 0;
    // The lock is held until the name is gone, so no clean-up takes the file.
    ok = ok && !injected("rename") && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    ::close(fd);
    if (!ok) return false;
    sync_folder(folder);
    return true;
}

int remove_stale_temp_files(const std::string& folder) {
    const std::string dir = with_slash(resolve(folder));
    DIR* d = ::opendir(dir.c_str());
    if (!d) return 0;
    int removed = 0;
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (!is_temp_name(name)) continue;
        const std::string full = dir + name;
        const int fd = ::open(full.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st;
        // Taken only when its writer is gone; removed while held.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && lock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::unlink(full.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(d);
    return removed;
}

void set_atomic_fail_hook(AtomicFailHook hook) {
    g_fail_hook = std::move(hook);
}

} // namespace os
