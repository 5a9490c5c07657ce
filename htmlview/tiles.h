#pragma once
// Background pictures of blocks and table cells: where the tiles of a
// picture go inside a box (by the background position and repeat), and the
// picture prepared once for drawing them. The page background uses the same
// placement.
#include <QImage>
#include <memory>
#include <string>

#include "htmlview/style_model.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

class TBitmap;
class TImageObj;
class TSectionList;

// Start of a picture `size` long along an axis `area` long for the
// position kind; `offset` (a scroll) is taken off the kinds that follow it.
int TileStart(const PositionRec& p, int area, int size, int offset);

// The tiles to draw: columns from X0 in steps of StepX while below X1,
// rows from Y0 in steps of StepY while below Y1.
struct TileGrid {
    int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    int StepX = 0, StepY = 0;
    bool Empty() const { return StepX <= 0 || StepY <= 0 || X0 >= X1 || Y0 >= Y1; }
};

// Tiles of a w x h picture placed by `pos` against `area` (window
// coordinates), covering `clip` along the repeating axes and drawn once
// along the others; `step_w`, `step_h` are the sizes the tiles advance by
// (multiples of w and h). Empty for a picture without pixels and when no
// tile meets the clip.
TileGrid PlanTiles(const PositionRecArray& pos, int w, int h, int step_w, int step_h, const ui::Rect& area,
                   const ui::Rect& clip);
// The same from a first tile already placed at (x, y).
TileGrid PlanTilesFrom(int x, int y, bool repeat_x, bool repeat_y, int w, int h, int step_w, int step_h,
                       const ui::Rect& clip);

// A picture prepared for tiling: a side of one pixel along a repeating axis
// is widened (to at most 100 pixels, never to the whole box), small
// pictures are repeated into a larger unit so a wide box takes few draws,
// and a mask is combined into the unit once.
class TTilePicture {
  public:
    // Draws the picture tiled over `box` (window coordinates) within
    // `clip`; the position refers to `area` (the box itself, or the window
    // for a fixed background).
    void Draw(ui::HtmlCanvas& canvas, const TBitmap& bitmap, const TBitmap* mask, const PositionRecArray& pos,
              const ui::Rect& area, const ui::Rect& box, const ui::Rect& clip);
    // Drops the prepared unit (the picture or the box changed).
    void Reset() { source_ = nullptr; }

  private:
    void Prepare(const TBitmap& bitmap, const TBitmap* mask, bool rx, bool ry, int box_w, int box_h);

    const TBitmap* source_ = nullptr;
    const TBitmap* source_mask_ = nullptr;
    int source_w_ = 0, source_h_ = 0; // a picture delivered again may take the old one's place
    bool rx_ = false, ry_ = false;
    int wide_w_ = 0, wide_h_ = 0; // the box sizes a one-pixel side was widened for
    int tile_w_ = 0, tile_h_ = 0; // the picture as placed
    QImage unit_;                 // RGB32, or premultiplied ARGB with the mask applied
    QImage unit_rgb_, unit_mask_; // for devices without raster operations
};

// The background picture of a block or a cell: its name and position, the
// picture object once fetched, and its prepared tiles.
struct TBackgroundPicture {
    TBackgroundPicture();
    ~TBackgroundPicture();
    TBackgroundPicture(TBackgroundPicture&&) noexcept;
    TBackgroundPicture& operator=(TBackgroundPicture&&) noexcept;

    // The same picture for `doc` (a print copy): what was fetched is shared.
    TBackgroundPicture CopyFor(TSectionList& doc) const;
    // Names a picture (an empty name or "none" names none).
    void SetName(const std::string& name, const PositionRecArray& pos);
    bool Named() const { return !Name.empty(); }

    // At layout: the picture is fetched when the document shows images; one
    // that cannot be had is dropped for good.
    void Fetch(TSectionList& doc, ui::HtmlCanvas& canvas);
    // Tiles the padding box (window coordinates) within `clip`.
    void Paint(ui::HtmlCanvas& canvas, TSectionList* doc, const ui::Rect& padding_box, const ui::Rect& clip);

    std::string Name;
    PositionRecArray Pos{};
    std::unique_ptr<TImageObj> Image;
    bool Dropped = false;
    TTilePicture Tile;
};

} // namespace htmlview
