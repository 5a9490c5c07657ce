// The JPEG loader: pictures written by Qt's writer come back within the
// loss of the format; four-ink pictures (CMYK, YCCK) come back as light;
// damaged data gives "JPEG error #n".
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <array>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

#include "platform/ui/jpeg.h"

namespace {

std::string Jpeg(const QImage& img, int quality = 95) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", quality);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

QImage Picture(int w, int h, bool grey) {
    QImage img(w, h, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = (x * 255) / std::max(1, w - 1);
            img.setPixel(x, y, grey ? qRgb(v, v, v) : qRgb(v, (y * 255) / std::max(1, h - 1), 128));
        }
    return img;
}

int MaxDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

using Inks = std::array<int, 4>; // C, M, Y, K: 0 none, 255 full
// Flat squares of ink, 16 pixels each, so the loss of the format stays
// within a level or two at the squares' centres.
const Inks kSquares[] = {{0, 0, 0, 0},     {255, 0, 0, 0},    {0, 255, 0, 0},     {0, 0, 255, 0},
                         {0, 0, 0, 255},   {128, 64, 32, 0},  {40, 200, 100, 60}, {255, 255, 255, 255},
                         {10, 20, 30, 200}, {200, 150, 100, 50}};
constexpr int kSide = 16;

enum class InkFile { Plain, AdobeCmyk, AdobeYcck };

// A four-ink JPEG made with the library's compressor: `Plain` stores the
// inks as they are and has no Adobe marker; the Adobe kinds store them
// inverted, as that marker means, in CMYK or in YCCK.
std::string InkJpeg(InkFile kind) {
    const int n = static_cast<int>(std::size(kSquares));
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = static_cast<JDIMENSION>(n * kSide);
    c.image_height = kSide;
    c.input_components = 4;
    c.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, kind == InkFile::AdobeYcck ? JCS_YCCK : JCS_CMYK);
    for (int i = 0; i < c.num_components; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    c.write_Adobe_marker = kind != InkFile::Plain;
    jpeg_set_quality(&c, 100, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(size_t(n * kSide * 4));
    for (int x = 0; x < n * kSide; ++x)
        for (int k = 0; k < 4; ++k) {
            const int ink = kSquares[x / kSide][size_t(k)];
            row[size_t(x * 4 + k)] = static_cast<JSAMPLE>(kind == InkFile::Plain ? ink : 255 - ink);
        }
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::string bytes(reinterpret_cast<const char*>(mem), size);
    std::free(mem);
    return bytes;
}

// R = 255 (1 - C)(1 - K) on 0..1 values, likewise G and B.
QRgb Light(const Inks& p) {
    const auto v = [&](int ink) { return int(255.0 * (1 - ink / 255.0) * (1 - p[3] / 255.0) + 0.5); };
    return qRgb(v(p[0]), v(p[1]), v(p[2]));
}

} // namespace

TEST(Jpeg, DecodesColourAndGreyLikeQt) {
    for (bool grey : {false, true}) {
        const std::string bytes = Jpeg(Picture(37, 21, grey));
        const QImage ours = ui::decode_jpeg(bytes);
        const QImage qt = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "JPG");
        ASSERT_EQ(ours.size(), QSize(37, 21));
        EXPECT_EQ(ours.format(), QImage::Format_RGB32);
        EXPECT_LE(MaxDifference(ours, qt), 2) << grey;
        EXPECT_LE(MaxDifference(ours, Picture(37, 21, grey)), 24) << grey;
    }
}

