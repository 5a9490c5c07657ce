#pragma once
// Geometry of the recording picker TForm19. It shares the word editor's
// background (gfx_s\edycja_slowka.bmp), so it has the editor's size.
#include "trainer/form13_geometry.h"

namespace geo19 {

constexpr look::Size okno = geo13::okno;
constexpr look::Rect Label1 = {30, 60, 340, 34}; // the folder, two lines at most
constexpr look::Rect Label2 = {30, 100, 340, 18}; // "Dostępne pliki:"
constexpr look::Rect FileListBox1 = {30, 120, 340, 210};
constexpr look::Rect K_Graj = {400, 120, 170, 34};
constexpr look::Rect K_Bez_nagrania = {400, 164, 170, 34};
constexpr look::Rect B_OK = geo13::B_OK;
constexpr look::Rect B_Zamknij = geo13::B_Zamknij;

} // namespace geo19
