#pragma once
// Geometry of the exercise window TForm4 (800 x 600) and of its pictures. The
// tops that move with the question (prompt, choice rows, sentence frame) come
// from the values here by the places the engine gives (form4_places.h).
#include "shared/look.h"

namespace geo4 {

constexpr look::Size okno = {800, 600};
// What the backgrounds (cw_tla_s) carry: the white card for the question and
// the band for the counters.
constexpr look::Rect karta = {24, 54, 752, 476};
constexpr look::Rect pasek_licznikow = {24, 538, 752, 48};

// The strip across the top (gfx_s\cw_pasek.bmp) and what sits on it.
constexpr look::Rect Image2 = {0, 0, 800, 48};
constexpr look::Rect L_grupa_tem = {24, 12, 520, 24};
constexpr look::Rect Menu_Image = {756, 8, 36, 32};

// The prompt and the choice rows: two layouts, without the word (types 1, 3,
// 5, 12) and with it (the others).
constexpr int polecenie_bez_slowa = 123;
constexpr int polecenie_ze_slowem = 139;
constexpr int wiersze_bez_slowa[4] = {46, 86, 124, 166};
constexpr int wiersze_ze_slowem[4] = {40, 78, 120, 162};
constexpr int polecenie_lewa = 90, polecenie_szer = 600, polecenie_wys = 24;
constexpr int wyr_lewa = 90, wyr_rozmiar = 30;
constexpr int odp_lewa = 132, odp_szer = 560, odp_wys = 30;
// The correct answer sits under the prompt's place; its second line 26 below.
constexpr int poprawna_pod_poleceniem = 34;
constexpr int podpowiedz_odstep = 26;
constexpr int poprawna_lewa = 90, poprawna_szer = 610, poprawna_wys = 26;
constexpr int poprawna2_wys = 22;

// The word (one line) and the sentence frame.
constexpr look::Rect L_Slowko = {40, 70, 720, 50};
constexpr int ramka_lewa = 88, ramka_szer = 610; // clear of the play button
constexpr int ramka_top = 96;                        // at set-up
constexpr int ramka_top_linie[4] = {93, 85, 68, 55}; // with the word: 1, 2, 3, more lines
constexpr int ramka_top_bez_slowa = 145;
constexpr int ramka_top_po_lukach = 198;   // the sentence shown after a gap verdict
constexpr int ramka_polecenie_odstep = 24; // prompt above the frame after a wrong choice
constexpr int ramka_punkty = 14;           // the frames' font size in points

// The gap sentence and its boxes.
constexpr look::Rect DXRamka2 = {88, 160, 610, 180};
constexpr int wpis_wys = 26;

// Typed answer and the buttons.
constexpr int wpisana_lewa = 132, wpisana_szer = 420, wpisana_wys = 32; // top: the second row's
constexpr look::Rect B_OK = {620, 470, 120, 36};
constexpr look::Rect K_Zaakceptuj = {400, 477, 200, 22};
constexpr look::Rect B_Sprawdz = {340, 300, 120, 36};
constexpr look::Rect Tlo_umiesz = {230, 292, 340, 52};
constexpr look::Rect B_Umiesz = {250, 300, 120, 36};
constexpr look::Rect B_Nie_umiesz = {430, 300, 120, 36};
constexpr look::Rect TransparentButton1 = {704, 124, 48, 48};

// The comment panel and the examples link.
constexpr look::Rect L_kom_panel = {60, 368, 540, 92};
constexpr look::Rect L_Kom = {76, 375, 514, 80};
constexpr look::Rect L_przyklady = {620, 376, 140, 22};

// The counters on the band along the bottom.
constexpr look::Rect L_Stat1 = {48, 552, 150, 20};
constexpr look::Rect L_Stat2 = {200, 552, 170, 20};
constexpr look::Rect L_Stat3 = {370, 552, 120, 20};
constexpr look::Rect I_powtorki = {500, 548, 28, 28};
constexpr look::Rect L_Powtorki = {534, 543, 160, 38};
constexpr look::Rect L_pokaz_id = {700, 552, 70, 20};

// The microphone below the play button, the replay of the learner's
// recording beside it.
constexpr look::Rect K_nagraj = {704, 184, 48, 48};
constexpr look::Rect k_play_nagrane = {666, 194, 28, 28};

// The item menu: its button on the strip, the panel dropping from it with one
// label a row.
constexpr look::Rect K_menu = {712, 8, 36, 32};
constexpr look::Rect Panel_menu = {556, 46, 236, 176};
constexpr int menu_lewa = 18, menu_gora = 12, menu_wiersz = 26, menu_szer = 200, menu_wys = 22;

// The correction panel (correction mode only), along the card's right side.
constexpr look::Rect Panel_Kor = {590, 56, 184, 300};

} // namespace geo4
