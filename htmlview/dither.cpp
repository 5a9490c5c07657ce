#include "htmlview/dither.h"

#include <algorithm>
#include <cstdlib>

#include "htmlview/display.h"

namespace htmlview {

std::string DibMessage(int code) {
    switch (code) {
    case kDibAllocate: return "Failed to allocate memory for GIF DIB";
    case kDibCreate: return "Failed to create DIB from Bitmap";
    case kDibNoDib: return "Image has no DIB";
    case kDibInvalid: return "Bitmap image is not valid";
    case kDibPixelFormat: return "Invalid pixel format";
    case kDibScanLine: return "Scan line index out of range";
    default: return std::string();
    }
}

GIFException::GIFException(int code) : EInvalidGraphic(DibMessage(code)), code_(code) {}

// ---- bitmap access ----

TDIBReader::TDIBReader(TBitmap& bitmap, PixelFormat pf) : TDIB(bitmap, pf) { bitmap.SetPixelFormat(pf); }

uint8_t* TDIBReader::GetScanline(int row) {
    if (row < 0 || row >= bitmap_.Height()) throw EInvalidGraphicOperation(DibMessage(kDibScanLine));
    return bitmap_.ScanLine(row);
}

void TDIBWriter::MakeCopy() {
    if (bitmap_.Empty()) throw GIFException(kDibInvalid);
    if (pf_ == PixelFormat::Device) throw GIFException(kDibPixelFormat);
    TBitmap copy = bitmap_;
    copy.SetPixelFormat(pf_);
    if (pf_ != PixelFormat::Bit24) {
        // The colour table: as many of the bitmap's entries as the format holds.
        const size_t n = std::min(bitmap_.palette.size(), size_t(1) << BitsPerPixel(pf_));
        copy.palette.assign(bitmap_.palette.begin(), bitmap_.palette.begin() + long(n));
    }
    copy_ = std::move(copy);
}

uint8_t* TDIBWriter::GetScanline(int row) {
    if (!copy_) MakeCopy();
    if (!copy_) throw GIFException(kDibNoDib);
    if (row < 0 || row >= copy_->Height()) throw EInvalidGraphicOperation(DibMessage(kDibScanLine));
    return copy_->ScanLine(row);
}

void TDIBWriter::UpdateBitmap() {
    if (!copy_) return;
    bitmap_ = std::move(*copy_);
    copy_.reset();
}

TDIBWriter::~TDIBWriter() { UpdateBitmap(); }

// ---- colour lookups ----

namespace {

inline int Key555(int r, int g, int b) { return (r >> 3) | (g >> 3) << 5 | (b >> 3) << 10; }

} // namespace

TFastColorLookup::TFastColorLookup(const Palette& palette)
    : TColorLookup(int(std::min<size_t>(palette.size(), 256))), cache_(32768, 65535) {
    entries_.assign(palette.begin(), palette.begin() + colors_);
    for (int i = 0; i < colors_; ++i) {
        const QRgb c = entries_[size_t(i)];
        uint16_t& slot = cache_[size_t(Key555(qRed(c), qGreen(c), qBlue(c)))];
        if (slot == 65535) slot = uint16_t(i);
    }
}

uint8_t TFastColorLookup::Lookup(int red, int green, int blue, int& r, int& g, int& b) {
    uint16_t& slot = cache_[size_t(Key555(red, green, blue))];
    if (slot == 65535) {
        int best = 196608, index = 0;
        for (int i = 0; i < colors_; ++i) {
            const QRgb c = entries_[size_t(i)];
            const int d = std::abs(qRed(c) - red) + std::abs(qGreen(c) - green) + std::abs(qBlue(c) - blue);
            if (d < best) {
                best = d;
                index = i;
            }
        }
        slot = uint16_t(index);
    }
    const QRgb c = entries_[slot];
    r = qRed(c), g = qGreen(c), b = qBlue(c);
    return uint8_t(slot);
}

uint8_t TNetscapeColorLookup::Lookup(int red, int green, int blue, int& r, int& g, int& b) {
    const int lr = (red + 3) / 51, lg = (green + 3) / 51, lb = (blue + 3) / 51;
    r = lr * 51, g = lg * 51, b = lb * 51;
    return uint8_t(lb + 6 * lg + 36 * lr);
}

// ---- dither engines ----

uint8_t TDitherEngine::Dither(int red, int green, int blue, int& r, int& g, int& b) {
    const uint8_t i = lookup_.Lookup(red, green, blue, r, g, b);
    column_ += direction_;
    return i;
}

void TDitherEngine::NextLine() {
    direction_ = -direction_;
    column_ = direction_ > 0 ? 0 : width_ - 1;
}

TFloydSteinbergEngine::TFloydSteinbergEngine(int width, TColorLookup& lookup)
    : TDitherEngine(width, lookup) {
    for (Channel& c : ch_) c.errors.assign(size_t(std::max(0, width) + 2), 0);
}

uint8_t TFloydSteinbergEngine::Dither(int red, int green, int blue, int& r, int& g, int& b) {
    // The cell this pixel reads sits one step ahead of the one the last
    // pixel's errors went to; the row holds this row's errors ahead of the
    // position and the next row's behind it.
    const int in[3] = {red, green, blue};
    int v[3];
    for (int k = 0; k < 3; ++k) {
        Channel& c = ch_[size_t(k)];
        v[k] = std::clamp(in[k] + (c.errors[size_t(pos_ + direction_)] + c.running + 8) / 16, 0, 255);
    }
    const uint8_t index = lookup_.Lookup(v[0], v[1], v[2], r, g, b);
    const int chosen[3] = {r, g, b};
    for (int k = 0; k < 3; ++k) {
        Channel& c = ch_[size_t(k)];
        const int e = v[k] - chosen[k];
        c.errors[size_t(pos_)] = c.below_prev + 3 * e; // below-behind
        c.below_prev = c.below + 5 * e;                // below, finished by the next pixel
        c.below = e;                                   // below-ahead
        c.running = 7 * e;
    }
    pos_ += direction_;
    column_ += direction_;
    return index;
}

void TFloydSteinbergEngine::NextLine() {
    for (Channel& c : ch_) {
        c.errors[size_t(pos_)] = c.below_prev;
        c.running = c.below = c.below_prev = 0;
    }
    TDitherEngine::NextLine();
    pos_ = direction_ > 0 ? 0 : width_ + 1;
}

// ---- octree ----

namespace {

struct TOctreeNode {
    bool IsLeaf = false;
    int64_t PixelCount = 0, RedSum = 0, GreenSum = 0, BlueSum = 0;
    TOctreeNode* Next = nullptr;
    std::unique_ptr<TOctreeNode> Child[8];
};

class TColorQuantizer {
  public:
    TColorQuantizer(int max_colors, int color_bits)
        : max_colors_(std::max(1, max_colors)), color_bits_(std::clamp(color_bits, 1, 8)) {}

