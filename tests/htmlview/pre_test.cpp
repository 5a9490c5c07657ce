// Preformatted text (lines, tabs, markup inside, forms inside), the PAGE
// element's break in printing, and plain-text documents.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "flow_support.h"
#include "htmlview/form.h"
#include "htmlview/html_pane.h"
#include "htmlview/pre.h"
#include "print_support.h"
#include "support/temp_dir.h"

namespace {

using namespace htmlview;

// The text of every preformatted line, empty ones included.
std::vector<std::string> pre_lines(const TSectionList& doc) {
    std::vector<std::string> out;
    for (const TSection* s : flow::sections(doc))
        if (s->IsPreformatted()) out.push_back(WideToUtf8(s->Text));
    return out;
}

std::vector<TPreFormated*> pre_sections(const TSectionList& doc) {
    std::vector<TPreFormated*> out;
    for (TSection* s : flow::sections(doc))
        if (auto* p = dynamic_cast<TPreFormated*>(s)) out.push_back(p);
    return out;
}

class PreformattedPages : public testsupport::QtFixture {};

TEST_F(PreformattedPages, RenderLikeTheirGoldenPictures) {
    flow::expect_pages_like_goldens({"pre"});
}

struct LinesCase {
    const char* name;
    const char* html;
    std::vector<std::string> lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class PreLines : public testsupport::QtFixture, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(PreLines, SplitIntoTheExpectedLines) {
    const LinesCase& c = GetParam();
    flow::Page page(c.html);
    EXPECT_EQ(page.error, "");
    EXPECT_EQ(pre_lines(page.doc), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreLines,
    ::testing::Values(
        // Every kind of line end is one; CR CR and LF LF leave an empty line.
        LinesCase{"line_ends", "<pre>a\r\nb\nc\rd\n\re\r\rf\n\ng</pre>", {"a", "b", "c", "d", "e", "", "f", "", "g"}},
        // The line end after the start tag and the one before the end tag
        // each leave an empty line; an empty element is one empty line.
        LinesCase{"first_and_last_line_end", "<pre>\nx\n</pre>", {"", "x", ""}},
        LinesCase{"empty", "<pre></pre>", {""}},
        LinesCase{"spaces_kept", "<pre>  a   b  </pre>", {"  a   b  "}},
        // Tabs move to the next multiple of eight columns.
        LinesCase{"tab_stops", "<pre>a\tb\n\tc\n12345678\td\nab<b>c\td</b></pre>",
                  {"a       b", "        c", "12345678        d", "abc     d"}},
        LinesCase{"references_and_lone_lt", "<pre>&lt;b&gt; &amp; a < b</pre>", {"<b> & a < b"}},
        // A BR ends the line and takes the line end after it.
        LinesCase{"br", "<pre>a<br>\nb<br>c</pre>", {"a", "b", "c"}},
        // Tags a PRE does not hold are left out; a TD end ends it.
        LinesCase{"other_tags_left_out", "<pre>a<h1>b</h1><table><tr>c<hr>d</pre>", {"abcd"}},
        LinesCase{"ends_at_cell_end", "<table><tr><td><pre>a\nb</td><td>c</td></tr></table>", {"a", "b"}},
        // A paragraph inside is a block of its own; an empty line before it,
        // or at its end, is dropped, and so is one right after it.
        LinesCase{"paragraph_inside", "<pre>a\n<p>b\nc</p>\nd</pre>", {"a", "b", "c", "d"}},
        LinesCase{"paragraph_at_the_end", "<pre>a\n<p>b\n</p></pre>", {"a", "b"}},
        LinesCase{"unclosed_at_the_end", "<pre>a\nb", {"a", "b"}}));

TEST_F(PreformattedPages, TheTextAfterAPreIsReadAsHtmlAgain) {
    flow::Page page("<pre>a   b</pre>x   y\n\nz");
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"a   b", "x y z"}));
}

