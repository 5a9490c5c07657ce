#include "core/items.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

#include "core/errors.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

StanDanych stan_danych;

TBazaSlowek& baza = stan_danych.baza;
int& ile_powiazan = stan_danych.ile_powiazan;
std::vector<int32_t>& powiazanie_slowo = stan_danych.powiazanie_slowo;
std::vector<int32_t>& powiazanie_zdanie = stan_danych.powiazanie_zdanie;
int& ile_grup = stan_danych.ile_grup;
std::array<TGrupa, MAX_GRUP + 1>& grupy = stan_danych.grupy;
bool& tryb_korekty = stan_danych.tryb_korekty;
bool& komentarze_zmienione = stan_danych.komentarze_zmienione;

TBazaSlowek::TBazaSlowek()
    : grupa(MAX_SLOW + 1), slowo_usera(MAX_SLOW + 1), id_slowa(MAX_SLOW + 1), poziom(MAX_SLOW + 1),
      rodzaj(MAX_SLOW + 1), slowo_obce(MAX_SLOW + 1), tlumaczenie(MAX_SLOW + 1),
      l_mnoga(MAX_SLOW + 1), synonimy(MAX_SLOW + 1), uwagi(MAX_SLOW + 1), wymowa(MAX_SLOW + 1),
      pole_6(MAX_SLOW + 1), pole_7(MAX_SLOW + 1), znacznik_s(MAX_SLOW + 1),
      tlumaczenie_zdania(MAX_SLOW + 1), opcje_wyboru(MAX_SLOW + 1), pole_zdania_7(MAX_SLOW + 1),
      komentarz(MAX_SLOW + 1), tekst_szukania(MAX_SLOW + 1), korekta_tekst1(MAX_SLOW + 1),
      korekta_tekst2(MAX_SLOW + 1), korekta_flagi(MAX_SLOW + 1), ma_korekte(MAX_SLOW + 1) {}

void TBazaSlowek::wyczysc_pozycje(int i) {
    if (i < 0 || i > MAX_SLOW) return;
    grupa[i] = 0;
    slowo_usera[i] = 0;
    id_slowa[i] = 0;
    poziom[i] = 0;
    rodzaj[i] = 0;
    znacznik_s[i] = 0;
    for (auto* col : {&slowo_obce, &tlumaczenie, &l_mnoga, &synonimy, &uwagi, &wymowa, &pole_6,
                      &pole_7, &tlumaczenie_zdania, &opcje_wyboru, &pole_zdania_7, &komentarz,
                      &tekst_szukania, &korekta_tekst1, &korekta_tekst2})
        (*col)[i].clear();
    korekta_flagi[i] = {};
    ma_korekte[i] = 0;
}

void TBazaSlowek::przenies_pozycje(int z, int do_) {
    if (z < 0 || z > MAX_SLOW || do_ < 0 || do_ > MAX_SLOW || z == do_) return;
    for (auto* col : {&grupa, &id_slowa, &poziom, &rodzaj, &znacznik_s})
        (*col)[do_] = (*col)[z];
    for (auto* col : {&slowo_usera, &ma_korekte})
        (*col)[do_] = (*col)[z];
    for (auto* col : {&slowo_obce, &tlumaczenie, &l_mnoga, &synonimy, &uwagi, &wymowa, &pole_6,
                      &pole_7, &tlumaczenie_zdania, &opcje_wyboru, &pole_zdania_7, &komentarz,
                      &tekst_szukania, &korekta_tekst1, &korekta_tekst2})
        (*col)[do_] = std::move((*col)[z]);
    korekta_flagi[do_] = korekta_flagi[z];
    wyczysc_pozycje(z);
}

