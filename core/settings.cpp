#include "core/settings.h"

#include "core/errors.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

StanUstawien stan_ustawien;

std::string& sciezka_usera = stan_ustawien.sciezka_usera;
std::string& nazwa_usera = stan_ustawien.nazwa_usera;
TUstawienia& ustawienia = stan_ustawien.ustawienia;

namespace {

constexpr double MNOZNIK_DOMYSLNY = 1.2;
constexpr double MNOZNIK_MIN = 1.0;
constexpr double MNOZNIK_MAX = 4.0;

enum class Rodzaj { logiczna, liczba, mnoznik, licznik };

// What one line holds: its kind, its range with the replacements for values
// below and above it, and its default.
struct OpisLinii {
    Rodzaj rodzaj = Rodzaj::logiczna;
    int domyslna = 0;
    int od = 0, do_ = 0;
    int ponizej = 0, powyzej = 0;
};

OpisLinii logiczna(int def) {
    return {Rodzaj::logiczna, def};
}
OpisLinii liczba(int def, int lo, int hi, int below, int above) {
    return {Rodzaj::liczba, def, lo, hi, below, above};
}

const std::array<OpisLinii, LINII_USTAWIEN + 1>& opisy_linii() {
    static const auto tabela = [] {
        std::array<OpisLinii, LINII_USTAWIEN + 1> t{};
        t[1] = liczba(6, 1, 6, 6, 6);
        for (int n = 2; n <= 16; ++n)
            t[n] = liczba(0, 0, 4, 0, 0);
        t[17] = logiczna(1);
        t[18] = liczba(0, 0, 2, 0, 0);
        for (int k = 1; k <= ZESTAWOW_PRZERYWNIKOW; ++k) {
            t[17 + 2 * k] = logiczna(1);
            t[18 + 2 * k] = liczba(0, 0, 300, 0, 0);
        }
        t[33] = liczba(0, 0, 100, 1, 1);
        t[34] = liczba(12, 10, 14, 10, 10);
        t[35] = logiczna(1);
        t[36] = logiczna(0);
        t[37] = t[38] = liczba(2, 0, 1000, 1, 1);
        t[39] = t[40] = OpisLinii{Rodzaj::mnoznik};
        t[41] = logiczna(1);
        t[42] = logiczna(1);
        t[43] = logiczna(0);
        t[44] = logiczna(1);
        t[45] = logiczna(0);
        t[46] = logiczna(0);
        t[47] = logiczna(0);
        t[48] = logiczna(1);
        t[49] = liczba(6, 4, 200, 6, 200);
        t[50] = logiczna(0);
        t[51] = OpisLinii{Rodzaj::licznik, 1, 0, INT_MAX - 1, 0, INT_MAX - 1};
        t[52] = liczba(0, 0, MAX_SLOW, 0, MAX_SLOW);
        t[53] = liczba(100, 3, 400, 100, 100);
        t[54] = logiczna(1);
        return t;
    }();
    return tabela;
}

double przytnij_mnoznik(double m) {
    if (m < MNOZNIK_MIN) return MNOZNIK_MIN;
    if (m > MNOZNIK_MAX) return MNOZNIK_MAX;
    return m;
}

// A real number in the C format ("1.20"); empty gives 0 as for integers.
double na_liczbe_rzeczywista(std::string_view text) {
    const std::string t = Trim(text);
    if (t.empty()) return 0.0;
    double v = 0.0;
    const char* end = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), end, v, std::chars_format::fixed);
    if (ec != std::errc() || p != end || !std::isfinite(v))
        throw core::ConversionError(core::cytat(t) + " is not a valid floating point value");
    return v;
}

// Two decimals and "." whatever the process locale.
std::string tekst_mnoznika(double m) {
    char buf[32];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, m, std::chars_format::fixed, 2);
    return std::string(buf, ec == std::errc() ? p : buf);
}

