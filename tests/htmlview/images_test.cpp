// Loading pictures for a page, the image cache, animation on a fake clock,
// transparent drawing and the viewer's own pictures.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>

#include "htmlview/display.h"
#include "htmlview/gif.h"
#include "htmlview/gif_image.h"
#include "htmlview/images.h"
#include "platform/ui/html_canvas.h"
#include "tools/pictures/gif_maker.h"
#include "platform_ui/qt_app.h"
#include "tools/pictures/png_maker.h"

using namespace htmlview;

namespace {

std::string Encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format, 95);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 20 % 256, y * 30 % 256, (x + y) * 7 % 256));
    return img;
}

std::unique_ptr<TBitmap> Load(const std::string& bytes, Transparency& transp, std::unique_ptr<TBitmap>& mask) {
    TMemoryStream s(bytes);
    return LoadImageFromStream(&s, transp, mask);
}

// A palette PNG of 4 x 2 whose entry 2 is made transparent by tRNS (before or
// after the image data).
std::string KeyedPng(bool after_idat, uint32_t gamma = 0) {
    corpus::PngSpec s;
    s.width = 4, s.height = 2, s.color_type = 3, s.depth = 8, s.palette_size = 4;
    s.trns = {255, 255, 0, 255};
    s.trns_after_idat = after_idat;
    s.gamma = gamma;
    return corpus::MakePng(s);
}

class LoadScreen : public ::testing::Test {
  protected:
    ~LoadScreen() override { ForceDisplayBits(24); }
};

} // namespace

TEST(Images, KindByFirstBytes) {
    struct Case {
        std::string start;
        int kind;
    } cases[] = {{"GIF89a", ikGif89}, {"GIF87a", ikGif87}, {"GIF8", ikGif87}, {"GIF7", ikNone},
                 {"BM\x36", ikBmp},   {"\x89PNG\r\n", ikPng}, {"\x89PN", ikNone}, {"\xFF\xD8\xFF", ikJpeg},
                 {"\xFF", ikNone},    {"", ikNone},           {"<html>", ikNone}};
    for (const Case& c : cases) EXPECT_EQ(KindOfImage(c.start), c.kind) << c.start;
}

TEST(Images, LoadsEachKindAndRefusesTheRest) {
    const QImage pic = Pattern(23, 11);
    Transparency t = itrNone;
    std::unique_ptr<TBitmap> mask;
    for (const char* fmt : {"BMP", "PNG"}) {
        auto bmp = Load(Encoded(pic, fmt), t, mask);
        ASSERT_NE(bmp, nullptr) << fmt;
        EXPECT_EQ(bmp->Width(), 23);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 23; ++x) ASSERT_EQ(bmp->Pixel(x, y), pic.pixel(x, y)) << fmt;
        EXPECT_EQ(mask, nullptr);
    }
    t = itrColor;
    auto jpg = Load(Encoded(pic, "JPG"), t, mask);
    ASSERT_NE(jpg, nullptr);
    EXPECT_EQ(t, itrNone);
    EXPECT_EQ(jpg->Format(), PixelFormat::Bit24);

    const std::string png = Encoded(pic, "PNG");
    struct Case {
        const char* what;
        std::string bytes;
    } refused[] = {
        {"20 bytes", png.substr(0, 20)},
        {"not a picture", std::string(64, 'x')},
        {"a GIF", corpus::MakeGif({})},
        {"broken PNG", png.substr(0, 60)},
        {"broken JPEG", "\xFF\xD8\xFF" + std::string(40, '\0')},
        {"broken BMP", "BM" + std::string(40, '\x7f')},
    };
    for (const Case& c : refused) {
        mask = std::make_unique<TBitmap>();
        EXPECT_EQ(Load(c.bytes, t, mask), nullptr) << c.what;
        EXPECT_EQ(mask, nullptr) << c.what;
    }
    EXPECT_EQ(LoadImageFromStream(nullptr, t, mask), nullptr);
    EXPECT_EQ(LoadImageFromFile("/nonexistent/x.png", t, mask), nullptr);
}

