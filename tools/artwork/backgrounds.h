#pragma once
// The window pictures: main menu, due indicator, message boxes, user windows and the
// dictionary window. Each leaves plain ground where the window places its controls.
#include <QImage>

namespace artwork {

QImage menu_slow();
// The due indicator, drawn over the main picture's own pixels at its place.
QImage powtorki_tlo2(const QImage& menu);
QImage form20();
QImage form29();
QImage form24();
QImage form9();
QImage form10();
QImage form23();
QImage form26();
QImage slownik();
QImage pomoc();

} // namespace artwork
