// The JPEG loader: pictures written by Qt's writer come back within the
// loss of the format; damaged data gives "JPEG error #n".
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdlib>

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
