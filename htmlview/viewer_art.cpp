// The viewer's own small pictures and cursors, drawn from character maps:
// one letter per pixel, each letter a colour of the 16-colour table.
#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <cstring>

#include "htmlview/images.h"

namespace htmlview {

namespace {

const Palette& Vga16() {
    static const Palette p = {
        qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return p;
}

// Letters: k black, r maroon, g green, o olive, n navy, s silver, d grey,
// R red, y yellow, b blue, c aqua, w white; '.' is white outside the shape.
int IndexOf(char c) {
    switch (c) {
    case 'k': return 0;
    case 'r': return 1;
    case 'g': return 2;
    case 'o': return 3;
    case 'n': return 4;
    case 's': return 7;
    case 'd': return 8;
    case 'R': return 9;
    case 'y': return 11;
    case 'b': return 12;
    case 'c': return 14;
    default: return 15;
    }
}

TBitmap FromMap(const char* const rows[16]) {
    TBitmap b(16, 16, PixelFormat::Bit4);
    b.palette = Vga16();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) b.SetPixelIndex(x, y, IndexOf(rows[y][x]));
    return b;
}

const char* const kBroken[16] = {
    "...dddddddddd...",
    "..dsssssssssskd.",
    ".dsyyyyyyyyyyskd",
    "dsyyyyykkyyyyysk",
    "dsyyyykRRkyyyysk",
    "dsyyyykRRkyyyysk",
    "dsyyyykRRkyyyysk",
    "dsyyyykRRkyyyysk",
    "dsyyyyykRkyyyysk",
    "dsyyyyykRkyyyysk",
    "dsyyyyyykyyyyysk",
    "dsyyyyykRkyyyysk",
    "dsyyyyykRkyyyysk",
    ".dsyyyyykyyyyskd",
    "..dsssssssssskd.",
    "...kkkkkkkkkkk..",
};

const char* const kPlaceholder[16] = {
    "kkkkkkkkkkkkkkkk",
    "kccccccccccccccd",
    "kcccccccccyyyccd",
    "kcccccccccyyyccd",
    "kcccccwwccyyyccd",
    "kccccwwwwcccccd.",
    "kcccccccccccccd.",
    "kccccccgccccccdd",
    "kcccccgggcccccgd",
    "kccccgggggcccggd",
    "kcccggggggggggod",
    "kccggggoggggggod",
    "kcggggoooggggood",
    "kggggoooooggoood",
    "kooooooooooooood",
    "dddddddddddddddd",
};

QCursor MakeCursor(bool up, bool down) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    // A ring of 9 pixels radius around the hot spot, with the arrows that
    // apply above and below it.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = x - 16, dy = y - 16, d2 = dx * dx + dy * dy;
            if (d2 <= 3 * 3) img.setPixel(x, y, d2 <= 1 ? black : white);
            if (d2 >= 10 * 10 && d2 <= 12 * 12) img.setPixel(x, y, d2 <= 11 * 11 ? black : white);
        }
    for (int row = 0; row < 5; ++row)
        for (int x = 16 - row; x <= 16 + row; ++x) {
            if (up) img.setPixel(x, 5 + row, black);
            if (down) img.setPixel(x, 26 - row, black);
        }
    return QCursor(QPixmap::fromImage(img), 16, 16);
}

} // namespace

const TBitmap& BrokenImageBitmap() {
    static const TBitmap b = FromMap(kBroken);
    return b;
}

const TBitmap& BrokenImageMask() {
    static const TBitmap m = [] {
        TBitmap mask = NewMask(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) mask.SetPixelIndex(x, y, kBroken[y][x] == '.' ? 1 : 0);
        return mask;
    }();
    return m;
}

const TBitmap& PlaceholderBitmap() {
    static const TBitmap b = FromMap(kPlaceholder);
    return b;
}

QCursor ViewerCursor(int number) {
    switch (number) {
    case 1: return QCursor(Qt::PointingHandCursor);
    case 2: return QCursor(Qt::IBeamCursor);
    case 3: return MakeCursor(true, true);
    case 4: return MakeCursor(true, false);
    case 5: return MakeCursor(false, true);
    default: return QCursor(Qt::ArrowCursor);
    }
}

} // namespace htmlview
