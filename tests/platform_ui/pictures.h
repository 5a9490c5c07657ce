#pragma once
// Pictures the window tests draw from: button strips with key-coloured
// pixels, and a background with a different colour in every pixel.
#include <QImage>
#include <string>
#include <vector>

#include "platform/ui/bmp.h"

namespace testsupport {

constexpr QRgb kStripKey = 0xFFFF00FFu;

// `colours.size()` frames of fw x h side by side, frame f in colours[f], with
// every fifth pixel of a diagonal pattern (and the bottom-left one) the key.
inline QImage make_strip(int fw, int h, const std::vector<QRgb>& colours, QRgb key = kStripKey) {
    const int frames = static_cast<int>(colours.size());
    QImage img(fw * frames, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < fw * frames; ++x)
            img.setPixel(x, y, (x % fw + y) % 5 == 0 ? key : colours[x / fw]);
    img.setPixel(0, h - 1, key);
    return img;
}

inline bool is_key(const QImage& strip, int x, int y) {
    return strip.pixel(x, y) == kStripKey;
}

inline QImage pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x & 255, y & 255, (x * 3 + y) & 127));
    return img;
}

// Writes the strips `names` ("but_s\x.bmp") under `folder` (ending in "/"),
// each two frames of the given size, in colours told apart by index.
template <class Sizes>
void write_strips(const std::string& folder, const std::vector<std::string>& names,
                  const Sizes& sizes) {
    for (size_t i = 0; i < names.size(); ++i) {
        const int c = static_cast<int>(i) * 10;
        const QImage strip = make_strip(
            sizes[i].w, sizes[i].h, {qRgb(40, 90, 120 + c % 100), qRgb(70, 150, 190 - c % 100)});
        ui::save_bmp(strip, folder + names[i]);
    }
}

} // namespace testsupport