namespace {

std::string plik(const std::string& name) {
    return sciezka_programu + name;
}

// The "="-separated pieces of a line: piece 0 before the first "=", piece k
// between the k-th and the next "=" (or the end of the line).
std::vector<std::string_view> pola(std::string_view s) {
    std::vector<std::string_view> out;
    size_t i = 0;
    for (;;) {
        size_t j = s.find('=', i);
        if (j == std::string_view::npos) {
            out.push_back(s.substr(i));
            return out;
        }
        out.push_back(s.substr(i, j - i));
        i = j + 1;
    }
}

std::string pole(const std::vector<std::string_view>& p, size_t k) {
    return k < p.size() ? Trim(p[k]) : std::string();
}

// ID at the head of a line of the form ID = rest; 0 when there is none.
int32_t id_wiersza(const std::string& s) {
    const int eq = Pos("=", s);
    return eq > 0 ? StrToIntDef(Trim(s.substr(0, static_cast<size_t>(eq - 1))), 0) : 0;
}

// ID in columns 5-9 of an item line.
int32_t id_pozycji(const std::string& s) {
    return StrToIntDef(Trim(Copy(Trim(s), 5, 5)), 0);
}

bool liczba_dodatnia(const std::string& s) {
    return StrToIntDef(Trim(s), 0) > 0;
}

// Reads a course file line by line; a malformed number ends the read with
// the file and line named. A missing file reads as empty; one that exists but
// cannot be read throws, so a store short of its items is never taken for whole.
void czytaj_linie(const std::string& file, const std::function<bool(const std::string&)>& linia) {
    std::vector<std::string> lines;
    switch (os::read_lines(file, lines)) {
    case os::ReadStatus::missing:
        return;
    case os::ReadStatus::failed:
        throw core::blad_odczytu(file);
    case os::ReadStatus::ok:
        break;
    }
    for (size_t n = 0; n < lines.size(); ++n) {
        try {
            if (!linia(lines[n])) break;
        } catch (const core::ConversionError&) {
            core::rethrow_in_file(file, static_cast<int>(n) + 1);
        }
    }
}

// The same for a learner file: one that cannot be read is reported and read
// as nothing, and its writer stays blocked. False then. A line the reader
// does not understand is kept by it, so the reader never throws.
bool czytaj_linie_ucznia(core::PlikUcznia& plik_ucznia, const std::string& file,
                         const std::function<bool(const std::string&)>& linia) {
    std::vector<std::string> lines;
    if (!plik_ucznia.wczytaj_linie(file, lines)) return false;
    for (const std::string& l : lines)
        if (!linia(l)) break;
    return true;
}

// The number a text reads as, when it is one.
bool liczba(const std::string& s, int& out) {
    try {
        out = na_liczbe(s);
        return true;
    } catch (const core::ConversionError&) {
        return false;
    }
}

// The ID of an own-word line whose fixed columns (group, own flag, ID, level,
// kind) are all numbers; 0 for any other line, which is written back as read.
int32_t id_zrozumialej_pozycji(const std::string& raw) {
    const std::string s = Trim(raw);
    int v = 0;
    for (const auto& [od, ile] : {std::pair{1, 2}, {4, 1}, {5, 5}, {11, 1}, {12, 1}})
        if (!liczba(Copy(s, od, ile), v)) return 0;
    return id_pozycji(s);
}

// Fills item i's common columns 1-13 and the foreign text; returns the pieces.
std::vector<std::string_view> czytaj_kolumny(int i, const std::string& s) {
    baza.wyczysc_pozycje(i);
    baza.grupa[i] = na_liczbe(Copy(s, 1, 2));
    baza.slowo_usera[i] = static_cast<uint8_t>(na_liczbe(Copy(s, 4, 1)));
    baza.id_slowa[i] = na_liczbe(Copy(s, 5, 5));
    baza.poziom[i] = na_liczbe(Copy(s, 11, 1));
    baza.rodzaj[i] = na_liczbe(Copy(s, 12, 1));
    auto p = pola(s);
    baza.slowo_obce[i] = Trim(Copy(p[0], 14, static_cast<int>(p[0].size())));
    return p;
}

enum class Rodzaj { slowa, zdania };

// Appends the items of a course file, or of the own words when `plik_ucznia`
// is given (their lines beyond the store's limit go to `reszta`). False when
// the own words could not be read.
bool wczytaj_pozycje(const std::string& file, Rodzaj rodzaj, std::vector<std::string>* reszta,
                     core::PlikUcznia* plik_ucznia = nullptr) {
    struct Indeks {
        ~Indeks() { przebuduj_indeks(); }
    } indeks;
    bool niezrozumiale = false;
    auto linia = [&](const std::string& raw) {
        const std::string s = Trim(raw);
        if (s.size() <= 7) {
            // No item; written back as it was read.
            if (reszta && !s.empty()) reszta->push_back(raw);
            return true;
        }
        if (baza.ile_slow >= MAX_SLOW) {
            if (!reszta) return false;
            // Kept for the rewrite; its ID still counts as seen.
            reszta->push_back(raw);
            if (rodzaj == Rodzaj::slowa) baza.max_id = std::max(baza.max_id, id_pozycji(s));
            return true;
        }
        const int i = baza.ile_slow + 1;
        std::vector<std::string_view> p;
        try {
            p = czytaj_kolumny(i, s);
        } catch (const core::ConversionError&) {
            baza.wyczysc_pozycje(i);
            if (!reszta) throw;
            // An own word whose columns are not numbers: kept as it was read,
            // its ID (when it reads) taken by no new word.
            niezrozumiale = true;
            reszta->push_back(raw);
            baza.max_id = std::max(baza.max_id, id_pozycji(s));
            return true;
        }
        baza.ile_slow = i;
        baza.tlumaczenie[i] = pole(p, 1);
        baza.synonimy[i] = pole(p, 3);
        baza.uwagi[i] = pole(p, 4);
        if (rodzaj == Rodzaj::slowa) {
            if (baza.id_slowa[i] > baza.max_id) baza.max_id = baza.id_slowa[i];
            baza.l_mnoga[i] = pole(p, 2);
            baza.wymowa[i] = pole(p, 5);
            baza.pole_6[i] = pole(p, 6);
            baza.pole_7[i] = pole(p, 7);
            baza.znacznik_s[i] = pole(p, 8) == "s" ? 1 : 0;
            if (baza.slowo_usera[i] != 1 && !liczba_dodatnia(baza.wymowa[i]))
                baza.wymowa[i].clear();
        } else {
            baza.tlumaczenie_zdania[i] = pole(p, 2);
            baza.opcje_wyboru[i] = pole(p, 5);
            baza.wymowa[i] = pole(p, 6);
            baza.pole_zdania_7[i] = pole(p, 7);
            if (!liczba_dodatnia(baza.wymowa[i])) baza.wymowa[i].clear();
        }
        if (baza.id_slowa[i] < 1) {
            baza.wyczysc_pozycje(i);
            --baza.ile_slow;
        }
        return true;
    };
    if (!plik_ucznia) {
        czytaj_linie(file, linia);
        return true;
    }
    if (!czytaj_linie_ucznia(*plik_ucznia, file, linia)) return false;
    if (niezrozumiale) plik_ucznia->niezrozumiale_wiersze();
    return true;
}

// Lines of the form ID = rest, at most ile_slow of them; `zastosuj` takes the
// item index and the text after the first "=". Lines for items not in the
// store, and lines beyond the limit, are kept for the rewrite.
void wczytaj_wg_id(core::PlikUcznia& plik_ucznia, const std::string& file,
                   std::vector<std::string>& reszta,
                   const std::function<void(int, const std::string&)>& zastosuj) {
    reszta.clear();
    int przeczytane = 0;
    bool niezrozumiale = false;
    const bool ok = czytaj_linie_ucznia(plik_ucznia, file, [&](const std::string& s) {
        const bool w_limicie = przeczytane < baza.ile_slow;
        if (w_limicie) ++przeczytane;
        if (Trim(s).empty()) return true;
        const int eq = Pos("=", s);
        const bool krotka = Trim(s).size() <= 3;
        // A line of no ID at all, or of an ID that is not a number, is written
        // back as it was read.
        int id = 0;
        const bool zrozumiala =
            eq > 0 && (krotka || !w_limicie || liczba(s.substr(0, static_cast<size_t>(eq - 1)), id));
        if (!zrozumiala) niezrozumiale = true;
        const int i = zrozumiala && w_limicie && !krotka ? znajdz_slowko(id) : -1;
        if (i < 1)
            reszta.push_back(s);
        else
            zastosuj(i, s.substr(static_cast<size_t>(eq)));
        return true;
    });
    if (ok && niezrozumiale) plik_ucznia.niezrozumiale_wiersze();
}

// Writes a learner file, the kept lines after the store's own, except those
// whose ID the store's own lines now carry.
bool zapisz_plik(core::PlikUcznia& plik_ucznia, std::vector<std::string> lines,
                 const std::vector<std::string>& reszta, int32_t (*id_of)(const std::string&)) {
    std::unordered_set<int32_t> zapisane;
    for (const auto& s : lines)
        zapisane.insert(id_of(s));
    for (const auto& s : reszta) {
        const int32_t id = id_of(s);
        if (id <= 0 || zapisane.count(id) == 0) lines.push_back(s);
    }
    return plik_ucznia.zapisz_linie(lines);
}

} // namespace

