// The examples window's text without a window: tokens, layout with fixed
// metrics, scrolling, hit testing and the space bar's walk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/examples_text.h"

namespace {

using namespace przyklady;

// Every character 6 pixels wide, 7 in bold; italic changes nothing.
class StalaMiara : public Miara {
  public:
    int szerokosc(const std::string& t, bool bold, bool, int) override {
        ++wywolania;
        return static_cast<int>(t.size()) * (bold ? 7 : 6);
    }
    int wywolania = 0;
};

constexpr Rozmiar ikona{16, 16};
constexpr Rozmiar ikona2{12, 14};

// Tokens as "kind:text", kinds w word, n new line, B/b bold on/off,
// I/i italic on/off, S sound (with its index), N second icon.
std::string opis(const std::vector<Token>& tokeny) {
    std::string s;
    for (const Token& t : tokeny) {
        if (!s.empty()) s += ' ';
        switch (t.rodzaj) {
        case Rodzaj::slowo:
            s += "w:" + t.tekst;
            break;
        case Rodzaj::nowa_linia:
            s += "n";
            break;
        case Rodzaj::bold_wl:
            s += "B";
            break;
        case Rodzaj::bold_wyl:
            s += "b";
            break;
        case Rodzaj::kursywa_wl:
            s += "I";
            break;
        case Rodzaj::kursywa_wyl:
            s += "i";
            break;
        case Rodzaj::dzwiek:
            s += "S" + std::to_string(t.pozycja);
            break;
        case Rodzaj::ikona:
            s += "N";
            break;
        }
    }
    return s;
}

TEST(ExamplesTokens, TagsWordsAndStrayBrackets) {
    const struct {
        const char* tekst;
        const char* tokeny;
    } table[] = {
        {"  one two  ", "w:one w:two"},
        {"a<br>b@c", "w:a n w:b n w:c"},
        {"<B>big</b> <I>it</i>", "B w:big b w: I w:it i"},
        {"x ^(dom)</i>@", "w:x I w:(dom) i n"},
        {"<BR>up<Br>", "n w:up n"},
        // A bracket that starts no tag is a character of its word.
        {"a<b c>d <x> >", "w:a<b w:c>d w:<x> w:>"},
        {"a < b", "w:a w:< w:b"},
        {"#S=00012# Foo", "S12 w:Foo"},
        {"#s=15000#bar", "S15000"},
        {"#S=12# x", "S0 w:x"},
        {"#S=1a345#", "S0"},
        {"#N=1# y", "N w:y"},
        // A space after a space starts the next word.
        {"a  b", "w:a w: b"},
        {"@", "n"},
        {"", ""},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.tekst);
        EXPECT_EQ(opis(Podziel_tekst(row.tekst)), row.tokeny);
    }
}

TEST(ExamplesTokens, EachTokenIsInTheSetOfThePieceItStartsIn) {
    // Blanks in front are trimmed; a piece may end inside a word.
    const std::vector<Token> t = Podziel_tekst(
        os::PartedText{{"  #S=00012# Je ^vois</i>", 0}, {" ^(wid", 238}, {"z\xEA)</i>@", 0}});
    std::vector<std::pair<std::string, int>> w;
    for (const Token& k : t)
        w.push_back({k.tekst, k.charset});
    EXPECT_EQ(w, (std::vector<std::pair<std::string, int>>{{"#S=00012#", 0},
                                                           {"Je", 0},
                                                           {"^", 0},
                                                           {"vois", 0},
                                                           {"</i>", 0},
                                                           {"", 238},
                                                           {"^", 238},
                                                           {"(widz\xEA)", 238},
                                                           {"</i>", 0},
                                                           {"@", 0}}));
}

TEST(ExamplesTokens, TheTokenListStopsAt2100) {
    std::string t;
    for (int i = 0; i < 3000; ++i)
        t += "w" + std::to_string(i) + " ";
    const auto tokeny = Podziel_tekst(t);
    ASSERT_EQ(tokeny.size(), size_t(MAX_TOKENOW));
    EXPECT_EQ(tokeny.back().tekst, "w2099");
}

// (x, y) of each element, in order, as "x,y".
std::vector<std::string> miejsca(const Uklad& u) {
    std::vector<std::string> v;
    for (const Element& e : u.elementy)
        v.push_back(std::to_string(e.x) + "," + std::to_string(e.y));
    return v;
}

