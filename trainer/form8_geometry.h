#pragma once
// Geometry of the exercise-type chooser TForm8 (gfx_s\form8.bmp).
#include "shared/look.h"

namespace look {

constexpr Size okno_typow = {420, 440};
constexpr Rect form8_ListBox1 = {24, 68, 372, 256};
constexpr int form8_wiersz = 18; // rows of ListBox1: all 14 types fit
constexpr Rect form8_CB_Bez_powtorki = {24, 340, 20, 20};
constexpr Rect form8_Label1 = {48, 340, 348, 20};
constexpr Rect form8_CB_Info_po_cwicz = {24, 364, 20, 20};
constexpr Rect form8_Label2 = {48, 364, 348, 20};
constexpr Rect form8_B_OK = {196, 394, 120, 36};
constexpr Rect form8_B_Zamknij = {332, 396, 64, 32};

} // namespace look