    void Add(int r, int g, int b) {
        if (!root_) root_ = Create(0);
        TOctreeNode* node = root_.get();
        for (int level = 0;; ++level) {
            if (node->IsLeaf) {
                ++node->PixelCount;
                node->RedSum += r, node->GreenSum += g, node->BlueSum += b;
                break;
            }
            const int shift = 7 - level;
            const int i = ((r >> shift) & 1) << 2 | ((g >> shift) & 1) << 1 | ((b >> shift) & 1);
            if (!node->Child[i]) node->Child[i] = Create(level + 1);
            node = node->Child[i].get();
        }
        while (leaves_ > max_colors_)
            if (!Reduce()) break;
    }

    void Colors(Palette& out, size_t at, size_t limit) const { Walk(root_.get(), out, at, limit); }

  private:
    std::unique_ptr<TOctreeNode> Create(int level) {
        auto n = std::make_unique<TOctreeNode>();
        if (level == color_bits_) {
            n->IsLeaf = true;
            ++leaves_;
        } else {
            n->Next = reducible_[level];
            reducible_[level] = n.get();
        }
        return n;
    }

    bool Reduce() {
        int level = color_bits_ - 1;
        while (level >= 0 && !reducible_[level]) --level;
        if (level < 0) return false;
        TOctreeNode* n = reducible_[level];
        reducible_[level] = n->Next;
        int children = 0;
        for (auto& c : n->Child) {
            if (!c) continue;
            n->PixelCount += c->PixelCount;
            n->RedSum += c->RedSum, n->GreenSum += c->GreenSum, n->BlueSum += c->BlueSum;
            c.reset();
            ++children;
        }
        n->IsLeaf = true;
        leaves_ += 1 - children;
        return true;
    }

    static void Walk(const TOctreeNode* n, Palette& out, size_t& at, size_t limit) {
        if (!n || at >= limit) return;
        if (n->IsLeaf) {
            out[at++] = n->PixelCount == 0 ? qRgb(0, 0, 0)
                                           : qRgb(int(n->RedSum / n->PixelCount), int(n->GreenSum / n->PixelCount),
                                                  int(n->BlueSum / n->PixelCount));
            return;
        }
        for (const auto& c : n->Child) Walk(c.get(), out, at, limit);
    }

