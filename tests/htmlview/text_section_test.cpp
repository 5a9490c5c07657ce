// The text section: what finishing removes, where lines break, their
// heights and spacing, justification, searching and position mapping.
#include <gtest/gtest.h>

#include "flow_support.h"

namespace {

class LineBreaking : public testsupport::QtFixture {};
class LineSpacing : public testsupport::QtFixture {};
class TextSearch : public testsupport::QtFixture {};
class Positions : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

// A floating picture of a fixed size (pictures come with their own classes).
struct FakeFloat : TFloatingObj {
    FakeFloat(int w, int h, int placement) {
        BoxWidth = w;
        BoxHeight = h;
        Placement = placement;
    }
    void LayoutObject(TSectionList&, ui::HtmlCanvas&, int, TFontObj*) override {}
    void Draw(ui::HtmlCanvas&, int, int, TFontObj*) override {}
    std::unique_ptr<TFloatingObj> Copy(TSectionList&) const override {
        return std::make_unique<FakeFloat>(BoxWidth, BoxHeight, Placement);
    }
};

class Finishing : public testsupport::QtFixture {
  protected:
    Finishing() : doc(nullptr) { props.CopyDefault(*doc.Styles.DefaultProps); }

    // '~' is a space that may not break, '|' a forced break, '<' a picture
    // floating left, every other character itself.
    std::unique_ptr<TSection> section(const std::string& text) {
        auto s = std::make_unique<TSection>(&doc, nullptr, props, nullptr, &doc, false);
        int pos = 0;
        for (char c : text) {
            TokenObj t;
            if (c == '<') {
                s->AddImage(std::make_unique<FakeFloat>(20, 20, ALeft), pos++);
                continue;
            }
            t.AddUnicodeChar(c == '~' ? u' ' : c == '|' ? kBreakChar : static_cast<char16_t>(c), pos++);
            s->AddTokenObj(t, nullptr, c == '~');
        }
        s->Finish();
        return s;
    }
    static std::string shown(const TSection& s) {
        std::string out;
        for (char16_t c : s.Text) out += c == kBreakChar ? '|' : c == kImageChar ? '<' : static_cast<char>(c);
        return out;
    }

