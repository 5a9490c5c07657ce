// The repetition scheduler: new intervals, factors and status bytes from a
// run's plan, levelling over crowded days, the same-day refresh, the record
// buttons' effects, and the due histogram.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/os/date_serial.h"
#include "trainer_logic/record_actions.h"
#include "trainer_logic/scheduler.h"

namespace {

constexpr double DZIS = 45000; // a whole-day serial

struct Slot {
    int typ;
    int proby;
    bool zrobione;
};

// One item (index 1, ID 7) in a one-position plan.
class Harmonogram : public ::testing::Test {
  protected:
    Harmonogram() {
        b.ile_slow = 3;
        b.id_slowa[1] = 7;
        b.id_slowa[2] = 8;
        b.id_slowa[3] = 60005;
        plan.ile_w_planie = 1;
        plan.pozycje_planu[1] = 1;
    }
    void sloty(std::initializer_list<Slot> s, int k = 1) {
        for (const Slot& x : s)
            plan.plan_cwiczenia[k].typ[x.typ] = {x.zrobione ? 0 : 1, x.proby, uint8_t(x.zrobione)};
    }
    void wyznacz() { Wyznacz_powtorki(plan, b, *r, ile, u, DZIS); }
    TPowtorka& rek(int i = 1) { return (*r)[i]; }

