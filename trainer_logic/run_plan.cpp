#include "trainer_logic/run_plan.h"

#include <algorithm>

#include "core/exercise_types.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "trainer_logic/question.h"

TSesja sesja;

void wyczysc_sesje() {
    sesja = {};
}

int TPlan::do_zrobienia(int t) const {
    if (t < 1 || t > MAX_TYP_CWICZENIA) return 0;
    int n = 0;
    for (int k = 1; k <= ile_w_planie; ++k)
        if (plan_cwiczenia[k].typ[t].pozostalo > 0) ++n;
    return n;
}

TWarunkiPlanu TWarunkiPlanu::biezace() {
    TWarunkiPlanu w;
    w.tryb_lekcji = ::tryb_lekcji;
    w.typ_slowek = ustawienia.linia[U_TYP_SLOWEK];
    w.typ_zdan = ustawienia.linia[U_TYP_ZDAN];
    for (int t = 1; t <= TYPOW_PLANU; ++t)
        w.tryb_typu[t] = ustawienia.tryb_typu(t);
    w.wymagane = wymagane_odpowiedzi();
    w.l_mnoga = flaga_l_mnogiej;
    w.jezyk = jezyk_edycji;
    return w;
}

bool ma_rodzajnik(const std::string& obce) {
    const std::string s = LowerCase(Copy(obce, 1, 4));
    return s == "der " || s == "die " || s == "das ";
}

namespace {

bool typ_poprawny(int t) {
    return t >= 1 && t <= MAX_TYP_CWICZENIA;
}

void wyczysc(TPlanSlowka& r, int t) {
    r.typ[t] = {};
}

void wymagaj(TPlanSlowka& r, int t, int wymagane) {
    if (typ_poprawny(t)) r.typ[t] = {wymagane, 0, 0};
}

// Remaining answers of type t in a repetition run for an item in the store.
int w_powtorce(int t, const TWarunkiPlanu& w, uint8_t status, bool flaga) {
    if (t == w.typ_slowek) return w.wymagane;
    switch (w.tryb_typu[t]) {
    case 1:
        return w.wymagane;
    case 2:
        return 0;
    case 3:
        return flaga ? w.wymagane : 0;
    case 4:
        return flaga || status == 1 ? w.wymagane : 0;
    default:
        return status == 1 ? w.wymagane : 0;
    }
}

void dodaj_typ(std::vector<int>& typy, int t) {
    if (static_cast<int>(typy.size()) < MAX_LISTY_TYPOW &&
        std::find(typy.begin(), typy.end(), t) == typy.end())
        typy.push_back(t);
}

// What an item cannot be practised in is taken out of its row.
// Types a repetition run must list beyond its modes: the substitutes handed out
// here.
struct TDodatkoweTypy {
    bool typ_12 = false;
    bool typ_13 = false;
};

void filtruj(TPlanSlowka& r, int i, const TWarunkiPlanu& w, const TBazaSlowek& b,
             TDodatkoweTypy& dodatkowe) {
    const std::string& obce = b.slowo_obce[i];
    const bool zdanie = jest_zdaniem(b.id_slowa[i]);
    const bool ma_otwarcie = obce.find('<') != std::string::npos;
    // A gap too far into a long text is not laid out: no typing in the gaps.
    const bool ma_luke = ma_otwarcie && da_sie_zapytac(cw_zdania_wpisywanie, i, b);

    // Words take types 1..9, sentences 9..14.
    for (int t = zdanie ? 1 : 10; t <= (zdanie ? 8 : 14); ++t)
        wyczysc(r, t);

    if (b.wymowa[i].empty())
        for (int t : {cw_rozpoznawanie_ze_sluchu, cw_rozumienie_ze_sluchu, cw_dyktando, cw_wymowa})
            wyczysc(r, t);

    if (!(w.jezyk == 2 && b.rodzaj[i] == 1 && ma_rodzajnik(obce))) wyczysc(r, cw_wybor_rodzajnika);

    if (!w.l_mnoga || b.l_mnoga[i].empty()) wyczysc(r, cw_wpisywanie_l_mnogiej);

    // Choosing needs options and a gap with text to put them in; a sentence
    // without them is typed instead when choosing is its primary type.
    if (b.opcje_wyboru[i].empty() || !da_sie_zapytac(cw_zdania_wybor, i, b)) {
        wyczysc(r, cw_zdania_wybor);
        if (zdanie && w.typ_zdan == cw_zdania_wybor && ma_luke) {
            wymagaj(r, cw_zdania_wpisywanie, w.wymagane);
            dodatkowe.typ_12 = true;
        }
    }

    if (!ma_otwarcie) wyczysc(r, cw_zdania_rozumienie);
    if (!ma_luke) wyczysc(r, cw_zdania_wpisywanie);

    const std::string& drugie = b.tlumaczenie_zdania[i];
    if (drugie.empty()) {
        wyczysc(r, cw_zdania_tlumaczenie_na_polski);
        wyczysc(r, cw_zdania_tlumaczenie_z_polskiego);
    } else if (!ma_otwarcie) {
        wymagaj(r, cw_zdania_tlumaczenie_na_polski, w.wymagane);
        wymagaj(r, cw_zdania_tlumaczenie_z_polskiego, w.wymagane);
    }

    // A choice without a right text to offer cannot be asked.
    for (int t : {cw_rozpoznawanie_ze_sluchu, cw_rozumienie_tekstu, cw_wybor_tlumaczenia})
        if (!da_sie_zapytac(t, i, b)) wyczysc(r, t);

    // A repetition with nothing in the sentence primary type is translated.
    if (w.tryb_lekcji == 0 && typ_poprawny(w.typ_zdan) && r.typ[w.typ_zdan].pozostalo == 0 &&
        drugie.size() > 1) {
        wymagaj(r, cw_zdania_tlumaczenie_na_polski, w.wymagane);
        dodatkowe.typ_13 = true;
    }
}

} // namespace