int wartosc_linii(const OpisLinii& o, int v) {
    switch (o.rodzaj) {
    case Rodzaj::logiczna:
        return v == 1 ? 1 : 0;
    case Rodzaj::liczba:
        return v < o.od ? o.ponizej : v > o.do_ ? o.powyzej : v;
    case Rodzaj::licznik:
        return std::clamp(v, o.od, o.do_) + 1;
    case Rodzaj::mnoznik:
        break;
    }
    return v;
}

} // namespace

void TUstawienia::domyslne() {
    const auto& opisy = opisy_linii();
    linia.fill(0);
    for (int n = 1; n <= LINII_USTAWIEN; ++n)
        if (opisy[n].rodzaj != Rodzaj::mnoznik) linia[n] = opisy[n].domyslna;
    mnoznik = MNOZNIK_DOMYSLNY;
    odliczanie_przerywnikow.fill(0);
}

std::string plik_ustawien() {
    return sciezka_usera + "ustaw_" + kod_zestawu + ".txt";
}

void wyczysc_ustawienia() {
    stan_ustawien = {};
}

void czytaj_ustawienia() {
    ustawienia.domyslne();
    const std::string plik = plik_ustawien();
    std::vector<std::string> lines;
    // Unreadable: reported; the defaults stand and are never saved over it.
    if (!stan_ustawien.plik.wczytaj_linie(plik, lines)) return;

    // A line that is not a number keeps its default and the rest of the file is
    // still read, so saving later loses nothing but that one value; the first
    // such line is reported once the whole file has been read.
    const auto& opisy = opisy_linii();
    TUstawienia nowe;
    std::string blad;
    for (int n = 1; n <= LINII_USTAWIEN && n <= static_cast<int>(lines.size()); ++n) {
        const std::string& tekst = lines[static_cast<size_t>(n - 1)];
        try {
            if (opisy[n].rodzaj == Rodzaj::mnoznik)
                nowe.mnoznik = przytnij_mnoznik(na_liczbe_rzeczywista(tekst));
            else
                nowe.linia[n] = wartosc_linii(opisy[n], na_liczbe(tekst));
        } catch (const core::ConversionError& e) {
            if (blad.empty()) blad = core::blad_w_pliku(plik, n, e);
            continue;
        }
        // The doubled lines: the later one wins, a missing later one keeps the first.
        if (n == 37) nowe.linia[38] = nowe.linia[37];
        if (n == 38) nowe.linia[37] = nowe.linia[38];
    }
    ustawienia = nowe;
    // The file is rewritten at every close: the damaged original goes aside first.
    if (!blad.empty())
        throw core::ConversionError(blad + os::pl(" Wiersze, których nie można odczytać, przyjmą "
                                                  "wartości domyślne.") +
                                    stan_ustawien.plik.zachowaj_uszkodzony());
}

bool zapisz_ustawienia() {
    bool ok = true;
    if (tryb_korekty) ok = zapisz_korekte();

    const auto& opisy = opisy_linii();
    std::vector<std::string> linie;
    linie.reserve(LINII_USTAWIEN);
    for (int n = 1; n <= LINII_USTAWIEN; ++n) {
        if (opisy[n].rodzaj == Rodzaj::mnoznik)
            linie.push_back(tekst_mnoznika(przytnij_mnoznik(ustawienia.mnoznik)));
        else if (opisy[n].rodzaj == Rodzaj::logiczna)
            linie.push_back(ustawienia.linia[n] == 1 ? "1" : "0");
        else if (n == 37)
            linie.push_back(IntToStr(ustawienia.linia[38]));
        else
            linie.push_back(IntToStr(ustawienia.linia[n]));
    }
    return stan_ustawien.plik.zapisz_linie(linie) && ok;
}

int wymagane_odpowiedzi() {
    if (tryb_lekcji == 0 && ustawienia.linia[U_POWTORKI_INTENSYWNOSC_1] == 1) return 1;
    switch (ustawienia.linia[U_INTENSYWNOSC]) {
    case 1:
        return 2;
    case 2:
        return 4;
    default:
        return 1;
    }
}
