#include "trainer/shape.h"

#include <QPainter>

TShape::TShape(QWidget* parent) : ui::Control<QWidget>(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetPen(QRgb color, int width) {
    pen_ = color;
    pen_width_ = width;
    update();
}

void TShape::SetBrush(QRgb argb) {
    brush_ = argb;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (qAlpha(brush_) > 0) p.fillRect(rect(), QColor::fromRgba(brush_));
    if (pen_width_ <= 0) return;
    const int w = pen_width_;
    const QColor c = QColor::fromRgba(pen_);
    p.fillRect(0, 0, width(), w, c);
    p.fillRect(0, height() - w, width(), w, c);
    p.fillRect(0, 0, w, height(), c);
    p.fillRect(width() - w, 0, w, height(), c);
}
