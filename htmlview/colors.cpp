#include "htmlview/colors.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "htmlview/ascii.h"
#include "htmlview/lengths.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

struct Named {
    const char* name;
    ColorRef color;
};

constexpr ColorRef hex(unsigned rrggbb) {
    return ui::rgb_ref(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF),
                       static_cast<int>(rrggbb & 0xFF));
}
constexpr ColorRef sys(int index) {
    return ui::kSysColorFlag + static_cast<ColorRef>(index);
}

constexpr Named kNames[] = {
    {"transparent", NoColour},
    // The CSS colour keywords.
    {"aliceblue", hex(0xf0f8ff)}, {"antiquewhite", hex(0xfaebd7)}, {"aqua", hex(0x00ffff)},
    {"aquamarine", hex(0x7fffd4)}, {"azure", hex(0xf0ffff)}, {"beige", hex(0xf5f5dc)},
    {"bisque", hex(0xffe4c4)}, {"black", hex(0x000000)}, {"blanchedalmond", hex(0xffebcd)},
    {"blue", hex(0x0000ff)}, {"blueviolet", hex(0x8a2be2)}, {"brown", hex(0xa52a2a)},
    {"burlywood", hex(0xdeb887)}, {"cadetblue", hex(0x5f9ea0)}, {"chartreuse", hex(0x7fff00)},
    {"chocolate", hex(0xd2691e)}, {"coral", hex(0xff7f50)}, {"cornflowerblue", hex(0x6495ed)},
    {"cornsilk", hex(0xfff8dc)}, {"crimson", hex(0xdc143c)}, {"cyan", hex(0x00ffff)},
    {"darkblue", hex(0x00008b)}, {"darkcyan", hex(0x008b8b)}, {"darkgoldenrod", hex(0xb8860b)},
    {"darkgray", hex(0xa9a9a9)}, {"darkgreen", hex(0x006400)}, {"darkgrey", hex(0xa9a9a9)},
    {"darkkhaki", hex(0xbdb76b)}, {"darkmagenta", hex(0x8b008b)},
    {"darkolivegreen", hex(0x556b2f)}, {"darkorange", hex(0xff8c00)},
    {"darkorchid", hex(0x9932cc)}, {"darkred", hex(0x8b0000)}, {"darksalmon", hex(0xe9967a)},
    {"darkseagreen", hex(0x8fbc8f)}, {"darkslateblue", hex(0x483d8b)},
    {"darkslategray", hex(0x2f4f4f)}, {"darkslategrey", hex(0x2f4f4f)},
    {"darkturquoise", hex(0x00ced1)}, {"darkviolet", hex(0x9400d3)}, {"deeppink", hex(0xff1493)},
    {"deepskyblue", hex(0x00bfff)}, {"dimgray", hex(0x696969)}, {"dimgrey", hex(0x696969)},
    {"dodgerblue", hex(0x1e90ff)}, {"firebrick", hex(0xb22222)}, {"floralwhite", hex(0xfffaf0)},
    {"forestgreen", hex(0x228b22)}, {"fuchsia", hex(0xff00ff)}, {"gainsboro", hex(0xdcdcdc)},
    {"ghostwhite", hex(0xf8f8ff)}, {"gold", hex(0xffd700)}, {"goldenrod", hex(0xdaa520)},
    {"gray", hex(0x808080)}, {"grey", hex(0x808080)}, {"green", hex(0x008000)},
    {"greenyellow", hex(0xadff2f)}, {"honeydew", hex(0xf0fff0)}, {"hotpink", hex(0xff69b4)},
    {"indianred", hex(0xcd5c5c)}, {"indigo", hex(0x4b0082)}, {"ivory", hex(0xfffff0)},
    {"khaki", hex(0xf0e68c)}, {"lavender", hex(0xe6e6fa)}, {"lavenderblush", hex(0xfff0f5)},
    {"lawngreen", hex(0x7cfc00)}, {"lemonchiffon", hex(0xfffacd)}, {"lightblue", hex(0xadd8e6)},
    {"lightcoral", hex(0xf08080)}, {"lightcyan", hex(0xe0ffff)},
    {"lightgoldenrodyellow", hex(0xfafad2)}, {"lightgray", hex(0xd3d3d3)},
    {"lightgreen", hex(0x90ee90)}, {"lightgrey", hex(0xd3d3d3)}, {"lightpink", hex(0xffb6c1)},
    {"lightsalmon", hex(0xffa07a)}, {"lightseagreen", hex(0x20b2aa)},
    {"lightskyblue", hex(0x87cefa)}, {"lightslategray", hex(0x778899)},
    {"lightslategrey", hex(0x778899)}, {"lightsteelblue", hex(0xb0c4de)},
    {"lightyellow", hex(0xffffe0)}, {"lime", hex(0x00ff00)}, {"limegreen", hex(0x32cd32)},
    {"linen", hex(0xfaf0e6)}, {"magenta", hex(0xff00ff)}, {"maroon", hex(0x800000)},
    {"mediumaquamarine", hex(0x66cdaa)}, {"mediumblue", hex(0x0000cd)},
    {"mediumorchid", hex(0xba55d3)}, {"mediumpurple", hex(0x9370db)},
    {"mediumseagreen", hex(0x3cb371)}, {"mediumslateblue", hex(0x7b68ee)},
    {"mediumspringgreen", hex(0x00fa9a)}, {"mediumturquoise", hex(0x48d1cc)},
    {"mediumvioletred", hex(0xc71585)}, {"midnightblue", hex(0x191970)},
    {"mintcream", hex(0xf5fffa)}, {"mistyrose", hex(0xffe4e1)}, {"moccasin", hex(0xffe4b5)},
    {"navajowhite", hex(0xffdead)}, {"navy", hex(0x000080)}, {"oldlace", hex(0xfdf5e6)},
    {"olive", hex(0x808000)}, {"olivedrab", hex(0x6b8e23)}, {"orange", hex(0xffa500)},
    {"orangered", hex(0xff4500)}, {"orchid", hex(0xda70d6)}, {"palegoldenrod", hex(0xeee8aa)},
    {"palegreen", hex(0x98fb98)}, {"paleturquoise", hex(0xafeeee)},
    {"palevioletred", hex(0xdb7093)}, {"papayawhip", hex(0xffefd5)}, {"peachpuff", hex(0xffdab9)},
    {"peru", hex(0xcd853f)}, {"pink", hex(0xffc0cb)}, {"plum", hex(0xdda0dd)},
    {"powderblue", hex(0xb0e0e6)}, {"purple", hex(0x800080)}, {"red", hex(0xff0000)},
    {"rosybrown", hex(0xbc8f8f)}, {"royalblue", hex(0x4169e1)}, {"saddlebrown", hex(0x8b4513)},
    {"salmon", hex(0xfa8072)}, {"sandybrown", hex(0xf4a460)}, {"seagreen", hex(0x2e8b57)},
    {"seashell", hex(0xfff5ee)}, {"sienna", hex(0xa0522d)}, {"silver", hex(0xc0c0c0)},
    {"skyblue", hex(0x87ceeb)}, {"slateblue", hex(0x6a5acd)}, {"slategray", hex(0x708090)},
    {"slategrey", hex(0x708090)}, {"snow", hex(0xfffafa)}, {"springgreen", hex(0x00ff7f)},
    {"steelblue", hex(0x4682b4)}, {"tan", hex(0xd2b48c)}, {"teal", hex(0x008080)},
    {"thistle", hex(0xd8bfd8)}, {"tomato", hex(0xff6347)}, {"turquoise", hex(0x40e0d0)},
    {"violet", hex(0xee82ee)}, {"wheat", hex(0xf5deb3)}, {"white", hex(0xffffff)},
    {"whitesmoke", hex(0xf5f5f5)}, {"yellow", hex(0xffff00)}, {"yellowgreen", hex(0x9acd32)},
    // System colours. "threedhighlight" is the button highlight and
    // "threedlightshadow" the 3D light colour.
    {"scrollbar", sys(0)}, {"background", sys(1)}, {"activecaption", sys(2)},
    {"inactivecaption", sys(3)}, {"menu", sys(4)}, {"window", sys(5)}, {"windowframe", sys(6)},
    {"menutext", sys(7)}, {"windowtext", sys(8)}, {"captiontext", sys(9)},
    {"activeborder", sys(10)}, {"inactiveborder", sys(11)}, {"appworkspace", sys(12)},
    {"highlight", sys(13)}, {"highlighttext", sys(14)}, {"buttonface", sys(15)},
    {"threedface", sys(15)}, {"buttonshadow", sys(16)}, {"threedshadow", sys(16)},
    {"graytext", sys(17)}, {"buttontext", sys(18)}, {"inactivecaptiontext", sys(19)},
    {"buttonhighlight", sys(20)}, {"threedlightshadow", sys(22)}, {"threeddarkshadow", sys(21)},
    {"threedhighlight", sys(20)}, {"infotext", sys(23)}, {"infobackground", sys(24)},
};

