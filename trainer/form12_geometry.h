#pragma once
// Geometry of the settings window TForm12 (gfx_s\ustawienia.bmp, 712 x 530:
// the upper 352 pixels show at first, the backups below them on demand).
#include "shared/look.h"

namespace geo12 {

using look::Rect;

constexpr look::Size okno = {712, 530};
constexpr int wysokosc_mala = 352;

// Left column: exercises, intensity, intervals, the check boxes.
constexpr Rect L_wyznacz = {24, 58, 330, 32};
constexpr Rect L_slowka = {24, 92, 70, 22};
constexpr Rect CB_Cw_Wyznacz = {100, 91, 250, 24};
constexpr Rect L_zdania = {24, 118, 70, 22};
constexpr Rect CB_Cw_Wyznacz_Zd = {100, 117, 250, 24};
constexpr Rect L_tryb = {24, 148, 206, 22};
constexpr Rect CB_Tryb_Nauki = {236, 147, 114, 24};
constexpr Rect L_czestosc = {24, 174, 252, 22};
constexpr Rect CB_Czestosc_powtorek = {290, 173, 60, 24};
constexpr Rect L_umiesz = {24, 200, 252, 22};
constexpr Rect E_P_Powt_inter_umiesz = {290, 199, 60, 24};
constexpr Rect L_juz_umiem = {24, 226, 252, 22};
constexpr Rect E_P_Powt_juz_Umiem = {290, 225, 60, 24};
// Check rows: the box at the left, its clickable label beside it.
constexpr int wiersz_top(int wiersz) { return 254 + 18 * wiersz; } // 0..2
constexpr int box_x = 24, box_w = 18, label_x = 48, label_w = 306, wiersz_h = 18;

// Right column: interludes and the repeat mode of each exercise type.
constexpr Rect L_przerywniki = {376, 60, 312, 18};
constexpr Rect LB1 = {376, 80, 312, 90};
constexpr Rect CB_Bonus_koniec = {376, 175, 18, 18};
constexpr Rect Label15 = {400, 174, 288, 20};
constexpr Rect L_typ = {376, 198, 312, 18};
constexpr Rect CB_Typ = {376, 216, 312, 56};
constexpr Rect Label3 = {376, 276, 74, 22};
constexpr Rect CB_Cw = {452, 275, 236, 24};

// The foot of the upper part: more options, OK, close; the bar under them.
constexpr Rect k_opcje_wiecej = {24, 312, 200, 28};
constexpr Rect L_czarny_pasek = {0, 344, 712, 8};
constexpr Rect B_Ok = {540, 308, 64, 32};
constexpr Rect B_Zamknij = {620, 308, 64, 32};

// The lower part: the user folder, the backups and the import.
constexpr Rect L_Kat_usera = {24, 366, 664, 18};
constexpr Rect L_kopie = {24, 392, 300, 18};
constexpr Rect ListBox1 = {24, 414, 430, 96};
constexpr Rect K_import_kopia1 = {472, 414, 216, 34};
constexpr Rect K_import = {472, 476, 216, 34};

} // namespace geo12
