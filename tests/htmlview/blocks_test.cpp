// Block boxes and the document: margins that collapse, widths, hidden
// blocks, backgrounds and hints; the document's picture cache, timer,
// print copies and positions.
#include <gtest/gtest.h>

#include "flow_support.h"
#include "../support/temp_dir.h"

namespace {

class Blocks : public testsupport::QtFixture {};
class Document : public testsupport::QtFixture {};

using namespace htmlview;
using flow::blocks;
using flow::Page;

// The first block whose cell holds `text`.
TBlock* block_with(const TSectionList& doc, const char16_t* text) {
    TBlock* found = nullptr;
    for (TBlock* b : blocks(doc)) {
        std::vector<TSection*> s;
        flow::collect_sections(*b->BodyCell, s);
        for (TSection* t : s)
            if (t->Text.find(text) != WideString::npos) found = b;
    }
    return found;
}

TEST_F(Blocks, VerticalMarginsCollapse) {
    struct Case {
        int bottom, top, gap;
    } cases[] = {{10, 20, 20}, {20, 10, 20}, {10, -5, 5}, {-10, -5, -10}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bottom) + " / " + std::to_string(c.top));
        Page page("<div style=\"margin-bottom: " + std::to_string(c.bottom) + "px\">A</div><div style=\"margin-top: " +
                  std::to_string(c.top) + "px\">B</div>");
        const TBlock* a = block_with(page.doc, u"A");
        const TBlock* b = block_with(page.doc, u"B");
        ASSERT_TRUE(a && b);
        EXPECT_EQ(b->ContentTop - a->ContentEnd, c.gap);
    }
}

TEST_F(Blocks, DefaultParagraphMarginsAtTheEdgesOfCells) {
    // First in the body a paragraph has no top margin; between paragraphs 14.
    Page page("<p>one</p><p>two</p><div style=\"background-color: #eeeeee\"><p>inner</p></div><p>after</p>");
    const TBlock* one = block_with(page.doc, u"one");
    const TBlock* two = block_with(page.doc, u"two");
    EXPECT_EQ(one->MarginTop(), 0);
    EXPECT_EQ(two->ContentTop - one->ContentEnd, 14);
    // The last paragraph of a division gives its default bottom margin to the division.
    const TBlock* inner = block_with(page.doc, u"inner");
    const TBlock* division = nullptr;
    for (TBlock* b : blocks(page.doc))
        if (b->BodyCell->HostTag == "div") division = b;
    ASSERT_TRUE(inner && division);
    EXPECT_EQ(inner->MarginBottom(), 0);
    EXPECT_EQ(division->ContentEnd, inner->FlowBottom);
    EXPECT_EQ(block_with(page.doc, u"after")->ContentTop - division->FlowBottom + division->MarginBottom(), 14);
}

TEST_F(Blocks, WidthsAndSideMargins) {
    struct Case {
        const char* style;
        int left, width; // content x and width on an 800-pixel page (body margins 10)
    } cases[] = {
        {"", 10, 780},
        {"width: 200px", 10, 200},
        {"width: 50%", 10, 390},
        {"margin-left: 40px", 50, 740},
        {"width: 200px; margin-left: auto; margin-right: auto", 300, 200},
        {"width: 200px; margin-left: auto", 590, 200},
        {"padding: 5px; border: 3px solid black", 18, 764},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Page page(std::string("<div style=\"") + c.style + "\">text</div>");
        const TBlock* b = block_with(page.doc, u"text");
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->ContentLeft, c.left);
        EXPECT_EQ(b->ChosenWidth, c.width);
    }
}

TEST_F(Blocks, HiddenBlocks) {
    Page page("<div>one</div><div style=\"display: none\">gone</div><div style=\"visibility: hidden\">"
              "unseen</div><div>two</div>");
    const TBlock* gone = block_with(page.doc, u"gone");
    const TBlock* unseen = block_with(page.doc, u"unseen");
    ASSERT_TRUE(gone && unseen);
    EXPECT_EQ(gone->FlowHeight, 0);
    EXPECT_GT(unseen->FlowHeight, 0);
    EXPECT_EQ(block_with(page.doc, u"two")->SectionTop, unseen->FlowBottom);

    // Painted: the hidden block leaves white where its text would be.
    htmlshot::ShotSurface surface;
    surface.LoadText("<div style=\"visibility: hidden; background-color: black\">unseen</div>x", "", 200);
    const QImage shot = surface.Grab();
    for (int px = 0; px < 200; ++px) ASSERT_EQ(shot.pixel(px, 10) & 0xFFFFFF, 0xFFFFFFu) << px;
}

