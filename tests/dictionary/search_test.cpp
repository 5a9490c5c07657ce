// What the dictionary window lists: the word search with its options and the
// later-duplicate rule, the sentences of a word per edition language, and the
// texts it shows about an item.
#include <gtest/gtest.h>

#include "dictionary/search.h"
#include "platform/os/codepage.h"
#include "store.h"

namespace {

using testsupport::DictionaryStore;

OpcjeSzukania opcje(bool obce, bool polskie, bool cale, bool bez_wielkosci) {
    return {obce, polskie, cale, bez_wielkosci};
}

TEST(WordSearch, SubstringOrWholeTextWithOrWithoutCaseInTheChosenColumns) {
    DictionaryStore s;
    s.word(10, "house", "dom");          // 1: redefined by 5
    s.word(11, "cottage", "domek");      // 2
    s.word(12, "haus", "chata");         // 3
    s.word(13, "Big", "duży");           // 4
    s.word(10, "house", "dom");          // 5: an own word with a built-in ID
    s.sentence(60001, "A <big> dom.");   // sentences are never listed
    const auto wszystko = opcje(true, true, false, true);
    struct Case {
        const char* slowo;
        OpcjeSzukania o;
        std::vector<int> wynik;
    } cases[] = {
        {"dom", wszystko, {2, 5}},
        {"dom", opcje(true, true, true, true), {5}},
        {"DOM", wszystko, {2, 5}},
        {"DOM", opcje(true, true, false, false), {}},
        {"Haus", wszystko, {3}},
        {"Haus", opcje(true, true, false, false), {}},
        {"Haus", opcje(true, true, true, false), {}},
        {"Haus", opcje(true, true, true, true), {3}},
        {"haus", opcje(false, true, false, true), {}},
        {"haus", opcje(true, false, false, true), {3}},
        {"dom", opcje(true, false, false, true), {}},
        {"Big", opcje(true, true, true, false), {4}},
        {"big", opcje(true, true, true, false), {}},
        {"a", wszystko, {2, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(szukaj_slow(c.slowo, c.o), c.wynik)
            << c.slowo << " " << c.o.obce << c.o.polskie << c.o.cale << c.o.bez_wielkosci;
}

TEST(WordSearch, ALaterItemOfTheWholeStoreHidesAWordWithItsId) {
    DictionaryStore s;
    s.word(7, "apple", "jabłko");
    s.word(8, "apricot", "morela");
    s.sentence(8, "An <apricot>."); // a later item with the word's ID, even a sentence
    EXPECT_EQ(szukaj_slow("ap", opcje(true, true, false, true)), std::vector<int>{1});
}

TEST(WordSearch, AGroupListsItsWordsInIndexOrder) {
    DictionaryStore s;
    s.word(1, "a", "a", 2);
    s.word(2, "b", "b", 1);
    s.word(3, "c", "c", 2);
    s.sentence(60001, "c d", "", "");
    baza.grupa[4] = 2;
    EXPECT_EQ(slowa_grupy(2), (std::vector<int>{1, 3}));
    EXPECT_TRUE(slowa_grupy(9).empty());
}

TEST(SentenceSearch, PatternsOfEachLanguage) {
    struct Zdanie {
        const char* tekst;
        bool znalezione;
    };
    struct Case {
        int jezyk;
        const char* slowo;
        std::vector<Zdanie> zdania;
    } cases[] = {
        {1, "House",
         {{"I like my house.", true},
          {"Two houses here.", true},
          {"Two boxes? No, two houseses.", false},
          {"The house, the garden", true},
          {"A housewife works.", false},
          {"Whose house?", true},
          {"Houses, houses", false}}},
        {1, "box", {{"Two boxes here.", true}, {"The box, please.", true}}},
        {2, "haus",
         {{"Das ist mein Haus.", true},
          {"Ein Haus, ein Garten", true},
          {"Zwei Hauses hier.", false},
          {"Das Hausdach.", false}}},
        {3, "maison",
         {{"Une maison bleue.", true},
          {"La maison, belle", false},
          {"Des maisons ici.", false}}},
    };
    for (const auto& c : cases) {
        DictionaryStore s(c.jezyk);
        s.word(1, "unrelated", "inne");
        std::vector<int> oczekiwane;
        for (const auto& z : c.zdania) {
            const int i = s.sentence(60001 + baza.ile_slow, z.tekst);
            if (z.znalezione) oczekiwane.push_back(i);
        }
        EXPECT_EQ(szukaj_zdan(3, c.slowo), oczekiwane) << c.jezyk << " " << c.slowo;
    }
}

TEST(SentenceSearch, GermanTakesTheLinkedSentencesOfTheFirstWordThatHoldsIt) {
    DictionaryStore s(2);
    s.word(20, "der Garten", "ogród");
    s.word(21, "das Haus", "dom"); // the last word: its links count too
    const int linked = s.sentence(60001, "Wir wohnen hier.");
    const int by_text = s.sentence(60002, "Mein Haus ist alt.");
    s.sentence(60003, "Der Garten ist groß.");
    s.link(21, 60002);
    s.link(21, 60001);
    s.link(21, 69999); // a sentence the store does not hold
    s.link(20, 60003);
    EXPECT_EQ(szukaj_zdan(3, "Haus"), (std::vector<int>{by_text, linked}));
    EXPECT_EQ(szukaj_zdan(1, "Haus"), (std::vector<int>{by_text, linked}));
    // English takes no links.
    jezyk_edycji = 1;
    EXPECT_EQ(szukaj_zdan(3, "Haus"), (std::vector<int>{by_text}));
}

TEST(SentenceSearch, AtMostAHundredSentencesByEitherPath) {
    DictionaryStore s(2);
    s.word(21, "das Haus", "dom");
    for (int k = 0; k < 300; ++k) {
        s.sentence(60001 + k, "Ein Haus.");
        s.link(21, 60001 + k);
    }
    EXPECT_EQ(szukaj_zdan(1, "haus").size(), 100u);
    EXPECT_EQ(szukaj_zdan(3, "haus").size(), 100u);
    jezyk_edycji = 1;
    EXPECT_EQ(szukaj_zdan(3, "haus").size(), 100u);
}

TEST(ItemTexts, DescriptionCountAndExamples) {
    DictionaryStore s;
    s.group(1, "Dom");
    s.word(1, "house", "dom", 1, 1);
    s.word(2, "big", "duży", 1, 2);
    s.word(3, "go", "iść", 1, 3);
    s.word(4, "here", "tu", 1, 4);
    s.word(5, "odd", "dziwne", 7, 9);
    const int z1 = s.sentence(60001, "I <go> home.", os::pl("Idę."), "2001");
    const int z2 = s.sentence(60002, "Big <house>.", "", "", os::pl("Duży dom."));
    struct Case {
        int i;
        std::string opis;
    } cases[] = {
        {1, "Rzeczownik - Grupa: Dom"},
        {2, "Przymiotnik - Grupa: Dom"},
        {3, "Czasownik - Grupa: Dom"},
        {4, os::pl("Różne - Grupa: Dom")},
        {5, "Grupa: "},
        {z1, "Zdanie -  Grupa: Dom\n\rI <go> home."},
        {99, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(os::joined(opis_pozycji(c.i)), c.opis) << c.i;

    EXPECT_EQ(tekst_liczby(1, "dom"), os::pl("Słowo \"dom\" wystąpiło 1 raz."));
    EXPECT_EQ(tekst_liczby(12, "dom"), os::pl("Słowo \"dom\" wystąpiło 12 razy."));
    EXPECT_EQ(tekst_liczby(0, "dom"), os::pl("Słowo \"dom\" wystąpiło 0 razy."));
    EXPECT_EQ(tekst_liczby(25, ""), os::pl("Liczba słówek: 25"));

    // A sound sign only for a recording, and only with the disc.
    EXPECT_EQ(os::joined(tekst_przykladow({z1, z2}, true)),
              "#S=00006# I ^go</i> home. ^(" + os::pl("Idę.") + ")</i>@Big ^house</i>. ^(" +
                  os::pl("Duży dom.") + ")</i>@");
    EXPECT_EQ(os::joined(tekst_przykladow({z1}, false)),
              "I ^go</i> home. ^(" + os::pl("Idę.") + ")</i>@");
}

} // namespace
