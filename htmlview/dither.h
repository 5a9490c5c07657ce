#pragma once
// Colour reduction for palette screens: row access to bitmaps, nearest-colour
// lookups, plain and Floyd-Steinberg dithering, and an octree quantiser.
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "htmlview/bitmap.h"

namespace htmlview {

// Errors of the bitmap access classes, by message number.
enum DibError : int {
    kDibAllocate = 65301,
    kDibCreate = 65302,
    kDibNoDib = 65303,
    kDibInvalid = 65304,
    kDibPixelFormat = 65305,
    kDibScanLine = 65306,
};

class GIFException : public EInvalidGraphic {
  public:
    explicit GIFException(int code);
    int Code() const { return code_; }

  private:
    int code_;
};
std::string DibMessage(int code);

class TDIB {
  public:
    TDIB(TBitmap& bitmap, PixelFormat pf) : bitmap_(bitmap), pf_(pf) {}
    virtual ~TDIB() = default;
    virtual uint8_t* GetScanline(int row) = 0;

  protected:
    TBitmap& bitmap_;
    PixelFormat pf_;
};

// Reads the bitmap's own rows, after converting it to `pf` in place.
class TDIBReader : public TDIB {
  public:
    TDIBReader(TBitmap& bitmap, PixelFormat pf);
    uint8_t* GetScanline(int row) override;
};

// Writes rows of a private copy in `pf` (made on the first row asked for);
// the copy replaces the bitmap's pixels when the writer is destroyed.
class TDIBWriter : public TDIB {
  public:
    TDIBWriter(TBitmap& bitmap, PixelFormat pf) : TDIB(bitmap, pf) {}
    ~TDIBWriter() override;
    uint8_t* GetScanline(int row) override;
    void UpdateBitmap();

  private:
    void MakeCopy();
    std::optional<TBitmap> copy_;
};

class TColorLookup {
  public:
    explicit TColorLookup(int colors) : colors_(colors) {}
    virtual ~TColorLookup() = default;
    // The palette index for a colour; r, g, b receive the colour chosen.
    virtual uint8_t Lookup(int red, int green, int blue, int& r, int& g, int& b) = 0;
    int Colors() const { return colors_; }

  protected:
    int colors_;
};

class TFastColorLookup : public TColorLookup {
  public:
    explicit TFastColorLookup(const Palette& palette);
    uint8_t Lookup(int red, int green, int blue, int& r, int& g, int& b) override;

  private:
    std::vector<QRgb> entries_;
    std::vector<uint16_t> cache_; // 32768 entries by 5-5-5 colour; 65535 empty
};

class TNetscapeColorLookup : public TColorLookup {
  public:
    TNetscapeColorLookup() : TColorLookup(216) {}
    uint8_t Lookup(int red, int green, int blue, int& r, int& g, int& b) override;
};

class TDitherEngine {
  public:
    TDitherEngine(int width, TColorLookup& lookup) : width_(width), lookup_(lookup) {}
    virtual ~TDitherEngine() = default;
    virtual uint8_t Dither(int red, int green, int blue, int& r, int& g, int& b);
    virtual void NextLine();
    int Column() const { return column_; }
    int Direction() const { return direction_; }

  protected:
    int direction_ = 1;
    int column_ = 0;
    int width_;
    TColorLookup& lookup_;
};

class TFloydSteinbergEngine : public TDitherEngine {
  public:
    TFloydSteinbergEngine(int width, TColorLookup& lookup);
    uint8_t Dither(int red, int green, int blue, int& r, int& g, int& b) override;
    void NextLine() override;

  private:
    struct Channel {
        std::vector<int> errors; // width + 2, in sixteenths
        int running = 0;         // carried to the next pixel
        int below = 0;           // for the cell below-ahead
        int below_prev = 0;      // for the cell below
    };
    std::array<Channel, 3> ch_;
    int pos_ = 0;
};

enum ColorReduction : int {
    rmNone = 0,
    rmWindows20 = 1,
    rmNetscape = 3,
    rmPalette = 4,
    rmQuantizeWindows = 5,
};
enum DitherMode : int { dmNearest = 0, dmFloydSteinberg = 1 };

// An 8-bit bitmap of `bitmap` with the chosen palette (reduction 0: a 24-bit
// copy). The source is converted to 24 bits in place first. An unknown
// reduction or mode gives the 8-bit bitmap with every pixel 0.
TBitmap ReduceToPalette(TBitmap& bitmap, int reduction, int dither_mode);

// For a palette screen: device pictures copied as they are, others reduced
// to the shared palette (8-bit screens) or the 20 system colours, with
// Floyd-Steinberg. Nothing for an empty bitmap.
std::unique_ptr<TBitmap> DitherBitmapForDisplay(TBitmap* graphic);

Palette Create216ColorPalette();
// Palette of `colors` entries from the octree of the bitmap's colours, with
// `color_bits` levels; with `windows`, entries 0-9 and 246-255 are the system
// colours and 236 colours are found for 10-245.
Palette BuildOctreePalette(TBitmap& bitmap, int colors, int color_bits, bool windows);

// Row size in bytes for `bits` pixels of `bits_per_pixel`, aligned to `alignment` bits.
int64_t AlignBit(int64_t bits, int bits_per_pixel, int alignment);
// Header (with colour table) and pixel sizes of the bitmap's DIB in `pf`.
void GetDIBSizes(const TBitmap& bitmap, int64_t& info_header_size, int64_t& image_size,
                 PixelFormat pf);

} // namespace htmlview
