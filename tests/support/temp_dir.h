#pragma once
// A fresh temporary folder for one test, removed with its contents afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace testsupport {

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vokarin-test-XXXXXX").string();
        char* p = mkdtemp(tmpl.data());
        if (p) path_ = std::string(p) + "/";
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Folder path, ending in "/".
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

    // Writes bytes as they stand (creates parent folders).
    void write(const std::string& name, const std::string& bytes) const {
        write_to(path_ + name, bytes);
    }
    // Writes bytes to a full path (creates parent folders).
    static void write_to(const std::string& path, const std::string& bytes) {
        std::filesystem::path p(path);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream f(p, std::ios::binary | std::ios::trunc);
        f << bytes;
    }
    std::string read(const std::string& name) const { return read_from(path_ + name); }
    static std::string read_from(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ + name); }

private:
    std::string path_;
};

}  // namespace testsupport
