// Lengths, font sizes, colours, font lists and wide-text helpers.
#include <gtest/gtest.h>


#include "htmlview/colors.h"
#include "htmlview/fonts.h"
#include "htmlview/lengths.h"
#include "htmlview/wide_string.h"
#include "platform_ui/qt_app.h"

namespace {

using namespace htmlview;

TEST(Lengths, EveryUnitToPixels) {
    struct Case {
        const char* s;
        bool relative;
        int base, dflt, want;
    };
    // ex 7, em 14 throughout.
    const Case cases[] = {
        {"1in", false, 0, -1, 96},      {"2.54cm", false, 0, -1, 96}, {"25.4mm", false, 0, -1, 96},
        {"12pt", false, 0, -1, 16},     {"7px", false, 0, -1, 7},     {"1pc", false, 0, -1, 16},
        {"1em", false, 0, -1, 14},      {"2ex", false, 0, -1, 14},    {"50%", false, 300, -1, 150},
        {"1.5em", false, 0, -1, 21},    {" 3 px ", false, 0, -1, 3},  {"3PX", false, 0, -1, 3},
        {"2", false, 40, -1, 2},        {"2", true, 40, -1, 80},      {"5furlongs", false, 0, -9, -9},
        {"auto", false, 0, -9, -9},     {"px", false, 0, -9, -9},     {"", false, 5, -9, 0},
        {"1e3px", false, 0, -9, -9},    // cut at the "e": unit "e3px"
        {"1.2.3px", false, 0, -9, -9},  // number 1.2, unit ".3px"
        {"-.5em", false, 0, -1, -7},    {"+4px", false, 0, -1, 4},    {".px", false, 0, -9, -9},
        {"0.5px", false, 0, -1, 0},     {"1.5px", false, 0, -1, 2},   {"2.5px", false, 0, -1, 2},
    };
    for (const Case& k : cases)
        EXPECT_EQ(LengthToPixels(k.s, k.relative, k.base, k.dflt, 7, 14), k.want) << '"' << k.s << '"';
    // Huge numbers stay huge, with their sign, and never wrap.
    EXPECT_GE(LengthToPixels(std::string(40, '9') + "in", false, 0, -1, 7, 14), 1000000000);
    EXPECT_LE(LengthToPixels("-" + std::string(40, '9') + "px", false, 0, -1, 7, 14), -1000000000);
    EXPECT_GT(LengthToPixels(std::string(40, '9') + "%", false, INT_MAX, -1, 7, 14), 0);
}

TEST(Lengths, FontSizesToPoints) {
    SetDefaultPointSize(12);
    struct Case {
        const char* s;
        double base, want;
    };
    const Case cases[] = {
        {"1in", 10, 72},    {"2.54cm", 10, 72}, {"25.4mm", 10, 72}, {"9pt", 10, 9},
        {"16px", 10, 12},   {"16", 10, 12},     {"2pc", 10, 24},    {"2em", 10, 20},
        {"2ex", 10, 10},    {"150%", 10, 15},   {"smaller", 16, 12}, {"larger", 16, 20},
        {"xx-small", 0, 8}, {"x-small", 0, 10}, {"small", 0, 12},   {"medium", 0, 14.4},
        {"large", 0, 18},   {"x-large", 0, 24}, {"xx-large", 0, 36}, {"huge", 10, 12},
        {"12 pt", 10, 12},  // the unit is not trimmed: falls back to the default size
        {"pt", 10, 12},     {"1e2pt", 10, 12},
    };
    for (const Case& k : cases) EXPECT_DOUBLE_EQ(FontSizeToPoints(k.s, k.base), k.want) << k.s;
    EXPECT_TRUE(std::isfinite(FontSizeToPoints(std::string(400, '9') + "pt", 10)));

    SetDefaultPointSize(10);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("large", 0), 15);
    SetDefaultPointSize(12);
}

TEST(Lengths, HtmlFontSizeTablesFollowTheDefaultSize) {
    SetFontSizeTables(12);
    const double normal[] = {8, 10, 12, 14, 18, 24, 36};
    const double pre[] = {7, 8, 10, 12, 15, 20, 30};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_DOUBLE_EQ(FontSizePoints(i), normal[i - 1]);
        EXPECT_DOUBLE_EQ(PreFontSizePoints(i), pre[i - 1]);
    }
    EXPECT_DOUBLE_EQ(FontSizePoints(0), 8);  // brought into range
    EXPECT_DOUBLE_EQ(FontSizePoints(99), 36);
    SetFontSizeTables(9);
    EXPECT_DOUBLE_EQ(FontSizePoints(3), 9);
    EXPECT_DOUBLE_EQ(PreFontSizePoints(7), 22.5);
    SetFontSizeTables(12);
}

