#pragma once
// Geometry of the statistics box TForm25 (gfx_s\statystyka.bmp).
#include "shared/look.h"

namespace geo25 {

constexpr look::Size okno = {400, 292};
constexpr look::Rect L_Stat0 = {36, 68, 328, 24};
constexpr look::Rect l_Stat1 = {52, 100, 312, 22};
constexpr look::Rect L_Stat2 = {52, 124, 312, 22};
constexpr look::Rect L_Stat3 = {52, 148, 312, 22};
constexpr look::Rect L_stat4 = {52, 172, 312, 22};
// The panel the figures stand on.
constexpr look::Rect panel = {24, 64, 352, 140};
constexpr look::Rect K_wroc = {24, 242, 150, 32};
constexpr look::Rect B_OK = {312, 242, 64, 32};

} // namespace geo25
