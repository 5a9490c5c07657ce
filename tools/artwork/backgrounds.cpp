#include "tools/artwork/backgrounds.h"

#include "dictionary/slownik_geometry.h"
#include "shared/form10_geometry.h"
#include "shared/form20_geometry.h"
#include "shared/form23_geometry.h"
#include "shared/form24_geometry.h"
#include "shared/form29_geometry.h"
#include "shared/form9_geometry.h"
#include "shared/look.h"
#include "tools/artwork/frames.h"
#include "tools/artwork/icons.h"
#include "tools/artwork/paint.h"
#include "trainer/form1_geometry.h"
#include "trainer/form26_geometry.h"
#include "trainer/form28_geometry.h"

#include <QPainterPath>
#include <array>
#include <cmath>

namespace artwork {
namespace {

// The area of a user window's label and input field.
void field_panel(QImage& img, const look::Rect& label, const look::Rect& field) {
    const QRectF r = rect(label).united(rect(field)).adjusted(-14, -10, 14, 10);
    panel(img, r, 10, alpha(white, 150));
}

// User windows: heading band, the field panel and the line above the buttons.
QImage user_window(look::Size size, const char* heading, const look::Rect& label,
                   const look::Rect& field, int row_top) {
    QImage img = dialog(size, heading, Icon::user);
    field_panel(img, label, field);
    button_row(img, row_top);
    window_edge(img);
    return img;
}

// Coloured line along the top edge of a small box.
void accent_line(QImage& img, const QColor& accent) {
    QPainter p(&img);
    p.fillRect(QRectF(0, 0, img.width(), 4),
               vertical(QRectF(0, 0, 1, 4), accent, mix(accent, granat, 0.3)));
}

// The message boxes: light ground, a coloured top line, the box's icon left of
// the text, and an action panel on the right behind the buttons.
QImage message_box(const look::Rect& label, std::initializer_list<look::Rect> buttons,
                   const QColor& accent, Icon icon) {
    QImage img = canvas(look::okno_info.w, look::okno_info.h, krem);
    light_ground(img);
    accent_line(img, accent);
    const double column = label.x + label.w + 8;
    panel(img, QRectF(column, 10, img.width() - column - 8, img.height() - 18), 10,
          alpha(piasek, 150));
    button_shadows(img, buttons);
    QPainter p(&img);
    prepare(p);
    icon_badge(p, QPointF(look::info_ikona_x, (img.height() + 4) / 2.0), look::info_ikona_r,
               accent, icon);
    p.end();
    window_edge(img);
    return img;
}

// Left of the menu: a small stack of word cards.
void word_cards(QImage& img) {
    struct Card {
        QPointF centre;
        double angle;
        QColor fill;
    };
    const std::array<Card, 3> cards = {{
        {QPointF(128, 330), -12, mix(jasny, krem, 0.55)},
        {QPointF(142, 338), 7, mix(piasek, krem, 0.2)},
        {QPointF(134, 346), -2, white},
    }};
    const QRectF card(-78, -52, 156, 104);
    for (size_t i = 0; i < cards.size(); ++i) {
        QPainterPath shape = rounded(card, 12);
        QTransform t;
        t.translate(cards[i].centre.x(), cards[i].centre.y());
        t.rotate(cards[i].angle);
        drop_shadow(img, t.map(shape), QPointF(0, 4), 4, alpha(granat, 60));
        QPainter p(&img);
        prepare(p);
        p.setTransform(t);
        p.fillPath(shape, cards[i].fill);
        p.setPen(QPen(alpha(granat, 50), 1));
        p.drawPath(shape);
        if (i + 1 == cards.size()) {
            p.setFont(font(44, true));
            p.setPen(granat);
            p.drawText(QRectF(-78, -50, 156, 70), Qt::AlignCenter, QStringLiteral("Aa"));
            p.fillRect(QRectF(-30, 20, 60, 3), pomarancz);
            p.setFont(font(17, false));
            p.setPen(morski);
            p.drawText(QRectF(-78, 24, 156, 26), Qt::AlignCenter,
                       QString::fromUtf8("ą  ć  ę  ł  ó  ź"));
        }
    }
}

// Right of the menu: a calendar page for the repetitions.
void calendar(QImage& img) {
    const QRectF page(612, 262, 150, 150);
    drop_shadow(img, rounded(page, 12), QPointF(0, 4), 4, alpha(granat, 60));
    QPainter p(&img);
    prepare(p);
    p.setClipPath(rounded(page, 12));
    p.fillRect(page, white);
    const QRectF top(page.left(), page.top(), page.width(), 34);
    p.fillRect(top, vertical(top, mix(pomarancz, white, 0.1), mix(pomarancz, granat, 0.1)));
    p.setClipping(false);
    p.setPen(QPen(alpha(granat, 50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(page.adjusted(0.5, 0.5, -0.5, -0.5), 12));
    for (double x : {page.left() + 42, page.right() - 42}) {
        p.setPen(Qt::NoPen);
        p.setBrush(mix(granat, morski, 0.3));
        p.drawRoundedRect(QRectF(x - 4, page.top() - 8, 8, 20), 4, 4);
    }
    const double cell = 22, gap = 6;
    const double x0 = page.left() + (page.width() - (4 * cell + 3 * gap)) / 2;
    const double y0 = top.bottom() + 12;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            const QRectF box(x0 + c * (cell + gap), y0 + r * (cell + gap + 4), cell, cell);
            const int n = r * 4 + c;
            const bool done = n == 1 || n == 4 || n == 6 || n == 9;
            const bool today = n == 10;
            p.setPen(Qt::NoPen);
            p.setBrush(today ? pomarancz : done ? mix(jasny, white, 0.25) : mix(krem, piasek, 0.5));
            p.drawRoundedRect(box, 5, 5);
            if (done) {
                p.setPen(QPen(white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                QPolygonF tick;
                tick << box.topLeft() + QPointF(6, 11.5) << box.topLeft() + QPointF(10, 15.5)
                     << box.topLeft() + QPointF(16.5, 7);
                p.drawPolyline(tick);
            }
        }
}

} // namespace

QImage menu_slow() {
    const int W = look::okno_glowne.w, H = look::okno_glowne.h;
    QImage img = canvas(W, H, krem);
    light_ground(img);
    {
        QPainter p(&img);
        prepare(p);
        // a quiet light behind the menu column
        QRadialGradient glow(QPointF(400, 350), 330);
        glow.setColorAt(0, alpha(white, 150));
        glow.setColorAt(1, alpha(white, 0));
        p.fillRect(QRectF(0, 0, W, H), glow);

        // title band with a wave at its foot
        QPainterPath band;
        band.moveTo(0, 0);
        band.lineTo(W, 0);
        band.lineTo(W, 96);
        band.cubicTo(560, 140, 260, 92, 0, 124);
        band.closeSubpath();
        QPainterPath accent = band;
        accent.translate(0, 4);
        p.fillPath(accent, pomarancz);
        p.fillPath(band, vertical(QRectF(0, 0, W, 130), mix(granat, morski, 0.35), granat));
        p.setClipPath(band);
        for (auto [c, r] : {std::pair{QPointF(650, -70), 120.0},
                            {QPointF(800, 70), 64.0},
                            {QPointF(455, 118), 46.0}}) {
            p.setPen(Qt::NoPen);
            p.setBrush(alpha(jasny, 22));
            p.drawEllipse(c, r, r);
        }
        p.setClipping(false);

        // title on the right of the band; L_napis_logo keeps the left part
        const QRectF title(400, 14, 376, 56);
        const QString name = QStringLiteral("Tavolent "), version = QStringLiteral("4.0");
        const QFont big = font(44, true);
        const QFontMetricsF fm(big);
        const double x = title.right() - fm.horizontalAdvance(name + version);
        const double base = title.top() + 44;
        p.setFont(big);
        p.setPen(alpha(QColor(0, 0, 0), 70));
        p.drawText(QPointF(x + 1, base + 2), name);
        p.drawText(QPointF(x + 1 + fm.horizontalAdvance(name), base + 2), version);
        p.setPen(white);
        p.drawText(QPointF(x, base), name);
        p.setPen(pomarancz);
        p.drawText(QPointF(x + fm.horizontalAdvance(name), base), version);
        p.setFont(font(16, false));
        p.setPen(mix(jasny, white, 0.55));
        p.drawText(QRectF(400, 66, 376, 22), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromUtf8("Trener słownictwa"));

        // fine footer lines beside the menu column
        for (auto [x0, x1] : {std::pair{24.0, 250.0}, {550.0, 776.0}}) {
            p.fillRect(QRectF(x0, 546, x1 - x0, 1), alpha(granat, 40));
            p.fillRect(QRectF(x0, 547, x1 - x0, 1), alpha(white, 170));
        }
    }
    word_cards(img);
    calendar(img);
    button_shadows(img,
                   {look::btn_powtorki, look::btn_cwiczenia, look::btn_wyniki, look::btn_generator,
                    look::btn_ustawienia, look::btn_pomoc, look::btn_serwisy});
    return img;
}

QImage powtorki_tlo2(const QImage& menu) {
    const look::Rect& r = look::powtorki_tlo2;
    QImage img = menu.copy(r.x, r.y, r.w, r.h).convertToFormat(QImage::Format_RGB32);
    const QPointF centre(r.w / 2.0, r.h / 2.0);
    const double radius = r.w / 2.0 - 5;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    drop_shadow(img, disc, QPointF(0, 2), 2, alpha(granat, 90));
    QPainter p(&img);
    prepare(p);
    icon_badge(p, centre, radius, pomarancz, Icon::bell);
    return img;
}

QImage form20() {
    return message_box(look::form20_Label1, {look::form20_B_OK}, morski, Icon::info);
}

QImage form29() {
    return message_box(look::form29_Label1, {look::form29_B_OK, look::form29_B_Zamknij}, pomarancz,
                       Icon::question);
}

QImage form24() {
    QImage img = canvas(look::okno_koniec.w, look::okno_koniec.h, krem);
    light_ground(img);
    accent_line(img, pomarancz);
    {
        QPainter p(&img);
        prepare(p);
        // Clear of the top line, centred over the buttons.
        const QRectF text(12, 10, img.width() - 24, 42);
        p.setFont(font(13, true));
        p.setPen(tekst);
        p.drawText(text, Qt::AlignCenter,
                   QString::fromUtf8("Czy na pewno chcesz zakończyć\npracę z programem?"));
    }
    button_shadows(img, {look::form24_B_OK, look::form24_B_Zamknij});
    window_edge(img);
    return img;
}

QImage form9() {
    return user_window(look::okno_uzytkownik, "Wybór użytkownika", look::form9_Label1,
                       look::form9_ComboBox1, look::form9_B_OK.y - 16);
}

QImage form10() {
    return user_window(look::okno_nowy_uzytkownik, "Nowy użytkownik", look::form10_Label1,
                       look::form10_Edit1, look::form10_B_OK.y - 9);
}

QImage form23() {
    QImage img = dialog(look::okno_szukania, "Szukaj", Icon::search);
    const look::Rect& e = look::form23_Edit1;
    panel(img, rect(e).adjusted(-14, -8, 14, 8), 10, alpha(white, 150));
    // The option rows on a quieter panel of their own.
    const int top = look::form23_wiersz_top(0), bottom = look::form23_wiersz_top(4) + 20;
    panel(img, QRectF(e.x - 14, top - 7, e.w + 28, bottom - top + 14), 10, alpha(piasek, 90));
    button_row(img, look::form23_B_OK.y - 10);
    window_edge(img);
    return img;
}

QImage form26() {
    QImage img = dialog(look::okno_wybranych, "Słówka ze słownika", Icon::book);
    const QRectF lista =
        rect(look::form26_Label2).united(rect(look::form26_ListBox1)).adjusted(-14, -8, 14, 10);
    panel(img, lista, 10, alpha(white, 150));
    button_row(img, look::form26_B_OK.y - 10);
    window_edge(img);
    return img;
}

QImage slownik() {
    const int W = look::okno_slownika.w, H = look::okno_slownika.h;
    QImage img = canvas(W, H, krem);
    light_ground(img);
    title_band(img, look::slownik_Label1.h);
    {
        QPainter p(&img);
        prepare(p);
        draw_icon(p, Icon::book, QRectF(10, 5, 22, 20), white);
        p.setFont(font(15, true));
        p.setPen(white);
        p.drawText(QRectF(40, 0, 300, look::slownik_Label1.h), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf8("Tavolent – Słownik"));
        for (const auto& r : {look::slownik_L_Minim, look::slownik_L_Close}) {
            p.setPen(QPen(alpha(white, 60), 1));
            p.setBrush(alpha(white, 26));
            p.drawRoundedRect(rect(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        }
    }
    const QRectF list = rect(look::slownik_lista);
    panel(img, list, 8, white);
    {
        QPainter p(&img);
        prepare(p);
        p.setClipPath(rounded(list.adjusted(1, 1, -1, -1), 7));
        for (int row = 1; row <= 10; ++row) {
            if (row % 2 == 0) {
                const double top = look::slownik_wiersz_top(row) - 2;
                p.fillRect(QRectF(list.left(), top, look::slownik_Suwak.x - list.left() - 2, 23),
                           alpha(jasny, 22));
            }
        }
        const double divider =
            (look::slownik_L_lewa + look::slownik_L_szer + look::slownik_P_lewa) / 2.0;
        p.fillRect(QRectF(divider, list.top() + 6, 1, list.height() - 12), alpha(granat, 40));
    }
    window_edge(img);
    return img;
}

QImage pomoc() {
    const int W = look::okno_pomocy.w, H = look::okno_pomocy.h;
    QImage img = canvas(W, H, white);
    title_band(img, look::pomoc_naglowek - 3);
    {
        QPainter p(&img);
        prepare(p);
        icon_badge(p, QPointF(44, 46), 26, morski, Icon::question);
        p.setFont(font(26, true));
        p.setPen(white);
        p.drawText(QRectF(84, 14, 320, 36), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Pomoc"));
        p.setFont(font(14, false));
        p.setPen(alpha(white, 210));
        p.drawText(QRectF(84, 50, 340, 24), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf8("Jak korzystać z programu Tavolent"));
        // The way back to the menu, top right.
        const QRectF menu = rect(look::form28_L_menu);
        p.setPen(QPen(alpha(white, 70), 1));
        p.setBrush(alpha(white, 28));
        p.drawRoundedRect(menu.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
    window_edge(img);
    return img;
}

} // namespace artwork
