#include "core/learner_file.h"

#include "core/errors.h"
#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/read_file.h"

namespace core {

bool PlikUcznia::wczytaj(const std::string& path, std::string& bytes) {
    sciezka_ = path;
    switch (os::read_whole_file(path, bytes)) {
    case os::ReadStatus::ok:
        stan_ = Stan::wczytany;
        return true;
    case os::ReadStatus::missing:
        stan_ = Stan::nowy;
        return true;
    case os::ReadStatus::failed:
        break;
    }
    bytes.clear();
    stan_ = Stan::zly;
    show_info(blad_odczytu(path).what() + os::pl(" Plik pozostanie bez zmian."));
    return false;
}

bool PlikUcznia::wczytaj_linie(const std::string& path, std::vector<std::string>& lines) {
    std::string bytes;
    const bool ok = wczytaj(path, bytes);
    lines = os::split_lines(bytes);
    return ok;
}

void PlikUcznia::uszkodzony() {
    stan_ = Stan::zly;
}

std::string PlikUcznia::zachowaj_uszkodzony() {
    const std::string kept = os::pl(" Plik pozostanie bez zmian.");
    std::string bytes;
    if (sciezka_.empty() || os::read_whole_file(sciezka_, bytes) != os::ReadStatus::ok) {
        stan_ = Stan::zly;
        return kept;
    }
    constexpr int najwiecej_kopii = 999;
    for (int n = 1; n <= najwiecej_kopii; ++n) {
        const std::string kopia = sciezka_ + ".uszkodzony" + (n == 1 ? "" : "." + std::to_string(n));
        std::string byla;
        const os::ReadStatus st = os::read_whole_file(kopia, byla);
        if (st == os::ReadStatus::failed || (st == os::ReadStatus::ok && byla != bytes)) continue;
        if (st == os::ReadStatus::missing && !os::atomic_replace(kopia, bytes)) break;
        stan_ = Stan::wczytany;
        return os::pl(" Uszkodzony plik zachowano jako ") + os::path_text(kopia) + ".";
    }
    stan_ = Stan::zly;
    return os::pl(" Nie można zachować kopii uszkodzonego pliku.") + kept;
}

void PlikUcznia::niezrozumiale_wiersze() {
    const std::string kopia = zachowaj_uszkodzony();
    show_info(os::pl("Plik ") + os::path_text(sciezka_) +
              os::pl(" jest uszkodzony. Wiersze, których program nie rozumie, zostaną w nim "
                     "zachowane bez zmian.") +
              kopia);
}

void PlikUcznia::zezwol() {
    stan_ = Stan::wczytany;
}

bool PlikUcznia::zapisz(std::string_view bytes) {
    return zapisz_do(sciezka_, bytes);
}

bool PlikUcznia::zapisz_linie(const std::vector<std::string>& lines) {
    return zapisz(os::join_crlf(lines));
}

bool PlikUcznia::zapisz_do(const std::string& path, std::string_view bytes) {
    if (path.empty() || !zapis_dozwolony()) return false;
    if (os::atomic_replace(path, bytes)) return true;
    show_info(os::pl("Nie można zapisać pliku ") + os::path_text(path) +
              os::pl(". Poprzednia zawartość pliku pozostała bez zmian."));
    return false;
}

} // namespace core
