#pragma once
// Fonts of the viewer: choosing an installed face from a font-family list,
// the font description of links, and the font with its metrics that text
// runs paint with.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "htmlview/colors.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

// The first entry of a comma-separated font list that is installed (names
// compared without regard to case), each entry trimmed, one leading and one
// trailing quote removed, and the generic families mapped ("serif" Times
// New Roman, "monospace" Courier New, "sans-serif" Arial, "cursive" Lucida
// Handwriting). Empty when none is installed.
std::string FirstInstalledFont(std::string_view list);

// Style bits of a font description.
enum : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct ThtFontInfo {
    std::string Face;
    double Points = 12;
    unsigned StyleBits = 0;
    ColorRef FontColor = 0;
    ColorRef BackColor = NoColour;
    int CharsetByte = 1;
    bool operator==(const ThtFontInfo&) const = default;
};

// Fonts of a link: 0 link, 1 visited, 2 hovered, 3 hovered and visited.
struct TFontInfoArray {
    std::array<ThtFontInfo, 4> Ar;
    void Assign(const TFontInfoArray& source) { Ar = source.Ar; }
};

// A font as text runs paint it: the face asked for, its colours, and the
// metrics the device gave (`tmCharset` is the character set it chose).
struct TMyFont {
    ui::LogFont Font;
    ColorRef Color = 0;
    ColorRef bgColor = NoColour;
    int tmHeight = 0;
    int tmDescent = 0;
    int tmExLeading = 0;
    int tmMaxCharWidth = 0;
    int tmCharset = 0;
    std::shared_ptr<const ui::FontFace> Face; // the measured font, shared

    void Assign(const TMyFont& source) { *this = source; }
};

// The font a description asks for, measured: the height is minus the screen
// pixels per inch times the points over 72, rounded (at least one pixel).
TMyFont FontFromInfo(const ThtFontInfo& info);

} // namespace htmlview
