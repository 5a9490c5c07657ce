#include "tools/artwork/frames.h"

#include <QPainter>
#include <algorithm>

namespace artwork {

QRectF rect(const look::Rect& r) {
    return QRectF(r.x, r.y, r.w, r.h);
}

QColor alpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

QPainterPath rounded(const QRectF& r, double radius) {
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

void light_ground(QImage& img) {
    QPainter p(&img);
    const QRectF all(0, 0, img.width(), img.height());
    p.fillRect(all, vertical(all, krem, mix(krem, piasek, 0.35)));
}

void title_band(QImage& img, double height) {
    QPainter p(&img);
    prepare(p);
    const QRectF band(0, 0, img.width(), height);
    p.fillRect(band, vertical(band, mix(granat, morski, 0.25), granat));
    p.fillRect(QRectF(0, height, img.width(), 2), pomarancz);
    p.fillRect(QRectF(0, height + 2, img.width(), 1), alpha(granat, 60));
}

void window_edge(QImage& img) {
    QPainter p(&img);
    const int w = img.width(), h = img.height();
    p.setPen(QPen(granat, 1));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(QPen(alpha(white, 120), 1));
    p.drawRect(1, 1, w - 3, h - 3);
}

void icon_badge(QPainter& p, const QPointF& centre, double radius, const QColor& fill, Icon icon) {
    p.setPen(QPen(white, std::max(1.5, radius * 0.14)));
    p.setBrush(vertical(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                        mix(fill, white, 0.2), mix(fill, granat, 0.15)));
    p.drawEllipse(centre, radius, radius);
    const bool glyph = icon == Icon::info || icon == Icon::question;
    const double r = radius * (glyph ? 0.8 : 0.62);
    draw_icon(p, icon, QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), white);
}

void panel(QImage& img, const QRectF& r, double radius, const QColor& tint) {
    QPainter p(&img);
    prepare(p);
    p.fillPath(rounded(r, radius), tint);
    p.setPen(QPen(alpha(granat, 38), 1));
    p.drawPath(rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
}

void raised_panel(QImage& img, const QRectF& r, const QColor& fill) {
    drop_shadow(img, rounded(r, 8), QPointF(0, 2), 3, alpha(granat, 45));
    panel(img, r, 8, fill);
}

QImage badge(int size, const QColor& fill, const std::function<void(QPainter&, QRectF)>& sign) {
    QPainterPath disc;
    disc.addEllipse(QPointF(size / 2.0, size / 2.0), size / 2.0 - 0.5, size / 2.0 - 0.5);
    return keyed(size, size, white, disc, [&](QPainter& p) {
        const QRectF r(1, 1, size - 2, size - 2);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(r, mix(fill, white, 0.15), mix(fill, granat, 0.2)));
        p.drawEllipse(r);
        sign(p, r);
    });
}

QImage strip_button(const look::Rect& m, const std::function<void(QPainter&, QRectF)>& sign) {
    const QRectF r(1, 1, m.w - 2, m.h - 2);
    return keyed(m.w, m.h, granat, rounded(r, 8), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(r, mix(jasny, white, 0.1), morski));
        p.drawRoundedRect(r, 8, 8);
        sign(p, r);
    });
}

void separator(QImage& img, double y, double left, double right) {
    QPainter p(&img);
    p.fillRect(QRectF(left, y, right - left, 1), alpha(granat, 40));
    p.fillRect(QRectF(left, y + 1, right - left, 1), alpha(white, 160));
}

void button_row(QImage& img, int top) {
    separator(img, top, 18, img.width() - 18);
}

QImage light_button(const look::Rect& r, const QPen& edge,
                    const std::function<void(QPainter&)>& paint) {
    return keyed(r.w, r.h, white, rounded(QRectF(0, 0, r.w, r.h), 9), [&](QPainter& p) {
        const QRectF body(0.5, 0.5, r.w - 1, r.h - 1);
        p.fillPath(rounded(body, 9), vertical(body, white, mix(piasek, white, 0.4)));
        p.setPen(edge);
        p.drawPath(rounded(body.adjusted(0.4, 0.4, -0.4, -0.4), 9));
        paint(p);
    });
}

void button_shadows(QImage& img, std::initializer_list<look::Rect> buttons) {
    for (const auto& b : buttons)
        drop_shadow(img, rounded(rect(b), std::min(b.h * 0.3, 16.0)), QPointF(0, 2), 2,
                    alpha(granat, 70));
}

QImage dialog(look::Size size, const char* heading, Icon icon) {
    QImage img = canvas(size.w, size.h, krem);
    light_ground(img);
    title_band(img, 52);
    QPainter p(&img);
    prepare(p);
    icon_badge(p, QPointF(40, 26), 16, morski, icon);
    p.setFont(font(21, true));
    p.setPen(alpha(granat, 160));
    p.drawText(QRectF(68, 1, size.w - 80, 52), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(heading));
    p.setPen(white);
    p.drawText(QRectF(68, 0, size.w - 80, 52), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(heading));
    return img;
}

QImage keyed(int w, int h, const QColor& ground, const QPainterPath& shape,
             const std::function<void(QPainter&)>& paint) {
    QImage img = canvas(w, h, ground);
    QImage mask(img.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter p(&img);
        prepare(p);
        paint(p);
        QPainter m(&mask);
        m.fillPath(shape, Qt::black);
    }
    const QRgb key = QRgb(0xFF000000u | look::klucz_przezroczysty);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (qAlpha(mask.pixel(x, y)) < 128) img.setPixel(x, y, key);
    return img;
}

} // namespace artwork
