#pragma once
// Geometry of the question box TForm29 (gfx_s\form29.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_pytania = {455, 101};
constexpr Rect form29_Label1 = {64, 12, 230, 77};
constexpr Rect form29_B_OK = {304, 35, 64, 32};
constexpr Rect form29_B_Zamknij = {376, 35, 64, 32};

}  // namespace look
