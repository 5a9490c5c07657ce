#pragma once
// The pictures of the examples window and the interlude windows.
#include <QImage>

namespace artwork {

QImage przyklady();     // examples window
QImage przyklad_glos(); // the sound sign in the examples' text (keyed)
QImage przyklad_znak(); // the second sign (keyed)
QImage form18();        // saying
QImage kojarzenie();    // matching game
QImage form16();        // full-screen picture ground

} // namespace artwork
