#pragma once
// The run-time error of the data routines: a malformed number in a data file or
// a failed file operation ends the current operation with a clear message.
#include <stdexcept>
#include <string>
#include <string_view>

namespace core {

class RunTimeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number where one is expected.
class ConversionError : public RunTimeError {
  public:
    using RunTimeError::RunTimeError;
};

// A file that could not be written or read.
class FileError : public RunTimeError {
  public:
    using RunTimeError::RunTimeError;
};

// A text from a file as a message quotes it: in single quotes, cut to a short
// prefix and "..." (a damaged file may hold a line of megabytes), each byte
// below 0x20 and 0x7F shown as \xHH.
std::string cytat(std::string_view text);

// The message of a conversion error met on line `line` of `file` (a path): the file,
// the line and the text that is not a number, in Polish.
std::string blad_w_pliku(const std::string& file, int line, const ConversionError& e);

// Rethrows a ConversionError raised while reading line `line` of `file` with
// the file and line named in its message.
[[noreturn]] void rethrow_in_file(const std::string& file, int line);

// The error of a file that exists but cannot be opened. A load that meets it
// must not pass for "no file": a later save would replace the learner's data.
FileError blad_odczytu(const std::string& path);

} // namespace core
