#pragma once
// Geometry of the main window TForm1 (800 x 600, gfx_s\menu_slow.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_glowne = {800, 600};
constexpr Rect btn_powtorki = {270, 150, 260, 52};
constexpr Rect btn_cwiczenia = {270, 210, 260, 52};
constexpr Rect btn_wyniki = {270, 270, 260, 52};
constexpr Rect btn_generator = {270, 330, 260, 52};
constexpr Rect btn_ustawienia = {270, 390, 260, 52};
constexpr Rect btn_pomoc = {270, 450, 260, 52};
constexpr Rect btn_serwisy = {270, 510, 260, 52};
constexpr Rect powtorki_tlo2 = {540, 150, 52, 52};  // due indicator, gfx_s\powtorki_tlo2.bmp
constexpr Rect L_napis_logo = {24, 20, 320, 40};
constexpr Rect L_napis_vidavidoda = {24, 560, 300, 24};
constexpr Rect L_Koniec = {680, 556, 100, 28};

}  // namespace look
