#pragma once
// The run-time error of the data routines: a malformed number in a data file or
// a failed file operation ends the current operation with a clear message.
#include <stdexcept>
#include <string>

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

// Rethrows a ConversionError raised while reading line `line` of `file` with
// the file and line named in its message.
[[noreturn]] void rethrow_in_file(const std::string& file, int line);

}  // namespace core
