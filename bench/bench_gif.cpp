// GIF decoding speed: the same set of pictures (photo-like ones reduced to
// 256 colours, screenshots, animations, interlaced ones) decoded to palette
// indices for every frame by our decoder and by giflib's DGifSlurp, in one
// run; then our composition of the frames into the strip with its mask,
// timed apart. The files are written by giflib's encoder.
//   bench_gif [rounds]
// Last line: gif_ratio=<giflib time / ours> gif_compose_ms=<median>
#include <gif_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_pictures.h"
#include "bench/timing.h"
#include "htmlview/gif.h"

using namespace htmlview;

namespace {

struct Frame {
    int left, top, w, h;
    std::vector<uint8_t> px;
    int disposal = 0, delay = 5, transparent = -1;
};

struct Spec {
    const char* name;
    int w, h;
    bool interlaced;
    std::vector<Frame> frames;
    int colors = 256;
};

int WriteTo(GifFileType* gif, const GifByteType* data, int n) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size_t(n));
    return n;
}

std::string Encode(const Spec& s) {
    std::string out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, WriteTo, &err);
    EGifSetGifVersion(gif, true);
    int bits = 1;
    while ((1 << bits) < s.colors) ++bits;
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < (1 << bits); ++i)
        map->Colors[i] = {GifByteType(i * 37), GifByteType(255 - i * 11), GifByteType(i * 73)};
    EGifPutScreenDesc(gif, s.w, s.h, bits, 0, map);
    if (s.frames.size() > 1) {
        const unsigned char loop[3] = {1, 0, 0};
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
        EGifPutExtensionBlock(gif, 3, loop);
        EGifPutExtensionTrailer(gif);
    }
    for (const Frame& f : s.frames) {
        GraphicsControlBlock gcb{f.disposal, false, f.delay, f.transparent};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext);
        EGifPutImageDesc(gif, f.left, f.top, f.w, f.h, s.interlaced, nullptr);
        std::vector<int> order;
        if (s.interlaced) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.h; y += step[p]) order.push_back(y);
        } else {
            for (int y = 0; y < f.h; ++y) order.push_back(y);
        }
        for (int y : order)
            EGifPutLine(gif, const_cast<GifPixelType*>(f.px.data() + size_t(y) * f.w), f.w);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out;
}

// A photo reduced to 256 colours: 8 levels of red and green, 4 of blue,
// with an ordered dither so the colours spread like a real reduction.
std::vector<uint8_t> ReducedPhoto(int w, int h, uint32_t seed) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const auto px = bench::photo(w, h, seed);
    std::vector<uint8_t> out(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bench::Rgb16& p = px[size_t(y) * w + x];
            const int d = bayer[y & 3][x & 3];
            const int r = std::min(7, (p.r * 7 + d * 4096) >> 16), g = std::min(7, (p.g * 7 + d * 4096) >> 16),
                      b = std::min(3, (p.b * 3 + d * 4096) >> 16);
            out[size_t(y) * w + x] = uint8_t(r << 5 | g << 2 | b);
        }
    return out;
}

struct Source {
    const std::string* bytes;
    size_t pos;
};
int ReadFrom(GifFileType* gif, GifByteType* data, int n) {
    auto* s = static_cast<Source*>(gif->UserData);
    const size_t k = std::min(size_t(n), s->bytes->size() - s->pos);
    std::memcpy(data, s->bytes->data() + s->pos, k);
    s->pos += k;
    return int(k);
}

size_t DecodeGiflib(const std::string& bytes) {
    Source src{&bytes, 0};
    int err = 0;
    GifFileType* gif = DGifOpen(&src, ReadFrom, &err);
    if (!gif || DGifSlurp(gif) != GIF_OK) std::abort();
    const size_t n = size_t(gif->ImageCount);
    DGifCloseFile(gif, &err);
    return n;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::vector<Spec> specs;
    specs.push_back({"photo 1280x960", 1280, 960, false, {{0, 0, 1280, 960, ReducedPhoto(1280, 960, 1)}}});
    specs.push_back({"photo 1600x1200", 1600, 1200, false, {{0, 0, 1600, 1200, ReducedPhoto(1600, 1200, 2)}}});
    specs.push_back({"photo 1024x1024 interlaced", 1024, 1024, true, {{0, 0, 1024, 1024, ReducedPhoto(1024, 1024, 3)}}});
    specs.push_back({"screen 1280x1024 16 colours", 1280, 1024, false, {{0, 0, 1280, 1024, bench::screenshot(1280, 1024, 16, 4)}}, 16});
    {
        Spec a{"animation 640x480 x 12, boxes", 640, 480, false, {}};
        a.frames.push_back({0, 0, 640, 480, ReducedPhoto(640, 480, 5)});
        for (int k = 1; k < 12; ++k) {
            Frame f{40 * k, 20 * k, 200, 150, ReducedPhoto(200, 150, uint32_t(10 + k))};
            f.disposal = k % 4;
            f.transparent = 0;
            a.frames.push_back(f);
        }
        specs.push_back(a);
    }
    {
        Spec a{"animation 400x300 x 30", 400, 300, false, {}};
        for (int k = 0; k < 30; ++k) a.frames.push_back({0, 0, 400, 300, ReducedPhoto(400, 300, uint32_t(40 + k))});
        specs.push_back(a);
    }
    {
        Spec a{"animation 480x360 x 8 interlaced", 480, 360, true, {}};
        for (int k = 0; k < 8; ++k) a.frames.push_back({0, 0, 480, 360, bench::screenshot(480, 360, 256, uint32_t(k))});
        specs.push_back(a);
    }
    std::vector<std::string> files;
    for (const Spec& s : specs) {
        files.push_back(Encode(s));
        TGif gif;
        TViewStream in(files.back());
        gif.LoadFromStream(in);
        bool same = gif.GetImageCount() == int(s.frames.size());
        for (size_t k = 0; same && k < s.frames.size(); ++k) same = gif.Images()[k].pixels == s.frames[k].px;
        std::printf("%-34s %8zu bytes  %s\n", s.name, files.back().size(), same ? "same indices" : "INDICES DIFFER");
    }
    std::vector<double> ours, theirs, compose;
    for (int r = 0; r < rounds; ++r) {
        ours.push_back(bench::seconds([&] {
            for (const std::string& f : files) {
                TGif gif;
                TViewStream in(f);
                gif.LoadFromStream(in);
            }
        }));
        theirs.push_back(bench::seconds([&] {
            for (const std::string& f : files) DecodeGiflib(f);
        }));
    }
    std::vector<TGif> decoded(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        TViewStream in(files[i]);
        decoded[i].LoadFromStream(in);
    }
    for (int r = 0; r < rounds; ++r)
        compose.push_back(bench::seconds([&] {
            for (const TGif& g : decoded) {
                TBitmap mask;
                g.BuildFrameStrip(&mask);
            }
        }) * 1e3);
    const double o = bench::median(ours), t = bench::median(theirs);
    std::printf("ours %.1f ms, giflib %.1f ms (median of %d); composition %.1f ms\n", o * 1e3, t * 1e3, rounds,
                bench::median(compose));
    std::printf("gif_ratio=%.2f gif_compose_ms=%.1f\n", t / o, bench::median(compose));
    return 0;
}
