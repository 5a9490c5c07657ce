#include "core/repetitions.h"

#include "core/errors.h"
#include "core/items.h"
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
#include "platform/os/read_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

StanPowtorek stan_powtorek;

TabelaPowtorek& tab_powtorek = stan_powtorek.tab_powtorek;
int& ile_powtorek = stan_powtorek.ile_powtorek;
FlagiPowtorek& flagi_powtorek = stan_powtorek.flagi_powtorek;

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

// Own words take IDs above 40000 and below the sentences' 60000: their
// records may vanish with the word (it was deleted); a built-in item's may not.
bool id_slowa_usera(int32_t id) {
    return id > 40000 && id < 60000;
}

// Item IDs are five digits; anything else is no record of this program's.
bool id_mozliwe(int32_t id) {
    return id > 0 && id <= 99999;
}

struct Magazyn {
    std::vector<TPowtorka> tab = std::vector<TPowtorka>(MAX_POWTOREK + 1);
    std::vector<std::array<bool, TYPOW_POWTORKI + 1>> flagi =
        std::vector<std::array<bool, TYPOW_POWTORKI + 1>>(MAX_POWTOREK + 1);
    int ile = 0;
    int przeczytane = 0;        // whole records in the file
    int dopasowane = 0;         // records put in place
    std::string bez_pozycji;    // records of built-in items not in the store
    int ile_bez_pozycji = 0;
    int niemozliwe = 0;         // records whose ID no item can have
    bool bez_slowek = false;    // among them words (else only sentences)
    bool bez_zdan = false;

    int zachowane() const { return dopasowane + ile_bez_pozycji; }
};

std::string w_folderze_usera(const std::string& file) {
    return !file.empty() && file[0] == '/' ? file : sciezka_usera + file;
}

int procent(long long n, long long z) {
    if (z <= 0) return 100;
    return static_cast<int>(std::min<long long>(100, std::llround(100.0 * n / z)));
}

// Puts the whole records of `bytes` into `m` by item index.
void rozloz_rekordy(const std::string& bytes, Magazyn& m) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    m.przeczytane = static_cast<int>(bytes.size() / ROZMIAR_POWTORKI);
    for (int n = 1; n <= m.przeczytane; ++n, p += ROZMIAR_POWTORKI) {
        if (n % 500 == 0) core::progress_position(procent(n, 10000));
        TPowtorka r;
        r.decode(p);
        const int i = r.id > 0 ? znajdz_slowko(r.id) : -1;
        if (i < 1 || i > MAX_POWTOREK) {
            if (!id_mozliwe(r.id)) {
                ++m.niemozliwe;
            } else if (!id_slowa_usera(r.id)) {
                m.bez_pozycji.append(reinterpret_cast<const char*>(p), ROZMIAR_POWTORKI);
                ++m.ile_bez_pozycji;
                (jest_zdaniem(r.id) ? m.bez_zdan : m.bez_slowek) = true;
            }
            continue;
        }
        ++m.dopasowane;
        m.ile = std::max(m.ile, i);
        for (int t = 1; t <= TYPOW_POWTORKI; ++t) {
            m.flagi[i][t] = r.typy[t] >= ZNACZNIK_FLAGI;
            if (m.flagi[i][t]) r.typy[t] -= ZNACZNIK_FLAGI;
        }
        m.tab[i] = r;
    }
}

// Records in the file, none of which fits the course, and some that no item
// could have: not a store at all (random bytes, another file) rather than a
// course short of its items.
bool obcy(const Magazyn& m) {
    return m.przeczytane > 0 && m.dopasowane == 0 && m.niemozliwe > 0;
}

void przyjmij(const Magazyn& m) {
    std::copy(m.tab.begin(), m.tab.end(), tab_powtorek.begin());
    std::copy(m.flagi.begin(), m.flagi.end(), flagi_powtorek.begin());
    ile_powtorek = m.ile;
    stan_powtorek.bez_pozycji = m.bez_pozycji;
}

