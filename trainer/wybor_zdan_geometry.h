#pragma once
// Geometry of the lesson and exercise chooser TWyborZdanForm (800 x 600,
// gfx_s\wybor_cw_a.bmp; gfx_s\wybor_cw_2_a.bmp in the group views).
#include "shared/look.h"

namespace look {

constexpr Size okno_wyboru = {800, 600};

// The view tabs (views 2 and 3), each a picture of its own size.
constexpr Rect wybor_btn_wyniki = {388, 60, 122, 30};
constexpr Rect wybor_btnWyniki_powtorek = {516, 60, 122, 30};
constexpr Rect wybor_k_wynik_powt_2 = {644, 60, 120, 30};

// The two lists: 18 rows of 18 pixels. The exercise list is wider than the
// section list so that its result bar and percent fit beside the title.
constexpr int wybor_wiersz = 18;
constexpr int wybor_wierszy = 18;
constexpr Rect wybor_pb_dzialy2 = {36, 118, 324, 324};
constexpr Rect wybor_pb_paczki = {388, 118, 376, 324};
// Column headings drawn in the pictures above the lists.
constexpr int wybor_naglowek_top = 96;

// Scroll arrows: up at the right end of the heading row, down under the list.
constexpr Size wybor_strzalka = {28, 20};
constexpr Rect wybor_L_btn_up = {332, 96, 28, 20};
constexpr Rect wybor_L_btn_dn = {332, 444, 28, 20};
constexpr Rect wybor_btn_up = {736, 96, 28, 20};
constexpr Rect wybor_btn_dn = {736, 444, 28, 20};

// Row contents. Sections: name at the left, then in the result views the
// percent and the bar in its frame. Exercises: icons of 16 pixels, each
// followed by 3, then the title; in the results view the percent and the bar
// keep their distance from the right edge.
constexpr int wybor_ikona = 16;
constexpr int wybor_ikona_odstep = 3;
constexpr int wybor_tekst_lewa = 4;
constexpr int wybor_dzial_procent = 190;
constexpr int wybor_dzial_pasek = 230;
constexpr int wybor_paczka_procent = wybor_pb_paczki.w - 126; // 250
constexpr int wybor_paczka_pasek = wybor_pb_paczki.w - 86;    // 290
constexpr Size wybor_img_progress = {75, 12};                 // a full bar
constexpr Size wybor_img_progress_back = {79, 16};            // its frame, 2 around the bar

constexpr Rect wybor_L_Stat = {36, 452, 280, 18};
// The results panel: eight lines of 14 pixels at its 12-pixel font, wide
// enough for a result line beside its scroll bar; the buttons stand in a
// column at its right.
constexpr Rect wybor_lbl_info = {36, 476, 560, 112};

constexpr Rect wybor_k_usun = {614, 476, 150, 30};
constexpr Rect wybor_B_OK = {644, 514, 120, 36};
constexpr Rect wybor_B_Zamknij = {700, 558, 64, 32};

} // namespace look
