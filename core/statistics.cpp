#include "core/statistics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/errors.h"
#include "core/exercises.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/le_codec.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"

StanStatystyk stan_statystyk;

TabelaCwInfo& tab_cw_info = stan_statystyk.tab_cw_info;
int& ile_cw_info = stan_statystyk.ile_cw_info;

namespace {

constexpr int POLE_NAZWY = 24;
constexpr int POLE_TYTULU = 64;
constexpr int POLE_DZIALU = 11;

void put_short_string(unsigned char* p, const std::string& s, int size) {
    const int n = std::min(static_cast<int>(s.size()), size);
    p[0] = static_cast<unsigned char>(n);
    std::memcpy(p + 1, s.data(), static_cast<size_t>(n));
}

std::string get_short_string(const unsigned char* p, int size) {
    const int n = std::min(static_cast<int>(p[0]), size);
    return std::string(reinterpret_cast<const char*>(p + 1), static_cast<size_t>(n));
}

void blad_pelnej_tabeli() {
    core::show_info(os::pl("Błąd [max_cw_info] !"));
}

bool wlasne(const std::string& name) {
    return !name.empty() && name[0] == '2';
}

// Category and section of a new row from its name. A non-digit at character
// 5 is reported (once per read of the list `plik`) and the row is not made.
bool opisz_nazwe(TCwInfo& row, bool& zgloszono, const std::string& plik) {
    row.dzial = Copy(row.nazwa, 2, 2);
    row.kategoria = 0;
    if (row.nazwa.size() < 5) return true;
    const std::string digit = Copy(row.nazwa, 5, 1);
    if (digit[0] < '0' || digit[0] > '9') {
        if (!zgloszono)
            core::show_info(os::pl("Plik ") + os::path_text(plik) + os::pl(" jest uszkodzony (ćwiczenie ") + row.nazwa +
                            ": " + core::cytat(digit) + os::pl(" nie jest cyfrą)."));
        zgloszono = true;
        return false;
    }
    row.kategoria = static_cast<uint8_t>(digit[0] - '0');
    return true;
}

// The built-in exercise list; throws core::FileError when it exists but
// cannot be read.
std::vector<std::string> linie_cwiczen() {
    std::vector<std::string> lines;
    if (os::read_lines(plik_cwiczen(), lines) == os::ReadStatus::failed)
        throw core::blad_odczytu(plik_cwiczen());
    return lines;
}

TCwInfo nowy_wiersz(const std::string& name, const std::string& title, int kind) {
    TCwInfo row;
    row.nazwa = name;
    row.tytul = Copy(Trim(title), 1, POLE_TYTULU);
    row.rodzaj = static_cast<uint8_t>(kind);
    row.data = os::now();
    return row;
}

// The seed row of a built-in list line; false when the line makes none.
bool wiersz_wbudowany(const std::string& line, TCwInfo& row, bool& zgloszono) {
    if (ile_rownosci(line) < 3) return false;
    row = nowy_wiersz(klucz_cwiczenia(pole_linii(line, 2)), pole_linii(line, 3),
                      Trim(pole_linii(line, 1)) == "7" ? CW_SLOWKA : CW_ZDANIA);
    return !row.nazwa.empty() && opisz_nazwe(row, zgloszono, plik_cwiczen());
}

// A row as a writer makes it: texts within their fields, a known kind, the
// direction 0, a category digit, a result in percent, the finished flag 0 or
// 1, no negative count and a date between the serial's start and year 9999.
bool wiersz_mozliwy(const unsigned char* p) {
    constexpr double ostatni_dzien = 2958465.0; // 9999-12-31
    const TCwInfo r = TCwInfo::decode(p);
    const bool rodzaj = (r.rodzaj >= 1 && r.rodzaj <= 14) || (r.rodzaj >= CW_SLOWKA && r.rodzaj <= CW_USERA);
    return p[0] <= POLE_NAZWY && p[26] <= POLE_TYTULU && p[113] <= POLE_DZIALU && rodzaj &&
           r.kierunek == 0 && r.kategoria <= 9 && r.wynik <= 100 && r.ukonczone <= 1 &&
           r.uruchomienia >= 0 && r.data >= 0.0 && r.data <= ostatni_dzien;
}

void ustaw_wynik(TCwInfo& row, int result, bool finished) {
    row.data = os::now();
    row.wynik = static_cast<uint8_t>(std::clamp(result, 0, 100));
    row.ukonczone = finished ? 1 : 0;
}

} // namespace

