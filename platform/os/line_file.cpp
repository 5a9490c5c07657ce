#include "platform/os/line_file.h"

#include "platform/os/read_file.h"

#include "platform/os/atomic_file.h"
#include "platform/os/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace os {

namespace {

std::string join_crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace

LineReader::LineReader(const std::string& path) {
    open(path);
}

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const std::string& path) {
    close();
    f_ = open_for_reading(path);
    return f_ != nullptr;
}

bool LineReader::eof() {
    if (!f_) return true;
    int c = getc_unlocked(f_);
    if (c == EOF) return true;
    std::ungetc(c, f_);
    return false;
}

std::string LineReader::read_line() {
    std::string line;
    if (!f_) return line;
    int c = getc_unlocked(f_);
    if (c == EOF) return line;
    ++line_;
    while (c != EOF && c != '\n') {
        line += static_cast<char>(c);
        c = getc_unlocked(f_);
    }
    if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

void LineReader::close() {
    if (f_) std::fclose(f_);
    f_ = nullptr;
    line_ = 0;
}

std::vector<std::string> read_lines(const std::string& path) {
    std::vector<std::string> lines;
    LineReader r(path);
    while (!r.eof())
        lines.push_back(r.read_line());
    return lines;
}

bool write_lines(const std::string& path, const std::vector<std::string>& lines) {
    return atomic_replace(path, join_crlf(lines));
}

bool append_lines_locked(const std::string& path, const std::vector<std::string>& lines) {
    int fd = ::open(resolve(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = false;
    if (::flock(fd, LOCK_EX) == 0) {
        ok = write_fd_all(fd, join_crlf(lines));
        ::flock(fd, LOCK_UN);
    }
    ok = (::close(fd) == 0) && ok;
    return ok;
}

std::vector<std::string> read_lines_locked(const std::string& path) {
    // The lock sits on a descriptor of its own; it is released when that closes.
    int fd = ::open(resolve(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return read_lines(path);
    while (::flock(fd, LOCK_SH) != 0 && errno == EINTR) {
    }
    std::vector<std::string> lines = read_lines(path);
    ::close(fd);
    return lines;
}

} // namespace os
