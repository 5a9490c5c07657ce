#include "htmlview/display.h"

#include <QGuiApplication>
#include <QScreen>

namespace htmlview {

DisplayState& Display() {
    static DisplayState state;
    return state;
}

void ForceDisplayBits(int bits) {
    DisplayState& d = Display();
    d.ColorBits = bits <= 4 ? 4 : bits <= 8 ? 8 : 24;
    d.ThePalette = d.ColorBits == 8 ? BuildSharedPalette() : Palette();
}

void InitDisplay() {
    int bits = 24;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* s = QGuiApplication::primaryScreen()) bits = s->depth();
    ForceDisplayBits(bits);
}

Palette BuildSharedPalette() {
    Palette p(256, qRgb(0, 0, 0));
    const Palette& sys = SystemPalette20();
    for (int i = 0; i < 10; ++i) {
        p[size_t(i)] = sys[size_t(i)];
        p[size_t(246 + i)] = sys[size_t(10 + i)];
    }
    static const int levels[6] = {55, 115, 165, 205, 235, 255};
    size_t at = 10;
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r < 6; ++r) {
                if (r == 5 && g == 5 && b == 5) continue; // white is a system colour
                p[at++] = qRgb(levels[r], levels[g], levels[b]);
            }
    for (int i = 1; i <= 24; ++i) {
        if (i == 7 || i == 15 || i == 21) continue; // greys the cube has
        const int v = 5 * i + 130;
        p[at++] = qRgb(v, v, v);
    }
    p[245] = qRgb(255, 255, 254);
    return p;
}

Palette CopyPalette(const Palette& source) {
    if (Display().ColorBits > 8 || source.empty()) return Palette();
    Palette p = source;
    if (p.size() > 256) p.resize(256);
    return p;
}

} // namespace htmlview
