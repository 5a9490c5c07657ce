#pragma once
// Geometry of the repetition overview TForm21 (gfx_s\form21.bmp).
#include "shared/look.h"

namespace geo21 {

constexpr look::Size okno = {560, 480};
constexpr look::Rect CB_Filtr = {24, 68, 240, 26};
constexpr look::Rect L_Ile_pow_all = {280, 68, 256, 26};
constexpr look::Rect ListBox2 = {24, 104, 512, 254};
constexpr look::Rect L_Ile_pow_all2 = {24, 366, 512, 22};
constexpr look::Rect l_pow = {24, 390, 512, 20};
constexpr look::Rect K_Zeruj = {24, 428, 104, 30};
constexpr look::Rect K_Do_Kosza = {140, 428, 104, 30};
constexpr look::Rect K_Do_Nauki = {140, 428, 104, 30};
constexpr look::Rect K_Kasuj_pow = {24, 428, 150, 30};
constexpr look::Rect B_OK = {446, 428, 90, 30};

} // namespace geo21
