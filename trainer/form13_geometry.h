#pragma once
// Geometry of the word editor TForm13 (gfx_s\edycja_slowka.bmp).
#include "shared/look.h"

namespace geo13 {

constexpr look::Size okno = {600, 420};
// The five text boxes, each under its label: foreign, Polish, plural,
// synonyms, note.
constexpr int pole_x = 30, pole_w = 340, etykieta_h = 18, pole_h = 24;
constexpr int wiersz_top(int w) { return 64 + 50 * w; } // label top; the box 20 below
constexpr look::Rect etykieta(int w) { return {pole_x, wiersz_top(w), pole_w, etykieta_h}; }
constexpr look::Rect pole(int w) { return {pole_x, wiersz_top(w) + 20, pole_w, pole_h}; }
// The three choices at the right, each under its label.
constexpr int wybor_x = 400, wybor_w = 170;
constexpr look::Rect wybor_etykieta(int w) { return {wybor_x, wiersz_top(w), wybor_w, etykieta_h}; }
constexpr look::Rect wybor(int w) { return {wybor_x, wiersz_top(w) + 20, wybor_w, 26}; }
constexpr look::Rect K_Nagranie = {400, 214, 170, 34};
constexpr look::Rect CB_dodaj_do_cw = {30, 323, 18, 18};
constexpr look::Rect Label7 = {54, 322, 360, 20};
constexpr look::Rect B_OK = {426, 366, 64, 32};
constexpr look::Rect B_Zamknij = {506, 366, 64, 32};

} // namespace geo13
