#include "htmlview/gif.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace htmlview {

namespace {

const char* const kMessages[] = {
    "no error",
    "Invalid GIF Signature Code",
    "No Local or Global Color Table for Image",
    "Unknown Graphics Extension Type",
    "Unknown Graphics Operation Code",
    "Invalid Extension Block Size",
    "[special message]",
    "Invalid Extension Block Terminator",
    "Invalid Integer Size",
    "No GIF Terminator Found",
    "Extension Block Out-Of-Order With Image Data",
    "Invalid Image Descriptor Index",
    "Invalid LZW Code Size",
    "Invalid LZW Data Format",
    "LZW Code Overflow",
    "Value Out Of Range",
    "NIL Pointer assigned",
    "Invalid Color Table Size",
    "No Image Description",
    "Invalid Bitmap Image",
    "Invalid Color Table Index",
    "Invalid Interlace Pass",
    "Invalid Bitmap",
    "Too Many Colors In Bitmap",
    "Unexpected end of file",
    "next message",
};

[[noreturn]] void GIFError(int code, const std::string& special = std::string()) {
    const std::string message = code == kGifSpecial ? special : GifErrorMessage(code);
    GifLastErrorState() = {code, message};
    throw EGifError(code, message);
}

// The file's bytes with a read position; every short read is code 24.
class Reader {
  public:
    explicit Reader(std::string bytes) : b_(std::move(bytes)) {}
    bool AtEnd() const { return pos_ >= b_.size(); }
    uint8_t Byte() {
        if (pos_ >= b_.size()) GIFError(kGifEof);
        return uint8_t(b_[pos_++]);
    }
    // The next byte, 0 past the end.
    uint8_t ByteOrZero() { return pos_ < b_.size() ? uint8_t(b_[pos_++]) : 0; }
    uint16_t Word() {
        const uint16_t lo = Byte();
        return uint16_t(lo | Byte() << 8);
    }
    std::string Bytes(size_t n) {
        if (b_.size() - pos_ < n) GIFError(kGifEof);
        std::string s = b_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    void Append(std::string& to, size_t n) {
        if (b_.size() - pos_ < n) GIFError(kGifEof);
        to.append(b_, pos_, n);
        pos_ += n;
    }

  private:
    std::string b_;
    size_t pos_ = 0;
};

std::vector<GifSubBlock> ReadSubBlocks(Reader& r) {
    std::vector<GifSubBlock> blocks;
    for (;;) {
        const uint8_t n = r.Byte();
        if (n == 0) return blocks;
        blocks.push_back({n, r.Bytes(n)});
    }
}

GifColorTable ReadTable(Reader& r, int size) {
    GifColorTable t;
    t.count = size;
    const std::string raw = r.Bytes(size_t(size) * 3);
    for (int i = 0; i < size; ++i)
        t.colors[size_t(i)] = qRgb(uint8_t(raw[3 * i]), uint8_t(raw[3 * i + 1]), uint8_t(raw[3 * i + 2]));
    return t;
}

// LZW decoding of one image's data into its pixel buffer.
class Lzw {
  public:
    Lzw(const std::string& data, int min_size) : data_(data), m_(min_size) {}

