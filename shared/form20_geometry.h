#pragma once
// Geometry of the information box TForm20 (gfx_s\form20.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_info = {455, 101};
// The box's icon stands left of the message, centred on this point.
constexpr int info_ikona_x = 34, info_ikona_r = 16;
constexpr Rect form20_Label1 = {64, 12, 290, 77};
constexpr Rect form20_B_OK = {372, 35, 64, 32};

}  // namespace look
