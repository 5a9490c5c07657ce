#pragma once
// The pixels of the ellipse inscribed in a box, row by row, as the canvas's
// elliptic regions take them; and the test of one pixel against it, which
// needs no region however large the ellipse.
#include "platform/ui/html_canvas.h"

namespace ui {

// The pixels x0..x1 of row y; false when the row holds none.
bool EllipseRow(const Rect& box, int y, int& x0, int& x1);
bool EllipseContains(const Rect& box, int x, int y);

} // namespace ui
