// Laying out the sentence frame and the gap sentence with fixed metrics:
// every character 10 pixels, lines 20 pixels, a blank 10 pixels.
#include <gtest/gtest.h>

#include "trainer/small_store.h"
#include "trainer_logic/sentence_layout.h"

namespace {

using testsupport::StalyMiernik;

// "text@x,y" per word, "*" for blue.
std::vector<std::string> opis(const std::vector<Slowo>& slowa) {
    std::vector<std::string> o;
    for (const Slowo& s : slowa)
        o.push_back(s.tekst + "@" + std::to_string(s.x) + "," + std::to_string(s.y) +
                    (s.niebieskie ? "*" : ""));
    return o;
}

TEST(SentenceFrame, WordsBlanksMarkersAndLines) {
    const StalyMiernik m;
    struct Case {
        const char* opis;
        std::string tekst;
        bool wyroznienie;
        int szerokosc;
        std::vector<std::string> slowa;
        int linie;
    } cases[] = {
        {"marked part blue, markers take no room",
         "I <am> here.",
         true,
         500,
         {"I@2,0", "am@22,0*", "here.@52,0"},
         1},
        {"markers shown as they stand",
         "I <am> here.",
         false,
         500,
         {"I@2,0", "<@22,0", "am@42,0", ">@72,0", "here.@92,0"},
         1},
        {"no blank before punctuation",
         "Yes , I do",
         false,
         500,
         {"Yes@2,0", ",@32,0", "I@52,0", "do@72,0"},
         1},
        {"no blank before a sign after a hidden marker",
         "my <keys>.",
         true,
         500,
         {"my@2,0", "keys@32,0*", ".@72,0"},
         1},
        {"an ellipsis keeps its blank", "a ... b", false, 500, {"a@2,0", "...@22,0", "b@62,0"}, 1},
        {"even before a full stop",
         "some ... .",
         false,
         500,
         {"some@2,0", "...@52,0", ".@92,0"},
         1},
        {"a word past the width less 4 starts a line",
         "aaaa bbbb cccc",
         false,
         100,
         {"aaaa@2,0", "bbbb@52,0", "cccc@2,20"},
         2},
        {"punctuation never starts a line",
         "aaaa bbbb,",
         false,
         96,
         {"aaaa@2,0", "bbbb@52,0", ",@92,0"},
         1},
        {"@ breaks the line", "one@two", false, 500, {"one@2,0", "two@2,20"}, 2},
        {"empty", "", false, 500, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        const UkladZdania u = Ustaw_zdanie({{c.tekst, 238}}, c.wyroznienie, c.szerokosc, m);
        EXPECT_EQ(opis(u.slowa), c.slowa);
        EXPECT_EQ(u.linie, c.linie);
        EXPECT_EQ(u.wysokosc_linii, 20);
    }
}

TEST(SentenceFrame, PiecesKeepTheirCharacterSetsAndTheTokensAreCapped) {
    const StalyMiernik m;
    const UkladZdania u = Ustaw_zdanie({{"Je <suis>", 0}, {" (jestem)", 238}}, true, 500, m);
    ASSERT_EQ(u.slowa.size(), 3u);
    EXPECT_EQ(u.slowa[1].charset, 0);
    EXPECT_EQ(u.slowa[2].tekst, "(jestem)");
    EXPECT_EQ(u.slowa[2].charset, 238);

    std::string dlugi;
    for (int n = 0; n < 100; ++n)
        dlugi += "w ";
    EXPECT_EQ(Ustaw_zdanie({{dlugi, 238}}, false, 10000, m).slowa.size(),
              static_cast<size_t>(MAX_TOKENOW));
}

std::vector<std::string> opis_luk(const UkladLuk& u) {
    std::vector<std::string> o;
    for (const Luka& l : u.luki)
        o.push_back(l.oczekiwana + "@" + std::to_string(l.x) + "," + std::to_string(l.y));
    return o;
}

TEST(GapSentence, BoxesInPlaceOfTheGaps) {
    const StalyMiernik m;
    struct Case {
        const char* opis;
        std::string tekst;
        int szerokosc;
        std::vector<std::string> slowa;
        std::vector<std::string> luki;
    } cases[] = {
        // Box 3 pixels above the text, 80 wide; ">" advances 6.
        {"one gap", "I <go> home", 500, {"I@2,3", "home@108,3"}, {"go@22,0"}},
        {"a gap's words joined by single blanks",
         "You <tidy   up> now",
         500,
         {"You@2,3", "now@128,3"},
         {"tidy up@42,0"}},
        {"no blank before a full stop", "My <keys>.", 500, {"My@2,3", ".@118,3"}, {"keys@32,0"}},
        {"four gaps: the fourth shows its words",
         "<a> <b> <c> <d>",
         1000,
         {"d@260,3"},
         {"a@2,0", "b@88,0", "c@174,0"}},
        {"a box that would pass the width goes to the next line",
         "aaaaaaaaa <x>",
         150,
         {"aaaaaaaaa@2,3"},
         {"x@2,24"}},
        {"@ breaks the line", "a@<b>", 500, {"a@2,3"}, {"b@2,24"}},
        {"a fourth gap's marks take no room",
         "<a> <b> <c> x <d>.",
         1000,
         {"x@260,3", "d@280,3", ".@290,3"},
         {"a@2,0", "b@88,0", "c@174,0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        const UkladLuk u = Rysuj_odpowiedz(c.tekst, 238, c.szerokosc, 23, m);
        EXPECT_EQ(opis(u.slowa), c.slowa);
        EXPECT_EQ(opis_luk(u), c.luki);
        EXPECT_EQ(u.wysokosc_linii, 24);
    }
}

TEST(GapSentence, FullStopsQuestionMarksAndTheirNeighboursKeepTheirLine) {
    const StalyMiernik m;
    struct Case {
        const char* opis;
        std::string tekst;
        int szerokosc;
        std::vector<std::string> slowa;
    } cases[] = {
        {"a full stop past the width stays",
         "aaaaa bbbbb .",
         120,
         {"aaaaa@2,3", "bbbbb@62,3", ".@112,3"}},
        {"the word before a question mark stays",
         "aaaaa bbbbb cc ?",
         140,
         {"aaaaa@2,3", "bbbbb@62,3", "cc@122,3", "?@152,3"}},
        {"the word after a full stop stays",
         "aaaaa . bbbbbb",
         100,
         {"aaaaa@2,3", ".@52,3", "bbbbbb@72,3"}},
        {"a word two tokens away wraps",
         "aaaaa . b cccccc",
         100,
         {"aaaaa@2,3", ".@52,3", "b@72,3", "cccccc@2,27"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        EXPECT_EQ(opis(Rysuj_odpowiedz(c.tekst, 238, c.szerokosc, 23, m).slowa), c.slowa);
    }
}

} // namespace
