#include "tools/artwork/bmp24.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace artwork {
namespace {

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v & 0xFF));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t((v >> (8 * i)) & 0xFF));
}

} // namespace

bool write_bmp24(const QImage& picture, const std::string& path) {
    if (picture.isNull()) return false;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const uint32_t row_bytes = (uint32_t(w) * 3 + 3) & ~3u;
    const uint32_t pixel_bytes = row_bytes * uint32_t(h);
    const uint32_t header_bytes = 14 + 40;

    std::vector<uint8_t> out;
    out.reserve(header_bytes + pixel_bytes);
    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    put32(out, header_bytes + pixel_bytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, header_bytes);
    // BITMAPINFOHEADER
    put32(out, 40);
    put32(out, uint32_t(w));
    put32(out, uint32_t(h)); // positive height: rows stored bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, pixel_bytes);
    put32(out, 3780); // 96 dots per inch
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.push_back(uint8_t(qBlue(line[x])));
            out.push_back(uint8_t(qGreen(line[x])));
            out.push_back(uint8_t(qRed(line[x])));
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < row_bytes; ++pad)
            out.push_back(0);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    file.close();
    return bool(file);
}

} // namespace artwork
