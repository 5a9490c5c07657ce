#include "core/exercises.h"

#include <algorithm>

#include "core/errors.h"
#include "core/exercise_types.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"
#include "platform/os/random.h"

StanCwiczen stan_cwiczen;

ListaPozycji& lista_id = stan_cwiczen.lista_id;
int& ile_w_liscie = stan_cwiczen.ile_w_liscie;
ListaPozycji& lista_cwiczenia = stan_cwiczen.lista_cwiczenia;
int& wybrany_typ = stan_cwiczen.wybrany_typ;
int& tryb_lekcji = stan_cwiczen.tryb_lekcji;
int& lista_gotowa = stan_cwiczen.lista_gotowa;
std::array<TPrzerywnik, MAX_PRZERYWNIKOW + 1>& przerywniki = stan_cwiczen.przerywniki;
std::array<std::string, MAX_TEL + 1>& tla_cwiczen = stan_cwiczen.tla_cwiczen;
std::array<bool, MAX_TEL + 1>& tla_uzyte = stan_cwiczen.tla_uzyte;
int& ile_tel = stan_cwiczen.ile_tel;
int& biezace_tlo = stan_cwiczen.biezace_tlo;

void wyczysc_cwiczenia() {
    stan_cwiczen = {};
}

namespace {

// Shows the first bad number met in one read; the rest are skipped quietly.
class BladLiczby {
  public:
    explicit BladLiczby(std::string file) : file_(std::move(file)) {}
    void zglos(int line, const core::ConversionError& e) {
        if (shown_) return;
        shown_ = true;
        core::show_info(core::blad_w_pliku(file_, line, e));
    }

  private:
    std::string file_;
    bool shown_ = false;
};

bool jest_w_liscie(int id, int count) {
    for (int k = 1; k <= count; ++k)
        if (lista_id[k] == id) return true;
    return false;
}

// Index of the n-th "=" of the line (n >= 1); npos when there are fewer.
size_t pozycja_rownosci(const std::string& line, int n) {
    size_t p = std::string::npos;
    for (int i = 0; i < n; ++i) {
        p = line.find('=', p == std::string::npos ? 0 : p + 1);
        if (p == std::string::npos) break;
    }
    return p;
}

} // namespace

std::string pole_linii(const std::string& line, int k) {
    size_t start = 0;
    for (int i = 1; i < k; ++i) {
        size_t p = line.find('=', start);
        if (p == std::string::npos) return {};
        start = p + 1;
    }
    size_t end = line.find('=', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int ile_rownosci(const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), '='));
}

std::string klucz_cwiczenia(const std::string& name) {
    return Copy(LowerCase(Trim(name)), 1, MAX_NAZWA_CW);
}

std::string plik_cwiczen() {
    return sciezka_programu + plik_edycji("cw?_s.txt");
}
std::string plik_cwiczen_usera() {
    return sciezka_programu + plik_edycji("cw?_su.txt");
}
std::string plik_cwiczen_tmp() {
    return sciezka_programu + "cw_tmp.txt";
}

namespace {

// The own list read through `plik`, which then writes it.
bool wczytaj_liste_usera(core::PlikUcznia& plik, std::vector<std::string>& lines) {
    std::string path = plik_cwiczen_usera();
    if (!os::entry_exists(path) && os::file_exists(plik_cwiczen_tmp())) path = plik_cwiczen_tmp();
    return plik.wczytaj_linie(path, lines);
}

// A list the program reads but never writes; one that exists but cannot be
// read is reported and reads as empty.
std::vector<std::string> linie_listy(const std::string& path) {
    std::vector<std::string> lines;
    if (os::read_lines(path, lines) == os::ReadStatus::failed)
        core::show_info(core::blad_odczytu(path).what());
    return lines;
}

} // namespace

bool lista_uszkodzona(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& l) { return !Trim(l).empty() && ile_rownosci(l) < 3; });
}

bool linie_cwiczen_usera(std::vector<std::string>& lines) {
    core::PlikUcznia plik;
    return wczytaj_liste_usera(plik, lines);
}