const std::vector<Named>& sorted_names() {
    static const std::vector<Named> names = [] {
        std::vector<Named> v(std::begin(kNames), std::end(kNames));
        std::sort(v.begin(), v.end(),
                  [](const Named& a, const Named& b) { return std::string_view(a.name) < b.name; });
        return v;
    }();
    return names;
}

// A whole decimal integer, else 0.
int integer_or_zero(std::string_view s) {
    if (s.empty()) return 0;
    size_t i = 0;
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        i = 1;
    }
    if (i == s.size()) return 0;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return 0;
        v = std::min<long long>(v * 10 + (s[i] - '0'), 1000000);
    }
    return static_cast<int>(negative ? -v : v);
}

bool rgb_form(const std::string& s, ColorRef& color) {
    std::string_view rest = std::string_view(s).substr(s.find("rgb") + 3);
    const size_t open = rest.find('(');
    if (open == std::string_view::npos) return false;
    rest = rest.substr(open + 1);
    const size_t close = rest.find(')');
    if (close != std::string_view::npos) rest = rest.substr(0, close);
    std::array<int, 3> parts{};
    size_t n = 0;
    while (n < 3) {
        const size_t comma = rest.find(',');
        const std::string_view part = TrimView(rest.substr(0, comma));
        int v;
        if (part.find('%') != std::string_view::npos)
            v = os::round_even(SplitNumber(part).value * 2.55);
        else
            v = integer_or_zero(part);
        parts[n++] = std::clamp(v, 0, 255);
        if (comma == std::string_view::npos) break;
        rest = rest.substr(comma + 1);
    }
    if (n < 3) return false; // fewer than three parts is not a colour
    color = ui::rgb_ref(parts[0], parts[1], parts[2]) | ui::kPaletteFlag;
    return true;
}

