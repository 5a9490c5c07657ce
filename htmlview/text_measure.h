#pragma once
// Measuring and wrapping wide text on the viewer's canvas.
#include "htmlview/wide_string.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

// How many of the first `count` characters fit into `max_width` with the
// canvas's font; `extent` is their width (0 when none fit, `max_width` is
// below 1 or `count` is 0).
int FitText(const ui::HtmlCanvas& canvas, WideView text, int count, int max_width, int& extent);
// Width of the first `count` characters.
int TextWidth(const ui::HtmlCanvas& canvas, WideView text, int count);

// Draws `text` word by word inside the rectangle (transparent, from the top
// left): words split at blanks, a line as high as "A", a new line when the
// next word would not fit. A word wider than the rectangle gets a line of
// its own; lines that would pass the bottom are not drawn.
void WrapText(ui::HtmlCanvas& canvas, int x1, int y1, int x2, int y2, WideView text);

} // namespace htmlview
