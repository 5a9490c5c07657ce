// The PNG reader against the corpus writer's pixels and Qt's reader, the
// damaged files, the writer and the inflate stream.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <functional>

#include "htmlview/png.h"
#include "htmlview/zstream.h"
#include "tools/pictures/png_maker.h"

using namespace htmlview;
using corpus::PngSpec;

namespace {

TPNGImage Decode(const std::string& bytes) {
    TPNGImage img;
    TViewStream s(bytes);
    img.LoadFromStream(s);
    return img;
}

std::string Describe(const PngSpec& s) {
    return "type " + std::to_string(s.color_type) + " depth " + std::to_string(s.depth) + " " +
           std::to_string(s.width) + "x" + std::to_string(s.height) + (s.adam7 ? " adam7" : "") +
           (s.gamma ? " gamma " + std::to_string(s.gamma) : "") +
           (s.palette_size ? " palette " + std::to_string(s.palette_size) : "");
}

// Every pixel as the writer says, and (within one step for 16-bit samples,
// which Qt rounds rather than truncates) as Qt's reader says.
void ExpectPixels(const PngSpec& s, bool against_qt) {
    const std::string bytes = corpus::MakePng(s);
    TPNGImage img = Decode(bytes);
    ASSERT_EQ(img.Width(), s.width) << Describe(s);
    ASSERT_EQ(img.Height(), s.height) << Describe(s);
    QImage qt;
    if (against_qt) {
        qt = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "PNG")
                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(qt.isNull()) << Describe(s);
    }
    const int slack = s.depth == 16 ? 1 : 0;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const QRgb ours = img.Pixel(x, y);
            ASSERT_EQ(ours, corpus::ExpectedColor(s, x, y)) << Describe(s) << " at " << x << "," << y;
            if (against_qt) {
                const QRgb q = qt.pixel(x, y);
                ASSERT_LE(std::abs(qRed(q) - qRed(ours)), slack) << Describe(s) << " at " << x << "," << y;
                ASSERT_LE(std::abs(qGreen(q) - qGreen(ours)), slack) << Describe(s);
                ASSERT_LE(std::abs(qBlue(q) - qBlue(ours)), slack) << Describe(s);
            }
        }
}

struct TypeDepth {
    int color_type, depth;
};
const TypeDepth kValid[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                            {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

} // namespace

TEST(PngCorpus, EveryTypeAndDepthPlainAndInterlacedMatchesWriterAndQt) {
    const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {7, 5}, {8, 8}, {9, 9}, {33, 17}};
    for (const TypeDepth& td : kValid)
        for (auto [w, h] : sizes)
            for (bool adam7 : {false, true}) {
                PngSpec s;
                s.width = w, s.height = h, s.color_type = td.color_type, s.depth = td.depth;
                s.adam7 = adam7;
                s.seed = w + h;
                if (td.color_type == 3) s.palette_size = 1 << td.depth;
                ExpectPixels(s, true);
            }
}

TEST(PngCorpus, PalettesOfEverySizeAndDepth) {
    for (int depth : {1, 2, 4, 8})
        for (int n : {2, 4, 16, 256}) {
            if (n > (1 << depth)) continue;
            PngSpec s;
            s.width = 13, s.height = 6, s.color_type = 3, s.depth = depth, s.palette_size = n;
            ExpectPixels(s, true);
        }
}

TEST(PngCorpus, GammaByFormula) {
    // 45455 is the common 1/2.2 (almost no change); 100000 darkens midtones
    // strongly; 220000 leaves them alone.
    for (uint32_t g : {45455u, 100000u, 220000u, 30000u})
        for (const TypeDepth& td : kValid) {
            PngSpec s;
            s.width = 9, s.height = 4, s.color_type = td.color_type, s.depth = td.depth;
            s.gamma = g;
            if (td.color_type == 3) s.palette_size = 1 << td.depth;
            ExpectPixels(s, false);
        }
}

