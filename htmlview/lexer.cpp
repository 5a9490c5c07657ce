#include "htmlview/lexer.h"

#include <locale.h>
#include <stdlib.h>

#include <array>

#include "htmlview/ascii.h"
#include "htmlview/code_pages.h"
#include "htmlview/entities.h"
#include "htmlview/ids.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

struct MetaCharset {
    std::string_view name;
    int charset;
};

// Searched in this order; the first name found anywhere in the content wins.
constexpr std::array<MetaCharset, 46> kMetaCharsets = {{
    {"1252", 0},        {"8859-1", 0},       {"1253", 161},       {"8859-7", 161},
    {"1250", 238},      {"8859-2", 31},      {"1251", 204},       {"8859-5", 204},
    {"koi", 204},       {"866", 204},        {"1254", 162},       {"8859-3", 162},
    {"8859-9", 162},    {"1257", 186},       {"8859-4", 186},     {"932", 128},
    {"949", 129},       {"936", 134},        {"950", 136},        {"1255", 177},
    {"1256", 178},      {"1258", 163},       {"874", 222},        {"ansi", 0},
    {"default", 1},     {"symbol", 2},       {"shiftjis", 128},   {"shift_jis", 128},
    {"x-sjis", 128},    {"hangeul", 129},    {"gb2312", 134},     {"big5", 136},
    {"oem", 255},       {"johab", 130},      {"hebrew", 177},     {"arabic", 178},
    {"greek", 161},     {"turkish", 162},    {"vietnamese", 163}, {"thai", 222},
    {"easteurope", 238}, {"russian", 204},   {"euc-kr", 129},     {"5601", 129},
    {"euc-jp", 30},     {"8859-15", 0},
}};

constexpr int kEucJp = 30;
constexpr int kShiftJis = 128;

bool is_upper_letter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_alnum(char c) {
    return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
int hex_value(char c) {
    if (is_digit(c)) return c - '0';
    const char u = UpperChar(c);
    return u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
}

// Whole text as a decimal number in the C locale's form: sign, digits,
// point, digits, exponent. Nothing else ("inf", hex, blanks) counts.
bool parse_number(std::string_view t, double& v) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    while (i < t.size() && is_digit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && is_digit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t exp_digits = 0;
        while (i < t.size() && is_digit(t[i])) ++i, ++exp_digits;
        if (exp_digits == 0) return false;
    }
    if (i != t.size()) return false;
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string s(t);
    v = strtod_l(s.c_str(), nullptr, c_locale);
    return true;
}

