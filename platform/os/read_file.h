#pragma once
// Opening files for reading, the one way the data routines do it, so that a
// test can make a file unreadable even where the process may read anything.
#include <cstdio>
#include <functional>
#include <string>

namespace os {

// fopen(resolve(path), "rb"); nullptr when the file cannot be read.
std::FILE* open_for_reading(const std::string& path);

// What a read found. A name that exists but cannot be read whole (no
// permission, a folder in its place, an I/O error) is `failed`, never
// `missing`: a caller must not take it for an empty or new file.
enum class ReadStatus { ok, missing, failed };

// Whole file. `bytes` holds what was read, also after a failure.
ReadStatus read_whole_file(const std::string& path, std::string& bytes);
// Whole file; false when it is missing or cannot be read.
bool read_file(const std::string& path, std::string& bytes);

// Test hook: given the resolved path, returning true makes the open fail.
using ReadFailHook = std::function<bool(const std::string& resolved)>;
void set_read_fail_hook(ReadFailHook hook); // empty: none

} // namespace os
