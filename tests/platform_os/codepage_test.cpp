#include "platform/os/codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(Codepage, PolishRoundTripThroughWindows1250) {
    const std::string utf8 = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    const std::string bytes = os::utf8_to_cp1250(utf8);
    EXPECT_EQ(bytes, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(os::cp1250_to_utf8(bytes), utf8);
    EXPECT_EQ(os::pl("Już umiem!"), "Ju\xBF umiem!");
}

TEST(Codepage, FrenchRoundTripThroughWindows1252) {
    const std::string utf8 = "çîûôùâéèïàê";
    const std::string bytes = os::utf8_to_cp1252(utf8);
    EXPECT_EQ(bytes, "\xE7\xEE\xFB\xF4\xF9\xE2\xE9\xE8\xEF\xE0\xEA");
    EXPECT_EQ(os::cp1252_to_utf8(bytes), utf8);
    EXPECT_EQ(os::from_utf8(utf8, 0), bytes);
    EXPECT_EQ(os::to_utf8(bytes, 0), utf8);
}

TEST(Codepage, EveryByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        for (int charset : {238, 0}) {
            const std::string utf8 = os::to_utf8(byte, charset);
            EXPECT_TRUE(os::is_valid_utf8(utf8));
            EXPECT_EQ(os::from_utf8(utf8, charset), byte) << "byte " << b << " charset " << charset;
        }
    }
}

TEST(Codepage, TablesGiveTheRightCharacters) {
    struct Case {
        unsigned char byte;
        int charset;
        const char* utf8;
    };
    const Case cases[] = {
        {0x80, 238, "€"}, {0x8C, 238, "Ś"}, {0x8C, 0, "Œ"},   {0x8E, 238, "Ž"},
        {0x9F, 238, "ź"}, {0x9F, 0, "Ÿ"},   {0xA1, 238, "ˇ"}, {0xA1, 0, "¡"},
        {0xBC, 238, "Ľ"}, {0xC3, 238, "Ă"}, {0xD5, 238, "Ő"}, {0xDF, 238, "ß"},
        {0xF8, 238, "ř"}, {0xFF, 238, "˙"}, {0xFF, 0, "ÿ"},   {0x83, 0, "ƒ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::to_utf8(std::string(1, static_cast<char>(c.byte)), c.charset), c.utf8)
            << int(c.byte) << " " << c.charset;
}

// A system path joins a program text: a UTF-8 name in Windows-1250, a name
// that is not UTF-8 (already 8-bit) as its bytes.
TEST(Codepage, PathsJoinTextsInTheirCodePage) {
    EXPECT_EQ(os::path_text("/home/ala/Słówka/p.b"), "/home/ala/S\xB3\xF3wka/p.b");
    EXPECT_EQ(os::path_text("/home/S\xB3owa/p.b"), "/home/S\xB3owa/p.b");
    EXPECT_EQ(os::cp1250_to_utf8(os::path_text("/Żółw ąę/x")), "/Żółw ąę/x");
}

TEST(Codepage, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(os::utf8_to_cp1250("a日b"), "a?b");
    EXPECT_EQ(os::utf8_to_cp1252("ł"), "?");
    EXPECT_EQ(os::utf8_to_cp1250("Ω😀"), "??");
    EXPECT_EQ(os::utf8_to_cp1250("a\xC5"), "a?");         // truncated
    EXPECT_EQ(os::utf8_to_cp1250("\xC0\xAFx"), "??x");    // overlong
    EXPECT_EQ(os::utf8_to_cp1250("\xED\xA0\x80"), "???"); // surrogate
}

TEST(Codepage, ValidUtf8) {
    struct Case {
        std::string s;
        bool valid;
    };
    const Case cases[] = {
        {"", true},          {"plain", true},         {"zażółć", true},
        {"😀", true},         {"\xB9", false},         {"\xC5", false},
        {"\xC0\x80", false}, {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false},
        {"\x80", false},     {"\xE2\x82", false},     {"\xFF", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(os::is_valid_utf8(c.s), c.valid) << c.s;
}

TEST(Codepage, CaseOfWindows1250Letters) {
    const std::string upper = os::pl("ĄĆĘŁŃÓŚŹŻŠŽŤĽŞÁÉŐŰÜABCZ");
    const std::string lower = os::pl("ąćęłńóśźżšžťľşáéőűüabcz");
    EXPECT_EQ(os::lower_1250(upper), lower);
    EXPECT_EQ(os::upper_1250(lower), upper);
    // Characters without case stay as they are.
    const std::string fixed = os::pl("ß×÷0-9 @[`{") + "\xA0\xB5";
    EXPECT_EQ(os::lower_1250(fixed), fixed);
    EXPECT_EQ(os::upper_1250(fixed), fixed);
}

} // namespace
