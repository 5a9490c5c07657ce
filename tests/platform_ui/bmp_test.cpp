#include "platform/ui/bmp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "platform/os/atomic_file.h"
#include "support/temp_dir.h"

namespace {

using Pixel = std::function<uint32_t(int x, int y)>;

void put16(std::string& s, size_t at, uint32_t v) {
    s[at] = char(v & 0xFF);
    s[at + 1] = char((v >> 8) & 0xFF);
}
void put32(std::string& s, size_t at, uint32_t v) {
    put16(s, at, v & 0xFFFF);
    put16(s, at + 2, v >> 16);
}

// A reference writer, independent of the reader: `raw` gives the stored value
// of each pixel (palette index, packed 16/32-bit value, or 0xRRGGBB for 24 bits).
struct Spec {
    Spec(int bpp_, int w_, int h_, bool top_down_ = false, uint32_t header_ = 40,
         uint32_t compression_ = 0, std::vector<uint32_t> masks_ = {},
         std::vector<QRgb> palette_ = {})
        : bpp(bpp_), w(w_), h(h_), top_down(top_down_), header(header_), compression(compression_),
          masks(std::move(masks_)), palette(std::move(palette_)) {}
    int bpp;
    int w, h;
    bool top_down;
    uint32_t header; // 12 (core), 40, 124
    uint32_t compression;
    std::vector<uint32_t> masks; // red, green, blue
    std::vector<QRgb> palette;
    uint32_t colours_used = 0;
};

std::string make_bmp(const Spec& s, const Pixel& raw) {
    const size_t entry = s.header == 12 ? 3 : 4;
    const bool masks_after = s.header == 40 && !s.masks.empty();
    const size_t pal_at = 14 + s.header + (masks_after ? 12 : 0);
    const size_t off = pal_at + s.palette.size() * entry;
    const size_t stride = (size_t(s.w) * s.bpp + 31) / 32 * 4;
    std::string b(off + stride * s.h, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(b.size()));
    put32(b, 10, uint32_t(off));
    put32(b, 14, s.header);
    if (s.header == 12) {
        put16(b, 18, s.w);
        put16(b, 20, s.h);
        put16(b, 22, 1);
        put16(b, 24, s.bpp);
    } else {
        put32(b, 18, uint32_t(s.w));
        put32(b, 22, uint32_t(s.top_down ? -s.h : s.h));
        put16(b, 26, 1);
        put16(b, 28, s.bpp);
        put32(b, 30, s.compression);
        put32(b, 46, s.colours_used);
        for (size_t i = 0; i < s.masks.size(); ++i)
            put32(b, 54 + 4 * i, s.masks[i]);
    }
    for (size_t i = 0; i < s.palette.size(); ++i) {
        b[pal_at + i * entry] = char(qBlue(s.palette[i]));
        b[pal_at + i * entry + 1] = char(qGreen(s.palette[i]));
        b[pal_at + i * entry + 2] = char(qRed(s.palette[i]));
    }
    for (int y = 0; y < s.h; ++y) {
        const int row = s.top_down ? y : s.h - 1 - y;
        char* p = b.data() + off + stride * row;
        for (int x = 0; x < s.w; ++x) {
            const uint32_t v = raw(x, y);
            switch (s.bpp) {
            case 1:
                p[x / 8] = char(p[x / 8] | (v << (7 - x % 8)));
                break;
            case 4:
                p[x / 2] = char(p[x / 2] | (x % 2 ? v : v << 4));
                break;
            case 8:
                p[x] = char(v);
                break;
            case 16:
                p[2 * x] = char(v & 0xFF);
                p[2 * x + 1] = char(v >> 8);
                break;
            case 24:
                p[3 * x] = char(v & 0xFF);
                p[3 * x + 1] = char((v >> 8) & 0xFF);
                p[3 * x + 2] = char((v >> 16) & 0xFF);
                break;
            case 32:
                for (int k = 0; k < 4; ++k)
                    p[4 * x + k] = char((v >> (8 * k)) & 0xFF);
                break;
            }
        }
    }
    return b;
}

std::vector<QRgb> ramp(int n) {
    std::vector<QRgb> p;
    for (int i = 0; i < n; ++i)
        p.push_back(qRgb(i * 255 / std::max(1, n - 1), (i * 37) & 255, 255 - i));
    return p;
}

uint32_t widen5(uint32_t v) {
    return (v << 3) | (v >> 2);
}
uint32_t widen6(uint32_t v) {
    return (v << 2) | (v >> 4);
}

struct Case {
    const char* name;
    Spec spec;
    Pixel raw;
    Pixel expected; // 0xRRGGBB
};

std::vector<Case> cases() {
    const auto pal2 = std::vector<QRgb>{qRgb(10, 20, 30), qRgb(200, 100, 50)};
    const auto pal16 = ramp(16);
    const auto pal256 = ramp(256);
    auto via = [](std::vector<QRgb> pal, Pixel idx) {
        return Pixel([pal, idx](int x, int y) { return pal[idx(x, y)] & 0xFFFFFFu; });
    };
    Pixel i1 = [](int x, int y) { return uint32_t((x + y) % 2); };
    Pixel i4 = [](int x, int y) { return uint32_t((x * 3 + y) % 16); };
    Pixel i8 = [](int x, int y) { return uint32_t((x * 37 + y * 11) % 256); };
    Pixel i8short = [](int x, int y) { return uint32_t((x + 2 * y) % 4); };
    Pixel rgb = [](int x, int y) {
        return uint32_t((x * 40) << 16 | (y * 60) << 8 | (200 - x * 10));
    };
    Pixel rgbx = [rgb](int x, int y) { return rgb(x, y) | 0xAB000000u; }; // fourth byte ignored
    Pixel swapped = [rgb](int x, int y) {                                 // red in the low byte
        const uint32_t v = rgb(x, y);
        return ((v & 0xFF) << 16) | (v & 0xFF00) | (v >> 16);
    };
    Pixel p555 = [](int x, int y) {
        return uint32_t((x * 7 % 32) << 10 | (y * 5 % 32) << 5 | (x + y) % 32);
    };
    Pixel e555 = [p555](int x, int y) {
        const uint32_t v = p555(x, y);
        return widen5(v >> 10 & 31) << 16 | widen5(v >> 5 & 31) << 8 | widen5(v & 31);
    };
    Pixel p565 = [](int x, int y) {
        return uint32_t((x * 7 % 32) << 11 | (y * 9 % 64) << 5 | (x + y) % 32);
    };
    Pixel e565 = [p565](int x, int y) {
        const uint32_t v = p565(x, y);
        return widen5(v >> 11 & 31) << 16 | widen6(v >> 5 & 63) << 8 | widen5(v & 31);
    };
    Spec short8{8, 6, 3};
    short8.palette = ramp(4);
    short8.colours_used = 4;
    // A colour count beyond what 1 bit can name: only the two stored are read.
    Spec claims256{1, 9, 3, false, 40, 0, {}, pal2};
    claims256.colours_used = 256;
    Spec core8{8, 5, 4, false, 12};
    core8.palette = pal256;
    return {
        {"1 bit, odd width", {1, 9, 3, false, 40, 0, {}, pal2}, i1, via(pal2, i1)},
        {"4 bits", {4, 5, 4, false, 40, 0, {}, pal16}, i4, via(pal16, i4)},
        {"8 bits", {8, 7, 3, false, 40, 0, {}, pal256}, i8, via(pal256, i8)},
        {"8 bits, 4 colours used", short8, i8short, via(ramp(4), i8short)},
        {"1 bit, 256 colours claimed", claims256, i1, via(pal2, i1)},
        {"8 bits, core header", core8, i8, via(pal256, i8)},
        {"24 bits bottom-up", {24, 5, 3}, rgb, rgb},
        {"24 bits top-down", {24, 5, 3, true}, rgb, rgb},
        {"32 bits plain", {32, 4, 3}, rgbx, rgb},
        {"32 bits top-down", {32, 4, 3, true}, rgbx, rgb},
        {"32 bit fields", {32, 4, 3, false, 40, 3, {0xFF0000, 0xFF00, 0xFF}}, rgbx, rgb},
        {"32 bit fields swapped", {32, 4, 3, false, 40, 3, {0xFF, 0xFF00, 0xFF0000}}, swapped, rgb},
        {"32 bit fields, long header",
         {32, 4, 3, false, 124, 3, {0xFF0000, 0xFF00, 0xFF}},
         rgbx,
         rgb},
        {"16 bits 5-5-5", {16, 5, 3}, p555, e555},
        {"16 bit fields 5-6-5", {16, 5, 3, false, 40, 3, {0xF800, 0x07E0, 0x001F}}, p565, e565},
    };
}

TEST(BmpRead, DecodesEveryKindExactly) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const QImage img = ui::decode_bmp(make_bmp(c.spec, c.raw), c.name);
        ASSERT_EQ(img.width(), c.spec.w);
        ASSERT_EQ(img.height(), c.spec.h);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                ASSERT_EQ(img.pixel(x, y) & 0xFFFFFFu, c.expected(x, y)) << x << "," << y;
    }
}

