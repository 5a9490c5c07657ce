// The run plan: which exercise types each item gets in lesson and repetition
// runs, the order of the type list, and the type chooser's rows.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/exercises.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "trainer_logic/run_plan.h"

namespace {

struct Pozycja {
    int id = 0;
    int rodzaj = 1;
    std::string obce;
    std::string wymowa;
    std::string l_mnoga;
    std::string opcje;  // sentences: choice options
    std::string drugie; // sentences: second translation
    std::string polski = "x";
};

// A small item store plus empty repetition records, laid out per test.
class Plan : public ::testing::Test {
  protected:
    int dodaj(const Pozycja& p) {
        const int i = ++b.ile_slow;
        b.id_slowa[i] = p.id;
        b.rodzaj[i] = p.rodzaj;
        b.slowo_obce[i] = p.obce;
        b.wymowa[i] = p.wymowa;
        b.l_mnoga[i] = p.l_mnoga;
        b.opcje_wyboru[i] = p.opcje;
        b.tlumaczenie_zdania[i] = p.drugie;
        b.tlumaczenie[i] = p.polski;
        return i;
    }
    TPlan zbuduj(std::vector<int> lista, const TWarunkiPlanu& w) {
        return zbuduj_plan(lista, w, b, *rekordy, *flagi);
    }
    // Types whose slot at position k still needs answers.
    static std::set<int> typy(const TPlan& p, int k) {
        std::set<int> s;
        for (int t = 1; t <= TYPOW_PLANU; ++t)
            if (p.plan_cwiczenia[k].typ[t].pozostalo > 0) s.insert(t);
        return s;
    }

    TBazaSlowek b;
    std::unique_ptr<TTabelaPowtorek> rekordy = std::make_unique<TTabelaPowtorek>();
    std::unique_ptr<TFlagiPowtorek> flagi = std::make_unique<TFlagiPowtorek>();
};

const Pozycja rzeczownik{101, 1, "der Hund", "101", "Hunde", "", ""};
const Pozycja bez_nagrania{102, 3, "go", "", "", "", ""};
const Pozycja dieb{103, 1, "Dieb", "103", "", "", ""};
const Pozycja zdanie_z_luka{60001, 5,           "I <go> home.",        "60001",
                            "",    "went/gone", os::pl("Idę do domu.")};
const Pozycja zdanie_bez_luki{60002, 5, "A big house.", "", "", "a/b/c", os::pl("Duży dom.")};
const Pozycja luka_bez_opcji{60003, 5, "A <big> house.", "", "", "", ""};
const Pozycja graniczne{60000, 2, "edge", "60000", "", "", ""};
// Positions a choice cannot be set up for.
const Pozycja bez_obcego{104, 2, "", "104", "", "", ""};
const Pozycja bez_polskiego{105, 2, "red", "105", "", "", "", ""};
const Pozycja pusta_luka{60004, 5, "A <> house.", "", "", "a/b/c", ""};
const Pozycja pusta_druga_luka{60005, 5, "A <big> and <> house.", "", "", "a/b/c", ""};
// A gap after `slow` words: its "<" is token slow + 1, laid out only within
// the first 70 tokens.
std::string po_slowach(int slow) {
    std::string s;
    for (int k = 0; k < slow; ++k)
        s += "w ";
    return s + "<go> home.";
}
const Pozycja luka_70{60006, 5, po_slowach(69), "", "", "", "zdanie"};
const Pozycja luka_71{60007, 5, po_slowach(70), "", "", "", "zdanie"};

struct PrzypadekLekcji {
    const char* nazwa;
    Pozycja p;
    int jezyk;
    bool l_mnoga;
    int typ_zdan;
    std::set<int> oczekiwane;
};

TEST_F(Plan, LessonRunGivesEachItemTheTypesItCanBePractisedIn) {
    const PrzypadekLekcji przypadki[] = {
        {"noun, English: no articles", rzeczownik, 1, true, 12, {1, 2, 3, 4, 5, 6, 8, 9}},
        {"noun with article, German", rzeczownik, 2, true, 12, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"plural exercise off in the edition", rzeczownik, 2, false, 12, {1, 2, 3, 4, 5, 6, 7, 9}},
        {"no recording, no plural", bez_nagrania, 1, true, 12, {2, 4, 6}},
        {"'die' without a blank is no article", dieb, 2, true, 12, {1, 2, 3, 4, 5, 6, 9}},
        {"ID 60000 is still a word", graniczne, 1, true, 12, {1, 2, 3, 4, 5, 6, 9}},
        {"sentence with gap, options, translation",
         zdanie_z_luka,
         1,
         true,
         12,
         {9, 10, 11, 12, 13, 14}},
        {"options without a gap: no choosing", zdanie_bez_luki, 1, true, 12, {13, 14}},
        {"gap without options, choosing primary", luka_bez_opcji, 1, true, 10, {11, 12}},
        {"no foreign text: no choosing it", bez_obcego, 1, true, 12, {2, 3, 5, 6, 9}},
        {"no Polish text: no choosing its meaning", bez_polskiego, 1, true, 12,
         {1, 3, 4, 5, 6, 9}},
        {"an empty gap has nothing to choose", pusta_luka, 1, true, 12, {11, 12}},
        {"one of two gaps empty still has a text", pusta_druga_luka, 1, true, 12, {10, 11, 12}},
        {"a gap at the 70th token is typed", luka_70, 1, true, 12, {11, 12, 13, 14}},
        {"a gap after the 70th token is not", luka_71, 1, true, 12, {11, 13, 14}},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        b = TBazaSlowek();
        const int i = dodaj(c.p);
        TWarunkiPlanu w;
        w.jezyk = c.jezyk;
        w.l_mnoga = c.l_mnoga;
        w.typ_zdan = c.typ_zdan;
        w.wymagane = 2;
        const TPlan p = zbuduj({i}, w);
        EXPECT_EQ(typy(p, 1), c.oczekiwane);
        for (int t : c.oczekiwane)
            EXPECT_EQ(p.plan_cwiczenia[1].typ[t].pozostalo, 2) << "type " << t;
        EXPECT_EQ(p.pozycje_planu[1], i);
    }
}

TEST_F(Plan, LessonTypeListIsOneToFourteenAndRowsCountPositions) {
    const int slowo = dodaj(rzeczownik);
    const int bez = dodaj(bez_nagrania);
    std::vector<int> lista(12, slowo);
    lista.push_back(bez);
    TWarunkiPlanu w;
    const TPlan p = zbuduj(lista, w);
    EXPECT_EQ(p.ile_w_planie, 13);
    EXPECT_EQ(p.typy, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));

