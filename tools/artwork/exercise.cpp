#include "tools/artwork/exercise.h"

#include "tools/artwork/frames.h"
#include "trainer/form4_geometry.h"

#include <QPainterPath>
#include <cmath>

namespace artwork {
namespace {

const QRectF card = rect(geo4::karta);
const QRectF band = rect(geo4::pasek_licznikow);
const int W = geo4::okno.w, H = geo4::okno.h, STRIP_H = geo4::Image2.h;

// The ground shared by every background: light, the card with a soft shadow,
// and the band for the counters.
void card_and_band(QImage& img) {
    drop_shadow(img, rounded(card, 16), QPointF(0, 3), 5, alpha(granat, 55));
    drop_shadow(img, rounded(band, 12), QPointF(0, 2), 3, alpha(granat, 40));
    QPainter p(&img);
    prepare(p);
    p.fillPath(rounded(card, 16), white);
    p.setPen(QPen(alpha(granat, 30), 1));
    p.drawPath(rounded(card.adjusted(0.5, 0.5, -0.5, -0.5), 16));
    p.fillPath(rounded(band, 12), vertical(band, mix(piasek, white, 0.45), mix(piasek, krem, 0.2)));
    p.setPen(QPen(alpha(granat, 36), 1));
    p.drawPath(rounded(band.adjusted(0.5, 0.5, -0.5, -0.5), 12));
}

QImage light() {
    QImage img = canvas(W, H, krem);
    light_ground(img);
    return img;
}

QImage plain() {
    QImage img = light();
    card_and_band(img);
    return img;
}

// Soft circles in the margins.
QImage circles() {
    QImage img = light();
    {
        QPainter p(&img);
        prepare(p);
        p.setPen(Qt::NoPen);
        for (auto [c, r, a] : {std::tuple{QPointF(40, 120), 90.0, 40},
                               {QPointF(770, 260), 120.0, 34},
                               {QPointF(90, 470), 70.0, 30},
                               {QPointF(720, 560), 80.0, 40},
                               {QPointF(400, 610), 140.0, 24}}) {
            p.setBrush(alpha(jasny, a));
            p.drawEllipse(c, r, r);
        }
    }
    card_and_band(img);
    return img;
}

// Fine diagonal lines in sand.
QImage lines() {
    QImage img = light();
    {
        QPainter p(&img);
        prepare(p);
        p.setPen(QPen(alpha(mix(piasek, granat, 0.15), 110), 2));
        for (int x = -H; x < W; x += 22)
            p.drawLine(QPointF(x, H), QPointF(x + H, 0));
    }
    card_and_band(img);
    return img;
}

// Waves of warm colour along the bottom and the top.
QImage waves() {
    QImage img = light();
    {
        QPainter p(&img);
        prepare(p);
        for (int k = 0; k < 3; ++k) {
            QPainterPath wave;
            const double y = 430 + 45 * k;
            wave.moveTo(0, y);
            wave.cubicTo(220, y - 60, 480, y + 70, W, y - 20);
            wave.lineTo(W, H);
            wave.lineTo(0, H);
            wave.closeSubpath();
            p.fillPath(wave, alpha(k == 1 ? pomarancz : jasny, 36));
        }
        QPainterPath top;
        top.moveTo(0, 150);
        top.cubicTo(260, 60, 520, 200, W, 90);
        top.lineTo(W, 0);
        top.lineTo(0, 0);
        top.closeSubpath();
        p.fillPath(top, alpha(jasny, 30));
    }
    card_and_band(img);
    return img;
}

// A landscape filling the whole window, sky at the top where the strip would be.
QImage landscape() {
    QImage img = canvas(W, H, krem);
    {
        QPainter p(&img);
        prepare(p);
        p.fillRect(QRectF(0, 0, W, H),
                   vertical(QRectF(0, 0, W, H), mix(granat, morski, 0.35), mix(jasny, krem, 0.7)));
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(mix(pomarancz, white, 0.35), 220));
        p.drawEllipse(QPointF(660, 120), 46, 46);
        const QColor hills[] = {mix(morski, krem, 0.55), mix(morski, granat, 0.2),
                                mix(morski, krem, 0.2)};
        for (int k = 0; k < 3; ++k) {
            QPainterPath hill;
            const double y = 330 + 70 * k;
            hill.moveTo(0, y + 30);
            hill.cubicTo(200, y - 70, 420, y + 60, 600, y - 10);
            hill.cubicTo(690, y - 40, 760, y, W, y - 20);
            hill.lineTo(W, H);
            hill.lineTo(0, H);
            hill.closeSubpath();
            p.fillPath(hill, hills[k]);
        }
        // the title in the sky, left of the close button
        p.setFont(font(20, true));
        p.setPen(alpha(white, 210));
        p.drawText(QRectF(24, 0, geo4::K_menu.x - 12 - 24, STRIP_H), Qt::AlignVCenter | Qt::AlignRight,
                   QStringLiteral("Tavolent 4.0"));
    }
    card_and_band(img);
    return img;
}

} // namespace

