#include "htmlview/css_parser.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "htmlview/ascii.h"
#include "htmlview/url.h"

namespace htmlview {

char TextStyleSource::Next() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (c == '\n') continue;
        return c == '\t' ? ' ' : c;
    }
    return 26;
}

char TextStyleSource::Peek() {
    for (size_t p = pos_; p < text_.size(); ++p) {
        if (text_[p] == '\n') continue;
        return text_[p] == '\t' ? ' ' : text_[p];
    }
    return 26;
}

namespace {

constexpr size_t npos = std::string::npos;
constexpr size_t kMaxWords = 7;
constexpr size_t kMaxKeyElements = 10;

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_name_char(char c) {
    return is_letter(c) || is_digit(c) || c == '-';
}
bool is_selector_char(char c) {
    return c == ' ' || c == '#' || c == '-' || c == '.' || c == ':' || c == '_' || is_letter(c) ||
           is_digit(c);
}
bool is_quote(char c) {
    return c == '"' || c == '\'';
}

// A value of two or more characters in a pair of equal quotes loses them.
std::string unquoted(const std::string& v) {
    if (v.size() >= 2 && is_quote(v.front()) && v.back() == v.front()) return v.substr(1, v.size() - 2);
    return v;
}

// ------------------------------------------------------------ shorthands

enum class Shorthand {
    None, Margin, Padding, BorderWidth, Border, BorderTop, BorderRight, BorderBottom, BorderLeft,
    Font, Background, ListStyle, BorderColor, BorderStyle
};

Shorthand shorthand_of(std::string_view name) {
    static constexpr std::pair<std::string_view, Shorthand> kNames[] = {
        {"margin", Shorthand::Margin},           {"padding", Shorthand::Padding},
        {"border-width", Shorthand::BorderWidth}, {"border", Shorthand::Border},
        {"border-top", Shorthand::BorderTop},     {"border-right", Shorthand::BorderRight},
        {"border-bottom", Shorthand::BorderBottom}, {"border-left", Shorthand::BorderLeft},
        {"font", Shorthand::Font},               {"background", Shorthand::Background},
        {"list-style", Shorthand::ListStyle},    {"border-color", Shorthand::BorderColor},
        {"border-style", Shorthand::BorderStyle},
    };
    for (const auto& [n, s] : kNames)
        if (n == name) return s;
    return Shorthand::None;
}

// The property a font keyword sets, or nullptr.
const char* font_keyword_property(std::string_view w) {
    static constexpr std::pair<std::string_view, const char*> kWords[] = {
        {"italic", "font-style"},   {"oblique", "font-style"},  {"normal", "font-weight"},
        {"bolder", "font-weight"},  {"lighter", "font-weight"}, {"bold", "font-weight"},
        {"small-caps", "font-variant"}, {"larger", "font-size"}, {"smaller", "font-size"},
        {"xx-small", "font-size"},  {"x-small", "font-size"},   {"small", "font-size"},
        {"medium", "font-size"},    {"large", "font-size"},     {"x-large", "font-size"},
        {"xx-large", "font-size"},
    };
    for (const auto& [word, prop] : kWords)
        if (word == w) return prop;
    return nullptr;
}

bool is_border_style(std::string_view w) {
    static constexpr std::string_view kStyles[] = {"none",   "solid",  "dashed", "dotted", "double",
                                                   "groove", "inset",  "outset", "ridge"};
    return std::find(std::begin(kStyles), std::end(kStyles), w) != std::end(kStyles);
}

bool is_color(std::string_view w) {
    ColorRef c;
    return ParseColor(w, true, c);
}

// Cuts the url(...) parts (then the rgb(...) parts) out of a value, each
// up to its closing parenthesis; at most seven.
std::vector<std::string> cut_functions(std::string& s) {
    std::vector<std::string> cut;
    while (cut.size() < kMaxWords) {
        size_t p = s.find("url(");
        if (p == npos) p = s.find("rgb(");
        if (p == npos) break;
        const size_t q = s.find(')', p);
        if (q == npos) break;
        cut.push_back(s.substr(p, q - p + 1));
        s.replace(p, q - p + 1, " ");
    }
    return cut;
}

// Splits a shorthand value into at most seven words: blanks separate words
// outside quotes, and a "/" after a word's first character starts a new one.
std::vector<std::string> split_words(std::string_view value) {
    std::string s;
    for (char c : TrimView(value)) {
        if (c == ' ' && !s.empty() && (s.back() == ' ' || s.back() == ',')) continue;
        s += c;
    }
    std::vector<std::string> words;
    auto add = [&words](std::string w) {
        if (w.empty() || words.size() >= kMaxWords) return;
        const size_t slash = w.find('/', 1);
        if (slash != npos) {
            words.push_back(w.substr(0, slash));
            if (words.size() < kMaxWords) words.push_back(w.substr(slash));
        } else {
            words.push_back(std::move(w));
        }
    };
    std::string word;
    char quote = 0;
    for (char c : s) {
        if (quote) {
            word += c;
            if (c == quote) quote = 0;
        } else if (c == ' ') {
            add(std::move(word));
            word.clear();
        } else {
            if (is_quote(c)) quote = c;
            word += c;
        }
    }
    add(std::move(word));
    return words;
}

using Declarations = std::vector<std::pair<std::string, std::string>>;

// "url(...)" rebased on the sheet's base: a URL base combines, a folder
// base gives a file name under it.
std::string rebase(const std::string& value, std::string_view base) {
    if (base.empty() || value.find("url(") == npos) return value;
    std::string ref = ExtractUrl(value);
    if (ref.empty()) return value;
    if (base.find("://") != std::string_view::npos) {
        if (!IsAbsoluteUrl(ref)) ref = CombineUrl(base, ref);
    } else {
        ref = UrlToFileName(ref, "");
        const bool drive = ref.size() >= 2 && ref[1] == ':';
        const bool rooted = !ref.empty() && ref[0] == '\\';
        if (!drive && !rooted) ref = std::string(base) + ref;
    }
    return "url(" + ref + ")";
}

void expand_box(Shorthand kind, const std::string& value, Declarations& out) {
    const char* names[4];
    switch (kind) {
    case Shorthand::Margin:
        names[0] = "margin-top", names[1] = "margin-right", names[2] = "margin-bottom", names[3] = "margin-left";
        break;
    case Shorthand::Padding:
        names[0] = "padding-top", names[1] = "padding-right", names[2] = "padding-bottom", names[3] = "padding-left";
        break;
    case Shorthand::BorderWidth:
        names[0] = "border-top-width", names[1] = "border-right-width", names[2] = "border-bottom-width",
        names[3] = "border-left-width";
        break;
    case Shorthand::BorderColor:
        names[0] = "border-top-color", names[1] = "border-right-color", names[2] = "border-bottom-color",
        names[3] = "border-left-color";
        break;
    default:
        names[0] = "border-top-style", names[1] = "border-right-style", names[2] = "border-bottom-style",
        names[3] = "border-left-style";
        break;
    }
    const std::vector<std::string> w = split_words(value);
    if (w.empty()) return;
    // Top, right, bottom, left as the box rule gives them.
    std::string side[4];
    switch (std::min<size_t>(w.size(), 4)) {
    case 1: side[0] = side[1] = side[2] = side[3] = w[0]; break;
    case 2: side[0] = side[2] = w[0], side[1] = side[3] = w[1]; break;
    case 3: side[0] = w[0], side[1] = side[3] = w[1], side[2] = w[2]; break;
    default: side[0] = w[0], side[1] = w[1], side[2] = w[2], side[3] = w[3]; break;
    }
    for (int i = 0; i < 4; ++i) out.emplace_back(names[i], side[i]);
}

void expand_font(const std::string& value, Declarations& out) {
    for (const std::string& w : split_words(value)) {
        if (w[0] == '/')
            out.emplace_back("line-height", w.substr(1));
        else if (const char* prop = font_keyword_property(w))
            out.emplace_back(prop, w);
        else if (is_digit(w[0]))
            out.emplace_back("font-size", w);
        else
            out.emplace_back("font-family", w);
    }
}

void expand_background(const std::string& value, std::string_view base, Declarations& out) {
    std::string rest = value;
    for (const std::string& part : cut_functions(rest)) {
        if (part.compare(0, 4, "rgb(") == 0)
            out.emplace_back("background-color", part);
        else
            out.emplace_back("background-image", rebase(part, base));
    }
    const std::vector<std::string> words = split_words(rest);
    std::vector<bool> used(words.size(), false);
    for (size_t i = 0; i < words.size(); ++i) {
        if (is_color(words[i])) {
            out.emplace_back("background-color", words[i]);
            used[i] = true;
        } else if (words[i] == "none") {
            out.emplace_back("background-image", "none");
            used[i] = true;
        }
    }
    for (size_t i = 0; i < words.size(); ++i) {
        if (used[i]) continue;
        if (words[i].find("repeat") != npos) {
            out.emplace_back("background-repeat", words[i]);
            used[i] = true;
        } else if (words[i] == "fixed" || words[i] == "scroll") {
            out.emplace_back("background-attachment", words[i]);
            used[i] = true;
        }
    }
    std::vector<std::string> left;
    for (size_t i = 0; i < words.size(); ++i)
        if (!used[i]) left.push_back(words[i]);
    if (left.size() == 1)
        out.emplace_back("background-position", left[0]);
    else if (left.size() >= 2)
        out.emplace_back("background-position", left[left.size() - 2] + " " + left.back());
}

void expand_border(Shorthand kind, const std::string& value, Declarations& out) {
    std::string side;
    switch (kind) {
    case Shorthand::BorderTop: side = "border-top"; break;
    case Shorthand::BorderRight: side = "border-right"; break;
    case Shorthand::BorderBottom: side = "border-bottom"; break;
    case Shorthand::BorderLeft: side = "border-left"; break;
    default: side = "border"; break;
    }
    std::string rest = value;
    for (const std::string& part : cut_functions(rest))
        if (is_color(part)) out.emplace_back(side + "-color", part);
    for (const std::string& w : split_words(rest)) {
        if (is_color(w)) {
            out.emplace_back(side + "-color", w);
        } else if (is_border_style(w)) {
            out.emplace_back(side + "-style", w);
        } else if (kind == Shorthand::Border) {
            for (const char* p : {"border-top-width", "border-right-width", "border-bottom-width", "border-left-width"})
                out.emplace_back(p, w);
        } else {
            out.emplace_back(side + "-width", w);
        }
    }
}

void expand_list_style(const std::string& value, std::string_view base, Declarations& out) {
    // url() parts come out whole first, so a "/" in them never splits a word.
    std::string rest = value;
    for (const std::string& part : cut_functions(rest))
        if (part.compare(0, 4, "url(") == 0) out.emplace_back("list-style-image", rebase(part, base));
    for (const std::string& w : split_words(rest)) {
        if (w.find("url(") != npos)
            out.emplace_back("list-style-image", rebase(w, base));
        else
            out.emplace_back("list-style-type", w);
    }
}

// The long-hand declarations of one declaration.
Declarations expand(const std::string& name, const std::string& raw, const std::string& value,
                    std::string_view base) {
    Declarations out;
    const Shorthand kind = shorthand_of(name);
    switch (kind) {
    case Shorthand::None:
        out.emplace_back(name, rebase(value, base));
        break;
    case Shorthand::Margin: case Shorthand::Padding: case Shorthand::BorderWidth:
    case Shorthand::BorderColor: case Shorthand::BorderStyle:
        expand_box(kind, value, out);
        break;
    case Shorthand::Font:
        expand_font(raw, out);
        break;
    case Shorthand::Background:
        expand_background(value, base, out);
        break;
    case Shorthand::ListStyle:
        expand_list_style(value, base, out);
        break;
    default:
        expand_border(kind, value, out);
        break;
    }
    return out;
}

// --------------------------------------------------------------- reader

class Reader {
  public:
    explicit Reader(StyleSource& source) : src_(source) {}

