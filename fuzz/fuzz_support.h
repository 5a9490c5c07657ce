#pragma once
// Shared set-up of the fuzz targets: a private program folder with a user
// folder in it, emptied before every input so no run sees the files of the
// one before; messages and progress silenced; the globals of an English
// edition set so the readers find their files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

namespace fuzz {

// A fault the reader did not report but the target checks for.
[[noreturn]] inline void fault() {
    __builtin_trap();
}
inline void check(bool ok) {
    if (!ok) fault();
}

// The process's scratch folder, removed at exit. Under TMPDIR when set, else
// in memory (/dev/shm) when there is one: the writers flush every file.
class Scratch {
  public:
    Scratch() {
        std::string base;
        if (const char* t = std::getenv("TMPDIR"); t && *t)
            base = t;
        else if (std::filesystem::is_directory("/dev/shm"))
            base = "/dev/shm";
        else
            base = std::filesystem::temp_directory_path().string();
        std::string tmpl = base + "/vokarin-fuzz-XXXXXX";
        if (!mkdtemp(tmpl.data())) std::abort();
        root_ = tmpl + "/";
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::string& root() const { return root_; }

  private:
    std::string root_;
};

inline const Scratch& scratch() {
    static Scratch s;
    return s;
}

inline std::string program() {
    return scratch().root() + "program/";
}
inline std::string user() {
    return program() + "1/";
}

inline void write_file(const std::string& path, std::string_view bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) std::abort();
}

inline std::string as_text(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at NUL bytes: one part per file of a multi-file target.
inline std::vector<std::string> parts(std::string_view input) {
    std::vector<std::string> out;
    size_t from = 0;
    for (;;) {
        const size_t nul = input.find('\0', from);
        if (nul == std::string_view::npos) {
            out.emplace_back(input.substr(from));
            return out;
        }
        out.emplace_back(input.substr(from, nul - from));
        from = nul + 1;
    }
}

// Fresh, empty program and user folders, quiet hooks, default settings and
// the edition globals (letter "a", data set "tas_40") every reader relies on.
inline void fresh_start() {
    os::set_message_hook([](const std::string&) {});
    os::set_halt_hook([](int) { fault(); }); // no reader may end the program
    core::reset_ui();

    std::error_code ec;
    std::filesystem::remove_all(program(), ec);
    std::filesystem::create_directories(user(), ec);
    if (ec) std::abort();

    wyczysc_start();
    os::set_program_folder(program());
    sciezka_programu = program();
    jezyk_edycji = 1;
    kod_zestawu = "tas_40";
    sciezka_usera = user();
    nazwa_usera = "fuzz";
    ustawienia.domyslne();
}

// Empties the item store, links and groups. The whole store is cleared once;
// after that only the items a run filled, which keeps every run fast.
inline void empty_store() {
    static bool cleared = false;
    if (!cleared) {
        wyczysc_baze();
        cleared = true;
        return;
    }
    for (int i = 1; i <= baza.ile_slow; ++i)
        baza.wyczysc_pozycje(i);
    baza.ile_slow = 0;
    baza.ile_slowek = 0;
    baza.max_id = 40000;
    ile_powiazan = 0;
    ile_grup = 0;
    tryb_korekty = false;
    komentarze_zmienione = false;
    przebuduj_indeks();
}

} // namespace fuzz