TEST_F(PreformattedPages, ALongLineIsNotWrappedAndItsLeastWidthIsCapped) {
    const std::string words = [] {
        std::string s;
        for (int i = 0; i < 400; ++i) s += "word ";
        return s;
    }();
    flow::Page page("<pre>" + words + "\nshort</pre>", 300);
    const auto pres = pre_sections(page.doc);
    ASSERT_EQ(pres.size(), 2u);
    EXPECT_EQ(pres[0]->Lines.size(), 1u);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int min = 0, max = 0;
    pres[0]->MinMaxWidths(canvas, min, max);
    EXPECT_GT(max, 2000);
    EXPECT_EQ(min, TPreFormated::kMaxMinWidth);
    // The page is as wide as its widest line.
    EXPECT_GE(page.max_width, max);
    pres[1]->MinMaxWidths(canvas, min, max);
    EXPECT_EQ(min, max);
    EXPECT_LT(max, 300);
}

TEST_F(PreformattedPages, AnEmptyLineIsOneLineHigh) {
    flow::Page page("<pre>a\n\nb</pre><pre></pre><p>after</p>");
    const auto pres = pre_sections(page.doc);
    ASSERT_EQ(pres.size(), 4u);
    const int line = pres[0]->Fonts.First()->tmHeight;
    EXPECT_EQ(pres[1]->FlowHeight, line);
    EXPECT_EQ(pres[2]->SectionTop - pres[0]->SectionTop, pres[0]->FlowHeight + line);
    // An empty element keeps one line too.
    EXPECT_EQ(pres[3]->FlowHeight, line);
}

// A picture sized in percent takes its share of the width the line is laid
// out in, and keeps it after the line's widths are measured.
TEST_F(PreformattedPages, APictureInPercentKeepsItsShareOfTheWidth) {
    const std::string sky = std::string(FIXTURES_DIR) + "/pages/pics/sky.png";
    flow::Page page("<pre>a<img src=\"" + sky + "\" width=\"50%\">b</pre>", 400);
    const auto pres = pre_sections(page.doc);
    ASSERT_EQ(pres.size(), 1u);
    ASSERT_EQ(pres[0]->Images.Count(), 1);
    const TFloatingObj& img = *pres[0]->Images.Items(0);
    // The body's margins leave 380 pixels; sky.png is 40 x 30.
    EXPECT_EQ(img.BoxWidth, 190);
    EXPECT_EQ(img.BoxHeight, 143);
    EXPECT_GE(page.max_width, 190);
}

TEST_F(PreformattedPages, FontSizesInsideComeFromThePreTable) {
    flow::Page page("<pre><font size=7>a</font></pre><pre style=\"font-size:30pt\">b</pre>"
                    "<pre style=\"font-size:36pt\">c</pre>");
    const auto pres = pre_sections(page.doc);
    ASSERT_EQ(pres.size(), 3u);
    const int size7 = pres[0]->Fonts.GetFontObjAt(0)->tmHeight;
    EXPECT_EQ(size7, pres[1]->Fonts.GetFontObjAt(0)->tmHeight);
    EXPECT_NE(size7, pres[2]->Fonts.GetFontObjAt(0)->tmHeight);
}

TEST_F(PreformattedPages, AFontEndInsideLeavesAFontOpenedOutside) {
    flow::Page page("<font color=#ff0000><pre>a</font>b</pre>c</font>d");
    const auto secs = flow::sections(page.doc);
    ASSERT_EQ(secs.size(), 2u);
    auto rgb = [&](int section, int pos) { return secs[section]->Fonts.GetFontObjAt(pos)->TheFont.Color & 0xFFFFFF; };
    const ColorRef red = ui::rgb_ref(255, 0, 0);
    EXPECT_EQ(rgb(0, 0), red); // "a"
    EXPECT_EQ(rgb(0, 1), red); // "b"
    EXPECT_EQ(rgb(1, 0), red); // "c"
    EXPECT_NE(rgb(1, 1), red); // "d"
}

TEST_F(PreformattedPages, AFormInsideHoldsItsControlsAndEnds) {
    flow::Page page("<pre>\n<form action=\"a.html\">Word: <input name=q value=dom>\n"
                    "</form>\nafter <input name=r></pre>");
    EXPECT_EQ(pre_lines(page.doc), (std::vector<std::string>{"", "Word: \x02", "after \x02"}));
    const auto secs = pre_sections(page.doc);
    ASSERT_EQ(secs.size(), 3u);
    ASSERT_EQ(secs[1]->FormControls.size(), 1u);
    ASSERT_EQ(secs[2]->FormControls.size(), 1u);
    const TFormControlObj* q = secs[1]->FormControls[0];
    const TFormControlObj* r = secs[2]->FormControls[0];
    EXPECT_EQ(q->Name, "q");
    ASSERT_NE(q->OwnerForm, nullptr);
    EXPECT_EQ(q->OwnerForm->Action, "a.html");
    // The control after the form's end belongs to another form.
    EXPECT_NE(r->OwnerForm, q->OwnerForm);
}

