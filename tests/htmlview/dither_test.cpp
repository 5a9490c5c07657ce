// Colour reduction on a screen forced to 8 or 4 bits: lookups, dithering,
// the octree palette and the shared palette.
#include <gtest/gtest.h>

#include <set>

#include "htmlview/display.h"
#include "htmlview/dither.h"

using namespace htmlview;

namespace {

TBitmap Solid(int w, int h, QRgb c) {
    TBitmap b(w, h, PixelFormat::Bit24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, c);
    return b;
}

TBitmap Gradient(int w, int h) {
    TBitmap b(w, h, PixelFormat::Bit24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), (x + y) & 255));
    return b;
}

class Screen : public ::testing::Test {
  protected:
    ~Screen() override { ForceDisplayBits(24); }
};

} // namespace

TEST(Dither, NetscapeCube) {
    TNetscapeColorLookup lookup;
    int r, g, b;
    EXPECT_EQ(lookup.Lookup(128, 128, 128, r, g, b), 86);
    EXPECT_EQ(r, 102);
    EXPECT_EQ(g, 102);
    EXPECT_EQ(b, 102);
    EXPECT_EQ(lookup.Lookup(255, 0, 47, r, g, b), 5 * 36 + 0 * 6 + 0);
    EXPECT_EQ(lookup.Lookup(255, 0, 48, r, g, b), 5 * 36 + 1);
    TBitmap white = Solid(1, 1, qRgb(255, 255, 255));
    for (int mode : {dmNearest, dmFloydSteinberg}) {
        const TBitmap out = ReduceToPalette(white, rmNetscape, mode);
        EXPECT_EQ(out.Format(), PixelFormat::Bit8);
        EXPECT_EQ(out.PixelIndex(0, 0), 215);
        EXPECT_EQ(out.Pixel(0, 0), qRgb(255, 255, 255));
    }
    const Palette p = Create216ColorPalette();
    ASSERT_EQ(p.size(), 216u);
    EXPECT_EQ(p[1], qRgb(0, 0, 51));
    EXPECT_EQ(p[36], qRgb(51, 0, 0));
}

TEST(Dither, FastLookupFindsNearestAndFirstOfEqualEntries) {
    const Palette pal = {qRgb(0, 0, 0), qRgb(200, 10, 10), qRgb(200, 10, 10), qRgb(10, 200, 10),
                         qRgb(255, 255, 255)};
    TFastColorLookup lookup(pal);
    int r, g, b;
    struct Case {
        QRgb in;
        int index;
    } cases[] = {{qRgb(200, 10, 10), 1}, {qRgb(190, 30, 0), 1}, {qRgb(0, 180, 40), 3},
                 {qRgb(250, 240, 250), 4}, {qRgb(20, 20, 20), 0}, {qRgb(128, 128, 128), 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(lookup.Lookup(qRed(c.in), qGreen(c.in), qBlue(c.in), r, g, b), c.index) << std::hex << c.in;
        EXPECT_EQ(qRgb(r, g, b), pal[size_t(c.index)]);
    }
    // A colour in the same 5-5-5 cell as an entry takes that entry.
    EXPECT_EQ(lookup.Lookup(13, 204, 15, r, g, b), 3);
    EXPECT_EQ(TFastColorLookup(Palette()).Colors(), 0);
}

TEST(Dither, FloydSteinbergKeepsTheAverageAndSnakes) {
    // Grey 100 on black and white: about 100 / 255 of the pixels white, the
    // errors spread rather than piling up in a corner.
    TBitmap grey = Solid(64, 64, qRgb(100, 100, 100));
    ForceDisplayBits(4);
    const TBitmap out = ReduceToPalette(grey, rmWindows20, dmFloydSteinberg);
    ForceDisplayBits(24);
    int white = 0, dark = 0;
    int top_half = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb c = out.Pixel(x, y);
            const int level = qRed(c);
            if (level >= 192) ++white;
            if (level <= 128) ++dark;
            if (y < 32) top_half += level;
        }
    int total = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) total += qRed(out.Pixel(x, y));
    EXPECT_NEAR(total / (64.0 * 64.0), 100.0, 2.0);
    EXPECT_NEAR(top_half / (32.0 * 64.0), 100.0, 3.0);
    // Nearest colour alone maps all of it to one grey.
    const TBitmap plain = ReduceToPalette(grey, rmWindows20, dmNearest);
    std::set<int> used;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) used.insert(plain.PixelIndex(x, y));
    EXPECT_EQ(used.size(), 1u);
    // The engine walks rows left to right, then right to left.
    TNetscapeColorLookup lookup;
    TFloydSteinbergEngine engine(3, lookup);
    int r, g, b;
    for (int i = 0; i < 3; ++i) engine.Dither(10, 10, 10, r, g, b);
    engine.NextLine();
    EXPECT_EQ(engine.Column(), 2);
    EXPECT_EQ(engine.Direction(), -1);
}

