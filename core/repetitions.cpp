#include "core/repetitions.h"

#include "platform/os/read_file.h"

#include "core/errors.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/le_codec.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

std::array<TPowtorka, MAX_POWTOREK + 1> tab_powtorek;
int ile_powtorek = 0;
std::array<std::array<bool, TYPOW_POWTORKI + 1>, MAX_POWTOREK + 1> flagi_powtorek;

void TPowtorka::encode(unsigned char out[ROZMIAR_POWTORKI]) const {
    using namespace os::le;
    put_i32(out + 0, id);
    put_f64(out + 4, data_pierwsza);
    put_f64(out + 12, data_ostatnia);
    put_i32(out + 20, ile_powtorzen);
    put_i32(out + 24, interwal);
    put_i32(out + 28, poprzedni_interwal);
    put_f64(out + 32, wspolczynnik);
    for (int t = 1; t <= TYPOW_POWTORKI; ++t)
        put_u8(out + 39 + t, typy[t]);
    put_u8(out + 55, juz_umiem);
    put_u8(out + 56, kosz);
    for (int k = 0; k < 3; ++k)
        put_u8(out + 57 + k, wolne[k]);
}

void TPowtorka::decode(const unsigned char in[ROZMIAR_POWTORKI]) {
    using namespace os::le;
    id = get_i32(in + 0);
    data_pierwsza = get_f64(in + 4);
    data_ostatnia = get_f64(in + 12);
    ile_powtorzen = get_i32(in + 20);
    interwal = get_i32(in + 24);
    poprzedni_interwal = get_i32(in + 28);
    wspolczynnik = get_f64(in + 32);
    typy[0] = 0;
    for (int t = 1; t <= TYPOW_POWTORKI; ++t)
        typy[t] = get_u8(in + 39 + t);
    juz_umiem = get_u8(in + 55);
    kosz = get_u8(in + 56);
    for (int k = 0; k < 3; ++k)
        wolne[k] = get_u8(in + 57 + k);
}

namespace {

constexpr uint8_t ZNACZNIK_FLAGI = 100; // added to a per-type byte in the file

// Nothing may write the store before it was loaded: an empty store would
// replace the learner's file.
bool g_zapis_zablokowany = true;
bool g_kopia_zablokowana = false;
// The item store did not load whole: records of the missing items are dropped
// by every load, so no write is allowed until the next login's load. A restore
// or an import does not lift it.
bool g_baza_niepelna = false;

struct Magazyn {
    std::vector<TPowtorka> tab = std::vector<TPowtorka>(MAX_POWTOREK + 1);
    std::vector<std::array<bool, TYPOW_POWTORKI + 1>> flagi =
        std::vector<std::array<bool, TYPOW_POWTORKI + 1>>(MAX_POWTOREK + 1);
    int ile = 0;
};

std::string w_folderze_usera(const std::string& file) {
    return !file.empty() && file[0] == '/' ? file : sciezka_usera + file;
}

bool czytaj_plik(const std::string& path, std::string& bytes) {
    return os::read_file(path, bytes);
}

int procent(long long n, long long z) {
    if (z <= 0) return 100;
    return static_cast<int>(std::min<long long>(100, std::llround(100.0 * n / z)));
}

// Puts the whole records of `bytes` into `m` by item index; returns the number
// of records read (those of vanished items included).
int rozloz_rekordy(const std::string& bytes, Magazyn& m) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const int ile = static_cast<int>(bytes.size() / ROZMIAR_POWTORKI);
    for (int n = 1; n <= ile; ++n, p += ROZMIAR_POWTORKI) {
        if (n % 500 == 0) core::progress_position(procent(n, 10000));
        TPowtorka r;
        r.decode(p);
        const int i = znajdz_slowko(r.id);
        if (i < 1 || i > MAX_POWTOREK) continue;
        m.ile = std::max(m.ile, i);
        for (int t = 1; t <= TYPOW_POWTORKI; ++t) {
            m.flagi[i][t] = r.typy[t] >= ZNACZNIK_FLAGI;
            if (m.flagi[i][t]) r.typy[t] -= ZNACZNIK_FLAGI;
        }
        m.tab[i] = r;
    }
    return ile;
}

void przyjmij(const Magazyn& m) {
    std::copy(m.tab.begin(), m.tab.end(), tab_powtorek.begin());
    std::copy(m.flagi.begin(), m.flagi.end(), flagi_powtorek.begin());
    ile_powtorek = m.ile;
}

std::string liczba_powtorek(int n) {
    return os::pl("Wczytano informacje o ") + IntToStr(n) + os::pl(" powtórkach.");
}

