#include "htmlview/style_model.h"

#include <algorithm>
#include <unordered_map>

#include "htmlview/ascii.h"
#include "platform/os/int_math.h"

namespace htmlview {

const std::array<const char*, PropCount> PropWords = {
    "font-family", "font-size", "font-style", "font-weight", "text-align", "text-decoration",
    "border-style", "color", "background-color", "border-color", "margin-top", "margin-right",
    "margin-bottom", "margin-left", "padding-top", "padding-right", "padding-bottom",
    "padding-left", "border-top-width", "border-right-width", "border-bottom-width",
    "border-left-width", "border-top-color", "border-right-color", "border-bottom-color",
    "border-left-color", "border-top-style", "border-right-style", "border-bottom-style",
    "border-left-style", "width", "height", "top", "left", "visibility", "line-height",
    "background-image", "background-position", "background-repeat", "background-attachment",
    "vertical-align", "position", "z-index", "list-style-type", "list-style-image", "float",
    "clear", "text-indent", "page-break-before", "page-break-after", "page-break-inside",
    "text-transform", "font-variant", "display",
};

int PropertyIndex(std::string_view name) {
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        for (int i = 0; i < PropCount; ++i) m.emplace(PropWords[static_cast<size_t>(i)], i);
        return m;
    }();
    const auto it = index.find(name);
    return it == index.end() ? -1 : it->second;
}

bool IsNumber(const PropValue& v) {
    return std::holds_alternative<int>(v) || std::holds_alternative<double>(v);
}

double AsNumber(const PropValue& v) {
    if (const int* i = std::get_if<int>(&v)) return *i;
    if (const double* d = std::get_if<double>(&v)) return *d;
    return 0;
}

int AsInt(const PropValue& v) {
    if (const int* i = std::get_if<int>(&v)) return *i;
    return 0;
}

const std::string& AsString(const PropValue& v) {
    static const std::string empty;
    if (const std::string* s = std::get_if<std::string>(&v)) return *s;
    return empty;
}

namespace {

int serial_counter = 0;

bool is_inherited(int i) {
    switch (i) {
    case FontFamily: case FontSize: case FontStyle: case FontWeight: case TextAlign:
    case TextDecoration: case Color: case Visibility: case LineHeight: case VerticalAlign:
    case ZIndex: case ListStyleType: case ListStyleImage: case TextIndent: case TextTransform:
    case FontVariant:
        return true;
    default:
        return false;
    }
}

bool is_box(int i) {
    return i >= MarginTop && i <= piLeft;
}

// A number written as a string or stored as one.
bool numeric_value(const PropValue& v, double& out) {
    if (IsNumber(v)) {
        out = AsNumber(v);
        return true;
    }
    const NumberAndUnit n = SplitNumber(AsString(v));
    if (!n.has_number || !TrimView(n.unit).empty()) return false;
    out = n.value;
    return true;
}

bool is_bold(const PropValue& v) {
    const std::string& s = AsString(v);
    if (s.find("bold") != std::string::npos) return true;
    double n;
    return numeric_value(v, n) && n >= 600;
}

ColorRef as_color(const PropValue& v) {
    return static_cast<ColorRef>(AsInt(v));
}

int color_value(ColorRef c) {
    return static_cast<int>(c);
}

// Stores one declaration by the rules shared by sheets and style
// attributes; `attribute` chooses the attribute's fallbacks for colours.
void apply_declaration(TPropertyArray& props, int index, std::string_view value, bool attribute) {
    ColorRef c = 0;
    switch (index) {
    case BorderStyle:
        props[BorderStyle] = std::string(value);
        for (int i = BorderTopStyle; i <= BorderLeftStyle; ++i) props[static_cast<size_t>(i)] = std::string(value);
        return;
    case Color:
        if (ParseColor(value, true, c))
            props[Color] = color_value(c);
        else if (attribute)
            props[Color] = 0;
        return;
    case BackgroundColor:
        props[BackgroundColor] = color_value(ParseColor(value, true, c) ? c : NoColour);
        return;
    case BorderColor:
        if (ParseColor(value, true, c))
            for (int i : {int(BorderColor), int(BorderTopColor), int(BorderRightColor),
                          int(BorderBottomColor), int(BorderLeftColor)})
                props[static_cast<size_t>(i)] = color_value(c);
        return;
    case BorderTopColor: case BorderRightColor: case BorderBottomColor: case BorderLeftColor:
        if (ParseColor(value, true, c)) props[static_cast<size_t>(index)] = color_value(c);
        return;
    case BorderTopStyle: case BorderRightStyle: case BorderBottomStyle: case BorderLeftStyle:
        props[static_cast<size_t>(index)] = std::string(value);
        if (value != "none") props[BorderStyle] = std::string(value);
        return;
    case Visibility:
        if (value == "visible")
            props[Visibility] = 2;
        else if (value == "hidden")
            props[Visibility] = 1;
        return;
    case TextTransform:
        props[TextTransform] = value == "uppercase" ? 1 : value == "lowercase" ? 2 : 0;
        return;
    case FontVariant:
        if (value == "small-caps" || value == "normal") props[FontVariant] = std::string(value);
        return;
    default:
        props[static_cast<size_t>(index)] = std::string(value);
    }
}

} // namespace

// ---------------------------------------------------------------- helpers

int AlignmentFromString(std::string_view text) {
    const std::string s = LowerCase(text);
    if (s == "top") return ATop;
    if (s == "middle" || s == "absmiddle" || s == "center") return AMiddle;
    if (s == "left") return ALeft;
    if (s == "right") return ARight;
    if (s == "bottom") return ABottom;
    if (s == "baseline") return ABaseline;
    if (s == "justify") return AJustify;
    return ANone;
}

