#include "tools/artwork/chooser_art.h"

#include "tools/artwork/frames.h"
#include "trainer/form8_geometry.h"
#include "trainer/wybor_zdan_geometry.h"

#include <QPainterPath>

namespace artwork {
namespace {

// A list's panel: a heading row above the rows and light stripes on every
// second row, so that a long row is easy to follow.
void list_panel(QImage& img, const look::Rect& list, const char* heading) {
    const QRectF r = rect(list).adjusted(-8, -(list.y - look::wybor_naglowek_top) - 6, 8, 8);
    raised_panel(img, r, white);
    QPainter p(&img);
    prepare(p);
    const QRectF head(r.left(), r.top(), r.width(), list.y - r.top() - 2);
    p.setClipPath(rounded(r, 8));
    p.fillRect(head, vertical(head, mix(piasek, white, 0.35), piasek));
    p.setClipping(false);
    p.fillRect(QRectF(r.left(), head.bottom(), r.width(), 1), alpha(granat, 50));
    p.setFont(font(14, true));
    p.setPen(granat);
    p.drawText(head.adjusted(12, 0, -40, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(heading));
    for (int row = 1; row < look::wybor_wierszy; row += 2)
        p.fillRect(QRectF(list.x, list.y + row * look::wybor_wiersz, list.w, look::wybor_wiersz),
                   alpha(jasny, 20));
}

void info_panel(QImage& img) {
    raised_panel(img, rect(look::wybor_lbl_info).adjusted(-8, -4, 8, 2), alpha(white, 130));
}

QPainterPath whole(int w, int h) {
    QPainterPath p;
    p.addRect(0, 0, w, h);
    return p;
}

constexpr int I = look::wybor_ikona;

// Category: one, two or three rising bars.
QImage category(int n) {
    return keyed(I, I, white, whole(I, I), [n](QPainter& p) {
        for (int k = 0; k < 3; ++k) {
            const double h = 5 + 4 * k;
            const QRectF bar(1.5 + 5 * k, I - 1.5 - h, 3.5, h);
            p.setPen(Qt::NoPen);
            p.setBrush(k < n ? morski : mix(piasek, white, 0.2));
            p.drawRoundedRect(bar, 1, 1);
        }
    });
}

// Run at least once: a tick in a disc; never run: an empty ring.
QImage run_mark(bool yes) {
    return keyed(I, I, white, whole(I, I), [yes](QPainter& p) {
        const QRectF disc(1.5, 1.5, I - 3, I - 3);
        if (!yes) {
            p.setPen(QPen(mix(piasek, granat, 0.3), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(disc);
            return;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(morski);
        p.drawEllipse(disc);
        p.setPen(QPen(white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF tick;
        tick << QPointF(4.5, 8.2) << QPointF(7, 10.8) << QPointF(11.6, 5.4);
        p.drawPolyline(tick);
    });
}

// Kind of exercise: a tile with "Aa" (words), text lines (sentences) or a
// pencil (the learner's own).
QImage kind_tile(int kind) {
    return keyed(I, I, white, whole(I, I), [kind](QPainter& p) {
        const QRectF tile(0.5, 0.5, I - 1, I - 1);
        const QColor fill = kind == 0 ? jasny : kind == 1 ? granat : pomarancz;
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(tile, 3, 3);
        if (kind == 0) {
            p.setFont(font(10, true));
            p.setPen(white);
            p.drawText(tile, Qt::AlignCenter, QStringLiteral("Aa"));
        } else if (kind == 1) {
            for (int k = 0; k < 3; ++k)
                p.fillRect(QRectF(3.5, 4 + 3 * k, k == 2 ? 6 : 9, 1.6), white);
        } else {
            draw_icon(p, Icon::pencil, tile.adjusted(2.5, 2.5, -2.5, -2.5), white);
        }
    });
}

QImage progress_bar() {
    const look::Size s = look::wybor_img_progress;
    return keyed(s.w, s.h, white, whole(s.w, s.h), [s](QPainter& p) {
        const QRectF r(0, 0, s.w, s.h);
        p.fillRect(r, vertical(r, mix(pomarancz, white, 0.25), mix(pomarancz, granat, 0.15)));
        p.fillRect(QRectF(0, 0, s.w, s.h / 2.0), QColor(255, 255, 255, 50));
    });
}

QImage progress_back() {
    const look::Size s = look::wybor_img_progress_back;
    const QPainterPath shape = rounded(QRectF(0, 0, s.w, s.h), 3);
    return keyed(s.w, s.h, white, shape, [s](QPainter& p) {
        p.setPen(QPen(mix(granat, white, 0.35), 1));
        p.setBrush(mix(piasek, white, 0.55));
        p.drawRoundedRect(QRectF(0.5, 0.5, s.w - 1, s.h - 1), 3, 3);
    });
}

constexpr const char* zakladki[] = {"Wyniki ćwiczeń", "W powtórkach", "Umiesz"};

QImage tab(const look::Rect& r, const char* caption, Icon icon) {
    const QPainterPath shape = rounded(QRectF(0, 0, r.w, r.h), 8);
    // One size for the three captions: the largest at which each fits.
    int px = 13;
    for (const char* z : zakladki)
        px = std::min(px, fitting_size(QString::fromUtf8(z), 13, 10, 120 - 34, true));
    return keyed(r.w, r.h, white, shape, [r, caption, icon, px](QPainter& p) {
        const QRectF body(0.5, 0.5, r.w - 1, r.h - 1);
        p.fillPath(rounded(body, 8), vertical(body, mix(piasek, white, 0.5), piasek));
        p.setPen(QPen(alpha(granat, 90), 1));
        p.drawPath(rounded(body, 8));
        draw_icon(p, icon, QRectF(7, (r.h - 14) / 2.0, 14, 14), morski);
        const QString text = QString::fromUtf8(caption);
        p.setFont(font(px, true));
        p.setPen(granat);
        p.drawText(QRectF(26, 0, r.w - 28, r.h), Qt::AlignVCenter | Qt::AlignLeft, text);
    });
}

QImage delete_button() {
    const look::Rect r = look::wybor_k_usun;
    return light_button(r, QPen(pomarancz, 1.4), [&](QPainter& p) {
        // a cross in an orange disc
        const QPointF c(16, r.h / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(pomarancz);
        p.drawEllipse(c, 8, 8);
        p.setPen(QPen(white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-3.2, -3.2), c + QPointF(3.2, 3.2));
        p.drawLine(c + QPointF(-3.2, 3.2), c + QPointF(3.2, -3.2));
        p.setFont(font(13, true));
        p.setPen(granat);
        p.drawText(QRectF(30, 0, r.w - 34, r.h), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromUtf8("Usuń ćwiczenie"));
    });
}

} // namespace

QImage wybor_cw_a() {
    QImage img = dialog(look::okno_wyboru, "Ćwiczenia i wyniki", Icon::pencil);
    list_panel(img, look::wybor_pb_dzialy2, "Działy");
    list_panel(img, look::wybor_pb_paczki, "Ćwiczenia");
    info_panel(img);
    button_shadows(img, {look::wybor_B_Zamknij});
    window_edge(img);
    return img;
}

QImage wybor_cw_2_a() {
    QImage img = dialog(look::okno_wyboru, "Postęp w działach", Icon::chart);
    list_panel(img, look::wybor_pb_dzialy2, "Działy");
    const look::Rect& prawa = look::wybor_pb_paczki;
    const QRectF r = rect(prawa).adjusted(-8, -(prawa.y - look::wybor_naglowek_top) - 6, 8, 8);
    raised_panel(img, r, alpha(white, 170));
    {
        QPainter p(&img);
        prepare(p);
        const double x = r.left() + 22, w = r.width() - 44;
        p.setFont(font(17, true));
        p.setPen(granat);
        p.drawText(QRectF(x, r.top() + 18, w, 26), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("Jak czytać pasek działu"));
        p.fillRect(QRectF(x, r.top() + 48, 60, 3), pomarancz);
        struct Akapit {
            Icon icon;
            const char* text;
        };
        const Akapit akapity[] = {
            {Icon::repeat, "W powtórkach: jaka część słówek i zdań działu ma już swoje powtórki."},
            {Icon::chart, "Umiesz: jaka część ma odstęp powtórek dłuższy niż próg „umiesz” "
                          "z ustawień."},
            {Icon::info, "Kliknij dział, aby zobaczyć pod listą, ile to słówek i zdań."},
        };
        double y = r.top() + 70;
        p.setFont(font(14, false));
        for (const Akapit& a : akapity) {
            p.setPen(Qt::NoPen);
            p.setBrush(morski);
            p.drawEllipse(QPointF(x + 13, y + 13), 13, 13);
            draw_icon(p, a.icon, QRectF(x + 5, y + 5, 16, 16), white);
            p.setPen(tekst);
            const QRectF box(x + 38, y, w - 38, 64);
            p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       QString::fromUtf8(a.text));
            y += 74;
        }
    }
    info_panel(img);
    button_shadows(img, {look::wybor_B_Zamknij});
    window_edge(img);
    return img;
}

QImage form8() {
    QImage img = dialog(look::okno_typow, "Rodzaje ćwiczeń", Icon::pencil);
    raised_panel(img, rect(look::form8_ListBox1).adjusted(-6, -6, 6, 6), white);
    raised_panel(
        img,
        rect(look::form8_CB_Bez_powtorki).united(rect(look::form8_Label2)).adjusted(-8, -6, 8, 6),
        alpha(white, 130));
    button_shadows(img, {look::form8_B_Zamknij});
    window_edge(img);
    return img;
}

std::vector<SmallPicture> chooser_pictures() {
    return {
        {"gfx_s/wybor_poz_1.bmp", category(1)},
        {"gfx_s/wybor_poz_2.bmp", category(2)},
        {"gfx_s/wybor_poz_3.bmp", category(3)},
        {"gfx_s/wybor_rob_yes.bmp", run_mark(true)},
        {"gfx_s/wybor_rob_no.bmp", run_mark(false)},
        {"gfx_s/wybor_cw_slowka.bmp", kind_tile(0)},
        {"gfx_s/wybor_cw_zdania.bmp", kind_tile(1)},
        {"gfx_s/wybor_cw_usera.bmp", kind_tile(2)},
        {"gfx_s/wybor_progress.bmp", progress_bar()},
        {"gfx_s/wybor_progress_back.bmp", progress_back()},
        {"gfx_s/wybor_zakl_wyniki.bmp", tab(look::wybor_btn_wyniki, zakladki[0], Icon::chart)},
        {"gfx_s/wybor_zakl_powt.bmp",
         tab(look::wybor_btnWyniki_powtorek, zakladki[1], Icon::repeat)},
        {"gfx_s/wybor_zakl_umiesz.bmp", tab(look::wybor_k_wynik_powt_2, zakladki[2], Icon::book)},
        {"gfx_s/wybor_k_usun.bmp", delete_button()},
    };
}

} // namespace artwork
