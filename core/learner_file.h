#pragma once
// A file of learner state: the settings file, p.b and its backups, p.i, the
// statistics file, usr.t, sbusr.txt, kom_user.txt, the own exercise list,
// korekta_dane.txt. It records how its last load went and refuses to save
// after a load that failed, so a partial or empty table in memory never
// replaces what the learner has on disc.
//
// How to use it: keep one in the module's state (a reset makes it "not
// loaded"), load through it, then save through it.
//
//     std::vector<std::string> lines;
//     if (!stan.plik.wczytaj_linie(path, lines)) return;  // unreadable: reported
//     ... parse; on damage: show the reason and call stan.plik.uszkodzony() ...
//     stan.plik.zapisz_linie(new_lines);  // refused after a bad load, else atomic
//
// A missing file is a good load (a new learner): saving creates it. A file
// that exists but cannot be read (no permission, a folder in its place, an
// I/O error) is reported with its name and stays as it is for the session.
// A refused save is silent: the load's message already said the file is
// kept, or nothing was loaded and there is nothing of the learner's to save.
// A failed write is shown with the file's name; the old file is always kept.
// Messages go through core::show_info.
#include <string>
#include <string_view>
#include <vector>

namespace core {

class PlikUcznia {
  public:
    enum class Stan {
        nie_wczytany, // no load yet: saving is refused
        nowy,         // the file did not exist: saving creates it
        wczytany,     // read whole
        zly,          // unreadable or damaged: saving is refused
    };

    // Reads the whole file at `path` and remembers the path. False when it
    // exists but cannot be read: `bytes` is then empty and the failure shown.
    bool wczytaj(const std::string& path, std::string& bytes);
    bool wczytaj_linie(const std::string& path, std::vector<std::string>& lines);

    // The content read is damaged (the caller has shown why, and that the
    // file is kept): saving is refused until the next good load.
    void uszkodzony();
    // The content read is damaged, but the program must go on writing the
    // file: the damaged original is first copied beside it, as
    // <path>.uszkodzony (or <path>.uszkodzony.2 and so on when that name
    // holds another copy; one holding the same bytes is used again), and
    // saving stays allowed. Returns the sentence for the caller's message: the
    // copy's name, or, when no copy could be made, that the file is kept as it
    // is (saving is then refused).
    std::string zachowaj_uszkodzony();
    // The file holds lines its reader does not understand, kept to be written
    // back as they were read: the damaged original is kept beside it as above,
    // and a message names the file and the copy.
    void niezrozumiale_wiersze();
    // The caller filled the table from another source the learner chose (a
    // restore, an import): saving is allowed again.
    void zezwol();

    // Writes the remembered file through the atomic replace. False when
    // refused or failed (a failure is shown).
    bool zapisz(std::string_view bytes);
    bool zapisz_linie(const std::vector<std::string>& lines);
    // Writes another file from the same table (a backup of p.b), under the
    // same rule.
    bool zapisz_do(const std::string& path, std::string_view bytes);

    Stan stan() const { return stan_; }
    bool zapis_dozwolony() const { return stan_ == Stan::nowy || stan_ == Stan::wczytany; }
    const std::string& sciezka() const { return sciezka_; }

  private:
    std::string sciezka_;
    Stan stan_ = Stan::nie_wczytany;
};

} // namespace core
