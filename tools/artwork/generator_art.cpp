#include "tools/artwork/generator_art.h"

#include "tools/artwork/frames.h"
#include "trainer/form13_geometry.h"
#include "trainer/form15_geometry.h"
#include "trainer/form19_geometry.h"
#include "trainer/form2_geometry.h"

#include <QPainterPath>
#include <functional>

namespace artwork {
namespace {

// A glyph drawn in white on a round-cornered sea-blue square.
using Glyph = std::function<void(QPainter&, const QRectF&)>;

QImage square_button(int size, const QColor& fill, const Glyph& glyph) {
    const QPainterPath shape = rounded(QRectF(0, 0, size, size), 7);
    return keyed(size, size, white, shape, [size, fill, glyph](QPainter& p) {
        const QRectF body(0.5, 0.5, size - 1, size - 1);
        p.fillPath(rounded(body, 7), vertical(body, mix(fill, white, 0.18), mix(fill, granat, 0.2)));
        p.setPen(QPen(alpha(granat, 110), 1));
        p.drawPath(rounded(body, 7));
        glyph(p, body.adjusted(7, 7, -7, -7));
    });
}

Glyph icon(Icon i) {
    return [i](QPainter& p, const QRectF& r) { draw_icon(p, i, r, white); };
}

QPen white_pen(double w) {
    return QPen(white, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void plus(QPainter& p, const QRectF& r) {
    p.setPen(white_pen(3));
    p.drawLine(QPointF(r.center().x(), r.top() + 1), QPointF(r.center().x(), r.bottom() - 1));
    p.drawLine(QPointF(r.left() + 1, r.center().y()), QPointF(r.right() - 1, r.center().y()));
}

void cross(QPainter& p, const QRectF& r) {
    p.setPen(white_pen(3));
    const QRectF c = r.adjusted(2, 2, -2, -2);
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
}

void minus(QPainter& p, const QRectF& r) {
    p.setPen(white_pen(3));
    p.drawLine(QPointF(r.left() + 1, r.center().y()), QPointF(r.right() - 1, r.center().y()));
}

// Two sheets: remove everything.
void sheets_cross(QPainter& p, const QRectF& r) {
    p.setPen(white_pen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -5, -5));
    p.drawRect(r.adjusted(4, 4, 0, 0));
    const QRectF c = r.adjusted(7, 7, -2, -2);
    p.setPen(white_pen(2.2));
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
}

void speech(QPainter& p, const QRectF& r) {
    QPainterPath b;
    b.addRoundedRect(r.adjusted(0, 0, 0, -5), 4, 4);
    QPolygonF tail;
    tail << QPointF(r.left() + 4, r.bottom() - 6) << QPointF(r.left() + 3, r.bottom())
         << QPointF(r.left() + 10, r.bottom() - 6);
    b.addPolygon(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(b.simplified());
    p.setPen(QPen(morski, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 2; ++k)
        p.drawLine(QPointF(r.left() + 4, r.top() + 5 + 5 * k),
                   QPointF(r.right() - (k ? 7 : 4), r.top() + 5 + 5 * k));
}

void disk(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(morski);
    p.drawRect(QRectF(r.left() + 4, r.top(), r.width() - 8, 6));
    p.drawRoundedRect(QRectF(r.left() + 3, r.center().y() + 1, r.width() - 6, r.height() / 2 - 3), 1, 1);
}

void clipboard(QPainter& p, const QRectF& r) {
    p.setPen(white_pen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 2, -1, 0), 2, 2);
    p.setBrush(white);
    p.drawRoundedRect(QRectF(r.center().x() - 4, r.top(), 8, 4), 1, 1);
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(r.left() + 5, r.top() + 8 + 4 * k), QPointF(r.right() - 5, r.top() + 8 + 4 * k));
}

void load(QPainter& p, const QRectF& r) {
    // An open folder with an arrow into it.
    p.setPen(white_pen(1.6));
    p.setBrush(Qt::NoBrush);
    QPolygonF f;
    f << QPointF(r.left(), r.top() + 6) << QPointF(r.left() + 6, r.top() + 6)
      << QPointF(r.left() + 8, r.top() + 8) << QPointF(r.right(), r.top() + 8)
      << QPointF(r.right(), r.bottom()) << QPointF(r.left(), r.bottom());
    p.drawPolygon(f);
    p.setPen(white_pen(2.2));
    const double x = r.center().x();
    p.drawLine(QPointF(x, r.top() - 3), QPointF(x, r.bottom() - 4));
    p.drawLine(QPointF(x - 4, r.bottom() - 8), QPointF(x, r.bottom() - 4));
    p.drawLine(QPointF(x + 4, r.bottom() - 8), QPointF(x, r.bottom() - 4));
}

void arrow_right(QPainter& p, const QRectF& r) {
    QPolygonF a;
    const double y = r.center().y();
    a << QPointF(r.left(), y - 4) << QPointF(r.center().x(), y - 4)
      << QPointF(r.center().x(), r.top()) << QPointF(r.right(), y)
      << QPointF(r.center().x(), r.bottom()) << QPointF(r.center().x(), y + 4)
      << QPointF(r.left(), y + 4);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPolygon(a);
}

// A wide button: a glyph in a disc at the left, its caption beside it.
QImage caption_button(const look::Rect& r, const char* caption, const Glyph& glyph) {
    return light_button(r, QPen(alpha(granat, 110), 1.2), [&](QPainter& p) {
        const QPointF c(r.h / 2.0 + 2, r.h / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(morski);
        p.drawEllipse(c, r.h / 2.0 - 4, r.h / 2.0 - 4);
        glyph(p, QRectF(c.x() - 7, c.y() - 7, 14, 14));
        p.setFont(font(fitting_size(QString::fromUtf8(caption), 14, 10, r.w - r.h - 12, true), true));
        p.setPen(granat);
        p.drawText(QRectF(r.h + 4, 0, r.w - r.h - 8, r.h), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf8(caption));
    });
}

constexpr const char* zakladki[] = {"Wszystkie", "Filtr", "Szukaj"};

QImage tab(int k, Icon i) {
    const look::Rect r = geo2::zakladka_nr(k);
    return caption_button(r, zakladki[k], icon(i));
}

} // namespace

QImage generator() {
    QImage img = dialog(geo2::okno, "Generator ćwiczeń", Icon::generator);
    // The found list with its count and description.
    raised_panel(img, QRectF(geo2::Grid1.x - 8, geo2::podpis_top - 8, geo2::Grid1.w + 16,
                       geo2::L_Opis.y + geo2::L_Opis.h - geo2::podpis_top + 14),
           alpha(white, 150));
    // The exercise being built.
    raised_panel(img, QRectF(geo2::ListBox1.x - 8, geo2::Label4.y - 8, geo2::ListBox1.w + 16,
                       geo2::rzad_nr(0).y + geo2::przycisk.h - geo2::Label4.y + 16),
           alpha(piasek, 120));
    window_edge(img);
    return img;
}

QImage zapisz_cw() {
    QImage img = dialog(geo15::okno, "Parametry ćwiczenia", Icon::pencil);
    panel(img, rect(geo15::Label1).united(rect(geo15::CB_Poziom)).adjusted(-14, -8, 14, 10), 10,
          alpha(white, 150));
    button_row(img, geo15::B_OK.y - 10);
    window_edge(img);
    return img;
}

QImage edycja_slowka() {
    QImage img = dialog(geo13::okno, "Słówko ucznia", Icon::pencil);
    // Two columns the editor and the picker share: texts or the file list at
    // the left, choices or the picker's buttons at the right.
    const double top = geo13::wiersz_top(0) - 10, bottom = geo13::B_OK.y - 18;
    panel(img, QRectF(geo13::pole_x - 12, top, geo13::pole_w + 24, bottom - top), 10,
          alpha(white, 150));
    panel(img, QRectF(geo13::wybor_x - 12, top, geo13::wybor_w + 24, bottom - top), 10,
          alpha(piasek, 90));
    button_row(img, geo13::B_OK.y - 10);
    window_edge(img);
    return img;
}

std::vector<SmallPicture> generator_pictures() {
    const int s = geo2::przycisk.w;
    return {
        {"gfx_s/gen_zakl_wszystkie.bmp", tab(0, Icon::book)},
        {"gfx_s/gen_zakl_filtr.bmp", tab(1, Icon::gear)},
        {"gfx_s/gen_zakl_szukaj.bmp", tab(2, Icon::search)},
        {"gfx_s/gen_k_pokaz.bmp", square_button(s, pomarancz, icon(Icon::repeat))},
        {"gfx_s/gen_k_nowe.bmp", square_button(s, morski, plus)},
        {"gfx_s/gen_k_edycja.bmp", square_button(s, morski, icon(Icon::pencil))},
        {"gfx_s/gen_k_usun_slowko.bmp", square_button(s, morski, cross)},
        {"gfx_s/gen_k_komentarz.bmp", square_button(s, morski, speech)},
        {"gfx_s/gen_k_przenies.bmp", square_button(geo2::K_przenies.w, pomarancz, arrow_right)},
        {"gfx_s/gen_k_usun.bmp", square_button(s, morski, minus)},
        {"gfx_s/gen_k_usun_all.bmp", square_button(s, morski, sheets_cross)},
        {"gfx_s/gen_k_zapisz.bmp", square_button(s, morski, disk)},
        {"gfx_s/gen_k_nauka.bmp", square_button(s, pomarancz, icon(Icon::book))},
        {"gfx_s/gen_k_schowek.bmp", square_button(s, morski, clipboard)},
        {"gfx_s/gen_k_wczytaj.bmp", square_button(s, morski, load)},
        {"gfx_s/gen_k_nagranie.bmp", caption_button(geo13::K_Nagranie, "Nagranie", icon(Icon::microphone))},
        {"gfx_s/gen_k_graj.bmp", caption_button(geo19::K_Graj, "Odsłuchaj", icon(Icon::speaker))},
        {"gfx_s/gen_k_bez_nagrania.bmp", caption_button(geo19::K_Bez_nagrania, "Bez nagrania", cross)},
    };
}

} // namespace artwork
