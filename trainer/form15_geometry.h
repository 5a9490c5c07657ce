#pragma once
// Geometry of the exercise parameters window TForm15 (gfx_s\zapisz_cw.bmp).
#include "shared/look.h"

namespace geo15 {

constexpr look::Size okno = {455, 250};
constexpr look::Rect Label1 = {30, 66, 250, 18};     // "Nazwa ćwiczenia:"
constexpr look::Rect E_Nazwa = {30, 86, 250, 26};
constexpr look::Rect Label2 = {30, 124, 250, 18};    // "Grupa tematyczna:"
constexpr look::Rect CB_Gr_Tem = {30, 144, 250, 26};
constexpr look::Rect Label3 = {300, 124, 125, 18};   // "Poziom:"
constexpr look::Rect CB_Poziom = {300, 144, 125, 26};
constexpr look::Rect B_OK = {281, 204, 64, 32};
constexpr look::Rect B_Zamknij = {361, 204, 64, 32};

} // namespace geo15
