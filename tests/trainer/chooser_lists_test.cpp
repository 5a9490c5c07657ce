// What the lesson and exercise chooser lists: section averages, the exercises
// of a section and their order, the group views' counts, and moving through a
// list with the arrows and keys.
#include <gtest/gtest.h>

#include <memory>

#include "platform/os/codepage.h"
#include "trainer_logic/chooser_lists.h"
#include "trainer_logic/list_scroll.h"

namespace {

TCwInfo wiersz(const std::string& nazwa, const std::string& dzial, int wynik, int kategoria = 1,
               const std::string& tytul = "") {
    TCwInfo w;
    w.nazwa = nazwa;
    w.dzial = dzial;
    w.wynik = static_cast<uint8_t>(wynik);
    w.kategoria = static_cast<uint8_t>(kategoria);
    w.tytul = tytul.empty() ? nazwa : tytul;
    return w;
}

TGrupa grupa(int numer, const std::string& nazwa) {
    TGrupa g;
    g.numer = numer;
    g.nazwa = nazwa;
    return g;
}

TEST(ChooserLists, SectionAveragesRoundHalvesToEvenAndSkipBadSections) {
    const std::vector<TGrupa> grupy = {grupa(1, "Dom"), grupa(2, "Praca"), grupa(3, "Pusta"),
                                       grupa(12, "Sport")};
    const std::vector<TCwInfo> w = {
        wiersz("101-1", "01", 50),  wiersz("101-2", "01", 51), // 50.5 -> 50
        wiersz("102-1", "02", 51),  wiersz("102-1", "02", 52), // 51.5 -> 52
        wiersz("1x2-1", "x2", 100),                            // not a number: no section
        wiersz("", "", 100),                                   // a hole
        wiersz("112-1", "12", 33),  wiersz("112-2", "12", 34), wiersz("112-3", "12", 34),
    };
    const auto d = dzialy_cwiczen(grupy, w);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].nazwa, "Dom");
    EXPECT_EQ(d[0].grupa, 1);
    EXPECT_EQ(d[0].procent, 50);
    EXPECT_EQ(d[1].procent, 52);
    EXPECT_EQ(d[2].procent, 0) << "a section without exercises is listed with 0";
    EXPECT_EQ(d[3].procent, 34); // 33.67
}

TEST(ChooserLists, ConsecutiveRowsOfOneExerciseMakeOneEntryWithTheTruncatedMean) {
    const std::vector<TCwInfo> w = {
        wiersz("201-1", "01", 50), wiersz("201-1", "01", 70), wiersz("201-1", "01", 91), // 70.3
        wiersz("201-2", "01", 1),  wiersz("201-2", "01", 2),                             // 1.5
        wiersz("301-1", "03", 10), // another section in between
        wiersz("201-2", "01", 80), // same name again, not consecutive
        wiersz("", "", 0),         // a hole never belongs
        wiersz("201-3", "1", 100), // "1" is not the section "01"
        wiersz("201-4", "01", 40),
    };
    const auto p = Paczki_dzialu(1, w);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].wiersz, 3);
    EXPECT_EQ(p[0].procent, 70);
    EXPECT_EQ(p[1].wiersz, 5);
    EXPECT_EQ(p[1].procent, 1);
    EXPECT_EQ(p[2].wiersz, 7);
    EXPECT_EQ(p[2].procent, 80);
    EXPECT_EQ(p[3].wiersz, 10) << "the entry at the end of the table is closed too";
    EXPECT_EQ(tekst_dzialu(7), "07");
    EXPECT_EQ(tekst_dzialu(12), "12");
}

TEST(ChooserLists, ASectionListsAtMostThreeHundredExercises) {
    std::vector<TCwInfo> w;
    for (int k = 0; k < 320; ++k)
        w.push_back(wiersz("2-" + std::to_string(k), "05", 0));
    EXPECT_EQ(Paczki_dzialu(5, w).size(), static_cast<size_t>(MAX_PACZEK));
}

