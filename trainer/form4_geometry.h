#pragma once
// Geometry of the exercise window TForm4 (800 x 600). The tops that move with
// the question (prompt, choice rows, sentence frame) are computed by the
// question set-up from the values here.
#include "shared/look.h"

namespace geo4 {

constexpr look::Size okno = {800, 600};

// The strip across the top (gfx_s\cw_pasek.bmp) and what sits on it.
constexpr look::Rect Image2 = {0, 0, 800, 48};
constexpr look::Rect L_grupa_tem = {160, 14, 420, 22};
constexpr look::Rect Menu_Image = {748, 8, 36, 32};

// The prompt and the choice rows: two layouts, without the word (types 1, 3,
// 5, 12) and with it (the others).
constexpr int polecenie_bez_slowa = 123;
constexpr int polecenie_ze_slowem = 139;
constexpr int wiersze_bez_slowa[4] = {46, 86, 124, 166};
constexpr int wiersze_ze_slowem[4] = {40, 78, 120, 162};
constexpr int polecenie_lewa = 90, polecenie_szer = 560, polecenie_wys = 24;
constexpr int wyr_lewa = 90, wyr_rozmiar = 30;
constexpr int odp_lewa = 132, odp_szer = 560, odp_wys = 30;
// The correct answer sits under the prompt's place; its hint 26 below.
constexpr int poprawna_pod_poleceniem = 34;
constexpr int podpowiedz_odstep = 26;
constexpr int poprawna_lewa = 90, poprawna_szer = 620, poprawna_wys = 28;

// The word (one line) and the sentence frame.
constexpr look::Rect L_Slowko = {40, 76, 720, 48};
constexpr int ramka_lewa = 60, ramka_szer = 680;
constexpr int ramka_top = 96;                        // at set-up
constexpr int ramka_top_linie[4] = {93, 85, 68, 55}; // with the word: 1, 2, 3, more lines
constexpr int ramka_top_bez_slowa = 145;
constexpr int ramka_top_po_lukach = 198;   // the sentence shown after a gap verdict
constexpr int ramka_polecenie_odstep = 24; // prompt above the frame after a choice verdict

// The gap sentence and its boxes.
constexpr look::Rect DXRamka2 = {60, 160, 680, 150};
constexpr int wpis_wys = 26;

// Typed answer and the buttons.
constexpr look::Rect E_Wpisana = {132, 0, 420, 30}; // top: the first choice row's
constexpr look::Rect B_OK = {620, 470, 120, 36};
constexpr look::Rect B_Sprawdz = {340, 300, 120, 36};
constexpr look::Rect Tlo_umiesz = {230, 292, 340, 52};
constexpr look::Rect B_Umiesz = {250, 300, 120, 36}; // on Tlo_umiesz, in window coordinates
constexpr look::Rect B_Nie_umiesz = {430, 300, 120, 36};
constexpr look::Rect TransparentButton1 = {690, 118, 48, 48};
constexpr look::Rect K_Zaakceptuj = {560, 0, 200, 22}; // top: the prompt's

// Comment panel, links and the counters along the bottom.
constexpr look::Rect L_kom_panel = {60, 372, 540, 116};
constexpr look::Rect L_Kom = {72, 380, 516, 100};
constexpr look::Rect L_przyklady = {620, 380, 140, 22};
constexpr look::Rect L_Stat1 = {60, 552, 150, 20};
constexpr look::Rect L_Stat2 = {210, 552, 170, 20};
constexpr look::Rect L_Stat3 = {380, 552, 130, 20};
constexpr look::Rect I_powtorki = {520, 546, 28, 28};
constexpr look::Rect L_Powtorki = {554, 540, 200, 40};
constexpr look::Rect L_pokaz_id = {700, 576, 90, 18};

} // namespace geo4