TEST(PngCorpus, SplitImageDataAndExtraChunks) {
    PngSpec s;
    s.width = 33, s.height = 17, s.color_type = 6, s.depth = 8, s.adam7 = true;
    s.idat_piece = 1;
    s.extra = {{"teSt", "ancillary data"}, {"tEXt", std::string("Title\0x", 7)}};
    ExpectPixels(s, true);
    PngSpec three = s;
    three.idat_piece = int(corpus::Deflate(std::string(33 * 17 * 4 + 17, 'a')).size());
    ExpectPixels(three, false);
    // Three IDAT chunks end up as one.
    const TPNGImage img = Decode(corpus::MakePng(s));
    int idat = 0;
    for (int i = 0; i < img.Chunks().Count(); ++i) idat += img.Chunks().Item(i).Name == "IDAT";
    EXPECT_EQ(idat, 1);
}

TEST(PngFormat, BitmapFormatsAndGreyPalettes) {
    struct Case {
        int color_type, depth;
        PixelFormat pf;
        size_t entries;
    } cases[] = {{0, 1, PixelFormat::Bit1, 2},   {0, 2, PixelFormat::Bit4, 16},
                 {0, 4, PixelFormat::Bit4, 16},  {0, 8, PixelFormat::Bit8, 256},
                 {0, 16, PixelFormat::Bit8, 256}, {4, 16, PixelFormat::Bit8, 256},
                 {2, 16, PixelFormat::Bit24, 0}, {6, 8, PixelFormat::Bit24, 0},
                 {3, 4, PixelFormat::Bit4, 16}};
    for (const Case& c : cases) {
        PngSpec s;
        s.width = 4, s.height = 2, s.color_type = c.color_type, s.depth = c.depth;
        if (c.color_type == 3) s.palette_size = 1 << c.depth;
        const TPNGImage img = Decode(corpus::MakePng(s));
        EXPECT_EQ(img.Format(), c.pf) << Describe(s);
        EXPECT_EQ(img.palette.size(), c.entries) << Describe(s);
    }
    // 2-bit grey: samples 0..3 become pixels 0, 5, 10, 15 of a 16-entry table.
    PngSpec s;
    s.width = 4, s.height = 1, s.color_type = 0, s.depth = 2;
    const TPNGImage img = Decode(corpus::MakePng(s));
    const QRgb want[4] = {qRgb(0, 0, 0), qRgb(85, 85, 85), qRgb(170, 170, 170), qRgb(255, 255, 255)};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(img.palette[size_t(i) * 5], want[i]);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(img.PixelIndex(x, 0), corpus::Sample(s, x, 0, 0) * 5);
}

TEST(PngFormat, TransparencyOfTruecolour) {
    for (int depth : {8, 16}) {
        PngSpec s;
        s.width = 3, s.height = 3, s.color_type = 2, s.depth = depth;
        s.trns = {0x1234, 0x5678, 0x9ABC};
        const TPNGImage img = Decode(corpus::MakePng(s));
        EXPECT_TRUE(img.Transparent);
        const QRgb want = depth == 16 ? qRgb(0x12, 0x56, 0x9A) : qRgb(0x34, 0x78, 0xBC);
        EXPECT_EQ(img.TransparentColor, want) << depth;
    }
    // Too short to hold three samples: ignored.
    PngSpec s;
    s.width = 2, s.height = 2, s.color_type = 2;
    s.extra = {{"tRNS", std::string("\0\1\0", 3)}};
    EXPECT_FALSE(Decode(corpus::MakePng(s)).Transparent);
    // With a gamma the key goes through the same table as the pixels.
    PngSpec g;
    g.width = 2, g.height = 1, g.color_type = 2, g.gamma = 100000;
    g.trns = {corpus::Sample(g, 1, 0, 0), corpus::Sample(g, 1, 0, 1), corpus::Sample(g, 1, 0, 2)};
    const TPNGImage gi = Decode(corpus::MakePng(g));
    EXPECT_EQ(gi.TransparentColor, gi.Pixel(1, 0));
    // Grey and palette images keep their tRNS without effect here.
    PngSpec p;
    p.width = 2, p.height = 2, p.color_type = 3, p.depth = 8, p.palette_size = 4, p.trns = {0, 255};
    const TPNGImage pi = Decode(corpus::MakePng(p));
    EXPECT_FALSE(pi.Transparent);
    ASSERT_NE(pi.Chunks().Find<TChunkTRNS>(), nullptr);
    try {
        pi.Chunks().Find<TChunkTRNS>()->TransparentColor();
        ADD_FAILURE() << "no error for a palette image";
    } catch (const EPNGImageException& e) {
        EXPECT_EQ(e.Code(), kPngNotRgb);
    }
}