    char ch = ' ';

    void push_back(char c) { pushed_ = c, has_pushed_ = true; }
    bool at_end() const { return ch == 0 || ch == 26; }
    char peek() { return has_pushed_ ? pushed_ : src_.Peek(); }

    // The next character; comments are left out, CR reads as a space.
    void next() {
        char c = raw();
        while (c == '/') {
            const char d = raw();
            if (d != '*') {
                push_back(d);
                break;
            }
            // A comment: up to "*/", the end, or a "<" (which is delivered).
            char e = raw();
            bool closed = false;
            while (!(e == 0 || e == 26 || e == '<')) {
                if (e == '*') {
                    e = raw();
                    if (e == '/') {
                        closed = true;
                        break;
                    }
                    continue;
                }
                e = raw();
            }
            c = closed ? raw() : e;
        }
        ch = c == '\r' ? ' ' : c;
    }
    void skip_spaces() {
        while (ch == ' ') next();
    }

  private:
    char raw() {
        if (has_pushed_) {
            has_pushed_ = false;
            return pushed_;
        }
        return src_.Next();
    }

    StyleSource& src_;
    char pushed_ = 0;
    bool has_pushed_ = false;
};

// The key of a selector: its own text, or for a descendant selector the
// subject, the number of ancestors with a sequence number, and the
// ancestors nearest first (at most nine of them).
std::string selector_key(const std::string& sel, TStyleList& styles) {
    std::vector<std::string> parts;
    size_t i = 0;
    while (i < sel.size()) {
        while (i < sel.size() && sel[i] == ' ') ++i;
        const size_t start = i;
        while (i < sel.size() && sel[i] != ' ') ++i;
        if (i > start) parts.push_back(sel.substr(start, i - start));
    }
    if (parts.size() <= 1) return sel;
    if (parts.size() > kMaxKeyElements)
        parts.erase(parts.begin(), parts.end() - static_cast<std::ptrdiff_t>(kMaxKeyElements));
    std::string key = parts.back() + " " + std::to_string(parts.size() - 1) + styles.NextSequence();
    for (size_t k = parts.size() - 1; k-- > 0;) key += parts[k] + " ";
    return key;
}

class SheetParser {
  public:
    SheetParser(TStyleList& styles, StyleSource& source, std::string_view base)
        : styles_(styles), r_(source), base_(base) {}

