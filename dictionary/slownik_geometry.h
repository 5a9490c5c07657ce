#pragma once
// Geometry of the dictionary window TFrmSlownik.
#include "shared/look.h"

namespace look {

// 562 x 351, gfx_s\slownik.bmp. The title is part of the
// picture; Label1 is the drag handle over the title bar and carries no text.
constexpr Size okno_slownika = {562, 351};
constexpr Rect slownik_Label1 = {0, 0, 500, 30};
constexpr Rect slownik_L_Minim = {506, 4, 24, 22};
constexpr Rect slownik_L_Close = {534, 4, 24, 22};
constexpr Rect slownik_CB_Gr_Tem = {16, 40, 196, 26};
constexpr Rect slownik_K_Wszystkie = {16, 38, 104, 30};  // in place of CB_Gr_Tem after a search
constexpr Rect slownik_K_Szukaj = {224, 38, 104, 30};
constexpr Rect slownik_k_zdania = {336, 38, 104, 30};
constexpr Rect slownik_K_Do_Nauki = {448, 38, 104, 30};
constexpr Rect slownik_L_Ile_wybrano = {16, 72, 420, 20};
constexpr Rect slownik_lista = {8, 94, 552, 232};  // the panel behind the ten rows
constexpr int slownik_L_lewa = 20, slownik_L_szer = 236;  // L1..L10
constexpr int slownik_P_lewa = 265, slownik_P_szer = 276;  // P1..P10
constexpr int slownik_wiersz_wys = 20;
// Top of row 1..10 of L1..L10 and P1..P10.
constexpr int slownik_wiersz_top(int wiersz) { return 23 * wiersz + 75; }
constexpr Rect slownik_Suwak = {543, 96, 16, 228};
constexpr Rect slownik_L_Opis = {16, 329, 530, 20};

}  // namespace look
