#include "core/startup.h"

#include "core/errors.h"
#include "core/items.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

std::string sciezka_programu;
std::string dysk_cd;
std::string sciezka_cd;
int jezyk_cd = 0;

std::string tytul_edycji;
int jezyk_edycji = 0;
bool flaga_l_mnogiej = false;
std::string dopisek_tytulu;
bool flaga_6 = false;
std::string tytul_slownika;
std::string kod_zestawu;
std::string czcionka;
int czcionka_charset = 238;

int ile_ss = 0;
std::array<std::string, MAX_SS + 1> ss_klucze;
std::array<std::string, MAX_SS + 1> ss_wartosci;

int licznik_przerywnika = 0;

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

[[noreturn]] void fatal(const std::string& utf8_text) {
    os::show_message(os::pl(utf8_text));
    os::halt(1);
}

void wyczysc_ss() {
    ile_ss = 0;
    for (int i = 0; i <= MAX_SS; ++i) {
        ss_klucze[i].clear();
        ss_wartosci[i].clear();
    }
}

void brak_plyty() {
    fatal("Proszę włożyć płytę CD nr 2 programu Tavolent 4.0 do napędu CD-ROM i uruchomić "
          "program ponownie.");
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

void szukaj_plyty() {
    const std::string ini = sciezka_programu + "ts40.ini";
    if (!os::file_exists(ini))
        fatal("Brak plików systemowych, proszę powtórzyć instalację programu!");

    // Of the first two lines the later one read names the disc root.
    std::string linia;
    {
        os::LineReader r(ini);
        for (int n = 0; n < 2 && !r.eof(); ++n)
            linia = r.read_line();
    }
    linia = Trim(linia);
    const int eq = Pos("=", linia);
    const std::string tekst = eq > 0 ? Trim(linia.substr(static_cast<size_t>(eq))) : "";
    dysk_cd = tekst.empty() ? "" : os::disc_root_from(tekst);
    if (dysk_cd.empty()) brak_plyty();
    sciezka_cd = os::with_slash(dysk_cd) + "bsslow3/";

    const std::string ptxt = dysk_cd + "p.txt";
    if (!os::file_exists(ptxt)) brak_plyty();
    std::string pierwsza;
    {
        os::LineReader r(ptxt);
        if (!r.eof()) pierwsza = r.read_line();
    }
    const std::string znak = Copy(LowerCase(Trim(pierwsza)), 2, 1);
    jezyk_cd = 0;
    if (znak == "h")
        jezyk_cd = 1;
    else if (znak == "k")
        jezyk_cd = 2;
    else if (znak == "f")
        jezyk_cd = 3;
    if (jezyk_cd == 0) brak_plyty();

    static const char* const probe[] = {"", "z2/10/1001.jpg", "z1/40/4005.jpg", "tst.txt"};
    if (!os::file_exists(sciezka_cd + probe[jezyk_cd]))
        fatal(std::string("Proszę włożyć płytę nr 2 programu \"Tavolent ") + persona(jezyk_cd) +
              " 4.0\" do napędu CD-ROM i uruchomić program ponownie.");
}

bool czytaj_opis_wersji() {
    const std::string plik = sciezka_programu + "tavo_sk.txt";
    if (!os::file_exists(plik)) {
        os::show_message(os::pl("Brak plików systemowych programu!"));
        os::request_terminate();
        return false;
    }
    os::LineReader r(plik);
    // A line missing at the end of the file reads as empty.
    auto linia = [&r]() { return r.eof() ? std::string() : r.read_line(); };
    auto liczba = [&](const std::string& s) {
        try {
            return na_liczbe(s);
        } catch (const core::ConversionError&) {
            core::rethrow_in_file(plik, r.line_number());
        }
    };

    tytul_edycji = linia();
    jezyk_edycji = liczba(linia());
    if (jezyk_edycji == 0) jezyk_edycji = 1;
    if (jezyk_edycji < 1 || jezyk_edycji > 3) {
        jezyk_edycji = 0;
        os::show_message(os::pl("Brak plików systemowych programu!"));
        os::request_terminate();
        return false;
    }
    czcionka = "Arial";
    czcionka_charset = jezyk_edycji == 3 ? 0 : 238;
    if (jezyk_cd != jezyk_edycji) {
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
    wyczysc_ss();
    os::LineReader r(sciezka_programu + "ss_sk.t");
    while (!r.eof() && ile_ss < MAX_SS) {
        const std::string s = r.read_line();
        const int eq = Pos("=", s);
        if (eq <= 1) continue; // no "=", or an empty key
        ++ile_ss;
        ss_klucze[ile_ss] = s.substr(0, static_cast<size_t>(eq - 1));
        ss_wartosci[ile_ss] = s.substr(static_cast<size_t>(eq));
    }
}

void start_programu() {
    sciezka_programu = os::with_slash(os::program_folder());
    szukaj_plyty();
    if (!czytaj_opis_wersji()) return;
    wczytaj_grupy();
    czytaj_ss();
    licznik_przerywnika = 0;
}

void wyczysc_start() {
    sciezka_programu.clear();
    dysk_cd.clear();
    sciezka_cd.clear();
    jezyk_cd = 0;
    tytul_edycji.clear();
    jezyk_edycji = 0;
    flaga_l_mnogiej = false;
    dopisek_tytulu.clear();
    flaga_6 = false;
    tytul_slownika.clear();
    kod_zestawu.clear();
    czcionka.clear();
    czcionka_charset = 238;
    wyczysc_ss();
    licznik_przerywnika = 0;
}