TEST(ExamplesLayout, WordsWrapIconsSitTwoPixelsOnAndLinesAre20Apart) {
    StalaMiara m;
    // Box 100 wide: "abcd " is 30 px, "abcdefghi " 60 px.
    const auto tokeny = Podziel_tekst("abcd abcd abcdefghi@#S=00007# <b>ab</b> #N=x#");
    const Uklad u = Rysuj_tekst(tokeny, m, {100, 200}, 0, ikona, ikona2);
    EXPECT_EQ(miejsca(u),
              (std::vector<std::string>{"1,1", "31,1", "1,21", "3,41", "21,41", "42,41", "50,41"}));
    // Bold text is measured bold: "ab " 21 px from x 21, then the empty word.
    EXPECT_TRUE(u.elementy[4].bold);
    EXPECT_FALSE(u.elementy[5].bold);
    ASSERT_EQ(u.punkty.size(), 2u);
    EXPECT_EQ(u.punkty[0].x, 3);
    EXPECT_EQ(u.punkty[0].y, 41);
    EXPECT_TRUE(u.punkty[0].dzwiek);
    EXPECT_FALSE(u.punkty[1].dzwiek);
    EXPECT_EQ(u.ostatnie_y, 41);
}

TEST(ExamplesLayout, AnIconThatWouldReachTheEdgeStartsTheNextLine) {
    StalaMiara m;
    // "abcdefghijk " is 72 px: x 73; 73 + 2 + 16 = 91 reaches a 91-px box.
    const auto tokeny = Podziel_tekst("abcdefghijk #S=00001#");
    EXPECT_EQ(miejsca(Rysuj_tekst(tokeny, m, {91, 100}, 0, ikona, ikona2)),
              (std::vector<std::string>{"1,1", "3,21"}));
    EXPECT_EQ(miejsca(Rysuj_tekst(tokeny, m, {92, 100}, 0, ikona, ikona2)),
              (std::vector<std::string>{"1,1", "75,1"}));
}

TEST(ExamplesLayout, VisibleSoundSpotsFollowTheScroll) {
    StalaMiara m;
    std::string t;
    for (int i = 1; i <= 10; ++i)
        t += "#S=0000" + std::to_string(i % 10) + "# line@";
    const auto tokeny = Podziel_tekst(t);
    // Box 100 high: lines at y 1, 21, 41, 61, 81 are inside (y < 98).
    const Uklad u0 = Rysuj_tekst(tokeny, m, {200, 100}, 0, ikona, ikona2);
    EXPECT_EQ(u0.pierwszy_widoczny, 0);
    EXPECT_EQ(u0.ile_widocznych, 5);
    const Uklad u3 = Rysuj_tekst(tokeny, m, {200, 100}, 3, ikona, ikona2);
    EXPECT_EQ(u3.punkty[0].y, -59);
    EXPECT_EQ(u3.pierwszy_widoczny, 3);
    EXPECT_EQ(u3.ile_widocznych, 5);
    const Uklad u9 = Rysuj_tekst(tokeny, m, {200, 100}, 9, ikona, ikona2);
    EXPECT_EQ(u9.pierwszy_widoczny, 9);
    EXPECT_EQ(u9.ile_widocznych, 1);
}

TEST(ExamplesLayout, SpotsStopAt101ButEveryIconIsDrawn) {
    StalaMiara m;
    std::string t;
    for (int i = 0; i < 150; ++i)
        t += "#S=00001#@";
    const Uklad u = Rysuj_tekst(Podziel_tekst(t), m, {200, 100}, 0, ikona, ikona2);
    EXPECT_EQ(u.punkty.size(), size_t(MAX_PUNKTOW));
    EXPECT_EQ(u.elementy.size(), 150u);
}

// n lines of one word each.
std::string linie(int n) {
    std::string t;
    for (int i = 0; i < n; ++i)
        t += "line" + std::to_string(i) + "@";
    return t;
}