std::vector<int32_t> id_zachowanych_slowek_usera() {
    std::vector<int32_t> ids;
    for (const std::string& s : stan_danych.reszta_usera)
        if (const int32_t id = id_pozycji(s); id > 0) ids.push_back(id);
    return ids;
}

void przebuduj_indeks() {
    auto& indeks = stan_danych.indeks;
    indeks.clear();
    indeks.reserve(static_cast<size_t>(baza.ile_slow) * 2);
    for (int i = 1; i <= baza.ile_slow; ++i)
        indeks.emplace(baza.id_slowa[i], i); // keeps the lowest index
    stan_danych.indeks_ile = baza.ile_slow;
}

int znajdz_slowko(int id) {
    auto& indeks = stan_danych.indeks;
    if (stan_danych.indeks_ile != baza.ile_slow) przebuduj_indeks();
    auto it = indeks.find(id);
    if (it != indeks.end() && baza.id_slowa[it->second] != id) {
        przebuduj_indeks(); // the store changed without a rebuild
        it = indeks.find(id);
    }
    return it == indeks.end() ? -1 : it->second;
}

void wczytaj_slowka(const std::string& file) {
    wczytaj_pozycje(file, Rodzaj::slowa, nullptr);
}

void wczytaj_zdania(const std::string& file) {
    wczytaj_pozycje(file, Rodzaj::zdania, nullptr);
}

