// The interludes without windows: when one is due, the rotation over the
// seven sets, the matching game's word choice, picture paths and placing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/random.h"
#include "trainer_logic/interludes.h"

namespace {

class Interludes : public ::testing::Test {
  protected:
    Interludes() { wyczysc(); }
    ~Interludes() override { wyczysc(); }
    static void wyczysc() {
        ustawienia.domyslne();
        for (auto& s : przerywniki)
            s = TPrzerywnik{};
        wyczysc_stan_przerywnikow();
        wyczysc_baze();
        wyczysc_powtorki();
        wyczysc_start();
    }
};

TEST_F(Interludes, DueAfterTwentyQuestionsOrTenAtTheEnd) {
    const struct {
        bool tylko_na_koncu, koniec;
        int licznik;
        bool czas;
    } table[] = {
        {false, false, 21, true}, {false, false, 20, false}, {true, false, 21, false},
        {true, true, 11, true},   {true, true, 10, false},   {false, true, 11, false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.licznik) + (row.koniec ? " at the end" : " between") +
                     (row.tylko_na_koncu ? ", only at the end" : ""));
        ustawienia.linia[50] = row.tylko_na_koncu ? 1 : 0;
        licznik_przerywnika = row.licznik;
        EXPECT_EQ(czas_na_przerywnik(row.koniec), row.czas);
        EXPECT_EQ(licznik_przerywnika, row.czas ? 0 : row.licznik);
    }
}

struct Zestaw {
    int k;
    int rodzaj;
    int okres;
    int ile = 3;
    bool wlaczony = true;
    int wiersz = 0;
};

// Sets up the sets, runs `tury` turns and lists what showed as "set:row", a
// turn without an interlude as "-". Sets in `nie_wychodzi` find nothing to show.
std::string obroty(const std::vector<Zestaw>& zestawy, int tury, std::set<int> nie_wychodzi = {}) {
    for (const Zestaw& z : zestawy) {
        TPrzerywnik& s = przerywniki[z.k];
        s.jest = true;
        s.rodzaj = z.rodzaj;
        s.okres = z.okres;
        s.ile = z.rodzaj == PRZ_KOJARZENIE ? 0 : z.ile;
        ustawienia.wlacz_przerywnik(z.k, z.wlaczony);
        ustawienia.wiersz_przerywnika(z.k) = z.wiersz;
    }
    std::string wynik;
    for (int t = 0; t < tury; ++t) {
        std::string pokazany = "-";
        const int k = obrot_przerywnikow([&](int zestaw, int wiersz) {
            if (nie_wychodzi.count(zestaw)) return false;
            pokazany = std::to_string(zestaw) + ":" + std::to_string(wiersz);
            return true;
        });
        EXPECT_EQ(k == 0, pokazany == "-");
        if (k) {
            EXPECT_EQ(stan_przerywnikow.zestaw, k);
        }
        wynik += (wynik.empty() ? "" : " ") + pokazany;
    }
    return wynik;
}