std::string liczba_powtorek(int n) {
    return os::pl("Wczytano informacje o ") + IntToStr(n) + os::pl(" powtórkach.");
}

const std::string& odtworz_z_kopii() {
    static const std::string s =
        os::pl("Uszkodzone pliki można odtworzyć funkcją Ustawienia/Wczytaj powtórki z kopii.");
    return s;
}

// The course files that lost the items of the records set aside.
std::string zgloszenie_bez_pozycji(const Magazyn& m) {
    std::string pliki;
    if (m.bez_slowek) pliki = plik_edycji("sb?_slow.txt");
    if (m.bez_zdan) pliki += (pliki.empty() ? "" : ", ") + plik_edycji("zd?.txt");
    return os::pl("Plik kursu (") + pliki + os::pl(") jest uszkodzony: ") +
           IntToStr(m.ile_bez_pozycji) +
           os::pl(" powtórek dotyczy słówek lub zdań, których w nim nie ma. Powtórki zostaną "
                  "zachowane, ale kopie powtórek nie będą zapisywane.");
}

void zglos_odrzucony_zapis(const std::string& file) {
    core::show_info(os::pl("Powtórki nie zostały zapisane do pliku ") + os::path_text(w_folderze_usera(file)) +
                    os::pl(", aby nie zastąpić go niepełnymi danymi. ") + odtworz_z_kopii());
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

// A line as the program writes it: the name of a file in the user folder,
// a time and a count of records.
bool wpis_mozliwy(const WpisInfo& w) {
    constexpr size_t najdluzsza_nazwa = 255;
    double serial = 0;
    return !w.nazwa.empty() && w.nazwa.size() <= najdluzsza_nazwa &&
           std::none_of(w.nazwa.begin(), w.nazwa.end(),
                        [](char c) { return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32; }) &&
           os::parse_date_time(w.czas, serial) && StrToIntDef(w.ile, -1) >= 0;
}

// p.i read through its learner file; false when it exists but cannot be read
// (reported the first time). p.i is an index of the record files: lines that
// are none of its own are left out, so the table is rebuilt from the files;
// the damaged original is kept beside it first (reported once), and when it
// cannot be kept, p.i is left as it is. `pominiete`: lines were left out.
bool czytaj_info(core::PlikUcznia& plik, std::vector<WpisInfo>& wpisy, bool* pominiete = nullptr) {
    if (stan_powtorek.info_nieczytelne) return false;
    std::vector<std::string> lines;
    const std::string path = sciezka_usera + "p.i";
    if (!plik.wczytaj_linie(path, lines)) {
        stan_powtorek.info_nieczytelne = true;
        return false;
    }
    bool zle = false;
    for (const std::string& raw : lines) {
        const std::string line = Trim(raw);
        if (line.empty()) continue;
        size_t from = 0;
        WpisInfo w;
        w.nazwa = pole(line, from);
        w.czas = pole(line, from);
        w.ile = pole(line, from);
        if (!wpis_mozliwy(w)) {
            zle = true;
            continue;
        }
        wpisy.push_back(std::move(w));
    }
    if (pominiete) *pominiete = zle;
    if (!zle) return true;
    const std::string kopia = plik.zachowaj_uszkodzony();
    const bool zachowany = plik.zapis_dozwolony();
    if (!stan_powtorek.info_uszkodzone)
        core::show_info(os::pl("Plik ") + os::path_text(path) +
                        (zachowany ? os::pl(" jest uszkodzony i zostanie odtworzony z plików powtórek.")
                                   : os::pl(" jest uszkodzony.")) +
                        kopia);
    stan_powtorek.info_uszkodzone = true;
    if (!zachowany) stan_powtorek.info_nieczytelne = true;
    return zachowany;
}

bool zapisz_info(core::PlikUcznia& plik, const std::vector<WpisInfo>& wpisy) {
    std::vector<std::string> lines;
    for (const WpisInfo& w : wpisy)
        lines.push_back(w.nazwa + "=" + w.czas + "=" + w.ile + "= ");
    return plik.zapisz_linie(lines);
}

} // namespace

