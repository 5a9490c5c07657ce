#include "htmlview/png.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "htmlview/zstream.h"

namespace htmlview {

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// Largest ratio of inflated to deflated bytes zlib can reach, with room to spare.
constexpr int64_t kMaxInflateRatio = 1100;

uint32_t GetBE32(const void* p) {
    const unsigned char* b = static_cast<const unsigned char*>(p);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

void PutBE32(std::string& s, uint32_t v) {
    s.push_back(char(v >> 24));
    s.push_back(char(v >> 16));
    s.push_back(char(v >> 8));
    s.push_back(char(v));
}

void WriteBE32(TStream& s, uint32_t v) {
    const unsigned char b[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    s.Write(b, 4);
}

int Channels(int color_type) {
    switch (color_type) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

bool ValidDepth(int color_type, int depth) {
    switch (color_type) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
    }
}

// Bytes of one row of `width` pixels, filter byte not counted.
int64_t RowLength(int color_type, int depth, int64_t width) {
    return (int64_t(depth) * Channels(color_type) * width + 7) / 8;
}

struct Pass {
    int row0, col0, drow, dcol;
};
const Pass kAdam7[7] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                        {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};

int64_t PassSize(int64_t full, int start, int step) {
    return full > start ? (full - start + step - 1) / step : 0;
}

[[noreturn]] void Fail(int code) { throw EPNGImageException(code); }

} // namespace

std::string PngMessage(int code) {
    switch (code) {
    case kPngNoData: return "The current image being loaded has no data and could not be loaded.";
    case kPngInvalidPalette: return "The current image being loaded has an invalid palette!";
    case kPngUnknownColorType: return "Could not read the image because it has an unknown color type.";
    case kPngUnknownFilter:
        return "The image could not be loaded because it uses an unknown set of filter types.";
    case kPngUnknownInterlace: return "The image has an unknown interlace method.";
    case kPngUnknownCritical:
        return "The currently being loaded image contains critical(s) chunk(s) not reconized by the "
               "decoder.";
    case kPngNoPalette: return "The current image requeries a palette but it is not avaliable.";
    case kPngNotRgb:
        return "Can not get transparency information because the current image color type is not "
               "RGB (value 3)";
    case kPngChunkNotOwned:
        return "The especified chunk is not inside the chunk list containing the method being used. "
               "The funcion could not be completed.";
    case kPngInvalidHeader: return "Invalid Portable Graphics Network image, it has an invalid file header.";
    case kPngChunkIndex: return "The chunk index especified is out of the range.";
    case kPngClassIndex: return "The chunk class index especified is  out of range.";
    case kPngCorrupt: return "Can't read the PNG image, it has corrupted data. ";
    case kPngNoIhdr:
        return "This PNG image is invalid, the IHDR chunk is either not present or it isn't the "
               "first chunk.";
    default: return std::string();
    }
}

EPNGImageException::EPNGImageException(int code)
    : EInvalidGraphic("Portable Network Graphics format handler error\r\n\r\n" + PngMessage(code)),
      code_(code) {}

uint32_t PngCrc(const void* data, size_t size, uint32_t crc) {
    return static_cast<uint32_t>(
        crc32(crc, static_cast<const Bytef*>(data), static_cast<uInt>(size)));
}

// ---- registry ----

void TChunkClasses::Register(const std::string& name, TChunkClass cls) { items_.emplace_back(name, cls); }

const std::string& TChunkClasses::Name(int index) const {
    if (index < 0 || index >= Count()) Fail(kPngClassIndex);
    return items_[static_cast<size_t>(index)].first;
}

TChunkClass TChunkClasses::Item(int index) const {
    if (index < 0 || index >= Count()) Fail(kPngClassIndex);
    return items_[static_cast<size_t>(index)].second;
}

int TChunkClasses::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].first == name) return i;
    return -1;
}

int TChunkClasses::IndexOfClass(TChunkClass cls) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].second == cls) return i;
    return -1;
}

TChunkClasses& ChunkClasses() {
    static TChunkClasses registry = [] {
        TChunkClasses r;
        r.Register("IEND", &TChunkIEND::Make);
        r.Register("IHDR", &TChunkIHDR::Make);
        r.Register("gAMA", &TChunkGAMA::Make);
        r.Register("IDAT", &TChunkIDAT::Make);
        r.Register("PLTE", &TChunkPLTE::Make);
        r.Register("tEXt", &TChunkTEXT::Make);
        r.Register("tRNS", &TChunkTRNS::Make);
        return r;
    }();
    return registry;
}

