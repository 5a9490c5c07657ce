#pragma once
// A fresh temporary folder for a benchmark, removed with the object. The
// program ends when it cannot be made.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace bench {

class TempRoot {
  public:
    explicit TempRoot(const std::string& prefix) {
        std::string tmpl = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!mkdtemp(tmpl.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        path_ = tmpl;
    }
    ~TempRoot() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // root/program/, as the program folder is set.
    std::string program() const { return (path_ / "program").string() + "/"; }

  private:
    std::filesystem::path path_;
};

// Copies the named folders and files of the demo edition that exist into
// root/program.
inline void copy_demo(const std::filesystem::path& demo, const TempRoot& root,
                      std::initializer_list<const char*> names) {
    namespace fs = std::filesystem;
    const fs::path prog = root.path() / "program";
    fs::create_directories(prog);
    for (const char* name : names)
        if (fs::exists(demo / name)) fs::copy(demo / name, prog / name, fs::copy_options::recursive);
}

} // namespace bench
