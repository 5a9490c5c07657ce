#include "htmlview/fonts.h"

#include "htmlview/ascii.h"

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

} // namespace htmlview