    void Decode(GifImageDescriptor& img) {
        if (m_ < 1 || m_ + 1 > 12) GIFError(kGifCodeSize);
        const int clear = 1 << m_, end = clear + 1;
        for (int c = 0; c < clear; ++c) {
            suffix_[c] = uint8_t(c);
            first_[c] = uint8_t(c);
            length_[c] = 1;
            prefix_[c] = 0;
        }
        w_ = img.width, h_ = img.height;
        out_ = img.pixels.data();
        total_ = int64_t(w_) * h_;
        interlaced_ = img.interlaced;

        size_ = m_ + 1;
        int code = 0;
        if (!Next(code)) return;
        // The table starts empty: data that does not open with a clear code
        // cannot be decoded.
        if (code != clear) GIFError(kGifLzwFormat);
        int prev = 0, next = 0, limit = 0;
        for (;;) {
            if (code == clear) {
                size_ = m_ + 1;
                limit = 1 << size_;
                next = end + 1;
                do {
                    if (!Next(code)) return;
                } while (code == clear);
                if (code == end) GIFError(kGifLzwFormat);
                if (code >= next) code = 0;
                Output(code);
                prev = code;
            } else if (code == end) {
                return;
            } else {
                bool added = false;
                if (code < next) {
                    Output(code);
                    if (next <= limit && next < 4096) {
                        Add(next++, prev, first_[code]);
                        added = true;
                    }
                } else if (code == next && next < 4096) {
                    Add(next++, prev, first_[prev]);
                    added = true;
                    Output(code);
                } else {
                    GIFError(kGifLzwFormat);
                }
                if (added && next == limit && size_ < 12) {
                    ++size_;
                    limit <<= 1;
                }
                prev = code;
            }
            if (!Next(code)) return;
        }
    }

  private:
    // The next code; false when the data is used up.
    bool Next(int& code) {
        const int64_t left = int64_t(data_.size()) * 8 - consumed_;
        if (left <= 0) return false;
        while (bits_ < size_) {
            buf_ |= uint32_t(pos_ < data_.size() ? uint8_t(data_[pos_]) : 0) << bits_;
            ++pos_;
            bits_ += 8;
        }
        code = int(buf_ & ((1u << size_) - 1));
        buf_ >>= size_;
        bits_ -= size_;
        consumed_ += size_;
        return true;
    }

    void Add(int at, int prefix, uint8_t c) {
        prefix_[at] = uint16_t(prefix);
        suffix_[at] = c;
        first_[at] = first_[prefix];
        length_[at] = uint16_t(std::min(4096, length_[prefix] + 1));
    }

    void Output(int code) {
        const int len = length_[code];
        if (!interlaced_ && pos_out_ + len <= total_) {
            // Straight into the buffer, from the string's last character back.
            uint8_t* q = out_ + pos_out_ + len - 1;
            int c = code;
            for (int i = 0; i < len; ++i) {
                *q-- = suffix_[c];
                c = prefix_[c];
            }
            pos_out_ += len;
            return;
        }
        int sp = 0;
        int c = code;
        for (;;) {
            if (sp >= 4096) GIFError(kGifLzwFormat); // a walk longer than the table
            stack_[sp++] = suffix_[c];
            if (c < (1 << m_)) break;
            c = prefix_[c];
        }
        while (sp > 0) Put(stack_[--sp]);
    }

    void Put(uint8_t v) {
        if (!interlaced_) {
            if (pos_out_ < total_) out_[pos_out_] = v;
            ++pos_out_;
            return;
        }
        if (w_ == 0 || h_ == 0) return;
        out_[int64_t(y_) * w_ + x_] = v;
        if (++x_ < w_) return;
        x_ = 0;
        static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        y_ += step[pass_];
        // A pass that runs past the last row starts the next (after the
        // fourth, the first again); passes beginning below the image are skipped.
        while (y_ >= h_) {
            pass_ = (pass_ + 1) % 4;
            y_ = start[pass_];
        }
    }

    const std::string& data_;
    int m_;
    int size_ = 0;
    size_t pos_ = 0;
    uint32_t buf_ = 0;
    int bits_ = 0;
    int64_t consumed_ = 0;

    uint16_t prefix_[4096] = {};
    uint8_t suffix_[4096] = {};
    uint8_t first_[4096] = {};
    uint16_t length_[4096] = {};
    uint8_t stack_[4096] = {};