    const auto wiersze = typy_z_praca(p);
    std::vector<std::pair<int, int>> got;
    for (const auto& r : wiersze)
        got.emplace_back(r.typ, r.ile);
    EXPECT_EQ(got, (std::vector<std::pair<int, int>>{
                       {1, 12}, {2, 13}, {3, 12}, {4, 13}, {5, 12}, {6, 13}, {8, 12}, {9, 12}}));
    EXPECT_EQ(opis_wiersza_typu(wiersze[4]), "Dyktando (12)");
}

TEST_F(Plan, MissingItemsGetNoWorkAnywhere) {
    const int zd = dodaj(luka_bez_opcji);
    for (int tryb : {1, 0}) {
        SCOPED_TRACE(tryb);
        TWarunkiPlanu w;
        w.tryb_lekcji = tryb;
        w.typ_zdan = 10; // would hand a missing sentence type 12
        for (int t = 1; t <= 15; ++t)
            w.tryb_typu[t] = 1;
        // 0 is an ID missing from the store; 9999 lies beyond it.
        const TPlan p = zbuduj({0, zd, 9999}, w);
        ASSERT_EQ(p.ile_w_planie, 3);
        EXPECT_TRUE(typy(p, 1).empty());
        EXPECT_TRUE(typy(p, 3).empty());
        EXPECT_EQ(p.pozycje_planu[3], 0);
        EXPECT_FALSE(typy(p, 2).empty());
    }
}

struct PrzypadekTrybu {
    int tryb;
    uint8_t status; // type 3's byte in the item's record
    bool flaga;     // type 3 flagged for the item
    bool praca;
};

TEST_F(Plan, RepetitionModeDecidesPerTypeFromStatusAndFlag) {
    const int i = dodaj(rzeczownik);
    const PrzypadekTrybu przypadki[] = {
        {0, 0, false, false}, {0, 1, false, true}, {0, 2, false, false}, {1, 0, false, true},
        {1, 2, true, true},   {2, 1, true, false}, {3, 1, false, false}, {3, 0, true, true},
        {4, 0, false, false}, {4, 1, false, true}, {4, 2, true, true},   {4, 2, false, false},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.tryb << " status " << int(c.status) << " flag " << c.flaga);
        (*rekordy)[i].typy[3] = c.status;
        (*flagi)[i][3] = c.flaga;
        TWarunkiPlanu w;
        w.tryb_lekcji = 0;
        w.typ_slowek = 6;
        w.tryb_typu[3] = c.tryb;
        const TPlan p = zbuduj({i}, w);
        EXPECT_EQ(typy(p, 1).count(3) == 1, c.praca);
        EXPECT_EQ(typy(p, 1).count(6), 1u) << "the word primary type always has work";
        const bool listed = std::find(p.typy.begin(), p.typy.end(), 3) != p.typy.end();
        EXPECT_EQ(listed, c.tryb != 2);
    }
}

