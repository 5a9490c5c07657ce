#include "tools/pictures/png_maker.h"

#include <zlib.h>

#include <cmath>
#include <cstdlib>

namespace corpus {

namespace {

void Be32(std::string& s, uint32_t v) {
    for (int sh = 24; sh >= 0; sh -= 8) s += char((v >> sh) & 0xFF);
}

int PaethOf(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

struct Pass {
    int r0, c0, dr, dc;
};
const Pass kPasses[7] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                         {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};

// One packed row of the pixels at columns c0, c0 + dc, ... of row y.
std::string PackRow(const PngSpec& s, int y, int c0, int dc) {
    const int ch = ChannelsOf(s.color_type);
    std::string row;
    int acc = 0, bits = 0;
    for (int x = c0; x < s.width; x += dc) {
        for (int c = 0; c < ch; ++c) {
            const uint16_t v = Sample(s, x, y, c);
            if (s.depth == 16) {
                row += char(v >> 8);
                row += char(v & 0xFF);
            } else if (s.depth == 8) {
                row += char(v);
            } else {
                acc = (acc << s.depth) | v;
                bits += s.depth;
                if (bits == 8) {
                    row += char(acc);
                    acc = bits = 0;
                }
            }
        }
    }
    if (bits > 0) row += char(acc << (8 - bits));
    return row;
}

// Filters every row with the filter its number picks, so all five occur.
std::string FilterRows(const std::vector<std::string>& rows, int bpp, int salt) {
    std::string out;
    std::string prev;
    for (size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        if (prev.size() != row.size()) prev.assign(row.size(), '\0');
        const int f = int((r + salt) % 5);
        out += char(f);
        for (size_t i = 0; i < row.size(); ++i) {
            const int a = i >= size_t(bpp) ? uint8_t(row[i - bpp]) : 0;
            const int b = uint8_t(prev[i]);
            const int c = i >= size_t(bpp) ? uint8_t(prev[i - bpp]) : 0;
            int pred = 0;
            switch (f) {
            case 1: pred = a; break;
            case 2: pred = b; break;
            case 3: pred = (a + b) / 2; break;
            case 4: pred = PaethOf(a, b, c); break;
            default: break;
            }
            out += char(uint8_t(row[i]) - pred);
        }
        prev = row;
    }
    return out;
}

uint8_t GammaOf(const PngSpec& s, int v) {
    if (s.gamma == 0 || s.gamma_after_idat) return uint8_t(v);
    const double g = s.gamma / 100000.0;
    return uint8_t(std::nearbyint(255.0 * std::pow(v / 255.0, 1.0 / (g * 2.2))));
}

} // namespace

int ChannelsOf(int color_type) {
    return color_type == 2 ? 3 : color_type == 4 ? 2 : color_type == 6 ? 4 : 1;
}

uint16_t Sample(const PngSpec& s, int x, int y, int c) {
    if (s.color_type == 3) return uint16_t((x * 5 + y * 3 + c + s.seed) % s.palette_size);
    const uint32_t v = uint32_t(x * 2053 + y * 4099 + c * 1117 + s.seed * 31 + x * y * 7);
    if (s.depth == 16) return uint16_t(v * 40503u >> 4);
    return uint16_t(v % (1u << s.depth));
}

QRgb PaletteEntry(const PngSpec& s, int i) {
    return qRgb((i * 37 + s.seed) & 255, (i * 91 + 11) & 255, (i * 53 + 200) & 255);
}

std::string PngSignature() { return std::string("\x89PNG\r\n\x1a\n", 8); }

std::string PngChunk(const std::string& name, const std::string& data) {
    std::string s;
    Be32(s, uint32_t(data.size()));
    s += name;
    s += data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(name.data()), 4);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size()));
    Be32(s, uint32_t(crc));
    return s;
}

