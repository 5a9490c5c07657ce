#include "htmlview/wide_string.h"

#include <QChar>
#include <QString>

namespace htmlview {

int WidePos(WideView sub, WideView s) {
    if (sub.empty()) return 0;
    const size_t p = s.find(sub);
    return p == WideView::npos ? 0 : static_cast<int>(p) + 1;
}

const char16_t* WideStrPos(const char16_t* s, const char16_t* sub) {
    if (!s || !sub) return nullptr;
    const WideView text(s), pattern(sub);
    const size_t p = text.find(pattern);
    return p == WideView::npos ? nullptr : s + p;
}

const char16_t* WideStrScan(const char16_t* s, char16_t c) {
    if (!s) return nullptr;
    for (; *s; ++s)
        if (*s == c) return s;
    return c == 0 ? s : nullptr;
}

const char16_t* WideStrRScan(const char16_t* s, char16_t c) {
    if (!s) return nullptr;
    const char16_t* found = nullptr;
    for (; *s; ++s)
        if (*s == c) found = s;
    return c == 0 ? s : found;
}

namespace {

template <class Map>
WideString map_case(WideView s, Map map) {
    WideString r(s);
    for (size_t i = 0; i < r.size(); ++i) {
        const char16_t u = r[i];
        if (QChar::isHighSurrogate(u) && i + 1 < r.size() && QChar::isLowSurrogate(r[i + 1])) {
            const char32_t m = map(QChar::surrogateToUcs4(u, r[i + 1]));
            // Simple mappings stay in their plane; keep the pair otherwise.
            if (QChar::requiresSurrogates(m)) {
                r[i] = QChar::highSurrogate(m);
                r[i + 1] = QChar::lowSurrogate(m);
            }
            ++i;
        } else if (!QChar::isSurrogate(u)) {
            const char32_t m = map(u);
            if (!QChar::requiresSurrogates(m)) r[i] = static_cast<char16_t>(m);
        }
    }
    return r;
}

} // namespace

WideString WideUpperCase(WideView s) {
    return map_case(s, [](char32_t c) { return QChar::toUpper(c); });
}

WideString WideLowerCase(WideView s) {
    return map_case(s, [](char32_t c) { return QChar::toLower(c); });
}

bool WideSameStr(WideView a, WideView b) {
    return a == b;
}

WideString WideTrim(WideView s) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] < 33) ++b;
    while (e > b && s[e - 1] < 33) --e;
    return WideString(s.substr(b, e - b));
}

WideString Utf8ToWide(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toStdU16String();
}

std::string WideToUtf8(WideView s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())).toStdString();
}

} // namespace htmlview