std::string valid24() {
    return make_bmp({24, 4, 4}, [](int x, int y) { return uint32_t(x * 50 + y); });
}

TEST(BmpRead, CorruptFilesFailCleanly) {
    const std::string good = valid24();
    auto with32 = [&](size_t at, uint32_t v) {
        std::string b = good;
        put32(b, at, v);
        return b;
    };
    auto with16 = [&](size_t at, uint32_t v) {
        std::string b = good;
        put16(b, at, v);
        return b;
    };
    Spec pal8{8, 4, 4};
    pal8.palette = ramp(256);
    const std::string p8 = make_bmp(pal8, [](int, int) { return 1u; });
    const struct {
        const char* name;
        std::string bytes;
    } bad[] = {
        {"empty", ""},
        {"signature only", "BM"},
        {"not a bitmap", "PK" + good.substr(2)},
        {"header cut", good.substr(0, 30)},
        {"pixels cut by one byte", good.substr(0, good.size() - 1)},
        {"7 bits per pixel", with16(28, 7)},
        {"width 0", with32(18, 0)},
        {"negative width", with32(18, uint32_t(-4))},
        {"height 0", with32(22, 0)},
        {"lowest height", with32(22, 0x80000000u)},
        {"huge", with32(18, 100000)},
        {"run-length compression", with32(30, 1)},
        {"unknown header size", with32(14, 20)},
        {"pixel offset past the end", with32(10, 0xFFFFFFF0u)},
        {"palette cut", p8.substr(0, 14 + 40 + 100)},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.name);
        try {
            ui::decode_bmp(c.bytes, "probe.bmp");
            ADD_FAILURE() << "no error";
        } catch (const ui::BitmapError& e) {
            EXPECT_NE(std::string(e.what()).find("probe.bmp"), std::string::npos) << e.what();
        }
    }
}

