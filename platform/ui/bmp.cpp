#include "platform/ui/bmp.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/os/atomic_file.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "platform/os/read_file.h"

namespace ui {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

class Reader {
  public:
    Reader(const std::string& bytes, const std::string& name) : b_(bytes), name_(name) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw BitmapError("Cannot read bitmap " + os::path_text(name_) + ": " + what);
    }
    void need(uint64_t end) const {
        if (end > b_.size()) fail("the file is truncated");
    }
    uint32_t u8(size_t at) const { return static_cast<unsigned char>(b_[at]); }
    uint32_t u16(size_t at) const {
        need(at + 2);
        return u8(at) | u8(at + 1) << 8;
    }
    uint32_t u32(size_t at) const {
        need(at + 4);
        return u8(at) | u8(at + 1) << 8 | u8(at + 2) << 16 | u8(at + 3) << 24;
    }
    size_t size() const { return b_.size(); }
    const unsigned char* data(size_t at) const {
        return reinterpret_cast<const unsigned char*>(b_.data()) + at;
    }

  private:
    const std::string& b_;
    const std::string& name_;
};

// One colour channel given by a bit mask, widened to 8 bits by repeating its bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m = 0) : mask(m) {
        if (!m) return;
        while (!(m & 1)) {
            m >>= 1;
            ++shift;
        }
        while (m & 1) {
            m >>= 1;
            ++bits;
        }
    }
    uint32_t get(uint32_t px) const {
        if (!bits) return 0;
        uint32_t v = (px & mask) >> shift;
        if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
        uint32_t out = 0;
        int filled = 0;
        while (filled < 8) {
            out = (out << bits) | v;
            filled += bits;
        }
        return (out >> (filled - 8)) & 0xFF;
    }
};

// What the headers say about the pixels.
struct Header {
    uint32_t off_bits = 0;
    int64_t width = 0, height = 0;
    bool top_down = false;
    uint32_t bpp = 0;
    uint32_t colours_used = 0;
    size_t entry = 4; // palette entry size
    size_t after_header = 0;
    Channel red, green, blue;
    bool masks_given = false;
};

Header read_header(const Reader& r, const std::string& bytes) {
    r.need(18);
    if (bytes[0] != 'B' || bytes[1] != 'M') r.fail("not a bitmap file");
    Header h;
    h.off_bits = r.u32(10);
    const uint32_t hdr = r.u32(14);
    uint32_t compression = kBiRgb;
    h.after_header = 14 + static_cast<size_t>(hdr);

    if (hdr == 12) {
        h.width = r.u16(18);
        h.height = r.u16(20);
        h.bpp = r.u16(24);
        h.entry = 3;
    } else if (hdr >= 40 && hdr <= 1024) {
        h.width = static_cast<int32_t>(r.u32(18));
        h.height = static_cast<int32_t>(r.u32(22));
        h.bpp = r.u16(28);
        compression = r.u32(30);
        h.colours_used = r.u32(46);
        if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
            // The masks sit in the longer headers, else right after the 40-byte one.
            size_t at = 54;
            if (hdr == 40) h.after_header += compression == kBiAlphaBitfields ? 16 : 12;
            h.red = Channel(r.u32(at));
            h.green = Channel(r.u32(at + 4));
            h.blue = Channel(r.u32(at + 8));
            h.masks_given = true;
            compression = kBiBitfields;
        }
    } else {
        r.fail("unknown header size " + std::to_string(hdr));
    }

    const uint32_t bpp = h.bpp;
    if (compression != kBiRgb && compression != kBiBitfields)
        r.fail("compression " + std::to_string(compression) + " is not supported");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        r.fail(std::to_string(bpp) + " bits per pixel are not supported");
    if (h.masks_given && bpp != 16 && bpp != 32) r.fail("bit fields need 16 or 32 bits per pixel");

    h.top_down = h.height < 0;
    if (h.top_down) h.height = -h.height;
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide ||
        h.width * h.height > kMaxPixels)
        r.fail("invalid size " + std::to_string(h.width) + " x " + std::to_string(h.height));

    if (!h.masks_given && bpp == 16) {
        h.red = Channel(0x7C00);
        h.green = Channel(0x03E0);
        h.blue = Channel(0x001F);
    }
    return h;
}