int BorderStyleFromString(std::string_view s) {
    static constexpr std::pair<std::string_view, int> kStyles[] = {
        {"none", bssNone},     {"solid", bssSolid},   {"inset", bssInset},
        {"outset", bssOutset}, {"groove", bssGroove}, {"ridge", bssRidge},
        {"dashed", bssDashed}, {"dotted", bssDotted}, {"double", bssDouble},
    };
    for (const auto& [name, n] : kStyles)
        if (s == name) return n;
    return bssNone;
}

std::string ExtractUrl(std::string_view s) {
    const size_t open = s.find("url(");
    if (open == std::string_view::npos) return std::string();
    std::string_view r = s.substr(open + 4);
    const size_t close = r.find(')');
    if (close != std::string_view::npos) r = r.substr(0, close);
    // Only a matching pair of quotes goes.
    if (r.size() >= 2 && (r.front() == '"' || r.front() == '\'') && r.back() == r.front())
        r = r.substr(1, r.size() - 2);
    return std::string(r);
}

bool CodePageOfCharset(int charset, int& code_page) {
    static constexpr std::pair<int, int> kTable[] = {
        {0, 1252},   {1, 0},      {2, 0},      {77, 2},     {128, 932},  {129, 949},  {130, 1361},
        {134, 936},  {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
        {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 1},
    };
    for (const auto& [set, page] : kTable)
        if (set == charset) {
            code_page = page;
            return true;
        }
    return false;
}

std::vector<SelectorPart> SplitSelectorKey(std::string_view key) {
    std::vector<SelectorPart> parts;
    size_t i = 0;
    while (i < key.size() && parts.size() < 10) {
        while (i < key.size() && key[i] == ' ') ++i;
        const size_t start = i;
        while (i < key.size() && key[i] != ' ') ++i;
        if (i == start) break;
        std::string_view e = key.substr(start, i - start);
        if (parts.size() == 1) {
            // The count digit and the sequence number before the first ancestor.
            e.remove_prefix(1);
            while (!e.empty() && e.front() >= '0' && e.front() <= '9') e.remove_prefix(1);
        }
        SelectorPart p;
        if (const size_t colon = e.find(':'); colon != std::string_view::npos) {
            p.pseudo = std::string(e.substr(colon + 1));
            e = e.substr(0, colon);
        }
        if (const size_t hash = e.find('#'); hash != std::string_view::npos) {
            p.id = std::string(e.substr(hash + 1));
            e = e.substr(0, hash);
        }
        if (const size_t dot = e.find('.'); dot != std::string_view::npos) {
            p.cls = std::string(e.substr(dot + 1));
            e = e.substr(0, dot);
        }
        p.tag = std::string(e);
        parts.push_back(std::move(p));
    }
    return parts;
}

// ------------------------------------------------------------- TProperties

// The sets above an element, nearest first: up to three sets not on the
// stack (the temporary sets of link fonts), then the stack from `from`
// down to entry 1.
struct TProperties::Ancestors {
    std::array<const TProperties*, 3> extra{};
    int n_extra = 0;
    const TPropStack* stack = nullptr;
    int from = 0;

    Ancestors with(const TProperties* nearest) const {
        Ancestors a;
        a.extra[0] = nearest;
        for (int i = 0; i < n_extra && i < 2; ++i) a.extra[static_cast<size_t>(i + 1)] = extra[static_cast<size_t>(i)];
        a.n_extra = std::min(n_extra + 1, 3);
        a.stack = stack;
        a.from = from;
        return a;
    }
    template <class F>
    void each(F f) const {
        for (int i = 0; i < n_extra; ++i)
            if (!f(*extra[static_cast<size_t>(i)])) return;
        if (!stack) return;
        for (int k = std::min(from, stack->Count() - 1); k >= 1; --k)
            if (!f(*stack->Items(k))) return;
    }
};

TProperties::TProperties() : Serial(++serial_counter) {
    for (int i = MarginTop; i <= piLeft; ++i) Props[static_cast<size_t>(i)] = NoValue;
    Props[ZIndex] = 0;
}

void TProperties::CopyDefault(const TProperties& source) {
    Props = source.Props;
    SetCharset(source.Charset);
    ElemTag = "default";
}

void TProperties::inherit_values(const TProperties& parent, bool only_unset) {
    const bool all = parent.ElemTag == "span";
    for (int i = 0; i < PropCount; ++i) {
        const size_t k = static_cast<size_t>(i);
        if (only_unset && SetHere[k]) continue;
        if (all || is_inherited(i))
            Props[k] = parent.Props[k];
        else if (is_box(i))
            Props[k] = NoValue;
    }
}

void TProperties::Inherit(const TProperties& parent) {
    inherit_values(parent, false);
    InlineBackground = parent.InlineBackground;
    Charset = parent.Charset;
    CodePage = parent.CodePage;
    ElemTitle = parent.ElemTitle;
    LinkFontsSet = parent.LinkFontsSet;
    EmSize = parent.EmSize;
    ExSize = EmSize / 2;
    if (parent.LinkFontsSet && parent.LinkFonts) {
        if (!LinkFonts) LinkFonts = std::make_unique<TFontInfoArray>();
        LinkFonts->Assign(*parent.LinkFonts);
    }
}

void TProperties::merge(const TProperties& entry) {
    for (int i = 0; i < PropCount; ++i) {
        const size_t k = static_cast<size_t>(i);
        const PropValue& v = entry.Props[k];
        if (IsEmpty(v)) continue;
        const bool font_value = i <= FontWeight || i == TextDecoration || i == Color || i == BackgroundColor;
        if (!font_value && is_box(i) && IsInt(v) && AsInt(v) == NoValue) continue;
        Props[k] = v;
        SetHere[k] = true;
        if (!font_value || !LinkFontsSet || !LinkFonts) continue;
        for (ThtFontInfo& f : LinkFonts->Ar) {
            const std::string& s = AsString(v);
            switch (i) {
            case FontFamily:
                if (std::string face = FirstInstalledFont(s); !face.empty()) f.Face = face;
                break;
            case FontSize:
                f.Points = IsNumber(v) ? AsNumber(v) : FontSizeToPoints(s, f.Points);
                break;
            case FontStyle:
                if (s == "italic" || s == "oblique")
                    f.StyleBits |= fsItalic;
                else if (s == "normal")
                    f.StyleBits &= ~fsItalic;
                break;
            case FontWeight:
                if (s.find("bold") != std::string::npos) {
                    f.StyleBits |= fsBold;
                } else if (s.find("normal") != std::string::npos) {
                    f.StyleBits &= ~fsBold;
                } else {
                    double n;
                    if (numeric_value(v, n) && n >= 600) f.StyleBits |= fsBold;
                }
                break;
            case TextDecoration:
                if (s == "underline")
                    f.StyleBits |= fsUnderline;
                else if (s == "line-through")
                    f.StyleBits |= fsStrikeOut;
                else if (s == "none")
                    f.StyleBits &= ~(fsUnderline | fsStrikeOut);
                break;
            case Color:
                f.FontColor = as_color(v);
                break;
            case BackgroundColor:
                f.BackColor = as_color(v);
                break;
            default:
                break;
            }
        }
    }
}

namespace {

bool part_matches(const SelectorPart& p, std::string_view tag, std::string_view cls,
                  std::string_view id, std::string_view pseudo) {
    return (p.tag.empty() || p.tag == tag) && (p.cls.empty() || p.cls == cls) &&
           (p.id.empty() || p.id == id) && (p.pseudo.empty() || p.pseudo == pseudo);
}

std::string cat(std::initializer_list<std::string_view> parts) {
    std::string r;
    for (std::string_view p : parts) r += p;
    return r;
}

} // namespace

void TProperties::cascade(const TStyleList& styles, std::string_view tag, std::string_view cls,
                          std::string_view id, std::string_view pseudo, std::string_view title,
                          const std::shared_ptr<const TProperties>& style_attr, const Ancestors& up) {
    const double inherited = AsNumber(Props[FontSize]);
    const double base = IsNumber(Props[FontSize]) && inherited > 0.0 ? inherited : styles.DefPointSize;
    const bool other_pseudo = pseudo != "hover" && pseudo != "visited";

    auto look = [&](const std::string& key) {
        const auto [from, to] = styles.EqualRange(key);
        for (size_t i = from; i < to; ++i) merge(*styles.Items(static_cast<int>(i)).Props);
    };
    if (tag == "a" && !pseudo.empty()) look(cat({"::", pseudo}));
    if (other_pseudo) look(std::string(tag));
    if (!pseudo.empty()) look(cat({":", pseudo}));
    if (!cls.empty() && other_pseudo) {
        look(cat({".", cls}));
        look(cat({tag, ".", cls}));
    }
    if (!pseudo.empty()) look(cat({tag, ":", pseudo}));
    if (!cls.empty() && !pseudo.empty()) {
        look(cat({".", cls, ":", pseudo}));
        look(cat({tag, ".", cls, ":", pseudo}));
    }
    if (!id.empty()) {
        look(cat({"#", id}));
        look(cat({tag, "#", id}));
        if (!cls.empty()) look(cat({".", cls, "#", id}));
        if (!pseudo.empty()) {
            look(cat({"#", id, ":", pseudo}));
            look(cat({tag, "#", id, ":", pseudo}));
        }
        if (!cls.empty()) look(cat({tag, ".", cls, "#", id}));
        if (!cls.empty() && !pseudo.empty()) {
            look(cat({".", cls, "#", id, ":", pseudo}));
            look(cat({tag, ".", cls, "#", id, ":", pseudo}));
        }
    }

    // Contextual rules: keys whose subject is this element, matched against
    // the open elements above it.
    auto scan = [&](const std::string& text) {
        const auto [from, to] = styles.PrefixRange(text);
        for (size_t i = from; i < to; ++i) {
            const TStyleList::Entry& e = styles.Items(static_cast<int>(i));
            const std::vector<SelectorPart>& parts = e.Parts;
            if (parts.empty()) continue;
            const SelectorPart& first = parts[0];
            if (first.tag != tag && first.cls != cls && first.pseudo != pseudo) break;
            if (parts.size() == 1 || !part_matches(first, tag, cls, id, pseudo)) continue;
            size_t next = 1;
            up.each([&](const TProperties& a) {
                if (part_matches(parts[next], a.ElemTag, a.ElemClass, a.ElemID, a.ElemPseudo)) ++next;
                return next < parts.size();
            });
            if (next == parts.size()) merge(*e.Props);
        }
    };
    if (!tag.empty()) scan(std::string(tag));
    if (!cls.empty()) scan(cat({".", cls}));
    if (!pseudo.empty()) scan(cat({":", pseudo}));

    if (style_attr) merge(*style_attr);
    if (!IsNumber(Props[FontSize])) Props[FontSize] = FontSizeToPoints(AsString(Props[FontSize]), base);

    ElemTag = tag;
    ElemClass = cls;
    ElemID = id;
    ElemPseudo = pseudo;
    StyleAttrProps = style_attr;
    if (!title.empty()) ElemTitle = title;
    cached_font_.reset();
    if (pseudo == "link") {
        if (!LinkFonts) LinkFonts = std::make_unique<TFontInfoArray>();
        compute_link_fonts(styles, up);
        LinkFontsSet = true;
    }
}

void TProperties::Cascade(const TStyleList& styles, std::string_view tag, std::string_view cls,
                          std::string_view id, std::string_view pseudo, std::string_view title,
                          std::shared_ptr<const TProperties> style_attr, const TPropStack& stack,
                          int index) {
    Ancestors up;
    up.stack = &stack;
    up.from = index - 1;
    cascade(styles, tag, cls, id, pseudo, title, style_attr, up);
}

void TProperties::compute_link_fonts(const TStyleList& styles, const Ancestors& up) {
    TFontInfoArray& fonts = *LinkFonts;
    TakeInlineBackground();
    fonts.Ar[0] = GetFontInfo();
    const Ancestors below_visited = up.with(this);
    TProperties visited;
    visited.Inherit(*this);
    visited.cascade(styles, ElemTag, ElemClass, ElemID, "visited", ElemTitle, StyleAttrProps, below_visited);
    visited.TakeInlineBackground();
    fonts.Ar[1] = visited.GetFontInfo();
    TProperties visited_hover;
    visited_hover.Inherit(visited);
    visited_hover.cascade(styles, ElemTag, ElemClass, ElemID, "hover", ElemTitle, StyleAttrProps,
                          below_visited.with(&visited));
    visited_hover.TakeInlineBackground();
    fonts.Ar[3] = visited_hover.GetFontInfo();
    TProperties hover;
    hover.Inherit(*this);
    hover.cascade(styles, ElemTag, ElemClass, ElemID, "hover", ElemTitle, StyleAttrProps, below_visited);
    hover.TakeInlineBackground();
    fonts.Ar[2] = hover.GetFontInfo();
}

void TProperties::Update(const TProperties& source, const TStyleList& styles, const TPropStack& stack,
                         int index) {
    inherit_values(source, true);
    cached_font_.reset();
    if (!LinkFonts) return;
    if (source.LinkFontsSet && source.LinkFonts) {
        LinkFonts->Assign(*source.LinkFonts);
    } else if (ElemPseudo == "link") {
        Ancestors up;
        up.stack = &stack;
        up.from = index - 1;
        compute_link_fonts(styles, up);
    } else {
        LinkFonts.reset();
        LinkFontsSet = false;
    }
}

void TProperties::SetValue(int index, const PropValue& value) {
    if (index < 0 || index >= PropCount) return;
    const size_t k = static_cast<size_t>(index);
    if (SetHere[k]) return;
    Props[k] = value;
    SetHere[k] = true;
    cached_font_.reset();
    if (!LinkFontsSet || !LinkFonts) return;
    for (ThtFontInfo& f : LinkFonts->Ar) {
        if (index == FontFamily) {
            if (std::string face = FirstInstalledFont(AsString(value)); !face.empty()) f.Face = face;
        } else if (index == FontSize) {
            f.Points = IsNumber(value) ? AsNumber(value) : FontSizeToPoints(AsString(value), f.Points);
        } else if (index == Color) {
            f.FontColor = as_color(value);
        }
    }
}

void TProperties::AssignByName(std::string_view name, std::string_view value) {
    const int index = PropertyIndex(name);
    if (index < 0) return;
    apply_declaration(Props, index, value, true);
}

void TProperties::SetCharset(int charset) {
    if (charset == 31) {
        Charset = 238;
        CodePage = 28592;
    } else {
        Charset = charset;
        int page;
        if (CodePageOfCharset(charset, page)) CodePage = page;
    }
    if (LinkFonts)
        for (ThtFontInfo& f : LinkFonts->Ar) f.CharsetByte = Charset;
    cached_font_.reset();
}

void TProperties::SetUTF8() {
    CodePage = 65001;
    Charset = 0;
    cached_font_.reset();
}

ThtFontInfo TProperties::GetFontInfo() const {
    ThtFontInfo f;
    f.BackColor = InlineBackground;
    f.FontColor = as_color(Props[Color]);
    if (is_bold(Props[FontWeight])) f.StyleBits |= fsBold;
    const std::string& style = AsString(Props[FontStyle]);
    if (style == "italic" || style == "oblique") f.StyleBits |= fsItalic;
    const std::string& decoration = AsString(Props[TextDecoration]);
    if (decoration == "underline")
        f.StyleBits |= fsUnderline;
    else if (decoration == "line-through")
        f.StyleBits |= fsStrikeOut;
    f.Points = IsNumber(Props[FontSize]) ? AsNumber(Props[FontSize])
                                          : FontSizeToPoints(AsString(Props[FontSize]), DefaultPointSize());
    f.CharsetByte = Charset;
    f.Face = FirstInstalledFont(AsString(Props[FontFamily]));
    return f;
}

TMyFont TProperties::GetFont() {
    if (!cached_font_) {
        cached_font_ = FontFromInfo(GetFontInfo());
        const ui::TextMetrics& tm = cached_font_->Face->metrics();
        EmSize = tm.height - tm.internal_leading;
        ExSize = EmSize / 2;
    }
    return *cached_font_;
}

void TProperties::GetLinkFonts(TFontInfoArray& target) const {
    if (LinkFonts) target.Assign(*LinkFonts);
}

int TProperties::GetBorderStyle() const {
    return IsString(Props[BorderStyle]) ? BorderStyleFromString(AsString(Props[BorderStyle])) : bssNone;
}

ColorRef TProperties::GetBackgroundColor() const {
    return IsInt(Props[BackgroundColor]) && SetHere[BackgroundColor] ? as_color(Props[BackgroundColor]) : NoColour;
}

ColorRef TProperties::GetOwnColor() const {
    return IsInt(Props[Color]) && SetHere[Color] ? as_color(Props[Color]) : NoColour;
}

ColorRef TProperties::TakeInlineBackground() {
    if (IsInt(Props[BackgroundColor]) && SetHere[BackgroundColor]) {
        InlineBackground = as_color(Props[BackgroundColor]);
        cached_font_.reset();
    }
    return InlineBackground;
}

bool TProperties::GetBackgroundImage(std::string& url) const {
    if (!IsString(Props[BackgroundImage])) return false;
    const std::string& s = AsString(Props[BackgroundImage]);
    if (s == "none") {
        url.clear();
        return true;
    }
    url = ExtractUrl(s);
    return !url.empty();
}

void TProperties::GetBackgroundPos(int em_size, int ex_size, PositionRecArray& pos) const {
    pos = PositionRecArray{};
    if (IsString(Props[BackgroundPosition])) {
        const std::string_view text = TrimView(AsString(Props[BackgroundPosition]));
        std::string_view words[2];
        int count = 0;
        const size_t blank = text.find(' ');
        words[count++] = text.substr(0, blank);
        if (blank != std::string_view::npos) {
            const std::string_view rest = TrimView(text.substr(blank + 1));
            if (!rest.empty()) words[count++] = rest;
        }
        pos[0].PosType = pos[1].PosType = bpCenter;
        int slot = 0;       // where the next plain word goes
        int first_slot = 0; // where the first word's record went
        for (int k = 0; k < count; ++k) {
            const std::string_view w = words[k];
            if (w == "left" || w == "right") {
                if (k == 1 && first_slot == 0) pos[1] = pos[0];
                pos[0] = PositionRec{w == "left" ? bpLeft : bpRight, 0, true, false};
                slot = 1;
                if (k == 0) first_slot = 0;
            } else if (w == "top" || w == "bottom") {
                pos[1] = PositionRec{w == "top" ? bpTop : bpBottom, 0, true, false};
                if (k == 0) {
                    first_slot = 1;
                    slot = 0;
                }
            } else {
                PositionRec r;
                if (w == "center") {
                    r.PosType = bpCenter;
                } else {
                    r.PosType = w.find('%') != std::string_view::npos ? bpPercent : bpDim;
                    r.Value = LengthToPixels(w, false, 100, 0, ex_size, em_size);
                }
                pos[static_cast<size_t>(slot)] = r;
                if (k == 0) first_slot = slot;
                slot = 1;
            }
        }
    }
    pos[0].RepeatD = pos[1].RepeatD = true;
    pos[0].Fixed = pos[1].Fixed = false;
    const std::string& repeat = AsString(Props[BackgroundRepeat]);
    if (repeat == "no-repeat") {
        pos[0].RepeatD = pos[1].RepeatD = false;
    } else if (repeat == "repeat-x") {
        pos[1].RepeatD = false;
    } else if (repeat == "repeat-y") {
        pos[0].RepeatD = false;
    }
    if (AsString(Props[BackgroundAttachment]) == "fixed") pos[0].Fixed = pos[1].Fixed = true;
}

bool TProperties::GetVertAlign(int& align) const {
    const std::string& s = AsString(Props[VerticalAlign]);
    if (s == "top" || s == "text-top")
        align = ATop;
    else if (s == "middle")
        align = AMiddle;
    else if (s == "baseline")
        align = ABaseline;
    else if (s == "bottom")
        align = ABottom;
    else if (s == "sub")
        align = ASub;
    else if (s == "super")
        align = ASuper;
    else
        return false;
    return true;
}

bool TProperties::GetFloat(int& align) const {
    const std::string& s = AsString(Props[piFloat]);
    if (s == "left")
        align = ALeft;
    else if (s == "right")
        align = ARight;
    else if (s == "none")
        align = ANone;
    else
        return false;
    return true;
}

bool TProperties::GetClear(int& clear) const {
    const std::string& s = AsString(Props[piClear]);
    if (s == "left")
        clear = 1;
    else if (s == "right")
        clear = 2;
    else if (s == "both")
        clear = 3;
    else if (s == "none")
        clear = 0;
    else
        return false;
    return true;
}

int TProperties::GetListStyleType() const {
    static constexpr std::string_view kNames[] = {"blank", "circle", "decimal", "disc",
                                                  "lower-alpha", "lower-roman", "none", "square",
                                                  "upper-alpha", "upper-roman"};
    const std::string& s = AsString(Props[ListStyleType]);
    for (int i = 0; i < 10; ++i)
        if (s == kNames[i]) return i;
    return lbBlank;
}

std::string TProperties::GetListStyleImage() const {
    return ExtractUrl(AsString(Props[ListStyleImage]));
}

int TProperties::GetPosition() const {
    const std::string& s = AsString(Props[psPosition]);
    return s == "absolute" ? 1 : s == "relative" ? 2 : 0;
}

int TProperties::GetVisibility() const {
    return IsInt(Props[Visibility]) && AsInt(Props[Visibility]) == 1 ? 1 : 2;
}

int TProperties::GetZIndex() const {
    if (IsInt(Props[ZIndex])) return AsInt(Props[ZIndex]);
    double n;
    return numeric_value(Props[ZIndex], n) ? os::round_even(n) : 0;
}

bool TProperties::DisplayNone() const {
    return AsString(Props[piDisplay]) == "none";
}

int TProperties::GetLineHeight(int new_height) const {
    if (!IsString(Props[LineHeight])) return -1;
    const std::string& s = AsString(Props[LineHeight]);
    const NumberAndUnit n = SplitNumber(s);
    if (n.has_number && TrimView(n.unit).empty())
        return os::round_even(static_cast<double>(new_height) * n.value);
    return LengthToPixels(s, true, EmSize, -1, ExSize, EmSize);
}

int TProperties::GetTextIndent(bool& is_percent) const {
    is_percent = false;
    if (!IsString(Props[TextIndent])) return 0;
    const std::string& s = AsString(Props[TextIndent]);
    if (s.find('%') != std::string::npos) {
        is_percent = true;
        return LengthToPixels(s, true, 100, 0, 0, 0);
    }
    return LengthToPixels(s, false, 0, 0, ExSize, EmSize);
}

int TProperties::GetTextTransform() const {
    return IsInt(Props[TextTransform]) ? AsInt(Props[TextTransform]) : 0;
}

std::string TProperties::GetFontVariant() const {
    return IsString(Props[FontVariant]) ? AsString(Props[FontVariant]) : "normal";
}

void TProperties::GetPageBreaks(bool& before, bool& after, bool& inside) const {
    before = AsString(Props[PageBreakBefore]) == "always";
    after = AsString(Props[PageBreakAfter]) == "always";
    inside = AsString(Props[PageBreakInside]) == "avoid";
}

void TProperties::GetMarginValues(TMarginArray& values) const {
    for (int i = BackgroundColor; i <= piLeft; ++i) values[static_cast<size_t>(i)] = Props[static_cast<size_t>(i)];
    for (int i = BorderTopStyle; i <= BorderLeftStyle; ++i) {
        const PropValue& v = Props[static_cast<size_t>(i)];
        values[static_cast<size_t>(i)] = IsString(v) ? BorderStyleFromString(AsString(v)) : 0;
    }
}

// ------------------------------------------------------- box conversions

void ConvertMargins(const TMarginArray& values, int base_width, int base_height, int em_size,
                    int ex_size, int& auto_count, TIntMarginArray& m) {
    for (int i = BackgroundColor; i <= piLeft; ++i) {
        const size_t k = static_cast<size_t>(i);
        const PropValue& v = values[k];
        const bool str = IsString(v);
        const std::string& s = AsString(v);
        const bool no_value = IsInt(v) && AsInt(v) == NoValue;
        switch (i) {
        case BackgroundColor:
        case BorderColor:
            m[k] = IsInt(v) ? AsInt(v) : static_cast<int>(NoColour);
            break;
        case MarginTop:
        case MarginBottom:
            break; // by ConvertVertMargins
        case MarginRight:
        case MarginLeft:
            if (str && s == "auto") {
                m[k] = AutoValue;
                ++auto_count;
            } else if (str) {
                m[k] = LengthToPixels(s, false, base_width, 0, ex_size, em_size);
            } else {
                m[k] = IsInt(v) && !no_value ? AsInt(v) : 0;
            }
            break;
        case PaddingTop: case PaddingRight: case PaddingBottom: case PaddingLeft: case piHeight:
            if (str) {
                m[k] = LengthToPixels(s, false, i == piHeight ? base_height : base_width, 0, ex_size, em_size);
                if (i == piHeight && s.find('%') != std::string::npos)
                    m[k] -= m[BorderTopWidth] + m[BorderBottomWidth] + m[PaddingTop] + m[PaddingBottom];
            } else {
                m[k] = IsInt(v) && !no_value ? AsInt(v) : 0;
            }
            break;
        case BorderTopWidth: case BorderRightWidth: case BorderBottomWidth: case BorderLeftWidth: {
            const PropValue& style = values[k + (BorderTopStyle - BorderTopWidth)];
            if (IsInt(style) && AsInt(style) == bssNone)
                m[k] = 0;
            else if (str)
                m[k] = s == "thin" ? 2 : s == "medium" ? 4 : s == "thick" ? 6
                                   : LengthToPixels(s, false, base_width, 4, ex_size, em_size);
            else
                m[k] = IsInt(v) && !no_value ? AsInt(v) : 4;
            break;
        }
        case piWidth:
            if (str)
                m[k] = LengthToPixels(s, false, base_width, AutoValue, ex_size, em_size);
            else
                m[k] = IsInt(v) && !no_value ? AsInt(v) : AutoValue;
            if (m[k] == AutoValue) ++auto_count;
            break;
        case piTop:
        case piLeft:
            if (str)
                m[k] = LengthToPixels(s, false, base_width, AutoValue, ex_size, em_size);
            else
                m[k] = IsInt(v) && !no_value ? AsInt(v) : AutoValue;
            break;
        default: // side colours and styles
            if (str)
                m[k] = LengthToPixels(s, false, base_width, 0, ex_size, em_size);
            else
                m[k] = IsInt(v) && !no_value ? AsInt(v) : 0;
            break;
        }
    }
}

void ConvertVertMargins(const TMarginArray& values, int base_height, int em_size, int ex_size,
                        bool& top_auto, bool& bottom_auto, TIntMarginArray& m) {
    for (int i : {int(MarginTop), int(MarginBottom)}) {
        const size_t k = static_cast<size_t>(i);
        const PropValue& v = values[k];
        bool& is_auto = i == MarginTop ? top_auto : bottom_auto;
        is_auto = false;
        if (IsString(v)) {
            m[k] = LengthToPixels(AsString(v), false, base_height, 0, ex_size, em_size);
        } else if (IsInt(v)) {
            const int n = AsInt(v);
            if (n == NoValue) {
                m[k] = 0;
            } else if (n == ParagraphDefault) {
                m[k] = 14;
                is_auto = true;
            } else {
                m[k] = n;
            }
        } else {
            m[k] = 0;
        }
    }
}

void ConvertPaddings(const TMarginArray& values, int em_size, int ex_size, TIntMarginArray& m) {
    for (int i = PaddingTop; i <= PaddingLeft; ++i) {
        const size_t k = static_cast<size_t>(i);
        const PropValue& v = values[k];
        if (IsString(v))
            m[k] = LengthToPixels(AsString(v), false, -100, 0, ex_size, em_size);
        else if (IsInt(v) && AsInt(v) != NoValue)
            m[k] = AsInt(v);
        else
            m[k] = -1;
    }
}

void ConvertInlineMargins(const TMarginArray& values, int base_width, int em_size, int ex_size,
                          TIntMarginArray& m) {
    auto one = [&](int i, int dflt) {
        const size_t k = static_cast<size_t>(i);
        const PropValue& v = values[k];
        if (IsString(v))
            m[k] = LengthToPixels(AsString(v), false, base_width, dflt, ex_size, em_size);
        else if (IsInt(v))
            m[k] = AsInt(v);
        else
            m[k] = NoValue;
    };
    for (int i = MarginTop; i <= MarginLeft; ++i) one(i, 0);
    one(piWidth, AutoValue);
    one(piHeight, AutoValue);
}

// -------------------------------------------------------------- TStyleList

TStyleList::TStyleList(void* owner) : Owner(owner) {}

std::pair<size_t, size_t> TStyleList::EqualRange(std::string_view key) const {
    const auto lo = std::lower_bound(entries_.begin(), entries_.end(), key,
                                     [](const Entry& e, std::string_view k) { return e.Key < k; });
    auto hi = lo;
    while (hi != entries_.end() && hi->Key == key) ++hi;
    return {static_cast<size_t>(lo - entries_.begin()), static_cast<size_t>(hi - entries_.begin())};
}

std::pair<size_t, size_t> TStyleList::PrefixRange(std::string_view prefix) const {
    const auto lo = std::lower_bound(entries_.begin(), entries_.end(), prefix,
                                     [](const Entry& e, std::string_view k) { return e.Key < k; });
    auto hi = lo;
    while (hi != entries_.end() && std::string_view(hi->Key).substr(0, prefix.size()) == prefix) ++hi;
    return {static_cast<size_t>(lo - entries_.begin()), static_cast<size_t>(hi - entries_.begin())};
}

int TStyleList::IndexOf(std::string_view key) const {
    const auto [from, to] = EqualRange(key);
    return from < to ? static_cast<int>(from) : -1;
}

TProperties* TStyleList::Find(std::string_view key) const {
    const int i = IndexOf(key);
    return i < 0 ? nullptr : entries_[static_cast<size_t>(i)].Props.get();
}

TProperties* TStyleList::AddObject(std::string_view key, std::unique_ptr<TProperties> props) {
    props->ElemTag = std::string(key);
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), key,
                                     [](std::string_view k, const Entry& e) { return k < e.Key; });
    Entry e{std::string(key), std::move(props), SplitSelectorKey(key)};
    return entries_.insert(at, std::move(e))->Props.get();
}

