// The wrong answers beside the right one: the pool, the bounded draws and the
// options of a choice sentence.
#include <gtest/gtest.h>

#include <set>

#include "platform/os/random.h"
#include "trainer/small_store.h"
#include "trainer_logic/distractors.h"

namespace {

using testsupport::Pozycja;
using testsupport::SmallStore;

std::vector<std::string> teksty(const PulaDystraktorow& p) {
    std::vector<std::string> t;
    for (int n = 0; n < p.ile(); ++n)
        t.push_back(p.tekst(n));
    return t;
}

// The right text is at its place, all shown choices differ, none is empty.
void sprawdz_wybory(const Wybory& w, const std::string& poprawna, int ile) {
    ASSERT_EQ(w.ile, ile);
    ASSERT_GE(w.poprawny, 1);
    ASSERT_LE(w.poprawny, w.ile);
    EXPECT_EQ(w.teksty[w.poprawny - 1], poprawna);
    std::set<std::string> rozne;
    for (int k = 0; k < w.ile; ++k) {
        EXPECT_FALSE(w.teksty[k].empty());
        rozne.insert(w.teksty[k]);
    }
    EXPECT_EQ(static_cast<int>(rozne.size()), w.ile);
    for (int k = w.ile; k < 4; ++k)
        EXPECT_TRUE(w.teksty[k].empty());
}

TEST(DistractorPool, SameKindAndFirstLetterThenAnyWordOfThatLetter) {
    SmallStore s;
    const int bed = s.add({1, 1, "bed", "łóżko", 1});
    s.add({2, 1, "box", "pudło", 2});
    s.add({3, 2, "big", "duży", 1});
    s.add({4, 1, "cat", "kot", 1});
    s.add({60001, 5, "b <x>", "zdanie", 1});
    // Fewer than 10 of the same kind: every word of the letter comes again.
    EXPECT_EQ(teksty(Zbierz_dystraktory(PULA_SLUCH, bed)),
              (std::vector<std::string>{"bed", "box", "bed", "box", "big"}));
    // Polish texts of the group, same kind first, then every word of it.
    EXPECT_EQ(teksty(Zbierz_dystraktory(PULA_ZNACZENIE, bed)),
              (std::vector<std::string>{"łóżko", "kot", "łóżko", "duży", "kot"}));
}

TEST(DistractorPool, NoSecondPassWhenTheFirstIsLargeEnough) {
    SmallStore s;
    for (int k = 1; k <= 12; ++k)
        s.add({k, 1, "b" + std::to_string(k), "p" + std::to_string(k), 1});
    s.add({13, 2, "bold", "śmiały", 1});
    EXPECT_EQ(Zbierz_dystraktory(PULA_TLUMACZENIE, 1).ile(), 12);
}

TEST(DistractorDraw, EnoughDistinctTextsGiveFourChoices) {
    SmallStore s;
    int id = 0;
    for (const char* w : {"bag", "bed", "box", "bus", "bin", "bat"})
        s.add({++id, 1, w, "x", 1});
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        os::set_rand_seed(seed);
        const Wybory w = Losuj_odpowiedzi(true, "bed", Zbierz_dystraktory(PULA_SLUCH, 2));
        sprawdz_wybory(w, "bed", 4);
    }
}

TEST(DistractorDraw, EveryDrawEnds) {
    struct Case {
        const char* opis;
        std::vector<std::string> slowa; // nouns; the first is asked
        int ile;                        // choices shown
    } cases[] = {
        // Pool of 4 and more entries, one text besides the right one; the
        // store has nothing else either.
        {"duplicates only", {"bag", "box", "box", "box"}, 2},
        // The pool's texts run out; the store fills the rest.
        {"duplicates and a store to draw from", {"bag", "box", "box", "cat", "dog", "eel"}, 4},
        // Fewer than 4 in the pool: the whole store, which is tiny.
        {"a tiny store", {"bag", "cat", "dog"}, 3},
        {"a single item", {"bag"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        SmallStore s;
        for (size_t k = 0; k < c.slowa.size(); ++k)
            s.add({static_cast<int>(k) + 1, 1, c.slowa[k], "p" + std::to_string(k), 1});
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            os::set_rand_seed(seed);
            sprawdz_wybory(Losuj_odpowiedzi(true, "bag", Zbierz_dystraktory(PULA_SLUCH, 1)), "bag",
                           c.ile);
        }
    }
}

TEST(DistractorDraw, AnEmptyRightTextGivesNoChoices) {
    SmallStore s;
    for (int k = 1; k <= 6; ++k)
        s.add({k, 1, "b" + std::to_string(k), "p" + std::to_string(k), 1});
    EXPECT_EQ(Losuj_odpowiedzi(false, "", Zbierz_dystraktory(PULA_ZNACZENIE, 1)).ile, 0);
    EXPECT_EQ(Losuj_odpowiedzi_z_bazy(true, "").ile, 0);
}

TEST(DistractorDraw, TheStoreWideDrawTakesWordsOfASmallStore) {
    SmallStore s;
    s.add({1, 1, "bag", "torba", 1});
    s.add({2, 1, "cat", "kot", 1});
    s.add({60001, 5, "A <b>.", "zdanie", 1});
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        os::set_rand_seed(seed);
        const Wybory w = Losuj_odpowiedzi_z_bazy(false, "torba");
        sprawdz_wybory(w, "torba", 2);
    }
}

TEST(SentenceOptions, TheRightOneGoesToAPlaceOfTheFirstThree) {
    struct Case {
        std::string lista, poprawna;
        std::set<std::string> pokazane; // options 1..4
        bool czwarta_pusta;
    } cases[] = {
        {"room/garden/kitchen/flat", "flat", {"room", "garden", "kitchen", "flat"}, false},
        {"a/b", "c", {"a", "b", "c"}, true},
        {"a", "c", {"a", "c"}, true},
        {"potato...tomato/potatos ...tomatos/potatoe...tomatoe/potatoes...tomatoes",
         "potatoes ... tomatoes",
         {"potato ... tomato", "potatos ... tomatos", "potatoe ... tomatoe",
          "potatoes ... tomatoes"},
         false},
        {"a/b/c/d/e/f", "x", {"a", "b", "c", "x"}, false},
    };
    for (const Case& c : cases) {
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE(c.lista + " seed " + std::to_string(seed));
            os::set_rand_seed(seed);
            const OpcjeZdania o = Opcje_zdania(c.lista, c.poprawna);
            ASSERT_GE(o.poprawna, 1);
            ASSERT_LE(o.poprawna, 3);
            EXPECT_EQ(o.opcje[o.poprawna - 1], c.poprawna);
            std::set<std::string> pokazane;
            for (int k = 0; k < 4; ++k)
                if (!o.opcje[k].empty()) pokazane.insert(o.opcje[k]);
            EXPECT_EQ(pokazane, c.pokazane);
            EXPECT_EQ(o.opcje[3].empty(), c.czwarta_pusta);
        }
    }
}

TEST(SentenceOptions, EveryEllipsisGetsOneBlankEachSide) {
    EXPECT_EQ(rozsun_wielokropki("a...b"), "a ... b");
    EXPECT_EQ(rozsun_wielokropki("a  ...  b...c"), "a ... b ... c");
    EXPECT_EQ(rozsun_wielokropki("plain"), "plain");
}

} // namespace
