#pragma once
// Geometry of the user choice TForm9 (gfx_s\form9.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_uzytkownik = {420, 240};
constexpr Rect form9_Label1 = {30, 72, 200, 20};
constexpr Rect form9_ComboBox1 = {30, 96, 360, 26};
constexpr Rect form9_TransparentButton1 = {30, 186, 150, 32};
constexpr Rect form9_B_OK = {246, 186, 64, 32};
constexpr Rect form9_B_Zamknij = {326, 186, 64, 32};

}  // namespace look
