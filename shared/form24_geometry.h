#pragma once
// Geometry of the leave-the-program box TForm24; gfx_s\form24.bmp carries the question.
#include "shared/look.h"

namespace look {

constexpr Size okno_koniec = {252, 94};
constexpr Rect form24_B_OK = {50, 54, 64, 32};
constexpr Rect form24_B_Zamknij = {138, 54, 64, 32};

}  // namespace look
