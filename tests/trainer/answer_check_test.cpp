// Judging typed answers: variants from the answer-variant table, the
// alternatives of an item and the comparison itself.
#include <gtest/gtest.h>

#include "core/startup.h"
#include "trainer_logic/answer_check.h"

namespace {

const std::vector<ParaWariantu> skroty = {
    {"don't", "do not"}, {"I'm", "I am"}, {"can't", "cannot"}};

TEST(AnswerVariants, EachOccurrenceOfAKeyIsReplacedAloneAndTogether) {
    struct Case {
        std::string oczekiwana;
        std::vector<std::string> warianty;
    } cases[] = {
        {"I don't know", {"I do not know"}},
        // A key twice: the first replaced, the second replaced, both replaced.
        {"I don't know, I don't care",
         {"I do not know, I don't care", "I don't know, I do not care",
          "I do not know, I do not care"}},
        // Two different keys: the three forms from the first, the second's own.
        {"I'm sorry, I can't",
         {"I am sorry, I can't", "I'm sorry, I cannot", "I am sorry, I cannot",
          "I'm sorry, I cannot"}},
        {"Don't go", {}}, // case-sensitive
        {"nothing here", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oczekiwana);
        EXPECT_EQ(Warianty_skrotow(c.oczekiwana, skroty), c.warianty);
    }
}

TEST(AnswerVariants, AtMostFortyAreKeptAndTheLastIsOverwritten) {
    std::vector<ParaWariantu> tabela;
    std::string tekst;
    for (char c = 'a'; c <= 'l'; ++c) {
        tabela.push_back({std::string(1, c) + "#", std::string(1, c) + "!"});
        tekst += std::string(1, c) + "# ";
    }
    tekst += tekst; // every key twice
    const std::vector<std::string> w = Warianty_skrotow(tekst, tabela);
    ASSERT_EQ(w.size(), 40u);
    // The last pair with itself wrote last: both of its occurrences replaced.
    std::string oba = tekst;
    for (size_t p = oba.find("l#"); p != std::string::npos; p = oba.find("l#"))
        oba.replace(p, 2, "l!");
    EXPECT_EQ(w.back(), oba);
}

TEST(AnswerAlternatives, SlashPartsAndTheLanguageRules) {
    struct Case {
        const char* opis;
        std::string tekst;
        KontekstOdpowiedzi k;
        std::vector<std::string> alternatywy;
    } cases[] = {
        {"parts trimmed", " flat / apartment ", {2, 1, 1, "flat", ""}, {"flat", "apartment"}},
        {"empty parts dropped", "a//b/", {2, 1, 1, "x", ""}, {"a", "b"}},
        {"empty text", "", {2, 1, 1, "x", ""}, {}},
        {"English verb in typed translation",
         "leave",
         {6, 1, 3, "go", ""},
         {"leave", "go", "to leave", "to go"}},
        {"a form with to keeps it", "To leave", {6, 1, 3, "go", ""}, {"To leave", "go", "to go"}},
        {"only for verbs", "leave", {6, 1, 1, "go", ""}, {"leave"}},
        {"only in the English edition", "gehen", {6, 2, 3, "laufen", ""}, {"gehen"}},
        {"German plural", "", {8, 2, 1, "der Hund", "Hunde"}, {"die Hunde"}},
        {"not in the English edition", "", {8, 1, 1, "dog", "dogs"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        EXPECT_EQ(Lista_odpowiedzi(c.tekst, c.k), c.alternatywy);
    }
}

TEST(AnswerAlternatives, AtMostNinety) {
    std::string tekst;
    for (int n = 0; n < 100; ++n)
        tekst += "w" + std::to_string(n) + "/";
    EXPECT_EQ(Lista_odpowiedzi(tekst, {6, 1, 3, "go", ""}).size(), 90u);
}

TEST(TypedAnswer, ComparedAfterSpacingWithVariantsAndAlternatives) {
    struct Case {
        const char* opis;
        std::string wpisane, oczekiwana;
        std::vector<std::string> alternatywy;
        bool z_alternatywami;
        bool dobrze, przez_alternatywe;
    } cases[] = {
        {"spacing around punctuation", "Yes ,I  do !", "Yes, I do!", {}, true, true, false},
        {"letter case counts", "london", "London", {}, true, false, false},
        {"a final backslash is dropped", "house\\", "house", {}, true, true, false},
        {"a lone backslash stays", "\\", "\\x", {}, true, false, false},
        {"a variant", "I do not know", "I don't know", {}, true, true, false},
        {"an alternative", "apartment", "flat", {"apartment"}, true, true, true},
        {"dictation ignores alternatives", "apartment", "flat", {"apartment"}, false, false, false},
        {"dictation still takes variants",
         "I do not know",
         "I don't know",
         {"x"},
         false,
         true,
         false},
        {"an empty answer is wrong", "  ", "flat", {"", "flat"}, true, false, false},
        {"an empty answer to an empty text", "", "", {}, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        const Porownanie p = porownaj_odpowiedz(normalizuj_wpisana(c.wpisane), c.oczekiwana,
                                                c.alternatywy, c.z_alternatywami, skroty);
        EXPECT_EQ(p.dobrze, c.dobrze);
        EXPECT_EQ(p.przez_alternatywe, c.przez_alternatywe);
    }
}

TEST(GapAnswers, SplitAtHashIntoThreeParts) {
    using A = std::array<std::string, 3>;
    EXPECT_EQ(podziel_synonimy("flat/apartment"), (A{"flat/apartment", "", ""}));
    EXPECT_EQ(podziel_synonimy("a#b"), (A{"a", "b", ""}));
    EXPECT_EQ(podziel_synonimy("a#b#c"), (A{"a", "b", "c"}));
    EXPECT_EQ(podziel_synonimy("a#b#c#d"), (A{"a", "b", "c#d"}));
    EXPECT_EQ(podziel_synonimy("#b"), (A{"", "b", ""}));
}

TEST(AnswerVariants, TheTableComesFromTheLoadedPairs) {
    wyczysc_start();
    ile_ss = 2;
    ss_klucze[1] = "I'm";
    ss_wartosci[1] = "I am";
    ss_klucze[2] = "it's";
    ss_wartosci[2] = "it is";
    const std::vector<ParaWariantu> t = tabela_wariantow();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[1].klucz, "it's");
    EXPECT_EQ(t[1].wartosc, "it is");
    wyczysc_start();
}

} // namespace