// A form that opens and ends inside the preformatted text gives the form
// around the element back to what follows.
TEST_F(PreformattedPages, AFormEndedInsideRestoresTheFormAround) {
    for (const char* inner_end : {"</form>", ""}) {
        SCOPED_TRACE(inner_end);
        flow::Page page(std::string("<form action=\"outer.html\"><input name=a><pre><form action=\"inner.html\">"
                                    "<input name=b>") +
                        inner_end + "x</pre><input name=c></form>");
        auto named = [&](const std::string& name) -> const TFormControlObj* {
            for (const TFormControlObj* ctl : page.doc.AllControls)
                if (ctl->Name == name) return ctl;
            return nullptr;
        };
        const TFormControlObj *a = named("a"), *b = named("b"), *c = named("c");
        ASSERT_TRUE(a && b && c);
        ASSERT_NE(a->OwnerForm, nullptr);
        EXPECT_EQ(a->OwnerForm->Action, "outer.html");
        EXPECT_EQ(b->OwnerForm->Action, "inner.html");
        EXPECT_EQ(c->OwnerForm, a->OwnerForm);
    }
}

// Line ends between a map's areas are no tags: the map stays.
TEST_F(PreformattedPages, AMapInsideKeepsItsAreasOverLineEnds) {
    flow::Page page("<pre>a<map name=m>\n<area href=x.html coords=0,0,4,4>\n<area href=y.html coords=4,4,8,8>\n"
                    "<area href=z.html coords=8,8,9,9>\n</map>b</pre>");
    EXPECT_EQ(pre_lines(page.doc), (std::vector<std::string>{"ab"}));
    ASSERT_EQ(page.doc.ImageMaps.size(), 1u);
    EXPECT_EQ(page.doc.ImageMaps[0]->Areas().size(), 3u);
}

// ----------------------------------------------------------------- PAGE

