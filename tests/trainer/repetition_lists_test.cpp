// What the repetition windows list: the noun after a count, the items due
// today and the choice of how many to repeat, the days ahead and the bin.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "trainer_logic/repetition_lists.h"

namespace {

constexpr double DZIS = 45000;

TEST(FormaSlowek, FollowsTheCountAsTheWindowsWriteIt) {
    struct Case {
        int n;
        const char* forma;
    } cases[] = {{0, " słówek"},  {1, " słówko"},  {2, " słówka"},  {4, " słówka"},
                 {5, " słówek"},  {12, " słówek"}, {14, " słówek"}, {22, " słówek"},
                 {25, " słówek"}};
    for (const Case& c : cases)
        EXPECT_EQ(os::cp1250_to_utf8(forma_slowek(c.n)), c.forma) << c.n;
}

TEST(IleTeraz, EntriesStepBy20UpToTheCountOrTheRunLimit) {
    struct Case {
        int ile;
        std::vector<int> wpisy;
    } cases[] = {
        {40, {}},
        {41, {10, 20, 40, 41}},
        {45, {10, 20, 40, 45}},
        {60, {10, 20, 40, 60}},
        {61, {10, 20, 40, 60, 61}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wpisy_ile_teraz(c.ile), c.wpisy) << c.ile;
    std::vector<int> do_300 = {10};
    for (int v = 20; v <= 300; v += 20)
        do_300.push_back(v);
    EXPECT_EQ(wpisy_ile_teraz(300), do_300);
    EXPECT_EQ(wpisy_ile_teraz(1000), do_300);
}

// Records by index: in use, last date, interval, bin.
class Przeglad : public ::testing::Test {
  protected:
    void dodaj(int i, double ostatnia, int interwal, uint8_t kosz = 0, int id = 1,
               double pierwsza = DZIS - 50) {
        TPowtorka& p = (*r)[i];
        p.id = id;
        p.data_pierwsza = pierwsza;
        p.data_ostatnia = ostatnia;
        p.interwal = interwal;
        p.kosz = kosz;
        ile = std::max(ile, i);
    }
    std::unique_ptr<TabelaPowtorek> r = std::make_unique<TabelaPowtorek>();
    int ile = 0;
};

TEST_F(Przeglad, DueTodayCountsPastTheRunLimitAndKeepsTheFirstIndexes) {
    dodaj(1, DZIS - 5, 5);         // due exactly today
    dodaj(2, DZIS - 5, 6);         // tomorrow
    dodaj(3, DZIS - 50, 5, 1);     // in the bin: never due
    dodaj(4, DZIS - 50, 5, 0, 0);  // not in use
    for (int i = 10; i < 10 + 320; ++i)
        dodaj(i, DZIS - 3, 1);
    const TNaDzis w = Policz_powtorki(*r, ile, DZIS);
    EXPECT_EQ(w.ile, 321);
    ASSERT_EQ(w.indeksy.size(), 300u);
    EXPECT_EQ(w.indeksy[0], 1);
    EXPECT_EQ(w.indeksy[1], 10);
    EXPECT_EQ(w.indeksy.back(), 308);
}

TEST_F(Przeglad, DaysAheadFromTodayToDay600WithTheBinApart) {
    dodaj(1, DZIS - 3, 1, 0, 1, DZIS - 200); // due two days ago: day 0
    dodaj(2, DZIS, 0);                       // today: day 0
    dodaj(3, DZIS, 600);                     // the last day listed
    dodaj(4, DZIS, 601);                     // beyond: neither listed nor counted
    dodaj(5, DZIS - 30, 10, 1, 1, DZIS - 900); // in the bin: only " w koszu"
    const TPrzegladPowtorek p = przeglad_powtorek(*r, ile, DZIS);
    ASSERT_EQ(p.dni.size(), 2u);
    EXPECT_EQ(p.dni[0].dzien, 0);
    EXPECT_EQ(p.dni[0].ile, 2);
    EXPECT_EQ(p.dni[1].dzien, 600);
    EXPECT_EQ(os::cp1250_to_utf8(wiersz_dnia(DZIS, p.dni[1])),
              os::format_date(DZIS + 600) + " - 1");
    EXPECT_EQ(p.w_koszu, 1);
    EXPECT_EQ(p.razem, 4);
    EXPECT_EQ(p.poczatek, DZIS - 200);
    EXPECT_EQ(os::cp1250_to_utf8(podsumowanie_przegladu(p)),
              "Uczysz się od " + os::format_date(DZIS - 200) + ", 4 słówek i zdań (1 w koszu)");
}

TEST_F(Przeglad, BinLinesGiveTheirIndexBack) {
    TBazaSlowek b;
    b.ile_slow = 12;
    b.slowo_obce[12] = "house";
    dodaj(3, DZIS, 5);
    dodaj(12, DZIS - 7, 5, 1);
    const std::vector<int> kosz = zawartosc_kosza(*r, ile);
    ASSERT_EQ(kosz, std::vector<int>{12});
    const std::string w = os::joined(wiersz_kosza(12, (*r)[12], b));
    EXPECT_EQ(w, "00012 - " + os::format_date(DZIS - 7) + " - house");
    EXPECT_EQ(indeks_wiersza(w), 12);
    EXPECT_EQ(indeks_wiersza("ab - x"), 0);
}

} // namespace
