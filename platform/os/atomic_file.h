#pragma once
// The one way learner files are written: a temporary file in the same folder,
// flushed to disk, then renamed over the old one. A failed write leaves the
// old file as it was and returns false.
#include <functional>
#include <string>
#include <string_view>

namespace os {

bool atomic_replace(const std::string& path, std::string_view content);

// Removes from `folder` the temporary files of atomic_replace ("<name>.tmp-"
// and six characters) whose writer died before its rename. A writer holds a
// lock on its temporary file until the rename, so a file still being written
// (by this or the other program) is left alone. The number removed.
int remove_stale_temp_files(const std::string& folder);

// Failure injection for tests: called before each step ("open", "write",
// "flush", "rename"); returning true makes that step fail.
using AtomicFailHook = std::function<bool(const std::string& step)>;
void set_atomic_fail_hook(AtomicFailHook hook); // empty hook: no injection

// Writes every byte to the descriptor, retrying short writes; false on error.
bool write_fd_all(int fd, std::string_view bytes);

} // namespace os
