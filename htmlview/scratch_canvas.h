#pragma once
// A canvas for measuring and hit tests outside a paint: text is measured on
// a one-pixel picture.
#include <QImage>
#include <QPainter>

#include "platform/ui/html_canvas.h"

namespace htmlview {

struct ScratchCanvas {
    QImage image{1, 1, QImage::Format_RGB32};
    QPainter painter{&image};
    ui::HtmlCanvas canvas{painter};
};

} // namespace htmlview