TEST(ExamplesScroll, TheLastStepCountsTheClosingLineBreak) {
    const auto bez_konca = [](int n) {
        std::string t = linie(n);
        t.pop_back();
        return t;
    };
    const struct {
        std::string tekst;
        int wysokosc, max;
        const char* opis;
    } table[] = {
        {linie(14), 300, 0, "one screen: 14 lines and the closing line break"},
        {linie(15), 300, 1, "the closing line break needs a step of its own"},
        {linie(16), 300, 2, "16 lines"},
        {linie(20), 300, 6, "20 lines"},
        {linie(15), 290, 1, "15 lines in a lower box"},
        {linie(1), 300, 0, "one line"},
        {"", 300, 0, "no text"},
        {bez_konca(15), 300, 0, "no closing line break: the 15th line fits"},
        {bez_konca(15), 290, 1, "no closing line break: the 15th line would be cut"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.opis);
        StalaMiara m;
        TTekstPrzykladow t(m, {300, row.wysokosc}, ikona, ikona2);
        t.ustaw_tekst(row.tekst);
        EXPECT_EQ(t.max_przesuniecie(), row.max);
        EXPECT_FALSE(t.btn_up());
        EXPECT_EQ(t.btn_dn(), row.max > 0);
        // Scrolling stops at both ends.
        int kroki = 0;
        while (t.w_dol())
            ++kroki;
        EXPECT_EQ(kroki, row.max);
        EXPECT_FALSE(t.btn_dn());
        EXPECT_EQ(t.btn_up(), row.max > 0);
        while (t.w_gore())
            --kroki;
        EXPECT_EQ(kroki, 0);
        EXPECT_EQ(t.przesuniecie(), 0);
    }
}

TEST(ExamplesScroll, ANewTextStartsAtTheTop) {
    StalaMiara m;
    TTekstPrzykladow t(m, {300, 100}, ikona, ikona2);
    t.ustaw_tekst(linie(20));
    t.w_dol();
    t.w_dol();
    t.ustaw_tekst(linie(3));
    EXPECT_EQ(t.przesuniecie(), 0);
    EXPECT_EQ(t.max_przesuniecie(), 0);
    EXPECT_EQ(t.uklad().elementy.front().y, 1);
}

TEST(ExamplesSpots, TheMouseFindsAnIconStrictlyInside) {
    StalaMiara m;
    TTekstPrzykladow t(m, {300, 100}, ikona, ikona2);
    t.ustaw_tekst("#S=00042# word #N=1#");
    // Sound icon at (3, 1), 16 x 16; "word " from x 21 to 51; second icon at 53.
    const struct {
        int x, y, punkt, pozycja;
    } table[] = {
        {4, 2, 0, 42},  {18, 16, 0, 42}, {3, 5, -1, 0},  {19, 5, -1, 0},
        {10, 1, -1, 0}, {10, 17, -1, 0}, {30, 5, -1, 0}, {58, 8, 1, 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        EXPECT_EQ(t.najedz(row.x, row.y), row.punkt);
        EXPECT_EQ(t.goracy(), row.punkt);
        EXPECT_EQ(t.klik(), row.pozycja);
    }
}

TEST(ExamplesSpots, SpaceWalksRoundTheVisibleSoundIconsAndRestartsAfterAScroll) {
    StalaMiara m;
    // Two sound icons per screen of 2 lines (box 40 high); four lines in all.
    TTekstPrzykladow t(m, {300, 40}, ikona, ikona2);
    t.ustaw_tekst("#S=00001# one@#S=00002# two@#S=00003# three@#S=00004# four@");
    EXPECT_EQ(t.Odtworz_przyklad(), 1);
    EXPECT_EQ(t.Odtworz_przyklad(), 2);
    EXPECT_EQ(t.Odtworz_przyklad(), 1);
    EXPECT_EQ(t.Odtworz_przyklad(), 2);

    ASSERT_TRUE(t.w_dol());
    EXPECT_EQ(t.Odtworz_przyklad(), 2);
    EXPECT_EQ(t.Odtworz_przyklad(), 3);
    EXPECT_EQ(t.Odtworz_przyklad(), 2);
    ASSERT_TRUE(t.w_dol());
    EXPECT_EQ(t.Odtworz_przyklad(), 3);
}

TEST(ExamplesSpots, SpaceWithoutVisibleSoundIconsPlaysNothing) {
    StalaMiara m;
    TTekstPrzykladow t(m, {300, 40}, ikona, ikona2);
    t.ustaw_tekst("#N=1# no sound here");
    EXPECT_EQ(t.Odtworz_przyklad(), 0);
    t.ustaw_tekst("");
    EXPECT_EQ(t.Odtworz_przyklad(), 0);
    EXPECT_EQ(t.najedz(5, 5), -1);
}

} // namespace