void TCwInfo::encode(unsigned char* p) const {
    std::memset(p, 0, ROZMIAR);
    put_short_string(p + 0, nazwa, POLE_NAZWY);
    put_short_string(p + 26, tytul, POLE_TYTULU);
    os::le::put_u8(p + 92, rodzaj);
    os::le::put_u8(p + 93, kierunek);
    os::le::put_u8(p + 94, kategoria);
    os::le::put_f64(p + 96, data);
    os::le::put_u8(p + 104, wynik);
    os::le::put_i32(p + 108, uruchomienia);
    os::le::put_u8(p + 112, ukonczone);
    put_short_string(p + 113, dzial, POLE_DZIALU);
}

TCwInfo TCwInfo::decode(const unsigned char* p) {
    TCwInfo r;
    r.nazwa = get_short_string(p + 0, POLE_NAZWY);
    r.tytul = get_short_string(p + 26, POLE_TYTULU);
    r.rodzaj = os::le::get_u8(p + 92);
    r.kierunek = os::le::get_u8(p + 93);
    r.kategoria = os::le::get_u8(p + 94);
    r.data = os::le::get_f64(p + 96);
    r.wynik = os::le::get_u8(p + 104);
    r.uruchomienia = os::le::get_i32(p + 108);
    r.ukonczone = os::le::get_u8(p + 112);
    r.dzial = get_short_string(p + 113, POLE_DZIALU);
    return r;
}

std::string plik_statystyk() {
    return sciezka_usera + kod_zestawu;
}

void wyczysc_statystyki() {
    stan_statystyk = {};
}

bool czytaj_statystyki() {
    ile_cw_info = 0;
    const std::string plik = plik_statystyk();
    std::string bytes;
    if (!stan_statystyk.plik.wczytaj(plik, bytes)) return false;
    const size_t wiersze = bytes.size() / TCwInfo::ROZMIAR;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    // A row no writer makes is not taken: its rewrite would pass garbage for results.
    bool zle_wiersze = false;
    for (size_t n = 0; n < wiersze && n < static_cast<size_t>(max_cw_info); ++n) {
        if (!wiersz_mozliwy(p + n * TCwInfo::ROZMIAR)) {
            zle_wiersze = true;
            continue;
        }
        tab_cw_info[++ile_cw_info] = TCwInfo::decode(p + n * TCwInfo::ROZMIAR);
    }
    // Written back, a part row or the rows beyond the limit would be lost.
    if (wiersze > static_cast<size_t>(max_cw_info)) {
        stan_statystyk.plik.uszkodzony();
        core::show_info(os::pl("Błąd [max_cw_info] ! Plik statystyk ") + os::path_text(plik) +
                        os::pl(" ma więcej wierszy, niż program może zapisać. Plik pozostanie "
                               "bez zmian, wyniki nie będą w nim zapisywane."));
        return false;
    }
    if (bytes.size() % TCwInfo::ROZMIAR != 0 || zle_wiersze) {
        stan_statystyk.plik.uszkodzony();
        core::show_info(os::pl("Plik statystyk ") + os::path_text(plik) +
                        os::pl(" jest uszkodzony. Plik pozostanie bez zmian, wyniki nie będą w "
                               "nim zapisywane."));
        return false;
    }
    return true;
}

bool zapisz_statystyki() {
    std::string out;
    unsigned char buf[TCwInfo::ROZMIAR];
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 1; i <= ile_cw_info; ++i) {
            const TCwInfo& row = tab_cw_info[i];
            if (row.nazwa.empty() || wlasne(row.nazwa) != (pass == 1)) continue;
            row.encode(buf);
            out.append(reinterpret_cast<const char*>(buf), sizeof buf);
        }
    }
    return stan_statystyk.plik.zapisz(out);
}

