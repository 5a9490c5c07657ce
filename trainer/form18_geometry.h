#pragma once
// Geometry of the saying interlude TForm18 (gfx_s\form18.bmp).
#include "shared/look.h"

namespace geo18 {

constexpr look::Size okno = {560, 300};
constexpr int naglowek = 52;
constexpr look::Rect L_Ang = {24, 64, 512, 60};
constexpr look::Rect L_Opis = {24, 128, 512, 42};
constexpr look::Rect ramka = {24, 176, 512, 52}; // the panel of the translation
constexpr look::Rect L_Pol = {32, 180, 496, 44};
constexpr look::Rect K_Tlum = {180, 190, 200, 24};
constexpr int linia_przyciskow = 238;
constexpr look::Rect K_Graj = {24, 244, 48, 48};
constexpr look::Rect L_Koniec = {436, 256, 100, 28};

} // namespace geo18
