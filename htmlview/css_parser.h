#pragma once
// Reading style sheets into a TStyleList and STYLE attributes into a
// TProperties. Nothing here fails: what cannot be read is skipped.
#include <string>
#include <string_view>

#include "htmlview/style_model.h"

namespace htmlview {

// The characters of a style sheet, one at a time: 0 or 26 at the end.
class StyleSource {
  public:
    virtual ~StyleSource() = default;
    virtual char Next() = 0;
    // The character Next would give, without taking it.
    virtual char Peek() = 0;
};

// A linked sheet's text: line feeds skipped, tabs read as spaces, 26 at the end.
class TextStyleSource : public StyleSource {
  public:
    explicit TextStyleSource(std::string_view text) : text_(text) {}
    char Next() override;
    char Peek() override;

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

// Reads rules into `styles` until the end of the sheet or a "<" that does
// not open a comment sequence ("<!"). `ch` is the caller's current
// character on entry and the character that stopped the sheet, upper-cased,
// on return. `base` (empty for STYLE elements) is the folder or URL that
// url() references of the sheet are relative to.
void ParseStyleSheet(TStyleList& styles, char& ch, StyleSource& source, std::string_view base);
// A linked sheet's whole text.
void ParseStyleText(TStyleList& styles, std::string_view text, std::string_view base);
// The declarations of a STYLE attribute.
void ParseStyleAttribute(std::string_view text, TProperties& props);

} // namespace htmlview
