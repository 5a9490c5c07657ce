#include "htmlview/bitmap.h"

#include <cstring>
#include <cstdlib>

namespace htmlview {

int BitsPerPixel(PixelFormat pf) {
    switch (pf) {
    case PixelFormat::Bit1: return 1;
    case PixelFormat::Bit4: return 4;
    case PixelFormat::Bit8: return 8;
    case PixelFormat::Bit24: return 24;
    case PixelFormat::Device: return 32;
    }
    return 32;
}

int64_t RowBytesFor(int64_t width, int bits_per_pixel) {
    return (width * bits_per_pixel + 31) / 32 * 4;
}

TBitmap::TBitmap(int width, int height, PixelFormat pf) : format_(pf) { SetSize(width, height); }

void TBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    const int64_t row = RowBytesFor(width, BitsPerPixel(format_));
    if (row * height > kMaxBitmapBytes) throw EOutOfMemory("Out of memory");
    bits_.assign(static_cast<size_t>(row * height), 0);
    width_ = width;
    height_ = height;
    row_bytes_ = static_cast<int>(row);
}

int TBitmap::PixelIndex(int x, int y) const {
    const uint8_t* row = ScanLine(y);
    switch (format_) {
    case PixelFormat::Bit1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case PixelFormat::Bit4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    case PixelFormat::Bit8: return row[x];
    default: return 0;
    }
}

void TBitmap::SetPixelIndex(int x, int y, int index) {
    uint8_t* row = ScanLine(y);
    switch (format_) {
    case PixelFormat::Bit1: {
        const uint8_t bit = uint8_t(0x80 >> (x & 7));
        row[x >> 3] = (index & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
        break;
    }
    case PixelFormat::Bit4:
        if (x & 1)
            row[x >> 1] = uint8_t((row[x >> 1] & 0xF0) | (index & 15));
        else
            row[x >> 1] = uint8_t((row[x >> 1] & 0x0F) | (index & 15) << 4);
        break;
    case PixelFormat::Bit8: row[x] = uint8_t(index); break;
    default: break;
    }
}

QRgb TBitmap::Pixel(int x, int y) const {
    const uint8_t* row = ScanLine(y);
    switch (format_) {
    case PixelFormat::Bit24: return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case PixelFormat::Device: return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default: {
        const size_t i = static_cast<size_t>(PixelIndex(x, y));
        return i < palette.size() ? (palette[i] | 0xFF000000u) : 0xFF000000u;
    }
    }
}

void TBitmap::SetPixel(int x, int y, QRgb c) {
    uint8_t* row = ScanLine(y);
    if (format_ == PixelFormat::Bit24) {
        row[3 * x] = uint8_t(qBlue(c));
        row[3 * x + 1] = uint8_t(qGreen(c));
        row[3 * x + 2] = uint8_t(qRed(c));
    } else if (format_ == PixelFormat::Device) {
        row[4 * x] = uint8_t(qBlue(c));
        row[4 * x + 1] = uint8_t(qGreen(c));
        row[4 * x + 2] = uint8_t(qRed(c));
        row[4 * x + 3] = 0xFF;
    }
}

namespace {

int Nearest(const Palette& pal, QRgb c) {
    int best = 0;
    int best_d = 1 << 30;
    for (size_t i = 0; i < pal.size(); ++i) {
        const int d = std::abs(qRed(pal[i]) - qRed(c)) + std::abs(qGreen(pal[i]) - qGreen(c)) +
                      std::abs(qBlue(pal[i]) - qBlue(c));
        if (d < best_d) {
            best_d = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

bool IsPaletteFormat(PixelFormat pf) {
    return pf == PixelFormat::Bit1 || pf == PixelFormat::Bit4 || pf == PixelFormat::Bit8;
}

} // namespace

void TBitmap::SetPixelFormat(PixelFormat pf) {
    if (pf == format_) return;
    TBitmap out(0, 0, pf);
    out.SetSize(width_, height_);
    if (IsPaletteFormat(pf)) {
        const size_t max_entries = size_t(1) << BitsPerPixel(pf);
        out.palette = palette.empty() ? SystemPalette20() : palette;
        if (out.palette.size() > max_entries) out.palette.resize(max_entries);
        // Indices that fit the new table are kept; other pixels take the
        // nearest entry.
        const bool keep = IsPaletteFormat(format_) && !palette.empty();
        // The nearest entry, searched once per 5-5-5 colour cell.
        std::vector<int16_t> cache(32768, -1);
        auto nearest = [&](QRgb c) {
            int16_t& slot = cache[size_t((qRed(c) >> 3) | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3) << 10)];
            if (slot < 0) slot = int16_t(Nearest(out.palette, c));
            return int(slot);
        };
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const int i = keep ? PixelIndex(x, y) : -1;
                out.SetPixelIndex(x, y, i >= 0 && size_t(i) < out.palette.size() ? i : nearest(Pixel(x, y)));
            }
    } else if (pf == PixelFormat::Bit24 && format_ == PixelFormat::Device) {
        for (int y = 0; y < height_; ++y) {
            const uint8_t* s = ScanLine(y);
            uint8_t* d = out.ScanLine(y);
            for (int x = 0; x < width_; ++x, s += 4, d += 3) std::memcpy(d, s, 3);
        }
    } else {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) out.SetPixel(x, y, Pixel(x, y));
    }
    out.Transparent = Transparent;
    out.TransparentColor = TransparentColor;
    *this = std::move(out);
}

QImage TBitmap::ToImage() const {
    if (Empty()) return QImage();
    if (IsPaletteFormat(format_)) {
        QImage img(width_, height_, QImage::Format_Indexed8);
        QList<QRgb> table(256, 0xFF000000u);
        for (size_t i = 0; i < palette.size() && i < 256; ++i) table[int(i)] = palette[i] | 0xFF000000u;
        img.setColorTable(table);
        for (int y = 0; y < height_; ++y) {
            uchar* d = img.scanLine(y);
            if (format_ == PixelFormat::Bit8) {
                std::memcpy(d, ScanLine(y), static_cast<size_t>(width_));
            } else {
                for (int x = 0; x < width_; ++x) d[x] = uchar(PixelIndex(x, y));
            }
        }
        return img;
    }
    QImage img(width_, height_, QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y) {
        const uint8_t* s = ScanLine(y);
        QRgb* d = reinterpret_cast<QRgb*>(img.scanLine(y));
        if (format_ == PixelFormat::Device) {
            for (int x = 0; x < width_; ++x, s += 4) d[x] = qRgb(s[2], s[1], s[0]);
        } else {
            for (int x = 0; x < width_; ++x, s += 3) d[x] = qRgb(s[2], s[1], s[0]);
        }
    }
    return img;
}

TBitmap TBitmap::FromImage(const QImage& image) {
    TBitmap out(image.width(), image.height(), PixelFormat::Device);
    if (out.Empty()) return out;
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height_; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uint8_t* d = out.ScanLine(y);
        for (int x = 0; x < out.width_; ++x, d += 4) {
            d[0] = uint8_t(qBlue(s[x]));
            d[1] = uint8_t(qGreen(s[x]));
            d[2] = uint8_t(qRed(s[x]));
            d[3] = 0xFF;
        }
    }
    return out;
}

const Palette& SystemPalette20() {
    static const Palette p = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
        qRgb(192, 220, 192), qRgb(166, 202, 240), qRgb(255, 251, 240), qRgb(160, 160, 164),
        qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255)};
    return p;
}

TBitmap NewMask(int width, int height) {
    TBitmap m(width, height, PixelFormat::Bit1);
    m.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return m;
}

} // namespace htmlview
