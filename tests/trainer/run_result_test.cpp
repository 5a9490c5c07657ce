// A run's result: the figure recorded (rounded, halves to even) and the one
// shown (truncated), an empty run, and which runs are recorded.
#include <gtest/gtest.h>

#include "platform/os/codepage.h"
#include "trainer_logic/run_result.h"

namespace {

TEST(WynikCwiczenia, RecordedRoundedShownTruncated) {
    struct Case {
        int poprawne, bledne, ilosc, wymagane;
        int zapisany, pokazany;
    } cases[] = {
        {10, 2, 5, 2, 83, 83}, // 10 / 12
        {5, 0, 8, 1, 62, 62},  // 62.5: halves to even
        {7, 0, 8, 1, 88, 87},  // 87.5
        {0, 0, 0, 1, 0, 0},    // nothing asked
        {3, 0, 3, 1, 100, 100},
    };
    for (const Case& c : cases) {
        TWynikCwiczenia w{c.poprawne, c.bledne, c.ilosc, 0, c.wymagane};
        EXPECT_EQ(w.procent_zapisany(), c.zapisany) << c.poprawne << "/" << c.ilosc;
        EXPECT_EQ(w.procent_pokazany(), c.pokazany) << c.poprawne << "/" << c.ilosc;
    }
    const TWynikCwiczenia pusty{};
    EXPECT_EQ(pusty.linia_wynik(), "Wynik: 0 %");
}

TEST(WynikCwiczenia, RecordedFromTwoAttemptsOrTheOnlyItem) {
    struct Case {
        int proby, ilosc;
        bool zapis, ukonczone;
    } cases[] = {
        {0, 10, false, false}, {1, 10, false, false}, {2, 10, true, false},
        {10, 10, true, true},  {1, 1, true, true},    {0, 1, false, false},
    };
    for (const Case& c : cases) {
        TWynikCwiczenia w;
        w.proby = c.proby;
        w.ilosc = c.ilosc;
        EXPECT_EQ(w.do_zapisu(), c.zapis) << c.proby << " of " << c.ilosc;
        EXPECT_EQ(w.ukonczone(), c.ukonczone) << c.proby << " of " << c.ilosc;
    }
    TWynikCwiczenia w{4, 1, 6, 3, 1};
    EXPECT_EQ(os::cp1250_to_utf8(w.linia_zrobiono()), "Zrobiono: 3 przykładów z 6");
}

} // namespace
