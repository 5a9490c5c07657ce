#include "platform/os/file_lock.h"

#include "platform/os/paths.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace os {

FileLock::FileLock(const std::string& path, int wait_ms) {
    const int fd = ::open(resolve(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= end)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

} // namespace os
