#pragma once
// Geometry of the answer pop-up TForm6 (gfx_s\form6.bmp).
#include "shared/look.h"

namespace geo6 {

constexpr look::Size okno = {455, 160};
constexpr look::Rect L_Odp = {36, 64, 383, 40};
// The white panel the answer stands on.
constexpr look::Rect panel = {20, 62, 415, 44};
constexpr look::Rect B_Zamknij = {341, 116, 90, 30};

} // namespace geo6
