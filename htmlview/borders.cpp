#include "htmlview/borders.h"

#include <algorithm>
#include <vector>

#include "htmlview/box_length.h"
#include "htmlview/style_model.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

constexpr ColorRef kSilver = ui::rgb_ref(192, 192, 192);
constexpr ColorRef kBlack = 0;
constexpr ColorRef kWhite = ui::rgb_ref(255, 255, 255);

enum Side { kLeft, kTop, kRight, kBottom };

int clamp_y(int y) {
    return std::clamp(y, -200, 5000);
}

// The width of a side between an outer and an inner rectangle.
int thickness(Side side, const ui::Rect& a, const ui::Rect& b) {
    switch (side) {
    case kLeft: return b.Left - a.Left;
    case kTop: return b.Top - a.Top;
    case kRight: return a.Right - b.Right;
    case kBottom: return a.Bottom - b.Bottom;
    }
    return 0;
}

// One side's quadrilateral between rectangle `a` (outside) and `b` (inside);
// one pixel thick it is the line along a's edge.
void fill_side(ui::HtmlCanvas& canvas, Side side, const ui::Rect& a, const ui::Rect& b,
               ColorRef color) {
    const int t = thickness(side, a, b);
    if (t <= 0) return;
    if (t == 1) {
        switch (side) {
        case kLeft: canvas.FillRect({a.Left, a.Top, a.Left + 1, a.Bottom}, color); break;
        case kTop: canvas.FillRect({a.Left, a.Top, a.Right, a.Top + 1}, color); break;
        case kRight: canvas.FillRect({a.Right - 1, a.Top, a.Right, a.Bottom}, color); break;
        case kBottom: canvas.FillRect({a.Left, a.Bottom - 1, a.Right, a.Bottom}, color); break;
        }
        return;
    }
    std::vector<QPoint> pts;
    switch (side) {
    case kLeft: pts = {{a.Left, a.Top}, {b.Left, b.Top}, {b.Left, b.Bottom}, {a.Left, a.Bottom}}; break;
    case kTop: pts = {{a.Left, a.Top}, {a.Right, a.Top}, {b.Right, b.Top}, {b.Left, b.Top}}; break;
    case kRight: pts = {{a.Right, a.Top}, {a.Right, a.Bottom}, {b.Right, b.Bottom}, {b.Right, b.Top}}; break;
    case kBottom: pts = {{a.Left, a.Bottom}, {b.Left, b.Bottom}, {b.Right, b.Bottom}, {a.Right, a.Bottom}}; break;
    }
    // Cut well outside the clip box, so that for borders narrower than the
    // margin no slanted edge that reaches the clip box is moved.
    constexpr int kMargin = 64;
    const ui::Rect clip = canvas.GetClipBox();
    const ui::Rect box = {clip.Left - kMargin, clip.Top - kMargin, clip.Right + kMargin, clip.Bottom + kMargin};
    if (std::any_of(pts.begin(), pts.end(), [&](const QPoint& p) {
            return p.x() < box.Left || p.x() > box.Right || p.y() < box.Top || p.y() > box.Bottom;
        }))
        pts = ui::CutPolygon(std::move(pts), box);
    if (pts.size() < 3) return;
    for (QPoint& p : pts) p = canvas.LPtoDP(p);
    canvas.FillRegion(ui::Region::FromPolygon(pts, ui::FillMode::Winding), color);
}

// The width of the outer and of the inner band of a double border.
int band(int width) {
    return width / 3 + (width % 3 == 2 ? 1 : 0);
}

bool is_line_style(int s) {
    return s == bssDashed || s == bssDotted;
}

} // namespace

ColorRef Darker(ColorRef color) {
    const ColorRef c = ui::resolve_color(color);
    auto part = [&](int shift) { return os::round_even(((c >> shift) & 0xFF) * 0.75); };
    return ui::rgb_ref(part(0), part(8), part(16));
}

