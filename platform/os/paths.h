#pragma once
// Program folder, path resolution and the disc-root mapping.
//
// Folders kept by the programs end in "/". Paths may be composed with the
// backslashes the data files use ("gfx_s\\menu_slow.bmp"); every access goes
// through resolve(), which turns backslashes into slashes and, where the exact
// name is absent, matches each component without regard to case.
#include <string>
#include <vector>

namespace os {

// Folder of the running executable, ending in "/". Tests may override it.
std::string program_folder();
void set_program_folder(const std::string& folder); // empty: back to the executable's

// Backslashes become slashes; where the exact name does not exist, each
// component is looked up without regard to case. A component that does not
// exist at all keeps the spelling given (so a write creates that name).
// Names that are not valid UTF-8 are taken as Windows-1250 and converted.
std::string resolve(const std::string& path);

bool file_exists(const std::string& path);   // a regular file (after resolve)
// Anything under that name: a file, a folder, a link (even a broken one). A
// reader that finds this but cannot read the file must report it, not take
// the file for missing.
bool entry_exists(const std::string& path);
bool folder_exists(const std::string& path); // a folder (after resolve)
bool make_folder(const std::string& path);   // creates it (and parents); true when it exists after
bool remove_file(const std::string& path);   // true when removed
// Renames `from` to `to`, replacing an existing `to` in one step, so a reader
// sees the old or the new file, never neither. Nothing is flushed to disk:
// after a power failure the old state may come back. Learner files are
// written with atomic_replace, which flushes.
bool move_file(const std::string& from, const std::string& to);
long long file_size(const std::string& path); // -1 when missing
// Last change of a regular file, in seconds since 1970; -1 when missing.
long long file_mtime(const std::string& path);

// Appends "/" when the folder does not end in a separator; "" stays "".
std::string with_slash(const std::string& folder);

// Files in `folder` whose names match `pattern` ('*' and '?', without case),
// full resolved paths, in the order the file system lists them.
std::vector<std::string> list_files(const std::string& folder, const std::string& pattern);

// Disc root named by the installation file: the text after "=".
// A drive form ("D:\", "d:", "D:/") is looked up in the environment variable
// VOKARIN_DRIVE_D (and so on), text after "D:\" lying below it; any other text is a folder,
// relative to the program folder unless absolute. Result ends in "/"; empty when the text is empty
// or a drive form has no entry.
std::string disc_root_from(const std::string& text);

} // namespace os