TEST(Images, PngKeyColourMakesAMask) {
    Transparency t = itrNone;
    std::unique_ptr<TBitmap> mask;
    auto bmp = Load(KeyedPng(false), t, mask);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(t, itrColor);
    ASSERT_NE(mask, nullptr);
    corpus::PngSpec s;
    s.palette_size = 4, s.color_type = 3;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool key = corpus::Sample(s, x, y, 0) == 2;
            EXPECT_EQ(MaskIsWhite(*mask, x, y), key) << x << "," << y;
            if (key) EXPECT_EQ(bmp->Pixel(x, y), qRgb(0, 0, 0));
            else EXPECT_EQ(bmp->Pixel(x, y), corpus::PaletteEntry(s, corpus::Sample(s, x, y, 0)));
        }
    // The key survives a gamma table, which changes the palette's colours.
    t = itrNone;
    Load(KeyedPng(false, 100000), t, mask);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(t, itrColor);
    EXPECT_EQ(MaskIsWhite(*mask, 0, 1), corpus::Sample(s, 0, 1, 0) == 2);
    // tRNS after the image data: no transparency.
    t = itrNone;
    ASSERT_NE(Load(KeyedPng(true), t, mask), nullptr);
    EXPECT_EQ(t, itrNone);
    EXPECT_EQ(mask, nullptr);
    // TRANSP: the lower-left pixel's colour.
    t = itrLLCorner;
    QImage pic = Pattern(5, 5);
    pic.setPixel(3, 1, pic.pixel(0, 4));
    auto ll = Load(Encoded(pic, "BMP"), t, mask);
    ASSERT_NE(mask, nullptr);
    EXPECT_TRUE(MaskIsWhite(*mask, 0, 4));
    EXPECT_TRUE(MaskIsWhite(*mask, 3, 1));
    EXPECT_FALSE(MaskIsWhite(*mask, 1, 1));
}

TEST(Images, TransparentColourScanStaysInBounds) {
    const std::string good = KeyedPng(false);
    QRgb c = 0;
    struct Case {
        const char* what;
        std::string bytes;
        bool found;
    } cases[] = {
        {"good", good, true},
        {"after the image data", KeyedPng(true), false},
        {"chunk longer than the file", good.substr(0, 33) + std::string("\x7f\xff\xff\xffPLTE", 8), false},
        {"cut in the palette", good.substr(0, good.find("PLTE") + 6), false},
        {"tRNS longer than the palette", [&] {
             std::string b = good;
             const size_t at = b.find("tRNS") - 4;
             const std::string alphas = std::string(4, '\xff') + std::string(4, '\0');
             b.replace(at, 12 + 4, corpus::PngChunk("tRNS", alphas));
             return b;
         }(), false},
        {"truecolour", corpus::MakePng({}), false},
    };
    for (const Case& cs : cases) {
        TMemoryStream s(cs.bytes);
        s.SetPosition(5);
        EXPECT_EQ(PngTransparentColor(s, c), cs.found) << cs.what;
        EXPECT_EQ(s.Position(), 5) << cs.what;
    }
}

TEST_F(LoadScreen, PalettedScreenGetsTheSharedPalette) {
    ForceDisplayBits(8);
    Transparency t = itrNone;
    std::unique_ptr<TBitmap> mask;
    for (const char* fmt : {"PNG", "JPG", "BMP"}) {
        auto bmp = Load(Encoded(Pattern(16, 16), fmt), t, mask);
        ASSERT_NE(bmp, nullptr) << fmt;
        EXPECT_EQ(bmp->Format(), PixelFormat::Bit8) << fmt;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb c = bmp->Pixel(x, y);
                ASSERT_NE(std::find(htmlview::Display().ThePalette.begin(), htmlview::Display().ThePalette.end(), c),
                          htmlview::Display().ThePalette.end())
                    << fmt;
            }
    }
    ForceDisplayBits(24);
    auto deep = Load(Encoded(Pattern(4, 4), "PNG"), t, mask);
    EXPECT_EQ(deep->Format(), PixelFormat::Bit24);
    corpus::PngSpec grey;
    grey.width = 3, grey.color_type = 0, grey.depth = 4;
    auto redrawn = Load(corpus::MakePng(grey), t, mask);
    EXPECT_EQ(redrawn->Format(), PixelFormat::Device);
}