void zaloz_statystyki() {
    ile_cw_info = 0;
    bool zgloszono = false;
    for (const std::string& line : linie_cwiczen()) {
        TCwInfo row;
        if (!wiersz_wbudowany(line, row, zgloszono)) continue;
        if (ile_cw_info >= max_cw_info) {
            blad_pelnej_tabeli();
            break;
        }
        tab_cw_info[++ile_cw_info] = row;
    }
}

int uzupelnij_statystyki() {
    if (!stan_statystyk.plik.zapis_dozwolony()) return 0;
    std::vector<std::string> lines;
    try {
        lines = linie_cwiczen();
    } catch (const core::FileError& e) {
        core::show_info(e.what());
        return 0;
    }
    std::unordered_set<std::string> sa;
    for (int i = 1; i <= ile_cw_info; ++i)
        sa.insert(tab_cw_info[i].nazwa);
    int dodane = 0;
    bool zgloszono = false;
    for (const std::string& line : lines) {
        TCwInfo row;
        if (!wiersz_wbudowany(line, row, zgloszono) || !sa.insert(row.nazwa).second) continue;
        if (ile_cw_info >= max_cw_info) {
            blad_pelnej_tabeli();
            break;
        }
        tab_cw_info[++ile_cw_info] = row;
        ++dodane;
    }
    return dodane;
}

bool dodaj_cwiczenia_usera() {
    std::unordered_map<std::string, bool> widziane; // own names: seen in the list
    for (int i = 1; i <= ile_cw_info; ++i)
        if (wlasne(tab_cw_info[i].nazwa)) widziane.emplace(tab_cw_info[i].nazwa, false);

    // An unreadable list must not pass for an empty one: every own exercise
    // would lose its rows.
    std::vector<std::string> lines;
    if (!linie_cwiczen_usera(lines)) return false;
    // A line that is no exercise line at all (cut short, overwritten): the
    // list is damaged, and the rows of the exercises it lacks are kept.
    const bool uszkodzona = lista_uszkodzona(lines);
    // A list missing or emptied is no list of what the learner kept: the
    // rows stay (deleting an exercise in the chooser removes its own rows).
    const bool pusta = std::none_of(lines.begin(), lines.end(), [](const std::string& l) {
        return wlasne(klucz_cwiczenia(pole_linii(l, 2))) && ile_rownosci(l) >= 3;
    });
    if (pusta && !widziane.empty())
        core::show_info(os::pl("Lista ćwiczeń użytkownika ") + os::path_text(plik_cwiczen_usera()) +
                        os::pl(" jest pusta lub jej brak. Wyniki ćwiczeń użytkownika zostają "
                               "zachowane."));
    if (uszkodzona)
        core::show_info(os::pl("Lista ćwiczeń użytkownika ") + os::path_text(plik_cwiczen_usera()) +
                        os::pl(" jest uszkodzona. Wyniki ćwiczeń, których w niej brak, zostają "
                               "zachowane. Lista pozostanie bez zmian, ćwiczenia nie będą w niej "
                               "zapisywane."));
    bool ok = true;
    bool zgloszono = false;
    for (const std::string& line : lines) {
        // Only names beginning with "2" are own exercises; another name would
        // be added again at every login.
        const std::string name = klucz_cwiczenia(pole_linii(line, 2));
        if (!wlasne(name) || ile_rownosci(line) < 3) continue;
        auto it = widziane.find(name);
        if (it != widziane.end()) {
            it->second = true;
            continue;
        }
        TCwInfo row = nowy_wiersz(name, pole_linii(line, 3), CW_USERA);
        if (!opisz_nazwe(row, zgloszono, plik_cwiczen_usera())) continue;
        if (ile_cw_info >= max_cw_info) {
            if (ok) blad_pelnej_tabeli();
            ok = false;
            continue;
        }
        tab_cw_info[++ile_cw_info] = row;
        widziane.emplace(name, true);
    }

    for (int i = 1; i <= ile_cw_info && !uszkodzona && !pusta; ++i) {
        TCwInfo& row = tab_cw_info[i];
        auto it = widziane.find(row.nazwa);
        if (it != widziane.end() && !it->second) {
            row.nazwa.clear();
            row.dzial.clear();
        }
    }
    return zapisz_statystyki() && ok;
}

