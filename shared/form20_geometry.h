#pragma once
// Geometry of the information box TForm20 (gfx_s\form20.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_info = {455, 101};
constexpr Rect form20_Label1 = {18, 14, 334, 74};
constexpr Rect form20_B_OK = {372, 35, 64, 32};

}  // namespace look