void wyczysc_powtorki() {
    stan_powtorek = {};
}

bool wczytaj_powtorki_z(const std::string& file, bool raport) {
    core::progress_show(os::pl("Czytam powtórki..."), 15);
    const std::string path = w_folderze_usera(file);
    StanPowtorek& st = stan_powtorek;
    int& linia52 = ustawienia.linia[U_ILE_REKORDOW];

    if (raport) {
        // A restore reads the backup aside: one that cannot be used changes
        // nothing, neither the store nor whether it may be saved.
        std::string bytes;
        const os::ReadStatus odczyt = os::read_whole_file(path, bytes);
        auto m = std::make_unique<Magazyn>();
        if (odczyt == os::ReadStatus::ok) rozloz_rekordy(bytes, *m);
        const std::string nazwa = os::path_text(path);
        const std::string powod =
            odczyt == os::ReadStatus::missing ? os::pl("Brak pliku ") + nazwa + "."
            : odczyt == os::ReadStatus::failed
                ? os::pl("Nie można odczytać pliku ") + nazwa + "."
            : bytes.empty() ? os::pl("Plik ") + nazwa + os::pl(" jest pusty.")
            : bytes.size() % ROZMIAR_POWTORKI != 0 || obcy(*m)
                ? os::pl("Plik ") + nazwa + os::pl(" jest uszkodzony.")
                : std::string();
        core::progress_hide();
        if (!powod.empty()) {
            core::show_info(powod + os::pl(" Powtórki nie zostały wczytane."));
            return false;
        }
        przyjmij(*m);
        core::show_info(liczba_powtorek(m->zachowane()));
        if (m->ile_bez_pozycji > 0) core::show_info(zgloszenie_bez_pozycji(*m));
        linia52 = m->zachowane();
        st.plik.zezwol();
        st.kopia_zablokowana = m->ile_bez_pozycji > 0;
        return true;
    }

    // The login's load: the item store it maps to decides first.
    st.baza_niepelna = baza_niepelna();
    st.kopia_zablokowana = false;
    std::string bytes;
    auto m = std::make_unique<Magazyn>();
    // Unreadable: reported by the learner file; nothing of the store is
    // written in this session.
    const bool czytelny = st.plik.wczytaj(path, bytes);
    if (czytelny) rozloz_rekordy(bytes, *m);
    przyjmij(*m);
    if (!czytelny) return false;

    if (bytes.size() % ROZMIAR_POWTORKI != 0 || obcy(*m)) {
        // Keep the whole records, but never write this store over the file or
        // a backup: the damaged file may still be repaired from a copy.
        st.plik.uszkodzony();
        core::show_info(os::pl("Plik ") + os::path_text(path) + os::pl(" jest uszkodzony. ") +
                        liczba_powtorek(m->dopasowane) +
                        os::pl(" Powtórki nie będą zapisywane. ") + odtworz_z_kopii());
        return false;
    }
    // An item store that did not load whole was reported: it, not p.b or a
    // course file, is why records find no item, and nothing is written.
    const bool zglos = !st.baza_niepelna;
    bool ok = true;
    if (m->ile_bez_pozycji > 0) {
        st.kopia_zablokowana = true;
        if (zglos) core::show_info(zgloszenie_bez_pozycji(*m));
        ok = false;
    }
    if (linia52 <= m->zachowane()) {
        linia52 = m->zachowane();
        return ok;
    }
    st.kopia_zablokowana = true;
    if (zglos)
        core::show_info(liczba_powtorek(m->zachowane()) +
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
    bytes.reserve(static_cast<size_t>(ile_powtorek) * ROZMIAR_POWTORKI +
                  stan_powtorek.bez_pozycji.size());
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
    // The records set aside go back as they were read.
    const std::string& reszta = stan_powtorek.bez_pozycji;
    for (size_t at = 0; at + ROZMIAR_POWTORKI <= reszta.size(); at += ROZMIAR_POWTORKI) {
        if (znajdz_slowko(os::le::get_i32(
                reinterpret_cast<const unsigned char*>(reszta.data()) + at)) >= 1)
            continue; // the item is back and its record was written above
        bytes.append(reszta, at, ROZMIAR_POWTORKI);
        ++zapisane;
    }

    if (!stan_powtorek.plik.zapisz_do(w_folderze_usera(file), bytes)) {
        core::progress_hide();
        return false;
    }
    ustawienia.linia[U_ILE_REKORDOW] = zapisane;
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
    if (zapis_powtorek_zablokowany() || stan_powtorek.kopia_zablokowana) return false;
    return zapisz_powtorki_do(plik_kopii_powtorek(ustawienia.linia[U_LICZNIK]));
}

bool zapisz_info_powtorek(const std::string& file, int count) {
    // Rewriting p.i from nothing would lose the lines of the other files.
    core::PlikUcznia plik;
    std::vector<WpisInfo> wpisy;
    if (!czytaj_info(plik, wpisy)) return false;

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
    return zapisz_info(plik, wpisy);
}

bool uzgodnij_info_powtorek() {
    core::PlikUcznia plik;
    std::vector<WpisInfo> wpisy;
    bool zmiana = false;
    if (!czytaj_info(plik, wpisy, &zmiana)) return false;
    std::vector<std::string> nazwy = {"p.b", "p_kopia.b", "p_kopia_5.b", "p_kopia_10.b"};
    for (const WpisInfo& w : wpisy)
        if (std::find(nazwy.begin(), nazwy.end(), w.nazwa) == nazwy.end() &&
            w.nazwa.find_first_of("/\\") == std::string::npos)
            nazwy.push_back(w.nazwa);

    for (const std::string& nazwa : nazwy) {
        const std::string path = sciezka_usera + nazwa;
        // Its records counted as read: the size a file reports is not what it holds
        // when it cannot be read.
        std::string bytes;
        if (os::read_whole_file(path, bytes) != os::ReadStatus::ok) continue;
        const long long rozmiar = static_cast<long long>(bytes.size());
        const long long mtime = os::file_mtime(path);
        if (mtime < 0 || rozmiar % ROZMIAR_POWTORKI != 0) continue;
        const std::string ile = IntToStr(rozmiar / ROZMIAR_POWTORKI);
        // Whole seconds, as p.i holds them.
        const double zmieniony = std::floor(os::serial_of_unix_time(mtime) * 86400.0) / 86400.0;
        auto it = std::find_if(wpisy.begin(), wpisy.end(),
                               [&](const WpisInfo& w) { return w.nazwa == nazwa; });
        if (it == wpisy.end()) {
            if (wpisy.size() >= MAX_INFO_POWTOREK) continue;
            it = wpisy.insert(wpisy.end(), WpisInfo{nazwa, "", ""});
        } else if (it->ile == ile && czas_wpisu(*it) + 0.5 / 86400.0 >= zmieniony) {
            continue;
        }
        it->czas = os::format_date_time(zmieniony);
        it->ile = ile;
        zmiana = true;
    }
    return !zmiana || zapisz_info(plik, wpisy);
}

bool zapis_powtorek_zablokowany() {
    return !stan_powtorek.plik.zapis_dozwolony() || stan_powtorek.baza_niepelna;
}
bool kopia_powtorek_zablokowana() {
    return stan_powtorek.kopia_zablokowana;
}
void zezwol_na_zapis_powtorek() {
    stan_powtorek.plik.zezwol();
    stan_powtorek.kopia_zablokowana = false;
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
    stan_powtorek.plik.uszkodzony();
    stan_powtorek.kopia_zablokowana = true;
    stan_powtorek.baza_niepelna = true;
}
