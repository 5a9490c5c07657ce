#include "platform/ui/canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"

namespace {

constexpr QRgb kKey = 0xFFFF00FFu;

QImage background(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 7, y * 11, 90));
    return img;
}

// A source whose every third pixel is the key colour.
QImage keyed_source(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, (x + y) % 3 == 0 ? kKey : qRgb(200, x * 9, y * 13));
    return img;
}

TEST(Canvas, KeyedCopyLeavesKeyPixelsAndOutsideTheClip) {
    testsupport::qt_app();
    const QImage bg = background(40, 30);
    const QImage src = keyed_source(20, 12);
    const QRect clip(8, 6, 14, 9);
    const QPoint dest(5, 4);
    const QRect from(3, 2, 16, 10); // part of the source

    QImage target = bg.copy();
    {
        QPainter p(&target);
        ui::Canvas c(p, clip);
        c.DrawKeyed(dest, src, from, kKey);
    }
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const QPoint s = QPoint(x, y) - dest + from.topLeft();
            QRgb want = bg.pixel(x, y);
            if (clip.contains(x, y) && from.contains(s) && src.pixel(s) != kKey)
                want = src.pixel(s);
            ASSERT_EQ(target.pixel(x, y), want) << x << "," << y;
        }

    // The same through a prepared picture.
    QImage again = bg.copy();
    {
        QPainter p(&again);
        ui::Canvas c(p, clip);
        c.DrawPrepared(dest, ui::keyed_image(src, kKey), from);
    }
    EXPECT_EQ(again, target);
}

TEST(Canvas, CopiesNeverReadOutsideTheSource) {
    testsupport::qt_app();
    const QImage bg = background(30, 20);
    QImage src(6, 4, QImage::Format_RGB32);
    src.fill(qRgb(1, 2, 3));
    QImage target = bg.copy();
    {
        QPainter p(&target);
        ui::Canvas c(p, QRect(0, 0, 30, 20));
        // Asks for columns 4..13 of a 6-wide source: only 4 and 5 exist.
        c.Draw(QPoint(10, 5), src, QRect(4, -2, 10, 10));
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool painted = x >= 10 && x < 12 && y >= 7 && y < 11;
            ASSERT_EQ(target.pixel(x, y), painted ? qRgb(1, 2, 3) : bg.pixel(x, y))
                << x << "," << y;
        }
}

TEST(Canvas, FillAndFrameCoverExactlyTheirRectangle) {
    testsupport::qt_app();
    const QRgb ground = qRgb(10, 20, 30), fill = qRgb(200, 0, 0), frame = qRgb(0, 0, 200);
    QImage img(20, 16, QImage::Format_RGB32);
    img.fill(ground);
    const QRect filled(2, 3, 5, 4), framed(9, 2, 6, 5), thin(3, 12, 1, 1);
    {
        QPainter p(&img);
        ui::Canvas c(p, img.rect());
        c.FillRect(filled, fill);
        c.FrameRect(framed, frame);
        c.FrameRect(thin, frame);
        c.FrameRect(QRect(16, 10, 0, 3), frame); // empty: nothing
        c.FillRect(QRect(16, 10, 3, 0), fill);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            QRgb want = ground;
            if (filled.contains(x, y)) want = fill;
            const bool edge = x == framed.left() || x == framed.right() || y == framed.top() ||
                              y == framed.bottom();
            if ((framed.contains(x, y) && edge) || thin.contains(x, y)) want = frame;
            ASSERT_EQ(img.pixel(x, y), want) << x << "," << y;
        }
}

TEST(Canvas, FacesMapToTheInstalledFamilies) {
    testsupport::qt_app();
    const struct {
        const char* face;
        const char* family;
    } table[] = {
        {"Arial", "Liberation Sans"},       {"MS Sans Serif", "Liberation Sans"},
        {"Arial CE", "Liberation Sans"},    {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.face);
        ui::Font f;
        f.face = row.face;
        f.pixels = 13;
        f.bold = true;
        const QFont q = ui::qfont(f);
        EXPECT_EQ(q.family().toStdString(), row.family);
        EXPECT_EQ(QFontInfo(q).family().toStdString(), row.family); // really installed
        EXPECT_EQ(q.pixelSize(), 13);
        EXPECT_TRUE(q.bold());
    }
    EXPECT_EQ(ui::points_to_pixels(8), 11);
    EXPECT_EQ(ui::points_to_pixels(10), 13);
    EXPECT_EQ(ui::points_to_pixels(14), 19);
}

TEST(Canvas, TextIsConvertedByCharsetAndLineBreaks) {
    const std::string zolw = os::pl("żółw");
    EXPECT_EQ(ui::to_qt(zolw, 238), QString::fromUtf8("żółw"));
    EXPECT_EQ(ui::from_qt(QString::fromUtf8("żółw"), 238), zolw);
    EXPECT_EQ(ui::to_qt("\xE9t\xE9", 0), QString::fromUtf8("été"));
    EXPECT_EQ(ui::to_qt("a\r\nb\n\rc\rd\ne", 238), QString("a\nb\nc\nd\ne"));
}

TEST(Canvas, TextSitsBelowItsTopLeftOnATransparentGround) {
    testsupport::qt_app();
    QImage img(120, 40, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    int width = 0;
    {
        QPainter p(&img);
        ui::Canvas c(p, img.rect());
        ui::Font f;
        f.face = "Arial";
        f.pixels = 16;
        c.SetFont(f);
        c.TextOut(10, 12, "Hg");
        width = c.TextWidth("Hg");
        EXPECT_GT(c.TextHeight(), 14);
    }
    int top = 99, bottom = -1, left = 999, right = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(top, 12);
    EXPECT_LE(top, 17); // the cap height below the cell's top
    EXPECT_LE(bottom, 12 + 20);
    EXPECT_GE(left, 10);
    EXPECT_LE(right, 10 + width);
    EXPECT_GT(width, 10);
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));
}

} // namespace
