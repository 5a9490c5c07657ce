// The generator's decisions without a window: the new-ID rule, the search and
// filter rules, the count line, moving into the exercise, the save code, the
// clipboard text, own words and comments, and the writers' round trips.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/course_fixture.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "small_store.h"
#include "trainer_logic/generator.h"

using namespace generator;
using testsupport::Pozycja;
using testsupport::SmallStore;

namespace {

// A store of own and built-in words with the given IDs; returns nothing.
void words_with_ids(SmallStore& store, const std::vector<int>& ids) {
    for (int id : ids)
        store.add(Pozycja(id, 1, "w" + std::to_string(id), "p"));
}

std::vector<std::string> foreign_of(const std::vector<int>& items) {
    std::vector<std::string> out;
    for (int i : items)
        out.push_back(baza.slowo_obce[i]);
    return out;
}

TEST(GeneratorNewId, FollowsTheHighestOwnIdBelowTheBuiltInRange) {
    struct Case {
        const char* name;
        std::vector<int> ids;
        int expected;
    } cases[] = {
        {"empty store", {}, 40001},
        {"built-in words far below", {12, 3050, 39999}, 40001},
        {"after 40001 and 40004", {120, 40001, 40004}, 40005},
        {"a built-in 50002 is ignored", {40001, 50002, 60010}, 40002},
        {"an own word of 50010 is ignored", {40003, 50010}, 40004},
        {"49998 leaves one more", {49998}, 49999},
        {"49999 is the last", {49999}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmallStore store;
        words_with_ids(store, c.ids);
        EXPECT_EQ(nastepne_id(), c.expected);
    }
}

TEST(GeneratorNewId, AddingRefusesAFullStoreAndAnExhaustedRange) {
    testsupport::DataHooks hooks("/nonexistent/");
    SmallStore store;
    words_with_ids(store, {49999});
    const Slowko s{"dog", "pies", "", "", "", 1, 1, 1};
    EXPECT_EQ(dodaj(s, ""), 0);
    EXPECT_EQ(baza.ile_slow, 1);
    ASSERT_EQ(hooks.messages.size(), 1u);

    baza.id_slowa[1] = 100;
    baza.ile_slow = MAX_SLOW; // the store is full: nothing is written past it
    EXPECT_EQ(dodaj(s, "a.wav"), 0);
    EXPECT_EQ(baza.ile_slow, MAX_SLOW);
    EXPECT_EQ(hooks.messages.size(), 2u);
}

TEST(GeneratorOwnWords, AddEditDeleteKeepIdsAndIndexes) {
    SmallStore store;
    store.add(Pozycja(101, 1, "house", "dom"));
    store.add(Pozycja(60001, 5, "A <big> house.", "Duży dom."));
    const int i = dodaj({"cat = kitten", "kot", "", "", "note", 3, 2, 1}, "kot.wav");
    ASSERT_EQ(i, 3); // after every sentence
    EXPECT_EQ(baza.id_slowa[i], 40001);
    EXPECT_EQ(baza.slowo_usera[i], 1);
    EXPECT_EQ(baza.wymowa[i], "kot.wav");
    EXPECT_EQ(baza.slowo_obce[i], "cat # kitten"); // as the item file holds it
    EXPECT_EQ(z_bazy(i).obce, "cat = kitten");
    EXPECT_EQ(znajdz_slowko(40001), i);

    ASSERT_TRUE(zmien(i, {"cat", "kot domowy", "", "", "", 2, 3, 4}));
    EXPECT_EQ(baza.id_slowa[i], 40001);
    EXPECT_EQ(baza.ile_slow, 3);
    EXPECT_EQ(baza.tlumaczenie[i], "kot domowy");
    EXPECT_EQ(baza.poziom[i], 3);
    EXPECT_EQ(baza.rodzaj[i], 4);

    baza.komentarz[i] = "mine";
    usun_slowko(i);
    EXPECT_EQ(baza.id_slowa[i], 0);
    EXPECT_TRUE(baza.komentarz[i].empty());
    EXPECT_EQ(wszystkie(), (std::vector<int>{1, 2})); // no blank row
    EXPECT_EQ(znajdz_slowko(40001), -1);
}

TEST(GeneratorOwnWords, OkNeedsTextBeyondBlanksOnOneLine) {
    struct Case {
        const char* obce;
        const char* polskie;
        const char* synonimy;
        bool ok;
    } cases[] = {
        {"dog", "pies", "", true},   {"dog", "", "", false},          {"   ", "pies", "", false},
        {"dog", " ", "", false},     {"dog\r\nx", "pies", "", false}, {"dog", "pies", "a\nb", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.obce) + "|" + c.polskie);
        Slowko s;
        s.obce = c.obce;
        s.polskie = c.polskie;
        s.synonimy = c.synonimy;
        EXPECT_EQ(mozna_zapisac(s), c.ok);
    }
}

TEST(GeneratorSearch, FoldsAToZOnlyAndWholeWordsMeanEqualText) {
    SmallStore store;
    store.add(Pozycja(1, 1, "dom", "x"));
    store.add(Pozycja(2, 1, "domek", "x"));
    store.add(Pozycja(3, 1, "Haus", "x"));
    store.add(Pozycja(4, 1, os::pl("Łódź"), os::pl("łódź")));
    store.add(Pozycja(5, 1, "the house", os::pl("Dom")));
    struct Case {
        std::string text;
        Szukanie opt;
        std::vector<std::string> found;
    } cases[] = {
        {"dom", {true, true, false, true}, {"dom", "domek", "the house"}},
        {"dom", {true, true, true, true}, {"dom", "the house"}},
        {"dom", {true, false, true, true}, {"dom"}},
        {"haus", {true, true, true, true}, {"Haus"}},
        {"haus", {true, true, true, false}, {}},
        {"HOUSE", {true, true, false, true}, {"the house"}},
        {"HOUSE", {true, true, false, false}, {}},
        // Polish capitals are not folded: only the exact letter matches.
        {os::pl("łódź"), {true, false, false, true}, {}},
        {os::pl("łódź"), {false, true, true, true}, {os::pl("Łódź")}},
        {os::pl("Łódź"), {true, false, true, true}, {os::pl("Łódź")}},
        {"do", {false, true, false, true}, {"the house"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " cale=" + std::to_string(c.opt.cale) +
                     " bez=" + std::to_string(c.opt.bez_wielkosci));
        EXPECT_EQ(foreign_of(szukaj(c.text, c.opt)), c.found);
    }
}

// The French edition: the foreign column in the western set, the Polish one
// in 238; a column whose set cannot write the text is given none.
TEST(GeneratorSearch, EachColumnWithTheTextInItsOwnSet) {
    SmallStore store(3);
    store.add(Pozycja(1, 1, os::from_utf8("l'étagère", 0), os::pl("półka")));
    store.add(Pozycja(2, 1, "le lit", os::pl("łóżko")));
    store.add(Pozycja(3, 1, os::from_utf8("la fenêtre", 0), "okno"));
    struct Case {
        const char* typed; // UTF-8
        std::vector<std::string> found;
    } cases[] = {
        {"étagère", {"l'étagère"}}, {"łóżko", {"le lit"}}, {"ó", {"l'étagère", "le lit"}},
        {"okno", {"la fenêtre"}},   {"ê", {"la fenêtre"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto w = [&](int charset) {
            const std::string b = os::from_utf8(c.typed, charset);
            return os::to_utf8(b, charset) == c.typed ? b : std::string();
        };
        std::vector<std::string> found;
        for (const std::string& f : foreign_of(szukaj(w(0), w(238), Szukanie{})))
            found.push_back(os::to_utf8(f, 0));
        EXPECT_EQ(found, c.found);
    }
}

TEST(GeneratorFilter, EachChosenConditionNarrowsTheList) {
    SmallStore store;
    const int a = store.add(Pozycja(1, 1, "a", "x", 1));
    const int b = store.add(Pozycja(2, 3, "b", "x", 2));
    const int c = store.add(Pozycja(3, 3, "c", "x", 2));
    const int d = store.add(Pozycja(60001, 5, "d", "x", 0));
    baza.poziom[b] = 2;
    baza.poziom[c] = 3;
    tab_powtorek[b].id = 2;
    struct Case {
        const char* name;
        Filtr f;
        std::vector<int> found;
    } cases[] = {
        {"no condition", {}, {a, b, c, d}},
        {"level", {2, 0, false, 0, 0}, {b}},
        {"kind", {0, 3, false, 0, 0}, {b, c}},
        {"sentence", {0, 5, false, 0, 0}, {d}},
        {"group 0 chosen", {0, 0, true, 0, 0}, {d}},
        {"group and kind", {0, 3, true, 2, 0}, {b, c}},
        {"learnt", {0, 0, false, 0, 1}, {b}},
        {"not learnt", {0, 0, false, 0, 2}, {a, c, d}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(filtruj(k.f), k.found);
    }
}

TEST(GeneratorCountLine, PlainCountOrTheSearchSentence) {
    EXPECT_EQ(linia_liczby(7, ""), "7");
    EXPECT_EQ(linia_liczby(1, "dom"), os::pl("Słowo \"dom\" wystąpiło 1 raz."));
    EXPECT_EQ(linia_liczby(0, "dom"), os::pl("Słowo \"dom\" wystąpiło 0 razy."));
    EXPECT_EQ(linia_liczby(2, "dom"), os::pl("Słowo \"dom\" wystąpiło 2 razy."));
}

TEST(GeneratorDescription, KindLevelGroupAndRepetitions) {
    SmallStore store;
    ile_grup = 1;
    grupy[1].numer = 4;
    grupy[1].nazwa = "Dom";
    const int w = store.add(Pozycja(1, 2, "big", "x", 4));
    const int z = store.add(Pozycja(60001, 5, "A <big> house.", "x", 4));
    baza.poziom[z] = 3;
    tab_powtorek[w].ile_powtorzen = 3;
    EXPECT_EQ(os::joined(opis_slowka(w)),
              os::pl("Przymiotnik - poziom: łatwy; Grupa: Dom [Powtórki: 3]"));
    EXPECT_EQ(os::joined(opis_slowka(z)),
              os::pl("A <big> house.\n\rZdanie - poziom: trudny; Grupa: Dom"));
    EXPECT_TRUE(opis_slowka(99).empty());
}

// The French edition: the foreign texts are in the western set, the Polish
// ones in the Polish set, on the clipboard and in the description alike.
TEST(GeneratorFrench, ForeignAndPolishTextsKeepTheirSets) {
    SmallStore store(3);
    ile_grup = 1;
    grupy[1].numer = 4;
    grupy[1].nazwa = "Dom";
    const int w = store.add(Pozycja(1, 1, os::utf8_to_cp1252("la fenêtre"), "okno", 4));
    const int s = store.add(Pozycja(2, 1, "la table", os::pl("stół"), 4));
    const int z = store.add(
        Pozycja(60001, 5, os::utf8_to_cp1252("J'ouvre la fenêtre."), "Otwieram okno.", 4));
    ListaCwiczenia lista;
    lista.dodaj({w, s});
    EXPECT_EQ(lista.tekst_schowka(), "la fenêtre = okno\r\nla table = stół\r\n");
    EXPECT_EQ(os::to_utf8(opis_slowka(z)),
              "J'ouvre la fenêtre.\n\rZdanie - poziom: łatwy; Grupa: Dom");
}

TEST(GeneratorExerciseList, CapsAtThreeHundredWithoutDuplicates) {
    SmallStore store;
    std::vector<int> all;
    for (int k = 1; k <= 310; ++k)
        all.push_back(store.add(Pozycja(k, 1, "w", "p")));
    ListaCwiczenia lista;
    EXPECT_FALSE(lista.dodaj(std::vector<int>(all.begin(), all.begin() + 295)));
    EXPECT_FALSE(lista.dodaj({all[0], all[3]})); // already there: no overflow
    EXPECT_EQ(lista.ile(), 295);
    EXPECT_TRUE(lista.dodaj(std::vector<int>(all.begin() + 295, all.begin() + 305)));
    EXPECT_EQ(lista.ile(), 300);
    EXPECT_EQ(lista.pozycje().back(), all[299]);
    // A deleted word is not taken.
    ListaCwiczenia druga;
    baza.id_slowa[all[5]] = 0;
    druga.dodaj({all[5], all[6]});
    EXPECT_EQ(druga.pozycje(), std::vector<int>{all[6]});
}

TEST(GeneratorExerciseList, RemovingRunListAndClipboard) {
    SmallStore store;
    const int a = store.add(Pozycja(11, 1, "cat", "kot"));
    const int b = store.add(Pozycja(12, 1, "dog", "pies"));
    const int c = store.add(Pozycja(13, 1, "a#b", os::pl("żółw")));
    ListaCwiczenia lista;
    lista.dodaj({a, b, c});
    // "#" is how the files keep "=": the learner gets "=".
    EXPECT_EQ(lista.tekst_schowka(), "cat = kot\r\ndog = pies\r\na=b = żółw\r\n");
    lista.usun(1);
    lista.usun(7);
    EXPECT_EQ(lista.pozycje(), (std::vector<int>{a, c}));
    lista.do_listy_biegu();
    EXPECT_EQ(ile_w_liscie, 2);
    EXPECT_EQ(lista_id[2], 13);
    EXPECT_EQ(lista_cwiczenia[2], c);

    // A loaded run list: entries of the store only, each once.
    ile_w_liscie = 5;
    lista_cwiczenia[1] = b;
    lista_cwiczenia[2] = 0;
    lista_cwiczenia[3] = b;
    lista_cwiczenia[4] = 999;
    lista_cwiczenia[5] = a;
    lista.z_listy_biegu();
    EXPECT_EQ(lista.pozycje(), (std::vector<int>{b, a}));
}

TEST(GeneratorSaveCode, GroupInTwoDigitsThenLevel) {
    EXPECT_EQ(kod_cwiczenia(3, 1), "203-1");
    EXPECT_EQ(kod_cwiczenia(12, 3), "212-3");
    EXPECT_EQ(kod_cwiczenia(0, 2), "200-2");
}

TEST(GeneratorComments, EmptyTextDeletesAndLineBreaksBecomeBlanks) {
    SmallStore store;
    const int i = store.add(Pozycja(11, 1, "cat", "kot"));
    baza.komentarz[i] = "a#b";
    EXPECT_EQ(komentarz_do_edycji(i), "a#b");
    komentarze_zmienione = false;
    ustaw_komentarz(i, "x = y\r\nz");
    EXPECT_EQ(baza.komentarz[i], "x = y  z");
    EXPECT_TRUE(komentarze_zmienione);
    ustaw_komentarz(i, "   ");
    EXPECT_EQ(baza.komentarz[i], "");
}

// Through the writers and back: sbusr.txt, kom_user.txt and the own exercise
// list keep texts holding "=" and "#".
class GeneratorFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        fx.lay_out();
        fx.start();
    }
    void reload() {
        testsupport::reset_course_globals();
        fx.start();
    }
    testsupport::CourseFixture fx;
};

TEST_F(GeneratorFiles, OwnWordsAndCommentsSurviveARestart) {
    const int i = dodaj({"x = y", "a#b", "pl=", "s", "u = v", 2, 2, 3}, "rec.wav");
    ASSERT_GT(i, 0);
    ustaw_komentarz(i, "c = d");
    ustaw_komentarz(1, "on a built-in");
    const int gone = dodaj({"gone", "nie", "", "", "", 1, 1, 1}, "");
    ustaw_komentarz(gone, "dropped");
    usun_slowko(gone);
    ASSERT_TRUE(zapisz_slowka_usera());
    ASSERT_TRUE(zapisz_komentarze());
    EXPECT_EQ(fx.read_program("kom_user.txt").find("0 = "), std::string::npos);

    reload();
    const int j = znajdz_slowko(40001);
    ASSERT_GT(j, 0);
    EXPECT_EQ(z_bazy(j).obce, "x = y");
    EXPECT_EQ(baza.tlumaczenie[j], "a#b");
    EXPECT_EQ(baza.l_mnoga[j], "pl#");
    EXPECT_EQ(baza.uwagi[j], "u # v");
    EXPECT_EQ(baza.wymowa[j], "rec.wav");
    EXPECT_EQ(baza.rodzaj[j], 3);
    EXPECT_EQ(baza.slowo_usera[j], 1);
    EXPECT_EQ(komentarz_do_edycji(j), "c = d");
    EXPECT_EQ(baza.komentarz[1], "on a built-in");
    EXPECT_EQ(znajdz_slowko(40002), -1); // the deleted word left the file
    EXPECT_EQ(nastepne_id(), 40002);
}

// Opened, edited and stored twice, through kom_user.txt and a restart: "#"
// and "=" stay as typed every time.
TEST_F(GeneratorFiles, ACommentWithHashAndEqualsKeepsItsBytesThroughTwoEdits) {
    const int id = baza.id_slowa[1];
    const std::string edits[] = {"C# a=b #2", "C# a=b #2 = x#"};
    for (const std::string& typed : edits) {
        ustaw_komentarz(1, typed);
        ASSERT_TRUE(zapisz_komentarze());
        EXPECT_NE(fx.read_program("kom_user.txt").find(std::to_string(id) + " = " + typed),
                  std::string::npos);
        reload();
        EXPECT_EQ(baza.komentarz[1], typed);
        EXPECT_EQ(komentarz_do_edycji(1), typed);
    }
}

TEST_F(GeneratorFiles, ExerciseTitleWithEqualsKeepsItsCells) {
    const int i = dodaj({"cat", "kot", "", "", "", 1, 1, 1}, "");
    ListaCwiczenia lista;
    lista.dodaj({1, 2, i});
    lista.do_listy_biegu();
    ASSERT_TRUE(zapisz_cwiczenie_usera(kod_cwiczenia(2, 1), "a=b#c", 1));
    ASSERT_TRUE(zapisz_slowka_usera());
    reload();
    std::vector<std::string> lines;
    ASSERT_TRUE(linie_cwiczen_usera(lines));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Trim(pole_linii(lines[0], 3)), "a#b#c");
    EXPECT_EQ(Trim(pole_linii(lines[0], 2)), "202-1-0001");
    czytaj_cwiczenie("202-1-0001");
    ASSERT_EQ(ile_w_liscie, 3);
    EXPECT_EQ(lista_id[1], baza.id_slowa[1]);
    EXPECT_EQ(lista_id[3], 40001);
}

} // namespace