    void run(char& caller_ch) {
        r_.ch = ' ';
        r_.push_back(caller_ch);
        // The host document's opening comment sequence; a "<" only when it
        // opens one, so an empty STYLE element ends at once.
        while (r_.ch == ' ' || r_.ch == '!' || r_.ch == '-' || r_.ch == '>' ||
               (r_.ch == '<' && r_.peek() == '!'))
            r_.next();
        while (!r_.at_end() && r_.ch != '<') {
            if (r_.ch == '@')
                at_rule();
            else
                rule();
            while (r_.ch == ' ' || r_.ch == '-' || r_.ch == '>') r_.next();
        }
        caller_ch = UpperChar(r_.ch);
    }

  private:
    void at_rule() {
        while (!r_.at_end() && r_.ch != ';' && r_.ch != '<' && r_.ch != '{') r_.next();
        if (r_.ch == ';') {
            r_.next();
        } else if (r_.ch == '{') {
            int depth = 0;
            while (!r_.at_end() && r_.ch != '<') {
                if (r_.ch == '{') {
                    ++depth;
                } else if (r_.ch == '}' && --depth == 0) {
                    r_.next();
                    break;
                }
                r_.next();
            }
        }
    }

    void rule() {
        selectors_.clear();
        do {
            if (r_.ch == ',') r_.next();
            r_.skip_spaces();
            std::string sel;
            while (is_selector_char(r_.ch)) {
                sel += r_.ch;
                r_.next();
            }
            sel = LowerCase(TrimView(sel));
            if (!sel.empty()) selectors_.push_back(selector_key(sel, styles_));
        } while (r_.ch == ',');
        while (!r_.at_end() && r_.ch != '{' && r_.ch != '<') r_.next();
        if (r_.ch == '{') block();
    }

