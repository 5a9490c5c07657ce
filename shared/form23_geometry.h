#pragma once
// Geometry of the search options window TForm23 (gfx_s\form23.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_szukania = {420, 300};
constexpr Rect form23_Edit1 = {30, 70, 360, 26};
// The option rows: the box at the left, its clickable label beside it.
constexpr int form23_wiersz_top(int wiersz) { return 110 + 26 * wiersz; } // 0..4
constexpr int form23_box_x = 30, form23_box_w = 18;
constexpr int form23_label_x = 54, form23_label_w = 336, form23_wiersz_h = 20;
constexpr Rect form23_B_OK = {246, 256, 64, 32};
constexpr Rect form23_B_Zamknij = {326, 256, 64, 32};

}  // namespace look
