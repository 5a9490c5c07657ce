#pragma once
// Pictures for the decoder benchmarks, made in memory: photo-like ones
// (smooth shapes, light and grain) and screenshot-like ones (flat panels,
// lines and small glyph-like marks).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace bench {

struct Rgb16 {
    uint16_t r, g, b, a;
};

// A w x h picture of 16-bit samples.
inline std::vector<Rgb16> photo(int w, int h, uint32_t seed) {
    std::vector<Rgb16> px(size_t(w) * h);
    uint32_t s = seed * 747796405u + 2891336453u;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            const double grain = ((s >> 20) & 1023) / 1023.0 - 0.5;
            const double u = double(x) / w, v = double(y) / h;
            const double sky = 0.55 + 0.4 * std::sin(3.1 * u + seed) * std::cos(2.3 * v);
            const double hill = 0.5 + 0.5 * std::sin(9.0 * u * v + 0.7 * seed);
            const double r = std::clamp(0.2 + 0.6 * sky + 0.08 * grain, 0.0, 1.0);
            const double g = std::clamp(0.15 + 0.5 * hill + 0.2 * v + 0.08 * grain, 0.0, 1.0);
            const double b = std::clamp(0.3 + 0.5 * (1 - v) * sky + 0.08 * grain, 0.0, 1.0);
            px[size_t(y) * w + x] = {uint16_t(r * 65535), uint16_t(g * 65535), uint16_t(b * 65535),
                                     uint16_t(std::clamp(0.6 + 0.4 * hill, 0.0, 1.0) * 65535)};
        }
    return px;
}

// Palette indices (0..colors-1) of a screenshot-like picture.
inline std::vector<uint8_t> screenshot(int w, int h, int colors, uint32_t seed) {
    std::vector<uint8_t> px(size_t(w) * h, uint8_t(1 % colors));
    auto fill = [&](int x0, int y0, int x1, int y1, int c) {
        for (int y = std::max(0, y0); y < std::min(h, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(w, x1); ++x) px[size_t(y) * w + x] = uint8_t(c % colors);
    };
    fill(0, 0, w, 24, 2);                 // title bar
    fill(0, 24, 180, h, 3);               // side panel
    for (int i = 0; i < 40; ++i) fill(200 + (i % 5) * 210, 40 + (i / 5) * 120, 390 + (i % 5) * 210, 150 + (i / 5) * 120, 4 + i);
    uint32_t s = seed;
    for (int y = 50; y + 10 < h; y += 14)  // lines of "text"
        for (int x = 210; x < w - 20; x += 7) {
            s = s * 1103515245u + 12345u;
            if ((s >> 16) % 5 == 0) { x += 7; continue; }
            for (int k = 0; k < 9; ++k)
                if ((s >> (k + 3)) & 1) px[size_t(y + k) * w + x + (k % 5)] = 0;
        }
    return px;
}

} // namespace bench
