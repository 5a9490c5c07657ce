#include "tools/artwork/paint.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <vector>

namespace artwork {

QColor rgb(uint32_t value) {
    return QColor(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

bool load_fonts() {
    return QFontDatabase::families().contains(QStringLiteral("Liberation Sans"));
}

QFont font(int pixel_size, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixel_size);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage canvas(int w, int h, const QColor& ground) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ground);
    return img;
}

namespace {

// One horizontal and one vertical box-blur pass over the alpha channel.
void box_blur_alpha(std::vector<float>& a, int w, int h, int radius) {
    std::vector<float> tmp(a.size());
    const float n = float(2 * radius + 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k)
                s += a[size_t(y) * w + std::clamp(x + k, 0, w - 1)];
            tmp[size_t(y) * w + x] = s / n;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k)
                s += tmp[size_t(std::clamp(y + k, 0, h - 1)) * w + x];
            a[size_t(y) * w + x] = s / n;
        }
}

} // namespace

void drop_shadow(QImage& target, const QPainterPath& shape, QPointF offset, int blur,
                 const QColor& colour) {
    const QRect area = shape.boundingRect().translated(offset).toAlignedRect().adjusted(
        -3 * blur - 2, -3 * blur - 2, 3 * blur + 2, 3 * blur + 2);
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        prepare(p);
        p.translate(-area.topLeft() + offset);
        p.fillPath(shape, Qt::black);
    }
    const int w = layer.width(), h = layer.height();
    std::vector<float> alpha(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[size_t(y) * w + x] = float(qAlpha(layer.pixel(x, y))) / 255.f;
    for (int pass = 0; pass < 3 && blur > 0; ++pass)
        box_blur_alpha(alpha, w, h, blur);

    for (int y = 0; y < h; ++y) {
        const int ty = area.top() + y;
        if (ty < 0 || ty >= target.height()) continue;
        for (int x = 0; x < w; ++x) {
            const int tx = area.left() + x;
            if (tx < 0 || tx >= target.width()) continue;
            const double t = alpha[size_t(y) * w + x] * colour.alphaF();
            if (t <= 0) continue;
            const QColor under = QColor::fromRgb(target.pixel(tx, ty));
            QColor solid = colour;
            solid.setAlpha(255);
            target.setPixel(tx, ty, mix(under, solid, t).rgb());
        }
    }
}

void text_centered(QPainter& p, const QRectF& box, const QString& text, const QFont& f,
                   const QColor& colour, const QColor& shadow) {
    p.setFont(f);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

int fitting_size(const QString& text, int max_px, int min_px, double width, bool bold) {
    for (int px = max_px; px > min_px; --px)
        if (QFontMetricsF(font(px, bold)).horizontalAdvance(text) <= width) return px;
    return min_px;
}

bool near_key(QRgb pixel) {
    return qRed(pixel) >= 160 && qBlue(pixel) >= 160 && qGreen(pixel) <= 100;
}

bool contains_near_key(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (near_key(picture.pixel(x, y))) return true;
    return false;
}

} // namespace artwork
