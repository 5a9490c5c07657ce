// PNG decoding speed: the same set of 13 pictures (photo-like and
// screenshot-like, 8 and 16 bits, palette, grey and truecolour, with and
// without alpha, gamma and interlace, each at least one megapixel) decoded
// into 24-bit blue-green-red rows by our decoder and by libpng (palettes
// expanded, 16 bits stripped to 8, alpha dropped, gamma applied as ours
// does), in one run. The pictures are written by libpng with its usual
// filter choice.
//   bench_png [rounds]
// Last line: png_ratio=<libpng time / ours> png_mb_s=<MB of rows per second, ours>
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_pictures.h"
#include "bench/timing.h"
#include "htmlview/png.h"

using namespace htmlview;

namespace {

struct Spec {
    const char* name;
    int w, h, color_type, depth;
    bool interlaced;
    double gamma; // 0: no gAMA
    bool screenshot;
};

void WriteTo(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), n);
}
void NoFlush(png_structp) {}

std::string Encode(const Spec& s, uint32_t seed) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, WriteTo, NoFlush);
    png_set_IHDR(png, info, s.w, s.h, s.depth, s.color_type,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> pal;
    if (s.color_type == PNG_COLOR_TYPE_PALETTE) {
        for (int i = 0; i < (1 << s.depth); ++i)
            pal.push_back({png_byte(i * 37), png_byte(255 - i * 11), png_byte(i * 73)});
        png_set_PLTE(png, info, pal.data(), int(pal.size()));
    }
    if (s.gamma > 0) png_set_gAMA(png, info, s.gamma);
    png_write_info(png, info);
    const int ch = s.color_type == PNG_COLOR_TYPE_RGB ? 3 : s.color_type == PNG_COLOR_TYPE_RGBA ? 4
                   : s.color_type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
    const size_t row_bytes = (size_t(s.w) * ch * s.depth + 7) / 8;
    std::vector<png_byte> image(row_bytes * s.h);
    if (s.screenshot) {
        const auto idx = bench::screenshot(s.w, s.h, s.color_type == PNG_COLOR_TYPE_PALETTE ? 1 << s.depth : 256, seed);
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x) {
                const int v = idx[size_t(y) * s.w + x];
                png_byte* row = image.data() + row_bytes * y;
                if (s.color_type == PNG_COLOR_TYPE_PALETTE) {
                    if (s.depth == 8) row[x] = png_byte(v);
                    else row[x / 2] |= png_byte(v << ((x & 1) ? 0 : 4));
                } else {
                    row[3 * x] = png_byte(v * 37), row[3 * x + 1] = png_byte(255 - v * 11), row[3 * x + 2] = png_byte(v * 73);
                }
            }
    } else {
        const auto px = bench::photo(s.w, s.h, seed);
        for (int y = 0; y < s.h; ++y) {
            png_byte* row = image.data() + row_bytes * y;
            for (int x = 0; x < s.w; ++x) {
                const bench::Rgb16& p = px[size_t(y) * s.w + x];
                const uint16_t grey = uint16_t((p.r * 3u + p.g * 6u + p.b) / 10);
                const uint16_t samples[4] = {ch <= 2 ? grey : p.r, ch <= 2 ? p.a : p.g, p.b, p.a};
                for (int c = 0; c < ch; ++c) {
                    if (s.depth == 16) {
                        row[(x * ch + c) * 2] = png_byte(samples[c] >> 8);
                        row[(x * ch + c) * 2 + 1] = png_byte(samples[c]);
                    } else {
                        row[x * ch + c] = png_byte(samples[c] >> 8);
                    }
                }
            }
        }
    }
    std::vector<png_bytep> rows(s.h);
    for (int y = 0; y < s.h; ++y) rows[size_t(y)] = image.data() + row_bytes * y;
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct ReadState {
    const std::string* bytes;
    size_t pos;
};
void ReadFrom(png_structp png, png_bytep data, png_size_t n) {
    auto* st = static_cast<ReadState*>(png_get_io_ptr(png));
    if (st->pos + n > st->bytes->size()) png_error(png, "short");
    std::memcpy(data, st->bytes->data() + st->pos, n);
    st->pos += n;
}

// libpng into BGR rows of w * 3 bytes.
void DecodeLibpng(const std::string& bytes, std::vector<uint8_t>& out, int& w, int& h) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    ReadState st{&bytes, 0};
    png_set_read_fn(png, &st, ReadFrom);
    png_read_info(png, info);
    w = int(png_get_image_width(png, info));
    h = int(png_get_image_height(png, info));
    const int ct = png_get_color_type(png, info);
    png_set_palette_to_rgb(png);
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    if (ct == PNG_COLOR_TYPE_GRAY || ct == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    double file_gamma = 0;
    if (png_get_gAMA(png, info, &file_gamma)) png_set_gamma(png, 2.2, file_gamma);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    out.resize(size_t(w) * 3 * h);
    std::vector<png_bytep> rows(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) rows[size_t(y)] = out.data() + size_t(w) * 3 * y;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
}

