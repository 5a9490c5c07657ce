#include "shared/bmp_transparent.h"

#include <QPaintEvent>
#include <QPainter>

TBmpTransparent::TBmpTransparent(QWidget* parent) : ui::Clickable<QWidget>(parent) {
    resize(105, 105);
}

void TBmpTransparent::SetPicture(const QImage& picture) {
    picture_ = picture.copy();
    prepare();
}

void TBmpTransparent::SetAuto(bool on) {
    auto_ = on;
    prepare();
}

void TBmpTransparent::SetTransparentColor(QRgb color) {
    transparent_color_ = color;
    prepare();
}

void TBmpTransparent::prepare() {
    keyed_ = QImage();
    if (picture_.width() >= 1 && picture_.height() >= 1) {
        const QRgb key = auto_ ? picture_.pixel(0, 0) : transparent_color_;
        keyed_ = ui::keyed_image(picture_, key);
    }
    update();
}

void TBmpTransparent::paintEvent(QPaintEvent* e) {
    if (keyed_.isNull()) return;
    // Integer division truncates toward zero, as the centring needs.
    const int x = (width() - keyed_.width()) / 2;
    const int y = (height() - keyed_.height()) / 2;
    QPainter p(this);
    ui::Canvas canvas(p, e->rect() & rect());
    canvas.DrawPrepared(QPoint(x, y), keyed_, keyed_.rect());
}