TEST(Images, CacheAgesUnusedEntries) {
    auto item = [] {
        auto i = std::make_unique<TBitmapItem>();
        i->MImage.bitmap = std::make_unique<TBitmap>(1, 1, PixelFormat::Bit24);
        return i;
    };
    TStringBitmapList cache;
    EXPECT_EQ(cache.MaxCache, 4);
    cache.MaxCache = 0;
    cache.AddObject("B.PNG", item());
    cache.AddObject("A.PNG", item());
    cache.AddObject("C.PNG", item());
    ASSERT_EQ(cache.Count(), 3);
    EXPECT_EQ(cache.Key(0), "A.PNG"); // sorted
    EXPECT_EQ(cache.Item(0).UsageCount, 1);
    // A and B are let go by the page; C stays in use.
    cache.DecUsage("A.PNG");
    cache.DecUsage("B.PNG");
    cache.DecUsage("NOT THERE");
    cache.BumpAndCheck();
    ASSERT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.Key(0), "C.PNG");
    EXPECT_EQ(cache.Item(0).AccessCount, 1);
    // Taken again by the next page: age 0, one more use.
    ASSERT_NE(cache.GetImage(0), nullptr);
    EXPECT_EQ(cache.Item(0).AccessCount, 0);
    EXPECT_EQ(cache.Item(0).UsageCount, 2);

    // With MaxCache 2 an unused entry lives through two loads, goes at the third.
    TStringBitmapList aged;
    aged.MaxCache = 2;
    aged.AddObject("X", item());
    aged.DecUsage("X");
    aged.BumpAndCheck();
    aged.BumpAndCheck();
    EXPECT_EQ(aged.Count(), 1);
    aged.BumpAndCheck();
    EXPECT_EQ(aged.Count(), 0);
    // SetCacheCount drops what is older than the new limit.
    aged.AddObject("Y", item());
    aged.AddObject("Z", item());
    aged.DecUsage("Y");
    aged.DecUsage("Z");
    aged.BumpAndCheck();
    aged.GetImage(aged.IndexOf("Z"));
    aged.DecUsage("Z");
    aged.SetCacheCount(0);
    EXPECT_EQ(aged.Count(), 1);
    EXPECT_EQ(aged.Key(0), "Z");
    EXPECT_EQ(aged.MaxCache, 0);
    // An existing key keeps its entry.
    EXPECT_EQ(aged.AddObject("Z", item()), 0);
    EXPECT_EQ(aged.Count(), 1);
}

TEST(Images, EnlargeForTiling) {
    TBitmap column(1, 3, PixelFormat::Bit24);
    column.SetPixel(0, 1, qRgb(255, 0, 0));
    auto wide = EnlargeImage(column, 500, 7);
    EXPECT_EQ(wide->Width(), 100);
    EXPECT_EQ(wide->Height(), 3);
    EXPECT_EQ(wide->Pixel(99, 1), qRgb(255, 0, 0));
    TBitmap dot(1, 1, PixelFormat::Bit24);
    auto both = EnlargeImage(dot, 30, 40);
    EXPECT_EQ(both->Width(), 30);
    EXPECT_EQ(both->Height(), 40);
    TBitmap square(5, 5, PixelFormat::Bit24);
    EXPECT_EQ(EnlargeImage(square, 50, 50)->Width(), 5);
}