void wczytaj_powiazania() {
    ile_powiazan = 0;
    const std::string name = plik_edycji("conec?.txt");
    if (name.empty()) return;
    czytaj_linie(plik(name), [](const std::string& raw) {
        if (ile_powiazan >= MAX_POWIAZAN) return false;
        const std::string s = Trim(raw);
        if (s.size() <= 7) return true;
        auto p = pola(s);
        const int slowo = na_liczbe(pole(p, 0));
        const int zdanie = na_liczbe(pole(p, 1));
        ++ile_powiazan;
        powiazanie_slowo[ile_powiazan] = slowo;
        powiazanie_zdanie[ile_powiazan] = zdanie;
        return true;
    });
}

void wczytaj_grupy() {
    const std::string name = plik_edycji("gt?_s.txt");
    if (name.empty() || !os::entry_exists(plik(name))) return;
    ile_grup = 0;
    for (auto& g : grupy)
        g = TGrupa{};
    czytaj_linie(plik(name), [](const std::string& raw) {
        if (ile_grup >= MAX_GRUP) return false;
        const std::string s = Trim(raw);
        if (s.size() <= 7) return true;
        auto p = pola(s);
        TGrupa g;
        g.numer = na_liczbe(pole(p, 0));
        g.flaga = static_cast<uint8_t>(na_liczbe(pole(p, 1)));
        g.tekst1 = pole(p, 2);
        g.nazwa = pole(p, 3);
        g.tekst3 = pole(p, 4);
        grupy[++ile_grup] = std::move(g);
        return true;
    });
}

void wczytaj_komentarze() {
    for (int i = 1; i <= baza.ile_slow; ++i)
        baza.komentarz[i].clear();
    wczytaj_wg_id(stan_danych.komentarze, plik("kom_user.txt"), stan_danych.reszta_komentarzy,
                  [](int i, const std::string& rest) { baza.komentarz[i] = Trim(rest); });
}

bool zapisz_komentarze() {
    std::vector<std::string> lines;
    for (int i = 1; i <= baza.ile_slow; ++i)
        // A deleted own word keeps its index with ID 0: its comment goes with it.
        if (!baza.komentarz[i].empty() && baza.id_slowa[i] > 0)
            lines.push_back(IntToStr(baza.id_slowa[i]) + " = " + baza.komentarz[i]);
    if (!zapisz_plik(stan_danych.komentarze, std::move(lines), stan_danych.reszta_komentarzy,
                     id_wiersza))
        return false;
    komentarze_zmienione = false;
    return true;
}

bool zapisz_slowka_usera() {
    if (!stan_danych.slowka_usera.zapis_dozwolony())
        return stan_danych.slowka_usera.zapisz_linie({}); // refused, with its message
    core::progress_show("Zapisuje...", 0);
    std::vector<std::string> lines;
    auto z = [](const std::string& s) { return zamien_rowna(s, 1); };
    for (int i = 1; i <= baza.ile_slow; ++i) {
        if (baza.slowo_usera[i] != 1 || baza.id_slowa[i] <= 0 || baza.slowo_obce[i].empty())
            continue;
        lines.push_back(
            liczba_z_zerami(2, baza.grupa[i]) + " 1" + liczba_z_zerami(5, baza.id_slowa[i]) + " " +
            IntToStr(baza.poziom[i]) + IntToStr(baza.rodzaj[i]) + " " + z(baza.slowo_obce[i]) +
            " = " + z(baza.tlumaczenie[i]) + " =" + z(baza.l_mnoga[i]) + "= " +
            z(baza.synonimy[i]) + "= " + z(baza.uwagi[i]) + " =" + z(baza.wymowa[i]) + "= = = =");
    }
    const bool ok =
        zapisz_plik(stan_danych.slowka_usera, std::move(lines), stan_danych.reszta_usera,
                    id_zrozumialej_pozycji);
    core::progress_hide();
    return ok;
}