// Lengths no page needs are held to a million pixels: the block's edges
// add up without wrapping round.
TEST_F(Blocks, HugeLengthsAreHeldWithinAMillionPixels) {
    const char* styles[] = {
        "border: 18888888888888px solid black",
        "padding: 99999999999px",
        "margin: 99999999999px 0",
        "height: 99999999999px; border-top: 5000000000px solid",
    };
    for (const char* style : styles) {
        SCOPED_TRACE(style);
        Page page(std::string("<div style=\"") + style + "\">A</div><p>after</p>", 300);
        const TBlock* a = block_with(page.doc, u"A");
        ASSERT_TRUE(a);
        EXPECT_GE(a->FlowHeight, 1'000'000);
        EXPECT_LE(a->FlowHeight, 4'000'100);
        EXPECT_EQ(block_with(page.doc, u"after")->SectionTop, a->FlowBottom);
        EXPECT_GE(page.height, a->FlowBottom);
    }
}

TEST_F(Blocks, BackgroundFillsThePaddingBoxInsideTheBorder) {
    htmlshot::ShotSurface surface;
    surface.LoadText("<body marginwidth=0 marginheight=0><div style=\"margin: 10px; border: 2px solid #ff0000; "
                     "padding: 4px; background-color: #0000ff; width: 100px\">&nbsp;</div>",
                     "", 200);
    const QImage shot = surface.Grab();
    EXPECT_EQ(shot.pixel(9, 20) & 0xFFFFFF, 0xFFFFFFu); // margin
    EXPECT_EQ(shot.pixel(10, 20) & 0xFFFFFF, 0xFF0000u); // border
    EXPECT_EQ(shot.pixel(11, 20) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shot.pixel(12, 20) & 0xFFFFFF, 0x0000FFu); // padding
    EXPECT_EQ(shot.pixel(12 + 4 + 100 + 4 - 1, 20) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(shot.pixel(12 + 4 + 100 + 4, 20) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(Blocks, TitleIsAHintOverTheWholeBlock) {
    htmlshot::ShotSurface surface;
    surface.LoadText("<div title=\"Hint\" style=\"padding: 20px\">text</div><p>other</p>", "", 300);
    surface.Grab(); // the boxes are known after a paint
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    TUrlTarget url;
    TFormControlObj* control = nullptr;
    std::string title;
    const TBlock* b = block_with(surface.Doc(), u"text");
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(surface.Doc().UrlAtPoint(canvas, b->BorderBox.Left + 3, b->BorderBox.Top + 3, url, control, title) & guTitle);
    EXPECT_EQ(title, "Hint");
}

TEST_F(Document, PrintCopyLaysOutLikeTheOriginal) {
    Page page("<h1>Title</h1><p>Some text that <a href=x>links</a> and wraps at a narrow width of the page.</p>", 200);
    TSectionList copy(page.doc, true);
    EXPECT_TRUE(copy.IsCopy);
    EXPECT_EQ(copy.BitmapList, page.doc.BitmapList);
    EXPECT_EQ(copy.InlineList, page.doc.InlineList);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int max_width = 0;
    EXPECT_EQ(copy.DoLayout(canvas, 200, 600, max_width), page.height);
    EXPECT_EQ(flow::line_texts(copy), page.Lines());
    EXPECT_TRUE(copy.Links.empty()); // copies make no tab stops
}

TEST_F(Document, TimerSectionsAndClearing) {
    htmlshot::ShotSurface surface;
    surface.LoadText("<p>one</p><p>two</p><p>three</p>", "", 300);
    TSectionList& doc = surface.Doc();
    ASSERT_NE(doc.AnimTimer, nullptr);
    EXPECT_FALSE(doc.AnimTimer->isActive()); // no animated pictures
    ASSERT_EQ(doc.PositionList.size(), 3u);
    int y = 0, index = -1;
    const TSectionBase* s = doc.SectionAtY(doc.PositionList[1]->GetYPosition() + 1, y, index);
    EXPECT_EQ(s, doc.PositionList[1]);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(doc.SectionAtY(-5, y, index), nullptr);
    doc.ClearDocument();
    EXPECT_EQ(doc.Count(), 0);
    EXPECT_TRUE(doc.PositionList.empty());
    EXPECT_NE(doc.Styles.DefaultProps, nullptr); // ready for the next page
}

TEST_F(Document, PicturesAreCachedByTheirNameInAnyCase) {
    testsupport::TempDir dir;
    QImage img(4, 3, QImage::Format_RGB32);
    img.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(img.save(QString::fromStdString(dir.file("pic.png"))));
    Page page("x");
    Transparency t = itrNone;
    bool waiting = false, from_cache = false;
    const TBitmap* mask = nullptr;
    TImage* first = page.doc.FetchBitmap(dir.file("pic.png"), t, waiting, from_cache, mask);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(from_cache);
    ASSERT_TRUE(first->bitmap);
    EXPECT_EQ(first->bitmap->Width(), 4);
    TImage* second = page.doc.FetchBitmap(" " + dir.path() + "PIC.PNG ", t, waiting, from_cache, mask);
    EXPECT_EQ(second, first);
    EXPECT_TRUE(from_cache);
    EXPECT_EQ(page.doc.BitmapList->Count(), 1);
    EXPECT_EQ(page.doc.FetchBitmap(dir.file("missing.png"), t, waiting, from_cache, mask), nullptr);
}

} // namespace