void zglos_odrzucony_zapis(const std::string& file) {
    core::show_info(os::pl("Powtórki nie zostały zapisane do pliku ") + file +
                    os::pl(", aby nie zastąpić go niepełnymi danymi. Uszkodzone pliki można "
                           "odtworzyć funkcją Ustawienia/Wczytaj powtórki z kopii."));
}

struct WpisInfo {
    std::string nazwa, czas, ile;
};

std::string pole(const std::string& line, size_t& from) {
    const size_t eq = line.find('=', from);
    std::string text = line.substr(from, eq == std::string::npos ? std::string::npos : eq - from);
    from = eq == std::string::npos ? line.size() : eq + 1;
    return Trim(text);
}

double czas_wpisu(const WpisInfo& w) {
    double serial = 0;
    return os::parse_date_time(w.czas, serial) ? serial : -std::numeric_limits<double>::infinity();
}

} // namespace

void wyczysc_powtorki() {
    tab_powtorek.fill(TPowtorka{});
    for (auto& f : flagi_powtorek)
        f.fill(false);
    ile_powtorek = 0;
}

bool wczytaj_powtorki_z(const std::string& file, bool raport) {
    core::progress_show(os::pl("Czytam powtórki..."), 15);
    if (!raport) g_baza_niepelna = false; // the login's load; the caller blocks again
    const std::string path = w_folderze_usera(file);
    const bool jest = os::file_exists(path);
    std::string bytes;
    const bool czytelny = jest && czytaj_plik(path, bytes);
    const bool niepelny = bytes.size() % ROZMIAR_POWTORKI != 0;

    if (raport && (!czytelny || bytes.empty() || niepelny)) {
        // A restore that cannot be used changes nothing, and the store may not
        // be saved over p.b as if it had been restored.
        core::progress_hide();
        g_zapis_zablokowany = true;
        std::string powod = !jest           ? os::pl("Brak pliku ") + file + "."
                            : !czytelny     ? os::pl("Nie można odczytać pliku ") + file + "."
                            : bytes.empty() ? os::pl("Plik ") + file + os::pl(" jest pusty.")
                                            : os::pl("Plik ") + file + os::pl(" jest uszkodzony.");
        core::show_info(powod + os::pl(" Powtórki nie zostały wczytane."));
        return false;
    }

    auto m = std::make_unique<Magazyn>();
    const int ile = rozloz_rekordy(bytes, *m);
    przyjmij(*m);
    int& linia52 = ustawienia.linia[52];

    if (raport) {
        core::show_info(liczba_powtorek(ile));
        core::progress_hide();
        linia52 = ile;
        g_zapis_zablokowany = g_kopia_zablokowana = false;
        return true;
    }
    if (jest && (!czytelny || niepelny)) {
        // Keep the whole records, but never write this store over the file or
        // a backup: the damaged file may still be repaired from a copy.
        g_zapis_zablokowany = true;
        g_kopia_zablokowana = true;
        core::show_info(os::pl("Plik ") + file + os::pl(" jest uszkodzony. ") +
                        liczba_powtorek(ile) +
                        os::pl(" Powtórki nie będą zapisywane. Uszkodzone pliki można odtworzyć "
                               "funkcją Ustawienia/Wczytaj powtórki z kopii."));
        return false;
    }
    g_zapis_zablokowany = false;
    if (linia52 <= ile) {
        linia52 = ile;
        g_kopia_zablokowana = false;
        return true;
    }
    g_kopia_zablokowana = true;
    core::show_info(liczba_powtorek(ile) +
                    os::pl(" Uszkodzone pliki mozna odtworzyć funkcją Ustawienia/Wczytaj "
                           "powtórki z kopii."));
    return false;
}

bool wczytaj_powtorki() {
    return wczytaj_powtorki_z("p.b", false);
}

bool wczytaj_powtorki_z_kopii(const std::string& file) {
    return wczytaj_powtorki_z(file, true);
}