TEST_F(Plan, RepetitionTypeListStartsWithThePrimaryTypes) {
    dodaj(rzeczownik);
    TWarunkiPlanu w;
    w.tryb_lekcji = 0;
    w.typ_slowek = 4;
    w.typ_zdan = 12;
    w.tryb_typu[3] = 2;
    w.tryb_typu[4] = 2; // primary types are listed whatever their mode
    const TPlan p = zbuduj({1}, w);
    EXPECT_EQ(p.typy, (std::vector<int>{4, 12, 1, 2, 5, 6, 7, 8, 9, 10, 11, 13, 14}));
}

TEST_F(Plan, RepetitionSentencesGetTheirPrimaryTypeOrASubstitute) {
    const int z = dodaj(zdanie_z_luka);
    const int bez_luki = dodaj(zdanie_bez_luki);
    const int bez_opcji = dodaj(luka_bez_opcji);
    const int slowo = dodaj(rzeczownik);
    const int pusta = dodaj(pusta_luka);
    const int daleka = dodaj(luka_71);
    struct Przypadek {
        const char* nazwa;
        int typ_zdan;
        int pozycja;
        std::set<int> oczekiwane;
        std::vector<int> lista;
    };
    const Przypadek przypadki[] = {
        {"primary type practised", 10, z, {10}, {6, 10}},
        {"translation as primary brings typing", 13, z, {12, 13}, {6, 13}},
        {"no gap: translated, and type 13 joins", 11, bez_luki, {13, 14}, {6, 11, 13}},
        {"no options: typed, and type 12 joins", 10, bez_opcji, {12}, {6, 10, 12}},
        {"an empty gap: typed, and type 12 joins", 10, pusta, {12}, {6, 10, 12}},
        {"words are not sentences", 10, slowo, {6}, {6, 10}},
        {"a gap too far to type: translated", 12, daleka, {13}, {6, 12, 13}},
        {"a gap too far, translation primary: no typing", 13, daleka, {13}, {6, 13}},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        TWarunkiPlanu w;
        w.tryb_lekcji = 0;
        w.typ_zdan = c.typ_zdan;
        for (int t = 1; t <= 15; ++t)
            w.tryb_typu[t] = 2; // nothing but the primary types
        const TPlan p = zbuduj({c.pozycja}, w);
        EXPECT_EQ(typy(p, 1), c.oczekiwane);
        EXPECT_EQ(p.typy, c.lista);
    }
}

TEST_F(Plan, TypeChooserRowsFollowTheTypeListAndSkipEmptyTypes) {
    TPlan p;
    p.ile_w_planie = 3;
    p.typy = {12, 5, 3};
    p.plan_cwiczenia[1].typ[5].pozostalo = 1;
    p.plan_cwiczenia[2].typ[5].pozostalo = 2;
    p.plan_cwiczenia[3].typ[12].pozostalo = 1;
    p.plan_cwiczenia[3].typ[3].pozostalo = 0;
    const auto w = typy_z_praca(p);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].typ, 12);
    EXPECT_EQ(w[0].ile, 1);
    EXPECT_EQ(w[1].typ, 5);
    EXPECT_EQ(w[1].ile, 2);
}

TEST_F(Plan, PlanSesjiReadsTheRunListAndSettings) {
    wyczysc_sesje();
    const TBazaSlowek zapas = std::move(baza);
    baza = TBazaSlowek();
    baza.ile_slow = 1;
    baza.id_slowa[1] = 101;
    baza.slowo_obce[1] = "house";
    baza.wymowa[1] = "101";
    ustawienia.domyslne();
    ustawienia.linia[18] = 1; // two answers per slot
    tryb_lekcji = 1;
    wybrany_typ = 5;
    ile_w_liscie = 2;
    lista_cwiczenia[1] = 1;
    lista_cwiczenia[2] = 1;

    Plan_sesji();
    EXPECT_EQ(wybrany_typ, 0);
    EXPECT_EQ(sesja.plan.ile_w_planie, 2);
    EXPECT_EQ(sesja.plan.plan_cwiczenia[2].typ[5].pozostalo, 2);
    EXPECT_EQ(sesja.plan.do_zrobienia(5), 2);

    baza = zapas;
    ile_w_liscie = 0;
    lista_cwiczenia = {};
    ustawienia.domyslne();
    wyczysc_sesje();
}

} // namespace
