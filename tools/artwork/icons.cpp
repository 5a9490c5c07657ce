#include "tools/artwork/icons.h"

#include "tools/artwork/paint.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace artwork {
namespace {

// Maps unit coordinates of a square box to the picture.
struct Unit {
    QRectF sq;
    QPointF at(double x, double y) const {
        return {sq.left() + x * sq.width(), sq.top() + y * sq.height()};
    }
    QRectF rect(double x, double y, double w, double h) const {
        return {at(x, y), QSizeF(w * sq.width(), h * sq.height())};
    }
    double len(double v) const { return v * sq.width(); }
};

QPen stroke(const QColor& c, double width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void glyph(QPainter& p, const Unit& u, const QString& text, const QColor& c, double size) {
    p.setFont(font(std::max(6, int(u.len(size))), true));
    p.setPen(c);
    p.drawText(u.sq, Qt::AlignCenter, text);
}

void arrow(QPainter& p, const QRectF& box, bool up, const QColor& c) {
    const double cx = box.center().x(), w = box.width(), h = box.height();
    const double half = std::min(w * 0.26, h * 0.38);
    const double top = box.center().y() - half * 0.62, bottom = box.center().y() + half * 0.62;
    QPolygonF tri;
    if (up)
        tri << QPointF(cx, top) << QPointF(cx + half, bottom) << QPointF(cx - half, bottom);
    else
        tri << QPointF(cx, bottom) << QPointF(cx + half, top) << QPointF(cx - half, top);
    p.setPen(stroke(c, std::max(1.0, h * 0.06)));
    p.setBrush(c);
    p.drawPolygon(tri);
}

void gear(QPainter& p, const Unit& u, const QColor& c) {
    const QPointF centre = u.at(0.5, 0.5);
    QPainterPath teeth;
    const int n = 8;
    for (int i = 0; i < n; ++i) {
        const double a0 = (i - 0.22) * 2 * M_PI / n, a1 = (i + 0.22) * 2 * M_PI / n;
        const double r_out = u.len(0.46), r_in = u.len(0.34);
        QPolygonF tooth;
        tooth << centre + QPointF(std::cos(a0) * r_in, std::sin(a0) * r_in)
              << centre + QPointF(std::cos(a0 + 0.08) * r_out, std::sin(a0 + 0.08) * r_out)
              << centre + QPointF(std::cos(a1 - 0.08) * r_out, std::sin(a1 - 0.08) * r_out)
              << centre + QPointF(std::cos(a1) * r_in, std::sin(a1) * r_in);
        teeth.addPolygon(tooth);
        teeth.closeSubpath();
    }
    QPainterPath ring;
    ring.addEllipse(centre, u.len(0.36), u.len(0.36));
    QPainterPath hole;
    hole.addEllipse(centre, u.len(0.15), u.len(0.15));
    p.fillPath(teeth.united(ring).subtracted(hole), c);
}

} // namespace

void draw_icon(QPainter& p, Icon icon, const QRectF& box, const QColor& c) {
    p.save();
    const double side = std::min(box.width(), box.height());
    const Unit u{QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side)};
    const double line = std::max(1.2, u.len(0.085));
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case Icon::speaker: {
        QPolygonF body;
        body << u.at(0.14, 0.38) << u.at(0.30, 0.38) << u.at(0.52, 0.18) << u.at(0.52, 0.82)
             << u.at(0.30, 0.62) << u.at(0.14, 0.62);
        p.setPen(stroke(c, line * 0.5));
        p.setBrush(c);
        p.drawPolygon(body);
        p.setBrush(Qt::NoBrush);
        p.setPen(stroke(c, line));
        for (double r : {0.15, 0.29}) {
            const QPointF ctr = u.at(0.54, 0.5);
            p.drawArc(QRectF(ctr.x() - u.len(r), ctr.y() - u.len(r), u.len(2 * r), u.len(2 * r)),
                      -45 * 16, 90 * 16);
        }
        break;
    }
    case Icon::microphone:
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(u.rect(0.37, 0.10, 0.26, 0.46), u.len(0.13), u.len(0.13));
        p.setBrush(Qt::NoBrush);
        p.setPen(stroke(c, line));
        p.drawArc(u.rect(0.25, 0.18, 0.50, 0.50), 180 * 16, 180 * 16);
        p.drawLine(u.at(0.5, 0.68), u.at(0.5, 0.84));
        p.drawLine(u.at(0.34, 0.86), u.at(0.66, 0.86));
        break;
    case Icon::arrow_up:
    case Icon::arrow_down:
        arrow(p, box, icon == Icon::arrow_up, c);
        break;
    case Icon::repeat: {
        p.setPen(stroke(c, line));
        const QRectF ring = u.rect(0.16, 0.16, 0.68, 0.68);
        p.drawArc(ring, 110 * 16, 290 * 16);
        // arrowhead at the start of the arc (angle 110 degrees, pointing along the turn)
        const double a = 110 * M_PI / 180;
        const QPointF tip = u.at(0.5 + 0.34 * std::cos(a), 0.5 - 0.34 * std::sin(a));
        QPolygonF head;
        head << tip + QPointF(u.len(0.16), -u.len(0.02))
             << tip + QPointF(-u.len(0.02), -u.len(0.15))
             << tip + QPointF(-u.len(0.03), u.len(0.14));
        p.setPen(stroke(c, line * 0.5));
        p.setBrush(c);
        p.drawPolygon(head);
        break;
    }
    case Icon::pencil: {
        p.translate(u.at(0.5, 0.5));
        p.rotate(45);
        p.translate(-u.at(0.5, 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(u.rect(0.40, 0.06, 0.20, 0.14), u.len(0.04), u.len(0.04));
        p.drawRect(u.rect(0.40, 0.24, 0.20, 0.46));
        QPolygonF tip;
        tip << u.at(0.40, 0.74) << u.at(0.60, 0.74) << u.at(0.5, 0.94);
        p.drawPolygon(tip);
        break;
    }
    case Icon::chart:
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(u.rect(0.16, 0.50, 0.18, 0.32), u.len(0.03), u.len(0.03));
        p.drawRoundedRect(u.rect(0.41, 0.32, 0.18, 0.50), u.len(0.03), u.len(0.03));
        p.drawRoundedRect(u.rect(0.66, 0.14, 0.18, 0.68), u.len(0.03), u.len(0.03));
        p.setPen(stroke(c, line * 0.7));
        p.drawLine(u.at(0.1, 0.9), u.at(0.9, 0.9));
        break;
    case Icon::generator: {
        QPainterPath page;
        page.moveTo(u.at(0.22, 0.08));
        page.lineTo(u.at(0.60, 0.08));
        page.lineTo(u.at(0.78, 0.26));
        page.lineTo(u.at(0.78, 0.92));
        page.lineTo(u.at(0.22, 0.92));
        page.closeSubpath();
        p.setPen(stroke(c, line * 0.8));
        p.drawPath(page);
        p.drawLine(u.at(0.34, 0.34), u.at(0.54, 0.34));
        p.setPen(stroke(c, line));
        p.drawLine(u.at(0.50, 0.50), u.at(0.50, 0.78));
        p.drawLine(u.at(0.36, 0.64), u.at(0.64, 0.64));
        break;
    }
    case Icon::globe:
        p.setPen(stroke(c, line * 0.8));
        p.drawEllipse(u.rect(0.12, 0.12, 0.76, 0.76));
        p.drawEllipse(u.rect(0.34, 0.12, 0.32, 0.76));
        p.drawLine(u.at(0.12, 0.5), u.at(0.88, 0.5));
        p.drawLine(u.at(0.2, 0.3), u.at(0.8, 0.3));
        p.drawLine(u.at(0.2, 0.7), u.at(0.8, 0.7));
        break;
    case Icon::question:
        glyph(p, u, QStringLiteral("?"), c, 0.86);
        break;
    case Icon::info:
        glyph(p, u, QStringLiteral("i"), c, 0.80);
        break;
    case Icon::gear:
        gear(p, u, c);
        break;
    case Icon::bell: {
        QPainterPath bell;
        bell.moveTo(u.at(0.16, 0.74));
        bell.cubicTo(u.at(0.28, 0.64), u.at(0.24, 0.40), u.at(0.30, 0.30));
        bell.cubicTo(u.at(0.36, 0.18), u.at(0.64, 0.18), u.at(0.70, 0.30));
        bell.cubicTo(u.at(0.76, 0.40), u.at(0.72, 0.64), u.at(0.84, 0.74));
        bell.closeSubpath();
        p.fillPath(bell, c);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(u.rect(0.45, 0.10, 0.10, 0.10));
        p.drawEllipse(u.rect(0.41, 0.74, 0.18, 0.14));
        break;
    }
    case Icon::user:
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(u.rect(0.33, 0.10, 0.34, 0.34));
        p.drawChord(u.rect(0.14, 0.50, 0.72, 0.70), 0, 180 * 16);
        break;
    case Icon::book: {
        p.setPen(stroke(c, line * 0.8));
        QPainterPath left, right;
        left.moveTo(u.at(0.5, 0.28));
        left.cubicTo(u.at(0.38, 0.20), u.at(0.22, 0.20), u.at(0.10, 0.24));
        left.lineTo(u.at(0.10, 0.80));
        left.cubicTo(u.at(0.22, 0.76), u.at(0.38, 0.76), u.at(0.5, 0.84));
        right.moveTo(u.at(0.5, 0.28));
        right.cubicTo(u.at(0.62, 0.20), u.at(0.78, 0.20), u.at(0.90, 0.24));
        right.lineTo(u.at(0.90, 0.80));
        right.cubicTo(u.at(0.78, 0.76), u.at(0.62, 0.76), u.at(0.5, 0.84));
        p.drawPath(left);
        p.drawPath(right);
        p.drawLine(u.at(0.5, 0.28), u.at(0.5, 0.84));
        break;
    }
    case Icon::search:
        p.setPen(stroke(c, line));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(u.at(0.42, 0.42), u.len(0.24), u.len(0.24));
        p.setPen(stroke(c, line * 1.5));
        p.drawLine(u.at(0.60, 0.60), u.at(0.84, 0.84));
        break;
    }
    p.restore();
}

} // namespace artwork
