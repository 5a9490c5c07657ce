#include "htmlview/symbols.h"

#include <algorithm>
#include <array>

#include "htmlview/ascii.h"
#include "htmlview/name_table.h"

namespace htmlview {

namespace {

struct Named {
    std::string_view name;
    Sym sym;
};

// In symbol order.
constexpr std::array<std::string_view, kTagCount> kTagNames = {
    "HTML", "TITLE", "BODY", "HEAD", "B", "I", "H", "EM", "STRONG", "U", "CITE", "VAR", "TT",
    "CODE", "KBD", "SAMP", "OL", "UL", "DIR", "MENU", "DL", "A", "ADDRESS", "BLOCKQUOTE", "PRE",
    "CENTER", "TABLE", "TD", "TH", "CAPTION", "FORM", "TEXTAREA", "SELECT", "OPTION", "FONT",
    "SUB", "SUP", "BIG", "SMALL", "P", "MAP", "FRAMESET", "NOFRAMES", "SCRIPT", "DIV", "S",
    "STRIKE", "TR", "NOBR", "STYLE", "SPAN", "COLGROUP", "LABEL",
    // unpaired
    "LI", "BR", "HR", "DD", "DT", "IMG", "BASE", "BUTTON", "INPUT", "SELECTED", "BASEFONT",
    "AREA", "FRAME", "PAGE", "BGSOUND", "WRAP", "META", "PANEL", "WBR", "LINK", "COL",
};

// In table order; the seven names that are also tags carry the tag's symbol.
constexpr std::array<Named, kAttributeCount> kAttributes = {{
    {"HREF", Sym::Href}, {"NAME", Sym::Name}, {"SRC", Sym::Src}, {"ALT", Sym::Alt},
    {"ALIGN", Sym::Align}, {"TEXT", Sym::Text}, {"BGCOLOR", Sym::BgColor}, {"LINK", Sym::Link},
    {"BACKGROUND", Sym::Background}, {"COLSPAN", Sym::ColSpan}, {"ROWSPAN", Sym::RowSpan},
    {"BORDER", Sym::Border}, {"CELLPADDING", Sym::CellPadding},
    {"CELLSPACING", Sym::CellSpacing}, {"VALIGN", Sym::VAlign}, {"WIDTH", Sym::Width},
    {"START", Sym::Start}, {"VALUE", Sym::Value}, {"TYPE", Sym::Type},
    {"CHECKBOX", Sym::CheckBox}, {"RADIO", Sym::Radio}, {"METHOD", Sym::Method},
    {"ACTION", Sym::Action}, {"CHECKED", Sym::Checked}, {"SIZE", Sym::Size},
    {"MAXLENGTH", Sym::MaxLength}, {"COLS", Sym::Cols}, {"ROWS", Sym::Rows},
    {"MULTIPLE", Sym::Multiple}, {"SELECTED", Sym::Selected}, {"FACE", Sym::Face},
    {"COLOR", Sym::Color}, {"TRANSP", Sym::Transp}, {"CLEAR", Sym::Clear},
    {"ISMAP", Sym::IsMap}, {"BORDERCOLOR", Sym::BorderColor}, {"USEMAP", Sym::UseMap},
    {"SHAPE", Sym::Shape}, {"COORDS", Sym::Coords}, {"NOHREF", Sym::NoHref},
    {"HEIGHT", Sym::Height}, {"PLAIN", Sym::Plain}, {"TARGET", Sym::Target},
    {"NORESIZE", Sym::NoResize}, {"SCROLLING", Sym::Scrolling}, {"HSPACE", Sym::HSpace},
    {"LANGUAGE", Sym::Language}, {"FRAMEBORDER", Sym::FrameBorder},
    {"MARGINWIDTH", Sym::MarginWidth}, {"MARGINHEIGHT", Sym::MarginHeight},
    {"LOOP", Sym::Loop}, {"ONCLICK", Sym::OnClick}, {"WRAP", Sym::Wrap},
    {"NOSHADE", Sym::NoShade}, {"HTTP-EQUIV", Sym::HttpEquiv}, {"CONTENT", Sym::Content},
    {"ENCTYPE", Sym::EncType}, {"VLINK", Sym::VLink}, {"OLINK", Sym::OLink},
    {"ACTIVE", Sym::Active}, {"VSPACE", Sym::VSpace}, {"CLASS", Sym::Class}, {"ID", Sym::ID},
    {"STYLE", Sym::Style}, {"REL", Sym::Rel}, {"REV", Sym::Rev}, {"NOWRAP", Sym::NoWrap},
    {"BORDERCOLORLIGHT", Sym::BorderColorLight}, {"BORDERCOLORDARK", Sym::BorderColorDark},
    {"CHARSET", Sym::Charset}, {"RATIO", Sym::Ratio}, {"TITLE", Sym::Title},
    {"ONFOCUS", Sym::OnFocus}, {"ONBLUR", Sym::OnBlur}, {"ONCHANGE", Sym::OnChange},
    {"SPAN", Sym::Span}, {"TABINDEX", Sym::TabIndex}, {"BGPROPERTIES", Sym::BgProperties},
    {"DISABLED", Sym::Disabled}, {"TOPMARGIN", Sym::TopMargin},
    {"LEFTMARGIN", Sym::LeftMargin}, {"LABEL", Sym::Label},
}};

constexpr int kFirstTag = static_cast<int>(Sym::Html);
constexpr int kFirstEnd = static_cast<int>(Sym::HtmlEnd);
constexpr int kFirstAttr = static_cast<int>(Sym::Href);

static_assert(static_cast<int>(Sym::Col) - kFirstTag + 1 == kTagCount);
static_assert(static_cast<int>(Sym::LabelEnd) - kFirstEnd + 1 == kPairedTagCount);
static_assert(static_cast<int>(Sym::Label) - kFirstTag + 1 == kPairedTagCount);
static_assert(static_cast<int>(Sym::LeftMargin) - kFirstAttr + 1 == kAttributeCount - 7);

// Name tables sorted by name, for the lookup.
template <size_t N>
std::array<Named, N> sorted(std::array<Named, N> a) {
    std::sort(a.begin(), a.end(), [](const Named& x, const Named& y) { return x.name < y.name; });
    return a;
}

template <size_t N>
Sym lookup(const NameTable<Named, N>& table, std::string_view name, Sym missing) {
    const Named* e = table.Find(name);
    return e ? e->sym : missing;
}

bool is_start_tag(Sym s) {
    const int v = static_cast<int>(s);
    return v >= kFirstTag && v < kFirstTag + kTagCount;
}

bool is_end_tag(Sym s) {
    const int v = static_cast<int>(s);
    return v >= kFirstEnd && v < kFirstEnd + kPairedTagCount;
}

} // namespace

Sym TagSymbol(std::string_view upper_name) {
    static const NameTable<Named, kTagCount> table(sorted([] {
        std::array<Named, kTagCount> a{};
        for (int i = 0; i < kTagCount; ++i) a[i] = {kTagNames[i], static_cast<Sym>(kFirstTag + i)};
        return a;
    }()));
    return lookup(table, upper_name, Sym::UnknownTag);
}

Sym AttributeSymbol(std::string_view upper_name) {
    static const NameTable<Named, kAttributeCount> table(sorted(kAttributes));
    return lookup(table, upper_name, Sym::UnknownAttr);
}

Sym EndSymbolOf(Sym start) {
    const int v = static_cast<int>(start);
    if (v < kFirstTag || v >= kFirstTag + kPairedTagCount) return Sym::None;
    return static_cast<Sym>(kFirstEnd + (v - kFirstTag));
}

std::string StartTagName(Sym start) {
    return is_start_tag(start) ? LowerCase(kTagNames[static_cast<int>(start) - kFirstTag])
                               : std::string();
}

std::string EndTagName(Sym end) {
    return is_end_tag(end) ? LowerCase(kTagNames[static_cast<int>(end) - kFirstEnd]) : std::string();
}

std::string_view SymbolName(Sym s) {
    const int v = static_cast<int>(s);
    if (is_start_tag(s)) return kTagNames[v - kFirstTag];
    if (is_end_tag(s)) return kTagNames[v - kFirstEnd];
    if (v >= kFirstAttr && v < kFirstAttr + kAttributeCount - 7) {
        for (const Named& a : kAttributes)
            if (a.sym == s) return a.name;
    }
    return {};
}

} // namespace htmlview
