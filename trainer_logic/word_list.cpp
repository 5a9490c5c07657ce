#include "trainer_logic/word_list.h"

#include <algorithm>

#include "core/exercise_types.h"
#include "core/exercises.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "trainer_logic/question.h"

namespace {

const char* const CRLF = "\r\n";

bool cwiczona(const TPlanSlowka& w) {
    for (int t = 1; t <= TYPOW_PLANU; ++t)
        if (w.typ[t].proby > 0) return true;
    return false;
}

// "house = dom" in UTF-8, each text by its own set.
std::string para(int i, const TBazaSlowek& b) {
    return os::to_utf8({{b.slowo_obce[i], czcionka_charset}, {" = " + b.tlumaczenie[i], 238}});
}

} // namespace

std::vector<int> cwiczone_pozycje(const TPlan& plan, const TBazaSlowek& b) {
    std::vector<int> w;
    const int n = std::clamp(plan.ile_w_planie, 0, MAX_LISTA);
    for (int k = 1; k <= n; ++k) {
        const int i = plan.pozycje_planu[k];
        if (i >= 1 && i <= b.ile_slow && cwiczona(plan.plan_cwiczenia[k])) w.push_back(i);
    }
    return w;
}

os::PartedText wiersz_listy(int i, const TBazaSlowek& b, const TPowtorka& r) {
    return {{b.slowo_obce[i], czcionka_charset},
            {" - " + b.tlumaczenie[i] + (r.kosz == 1 ? " (kosz) " : " "), 238}};
}

std::string opis_rekordu(const TPowtorka& r) {
    return os::pl("Powtórka nr: ") + IntToStr(r.ile_powtorzen) + os::pl(", interwał: ") +
           IntToStr(r.interwal);
}

std::string tekst_do_schowka(const std::vector<int>& pozycje, const TBazaSlowek& b) {
    std::string s = std::string("Słówka i zdania z ćwiczenia (Tavolent 4.0):") + CRLF;
    for (int i : pozycje)
        s += para(i, b) + CRLF;
    return s;
}

std::vector<std::string> linie_wydruku(const std::vector<int>& pozycje, const TBazaSlowek& b) {
    std::vector<std::string> linie = {"", "", "   Tavolent 4.0 - Zovarozeda", ""};
    for (int i : pozycje)
        linie.push_back("   " + para(i, b));
    return linie;
}

std::vector<TWierszFlagi> wiersze_flag(int i, const TBazaSlowek& b, int jezyk) {
    std::vector<TWierszFlagi> w;
    if (i < 1 || i > b.ile_slow) return w;
    const bool zdanie = jest_zdaniem(b.id_slowa[i]);
    const bool luka = b.slowo_obce[i].find('<') != std::string::npos;
    for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t) {
        bool jest = (!zdanie && t < cw_wymowa) || (zdanie && t > cw_wymowa);
        if (t == cw_wymowa) jest = !b.wymowa[i].empty();
        // The article and plural rows belong to the German edition, for
        // every word of it.
        if (t == cw_wybor_rodzajnika || t == cw_wpisywanie_l_mnogiej) jest = jest && jezyk == 2;
        if (zdanie &&
            (t == cw_zdania_tlumaczenie_na_polski || t == cw_zdania_tlumaczenie_z_polskiego))
            jest = jest && !b.tlumaczenie_zdania[i].empty();
        if (zdanie && t >= cw_zdania_wybor && t <= cw_zdania_wpisywanie) jest = jest && luka;
        if (t == cw_zdania_wpisywanie) jest = jest && da_sie_zapytac(t, i, b);
        if (jest) w.push_back({t, IntToStr(t) + " - " + nazwa_cwiczenia(t)});
    }
    return w;
}

int typ_wiersza_flagi(const std::string& wiersz) {
    return StrToIntDef(Trim(Copy(wiersz, 1, 2)), 0);
}