    TBazaSlowek b;
    TPlan plan;
    std::unique_ptr<TabelaPowtorek> r = std::make_unique<TabelaPowtorek>();
    int ile = 0;
    TUstawieniaPowtorek u;
};

TPowtorka rekord(int ile_powtorzen, int interwal, double wsp, double ostatnia = DZIS - 10) {
    TPowtorka p;
    p.id = 7;
    p.data_pierwsza = DZIS - 100;
    p.data_ostatnia = ostatnia;
    p.ile_powtorzen = ile_powtorzen;
    p.interwal = interwal;
    p.wspolczynnik = wsp;
    return p;
}

TEST_F(Harmonogram, AnsweredItemsGetTheirIntervalFactorAndStatus) {
    struct Case {
        const char* opis;
        TPowtorka przed;
        std::vector<Slot> sloty;
        double mnoznik;
        int wymagane;
        int ile_powtorzen, interwal;
        double wsp;
        int status6;
    } cases[] = {
        {"new, right at once", {}, {{6, 1, true}}, 1.2, 1, 1, 2, 1.5, 2},
        {"new, wrong first", {}, {{6, 2, true}}, 1.2, 1, 1, 1, 1.5, 1},
        {"new, not finished", {}, {{6, 1, false}}, 1.2, 1, 1, 1, 1.5, 1},
        {"second day, wrong again", rekord(1, 1, 1.5), {{6, 2, true}}, 1.2, 1, 2, 2, 1.5 / 1.1, 1},
        {"count 3, right", rekord(3, 10, 2.0), {{6, 1, true}}, 1.5, 1, 4, 30, 2.4, 2},
        {"two answers required, both right", rekord(3, 10, 2.0), {{6, 2, true}}, 1.5, 2, 4, 30, 2.4, 1},
        {"clamped at 1200", rekord(5, 1000, 2.9), {{6, 1, true}}, 4.0, 1, 6, 1200, 3.0, 2},
        {"factor floor", rekord(5, 10, 1.05), {{6, 3, true}}, 1.2, 1, 6, 2, 1.0, 1},
        // The stored factor of 1.5 x 1.2 is 1.7999...: 25 x it x 1.2 truncates to 53.
        {"stored factor truncates", rekord(3, 25, 1.5 * 1.2), {{6, 1, true}}, 1.2, 1, 4, 53,
         1.5 * 1.2 * 1.2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        *r = {};
        plan.plan_cwiczenia[1] = {};
        rek() = c.przed;
        for (const Slot& s : c.sloty)
            sloty({s});
        u.mnoznik = c.mnoznik;
        u.wymagane = c.wymagane;
        wyznacz();
        EXPECT_EQ(rek().id, 7);
        EXPECT_EQ(rek().ile_powtorzen, c.ile_powtorzen);
        EXPECT_EQ(rek().interwal, c.interwal);
        EXPECT_EQ(rek().poprzedni_interwal, c.przed.interwal);
        EXPECT_DOUBLE_EQ(rek().wspolczynnik, c.wsp);
        EXPECT_EQ(rek().typy[6], c.status6);
        EXPECT_EQ(rek().typy[4], 0);
        EXPECT_EQ(rek().data_ostatnia, DZIS);
        EXPECT_EQ(rek().data_pierwsza, c.przed.ile_powtorzen == 0 ? DZIS : DZIS - 100);
    }
}

TEST_F(Harmonogram, TheVerdictComesFromThePrimaryTypeOrTheFallbackOrder) {
    struct Case {
        int typ_slowek;
        std::vector<Slot> sloty;
        int glowny;
    } cases[] = {
        {6, {{6, 1, true}, {3, 2, true}}, 6},
        {6, {{3, 2, true}, {2, 1, true}}, 3},
        {1, {{4, 1, true}, {2, 1, true}}, 4},
        {2, {{12, 1, true}, {10, 1, true}}, 12},
        {6, {{13, 1, true}, {14, 1, true}}, 13},
        {6, {}, 0},
    };
    for (const Case& c : cases) {
        TPlanSlowka w;
        for (const Slot& s : c.sloty)
            w.typ[s.typ] = {0, s.proby, uint8_t(s.zrobione)};
        EXPECT_EQ(typ_glowny(w, c.typ_slowek), c.glowny) << c.typ_slowek;
    }
    // Type 3 decides (wrong there: interval 1), though type 2 was right.
    sloty({{3, 2, true}, {2, 1, true}});
    wyznacz();
    EXPECT_EQ(rek().interwal, 1);
    EXPECT_EQ(rek().typy[2], 2);
    EXPECT_EQ(rek().typy[3], 1);
}

TEST_F(Harmonogram, PositionsWithoutAnswersOrItemsAreLeftAlone) {
    const TPowtorka przed = rekord(4, 12, 2.0);
    rek() = przed;
    plan.ile_w_planie = 3;
    plan.pozycje_planu[2] = 0;     // not in the store
    plan.pozycje_planu[3] = 99;    // beyond it
    sloty({{6, 1, true}}, 2);
    sloty({{6, 1, true}}, 3);
    wyznacz();
    EXPECT_EQ(rek().ile_powtorzen, 4);
    EXPECT_EQ(rek().interwal, 12);
    EXPECT_EQ(rek().data_ostatnia, przed.data_ostatnia);
    EXPECT_EQ((*r)[0].id, 0);
    EXPECT_EQ(ile, 0);
}

TEST_F(Harmonogram, ASecondRunTheSameDayOnlyRefreshesTheStatusBytes) {
    TPowtorka przed = rekord(2, 5, 1.8, DZIS);
    przed.typy[2] = 0; // right at the first attempt now: 2
    przed.typy[4] = 2; // practised again: 1
    przed.typy[5] = 1; // not practised: kept
    rek() = przed;
    sloty({{6, 2, true}, {2, 1, true}, {4, 1, true}});
    wyznacz();
    EXPECT_EQ(rek().ile_powtorzen, 2);
    EXPECT_EQ(rek().interwal, 5);
    EXPECT_DOUBLE_EQ(rek().wspolczynnik, 1.8);
    EXPECT_EQ(rek().typy[2], 2);
    EXPECT_EQ(rek().typy[4], 1);
    EXPECT_EQ(rek().typy[5], 1);
    EXPECT_EQ(rek().typy[6], 1);
}

TEST(Wyrownanie, ACrowdedDayMovesToAQuieterNeighbour) {
    struct Case {
        const char* opis;
        int d;
        std::vector<std::pair<int, int>> dni; // day, count (others 30)
        int wynik;
    } cases[] = {
        {"next day much quieter", 24, {{25, 10}}, 25},
        {"second day quieter", 24, {{26, 20}}, 26},
        {"third day quieter", 24, {{27, 20}}, 27},
        {"third day not looked at up to day 10", 10, {{13, 20}}, 10},
        {"day before quieter", 24, {{23, 20}}, 23},
        {"two days before quieter", 24, {{22, 20}}, 22},
        {"two days before not looked at up to day 10", 10, {{8, 20}}, 10},
        {"even around", 24, {}, 24},
        {"day not crowded", 24, {{24, 20}, {25, 0}}, 24},
        {"too near", 5, {{6, 0}}, 5},
        {"too far", 597, {{598, 0}}, 597},
    };
    for (const Case& c : cases) {
        TRozklad h;
        h.fill(30);
        for (auto [d, n] : c.dni)
            h[d] = n;
        EXPECT_EQ(wyrownaj_interwal(c.d, h), c.wynik) << c.opis;
    }
}

TEST_F(Harmonogram, LevellingCountsTheRecordsDueAndTheRunsOwnIntervals) {
    // 30 items due on day 24 and 10 on day 25; the run's item lands on 24.
    b.ile_slow = 50;
    for (int i = 2; i <= 41; ++i) {
        b.id_slowa[i] = 100 + i;
        (*r)[i] = rekord(2, i <= 31 ? 34 : 35, 1.5);
        (*r)[i].id = 100 + i;
    }
    ile = 41;
    rek() = rekord(3, 10, 2.0);
    sloty({{6, 1, true}});
    wyznacz();
    EXPECT_EQ(rek().interwal, 25);
    EXPECT_EQ(Rozklad_powtorek(*r, ile, DZIS)[25], 11);
}

TEST_F(Harmonogram, RecordButtonsReachTheScheduler) {
    u.interwal_umiem = 100;
    u.wymagane = 2;
    struct Case {
        const char* opis;
        AkcjaRekordu akcja;
        TPowtorka przed;
        int ile_powtorzen, interwal;
        double wsp;
        uint8_t kosz;
        double ostatnia;
        uint8_t status; // of the answered type 6
    } cases[] = {
        {"Już umiem on a new item", AkcjaRekordu::juz_umiem, {}, 1, 100, 1.5, 0, DZIS, 2},
        // Counted by the scheduler: a second repetition, right.
        {"Już umiem on an item repeated once on an earlier day", AkcjaRekordu::juz_umiem,
         rekord(1, 2, 1.5), 2, 100, 1.5 * 1.2, 0, DZIS, 2},
        {"Już umiem on a known item", AkcjaRekordu::juz_umiem, rekord(3, 10, 2.0), 4, 100, 2.4, 0,
         DZIS, 2},
        {"Już umiem on an item repeated today", AkcjaRekordu::juz_umiem, rekord(3, 10, 2.0, DZIS),
         3, 100, 2.0, 0, DZIS, 2},
        {"bin keeps interval and count", AkcjaRekordu::do_kosza, rekord(5, 40, 2.0), 5, 40, 2.0, 1,
         DZIS, 2},
        {"bin on a new item", AkcjaRekordu::do_kosza, {}, 1, 1, 1.5, 1, DZIS, 2},
        {"reset after an answer", AkcjaRekordu::zeruj, rekord(5, 40, 2.0, DZIS - 3), 1, 2, 1.5, 0,
         DZIS, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        *r = {};
        plan.plan_cwiczenia[1] = {};
        rek() = c.przed;
        rek().kosz = 1; // reset must not leave it in the bin
        if (c.akcja != AkcjaRekordu::zeruj) rek().kosz = 0;
        // Two answers required: one right so far.
        plan.plan_cwiczenia[1].typ[6] = {1, 1, 0};
        std::array<bool, TYPOW_POWTORKI + 1> flagi{};
        flagi[3] = true;
        zastosuj_akcje(c.akcja, plan.plan_cwiczenia[1], rek(), flagi, 7, DZIS);
        if (c.akcja == AkcjaRekordu::zeruj) {
            EXPECT_EQ(rek().id, 0);
            EXPECT_FALSE(flagi[3]);
            plan.plan_cwiczenia[1].typ[6].proby = 2; // answered right twice before the reset
        }
        wyznacz();
        EXPECT_EQ(rek().id, 7);
        EXPECT_EQ(rek().ile_powtorzen, c.ile_powtorzen);
        EXPECT_EQ(rek().interwal, c.interwal);
        EXPECT_DOUBLE_EQ(rek().wspolczynnik, c.wsp);
        EXPECT_EQ(rek().kosz, c.kosz);
        EXPECT_EQ(rek().juz_umiem, 0);
        EXPECT_EQ(rek().data_ostatnia, c.ostatnia);
        EXPECT_EQ(rek().typy[6], c.status);
        for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t) {
            EXPECT_EQ(plan.plan_cwiczenia[1].typ[t].pozostalo, 0) << t;
            EXPECT_EQ(plan.plan_cwiczenia[1].typ[t].zrobione, 1) << t;
        }
    }
}

TEST(RozkladPowtorek, CountsRecordsByTheDayTheyFallDue) {
    auto r = std::make_unique<TabelaPowtorek>();
    struct Rek {
        double ostatnia;
        int interwal;
        int id = 1;
        uint8_t kosz = 0;
    };
    const std::vector<Rek> rek = {
        {DZIS - 30, 10},       // overdue: day 0
        {DZIS - 0.5, 1},       // 0.5: halves to even, day 0
        {DZIS + 0.5, 1},       // 1.5: day 2
        {DZIS, 600},           // the last day counted
        {DZIS, 601},           // beyond
        {DZIS, 5, 1, 1},       // in the bin
        {DZIS, 5, 0},          // not in use
    };
    for (size_t k = 0; k < rek.size(); ++k) {
        TPowtorka& p = (*r)[k + 1];
        p.id = rek[k].id;
        p.data_ostatnia = rek[k].ostatnia;
        p.interwal = rek[k].interwal;
        p.kosz = rek[k].kosz;
    }
    const TRozklad h = Rozklad_powtorek(*r, static_cast<int>(rek.size()), DZIS);
    EXPECT_EQ(h[0], 2);
    EXPECT_EQ(h[2], 1);
    EXPECT_EQ(h[600], 1);
    EXPECT_EQ(h[5], 0);
    int razem = 0;
    for (int n : h)
        razem += n;
    EXPECT_EQ(razem, 4);
}

} // namespace
