#pragma once
// Lengths and font sizes of style values: pixels and points at 96 pixels
// per inch, and the HTML font size tables.
#include <string_view>

namespace htmlview {

// Special integers stored in property values and converted box arrays.
constexpr int NoValue = -12345678;          // not set
constexpr int AutoValue = -12348765;        // "auto"
constexpr int ParagraphDefault = -12348766; // default paragraph margin: 14 px, counts as auto

// Pixels per inch of the screen the viewer measures for.
constexpr int ScreenPixelsPerInch = 96;

// The number at the front of a value and the rest: an optional sign, digits
// and one decimal point ("e" ends the number); a front without digits reads
// as 0 and is left in the rest.
struct NumberAndUnit {
    double value = 0;
    std::string_view unit;
    bool has_number = false;
};
NumberAndUnit SplitNumber(std::string_view s);

// A length in whole pixels: "in", "cm", "mm", "pt", "px", "pc", "em", "ex"
// and "%" (of Base); without a unit V*Base when Relative, else V; another
// unit, or a unit without a number, gives Default. Ties round to even; huge
// values stop at the int range.
int LengthToPixels(std::string_view s, bool relative, int base, int dflt, int ex_size, int em_size);

// A font size in points, Base being the inherited size: the units above (no
// unit counts as pixels) and the keywords "smaller", "larger" and
// "xx-small".."xx-large" (from the sheet's default size); anything else,
// and a unit without a number, is the default size. The unit is not trimmed.
double FontSizeToPoints(std::string_view s, double base);

// The default point size of the current sheet (set with the default sheet).
double DefaultPointSize();
void SetDefaultPointSize(double points);

// Points for the HTML font sizes 1 to 7 (sizes outside are brought into
// range), normal and preformatted, for the document's default size.
void SetFontSizeTables(double default_points);
double FontSizePoints(int size);
double PreFontSizePoints(int size);

} // namespace htmlview
