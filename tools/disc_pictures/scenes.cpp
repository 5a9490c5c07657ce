#include "tools/disc_pictures/scenes.h"

#include "core/exercises.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/look.h"
#include "tools/artwork/frames.h"
#include "tools/artwork/paint.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>

namespace scenes {
namespace {

using namespace artwork;

// Fractions of the scene area to pixels.
struct U {
    QRectF r;
    QPointF at(double x, double y) const {
        return {r.left() + x * r.width(), r.top() + y * r.height()};
    }
    QRectF rect(double x, double y, double w, double h) const {
        return {at(x, y), QSizeF(w * r.width(), h * r.height())};
    }
    double w(double v) const { return v * r.width(); }
    double h(double v) const { return v * r.height(); }
};

const QColor sky_top(96, 160, 214), sky_low(200, 229, 246);
const QColor grass(118, 176, 88), grass_dark(82, 140, 66);
const QColor wood(164, 112, 70), wood_dark(120, 78, 48);
const QColor red(206, 62, 52), leaf(92, 158, 72);

QPen line(const QColor& c, double width) {
    QPen p(c, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& b,
          const QColor& edge = QColor(0, 0, 0, 40), double width = 1.5) {
    p.setPen(edge.alpha() ? line(edge, width) : QPen(Qt::NoPen));
    p.setBrush(b);
    p.drawPath(path);
}

QPainterPath box(const QRectF& r, double radius = 0) {
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

QPainterPath ellipse(const QPointF& c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

void sky(QPainter& p, const U& u, QColor top = sky_top, QColor low = sky_low) {
    p.fillRect(u.r, vertical(u.r, top, low));
}

// Rolling ground from height `y` (fraction) down to the foot of the scene.
void hills(QPainter& p, const U& u, double y, const QColor& c, double wave = 0.04,
           double phase = 0) {
    QPainterPath path;
    path.moveTo(u.at(0, y));
    for (int i = 1; i <= 40; ++i) {
        const double x = i / 40.0;
        path.lineTo(u.at(x, y + wave * std::sin((x * 2.2 + phase) * M_PI)));
    }
    path.lineTo(u.at(1, 1));
    path.lineTo(u.at(0, 1));
    path.closeSubpath();
    fill(p, path, vertical(u.rect(0, y - wave, 1, 1 - y + wave), c, mix(c, granat, 0.25)),
         QColor(0, 0, 0, 0));
}

void sun(QPainter& p, const QPointF& c, double r, bool rays = true) {
    if (rays) {
        p.setPen(line(QColor(255, 200, 60, 200), r * 0.12));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(QPointF(c.x() + std::cos(a) * r * 1.3, c.y() + std::sin(a) * r * 1.3),
                       QPointF(c.x() + std::cos(a) * r * 1.75, c.y() + std::sin(a) * r * 1.75));
        }
    }
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 240, 150));
    g.setColorAt(1, QColor(255, 190, 40));
    fill(p, ellipse(c, r, r), g, QColor(230, 150, 30), r * 0.05);
}

void cloud(QPainter& p, const QPointF& c, double s, const QColor& colour = white) {
    QPainterPath path;
    path.addEllipse(c + QPointF(-s * 0.9, s * 0.1), s * 0.6, s * 0.45);
    path.addEllipse(c + QPointF(-s * 0.3, -s * 0.25), s * 0.7, s * 0.6);
    path.addEllipse(c + QPointF(s * 0.45, -s * 0.05), s * 0.6, s * 0.5);
    path.addEllipse(c + QPointF(s * 1.0, s * 0.15), s * 0.45, s * 0.38);
    path.addRect(QRectF(c + QPointF(-s * 0.9, 0), QSizeF(s * 1.9, s * 0.55)));
    path.setFillRule(Qt::WindingFill);
    fill(p, path.simplified(), vertical(path.boundingRect(), colour, mix(colour, granat, 0.12)),
         QColor(0, 0, 0, 0));
}

// A round-topped tree standing at `base`, `height` tall.
void tree(QPainter& p, const QPointF& base, double height, const QColor& crown = leaf,
          bool blossom = false) {
    const double trunk_w = height * 0.12;
    fill(p, box(QRectF(base.x() - trunk_w / 2, base.y() - height * 0.5, trunk_w, height * 0.5)),
         vertical(QRectF(0, 0, 1, 1), wood, wood_dark), wood_dark);
    const QPointF c(base.x(), base.y() - height * 0.68);
    QPainterPath crown_path;
    crown_path.addEllipse(c, height * 0.36, height * 0.3);
    crown_path.addEllipse(c + QPointF(-height * 0.2, height * 0.06), height * 0.22, height * 0.2);
    crown_path.addEllipse(c + QPointF(height * 0.22, height * 0.05), height * 0.22, height * 0.2);
    crown_path.setFillRule(Qt::WindingFill);
    QRadialGradient g(c - QPointF(height * 0.1, height * 0.12), height * 0.45);
    g.setColorAt(0, mix(crown, white, 0.25));
    g.setColorAt(1, mix(crown, granat, 0.2));
    fill(p, crown_path.simplified(), g, mix(crown, granat, 0.4), 1.2);
    if (blossom) {
        const double pts[][2] = {{-0.2, -0.1},  {0.05, -0.2},   {0.2, -0.05}, {-0.05, 0.05},
                                 {0.28, 0.12},  {-0.28, 0.1},   {0.1, 0.14},  {-0.12, -0.22},
                                 {0.18, -0.22}, {-0.32, -0.02}, {0.0, -0.05}, {0.3, -0.12}};
        for (auto [dx, dy] : pts) {
            const QPointF b = c + QPointF(dx * height, dy * height);
            fill(p, ellipse(b, height * 0.025, height * 0.025), QColor(250, 200, 215),
                 QColor(220, 140, 165), 1);
        }
    }
}

void house_shape(QPainter& p, const QRectF& walls, const QColor& wall, const QColor& roof) {
    QPolygonF roof_poly;
    roof_poly << QPointF(walls.left() - walls.width() * 0.08, walls.top())
              << QPointF(walls.center().x(), walls.top() - walls.height() * 0.62)
              << QPointF(walls.right() + walls.width() * 0.08, walls.top());
    fill(p, box(walls), vertical(walls, wall, mix(wall, granat, 0.1)), mix(wall, granat, 0.45));
    QPainterPath rp;
    rp.addPolygon(roof_poly);
    rp.closeSubpath();
    fill(p, rp, vertical(rp.boundingRect(), roof, mix(roof, granat, 0.25)), mix(roof, granat, 0.4),
         2);
    const double ww = walls.width(), wh = walls.height();
    const QRectF door(walls.center().x() - ww * 0.1, walls.bottom() - wh * 0.48, ww * 0.2,
                      wh * 0.48);
    fill(p, box(door, 3), vertical(door, wood, wood_dark), wood_dark);
    p.setBrush(QColor(240, 200, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(door.right() - ww * 0.035, door.center().y()), ww * 0.012, ww * 0.012);
    for (double x : {0.1, 0.7}) {
        const QRectF win(walls.left() + ww * x, walls.top() + wh * 0.2, ww * 0.2, wh * 0.26);
        fill(p, box(win), vertical(win, QColor(190, 225, 250), QColor(130, 180, 220)),
             mix(wall, granat, 0.55), 2);
        p.setPen(line(white, 2));
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
        p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
    }
}

void flower(QPainter& p, const QPointF& head, double r, const QColor& petal, double stem = 0) {
    if (stem > 0) {
        p.setPen(line(grass_dark, r * 0.22));
        p.drawLine(head, head + QPointF(0, stem));
    }
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        fill(p,
             ellipse(head + QPointF(std::cos(a) * r * 0.62, std::sin(a) * r * 0.62), r * 0.48,
                     r * 0.48),
             petal, mix(petal, granat, 0.35), 1);
    }
    fill(p, ellipse(head, r * 0.38, r * 0.38), QColor(250, 210, 70), QColor(200, 150, 40), 1);
}

// Interior: a wall with a soft light and a wooden floor from `floor_y` down.
void room(QPainter& p, const U& u, const QColor& wall, double floor_y) {
    p.fillRect(u.r, vertical(u.r, mix(wall, white, 0.2), wall));
    const QRectF floor = u.rect(0, floor_y, 1, 1 - floor_y);
    p.fillRect(floor, vertical(floor, wood, wood_dark));
    p.setPen(line(QColor(0, 0, 0, 30), 1.5));
    for (int i = 1; i < 8; ++i)
        p.drawLine(u.at(i / 8.0, floor_y), u.at(i / 8.0 - 0.05, 1));
    p.fillRect(u.rect(0, floor_y - 0.012, 1, 0.012), mix(wall, granat, 0.35));
}

void scene_house(QPainter& p, const U& u) {
    sky(p, u);
    sun(p, u.at(0.84, 0.17), u.h(0.08));
    cloud(p, u.at(0.22, 0.16), u.h(0.09));
    hills(p, u, 0.66, grass, 0.025);
    house_shape(p, u.rect(0.3, 0.4, 0.36, 0.34), QColor(244, 228, 196), red);
    tree(p, u.at(0.14, 0.8), u.h(0.42));
    p.setPen(line(white, u.h(0.012)));
    for (double x = 0.02; x < 1; x += 0.04)
        p.drawLine(u.at(x, 0.8), u.at(x, 0.88));
    p.drawLine(u.at(0, 0.82), u.at(1, 0.82));
    p.drawLine(u.at(0, 0.86), u.at(1, 0.86));
    for (double x : {0.72, 0.8, 0.88, 0.95})
        flower(p, u.at(x, 0.9), u.h(0.02), x < 0.85 ? QColor(240, 120, 150) : QColor(250, 200, 60),
               u.h(0.05));
}

void scene_kitchen(QPainter& p, const U& u) {
    room(p, u, QColor(236, 232, 214), 0.72);
    // tiles behind the counter
    const QRectF tiles = u.rect(0.52, 0.3, 0.44, 0.26);
    p.fillRect(tiles, QColor(214, 230, 236));
    p.setPen(line(white, 1.5));
    for (double x = tiles.left(); x < tiles.right(); x += u.w(0.04))
        p.drawLine(QPointF(x, tiles.top()), QPointF(x, tiles.bottom()));
    for (double y = tiles.top(); y < tiles.bottom(); y += u.h(0.05))
        p.drawLine(QPointF(tiles.left(), y), QPointF(tiles.right(), y));
    fill(p, box(u.rect(0.52, 0.56, 0.44, 0.18)),
         vertical(u.rect(0, 0.56, 1, 0.18), morski, mix(morski, granat, 0.4)), granat);
    for (double x : {0.6, 0.74, 0.88})
        fill(p, box(u.rect(x - 0.01, 0.6, 0.02, 0.02), 2), QColor(230, 230, 230), granat, 1);
    fill(p, box(u.rect(0.5, 0.54, 0.48, 0.025), 3), QColor(245, 245, 240), granat, 1);
    // window
    fill(p, box(u.rect(0.1, 0.12, 0.3, 0.3), 4),
         vertical(u.rect(0, 0.12, 1, 0.3), sky_top, sky_low), wood_dark, 3);
    p.setPen(line(wood_dark, 3));
    p.drawLine(u.at(0.25, 0.12), u.at(0.25, 0.42));
    // table with two cups and a bowl
    const QRectF top = u.rect(0.06, 0.6, 0.42, 0.04);
    fill(p, box(top, 3), vertical(top, wood, wood_dark), wood_dark);
    for (double x : {0.1, 0.42})
        fill(p, box(u.rect(x, 0.64, 0.025, 0.26)), wood_dark, QColor(0, 0, 0, 0));
    fill(p, box(u.rect(0.14, 0.54, 0.05, 0.06), 3), QColor(240, 240, 240), granat, 1.2);
    fill(p, box(u.rect(0.22, 0.55, 0.05, 0.05), 3), pomarancz, granat, 1.2);
    QPainterPath bowl;
    bowl.moveTo(u.at(0.31, 0.56));
    bowl.quadTo(u.at(0.36, 0.64), u.at(0.41, 0.56));
    bowl.closeSubpath();
    fill(p, bowl, QColor(250, 250, 250), granat, 1.2);
    for (double x : {0.34, 0.37})
        fill(p, ellipse(u.at(x, 0.55), u.w(0.014), u.w(0.014)), red, QColor(0, 0, 0, 0));
}

void scene_bedroom(QPainter& p, const U& u) {
    room(p, u, QColor(222, 214, 236), 0.7);
    // picture on the wall
    fill(p, box(u.rect(0.4, 0.12, 0.2, 0.16), 2), wood, wood_dark, 2);
    {
        const U in{u.rect(0.415, 0.14, 0.17, 0.12)};
        sky(p, in);
        hills(p, in, 0.6, grass, 0.1);
    }
    // bed
    const QRectF head = u.rect(0.18, 0.34, 0.05, 0.44);
    fill(p, box(head, 6), vertical(head, wood, wood_dark), wood_dark);
    const QRectF frame = u.rect(0.2, 0.58, 0.6, 0.14);
    fill(p, box(frame, 6), vertical(frame, wood, wood_dark), wood_dark);
    const QRectF mattress = u.rect(0.22, 0.5, 0.58, 0.1);
    fill(p, box(mattress, 8), QColor(250, 250, 248), QColor(0, 0, 0, 50));
    fill(p, box(u.rect(0.24, 0.44, 0.14, 0.08), 12), QColor(255, 255, 255), QColor(0, 0, 0, 50));
    QPainterPath blanket;
    blanket.moveTo(u.at(0.36, 0.48));
    blanket.quadTo(u.at(0.6, 0.44), u.at(0.82, 0.5));
    blanket.lineTo(u.at(0.82, 0.62));
    blanket.lineTo(u.at(0.36, 0.62));
    blanket.closeSubpath();
    fill(p, blanket, vertical(blanket.boundingRect(), morski, mix(morski, granat, 0.4)), granat);
    // lamp on a bedside table
    fill(p, box(u.rect(0.84, 0.54, 0.1, 0.18), 3),
         vertical(u.rect(0, 0.54, 1, 0.18), wood, wood_dark), wood_dark);
    p.setPen(line(granat, 3));
    p.drawLine(u.at(0.89, 0.54), u.at(0.89, 0.44));
    QPolygonF shade;
    shade << u.at(0.855, 0.44) << u.at(0.925, 0.44) << u.at(0.905, 0.36) << u.at(0.875, 0.36);
    QPainterPath sp;
    sp.addPolygon(shade);
    sp.closeSubpath();
    fill(p, sp, QColor(250, 220, 150), pomarancz);
}

void scene_window(QPainter& p, const U& u) {
    p.fillRect(u.r, vertical(u.r, QColor(238, 226, 204), QColor(218, 204, 178)));
    const QRectF opening = u.rect(0.3, 0.14, 0.4, 0.58);
    {
        const U out{opening};
        sky(p, out);
        cloud(p, out.at(0.3, 0.25), out.h(0.1));
        hills(p, out, 0.7, grass, 0.06);
        tree(p, out.at(0.72, 0.92), out.h(0.5));
    }
    fill(p, box(opening), QColor(0, 0, 0, 0), wood_dark, 6);
    // the two casements swung open
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 0.3 : 0.7;
        const double x1 = side == 0 ? 0.2 : 0.8;
        QPolygonF pane;
        pane << u.at(x0, 0.14) << u.at(x1, 0.18) << u.at(x1, 0.68) << u.at(x0, 0.72);
        QPainterPath pp;
        pp.addPolygon(pane);
        pp.closeSubpath();
        fill(p, pp, QColor(200, 228, 246, 200), wood_dark, 5);
    }
    // curtains and sill
    for (auto [x, dir] : {std::pair{0.04, 1.0}, {0.96, -1.0}}) {
        QPainterPath c;
        c.moveTo(u.at(x, 0.06));
        c.lineTo(u.at(x + dir * 0.14, 0.06));
        c.quadTo(u.at(x + dir * 0.06, 0.4), u.at(x + dir * 0.12, 0.8));
        c.lineTo(u.at(x, 0.8));
        c.closeSubpath();
        fill(p, c, vertical(c.boundingRect(), pomarancz, mix(pomarancz, granat, 0.3)),
             mix(pomarancz, granat, 0.5));
    }
    fill(p, box(u.rect(0.26, 0.72, 0.48, 0.04), 3), white, wood_dark);
    flower(p, u.at(0.36, 0.66), u.h(0.025), red, u.h(0.05));
    fill(p, box(u.rect(0.33, 0.69, 0.06, 0.04), 2), pomarancz, wood_dark, 1);
}

void scene_key(QPainter& p, const U& u) {
    p.fillRect(u.r, vertical(u.r, wood, wood_dark));
    p.setPen(line(QColor(0, 0, 0, 28), 2));
    for (int i = 0; i < 14; ++i) {
        QPainterPath grain;
        const double y = 0.05 + i * 0.07;
        grain.moveTo(u.at(0, y));
        grain.cubicTo(u.at(0.3, y - 0.03), u.at(0.6, y + 0.03), u.at(1, y - 0.01));
        p.drawPath(grain);
    }
    p.translate(u.at(0.48, 0.5));
    p.rotate(-18);
    const double s = u.h(0.15);
    const QColor gold(232, 184, 74), gold_dark(170, 120, 40);
    QPainterPath key;
    key.addEllipse(QPointF(-s * 2.2, 0), s * 1.2, s * 1.2);
    key.addRect(QRectF(-s * 1.2, -s * 0.25, s * 4.2, s * 0.5));
    key.addRect(QRectF(s * 2.2, s * 0.2, s * 0.35, s * 0.6));
    key.addRect(QRectF(s * 2.7, s * 0.2, s * 0.3, s * 0.45));
    key.setFillRule(Qt::WindingFill);
    QPainterPath hole;
    hole.addEllipse(QPointF(-s * 2.4, 0), s * 0.45, s * 0.45);
    const QPainterPath shape = key.simplified().subtracted(hole);
    p.translate(s * 0.12, s * 0.18);
    fill(p, shape, QColor(0, 0, 0, 70), QColor(0, 0, 0, 0));
    p.translate(-s * 0.12, -s * 0.18);
    QLinearGradient g(QPointF(0, -s * 1.2), QPointF(0, s * 1.2));
    g.setColorAt(0, mix(gold, white, 0.35));
    g.setColorAt(1, gold_dark);
    fill(p, shape, g, gold_dark, 2);
    p.resetTransform();
}

void wheels(QPainter& p, std::initializer_list<QPointF> at, double r) {
    for (const QPointF& c : at) {
        fill(p, ellipse(c, r, r), QColor(50, 55, 60), QColor(20, 20, 20), 2);
        fill(p, ellipse(c, r * 0.45, r * 0.45), QColor(190, 190, 190), QColor(0, 0, 0, 0));
    }
}

void street(QPainter& p, const U& u, double y) {
    const QRectF road = u.rect(0, y, 1, 1 - y);
    p.fillRect(road, vertical(road, QColor(110, 115, 122), QColor(80, 84, 90)));
    p.setPen(line(QColor(245, 245, 235), u.h(0.012)));
    for (double x = 0.02; x < 1; x += 0.14)
        p.drawLine(u.at(x, y + (1 - y) * 0.6), u.at(x + 0.07, y + (1 - y) * 0.6));
    p.fillRect(u.rect(0, y - 0.03, 1, 0.03), QColor(190, 186, 176));
}

void scene_bus(QPainter& p, const U& u) {
    sky(p, u);
    for (auto [x, hgt, c] : {std::tuple{0.02, 0.36, QColor(190, 170, 150)},
                             {0.2, 0.48, QColor(170, 180, 196)},
                             {0.62, 0.42, QColor(200, 180, 160)},
                             {0.82, 0.52, QColor(176, 166, 190)}}) {
        const QRectF b = u.rect(x, 0.66 - hgt, 0.17, hgt);
        fill(p, box(b), vertical(b, c, mix(c, granat, 0.2)), QColor(0, 0, 0, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        for (double yy = b.top() + u.h(0.04); yy < b.bottom() - u.h(0.06); yy += u.h(0.08))
            for (double xx = b.left() + u.w(0.02); xx < b.right() - u.w(0.03); xx += u.w(0.05))
                p.drawRect(QRectF(xx, yy, u.w(0.025), u.h(0.04)));
    }
    street(p, u, 0.66);
    const QRectF body = u.rect(0.14, 0.4, 0.72, 0.38);
    fill(p, box(body, u.h(0.04)), vertical(body, mix(red, white, 0.1), mix(red, granat, 0.25)),
         mix(red, granat, 0.5), 2);
    for (int i = 0; i < 6; ++i) {
        const QRectF w = u.rect(0.18 + i * 0.105, 0.45, 0.085, 0.12);
        fill(p, box(w, 4), vertical(w, QColor(210, 236, 250), QColor(140, 190, 225)),
             mix(red, granat, 0.5), 1.5);
    }
    fill(p, box(u.rect(0.8, 0.6, 0.04, 0.12), 3), QColor(60, 60, 60), QColor(0, 0, 0, 0));
    p.fillRect(u.rect(0.14, 0.63, 0.72, 0.02), QColor(255, 255, 255, 200));
    fill(p, ellipse(u.at(0.855, 0.7), u.w(0.012), u.w(0.012)), QColor(255, 230, 120),
         QColor(0, 0, 0, 0));
    wheels(p, {u.at(0.28, 0.79), u.at(0.72, 0.79)}, u.h(0.06));
}

void scene_train(QPainter& p, const U& u) {
    sky(p, u, QColor(130, 180, 220), QColor(220, 236, 246));
    // station roof on posts
    QPolygonF roof;
    roof << u.at(0, 0.12) << u.at(1, 0.12) << u.at(1, 0.2) << u.at(0, 0.2);
    QPainterPath rp;
    rp.addPolygon(roof);
    rp.closeSubpath();
    fill(p, rp, vertical(rp.boundingRect(), granat, morski), granat);
    for (double x : {0.08, 0.5, 0.92})
        p.fillRect(u.rect(x - 0.008, 0.2, 0.016, 0.5), QColor(90, 96, 104));
    // platform and track
    p.fillRect(u.rect(0, 0.7, 1, 0.06), QColor(190, 186, 176));
    p.fillRect(u.rect(0, 0.76, 1, 0.24), QColor(120, 110, 100));
    p.setPen(line(QColor(70, 70, 74), u.h(0.012)));
    p.drawLine(u.at(0, 0.86), u.at(1, 0.86));
    // locomotive and one coach
    const QRectF coach = u.rect(0.04, 0.4, 0.5, 0.3);
    const QRectF loco = u.rect(0.56, 0.34, 0.38, 0.36);
    const QColor green(60, 130, 100);
    for (const QRectF& r : {coach, loco})
        fill(p, box(r, u.h(0.03)), vertical(r, mix(green, white, 0.15), mix(green, granat, 0.3)),
             mix(green, granat, 0.5), 2);
    for (int i = 0; i < 4; ++i) {
        const QRectF w = u.rect(0.07 + i * 0.12, 0.45, 0.09, 0.1);
        fill(p, box(w, 3), vertical(w, QColor(220, 238, 250), QColor(150, 196, 226)), granat, 1.2);
    }
    fill(p, box(u.rect(0.8, 0.4, 0.11, 0.12), 4),
         vertical(u.rect(0, 0.4, 1, 0.12), QColor(220, 238, 250), QColor(150, 196, 226)), granat,
         1.2);
    p.fillRect(u.rect(0.04, 0.58, 0.9, 0.02), QColor(250, 220, 90));
    wheels(p, {u.at(0.14, 0.72), u.at(0.44, 0.72), u.at(0.64, 0.72), u.at(0.86, 0.72)}, u.h(0.05));
    // clock
    fill(p, ellipse(u.at(0.3, 0.27), u.h(0.05), u.h(0.05)), white, granat, 2);
    p.setPen(line(granat, 2));
    p.drawLine(u.at(0.3, 0.27), u.at(0.3, 0.235));
    p.drawLine(u.at(0.3, 0.27), u.at(0.32, 0.27));
}

void scene_plane(QPainter& p, const U& u) {
    sky(p, u, QColor(60, 130, 200), QColor(180, 220, 245));
    cloud(p, u.at(0.18, 0.7), u.h(0.1));
    cloud(p, u.at(0.8, 0.25), u.h(0.08));
    cloud(p, u.at(0.62, 0.82), u.h(0.12));
    p.translate(u.at(0.5, 0.45));
    p.rotate(-12);
    const double s = u.h(0.1);
    QPainterPath body;
    body.addRoundedRect(QRectF(-s * 3, -s * 0.42, s * 6, s * 0.84), s * 0.42, s * 0.42);
    QPolygonF wing;
    wing << QPointF(-s * 0.6, 0) << QPointF(s * 0.6, 0) << QPointF(-s * 0.2, s * 2.2)
         << QPointF(-s * 1.0, s * 2.2);
    QPolygonF wing2;
    wing2 << QPointF(-s * 0.4, 0) << QPointF(s * 0.4, 0) << QPointF(-s * 0.3, -s * 1.6)
          << QPointF(-s * 0.9, -s * 1.6);
    QPolygonF tail;
    tail << QPointF(-s * 2.4, 0) << QPointF(-s * 3.0, 0) << QPointF(-s * 3.3, -s * 1.3)
         << QPointF(-s * 2.8, -s * 1.3);
    for (const QPolygonF& poly : {wing2, tail}) {
        QPainterPath pp;
        pp.addPolygon(poly);
        pp.closeSubpath();
        fill(p, pp, QColor(200, 210, 222), granat, 1.5);
    }
    fill(p, body, vertical(body.boundingRect(), white, QColor(190, 200, 214)), granat, 1.5);
    for (int i = 0; i < 8; ++i)
        fill(p, ellipse(QPointF(-s * 1.6 + i * s * 0.5, -s * 0.08), s * 0.1, s * 0.1), morski,
             QColor(0, 0, 0, 0));
    p.fillRect(QRectF(-s * 3, s * 0.12, s * 6, s * 0.1), pomarancz);
    QPainterPath wp;
    wp.addPolygon(wing);
    wp.closeSubpath();
    fill(p, wp, QColor(215, 222, 232), granat, 1.5);
    p.resetTransform();
}

void scene_apple(QPainter& p, const U& u) {
    QRadialGradient bg(u.at(0.5, 0.45), u.w(0.6));
    bg.setColorAt(0, QColor(252, 248, 236));
    bg.setColorAt(1, piasek);
    p.fillRect(u.r, bg);
    fill(p, ellipse(u.at(0.5, 0.86), u.w(0.22), u.h(0.04)), QColor(0, 0, 0, 40),
         QColor(0, 0, 0, 0));
    const double r = u.h(0.3);
    const QPointF c = u.at(0.5, 0.52);
    QPainterPath apple;
    apple.addEllipse(c + QPointF(-r * 0.45, 0), r * 0.75, r * 0.9);
    apple.addEllipse(c + QPointF(r * 0.45, 0), r * 0.75, r * 0.9);
    apple.setFillRule(Qt::WindingFill);
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.4);
    g.setColorAt(0, QColor(200, 235, 120));
    g.setColorAt(0.6, QColor(120, 190, 60));
    g.setColorAt(1, QColor(70, 130, 40));
    fill(p, apple.simplified(), g, QColor(60, 110, 40), 2);
    p.setPen(line(wood_dark, r * 0.08));
    p.drawLine(c + QPointF(0, -r * 0.75), c + QPointF(r * 0.1, -r * 1.1));
    QPainterPath l;
    l.moveTo(c + QPointF(r * 0.1, -r * 0.95));
    l.quadTo(c + QPointF(r * 0.5, -r * 1.3), c + QPointF(r * 0.75, -r * 0.95));
    l.quadTo(c + QPointF(r * 0.4, -r * 0.75), c + QPointF(r * 0.1, -r * 0.95));
    fill(p, l, leaf, grass_dark, 1.5);
    fill(p, ellipse(c + QPointF(-r * 0.5, -r * 0.35), r * 0.14, r * 0.22),
         QColor(255, 255, 255, 120), QColor(0, 0, 0, 0));
}

void scene_suitcase(QPainter& p, const U& u) {
    room(p, u, QColor(214, 226, 232), 0.78);
    const QRectF body = u.rect(0.24, 0.3, 0.52, 0.5);
    fill(p, box(u.rect(0.42, 0.2, 0.16, 0.12), 14), QColor(0, 0, 0, 0), QColor(70, 60, 50),
         u.h(0.025));
    fill(p, box(body, u.h(0.05)), vertical(body, QColor(230, 140, 70), QColor(170, 90, 40)),
         QColor(110, 60, 30), 2.5);
    for (double x : {0.34, 0.66})
        p.fillRect(u.rect(x - 0.015, 0.3, 0.03, 0.5), QColor(120, 70, 36));
    fill(p, box(u.rect(0.47, 0.5, 0.06, 0.05), 3), QColor(240, 200, 90), QColor(150, 110, 40), 1.5);
    // travel stickers
    fill(p, ellipse(u.at(0.44, 0.66), u.w(0.05), u.w(0.05)), morski, white, 3);
    fill(p, box(u.rect(0.56, 0.62, 0.09, 0.08), 4), QColor(250, 240, 200), white, 3);
    wheels(p, {u.at(0.3, 0.82), u.at(0.7, 0.82)}, u.h(0.03));
}

void scene_sun(QPainter& p, const U& u) {
    sky(p, u, QColor(40, 140, 220), QColor(170, 220, 250));
    sun(p, u.at(0.5, 0.36), u.h(0.16));
    hills(p, u, 0.72, QColor(150, 196, 86), 0.03);
    hills(p, u, 0.82, grass, 0.03, 0.6);
    for (double x = 0.05; x < 1; x += 0.09)
        flower(p, u.at(x, 0.9 + 0.03 * std::sin(x * 20)), u.h(0.015), QColor(250, 215, 60));
}

// A fixed scatter of points in [0, 1): the same picture on every build.
class Scatter {
  public:
    explicit Scatter(uint32_t seed) : s_(seed) {}
    double next() {
        s_ = s_ * 1664525u + 1013904223u;
        return (s_ >> 8) / double(1u << 24);
    }

  private:
    uint32_t s_;
};

void rain_drops(QPainter& p, const U& u, double from_y, double to_y) {
    p.setPen(line(QColor(120, 170, 220, 200), u.h(0.006)));
    Scatter r(7);
    for (int i = 0; i < 90; ++i) {
        const double x = r.next();
        const double y = from_y + r.next() * (to_y - from_y);
        p.drawLine(u.at(x, y), u.at(x - 0.012, y + 0.05));
    }
}

void scene_rain(QPainter& p, const U& u) {
    sky(p, u, QColor(110, 120, 134), QColor(180, 186, 194));
    hills(p, u, 0.74, QColor(100, 140, 90), 0.02);
    rain_drops(p, u, 0.2, 0.9);
    for (auto [x, s] : {std::pair{0.2, 0.12}, {0.55, 0.14}, {0.86, 0.11}})
        cloud(p, u.at(x, 0.14), u.h(s), QColor(160, 166, 176));
    // umbrella
    const QPointF top = u.at(0.5, 0.52);
    const double r = u.h(0.2);
    QPainterPath canopy;
    canopy.moveTo(top + QPointF(-r, r * 0.2));
    canopy.cubicTo(top + QPointF(-r, -r * 0.7), top + QPointF(r, -r * 0.7),
                   top + QPointF(r, r * 0.2));
    for (int i = 3; i >= 0; --i) {
        const double x0 = -r + i * r * 0.5;
        canopy.quadTo(top + QPointF(x0 + r * 0.25, r * 0.05), top + QPointF(x0, r * 0.2));
    }
    canopy.closeSubpath();
    fill(p, canopy, vertical(canopy.boundingRect(), pomarancz, red), QColor(140, 40, 30), 2);
    p.setPen(line(QColor(60, 50, 40), u.h(0.012)));
    QPainterPath handle;
    handle.moveTo(top + QPointF(0, r * 0.15));
    handle.lineTo(top + QPointF(0, r * 1.3));
    handle.quadTo(top + QPointF(0, r * 1.45), top + QPointF(-r * 0.15, r * 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handle);
    for (auto [x, w] : {std::pair{0.2, 0.12}, {0.78, 0.16}})
        fill(p, ellipse(u.at(x, 0.9), u.w(w), u.h(0.025)), QColor(140, 170, 200, 180),
             QColor(0, 0, 0, 0));
}

void scene_snow(QPainter& p, const U& u) {
    sky(p, u, QColor(150, 176, 210), QColor(225, 234, 246));
    hills(p, u, 0.66, QColor(246, 248, 252), 0.04);
    tree(p, u.at(0.15, 0.74), u.h(0.34), QColor(230, 236, 244));
    // a snowman
    for (auto [y, r] : {std::pair{0.78, 0.11}, {0.6, 0.08}, {0.46, 0.06}})
        fill(p, ellipse(u.at(0.62, y), u.h(r), u.h(r)), white, QColor(150, 170, 200), 2);
    fill(p, box(u.rect(0.6, 0.34, 0.04, 0.07)), QColor(40, 40, 50), QColor(0, 0, 0, 0));
    fill(p, box(u.rect(0.585, 0.4, 0.07, 0.012)), QColor(40, 40, 50), QColor(0, 0, 0, 0));
    QPolygonF nose;
    nose << u.at(0.62, 0.46) << u.at(0.66, 0.465) << u.at(0.62, 0.475);
    QPainterPath np;
    np.addPolygon(nose);
    np.closeSubpath();
    fill(p, np, pomarancz, QColor(0, 0, 0, 0));
    for (double x : {0.605, 0.635})
        fill(p, ellipse(u.at(x, 0.445), u.w(0.005), u.w(0.005)), QColor(30, 30, 30),
             QColor(0, 0, 0, 0));
    p.setPen(line(red, u.h(0.018)));
    p.drawLine(u.at(0.585, 0.525), u.at(0.655, 0.525));
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    Scatter r(11);
    for (int i = 0; i < 80; ++i) {
        const QPointF at = u.at(r.next(), r.next() * 0.95);
        p.drawEllipse(at, u.h(0.006 + 0.004 * (i % 3)), u.h(0.006 + 0.004 * (i % 3)));
    }
}

void scene_clouds(QPainter& p, const U& u) {
    sky(p, u, QColor(50, 130, 210), QColor(190, 225, 248));
    cloud(p, u.at(0.2, 0.22), u.h(0.1));
    cloud(p, u.at(0.62, 0.18), u.h(0.14));
    cloud(p, u.at(0.85, 0.42), u.h(0.09));
    cloud(p, u.at(0.36, 0.5), u.h(0.12));
    cloud(p, u.at(0.1, 0.64), u.h(0.07));
    hills(p, u, 0.82, grass, 0.02);
}

void scene_tree(QPainter& p, const U& u) {
    sky(p, u, QColor(120, 180, 230), QColor(220, 238, 248));
    cloud(p, u.at(0.25, 0.12), u.w(0.08));
    hills(p, u, 0.8, QColor(150, 200, 100), 0.015);
    tree(p, u.at(0.5, 0.9), u.h(0.78), QColor(140, 200, 110), true);
    for (double x : {0.12, 0.24, 0.78, 0.9})
        flower(p, u.at(x, 0.93), u.w(0.02), QColor(250, 230, 240), u.h(0.02));
}

void scene_flower(QPainter& p, const U& u) {
    QRadialGradient bg(u.at(0.5, 0.4), u.w(0.7));
    bg.setColorAt(0, QColor(236, 246, 226));
    bg.setColorAt(1, QColor(170, 210, 150));
    p.fillRect(u.r, bg);
    p.setPen(line(grass_dark, u.h(0.02)));
    p.drawLine(u.at(0.5, 0.45), u.at(0.5, 1));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath l;
        const QPointF b = u.at(0.5, 0.75);
        l.moveTo(b);
        l.quadTo(b + QPointF(side * u.w(0.12), -u.h(0.14)),
                 b + QPointF(side * u.w(0.2), -u.h(0.04)));
        l.quadTo(b + QPointF(side * u.w(0.1), u.h(0.02)), b);
        fill(p, l, leaf, grass_dark, 1.5);
    }
    const QPointF head = u.at(0.5, 0.38);
    const double r = u.h(0.2);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(head);
        p.rotate(i * 45);
        QRadialGradient g(QPointF(0, -r * 0.55), r * 0.6);
        g.setColorAt(0, QColor(240, 90, 80));
        g.setColorAt(1, QColor(180, 30, 40));
        fill(p, ellipse(QPointF(0, -r * 0.55), r * 0.3, r * 0.55), g, QColor(130, 20, 30), 1.2);
        p.restore();
    }
    fill(p, ellipse(head, r * 0.28, r * 0.28), QColor(250, 200, 60), QColor(190, 130, 30), 1.5);
}

void scene_river(QPainter& p, const U& u) {
    sky(p, u);
    hills(p, u, 0.36, QColor(120, 160, 110), 0.06);
    hills(p, u, 0.5, QColor(140, 186, 100), 0.05, 0.8);
    QPainterPath river;
    river.moveTo(u.at(0.46, 0.48));
    river.cubicTo(u.at(0.6, 0.6), u.at(0.2, 0.72), u.at(0.36, 1));
    river.lineTo(u.at(0.74, 1));
    river.cubicTo(u.at(0.5, 0.74), u.at(0.78, 0.6), u.at(0.5, 0.48));
    river.closeSubpath();
    fill(p, river, vertical(river.boundingRect(), QColor(140, 200, 235), QColor(60, 130, 190)),
         QColor(240, 240, 230), 2);
    tree(p, u.at(0.14, 0.76), u.h(0.3));
    tree(p, u.at(0.86, 0.7), u.h(0.26));
    tree(p, u.at(0.78, 0.86), u.h(0.3));
}

void scene_mountains(QPainter& p, const U& u) {
    sky(p, u, QColor(70, 130, 200), QColor(214, 232, 246));
    const double peaks[][3] = {{0.18, 0.3, 0.3}, {0.48, 0.16, 0.36}, {0.8, 0.26, 0.32}};
    for (auto [x, top, half] : peaks) {
        QPolygonF m;
        m << u.at(x - half, 0.78) << u.at(x, top) << u.at(x + half, 0.78);
        QPainterPath mp;
        mp.addPolygon(m);
        mp.closeSubpath();
        fill(p, mp, vertical(mp.boundingRect(), QColor(120, 126, 146), QColor(80, 90, 110)),
             QColor(60, 66, 80), 1.5);
        const double cap = 0.28;
        QPolygonF snow;
        snow << u.at(x - half * cap, top + (0.78 - top) * cap) << u.at(x, top)
             << u.at(x + half * cap, top + (0.78 - top) * cap)
             << u.at(x + half * cap * 0.4, top + (0.78 - top) * cap * 0.8)
             << u.at(x, top + (0.78 - top) * cap * 1.05)
             << u.at(x - half * cap * 0.45, top + (0.78 - top) * cap * 0.8);
        QPainterPath sp;
        sp.addPolygon(snow);
        sp.closeSubpath();
        fill(p, sp, white, QColor(200, 210, 226), 1);
    }
    hills(p, u, 0.76, grass, 0.02);
    for (double x = 0.05; x < 1; x += 0.11)
        tree(p, u.at(x, 0.94 - 0.03 * std::sin(x * 9)), u.h(0.12), QColor(60, 120, 70));
}

void scene_sea(QPainter& p, const U& u) {
    sky(p, u, QColor(60, 150, 220), QColor(200, 232, 250));
    sun(p, u.at(0.8, 0.2), u.h(0.08));
    const QRectF sea = u.rect(0, 0.5, 1, 0.3);
    p.fillRect(sea, vertical(sea, QColor(40, 120, 180), QColor(90, 180, 210)));
    p.setPen(line(QColor(255, 255, 255, 150), u.h(0.006)));
    Scatter r(5);
    for (int i = 0; i < 16; ++i) {
        const double x = r.next(), y = 0.54 + r.next() * 0.22;
        p.drawLine(u.at(x, y), u.at(x + 0.05, y));
    }
    QPainterPath beach;
    beach.moveTo(u.at(0, 0.8));
    beach.quadTo(u.at(0.5, 0.74), u.at(1, 0.82));
    beach.lineTo(u.at(1, 1));
    beach.lineTo(u.at(0, 1));
    beach.closeSubpath();
    fill(p, beach, vertical(beach.boundingRect(), QColor(240, 220, 170), QColor(220, 196, 140)),
         QColor(0, 0, 0, 0));
    // a sailing boat
    fill(p, box(u.rect(0.3, 0.58, 0.14, 0.035), 6), wood_dark, QColor(0, 0, 0, 0));
    QPolygonF sail;
    sail << u.at(0.37, 0.36) << u.at(0.37, 0.575) << u.at(0.44, 0.575);
    QPainterPath sp;
    sp.addPolygon(sail);
    sp.closeSubpath();
    fill(p, sp, white, granat, 1.2);
    // a beach umbrella
    p.setPen(line(wood_dark, u.h(0.01)));
    p.drawLine(u.at(0.75, 0.72), u.at(0.75, 0.92));
    QPainterPath top;
    top.moveTo(u.at(0.65, 0.74));
    top.quadTo(u.at(0.75, 0.62), u.at(0.85, 0.74));
    top.closeSubpath();
    fill(p, top, pomarancz, mix(pomarancz, granat, 0.4));
}

void scene_wind(QPainter& p, const U& u) {
    sky(p, u, QColor(110, 170, 220), QColor(214, 234, 248));
    cloud(p, u.at(0.72, 0.2), u.h(0.08));
    hills(p, u, 0.74, grass, 0.025);
    // a bent tree
    p.save();
    p.translate(u.at(0.2, 0.8));
    p.rotate(12);
    tree(p, QPointF(0, 0), u.h(0.44));
    p.restore();
    // gusts
    p.setPen(line(QColor(255, 255, 255, 220), u.h(0.01)));
    p.setBrush(Qt::NoBrush);
    for (auto [x, y] : {std::pair{0.35, 0.3}, {0.5, 0.46}, {0.3, 0.58}}) {
        QPainterPath g;
        g.moveTo(u.at(x, y));
        g.cubicTo(u.at(x + 0.15, y - 0.04), u.at(x + 0.3, y + 0.04), u.at(x + 0.38, y - 0.02));
        g.quadTo(u.at(x + 0.42, y - 0.06), u.at(x + 0.38, y - 0.07));
        p.drawPath(g);
    }
    // flying leaves
    for (auto [x, y, a] : {std::tuple{0.62, 0.52, 30.0}, {0.72, 0.4, -20.0}, {0.84, 0.58, 60.0}}) {
        p.save();
        p.translate(u.at(x, y));
        p.rotate(a);
        fill(p, ellipse(QPointF(0, 0), u.w(0.018), u.w(0.008)), QColor(220, 150, 50),
             QColor(150, 90, 30), 1);
        p.restore();
    }
    // a kite on its string
    const QPointF kite = u.at(0.82, 0.3);
    QPolygonF k;
    k << kite + QPointF(0, -u.h(0.07)) << kite + QPointF(u.w(0.04), 0)
      << kite + QPointF(0, u.h(0.09)) << kite + QPointF(-u.w(0.04), 0);
    QPainterPath kp;
    kp.addPolygon(k);
    kp.closeSubpath();
    fill(p, kp, vertical(kp.boundingRect(), pomarancz, red), granat, 1.5);
    p.setPen(line(granat, 1.2));
    QPainterPath string;
    string.moveTo(kite + QPointF(0, u.h(0.09)));
    string.quadTo(u.at(0.7, 0.6), u.at(0.6, 0.86));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
}

using Scene = std::function<void(QPainter&, const U&)>;

const std::map<QString, Scene>& all_scenes() {
    static const std::map<QString, Scene> scenes = {
        {"house", scene_house},       {"kitchen", scene_kitchen}, {"bedroom", scene_bedroom},
        {"window", scene_window},     {"key", scene_key},         {"bus", scene_bus},
        {"train", scene_train},       {"plane", scene_plane},     {"apple", scene_apple},
        {"suitcase", scene_suitcase}, {"sun", scene_sun},         {"rain", scene_rain},
        {"snow", scene_snow},         {"clouds", scene_clouds},   {"tree", scene_tree},
        {"flower", scene_flower},     {"river", scene_river},     {"mountains", scene_mountains},
        {"sea", scene_sea},           {"wind", scene_wind},
        // The German and French editions' subjects.
        {"haus", scene_house},        {"fenster", scene_window},  {"zug", scene_train},
        {"flugzeug", scene_plane},    {"apfel", scene_apple},     {"koffer", scene_suitcase},
        {"sonne", scene_sun},         {"maison", scene_house},    {"pomme", scene_apple},
        {"soleil", scene_sun},        {"pluie", scene_rain},      {"neige", scene_snow},
        {"fleur", scene_flower},
    };
    return scenes;
}

// The card strip at the foot: the subject's word on the light ground.
void caption_strip(QImage& img, const QString& word, double strip) {
    QPainter p(&img);
    artwork::prepare(p);
    const QRectF band(0, img.height() - strip, img.width(), strip);
    p.fillRect(band, vertical(band, krem, mix(krem, piasek, 0.5)));
    p.fillRect(QRectF(0, band.top(), img.width(), std::max(2.0, strip * 0.06)), pomarancz);
    p.setFont(artwork::font(int(strip * 0.5), true));
    p.setPen(granat);
    p.drawText(band.adjusted(strip * 0.4, 0, -strip * 0.4, 0), Qt::AlignVCenter | Qt::AlignLeft,
               word);
    p.setPen(QPen(granat, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, img.width() - 1, img.height() - 1));
}

} // namespace

QSize size_for(const QString& subject) {
    if (subject == "tree") return {600, 900};
    if (subject == "mountains") return {1600, 1200};
    return {640, 480};
}

std::optional<Row> picture_row(const std::string& line, int charset) {
    if (line.size() <= 5 || line.find('=') == std::string::npos) return std::nullopt;
    return Row{Trim(pole_linii(line, 1)),
               QString::fromStdString(os::to_utf8(Trim(pole_linii(line, 2)), charset))};
}

Picture draw(const QString& word) {
    const QString subject = word.toLower();
    const QSize size = size_for(subject);
    Picture out;
    out.image = QImage(size, QImage::Format_RGB32);
    out.image.fill(krem);
    const double strip = std::round(size.width() * 0.085);
    const auto& scenes = all_scenes();
    const auto it = scenes.find(subject);
    out.known = it != scenes.end();
    if (out.known) {
        QPainter p(&out.image);
        artwork::prepare(p);
        const U u{QRectF(0, 0, size.width(), size.height() - strip)};
        p.setClipRect(u.r);
        it->second(p, u);
    }
    out.lettering = word;
    caption_strip(out.image, out.lettering, strip);
    return out;
}

} // namespace scenes
