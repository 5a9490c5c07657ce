#pragma once
// What the viewer knows of the screen: its colour depth, reduced to 4, 8 or
// 24 bits, and on an 8-bit screen the shared palette every picture is drawn
// with. Qt surfaces are never 8-bit, so tests force a depth to reach the
// palette paths.
#include "htmlview/bitmap.h"

namespace htmlview {

struct DisplayState {
    int ColorBits = 24;     // 4, 8 or 24
    Palette ThePalette;     // only when ColorBits is 8
    bool IsWin95 = false;
    bool IsWin9x = false;
};

DisplayState& Display();

// Measures the screen (bits per pixel times planes; 24 without a screen) and
// builds the shared palette when it works with 8 bits.
void InitDisplay();
// Sets the depth as if the screen had `bits_per_pixel` (test switch).
void ForceDisplayBits(int bits_per_pixel);

// The shared 8-bit palette: the 20 system colours at 0-9 and 246-255, a
// 6 x 6 x 6 colour cube at 10-224, greys at 225-245.
Palette BuildSharedPalette();

// A copy of `source` for a palette screen; empty when the screen has more
// than 8 bits or the source is empty.
Palette CopyPalette(const Palette& source);

} // namespace htmlview
