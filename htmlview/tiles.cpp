#include "htmlview/tiles.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdint>

#include "htmlview/document.h"
#include "htmlview/image_obj.h"
#include "htmlview/images.h"

namespace htmlview {

namespace {

// Starts beyond this are taken as this, so the sums below cannot overflow.
constexpr int64_t kFarAway = 100'000'000;

// A unit at least this long along a repeating axis.
constexpr int kUnitMin = 64;

int far_clamp(int64_t v) { return static_cast<int>(std::clamp(v, -kFarAway, kFarAway)); }

// One axis of the grid: the first tile at or before the clip's start when
// repeating, else the one tile; false when nothing meets the clip.
bool plan_axis(bool repeat, int start, int size, int step, int clip_lo, int clip_hi, int& from, int& to) {
    if (repeat) {
        if (start > clip_lo)
            start -= static_cast<int>((int64_t(start) - clip_lo + step - 1) / step * step);
        else
            start += static_cast<int>((int64_t(clip_lo) - start) / step * step);
        from = start;
        to = clip_hi;
    } else {
        from = start;
        to = start + size;
    }
    return from < clip_hi && to > clip_lo && from < to;
}

} // namespace

int TileStart(const PositionRec& p, int area, int size, int offset) {
    const int64_t free = int64_t(area) - size;
    switch (p.PosType) {
    case bpTop: return far_clamp(-int64_t(offset));
    case bpCenter: return far_clamp(free / 2 - offset);
    case bpBottom: return far_clamp(free - offset);
    case bpLeft: return 0;
    case bpRight: return far_clamp(free);
    case bpPercent: return far_clamp(free * p.Value / 100 - offset);
    default: return far_clamp(int64_t(p.Value) - offset);
    }
}

TileGrid PlanTiles(const PositionRecArray& pos, int w, int h, int step_w, int step_h, const ui::Rect& area,
                   const ui::Rect& clip) {
    const int sx = far_clamp(int64_t(area.Left) + TileStart(pos[0], area.Width(), w, 0));
    const int sy = far_clamp(int64_t(area.Top) + TileStart(pos[1], area.Height(), h, 0));
    return PlanTilesFrom(sx, sy, pos[0].RepeatD, pos[1].RepeatD, w, h, step_w, step_h, clip);
}

TileGrid PlanTilesFrom(int x, int y, bool repeat_x, bool repeat_y, int w, int h, int step_w, int step_h,
                       const ui::Rect& clip) {
    TileGrid g;
    // A picture without pixels has nothing to tile; stepping by 0 would never end.
    if (w <= 0 || h <= 0 || step_w <= 0 || step_h <= 0 || clip.IsEmpty()) return g;
    TileGrid out;
    out.StepX = repeat_x ? step_w : w;
    out.StepY = repeat_y ? step_h : h;
    if (!plan_axis(repeat_x, x, w, out.StepX, clip.Left, clip.Right, out.X0, out.X1)) return g;
    if (!plan_axis(repeat_y, y, h, out.StepY, clip.Top, clip.Bottom, out.Y0, out.Y1)) return g;
    return out;
}

// ------------------------------------------------------------ TTilePicture

void TTilePicture::Prepare(const TBitmap& bitmap, const TBitmap* mask, bool rx, bool ry, int box_w, int box_h) {
    source_ = &bitmap;
    source_mask_ = mask;
    source_w_ = bitmap.Width();
    source_h_ = bitmap.Height();
    rx_ = rx;
    ry_ = ry;
    wide_w_ = std::clamp(box_w, 1, 100);
    wide_h_ = std::clamp(box_h, 1, 100);
    // A one-pixel side is widened only where the picture repeats: drawn
    // once, it keeps its size.
    const int want_w = rx ? wide_w_ : 1;
    const int want_h = ry ? wide_h_ : 1;
    QImage picture, picture_mask;
    if ((bitmap.Width() == 1 && rx) || (bitmap.Height() == 1 && ry)) {
        picture = EnlargeImage(bitmap, want_w, want_h)->ToImage();
        if (mask) picture_mask = EnlargeImage(*mask, want_w, want_h)->ToImage();
    } else {
        picture = bitmap.ToImage();
        if (mask) picture_mask = mask->ToImage();
    }
    picture = picture.convertToFormat(QImage::Format_RGB32);
    if (!picture_mask.isNull()) picture_mask = picture_mask.convertToFormat(QImage::Format_RGB32);
    tile_w_ = picture.width();
    tile_h_ = picture.height();
    const int nx = rx && tile_w_ > 0 && tile_w_ < kUnitMin ? (kUnitMin + tile_w_ - 1) / tile_w_ : 1;
    const int ny = ry && tile_h_ > 0 && tile_h_ < kUnitMin ? (kUnitMin + tile_h_ - 1) / tile_h_ : 1;
    auto repeat = [&](const QImage& one) {
        if (nx == 1 && ny == 1) return one;
        QImage out(tile_w_ * nx, tile_h_ * ny, QImage::Format_RGB32);
        QPainter p(&out);
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) p.drawImage(i * tile_w_, j * tile_h_, one);
        return out;
    };
    unit_rgb_ = repeat(picture);
    unit_mask_ = picture_mask.isNull() ? QImage() : repeat(picture_mask);
    if (unit_mask_.isNull()) {
        unit_ = unit_rgb_;
        return;
    }
    // White mask pixels are left out.
    unit_ = unit_rgb_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < unit_.height() && y < unit_mask_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(unit_.scanLine(y));
        const auto* ml = reinterpret_cast<const QRgb*>(unit_mask_.constScanLine(y));
        for (int x = 0; x < unit_.width() && x < unit_mask_.width(); ++x)
            if ((ml[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = 0;
    }
}

void TTilePicture::Draw(ui::HtmlCanvas& canvas, const TBitmap& bitmap, const TBitmap* mask,
                        const PositionRecArray& pos, const ui::Rect& area, const ui::Rect& box, const ui::Rect& clip) {
    if (bitmap.Empty()) return;
    const ui::Rect visible{std::max(box.Left, clip.Left), std::max(box.Top, clip.Top), std::min(box.Right, clip.Right),
                           std::min(box.Bottom, clip.Bottom)};
    if (visible.IsEmpty()) return;
    const bool rx = pos[0].RepeatD, ry = pos[1].RepeatD;
    if (source_ != &bitmap || source_mask_ != mask || source_w_ != bitmap.Width() || source_h_ != bitmap.Height() ||
        rx_ != rx || ry_ != ry ||
        (bitmap.Width() == 1 && wide_w_ != std::clamp(box.Width(), 1, 100)) ||
        (bitmap.Height() == 1 && wide_h_ != std::clamp(box.Height(), 1, 100)))
        Prepare(bitmap, mask, rx, ry, box.Width(), box.Height());
    const TileGrid g = PlanTiles(pos, tile_w_, tile_h_, unit_.width(), unit_.height(), area, visible);
    if (g.Empty()) return;
    canvas.SaveDC();
    canvas.IntersectClipRect(visible);
    const bool raster = canvas.Caps().raster_ops;
    for (int y = g.Y0; y < g.Y1; y += g.StepY)
        for (int x = g.X0; x < g.X1; x += g.StepX) {
            // Along an axis drawn once, only the picture itself is drawn.
            const int w = rx ? unit_.width() : tile_w_;
            const int h = ry ? unit_.height() : tile_h_;
            if (raster || unit_mask_.isNull())
                canvas.painter().drawImage(QPoint(x, y), unit_, QRect(0, 0, w, h));
            else
                canvas.DrawMasked({x, y, x + w, y + h}, unit_rgb_, QRect(0, 0, w, h), unit_mask_);
        }
    canvas.RestoreDC();
}

// ------------------------------------------------------ TBackgroundPicture

TBackgroundPicture::TBackgroundPicture() = default;
TBackgroundPicture::~TBackgroundPicture() = default;
TBackgroundPicture::TBackgroundPicture(TBackgroundPicture&&) noexcept = default;
TBackgroundPicture& TBackgroundPicture::operator=(TBackgroundPicture&&) noexcept = default;

TBackgroundPicture TBackgroundPicture::CopyFor(TSectionList& doc) const {
    TBackgroundPicture c;
    c.Name = Name;
    c.Pos = Pos;
    c.Dropped = Dropped;
    if (Image) c.Image.reset(static_cast<TImageObj*>(Image->Copy(doc).release()));
    return c;
}

void TBackgroundPicture::SetName(const std::string& name, const PositionRecArray& pos) {
    Image.reset();
    Tile.Reset();
    Dropped = false;
    Name = name == "none" ? std::string() : name;
    Pos = pos;
}

void TBackgroundPicture::Fetch(TSectionList& doc, ui::HtmlCanvas& canvas) {
    if (Name.empty() || Dropped || !doc.ImagesShown) return;
    if (!Image) {
        Image = std::make_unique<TImageObj>(&doc, Name);
        Image->Still = true;
    }
    Image->LayoutObject(doc, canvas, 100, nullptr);
    if (Image->Missing()) {
        Image.reset();
        Tile.Reset();
        Dropped = true;
    }
}

void TBackgroundPicture::Paint(ui::HtmlCanvas& canvas, TSectionList* doc, const ui::Rect& padding_box,
                               const ui::Rect& clip) {
    if (!Image || (doc && !doc->ImagesShown)) return;
    const TBitmap* bitmap = Image->Bitmap();
    if (!bitmap) return; // still on its way
    const bool printing = (doc && doc->PrintingNow) || canvas.IsPrinter();
    ui::Rect area = padding_box;
    // A fixed picture stays where it is in the window while the page scrolls.
    if ((Pos[0].Fixed || Pos[1].Fixed) && doc && doc->Surface && !printing) {
        area = {0, 0, doc->Surface->width(), doc->Surface->height()};
        doc->FixedTiles = true;
    }
    Tile.Draw(canvas, *bitmap, Image->Mask(), Pos, area, padding_box, clip);
}

} // namespace htmlview
