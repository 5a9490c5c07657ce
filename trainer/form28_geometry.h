#pragma once
// Geometry of the help window TForm28 (800 x 600, gfx_s\pomoc.bmp): a 96-pixel
// header with the buttons and the way back to the menu, the page below it.
#include "shared/look.h"

namespace look {

constexpr Size okno_pomocy = {800, 600};
constexpr int pomoc_naglowek = 96;
constexpr Rect form28_HtmlPane1 = {0, 96, 800, 504};
constexpr Rect form28_K_Wroc = {440, 50, 90, 30};
constexpr Rect form28_btn_spis = {540, 50, 90, 30};
constexpr Rect form28_K_Drukuj = {640, 50, 90, 30};
constexpr Rect form28_L_menu = {680, 10, 110, 26};

}  // namespace look
