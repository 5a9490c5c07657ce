#include "htmlview/attributes.h"

#include <algorithm>
#include <cmath>

#include "htmlview/ascii.h"
#include "htmlview/css_parser.h"
#include "htmlview/style_model.h"
#include "platform/ui/ellipse.h"

namespace htmlview {

bool TAttributeList::Find(Sym symbol, const TAttribute*& attr) const {
    for (const auto& a : items_)
        if (a->Symbol == symbol) {
            attr = a.get();
            return true;
        }
    return false;
}

const TAttribute* TAttributeList::Find(Sym symbol) const {
    const TAttribute* a = nullptr;
    return Find(symbol, a) ? a : nullptr;
}

std::string TAttributeList::TheClass() const {
    const TAttribute* a = Find(Sym::Class);
    return a ? LowerCase(a->ValueText) : std::string();
}

std::string TAttributeList::TheID() {
    if (!CachedID.empty()) return CachedID;
    if (const TAttribute* a = Find(Sym::ID)) CachedID = LowerCase(a->ValueText);
    return CachedID;
}

std::string TAttributeList::TheTitle() const {
    const TAttribute* a = Find(Sym::Title);
    return a ? a->ValueText : std::string();
}

std::shared_ptr<TProperties> TAttributeList::TheStyle() {
    const TAttribute* a = Find(Sym::Style);
    if (!a) return nullptr;
    // A fresh set each time; an element that took the last one keeps it.
    StyleProps = std::make_shared<TProperties>();
    ParseStyleAttribute(a->ValueText, *StyleProps);
    return StyleProps;
}

std::vector<std::string> TAttributeList::CreateStringList() const {
    std::vector<std::string> lines;
    lines.reserve(items_.size());
    for (const auto& a : items_) lines.push_back(a->AttrName + "=" + a->ValueText);
    return lines;
}

void TAttributeList::Clear() {
    CachedID.clear();
    TFreeList<TAttribute>::Clear();
}

namespace {

int next_link_number() {
    static int counter = 0;
    return ++counter;
}

} // namespace

void TUrlTarget::Assign(std::string url, std::string target) {
    Url = std::move(url);
    Target = std::move(target);
    ID = next_link_number();
}

std::vector<int> ReadCoords(std::string_view text) {
    std::vector<int> numbers;
    size_t i = 0;
    auto separator = [](char c) { return c == ',' || c == ' '; };
    while (i < text.size() && numbers.size() < 301) {
        const size_t start = i;
        while (i < text.size() && !separator(text[i])) ++i;
        const std::string_view word = text.substr(start, std::min<size_t>(i - start, 20));
        // A whole integer, else 0.
        long long v = 0;
        bool ok = !word.empty();
        size_t k = 0;
        bool negative = false;
        if (ok && (word[0] == '-' || word[0] == '+')) {
            negative = word[0] == '-';
            k = 1;
            ok = word.size() > 1;
        }
        for (; ok && k < word.size(); ++k) {
            if (word[k] < '0' || word[k] > '9') {
                ok = false;
                break;
            }
            v = std::min<long long>(v * 10 + (word[k] - '0'), 1000000000);
        }
        numbers.push_back(ok ? static_cast<int>(negative ? -v : v) : 0);
        while (i < text.size() && separator(text[i])) ++i;
    }
    return numbers;
}

namespace {

// The polygon cut to the places a picture's point can have (with a pixel
// of room on each side): the region holds the same points of any picture
// while its rows stay within a picture's height.
std::vector<QPoint> clipped_to_pictures(std::vector<QPoint> points) {
    // Pictures are at most 20000 pixels a side (image_obj.cpp).
    constexpr int lo = -1, hi = 20000 + 1;
    return ui::CutPolygon(std::move(points), {lo, lo, hi, hi});
}

} // namespace

void TMapItem::AddArea(const TAttributeList& attrs) {
    Area area;
    std::string shape;
    std::vector<int> coords;
    for (const auto& a : attrs) {
        switch (a->Symbol) {
        case Sym::Href: area.Href = a->ValueText; break;
        case Sym::NoHref: area.Href.clear(); break;
        case Sym::Target: area.Target = a->ValueText; break;
        case Sym::Title: area.Title = a->ValueText; break;
        case Sym::Shape: shape = LowerCase(std::string_view(a->ValueText).substr(0, 4)); break;
        case Sym::Coords: coords = ReadCoords(a->ValueText); break;
        default: break;
        }
    }
    auto ordered = [](int a, int b, int c, int d) {
        return ui::Rect{std::min(a, c), std::min(b, d), std::max(a, c), std::max(b, d)};
    };
    // Coordinates far off any picture are cut, so the sums below stay in range.
    for (int& c : coords) c = std::clamp(c, -1000000, 1000000);
    if (shape == "circ") {
        if (coords.size() < 3) return;
        const int x = coords[0], y = coords[1], r = coords[2];
        area.Circle = true;
        area.CircleBox = ordered(x - r, y - r, x + r + 1, y + r + 1);
    } else if (shape == "poly") {
        if (coords.size() < 6) return;
        std::vector<QPoint> points;
        for (size_t i = 0; i + 1 < coords.size(); i += 2) points.emplace_back(coords[i], coords[i + 1]);
        area.Region = ui::Region::FromPolygon(clipped_to_pictures(std::move(points)), ui::FillMode::Winding);
    } else {
        if (coords.size() < 4) return;
        area.Region = ui::Region::FromRect(ordered(coords[0], coords[1], coords[2] + 1, coords[3] + 1));
    }
    areas_.push_back(std::move(area));
}

bool TMapItem::GetURL(int x, int y, std::unique_ptr<TUrlTarget>& url_target, std::string& title) const {
    for (const Area& a : areas_) {
        if (!(a.Circle ? ui::EllipseContains(a.CircleBox, x, y) : a.Region.Contains(x, y))) continue;
        if (a.Href.empty()) return false;
        url_target = std::make_unique<TUrlTarget>();
        url_target->Assign(a.Href, a.Target);
        title = a.Title;
        return true;
    }
    return false;
}

} // namespace htmlview
