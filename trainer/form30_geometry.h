#pragma once
// Geometry of the per-item type flags window TForm30 (gfx_s\oznacz.bmp).
#include "shared/look.h"

namespace geo30 {

constexpr look::Size okno = {455, 404};
constexpr look::Rect ListBox1 = {24, 68, 407, 274};
constexpr look::Rect B_OK = {283, 358, 64, 32};
constexpr look::Rect B_Zamknij = {367, 358, 64, 32};

} // namespace geo30