    uint8_t* out_ = nullptr;
    int64_t total_ = 0;
    int64_t pos_out_ = 0;
    bool interlaced_ = false;
    int w_ = 0, h_ = 0, x_ = 0, y_ = 0, pass_ = 0;
};

} // namespace

std::string GifErrorMessage(int code) {
    if (code < 0 || code > kGifNext) return std::string();
    return kMessages[code];
}

GifLastError& GifLastErrorState() {
    static GifLastError state;
    return state;
}

EGifError::EGifError(int code, const std::string& message)
    : EInvalidGraphicOperation("TGif: " + message), code_(code) {}

TGif::TGif() = default;

const GifImageDescriptor& TGif::Image(int i) const {
    if (i < 0 || i >= GetImageCount()) GIFError(kGifRange);
    return images_[size_t(i)];
}

const GifExtension* TGif::Control(int i) const {
    const GifImageDescriptor& img = Image(i);
    for (auto it = img.extensions.rbegin(); it != img.extensions.rend(); ++it)
        if (it->label == 0xF9) return &*it;
    return nullptr;
}

bool TGif::GetIsTransparent() const {
    for (const GifImageDescriptor& img : images_)
        for (const GifExtension& e : img.extensions)
            if (e.label == 0xF9 && e.transparent) return true;
    return false;
}

int TGif::GetImageDelay(int i) const {
    const GifExtension* c = Control(i);
    return c ? std::max<int>(1, c->delay) : 1;
}

int TGif::GetImageDisposal(int i) const {
    const GifExtension* c = Control(i);
    return c ? (c->disposal & 3) : 0;
}

int TGif::GetTransparentIndex(int i) const {
    const GifExtension* c = Control(i);
    return c && c->transparent ? c->transparent_index : -1;
}

namespace {

// The signature and the logical screen descriptor, with the global colour
// table when there is one.
void ReadScreen(Reader& r, std::string& header, GifScreenDescriptor& screen,
                std::vector<GifColorTable>& tables) {
    std::string sig = r.Bytes(6);
    header = sig;
    for (char& c : sig) c = char(std::toupper(uint8_t(c)));
    if (sig != "GIF87A" && sig != "GIF89A") GIFError(kGifSignature);

    screen.width = r.Word();
    screen.height = r.Word();
    const uint8_t packed = r.Byte();
    screen.global_table = packed & 0x80;
    screen.color_resolution = ((packed >> 4) & 7) + 1;
    screen.sorted = packed & 0x08;
    screen.table_size = 2 << (packed & 7);
    screen.background = r.Byte();
    screen.aspect = r.Byte();
    if (screen.global_table) {
        tables.push_back(ReadTable(r, screen.table_size));
        screen.table_index = 0;
    }
}

// One picture after its introducer: its descriptor, colour table and data,
// decoded. The pictures of a file hold at most TGif::kMaxPixels together.
GifImageDescriptor ReadImage(Reader& r, int number, int global_table,
                             std::vector<GifColorTable>& tables, int64_t& pixels_so_far) {
    GifImageDescriptor img;
    img.number = number;
    img.left = r.Word();
    img.top = r.Word();
    img.width = r.Word();
    img.height = r.Word();
    const uint8_t p = r.Byte();
    img.local_table = p & 0x80;
    img.interlaced = p & 0x40;
    img.sorted = p & 0x20;
    img.table_size = 2 << (p & 7);
    if (img.local_table) {
        tables.push_back(ReadTable(r, img.table_size));
        img.table_index = int(tables.size()) - 1;
    } else if (global_table >= 0) {
        img.table_index = global_table;
    } else {
        GIFError(kGifNoColorTable);
    }
    img.code_size = r.Byte();
    std::string data;
    for (;;) {
        const uint8_t n = r.Byte();
        if (n == 0) break;
        r.Append(data, n);
    }
    img.pixel_count = int64_t(img.width) * img.height;
    pixels_so_far += img.pixel_count;
    if (pixels_so_far > TGif::kMaxPixels) throw EOutOfMemory("Out of memory");
    img.pixels.assign(size_t(img.pixel_count), 0);
    Lzw(data, img.code_size).Decode(img);
    return img;
}

// One extension after its introducer; a NETSCAPE block sets the loop count.
// A damaged comment after the pictures gives nothing: the file ends there.
std::optional<GifExtension> ReadExtension(Reader& r, bool after_pictures, int& loop_count) {
    GifExtension e;
    e.label = r.Byte();
    switch (e.label) {
    case 0xF9: {
        e.block_size = r.Byte();
        if (e.block_size != 4) GIFError(kGifExtensionSize);
        const uint8_t p = r.Byte();
        e.disposal = (p >> 2) & 7;
        e.user_input = p & 2;
        e.transparent = p & 1;
        e.delay = r.Word();
        e.transparent_index = r.Byte();
        if (r.Byte() != 0) GIFError(kGifExtensionTerminator);
        break;
    }
    case 0xFE:
        try {
            e.blocks = ReadSubBlocks(r);
        } catch (const EGifError&) {
            if (!after_pictures) throw;
            return std::nullopt;
        }
        break;
    case 0x01:
        e.block_size = r.Byte();
        if (e.block_size != 12) GIFError(kGifExtensionSize);
        e.grid_left = r.Word();
        e.grid_top = r.Word();
        e.grid_width = r.Word();
        e.grid_height = r.Word();
        e.cell_width = r.Byte();
        e.cell_height = r.Byte();
        e.foreground = r.Byte();
        e.background = r.Byte();
        e.blocks = ReadSubBlocks(r);
        break;
    case 0xFF:
        e.block_size = r.Byte();
        if (e.block_size != 11) GIFError(kGifExtensionSize);
        e.identifier = r.Bytes(8);
        e.authentication = r.Bytes(3);
        e.blocks = ReadSubBlocks(r);
        if (e.identifier == "NETSCAPE" && !e.blocks.empty() && e.blocks[0].length == 3)
            loop_count = uint8_t(e.blocks[0].data[1]) | uint8_t(e.blocks[0].data[2]) << 8;
        break;
    default: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", e.label);
        GIFError(kGifSpecial, std::string("unknown extension: ") + hex);
    }
    }
    return e;
}

} // namespace