TProperties* TStyleList::AddCopy(std::string_view key, const TProperties& source) {
    auto p = std::make_unique<TProperties>();
    p->CopyValues(source);
    return AddObject(key, std::move(p));
}

void TStyleList::Clear() {
    entries_.clear();
    RuleNumber = 10;
    DefaultProps = nullptr;
    HoverColorsUsed = false;
}

std::string TStyleList::NextSequence() {
    return std::to_string(RuleNumber++);
}

void TStyleList::SetRule(std::string_view selector, std::string_view prop, std::string_view value) {
    const int index = PropertyIndex(prop);
    if (index < 0) return;
    TProperties* p = Find(selector);
    if (!p) p = AddObject(selector, std::make_unique<TProperties>());
    if (index == Color) {
        ColorRef c;
        if (ParseColor(value, true, c)) {
            const int v = color_value(c);
            if (selector == ":link") {
                for (const char* key : {"::hover", "::visited"})
                    if (TProperties* e = Find(key)) e->Props[Color] = v;
            } else if (selector == ":visited") {
                if (TProperties* e = Find("::hover")) e->Props[Color] = v;
            }
            p->Props[Color] = v;
        }
    } else {
        apply_declaration(p->Props, index, value, false);
    }
    if (selector.find(":hover") != std::string_view::npos) HoverColorsUsed = true;
    if (selector == "a") SetRule("::link", prop, value);
}