bool hex_form(const std::string& s, bool need_pound, ColorRef& color) {
    const size_t pound = s.rfind('#');
    if (pound == std::string::npos && need_pound) return false;
    std::string_view digits = TrimView(pound == std::string::npos ? std::string_view(s)
                                                               : std::string_view(s).substr(pound + 1));
    if (digits.empty() || digits.size() > 8) return false;
    std::string doubled;
    if (digits.size() <= 3) {
        for (char c : digits) doubled.append(2, c);
        digits = doubled;
    }
    unsigned long v = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
            return false;
        v = v * 16 + static_cast<unsigned long>(d);
    }
    color = ui::rgb_ref(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                        static_cast<int>(v & 0xFF)) |
            ui::kPaletteFlag;
    return true;
}

} // namespace

int ColorNameCount() {
    return static_cast<int>(sorted_names().size());
}

bool ParseColor(std::string_view text, bool need_pound, ColorRef& color) {
    const std::string s = LowerCase(TrimView(text));
    if (!s.empty() && s[0] != '#' && s.find("rgb(") == std::string::npos) {
        const auto& names = sorted_names();
        const auto it = std::lower_bound(names.begin(), names.end(), s,
                                         [](const Named& n, const std::string& key) { return n.name < std::string_view(key); });
        if (it != names.end() && s == it->name) {
            color = it->color;
            return true;
        }
    }
    if (s.find("rgb") != std::string::npos) return rgb_form(s, color);
    return hex_form(s, need_pound, color);
}

} // namespace htmlview
