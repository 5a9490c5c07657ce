// The GIF decoder against the corpus writer's pixels and Qt's reader, the
// frame strip with its mask, and the damaged files.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include "htmlview/gif.h"
#include "tools/pictures/gif_maker.h"

using namespace htmlview;
using corpus::GifFrame;
using corpus::GifSpec;

namespace {

TGif Decode(const std::string& bytes) {
    TGif gif;
    TViewStream s(bytes);
    gif.LoadFromStream(s);
    return gif;
}

// The code the load fails with; 0 when it loads.
int LoadError(const std::string& bytes) {
    try {
        Decode(bytes);
        return 0;
    } catch (const EGifError& e) {
        EXPECT_EQ(std::string(e.what()), "TGif: " + GifLastErrorState().message);
        EXPECT_EQ(GifLastErrorState().code, e.Code());
        return e.Code();
    }
}

GifFrame Frame(int w, int h, int colors, int seed = 0) {
    GifFrame f;
    f.width = w, f.height = h;
    f.pixels = corpus::GifPattern(w, h, colors, seed);
    return f;
}

GifSpec OneFrame(int w, int h, int table) {
    GifSpec g;
    g.width = w, g.height = h, g.global_table = table;
    g.frames = {Frame(w, h, table)};
    return g;
}

QImage QtFirstFrame(const std::string& bytes) {
    QByteArray data(bytes.data(), qsizetype(bytes.size()));
    QBuffer buf(&data);
    QImageReader r(&buf, "gif");
    return r.read().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(GifCorpus, TablesCodeSizesAndInterlaceMatchWriterAndQt) {
    struct Case {
        const char* what;
        int w, h, table, code_size;
        bool interlaced;
        std::string version;
    };
    std::vector<Case> cases;
    for (int table : {2, 4, 8, 16, 32, 64, 128, 256})
        cases.push_back({"table", 17, 9, table, 0, false, "89a"});
    for (int cs = 2; cs <= 8; ++cs) cases.push_back({"code size", 11, 7, 4, cs, false, "87a"});
    for (int rows = 1; rows <= 9; ++rows) cases.push_back({"interlaced rows", 5, rows, 16, 0, true, "89a"});
    cases.push_back({"one pixel", 1, 1, 2, 0, false, "87a"});
    cases.push_back({"wide", 300, 2, 256, 0, true, "89a"});
    for (const Case& c : cases) {
        GifSpec g = OneFrame(c.w, c.h, c.table);
        g.version = c.version;
        g.frames[0].interlaced = c.interlaced;
        g.frames[0].code_size = c.code_size;
        const std::string bytes = corpus::MakeGif(g);
        const TGif gif = Decode(bytes);
        const std::string what = std::string(c.what) + " " + std::to_string(c.w) + "x" +
                                 std::to_string(c.h) + " table " + std::to_string(c.table) +
                                 " code size " + std::to_string(c.code_size);
        ASSERT_EQ(gif.GetImageCount(), 1) << what;
        EXPECT_EQ(gif.Images()[0].pixels, g.frames[0].pixels) << what;
        const TBitmap strip = gif.BuildFrameStrip(nullptr);
        // Qt's reader repeats rows of early passes into rows of later ones
        // and leaves some so on small interlaced images; it is asked only
        // about plain ones.
        const QImage qt = c.interlaced ? QImage() : QtFirstFrame(bytes);
        if (!c.interlaced) ASSERT_EQ(qt.size(), QSize(c.w, c.h)) << what;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const QRgb want = corpus::GifTableColor(0, g.frames[0].pixels[size_t(y * c.w + x)]);
                ASSERT_EQ(strip.Pixel(x, y), want) << what << " at " << x << "," << y;
                if (!c.interlaced) ASSERT_EQ(qt.pixel(x, y), want) << what << " (Qt) at " << x << "," << y;
            }
    }
}

TEST(GifCorpus, FullTablesWithAndWithoutClearing) {
    for (bool defer : {false, true})
        for (int colors : {2, 16, 256}) {
            GifSpec g;
            g.width = 97, g.height = 61, g.global_table = colors;
            GifFrame f;
            f.width = 97, f.height = 61;
            f.pixels = corpus::GifNoise(97, 61, colors, uint32_t(colors));
            f.defer_clear = defer;
            g.frames = {f};
            const std::string bytes = corpus::MakeGif(g);
            EXPECT_EQ(Decode(bytes).Images()[0].pixels, f.pixels) << colors << (defer ? " deferred" : "");
            const QImage qt = QtFirstFrame(bytes);
            ASSERT_FALSE(qt.isNull());
            EXPECT_EQ(qt.pixel(96, 60), corpus::GifTableColor(0, f.pixels.back()));
        }
}

TEST(GifCorpus, ExtensionsTablesAndDescriptors) {
    GifSpec g;
    g.width = 10, g.height = 8, g.global_table = 4, g.loop = 2;
    g.plain_text = true, g.other_application = true;
    GifFrame a = Frame(10, 8, 4);
    a.control = true, a.delay = 7, a.disposal = 1, a.transparent = 3, a.comment_before = true;
    GifFrame b = Frame(4, 3, 8, 1);
    b.left = 8, b.top = 6, b.local_table = 8, b.control = true, b.disposal = 6; // partly off screen
    g.frames = {a, b};
    const TGif gif = Decode(corpus::MakeGif(g));
    EXPECT_EQ(gif.Header, "GIF89a");
    EXPECT_EQ(gif.LoopCount, 2);
    ASSERT_EQ(gif.GetImageCount(), 2);
    EXPECT_EQ(gif.ColorTables().size(), 2u);
    EXPECT_EQ(gif.ColorTables()[1].colors[7], corpus::GifTableColor(2, 7));
    EXPECT_EQ(gif.ColorTables()[0].colors[200], 0u); // past the table: black
    EXPECT_TRUE(gif.GetIsTransparent());
    EXPECT_EQ(gif.GetImageDelay(0), 7);
    EXPECT_EQ(gif.GetImageDelay(1), 1); // 0 counts as 1
    EXPECT_EQ(gif.GetImageDisposal(0), 1);
    EXPECT_EQ(gif.GetImageDisposal(1), 2); // 6 and 3
    EXPECT_EQ(gif.GetTransparentIndex(0), 3);
    EXPECT_EQ(gif.GetTransparentIndex(1), -1);
    EXPECT_EQ(gif.GetImageLeft(1), 8);
    EXPECT_EQ(gif.GetImageTop(1), 6);
    EXPECT_EQ(gif.Images()[1].pixels, b.pixels);
    // Frame 0 owns the blocks before it: two application blocks, the
    // comment, the plain text and the graphic control.
    const auto& ext = gif.Images()[0].extensions;
    ASSERT_EQ(ext.size(), 5u);
    EXPECT_EQ(ext[1].identifier, "XMP Data");
    EXPECT_EQ(ext[1].blocks.size(), 2u);
    EXPECT_EQ(ext[2].blocks[0].data, "made by the corpus writer");
    EXPECT_EQ(ext[3].grid_width, 8);
    EXPECT_EQ(gif.Images()[1].extensions.size(), 1u);
    EXPECT_THROW(gif.GetImageDelay(2), EGifError);
    EXPECT_THROW(gif.GetImageLeft(-1), EGifError);
}

TEST(GifStrip, DisposalAndTransparencyCompose) {
    // A 4x2 screen. Frame 0 paints it all (index 1, its left column
    // transparent); frame 1 paints the 2x1 box at (1,0) with index 2, the
    // second pixel transparent; frame 2 paints (3,1) with index 3.
    GifSpec g;
    g.width = 4, g.height = 2, g.global_table = 4;
    GifFrame f0;
    f0.width = 4, f0.height = 2, f0.control = true, f0.transparent = 0;
    f0.pixels = {0, 1, 1, 1, 0, 1, 1, 1};
    GifFrame f1;
    f1.left = 1, f1.width = 2, f1.height = 1, f1.control = true, f1.transparent = 0;
    f1.pixels = {2, 0};
    GifFrame f2;
    f2.left = 3, f2.top = 1, f2.width = 1, f2.height = 1;
    f2.pixels = {3};
    const QRgb c1 = corpus::GifTableColor(0, 1), c2 = corpus::GifTableColor(0, 2),
               c3 = corpus::GifTableColor(0, 3), black = qRgb(0, 0, 0);
    for (int disposal : {0, 1, 2}) {
        g.frames = {f0, f1, f2};
        g.frames[1].disposal = disposal;
        TBitmap mask;
        const TBitmap strip = Decode(corpus::MakeGif(g)).BuildFrameStrip(&mask);
        ASSERT_EQ(strip.Width(), 12);
        ASSERT_EQ(mask.Width(), 12);
        auto px = [&](int k, int x, int y) { return strip.Pixel(4 * k + x, y); };
        auto clear = [&](int k, int x, int y) { return MaskIsWhite(mask, 4 * k + x, y); };
        // Frame 0: transparent pixels black and white in the mask.
        EXPECT_EQ(px(0, 0, 0), black);
        EXPECT_TRUE(clear(0, 0, 0));
        EXPECT_EQ(px(0, 1, 0), c1);
        EXPECT_FALSE(clear(0, 1, 0));
        // Frame 1 over frame 0: its transparent pixel keeps frame 0's.
        EXPECT_EQ(px(1, 1, 0), c2);
        EXPECT_EQ(px(1, 2, 0), c1);
        EXPECT_FALSE(clear(1, 2, 0));
        EXPECT_TRUE(clear(1, 0, 1));
        // Frame 2: frame 1's box goes transparent after disposal 2, colours
        // stay.
        const bool disposed = disposal == 2;
        EXPECT_EQ(clear(2, 1, 0), disposed) << disposal;
        EXPECT_EQ(clear(2, 2, 0), disposed) << disposal;
        EXPECT_FALSE(clear(2, 3, 0)) << disposal;
        EXPECT_EQ(px(2, 1, 0), c2) << disposal;
        EXPECT_EQ(px(2, 3, 1), c3);
        EXPECT_FALSE(clear(2, 3, 1));
    }
}

// Disposal 3 gives back what the frame was drawn over, mask included,
// before the next frame is drawn; with or without transparency.
TEST(GifStrip, DisposalThreeRestoresThePreviousPicture) {
    // A 4x2 screen. Frame 0 paints it all with index 1 (with transparency,
    // its first pixel is index 0, transparent); frame 1, disposal 3, paints
    // the 3x1 box at (0,0) with 2; frame 2, disposal 3 as well, paints (2,1)
    // with 3; frame 3 paints (3,0) with 2. Each frame as it is shown: a
    // colour index per pixel, '.' for transparent.
    struct Case {
        bool transparent;
        std::vector<std::string> frames; // rows joined by '|'
    } cases[] = {
        {false, {"1111|1111", "2221|1111", "1111|1131", "1112|1111"}},
        {true, {".111|1111", "2221|1111", ".111|1131", ".112|1111"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.transparent ? "transparent" : "opaque");
        GifSpec g;
        g.width = 4, g.height = 2, g.global_table = 4;
        GifFrame f0;
        f0.width = 4, f0.height = 2;
        f0.pixels = {1, 1, 1, 1, 1, 1, 1, 1};
        if (c.transparent) f0.control = true, f0.transparent = 0, f0.pixels[0] = 0;
        GifFrame f1;
        f1.width = 3, f1.height = 1, f1.control = true, f1.disposal = 3;
        f1.pixels = {2, 2, 2};
        GifFrame f2;
        f2.left = 2, f2.top = 1, f2.control = true, f2.disposal = 3;
        f2.pixels = {3};
        GifFrame f3;
        f3.left = 3;
        f3.pixels = {2};
        g.frames = {f0, f1, f2, f3};
        TBitmap mask;
        const TBitmap strip = Decode(corpus::MakeGif(g)).BuildFrameStrip(&mask);
        ASSERT_EQ(strip.Width(), 16);
        ASSERT_EQ(mask.Empty(), !c.transparent);
        for (int k = 0; k < 4; ++k) {
            std::string shown;
            for (int y = 0; y < 2; ++y) {
                if (y > 0) shown += '|';
                for (int x = 0; x < 4; ++x) {
                    if (c.transparent && MaskIsWhite(mask, 4 * k + x, y)) {
                        shown += '.';
                        continue;
                    }
                    char ch = '?';
                    for (int i = 1; i < 4; ++i)
                        if (strip.Pixel(4 * k + x, y) == corpus::GifTableColor(0, i)) ch = char('0' + i);
                    shown += ch;
                }
            }
            EXPECT_EQ(shown, c.frames[size_t(k)]) << "frame " << k;
        }
    }
}

TEST(GifStrip, FramesOffTheScreenAreCut) {
    GifSpec g;
    g.width = 5, g.height = 4, g.global_table = 8;
    GifFrame big = Frame(9, 9, 8, 3);
    big.left = 3, big.top = 2;
    GifFrame away = Frame(2, 2, 8);
    away.left = 60000, away.top = 60000;
    g.frames = {Frame(5, 4, 8), big, away};
    const TGif gif = Decode(corpus::MakeGif(g));
    const TBitmap strip = gif.BuildFrameStrip(nullptr);
    ASSERT_EQ(strip.Width(), 15);
    EXPECT_EQ(strip.Pixel(5 + 4, 3), corpus::GifTableColor(0, big.pixels[size_t(1 * 9 + 1)]));
    EXPECT_EQ(strip.Pixel(5 + 2, 1), corpus::GifTableColor(0, g.frames[0].pixels[size_t(1 * 5 + 2)]));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(strip.Pixel(10 + x, y), strip.Pixel(5 + x, y));
}

TEST(GifDecode, InterlacedThreeRowsFillRowsZeroTwoOne) {
    // Three rows written in file order 0, 2, 1: the data holds the rows'
    // values in that order, so the decoder must put them back.
    GifSpec g = OneFrame(2, 3, 4);
    g.frames[0].interlaced = true;
    g.frames[0].pixels = {1, 1, 2, 2, 3, 3};
    const std::string bytes = corpus::MakeGif(g);
    EXPECT_EQ(Decode(bytes).Images()[0].pixels, g.frames[0].pixels);
    // The same data read as a plain image shows the order of the file.
    std::string plain = bytes;
    const size_t desc = plain.find('\x2c');
    plain[desc + 9] = char(plain[desc + 9] & ~0x40);
    EXPECT_EQ(Decode(plain).Images()[0].pixels, (std::vector<uint8_t>{1, 1, 3, 3, 2, 2}));
}

TEST(GifDecode, DamagedFilesGiveTheirCode) {
    const std::string good = corpus::MakeGif(OneFrame(8, 8, 4));
    GifSpec no_clear = OneFrame(8, 8, 4);
    no_clear.frames[0].leading_clear = false;
    GifSpec no_table = OneFrame(3, 3, 4);
    no_table.global_table = 0;
    GifSpec big_code = OneFrame(3, 3, 4);
    big_code.frames[0].code_size = 12;
    GifSpec zero_code = OneFrame(3, 3, 4);
    zero_code.frames[0].code_size = 0;
    std::string zero_code_bytes = corpus::MakeGif(zero_code);
    zero_code_bytes[zero_code_bytes.find('\x2c') + 10] = '\0';
    std::string bad_sig = good;
    bad_sig[3] = '9';
    std::string lower_sig = good;
    lower_sig[5] = 'A';
    const size_t data_at = good.find('\x2c') + 10;
    std::string end_first = good.substr(0, data_at + 1) + std::string("\x01\x2c\0;", 4); // clear, end
    std::string code_past = good.substr(0, data_at + 1) + std::string("\x02\xcc\x01\0;", 5); // clear, 1, then 7 > 6

    struct Case {
        const char* what;
        std::string bytes;
        int code;
    } cases[] = {
        {"good", good, 0},
        {"signature", bad_sig, kGifSignature},
        {"upper-case signature letter", lower_sig, 0},
        {"short header", "GIF8", kGifEof},
        {"no screen", "GIF89a\x01", kGifEof},
        {"cut in the global table", good.substr(0, 15), kGifEof},
        {"no image", good.substr(0, 13 + 12) + ";", kGifNoImage},
        {"cut in the descriptor", good.substr(0, data_at - 4), kGifEof},
        {"cut in the image data", good.substr(0, good.size() - 4), kGifEof},
        {"no trailer", good.substr(0, good.size() - 1), 0},
        {"unknown block", good.substr(0, 25) + "\x55", kGifUnknownOpcode},
        {"no colour table", corpus::MakeGif(no_table), kGifNoColorTable},
        {"code size 12", corpus::MakeGif(big_code), kGifCodeSize},
        {"code size 0", zero_code_bytes, kGifCodeSize},
        {"no leading clear", corpus::MakeGif(no_clear), kGifLzwFormat},
        {"end code after a clear", end_first, kGifLzwFormat},
        {"code past the table", code_past, kGifLzwFormat},
        {"control block size 5", good.substr(0, 25) + std::string("\x21\xf9\x05\0\0\0\0\0\0", 9), kGifExtensionSize},
        {"control without terminator", good.substr(0, 25) + std::string("\x21\xf9\x04\0\0\0\0\x07", 8), kGifExtensionTerminator},
        {"plain text block size", good.substr(0, 25) + std::string("\x21\x01\x0b", 3), kGifExtensionSize},
        {"application block size", good.substr(0, 25) + std::string("\x21\xff\x0a", 3), kGifExtensionSize},
        {"unknown extension", good.substr(0, 25) + std::string("\x21\xab\x00", 3), kGifSpecial},
        {"cut comment before the image", good.substr(0, 25) + std::string("\x21\xfe\x09short", 8), kGifEof},
        {"cut comment after the image", good.substr(0, good.size() - 1) + std::string("\x21\xfe\x09short", 8), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadError(c.bytes), c.code) << c.what;
    LoadError(good.substr(0, 25) + std::string("\x21\xab\x00", 3));
    EXPECT_EQ(GifLastErrorState().message, "unknown extension: 00AB");
}

TEST(GifDecode, OddSizesNeverOverrun) {
    // Zero-sized images, a screen of 0 x 0, and data running on past the
    // pixels: decoded without touching memory outside the buffers.
    for (auto [w, h] : {std::pair{0, 0}, {0, 5}, {5, 0}, {3, 1}}) {
        GifSpec g;
        g.width = 0, g.height = 0, g.global_table = 4;
        GifFrame f;
        f.width = w, f.height = h;
        f.pixels = corpus::GifPattern(4, 4, 4, 0); // more pixels than the frame holds
        f.interlaced = h == 0 || w == 3;
        g.frames = {f};
        std::string bytes = corpus::MakeGif(g);
        // The writer used the frame's size for the descriptor; the data is longer.
        const TGif gif = Decode(bytes);
        EXPECT_EQ(int64_t(gif.Images()[0].pixels.size()), int64_t(w) * h);
        EXPECT_EQ(gif.BuildFrameStrip(nullptr).Width(), 0);
    }
    // A screen with no columns but rows, two transparent frames.
    GifSpec flat = OneFrame(2, 2, 4);
    flat.frames[0].control = true, flat.frames[0].transparent = 1;
    flat.frames.push_back(flat.frames[0]);
    std::string bytes = corpus::MakeGif(flat);
    bytes[6] = bytes[7] = '\0';
    TBitmap mask;
    EXPECT_TRUE(Decode(bytes).BuildFrameStrip(&mask).Empty());
    EXPECT_TRUE(mask.Empty());
}

TEST(GifDecode, HugeImagesAreRefused) {
    GifSpec g = OneFrame(2, 2, 4);
    std::string bytes = corpus::MakeGif(g);
    const size_t d = bytes.find('\x2c');
    // 65535 x 65535 frame from a few bytes of data.
    bytes[d + 5] = bytes[d + 6] = bytes[d + 7] = bytes[d + 8] = '\xff';
    EXPECT_THROW(Decode(bytes), EOutOfMemory);
    // A screen of 65535 x 65535 with many small frames: the strip is refused.
    GifSpec many;
    many.width = 2, many.height = 2, many.global_table = 4;
    for (int i = 0; i < 40; ++i) many.frames.push_back(Frame(2, 2, 4, i));
    std::string mb = corpus::MakeGif(many);
    mb[6] = mb[7] = mb[8] = mb[9] = '\xff';
    const TGif gif = Decode(mb);
    EXPECT_THROW(gif.BuildFrameStrip(nullptr), EOutOfMemory);
}