void czytaj_korekte() {
    for (int i = 1; i <= baza.ile_slow; ++i) {
        baza.korekta_tekst1[i].clear();
        baza.korekta_tekst2[i].clear();
        baza.korekta_flagi[i] = {};
        baza.ma_korekte[i] = 0;
    }
    wczytaj_wg_id(stan_danych.korekta, plik("korekta_dane.txt"), stan_danych.reszta_korekty,
                  [](int i, const std::string& rest) {
                      auto p = pola(rest);
                      baza.korekta_tekst1[i] = pole(p, 0);
                      const std::string flagi = pole(p, 1);
                      for (int k = 0; k < 4; ++k)
                          baza.korekta_flagi[i][k] = Copy(flagi, k + 1, 1) == "1";
                      baza.korekta_tekst2[i] = pole(p, 2);
                      baza.ma_korekte[i] = 1;
                  });
}

bool zapisz_korekte() {
    if (!tryb_korekty) return true; // the file belongs to correction mode only
    std::vector<std::string> lines;
    for (int i = 1; i <= baza.ile_slow; ++i) {
        if (!baza.ma_korekte[i]) continue;
        std::string flagi;
        for (bool f : baza.korekta_flagi[i])
            flagi += f ? '1' : '0';
        // An "=" of a text would end its field.
        lines.push_back(IntToStr(baza.id_slowa[i]) + " = " +
                        zamien_rowna(baza.korekta_tekst1[i], 1) + " = " + flagi + " =" +
                        zamien_rowna(baza.korekta_tekst2[i], 1) + "=");
    }
    return zapisz_plik(stan_danych.korekta, std::move(lines), stan_danych.reszta_korekty,
                       id_wiersza);
}

namespace {

// Loads the whole store; `korekta` adds the correction data when its panel
// file is there (the trainer only).
void wczytaj_baze(bool korekta) {
    baza.ile_slow = 0;
    baza.ile_slowek = 0;
    baza.max_id = 40000;
    stan_danych.reszta_usera.clear();
    // Until every file was read whole the store is short of items, and the
    // learner files not read stay unwritable.
    stan_danych.niepelna = true;
    stan_danych.slowka_usera = {};
    stan_danych.komentarze = {};
    stan_danych.korekta = {};
    tryb_korekty = false;
    przebuduj_indeks();
    const std::string slowa = plik_edycji("sb?_slow.txt");
    if (slowa.empty()) return; // no edition read: nothing to load
    wczytaj_slowka(plik(slowa));
    const bool usera = wczytaj_pozycje(plik("sbusr.txt"), Rodzaj::slowa,
                                       &stan_danych.reszta_usera, &stan_danych.slowka_usera);
    baza.ile_slowek = baza.ile_slow;
    wczytaj_zdania(plik(plik_edycji("zd?.txt")));
    // Every item is in; what follows only adds to them.
    stan_danych.niepelna = !usera;
    wczytaj_powiazania();
    wczytaj_komentarze();
    if (!korekta) return;
    tryb_korekty = os::file_exists(plik("korekta_panel.cfg"));
    if (tryb_korekty) czytaj_korekte();
}

} // namespace

void wczytaj_dane() {
    wczytaj_baze(true);
}

void wczytaj_dane_slownika() {
    wczytaj_baze(false);
}

bool baza_niepelna() {
    return stan_danych.niepelna;
}

std::string nazwa_grupy(int numer) {
    for (int g = 1; g <= ile_grup; ++g)
        if (grupy[g].numer == numer) return grupy[g].nazwa;
    return {};
}

std::string opis_slowa(int i) {
    if (i < 1 || i > baza.ile_slow) return {};
    return nazwa_grupy(baza.grupa[i]);
}

void przygotuj_zdania() {
    for (int i = baza.ile_slowek + 1; i <= baza.ile_slow; ++i)
        baza.tekst_szukania[i] = LowerCase(usun_znaczniki(baza.slowo_obce[i]));
}

std::string tekst_szukania_slownika(const std::string& obce) {
    std::string t = " " + LowerCase(usun_znaczniki(obce));
    if (t.back() == '.' || t.back() == '?') t.back() = ' ';
    return t;
}

void przygotuj_zdania_slownika() {
    for (int i = baza.ile_slowek + 1; i <= baza.ile_slow; ++i)
        baza.tekst_szukania[i] = tekst_szukania_slownika(baza.slowo_obce[i]);
}

void wyczysc_baze() {
    stan_danych = {};
}
