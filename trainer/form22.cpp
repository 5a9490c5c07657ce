#include "trainer/form22.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

TForm22::TForm22() : ui::Window(800, 600) {
    SetCaption("Tavolent 4.0");
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    // Clicks pass through it, so it never comes up over the other windows.
    setWindowFlag(Qt::WindowTransparentForInput, true);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, true);
}

void TForm22::pokaz() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        set_size(r.width(), r.height());
        place(r.left(), r.top());
    }
    show(); // never activated: it takes no input
}

void TForm22::OnShow() {
    // The offscreen platform (tests) has no stacking and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) lower();
}
