#pragma once
// The viewer's bitmap: a device-independent picture of 1, 4, 8 or 24 bits per
// pixel with a colour table, or a "device" picture of 32 bits (the form the
// screen uses). Rows are stored top-down, each padded to a multiple of four
// bytes, in the byte order of Windows bitmaps: 24-bit pixels are blue, green,
// red; packed pixels start in the high bits of a byte. The decoders write
// straight into it; the canvas draws what ToImage() gives.
#include <QImage>
#include <QRgb>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace htmlview {

// Failures of the picture classes, as the class library reports them.
class EInvalidGraphic : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class EInvalidGraphicOperation : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class EOutOfMemory : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class PixelFormat { Device, Bit1, Bit4, Bit8, Bit24 };

int BitsPerPixel(PixelFormat pf); // Device counts as 32
// Bytes of one row of `width` pixels, padded to 32 bits.
int64_t RowBytesFor(int64_t width, int bits_per_pixel);

// Largest pixel block a bitmap may have; larger requests raise EOutOfMemory.
constexpr int64_t kMaxBitmapBytes = int64_t(256) << 20;

using Palette = std::vector<QRgb>; // entries as 0xFFRRGGBB

class TBitmap {
  public:
    TBitmap() = default;
    TBitmap(int width, int height, PixelFormat pf);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    PixelFormat Format() const { return format_; }
    int RowBytes() const { return row_bytes_; }

    // New size, pixels cleared to 0. Negative sizes count as 0.
    void SetSize(int width, int height);
    // Converts the pixels: to Bit24 and Device through the colour table, to a
    // palette format by the nearest entry of the current colour table (or of
    // the 20 system colours when there is none).
    void SetPixelFormat(PixelFormat pf);

    uint8_t* ScanLine(int y) { return bits_.data() + static_cast<size_t>(y) * row_bytes_; }
    const uint8_t* ScanLine(int y) const {
        return bits_.data() + static_cast<size_t>(y) * row_bytes_;
    }
    std::vector<uint8_t>& Bits() { return bits_; }
    const std::vector<uint8_t>& Bits() const { return bits_; }

    // Colour-table index of a palette pixel (0 for the other formats).
    int PixelIndex(int x, int y) const;
    void SetPixelIndex(int x, int y, int index);
    // The pixel's colour; a palette index past the table gives black.
    QRgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, QRgb color); // 24-bit and device pictures

    Palette palette;
    bool Transparent = false;
    QRgb TransparentColor = 0xFF000000u;

    // A QImage of the same pixels: palette formats as indexed 8-bit (the table
    // padded with black), 24 bits as RGB32, device as RGB32.
    QImage ToImage() const;
    // A device picture from any QImage (alpha dropped).
    static TBitmap FromImage(const QImage& image);

    bool operator==(const TBitmap&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Device;
    int row_bytes_ = 0;
    std::vector<uint8_t> bits_;
};

// The 20 colours Windows reserves in every palette: the first ten and the
// last ten entries of its default palette.
const Palette& SystemPalette20();

// A monochrome mask: 1-bit, entry 0 black, entry 1 white (white = transparent).
TBitmap NewMask(int width, int height);
inline bool MaskIsWhite(const TBitmap& mask, int x, int y) {
    return mask.PixelIndex(x, y) != 0;
}

} // namespace htmlview