bool usun_statystyki_cwiczenia(const std::string& name) {
    const std::string key = klucz_cwiczenia(name);
    if (key.empty()) return false;
    for (int i = 1; i <= ile_cw_info; ++i) {
        TCwInfo& row = tab_cw_info[i];
        if (row.nazwa != key) continue;
        row.nazwa.clear();
        row.dzial.clear();
    }
    return zapisz_statystyki();
}

bool zapisz_wynik(int result, const std::string& name, int kind, int direction, bool finished) {
    const std::string key = klucz_cwiczenia(name);
    if (key.empty()) return false;

    for (int i = ile_cw_info; i >= 1; --i) {
        TCwInfo& row = tab_cw_info[i];
        if (row.nazwa == key && row.rodzaj == kind && row.kierunek == direction) {
            ustaw_wynik(row, result, finished);
            // The count comes from the file: it must not wrap at its top.
            if (row.uruchomienia < std::numeric_limits<int32_t>::max()) ++row.uruchomienia;
            return true;
        }
    }

    int first = 0;
    for (int i = 1; i <= ile_cw_info && first == 0; ++i)
        if (tab_cw_info[i].nazwa == key) first = i;
    if (first == 0) return false;

    // The exercise's rows go to the end of the table unless they end it already.
    int moved = 0;
    if (first != ile_cw_info && tab_cw_info[ile_cw_info].nazwa != key)
        while (first + moved <= ile_cw_info && tab_cw_info[first + moved].nazwa == key)
            ++moved;
    const TCwInfo& last = moved > 0 ? tab_cw_info[first + moved - 1] : tab_cw_info[ile_cw_info];
    const bool new_row = last.rodzaj < CW_SLOWKA;
    if (ile_cw_info + moved + (new_row ? 1 : 0) > max_cw_info) {
        blad_pelnej_tabeli();
        return false;
    }
    for (int j = 0; j < moved; ++j) {
        TCwInfo& old = tab_cw_info[first + j];
        tab_cw_info[++ile_cw_info] = old;
        old.nazwa.clear();
        old.dzial.clear();
        old.kierunek = 0;
    }

    if (new_row) {
        const TCwInfo& prev = tab_cw_info[ile_cw_info];
        TCwInfo row;
        row.nazwa = prev.nazwa;
        row.tytul = prev.tytul;
        row.kategoria = prev.kategoria;
        row.dzial = prev.dzial;
        tab_cw_info[++ile_cw_info] = row;
    }
    TCwInfo& row = tab_cw_info[ile_cw_info];
    row.rodzaj = static_cast<uint8_t>(kind);
    row.kierunek = static_cast<uint8_t>(direction);
    ustaw_wynik(row, result, finished);
    row.uruchomienia = 1;
    return true;
}

std::string opis_statystyki(const std::string& name) {
    const std::string key = klucz_cwiczenia(name);
    std::string out;
    for (int i = 1; i <= ile_cw_info; ++i) {
        const TCwInfo& row = tab_cw_info[i];
        if (key.empty() || row.nazwa != key) continue;
        out += "- " + nazwa_cwiczenia(row.rodzaj);
        if (row.uruchomienia >= 1) {
            out += ", ostatnio: " + os::format_date_time(row.data) +
                   ", uruchomienia: " + IntToStr(row.uruchomienia) +
                   ", wynik: " + IntToStr(row.wynik) + " %";
            if (row.ukonczone != 1) out += ", (przerwano!)";
        }
        out += "\r";
    }
    return out;
}