// Ours into the same rows: 24-bit pictures copied, palette ones looked up.
void DecodeOurs(const std::string& bytes, std::vector<uint8_t>& out, int& w, int& h) {
    TPNGImage img;
    TViewStream s(bytes);
    img.LoadFromStream(s);
    w = img.Width(), h = img.Height();
    out.resize(size_t(w) * 3 * h);
    if (img.Format() == PixelFormat::Bit24) {
        for (int y = 0; y < h; ++y) std::memcpy(out.data() + size_t(w) * 3 * y, img.ScanLine(y), size_t(w) * 3);
        return;
    }
    uint8_t lut[256][3] = {};
    for (size_t i = 0; i < img.palette.size() && i < 256; ++i) {
        lut[i][0] = uint8_t(qBlue(img.palette[i]));
        lut[i][1] = uint8_t(qGreen(img.palette[i]));
        lut[i][2] = uint8_t(qRed(img.palette[i]));
    }
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = img.ScanLine(y);
        uint8_t* d = out.data() + size_t(w) * 3 * y;
        if (img.Format() == PixelFormat::Bit8) {
            for (int x = 0; x < w; ++x, d += 3) std::memcpy(d, lut[src[x]], 3);
        } else {
            for (int x = 0; x < w; ++x, d += 3) std::memcpy(d, lut[img.PixelIndex(x, y)], 3);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const Spec specs[] = {
        {"photo rgb8", 1280, 960, PNG_COLOR_TYPE_RGB, 8, false, 0, false},
        {"photo rgb8 adam7", 1280, 960, PNG_COLOR_TYPE_RGB, 8, true, 0, false},
        {"photo rgb8 gamma adam7", 1200, 900, PNG_COLOR_TYPE_RGB, 8, true, 0.45455, false},
        {"photo rgb16", 1024, 1024, PNG_COLOR_TYPE_RGB, 16, false, 0, false},
        {"photo rgba8", 1200, 900, PNG_COLOR_TYPE_RGBA, 8, false, 0, false},
        {"photo rgba16 adam7", 1024, 1024, PNG_COLOR_TYPE_RGBA, 16, true, 0, false},
        {"photo grey8", 1280, 1024, PNG_COLOR_TYPE_GRAY, 8, false, 0, false},
        {"photo grey16", 1024, 1024, PNG_COLOR_TYPE_GRAY, 16, false, 0, false},
        {"photo grey-alpha8", 1280, 960, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, 0, false},
        {"screen palette8", 1280, 1024, PNG_COLOR_TYPE_PALETTE, 8, false, 0, true},
        {"screen palette8 adam7", 1280, 1024, PNG_COLOR_TYPE_PALETTE, 8, true, 0, true},
        {"screen palette4", 1280, 1024, PNG_COLOR_TYPE_PALETTE, 4, false, 0, true},
        {"screen rgb8 gamma", 1280, 1024, PNG_COLOR_TYPE_RGB, 8, false, 0.45455, true},
    };
    std::vector<std::string> files;
    double megabytes = 0;
    for (size_t i = 0; i < std::size(specs); ++i) {
        files.push_back(Encode(specs[i], uint32_t(i + 1)));
        megabytes += specs[i].w * 3.0 * specs[i].h / 1e6;
        // The two decoders agree where no gamma is involved.
        std::vector<uint8_t> a, b;
        int w1, h1, w2, h2;
        DecodeOurs(files.back(), a, w1, h1);
        DecodeLibpng(files.back(), b, w2, h2);
        const bool same = w1 == w2 && h1 == h2 && a == b;
        std::printf("%-24s %4dx%-4d %8zu bytes  %s\n", specs[i].name, w1, h1, files.back().size(),
                    same ? "same rows" : specs[i].gamma > 0 || specs[i].depth == 16 ? "rows differ (rounding)" : "ROWS DIFFER");
    }
    std::vector<double> ours, theirs;
    std::vector<uint8_t> rows;
    int w, h;
    for (int r = 0; r < rounds; ++r) {
        ours.push_back(bench::seconds([&] {
            for (const std::string& f : files) DecodeOurs(f, rows, w, h);
        }));
        theirs.push_back(bench::seconds([&] {
            for (const std::string& f : files) DecodeLibpng(f, rows, w, h);
        }));
    }
    const double o = bench::median(ours), t = bench::median(theirs);
    std::printf("ours %.1f ms, libpng %.1f ms for %.1f MB of rows (median of %d)\n", o * 1e3, t * 1e3, megabytes, rounds);
    std::printf("png_ratio=%.2f png_mb_s=%.0f\n", t / o, megabytes / o);
    return 0;
}