TEST(PngDamaged, EveryBrokenFileGivesItsMessage) {
    using corpus::IhdrData;
    using corpus::PngChunk;
    PngSpec base;
    base.width = 5, base.height = 4, base.color_type = 2;
    const std::string good = corpus::MakePng(base);
    const std::string sig = corpus::PngSignature();
    const std::string ihdr = PngChunk("IHDR", IhdrData(5, 4, 8, 2, 0));
    std::string raw_rows;
    for (int i = 0; i < 4 * 16; ++i) raw_rows += char(i % 16 ? (i * 7919) % 251 : 0);
    const std::string rows = corpus::Deflate(raw_rows);
    const std::string idat = PngChunk("IDAT", rows);
    const std::string iend = PngChunk("IEND", "");
    std::string bad_sig = good;
    bad_sig[7] = 'x';
    std::string bad_crc = good;
    bad_crc[8 + 8 + 13] ^= 1;
    std::string long_chunk = sig + ihdr;
    long_chunk += std::string("\x7f\xff\xff\x00IDAT", 8) + rows;
    std::string huge_len = sig + ihdr + std::string("\xff\xff\xff\xf0IDAT", 8) + rows;
    std::string dict_z = rows;
    dict_z[1] = char(dict_z[1] | 0x20); // preset dictionary flag
    dict_z[1] = char(dict_z[1] + (31 - (uint8_t(dict_z[0]) * 256 + uint8_t(dict_z[1])) % 31) % 31);

    struct Case {
        const char* what;
        std::string bytes;
        int code; // 0: loads; -1: a zlib error
    } cases[] = {
        {"eighth signature byte", bad_sig, kPngInvalidHeader},
        {"empty file", "", kPngInvalidHeader},
        {"signature only", sig, kPngNoIhdr},
        {"bad CRC", bad_crc, kPngCorrupt},
        {"no IHDR", sig + idat + iend, kPngNoIhdr},
        {"IHDR not first", sig + PngChunk("gAMA", "\0\0\xb1\x8f") + ihdr + idat + iend, kPngNoIhdr},
        {"no IDAT", sig + ihdr + iend, kPngNoData},
        {"cut in a chunk head", good.substr(0, 8 + 25 + 5), kPngCorrupt},
        {"cut in the image data", good.substr(0, good.size() - 20), kPngCorrupt},
        {"cut in a CRC", sig + ihdr + idat.substr(0, idat.size() - 2), kPngCorrupt},
        {"length past the end", long_chunk, kPngCorrupt},
        {"length above 2^31", huge_len, kPngCorrupt},
        {"rows missing from the data", sig + ihdr + PngChunk("IDAT", rows.substr(0, rows.size() / 2)) + iend, kPngCorrupt},
        {"huge IHDR", sig + PngChunk("IHDR", IhdrData(0x7FFFFFFF, 0x7FFFFFFF, 16, 6, 0)) + idat + iend, kPngCorrupt},
        {"width above 2^31", sig + PngChunk("IHDR", IhdrData(0x80000000u, 1, 8, 2, 0)) + idat + iend, kPngCorrupt},
        {"zero height", sig + PngChunk("IHDR", IhdrData(5, 0, 8, 2, 0)) + idat + iend, kPngCorrupt},
        {"short IHDR", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 2, 0).substr(0, 12)) + idat + iend, kPngCorrupt},
        {"truecolour at 4 bits", sig + PngChunk("IHDR", IhdrData(5, 4, 4, 2, 0)) + idat + iend, kPngUnknownColorType},
        {"grey alpha at 2 bits", sig + PngChunk("IHDR", IhdrData(5, 4, 2, 4, 0)) + idat + iend, kPngUnknownColorType},
        {"palette at 16 bits", sig + PngChunk("IHDR", IhdrData(5, 4, 16, 3, 0)) + idat + iend, kPngUnknownColorType},
        {"colour type 5", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 5, 0)) + idat + iend, kPngUnknownColorType},
        {"filter method 1", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 2, 0).replace(11, 1, "\1")) + idat + iend, kPngUnknownFilter},
        {"interlace 2", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 2, 2)) + idat + iend, kPngUnknownInterlace},
        {"row filter 5", sig + ihdr + PngChunk("IDAT", corpus::Deflate(std::string(16, '\5') + std::string(48, '\0'))) + iend, kPngUnknownFilter},
        {"unknown critical chunk", sig + ihdr + PngChunk("ZZZZ", "x") + idat + iend, kPngUnknownCritical},
        {"unknown ancillary chunk", sig + ihdr + PngChunk("zzZZ", "x") + idat + iend, 0},
        {"palette image without PLTE", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 3, 0)) + idat + iend, kPngNoPalette},
        {"PLTE of 7 bytes", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 3, 0)) + PngChunk("PLTE", "1234567") + idat + iend, kPngInvalidPalette},
        {"PLTE of 257 entries", sig + PngChunk("IHDR", IhdrData(5, 4, 8, 3, 0)) + PngChunk("PLTE", std::string(771, 'a')) + idat + iend, kPngInvalidPalette},
        {"bytes after the compressed data", sig + ihdr + PngChunk("IDAT", rows + "trailing junk") + iend, 0},
        {"no IEND", sig + ihdr + idat, 0},
        {"gAMA of 0", sig + ihdr + PngChunk("gAMA", std::string(4, '\0')) + idat + iend, 0},
        {"gAMA of 3 bytes", sig + ihdr + PngChunk("gAMA", "\0\1\0") + idat + iend, 0},
        {"preset dictionary", sig + ihdr + PngChunk("IDAT", dict_z) + iend, -1},
        {"garbage data", sig + ihdr + PngChunk("IDAT", "\x78\x9c\xff\xff\xff\xff") + iend, -1},
    };
    for (const Case& c : cases) {
        int got = 0;
        try {
            Decode(c.bytes);
        } catch (const EPNGImageException& e) {
            got = e.Code();
            EXPECT_NE(std::string(e.what()).find(PngMessage(e.Code())), std::string::npos);
            EXPECT_EQ(std::string(e.what()).rfind("Portable Network Graphics format handler error\r\n\r\n", 0), 0u);
        } catch (const EZDecompressionError&) {
            got = -1;
        }
        EXPECT_EQ(got, c.code) << c.what;
    }
}