TEST(ChooserLists, SortByCategoryThenTitleWithinCategoriesOneToThree) {
    struct Wpis {
        int kategoria;
        const char* tytul;
    };
    const Wpis wpisy[] = {{2, "b"}, {4, "z"}, {1, "c"}, {3, "a"},    {0, "y"},
                          {2, "a"}, {1, "B"}, {4, "a"}, {1, "\xA3"}, {0, "b"}};
    std::vector<TCwInfo> w;
    std::vector<TPaczka> p;
    for (const auto& x : wpisy) {
        w.push_back(wiersz("x", "01", 0, x.kategoria, x.tytul));
        p.push_back({static_cast<int>(w.size()), 0});
    }
    Sortuj_paczki(p, w);
    std::vector<std::string> kolejnosc;
    for (const auto& e : p)
        kolejnosc.push_back(std::to_string(w[static_cast<size_t>(e.wiersz - 1)].kategoria) +
                            w[static_cast<size_t>(e.wiersz - 1)].tytul);
    // Categories 0 and 4 keep their order; byte order puts "B" before "c" and
    // the Polish letter (0xA3) after both.
    EXPECT_EQ(kolejnosc, (std::vector<std::string>{"0y", "0b", "1B", "1c", "1\xA3", "2a", "2b",
                                                   "3a", "4z", "4a"}));
}

TEST(ChooserLists, GroupViewsCountRepetitionsAndKnownItems) {
    auto b = std::make_unique<TBazaSlowek>();
    auto r = std::make_unique<TTabelaPowtorek>();
    struct Pozycja {
        int grupa;
        bool s;
        int interwal;
    };
    const Pozycja pozycje[] = {
        {1, false, 0},  {1, false, 3}, {1, true, 0}, // s without repetition: not counted
        {1, true, 10},  {1, false, 7}, {2, false, 0},
        {9, false, 50}, // a group the table does not have
    };
    for (const auto& p : pozycje) {
        const int i = ++b->ile_slow;
        b->grupa[i] = p.grupa;
        b->znacznik_s[i] = p.s ? 1 : 0;
        (*r)[i].interwal = p.interwal;
    }
    const std::vector<TGrupa> grupy = {grupa(1, "Dom"), grupa(2, "Praca"), grupa(3, "Pusta")};

    const auto powt = dzialy_grup(TWidokGrup::w_powtorce, grupy, *b, *r, 6);
    ASSERT_EQ(powt.dzialy.size(), 3u);
    EXPECT_EQ(powt.dzialy[0].procent, 75); // 3 of 4
    EXPECT_EQ(powt.dzialy[0].opis, os::pl("Uczysz się 3 z 4 słówek i zdań."));
    EXPECT_EQ(powt.dzialy[1].procent, 0);
    EXPECT_EQ(powt.dzialy[2].procent, 0) << "an empty group";
    EXPECT_EQ(powt.L_Stat, os::pl("Uczysz się 3 z 5 słówek i zdań."));

    // Known: interval above the threshold; 7 > 6 and 10 > 6, but 3 is not.
    const auto umie = dzialy_grup(TWidokGrup::umiesz, grupy, *b, *r, 6);
    EXPECT_EQ(umie.dzialy[0].procent, 50); // 2 of 4
    EXPECT_EQ(umie.L_Stat, os::pl("Umiesz 2 z 5 słówek i zdań."));
    EXPECT_EQ(dzialy_grup(TWidokGrup::umiesz, grupy, *b, *r, 7).dzialy[0].procent, 25);
}

// ---- Moving through a list ----