    int max_colors_;
    int color_bits_;
    int leaves_ = 0;
    std::unique_ptr<TOctreeNode> root_;
    TOctreeNode* reducible_[9] = {};
};

} // namespace

Palette BuildOctreePalette(TBitmap& bitmap, int colors, int color_bits, bool windows) {
    colors = std::clamp(colors, 0, 256);
    const int quantized = windows ? 236 : colors;
    Palette p(size_t(windows ? 256 : colors), qRgb(0, 0, 0));
    if (windows) {
        const Palette& sys = SystemPalette20();
        for (int i = 0; i < 10; ++i) {
            p[size_t(i)] = sys[size_t(i)];
            p[size_t(246 + i)] = sys[size_t(10 + i)];
        }
    }
    if (quantized < 1 || bitmap.Empty()) return p;
    TColorQuantizer q(quantized, color_bits);
    TDIBReader reader(bitmap, PixelFormat::Bit24);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* row = reader.GetScanline(y);
        for (int x = 0; x < bitmap.Width(); ++x, row += 3) q.Add(row[2], row[1], row[0]);
    }
    const size_t start = windows ? 10 : 0;
    q.Colors(p, start, start + size_t(quantized));
    return p;
}

Palette Create216ColorPalette() {
    Palette p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) p.push_back(qRgb(r * 51, g * 51, b * 51));
    return p;
}

TBitmap ReduceToPalette(TBitmap& bitmap, int reduction, int dither_mode) {
    if (reduction == rmNone) {
        TBitmap copy = bitmap;
        copy.SetPixelFormat(PixelFormat::Bit24);
        return copy;
    }
    TBitmap result(bitmap.Width(), bitmap.Height(), PixelFormat::Bit8);
    const bool known_reduction = reduction == rmWindows20 || reduction == rmNetscape ||
                                 reduction == rmPalette || reduction == rmQuantizeWindows;
    if (!known_reduction || (dither_mode != dmNearest && dither_mode != dmFloydSteinberg) ||
        bitmap.Empty())
        return result; // every pixel 0
    TDIBReader reader(bitmap, PixelFormat::Bit24);
    Palette palette;
    switch (reduction) {
    case rmWindows20: palette = SystemPalette20(); break;
    case rmNetscape: palette = Create216ColorPalette(); break;
    case rmPalette: palette = CopyPalette(Display().ThePalette); break;
    default: palette = BuildOctreePalette(bitmap, 256, 8, true); break;
    }
    result.palette = palette;
    std::unique_ptr<TColorLookup> lookup;
    if (reduction == rmNetscape)
        lookup = std::make_unique<TNetscapeColorLookup>();
    else
        lookup = std::make_unique<TFastColorLookup>(palette);
    if (lookup->Colors() == 0) return result;
    std::unique_ptr<TDitherEngine> engine;
    if (dither_mode == dmNearest)
        engine = std::make_unique<TDitherEngine>(bitmap.Width(), *lookup);
    else
        engine = std::make_unique<TFloydSteinbergEngine>(bitmap.Width(), *lookup);
    {
        TDIBWriter writer(result, PixelFormat::Bit8);
        for (int y = 0; y < bitmap.Height(); ++y) {
            const uint8_t* src = reader.GetScanline(y);
            uint8_t* dst = writer.GetScanline(y);
            int r, g, b;
            for (int x = engine->Column(); x >= 0 && x < bitmap.Width(); x = engine->Column())
                dst[x] = engine->Dither(src[3 * x + 2], src[3 * x + 1], src[3 * x], r, g, b);
            engine->NextLine();
        }
    }
    return result;
}

std::unique_ptr<TBitmap> DitherBitmapForDisplay(TBitmap* graphic) {
    if (!graphic || graphic->Empty()) return nullptr;
    if (graphic->Format() == PixelFormat::Device) return std::make_unique<TBitmap>(*graphic);
    const int reduction = Display().ColorBits >= 8 ? rmPalette : rmWindows20;
    return std::make_unique<TBitmap>(ReduceToPalette(*graphic, reduction, dmFloydSteinberg));
}

int64_t AlignBit(int64_t bits, int bits_per_pixel, int alignment) {
    return (bits * bits_per_pixel + alignment - 1) / alignment * alignment / 8;
}

void GetDIBSizes(const TBitmap& bitmap, int64_t& info_header_size, int64_t& image_size, PixelFormat pf) {
    const int bpp = pf == PixelFormat::Device ? 24 : BitsPerPixel(pf);
    info_header_size = 40 + (bpp <= 8 ? 4 * (int64_t(1) << bpp) : 0);
    image_size = AlignBit(bitmap.Width(), bpp, 32) * std::abs(bitmap.Height());
}

} // namespace htmlview
