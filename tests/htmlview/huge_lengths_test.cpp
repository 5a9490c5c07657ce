// Pages whose lengths lie far past what any page needs: every length a page
// can give (px, em with a huge font, percentages, spans, gap attributes,
// heights, line heights, indents), alone and together, in blocks, cells,
// floats, list items and positioned blocks. Each page is read, laid out,
// painted at the top, halfway down and at the end, hit-tested, searched,
// laid out again as a print copy and printed. The sanitizer build runs them:
// no sum may overflow on the way.
#include <gtest/gtest.h>

#include "flow_support.h"
#include "print_support.h"
#include "htmlview/box_length.h"

namespace {

class HugeLengths : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

// Every path a page takes; returns the shots of the window at the top,
// halfway down and at the end of the page.
std::vector<QImage> run_through(Page& page, int width) {
    std::vector<QImage> shots;
    EXPECT_GE(page.height, 0);
    EXPECT_LE(page.height, kMaxPagePosition);
    for (int scroll : {0, page.height / 2, std::max(0, page.height - 300)}) {
        QImage shot(width, 300, QImage::Format_RGB32);
        shot.fill(0xFFFFFFFFu);
        {
            QPainter p(&shot);
            ui::HtmlCanvas canvas(p);
            page.doc.SetScrollY(scroll);
            page.doc.Draw(canvas, {0, 0, width, 300}, width, 0);
            for (int y : {5, 150, 295})
                for (int x : {5, width / 2, width - 5}) {
                    TUrlTarget url;
                    TFormControlObj* control = nullptr;
                    std::string title;
                    page.doc.UrlAtPoint(canvas, x, scroll + y, url, control, title);
                    TFloatingObj* obj = nullptr;
                    int ix = 0, iy = 0;
                    page.doc.ObjectAtPoint(x, scroll + y, obj, ix, iy);
                    int xr = 0, yr = 0, caret = 0;
                    bool in_text = false;
                    page.doc.CursorAtPoint(canvas, x, scroll + y, xr, yr, caret, in_text);
                }
        }
        shots.push_back(shot);
    }
    page.doc.FindText(u"a", 0, false);
    TSectionList copy(page.doc, true);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int max_width = 0;
    EXPECT_EQ(copy.DoLayout(canvas, width, 600, max_width), page.height);
    printtest::PdfPrinter printer(480, 600);
    TPrintOptions options;
    options.MarginLeft = options.MarginRight = options.MarginTop = options.MarginBottom = 0.5;
    EXPECT_GE(PrintDocument(page.doc, 1, 2, options), 1);
    return shots;
}

// A length past the int range, and one just short of it.
const std::string kPast = "99999999999";
const std::string kNear = "2147483000";

TEST_F(HugeLengths, PagesReadLayOutPaintHitTestAndPrint) {
    const std::string text = "A block of text <a href=x.html>with a link</a> and more words to wrap";
    const std::string rows = [] {
        std::string s = "<table border=1>";
        for (int r = 0; r < 2500; ++r) s += "<tr height=999999><td>row " + std::to_string(r) + "\n";
        return s + "</table>";
    }();
    const std::string blocks = [&] {
        std::string s;
        for (int i = 0; i < 2500; ++i) s += "<div style=\"height: 999999px\">" + std::to_string(i) + "</div>\n";
        return s;
    }();
    const std::string lines = [&] {
        std::string s = "<p style=\"line-height: 999999px\">";
        for (int i = 0; i < 2500; ++i) s += "line " + std::to_string(i) + "<br>";
        return s + "</p>";
    }();
    const std::string pages[] = {
        // px
        "<div style=\"width: " + kPast + "px; height: " + kPast + "px; text-indent: " + kPast + "px\">" + text + "</div>",
        "<p style=\"line-height: " + kPast + "px; text-indent: -" + kPast + "px\">" + text + "</p>",
        "<p style=\"margin: -" + kPast + "px; padding: " + kNear + "px\">" + text + "</p>",
        // em with a huge font
        "<div style=\"font-size: " + kPast + "px; line-height: 99999em; text-indent: 99999em; padding: 9999em; "
        "margin: 9999em; border: 9999em solid red; width: 9999em\">" + text + "</div>",
        "<p style=\"font-size: 999999px; line-height: " + kPast + "em; text-indent: -" + kPast + "em\">" + text + "</p>",
        // percentages
        "<div style=\"width: " + kPast + "%; margin-left: " + kPast + "%; text-indent: " + kPast + "%; padding: " +
            kPast + "%\">" + text + "</div>",
        "<table width=" + kPast + "%><tr><td width=" + kPast + "%>" + text + "<td width=99%>b</table>",
        // spans
        "<table border=1><tr><td colspan=1000 width=" + kPast + ">" + text + "<tr>" +
            [] { std::string s; for (int i = 0; i < 1000; ++i) s += "<td width=999999>x"; return s; }() + "</table>",
        "<table width=90%><tr><td colspan=3 width=" + kPast + "%>" + text + "<tr><td width=" + kPast +
            "%>a<td width=" + kNear + "%>b<td>c</table>",
        "<table><tr><td rowspan=3 height=" + kPast + ">" + text + "<td height=" + kPast + ">b<tr><td height=" + kNear +
            ">c<tr><td>d</table>",
        // cells with everything at once
        "<table border=" + kPast + " cellpadding=" + kPast + " cellspacing=" + kPast + " width=" + kPast + " height=" +
            kPast + "><tr><td width=" + kPast + " height=" + kPast + " style=\"padding: " + kPast + "px; border: " +
            kPast + "px solid\">" + text + "<td width=" + kNear + ">two</table>",
        "<table style=\"font-size: 999999px\"><tr><td style=\"padding: 9999em; width: 9999em; height: 9999em\">" + text +
            "<td style=\"width: " + kPast + "px\">b</table>",
        // floats
        "<p><img src=none.png align=left width=" + kPast + " height=" + kPast + " hspace=" + kPast + " vspace=" + kPast +
            ">" + text + "<img src=none.png align=right width=" + kNear + " height=" + kNear + "> " + text + "</p>",
        "<div style=\"float: left; width: " + kPast + "px; height: " + kPast + "px; margin: " + kPast + "px\">f</div>"
            "<div style=\"float: right; width: " + kNear + "px; height: " + kNear + "px\">g</div><p>" + text + "</p>",
        "<table align=left width=" + kPast + " height=" + kPast + "><tr><td>t</table><p>" + text + "</p>",
        // list items
        "<ul style=\"margin-left: " + kPast + "px; padding-left: " + kPast + "px\"><li style=\"text-indent: " + kPast +
            "px; line-height: " + kPast + "px\">" + text + "<li style=\"font-size: 999999px; margin: 9999em\">b</ul>"
            "<ol start=2147483647><li>a<li>b</ol>",
        // positioned blocks
        "<div style=\"position: absolute; left: " + kPast + "px; top: " + kPast + "px; width: " + kPast + "px; height: " +
            kPast + "px\">" + text + "</div><div style=\"position: relative; left: -" + kPast + "px; top: -" + kPast +
            "px\">" + text + "</div>",
        "<div style=\"position: absolute; left: -" + kNear + "px; top: " + kNear + "px; font-size: 999999px; "
            "padding: 9999em\">" + text + "</div>",
        // many huge lengths one after another: sums past the int range
        rows,
        blocks,
        lines,
        "<pre style=\"line-height: " + kPast + "px; text-indent: " + kPast + "px\">" + text + "\n" + text + "</pre>",
        "<input size=" + kPast + " style=\"width: " + kPast + "px; height: " + kPast + "px\"><textarea cols=" + kPast +
            " rows=" + kPast + "></textarea><select style=\"width: " + kPast + "%\"><option>a</select>",
    };
    for (const std::string& html : pages) {
        SCOPED_TRACE(html.substr(0, 200));
        Page page(html, 320);
        run_through(page, 320);
    }
}

// Borders far past the int range paint at the top and halfway down; the
// first page's border covers the whole window at the top.
TEST_F(HugeLengths, BordersPastTheIntRangePaint) {
    const std::string text = "<div>A block of text</div><p>A paragraph <a href=x.html>with a link</a></p>"
                             "<table border=1><tr><td>one<td>two</table>";
    const char* styles[] = {
        "div { border: 18888888888888px solid #606060; margin: 4px 0; padding: 4px; height: 44px; "
        "background-color: #fffbe8 }",
        "div, p { border: 99999999999px double red }",
        "div, p { border: 99999999999px dashed red }",
        "div, p { border: 99999999999px dotted blue }",
        "div, p { border: 99999999999px groove blue }",
    };
    for (const char* style : styles) {
        SCOPED_TRACE(style);
        Page page(std::string("<style>") + style + "</style>" + text, 320);
        const std::vector<QImage> shots = run_through(page, 320);
        if (style == styles[0]) {
            EXPECT_EQ(shots[0].pixel(160, 150) & 0xFFFFFF, 0x606060u);
        }
    }
}

// Attributes that give gaps far past the int range: the same.
TEST_F(HugeLengths, GapAttributesPastTheIntRange) {
    const char* pages[] = {
        "<table border=99999999999 cellpadding=99999999999 cellspacing=99999999999><tr><td>one<td>two</table>",
        "<p><img src=none.png hspace=99999999999 vspace=99999999999 width=20 height=20> text</p>",
    };
    for (const char* html : pages) {
        SCOPED_TRACE(html);
        Page page(html, 320);
        run_through(page, 320);
    }
}

// Ordinary lengths are left as they are; huge ones are held to the bound.
TEST(BoxLength, BoundsAndPositions) {
    EXPECT_EQ(bound_length(120), 120);
    EXPECT_EQ(bound_length(-120), -120);
    EXPECT_EQ(bound_length(99999999999LL), kMaxBoxLength);
    EXPECT_EQ(bound_length(-99999999999LL), -kMaxBoxLength);
    EXPECT_EQ(to_position(int64_t{kMaxBoxLength} * 3000), kMaxPagePosition);
    EXPECT_EQ(to_position(-int64_t{kMaxBoxLength} * 3000), -kMaxPagePosition);
    EXPECT_EQ(to_position(1234), 1234);
}

} // namespace