    TSectionList doc;
    TProperties props;
};

TEST_F(Finishing, RemovesTheSpacesThatDoNotShow) {
    struct Case {
        const char* in;
        const char* out;
        const char* breaks; // flags after finishing, the closing one included
    } cases[] = {
        {"  a  b  ", "a b", "yyyy"},
        {"a~ b", "a b", "yyyy"},      // of two spaces the one that may break stays
        {"a~~b", "a b", "ynyy"},      // both flagged: the last stays
        {"a | b", "a|b", "yyyy"},     // no space around a forced break
        {"a|", "a", "yy"},            // a trailing break goes when it is not alone
        {"|", "|", "yy"},
        {"   ", "", "y"},             // only spaces: nothing left
        {"x< y", "x<y", "yyyy"},      // no space after a floating picture
        {"x <y", "x <y", "yyyyy"},    // but before it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        const auto s = section(c.in);
        EXPECT_EQ(shown(*s), c.out);
        EXPECT_EQ(s->Brk, c.breaks);
    }
}

TEST_F(Finishing, EmptySectionsLeaveTheirCellUnlessTheyCarryAnAnchor) {
    TCell cell(&doc);
    cell.AddSection(section("   "));
    EXPECT_EQ(cell.Count(), 0);
    auto anchored = section("   ");
    anchored->AnchorName = true;
    cell.AddSection(std::move(anchored));
    EXPECT_EQ(cell.Count(), 1);
}

// A cell holding one section of Liberation Mono 13 px text (8 pixels a
// character) after a float 50 wide and 40 high, laid out 130 wide.
class Floats : public Finishing {
  protected:
    int layout(const std::string& text, TCell& cell) {
        props.SetValue(FontFamily, std::string("Courier New"));
        props.SetValue(FontSize, 9.75);
        auto s = std::make_unique<TSection>(&doc, nullptr, props, nullptr, &cell, false);
        s->AddImage(std::make_unique<FakeFloat>(50, 40, ALeft), 0);
        TokenObj t;
        for (char c : text) t.AddUnicodeChar(static_cast<char16_t>(c), 1);
        s->AddTokenObj(t);
        section = s.get();
        cell.AddSection(std::move(s));
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter p(&scratch);
        ui::HtmlCanvas canvas(p);
        int max_width = 0, curs = 0;
        return cell.Layout(canvas, 0, 130, 600, max_width, curs);
    }
    TSection* section = nullptr;
};

TEST_F(Floats, LinesBesideAFloatStartRightOfItAndTheCellTakesItsHeight) {
    TCell cell(&doc);
    const int height = layout("aaa bbb ccc", cell);
    EXPECT_GE(height, 40); // the float hangs below the one line of text
    ASSERT_GE(section->Lines.size(), 2u);
    const LineRec& text_line = *section->Lines[1]; // the first holds the float alone
    EXPECT_EQ(section->Text.substr(static_cast<size_t>(text_line.Start), 7), u"aaa bbb");
    EXPECT_EQ(text_line.LineIndent, 50);
}

TEST_F(Floats, AWordTooLongBesideTheFloatMovesBelowIt) {
    TCell cell(&doc);
    layout("wwwwwwwwwwww", cell); // 96 pixels, 80 beside the float
    const LineRec& word = *section->Lines.back();
    EXPECT_EQ(word.Ln, 12);
    EXPECT_EQ(word.LineIndent, 0);
    EXPECT_GE(word.DrawY, 40);
}

TEST_F(Floats, AnEmptyCellIsNoHigherThanNothing) {
    TCell cell(&doc);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int max_width = 7, curs = 0;
    EXPECT_EQ(cell.Layout(canvas, 25, 300, 600, max_width, curs), 0);
    EXPECT_EQ(max_width, 0);
    EXPECT_EQ(cell.Paint(canvas, {0, 0, 300, 300}, 300, 0, 25, 0, 0), 25);
}

// ---------------------------------------------------------------- breaking

// Liberation Mono at 10 points: every character 8 pixels wide.
std::string mono(const std::string& body) {
    return "<meta http-equiv=content-type content=\"text/html; charset=utf-8\">"
           "<body marginwidth=0><p style=\"font-family: Courier New; font-size: 13px\">" +
           body + "</p>";
}

TEST_F(LineBreaking, BreaksWhereTheTextAllows) {
    struct Case {
        const char* body;
        int chars; // room for this many characters
        std::vector<std::string> lines;
    } cases[] = {
        {"aaa bbb ccc", 7, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 8, {"aaa bbb", "ccc"}},
        {"aaaaaaaaaaaa bb", 5, {"aaaaaaaaaaaa", "bb"}},           // a long word stays whole
        {"well-known words", 7, {"well-", "known", "words"}},
        {"what?why not", 6, {"what?", "why", "not"}},
        {"aa <nobr>bb cc dd</nobr> ee", 5, {"aa", "bb cc dd", "ee"}},
        {"<nobr>aaaa<wbr>bbbb</nobr>", 5, {"aaaa", "bbbb"}},
        {"\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe6\x96\x87", 2, {"\xe6\x97\xa5\xe6\x9c\xac", "\xe8\xaa\x9e\xe3\x81\xae", "\xe6\x96\x87"}},
        {"a b<br>c d", 10, {"a b", "c d"}},
        {"ab cd ef", 0, {"ab", "cd", "ef"}},                         // nothing fits anywhere: a word a line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        Page page(mono(c.body), std::max(4, c.chars * 8));
        EXPECT_EQ(page.Lines(), c.lines);
    }
}

TEST_F(LineBreaking, NeverSplitsASurrogatePair) {
    // Four characters beyond U+FFFF, two units each; room for three units.
    Page page(mono("\xf0\x9f\x98\x80\xf0\x9f\x98\x81\xf0\x9f\x98\x82\xf0\x9f\x98\x83"), 24);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    ASSERT_GE(s[0]->Lines.size(), 2u);
    for (const auto& line : s[0]->Lines) {
        EXPECT_EQ(line->Ln % 2, 0);
        EXPECT_FALSE(s[0]->Text[static_cast<size_t>(line->Start)] >= 0xDC00 &&
                     s[0]->Text[static_cast<size_t>(line->Start)] <= 0xDFFF);
    }
}

TEST_F(LineBreaking, AFollowingBiggerFontIsMeasuredNotGuessedFromTheFirst) {
    // The first run is small; a wide character count check against its
    // widest character would let the big text run past the edge.
    Page page("<body marginwidth=0><p style=\"font-size: 8px\">a<span style=\"font-size: 60px\">WWWWWWWWWW</span> "
              "<span style=\"font-size: 60px\">WWWWWWWWWW</span></p>",
              600);
    EXPECT_EQ(page.Lines().size(), 2u);
    EXPECT_LE(page.max_width, 600);
}

TEST_F(LineBreaking, HugeFontsDoNotOverflowTheQuickFitCheck) {
    // The widest character of a 40000-pixel font times the characters of the
    // text passes the int range; the text must still be measured.
    std::string words;
    for (int i = 0; i < 202000; ++i) words += "i ";
    Page page("<body marginwidth=0><p style=\"font-family: Arial; font-size: 40000px\">" + words + "</p>", 2000000);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_GT(s[0]->Lines.size(), 100u);
}

// ----------------------------------------------------------------- spacing

TEST_F(LineSpacing, ExtraLineHeightIsSharedWithTheOddPixelBelow) {
    ui::LogFont lf;
    lf.face = "Times New Roman";
    lf.height = -16;
    const int text_height = ui::font_face(lf)->metrics().height;
    for (int extra : {5, 4, -2}) {
        SCOPED_TRACE(extra);
        Page page("<p style=\"line-height: " + std::to_string(text_height + extra) + "px\">one line</p>");
        const auto s = page.Sections();
        ASSERT_EQ(s.size(), 1u);
        const LineRec& line = *s[0]->Lines.at(0);
        EXPECT_EQ(line.LineHt, text_height);
        EXPECT_EQ(line.SpaceBefore, extra / 2);
        EXPECT_EQ(line.SpaceAfter, extra - extra / 2);
        EXPECT_EQ(s[0]->FlowHeight, text_height + extra);
    }
}

TEST_F(LineSpacing, JustifiedLinesReachTheEdgeExceptTheLast) {
    Page page("<body marginwidth=0><p align=justify>" + std::string(40, 'x').replace(3, 1, " ") +
                  " words of uneven length make every justified line need some extra space to reach its right edge "
                  "and the last one none.</p>",
              300);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    const auto& lines = s[0]->Lines;
    ASSERT_GE(lines.size(), 3u);
    for (size_t k = 0; k + 1 < lines.size(); ++k) {
        SCOPED_TRACE(k);
        const LineRec& l = *lines[k];
        int drawn = l.Ln;
        while (s[0]->Text[static_cast<size_t>(l.Start + drawn - 1)] == u' ') --drawn;
        if (l.Spaces > 0) { EXPECT_EQ(l.Extra + s[0]->LineTextWidth(l.Start, l.Ln), l.DrawWidth); }
    }
    EXPECT_EQ(lines.back()->Spaces, 0);
    EXPECT_EQ(lines.back()->Extra, 0);
}

TEST_F(LineSpacing, JustificationWidensNoBreakSpacesToo) {
    Page page("<body marginwidth=0><p align=justify>one&nbsp;two three&nbsp;four five&nbsp;six seven&nbsp;eight "
              "nine&nbsp;ten eleven&nbsp;twelve thirteen&nbsp;fourteen</p>",
              300);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    const TSection& sec = *s[0];
    ASSERT_GE(sec.Lines.size(), 2u);
    const LineRec& l = *sec.Lines[0];
    int last = l.Start + l.Ln - 1;
    while (sec.Text[static_cast<size_t>(last)] == u' ') --last;
    int spaces = 0, nbsp = 0;
    for (int i = l.Start; i < last; ++i) {
        spaces += sec.Text[static_cast<size_t>(i)] == u' ';
        nbsp += sec.Text[static_cast<size_t>(i)] == 0x00A0;
    }
    ASSERT_GT(nbsp, 0);
    EXPECT_EQ(l.Spaces, spaces + nbsp);
    EXPECT_EQ(l.Extra + sec.LineTextWidth(l.Start, l.Ln), l.DrawWidth);
    // Drawn, the line's last letter reaches the right edge.
    QImage img(300, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        ui::HtmlCanvas canvas(p);
        canvas.SetAntialias(false);
        page.doc.Draw(canvas, {0, 0, 300, 100}, 300, 0);
    }
    int right = -1;
    const int top = l.DrawY + l.SpaceBefore;
    for (int y = top; y < top + l.LineHt; ++y)
        for (int x = 0; x < 300; ++x)
            if (qGray(img.pixel(x, y)) < 128) right = std::max(right, x);
    EXPECT_GE(right, l.DrawX + l.DrawWidth - 3);
}

// ------------------------------------------------------ search and positions

TEST_F(TextSearch, ForwardAndBackward) {
    Page page("<p>Alpha beta ALPHA gamma alpha</p>");
    TSection& s = *page.Sections().at(0);
    const int base = s.FirstPos;
    struct Case {
        const char16_t* text;
        int from;
        bool match_case;
        int forward, backward; // offsets in the section, -1 none
    } cases[] = {
        {u"alpha", 0, false, 0, -1},   // backward from the start finds nothing
        {u"alpha", 1, false, 11, -1},
        {u"alpha", 5, false, 11, 0},   // a match may end at the position
        {u"alpha", 28, false, -1, 23},
        {u"alpha", 28, true, -1, 23},
        {u"ALPHA", 0, true, 11, -1},
        {u"alpha", 16, true, 23, -1},
        {u"", 5, false, -1, -1},       // an empty search finds nothing
        {u"delta", 0, false, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.text) + " from " + std::to_string(c.from));
        const int f = s.FindText(c.text, base + c.from, c.match_case);
        const int b = s.FindTextBackward(c.text, base + c.from, c.match_case);
        EXPECT_EQ(f, c.forward < 0 ? -1 : base + c.forward);
        EXPECT_EQ(b, c.backward < 0 ? -1 : base + c.backward);
    }
}

TEST_F(Positions, SourceAndDocumentPositionsMapBothWays) {
    // Source: "<p>ab <b>cd</b></p>": a=3 b=4 ' '=5 c=9 d=10.
    Page page("<p>ab <b>cd</b></p>");
    TSection& s = *page.Sections().at(0);
    const int p0 = s.FirstPos;
    struct Case {
        int source;
        bool prev;
        int doc; // offset, -1 none
    } cases[] = {
        {3, false, 0}, {5, false, 2}, {10, false, 4},
        {6, false, 3}, {6, true, 2},  // in the gap of the tag: after or before it
        {1, false, 0}, {1, true, -1}, // before the section
        {30, true, 4}, {30, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(s.SourceToDocPos(c.source, c.prev), c.doc < 0 ? -1 : p0 + c.doc);
    }
    EXPECT_EQ(s.DocToSourcePos(p0 + 3), 9);
    EXPECT_EQ(s.DocToSourcePos(p0 + 5), -1);
}

} // namespace