bool czytaj_liste_id(const std::string& file, const std::string& shown) {
    wybrany_typ = 0;
    ile_w_liscie = 0;
    const std::string& name = shown.empty() ? file : shown;
    // The dictionary appends to the hand-off file under a lock: never half an append.
    std::vector<std::string> lines;
    if (os::read_lines_locked(file, lines) == os::ReadStatus::failed) {
        core::show_info(core::blad_odczytu(name).what() + os::pl(" Plik pozostanie bez zmian."));
        return false;
    }
    BladLiczby blad(name);
    for (size_t n = 10; n < lines.size() && ile_w_liscie < MAX_LISTA; ++n) {
        int id = 0;
        try {
            id = na_liczbe(lines[n]);
        } catch (const core::ConversionError& e) {
            blad.zglos(static_cast<int>(n) + 1, e);
            continue;
        }
        if (id < 1 || jest_w_liscie(id, ile_w_liscie)) continue;
        lista_id[++ile_w_liscie] = id;
    }
    return true;
}

namespace {

// One exercise line: fields and the item cells from the third "=" on (one
// separator and five digits each), at most a full list, positive IDs only.
TCwiczenie rozbierz_cwiczenie(const std::string& line, int line_no, BladLiczby& blad) {
    TCwiczenie cw;
    cw.kod = Trim(pole_linii(line, 1));
    cw.nazwa = Trim(pole_linii(line, 2));
    cw.tytul = Trim(pole_linii(line, 3));
    const size_t third = pozycja_rownosci(line, 3);
    if (third == std::string::npos) return cw;
    std::string cells = line.substr(third);
    while (!cells.empty() && static_cast<int>(cw.id.size()) < MAX_LISTA) {
        try {
            const int id = na_liczbe(Copy(cells, 2, 5));
            if (id >= 1) cw.id.push_back(id);
        } catch (const core::ConversionError& e) {
            blad.zglos(line_no, e);
        }
        cells.erase(0, std::min<size_t>(6, cells.size()));
    }
    return cw;
}

} // namespace

void czytaj_cwiczenie(const std::string& name) {
    wybrany_typ = 0;
    ile_w_liscie = 0;
    const std::string key = klucz_cwiczenia(name);
    if (key.empty()) return;
    const bool own = key[0] == '2';
    std::vector<std::string> lines;
    if (own)
        linie_cwiczen_usera(lines);
    else
        lines = linie_listy(plik_cwiczen());
    BladLiczby blad(own ? plik_cwiczen_usera() : plik_cwiczen());
    for (size_t n = 0; n < lines.size(); ++n) {
        if (klucz_cwiczenia(pole_linii(lines[n], 2)) != key) continue;
        for (int id : rozbierz_cwiczenie(lines[n], static_cast<int>(n) + 1, blad).id)
            lista_id[++ile_w_liscie] = id;
        return;
    }
}

bool zapisz_cwiczenie_usera(const std::string& name, const std::string& title, int mode) {
    if (mode == 1 && ile_w_liscie < 1) {
        core::show_info(os::pl("Brak słówek do zapisu ćwiczenia!"));
        return false;
    }
    std::string cells;
    for (int k = 1; k <= std::min(ile_w_liscie, MAX_LISTA); ++k) {
        cells += '=';
        cells += liczba_z_zerami(5, lista_id[k]);
    }
    // An "=" of the title would end its field and shift the cells.
    const std::string tytul = zamien_rowna(title, 1);

    const std::string key = klucz_cwiczenia(name);
    core::PlikUcznia plik;
    std::vector<std::string> lines;
    if (!wczytaj_liste_usera(plik, lines)) return false;
    // Its login message said the list is kept as it is.
    if (lista_uszkodzona(lines)) {
        core::show_info(os::pl("Lista ćwiczeń użytkownika ") + os::path_text(plik.sciezka()) +
                        os::pl(" jest uszkodzona i pozostanie bez zmian. Ćwiczenie nie zostało "
                               "zapisane."));
        return false;
    }
    std::vector<std::string> out;
    if (plik.stan() != core::PlikUcznia::Stan::nowy) {
        const std::string replacement =
            "9=" + name + os::pl("= Ćwiczenie usera [") + tytul + "]" + cells;
        int highest = 0;
        bool matched = false;
        for (const std::string& line : lines) {
            const std::string line_key = LowerCase(Trim(pole_linii(line, 2)));
            const std::string tail =
                line_key.size() >= 4 ? line_key.substr(line_key.size() - 4) : "";
            if (!tail.empty() &&
                std::all_of(tail.begin(), tail.end(), [](char c) { return c >= '0' && c <= '9'; }))
                highest = std::max(highest, std::stoi(tail));
            if (!key.empty() && Copy(line_key, 1, MAX_NAZWA_CW) == key) {
                matched = true;
                if (mode == 1) out.push_back(replacement);
            } else {
                out.push_back(line);
            }
        }
        if (!matched && mode != 1) return true;
        if (!matched)
            out.push_back("9=" + name + "-" + liczba_z_zerami(4, highest + 1) + "=" + tytul +
                          cells);
    } else {
        if (mode != 1) return true;
        out.push_back("9=" + name + "-0001=" + tytul + cells);
    }
    return plik.zapisz_do(plik_cwiczen_usera(), os::join_crlf(out));
}

