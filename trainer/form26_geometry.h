#pragma once
// Geometry of the chosen-words window TForm26 (gfx_s\form26.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_wybranych = {420, 368};
constexpr Rect form26_Label2 = {30, 66, 360, 20};
constexpr Rect form26_ListBox1 = {30, 90, 360, 184};
constexpr Rect form26_CB_zachowaj = {30, 285, 18, 18};
constexpr Rect form26_Label1 = {54, 284, 336, 20};
constexpr Rect form26_B_OK = {246, 322, 64, 32};
constexpr Rect form26_B_Zamknij = {326, 322, 64, 32};

}  // namespace look
