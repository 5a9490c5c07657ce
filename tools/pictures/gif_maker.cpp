#include "tools/pictures/gif_maker.h"

#include <algorithm>
#include <vector>

namespace corpus {

namespace {

void Le16(std::string& s, int v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

int TableBits(int entries) {
    int bits = 1;
    while ((2 << (bits - 1)) < entries) ++bits;
    return bits; // size field + 1
}

std::string Table(int table, int entries) {
    std::string s;
    for (int i = 0; i < entries; ++i) {
        const QRgb c = GifTableColor(table, i);
        s += char(qRed(c));
        s += char(qGreen(c));
        s += char(qBlue(c));
    }
    return s;
}

std::string SubBlocks(const std::string& data) {
    std::string s;
    for (size_t i = 0; i < data.size(); i += 255) {
        const size_t n = std::min<size_t>(255, data.size() - i);
        s += char(n);
        s += data.substr(i, n);
    }
    s += '\0';
    return s;
}

int BitLength(int v) {
    int n = 0;
    while (v > 0) {
        ++n;
        v >>= 1;
    }
    return n;
}

class BitWriter {
  public:
    void Put(int code, int size) {
        acc_ |= uint32_t(code) << bits_;
        bits_ += size;
        while (bits_ >= 8) {
            out += char(acc_ & 0xFF);
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    void Flush() {
        if (bits_ > 0) out += char(acc_ & 0xFF);
        acc_ = 0;
        bits_ = 0;
    }
    std::string out;

  private:
    uint32_t acc_ = 0;
    int bits_ = 0;
};

} // namespace

QRgb GifTableColor(int table, int i) {
    return qRgb((i * 67 + table * 40) & 255, (i * 29 + 90 + table * 13) & 255, (255 - i * 11 - table * 7) & 255);
}

std::vector<uint8_t> GifPattern(int w, int h, int colors, int seed) {
    std::vector<uint8_t> p(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p[size_t(y) * w + x] = uint8_t((x / 2 + y + seed) % colors);
    return p;
}

std::vector<uint8_t> GifNoise(int w, int h, int colors, uint32_t seed) {
    std::vector<uint8_t> p(size_t(w) * h);
    uint32_t s = seed * 2654435761u + 1;
    for (auto& v : p) {
        s = s * 1664525u + 1013904223u;
        v = uint8_t((s >> 16) % unsigned(colors));
    }
    return p;
}

std::string LzwEncode(const std::vector<uint8_t>& pixels, int m, bool leading_clear, bool defer_clear) {
    const int clear = 1 << m, end = clear + 1;
    std::vector<int16_t> dict(size_t(4096) * 256, -1);
    int next = end + 1;     // our next free code
    int dec_next = end + 1; // the reader's, one entry behind ours
    int since_clear = 0;
    BitWriter w;
    auto size = [&] { return std::min(12, std::max(m + 1, BitLength(dec_next))); };
    auto emit = [&](int code) {
        w.Put(code, size());
        if (code == clear) {
            dec_next = end + 1;
            since_clear = 0;
            return;
        }
        if (since_clear > 0 && dec_next < 4096) ++dec_next;
        ++since_clear;
    };
    if (leading_clear) emit(clear);
    if (!pixels.empty()) {
        int cur = pixels[0];
        for (size_t i = 1; i < pixels.size(); ++i) {
            const int c = pixels[i];
            const int16_t found = dict[size_t(cur) * 256 + c];
            if (found >= 0) {
                cur = found;
                continue;
            }
            emit(cur);
            if (next < 4096) {
                dict[size_t(cur) * 256 + c] = int16_t(next++);
            } else if (!defer_clear) {
                emit(clear);
                std::fill(dict.begin(), dict.end(), int16_t(-1));
                next = end + 1;
            }
            cur = c;
        }
        emit(cur);
    }
    emit(end);
    w.Flush();
    return w.out;
}

std::string MakeGif(const GifSpec& g) {
    std::string s = "GIF" + g.version;
    Le16(s, g.width);
    Le16(s, g.height);
    s += char(g.global_table ? 0x80 | 0x70 | (TableBits(g.global_table) - 1) : 0x70);
    s += '\0'; // background
    s += '\0'; // aspect
    if (g.global_table) s += Table(0, g.global_table);
    if (g.loop >= 0) {
        s += "\x21\xff\x0b";
        s += "NETSCAPE2.0";
        std::string d = "\x01";
        Le16(d, g.loop);
        s += SubBlocks(d);
    }
    if (g.other_application) {
        s += "\x21\xff\x0b";
        s += "XMP DataXMP";
        s += SubBlocks(std::string(300, 'x'));
    }
    for (size_t k = 0; k < g.frames.size(); ++k) {
        const GifFrame& f = g.frames[k];
        if (f.comment_before) s += "\x21\xfe" + SubBlocks("made by the corpus writer");
        if (g.plain_text && k == 0) {
            s += "\x21\x01\x0c";
            for (int v : {0, 0, 8, 8}) Le16(s, v);
            s += std::string("\x08\x08\x01\x00", 4);
            s += SubBlocks("hi");
        }
        if (f.control) {
            s += "\x21\xf9\x04";
            s += char((f.disposal & 7) << 2 | (f.transparent >= 0 ? 1 : 0));
            Le16(s, f.delay);
            s += char(f.transparent >= 0 ? f.transparent : 0);
            s += '\0';
        }
        s += '\x2c';
        Le16(s, f.left);
        Le16(s, f.top);
        Le16(s, f.width);
        Le16(s, f.height);
        int packed = f.interlaced ? 0x40 : 0;
        if (f.local_table) packed |= 0x80 | (TableBits(f.local_table) - 1);
        s += char(packed);
        if (f.local_table) s += Table(int(k) + 1, f.local_table);
        const int table = f.local_table ? f.local_table : g.global_table;
        const int m = f.code_size ? f.code_size : std::max(2, TableBits(table));
        s += char(m);
        // Interlaced pixels go out in pass order (pixels that do not fit the
        // frame go out as they are).
        std::vector<uint8_t> order;
        if (f.interlaced && f.pixels.size() == size_t(f.width) * size_t(f.height)) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.height; y += step[p])
                    order.insert(order.end(), f.pixels.begin() + y * f.width, f.pixels.begin() + (y + 1) * f.width);
        } else {
            order = f.pixels;
        }
        s += SubBlocks(LzwEncode(order, m, f.leading_clear, f.defer_clear));
    }
    if (g.trailer) s += ';';
    return s;
}

} // namespace corpus