void wybierz_do_cwiczenia() {
    ile_w_liscie = std::clamp(ile_w_liscie, 0, MAX_LISTA);

    // Sentences linked to the chosen words, each once, at most a full list.
    std::vector<int> zdania;
    for (int k = 1; k <= ile_w_liscie; ++k) {
        const int id = lista_id[k];
        if (id < 1 || jest_zdaniem(id)) continue;
        for (int j = 1; j <= ile_powiazan && static_cast<int>(zdania.size()) < MAX_LISTA; ++j)
            if (powiazanie_slowo[j] == id &&
                std::find(zdania.begin(), zdania.end(), powiazanie_zdanie[j]) == zdania.end())
                zdania.push_back(powiazanie_zdanie[j]);
    }
    if (!zdania.empty() && ustawienia.linia[U_PROPONUJ_ZDANIA] == 1) {
        for (int id : zdania) {
            if (ile_w_liscie >= MAX_LISTA) break;
            if (!jest_w_liscie(id, ile_w_liscie)) lista_id[++ile_w_liscie] = id;
        }
    }

    // Item indexes; IDs missing from the store are dropped, the order kept,
    // and lista_id stays parallel to lista_cwiczenia.
    int n = 0;
    for (int k = 1; k <= ile_w_liscie; ++k) {
        const int i = znajdz_slowko(lista_id[k]);
        if (i < 1) continue;
        ++n;
        lista_id[n] = lista_id[k];
        lista_cwiczenia[n] = i;
    }
    for (int k = n + 1; k <= MAX_LISTA; ++k)
        lista_cwiczenia[k] = 0;
    ile_w_liscie = n;
    tryb_lekcji = 1;
    lista_gotowa = 1;
}

// ---- Interlude sets ----

namespace {

int rodzaj_z_nazwy(const std::string& keyword) {
    if (keyword == "sent1") return PRZ_SENTENCJE;
    if (keyword == "zd1") return PRZ_OBRAZKI_1;
    if (keyword == "zd2") return PRZ_OBRAZKI_2;
    if (keyword == "koj") return PRZ_KOJARZENIE;
    return PRZ_BRAK;
}

// Caption of a picture row: the text between the third and fourth "=", or,
// when that is empty, what follows the fourth "=" without the last character.
std::string podpis_obrazka(const std::string& line) {
    const size_t fourth = pozycja_rownosci(line, 4);
    if (fourth == std::string::npos) return {};
    std::string caption = pole_linii(line, 4);
    if (!caption.empty()) return caption;
    std::string rest = line.substr(fourth + 1);
    if (!rest.empty()) rest.pop_back();
    return rest;
}

void wczytaj_obrazki(TPrzerywnik& s, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (s.ile >= MAX_OBRAZKOW) break;
        if (line.size() <= 5 || line.find('=') == std::string::npos) continue;
        s.kod.push_back(Trim(pole_linii(line, 1)));
        s.opis.push_back(podpis_obrazka(line));
        ++s.ile;
    }
}

void wczytaj_sentencje(TPrzerywnik& s, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (s.ile >= MAX_SENTENCJI) break;
        if (Trim(line).empty()) continue;
        s.sentencja.push_back(Trim(pole_linii(line, 1)));
        s.nagranie.push_back(Trim(pole_linii(line, 2)));
        s.tlumaczenie.push_back(Trim(pole_linii(line, 3)));
        s.opis.push_back(Trim(pole_linii(line, 4)));
        ++s.ile;
    }
}

} // namespace