TEST(Images, DrawsThroughTheMask) {
    testsupport::qt_app();
    TBitmap pic(4, 4, PixelFormat::Bit24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) pic.SetPixel(x, y, qRgb(0, 0, 200));
    TBitmap mask = NewMask(4, 4);
    mask.SetPixelIndex(0, 0, 1);
    mask.SetPixelIndex(3, 3, 1);
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(qRgb(9, 9, 9));
    {
        QPainter p(&target);
        ui::HtmlCanvas canvas(p);
        DrawTransparent(canvas, pic, mask, 2, 2, 8, 8); // stretched twice
    }
    EXPECT_EQ(target.pixel(2, 2), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(3, 3), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(4, 2), qRgb(0, 0, 200));
    EXPECT_EQ(target.pixel(9, 9), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(7, 7), qRgb(0, 0, 200));
    EXPECT_EQ(target.pixel(1, 1), qRgb(9, 9, 9));

    const ui::Region r = BitmapToRegion(mask, qRgb(255, 255, 255));
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_TRUE(r.Contains(1, 0));
    EXPECT_FALSE(r.Contains(3, 3));
    EXPECT_EQ(r.Bounds(), (ui::Rect{0, 0, 4, 4}));

    QImage printed(10, 10, QImage::Format_RGB32);
    printed.fill(qRgb(9, 9, 9));
    {
        QPainter p(&printed);
        ui::HtmlCanvas canvas(p);
        PrintTransparentBitmap(canvas, 0, 0, 4, 2, pic, mask, 2, 2); // the lower half
        PrintBitmap(canvas, 6, 6, 2, 2, pic);
    }
    EXPECT_EQ(printed.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(printed.pixel(3, 1), qRgb(9, 9, 9));
    EXPECT_EQ(printed.pixel(7, 7), qRgb(0, 0, 200));
}

TEST(Images, OwnPicturesAndCursors) {
    testsupport::qt_app();
    for (const TBitmap* b : {&BrokenImageBitmap(), &PlaceholderBitmap()}) {
        EXPECT_EQ(b->Width(), 16);
        EXPECT_EQ(b->Height(), 16);
        EXPECT_EQ(b->Format(), PixelFormat::Bit4);
    }
    const TBitmap& m = BrokenImageMask();
    EXPECT_EQ(m.Format(), PixelFormat::Bit1);
    for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}}) EXPECT_TRUE(MaskIsWhite(m, x, y));
    EXPECT_FALSE(MaskIsWhite(m, 8, 8));
    EXPECT_EQ(ViewerCursor(1).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ViewerCursor(2).shape(), Qt::IBeamCursor);
}

// ---- animation ----

namespace {

struct FakeClock {
    uint32_t now = 1000;
    FakeClock() {
        SetGifClock([this] { return now; });
    }
    ~FakeClock() { SetGifClock(nullptr); }
};

std::unique_ptr<TGIFImage> Animation(int frames, int loop, std::vector<int> delays = {}) {
    corpus::GifSpec g;
    g.width = 3, g.height = 2, g.global_table = 4, g.loop = loop;
    for (int i = 0; i < frames; ++i) {
        corpus::GifFrame f;
        f.width = 3, f.height = 2, f.control = true;
        f.delay = i < int(delays.size()) ? delays[size_t(i)] : 10;
        f.pixels = corpus::GifPattern(3, 2, 4, i);
        g.frames.push_back(f);
    }
    const std::string bytes = corpus::MakeGif(g);
    TViewStream s(bytes);
    bool non_animated = true;
    auto img = GifImageFromStream(s, non_animated);
    EXPECT_EQ(non_animated, frames < 2);
    return img;
}

// The frames shown, one per timer tick of 40 ms, until the animation stops
// or `ticks` have passed.
std::vector<int> Animate(TGIFImage& img, FakeClock& clock, int ticks) {
    std::vector<int> shown{img.CurrentFrame()};
    img.SetAnimate(true);
    for (int i = 0; i < ticks && img.Animate(); ++i) {
        clock.now += 40;
        const int before = img.CurrentFrame();
        img.CheckTime(nullptr);
        if (img.CurrentFrame() != before) shown.push_back(img.CurrentFrame());
    }
    return shown;
}

} // namespace

