#include "platform/os/window_signal.h"

#include "platform/os/date_serial.h"
#include "platform/os/instance_lock.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace os {

namespace {

constexpr int read_timeout_ms = 200;
// Every message starts with this, so a bare connection (another listener
// probing whether this one lives) is not taken for an empty caption.
constexpr char header[] = "caption:";
constexpr size_t header_size = sizeof header - 1;

bool make_address(const std::string& path, sockaddr_un& addr) {
    if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.data(), path.size());
    return true;
}

// Connected socket to the listener at `path`, or -1 (errno set). Never
// blocks: a listener whose queue is full counts as not listening.
int connect_to(const std::string& path) {
    sockaddr_un addr;
    if (!make_address(path, addr)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        int e = errno;
        ::close(fd);
        errno = e;
        return -1;
    }
    return fd;
}

// Reads until the sender closes, at most max_caption bytes, waiting at most
// read_timeout_ms in all. False when the sender sent nothing complete.
bool read_caption(int fd, std::string& out) {
    const int64_t end = ticks_ms() + read_timeout_ms;
    char buf[512];
    for (;;) {
        int left = static_cast<int>(end - ticks_ms());
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        int r = ::poll(&p, 1, left);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n < 0) return false;
        if (n == 0) {
            if (out.compare(0, header_size, header) != 0) return false;
            out.erase(0, header_size);
            return true;
        }
        if (out.size() + static_cast<size_t>(n) > max_caption + header_size) return false;
        out.append(buf, static_cast<size_t>(n));
    }
}

} // namespace

std::string window_socket_path(const std::string& title) {
    const std::string folder = runtime_folder();
    if (folder.empty()) return "";
    const std::string name = token_file_name(title);
    const std::string path = folder + "win-" + name + ".sock";
    if (path.size() < sizeof(sockaddr_un::sun_path)) return path;
    // A long runtime folder leaves no room for the readable part: the hash
    // that ends the name tells titles apart on its own.
    const std::string hashed = "win-" + name.substr(name.size() - 16) + ".sock";
    if (folder.size() + hashed.size() < sizeof(sockaddr_un::sun_path)) return folder + hashed;
    const std::string short_folder = private_tmp_folder();
    return short_folder.empty() ? "" : short_folder + hashed;
}

bool signal_window(const std::string& title, const std::string& caption) {
    if (caption.size() > max_caption) return false;
    int fd = connect_to(window_socket_path(title));
    if (fd < 0) return false;
    const std::string message = header + caption;
    size_t done = 0;
    bool ok = true;
    while (done < message.size()) {
        ssize_t n = ::send(fd, message.data() + done, message.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    return ok;
}

WindowSignalServer::~WindowSignalServer() {
    close();
}

bool WindowSignalServer::open(const std::string& title) {
    close();
    error_.clear();
    const std::string path = window_socket_path(title);
    sockaddr_un addr;
    if (!make_address(path, addr)) {
        error_ = path.empty() ? "no runtime folder" : "socket path too long";
        return false;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    auto bind_it = [&] { return ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0; };
    bool bound = bind_it();
    if (!bound && errno == EADDRINUSE) {
        // A file is there: a live listener answers, a stale file does not.
        int other = connect_to(path);
        if (other >= 0) {
            ::close(other);
            ::close(fd);
            error_ = "another window listens under this title";
            return false;
        }
        ::unlink(path.c_str());
        bound = bind_it();
    }
    if (!bound) {
        error_ = std::strerror(errno);
        ::close(fd);
        return false;
    }
    if (::listen(fd, 16) != 0) {
        error_ = std::strerror(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    return true;
}

void WindowSignalServer::close() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(path_.c_str());
    fd_ = -1;
    path_.clear();
}

std::vector<std::string> WindowSignalServer::poll() {
    std::vector<std::string> captions;
    if (fd_ < 0) return captions;
    for (;;) {
        int c = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (c < 0) {
            if (errno == EINTR) continue;
            break; // EAGAIN: nobody else waiting
        }
        std::string caption;
        if (read_caption(c, caption)) captions.push_back(std::move(caption));
        ::close(c);
    }
    return captions;
}

} // namespace os
