// Pictures in the text: their sizes from attributes, style and the picture
// itself, the box of a picture that is missing, link borders, floats beside
// text, and hits on pictures and their maps.
#include <gtest/gtest.h>

#include "flow_support.h"
#include "htmlview/image_obj.h"

namespace {

class Pictures : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

const std::string kPics = std::string(FIXTURES_DIR) + "/pages/pics/";

std::vector<TImageObj*> images(const TSectionList& doc) {
    std::vector<TImageObj*> out;
    for (TSection* s : flow::sections(doc))
        for (const auto& o : s->Images)
            if (auto* i = dynamic_cast<TImageObj*>(o.get())) out.push_back(i);
    return out;
}

TEST_F(Pictures, SizeFromAttributesStyleAndThePicture) {
    // sky.png is 40 x 30. The page is 400 wide; the body's margins leave 380.
    struct Case {
        const char* attrs;
        int width, height;
    } cases[] = {
        {"", 40, 30},
        {"width=80", 80, 60},
        {"height=15", 20, 15},
        {"width=10 height=50", 10, 50},
        {"width=\"50%\"", 190, 143},          // 380 / 2, height in proportion
        {"width=\"50%\" height=7", 190, 7},
        {"width=\"0%\"", 40, 30},             // outside 1..100: ignored
        {"width=\"101%\"", 40, 30},
        {"width=99999999", 20000, 15000},     // bounded, no overflow
        {"height=0", 1, 1},                   // at least 1, width scaled from it
        {"style=\"width: 20px\"", 20, 15},
        {"width=80 style=\"width: auto\"", 40, 30},
        {"width=-30", 40, 30},                // a negative width counts as not given
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attrs);
        Page page("<p><img src=\"" + kPics + "sky.png\" " + c.attrs + "></p>", 400);
        const auto imgs = images(page.doc);
        ASSERT_EQ(imgs.size(), 1u);
        EXPECT_FALSE(imgs[0]->Missing());
        EXPECT_EQ(imgs[0]->BoxWidth, c.width);
        EXPECT_EQ(imgs[0]->BoxHeight, c.height);
    }
}