TEST(Colors, NamesRgbAndHex) {
    EXPECT_EQ(ColorNameCount(), 176);
    struct Case {
        const char* s;
        bool need_pound;
        bool ok;
        ColorRef want;
    };
    const Case cases[] = {
        {"red", true, true, 0x0000FF},
        {" NavY ", true, true, 0x800000},
        {"lightgoldenrodyellow", true, true, 0xD2FAFA},
        {"grey", true, true, 0x808080},
        {"transparent", true, true, NoColour},
        {"buttonface", true, true, 0x8000000F},
        {"threedhighlight", true, true, 0x80000014},
        {"threedlightshadow", true, true, 0x80000016},
        {"#ff8000", true, true, 0x020080FF},
        {"#F80", true, true, 0x020088FF},
        {"#abc", true, true, 0x02CCBBAA},
        {"#7", true, true, 0x02770000},
        {"##123456", true, true, 0x02563412},
        {"ff8000", true, false, 0},
        {"ff8000", false, true, 0x020080FF},
        {"#ggg", true, false, 0},
        {"#", true, false, 0},
        {"#123456789", true, false, 0},
        {"rgb(255, 0, 128)", true, true, 0x028000FF},
        {"rgb(100%, 50%, 0%)", true, true, 0x02007FFF},
        {"RGB( 300 ,-5, 7 )", true, true, 0x020700FF},  // clamped
        {"rgb(1.5, x, 7)", true, true, 0x02070000},     // parts that are no integers read 0
        {"rgb(1, 2)", true, false, 0},                  // too few parts
        {"rgb(1)", true, false, 0},
        {"rgb", true, false, 0},
        {"rgba(10, 20, 30, 0.5)", true, true, 0x021E140A},
        {"notacolour", false, false, 0},
        {"", false, false, 0},
    };
    for (const Case& k : cases) {
        ColorRef c = 0;
        const bool ok = ParseColor(k.s, k.need_pound, c);
        EXPECT_EQ(ok, k.ok) << k.s;
        if (ok && k.ok) {
            EXPECT_EQ(c, k.want) << k.s;
        }
    }
    // A text read once without "#" is still refused where one is needed.
    ColorRef c = 0;
    EXPECT_TRUE(ParseColor("abcdef", false, c));
    EXPECT_FALSE(ParseColor("abcdef", true, c));
}

using Fonts = testsupport::QtFixture;

TEST_F(Fonts, FirstInstalledFontMapsGenericFamiliesAndSkipsMissingFaces) {
    const std::pair<const char*, const char*> cases[] = {
        {"Verdana, Arial", "Arial"},
        {"'Lucida Handwriting', \"Times New Roman\"", "Times New Roman"},
        {"cursive, monospace", "Courier New"},
        {" SERIF ", "Times New Roman"},
        {"sans-serif", "Arial"},
        {"Wingdings, Tahoma", ""},
        {"", ""},
        {",,arial", "arial"},
    };
    for (const auto& [list, want] : cases) EXPECT_EQ(FirstInstalledFont(list), want) << list;
}

TEST(WideText, HelpersKeepLengthsAndPositions) {
    EXPECT_EQ(WidePos(u"lo", u"hello lo"), 4);
    EXPECT_EQ(WidePos(u"x", u"hello"), 0);
    EXPECT_EQ(WidePos(u"", u"hello"), 0);
    const std::u16string z = u"a/b/c";
    EXPECT_EQ(WideStrScan(z.c_str(), u'/'), z.c_str() + 1);
    EXPECT_EQ(WideStrRScan(z.c_str(), u'/'), z.c_str() + 3);
    EXPECT_EQ(WideStrRScan(z.c_str(), u'?'), nullptr);
    EXPECT_EQ(WideStrPos(z.c_str(), u"b/"), z.c_str() + 2);

    // Case mapping is one to one, even where full mapping would lengthen.
    const std::pair<std::u16string, std::u16string> upper[] = {
        {u"zażółć", u"ZAŻÓŁĆ"},
        {u"straße", u"STRAßE"},
        {u"\U00010428x", u"\U00010400X"}, // a pair maps to a pair
        {std::u16string(1, u'\xD801') + u"a", std::u16string(1, u'\xD801') + u"A"}, // lone half kept
    };
    for (const auto& [in, want] : upper) {
        EXPECT_EQ(WideUpperCase(in), want);
        EXPECT_EQ(WideUpperCase(in).size(), in.size());
        EXPECT_EQ(WideLowerCase(WideUpperCase(in)).size(), in.size());
    }
    EXPECT_EQ(WideLowerCase(u"ŻÓŁW Ą"), u"żółw ą");
    EXPECT_EQ(WideTrim(u"\t \x01x y\r\n "), u"x y");
    EXPECT_EQ(WideToUtf8(Utf8ToWide("gęś \xF0\x9F\x98\x80")), "gęś \xF0\x9F\x98\x80");
}

} // namespace
