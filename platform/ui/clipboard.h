#pragma once
// The system clipboard, for 8-bit texts of the windows.
#include <string>

namespace ui {

// Puts `text` (character set `charset`, 238 or 0) on the clipboard as plain
// text; its line breaks stay as they are (CR LF).
void set_clipboard_text(const std::string& text, int charset = 238);
// The same for a text already in UTF-8 (one built of pieces of both sets).
void set_clipboard_utf8(const std::string& text);
// The clipboard's plain text in that character set ("" when none).
std::string clipboard_text(int charset = 238);

} // namespace ui