TEST(Dither, UnknownReductionOrModeGivesCleanPixels) {
    TBitmap src = Gradient(9, 5);
    for (auto [reduction, mode] : {std::pair{2, 0}, {9, 1}, {rmNetscape, 2}, {rmNetscape, -1}}) {
        const TBitmap out = ReduceToPalette(src, reduction, mode);
        ASSERT_EQ(out.Format(), PixelFormat::Bit8);
        ASSERT_EQ(out.Width(), 9);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x) EXPECT_EQ(out.PixelIndex(x, y), 0);
    }
    const TBitmap copy = ReduceToPalette(src, rmNone, dmNearest);
    EXPECT_EQ(copy.Format(), PixelFormat::Bit24);
    EXPECT_EQ(copy.Pixel(8, 4), src.Pixel(8, 4));
}

TEST(Dither, OctreeKeepsSystemColoursAndNeverLoops) {
    TBitmap pic = Gradient(40, 30);
    const Palette p = BuildOctreePalette(pic, 256, 8, true);
    ASSERT_EQ(p.size(), 256u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(p[size_t(i)], SystemPalette20()[size_t(i)]);
        EXPECT_EQ(p[size_t(246 + i)], SystemPalette20()[size_t(10 + i)]);
    }
    // Three colours in, three colours out, exactly.
    TBitmap three(3, 1, PixelFormat::Bit24);
    three.SetPixel(0, 0, qRgb(250, 0, 0));
    three.SetPixel(1, 0, qRgb(0, 250, 0));
    three.SetPixel(2, 0, qRgb(0, 0, 250));
    const Palette q = BuildOctreePalette(three, 8, 8, false);
    ASSERT_EQ(q.size(), 8u);
    std::set<QRgb> got(q.begin(), q.begin() + 3);
    EXPECT_EQ(got, (std::set<QRgb>{qRgb(250, 0, 0), qRgb(0, 250, 0), qRgb(0, 0, 250)}));
    EXPECT_EQ(q[3], qRgb(0, 0, 0));
    // Too few colours asked for: a one-colour average or nothing, no hang.
    const Palette one = BuildOctreePalette(three, 1, 8, false);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], qRgb(83, 83, 83));
    EXPECT_TRUE(BuildOctreePalette(three, 0, 8, false).empty());
    EXPECT_TRUE(BuildOctreePalette(three, -5, 3, false).empty());
    // The reduction of a picture to its own palette shows its colours.
    const TBitmap reduced = ReduceToPalette(three, rmQuantizeWindows, dmNearest);
    EXPECT_EQ(reduced.Pixel(1, 0), qRgb(0, 250, 0));
}

