#include "htmlview/url.h"

#include "htmlview/ascii.h"

namespace htmlview {

namespace {

constexpr size_t npos = std::string::npos;

std::string_view before_query(std::string_view s) {
    const size_t q = s.find('?');
    return q == npos ? s : s.substr(0, q);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::string BaseOfUrl(std::string_view url) {
    const std::string s(before_query(TrimView(url)));
    const size_t slashes = s.find("//");
    // Without "//" the whole text is searched, so a leading "/" counts.
    const size_t from = slashes == npos ? 0 : slashes + 2;
    const size_t last = s.rfind('/');
    if (last != npos && last >= from) return s.substr(0, last + 1);
    return s + "/";
}

bool IsAbsoluteUrl(std::string_view url) {
    const std::string_view s = before_query(url);
    const size_t scheme = s.find("://");
    if (scheme != npos && scheme < s.find('/')) return true;
    return LowerCase(s).find("mailto:") != npos;
}

std::string ProtocolOfUrl(std::string_view url) {
    const std::string_view s = before_query(url);
    if (s.empty()) return std::string();
    const size_t scheme = s.find("://");
    if (scheme != npos) return LowerCase(s.substr(0, scheme));
    if (s[0] == '/') return "http";
    if (SameText(s.substr(0, 5), "http:")) return "http";
    if (SameText(s.substr(0, 7), "mailto:")) return "mailto";
    return std::string();
}

std::string CombineUrl(std::string_view base_in, std::string_view relative_in) {
    std::string base = Trim(base_in);
    const std::string protocol = ProtocolOfUrl(base);
    size_t root;
    if (base.compare(0, 8, "file:///") == 0) {
        root = base.find('/', 8);
    } else if (const size_t scheme = base.find("://"); scheme != npos) {
        root = base.find('/', scheme + 3);
    } else {
        root = base.find('/');
    }
    if (base.empty() || base.back() != '/') base += '/';
    if (root == npos) root = base.size() - 1;

    const std::string relative = Trim(relative_in);
    std::string r;
    if (relative.empty() || relative[0] != '/') {
        r = base + relative;
    } else if (relative.compare(0, 2, "//") == 0) {
        r = protocol == "file" ? "file:///" + relative : protocol + ":" + relative;
        root = r.size(); // nothing of a base is kept
        if (const size_t scheme = r.find("://"); scheme != npos) {
            const size_t after = r.find('/', scheme + 3);
            root = after == npos ? r.size() : after;
        }
    } else {
        r = base.substr(0, root + 1) + relative.substr(1);
    }

    // "/./" first, so a "./" never hides a "../" from the rule below.
    for (size_t q; (q = r.find("/./")) != npos;) {
        r.erase(q + 1, 2);
        if (q + 1 <= root && root >= 2) root -= 2;
    }
    for (size_t q; (q = r.find("/../")) != npos;) {
        if (q > root) {
            const size_t prev = r.rfind('/', q - 1);
            if (prev == npos) break;
            r.erase(prev + 1, q + 4 - (prev + 1));
        } else {
            r.erase(q + 1, 3);
        }
    }
    return r;
}

std::string DecodeEscapes(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i >= 1 && i + 2 < s.size()) {
            const int hi = hex_digit(s[i + 1]), lo = hex_digit(s[i + 2]);
            if (hi >= 0 && lo >= 0 && (hi | lo) != 0) {
                r += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        r += s[i];
    }
    return r;
}

std::string UrlToFileName(std::string_view url, std::string_view base) {
    std::string s = DecodeEscapes(url);
    if (s.find('/') != npos) {
        // "file://" goes; the "/" after it too when a drive follows
        // ("file:///C|/doc"), so a rooted path ("file:///home/doc") stays rooted.
        const std::string lower = LowerCase(s);
        if (const size_t p = lower.find("file://"); p != npos) {
            s.erase(p, 7);
            if (s.size() > p + 2 && s[p] == '/' && (s[p + 2] == ':' || s[p + 2] == '|')) s.erase(p, 1);
        }
        for (char& c : s) {
            if (c == '|')
                c = ':';
            else if (c == '/')
                c = '\\';
        }
    }
    s = Trim(s);
    if (!s.empty() && s[0] != '\\' && s.find(':') == npos) s = std::string(base) + s;
    return s;
}

} // namespace htmlview
