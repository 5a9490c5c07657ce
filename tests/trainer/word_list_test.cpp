// The run's word list and the flags window's rows: which items a run
// practised, their lines on screen, on the clipboard and on paper, and which
// exercise types an item can be flagged for.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/exercises.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "trainer_logic/word_list.h"
#include "trainer/small_store.h"

namespace {

using testsupport::Pozycja;

TEST(ListaSlowek, PractisedItemsInEveryTypeAndTheirLines) {
    testsupport::SmallStore s;
    const int dom = s.add(Pozycja(1, 1, "house", "dom"));
    const int kot = s.add(Pozycja(2, 1, "cat", "kot"));
    const int pies = s.add(Pozycja(3, 1, "dog", "pies"));
    TPlan plan;
    plan.ile_w_planie = 4;
    plan.pozycje_planu = {0, dom, kot, pies, 0};
    plan.plan_cwiczenia[1].typ[6].proby = 1;  // answered
    plan.plan_cwiczenia[2].typ[6].pozostalo = 1; // never asked
    plan.plan_cwiczenia[3].typ[14].proby = 1; // a record button marks every slot
    plan.plan_cwiczenia[4].typ[6].proby = 1;  // an item not in the store
    const std::vector<int> w = cwiczone_pozycje(plan, baza);
    ASSERT_EQ(w, (std::vector<int>{dom, pies}));

    TPowtorka r;
    EXPECT_EQ(os::to_utf8(wiersz_listy(dom, baza, r)), "house - dom ");
    r.kosz = 1;
    EXPECT_EQ(os::to_utf8(wiersz_listy(dom, baza, r)), "house - dom (kosz) ");
    r.ile_powtorzen = 3;
    r.interwal = 12;
    EXPECT_EQ(os::cp1250_to_utf8(opis_rekordu(r)), "Powtórka nr: 3, interwał: 12");

    const std::string schowek = tekst_do_schowka(w, baza);
    const size_t pierwsza = schowek.find("\r\n");
    ASSERT_NE(pierwsza, std::string::npos);
    EXPECT_EQ(schowek.substr(pierwsza + 2), "house = dom\r\ndog = pies\r\n");

    EXPECT_EQ(linie_wydruku(w, baza),
              (std::vector<std::string>{"", "", "   Tavolent 4.0 - Zovarozeda", "",
                                        "   house = dom", "   dog = pies"}));
}

// `n` one-letter words, a blank after each.
std::string slowa(int n) {
    std::string s;
    for (int k = 0; k < n; ++k)
        s += "w ";
    return s;
}

TEST(FlagiTypow, TheTypesAnItemCanBeFlaggedFor) {
    struct Case {
        const char* opis;
        int jezyk;
        Pozycja p;
        std::set<int> typy;
    } cases[] = {
        {"German noun with a plural and a recording", 2,
         Pozycja(1, 1, "der Hund", "pies", 1, "Hunde", "", "", "12"), {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        // The article and plural rows are the German edition's, for every word.
        {"German verb, no plural", 2, Pozycja(1, 3, "gehen", "iść"), {1, 2, 3, 4, 5, 6, 7, 8}},
        {"English word with a plural", 1, Pozycja(1, 1, "mouse", "mysz", 1, "mice"),
         {1, 2, 3, 4, 5, 6}},
        {"French word with a plural", 3, Pozycja(1, 1, "le chat", "kot", 1, "les chats"),
         {1, 2, 3, 4, 5, 6}},
        // As the run plan takes it: the sentences' IDs start above 60000.
        {"ID 60000 is still a word", 1, Pozycja(60000, 4, "edge", "brzeg"), {1, 2, 3, 4, 5, 6}},
        {"sentence with a gap, second translation and recording", 1,
         Pozycja(60001, 5, "I <go> home.", "Idę", 1, "", "", "", "7", "", "Idę do domu."),
         {9, 10, 11, 12, 13, 14}},
        {"German sentence without a gap or second translation", 2,
         Pozycja(60002, 5, "Ein grosses Haus.", "Duży dom."), {}},
        {"gap after the 70th token: chosen and understood, not typed", 1,
         Pozycja(60003, 5, slowa(70) + "<go> home.", "Idę"), {10, 11}},
        {"gap at the 70th token: typed too", 1,
         Pozycja(60004, 5, slowa(69) + "<go> home.", "Idę"), {10, 11, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        testsupport::SmallStore s(c.jezyk);
        const int i = s.add(c.p);
        std::set<int> typy;
        for (const TWierszFlagi& w : wiersze_flag(i, baza, c.jezyk)) {
            typy.insert(w.typ);
            EXPECT_EQ(w.tekst, IntToStr(w.typ) + " - " + nazwa_cwiczenia(w.typ));
            EXPECT_EQ(typ_wiersza_flagi(w.tekst), w.typ);
        }
        EXPECT_EQ(typy, c.typy);
    }
}

} // namespace
