#pragma once
// The viewer's style model: the property set every element gets while a
// page is read (TProperties), the style sheet with its built-in defaults
// (TStyleList), the cascade that fills an element's set from its parent and
// the sheet, the stack of open elements' sets (TPropStack), and the
// conversions of property values into pixels, colours, fonts and small
// enumerations for layout and painting.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "htmlview/colors.h"
#include "htmlview/fonts.h"
#include "htmlview/free_list.h"
#include "htmlview/lengths.h"

namespace htmlview {

// Property indexes.
enum PropIndex : int {
    FontFamily, FontSize, FontStyle, FontWeight, TextAlign, TextDecoration, BorderStyle,
    Color, BackgroundColor, BorderColor, MarginTop, MarginRight, MarginBottom, MarginLeft,
    PaddingTop, PaddingRight, PaddingBottom, PaddingLeft, BorderTopWidth, BorderRightWidth,
    BorderBottomWidth, BorderLeftWidth, BorderTopColor, BorderRightColor, BorderBottomColor,
    BorderLeftColor, BorderTopStyle, BorderRightStyle, BorderBottomStyle, BorderLeftStyle,
    piWidth, piHeight, piTop, piLeft, Visibility, LineHeight, BackgroundImage,
    BackgroundPosition, BackgroundRepeat, BackgroundAttachment, VerticalAlign, psPosition,
    ZIndex, ListStyleType, ListStyleImage, piFloat, piClear, TextIndent, PageBreakBefore,
    PageBreakAfter, PageBreakInside, TextTransform, FontVariant, piDisplay,
    PropCount
};
constexpr int MaxProp = PropCount - 1;

// The property names by index.
extern const std::array<const char*, PropCount> PropWords;
// The index of a property name (exact, case-sensitive), or -1.
int PropertyIndex(std::string_view name);

// A property value: empty, an integer, a number or a string.
using PropValue = std::variant<std::monostate, int, double, std::string>;
inline bool IsEmpty(const PropValue& v) {
    return std::holds_alternative<std::monostate>(v);
}
inline bool IsInt(const PropValue& v) {
    return std::holds_alternative<int>(v);
}
inline bool IsString(const PropValue& v) {
    return std::holds_alternative<std::string>(v);
}
// An integer or a number.
bool IsNumber(const PropValue& v);
double AsNumber(const PropValue& v); // 0 when not a number
int AsInt(const PropValue& v);       // the integer, else 0
const std::string& AsString(const PropValue& v); // the string, else empty

using TPropertyArray = std::array<PropValue, PropCount>;
// Box values indexed like the properties, from BackgroundColor to piLeft.
using TMarginArray = std::array<PropValue, piLeft + 1>;
using TIntMarginArray = std::array<int, piLeft + 1>;

// Alignment numbers shared by the viewer.
enum AlignmentType : int {
    ANone, ATop, AMiddle, ABaseline, ABottom, ALeft, ARight, AJustify, ASub, ASuper
};
// Border styles.
enum BorderStyleType : int {
    bssNone, bssSolid, bssInset, bssOutset, bssGroove, bssRidge, bssDashed, bssDotted, bssDouble
};
// List styles, in this order.
enum ListBulletType : int {
    lbBlank, lbCircle, lbDecimal, lbDisc, lbLowerAlpha, lbLowerRoman, lbNone, lbSquare,
    lbUpperAlpha, lbUpperRoman
};
// Kinds of a background position along one axis.
enum PositionType : int { bpTop, bpCenter, bpBottom, bpLeft, bpRight, bpPercent, bpDim };

struct PositionRec {
    int PosType = bpDim;
    int Value = 0;
    bool RepeatD = true;
    bool Fixed = false;
};
using PositionRecArray = std::array<PositionRec, 2>; // horizontal, vertical

// Attribute alignment text ("top", "middle", ...) to its number.
int AlignmentFromString(std::string_view s);
// Border style name (exact) to its number; anything else none.
int BorderStyleFromString(std::string_view s);
// The reference inside "url(...)" (up to ")" or the end), a matching pair of
// quotes removed; empty when there is no "url(".
std::string ExtractUrl(std::string_view s);
// The code page of a character set; false when the table has none.
bool CodePageOfCharset(int charset, int& code_page);

class TStyleList;
class TPropStack;

class TProperties {
  public:
    TProperties();
    TProperties(const TProperties&) = delete;
    TProperties& operator=(const TProperties&) = delete;

