#include "tools/artwork/interludes.h"

#include "shared/informacja_geometry.h"
#include "tools/artwork/frames.h"
#include "trainer/form16_geometry.h"
#include "trainer/form17_geometry.h"
#include "trainer/form18_geometry.h"

#include <QPainter>
#include <QRadialGradient>

namespace artwork {
namespace {

const QColor key = rgb(look::klucz_przezroczysty);

QImage sign(Icon icon, const QColor& fill) {
    const look::Size s = geo_przyklady::ikona;
    QImage img = canvas(s.w, s.h, key);
    QPainter p(&img);
    // No antialiasing at the edge: a blend with the key colour would show as a fringe.
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QRectF(0, 0, s.w, s.h));
    p.setRenderHint(QPainter::Antialiasing, true);
    draw_icon(p, icon, QRectF(3, 3, s.w - 6, s.h - 6), white);
    return img;
}

} // namespace

QImage przyklady() {
    using namespace geo_przyklady;
    QImage img = dialog(okno, "Przykłady", Icon::book);
    panel(img, rect(ramka), 8, white);
    // the scroll column beside the text
    panel(img, QRectF(btn_up.x - 2, btn_up.y - 2, btn_up.w + 4, btn_dn.y + btn_dn.h - btn_up.y + 4),
          8, alpha(piasek, 140));
    separator(img, Label2.y - 6, 16, okno.w - 16);
    button_shadows(img, {B_OK});
    window_edge(img);
    return img;
}

QImage przyklad_glos() {
    return sign(Icon::speaker, morski);
}

QImage przyklad_znak() {
    return sign(Icon::info, pomarancz);
}

QImage form18() {
    using namespace geo18;
    QImage img = dialog(okno, "Przerywnik", Icon::book);
    panel(img, rect(ramka), 10, alpha(white, 150));
    separator(img, linia_przyciskow, 18, okno.w - 18);
    window_edge(img);
    return img;
}

QImage kojarzenie() {
    using namespace geo17;
    QImage img = dialog(okno, "Kojarzenie słówek", Icon::repeat);
    {
        QPainter p(&img);
        prepare(p);
        p.setFont(font(13, false));
        p.setPen(tekst);
        p.drawText(
            rect(polecenie), Qt::AlignCenter,
            QString::fromUtf8("Kliknij słówko po lewej, a potem jego tłumaczenie po prawej."));
    }
    for (int i = 1; i <= 10; ++i) {
        const QColor tint = i % 2 ? alpha(white, 170) : alpha(jasny, 34);
        const double top = wiersz_top(i) - 3;
        panel(img, QRectF(lewa_x - 6, top, etykieta_szer + 12, etykieta_wys + 4), 6, tint);
        panel(img, QRectF(prawa_x - 6, top, etykieta_szer + 12, etykieta_wys + 4), 6, tint);
    }
    separator(img, linia_przyciskow, 18, okno.w - 18);
    button_shadows(img, {B_Zamknij});
    window_edge(img);
    return img;
}

QImage form16() {
    using namespace geo16;
    QImage img = canvas(tlo.w, tlo.h, granat);
    QPainter p(&img);
    prepare(p);
    QRadialGradient g(QPointF(tlo.w / 2.0, tlo.h * 0.45), tlo.w * 0.7);
    g.setColorAt(0, mix(granat, morski, 0.45));
    g.setColorAt(1, mix(granat, QColor(0, 0, 0), 0.45));
    p.fillRect(QRectF(0, 0, tlo.w, tlo.h), g);
    return img;
}

} // namespace artwork
