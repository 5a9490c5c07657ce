#pragma once
// Geometry of the interlude windows: the saying TForm18 (gfx_s\form18.bmp),
// the matching game TForm17 (gfx_s\kojarzenie.jpg) and the full-screen
// picture TForm16 (gfx_s\form16.bmp stretched over the screen).
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
constexpr look::Rect L_Koniec = {436, 258, 100, 24};

} // namespace geo18

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
constexpr look::Rect L_Wynik = {156, 440, 160, 30};
constexpr look::Rect B_Zamknij = {496, 438, 64, 32};

} // namespace geo17

namespace geo16 {

// Drawn at this size, stretched over the screen.
constexpr look::Size tlo = {1280, 800};
// The caption's top is 18 pixels above the screen's bottom.
constexpr int podpis_nad_dolem = 18;
constexpr int podpis_szer = 900;

} // namespace geo16