TEST(PngDamaged, PaletteShortfallsShowBlack) {
    // A depth-2 palette of two entries: samples 2 and 3 find black.
    PngSpec s;
    s.width = 4, s.height = 1, s.color_type = 3, s.depth = 2, s.palette_size = 4;
    std::string bytes = corpus::MakePng(s);
    const size_t at = bytes.find("PLTE") - 4;
    const std::string two = corpus::PngChunk("PLTE", std::string("\xff\0\0\0\xff\0", 6));
    bytes.replace(at, 12 + 12, two);
    const TPNGImage img = Decode(bytes);
    for (int x = 0; x < 4; ++x) {
        const int v = corpus::Sample(s, x, 0, 0);
        const QRgb want = v == 0 ? qRgb(255, 0, 0) : v == 1 ? qRgb(0, 255, 0) : qRgb(0, 0, 0);
        EXPECT_EQ(img.Pixel(x, 0), want) << x;
    }
    // An 8-bit index past a 4-entry palette.
    PngSpec e;
    e.width = 40, e.height = 1, e.color_type = 3, e.depth = 8, e.palette_size = 4;
    std::string eb = corpus::MakePng(e);
    const std::string ihdr = corpus::PngChunk("IHDR", corpus::IhdrData(2, 1, 8, 3, 0));
    const std::string plte = corpus::PngChunk("PLTE", std::string(12, '\x40'));
    const std::string rows = corpus::Deflate(std::string("\0\x02\xc8", 3));
    const TPNGImage img2 = Decode(corpus::PngSignature() + ihdr + plte + corpus::PngChunk("IDAT", rows) +
                                  corpus::PngChunk("IEND", ""));
    EXPECT_EQ(img2.Pixel(0, 0), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(img2.Pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(img2.ToImage().pixel(1, 0), qRgb(0, 0, 0));
}

TEST(PngDamaged, GammaAfterImageDataIsIgnored) {
    PngSpec s;
    s.width = 6, s.height = 3, s.color_type = 2, s.gamma = 100000, s.gamma_after_idat = true;
    ExpectPixels(s, true); // the writer's expectation has no gamma either
}

TEST(PngDamaged, OnePixelInterlacedHasEmptyPasses) {
    for (auto [w, h] : {std::pair{1, 1}, {1, 5}, {5, 1}, {2, 2}}) {
        PngSpec s;
        s.width = w, s.height = h, s.color_type = 0, s.depth = 1, s.adam7 = true;
        ExpectPixels(s, true);
    }
}

TEST(PngWriter, RoundTripsAndLeavesOutTextChunks) {
    const TypeDepth kinds[] = {{3, 1}, {3, 4}, {3, 8}, {0, 2}, {2, 8}, {6, 16}};
    for (const TypeDepth& td : kinds)
        for (bool adam7 : {false, true}) {
            PngSpec s;
            s.width = 19, s.height = 7, s.color_type = td.color_type, s.depth = td.depth, s.adam7 = adam7;
            if (td.color_type == 3) s.palette_size = 1 << td.depth;
            s.extra = {{"tEXt", std::string("Comment\0hi", 10)}};
            TPNGImage img = Decode(corpus::MakePng(s));
            TMemoryStream out;
            img.SaveToStream(out);
            EXPECT_EQ(out.Bytes().find("tEXt"), std::string::npos);
            const TPNGImage back = Decode(out.Bytes());
            ASSERT_EQ(back.Width(), s.width);
            for (int y = 0; y < s.height; ++y)
                for (int x = 0; x < s.width; ++x)
                    ASSERT_EQ(back.Pixel(x, y), corpus::ExpectedColor(s, x, y)) << Describe(s);
            // What we write other readers read too.
            const QImage qt = QImage::fromData(reinterpret_cast<const uchar*>(out.Bytes().data()),
                                               int(out.Bytes().size()), "PNG");
            ASSERT_FALSE(qt.isNull()) << Describe(s);
            EXPECT_EQ(qt.pixel(3, 2) | 0xFF000000u, back.Pixel(3, 2)) << Describe(s);
        }
}

// The transparent colour is compared with the samples as the file gives
// them: a colour that only the gamma table (or the cut of 16-bit samples to
// 8 bits) makes equal to the key stays visible, one step away in blue.
TEST(PngFormat, TheKeyIsComparedBeforeGammaAndTheCutTo8Bits) {
    struct Case {
        const char* name;
        int depth;
        uint32_t gamma;                 // 0: no gAMA chunk
        std::vector<uint16_t> pixels;   // red, green, blue of each pixel; the first is the key
    } cases[] = {
        // Gamma 0.2 takes every dark sample below 20 to 0.
        {"gamma", 8, 20000, {5, 5, 5, 6, 6, 6, 5, 5, 5, 200, 100, 50}},
        // Samples equal in their high bytes only.
        {"16_bits", 16, 0, {0x1234, 0x5678, 0x9ABC, 0x12FF, 0x5678, 0x9ABC, 0x1234, 0x5678, 0x9ABC, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int n = int(c.pixels.size() / 3);
        auto be16 = [](std::string& out, uint16_t v) {
            out += char(v >> 8);
            out += char(v & 0xFF);
        };
        std::string row(1, '\0'), trns, gama;
        for (uint16_t v : c.pixels) {
            if (c.depth == 16)
                be16(row, v);
            else
                row += char(v);
        }
        for (int i = 0; i < 3; ++i) be16(trns, c.pixels[size_t(i)]);
        for (int shift : {24, 16, 8, 0}) gama += char((c.gamma >> shift) & 0xFF);
        std::string png = corpus::PngSignature() + corpus::PngChunk("IHDR", corpus::IhdrData(uint32_t(n), 1, c.depth, 2, 0));
        if (c.gamma) png += corpus::PngChunk("gAMA", gama);
        png += corpus::PngChunk("tRNS", trns) + corpus::PngChunk("IDAT", corpus::Deflate(row)) +
               corpus::PngChunk("IEND", "");
        const TPNGImage img = Decode(png);
        ASSERT_TRUE(img.Transparent);
        // Pixels 0 and 2 are the key; 1 looks like it after the gamma or the cut.
        EXPECT_EQ(img.Pixel(0, 0), img.TransparentColor);
        EXPECT_EQ(img.Pixel(2, 0), img.TransparentColor);
        EXPECT_EQ(img.Pixel(1, 0) ^ img.TransparentColor, 1u);
        EXPECT_NE(img.Pixel(3, 0), img.TransparentColor);
    }
}

TEST(PngWriter, GammaAndTransparencyTravel) {
    PngSpec s;
    s.width = 8, s.height = 8, s.color_type = 2, s.gamma = 220000;
    s.trns = {10, 20, 30};
    TPNGImage img = Decode(corpus::MakePng(s));
    TMemoryStream out;
    img.SaveToStream(out);
    const TPNGImage back = Decode(out.Bytes());
    EXPECT_TRUE(back.Transparent);
    EXPECT_EQ(back.TransparentColor, img.TransparentColor);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(back.Pixel(x, y), img.Pixel(x, y));
}

TEST(PngWriter, FilterChoice) {
    // The filter byte of every row of a written picture.
    auto filters_of = [](const std::string& png) {
        const TPNGImage img = Decode(png);
        const std::string& z = img.Chunks().Find<TChunkIDAT>()->Data;
        TViewStream src(z);
        TZDecompressionStream in(src);
        std::string raw(size_t(img.Height()) * (size_t(img.Width()) * 3 + 1), '\0');
        in.Read(raw.data(), int64_t(raw.size()));
        std::string f;
        for (int y = 0; y < img.Height(); ++y) f += char('0' + raw[size_t(y) * (img.Width() * 3 + 1)]);
        return f;
    };
    auto write = [](const std::function<QRgb(int, int)>& px, PngFilterSet set) {
        TPNGImage img;
        static_cast<TBitmap&>(img) = TBitmap(24, 3, PixelFormat::Bit24);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 24; ++x) img.SetPixel(x, y, px(x, y));
        img.SetFilters(set);
        TMemoryStream out;
        img.SaveToStream(out);
        return out.Bytes();
    };
    const PngFilterSet all = 31;
    // Steps of 7 along the row, of 3, 11 and 29 down it: Sub gives a run of
    // 7s, Up, Average and Paeth give repeating triples.
    auto ramp = [](int x, int y) { return qRgb(7 * x + 3 * y, 7 * x + 11 * y, 7 * x + 29 * y); };
    EXPECT_EQ(filters_of(write(ramp, all)), "111");
    // Noise repeated down the rows: Up gives zeros from the second row on;
    // the first row has no run anywhere and keeps None.
    auto noise = [](int x, int) { return qRgb((x * 97) % 251, (x * 53 + 7) % 241, (x * 31 + 3) % 239); };
    EXPECT_EQ(filters_of(write(noise, all)), "022");
    // Without Up, Paeth finds the same zeros.
    EXPECT_EQ(filters_of(write(noise, all & ~FilterBit(PngFilter::Up))), "044");
    EXPECT_EQ(filters_of(write(ramp, 0)), "000");
}

TEST(PngStreams, InflateSeeksAndEndings) {
    const std::string text(100000, 'q');
    std::string z = corpus::Deflate(text);
    {
        TViewStream src(z);
        TZDecompressionStream in(src);
        char buf[10];
        EXPECT_EQ(in.Seek(50, SeekOrigin::Current), 50);
        EXPECT_EQ(in.Read(buf, 10), 10);
        EXPECT_EQ(in.Seek(0, SeekOrigin::Beginning), 0);
        EXPECT_EQ(in.Seek(70000, SeekOrigin::Beginning), 70000);
        try {
            in.Seek(-1, SeekOrigin::Current);
            ADD_FAILURE();
        } catch (const EZDecompressionError& e) {
            EXPECT_STREQ(e.what(), "Invalid ZStream operation!");
        }
        EXPECT_THROW(in.Seek(10, SeekOrigin::Beginning), EZDecompressionError);
        EXPECT_THROW(in.Write("x", 1), EZDecompressionError);
    }
    {
        // Cut short: what was produced comes back, then nothing.
        const std::string cut = z.substr(0, z.size() / 2);
        TViewStream src(cut);
        TZDecompressionStream in(src);
        std::string out(text.size(), '\0');
        const int64_t got = in.Read(out.data(), int64_t(out.size()));
        EXPECT_LT(got, int64_t(text.size()));
        EXPECT_EQ(in.Read(out.data(), 10), 0);
    }
    {
        // Bytes after the end of the compressed data: the read stops at the end.
        const std::string more = z + "junk that is not compressed";
        TViewStream src(more);
        TZDecompressionStream in(src);
        std::string out(text.size() + 100, '\0');
        EXPECT_EQ(in.Read(out.data(), int64_t(out.size())), int64_t(text.size()));
        EXPECT_TRUE(in.AtStreamEnd());
    }
    {
        TMemoryStream dest;
        {
            TZCompressionStream c(TCompressionLevel::Max, dest);
            c.Write(text.data(), int64_t(text.size()));
            EXPECT_THROW(c.Read(nullptr, 1), EZCompressionError);
            EXPECT_THROW(c.Seek(1, SeekOrigin::Beginning), EZCompressionError);
        }
        TViewStream src(dest.Bytes());
        TZDecompressionStream in(src);
        std::string out(text.size(), '\0');
        EXPECT_EQ(in.Read(out.data(), int64_t(out.size())), int64_t(text.size()));
        EXPECT_EQ(out, text);
    }
}

TEST(PngChunks, ListAndRegistryErrors) {
    struct Case {
        const char* what;
        std::function<void()> act;
        int code;
    };
    TPNGImage img;
    TPNGImage other;
    const Case cases[] = {
        {"item past the end", [&] { img.Chunks().Item(3); }, kPngChunkIndex},
        {"negative item", [&] { img.Chunks().Item(-1); }, kPngChunkIndex},
        {"move from past the end", [&] { img.Chunks().Move(5, 0); }, kPngChunkIndex},
        {"class past the end", [&] { ChunkClasses().Item(7); }, kPngClassIndex},
        {"foreign chunk", [&] { img.Chunks().Remove(&other.Chunks().Item(0)); }, kPngChunkNotOwned},
    };
    for (const Case& c : cases) {
        try {
            c.act();
            ADD_FAILURE() << c.what;
        } catch (const EPNGImageException& e) {
            EXPECT_EQ(e.Code(), c.code) << c.what;
        }
    }
    EXPECT_EQ(ChunkClasses().IndexOfName("gAMA"), 2);
    EXPECT_EQ(ChunkClasses().IndexOfName("GAMA"), -1);
    EXPECT_EQ(ChunkClasses().IndexOfClass(&TChunkTRNS::Make), 6);
    // The defaults of a new picture.
    ASSERT_EQ(img.Chunks().Count(), 3);
    EXPECT_EQ(img.Chunks().Item(0).Name, "IHDR");
    EXPECT_EQ(img.Chunks().Item(1).Name, "IDAT");
    EXPECT_EQ(img.Chunks().Item(2).Name, "IEND");
    EXPECT_EQ(static_cast<TChunkIHDR&>(img.Chunks().Item(0)).ColorType(), 3);
}

TEST(PngChunks, AssignCopiesChunksByRegisteredClass) {
    PngSpec s;
    s.width = 3, s.height = 2, s.color_type = 2, s.gamma = 100000;
    s.extra = {{"zzZZ", "x"}};
    TPNGImage src = Decode(corpus::MakePng(s));
    src.SetFilters(FilterBit(PngFilter::Up));
    TPNGImage copy;
    copy.Assign(src);
    ASSERT_EQ(copy.Chunks().Count(), src.Chunks().Count());
    const TChunkGAMA* g = copy.Chunks().Find<TChunkGAMA>();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->Built());
    EXPECT_EQ(g->Forward[128], src.Chunks().Find<TChunkGAMA>()->Forward[128]);
    EXPECT_EQ(copy.Filters(), FilterBit(PngFilter::Up) | FilterBit(PngFilter::None));
    EXPECT_EQ(copy.Pixel(2, 1), src.Pixel(2, 1));
}
