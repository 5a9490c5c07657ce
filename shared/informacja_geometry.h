#pragma once
// Geometry of the examples window TInformacjaForm (gfx_s\przyklady.bmp), the
// same in both programs. The text box holds 15 lines of 20 pixels.
#include "shared/look.h"

namespace geo_przyklady {

constexpr look::Size okno = {576, 420};
constexpr int naglowek = 52;                     // the heading band of the picture
constexpr look::Rect ramka = {14, 60, 514, 308}; // the white panel behind the text
constexpr look::Rect Pb1 = {20, 64, 502, 300};
constexpr look::Rect btn_up = {536, 64, 28, 20};
constexpr look::Rect btn_dn = {536, 344, 28, 20};
constexpr look::Rect Label2 = {18, 378, 440, 34};
constexpr look::Rect B_OK = {496, 378, 64, 32};
// The icons drawn in the text: the sound sign (gfx_s\przyklad_glos.bmp) and
// the second sign (gfx_s\przyklad_znak.bmp), keyed with the transparent colour.
constexpr look::Size ikona = {16, 16};

} // namespace geo_przyklady
