#pragma once
// The fonts the windows, pages and prints are drawn with: Liberation Sans,
// Serif and Mono from the files of fonts-liberation2, never another font
// installed under the same family names (an older generation of them has
// other glyphs and widths, and the layouts assume one metric).
#include <string>
#include <vector>

namespace ui {

// Where the pinned files are looked for.
inline constexpr const char* kPinnedFontDir = "/usr/share/fonts/truetype/liberation2";

// The file names of the three families, four faces each.
const std::vector<std::string>& pinned_font_names();

// The full paths of those files in `dir` that are missing or unreadable.
std::vector<std::string> missing_font_files(const std::string& dir = kPinnedFontDir);

// Gives the process a font configuration of its own: the system's (or the one
// FONTCONFIG_FILE names), in which the three families are taken from exactly
// the pinned files. Every other family resolves as that configuration says.
// Runs once, before the application object is made; later calls return the
// first result. Returns the missing files; with any missing nothing is pinned.
const std::vector<std::string>& pin_fonts();

// The message naming the missing files, in the programs' language (UTF-8).
std::string missing_fonts_message(const std::vector<std::string>& missing);

// For tools, tests and benchmarks, whose pictures and figures mean nothing in
// other fonts: pins the fonts, or prints the message and ends the process.
void pin_fonts_or_exit();

} // namespace ui