TEST(ListScroll, DownTwentyTimesFromTheFirstOfTwentyFive) {
    TPrzewijanaLista l;
    l.nowa_lista(25);
    EXPECT_FALSE(l.strzalka_gora());
    EXPECT_TRUE(l.strzalka_dol());
    ASSERT_TRUE(l.zaznacz_wiersz(1));
    for (int k = 0; k < 20; ++k) {
        const int r = l.klawisz_w_dol();
        EXPECT_EQ(r, l.wiersz()) << "the row to select is the highlighted one";
    }
    EXPECT_EQ(l.wybrana(), 21);
    EXPECT_EQ(l.wiersz(), 18);
    EXPECT_EQ(l.przesuniecie(), 3);
    EXPECT_TRUE(l.strzalka_gora());

    // The keys reach the last entry and stop there.
    for (int k = 0; k < 10; ++k)
        l.klawisz_w_dol();
    EXPECT_EQ(l.wybrana(), 25);
    EXPECT_EQ(l.przesuniecie(), 7);
    EXPECT_FALSE(l.strzalka_dol());
    // And back up to entry 1.
    for (int k = 0; k < 30; ++k)
        l.klawisz_w_gore();
    EXPECT_EQ(l.wybrana(), 1);
    EXPECT_EQ(l.przesuniecie(), 0);
    EXPECT_FALSE(l.strzalka_gora());
}

TEST(ListScroll, ARestoredScrollOfOneStillReachesEntryOne) {
    TPrzewijanaLista l;
    l.nowa_lista(25);
    l.przywroc(1, 2);
    EXPECT_TRUE(l.strzalka_gora());
    EXPECT_EQ(l.wiersz(), 1);
    EXPECT_EQ(l.klawisz_w_gore(), 1);
    EXPECT_EQ(l.wybrana(), 1);
    EXPECT_EQ(l.przesuniecie(), 0);

    // A restored position beyond a shorter list is pulled back.
    l.nowa_lista(20);
    l.przywroc(7, 25);
    EXPECT_EQ(l.przesuniecie(), 2);
    EXPECT_EQ(l.wybrana(), 0);
}

TEST(ListScroll, ArrowsScrollTheHighlightAwayAndBack) {
    TPrzewijanaLista l;
    l.nowa_lista(19);
    EXPECT_TRUE(l.strzalka_dol()) << "19 entries need the down arrow";
    ASSERT_TRUE(l.zaznacz_wiersz(1));
    EXPECT_TRUE(l.przewin_w_dol());
    EXPECT_FALSE(l.strzalka_dol());
    EXPECT_FALSE(l.przewin_w_dol());
    EXPECT_FALSE(l.zaznaczenie_widoczne());
    EXPECT_EQ(l.klawisz_w_dol(), 0) << "no key moves a highlight that is off screen";
    EXPECT_TRUE(l.przewin_w_gore());
    EXPECT_TRUE(l.zaznaczenie_widoczne());
    EXPECT_EQ(l.wiersz(), 1);

    TPrzewijanaLista krotka;
    krotka.nowa_lista(18);
    EXPECT_FALSE(krotka.strzalka_dol());
    EXPECT_FALSE(krotka.przewin_w_dol());
}

TEST(ListScroll, ClicksOnRowsWithoutAnEntryChangeNothing) {
    TPrzewijanaLista l;
    l.nowa_lista(25);
    for (int k = 0; k < 7; ++k)
        l.przewin_w_dol();
    ASSERT_TRUE(l.zaznacz_wiersz(18));
    EXPECT_EQ(l.wybrana(), 25);
    EXPECT_EQ(l.pozycja_wiersza(1), 8);

    TPrzewijanaLista krotka;
    krotka.nowa_lista(3);
    ASSERT_TRUE(krotka.zaznacz_wiersz(2));
    for (int r : {0, 4, 18, 19}) {
        SCOPED_TRACE(r);
        EXPECT_FALSE(krotka.zaznacz_wiersz(r));
        EXPECT_EQ(krotka.wybrana(), 2);
    }
    EXPECT_EQ(krotka.klawisz_w_dol(), 3);
    EXPECT_EQ(krotka.klawisz_w_dol(), 3) << "the last entry stays selected";
}

} // namespace
