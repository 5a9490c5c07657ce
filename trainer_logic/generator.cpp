#include "trainer_logic/generator.h"

#include <algorithm>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"

namespace generator {

namespace {

constexpr int PIERWSZE_ID = 40000; // own IDs follow it
constexpr int GRANICA_ID = 50000;  // built-in words above it

bool w_bazie(int i) {
    return i >= 1 && i <= baza.ile_slow;
}

bool ma_koniec_linii(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

// The texts as the item files keep them: "=" would end a field, so it is
// held as "#", the same in memory as after a reload.
void zapisz_pola(int i, const Slowko& s) {
    auto z = [](const std::string& t) { return zamien_rowna(Trim(t), 1); };
    baza.slowo_obce[i] = z(s.obce);
    baza.tlumaczenie[i] = z(s.polskie);
    baza.l_mnoga[i] = z(s.l_mnoga);
    baza.synonimy[i] = z(s.synonimy);
    baza.uwagi[i] = z(s.uwagi);
    baza.grupa[i] = s.grupa;
    baza.poziom[i] = std::clamp(s.poziom, 1, 3);
    baza.rodzaj[i] = std::clamp(s.rodzaj, 1, 4);
}

} // namespace

std::string na_ekran(const std::string& tekst) {
    return tekst.find('#') == std::string::npos ? tekst : zamien_rowna(tekst, 2);
}

bool widoczna(int i) {
    return w_bazie(i) && baza.id_slowa[i] > 0;
}

std::vector<int> wszystkie() {
    std::vector<int> out;
    out.reserve(static_cast<size_t>(baza.ile_slow));
    for (int i = 1; i <= baza.ile_slow; ++i)
        if (widoczna(i)) out.push_back(i);
    return out;
}

std::vector<int> filtruj(const Filtr& f) {
    std::vector<int> out;
    for (int i = 1; i <= baza.ile_slow; ++i) {
        if (!widoczna(i)) continue;
        if (f.poziom > 0 && baza.poziom[i] != f.poziom) continue;
        if (f.rodzaj > 0 && baza.rodzaj[i] != f.rodzaj) continue;
        if (f.z_grupa && baza.grupa[i] != f.grupa) continue;
        if (f.uczone > 0) {
            const bool uczone = i <= MAX_POWTOREK && tab_powtorek[i].id > 0;
            if (uczone != (f.uczone == 1)) continue;
        }
        out.push_back(i);
    }
    return out;
}

std::string male_az(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool pasuje(const std::string& tekst, const std::string& szukany, bool cale, bool bez_wielkosci) {
    if (cale) return bez_wielkosci ? male_az(tekst) == male_az(szukany) : tekst == szukany;
    if (bez_wielkosci) return pos_od(1, male_az(tekst), male_az(szukany)) > 0;
    return pos_od(1, tekst, szukany) > 0;
}

std::vector<int> szukaj(const std::string& szukany, const Szukanie& s) {
    return szukaj(szukany, szukany, s);
}

std::vector<int> szukaj(const std::string& obcy, const std::string& polski, const Szukanie& s) {
    std::vector<int> out;
    // The texts hold "=" as "#", as the item files do. Each pattern is folded
    // once; each text is compared at most once.
    auto wzor = [&](const std::string& t) {
        return zamien_rowna(s.bez_wielkosci ? male_az(t) : t, 1);
    };
    const std::string wzor_obcy = wzor(obcy), wzor_polski = wzor(polski);
    const bool w_obcych = s.obce && !obcy.empty(), w_polskich = s.polskie && !polski.empty();
    for (int i = 1; i <= baza.ile_slow; ++i) {
        if (!widoczna(i)) continue;
        if ((w_obcych && pasuje(baza.slowo_obce[i], wzor_obcy, s.cale, s.bez_wielkosci)) ||
            (w_polskich && pasuje(baza.tlumaczenie[i], wzor_polski, s.cale, s.bez_wielkosci)))
            out.push_back(i);
    }
    return out;
}

std::string linia_liczby(int ile, const std::string& szukany) {
    if (szukany.empty()) return IntToStr(ile);
    return os::pl("Słowo \"") + szukany + os::pl("\" wystąpiło ") + IntToStr(ile) +
           (ile == 1 ? " raz." : " razy.");
}

os::PartedText opis_slowka(int i) {
    if (!w_bazie(i)) return {};
    static const char* const rodzaje[] = {"Rzeczownik", "Przymiotnik", "Czasownik", "Różne",
                                          "Zdanie"};
    static const char* const poziomy[] = {" - poziom: łatwy;", " - poziom: średni;",
                                          " - poziom: trudny;"};
    os::PartedText opis;
    std::string s;
    const int rodzaj = baza.rodzaj[i];
    if (rodzaj == 5) {
        opis.push_back({baza.slowo_obce[i], czcionka_charset});
        s = "\n\r";
    }
    if (rodzaj >= 1 && rodzaj <= 5) s += os::pl(rodzaje[rodzaj - 1]);
    if (baza.poziom[i] >= 1 && baza.poziom[i] <= 3) s += os::pl(poziomy[baza.poziom[i] - 1]);
    s += os::pl(" Grupa: ") + nazwa_grupy(baza.grupa[i]);
    if (i <= MAX_POWTOREK && tab_powtorek[i].ile_powtorzen >= 1)
        s += os::pl(" [Powtórki: ") + IntToStr(tab_powtorek[i].ile_powtorzen) + "]";
    opis.push_back({s, 238});
    return opis;
}

Znaczniki znaczniki(int i) {
    Znaczniki z;
    if (!w_bazie(i)) return z;
    z.wlasne = baza.slowo_usera[i] == 1;
    z.nagranie = !z.wlasne && !baza.wymowa[i].empty();
    z.s = baza.znacznik_s[i] == 1;
    return z;
}

bool ListaCwiczenia::zawiera(int i) const {
    return std::find(pozycje_.begin(), pozycje_.end(), i) != pozycje_.end();
}

bool ListaCwiczenia::dodaj(const std::vector<int>& items) {
    bool za_duzo = false;
    for (int i : items) {
        if (zawiera(i)) continue;
        if (ile() >= MAX_LISTA) {
            za_duzo = true;
            continue;
        }
        if (widoczna(i)) pozycje_.push_back(i);
    }
    return za_duzo;
}

void ListaCwiczenia::usun(int k) {
    if (k < 0 || k >= ile()) return;
    pozycje_.erase(pozycje_.begin() + k);
}

void ListaCwiczenia::z_listy_biegu() {
    pozycje_.clear();
    const int n = std::clamp(ile_w_liscie, 0, MAX_LISTA);
    for (int k = 1; k <= n; ++k) {
        const int i = lista_cwiczenia[static_cast<size_t>(k)];
        if (widoczna(i) && !zawiera(i)) pozycje_.push_back(i);
    }
}

void ListaCwiczenia::do_listy_biegu() const {
    ile_w_liscie = std::min(ile(), MAX_LISTA);
    for (int k = 1; k <= ile_w_liscie; ++k) {
        const int i = pozycje_[static_cast<size_t>(k - 1)];
        lista_cwiczenia[static_cast<size_t>(k)] = i;
        lista_id[static_cast<size_t>(k)] = baza.id_slowa[i];
    }
}

std::string ListaCwiczenia::tekst_schowka() const {
    std::string s;
    for (int i : pozycje_)
        if (w_bazie(i))
            s += os::to_utf8({{na_ekran(baza.slowo_obce[i]), czcionka_charset},
                              {" = " + na_ekran(baza.tlumaczenie[i]) + "\r\n", 238}});
    return s;
}

std::vector<Grupa> grupy_cwiczen() {
    std::vector<Grupa> out;
    for (int g = 1; g <= std::min(ile_grup, MAX_GRUP); ++g)
        if (grupy[g].flaga == 1) out.push_back({grupy[g].numer, grupy[g].nazwa});
    return out;
}

std::vector<Grupa> grupy_slowek() {
    std::vector<Grupa> out;
    for (int g = 1; g <= std::min(ile_grup, MAX_GRUP); ++g)
        if (grupy[g].numer != 0) out.push_back({grupy[g].numer, grupy[g].nazwa});
    return out;
}

std::string tytul_cwiczenia(const std::string& tekst) {
    std::string t = tekst;
    std::replace(t.begin(), t.end(), '\r', ' ');
    std::replace(t.begin(), t.end(), '\n', ' ');
    return Trim(Copy(Trim(t), 1, 16));
}

std::string kod_cwiczenia(int grupa, int poziom) {
    return "2" + liczba_z_zerami(2, grupa) + "-" + IntToStr(poziom);
}

int nastepne_id() {
    int max_id = PIERWSZE_ID;
    auto widziane = [&](int id) {
        if (id > max_id && id < GRANICA_ID) max_id = id;
    };
    for (int i = 1; i <= baza.ile_slow; ++i)
        widziane(baza.id_slowa[i]);
    // Own-word lines kept as they were read go back into the file with their IDs.
    for (const int32_t id : id_zachowanych_slowek_usera())
        widziane(id);
    return max_id + 1 < GRANICA_ID ? max_id + 1 : 0;
}

bool mozna_zapisac(const Slowko& s) {
    if (Trim(s.obce).empty() || Trim(s.polskie).empty()) return false;
    for (const std::string* t : {&s.obce, &s.polskie, &s.l_mnoga, &s.synonimy, &s.uwagi})
        if (ma_koniec_linii(*t)) return false;
    return true;
}

Slowko z_bazy(int i) {
    Slowko s;
    if (!w_bazie(i)) return s;
    auto z = [](const std::string& t) { return zamien_rowna(t, 2); };
    s.obce = z(baza.slowo_obce[i]);
    s.polskie = z(baza.tlumaczenie[i]);
    s.l_mnoga = z(baza.l_mnoga[i]);
    s.synonimy = z(baza.synonimy[i]);
    s.uwagi = z(baza.uwagi[i]);
    s.grupa = baza.grupa[i];
    s.poziom = baza.poziom[i];
    s.rodzaj = baza.rodzaj[i];
    return s;
}

int dodaj(const Slowko& s, const std::string& nagranie) {
    if (!mozna_zapisac(s) || ma_koniec_linii(nagranie)) {
        core::show_info(os::pl("Słówko musi mieć tekst obcy i polski w jednej linii."));
        return 0;
    }
    if (baza.ile_slow >= MAX_SLOW) {
        core::show_info(os::pl("Nie można dodać słówka: baza słówek jest pełna (") +
                        IntToStr(MAX_SLOW) + os::pl(" pozycji)."));
        return 0;
    }
    const int id = nastepne_id();
    if (id == 0) {
        core::show_info(os::pl("Nie można dodać słówka: brak wolnych numerów słówek ucznia."));
        return 0;
    }
    const int i = baza.ile_slow + 1;
    baza.wyczysc_pozycje(i);
    baza.ile_slow = i;
    baza.id_slowa[i] = id;
    baza.slowo_usera[i] = 1;
    baza.max_id = std::max(baza.max_id, id);
    zapisz_pola(i, s);
    baza.wymowa[i] = nagranie;
    przebuduj_indeks();
    return i;
}

bool zmien(int i, const Slowko& s) {
    if (!w_bazie(i)) return false;
    if (!mozna_zapisac(s)) {
        core::show_info(os::pl("Słówko musi mieć tekst obcy i polski w jednej linii."));
        return false;
    }
    zapisz_pola(i, s);
    return true;
}

void usun_slowko(int i) {
    if (!w_bazie(i)) return;
    baza.id_slowa[i] = 0;
    baza.slowo_obce[i].clear();
    baza.tlumaczenie[i].clear();
    if (!baza.komentarz[i].empty()) {
        baza.komentarz[i].clear();
        komentarze_zmienione = true;
    }
    przebuduj_indeks();
}

std::string komentarz_do_edycji(int i) {
    return w_bazie(i) ? baza.komentarz[i] : std::string();
}

void ustaw_komentarz(int i, const std::string& tekst) {
    if (!w_bazie(i)) return;
    std::string t = tekst;
    std::replace(t.begin(), t.end(), '\r', ' ');
    std::replace(t.begin(), t.end(), '\n', ' ');
    t = Trim(t);
    if (t != baza.komentarz[i]) komentarze_zmienione = true;
    baza.komentarz[i] = t;
}

} // namespace generator
