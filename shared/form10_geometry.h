#pragma once
// Geometry of the new-user window TForm10 (gfx_s\form10.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_nowy_uzytkownik = {420, 200};
constexpr Rect form10_Label1 = {30, 72, 200, 20};
constexpr Rect form10_Edit1 = {30, 96, 360, 26};
constexpr Rect form10_B_OK = {246, 148, 64, 32};
constexpr Rect form10_B_Zamknij = {326, 148, 64, 32};

}  // namespace look
