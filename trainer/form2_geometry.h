#pragma once
// Geometry of the own-exercise generator TForm2 (gfx_s\generator.bmp) and
// of its picture buttons.
#include "shared/look.h"

namespace geo2 {

constexpr look::Size okno = {800, 600};
// The three view tabs; Shape2 frames the active one.
constexpr look::Size zakladka = {128, 30};
constexpr look::Rect zakladka_nr(int k) { return {20 + 134 * k, 62, zakladka.w, zakladka.h}; }
// The filter row (filter view only): its title, then the four combos with
// their captions above and the button that re-runs it.
constexpr look::Rect L_Filtr_tytul = {20, 120, 46, 24};
constexpr int combo_top = 120, combo_h = 24, podpis_top = 100, podpis_h = 16;
constexpr look::Rect CB_Gr_Tem = {68, combo_top, 110, combo_h};
constexpr look::Rect CB_Poziom = {182, combo_top, 86, combo_h};
constexpr look::Rect CB_Rodzaj = {272, combo_top, 94, combo_h};
constexpr look::Rect CB_Uczone = {370, combo_top, 90, combo_h};
// The caption above a combo.
constexpr look::Rect podpis(const look::Rect& combo) { return {combo.x + 2, podpis_top, combo.w, podpis_h}; }
constexpr look::Rect K_Pokaz_slowka = {470, 116, 32, 32};
// The found list and what goes with it.
constexpr look::Rect Grid1 = {20, 154, 440, 336};
constexpr int kolumna0 = 218, wiersz = 15;
constexpr look::Rect L_Ile_wybrano = {20, 496, 440, 18};
constexpr look::Rect L_Opis = {20, 518, 440, 52};
// Own words and moving, in the column between the two lists.
constexpr look::Size przycisk = {32, 32};
constexpr look::Rect kolumna_nr(int k) { return {470, 154 + 40 * k, przycisk.w, przycisk.h}; }
constexpr look::Rect K_przenies = {466, 330, 40, 40};
// The exercise list.
constexpr look::Rect Label4 = {516, 98, 210, 18};
constexpr look::Rect L_Ile_cw = {726, 98, 54, 18};
constexpr look::Rect ListBox1 = {516, 120, 264, 370};
constexpr look::Rect rzad_nr(int k) { return {516 + 39 * k, 498, przycisk.w, przycisk.h}; }
constexpr look::Rect L_Koniec = {680, 554, 100, 28};

} // namespace geo2