void wczytaj_przerywniki() {
    for (int k = 1; k <= MAX_PRZERYWNIKOW; ++k) {
        TPrzerywnik& s = przerywniki[k];
        s = TPrzerywnik{};
        // Row 0 is unused in every table.
        s.kod = s.opis = s.sentencja = s.nagranie = s.tlumaczenie = {std::string()};
        const std::string bfile = sciezka_programu + "b" + IntToStr(k) + ".txt";
        std::vector<std::string> b;
        const os::ReadStatus odczyt = os::read_lines(bfile, b);
        if (odczyt == os::ReadStatus::missing) continue;
        if (odczyt == os::ReadStatus::failed) {
            core::show_info(core::blad_odczytu(bfile).what());
            continue;
        }
        auto line = [&](size_t n) { return n < b.size() ? Trim(b[n]) : std::string(); };
        try {
            s.okres = std::max(1, na_liczbe(line(3)));
        } catch (const core::ConversionError& e) {
            BladLiczby(bfile).zglos(4, e);
            continue; // the set stays off
        }
        s.tytul = line(0);
        s.rodzaj = rodzaj_z_nazwy(line(1));
        s.plik = line(2);
        s.jest = true;
        if (s.plik.empty() || s.rodzaj == PRZ_BRAK || s.rodzaj == PRZ_KOJARZENIE) continue;
        std::vector<std::string> data;
        const std::string dfile = sciezka_programu + s.plik;
        if (os::read_lines(dfile, data) == os::ReadStatus::failed) {
            core::show_info(core::blad_odczytu(dfile).what());
            s.jest = false;
            continue;
        }
        if (s.rodzaj == PRZ_SENTENCJE)
            wczytaj_sentencje(s, data);
        else
            wczytaj_obrazki(s, data);
    }
}

// ---- Backgrounds ----

void czytaj_tla() {
    ile_tel = 0;
    biezace_tlo = 0;
    tla_cwiczen.fill(std::string());
    tla_uzyte.fill(false);
    std::vector<std::string> folders = {sciezka_programu};
    if (!dysk_cd.empty()) folders.push_back(dysk_cd);
    for (const std::string& folder : folders) {
        for (const std::string& path : os::list_files(folder + "cw_tla_s", "*.bmp")) {
            if (ile_tel >= MAX_TEL) break;
            tla_cwiczen[++ile_tel] = path;
        }
    }
    os::randomize();
    if (ile_tel > 0) biezace_tlo = os::random(ile_tel) + 1;
}

// ---- Exercise-type names ----

std::string nazwa_cwiczenia(int code) {
    const char* litera = jezyk_edycji == 2 ? "n" : jezyk_edycji == 3 ? "f" : "a";
    switch (code) {
    case cw_rozpoznawanie_ze_sluchu:
        return os::pl("Rozpoznawanie ze słuchu");
    case cw_rozumienie_tekstu:
        return os::pl("Rozumienie tekstu");
    case cw_rozumienie_ze_sluchu:
        return os::pl("Rozumienie ze słuchu");
    case cw_wybor_tlumaczenia:
        return os::pl("Wybór tłumaczenia");
    case cw_dyktando:
        return os::pl("Dyktando");
    case cw_wpisywanie_tlumaczenia:
        return os::pl("Wpisywanie tłumaczenia");
    case cw_wybor_rodzajnika:
        return os::pl("Wybór rodzajnika");
    case cw_wpisywanie_l_mnogiej:
        return os::pl("Wpisywanie l.mnogiej");
    case cw_wymowa:
        return os::pl("Ćwiczenie wymowy");
    case cw_zdania_wybor:
        return os::pl("Zdania - wybór");
    case cw_zdania_rozumienie:
        return os::pl("Zdania - rozumienie");
    case cw_zdania_wpisywanie:
        return os::pl("Zdania - wpisywanie");
    case cw_zdania_tlumaczenie_na_polski:
        return os::pl("Zdania - tłumaczenie (") + litera + "->p)";
    case cw_zdania_tlumaczenie_z_polskiego:
        return os::pl("Zdania - tłumaczenie (p->") + litera + ")";
    case cw_slowka_cwiczenia:
        return os::pl("Słówka - ćwiczenia");
    case cw_zdania_cwiczenia:
        return os::pl("Zdania - ćwiczenia");
    case cw_cwiczenie_uzytkownika:
        return os::pl("Ćwiczenie użytkownika");
    default:
        return {};
    }
}
