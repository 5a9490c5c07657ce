#include "platform/os/read_file.h"

#include "platform/os/paths.h"

namespace os {

namespace {
ReadFailHook g_hook;
}

std::FILE* open_for_reading(const std::string& path) {
    const std::string resolved = resolve(path);
    if (g_hook && g_hook(resolved)) return nullptr;
    return std::fopen(resolved.c_str(), "rb");
}

ReadStatus read_whole_file(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::FILE* f = open_for_reading(path);
    if (!f) return entry_exists(path) ? ReadStatus::failed : ReadStatus::missing;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, n);
    // A folder opens but fails to read (EISDIR); so does a link to a device
    // that answers with EIO.
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok ? ReadStatus::ok : ReadStatus::failed;
}

bool read_file(const std::string& path, std::string& bytes) {
    return read_whole_file(path, bytes) == ReadStatus::ok;
}

void set_read_fail_hook(ReadFailHook hook) {
    g_hook = std::move(hook);
}

} // namespace os
