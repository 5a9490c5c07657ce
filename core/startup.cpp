#include "core/startup.h"

#include "core/errors.h"
#include "core/items.h"
#include "core/text.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

#include <algorithm>
#include <vector>

StanStartu stan_startu;

std::string& sciezka_programu = stan_startu.sciezka_programu;
std::string& dysk_cd = stan_startu.dysk_cd;
std::string& sciezka_cd = stan_startu.sciezka_cd;
int& jezyk_cd = stan_startu.jezyk_cd;
std::string& tytul_edycji = stan_startu.tytul_edycji;
int& jezyk_edycji = stan_startu.jezyk_edycji;
bool& flaga_l_mnogiej = stan_startu.flaga_l_mnogiej;
std::string& dopisek_tytulu = stan_startu.dopisek_tytulu;
bool& flaga_6 = stan_startu.flaga_6;
std::string& tytul_slownika = stan_startu.tytul_slownika;
std::string& kod_zestawu = stan_startu.kod_zestawu;
std::string& czcionka = stan_startu.czcionka;
int& czcionka_charset = stan_startu.czcionka_charset;
int& ile_ss = stan_startu.ile_ss;
std::array<std::string, MAX_SS + 1>& ss_klucze = stan_startu.ss_klucze;
std::array<std::string, MAX_SS + 1>& ss_wartosci = stan_startu.ss_wartosci;
int& licznik_przerywnika = stan_startu.licznik_przerywnika;

namespace {

const char* persona(int jezyk) {
    switch (jezyk) {
    case 1:
        return "Arlen";
    case 2:
        return "Bodri";
    case 3:
        return "Corvel";
    default:
        return "";
    }
}

// Shows the 8-bit text and ends the start-up.
[[noreturn]] void zatrzymaj(const std::string& text) {
    os::show_message(text);
    os::halt(1);
}

[[noreturn]] void fatal(const std::string& utf8_text) {
    zatrzymaj(os::pl(utf8_text));
}

// The disc cannot be used. The trainer ends with the message; the dictionary
// goes on without the disc (its caller warns once).
struct BrakPlyty {};

[[noreturn]] void bez_plyty_tekst(const std::string& text) {
    if (stan_startu.slownik) {
        jezyk_cd = -1;
        throw BrakPlyty{};
    }
    zatrzymaj(text);
}

[[noreturn]] void bez_plyty(const std::string& utf8_text) {
    bez_plyty_tekst(os::pl(utf8_text));
}

const char* const kWlozPlyte = "Proszę włożyć płytę CD nr 2 programu Tavolent 4.0 do napędu CD-ROM i "
                               "uruchomić program ponownie.";

[[noreturn]] void brak_plyty() {
    bez_plyty(kWlozPlyte);
}

} // namespace

char litera_jezyka() {
    switch (jezyk_edycji) {
    case 1:
        return 'a';
    case 2:
        return 'n';
    case 3:
        return 'f';
    default:
        return '\0';
    }
}

std::string plik_edycji(const std::string& pattern) {
    char c = litera_jezyka();
    if (c == '\0') return {};
    std::string s = pattern;
    for (char& ch : s)
        if (ch == '?') ch = c;
    return s;
}

namespace {

// The lines of a file the start-up needs; one that exists but cannot be read
// ends the program with a message naming it.
std::vector<std::string> linie_systemowe(const std::string& path, os::ReadStatus& status) {
    std::vector<std::string> lines;
    status = os::read_lines(path, lines);
    if (status == os::ReadStatus::failed)
        zatrzymaj(os::pl("Nie można odczytać pliku ") + os::path_text(path) +
                  os::pl(", proszę powtórzyć instalację programu!"));
    return lines;
}

} // namespace

namespace {

void szukaj_plyty_na_dysku() {
    const std::string ini = sciezka_programu + "ts40.ini";
    os::ReadStatus status;
    const std::vector<std::string> ini_linie = linie_systemowe(ini, status);
    if (status == os::ReadStatus::missing)
        fatal("Brak plików systemowych, proszę powtórzyć instalację programu!");

    // Of the first two lines the later one read names the disc root.
    std::string linia;
    size_t numer = 0;
    for (size_t n = 0; n < 2 && n < ini_linie.size(); ++n) {
        linia = ini_linie[n];
        numer = n + 1;
    }
    linia = Trim(linia);
    const int eq = Pos("=", linia);
    const std::string tekst = eq > 0 ? Trim(linia.substr(static_cast<size_t>(eq))) : "";
    // No root at all: the installation file is damaged, not the disc missing.
    if (tekst.empty())
        zatrzymaj(os::pl("Plik ") + os::path_text(ini) +
                  os::pl(" jest uszkodzony, proszę powtórzyć instalację programu!"));
    dysk_cd = os::disc_root_from(tekst);
    if (dysk_cd.empty()) brak_plyty();
    // A folder named in place of a drive that is not there: the line may be
    // damaged as well as the disc missing, so the message names both.
    const bool naped = tekst.size() >= 2 && tekst[1] == ':';
    if (!naped && !os::folder_exists(dysk_cd))
        bez_plyty_tekst(os::pl("Plik ") + os::path_text(ini) + os::pl(" (wiersz ") + std::to_string(numer) +
                        os::pl(") wskazuje folder płyty ") + core::cytat(tekst) +
                        os::pl(", którego nie ma. ") + os::pl(kWlozPlyte));
    sciezka_cd = os::with_slash(dysk_cd) + "bsslow3/";

    const std::string ptxt = dysk_cd + "p.txt";
    const std::vector<std::string> p_linie = linie_systemowe(ptxt, status);
    if (status == os::ReadStatus::missing) brak_plyty();
    const std::string pierwsza = p_linie.empty() ? std::string() : p_linie[0];
    const std::string znak = Copy(LowerCase(Trim(pierwsza)), 2, 1);
    jezyk_cd = 0;
    if (znak == "h")
        jezyk_cd = 1;
    else if (znak == "k")
        jezyk_cd = 2;
    else if (znak == "f")
        jezyk_cd = 3;
    if (jezyk_cd == 0) brak_plyty();

    // One probe a language, the same in both programs, so they agree on
    // which disc is the edition's.
    static const char* const probe[] = {"", "z2/10/1001.jpg", "z1/40/4005.jpg", "tst.txt"};
    if (!os::file_exists(sciezka_cd + probe[jezyk_cd]))
        bez_plyty(std::string("Proszę włożyć płytę nr 2 programu \"Tavolent ") + persona(jezyk_cd) +
                  " 4.0\" do napędu CD-ROM i uruchomić program ponownie.");
}

} // namespace

