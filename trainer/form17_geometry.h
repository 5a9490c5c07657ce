#pragma once
// Geometry of the matching game TForm17 (gfx_s\kojarzenie.jpg).
#include "shared/look.h"

namespace geo17 {

constexpr look::Size okno = {580, 480};
constexpr int naglowek = 52;
constexpr look::Rect polecenie = {20, 62, 540, 22}; // the hint line of the picture
// Row i (1..10): labels at top 30 i + 90, left at x 20, right at x 300, 260 wide.
constexpr int wiersz_top(int i) {
    return 30 * i + 90;
}
constexpr int lewa_x = 20, prawa_x = 300, etykieta_szer = 260, etykieta_wys = 24;
constexpr int linia_przyciskow = 426;
constexpr look::Rect K_Sprawdz = {20, 436, 120, 36};
constexpr look::Rect L_Wynik = {156, 438, 160, 34};
constexpr look::Rect B_Zamknij = {496, 438, 64, 32};

} // namespace geo17