QImage cw_pasek() {
    QImage img = canvas(W, STRIP_H, granat);
    QPainter p(&img);
    prepare(p);
    const QRectF strip(0, 0, W, STRIP_H - 3);
    p.fillRect(strip, vertical(strip, mix(granat, morski, 0.3), granat));
    p.setClipRect(strip);
    p.setPen(Qt::NoPen);
    for (auto [c, r] : {std::pair{QPointF(560, -40), 70.0}, {QPointF(690, 50), 36.0}}) {
        p.setBrush(alpha(jasny, 26));
        p.drawEllipse(c, r, r);
    }
    p.setClipping(false);
    p.fillRect(QRectF(0, STRIP_H - 3, W, 2), pomarancz);
    p.fillRect(QRectF(0, STRIP_H - 1, W, 1), mix(krem, granat, 0.25));
    p.setFont(font(20, true));
    p.setPen(white);
    // The title ends left of the item menu's button.
    p.drawText(QRectF(0, 0, geo4::K_menu.x - 12, STRIP_H - 3), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Tavolent 4.0"));
    return img;
}

std::vector<ExerciseBackground> cw_tla() {
    return {{"c0.bmp", plain()},
            {"tlo_kola.bmp", circles()},
            {"tlo_linie.bmp", lines()},
            {"tlo_fale.bmp", waves()},
            {"p_pejzaz.bmp", landscape()}};
}

namespace {

// A rounded panel of the control's size on the white card.
QImage card_panel(const look::Rect& size, double radius,
                  const std::function<void(QPainter&, QRectF)>& paint) {
    const QRectF r(0.5, 0.5, size.w - 1, size.h - 1);
    return keyed(size.w, size.h, white, rounded(r, radius), [&](QPainter& p) {
        paint(p, r);
        p.setPen(QPen(alpha(granat, 38), 1));
        p.drawPath(rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    });
}

} // namespace

QImage cw_wybor(int n) {
    return badge(geo4::wyr_rozmiar, morski, [n](QPainter& p, QRectF r) {
        text_centered(p, r.translated(0, -0.5), QString::number(n), font(17, true), white);
    });
}

QImage cw_powtorki() {
    return badge(geo4::I_powtorki.w, pomarancz, [](QPainter& p, QRectF r) {
        draw_icon(p, Icon::repeat, r.adjusted(5, 5, -5, -5), white);
    });
}

QImage cw_zamknij() {
    return strip_button(geo4::Menu_Image, [](QPainter& p, QRectF r) {
        const QPointF c = r.center();
        p.setPen(QPen(white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
        p.drawLine(c + QPointF(6, -6), c + QPointF(-6, 6));
    });
}

QImage cw_umiesz() {
    return card_panel(geo4::Tlo_umiesz, 14, [](QPainter& p, QRectF r) {
        p.fillPath(rounded(r, 14), vertical(r, mix(piasek, white, 0.5), mix(piasek, white, 0.2)));
    });
}

QImage cw_komentarz() {
    return card_panel(geo4::L_kom_panel, 12, [](QPainter& p, QRectF r) {
        p.fillPath(rounded(r, 12), mix(krem, white, 0.35));
        p.fillRect(QRectF(0, 10, 4, r.height() - 20), mix(jasny, white, 0.2));
    });
}

} // namespace artwork