void szukaj_plyty() {
    if (stan_startu.slownik) jezyk_cd = -1;
    try {
        szukaj_plyty_na_dysku();
    } catch (const BrakPlyty&) {
        os::show_message(os::pl("Nie znaleziono płyty programu \"Tavolent 4.0 - Zovarozeda "
                                "(CD2)\", odsłuchiwanie nagrań dźwiękowych nie będzie możliwe."));
    }
}

bool plyta_znaleziona() {
    return jezyk_cd > 0;
}

bool czytaj_opis_wersji() {
    const std::string plik = sciezka_programu + "tavo_sk.txt";
    auto koniec = [](const std::string& tekst) {
        os::show_message(tekst);
        os::request_terminate();
        return false;
    };
    std::vector<std::string> lines;
    switch (os::read_lines(plik, lines)) {
    case os::ReadStatus::missing:
        return koniec(os::pl("Brak plików systemowych programu!"));
    case os::ReadStatus::failed:
        return koniec(core::blad_odczytu(plik).what() + os::pl(" Brak plików systemowych programu!"));
    case os::ReadStatus::ok:
        break;
    }
    // An empty description would start the program without a title.
    if (std::all_of(lines.begin(), lines.end(), [](const std::string& l) { return Trim(l).empty(); }))
        return koniec(os::pl("Plik ") + os::path_text(plik) + os::pl(" jest pusty. Brak plików systemowych programu!"));

    // A line missing at the end of the file reads as empty.
    size_t nastepna = 0;
    auto linia = [&]() { return nastepna < lines.size() ? lines[nastepna++] : std::string(); };
    auto liczba = [&](const std::string& s) {
        try {
            return na_liczbe(s);
        } catch (const core::ConversionError&) {
            core::rethrow_in_file(plik, static_cast<int>(nastepna));
        }
    };

    tytul_edycji = linia();
    jezyk_edycji = liczba(linia());
    if (jezyk_edycji == 0) jezyk_edycji = 1;
    if (jezyk_edycji < 1 || jezyk_edycji > 3) {
        const int jezyk = jezyk_edycji;
        jezyk_edycji = 0;
        return koniec(os::pl("Plik ") + os::path_text(plik) + os::pl(" jest uszkodzony (wiersz 2: nie ma wydania ") +
                      IntToStr(jezyk) + os::pl("). Brak plików systemowych programu!"));
    }
    czcionka = "Arial";
    czcionka_charset = jezyk_edycji == 3 ? 0 : 238;
    // Without a disc (the dictionary) there is nothing to compare.
    if (jezyk_cd >= 0 && jezyk_cd != jezyk_edycji) {
        os::show_message(os::pl(std::string("Proszę włożyć płytę CD-ROM nr. 2 programu Tavolent ") +
                                persona(jezyk_edycji) +
                                " 2001 do napędu CD-ROM i uruchomić program ponownie."));
        os::request_terminate();
    }

    flaga_l_mnogiej = liczba(linia()) == 1;
    dopisek_tytulu = Trim(linia());
    linia();
    flaga_6 = liczba(linia()) == 1;
    linia();
    tytul_slownika = Trim(linia());
    static const char* const kody[] = {"", "tas_40", "tbs_40", "tcs_40"};
    kod_zestawu = kody[jezyk_edycji];
    return true;
}

void czytaj_ss() {
    ile_ss = 0;
    ss_klucze = {};
    ss_wartosci = {};
    const std::string plik = sciezka_programu + (stan_startu.slownik ? "ss.t" : "ss_sk.t");
    std::vector<std::string> lines;
    // Unreadable: the typed answers are checked without the variants.
    if (os::read_lines(plik, lines) == os::ReadStatus::failed)
        os::show_message(core::blad_odczytu(plik).what());
    for (const std::string& s : lines) {
        if (ile_ss >= MAX_SS) break;
        const int eq = Pos("=", s);
        if (eq <= 1) continue; // no "=", or an empty key
        ++ile_ss;
        ss_klucze[ile_ss] = s.substr(0, static_cast<size_t>(eq - 1));
        ss_wartosci[ile_ss] = s.substr(static_cast<size_t>(eq));
    }
}

namespace {

void start(bool slownik) {
    stan_startu.slownik = slownik;
    sciezka_programu = os::with_slash(os::program_folder());
    // What a write of the user list, the own words or lists, cut short by a
    // crash, left behind (the user folders are cleaned at login).
    os::remove_stale_temp_files(sciezka_programu);
    szukaj_plyty();
    if (!czytaj_opis_wersji()) return;
    wczytaj_grupy();
    czytaj_ss();
    licznik_przerywnika = 0;
}

} // namespace

void start_programu() {
    start(false);
}

void start_slownika() {
    start(true);
}

void wyczysc_start() {
    stan_startu = {};
}