// A code point as UTF-16: one unit, or a pair beyond U+FFFF. Surrogates and
// values past U+10FFFF are not characters: U+FFFD.
std::u16string utf16_of(long c) {
    if (c < 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return u"\uFFFD";
    if (c <= 0xFFFF) return std::u16string(1, static_cast<char16_t>(c));
    c -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

// Runs that text and quoted values take in bulk: no white space, line
// ends, references, quotes, tags or control bytes.
constexpr std::array<bool, 256> kTextRun = [] {
    std::array<bool, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = b > ' ' && b != '&' && b != '<';
    return t;
}();
constexpr std::array<bool, 256> kValueRun = [] {
    std::array<bool, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = b >= ' ' && b != '&' && b != '<' && b != '"' && b != '\'';
    return t;
}();
// Names of tags, names of attributes, unquoted values and numbers.
constexpr std::array<bool, 256> kTagNameRun = [] {
    std::array<bool, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    return t;
}();
constexpr std::array<bool, 256> kAlnumRun = [] {
    std::array<bool, 256> t = kTagNameRun;
    for (int b = '0'; b <= '9'; ++b) t[b] = true;
    return t;
}();
constexpr std::array<bool, 256> kAttrNameRun = [] {
    std::array<bool, 256> t = kAlnumRun;
    t['-'] = true;
    return t;
}();
constexpr std::array<bool, 256> kBareRun = [] {
    std::array<bool, 256> t{};
    for (int b = 0; b < 256; ++b) t[b] = b > ' ' && b != '>' && b != '&' && b != '<';
    return t;
}();
constexpr std::array<bool, 256> kNumberRun = [] {
    std::array<bool, 256> t = kBareRun;
    t['%'] = false;
    return t;
}();

// Digits of a number reference; values past the last code point stay there.
constexpr long kTooLarge = 0x110000;

} // namespace

// ---------------------------------------------------------------------------
// Start and passes

void HtmlReader::StartReading(std::string text, ReaderHost* host, TIDNameList* ids,
                              bool plain_text) {
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    buffer_ = std::move(text);
    host_ = host;
    ids_ = ids;
    plain_text_ = plain_text;
    converted_ = false;
    start_ = 0;
    if (buffer_.size() > 3 && buffer_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        if (host_) host_->SetBaseUTF8();
        start_ = 3;
    } else if (buffer_.find("\x1B$@") != std::string::npos ||
               buffer_.find("\x1B$B") != std::string::npos) {
        buffer_ = JisToShiftJis(buffer_);
        converted_ = true;
        if (host_) host_->SetBaseCharset(kShiftJis);
    }
    Title.clear();
    Base.clear();
    BaseTarget.clear();
    on_include_ = nullptr;
    pre_scan_ = false;
    Restart(nullptr);
}

void HtmlReader::Restart(IncludeHandler on_include) {
    on_include_ = std::move(on_include);
    pos_ = start_;
    SourcePos = -1;
    include_.clear();
    include_pos_ = 0;
    in_include_ = false;
    include_tails_.clear();
    line_end_ = 0;
    in_comment_ = false;
    pre_scan_ = false;
    Preformatted = false;
    LCh = UCh = 0;
    Sy = Sym::None;
    TagPos = 0;
    HeadingLevel = 0;
    Attributes.Clear();
    Token.Clear();
    pending_.Clear();
    text_chars_ = nullptr;
}

int HtmlReader::CountLinks() {
    pre_scan_ = true;
    on_include_ = nullptr;
    int count = 0;
    try {
        NextChar();
        NextToken();
        while (Sy != Sym::EndOfDocument && count < kLinkCountLimit) {
            if (Sy == Sym::A && scan_href_) ++count;
            NextToken();
        }
    } catch (const EParseError&) {
        // The first pass only counts; the second reports the error.
    }
    pre_scan_ = false;
    return count;
}

void HtmlReader::Finish() {
    buffer_.clear();
    buffer_.shrink_to_fit();
    include_.clear();
    pos_ = start_ = 0;
    Attributes.Clear();
    pending_.Clear();
    on_include_ = nullptr;
    host_ = nullptr;
    ids_ = nullptr;
}

int HtmlReader::LookupMetaCharset(std::string_view content) {
    const std::string lower = LowerCase(content);
    for (const MetaCharset& m : kMetaCharsets) {
        if (lower.find(m.name) == std::string::npos) continue;
        if (m.charset != kEucJp) return m.charset;
        if (!converted_) {
            // Same length, so the read position keeps its meaning.
            buffer_ = EucToShiftJis(buffer_);
            converted_ = true;
        }
        return kShiftJis;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Characters

int HtmlReader::ReadSourceByte() {
    if (in_include_) {
        if (include_pos_ < include_.size()) return static_cast<unsigned char>(include_[include_pos_++]);
        include_.clear();
        include_pos_ = 0;
        in_include_ = false;
    }
    if (pos_ >= buffer_.size()) return 0;
    const int b = static_cast<unsigned char>(buffer_[pos_++]);
    ++SourcePos;
    if ((pos_ & 4095) == 0 && !pre_scan_ && host_) {
        const int share = host_->ProgressShare();
        if (share > 0)
            host_->Progress(static_cast<int>(static_cast<std::int64_t>(pos_) * share /
                                             static_cast<std::int64_t>(buffer_.size())));
    }
    return b;
}

int HtmlReader::PeekSourceByte() const {
    if (in_include_ && include_pos_ < include_.size())
        return static_cast<unsigned char>(include_[include_pos_]);
    return pos_ < buffer_.size() ? static_cast<unsigned char>(buffer_[pos_]) : 0;
}

void HtmlReader::ReadChar() {
    int b = ReadSourceByte();
    if ((b == LF && line_end_ == 1) || (b == CR && line_end_ == 2)) b = ReadSourceByte();
    if (b == LF) {
        b = CR;
        line_end_ = 2;
    } else if (b == CR) {
        line_end_ = 1;
    } else {
        line_end_ = 0;
        if (b == '\t') b = ' ';
    }
    LCh = static_cast<char>(b);
    UCh = UpperChar(LCh);
    if (b == 0 && in_comment_) throw EParseError("Open Comment at End of HTML File", SourcePos);
}

void HtmlReader::NextCharSlow() {
    for (;;) {
        ReadChar();
        if (UCh != '<' || plain_text_ || PeekSourceByte() != '!') return;
        ReadChar(); // the '!'
        in_comment_ = true;
        ReadChar();
        if (LCh != '-') {
            SkipToTagEnd();
        } else {
            ReadChar();
            if (LCh != '-') {
                SkipToTagEnd();
            } else {
                ReadChar();
                if (LCh == '#' && on_include_)
                    ProcessInclude();
                else
                    SkipCommentBody();
            }
        }
        in_comment_ = false;
    }
}

std::size_t HtmlReader::PlainRun(const std::array<bool, 256>& plain) const {
    if (in_include_) return 0;
    const std::size_t limit = std::min(buffer_.size() - pos_, 4095 - (pos_ & 4095));
    std::size_t n = 0;
    while (n < limit && plain[static_cast<unsigned char>(buffer_[pos_ + n])]) ++n;
    return n;
}

void HtmlReader::SkipRun(std::size_t n) {
    if (n == 0) return;
    pos_ += n;
    SourcePos += static_cast<int>(n);
    line_end_ = 0;
    LCh = buffer_[pos_ - 1];
    UCh = UpperChar(LCh);
}

void HtmlReader::TakeRun(std::string& out, const std::array<bool, 256>& plain, bool upper,
                         std::size_t limit) {
    if (out.size() < limit) out += upper ? UCh : LCh;
    const std::size_t n = PlainRun(plain);
    const std::size_t room = out.size() < limit ? std::min(n, limit - out.size()) : 0;
    if (upper) {
        for (std::size_t k = 0; k < room; ++k) out += UpperChar(buffer_[pos_ + k]);
    } else {
        out.append(buffer_, pos_, room);
    }
    SkipRun(n);
    NextChar();
}

void HtmlReader::SkipToTagEnd() {
    while (UCh != '>') ReadChar();
}

// Ends at a '-' followed by more '-', any blanks and line ends, an optional
// '!' and '>'; the '>' stays current.
void HtmlReader::SkipCommentBody() {
    for (;;) {
        if (LCh != '-') {
            ReadChar();
            continue;
        }
        ReadChar();
        if (LCh != '-') continue;
        while (LCh == '-') ReadChar();
        while (LCh == ' ' || LCh == CR) ReadChar();
        if (LCh == '!') ReadChar();
        if (LCh == '>') return;
    }
}

void HtmlReader::SkipWhite() {
    while (LCh == ' ' || LCh == CR) NextChar();
}

// ---------------------------------------------------------------------------
// Includes

int HtmlReader::IncludeDepth() {
    const size_t remaining = in_include_ ? include_.size() - include_pos_ : 0;
    while (!include_tails_.empty() && include_tails_.back() >= remaining) include_tails_.pop_back();
    return static_cast<int>(include_tails_.size());
}

void HtmlReader::ProcessInclude() {
    auto word_char = [](char c) { return is_alnum(c) || c == '_'; };
    auto skip_blanks = [this] {
        while (LCh == ' ' || LCh == CR) ReadChar();
    };
    ReadChar(); // past '#'
    std::string command;
    while (word_char(LCh)) {
        command += LCh;
        ReadChar();
    }
    std::vector<std::string> params;
    for (;;) {
        skip_blanks();
        if (!is_upper_letter(UCh)) break;
        std::string param;
        while (word_char(LCh)) {
            param += LCh;
            ReadChar();
        }
        skip_blanks();
        param += '=';
        if (LCh == '=') {
            ReadChar();
            skip_blanks();
            if (LCh == '"' || LCh == '\'') {
                const char quote = LCh;
                ReadChar();
                while (LCh != quote && LCh != 0) {
                    if (LCh == '&') {
                        ReadValueEntity(param, kSystemCodePage, &HtmlReader::ReadChar);
                        continue;
                    }
                    param += LCh == CR ? ' ' : LCh;
                    ReadChar();
                }
                if (LCh == quote) ReadChar();
            } else {
                while (LCh != 0 && LCh != ' ' && LCh != CR && LCh != '-' && LCh != '>') {
                    param += LCh;
                    ReadChar();
                }
            }
        }
        params.push_back(std::move(param));
    }
    SkipCommentBody();

    // Too deep a nest of includes (an include that includes itself): the
    // command is read as a comment.
    if (IncludeDepth() >= kMaxIncludeDepth) return;
    std::string text;
    on_include_(command, std::move(params), text);
    if (text.empty()) return;
    std::string rest = in_include_ ? include_.substr(include_pos_) : std::string();
    include_tails_.push_back(rest.size());
    include_ = std::move(text) + rest;
    include_pos_ = 0;
    in_include_ = true;
}

// ---------------------------------------------------------------------------
// Symbols

void HtmlReader::NextToken() {
    Token.Clear();
    if (LCh == 0) {
        Sy = Sym::EndOfDocument;
        return;
    }
    if (UCh == '<') {
        ReadTag();
        return;
    }
    if (Preformatted && LCh == CR) {
        Sy = Sym::LineEnd;
        NextChar();
        return;
    }
    if (static_cast<unsigned char>(LCh) >= 9) {
        if (Preformatted)
            ReadPreText();
        else
            ReadText();
        return;
    }
    throw EParseError("Not an HTML or Text document", SourcePos);
}

void HtmlReader::ReadTag() {
    TagPos = SourcePos;
    NextChar();
    bool end_tag = false;
    if (LCh == '/') {
        end_tag = true;
        NextChar();
    } else if (!is_upper_letter(UCh)) {
        Sy = Sym::TextToken;
        Token.AddUnicodeChar(u'<', TagPos);
        return;
    }
    Sy = Sym::UnknownTag;
    std::string name;
    while (is_upper_letter(UCh)) TakeRun(name, kTagNameRun, true, 255);
    const Sym start = TagSymbol(name);
    if (start != Sym::UnknownTag) {
        if (!end_tag)
            Sy = start;
        else if (EndSymbolOf(start) != Sym::None)
            Sy = EndSymbolOf(start);
    }
    SkipWhite();
    HeadingLevel = 0;
    if (start == Sym::H && LCh >= '1' && LCh <= '6') {
        HeadingLevel = LCh - '0';
        NextChar();
    }
    Attributes.Clear();
    scan_href_ = false;
    while (ReadAttribute()) {
    }
    while (LCh != '>' && LCh != 0) NextChar();
    if (LCh == '>' && Sy != Sym::Script && Sy != Sym::Style) NextChar();
}

bool HtmlReader::ReadAttribute() {
    SkipWhite();
    if (!is_upper_letter(UCh)) return false;
    std::string name;
    while (is_upper_letter(UCh) || is_digit(UCh) || UCh == '-') TakeRun(name, kAttrNameRun, true);
    const Sym sym = AttributeSymbol(name);
    SkipWhite();
    int number = sym == Sym::Border ? 1 : 0;
    std::string text;
    if (LCh == '=') {
        NextChar();
        SkipWhite();
        const int cp = CurrentCodePage();
        auto take_until = [&](auto stop, const std::array<bool, 256>& run) {
            while (!stop(LCh)) {
                if (LCh == '&')
                    ReadValueEntity(text, cp);
                else
                    TakeRun(text, run, false);
            }
        };
        double v = 0;
        if (LCh == '"' || LCh == '\'') {
            const char quote = LCh;
            NextChar();
            while (LCh != quote && LCh != 0) {
                if (LCh == '&')
                    ReadValueEntity(text, cp);
                else if (LCh == CR)
                    NextChar();
                else
                    TakeRun(text, kValueRun, false);
            }
            if (LCh == quote) NextChar();
            std::string_view t = TrimView(text);
            if (!t.empty() && t.back() == '%') t.remove_suffix(1);
            if (!pre_scan_ && !t.empty() && (t[0] == '+' || t[0] == '-' || t[0] == '.' || is_digit(t[0])) &&
                parse_number(t, v))
                number = os::round_even(v);
        } else if (LCh == '+' || LCh == '-' || is_digit(LCh)) {
            text += LCh;
            NextChar();
            take_until([](char c) { return c == 0 || c == ' ' || c == CR || c == '%' || c == '>'; },
                       kNumberRun);
            SkipWhite();
            if (!pre_scan_ && parse_number(text, v)) number = os::round_even(v);
            if (LCh == '%') {
                text += '%';
                NextChar();
            }
        } else {
            take_until([](char c) { return c == 0 || c == ' ' || c == CR || c == '>'; }, kBareRun);
        }
    }
    if (pre_scan_) {
        // The first pass only asks whether a tag has an address.
        scan_href_ = scan_href_ || sym == Sym::Href;
        return true;
    }
    if (sym == Sym::ID && !text.empty() && ids_) ids_->AddChPosObject(text, SourcePos);
    Attributes.Add(std::make_unique<TAttribute>(sym, std::move(name), number, std::move(text)));
    return true;
}

void HtmlReader::ReadText() {
    Sy = Sym::TextToken;
    // In a single-byte code page each byte is a character of its own and
    // goes straight into the token.
    text_chars_ = pre_scan_ ? nullptr : SingleByteChars(CurrentCodePage());
    while (static_cast<unsigned char>(LCh) >= 9 && LCh != '<') {
        if (LCh == ' ' || LCh == CR) {
            AddTextChar(' ', SourcePos);
            while (LCh == ' ' || LCh == CR) NextChar();
        } else if (LCh == '&') {
            ReadTextEntity();
        } else {
            TakeTextRun();
        }
    }
    text_chars_ = nullptr;
    FlushText();
}

// Preformatted text: every space kept, up to a line end or a tag.
void HtmlReader::ReadPreText() {
    Sy = Sym::TextToken;
    text_chars_ = pre_scan_ ? nullptr : SingleByteChars(CurrentCodePage());
    while (static_cast<unsigned char>(LCh) >= 9 && LCh != '<' && LCh != CR) {
        if (LCh == '&') {
            ReadTextEntity();
        } else if (LCh == ' ' && CurrentIsTab()) {
            AddTextChar('\t', SourcePos);
            NextChar();
        } else {
            TakeTextRun();
        }
    }
    text_chars_ = nullptr;
    FlushText();
}

bool HtmlReader::CurrentIsTab() const {
    if (LCh != ' ') return false;
    if (in_include_) return include_pos_ > 0 && include_[include_pos_ - 1] == '\t';
    return pos_ > 0 && pos_ <= buffer_.size() && buffer_[pos_ - 1] == '\t';
}

void HtmlReader::TakeTextRun() {
    AddTextChar(LCh, SourcePos);
    const std::size_t n = PlainRun(kTextRun);
    if (text_chars_) {
        for (std::size_t k = 0; k < n; ++k) {
            Token.C.push_back(text_chars_[static_cast<unsigned char>(buffer_[pos_ + k])]);
            Token.I.push_back(SourcePos + 1 + static_cast<int>(k));
        }
    } else if (!pre_scan_) {
        pending_.Chars.append(buffer_, pos_, n);
        for (std::size_t k = 1; k <= n; ++k) pending_.Indices.push_back(SourcePos + static_cast<int>(k));
    }
    SkipRun(n);
    NextChar();
}

// ---------------------------------------------------------------------------
// Character references

// The first pass reads text only to get past it.
void HtmlReader::AddTextChar(char c, int pos) {
    if (text_chars_)
        Token.AddUnicodeChar(text_chars_[static_cast<unsigned char>(c)], pos);
    else if (!pre_scan_)
        pending_.Add(c, pos);
}

void HtmlReader::FlushText() {
    if (pending_.Size() == 0) return;
    Token.AddString(pending_, CurrentCodePage());
    pending_.Clear();
}

int HtmlReader::CurrentCodePage() {
    return host_ ? host_->CodePage() : kSystemCodePage;
}

// A decoded reference in text: tab a space, control characters '?', a
// number below 256 a byte of the page's code page (in a UTF-8 page, where a
// lone byte is no character, the Latin-1 character), anything else the
// character itself.
void HtmlReader::AddTextValue(long value, bool numeric, int pos) {
    if (pre_scan_) return;
    if (value == 9) {
        AddTextChar(' ', pos);
    } else if (value < 32) {
        AddTextChar('?', pos);
    } else if (numeric && value < 256 && (text_chars_ || CurrentCodePage() != kUtf8CodePage)) {
        AddTextChar(static_cast<char>(value), pos);
    } else {
        FlushText();
        for (char16_t u : utf16_of(value)) Token.AddUnicodeChar(u, pos);
    }
}

void HtmlReader::ReadTextEntity() {
    while (LCh == '&') {
        const int amp = SourcePos;
        NextChar();
        if (LCh == '#') {
            const int hash = SourcePos;
            NextChar();
            long value = 0;
            if (UCh == 'X') {
                const int x_pos = SourcePos;
                const char x = LCh;
                NextChar();
                if (hex_value(LCh) < 0) {
                    AddTextChar('&', amp);
                    AddTextChar('#', hash);
                    AddTextChar(x, x_pos);
                    continue;
                }
                for (int d; (d = hex_value(LCh)) >= 0; NextChar())
                    value = std::min(value * 16 + d, kTooLarge);
            } else if (is_digit(LCh)) {
                for (; is_digit(LCh); NextChar()) value = std::min(value * 10 + (LCh - '0'), kTooLarge);
            } else {
                AddTextChar('&', amp);
                AddTextChar('#', hash);
                continue;
            }
            if (LCh == ';') NextChar();
            AddTextValue(value, true, amp);
            continue;
        }
        // A name starts with a letter or digit; anything else leaves the
        // ampersand as text and the character where it stands.
        if (!is_alnum(LCh)) {
            AddTextChar('&', amp);
            continue;
        }
        char name[11];
        int positions[11];
        size_t n = 0;
        while (is_alnum(LCh) && n < 11) {
            name[n] = LCh;
            positions[n++] = SourcePos;
            // The rest of the name straight from the page where it can be.
            const size_t run = std::min(PlainRun(kAlnumRun), 11 - n);
            for (size_t k = 0; k < run; ++k) {
                name[n] = buffer_[pos_ + k];
                positions[n++] = SourcePos + 1 + static_cast<int>(k);
            }
            SkipRun(run);
            NextChar();
        }
        const long value = EntityValue(std::string_view(name, n));
        if (value >= 0) {
            if (LCh == ';') NextChar();
            AddTextValue(value, false, amp);
        } else {
            AddTextChar('&', amp);
            for (size_t k = 0; k < n; ++k) AddTextChar(name[k], positions[k]);
        }
    }
}

namespace {

// The reference rule of attribute values and raw text, over any source of
// characters: `cur()` is the character at hand, `next()` moves past it. The
// source stands on the '&'.
template <class Source>
void read_value_reference(Source& src, std::string& out, int code_page) {
    auto place = [&](long value, bool numeric) {
        if (value == 9)
            out += ' ';
        else if (value < 32)
            out += '?';
        else if (numeric && value < 256 && code_page != kUtf8CodePage)
            out += static_cast<char>(value);
        else
            out += WideToMultibyte(code_page, utf16_of(value));
    };
    src.next(); // past '&'
    if (src.cur() == '#') {
        src.next();
        long value = 0;
        if (src.cur() == 'x' || src.cur() == 'X') {
            const char x = src.cur();
            src.next();
            if (hex_value(src.cur()) < 0) {
                out += "&#";
                out += x;
                return;
            }
            for (int d; (d = hex_value(src.cur())) >= 0; src.next()) value = std::min(value * 16 + d, kTooLarge);
        } else if (is_digit(src.cur())) {
            for (; is_digit(src.cur()); src.next()) value = std::min(value * 10 + (src.cur() - '0'), kTooLarge);
        } else {
            out += "&#";
            return;
        }
        if (src.cur() == ';') src.next();
        place(value, true);
        return;
    }
    std::string name;
    while (is_alnum(src.cur()) && name.size() < 11) {
        name += src.cur();
        src.next();
    }
    const long value = EntityValue(name);
    // Without its ';' only a Latin-1 name counts (so "&euro" stays as written).
    if (value >= 0 && (src.cur() == ';' || value <= 255)) {
        if (src.cur() == ';') src.next();
        place(value, false);
    } else {
        out += '&';
        out += name;
    }
}

} // namespace

void HtmlReader::ReadValueEntity(std::string& out, int code_page) {
    ReadValueEntity(out, code_page, &HtmlReader::NextChar);
}

// `advance` is ReadChar inside a comment (an include's parameters), where
// comments must not be looked for again.
void HtmlReader::ReadValueEntity(std::string& out, int code_page, void (HtmlReader::*advance)()) {
    struct ReaderSource {
        HtmlReader& r;
        void (HtmlReader::*advance)();
        char cur() const { return r.LCh; }
        void next() { (r.*advance)(); }
    } src{*this, advance};
    read_value_reference(src, out, code_page);
}

std::string DecodeValueReferences(std::string_view text, int code_page) {
    struct TextSource {
        std::string_view t;
        size_t i = 0;
        char cur() const { return i < t.size() ? t[i] : '\0'; }
        void next() { ++i; }
    } src{text};
    std::string out;
    while (src.i < text.size()) {
        if (src.cur() == '&') {
            read_value_reference(src, out, code_page);
        } else {
            out += src.cur();
            src.next();
        }
    }
    return out;
}

} // namespace htmlview
