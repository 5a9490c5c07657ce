#pragma once
// The exercise window's pictures: the strip across its top, the backgrounds
// (a white card for the question and a band for the counters, with quiet
// decoration around them), and the small pictures on the card, each of the
// size of its control (trainer/form4_geometry.h).
#include <QImage>
#include <string>
#include <vector>

namespace artwork {

// gfx_s\cw_pasek.bmp, 800 x 48.
QImage cw_pasek();

struct ExerciseBackground {
    std::string file; // under cw_tla_s/
    QImage picture;   // 800 x 600
};
// c0.bmp (the fallback, undecorated) and the others; one picture named with
// "p_" fills the top as well, for the window hides the strip over it.
std::vector<ExerciseBackground> cw_tla();

// Pictures keyed with look::klucz_przezroczysty outside their shape.
QImage cw_wybor(int n); // the badge of choice n, 30 x 30
QImage cw_powtorki();   // the repetition-run mark, 28 x 28
QImage cw_zamknij();    // closes the window, 36 x 32, on the strip
QImage cw_umiesz();     // the panel behind "Umiem" / "Nie umiem", 340 x 52
QImage cw_komentarz();  // the panel of the comment lines, 540 x 92

} // namespace artwork
