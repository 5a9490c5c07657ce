#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "htmlview/code_pages.h"
#include "htmlview/text_buffers.h"

using namespace htmlview;

namespace {

std::vector<unsigned> units(const std::u16string& w) {
    return {w.begin(), w.end()};
}

struct DecodeCase {
    const char* what;
    int code_page;
    std::string bytes;
    std::vector<unsigned> expected;
};

TEST(CodePages, DecodeByCodePage) {
    const DecodeCase cases[] = {
        {"Central European", 1250, "\xB9\xA3", {0x0105, 0x0141}},
        {"Western: same bytes, other letters", 1252, "\xB9\xA3", {0x00B9, 0x00A3}},
        {"Cyrillic", 1251, "\xC0\xFF", {0x0410, 0x044F}},
        {"ISO 8859-2", 28592, "\xB1", {0x0105}},
        {"Greek", 1253, "\xC1", {0x0391}},
        {"Thai", 874, "\xA1", {0x0E01}},
        {"system code page", 0, "\xB9", {0x0105}},
        {"unknown code page falls back to the system one", 4711, "\xB9", {0x0105}},
        {"undefined byte keeps its number", 1252, "\x81", {0x0081}},
        {"Shift-JIS pair and half-width katakana", 932, "\x82\xA0\xB1", {0x3042, 0xFF71}},
        {"GBK", 936, "\xC4\xE3", {0x4F60}},
        {"Unified Hangul", 949, "\xB0\xA1", {0xAC00}},
        {"Big5", 950, "\xA4\x40", {0x4E00}},
        {"Johab", 1361, "\x88\x61", {0xAC00}},
        {"lead byte before ASCII stands alone", 932, "\x81\x20", {0xFFFD, 0x20}},
        {"lead byte at the end", 936, "a\xC4", {0x61, 0xFFFD}},
        {"UTF-8 beyond the BMP", kUtf8CodePage, "\xF0\x9F\x98\x80", {0xD83D, 0xDE00}},
        {"malformed UTF-8, byte by byte", kUtf8CodePage, "\xFF\xC3", {0xFFFD, 0xFFFD}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(units(MultibyteToWide(c.code_page, c.bytes)), c.expected) << c.what;
}

TEST(CodePages, EncodeByCodePage) {
    struct Case {
        int code_page;
        std::u16string text;
        std::string expected;
    };
    const Case cases[] = {
        {1250, u"\u0105\u0141x", "\xB9\xA3x"},
        {1252, u"\u0105", "?"},                     // not in the code page
        {932, u"\u3042\uFF71", "\x82\xA0\xB1"},
        {kUtf8CodePage, u"\U0001F600", "\xF0\x9F\x98\x80"},
        {1250, u"a\xD800" "b", "a?b"},              // lone surrogate
        {1252, u"\U0001F600", "?"},                 // a pair the page cannot hold is one '?'
    };
    for (const auto& c : cases) EXPECT_EQ(WideToMultibyte(c.code_page, c.text), c.expected);
}

TEST(CodePages, EveryByteOfSingleBytePagesSurvivesARoundTrip) {
    for (int cp : {874, 1250, 1251, 1252, 1253, 1254, 1256, 1257, 28592}) {
        std::string all;
        for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
        EXPECT_EQ(WideToMultibyte(cp, MultibyteToWide(cp, all)), all) << cp;
    }
}

TEST(CodePages, JapaneseToShiftJis) {
    struct Case {
        const char* what;
        std::string in;
        std::string expected;
    };
    const Case cases[] = {
        {"JIS: escapes dropped, odd row", "a\x1B$B0!\x1B(Bb", "a\x88\x9F" "b"},
        {"JIS: even row, cell from 0x60", "\x1B$@1`", "\x89\x80"},
        {"JIS: rows from 0x5F", "\x1B$Bp!", "\xE8\x9F"},
        {"JIS: bit 7 cleared", "\xC1", "A"},
        {"JIS: escape needs two more bytes", "\x1B$", "\x1B$"},
        {"JIS: half a pair at the end", "\x1B$B0", "?"},
        {"JIS: half a pair before an escape", "\x1B$B0\x1B(BA", "?A"},
        {"EUC", "x\xB0\xA1y", "x\x88\x9Fy"},
        {"EUC: half a pair before a single byte", "\xB0y", "?y"},
        {"EUC: half a pair at the end", "y\xB0", "y?"},
    };
    for (const auto& c : cases) {
        const bool jis = std::string(c.what).rfind("JIS", 0) == 0;
        EXPECT_EQ(jis ? JisToShiftJis(c.in) : EucToShiftJis(c.in), c.expected) << c.what;
    }
    // EUC keeps the length, so a read position stays valid across it.
    const std::string euc = "<p>\xB0\xA1\xB0 \xA4\xA2\xA4";
    EXPECT_EQ(EucToShiftJis(euc).size(), euc.size());
}

// Every UTF-16 unit of a token carries the position of the first byte of the
// character it came from.
TEST(TokenObj, PositionsFollowCharactersNotBytes) {
    struct Case {
        const char* what;
        int code_page;
        std::string bytes;
        std::vector<unsigned> expected_units;
        std::vector<int> expected_positions;
    };
    const Case cases[] = {
        {"single bytes", 1250, "a\xB9", {0x61, 0x105}, {10, 11}},
        {"double bytes skip the second byte", 932, "a\x82\xA0" "b", {0x61, 0x3042, 0x62},
         {10, 11, 13}},
        {"UTF-8 of three bytes", kUtf8CodePage, "\xE2\x82\xAC!", {0x20AC, 0x21}, {10, 13}},
        {"a surrogate pair shares its position", kUtf8CodePage, "x\xF0\x9F\x98\x80y",
         {0x78, 0xD83D, 0xDE00, 0x79}, {10, 11, 11, 15}},
    };
    for (const auto& c : cases) {
        TCharCollection chars;
        for (size_t k = 0; k < c.bytes.size(); ++k) chars.Add(c.bytes[k], 10 + static_cast<int>(k));
        TokenObj token;
        token.AddString(chars, c.code_page);
        EXPECT_EQ(units(token.S()), c.expected_units) << c.what;
        EXPECT_EQ(token.I, c.expected_positions) << c.what;
    }
}

} // namespace