TEST(BmpRead, EveryTruncationIsCaught) {
    Spec s{4, 8, 3}; // rows without padding: every byte is needed
    s.palette = ramp(16);
    const std::string full = make_bmp(s, [](int x, int y) { return uint32_t((x + y) % 16); });
    for (size_t n = 0; n < full.size(); ++n) {
        EXPECT_THROW(ui::decode_bmp(full.substr(0, n)), ui::BitmapError) << n;
    }
    EXPECT_NO_THROW(ui::decode_bmp(full));
}

TEST(BmpFile, SaveWritesTwentyFourBitsAndLoadsBack) {
    testsupport::TempDir dir;
    QImage img(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            img.setPixel(x, y, qRgb(x * 30, y * 50, (x * y * 13) & 255));
    ASSERT_TRUE(ui::save_bmp(img, dir.file("deep/er/a.bmp")));
    const std::string bytes = dir.read("deep/er/a.bmp");
    ASSERT_EQ(bytes.size(), 54u + 24u * 5u); // rows of 21 bytes padded to 24
    EXPECT_EQ(bytes[28], 24);
    const QImage back = ui::load_bmp(dir.file("deep\\er\\A.BMP")); // resolved like the data's paths
    ASSERT_EQ(back.size(), img.size());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(back.pixel(x, y), img.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(ui::default_transparent_color(back), img.pixel(0, 4));
}

TEST(BmpFile, AFailedSaveLeavesTheOldPicture) {
    testsupport::TempDir dir;
    QImage old(2, 2, QImage::Format_RGB32);
    old.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(ui::save_bmp(old, dir.file("p.bmp")));
    const std::string before = dir.read("p.bmp");
    QImage next(3, 3, QImage::Format_RGB32);
    next.fill(qRgb(200, 0, 0));
    for (const char* step : {"open", "write", "flush", "rename"}) {
        os::set_atomic_fail_hook([step](const std::string& s) { return s == step; });
        EXPECT_FALSE(ui::save_bmp(next, dir.file("p.bmp"))) << step;
        EXPECT_EQ(dir.read("p.bmp"), before) << step;
    }
    os::set_atomic_fail_hook({});
}

TEST(BmpFile, MissingFileNamesThePath) {
    testsupport::TempDir dir;
    QImage out;
    std::string error;
    EXPECT_FALSE(ui::try_load_bmp(dir.file("none.bmp"), out, &error));
    EXPECT_NE(error.find("none.bmp"), std::string::npos);
    EXPECT_THROW(ui::load_bmp(dir.file("none.bmp")), ui::BitmapError);
    EXPECT_FALSE(ui::save_bmp(QImage(), dir.file("empty.bmp")));
}

// A folder under a picture's name opens but cannot be read: the reader's own
// error, which the windows catch, not the stream's.
TEST(BmpFile, AFolderUnderAPicturesNameIsABitmapError) {
    testsupport::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.bmp"));
    QImage out;
    std::string error;
    EXPECT_FALSE(ui::try_load_bmp(dir.file("folder.bmp"), out, &error));
    EXPECT_NE(error.find("Cannot read bitmap"), std::string::npos) << error;
}

} // namespace