TEST_F(PreformattedPages, APageElementTakesNoRoomOnScreen) {
    flow::Page with("<p style=\"margin:0\">a<page>b</p>");
    flow::Page without("<p style=\"margin:0\">a<br>b</p>");
    EXPECT_EQ(with.Lines(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(with.height, without.height);
}

// Lines of 20 pixels on 480 x 600 paper with 48-pixel margins: 25 lines a page.
std::string page_lines(int first, int last) {
    std::string s;
    for (int i = first; i <= last; ++i) s += "Line " + std::to_string(i) + "<br>";
    return s;
}

struct PageBreakCase {
    const char* name;
    std::string body;
    int sheets;
};

void PrintTo(const PageBreakCase& c, std::ostream* os) {
    *os << c.name;
}

class PageBreaks : public testsupport::QtFixture, public ::testing::WithParamInterface<PageBreakCase> {};

TEST_P(PageBreaks, EndThePrintedPage) {
    const PageBreakCase& c = GetParam();
    printtest::PdfPrinter pdf;
    flow::Page page("<body style=\"margin:0\"><p style=\"margin:0; line-height:20px\">" + c.body + "</p></body>", 480);
    TPrintOptions o;
    o.MarginLeft = o.MarginRight = 0.01;
    o.MarginTop = o.MarginBottom = (48 + 0.5) / 96.0 * 2.54;
    EXPECT_EQ(PrintDocument(page.doc, 1, 999, o), c.sheets);
    EXPECT_EQ(printtest::pdf_pages(pdf.file), c.sheets);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageBreaks,
    ::testing::Values(PageBreakCase{"none", page_lines(1, 10), 1},
                      PageBreakCase{"after_three_lines", page_lines(1, 3) + "<page>" + page_lines(4, 10), 2},
                      PageBreakCase{"two", page_lines(1, 3) + "<page>" + page_lines(4, 5) + "<page>" + "x", 3},
                      // At the page's top a break would leave an empty page.
                      PageBreakCase{"at_the_top", "<page>" + page_lines(1, 10), 1},
                      // A break below the first page's end ends the second.
                      PageBreakCase{"on_the_second_page", page_lines(1, 30) + "<page>" + page_lines(31, 35), 3}));

TEST_F(PreformattedPages, APageBreakMovesTheRestToTheNextSheet) {
    printtest::PdfPrinter pdf;
    flow::Page page("<body style=\"margin:0\"><p style=\"margin:0; line-height:20px\">" + page_lines(1, 3) +
                        "<page>" + page_lines(4, 6) + "</p></body>",
                    480);
    TPrintOptions o;
    o.MarginLeft = o.MarginRight = 0.01;
    o.MarginTop = o.MarginBottom = (48 + 0.5) / 96.0 * 2.54;
    ASSERT_EQ(PrintDocument(page.doc, 1, 999, o), 2);
    const auto sheets = printtest::pdf_images(pdf.file);
    ASSERT_EQ(sheets.size(), 2u);
    // Three lines of ink on each sheet, the second starting at the top margin.
    const auto first = printtest::ink_bands(sheets[0], 0, 600);
    const auto second = printtest::ink_bands(sheets[1], 0, 600);
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_LT(second[0].first, 48 + 20);
    EXPECT_EQ(second[0].first, first[0].first);
}

// ------------------------------------------------------------ plain text

struct TextDoc {
    explicit TextDoc(const std::string& text, TFontSettings s = flow::Page::plain_settings()) : doc(nullptr) {
        testsupport::qt_app();
        InitDisplay();
        doc.ApplyFonts(s);
        ReadTextDocument(text, doc);
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter p(&scratch);
        ui::HtmlCanvas canvas(p);
        int w = 0;
        doc.DoLayout(canvas, 800, 600, w);
    }
    TSectionList doc;
};

struct PlainCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

void PrintTo(const PlainCase& c, std::ostream* os) {
    *os << c.name;
}

class PlainText : public testsupport::QtFixture, public ::testing::WithParamInterface<PlainCase> {};

TEST_P(PlainText, ShowsEveryCharacterAsText) {
    const PlainCase& c = GetParam();
    TextDoc t(c.text);
    EXPECT_EQ(pre_lines(t.doc), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainText,
    ::testing::Values(
        // Markup, references and comments are text.
        PlainCase{"markup", "<b>bold</b> &amp; <!-- no comment -->\n<pre>x</pre>",
                  {"<b>bold</b> &amp; <!-- no comment -->", "<pre>x</pre>"}},
        // The line after the last line end is kept, empty.
        PlainCase{"line_ends_and_last_line", "a\r\nb\rc\n\nd\n", {"a", "b", "c", "", "d", ""}},
        PlainCase{"empty", "", {""}},
        PlainCase{"tabs", "a\tb\n\t\tc", {"a       b", "                c"}},
        // Control bytes are shown as "?", never taken for pictures or controls.
        PlainCase{"control_bytes", std::string("a\x01" "b\x02\x04\x08" "c", 7), {"a?b???c"}},
        // Bytes in the document's character set; a UTF-8 signature switches to UTF-8.
        PlainCase{"windows_1252", "\x80 \x93q\x94", {"\u20AC \u201Cq\u201D"}},
        PlainCase{"utf8_signature", "\xEF\xBB\xBFza\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", {"za\u017C\u00F3\u0142\u0107"}},
        PlainCase{"long_line", std::string(450, 'x'), {std::string(450, 'x')}}));

// The signature is seen before any text is read, in HTML pages as well.
TEST_F(PreformattedPages, AUtf8SignatureSwitchesAnHtmlPageToUtf8) {
    flow::Page page("\xEF\xBB\xBF<p>za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87</p><pre>\xC4\x87</pre>");
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"za\u017C\u00F3\u0142\u0107", "\u0107"}));
}

TEST_F(PreformattedPages, TheViewerShowsATextFileAsText) {
    testsupport::TempDir dir;
    dir.write("notes.txt", "<h1>Not a heading</h1>\r\n&lt;\tend\r\n");
    THtmlPane pane;
    pane.resize(400, 300);
    pane.LoadTextFile(dir.file("notes.txt"));
    EXPECT_EQ(pre_lines(pane.Document()), (std::vector<std::string>{"<h1>Not a heading</h1>", "&lt;    end", ""}));
    // No heading block: the text is all in one font.
    for (const TSection* s : flow::sections(pane.Document())) EXPECT_EQ(s->Fonts.Count(), 1);
}

} // namespace