namespace {

PropValue str(const char* v) {
    return PropValue(std::string(v));
}

TProperties* add(TStyleList& l, std::string_view key) {
    return l.AddObject(key, std::make_unique<TProperties>());
}

// Preformatted text, paragraphs and lists; `d` is the default size in points.
void AddBlockRules(TStyleList& l, const DefaultSheetSettings& s, double d) {
    TProperties* pre = add(l, "pre");
    pre->Props[FontFamily] = s.PreFontName;
    pre->Props[FontSize] = d * 10 / 12;
    pre->Props[FontStyle] = str("none");
    pre->Props[FontWeight] = str("normal");
    pre->Props[TextDecoration] = str("none");

    TProperties* p = add(l, "p");
    p->Props[MarginTop] = p->Props[MarginBottom] = ParagraphDefault;
    add(l, "p 11pre")->Props[MarginTop] = 0;

    for (const char* key : {"ul", "ol", "menu", "dir", "dl", "dd", "blockquote"}) {
        TProperties* list = add(l, key);
        list->Props[MarginLeft] = 35;
        list->Props[MarginTop] = 0;
        list->Props[MarginBottom] = 0;
        const std::string_view k = key;
        if (k == "ul" || k == "ol" || k == "menu" || k == "dir") {
            list->Props[ListStyleType] = str("blank");
            list->Props[MarginTop] = list->Props[MarginBottom] = ParagraphDefault;
        } else if (k == "dl") {
            list->Props[MarginLeft] = 0;
            list->Props[ListStyleType] = str("none");
        } else if (k == "dd") {
            list->Props[MarginLeft] = 40;
        } else {
            list->Props[MarginTop] = ParagraphDefault;
            list->Props[MarginBottom] = 14;
        }
    }
}

// The inline elements, the table's alignment and the form controls.
void AddInlineRules(TStyleList& l, const DefaultSheetSettings& s) {
    TProperties* code = add(l, "code");
    code->Props[FontFamily] = s.PreFontName;
    code->Props[FontSize] = str("0.833em");
    for (const char* key : {"tt", "kbd", "samp"}) l.AddCopy(key, *code);
    TProperties* b = add(l, "b");
    b->Props[FontWeight] = str("bold");
    for (const char* key : {"strong", "th"}) l.AddCopy(key, *b);
    TProperties* sup = add(l, "sup");
    sup->Props[FontSize] = str("75%");
    sup->Props[VerticalAlign] = str("super");
    TProperties* sub = add(l, "sub");
    sub->Props[FontSize] = str("75%");
    sub->Props[VerticalAlign] = str("sub");
    add(l, "big")->Props[FontSize] = str("1.25em");
    add(l, "small")->Props[FontSize] = str("0.75em");
    add(l, "table")->Props[TextAlign] = str("none");
    TProperties* i = add(l, "i");
    i->Props[FontStyle] = str("italic");
    for (const char* key : {"em", "cite", "var", "address"}) l.AddCopy(key, *i);
    add(l, "u")->Props[TextDecoration] = str("underline");
    TProperties* strike = add(l, "s");
    strike->Props[TextDecoration] = str("line-through");
    l.AddCopy("strike", *strike);
    TProperties* center = add(l, "center");
    center->Props[TextAlign] = str("center");
    l.AddCopy("caption", *center);

    TProperties* input = add(l, "input");
    input->Props[FontFamily] = str("Arial Unicode MS, Arial");
    input->Props[FontSize] = str("10pt");
    input->Props[FontStyle] = str("none");
    input->Props[FontWeight] = str("normal");
    input->Props[TextAlign] = str("left");
    input->Props[TextDecoration] = str("none");
    input->Props[Color] = color_value(s.TextColor);
    l.AddCopy("select", *input);
    l.AddCopy("textarea", *input); // wide text everywhere: the same face
}

// Rules and headings.
void AddHeadingRules(TStyleList& l, double d) {
    TProperties* hr = add(l, "hr");
    hr->Props[MarginLeft] = hr->Props[MarginRight] = 0;
    hr->Props[MarginTop] = hr->Props[MarginBottom] = 10;

    static constexpr int kHeadingPoints[] = {24, 18, 14, 12, 10, 8};
    for (int level = 1; level <= 6; ++level) {
        TProperties* h = add(l, "h" + std::to_string(level));
        h->Props[FontSize] = d / 12 * kHeadingPoints[level - 1];
        h->Props[MarginTop] = h->Props[MarginBottom] = 19;
        h->Props[FontWeight] = str("bold");
    }
}

} // namespace