TPlan zbuduj_plan(std::span<const int> lista, const TWarunkiPlanu& w, const TBazaSlowek& b,
                  const TTabelaPowtorek& rekordy, const TFlagiPowtorek& flagi) {
    TPlan p;
    p.ile_w_planie = std::min(static_cast<int>(lista.size()), MAX_LISTA);
    TDodatkoweTypy dodatkowe;

    for (int k = 1; k <= p.ile_w_planie; ++k) {
        int i = lista[static_cast<size_t>(k - 1)];
        if (i < 1 || i > b.ile_slow || i > MAX_POWTOREK) i = 0;
        p.pozycje_planu[k] = i;
        TPlanSlowka& r = p.plan_cwiczenia[k];
        if (i == 0) continue; // a missing item gets no work

        for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t)
            r.typ[t].pozostalo =
                w.tryb_lekcji == 1 ? w.wymagane : w_powtorce(t, w, rekordy[i].typy[t], flagi[i][t]);
        if (w.tryb_lekcji != 1 && jest_zdaniem(b.id_slowa[i])) {
            wymagaj(r, w.typ_zdan, w.wymagane);
            if (w.typ_zdan == cw_zdania_tlumaczenie_na_polski ||
                w.typ_zdan == cw_zdania_tlumaczenie_z_polskiego)
                wymagaj(r, cw_zdania_wpisywanie, w.wymagane);
        }
        filtruj(r, i, w, b, dodatkowe);
    }

    if (w.tryb_lekcji == 1) {
        for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t)
            p.typy.push_back(t);
    } else {
        if (typ_poprawny(w.typ_slowek)) dodaj_typ(p.typy, w.typ_slowek);
        if (typ_poprawny(w.typ_zdan)) dodaj_typ(p.typy, w.typ_zdan);
        for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t)
            if (w.tryb_typu[t] != 2) dodaj_typ(p.typy, t);
        if (dodatkowe.typ_12) dodaj_typ(p.typy, cw_zdania_wpisywanie);
        if (dodatkowe.typ_13) dodaj_typ(p.typy, cw_zdania_tlumaczenie_na_polski);
    }
    return p;
}

std::vector<TWierszTypu> typy_z_praca(const TPlan& p) {
    std::vector<TWierszTypu> wiersze;
    const int n = std::min(static_cast<int>(p.typy.size()), LISTOWANYCH_TYPOW);
    for (int k = 0; k < n; ++k) {
        const int t = p.typy[static_cast<size_t>(k)];
        const int ile = p.do_zrobienia(t);
        if (ile >= 1) wiersze.push_back({t, ile});
    }
    return wiersze;
}

std::string opis_wiersza_typu(const TWierszTypu& w) {
    return nazwa_cwiczenia(w.typ) + " (" + IntToStr(w.ile) + ")";
}

void Plan_sesji() {
    wybrany_typ = 0;
    const int n = std::clamp(ile_w_liscie, 0, MAX_LISTA);
    sesja.plan =
        zbuduj_plan(std::span<const int>(lista_cwiczenia).subspan(1, static_cast<size_t>(n)),
                    TWarunkiPlanu::biezace(), baza, tab_powtorek, flagi_powtorek);
}