TEST_F(Interludes, TheRotationCountsDownEachEnabledSetItPasses) {
    const std::vector<Zestaw> demo = {
        {1, PRZ_SENTENCJE, 1}, {2, PRZ_OBRAZKI_1, 2}, {3, PRZ_KOJARZENIE, 3}, {4, PRZ_SENTENCJE, 2},
        {5, PRZ_OBRAZKI_2, 2}, {6, PRZ_SENTENCJE, 2}, {7, PRZ_SENTENCJE, 3},
    };
    const struct {
        const char* nazwa;
        std::vector<Zestaw> zestawy;
        int tury;
        std::set<int> nie_wychodzi;
        const char* pokazane;
    } table[] = {
        {"two picture sets of period 1 alternate",
         {{2, PRZ_OBRAZKI_1, 1, 3}, {5, PRZ_OBRAZKI_2, 1, 2}},
         6,
         {},
         "2:1 5:1 2:2 5:2 2:3 5:1"},
        {"period 3 fires at the 1st, 4th and 7th turn",
         {{1, PRZ_SENTENCJE, 3, 10}},
         7,
         {},
         "1:1 - - 1:2 - - 1:3"},
        {"every set fires at its first turn, then by its period",
         demo,
         10,
         {},
         "1:1 2:1 3:1 4:1 5:1 6:1 7:1 1:2 1:3 2:2"},
        {"a matching game without words passes the turn on", demo, 4, {3}, "1:1 2:1 4:1 5:1"},
        {"a disabled set is passed over without counting down",
         {{1, PRZ_SENTENCJE, 1}, {2, PRZ_SENTENCJE, 1, 3, false}},
         3,
         {},
         "1:1 1:2 1:3"},
        {"a saying or picture set without rows is passed over",
         {{1, PRZ_SENTENCJE, 1, 0}, {2, PRZ_OBRAZKI_1, 1, 0}, {3, PRZ_OBRAZKI_2, 1, 2}},
         2,
         {},
         "3:1 3:2"},
        {"an unknown kind is passed over", {{1, PRZ_BRAK, 1}}, 2, {}, "- -"},
        {"rows go on from the stored row and wrap to 1",
         {{4, PRZ_SENTENCJE, 1, 3, true, 2}},
         3,
         {},
         "4:3 4:1 4:2"},
        {"a stored row out of range starts again at 1",
         {{4, PRZ_SENTENCJE, 1, 3, true, 99}, {5, PRZ_SENTENCJE, 1, 3, true, -4}},
         2,
         {},
         "4:1 5:1"},
        {"nothing enabled shows nothing", {}, 2, {}, "- -"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.nazwa);
        wyczysc();
        EXPECT_EQ(obroty(row.zestawy, row.tury, row.nie_wychodzi), row.pokazane);
    }
}

TEST_F(Interludes, RowsReachedAreKeptInTheSettingsAndTheCountdownsStartAfresh) {
    obroty({{2, PRZ_OBRAZKI_1, 2, 5}}, 3);
    EXPECT_EQ(ustawienia.wiersz_przerywnika(2), 2);
    EXPECT_EQ(ustawienia.odliczanie_przerywnikow[2], 2);
    // A later set enabled mid-run fires at its first turn.
    przerywniki[6].jest = true;
    przerywniki[6].rodzaj = PRZ_SENTENCJE;
    przerywniki[6].ile = 1;
    przerywniki[6].okres = 4;
    std::vector<int> pokazane;
    obrot_przerywnikow([&](int k, int) {
        pokazane.push_back(k);
        return true;
    });
    EXPECT_EQ(pokazane, std::vector<int>{6});
    EXPECT_EQ(stan_przerywnikow.biezacy_wiersz, 1);
}

// The matching game's word choice over a store the test fills.
class MatchingWords : public Interludes {
  protected:
    MatchingWords() {
        os::set_rand_seed(20240611);
        sciezka_cd = "/cd/";
    }
    // Item and repetition record i.
    static void pozycja(int i, const std::string& obce, const std::string& polskie, int rodzaj = 1,
                        bool kosz = false, bool w_uzyciu = true) {
        baza.ile_slow = std::max(baza.ile_slow, i);
        baza.id_slowa[i] = i;
        baza.rodzaj[i] = rodzaj;
        baza.slowo_obce[i] = obce;
        baza.tlumaczenie[i] = polskie;
        baza.wymowa[i] = std::to_string(1000 + i);
        tab_powtorek[i].id = w_uzyciu ? i : 0;
        tab_powtorek[i].kosz = kosz ? 1 : 0;
        ile_powtorek = std::max(ile_powtorek, i);
    }
    static void slowa(int od, int ile) {
        for (int i = od; i < od + ile; ++i)
            pozycja(i, "w" + std::to_string(i), "p" + std::to_string(i));
    }
    TSlowaKojarzenia s;
};