void TStyleList::BuildDefaultSheet(const DefaultSheetSettings& s) {
    Clear();
    DefPointSize = s.PointSize;
    SetDefaultPointSize(s.PointSize);
    const double d = s.PointSize;

    TProperties* def = add(*this, "default");
    DefaultProps = def;
    def->Props[FontFamily] = s.FontName;
    def->Props[FontSize] = d;
    def->Props[FontStyle] = str("none");
    def->Props[FontWeight] = str("normal");
    def->Props[TextAlign] = str("left");
    def->Props[TextDecoration] = str("none");
    def->Props[TextTransform] = 0;
    def->Props[FontVariant] = str("normal");
    def->Props[Color] = color_value(s.TextColor);
    def->Props[MarginTop] = def->Props[MarginBottom] = s.MarginHeight;
    def->Props[MarginLeft] = def->Props[MarginRight] = s.MarginWidth;
    def->Props[Visibility] = 2;
    def->Charset = s.Charset;

    TProperties* link = add(*this, "::link");
    link->Props[Color] = color_value(s.LinkColor | ui::kPaletteFlag);
    link->Props[TextDecoration] = str(s.LinkUnderline ? "underline" : "none");
    add(*this, "::visited")->Props[Color] = color_value(s.VisitedColor | ui::kPaletteFlag);
    add(*this, "::hover")->Props[Color] = color_value(s.HoverColor | ui::kPaletteFlag);
    add(*this, "null");

    AddBlockRules(*this, s, d);
    AddInlineRules(*this, s);
    AddHeadingRules(*this, d);
}

// -------------------------------------------------------------- TPropStack

TProperties& TPropStack::PushElement(const TStyleList& styles, std::string_view tag, std::string_view cls,
                                     std::string_view id, std::string_view pseudo, std::string_view title,
                                     std::shared_ptr<const TProperties> style_attr) {
    auto p = std::make_unique<TProperties>();
    if (!Empty()) p->Inherit(Last());
    TProperties* top = Add(std::move(p));
    top->Cascade(styles, tag, cls, id, pseudo, title, std::move(style_attr), *this, Count() - 1);
    return *top;
}

void TPropStack::PopTop() {
    if (Count() > 1) Delete(Count() - 1);
}

int TPropStack::FindTag(std::string_view tag) const {
    for (int i = Count() - 1; i >= 1; --i)
        if (items_[static_cast<size_t>(i)]->ElemTag == tag) return i;
    return -1;
}

void TPropStack::RemoveAndUpdate(int index, const TStyleList& styles) {
    if (index < 1 || index >= Count()) return;
    Delete(index);
    for (int k = index; k < Count(); ++k)
        items_[static_cast<size_t>(k)]->Update(*items_[static_cast<size_t>(k - 1)], styles, *this, k);
}

} // namespace htmlview
