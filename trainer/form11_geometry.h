#pragma once
// Geometry of the repetition start TForm11 (gfx_s\form11.bmp).
#include "shared/look.h"

namespace geo11 {

constexpr look::Size okno = {480, 300};
constexpr look::Rect Label1 = {36, 70, 408, 22};
constexpr look::Rect L_Ile = {36, 100, 408, 28};
// "Teraz powtarzam [n] słówek.": the drop-down stands in the line's gap.
constexpr look::Rect L_Ile_teraz = {36, 142, 132, 26};
constexpr look::Rect CB_Ile_teraz = {172, 142, 72, 26};
constexpr look::Rect L_Ile_teraz2 = {252, 142, 120, 26};
// The panel the lines stand on.
constexpr look::Rect panel = {24, 64, 432, 116};
constexpr look::Rect K_Statystyka = {24, 198, 150, 36};
constexpr look::Rect B_OK = {232, 248, 120, 36};
constexpr look::Rect B_Zamknij = {366, 251, 90, 30};

} // namespace geo11
