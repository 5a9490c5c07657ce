#include "platform/os/registry.h"

#include "platform/os/line_file.h"

#include <cctype>
#include <cstdlib>
#include <vector>

namespace os {

namespace {

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
    return s.substr(a, b - a);
}

// Keys compare as the registry compares them: without case, and with
// repeated or trailing backslashes of no account.
std::string key_form(const std::string& s) {
    std::string out;
    for (char c : trimmed(s)) {
        if (c == '/') c = '\\';
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

std::string lower(const std::string& s) {
    std::string out = trimmed(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string registry_file() {
    if (const char* f = std::getenv("VOKARIN_REGISTRY"); f && *f) return f;
    std::string base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
        base = x;
    } else if (const char* h = std::getenv("HOME"); h && *h) {
        base = std::string(h) + "/.config";
    } else {
        return {};
    }
    return base + "/vokarin/registry.ini";
}

std::optional<std::string> registry_read_string(const std::string& key, const std::string& name) {
    const std::string file = registry_file();
    if (file.empty()) return std::nullopt;
    std::vector<std::string> lines;
    if (read_lines(file, lines) != ReadStatus::ok) return std::nullopt;
    const std::string want_key = key_form(key);
    const std::string want_name = lower(name);
    bool in_key = false;
    for (const std::string& raw : lines) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            in_key = key_form(line.substr(1, line.size() - 2)) == want_key;
            continue;
        }
        const size_t eq = line.find('=');
        if (in_key && eq != std::string::npos && lower(line.substr(0, eq)) == want_name)
            return line.substr(eq + 1);
    }
    return std::nullopt;
}

} // namespace os
