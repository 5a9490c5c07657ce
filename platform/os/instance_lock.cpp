#include "platform/os/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

namespace {

bool own_private_folder(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

} // namespace

std::string runtime_folder() {
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && xdg[0] == '/') {
        struct stat st;
        if (::stat(xdg, &st) == 0 && S_ISDIR(st.st_mode)) {
            std::string f = xdg;
            return f.back() == '/' ? f : f + "/";
        }
    }
    return private_tmp_folder();
}

std::string private_tmp_folder() {
    const std::string folder = "/tmp/vokarin-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return "";
    // Another user could have made the name first: use it only when it is ours.
    return own_private_folder(folder) ? folder + "/" : "";
}

std::string token_file_name(const std::string& text) {
    std::string name;
    for (unsigned char c : text) {
        if (name.size() >= 40) break;
        bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_';
        name += keep ? static_cast<char>(c) : '_';
    }
    uint64_t h = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : text)
        h = (h ^ c) * 1099511628211ull;
    static const char hex[] = "0123456789abcdef";
    name += '-';
    for (int i = 15; i >= 0; --i)
        name += hex[(h >> (4 * i)) & 15];
    return name;
}

InstanceLock::InstanceLock(std::string token) : token_(std::move(token)) {}

InstanceLock::~InstanceLock() {
    release();
}

InstanceLock::State InstanceLock::acquire() {
    if (fd_ >= 0) return State::acquired;
    error_.clear();
    const std::string folder = runtime_folder();
    if (folder.empty()) {
        error_ = "no runtime folder";
        return State::failed;
    }
    path_ = folder + token_file_name(token_) + ".lock";
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return State::failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int e = errno;
        ::close(fd);
        if (e == EWOULDBLOCK) return State::held_elsewhere;
        error_ = std::strerror(e);
        return State::failed;
    }
    fd_ = fd;
    return State::acquired;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::close(fd_); // drops the lock; the file stays for the next start
    fd_ = -1;
}

bool acquire_single_instance(const std::string& token) {
    static std::unique_ptr<InstanceLock> kept;
    auto lock = std::make_unique<InstanceLock>(token);
    if (lock->acquire() == InstanceLock::State::held_elsewhere) return false;
    kept = std::move(lock);
    return true;
}

} // namespace os