TEST(GifAnimation, LoopCounts) {
    FakeClock clock;
    struct Case {
        int loop;
        int iterations;
        std::vector<int> shown;
    } cases[] = {
        {-1, 1, {1, 2, 3}},
        {2, 3, {1, 2, 3, 1, 2, 3, 1, 2, 3}},
        {1, 2, {1, 2, 3, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        auto img = Animation(3, c.loop, {4, 4, 4});
        EXPECT_EQ(img->NumIterations, c.iterations) << c.loop;
        EXPECT_EQ(Animate(*img, clock, 100), c.shown) << c.loop;
        EXPECT_FALSE(img->Animate());
    }
    auto endless = Animation(2, 0, {4, 4});
    EXPECT_EQ(endless->NumIterations, 0);
    EXPECT_EQ(Animate(*endless, clock, 200).size(), 201u);
    EXPECT_TRUE(endless->Animate());
    // A copy starts over at frame 1, pass 1, and shares the strip.
    auto copy = TGIFImage::CreateCopy(*endless);
    EXPECT_EQ(copy->CurrentFrame(), 1);
    EXPECT_EQ(copy->CurrentIteration, 1);
    EXPECT_EQ(copy->Strip, endless->Strip);
    EXPECT_TRUE(copy->IsCopy);
}

TEST(GifAnimation, DelaysAndFrameSteps) {
    FakeClock clock;
    auto img = Animation(6, 0, {0, 1, 3, 4, 10, 2});
    std::vector<int> delays;
    for (const TgfFrame& f : img->Frames) delays.push_back(f.Delay);
    EXPECT_EQ(delays, (std::vector<int>{30, 30, 30, 40, 100, 30}));
    EXPECT_EQ(img->CurrentDisposal, 2);
    // Frame 5 (100 ms) stays up for three 40 ms ticks.
    img->SetCurrentFrame(5);
    img->SetAnimate(true);
    clock.now += 40;
    img->CheckTime(nullptr);
    clock.now += 40;
    img->CheckTime(nullptr);
    EXPECT_EQ(img->CurrentFrame(), 5);
    clock.now += 40;
    img->CheckTime(nullptr);
    EXPECT_EQ(img->CurrentFrame(), 6);
    // Setting frames wraps both ways.
    img->SetCurrentFrame(7);
    EXPECT_EQ(img->CurrentFrame(), 1);
    img->SetCurrentFrame(0);
    EXPECT_EQ(img->CurrentFrame(), 6);
    // A single frame never animates.
    auto still = Animation(1, -1);
    EXPECT_FALSE(still->Animated);
    still->SetAnimate(true);
    clock.now += 1000;
    still->CheckTime(nullptr);
    EXPECT_EQ(still->CurrentFrame(), 1);
}

TEST(GifAnimation, MergedBitmapIsTheFirstFrame) {
    testsupport::qt_app();
    corpus::GifSpec g;
    g.width = 2, g.height = 2, g.global_table = 4;
    corpus::GifFrame a;
    a.width = 2, a.height = 2, a.control = true, a.transparent = 0, a.pixels = {0, 1, 2, 3};
    corpus::GifFrame b = a;
    b.pixels = {3, 3, 3, 3};
    g.frames = {a, b};
    const std::string bytes = corpus::MakeGif(g);
    TViewStream s(bytes);
    bool non_animated = false;
    auto img = GifImageFromStream(s, non_animated);
    ASSERT_TRUE(img->IsTransparent);
    EXPECT_EQ(img->Strip->Width(), 4);
    const TBitmap& first = img->GetMergedBitmap();
    EXPECT_EQ(first.Width(), 2);
    EXPECT_EQ(first.Pixel(1, 0), corpus::GifTableColor(0, 1));
    ASSERT_NE(img->GetMaskImage(), nullptr);
    EXPECT_TRUE(MaskIsWhite(*img->GetMaskImage(), 0, 0));
    EXPECT_FALSE(MaskIsWhite(*img->GetMaskImage(), 1, 1));
    // Drawn: frame 2 covers everything.
    img->SetCurrentFrame(2);
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    {
        QPainter p(&target);
        ui::HtmlCanvas canvas(p);
        img->Draw(canvas, 0, 0, 4, 4);
    }
    EXPECT_EQ(target.pixel(0, 0), corpus::GifTableColor(0, 3));
    EXPECT_EQ(img->DrawRect, QRect(0, 0, 4, 4));
    img->SetCurrentFrame(1);
    target.fill(qRgb(1, 2, 3));
    {
        QPainter p(&target);
        ui::HtmlCanvas canvas(p);
        img->Draw(canvas, 0, 0, 4, 4);
    }
    EXPECT_EQ(target.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(3, 0), corpus::GifTableColor(0, 1));
}
