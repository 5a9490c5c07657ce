// The style-sheet reader on any bytes (byte 0 chooses how: a linked sheet
// with no base, a URL base or a folder base; a STYLE element's content as
// the page reader hands it; a STYLE attribute), then a cascade of elements
// named by the sheet's own keys and every box and value conversion of every
// rule. Checks: the keys stay sorted, a key never holds more than ten
// elements, a STYLE element stops right after the "<" it ends at, and every
// cascaded font size is a finite number.
#include <QGuiApplication>
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "htmlview/css_parser.h"
#include "htmlview/style_model.h"

using namespace htmlview;

namespace {

// The bytes as the page reader gives them, 0 at the end, counting.
class PageSource : public StyleSource {
  public:
    explicit PageSource(std::string_view text) : text_(text) {}
    char Next() override { return pos_ < text_.size() ? text_[pos_++] : 0; }
    char Peek() override { return pos_ < text_.size() ? text_[pos_] : 0; }
    size_t taken() const { return pos_; }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

void convert_all(const TProperties& p, int base) {
    TMarginArray v;
    p.GetMarginValues(v);
    TIntMarginArray m{};
    int autos = 0;
    ConvertMargins(v, base, base / 2, 16, 8, autos, m);
    bool top = false, bottom = false;
    ConvertVertMargins(v, base, 16, 8, top, bottom, m);
    ConvertPaddings(v, 16, 8, m);
    ConvertInlineMargins(v, base, 16, 8, m);
    PositionRecArray pos;
    p.GetBackgroundPos(16, 8, pos);
    bool percent = false, a = false, b = false, c = false;
    (void)p.GetLineHeight(base);
    (void)p.GetTextIndent(percent);
    (void)p.GetZIndex();
    p.GetPageBreaks(a, b, c);
    std::string url;
    (void)p.GetBackgroundImage(url);
    (void)p.GetListStyleImage();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const unsigned mode = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    TStyleList styles;
    styles.BuildDefaultSheet({});
    static const char* const kBases[] = {"", "http://host/css/", "C:\\doc\\help\\"};
    switch (mode % 3) {
    case 0:
        ParseStyleText(styles, text, kBases[(mode / 3) % 3]);
        break;
    case 1: {
        PageSource source(text);
        char ch = '>';
        ParseStyleSheet(styles, ch, source, "");
        fuzz::check(ch == 0 || ch == 26 || ch == '<');
        if (ch == '<') fuzz::check(source.taken() >= 1 && text[source.taken() - 1] == '<');
        break;
    }
    default: {
        TProperties p;
        ParseStyleAttribute(text, p);
        convert_all(p, 100 + static_cast<int>(mode));
        return 0;
    }
    }

    for (int i = 1; i < styles.Count(); ++i) fuzz::check(styles.Items(i - 1).Key <= styles.Items(i).Key);
    for (int i = 0; i < styles.Count(); ++i) {
        fuzz::check(styles.Items(i).Parts.size() <= 10);
        convert_all(*styles.Items(i).Props, static_cast<int>(mode) * 37 - 2000);
    }

    // Elements named by the sheet's keys, nested, some of them links.
    TPropStack stack;
    auto base = std::make_unique<TProperties>();
    base->CopyDefault(*styles.DefaultProps);
    stack.Add(std::move(base));
    for (int i = 0; i < styles.Count() && i < 24; ++i) {
        const auto& parts = styles.Items(styles.Count() - 1 - i).Parts;
        if (parts.empty()) continue;
        const SelectorPart& e = parts[0];
        const std::string tag = e.tag.empty() ? "a" : e.tag;
        const std::string pseudo = tag == "a" && i % 3 == 0 ? "link" : e.pseudo;
        TProperties& p = stack.PushElement(styles, tag, e.cls, e.id, pseudo, "", nullptr);
        fuzz::check(IsNumber(p.Props[FontSize]) && std::isfinite(AsNumber(p.Props[FontSize])));
        if (stack.Count() > 12) stack.RemoveAndUpdate(1 + i % 3, styles);
    }
    return 0;
}
