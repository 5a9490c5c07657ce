#pragma once
// Borders of boxes in the nine border styles, and the viewer's raised and
// sunken frames around images, tables, panels and printed form controls.
#include <array>

#include "htmlview/colors.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

// Per side, in the order left, top, right, bottom: border styles (BorderStyleType) and colours.
using SideStyles = std::array<int, 4>;
using SideColors = std::array<ColorRef, 4>;

// Paints the ring between `outer` and `inner`, each side the quadrilateral
// between their corners. A background other than NoColour fills the ring
// first where a side is dashed, dotted or double. A side in NoColour is not
// painted.
void DrawBorder(ui::HtmlCanvas& canvas, const ui::Rect& outer, const ui::Rect& inner,
                ColorRef background, const SideStyles& styles, const SideColors& colors);

// Three quarters of each of red, green and blue (system colours resolved first).
ColorRef Darker(ColorRef color);

// What a frame asks of the document it is painted for.
class TFrameDocument {
  public:
    virtual bool IsPrinting() const = 0;
    // Monochrome printing asked for.
    virtual bool PrintMonochrome() const = 0;
    virtual ColorRef PageBackground() const = 0;

  protected:
    ~TFrameDocument() = default;
};

// A frame `width` pixels wide around (x1, y1) .. (x2, y2), right and bottom
// included: one pixel on those lines, wider ones outside them.
void RaisedFrame(const TFrameDocument& doc, ui::HtmlCanvas& canvas, int x1, int y1, int x2, int y2,
                 bool raised, int width);

// The frame of a printed form control in the rectangle (right and bottom
// outside), its inside filled.
void FormControlFrame(ui::HtmlCanvas& canvas, int x1, int y1, int x2, int y2, bool filled,
                      bool monochrome, bool raised);

} // namespace htmlview
