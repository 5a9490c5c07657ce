#pragma once
// Colour texts of pages and style sheets: names, rgb() and hexadecimal.
#include <string_view>

#include "platform/ui/html_canvas.h"

namespace htmlview {

using ui::ColorRef;

// No colour: "transparent".
constexpr ColorRef NoColour = 0x1FFFFFFF;

// Reads a colour: a name of the colour table ("transparent", the CSS colour
// keywords, the system colour names), "rgb(r, g, b)" with numbers or
// percentages, or hexadecimal digits after a "#" (without one only when
// `need_pound` is false; one to three digits are doubled). Hexadecimal and
// rgb() colours carry the palette-relative flag. False when not a colour.
bool ParseColor(std::string_view s, bool need_pound, ColorRef& color);

// The number of names in the colour table.
int ColorNameCount();

} // namespace htmlview