TEST_F(MatchingWords, NothingIsShownWithoutEnoughUsableWords) {
    const struct {
        const char* nazwa;
        std::function<void()> uloz;
        bool pokazane;
    } table[] = {
        {"99 words", [] { slowa(1, 99); }, false},
        {"100 words", [] { slowa(1, 100); }, true},
        {"100 words, one in the bin",
         [] {
             slowa(1, 100);
             tab_powtorek[50].kosz = 1;
         },
         false},
        {"99 words and sentences",
         [] {
             slowa(1, 99);
             for (int i = 100; i < 150; ++i)
                 pozycja(i, "s" + std::to_string(i), "z", 5);
         },
         false},
        {"100 words, one record unused",
         [] {
             slowa(1, 100);
             tab_powtorek[7].id = 0;
         },
         false},
        {"records past the store",
         [] {
             slowa(1, 60);
             for (int i = 61; i <= 160; ++i)
                 tab_powtorek[i].id = i;
             ile_powtorek = 160;
         },
         false},
        {"only five distinct foreign texts",
         [] {
             for (int i = 1; i <= 500; ++i)
                 pozycja(i, "w" + std::to_string(i % 5), "p");
         },
         false},
        {"every text too long",
         [] {
             for (int i = 1; i <= 200; ++i)
                 pozycja(i, "w" + std::to_string(i), std::string(26, 'x'));
         },
         false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.nazwa);
        wyczysc();
        sciezka_cd = "/cd/";
        row.uloz();
        EXPECT_EQ(wybierz_slowa_kojarzenia(s), row.pokazane);
    }
}

TEST_F(MatchingWords, TheWalkStartsTenOnFromTheLastChoiceMadeEven) {
    slowa(1, 150);
    const struct {
        int zapisany, pierwszy;
    } table[] = {{37, 48}, {38, 48}, {139, 150}, {140, 150}, {141, 1}, {145, 1}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.zapisany);
        stan_przerywnikow.start_kojarzenia = row.zapisany;
        ASSERT_TRUE(wybierz_slowa_kojarzenia(s));
        EXPECT_EQ(s.obce[1], "w" + std::to_string(row.pierwszy));
    }
    // The position reached is where the next choice goes on from.
    stan_przerywnikow.start_kojarzenia = 20;
    ASSERT_TRUE(wybierz_slowa_kojarzenia(s));
    const int doszla = stan_przerywnikow.start_kojarzenia;
    EXPECT_GT(doszla, 30 + 18);
    int nastepny = doszla + 10;
    nastepny += nastepny % 2;
    ASSERT_TRUE(wybierz_slowa_kojarzenia(s));
    EXPECT_EQ(s.obce[1], "w" + std::to_string(nastepny > 150 ? 1 : nastepny));
}

TEST_F(MatchingWords, TheFirstWalkStartsAtRandom) {
    slowa(1, 150);
    os::set_rand_seed(777);
    int start = os::random(150);
    start += start % 2;
    if (start == 0) start = 1;
    os::set_rand_seed(777);
    ASSERT_TRUE(wybierz_slowa_kojarzenia(s));
    EXPECT_EQ(s.obce[1], "w" + std::to_string(start));
}

TEST_F(MatchingWords, TheWalkTakesOnlyShortDistinctWordsOutsideTheBin) {
    // Four kinds of record in turn: a good word (40 distinct texts), a
    // sentence, a word in the bin, a word too long.
    for (int i = 1; i <= 400; ++i) {
        switch (i % 4) {
        case 0:
            pozycja(i, "good" + std::to_string(i % 40), "dobre" + std::to_string(i));
            break;
        case 1:
            pozycja(i, "sentence", "zdanie", 5);
            break;
        case 2:
            pozycja(i, "binned", "kosz", 1, true);
            break;
        case 3:
            pozycja(i, "long", std::string(26, 'd'));
            break;
        }
    }
    for (int proba = 0; proba < 20; ++proba) {
        SCOPED_TRACE(proba);
        ASSERT_TRUE(wybierz_slowa_kojarzenia(s));
        std::set<std::string> obce;
        for (int j = 1; j <= SLOW_KOJARZENIA; ++j) {
            EXPECT_EQ(s.obce[j].rfind("good", 0), 0u) << s.obce[j];
            obce.insert(s.obce[j]);
        }
        EXPECT_EQ(obce.size(), size_t(SLOW_KOJARZENIA));
    }
}

