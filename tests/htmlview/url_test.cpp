#include "htmlview/url.h"

#include <gtest/gtest.h>

namespace {

using namespace htmlview;

TEST(Url, BaseOfUrl) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://host/dir/page.html", "http://host/dir/"},
        {"http://host", "http://host/"},
        {"  http://host/a/b/c.css?x=/y/z ", "http://host/a/b/"}, // a "/" in the query is no folder
        {"file:///C:/doc/a/s.css", "file:///C:/doc/a/"},
        {"dir/sub/page.html", "dir/sub/"},
        {"/x", "/"},           // a leading "/" is a folder too
        {"/srv/help/x.css", "/srv/help/"},
        {"page.html", "page.html/"},
        {"", "/"},
    };
    for (const auto& [url, want] : cases) EXPECT_EQ(BaseOfUrl(url), want) << url;
}

TEST(Url, AbsoluteAndProtocol) {
    const struct {
        const char* url;
        bool absolute;
        const char* protocol;
    } cases[] = {
        {"http://host/x", true, "http"},
        {"HTTPS://host/x", true, "https"},
        {"dir/http://x", false, "dir/http"}, // a "/" before the "://"
        {"mailto:someone@host", true, "mailto"},
        {"MailTo:x", true, "mailto"},
        {"Mail me: mailto:x", true, ""},
        {"/root/page.html", false, "http"},
        {"HTTP:page", false, "http"},
        {"page.html?go=http://x", false, ""}, // the query is not looked at
        {"page.html", false, ""},
        {"", false, ""},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(IsAbsoluteUrl(k.url), k.absolute) << k.url;
        EXPECT_EQ(ProtocolOfUrl(k.url), k.protocol) << k.url;
    }
}

TEST(Url, CombineUrl) {
    const struct {
        const char* base;
        const char* relative;
        const char* want;
    } cases[] = {
        {"file:///C:/doc/a/", "../c.css", "file:///C:/doc/c.css"},
        {"file:///C:/doc/a/", "/c.css", "file:///C:/c.css"},
        {"file:///C:/doc/a/", "./s.css", "file:///C:/doc/a/s.css"},
        {"file:///C:/", "../../x", "file:///C:/x"}, // never above the root
        {"http://host/a/b/", "//cdn/x.css", "http://cdn/x.css"},
        {"file:///C:/a/", "//server/x", "file://///server/x"},
        {"http://host/a/b/", "c/../../d.css", "http://host/a/d.css"},
        {"http://host/a/b", "x.css", "http://host/a/b/x.css"}, // the base always ends in "/"
        {"http://host", "x.css", "http://host/x.css"},
        {"http://host", "../../x.css", "http://host/x.css"},
        {"http://host/a/b/", "./../x.css", "http://host/a/x.css"}, // "./" first, then "../"
        {"http://host/a/b/", "././x/./y.css", "http://host/a/b/x/y.css"},
        {"  http://host/a/ ", "  x.css ", "http://host/a/x.css"},
        {"dir/", "../../../x", "dir/x"}, // the first folder is the root
        {"", "x.css", "/x.css"},
    };
    for (const auto& k : cases) EXPECT_EQ(CombineUrl(k.base, k.relative), k.want) << k.base << " + " << k.relative;
}

TEST(Url, EscapesAndFileNames) {
    const std::pair<const char*, const char*> escapes[] = {
        {"a%20b", "a b"},
        {"%41bc", "%41bc"},  // not at the first position
        {"a%2541", "a%41"},  // one pass: a decoded "%" starts nothing
        {"a%zz%4", "a%zz%4"}, // not two hexadecimal digits: kept, no error
        {"a%00b", "a%00b"},  // no NUL in a name
        {"x%C4%85", "x\xC4\x85"},
        {"a%", "a%"},
    };
    for (const auto& [in, want] : escapes) EXPECT_EQ(DecodeEscapes(in), want) << in;

    const struct {
        const char* url;
        const char* base;
        const char* want;
    } names[] = {
        {"file:///C|/doc/help/page.html", "\\base\\", "C:\\doc\\help\\page.html"},
        {"FILE://C:/x.html", "\\base\\", "C:\\x.html"},
        {"file:///home/help/p.html", "\\base\\", "\\home\\help\\p.html"},
        {"img/a%20b.gif", "\\base\\", "\\base\\img\\a b.gif"},
        {"  page.html ", "htm_sk\\", "htm_sk\\page.html"},
        {"\\\\server\\share\\x", "\\base\\", "\\\\server\\share\\x"},
        {"C:\\x", "\\base\\", "C:\\x"},
        {"", "\\base\\", ""},
    };
    for (const auto& k : names) EXPECT_EQ(UrlToFileName(k.url, k.base), k.want) << k.url;
}

} // namespace
