#include "platform/os/line_file.h"

#include "platform/os/read_file.h"

#include "platform/os/atomic_file.h"
#include "platform/os/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace os {

std::string join_crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

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

int LineReader::next_char() {
    const int c = getc_unlocked(f_);
    if (c == EOF && std::ferror(f_)) failed_ = true;
    return c;
}

bool LineReader::eof() {
    if (!f_ || failed_) return true;
    int c = next_char();
    if (c == EOF) return true;
    std::ungetc(c, f_);
    return false;
}

std::string LineReader::read_line() {
    std::string line;
    if (!f_ || failed_) return line;
    int c = next_char();
    if (c == EOF) return line;
    ++line_;
    while (c != EOF && c != '\n') {
        line += static_cast<char>(c);
        c = next_char();
    }
    if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

void LineReader::close() {
    if (f_) std::fclose(f_);
    f_ = nullptr;
    line_ = 0;
    failed_ = false;
}

std::vector<std::string> split_lines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < bytes.size()) {
        size_t nl = bytes.find('\n', from);
        if (nl == std::string_view::npos) {
            lines.emplace_back(bytes.substr(from));
            break;
        }
        size_t end = nl;
        if (end > from && bytes[end - 1] == '\r') --end;
        lines.emplace_back(bytes.substr(from, end - from));
        from = nl + 1;
    }
    return lines;
}

ReadStatus read_lines(const std::string& path, std::vector<std::string>& lines) {
    lines.clear();
    std::string bytes;
    const ReadStatus status = read_whole_file(path, bytes);
    if (status == ReadStatus::ok) lines = split_lines(bytes);
    return status;
}

std::vector<std::string> read_lines(const std::string& path) {
    std::vector<std::string> lines;
    read_lines(path, lines);
    return lines;
}

bool write_lines(const std::string& path, const std::vector<std::string>& lines) {
    return atomic_replace(path, join_crlf(lines));
}

bool append_lines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    if (read_whole_file(path, bytes) == ReadStatus::failed) return false;
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    bytes += join_crlf(lines);
    return atomic_replace(path, bytes);
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

ReadStatus read_lines_locked(const std::string& path, std::vector<std::string>& lines) {
    // The lock sits on a descriptor of its own; it is released when that closes.
    int fd = ::open(resolve(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return read_lines(path, lines);
    while (::flock(fd, LOCK_SH) != 0 && errno == EINTR) {
    }
    const ReadStatus status = read_lines(path, lines);
    ::close(fd);
    return status;
}

std::vector<std::string> read_lines_locked(const std::string& path) {
    std::vector<std::string> lines;
    read_lines_locked(path, lines);
    return lines;
}

} // namespace os
