#pragma once
// What the window pictures share: the palette as colours, the light ground,
// the title band, the window edge, badges, panels, button shadows and the
// dialog header.
#include "shared/look.h"
#include "tools/artwork/icons.h"
#include "tools/artwork/paint.h"

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPainterPath>
#include <functional>
#include <initializer_list>

namespace artwork {

inline const QColor white(255, 255, 255);
inline const QColor granat = rgb(look::granat);
inline const QColor morski = rgb(look::morski);
inline const QColor jasny = rgb(look::morski_jasny);
inline const QColor krem = rgb(look::krem);
inline const QColor piasek = rgb(look::piasek);
inline const QColor pomarancz = rgb(look::pomarancz);
inline const QColor tekst = rgb(look::tekst);

QRectF rect(const look::Rect& r);
QColor alpha(QColor c, int a);
QPainterPath rounded(const QRectF& r, double radius);

// Light ground of every window, a little warmer towards the bottom.
void light_ground(QImage& img);
// Deep-blue title band with a fine orange line under it.
void title_band(QImage& img, double height);
// Thin dark outline with a light inner line: the window edge of a borderless window.
void window_edge(QImage& img);
// A round badge carrying an icon.
void icon_badge(QPainter& p, const QPointF& centre, double radius, const QColor& fill, Icon icon);
// A sunken, lightly tinted panel that groups controls.
void panel(QImage& img, const QRectF& r, double radius, const QColor& tint);
// A white or tinted panel that stands a little above the ground.
void raised_panel(QImage& img, const QRectF& r, const QColor& fill);
// A round badge of `size` pixels on the white card, keyed outside its disc;
// `sign` paints on it inside the disc's square.
QImage badge(int size, const QColor& fill, const std::function<void(QPainter&, QRectF)>& sign);
// A rounded button of the control's size on the exercise window's strip,
// keyed outside its shape; `sign` paints on it.
QImage strip_button(const look::Rect& size, const std::function<void(QPainter&, QRectF)>& sign);
// A fine line across a window from `left` to `right`, with a light line under it.
void separator(QImage& img, double y, double left, double right);
// The line that sets off a dialog's button row, 18 pixels in from each side.
void button_row(QImage& img, int top);
// A light rounded button face of the control's size, keyed outside its
// corners and edged with `edge`; `paint` adds the sign and caption.
QImage light_button(const look::Rect& size, const QPen& edge,
                    const std::function<void(QPainter&)>& paint);
// Shadows go only under buttons that are always shown: a hidden button must leave no trace.
void button_shadows(QImage& img, std::initializer_list<look::Rect> buttons);
// Light window with a 52-pixel header band carrying a heading and an icon.
QImage dialog(look::Size size, const char* heading, Icon icon);
// Paints on `ground` with `paint`, then keys every pixel whose centre lies
// outside `shape` (hard-edged, so no blend with the key colour remains).
QImage keyed(int w, int h, const QColor& ground, const QPainterPath& shape,
             const std::function<void(QPainter&)>& paint);

} // namespace artwork
