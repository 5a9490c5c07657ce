#pragma once
// The programs' look: the palette and the geometry types. Each window's own
// geometry lives in a file beside it (shared/form20_geometry.h, trainer/form1_geometry.h, ...),
// which the window and the artwork generator include.
#include <cstdint>

namespace look {

struct Rect {
    int x, y, w, h;
};
struct Size {
    int w, h;
};

// Transparent key of every strip and picture: it occurs nowhere in the artwork,
// and every strip has it in its bottom-left pixel.
constexpr uint32_t klucz_przezroczysty = 0xFF00FF;

// Palette (0xRRGGBB).
constexpr uint32_t granat = 0x1F3A5F;      // deep blue: title bars, text on light ground
constexpr uint32_t morski = 0x2E6F8E;      // sea blue: buttons
constexpr uint32_t morski_jasny = 0x4A98BA;  // buttons highlighted
constexpr uint32_t krem = 0xF6F1E4;        // light ground of windows
constexpr uint32_t piasek = 0xE4D9BC;      // panels on the light ground
constexpr uint32_t pomarancz = 0xE8833A;   // accent: due indicator, focus
constexpr uint32_t tekst = 0x22313F;       // body text

}  // namespace look
