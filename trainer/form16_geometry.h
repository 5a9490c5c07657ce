#pragma once
// Geometry of the full-screen picture interlude TForm16: its ground
// (gfx_s\form16.bmp) is stretched over the screen.
#include "shared/look.h"

namespace geo16 {

constexpr look::Size tlo = {1280, 800}; // the ground as drawn
// The caption's top is 18 pixels above the screen's bottom, in the margin
// the picture leaves.
constexpr int podpis_nad_dolem = 18;
constexpr int podpis_szer = 900;

} // namespace geo16