std::string PngChunkBadCrc(const std::string& name, const std::string& data) {
    std::string s = PngChunk(name, data);
    s.back() = char(s.back() ^ 0x55);
    return s;
}

std::string IhdrData(uint32_t w, uint32_t h, int depth, int color_type, int interlace) {
    std::string d;
    Be32(d, w);
    Be32(d, h);
    d += char(depth);
    d += char(color_type);
    d += '\0';
    d += '\0';
    d += char(interlace);
    return d;
}

std::string Deflate(const std::string& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
              uLong(raw.size()), 9);
    out.resize(size);
    return out;
}

std::string MakePng(const PngSpec& s) {
    const int bpp = std::max(1, s.depth * ChannelsOf(s.color_type) / 8);
    std::string raw;
    if (!s.adam7) {
        std::vector<std::string> rows;
        for (int y = 0; y < s.height; ++y) rows.push_back(PackRow(s, y, 0, 1));
        raw = FilterRows(rows, bpp, s.seed);
    } else {
        for (int p = 0; p < 7; ++p) {
            std::vector<std::string> rows;
            if (kPasses[p].c0 >= s.width) continue;
            for (int y = kPasses[p].r0; y < s.height; y += kPasses[p].dr)
                rows.push_back(PackRow(s, y, kPasses[p].c0, kPasses[p].dc));
            raw += FilterRows(rows, bpp, s.seed + p);
        }
    }
    const std::string z = Deflate(raw);

    std::string out = PngSignature();
    out += PngChunk("IHDR", IhdrData(uint32_t(s.width), uint32_t(s.height), s.depth, s.color_type, s.adam7));
    for (const auto& [name, data] : s.extra) out += PngChunk(name, data);
    std::string gama;
    Be32(gama, s.gamma);
    if (s.gamma && !s.gamma_after_idat) out += PngChunk("gAMA", gama);
    if (s.color_type == 3) {
        std::string plte;
        for (int i = 0; i < s.palette_size; ++i) {
            const QRgb c = PaletteEntry(s, i);
            plte += char(qRed(c));
            plte += char(qGreen(c));
            plte += char(qBlue(c));
        }
        out += PngChunk("PLTE", plte);
    }
    std::string trns;
    for (uint16_t v : s.trns) {
        if (s.color_type != 3) trns += char(v >> 8);
        trns += char(v & 0xFF);
    }
    if (!s.trns.empty() && !s.trns_after_idat) out += PngChunk("tRNS", trns);
    if (s.idat_piece > 0) {
        for (size_t i = 0; i < z.size(); i += size_t(s.idat_piece))
            out += PngChunk("IDAT", z.substr(i, size_t(s.idat_piece)));
    } else {
        out += PngChunk("IDAT", z);
    }
    if (s.gamma && s.gamma_after_idat) out += PngChunk("gAMA", gama);
    if (!s.trns.empty() && s.trns_after_idat) out += PngChunk("tRNS", trns);
    out += PngChunk("IEND", "");
    return out;
}

QRgb ExpectedColor(const PngSpec& s, int x, int y) {
    int r = 0, g = 0, b = 0;
    auto eight = [&](uint16_t v) { return s.depth == 16 ? v >> 8 : v; };
    switch (s.color_type) {
    case 0:
    case 4: {
        const uint16_t v = Sample(s, x, y, 0);
        r = g = b = s.depth < 8 ? v * 255 / ((1 << s.depth) - 1) : eight(v);
        break;
    }
    case 3: {
        const QRgb c = PaletteEntry(s, Sample(s, x, y, 0));
        r = qRed(c), g = qGreen(c), b = qBlue(c);
        break;
    }
    default:
        r = eight(Sample(s, x, y, 0));
        g = eight(Sample(s, x, y, 1));
        b = eight(Sample(s, x, y, 2));
        break;
    }
    return qRgb(GammaOf(s, r), GammaOf(s, g), GammaOf(s, b));
}

} // namespace corpus
