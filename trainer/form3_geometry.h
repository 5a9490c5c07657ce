#pragma once
// Geometry of the import window TForm3 (gfx_s\form3.bmp).
#include "shared/look.h"

namespace geo3 {

using look::Rect;

constexpr look::Size okno = {520, 400};
constexpr Rect Label2 = {24, 62, 472, 36};
constexpr Rect Label1 = {24, 108, 472, 20};
constexpr Rect K_Pokaz = {140, 176, 240, 40};
constexpr Rect ListBox1 = {24, 132, 472, 150};
constexpr Rect Ch_slowka_tez = {24, 296, 18, 18};
constexpr Rect Label3 = {48, 295, 300, 20};
constexpr Rect k_importuj = {24, 342, 180, 36};
constexpr Rect B_Zamknij = {432, 344, 64, 32};

} // namespace geo3