TEST_F(Screen, SharedPaletteOnAnEightBitScreen) {
    ForceDisplayBits(8);
    const Palette& p = Display().ThePalette;
    ASSERT_EQ(p.size(), 256u);
    EXPECT_EQ(p[10], qRgb(55, 55, 55));
    EXPECT_EQ(p[11], qRgb(115, 55, 55)); // red innermost
    EXPECT_EQ(p[16], qRgb(55, 115, 55));
    EXPECT_EQ(p[224], qRgb(235, 255, 255));
    EXPECT_EQ(p[225], qRgb(135, 135, 135));
    EXPECT_EQ(p[244], qRgb(245, 245, 245));
    EXPECT_EQ(p[245], qRgb(255, 255, 254));
    EXPECT_EQ(p[255], qRgb(255, 255, 255));
    EXPECT_EQ(CopyPalette(p), p);
    ForceDisplayBits(32);
    EXPECT_EQ(Display().ColorBits, 24);
    EXPECT_TRUE(Display().ThePalette.empty());
    EXPECT_TRUE(CopyPalette(BuildSharedPalette()).empty());
}

TEST_F(Screen, DitherForDisplayByDepth) {
    EXPECT_EQ(DitherBitmapForDisplay(nullptr), nullptr);
    TBitmap empty;
    EXPECT_EQ(DitherBitmapForDisplay(&empty), nullptr);
    TBitmap device = TBitmap::FromImage(QImage(4, 4, QImage::Format_RGB32));
    auto same = DitherBitmapForDisplay(&device);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(*same, device);

    for (int bits : {8, 4}) {
        ForceDisplayBits(bits);
        TBitmap pic = Gradient(16, 8);
        auto out = DitherBitmapForDisplay(&pic);
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(out->Format(), PixelFormat::Bit8);
        EXPECT_EQ(out->palette, bits == 8 ? Display().ThePalette : SystemPalette20());
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                EXPECT_LT(size_t(out->PixelIndex(x, y)), out->palette.size());
    }
    // Grey 128 on the 8-bit screen's palette, plain and dithered.
    ForceDisplayBits(8);
    TBitmap grey = Solid(8, 8, qRgb(128, 128, 128));
    const TBitmap near = ReduceToPalette(grey, rmPalette, dmNearest);
    EXPECT_EQ(near.Pixel(3, 3), qRgb(135, 135, 135));
}

TEST(Dither, RowAccessErrors) {
    TBitmap empty;
    TBitmap pic = Gradient(4, 3);
    struct Case {
        const char* what;
        std::function<void()> act;
        std::string message;
    } cases[] = {
        {"empty bitmap", [&] { TDIBWriter(empty, PixelFormat::Bit8).GetScanline(0); }, "Bitmap image is not valid"},
        {"device format", [&] { TDIBWriter(pic, PixelFormat::Device).GetScanline(0); }, "Invalid pixel format"},
        {"row past the end", [&] { TDIBWriter(pic, PixelFormat::Bit8).GetScanline(3); }, "Scan line index out of range"},
        {"negative row", [&] { TDIBReader(pic, PixelFormat::Bit24).GetScanline(-1); }, "Scan line index out of range"},
    };
    for (const Case& c : cases) {
        try {
            c.act();
            ADD_FAILURE() << c.what;
        } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
    }
    // The writer's rows replace the bitmap's when it goes.
    TBitmap target(2, 2, PixelFormat::Bit24);
    target.palette = Create216ColorPalette();
    {
        TDIBWriter w(target, PixelFormat::Bit8);
        w.GetScanline(1)[1] = 215;
    }
    EXPECT_EQ(target.Format(), PixelFormat::Bit8);
    EXPECT_EQ(target.Pixel(1, 1), qRgb(255, 255, 255));
    int64_t info = 0, image = 0;
    GetDIBSizes(target, info, image, PixelFormat::Bit8);
    EXPECT_EQ(info, 40 + 1024);
    EXPECT_EQ(image, 8);
    EXPECT_EQ(AlignBit(5, 24, 32), 16);
    EXPECT_THROW(TBitmap(1 << 20, 1 << 20, PixelFormat::Bit24), EOutOfMemory);
}
