#include "trainer_logic/settings_values.h"

#include "core/exercises.h"
#include "core/repetitions.h"
#include "core/text.h"
#include "platform/os/codepage.h"

#include <algorithm>
#include <cmath>

int pozycja_mnoznika(double mnoznik) {
    if (!(mnoznik >= 1.0)) return 0;
    const double e = std::nearbyint((mnoznik - 1.0) * 10.0);
    return e >= POZYCJI_CZESTOSCI - 1 ? POZYCJI_CZESTOSCI - 1 : static_cast<int>(e);
}

double mnoznik_pozycji(int pozycja) {
    return std::clamp(pozycja, 0, POZYCJI_CZESTOSCI - 1) / 10.0 + 1.0;
}

WartosciUstawien wartosci_z_ustawien(const TUstawienia& u, const std::vector<int>& zestawy) {
    const auto& l = u.linia;
    WartosciUstawien w;
    w.cw_wyznacz = std::clamp(l[U_TYP_SLOWEK] - 1, 0, 5);
    w.cw_wyznacz_zd = std::clamp(l[U_TYP_ZDAN] - 10, 0, 4);
    w.tryb_nauki = std::clamp(l[U_INTENSYWNOSC], 0, 2);
    w.statystyka = l[U_STATYSTYKA] == 1;
    w.zdania = l[U_PROPONUJ_ZDANIA] == 1;
    w.intens_1 = l[U_POWTORKI_INTENSYWNOSC_1] == 1;
    w.bonus_koniec = l[U_PRZERYWNIKI_NA_KONCU] == 1;
    w.powt_inter_umiesz = IntToStr(l[U_UMIESZ]);
    w.powt_juz_umiem = IntToStr(l[U_JUZ_UMIEM]);
    w.czestosc = pozycja_mnoznika(u.mnoznik);
    for (int k : zestawy)
        if (k >= 1 && k <= ZESTAWOW_PRZERYWNIKOW) w.przerywniki.emplace_back(k, u.przerywnik_wlaczony(k));
    return w;
}

bool liczba_z_pola(const std::string& tekst, int od, int do_, int& liczba) {
    const std::string t = Trim(tekst);
    // Nine digits at most: anything longer is out of every range here.
    if (t.empty() || t.size() > 9 ||
        !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int n = na_liczbe(t);
    if (n < od || n > do_) return false;
    liczba = n;
    return true;
}

std::string zapisz_wartosci(const WartosciUstawien& w, TUstawienia& u) {
    auto& l = u.linia;
    l[U_INTENSYWNOSC] = std::clamp(w.tryb_nauki, 0, 2);
    l[U_TYP_SLOWEK] = std::clamp(w.cw_wyznacz, 0, 5) + 1;
    l[U_TYP_ZDAN] = std::clamp(w.cw_wyznacz_zd, 0, 4) + 10;
    l[U_STATYSTYKA] = w.statystyka ? 1 : 0;
    l[U_PROPONUJ_ZDANIA] = w.zdania ? 1 : 0;
    l[U_POWTORKI_INTENSYWNOSC_1] = w.intens_1 ? 1 : 0;
    l[U_PRZERYWNIKI_NA_KONCU] = w.bonus_koniec ? 1 : 0;
    const std::string q = "\"";
    int n = 0;
    if (!liczba_z_pola(w.powt_inter_umiesz, 4, 200, n))
        return os::pl("W pole ") + q + os::pl("słówko umiesz gdy interwał...") + q +
               os::pl(" należy wpisać wartość od 4 do 200.");
    l[U_UMIESZ] = n;
    if (!liczba_z_pola(w.powt_juz_umiem, 3, 400, n))
        return os::pl("W pole ") + q + os::pl("Przycisk Już umiem! zmienia interwał...") + q +
               os::pl(" należy wpisać wartość od 3 do 400.");
    l[U_JUZ_UMIEM] = n;
    for (auto [k, wlaczony] : w.przerywniki)
        if (k >= 1 && k <= ZESTAWOW_PRZERYWNIKOW) u.wlacz_przerywnik(k, wlaczony);
    u.mnoznik = mnoznik_pozycji(w.czestosc);
    return {};
}

const std::array<std::string, TRYBOW_POWTARZANIA>& nazwy_trybow() {
    static const std::array<std::string, TRYBOW_POWTARZANIA> t = {
        os::pl("nie zaakceptowane"), os::pl("wszystkie"), os::pl("żadne"), os::pl("oznaczone"),
        os::pl("oznaczone lub nie zaakceptowane")};
    return t;
}

std::string linia_typu(int typ, int tryb) {
    const auto& t = nazwy_trybow();
    const std::string nazwa = tryb >= 0 && tryb < TRYBOW_POWTARZANIA ? t[tryb] : std::string();
    return nazwa_cwiczenia(typ) + " - " + nazwa;
}

std::vector<KopiaPowtorek> lista_kopii(const std::vector<std::string>& linie) {
    std::vector<KopiaPowtorek> lista;
    for (const std::string& surowa : linie) {
        const std::string s = Trim(surowa);
        // Fields between the "=" signs; a short line gives empty ones.
        std::array<std::string, 3> pole;
        size_t od = 0;
        for (std::string& p : pole) {
            if (od > s.size()) break;
            const size_t eq = s.find('=', od);
            p = Trim(s.substr(od, eq == std::string::npos ? std::string::npos : eq - od));
            od = eq == std::string::npos ? s.size() + 1 : eq + 1;
        }
        if (pole[0].empty() || pole[0].find_first_of("/\\") != std::string::npos ||
            pole[0] == "..")
            continue;
        KopiaPowtorek k{pole[0], pole[1] + "  (" + pole[2] + ")"};
        if (static_cast<int>(lista.size()) < MAX_KOPII)
            lista.push_back(std::move(k));
        else
            lista.back() = std::move(k);
    }
    return lista;
}

bool przywroc_kopie(const std::string& plik) {
    if (plik.empty() || !wczytaj_powtorki_z_kopii(plik)) return false;
    return zapisz_powtorki();
}
