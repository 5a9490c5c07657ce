// The whole picture corpus as our decoders read it, on one sheet for a
// person to look at (test_output/htmlview/picture_corpus.png): PNG cells at
// four times their size, GIF animations as their frame strips over a
// checkerboard where the mask is white, damaged files as the broken-image sign.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "htmlview/gif.h"
#include "htmlview/gif_image.h"
#include "htmlview/images.h"
#include "htmlview/png.h"
#include "platform_ui/qt_app.h"
#include "tools/pictures/corpus.h"

using namespace htmlview;

namespace {

QImage Checkered(const TBitmap& pic, const TBitmap* mask) {
    QImage img = pic.ToImage().convertToFormat(QImage::Format_RGB32);
    if (!mask) return img;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (MaskIsWhite(*mask, x, y)) img.setPixel(x, y, ((x / 4 + y / 4) & 1) ? qRgb(200, 200, 200) : qRgb(255, 255, 255));
    return img;
}

} // namespace

TEST(ContactSheet, WholeCorpusDecodes) {
    testsupport::qt_app();

    struct Cell {
        std::string name;
        QImage image;
        std::string note;
    };
    std::vector<Cell> cells;
    for (const corpus::File& f : corpus::PngFiles()) {
        TPNGImage png;
        TViewStream s(f.bytes);
        ASSERT_NO_THROW(png.LoadFromStream(s)) << f.name;
        std::unique_ptr<TBitmap> mask;
        if (png.Transparent) mask = GetImageMask(png, true, png.TransparentColor);
        cells.push_back({f.name, Checkered(png, mask.get()), ""});
    }
    for (const corpus::File& f : corpus::GifFiles()) {
        TViewStream s(f.bytes);
        bool still = false;
        std::unique_ptr<TGIFImage> gif;
        ASSERT_NO_THROW(gif = GifImageFromStream(s, still)) << f.name;
        cells.push_back({f.name, Checkered(*gif->Strip, gif->Strip->StripMask.get()),
                         std::to_string(gif->NumFrames) + " frame(s)"});
    }
    for (const corpus::File& f : corpus::BrokenFiles()) {
        TViewStream s(f.bytes);
        std::string message;
        try {
            if (f.name.ends_with(".gif")) {
                TGif gif;
                gif.LoadFromStream(s);
            } else {
                TPNGImage png;
                png.LoadFromStream(s);
            }
        } catch (const std::exception& e) {
            message = e.what();
        }
        ASSERT_FALSE(message.empty()) << f.name;
        const size_t cut = message.rfind('\n');
        cells.push_back({f.name, Checkered(BrokenImageBitmap(), &BrokenImageMask()),
                         cut == std::string::npos ? message : message.substr(cut + 1)});
    }

    const int cols = 4, cell_w = 300, cell_h = 110;
    const int rows = int(cells.size() + cols - 1) / cols;
    QImage sheet(cols * cell_w, rows * cell_h, QImage::Format_RGB32);
    sheet.fill(qRgb(244, 241, 234));
    QPainter p(&sheet);
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    p.setFont(font);
    for (size_t i = 0; i < cells.size(); ++i) {
        const int x = int(i % cols) * cell_w, y = int(i / cols) * cell_h;
        const Cell& c = cells[i];
        const int scale = c.image.width() * 4 <= cell_w - 16 ? 4 : c.image.width() * 2 <= cell_w - 16 ? 2 : 1;
        p.drawImage(QRect(x + 8, y + 22, c.image.width() * scale, c.image.height() * scale), c.image);
        p.setPen(qRgb(40, 40, 40));
        p.drawText(QRect(x + 8, y + 4, cell_w - 16, 16), Qt::AlignLeft, QString::fromStdString(c.name));
        p.setPen(qRgb(150, 30, 30));
        p.drawText(QRect(x + 8, y + cell_h - 20, cell_w - 16, 16), Qt::AlignLeft | Qt::TextSingleLine,
                   QString::fromStdString(c.note));
    }
    p.end();
    QDir().mkpath(QString(TEST_OUTPUT_DIR) + "/htmlview");
    ASSERT_TRUE(sheet.save(QString(TEST_OUTPUT_DIR) + "/htmlview/picture_corpus.png"));
}