std::vector<QRgb> read_palette(const Reader& r, const Header& h) {
    std::vector<QRgb> palette;
    if (h.bpp > 8) return palette;
    // More colours than the pixels can name are never used: read no further.
    uint64_t n = h.colours_used ? h.colours_used : (1u << h.bpp);
    if (n > (1u << h.bpp)) n = 1u << h.bpp;
    r.need(h.after_header + n * h.entry);
    palette.resize(1u << h.bpp, qRgb(0, 0, 0));
    for (uint64_t i = 0; i < n; ++i) {
        const unsigned char* p = r.data(h.after_header + i * h.entry);
        palette[i] = qRgb(p[2], p[1], p[0]);
    }
    return palette;
}

void decode_row(const unsigned char* src, QRgb* dst, const Header& h,
                const std::vector<QRgb>& palette) {
    const Channel &red = h.red, &green = h.green, &blue = h.blue;
    for (int64_t x = 0; x < h.width; ++x) {
        switch (h.bpp) {
        case 1:
            dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            break;
        case 8:
            dst[x] = palette[src[x]];
            break;
        case 16: {
            uint32_t px = src[2 * x] | src[2 * x + 1] << 8;
            dst[x] = qRgb(red.get(px), green.get(px), blue.get(px));
            break;
        }
        case 24:
            dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        case 32:
            if (h.masks_given) {
                const unsigned char* p = src + 4 * x;
                uint32_t px = p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
                dst[x] = qRgb(red.get(px), green.get(px), blue.get(px));
            } else {
                dst[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
            }
            break;
        }
    }
}

} // namespace

QImage decode_bmp(const std::string& bytes, const std::string& name) {
    Reader r(bytes, name);
    const Header h = read_header(r, bytes);
    const std::vector<QRgb> palette = read_palette(r, h);

    const uint64_t stride = (static_cast<uint64_t>(h.width) * h.bpp + 31) / 32 * 4;
    const uint64_t row_bytes = (static_cast<uint64_t>(h.width) * h.bpp + 7) / 8;
    r.need(static_cast<uint64_t>(h.off_bits) + stride * (h.height - 1) + row_bytes);

    QImage img(static_cast<int>(h.width), static_cast<int>(h.height), QImage::Format_RGB32);
    if (img.isNull()) r.fail("out of memory");
    for (int64_t row = 0; row < h.height; ++row) {
        const int y = static_cast<int>(h.top_down ? row : h.height - 1 - row);
        decode_row(r.data(h.off_bits + stride * row), reinterpret_cast<QRgb*>(img.scanLine(y)), h,
                   palette);
    }
    return img;
}

QImage load_bmp(const std::string& path) {
    // A stream would throw its own error for a folder or a failing disc.
    std::string bytes;
    switch (os::read_whole_file(path, bytes)) {
    case os::ReadStatus::ok: return decode_bmp(bytes, path);
    case os::ReadStatus::missing: throw BitmapError("Cannot open bitmap " + os::path_text(path));
    case os::ReadStatus::failed: break;
    }
    throw BitmapError("Cannot read bitmap " + os::path_text(path));
}

bool try_load_bmp(const std::string& path, QImage& out, std::string* error) {
    try {
        out = load_bmp(path);
        return true;
    } catch (const BitmapError& e) {
        if (error) *error = e.what();
        return false;
    }
}

bool save_bmp(const QImage& image, const std::string& path) {
    if (image.isNull()) return false;
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const uint32_t w = img.width(), h = img.height();
    const uint32_t stride = (w * 3 + 3) / 4 * 4;
    const uint32_t data_size = stride * h;
    std::string out(54 + static_cast<size_t>(data_size), '\0');
    auto put16 = [&](size_t at, uint32_t v) {
        out[at] = char(v & 0xFF);
        out[at + 1] = char((v >> 8) & 0xFF);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, 54 + data_size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    put16(26, 1);
    put16(28, 24);
    put32(34, data_size);
    put32(38, 3780); // 96 dots per inch
    put32(42, 3780);
    for (uint32_t row = 0; row < h; ++row) {
        const QRgb* src = reinterpret_cast<const QRgb*>(img.constScanLine(h - 1 - row));
        char* dst = out.data() + 54 + static_cast<size_t>(row) * stride;
        for (uint32_t x = 0; x < w; ++x) {
            dst[3 * x] = char(qBlue(src[x]));
            dst[3 * x + 1] = char(qGreen(src[x]));
            dst[3 * x + 2] = char(qRed(src[x]));
        }
    }

    // A failed write leaves a picture that was there as it was.
    const std::string real = os::resolve(path);
    std::error_code ec;
    const auto parent = std::filesystem::path(real).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    return os::atomic_replace(real, out);
}

QRgb default_transparent_color(const QImage& image) {
    if (image.isNull()) return qRgb(0, 0, 0);
    return image.pixel(0, image.height() - 1) | 0xFF000000u;
}

} // namespace ui
