#pragma once
// The process list and starting another program.
#include <string>

namespace os {

// True when a live process of this user runs an executable of this file name
// (without folder), compared without regard to case. Looks at /proc/<pid>/exe
// and, where that cannot be read, at the process name. Other users'
// processes do not count.
bool is_program_running(const std::string& exe_name);

// Starts the program at this absolute path, detached (its own session, not a
// child of ours, standard input from /dev/null) and not waited for. Returns 0
// when it started, else the errno value of the failure (ENOENT, EACCES, ...).
int start_program(const std::string& path);

} // namespace os