void DrawBorder(ui::HtmlCanvas& canvas, const ui::Rect& outer_in, const ui::Rect& inner_in,
                ColorRef background, const SideStyles& styles, const SideColors& colors) {
    ui::Rect o = outer_in;
    ui::Rect i = inner_in;
    o.Top = clamp_y(o.Top);
    o.Bottom = clamp_y(o.Bottom);
    i.Top = clamp_y(i.Top);
    i.Bottom = clamp_y(i.Bottom);
    auto gap = [](int a, int b) { return to_position(int64_t{b} - a); };
    const std::array<int, 4> widths = {gap(o.Left, i.Left), gap(o.Top, i.Top), gap(i.Right, o.Right),
                                       gap(i.Bottom, o.Bottom)};
    // Halfway between the two rectangles: where groove and ridge change and
    // where dashes and dots run.
    auto mid = [](int a, int b) { return static_cast<int>((int64_t{a} + b) / 2); };
    const ui::Rect m = {mid(o.Left, i.Left), mid(o.Top, i.Top), mid(o.Right, i.Right), mid(o.Bottom, i.Bottom)};
    // The inner edge of a double border's outer band, the outer edge of its inner band.
    const ui::Rect ob = {o.Left + band(widths[kLeft]), o.Top + band(widths[kTop]),
                         o.Right - band(widths[kRight]), o.Bottom - band(widths[kBottom])};
    const ui::Rect ib = {i.Left - band(widths[kLeft]), i.Top - band(widths[kTop]),
                         i.Right + band(widths[kRight]), i.Bottom + band(widths[kBottom])};

    if (background != NoColour &&
        std::any_of(styles.begin(), styles.end(),
                    [](int s) { return is_line_style(s) || s == bssDouble; })) {
        ui::Region ring = ui::Region::FromRect(canvas.LPtoDP(o));
        ring.Subtract(ui::Region::FromRect(canvas.LPtoDP(i)));
        canvas.FillRegion(ring, background);
    }

    // Corners of the middle rectangle; side k runs from corner k to corner k + 1.
    const std::array<QPoint, 4> corner = {QPoint(m.Left, m.Bottom), QPoint(m.Left, m.Top),
                                          QPoint(m.Right, m.Top), QPoint(m.Right, m.Bottom)};
    auto same_line = [&](int a, int b) {
        return styles[a] == styles[b] && colors[a] == colors[b] && widths[a] == widths[b];
    };

    for (int k = 0; k < 4; ++k) {
        const Side side = static_cast<Side>(k);
        const ColorRef color = colors[k];
        if (color == NoColour || widths[k] <= 0) continue;
        const bool upper_left = side == kLeft || side == kTop;
        switch (styles[k]) {
        case bssSolid: fill_side(canvas, side, o, i, color); break;
        case bssInset: fill_side(canvas, side, o, i, upper_left ? Darker(color) : color); break;
        case bssOutset: fill_side(canvas, side, o, i, upper_left ? color : Darker(color)); break;
        case bssGroove:
            fill_side(canvas, side, o, m, upper_left ? Darker(color) : color);
            fill_side(canvas, side, m, i, upper_left ? color : Darker(color));
            break;
        case bssRidge:
            fill_side(canvas, side, o, m, upper_left ? color : Darker(color));
            fill_side(canvas, side, m, i, upper_left ? Darker(color) : color);
            break;
        case bssDouble:
            fill_side(canvas, side, o, ob, color);
            fill_side(canvas, side, ib, i, color);
            break;
        case bssDashed:
        case bssDotted: {
            // A run of sides alike is one path, begun at its first side.
            if (k > 0 && same_line(k - 1, k)) break;
            int last = k;
            while (last < 3 && same_line(last, last + 1)) ++last;
            const bool closed = k == 0 && last == 3;
            std::vector<QPoint> path;
            for (int c = k; c <= last + 1; ++c) path.push_back(corner[c % 4]);
            if (closed) path.pop_back();
            ui::Pen pen;
            pen.style = styles[k] == bssDashed ? ui::PenStyle::Dash : ui::PenStyle::Dot;
            pen.width = widths[k];
            pen.color = color | ui::kPaletteFlag;
            pen.cap = styles[k] == bssDashed ? ui::PenCap::Square : ui::PenCap::Round;
            pen.join = ui::PenJoin::Miter;
            const ui::Pen before = canvas.GetPen();
            canvas.SelectPen(pen);
            canvas.Polyline(path, closed);
            canvas.SelectPen(before);
            break;
        }
        default: break;
        }
    }
}

void RaisedFrame(const TFrameDocument& doc, ui::HtmlCanvas& canvas, int x1, int y1, int x2, int y2,
                 bool raised, int width) {
    if (width <= 0) return;
    const ui::DeviceCaps& caps = canvas.Caps();
    ColorRef light, dark;
    if (doc.IsPrinting() && doc.PrintMonochrome() && caps.bits_per_pixel == 1 && caps.planes == 1) {
        light = dark = kBlack;
    } else {
        const bool white_page = ui::resolve_color(doc.PageBackground()) == kWhite;
        light = doc.IsPrinting() || white_page ? kSilver : ui::sys_color(ui::kColorBtnHighlight);
        dark = ui::sys_color(ui::kColorBtnShadow);
    }
    if (!raised) std::swap(light, dark);
    if (width == 1) {
        y1 = clamp_y(y1);
        y2 = clamp_y(y2);
        canvas.FillRect({x1, y1, x1 + 1, y2 + 1}, light);
        canvas.FillRect({x1, y1, x2, y1 + 1}, light);
        canvas.FillRect({x2, y1, x2 + 1, y2 + 1}, dark);
        canvas.FillRect({x1 + 1, y2, x2 + 1, y2 + 1}, dark);
        return;
    }
    DrawBorder(canvas, {x1 - width + 1, y1 - width + 1, x2 + width, y2 + width}, {x1 + 1, y1 + 1, x2, y2},
               NoColour, {bssSolid, bssSolid, bssSolid, bssSolid}, {light, light, dark, dark});
}

void FormControlFrame(ui::HtmlCanvas& canvas, int x1, int y1, int x2, int y2, bool filled,
                      bool monochrome, bool raised) {
    const ui::DeviceCaps& caps = canvas.Caps();
    if (monochrome && caps.bits_per_pixel == 1 && caps.planes == 1) {
        canvas.FillRect({x1 + 1, y1 + 1, x2 - 1, y2 - 1}, kWhite);
        canvas.FrameRect({x1, y1, x2, y2}, kBlack);
        return;
    }
    canvas.FillRect({x1 + 2, y1 + 2, x2 - 2, y2 - 2},
                    filled && !monochrome ? ui::sys_color(ui::kColorBtnFace) : kWhite);
    const ColorRef shadow = ui::sys_color(ui::kColorBtnShadow);
    const ColorRef upper = raised ? kSilver : shadow;
    const ColorRef lower = raised ? shadow : kSilver;
    DrawBorder(canvas, {x1, y1, x2, y2}, {x1 + 2, y1 + 2, x2 - 2, y2 - 2}, NoColour,
               {bssSolid, bssSolid, bssSolid, bssSolid}, {upper, upper, lower, lower});
}

} // namespace htmlview
