#include "platform/os/paths.h"

#include "platform/os/codepage.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace os {

namespace {

std::mutex g_folder_mutex;
std::string g_folder_override;
std::string g_exe_folder;

std::string exe_folder() {
    std::string buf(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n <= 0) return "/";
    buf.resize(static_cast<size_t>(n));
    size_t slash = buf.rfind('/');
    return slash == std::string::npos ? std::string("/") : buf.substr(0, slash + 1);
}

bool name_exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

std::string as_utf8(const std::string& name) {
    return is_valid_utf8(name) ? name : cp1250_to_utf8(name);
}

// A name as a list of characters (UTF-8 sequences), each folded to lower case
// where Windows-1250 knows its case. The name must be valid UTF-8.
std::vector<std::string> fold_chars(const std::string& utf8) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : 4;
        std::string ch = utf8.substr(i, len);
        i += len;
        if (len == 1) {
            ch[0] = static_cast<char>(std::tolower(b));
        } else {
            std::string byte = utf8_to_cp1250(ch);
            if (byte != "?") ch = cp1250_to_utf8(lower_1250(byte));
        }
        out.push_back(std::move(ch));
    }
    return out;
}

// '*' any run of characters, '?' one character.
bool glob_match(const std::vector<std::string>& pat, size_t p, const std::vector<std::string>& s,
                size_t i) {
    while (p < pat.size()) {
        if (pat[p] == "*") {
            for (size_t k = i; k <= s.size(); ++k)
                if (glob_match(pat, p + 1, s, k)) return true;
            return false;
        }
        if (i >= s.size()) return false;
        if (pat[p] != "?" && pat[p] != s[i]) return false;
        ++p, ++i;
    }
    return i == s.size();
}

template <typename F> void for_each_entry(const std::string& folder, F f) {
    DIR* d = ::opendir(folder.empty() ? "/" : folder.c_str());
    if (!d) return;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (f(name)) break;
    }
    ::closedir(d);
}

// The name under `folder` (ending in "/") that `name` stands for, or "".
std::string find_entry(const std::string& folder, const std::string& name) {
    if (name_exists(folder + name)) return name;
    std::string utf8 = as_utf8(name);
    if (utf8 != name && name_exists(folder + utf8)) return utf8;
    if (name == "." || name == "..") return "";
    const std::vector<std::string> key = fold_chars(utf8);
    std::string found;
    for_each_entry(folder, [&](const std::string& entry) {
        if (fold_chars(as_utf8(entry)) != key) return false;
        found = entry;
        return true;
    });
    return found;
}

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

std::string slashes(std::string s) {
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string absolute(const std::string& path) {
    std::string p = slashes(path);
    return !p.empty() && p[0] == '/' ? p : program_folder() + p;
}

bool stat_path(const std::string& path, struct stat& st) {
    return ::stat(resolve(path).c_str(), &st) == 0;
}

} // namespace

std::string program_folder() {
    std::lock_guard<std::mutex> lock(g_folder_mutex);
    if (!g_folder_override.empty()) return g_folder_override;
    if (g_exe_folder.empty()) g_exe_folder = exe_folder();
    return g_exe_folder;
}

void set_program_folder(const std::string& folder) {
    std::string f = with_slash(slashes(folder));
    std::lock_guard<std::mutex> lock(g_folder_mutex);
    g_folder_override = f;
}

std::string resolve(const std::string& path) {
    const std::string p = absolute(path);
    if (name_exists(p)) return p;

    std::string out = "/";
    bool missing = false;
    size_t pos = 1;
    while (pos <= p.size()) {
        size_t end = p.find('/', pos);
        if (end == std::string::npos) end = p.size();
        std::string comp = p.substr(pos, end - pos);
        pos = end + 1;
        if (comp.empty()) continue;
        std::string found = missing ? std::string() : find_entry(out, comp);
        if (found.empty()) {
            missing = true;
            found = as_utf8(comp);
        }
        out += found;
        if (end < p.size()) out += '/';
    }
    return out;
}

bool file_exists(const std::string& path) {
    struct stat st;
    return stat_path(path, st) && S_ISREG(st.st_mode);
}

bool entry_exists(const std::string& path) {
    return name_exists(resolve(path));
}

bool folder_exists(const std::string& path) {
    struct stat st;
    return stat_path(path, st) && S_ISDIR(st.st_mode);
}

bool make_folder(const std::string& path) {
    const std::string p = resolve(path);
    for (size_t pos = 1; pos <= p.size(); ++pos) {
        if (pos < p.size() && p[pos] != '/') continue;
        std::string prefix = p.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return folder_exists(p);
}

bool remove_file(const std::string& path) {
    return ::unlink(resolve(path).c_str()) == 0;
}

bool move_file(const std::string& from, const std::string& to) {
    return ::rename(resolve(from).c_str(), resolve(to).c_str()) == 0;
}

long long file_size(const std::string& path) {
    struct stat st;
    if (!stat_path(path, st) || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_size);
}

long long file_mtime(const std::string& path) {
    struct stat st;
    if (!stat_path(path, st) || !S_ISREG(st.st_mode)) return -1;
    return static_cast<long long>(st.st_mtime);
}

std::string with_slash(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\') return folder;
    return folder + "/";
}

std::vector<std::string> list_files(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> out;
    const std::string dir = with_slash(resolve(folder));
    const std::vector<std::string> pat = fold_chars(as_utf8(pattern));
    for_each_entry(dir, [&](const std::string& entry) {
        struct stat st;
        std::string full = dir + entry;
        if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            glob_match(pat, 0, fold_chars(as_utf8(entry)), 0))
            out.push_back(full);
        return false;
    });
    return out;
}

std::string disc_root_from(const std::string& text) {
    std::string t = trim(text);
    if (t.empty()) return "";
    unsigned char letter = static_cast<unsigned char>(t[0]);
    if (t.size() >= 2 && t[1] == ':' && std::isalpha(letter)) {
        // A drive letter: its folder comes from the drive table in the
        // environment; anything after "D:\" lies below that folder.
        std::string var = "VOKARIN_DRIVE_";
        var += static_cast<char>(std::toupper(letter));
        const char* value = std::getenv(var.c_str());
        if (!value || !*value) return "";
        std::string rest = slashes(t.substr(2));
        while (!rest.empty() && rest[0] == '/')
            rest.erase(0, 1);
        return with_slash(with_slash(absolute(value)) + rest);
    }
    return with_slash(absolute(t));
}

} // namespace os