// ---- chunk list ----

TChunk& TChunkList::Item(int index) const {
    if (index < 0 || index >= Count()) Fail(kPngChunkIndex);
    return *items_[static_cast<size_t>(index)];
}

void TChunkList::Add(std::unique_ptr<TChunk> chunk) { items_.push_back(std::move(chunk)); }

TChunk& TChunkList::AddNew(TChunkClass cls) {
    items_.push_back(cls(this));
    return *items_.back();
}

int TChunkList::IndexOf(const TChunk* chunk) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].get() == chunk) return i;
    return -1;
}

int TChunkList::IndexOfClass(TChunkClass cls) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)]->Class() == cls) return i;
    return -1;
}

void TChunkList::Move(int from, int to) {
    if (from < 0 || from >= Count()) Fail(kPngChunkIndex);
    to = std::clamp(to, 0, Count() - 1);
    auto chunk = std::move(items_[static_cast<size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(chunk));
}

void TChunkList::Remove(TChunk* chunk) {
    const int i = IndexOf(chunk);
    if (i < 0 || chunk->Owner() != this) Fail(kPngChunkNotOwned);
    items_.erase(items_.begin() + i);
}

void TChunkList::Clear() {
    while (!items_.empty()) items_.pop_back();
}

// ---- chunks ----

TChunk::TChunk(TChunkList* owner) : owner_(owner) {}

std::unique_ptr<TChunk> TChunk::Make(TChunkList* owner) { return std::make_unique<TChunk>(owner); }
TChunkClass TChunk::Class() const { return &TChunk::Make; }

void TChunk::TakeRegisteredName() {
    const int i = ChunkClasses().IndexOfClass(Class());
    if (i >= 0) Name = ChunkClasses().Name(i);
}

TPNGImage& TChunk::Image() const { return *owner_->Owner(); }

void TChunk::Assign(const TChunk& source) {
    Data = source.Data;
    Name = source.Name;
}

void TChunk::SaveToStream(TStream& stream) {
    WriteBE32(stream, static_cast<uint32_t>(Data.size()));
    stream.Write(Name.data(), 4);
    stream.Write(Data.data(), static_cast<int64_t>(Data.size()));
    const uint32_t crc = PngCrc(Data.data(), Data.size(), PngCrc(Name.data(), 4));
    WriteBE32(stream, crc);
}

#define HTMLVIEW_CHUNK_CLASS(C)                                                                   \
    std::unique_ptr<TChunk> C::Make(TChunkList* owner) { return std::make_unique<C>(owner); }  \
    TChunkClass C::Class() const { return &C::Make; }

HTMLVIEW_CHUNK_CLASS(TChunkIHDR)
HTMLVIEW_CHUNK_CLASS(TChunkIDAT)
HTMLVIEW_CHUNK_CLASS(TChunkPLTE)
HTMLVIEW_CHUNK_CLASS(TChunkGAMA)
HTMLVIEW_CHUNK_CLASS(TChunkTRNS)
HTMLVIEW_CHUNK_CLASS(TChunkTEXT)
HTMLVIEW_CHUNK_CLASS(TChunkIEND)
#undef HTMLVIEW_CHUNK_CLASS

TChunkIHDR::TChunkIHDR(TChunkList* owner) : TChunk(owner) {
    TakeRegisteredName();
    Data.assign(13, '\0');
}

uint32_t TChunkIHDR::Width() const { return Data.size() >= 4 ? GetBE32(Data.data()) : 0; }
uint32_t TChunkIHDR::Height() const { return Data.size() >= 8 ? GetBE32(Data.data() + 4) : 0; }

void TChunkIHDR::Set(uint32_t w, uint32_t h, uint8_t depth, uint8_t color_type, uint8_t interlace) {
    Data.clear();
    PutBE32(Data, w);
    PutBE32(Data, h);
    Data += char(depth);
    Data += char(color_type);
    Data += '\0';
    Data += '\0';
    Data += char(interlace);
}

void TChunkIHDR::Decode() {
    // A header that does not describe a picture this reader can hold.
    if (Data.size() != 13) Fail(kPngCorrupt);
    const uint32_t w = Width(), h = Height();
    if (w == 0 || h == 0 || w > 0x7FFFFFFFu || h > 0x7FFFFFFFu) Fail(kPngCorrupt);
    if (!ValidDepth(ColorType(), BitDepth())) Fail(kPngUnknownColorType);
    if (Compression() != 0) Fail(kPngCorrupt);
    if (Filter() != 0) Fail(kPngUnknownFilter);
    if (Interlace() > 1) Fail(kPngUnknownInterlace);
    if (RowLength(ColorType(), BitDepth(), w) > 0x7FFFFFFF - 8) Fail(kPngCorrupt);
}

void TChunkIHDR::SaveToStream(TStream& stream) {
    TPNGImage& img = Image();
    uint8_t depth = 8, type = 2;
    switch (img.Format()) {
    case PixelFormat::Bit1: depth = 1, type = 3; break;
    case PixelFormat::Bit4: depth = 4, type = 3; break;
    case PixelFormat::Bit8: depth = 8, type = 3; break;
    default: img.SetPixelFormat(PixelFormat::Bit24); break;
    }
    Set(uint32_t(img.Width()), uint32_t(img.Height()), depth, type, img.Interlaced ? 1 : 0);
    TChunk::SaveToStream(stream);
}

TChunkPLTE::TChunkPLTE(TChunkList* owner) : TChunk(owner) { TakeRegisteredName(); }

Palette TChunkPLTE::Entries() const {
    Palette p;
    for (size_t i = 0; i + 2 < Data.size(); i += 3)
        p.push_back(qRgb(uint8_t(Data[i]), uint8_t(Data[i + 1]), uint8_t(Data[i + 2])));
    return p;
}

void TChunkPLTE::SaveToStream(TStream& stream) {
    TPNGImage& img = Image();
    const TChunkGAMA* gamma = Owner()->Find<TChunkGAMA>();
    const bool use = gamma && gamma->Built();
    if (!img.palette.empty()) {
        Data.clear();
        for (QRgb c : img.palette) {
            const int rgb[3] = {qRed(c), qGreen(c), qBlue(c)};
            for (int v : rgb) Data += char(use ? gamma->Inverse[v] : v);
        }
    }
    TChunk::SaveToStream(stream);
}

TChunkGAMA::TChunkGAMA(TChunkList* owner) : TChunk(owner) {
    TakeRegisteredName();
    Data.clear();
    PutBE32(Data, 1);
}

uint32_t TChunkGAMA::Value() const { return Data.size() >= 4 ? GetBE32(Data.data()) : 0; }
bool TChunkGAMA::Valid() const { return Data.size() >= 4 && Value() > 0; }

void TChunkGAMA::Decode() {
    built_ = false;
    if (!Valid()) return; // a zero or short gAMA says nothing usable
    const double g = Value() / 100000.0;
    for (int i = 0; i < 256; ++i) {
        const double v = 255.0 * std::pow(i / 255.0, 1.0 / (g * 2.2));
        const double r = std::nearbyint(v);
        Forward[i] = uint8_t(std::clamp(r, 0.0, 255.0));
        Inverse[Forward[i]] = uint8_t(i);
    }
    built_ = true;
}

void TChunkGAMA::Assign(const TChunk& source) {
    TChunk::Assign(source);
    if (auto* g = dynamic_cast<const TChunkGAMA*>(&source)) {
        std::memcpy(Forward, g->Forward, sizeof Forward);
        std::memcpy(Inverse, g->Inverse, sizeof Inverse);
        built_ = g->built_;
    }
}

TChunkTRNS::TChunkTRNS(TChunkList* owner) : TChunk(owner) { TakeRegisteredName(); }

QRgb TChunkTRNS::TransparentColor(bool* valid) const {
    const TChunkIHDR* h = Owner()->Find<TChunkIHDR>();
    if (!h || h->ColorType() != 2) Fail(kPngNotRgb);
    const bool ok = Data.size() >= 6;
    if (valid) *valid = ok;
    if (!ok) return 0xFF000000u;
    // At either depth the high byte of each 16-bit sample; at depth 8 that
    // byte is 0 and the low byte carries the value.
    const bool deep = h->BitDepth() == 16;
    auto sample = [&](int i) { return uint8_t(Data[size_t(2 * i + (deep ? 0 : 1))]); };
    return qRgb(sample(0), sample(1), sample(2));
}

void TChunkTRNS::SaveToStream(TStream& stream) {
    const TChunkIHDR* h = Owner()->Find<TChunkIHDR>();
    if (!h || h->ColorType() != 2) return;
    const QRgb c = Image().TransparentColor;
    // Back through the gamma table, as the pixels are.
    const TChunkGAMA* gamma = Owner()->Find<TChunkGAMA>();
    const bool use = gamma && gamma->Built();
    Data.clear();
    for (int v : {qRed(c), qGreen(c), qBlue(c)}) {
        Data += '\0';
        Data += char(use ? gamma->Inverse[v] : v);
    }
    TChunk::SaveToStream(stream);
}

TChunkTEXT::TChunkTEXT(TChunkList* owner) : TChunk(owner) {
    Name = "tEXt";
    Data.assign(2, '\0');
}

TChunkIEND::TChunkIEND(TChunkList* owner) : TChunk(owner) { TakeRegisteredName(); }

TChunkIDAT::TChunkIDAT(TChunkList* owner) : TChunk(owner) { TakeRegisteredName(); }

// ---- pixel decoding ----

namespace {

inline int Paeth(int a, int b, int c) {
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes the row filter: `raw` as read, `row` the result. `row` and `prev`
// have `bpp` zero bytes before their first byte, so the left neighbour needs
// no test.
void Unfilter(int type, const uint8_t* raw, uint8_t* row, const uint8_t* prev, int64_t len, int bpp) {
    switch (type) {
    case 0: std::memcpy(row, raw, size_t(len)); break;
    case 1:
        for (int64_t i = 0; i < len; ++i) row[i] = uint8_t(raw[i] + row[i - bpp]);
        break;
    case 2:
        for (int64_t i = 0; i < len; ++i) row[i] = uint8_t(raw[i] + prev[i]);
        break;
    case 3:
        for (int64_t i = 0; i < len; ++i) row[i] = uint8_t(raw[i] + ((row[i - bpp] + prev[i]) >> 1));
        break;
    case 4:
        for (int64_t i = 0; i < len; ++i)
            row[i] = uint8_t(raw[i] + Paeth(row[i - bpp], prev[i], prev[i - bpp]));
        break;
    default: Fail(kPngUnknownFilter);
    }
}

struct RowWriter {
    TBitmap& bmp;
    int color_type;
    int depth;
    const uint8_t* gamma; // forward table or null
    // Truecolour with a transparent colour: its samples as the file gives
    // them (6 bytes) and as it is stored (blue, green, red); else null.
    const uint8_t* key = nullptr;
    uint8_t key_stored[3] = {};

    // Places `count` pixels of an unfiltered row at columns x0, x0 + dx, ... of row y.
    void Put(const uint8_t* src, int64_t count, int y, int x0, int dx) const {
        uint8_t* dst = bmp.ScanLine(y);
        if (color_type == 2 || color_type == 6) {
            const int step = (depth / 8) * Channels(color_type);
            const int hi = depth / 8; // bytes per sample
            uint8_t* d = dst + 3 * x0;
            const int64_t dstep = 3 * int64_t(dx);
            if (key) {
                // The key is compared with the samples as read, whole, before
                // the gamma table (or the cut to 8 bits) can make another
                // colour equal to it; such a colour moves one step in blue.
                for (int64_t i = 0; i < count; ++i, src += step, d += dstep) {
                    d[0] = gamma ? gamma[src[2 * hi]] : src[2 * hi];
                    d[1] = gamma ? gamma[src[hi]] : src[hi];
                    d[2] = gamma ? gamma[src[0]] : src[0];
                    if (std::memcmp(d, key_stored, 3) != 0) continue;
                    bool is_key = true;
                    for (int c = 0; c < 3 && is_key; ++c)
                        is_key = depth == 16 ? src[2 * c] == key[2 * c] && src[2 * c + 1] == key[2 * c + 1]
                                             : src[c] == key[2 * c + 1];
                    if (!is_key) d[0] ^= 1;
                }
                return;
            }
            if (gamma) {
                for (int64_t i = 0; i < count; ++i, src += step, d += dstep) {
                    d[0] = gamma[src[2 * hi]];
                    d[1] = gamma[src[hi]];
                    d[2] = gamma[src[0]];
                }
            } else {
                for (int64_t i = 0; i < count; ++i, src += step, d += dstep) {
                    d[0] = src[2 * hi];
                    d[1] = src[hi];
                    d[2] = src[0];
                }
            }
            return;
        }
        if (color_type == 4 || depth == 16) {
            const int step = (depth / 8) * Channels(color_type);
            uint8_t* d = dst + x0;
            for (int64_t i = 0; i < count; ++i, src += step, d += dx) *d = src[0];
            return;
        }
        if (dx == 1 && x0 == 0 && depth != 2) {
            std::memcpy(dst, src, static_cast<size_t>((count * depth + 7) / 8));
            return;
        }
        if (depth == 8) {
            for (int64_t i = 0; i < count; ++i) dst[x0 + i * dx] = src[i];
            return;
        }
        const int per_byte = 8 / depth;
        const int mask = (1 << depth) - 1;
        for (int64_t i = 0; i < count; ++i) {
            const int shift = 8 - depth * int(i % per_byte + 1);
            int v = (src[i / per_byte] >> shift) & mask;
            if (depth == 2) v *= 5; // 0..3 spread over 0..15
            bmp.SetPixelIndex(int(x0 + i * dx), y, v);
        }
    }
};

// The bytes the rows of each pass take as stored (a filter byte and the
// row each): all passes together and the largest.
struct PassBytes {
    int64_t total = 0, largest = 0;
};

PassBytes pass_bytes(int ct, int depth, int64_t width, int64_t height, bool adam7) {
    PassBytes b;
    for (int p = 0; p < (adam7 ? 7 : 1); ++p) {
        const Pass ps = adam7 ? kAdam7[p] : Pass{0, 0, 1, 1};
        const int64_t pw = PassSize(width, ps.col0, ps.dcol), ph = PassSize(height, ps.row0, ps.drow);
        if (pw <= 0 || ph <= 0) continue;
        const int64_t bytes = ph * (RowLength(ct, depth, pw) + 1);
        b.total += bytes;
        b.largest = std::max(b.largest, bytes);
    }
    return b;
}

QRgb through_gamma(const TChunkGAMA* gamma, QRgb c) {
    if (!gamma) return c;
    return qRgb(gamma->Forward[qRed(c)], gamma->Forward[qGreen(c)], gamma->Forward[qBlue(c)]);
}

// The colour table of a palette or grey image, through the gamma table.
Palette image_palette(TChunkList& list, int ct, int depth, const TChunkGAMA* gamma) {
    Palette pal;
    if (ct == 3) {
        const TChunkPLTE* plte = list.Find<TChunkPLTE>();
        if (!plte) Fail(kPngNoPalette);
        if (plte->Data.empty() || plte->Data.size() % 3 != 0 || plte->Data.size() > 3 * 256)
            Fail(kPngInvalidPalette);
        for (QRgb c : plte->Entries()) pal.push_back(through_gamma(gamma, c));
    } else if (ct == 0 || ct == 4) {
        const int n = depth >= 8 ? 256 : 1 << depth;
        for (int i = 0; i < n; ++i) {
            const int v = i * 255 / (n - 1);
            pal.push_back(through_gamma(gamma, qRgb(v, v, v)));
        }
    }
    if (depth == 2 && pal.size() < 16) {
        // Samples are spread over 0..15; the table repeats its first four
        // entries (missing ones black) so that 0, 5, 10, 15 find them.
        pal.resize(4, qRgb(0, 0, 0));
        for (int i = 4; i < 16; ++i) pal.push_back(pal[size_t(i % 4)]);
    }
    return pal;
}

// Inflates the rows of each pass, unfilters them and writes them out.
void read_passes(TPNGImage& img, TZDecompressionStream& z, const RowWriter& writer, int ct, int depth, int64_t width,
                 int64_t height, bool adam7) {
    const int bpp = std::max(1, depth * Channels(ct) / 8);
    const int64_t max_len = RowLength(ct, depth, width);
    std::vector<uint8_t> buf_a(static_cast<size_t>(max_len + bpp)), buf_b(buf_a.size());
    // A pass's rows as read (filter byte and row each), inflated in one go:
    // zlib's fast path runs on large outputs.
    const int64_t raw_max = pass_bytes(ct, depth, width, height, adam7).largest;
    const std::unique_ptr<uint8_t[]> raw(new uint8_t[size_t(raw_max)]);
    for (int p = 0; p < (adam7 ? 7 : 1); ++p) {
        const Pass ps = adam7 ? kAdam7[p] : Pass{0, 0, 1, 1};
        const int64_t pw = PassSize(width, ps.col0, ps.dcol), ph = PassSize(height, ps.row0, ps.drow);
        if (pw == 0 || ph == 0) continue; // an empty pass has no rows at all
        const int64_t len = RowLength(ct, depth, pw);
        std::fill(buf_a.begin(), buf_a.end(), 0);
        std::fill(buf_b.begin(), buf_b.end(), 0);
        // Each row buffer: bpp zeros, then the row.
        uint8_t* cur = buf_a.data() + bpp;
        uint8_t* prev = buf_b.data() + bpp;
        const int64_t pass_bytes = ph * (len + 1);
        if (z.Read(raw.get(), pass_bytes) != pass_bytes) Fail(kPngCorrupt);
        for (int64_t r = 0; r < ph; ++r) {
            const uint8_t* line = raw.get() + r * (len + 1);
            Unfilter(line[0], line + 1, cur, prev, len, bpp);
            writer.Put(cur, pw, int(ps.row0 + r * ps.drow), ps.col0, ps.dcol);
            std::swap(cur, prev);
            if (!adam7 && img.OnProgress) img.OnProgress(int(r * 100 / height));
        }
        if (adam7 && img.OnProgress) img.OnProgress(p * 100 / 6);
    }
}

} // namespace

void TChunkIDAT::Decode() {
    TPNGImage& img = Image();
    TChunkList& list = *Owner();
    const TChunkIHDR& h = static_cast<const TChunkIHDR&>(list.Item(0));
    const int depth = h.BitDepth(), ct = h.ColorType();
    if (ct != 0 && ct != 2 && ct != 3 && ct != 4 && ct != 6) Fail(kPngUnknownColorType);
    if (h.Interlace() > 1) Fail(kPngUnknownInterlace);
    const int64_t width = h.Width(), height = h.Height();

    // Only a gAMA that comes before the image data applies to it.
    const TChunkGAMA* gamma = nullptr;
    const int gi = list.IndexOfClass(&TChunkGAMA::Make);
    if (gi >= 0 && gi < list.IndexOf(this)) {
        auto* g = static_cast<const TChunkGAMA*>(&list.Item(gi));
        if (g->Built()) gamma = g;
    }

    // Enough compressed data for the rows the header promises? Checked before
    // any memory is taken for them.
    const bool adam7 = h.Interlace() == 1;
    if (pass_bytes(ct, depth, width, height, adam7).total > int64_t(Data.size()) * kMaxInflateRatio + 64)
        Fail(kPngCorrupt);

    PixelFormat pf = PixelFormat::Bit24;
    if (ct == 0 || ct == 3 || ct == 4)
        pf = depth == 1 ? PixelFormat::Bit1 : depth <= 4 ? PixelFormat::Bit4 : PixelFormat::Bit8;
    Palette pal = image_palette(list, ct, depth, gamma);
    TBitmap fresh(0, 0, pf);
    fresh.SetSize(int(width), int(height));
    fresh.palette = std::move(pal);
    static_cast<TBitmap&>(img) = std::move(fresh);

    TViewStream source(Data);
    TZDecompressionStream z(source);
    RowWriter writer{img, ct, depth, ct == 2 || ct == 6 ? (gamma ? gamma->Forward : nullptr) : nullptr};
    const TChunkTRNS* trns = ct == 2 ? list.Find<TChunkTRNS>() : nullptr;
    if (trns && trns->Data.size() >= 6) {
        const QRgb k = through_gamma(gamma, trns->TransparentColor());
        writer.key = reinterpret_cast<const uint8_t*>(trns->Data.data());
        writer.key_stored[0] = uint8_t(qBlue(k));
        writer.key_stored[1] = uint8_t(qGreen(k));
        writer.key_stored[2] = uint8_t(qRed(k));
    }
    read_passes(img, z, writer, ct, depth, width, height, adam7);
}

void TChunkIDAT::SaveToStream(TStream& stream) {
    TPNGImage& img = Image();
    img.Interlaced = false;
    const TChunkGAMA* gamma = Owner()->Find<TChunkGAMA>();
    const uint8_t* inverse = gamma && gamma->Built() ? gamma->Inverse : nullptr;
    const bool rgb = img.Format() == PixelFormat::Bit24;
    const int bpp = rgb ? 3 : 1;
    const int64_t len = rgb ? int64_t(img.Width()) * 3 : (int64_t(img.Width()) * BitsPerPixel(img.Format()) + 7) / 8;

    TMemoryStream out;
    {
        TZCompressionStream z(TCompressionLevel::Default, out);
        std::vector<uint8_t> prev_buf(static_cast<size_t>(len + bpp)), cur_buf(prev_buf.size());
        std::vector<uint8_t> trial(static_cast<size_t>(len + 1)), best(trial.size());
        uint8_t* prev = prev_buf.data() + bpp;
        uint8_t* cur = cur_buf.data() + bpp;
        const PngFilterSet set = img.Filters();
        for (int y = 0; y < img.Height(); ++y) {
            const uint8_t* line = img.ScanLine(y);
            if (rgb) {
                for (int64_t i = 0; i < len; i += 3) {
                    cur[i] = line[i + 2];
                    cur[i + 1] = line[i + 1];
                    cur[i + 2] = line[i];
                    if (inverse)
                        for (int k = 0; k < 3; ++k) cur[i + k] = inverse[cur[i + k]];
                }
            } else {
                std::memcpy(cur, line, static_cast<size_t>(len));
            }
            int best_count = -1;
            best[0] = 0;
            std::memcpy(best.data() + 1, cur, static_cast<size_t>(len));
            if (set != FilterBit(PngFilter::None)) {
                for (int f = 0; f < 5; ++f) {
                    if (!(set & (1u << f))) continue;
                    trial[0] = uint8_t(f);
                    uint8_t* t = trial.data() + 1;
                    for (int64_t i = 0; i < len; ++i) {
                        const int a = cur[i - bpp], b = prev[i], c = prev[i - bpp];
                        int pred = 0;
                        switch (f) {
                        case 1: pred = a; break;
                        case 2: pred = b; break;
                        case 3: pred = (a + b) >> 1; break;
                        case 4: pred = Paeth(a, b, c); break;
                        default: break;
                        }
                        t[i] = uint8_t(cur[i] - pred);
                    }
                    int count = 0;
                    for (int64_t i = 4; i < len; ++i)
                        if (t[i] == t[i - 1] && t[i] == t[i - 2] && t[i] == t[i - 3] && t[i] == t[i - 4])
                            ++count;
                    if (count > best_count && (count > 0 || f == 0)) {
                        best_count = count;
                        best = trial;
                    }
                }
            }
            z.Write(best.data(), static_cast<int64_t>(best.size()));
            std::swap(cur, prev);
        }
        z.Finish();
    }
    Data = out.Bytes();
    TChunk::SaveToStream(stream);
}

// ---- the picture ----

TPNGImage::TPNGImage() : TBitmap(0, 0, PixelFormat::Bit4) { AddDefaultChunks(); }

TPNGImage::TPNGImage(TPNGImage&& other) noexcept
    : TBitmap(std::move(other)),
      Interlaced(other.Interlaced),
      OnProgress(std::move(other.OnProgress)),
      chunks_(std::move(other.chunks_)),
      filters_(other.filters_) {
    chunks_->SetOwner(this);
    other.chunks_ = std::make_unique<TChunkList>(&other);
}

void TPNGImage::AddDefaultChunks() {
    auto& ihdr = static_cast<TChunkIHDR&>(chunks_->AddNew(&TChunkIHDR::Make));
    ihdr.Set(0, 0, 2, 3, 0);
    palette.clear();
    chunks_->AddNew(&TChunkIDAT::Make);
    chunks_->AddNew(&TChunkIEND::Make);
}

void TPNGImage::LoadFromStream(TStream& stream) {
    chunks_->Clear();
    AddDefaultChunks();
    chunks_->Clear();
    unsigned char sig[8];
    if (stream.Read(sig, 8) != 8 || std::memcmp(sig, kSignature, 8) != 0) Fail(kPngInvalidHeader);

    const int64_t size = stream.Size();
    TChunkIDAT* first_idat = nullptr;
    for (;;) {
        const int64_t pos = stream.Position();
        if (pos >= size) break;
        unsigned char head[8];
        if (stream.Read(head, 8) != 8) Fail(kPngCorrupt);
        const uint32_t length = GetBE32(head);
        // The length must fit the data that is left, its CRC included.
        if (length > 0x7FFFFFFFu || int64_t(length) + 4 > size - pos - 8) Fail(kPngCorrupt);
        const std::string name(reinterpret_cast<const char*>(head + 4), 4);
        const int ci = ChunkClasses().IndexOfName(name);
        if (ci < 0 && !(name[0] & 0x20)) Fail(kPngUnknownCritical);
        std::unique_ptr<TChunk> chunk = ci >= 0 ? ChunkClasses().Item(ci)(chunks_.get()) : TChunk::Make(chunks_.get());
        chunk->Name = name;
        chunk->Data.resize(length);
        if (stream.Read(chunk->Data.data(), length) != int64_t(length)) Fail(kPngCorrupt);
        unsigned char crc_bytes[4];
        if (stream.Read(crc_bytes, 4) != 4) Fail(kPngCorrupt);
        if (GetBE32(crc_bytes) != PngCrc(chunk->Data.data(), length, PngCrc(head + 4, 4))) Fail(kPngCorrupt);
        const bool end = chunk->Class() == &TChunkIEND::Make;
        if (chunk->Class() == &TChunkIDAT::Make && first_idat) {
            first_idat->Data += chunk->Data;
        } else {
            if (chunk->Class() == &TChunkIDAT::Make) first_idat = static_cast<TChunkIDAT*>(chunk.get());
            chunks_->Add(std::move(chunk));
        }
        if (end) break;
    }
    if (chunks_->Count() == 0 || chunks_->Item(0).Class() != &TChunkIHDR::Make) Fail(kPngNoIhdr);
    if (!first_idat) Fail(kPngNoData);
    for (int i = 0; i < chunks_->Count(); ++i) chunks_->Item(i).Decode();

    const auto& h = static_cast<const TChunkIHDR&>(chunks_->Item(0));
    if (const TChunkTRNS* t = chunks_->Find<TChunkTRNS>(); t && h.ColorType() == 2) {
        bool valid = false;
        QRgb c = t->TransparentColor(&valid);
        if (valid) {
            // The pixels went through the gamma table; so does their key.
            const int gi = chunks_->IndexOfClass(&TChunkGAMA::Make);
            if (gi >= 0 && gi < chunks_->IndexOf(first_idat)) {
                const auto& g = static_cast<const TChunkGAMA&>(chunks_->Item(gi));
                if (g.Built()) c = qRgb(g.Forward[qRed(c)], g.Forward[qGreen(c)], g.Forward[qBlue(c)]);
            }
            TransparentColor = c;
            Transparent = true;
        }
    }
}

void TPNGImage::SaveToStream(TStream& stream) {
    // Rows are always written in order, so the header must not claim Adam7.
    Interlaced = false;
    stream.Write(kSignature, 8);
    if (chunks_->Count() == 0) AddDefaultChunks();
    if (chunks_->Item(0).Class() != &TChunkIHDR::Make) {
        chunks_->AddNew(&TChunkIHDR::Make);
        chunks_->Move(chunks_->Count() - 1, 0);
    }
    const PixelFormat pf = Format();
    if ((pf == PixelFormat::Bit1 || pf == PixelFormat::Bit4 || pf == PixelFormat::Bit8) &&
        !chunks_->Find<TChunkPLTE>()) {
        chunks_->AddNew(&TChunkPLTE::Make);
        chunks_->Move(chunks_->Count() - 1, 1);
    }
    if (Transparent) {
        if (!chunks_->Find<TChunkTRNS>()) {
            chunks_->AddNew(&TChunkTRNS::Make);
            chunks_->Move(chunks_->Count() - 1, 1);
        }
    } else {
        while (TChunkTRNS* t = chunks_->Find<TChunkTRNS>()) chunks_->Remove(t);
    }
    if (!chunks_->Find<TChunkIEND>()) chunks_->AddNew(&TChunkIEND::Make);
    if (!chunks_->Find<TChunkIDAT>()) {
        chunks_->AddNew(&TChunkIDAT::Make);
        chunks_->Move(chunks_->Count() - 1, 1);
    }
    for (int i = 0; i < chunks_->Count(); ++i) {
        TChunk& c = chunks_->Item(i);
        if (c.Name.size() == 4 && !(c.Name[3] & 0x20)) c.SaveToStream(stream);
    }
}

void TPNGImage::Assign(const TPNGImage& source) {
    if (&source == this) return;
    chunks_->Clear();
    for (int i = 0; i < source.chunks_->Count(); ++i) {
        const TChunk& src = source.chunks_->Item(i);
        const int ci = ChunkClasses().IndexOfName(src.Name);
        TChunk& c = chunks_->AddNew(ci >= 0 ? ChunkClasses().Item(ci) : &TChunk::Make);
        c.Assign(src);
    }
    filters_ = source.filters_;
    Interlaced = source.Interlaced;
    static_cast<TBitmap&>(*this) = static_cast<const TBitmap&>(source);
}

} // namespace htmlview