TEST_F(MatchingWords, ThePolishTextsAreShuffledOverTheTenPlaces) {
    slowa(1, 150);
    pozycja(3, "own", "ale", 1);
    baza.slowo_usera[3] = 1;
    baza.wymowa[3] = "";
    stan_przerywnikow.start_kojarzenia = 100; // starts at 110
    ASSERT_TRUE(wybierz_slowa_kojarzenia(s));
    std::vector<std::string> w_kolejnosci(s.polskie.begin() + 1, s.polskie.end());
    std::vector<std::string> wymieszane(s.polskie_wymieszane.begin() + 1,
                                        s.polskie_wymieszane.end());
    std::sort(w_kolejnosci.begin(), w_kolejnosci.end());
    std::sort(wymieszane.begin(), wymieszane.end());
    EXPECT_EQ(wymieszane, w_kolejnosci);
    EXPECT_NE(s.polskie_wymieszane, s.polskie);
    for (int j = 1; j <= SLOW_KOJARZENIA; ++j) {
        const int i = std::stoi(s.obce[j].substr(1));
        EXPECT_EQ(s.polskie[j], "p" + std::to_string(i));
        const std::string n = "0" + std::to_string(1000 + i);
        EXPECT_EQ(s.nagrania[j],
                  "/cd/D_" + n.substr(0, 2) + "\\dd_" + n.substr(0, 3) + "\\" + n + ".wav");
    }
}

TEST_F(Interludes, PicturePathsComeFromTheSixCharacterCode) {
    sciezka_cd = "/cd/bsslow3/";
    const struct {
        const char* kod;
        const char* sciezka;
    } table[] = {
        {"z21101", "/cd/bsslow3/z2\\11\\1101.jpg"},
        {"z21001", "/cd/bsslow3/z2\\10\\1001.jpg"},
        {"z2110199", "/cd/bsslow3/z2\\11\\1101.jpg"},
        {"z2110", ""},
        {"", ""},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.kod);
        EXPECT_EQ(sciezka_obrazka(row.kod), row.sciezka);
    }
}

TEST_F(Interludes, APictureIsScaledToFitTheScreenAndCentred) {
    const struct {
        const char* nazwa;
        int w, h, W, H;
        TMiejsce m;
    } table[] = {
        {"small: its own size", 400, 300, 1280, 800, {440, 250, 400, 300}},
        {"landscape too tall", 1200, 1000, 1280, 800, {183, 19, 914, 762}},
        {"landscape too wide", 2000, 1000, 1280, 800, {15, 88, 1250, 625}},
        {"portrait too tall", 600, 1600, 1280, 800, {497, 19, 286, 762}},
        {"halves to even", 101, 51, 1280, 800, {590, 374, 101, 51}},
        {"just fits", 1250, 762, 1280, 800, {15, 19, 1250, 762}},
        {"empty picture", 0, 0, 1280, 800, {0, 0, 0, 0}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.nazwa);
        const TMiejsce m = miejsce_obrazka(row.w, row.h, row.W, row.H);
        EXPECT_EQ(m.left, row.m.left);
        EXPECT_EQ(m.top, row.m.top);
        EXPECT_EQ(m.width, row.m.width);
        EXPECT_EQ(m.height, row.m.height);
        EXPECT_LE(m.left + m.width, row.W);
        EXPECT_LE(m.top + m.height, row.H);
    }
}

} // namespace