TEST_F(Pictures, SpacesAlignmentAndMapNamesFromAttributes) {
    struct Case {
        const char* attrs;
        int placement, hspace, vspace;
        const char* map;
    } cases[] = {
        {"", ABottom, 0, 0, ""},
        {"align=LEFT", ALeft, 3, 0, ""},       // a float gets 3 pixels each side
        {"align=right hspace=0", ARight, 0, 0, ""},
        {"align=absmiddle hspace=-50 vspace=100", AMiddle, 40, 40, ""},
        {"align=top style=\"margin-left: 7px\"", ATop, 0, 0, ""},
        {"style=\"float: left\"", ALeft, 3, 0, ""},
        {"align=bogus usemap=\"#Nav \"", ABottom, 0, 0, "NAV"},
        {"usemap=\"#\"", ABottom, 0, 0, "#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attrs);
        Page page("<p>x<img src=\"" + kPics + "sky.png\" " + c.attrs + "></p>", 400);
        const auto imgs = images(page.doc);
        ASSERT_EQ(imgs.size(), 1u);
        EXPECT_EQ(imgs[0]->Placement, c.placement);
        EXPECT_EQ(imgs[0]->HSpaceR, c.hspace);
        EXPECT_EQ(imgs[0]->VSpaceT, c.vspace);
        EXPECT_EQ(imgs[0]->ClientMapName(), c.map);
    }
    Page styled("<p>x<img src=\"" + kPics + "sky.png\" style=\"margin-left: 7px\"></p>", 400);
    EXPECT_EQ(images(styled.doc)[0]->HSpaceL, 7);
}

TEST_F(Pictures, MissingPictureShowsABoxForItsAltText) {
    // Without a size the box takes the ALT text and the sign; with both
    // sizes given it keeps them, however small.
    Page page("<p><img src=\"none.png\" alt=\"Broken picture\"> <img src=\"none.png\" width=16 height=10 alt=\"t\">"
              " <img src=\"" + kPics + "none.png\"></p>");
    const auto imgs = images(page.doc);
    ASSERT_EQ(imgs.size(), 3u);
    for (TImageObj* i : imgs) EXPECT_TRUE(i->Missing());
    EXPECT_GT(imgs[0]->BoxWidth, 24 + 40);
    EXPECT_EQ(imgs[0]->BoxHeight, 24);
    EXPECT_EQ(imgs[1]->BoxWidth, 16);
    EXPECT_EQ(imgs[1]->BoxHeight, 10);
    EXPECT_EQ(imgs[2]->BoxWidth, 26);
    // Each missing picture is listed under its source for a later delivery.
    EXPECT_EQ(page.doc.MissingImages.size(), 3u);
}

TEST_F(Pictures, LinkBorderUnlessBorderIsZero) {
    Page page("<a href=\"a.html\"><img src=\"" + kPics + "sky.png\"></a><a href=\"b.html\"><img src=\"" + kPics +
              "sky.png\" border=0></a><img src=\"" + kPics + "sky.png\">");
    const auto imgs = images(page.doc);
    ASSERT_EQ(imgs.size(), 3u);
    EXPECT_EQ(imgs[0]->BoxWidth, 42);
    EXPECT_TRUE(imgs[0]->LinkBorder);
    EXPECT_EQ(imgs[1]->BoxWidth, 40);
    EXPECT_EQ(imgs[2]->BoxWidth, 40);
}

TEST_F(Pictures, APictureIsHitInsideItsLinkBorder) {
    Page page("<a href=\"a.html\"><img src=\"" + kPics + "sky.png\"></a><img src=\"" + kPics + "sky.png\">");
    const auto imgs = images(page.doc);
    ASSERT_EQ(imgs.size(), 2u);
    TImageObj& linked = *imgs[0];
    TImageObj& plain = *imgs[1];
    linked.PlacedX = 100;
    linked.PlacedY = 50;
    plain.PlacedX = 200;
    plain.PlacedY = 50;
    const int w = plain.BoxWidth, h = plain.BoxHeight;
    struct Case {
        const TImageObj* image;
        int x, y;
        bool hit;
        int ix, iy;
    };
    const Case cases[] = {
        {&linked, 100, 50, false, 0, 0},          // the border's corner
        {&linked, 101, 51, true, 0, 0},           // the picture's corner
        {&linked, 100 + w, 50 + h, true, w - 1, h - 1},
        {&linked, 101 + w, 51, false, 0, 0},      // the right border
        {&linked, 101, 51 + h, false, 0, 0},      // the bottom border
        {&plain, 200, 50, true, 0, 0},
        {&plain, 199 + w, 49 + h, true, w - 1, h - 1},
        {&plain, 200 + w, 50, false, 0, 0},
    };
    for (const Case& c : cases) {
        int ix = -1, iy = -1;
        EXPECT_EQ(c.image->Holds(c.x, c.y, ix, iy), c.hit) << c.x << "," << c.y;
        if (c.hit) EXPECT_EQ(std::make_pair(ix, iy), std::make_pair(c.ix, c.iy)) << c.x << "," << c.y;
    }
}

TEST_F(Pictures, LinesStartBesideLeftAndRightFloats) {
    // checks.png is 60 x 60; the body's left margin is 10, a float has 3 each side.
    Page page("<p><img src=\"" + kPics + "checks.png\" align=left>left words left words left words left words "
              "left words left words left words left words left words left words</p>"
              "<p style=\"clear: left\"><img src=\"" + kPics + "checks.png\" align=right>right words right words "
              "right words right words right words right words right words right words right words</p>",
              400);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 2u);
    const TSection& left = *s[0];
    ASSERT_GE(left.Lines.size(), 2u);
    EXPECT_EQ(left.Lines[0]->DrawX, 10 + 66);
    // The right float narrows the lines beside it, not their start.
    const TSection& right = *s[1];
    ASSERT_GE(right.Lines.size(), 2u);
    const auto imgs = images(page.doc);
    EXPECT_EQ(imgs[1]->Indent + 3 + 60 + 3, 390); // the body's right edge
    EXPECT_EQ(right.Lines[0]->DrawX, 10);
    EXPECT_LE(right.Lines[0]->DrawWidth, 380 - 66);
}

TEST_F(Pictures, LongWordMovesBelowAFloatThatLeavesNoRoom) {
    Page page("<p><img src=\"" + kPics + "checks.png\" align=left width=100 height=40>"
              "Averyveryverylongwordthatdoesnotfit and more</p>",
              200);
    const auto s = page.Sections();
    ASSERT_EQ(s.size(), 1u);
    const TSection& sec = *s[0];
    const auto imgs = images(page.doc);
    // The long word starts at the left edge below the picture.
    const LineRec* word = nullptr;
    for (const auto& l : sec.Lines)
        if (l->Ln > 1) {
            word = l.get();
            break;
        }
    ASSERT_NE(word, nullptr);
    EXPECT_GE(word->DrawY, imgs[0]->PlacedY + imgs[0]->BoxHeight);
    EXPECT_EQ(word->DrawX, 10);
}

TEST_F(Pictures, ImagesOffShowTheSignWithoutReadingFiles) {
    TFontSettings settings = Page::plain_settings();
    testsupport::qt_app();
    InitDisplay();
    TSectionList doc(nullptr);
    doc.ApplyFonts(settings);
    doc.ImagesShown = false;
    TReadResult result;
    ReadHtmlDocument("<img src=\"" + kPics + "sky.png\" alt=\"sky\">", doc, TReadHandlers(), result);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int max_width = 0;
    doc.DoLayout(canvas, 400, 600, max_width);
    const auto imgs = images(doc);
    ASSERT_EQ(imgs.size(), 1u);
    EXPECT_EQ(imgs[0]->Bitmap(), nullptr);
    EXPECT_GE(imgs[0]->BoxHeight, 24);
    EXPECT_TRUE(doc.MissingImages.empty());
}

} // namespace