    void block() {
        r_.next();
        while (true) {
            r_.skip_spaces();
            if (r_.at_end() || r_.ch == '<') return;
            if (r_.ch == '}') {
                r_.next();
                return;
            }
            std::string name;
            while (is_name_char(r_.ch)) {
                name += LowerChar(r_.ch);
                r_.next();
            }
            r_.skip_spaces();
            if (r_.ch == ':' || r_.ch == '=') {
                r_.next();
                std::string value;
                while (!r_.at_end() && r_.ch != ';' && r_.ch != '<' && r_.ch != '}') {
                    value += r_.ch;
                    r_.next();
                }
                const std::string raw = LowerCase(TrimView(value));
                for (const auto& [prop, v] : expand(name, raw, unquoted(raw), base_))
                    for (const std::string& sel : selectors_) styles_.SetRule(sel, prop, v);
            }
            r_.skip_spaces();
            if (r_.ch == ';') r_.next();
            while (!r_.at_end() && !is_name_char(r_.ch) && r_.ch != '}' && r_.ch != '<') r_.next();
        }
    }

    TStyleList& styles_;
    Reader r_;
    std::string base_;
    std::vector<std::string> selectors_;
};

// A STYLE attribute's text with the end mark after it.
class AttributeSource : public StyleSource {
  public:
    explicit AttributeSource(std::string_view text) : text_(text) {}
    char Next() override { return pos_ < text_.size() ? text_[pos_++] : 26; }
    char Peek() override { return pos_ < text_.size() ? text_[pos_] : 26; }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

} // namespace

void ParseStyleSheet(TStyleList& styles, char& ch, StyleSource& source, std::string_view base) {
    SheetParser(styles, source, base).run(ch);
}

void ParseStyleText(TStyleList& styles, std::string_view text, std::string_view base) {
    TextStyleSource source(text);
    char ch = ' ';
    ParseStyleSheet(styles, ch, source, base);
}

void ParseStyleAttribute(std::string_view text, TProperties& props) {
    const std::string lower = LowerCase(text);
    AttributeSource source(lower);
    Reader r(source);
    r.next();
    while (!r.at_end()) {
        r.skip_spaces();
        std::string name;
        while (is_name_char(r.ch)) {
            name += r.ch;
            r.next();
        }
        r.skip_spaces();
        if (r.ch == ':' || r.ch == '=') {
            r.next();
            std::string value;
            while (!r.at_end() && r.ch != ';') {
                value += r.ch;
                r.next();
            }
            const std::string raw = Trim(value);
            for (const auto& [prop, v] : expand(name, raw, unquoted(raw), ""))
                props.AssignByName(prop, v);
        }
        r.skip_spaces();
        while (!r.at_end() && !is_name_char(r.ch)) r.next();
    }
}

} // namespace htmlview
