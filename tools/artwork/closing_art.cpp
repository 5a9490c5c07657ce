#include "tools/artwork/closing_art.h"

#include "tools/artwork/frames.h"
#include "trainer/form11_geometry.h"
#include "trainer/form21_geometry.h"
#include "trainer/form25_geometry.h"
#include "trainer/form27_geometry.h"
#include "trainer/form30_geometry.h"
#include "trainer/form31_geometry.h"
#include "trainer/form4_geometry.h"
#include "trainer/form6_geometry.h"

namespace artwork {

namespace {

QRectF around(const look::Rect& r, double d) {
    return rect(r).adjusted(-d, -d, d, d);
}

QImage form31() {
    QImage img = dialog(geo31::okno, "Lista słówek", Icon::book);
    raised_panel(img, around(geo31::ListBox1, 4), white);
    button_shadows(img, {geo31::K_do_schowka, geo31::K_wydruk, geo31::B_Zamknij});
    window_edge(img);
    return img;
}

QImage oznacz() {
    QImage img = dialog(geo30::okno, "Oznacz rodzaje ćwiczeń", Icon::pencil);
    raised_panel(img, around(geo30::ListBox1, 4), white);
    button_shadows(img, {geo30::B_OK, geo30::B_Zamknij});
    window_edge(img);
    return img;
}

QImage statystyka() {
    QImage img = dialog(geo25::okno, "Statystyka ćwiczenia", Icon::chart);
    raised_panel(img, rect(geo25::panel), alpha(white, 150));
    {
        // A quiet bar chart in the panel's right-hand corner.
        QPainter p(&img);
        prepare(p);
        const QRectF r = rect(geo25::panel);
        const double heights[] = {26, 44, 34, 58};
        for (int k = 0; k < 4; ++k) {
            const QRectF bar(r.right() - 86 + k * 18, r.bottom() - 14 - heights[k], 12,
                             heights[k]);
            p.setPen(Qt::NoPen);
            p.setBrush(alpha(k == 3 ? pomarancz : jasny, 70));
            p.drawRoundedRect(bar, 2, 2);
        }
    }
    button_shadows(img, {geo25::B_OK});
    window_edge(img);
    return img;
}

QImage form6() {
    QImage img = dialog(geo6::okno, "Twoja odpowiedź", Icon::user);
    raised_panel(img, rect(geo6::panel), white);
    button_shadows(img, {geo6::B_Zamknij});
    window_edge(img);
    return img;
}

QImage form27() {
    QImage img = dialog(geo27::okno, "Komentarz", Icon::pencil);
    button_shadows(img, {geo27::B_Zamknij});
    window_edge(img);
    return img;
}

QImage form11() {
    QImage img = dialog(geo11::okno, "Powtórki", Icon::repeat);
    raised_panel(img, rect(geo11::panel), alpha(white, 150));
    button_shadows(img, {geo11::K_Statystyka, geo11::B_Zamknij});
    window_edge(img);
    return img;
}

QImage form21() {
    QImage img = dialog(geo21::okno, "Powtórki w kolejnych dniach", Icon::chart);
    raised_panel(img, around(geo21::ListBox2, 4), white);
    button_shadows(img, {geo21::B_OK});
    window_edge(img);
    return img;
}

// The microphone on the white card: a round button in the colour of its state.
QImage mikrofon(const QColor& fill, bool kropka) {
    const int s = geo4::K_nagraj.w;
    return badge(s, fill, [&](QPainter& p, QRectF r) {
        draw_icon(p, Icon::microphone, r.adjusted(11, 10, -11, -12), white);
        if (!kropka) return;
        p.setBrush(white);
        p.drawEllipse(QPointF(s - 12.5, 12.5), 4, 4);
        p.setBrush(QColor(0xD0, 0x30, 0x28));
        p.drawEllipse(QPointF(s - 12.5, 12.5), 2.6, 2.6);
    });
}

// The menu button on the strip: three lines.
QImage cw_menu() {
    return strip_button(geo4::K_menu, [](QPainter& p, QRectF r) {
        p.setPen(QPen(white, 2.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = r.center();
        for (int k = -1; k <= 1; ++k)
            p.drawLine(c + QPointF(-8, 6.5 * k), c + QPointF(8, 6.5 * k));
    });
}

// The menu's panel, dropped from the strip over the card.
QImage cw_menu_panel() {
    const look::Rect& m = geo4::Panel_menu;
    QImage img = canvas(m.w, m.h, mix(krem, white, 0.4));
    QPainter p(&img);
    prepare(p);
    const QRectF r(0.5, 0.5, m.w - 1, m.h - 1);
    p.fillRect(QRectF(0, 0, m.w, 3), pomarancz);
    for (int k = 1; k < 6; ++k) {
        const double y = geo4::menu_gora + k * geo4::menu_wiersz - 2;
        p.fillRect(QRectF(12, y, m.w - 24, 1), alpha(granat, 22));
    }
    p.setPen(QPen(alpha(granat, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    return img;
}

} // namespace

std::vector<ClosingPicture> closing_pictures() {
    return {
        {"gfx_s/form31.bmp", form31(), false, geo31::okno},
        {"gfx_s/oznacz.bmp", oznacz(), false, geo30::okno},
        {"gfx_s/statystyka.bmp", statystyka(), false, geo25::okno},
        {"gfx_s/form6.bmp", form6(), false, geo6::okno},
        {"gfx_s/form27.bmp", form27(), false, geo27::okno},
        {"gfx_s/form11.bmp", form11(), false, geo11::okno},
        {"gfx_s/form21.bmp", form21(), false, geo21::okno},
        {"gfx_s/cw_menu_panel.bmp", cw_menu_panel(), false,
         {geo4::Panel_menu.w, geo4::Panel_menu.h}},
        {"gfx_s/nagraj_a.bmp", mikrofon(morski, false), true, {}},
        {"gfx_s/nagraj_b.bmp", mikrofon(QColor(0xC8, 0x3A, 0x2E), true), true, {}},
        {"gfx_s/nagraj_c.bmp", mikrofon(jasny, false), true, {}},
        {"gfx_s/cw_menu.bmp", cw_menu(), true, {}},
    };
}

} // namespace artwork
