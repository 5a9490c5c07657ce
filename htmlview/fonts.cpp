#include "htmlview/fonts.h"

#include "htmlview/ascii.h"
#include "htmlview/lengths.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

bool is_quote(char c) {
    return c == '"' || c == '\'';
}

} // namespace

std::string FirstInstalledFont(std::string_view list) {
    while (true) {
        const size_t comma = list.find(',');
        std::string_view entry = TrimView(list.substr(0, comma));
        if (!entry.empty() && is_quote(entry.front())) entry.remove_prefix(1);
        if (!entry.empty() && is_quote(entry.back())) entry.remove_suffix(1);
        std::string name(entry);
        if (SameText(entry, "serif"))
            name = "Times New Roman";
        else if (SameText(entry, "monospace"))
            name = "Courier New";
        else if (SameText(entry, "sans-serif"))
            name = "Arial";
        else if (SameText(entry, "cursive"))
            name = "Lucida Handwriting";
        if (!name.empty() && ui::font_installed(name)) return name;
        if (comma == std::string_view::npos) return std::string();
        list = list.substr(comma + 1);
    }
}

TMyFont FontFromInfo(const ThtFontInfo& info) {
    TMyFont f;
    f.Font.face = info.Face.empty() ? "Arial" : info.Face;
    f.Font.height = -os::round_even(ScreenPixelsPerInch * info.Points / 72);
    if (f.Font.height == 0) f.Font.height = -1;
    f.Font.weight = info.StyleBits & fsBold ? 700 : 400;
    f.Font.italic = info.StyleBits & fsItalic;
    f.Font.underline = info.StyleBits & fsUnderline;
    f.Font.strikeout = info.StyleBits & fsStrikeOut;
    f.Font.charset = info.CharsetByte;
    f.Color = info.FontColor;
    f.bgColor = info.BackColor;
    f.Face = ui::font_face(f.Font);
    const ui::TextMetrics& tm = f.Face->metrics();
    f.tmHeight = tm.height;
    f.tmDescent = tm.descent;
    f.tmExLeading = tm.external_leading;
    f.tmMaxCharWidth = tm.max_char_width;
    f.tmCharset = tm.charset;
    return f;
}

} // namespace htmlview
