#pragma once
// Geometry of the run's word list TForm31 (gfx_s\form31.bmp).
#include "shared/look.h"

namespace geo31 {

constexpr look::Size okno = {560, 444};
constexpr look::Rect ListBox1 = {24, 68, 512, 276};
constexpr look::Rect Label2 = {24, 352, 512, 22};
constexpr look::Rect K_Do_Kosza = {24, 394, 104, 30};
constexpr look::Rect K_Przywroc = {24, 394, 104, 30};
constexpr look::Rect K_do_schowka = {140, 394, 104, 30};
constexpr look::Rect K_wydruk = {256, 394, 90, 30};
constexpr look::Rect B_Zamknij = {446, 394, 90, 30};

} // namespace geo31