void TGif::LoadFromStream(TStream& stream) {
    GifLastErrorState() = {};
    std::string bytes;
    {
        const int64_t size = std::max<int64_t>(0, stream.Size() - stream.Position());
        bytes.resize(size_t(size));
        bytes.resize(size_t(std::max<int64_t>(0, stream.Read(bytes.data(), size))));
    }
    Reader r(std::move(bytes));
    images_.clear();
    tables_.clear();
    LoopCount = -1;
    screen_ = {};
    ReadScreen(r, Header, screen_, tables_);

    // The blocks up to the trailer: pictures, and the extensions that go with
    // the next picture.
    std::vector<GifExtension> pending;
    int64_t pixels_so_far = 0;
    for (;;) {
        const uint8_t intro = r.ByteOrZero();
        if (intro == 0 || intro == 0x3B) break;
        if (intro == 0x2C) {
            GifImageDescriptor img =
                ReadImage(r, GetImageCount(), screen_.table_index, tables_, pixels_so_far);
            img.extensions = std::move(pending);
            pending.clear();
            images_.push_back(std::move(img));
        } else if (intro == 0x21) {
            std::optional<GifExtension> e = ReadExtension(r, !images_.empty(), LoopCount);
            if (!e) {
                GifLastErrorState() = {};
                return;
            }
            pending.push_back(std::move(*e));
        } else {
            GIFError(kGifUnknownOpcode);
        }
    }
    if (images_.empty()) GIFError(kGifNoImage);
}

