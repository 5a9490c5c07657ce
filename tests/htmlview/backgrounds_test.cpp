// Background pictures of blocks and table cells: where the tiles go, how
// one-pixel and empty pictures are tiled, fixed backgrounds against the
// scroll, the background page against its golden pictures, and print copies
// of pages with pictures.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "flow_support.h"
#include "htmlview/bitmap.h"
#include "htmlview/tiles.h"
#include "tools/htmlshot/shot.h"

namespace {

using namespace htmlview;

const std::string kPics = std::string(FIXTURES_DIR) + "/pages/";

PositionRecArray position(PositionRec h, PositionRec v) { return {h, v}; }
PositionRec at(int kind, int value = 0, bool repeat = true) { return PositionRec{kind, value, repeat, false}; }

struct PlanCase {
    const char* name;
    PositionRecArray pos;
    int w, h;
    ui::Rect clip;
    TileGrid expected; // X0, Y0, X1, Y1, StepX, StepY; all 0 for none
};

// The area is the box (10, 20)-(110, 70): 100 by 50 pixels.
TEST(TilePlan, PlacesTilesByPositionAndRepeat) {
    const ui::Rect area{10, 20, 110, 70};
    const PlanCase cases[] = {
        {"repeat both from the corner", position(at(bpDim), at(bpDim)), 16, 16, area, {10, 20, 110, 70, 16, 16}},
        {"a pixel offset steps back to cover the start", position(at(bpDim, 7), at(bpDim, 5)), 16, 16, area,
         {1, 9, 110, 70, 16, 16}},
        {"negative offsets step forward to the clip", position(at(bpDim, -40), at(bpDim, 0)), 16, 16, area,
         {2, 20, 110, 70, 16, 16}},
        {"no-repeat at 50% 50%", position(at(bpPercent, 50, false), at(bpPercent, 50, false)), 20, 10, area,
         {50, 40, 70, 50, 20, 10}},
        {"no-repeat at 100% 100% ends in the corner", position(at(bpPercent, 100, false), at(bpPercent, 100, false)),
         20, 10, area, {90, 60, 110, 70, 20, 10}},
        {"no-repeat centred, halves toward zero", position(at(bpCenter, 0, false), at(bpCenter, 0, false)), 21, 11,
         area, {49, 39, 70, 50, 21, 11}},
        {"no-repeat in pixels", position(at(bpDim, 20, false), at(bpDim, 6, false)), 40, 30, area,
         {30, 26, 70, 56, 40, 30}},
        {"repeat-x at the bottom", position(at(bpDim), at(bpBottom, 0, false)), 16, 16, area, {10, 54, 110, 70, 16, 16}},
        {"repeat-y on the right", position(at(bpRight, 0, false), at(bpTop)), 16, 16, area, {94, 20, 110, 70, 16, 16}},
        {"only the part in the clip", position(at(bpDim), at(bpDim)), 16, 16, {50, 40, 60, 45},
         {42, 36, 60, 45, 16, 16}},
        {"a tile outside the clip draws nothing", position(at(bpDim, 0, false), at(bpDim, 0, false)), 16, 16,
         {50, 40, 60, 45}, {}},
        {"a picture without columns draws nothing", position(at(bpDim), at(bpDim)), 0, 16, area, {}},
        {"a picture without rows draws nothing", position(at(bpDim), at(bpDim)), 16, 0, area, {}},
        {"an offset far out of range", position(at(bpDim, 2'000'000'000), at(bpDim)), 16, 16, area,
         {0, 20, 110, 70, 16, 16}},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TileGrid g = PlanTiles(c.pos, c.w, c.h, c.w, c.h, area, c.clip);
        if (c.expected.StepX == 0) {
            EXPECT_TRUE(g.Empty());
            continue;
        }
        ASSERT_FALSE(g.Empty());
        EXPECT_EQ(g.X0, c.expected.X0);
        EXPECT_EQ(g.Y0, c.expected.Y0);
        EXPECT_EQ(g.X1, c.expected.X1);
        EXPECT_EQ(g.Y1, c.expected.Y1);
        EXPECT_EQ(g.StepX, c.expected.StepX);
        EXPECT_EQ(g.StepY, c.expected.StepY);
    }
}

// ------------------------------------------------------------- drawing

QRgb strip_colour(int i) { return qRgb(30 * i, 255 - 30 * i, 100); }

// A picture one pixel wide with eight colours down it.
TBitmap strip() {
    TBitmap b(1, 8, PixelFormat::Device);
    for (int y = 0; y < 8; ++y) b.SetPixel(0, y, strip_colour(y));
    return b;
}

class TilePicture : public testsupport::QtFixture {};

struct Painted {
    Painted() : image(240, 120, QImage::Format_RGB32) { image.fill(0xFFFFFFFFu); }
    void Draw(TTilePicture& tile, const TBitmap& b, const TBitmap* mask, const PositionRecArray& pos,
              const ui::Rect& box) {
        QPainter p(&image);
        ui::HtmlCanvas canvas(p);
        tile.Draw(canvas, b, mask, pos, box, box, {0, 0, image.width(), image.height()});
    }
    QRgb At(int x, int y) const { return image.pixel(x, y) | 0xFF000000u; }
    QImage image;
};

TEST_F(TilePicture, AOnePixelStripIsTiledNotStretched) {
    const TBitmap b = strip();
    const ui::Rect box{10, 10, 210, 110}; // 100 rows: the strip repeats 12.5 times down it
    struct Case {
        const char* name;
        PositionRecArray pos;
        bool across; // every column painted, else the first only
        bool down;   // every row painted, else the first eight
    };
    const Case cases[] = {
        {"repeat", position(at(bpDim), at(bpDim)), true, true},
        {"repeat-x", position(at(bpDim), at(bpDim, 0, false)), true, false},
        {"no-repeat", position(at(bpDim, 0, false), at(bpDim, 0, false)), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Painted out;
        TTilePicture tile;
        out.Draw(tile, b, nullptr, c.pos, box);
        for (int y : {10, 13, 17, 18, 50, 109})
            for (int x : {10, 11, 120, 209}) {
                const bool painted = (x == 10 || c.across) && (y < 18 || c.down);
                EXPECT_EQ(out.At(x, y), painted ? strip_colour((y - 10) % 8) : qRgb(255, 255, 255))
                    << "at " << x << "," << y;
            }
        EXPECT_EQ(out.At(9, 12), qRgb(255, 255, 255)); // nothing outside the box
        EXPECT_EQ(out.At(211, 12), qRgb(255, 255, 255));
    }
}

TEST_F(TilePicture, EmptyPicturesDrawNothingAndEnd) {
    for (auto [w, h] : {std::pair{0, 0}, std::pair{0, 8}, std::pair{8, 0}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Painted out;
        const QImage before = out.image;
        TTilePicture tile;
        out.Draw(tile, TBitmap(w, h, PixelFormat::Device), nullptr, position(at(bpDim), at(bpDim)), {0, 0, 200, 100});
        EXPECT_EQ(out.image, before);
    }
}

TEST_F(TilePicture, MaskedPixelsLeaveWhatIsUnder) {
    TBitmap b(2, 2, PixelFormat::Device);
    TBitmap mask = NewMask(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) b.SetPixel(x, y, qRgb(200, 0, 0));
    mask.SetPixelIndex(0, 0, 1); // white: left out
    Painted out;
    TTilePicture tile;
    out.Draw(tile, b, &mask, position(at(bpDim), at(bpDim)), {0, 0, 100, 60});
    for (int y : {0, 2, 58})
        for (int x : {0, 2, 98}) {
            EXPECT_EQ(out.At(x, y), qRgb(255, 255, 255)) << x << "," << y;
            EXPECT_EQ(out.At(x + 1, y), qRgb(200, 0, 0));
            EXPECT_EQ(out.At(x, y + 1), qRgb(200, 0, 0));
        }
}

// ------------------------------------------------------------- pages

class Backgrounds : public testsupport::QtFixture {};

// The page painted `scroll` pixels down, the window `w` x `h`.
QImage paint_scrolled(htmlshot::ShotSurface& shot, int scroll, int w = 300, int h = 120) {
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(0xFFFFFFFFu);
    QPainter p(&out);
    ui::HtmlCanvas canvas(p);
    canvas.SetAntialias(false);
    shot.Doc().SetScrollY(scroll);
    shot.Doc().Draw(canvas, {0, 0, w, h}, w, 0);
    return out;
}

TEST_F(Backgrounds, AFixedPictureStaysPutWhileThePageScrolls) {
    for (const bool fixed : {true, false}) {
        SCOPED_TRACE(fixed ? "fixed" : "scrolling");
        htmlshot::ShotSurface shot;
        shot.LoadText(std::string("<body style='margin:0'><div style='height:600px; background: url(pics/tile.png)") +
                          (fixed ? " fixed" : "") + "'>&nbsp;</div>",
                      kPics, 300);
        shot.resize(300, 120);
        const QImage top = paint_scrolled(shot, 0);
        const QImage down = paint_scrolled(shot, 5);
        // The same window rows show the same pixels only when the picture is fixed.
        EXPECT_EQ(top.copy(0, 20, 300, 60) == down.copy(0, 20, 300, 60), fixed);
        EXPECT_EQ(shot.Doc().FixedTiles, fixed);
    }
}

TEST_F(Backgrounds, APictureThatCannotBeHadLeavesTheColour) {
    const char* pages[] = {
        "<div style='height:40px; background: #00ff00 url(pics/none.png)'>&nbsp;</div>",
        "<table cellpadding=10><tr><td bgcolor=#00ff00 background='pics/none.png'>&nbsp;</td></tr></table>",
    };
    for (const char* page : pages) {
        SCOPED_TRACE(page);
        htmlshot::ShotSurface shot;
        shot.LoadText(std::string("<body style='margin:0'>") + page, kPics, 300);
        const QImage out = paint_scrolled(shot, 0);
        EXPECT_EQ(out.pixel(20, 20) | 0xFF000000u, qRgb(0, 255, 0));
        EXPECT_TRUE(shot.Errors.empty());
    }
}

// A print copy lays the page out to the height of the page shown: a
// picture in a link keeps its one-pixel link border in the copy, whose
// runs are no longer links.
TEST_F(Backgrounds, PrintCopiesOfPagesWithPicturesKeepTheirHeight) {
    const std::string pages[] = {
        "<p>In a link: <a href='x.html'><img src='pics/sky.png'></a> end</p>",
        "<p><a href='x.html'><img src='pics/none.png' alt='missing, in a link'></a></p>",
        "<p><a href='x.html'><img src='pics/checks.png' align=left></a>beside a linked float</p><p>next</p>",
        "<div style='background: url(pics/tile.png)'><a href='x'><img src='pics/sky.png' border=0></a></div>",
        "images.html", // the pictures page, a file of the fixtures
    };
    for (const std::string& page : pages)
        for (int width : {60, 320, 800}) {
            SCOPED_TRACE(page + " at " + std::to_string(width));
            htmlshot::ShotSurface shot;
            if (page.ends_with(".html"))
                ASSERT_TRUE(shot.Load(kPics + page, width));
            else
                shot.LoadText(page, kPics, width);
            TSectionList copy(shot.Doc(), true);
            QImage scratch(1, 1, QImage::Format_RGB32);
            QPainter p(&scratch);
            ui::HtmlCanvas canvas(p);
            int max_width = 0;
            EXPECT_EQ(copy.DoLayout(canvas, width, 600, max_width), shot.PageHeight());
        }
}

// A print copy takes the pictures along only when backgrounds are printed.
TEST_F(Backgrounds, PrintCopiesTakeThePicturesWhenBackgroundsArePrinted) {
    for (const bool printed : {true, false}) {
        SCOPED_TRACE(printed ? "printed" : "left out");
        htmlshot::ShotSurface shot;
        shot.Doc().PrintBackgrounds = printed;
        shot.LoadText("<body style='margin:0' bgcolor=#ffffff><div style='height:40px; background: url(pics/tile.png)'>"
                      "</div><table><tr><td background='pics/checks.png' height=40 width=100></td></tr></table>",
                      kPics, 300);
        TSectionList copy(shot.Doc(), true);
        QImage out(300, 120, QImage::Format_RGB32);
        out.fill(0xFFFFFFFFu);
        QPainter p(&out);
        ui::HtmlCanvas canvas(p);
        int max_width = 0;
        copy.DoLayout(canvas, 300, 600, max_width);
        copy.Draw(canvas, {0, 0, 300, 120}, 300, 0);
        const QImage shown = paint_scrolled(shot, 0);
        // The block's and the cell's pictures, or plain white.
        for (auto [x, y] : {std::pair{0, 5}, std::pair{30, 20}, std::pair{40, 70}}) {
            EXPECT_NE(shown.pixel(x, y) | 0xFF000000u, qRgb(255, 255, 255));
            if (printed)
                EXPECT_EQ(out.pixel(x, y), shown.pixel(x, y)) << x << "," << y;
            else
                EXPECT_EQ(out.pixel(x, y) | 0xFF000000u, qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST_F(Backgrounds, ThePageMatchesItsGoldenPictures) {
    flow::expect_pages_like_goldens({"backgrounds"});
}

} // namespace
