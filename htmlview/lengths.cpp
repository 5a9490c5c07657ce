#include "htmlview/lengths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "htmlview/ascii.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

// Numbers beyond any page are cut here, so products stay finite.
constexpr double kLargest = 1e9;

struct State {
    double default_points = 12.0;
    std::array<double, 8> normal{0, 8, 10, 12, 14, 18, 24, 36};
    std::array<double, 8> pre{0, 7, 8, 10, 12, 15, 20, 30};
};
State& state() {
    static State s;
    return s;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

NumberAndUnit SplitNumber(std::string_view s) {
    NumberAndUnit r;
    size_t start = 0;
    while (start < s.size() && static_cast<unsigned char>(s[start]) <= ' ') ++start;
    size_t i = start;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        r.unit = s.substr(start);
        return r;
    }
    std::string text(s.substr(start, i - start));
    if (text.front() == '+') text.erase(0, 1);
    if (text.back() == '.') text.pop_back();
    double v = std::strtod(text.c_str(), nullptr);
    r.value = std::clamp(v, -kLargest, kLargest);
    r.unit = s.substr(i);
    r.has_number = true;
    return r;
}

int LengthToPixels(std::string_view s, bool relative, int base, int dflt, int ex_size, int em_size) {
    const NumberAndUnit n = SplitNumber(s);
    const std::string_view u = TrimView(n.unit);
    const double v = n.value;
    const double p = ScreenPixelsPerInch;
    if (!n.has_number && !u.empty()) return dflt; // a unit without a number
    double px;
    if (u.empty())
        px = relative ? v * base : v;
    else if (SameText(u, "in"))
        px = v * p;
    else if (SameText(u, "cm"))
        px = v * p / 2.54;
    else if (SameText(u, "mm"))
        px = v * p / 25.4;
    else if (SameText(u, "pt"))
        px = v * p / 72;
    else if (SameText(u, "px"))
        px = v;
    else if (SameText(u, "pc"))
        px = v * p / 6;
    else if (SameText(u, "em"))
        px = v * em_size;
    else if (SameText(u, "ex"))
        px = v * ex_size;
    else if (u == "%")
        px = v * base / 100;
    else
        return dflt;
    return os::round_even(px);
}

double FontSizeToPoints(std::string_view s, double base) {
    const NumberAndUnit n = SplitNumber(s);
    const std::string_view u = n.unit;
    const double v = n.value;
    const double d = state().default_points;
    const double p = ScreenPixelsPerInch;
    if (!std::isfinite(base)) base = d;
    base = std::clamp(base, -kLargest, kLargest);
    const bool numeric = u.empty() || SameText(u, "px") || SameText(u, "in") || SameText(u, "cm") ||
                         SameText(u, "mm") || SameText(u, "pt") || SameText(u, "pc") || SameText(u, "em") ||
                         SameText(u, "ex") || u == "%";
    if (numeric && !n.has_number) return d;
    if (u.empty() || SameText(u, "px")) return v * 72 / p;
    if (SameText(u, "in")) return 72 * v;
    if (SameText(u, "cm")) return 72 * v / 2.54;
    if (SameText(u, "mm")) return 72 * v / 25.4;
    if (SameText(u, "pt")) return v;
    if (SameText(u, "pc")) return 12 * v;
    if (SameText(u, "em")) return v * base;
    if (SameText(u, "ex")) return v * base / 2;
    if (u == "%") return v * base / 100;
    if (SameText(u, "smaller")) return 0.75 * base;
    if (SameText(u, "larger")) return 1.25 * base;
    if (SameText(u, "xx-small")) return d / 1.5;
    if (SameText(u, "x-small")) return d / 1.2;
    if (SameText(u, "small")) return d;
    if (SameText(u, "medium")) return 1.2 * d;
    if (SameText(u, "large")) return 1.5 * d;
    if (SameText(u, "x-large")) return 2 * d;
    if (SameText(u, "xx-large")) return 3 * d;
    return d;
}

double DefaultPointSize() {
    return state().default_points;
}

void SetDefaultPointSize(double points) {
    if (std::isfinite(points)) state().default_points = std::clamp(points, -kLargest, kLargest);
}

void SetFontSizeTables(double default_points) {
    if (!std::isfinite(default_points)) return;
    static constexpr int kNormal[] = {8, 10, 12, 14, 18, 24, 36};
    static constexpr int kPre[] = {7, 8, 10, 12, 15, 20, 30};
    for (int i = 1; i <= 7; ++i) {
        state().normal[static_cast<size_t>(i)] = default_points * kNormal[i - 1] / 12;
        state().pre[static_cast<size_t>(i)] = default_points * kPre[i - 1] / 12;
    }
}

double FontSizePoints(int size) {
    return state().normal[static_cast<size_t>(std::clamp(size, 1, 7))];
}

double PreFontSizePoints(int size) {
    return state().pre[static_cast<size_t>(std::clamp(size, 1, 7))];
}

} // namespace htmlview
