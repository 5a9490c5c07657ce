#include <gtest/gtest.h>

#include <vector>

#include "core/errors.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"

namespace {

TEST(Text, TrimCopyPosKeepAccentedBytes) {
    // Bytes above 127 are letters, not blanks; control characters are trimmed.
    const std::string zolw = os::pl("żółw");
    EXPECT_EQ(Trim("\t " + zolw + " \x01"), zolw);
    EXPECT_EQ(Trim(" \r\n"), "");
    EXPECT_EQ(Copy("abc", 2, 10), "bc");
    EXPECT_EQ(Copy("abc", 5, 1), "");
    EXPECT_EQ(Copy("abc", 0, 2), "ab");
    EXPECT_EQ(Pos("b", "abc"), 2);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(LowerCase(os::pl("ŻÓŁW")), zolw);
}

TEST(Text, PosOd) {
    struct Case {
        int start;
        const char* text;
        const char* pattern;
        int want;
    } cases[] = {
        {5, "abc", "a", -1}, {2, "abab", "ab", 3},  {1, "abab", "ab", 1}, {0, "abc", "a", -1},
        {4, "abc", "c", -1}, {3, "abc", "c", 3},    {1, "", "a", -1},     {1, "abc", "", -1},
        {1, "abc", "x", -1}, {2, "abc", "bcd", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pos_od(c.start, c.text, c.pattern), c.want)
            << c.start << " '" << c.text << "' '" << c.pattern << "'";
}

TEST(Text, LiczbaZZerami) {
    EXPECT_EQ(liczba_z_zerami(5, 123), "00123");
    EXPECT_EQ(liczba_z_zerami(2, 123), "123");
    EXPECT_EQ(liczba_z_zerami(2, 0), "00");
    EXPECT_EQ(liczba_z_zerami(5, 60001), "60001");
}

TEST(Text, NaLiczbe) {
    struct Case {
        const char* text;
        int want;
    } ok[] = {{"", 0},
              {"   ", 0},
              {" 42 ", 42},
              {"\t7\r", 7},
              {"-3", -3},
              {"+5", 5},
              {"2147483647", 2147483647}};
    for (const auto& c : ok)
        EXPECT_EQ(na_liczbe(c.text), c.want) << "'" << c.text << "'";
    for (const char* bad : {"4x", "abc", "1 2", "-", "99999999999", "0x10"})
        EXPECT_THROW(na_liczbe(bad), core::ConversionError) << "'" << bad << "'";
    try {
        na_liczbe(" 12a ");
        FAIL();
    } catch (const core::ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("'12a'"), std::string::npos) << e.what();
    }
}

std::vector<std::string> tokens(const std::string& s) {
    ustaw_tekst(s);
    std::vector<std::string> out;
    while (pozycja_tekstu <= static_cast<int>(tekst_do_podzialu.size()))
        out.push_back(nastepne_slowo());
    return out;
}

TEST(Text, Tokenizer) {
    using V = std::vector<std::string>;
    EXPECT_EQ(tokens("I <am> here."), (V{"I", " ", "<", "am", ">", " ", "here."}));
    EXPECT_EQ(tokens("  a   b  "), (V{"a", " ", "b"}));
    EXPECT_EQ(tokens("x,,y%z@^w"), (V{"x", ",", ",", "y", "%", "z", "@", "^", "w"}));
    EXPECT_EQ(tokens(""), V{});
    // Past the end the tokenizer gives nothing and stays put.
    ustaw_tekst("ab");
    EXPECT_EQ(nastepne_slowo(), "ab");
    EXPECT_EQ(nastepne_slowo(), "");
}

TEST(Text, Rozdziel) {
    struct Case {
        const char* s;
        const char* sep;
        const char* want;
    } cases[] = {
        {"a , b", ",", "a, b"},
        {"a,b,c", ",", "a, b, c"},
        {"x", ",", "x"}, // no separator in the text: none is added
        {"a,", ",", "a,"},
        {"a  ,  ", ",", "a,"},
        {"a  b   c", " ", "a b c"},
        {"  a b ", " ", "a b"},
        {"a -b", "-", "a- b"},
        {"", ",", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rozdziel(c.s, c.sep), c.want) << "'" << c.s << "' by '" << c.sep << "'";
}

TEST(Text, PoprawInterpunkcjeMakesAnswersComparable) {
    struct Case {
        const char* s;
        const char* want;
    } cases[] = {
        {"Yes ,  I do !", "Yes, I do!"}, {"Yes,I do!", "Yes, I do!"},
        {"  one;two  .  ", "one; two."}, {"Note : yes", "Note: yes"},
        {"yes, I do", "yes, I do"}, // letter case is kept
    };
    for (const auto& c : cases)
        EXPECT_EQ(popraw_interpunkcje(c.s), c.want) << "'" << c.s << "'";
}

TEST(Text, GapSignsAndEscapes) {
    EXPECT_EQ(usun_znaczniki("I <am>  here"), "I am here");
    EXPECT_EQ(usun_znaczniki("<a> <b>"), "a b");
    EXPECT_EQ(formatuj_tekst("I <am> here"), "I ^am</i> here");
    EXPECT_EQ(zamien_rowna("a=b=c", 1), "a#b#c");
    EXPECT_EQ(zamien_rowna("a#b", 0), "a=b");
    EXPECT_EQ(zamien_rowna("a#b", 1), "a#b");
    EXPECT_EQ(zamien_rowna("a=b", 2), "a=b");
}

TEST(Text, CzekajWaitsOnTheMonotonicClockAndLetsWindowsRun) {
    int events = 0;
    core::ui().process_events = [&] { ++events; };
    const int64_t start = os::ticks_ms();
    czekaj(30);
    EXPECT_GE(os::ticks_ms() - start, 30);
    EXPECT_GT(events, 0);
    events = 0;
    czekaj(0);
    czekaj(-5);
    EXPECT_EQ(events, 0);
    core::reset_ui();
}

} // namespace
