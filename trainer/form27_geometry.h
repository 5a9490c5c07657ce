#pragma once
// Geometry of the comment window TForm27 (gfx_s\form27.bmp).
#include "shared/look.h"

namespace geo27 {

constexpr look::Size okno = {455, 170};
constexpr look::Rect Edit1 = {24, 72, 407, 30};
constexpr look::Rect B_OK = {283, 122, 64, 32};
constexpr look::Rect B_Zamknij = {367, 122, 64, 32};

} // namespace geo27
