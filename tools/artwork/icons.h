#pragma once
// Simple vector icons drawn in one colour, for the icon buttons, the menu and the boxes.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace artwork {

enum class Icon {
    speaker,
    microphone,
    arrow_up,
    arrow_down,
    repeat,
    pencil,
    chart,
    generator,
    globe,
    question,
    gear,
    bell,
    info,
    user,
    book,
    search,
};

// Draws the icon into the square centred in `box` (arrows fill the whole box).
void draw_icon(QPainter& p, Icon icon, const QRectF& box, const QColor& colour);

} // namespace artwork