    // Values and state.
    TPropertyArray Props;
    std::array<bool, PropCount> SetHere{}; // given by this element's own rules
    bool LinkFontsSet = false;
    std::unique_ptr<TFontInfoArray> LinkFonts;
    std::string ElemTag, ElemClass, ElemID, ElemPseudo, ElemTitle;
    // The set parsed from the element's STYLE attribute; shared, so it stays
    // valid for as long as any set refers to it.
    std::shared_ptr<const TProperties> StyleAttrProps;
    ColorRef InlineBackground = NoColour;
    int Charset = 1;
    int CodePage = 0;
    int EmSize = 16, ExSize = 8;
    int Serial;

    void CopyValues(const TProperties& source) { Props = source.Props; }
    // The values, the character set, and the tag "default".
    void CopyDefault(const TProperties& source);
    // Takes what an element inherits from its parent.
    void Inherit(const TProperties& parent);
    // Fills the set from the sheet for an element standing at `index` of
    // `stack` (contextual rules are matched against the sets below it), then
    // from its style attribute.
    void Cascade(const TStyleList& styles, std::string_view tag, std::string_view cls,
                 std::string_view id, std::string_view pseudo, std::string_view title,
                 std::shared_ptr<const TProperties> style_attr, const TPropStack& stack, int index);
    // Derives the set again from `source`, the set now below it at `index`:
    // what it did not set itself is inherited again; link fonts follow.
    void Update(const TProperties& source, const TStyleList& styles, const TPropStack& stack,
                int index);
    // Stores a value unless the element's own rules gave one.
    void SetValue(int index, const PropValue& value);
    // Stores a style-attribute declaration by name (unknown names ignored).
    void AssignByName(std::string_view name, std::string_view value);
    void SetCharset(int charset);
    void SetUTF8();

    // The font (a copy the caller keeps); sets EmSize and ExSize.
    TMyFont GetFont();
    void GetLinkFonts(TFontInfoArray& target) const;
    ThtFontInfo GetFontInfo() const;

    // Readers for layout and painting.
    int GetBorderStyle() const;
    ColorRef GetBackgroundColor() const;
    ColorRef GetOwnColor() const;
    ColorRef TakeInlineBackground();
    bool GetBackgroundImage(std::string& url) const;
    void GetBackgroundPos(int em_size, int ex_size, PositionRecArray& pos) const;
    bool GetVertAlign(int& align) const;
    bool GetFloat(int& align) const;
    bool GetClear(int& clear) const;
    int GetListStyleType() const;
    std::string GetListStyleImage() const;
    int GetPosition() const;
    int GetVisibility() const;
    int GetZIndex() const;
    bool DisplayNone() const;
    int GetLineHeight(int new_height) const;
    int GetTextIndent(bool& is_percent) const;
    int GetTextTransform() const;
    std::string GetFontVariant() const;
    void GetPageBreaks(bool& before, bool& after, bool& inside) const;
    void GetMarginValues(TMarginArray& values) const;

  private:
    friend class TStyleList;
    struct Ancestors;
    void cascade(const TStyleList& styles, std::string_view tag, std::string_view cls,
                 std::string_view id, std::string_view pseudo, std::string_view title,
                 const std::shared_ptr<const TProperties>& style_attr, const Ancestors& up);
    void merge(const TProperties& entry);
    void compute_link_fonts(const TStyleList& styles, const Ancestors& up);
    void inherit_values(const TProperties& parent, bool only_unset);