TBitmap TGif::BuildFrameStrip(TBitmap* mask) const {
    const int w = GetWidth(), h = GetHeight(), n = GetImageCount();
    const bool transparent = GetIsTransparent();
    const int64_t strip_bytes = RowBytesFor(int64_t(w) * n, 24) * h;
    const int64_t mask_bytes = transparent ? RowBytesFor(int64_t(w) * n, 8) * h : 0;
    if (int64_t(w) * n > 0x7FFFFFFF || strip_bytes + mask_bytes > kMaxPixels * 4)
        throw EOutOfMemory("Out of memory");
    TBitmap strip(w * n, h, PixelFormat::Bit24);
    TBitmap m;
    if (strip.Empty()) {
        if (mask) *mask = TBitmap();
        return strip; // a screen of no pixels shows nothing
    }
    if (transparent) {
        // One byte per pixel (0 opaque, 1 transparent), so slots copy by rows.
        m = TBitmap(w * n, h, PixelFormat::Bit8);
        m.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        // What frame 0 does not cover shows through.
        for (int y = 0; y < h; ++y) std::memset(m.ScanLine(y), 1, size_t(w));
    }
    // What a frame with disposal 3 covers, as it was before the frame was
    // drawn: pixels and mask rows of its rectangle.
    std::vector<uint8_t> saved_pixels, saved_mask;
    for (int k = 0; k < n; ++k) {
        const size_t x0 = size_t(k) * size_t(w);
        if (k > 0) {
            for (int y = 0; y < h; ++y) {
                uint8_t* row = strip.ScanLine(y);
                std::memcpy(row + x0 * 3, row + (x0 - size_t(w)) * 3, size_t(w) * 3);
                if (transparent) {
                    uint8_t* mrow = m.ScanLine(y);
                    std::memcpy(mrow + x0, mrow + x0 - size_t(w), size_t(w));
                }
            }
            const int d = GetImageDisposal(k - 1);
            const GifImageDescriptor& p = images_[size_t(k - 1)];
            const int right = std::min<int>(w, p.left + p.width), bottom = std::min<int>(h, p.top + p.height);
            if (right > p.left && d == 3) {
                // Back to what the previous frame was drawn over.
                const size_t span = size_t(right - p.left);
                for (int y = p.top; y < bottom; ++y) {
                    const size_t i = size_t(y - p.top) * span;
                    std::memcpy(strip.ScanLine(y) + (x0 + p.left) * 3, saved_pixels.data() + i * 3, span * 3);
                    if (transparent) std::memcpy(m.ScanLine(y) + x0 + p.left, saved_mask.data() + i, span);
                }
            } else if (right > p.left && transparent && d == 2) {
                for (int y = p.top; y < bottom; ++y) std::memset(m.ScanLine(y) + x0 + p.left, 1, size_t(right - p.left));
            }
        }
        const GifImageDescriptor& img = images_[size_t(k)];
        const GifColorTable& table = tables_[size_t(img.table_index)];
        const int ti = GetTransparentIndex(k);
        // The frame's rectangle, cut to the screen.
        const int right = std::min<int>(w, img.left + img.width), bottom = std::min<int>(h, img.top + img.height);
        if (right > img.left && GetImageDisposal(k) == 3 && k + 1 < n) {
            const size_t span = size_t(right - img.left);
            const size_t rows = size_t(std::max(0, bottom - img.top));
            saved_pixels.resize(span * rows * 3);
            saved_mask.resize(transparent ? span * rows : 0);
            for (int y = img.top; y < bottom; ++y) {
                const size_t i = size_t(y - img.top) * span;
                std::memcpy(saved_pixels.data() + i * 3, strip.ScanLine(y) + (x0 + img.left) * 3, span * 3);
                if (transparent) std::memcpy(saved_mask.data() + i, m.ScanLine(y) + x0 + img.left, span);
            }
        }
        for (int y = img.top; y < bottom; ++y) {
            uint8_t* row = strip.ScanLine(y) + x0 * 3;
            uint8_t* mrow = transparent ? m.ScanLine(y) + x0 : nullptr;
            const uint8_t* src = img.pixels.data() + size_t(y - img.top) * img.width;
            for (int x = img.left; x < right; ++x) {
                const int idx = src[x - img.left];
                uint8_t* d = row + size_t(x) * 3;
                if (idx == ti) {
                    if (k == 0) d[0] = d[1] = d[2] = 0;
                    continue;
                }
                const QRgb c = table.colors[size_t(idx)];
                d[0] = uint8_t(qBlue(c));
                d[1] = uint8_t(qGreen(c));
                d[2] = uint8_t(qRed(c));
                if (mrow) mrow[x] = 0;
            }
        }
    }
    if (mask) *mask = std::move(m);
    return strip;
}

} // namespace htmlview