bool zapisz_powtorki_do(const std::string& file) {
    if (zapis_powtorek_zablokowany()) {
        zglos_odrzucony_zapis(file);
        return false;
    }
    core::progress_show(os::pl("Zapisuję powtórki..."), 1);
    ile_powtorek = std::clamp(baza.ile_slow, 0, MAX_POWTOREK);

    std::string bytes;
    bytes.reserve(static_cast<size_t>(ile_powtorek) * ROZMIAR_POWTORKI);
    unsigned char rec[ROZMIAR_POWTORKI];
    int zapisane = 0;
    for (int i = 1; i <= ile_powtorek; ++i) {
        if (i % 500 == 0) core::progress_position(procent(i, ile_powtorek));
        if (tab_powtorek[i].id <= 0) continue;
        TPowtorka r = tab_powtorek[i];
        for (int t = 1; t <= TYPOW_POWTORKI; ++t)
            if (flagi_powtorek[i][t] && r.typy[t] < ZNACZNIK_FLAGI) r.typy[t] += ZNACZNIK_FLAGI;
        r.encode(rec);
        bytes.append(reinterpret_cast<const char*>(rec), ROZMIAR_POWTORKI);
        ++zapisane;
    }

    const std::string path = w_folderze_usera(file);
    if (!os::atomic_replace(path, bytes)) {
        core::progress_hide();
        core::show_info(os::pl("Nie można zapisać pliku ") + path +
                        os::pl(". Poprzednia zawartość pliku pozostała bez zmian."));
        return false;
    }
    ustawienia.linia[52] = zapisane;
    const bool info = zapisz_info_powtorek(file, zapisane);
    core::progress_position(100);
    core::progress_hide();
    return info;
}

bool zapisz_powtorki() {
    return zapisz_powtorki_do("p.b");
}

std::string plik_kopii_powtorek(int licznik) {
    if (licznik % 10 == 0) return "p_kopia_10.b";
    if (licznik % 5 == 0) return "p_kopia_5.b";
    return "p_kopia.b";
}

bool kopia_powtorek() {
    // A store that loaded short or damaged must not replace a good copy.
    if (zapis_powtorek_zablokowany() || g_kopia_zablokowana) return false;
    return zapisz_powtorki_do(plik_kopii_powtorek(ustawienia.linia[51]));
}

bool zapisz_info_powtorek(const std::string& file, int count) {
    const std::string path = sciezka_usera + "p.i";
    os::LineReader r;
    if (!r.open(path) && os::file_exists(path)) {
        // Rewriting it from nothing would lose the lines of the other files.
        core::show_info(core::blad_odczytu(path).what());
        return false;
    }
    std::vector<WpisInfo> wpisy;
    while (!r.eof()) {
        const std::string line = Trim(r.read_line());
        if (line.empty()) continue;
        size_t from = 0;
        WpisInfo w;
        w.nazwa = pole(line, from);
        w.czas = pole(line, from);
        w.ile = pole(line, from);
        wpisy.push_back(std::move(w));
    }

    auto it = std::find_if(wpisy.begin(), wpisy.end(),
                           [&](const WpisInfo& w) { return w.nazwa == file; });
    if (it == wpisy.end()) it = wpisy.insert(wpisy.end(), WpisInfo{file, "", ""});
    it->czas = os::format_date_time(os::now());
    it->ile = IntToStr(count);
    size_t biezacy = static_cast<size_t>(it - wpisy.begin());

    // Over the limit the oldest entries go; the one just written stays (by its
    // place: a damaged p.i may repeat its name).
    while (wpisy.size() > MAX_INFO_POWTOREK) {
        size_t najstarszy = wpisy.size();
        for (size_t w = 0; w < wpisy.size(); ++w)
            if (w != biezacy && (najstarszy == wpisy.size() ||
                                 czas_wpisu(wpisy[w]) < czas_wpisu(wpisy[najstarszy])))
                najstarszy = w;
        wpisy.erase(wpisy.begin() + static_cast<std::ptrdiff_t>(najstarszy));
        if (najstarszy < biezacy) --biezacy;
    }

    std::vector<std::string> lines;
    for (const WpisInfo& w : wpisy)
        lines.push_back(w.nazwa + "=" + w.czas + "=" + w.ile + "= ");
    if (!os::write_lines(path, lines)) {
        core::show_info(os::pl("Nie można zapisać pliku ") + path + ".");
        return false;
    }
    return true;
}

bool zapis_powtorek_zablokowany() {
    return g_zapis_zablokowany || g_baza_niepelna;
}
bool kopia_powtorek_zablokowana() {
    return g_kopia_zablokowana;
}
void zezwol_na_zapis_powtorek() {
    g_zapis_zablokowany = g_kopia_zablokowana = false;
}

bool powtorka_na_dzis(int i, double dzis) {
    if (i < 1 || i > MAX_POWTOREK) return false;
    const TPowtorka& r = tab_powtorek[i];
    return r.id > 0 && r.kosz == 0 && r.data_ostatnia + r.interwal <= dzis;
}

int ile_na_dzis() {
    const double dzis = os::today();
    const int ile = std::min(ile_powtorek, MAX_POWTOREK);
    int n = 0;
    for (int i = 1; i <= ile; ++i)
        if (powtorka_na_dzis(i, dzis)) ++n;
    return n;
}

void zablokuj_zapis_powtorek() {
    g_zapis_zablokowany = g_kopia_zablokowana = g_baza_niepelna = true;
}