TEST(Jpeg, EightBitsWithAGivenPalette) {
    const std::string bytes = Jpeg(Picture(40, 10, false));
    std::vector<QRgb> map;
    for (int i = 0; i < 8; ++i) map.push_back(qRgb((i & 1) * 255, ((i >> 1) & 1) * 255, ((i >> 2) & 1) * 255));
    ui::JpegOptions opt;
    opt.eight_bit = true;
    opt.colormap = map;
    const QImage img = ui::decode_jpeg(bytes, opt);
    ASSERT_EQ(img.format(), QImage::Format_Indexed8);
    EXPECT_EQ(img.colorCount(), 8);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_LT(img.pixelIndex(x, y), 8);
    // Without a palette the library picks up to 256 colours; grey stays grey.
    opt.colormap.clear();
    EXPECT_LE(ui::decode_jpeg(bytes, opt).colorCount(), 256);
    const QImage grey = ui::decode_jpeg(Jpeg(Picture(16, 4, true)), opt);
    ASSERT_EQ(grey.format(), QImage::Format_Indexed8);
    EXPECT_EQ(grey.colorCount(), 256);
    EXPECT_EQ(grey.color(77), qRgb(77, 77, 77));
}

TEST(Jpeg, FourInkPicturesBecomeLight) {
    const struct {
        const char* what;
        InkFile kind;
    } files[] = {{"plain CMYK", InkFile::Plain}, {"Adobe CMYK", InkFile::AdobeCmyk}, {"Adobe YCCK", InkFile::AdobeYcck}};
    for (const auto& f : files) {
        const std::string bytes = InkJpeg(f.kind);
        const QImage img = ui::decode_jpeg(bytes);
        ASSERT_EQ(img.size(), QSize(int(std::size(kSquares)) * kSide, kSide)) << f.what;
        ASSERT_EQ(img.format(), QImage::Format_RGB32) << f.what;
        for (size_t i = 0; i < std::size(kSquares); ++i) {
            const QRgb got = img.pixel(int(i) * kSide + kSide / 2, kSide / 2), want = Light(kSquares[i]);
            EXPECT_LE(std::abs(qRed(got) - qRed(want)), 2) << f.what << " square " << i;
            EXPECT_LE(std::abs(qGreen(got) - qGreen(want)), 2) << f.what << " square " << i;
            EXPECT_LE(std::abs(qBlue(got) - qBlue(want)), 2) << f.what << " square " << i;
        }
        // On a palette screen the light is reduced to the given colours.
        ui::JpegOptions opt;
        opt.eight_bit = true;
        opt.colormap = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 255, 255), qRgb(255, 0, 255)};
        const QImage eight = ui::decode_jpeg(bytes, opt);
        ASSERT_EQ(eight.format(), QImage::Format_Indexed8) << f.what;
        EXPECT_EQ(eight.colorCount(), 4) << f.what;
        EXPECT_EQ(eight.pixel(kSide + kSide / 2, kSide / 2), qRgb(0, 255, 255)) << f.what; // full cyan
        EXPECT_EQ(eight.pixel(4 * kSide + kSide / 2, kSide / 2), qRgb(0, 0, 0)) << f.what;  // full black
        opt.colormap.clear();
        EXPECT_LE(ui::decode_jpeg(bytes, opt).colorCount(), 256) << f.what;
    }
}

TEST(Jpeg, DamagedDataGivesTheLibrarysNumber) {
    const std::string good = Jpeg(Picture(64, 64, false));
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not a JPEG", "GIF89a and so on, but no JPEG at all"},
        {"start marker only", "\xFF\xD8"},
        {"cut in the header", good.substr(0, 30)},
        {"frame header spoiled", [&] {
             std::string b = good;
             const size_t sof = b.find("\xFF\xC0");
             b[sof + 5] = b[sof + 6] = b[sof + 7] = b[sof + 8] = 0; // no size
             return b;
         }()},
    };
    for (const Case& c : cases) {
        try {
            ui::decode_jpeg(c.bytes);
            ADD_FAILURE() << c.what;
        } catch (const ui::JpegError& e) {
            EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(e.code())) << c.what;
            EXPECT_GT(e.code(), 0) << c.what;
        }
    }
    // Data cut short decodes with the rest grey: a warning, not an error.
    EXPECT_EQ(ui::decode_jpeg(good.substr(0, good.size() / 2)).size(), QSize(64, 64));
    EXPECT_THROW(ui::load_jpeg("/nonexistent/picture.jpg"), ui::JpegError);
}
