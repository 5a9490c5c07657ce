#pragma once
// Drawing primitives shared by the strips and the window pictures: palette access,
// fonts, gradients, soft shadows and the key-colour guard.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>

namespace artwork {

QColor rgb(uint32_t value);
// Linear blend: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Whether "Liberation Sans" (pinned to its files before the application) is there.
bool load_fonts();
QFont font(int pixel_size, bool bold);

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom);

// A painter with antialiasing on, for pictures of the RGB32 format.
void prepare(QPainter& p);
QImage canvas(int w, int h, const QColor& ground);

// Paints a blurred shadow of `shape` moved by `offset` onto `target`.
void drop_shadow(QImage& target, const QPainterPath& shape, QPointF offset, int blur,
                 const QColor& colour);

// Text centred in `box`, optionally with a one-pixel shadow below it.
void text_centered(QPainter& p, const QRectF& box, const QString& text, const QFont& f,
                   const QColor& colour, const QColor& shadow = QColor());
// Largest pixel size up to `max_px` at which `text` fits `width`.
int fitting_size(const QString& text, int max_px, int min_px, double width, bool bold);

// True when a pixel equals the key colour or comes close to it (reddish-blue with little green).
bool near_key(QRgb pixel);
bool contains_near_key(const QImage& picture);

} // namespace artwork
