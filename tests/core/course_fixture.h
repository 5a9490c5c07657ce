#pragma once
// A minimal valid English edition laid out in a temporary folder: a program
// folder with ts40.ini, tavo_sk.txt and a few course files, and a disc folder
// with p.txt and the probe picture. Messages are collected; the halt hook
// throws Halted. Every module's state of the data routines is reset on
// construction and destruction.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/startup.h"
#include "core/state.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"
#include "support/data_hooks.h"
#include "support/temp_dir.h"

#include <sys/stat.h>

namespace testsupport {

inline void reset_course_globals() {
    core::wyczysc_stan();
    os::clear_terminate_request();
}

// An item line in the course files' columns; `pola` are the texts after the
// foreign one (up to eight, each ended by "=").
inline std::string item_line(int grupa, bool wlasne, int id, int poziom, int rodzaj,
                             const std::string& obce, const std::vector<std::string>& pola = {}) {
    std::string s = liczba_z_zerami(2, grupa) + (wlasne ? " 1" : "  ") + liczba_z_zerami(5, id) +
                    " " + std::to_string(poziom) + std::to_string(rodzaj) + " " + obce + " =";
    for (size_t k = 0; k < 8; ++k)
        s += " " + (k < pola.size() ? pola[k] : std::string()) + " =";
    return s;
}

// Takes every permission from the file; false when this process can read it
// anyway (as root does), so the caller skips its test.
// Takes every permission from the file. Where the process may read anything
// (root), the data routines' reads are made to honour the missing bits.
inline bool make_unreadable(const std::string& path) {
    ::chmod(path.c_str(), 0);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return true;
    std::fclose(f);
    os::set_read_fail_hook([](const std::string& p) {
        struct stat st;
        return ::stat(p.c_str(), &st) == 0 && (st.st_mode & 0444) == 0;
    });
    return true;
}

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines)
        s += l + "\r\n";
    return s;
}

class CourseFixture {
  public:
    CourseFixture() { reset_course_globals(); }
    ~CourseFixture() { reset_course_globals(); }
    CourseFixture(const CourseFixture&) = delete;
    CourseFixture& operator=(const CourseFixture&) = delete;

    std::string program() const { return dir.path() + "program/"; }
    std::string disc() const { return dir.path() + "disc/"; }
    void write_program(const std::string& name, const std::string& bytes) const {
        dir.write("program/" + name, bytes);
    }
    void write_disc(const std::string& name, const std::string& bytes) const {
        dir.write("disc/" + name, bytes);
    }
    std::string read_program(const std::string& name) const { return dir.read("program/" + name); }

    // The installation, edition and disc files of an English edition.
    void lay_out_edition() const {
        write_program("ts40.ini", "x=" + disc() + "\r\n");
        write_program("tavo_sk.txt", os::pl(crlf({"Tavolent English", "1", "1", " - angielski ", "",
                                                  "0", "", " Tavolent - Słownik "})));
        write_disc("p.txt", "PH\r\n");
        write_disc("bsslow3/z2/10/1001.jpg", "jpg");
    }

    // A small course: three words, two sentences, links, groups, a comment.
    void lay_out_course() const {
        // Sources are UTF-8; the course files carry Windows-1250.
        write_program(
            "sba_slow.txt",
            os::pl(crlf({item_line(1, false, 101, 1, 1, "house", {"dom", "houses", "", "", "101"}),
                         item_line(1, false, 102, 2, 3, "go", {"iść", "", "", "", "0"}),
                         item_line(2, false, 103, 1, 2, "big", {"duży", "", "", "", ""})})));
        write_program("zda.txt",
                      os::pl(crlf({item_line(1, false, 60001, 1, 5, "I <go> home.",
                                             {"Idę do domu.", "", "go", "", "", "60001"}),
                                   item_line(2, false, 60002, 1, 5, "A <big> house.",
                                             {"Duży dom.", "", "big", "", "", ""})})));
        write_program("coneca.txt", crlf({"102 = 60001 =", "103 = 60002 =", "101 = 60002 ="}));
        write_program("gta_s.txt", crlf({"1 = 0 = a = Dom = b =", "2 = 1 = c = Cechy = d ="}));
    }

    void lay_out() const {
        lay_out_edition();
        lay_out_course();
    }

    // start_programu() and wczytaj_dane().
    void start() const {
        start_programu();
        wczytaj_dane();
    }

    TempDir dir;

  private:
    DataHooks hooks_{program()};

  public:
    std::vector<std::string>& messages = hooks_.messages;
};

} // namespace testsupport
