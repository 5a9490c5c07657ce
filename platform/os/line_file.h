#pragma once
// Line files as the data files use them: 8-bit text, one record a line.
// Reads accept CR LF and LF; writes use CR LF.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/read_file.h"

namespace os {

// Reads a text file line by line, in the "read while not at end" manner:
// eof() is true once no further line can be read, also after a read error,
// which failed() then tells apart from the end of the file.
class LineReader {
  public:
    LineReader() = default;
    explicit LineReader(const std::string& path); // path goes through resolve()
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool open(const std::string& path);
    bool is_open() const { return f_ != nullptr; }
    bool eof();                               // true when closed, nothing left or failed
    bool failed() const { return failed_; }   // a read error ended the file early
    std::string read_line();                  // next line without its CR LF / LF; "" at the end
    int line_number() const { return line_; } // 1-based number of the last line read
    void close();

  private:
    int next_char();

    std::FILE* f_ = nullptr;
    int line_ = 0;
    bool failed_ = false;
};

// The lines of a file's bytes, split as LineReader splits them.
std::vector<std::string> split_lines(std::string_view bytes);

// Whole file as lines; `lines` is empty unless the status is ok.
ReadStatus read_lines(const std::string& path, std::vector<std::string>& lines);
// Whole file as lines (empty when missing or unreadable).
std::vector<std::string> read_lines(const std::string& path);

// The lines, each ended by CR LF.
std::string join_crlf(const std::vector<std::string>& lines);

// Writes the lines with CR LF through the atomic-replace helper.
bool write_lines(const std::string& path, const std::vector<std::string>& lines);

// Appends lines with CR LF, the file made when missing; a last line left
// without its line break gets one first. The whole file is rewritten through
// the atomic-replace helper, so a failed append leaves it as it was; false
// when it exists but cannot be read. The caller sees to any locking.
bool append_lines(const std::string& path, const std::vector<std::string>& lines);
// Appends lines with CR LF under an exclusive file lock.
bool append_lines_locked(const std::string& path, const std::vector<std::string>& lines);
// Whole file as lines, read under a shared file lock: an append made under
// append_lines_locked is seen whole or not at all (empty when missing).
ReadStatus read_lines_locked(const std::string& path, std::vector<std::string>& lines);
std::vector<std::string> read_lines_locked(const std::string& path);

} // namespace os