    std::optional<TMyFont> cached_font_;
};

// Box value conversions (arrays from GetMarginValues).
void ConvertMargins(const TMarginArray& values, int base_width, int base_height, int em_size,
                    int ex_size, int& auto_count, TIntMarginArray& m);
void ConvertVertMargins(const TMarginArray& values, int base_height, int em_size, int ex_size,
                        bool& top_auto, bool& bottom_auto, TIntMarginArray& m);
void ConvertPaddings(const TMarginArray& values, int em_size, int ex_size, TIntMarginArray& m);
void ConvertInlineMargins(const TMarginArray& values, int base_width, int em_size, int ex_size,
                          TIntMarginArray& m);

// The parts of one element of a selector key.
struct SelectorPart {
    std::string tag, cls, id, pseudo;
};

// The settings the default sheet is built from.
struct DefaultSheetSettings {
    std::string FontName = "Times New Roman";
    std::string PreFontName = "Courier New";
    double PointSize = 12;
    ColorRef TextColor = 0;
    ColorRef LinkColor = ui::rgb_ref(0, 0, 255);
    ColorRef VisitedColor = ui::rgb_ref(128, 0, 128);
    ColorRef HoverColor = ui::rgb_ref(255, 0, 0);
    bool LinkUnderline = true;
    int Charset = 1;
    int MarginWidth = 10;
    int MarginHeight = 5;
};

// A style sheet: rules keyed by selector text, kept sorted (equal keys
// allowed), each an owned property set.
class TStyleList {
  public:
    struct Entry {
        std::string Key;
        std::unique_ptr<TProperties> Props;
        std::vector<SelectorPart> Parts; // the key read as a contextual selector
    };

    explicit TStyleList(void* owner = nullptr);
    TStyleList(const TStyleList&) = delete;
    TStyleList& operator=(const TStyleList&) = delete;

    void* Owner = nullptr;
    int RuleNumber = 10;
    TProperties* DefaultProps = nullptr;
    double DefPointSize = 12;
    bool HoverColorsUsed = false; // a rule names ":hover"

    int Count() const { return static_cast<int>(entries_.size()); }
    const Entry& Items(int i) const { return entries_.at(static_cast<size_t>(i)); }
    // The first entry with the key, or -1.
    int IndexOf(std::string_view key) const;
    TProperties* Find(std::string_view key) const;
    // Adds an entry (after any equal keys); the set's tag becomes the key.
    TProperties* AddObject(std::string_view key, std::unique_ptr<TProperties> props);
    TProperties* AddCopy(std::string_view key, const TProperties& source);
    void Clear();
    // The next sequence number of contextual keys, as text.
    std::string NextSequence();
    // Stores one declaration of a style sheet rule.
    void SetRule(std::string_view selector, std::string_view prop, std::string_view value);
    void BuildDefaultSheet(const DefaultSheetSettings& settings);

    // The range of entries whose key starts with `prefix`.
    std::pair<size_t, size_t> PrefixRange(std::string_view prefix) const;
    std::pair<size_t, size_t> EqualRange(std::string_view key) const;

  private:
    std::vector<Entry> entries_;
};

// The property sets of the open elements; entry 0 is the base set.
class TPropStack : public TFreeList<TProperties> {
  public:
    TProperties& Last() const { return *items_.back(); }
    // Pushes a set for an element: inherited from the top, then cascaded.
    TProperties& PushElement(const TStyleList& styles, std::string_view tag, std::string_view cls,
                             std::string_view id, std::string_view pseudo, std::string_view title,
                             std::shared_ptr<const TProperties> style_attr);
    // Removes the top set unless it is the base set.
    void PopTop();
    // The topmost set pushed by `tag`, searching down to entry 1; -1 when none.
    int FindTag(std::string_view tag) const;
    // Removes the set at `index` (not the base) and derives every set above
    // it again from the set below it.
    void RemoveAndUpdate(int index, const TStyleList& styles);
};

// Splits a selector key into its elements (at most 10): the second loses
// its count digit and sequence number; each is split at ":", "#" and ".".
std::vector<SelectorPart> SplitSelectorKey(std::string_view key);

} // namespace htmlview
