#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "htmlview/ascii.h"
#include "htmlview/code_pages.h"
#include "htmlview/ids.h"
#include "htmlview/lexer.h"
#include "htmlview/style_model.h"

using namespace htmlview;
namespace fs = std::filesystem;

namespace {

// Stands in for the builder: its base property set, whose code page follows
// the character set of the page.
struct Host : ReaderHost {
    Host() { base.SetCharset(0); }
    int CodePage() override { return base.CodePage; }
    void SetBaseCharset(int charset) override { base.SetCharset(charset); }
    void SetBaseUTF8() override { base.SetUTF8(); }
    TProperties base;
};

// The builder's META handling: a content-type names the character set.
void meta(HtmlReader& r, Host& host) {
    const TAttribute* http = nullptr;
    const TAttribute* content = nullptr;
    if (!r.Attributes.Find(Sym::HttpEquiv, http) || !SameText(http->ValueText, "content-type") ||
        !r.Attributes.Find(Sym::Content, content))
        return;
    const int charset = r.LookupMetaCharset(content->ValueText);
    if (charset >= 0)
        host.SetBaseCharset(charset);
    else if (LowerCase(content->ValueText).find("utf-8") != std::string::npos)
        host.SetBaseUTF8();
}

// Include commands answer from a small table by their first parameter; each
// call is noted.
std::vector<std::string> include_calls;
void include(const std::string& command, std::vector<std::string> params, std::string& text) {
    std::string call = command;
    for (const auto& p : params) call += " [" + p + "]";
    include_calls.push_back(call);
    static const std::map<std::string, std::string> files = {
        {"file=hello", "<b>Hi</b>"},
        {"virtual=nested", "[<!--#include file=\"hello\"-->]"},
        {"file=self", "(<!--#include file=\"self\"-->)"},
    };
    if (command != "include" || params.empty()) return;
    auto it = files.find(params[0]);
    if (it != files.end()) text = it->second;
}

std::string show(const std::u16string& s) {
    std::string out = "\"";
    for (char16_t c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[16];
            std::snprintf(buf, sizeof buf, "\\u{%04X}", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out + "\"";
}

std::string bytes(const std::string& s) {
    std::u16string w;
    for (unsigned char c : s) w += static_cast<char16_t>(c);
    return show(w);
}

// Positions as runs: 3-7,9.
std::string positions(const std::vector<int>& p) {
    std::string out;
    for (size_t i = 0; i < p.size();) {
        size_t j = i;
        while (j + 1 < p.size() && p[j + 1] == p[j] + 1) ++j;
        if (!out.empty()) out += ',';
        out += std::to_string(p[i]);
        if (j > i) out += '-' + std::to_string(p[j]);
        i = j + 1;
    }
    return out;
}

std::string symbol(const HtmlReader& r) {
    const Sym s = r.Sy;
    if (s == Sym::UnknownTag) return "?";
    std::string name(SymbolName(s));
    if (s == Sym::H || s == Sym::HEnd) name += std::to_string(r.HeadingLevel);
    return EndTagName(s).empty() ? name : "/" + name;
}

// One line per symbol: its position, the tag with its attributes (name,
// value text, number) or the text with the position of every character.
std::string dump(const std::string& page, int* links = nullptr, TIDNameList* ids = nullptr,
                 bool includes = true) {
    HtmlReader r;
    Host host;
    r.StartReading(page, &host, ids);
    const int count = r.CountLinks();
    if (links) *links = count;
    r.Restart(includes ? include : IncludeHandler());
    std::ostringstream out;
    try {
        r.NextChar();
        for (r.NextToken(); r.Sy != Sym::EndOfDocument; r.NextToken()) {
            if (r.Sy == Sym::TextToken) {
                out << "text " << show(r.Token.S()) << " @" << positions(r.Token.I) << "\n";
                continue;
            }
            out << "@" << r.TagPos << " <" << symbol(r);
            for (int k = 0; k < r.Attributes.Count(); ++k) {
                const TAttribute* a = r.Attributes[k];
                out << " " << (a->Symbol == Sym::UnknownAttr ? "?" : "") << a->AttrName << "="
                    << bytes(a->ValueText) << "#" << a->ValueNumber;
            }
            out << ">\n";
            if (r.Sy == Sym::Meta) meta(r, host);
        }
        out << "end\n";
    } catch (const EParseError& e) {
        out << "error \"" << e.what() << "\" @" << e.Position << "\n";
    }
    return out.str();
}

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every page of the corpus against its dump. VOKARIN_UPDATE_GOLDEN=1 writes
// the dumps anew (to be read through before they are committed).
TEST(Lexer, CorpusMatchesItsDumps) {
    const fs::path dir = fs::path(FIXTURES_DIR) / "lexer";
    const fs::path out_dir = fs::path(TEST_OUTPUT_DIR) / "htmlview" / "lexer";
    fs::create_directories(out_dir);
    const bool update = std::getenv("VOKARIN_UPDATE_GOLDEN") != nullptr;
    int pages = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() != ".html") continue;
        ++pages;
        const std::string got = dump(read(e.path()));
        fs::path golden = e.path();
        golden.replace_extension(".dump");
        std::ofstream(out_dir / golden.filename(), std::ios::binary) << got;
        if (update) std::ofstream(golden, std::ios::binary) << got;
        EXPECT_EQ(got, read(golden)) << e.path().filename();
    }
    EXPECT_GT(pages, 0);
}

TEST(Lexer, ReadErrorsStopTheParseWithTheirPosition) {
    struct Case {
        std::string page;
        std::string expected_tail;
    };
    const Case cases[] = {
        {"ab\x01" "cd", "text \"ab\" @0-1\nerror \"Not an HTML or Text document\" @2\n"},
        // Comments go while characters are read: the error comes with the
        // token before the comment.
        {"<b>ab<!-- open", "@0 <B>\nerror \"Open Comment at End of HTML File\" @13\n"},
        {"<b>ab<!DOCTYPE", "@0 <B>\nerror \"Open Comment at End of HTML File\" @13\n"},
        {std::string("ab\0\x01", 4), "text \"ab\" @0-1\nend\n"}, // a NUL ends the page
    };
    for (const auto& c : cases) EXPECT_EQ(dump(c.page), c.expected_tail) << c.page;
}

TEST(Lexer, IncludeCommandsGetTheirParameters) {
    include_calls.clear();
    const std::string page = "<!--#echo var=DATE_LOCAL -->a<!--#include virtual='v' "
                             "extra=\"&lt;b&#x3E;\r\nc\" Z\t=\t'q' bare=x-y -->b";
    EXPECT_EQ(dump(page), "text \"ab\" @28,97\nend\n");
    EXPECT_EQ(include_calls, (std::vector<std::string>{
                                 "echo [var=DATE_LOCAL]",
                                 "include [virtual=v] [extra=<b> c] [Z=q] [bare=x]"}));
    // A parameter is read as it stands: no comment or include inside it.
    include_calls.clear();
    dump("<!--#include file=\"a&<!--#echo x-->b\" -->");
    EXPECT_EQ(include_calls, (std::vector<std::string>{"include [file=a&<!--#echo x-->b]"}));
    // Without a handler an include is an ordinary comment.
    include_calls.clear();
    EXPECT_EQ(dump("a<!--#include file=\"hello\"-->b", nullptr, nullptr, false),
              "text \"ab\" @0,29\nend\n");
    EXPECT_TRUE(include_calls.empty());
}

TEST(Lexer, ManyLinksAreCountedUpTo401) {
    auto page = [](int n) {
        std::string p;
        for (int i = 0; i < n; ++i) p += "<a href=x>l</a><a name=n>";
        return p;
    };
    int links = 0;
    dump(page(400), &links);
    EXPECT_EQ(links, 400);
    dump(page(450), &links);
    EXPECT_EQ(links, 401);
    // A read error in the first pass is left to the second.
    EXPECT_EQ(dump("<a href=x>l<!-- open", &links),
              "@0 <A HREF=\"x\"#0>\nerror \"Open Comment at End of HTML File\" @19\n");
    EXPECT_EQ(links, 1);
}

TEST(Lexer, ElementIdsAreRecordedAtTheirSourcePosition) {
    struct Document : TChPosDocument {
        bool YOfSourcePosition(int pos, int& y) override {
            y = pos;
            return true;
        }
    } doc;
    TIDNameList ids(&doc);
    dump("<p id=first>a</p>\n<div ID=\"Second\" >b</div><span id=\"\">", nullptr, &ids);
    EXPECT_EQ(ids.Count(), 2); // not twice for the two passes, and no empty id
    ASSERT_NE(ids.Find("FIRST"), nullptr);
    EXPECT_EQ(ids.Find("FIRST")->GetYPosition(), 11);
    EXPECT_EQ(ids.Find("second")->GetYPosition(), 34);
}

TEST(Lexer, PlainTextKeepsCommentsAndFoldsLineEnds) {
    HtmlReader r;
    Host host;
    r.StartReading("a<!-- b -->\r\nc\n\rd\r\r\te", &host, nullptr, true);
    std::string chars;
    for (r.NextChar(); r.LCh != 0; r.NextChar()) chars += r.LCh;
    EXPECT_EQ(chars, "a<!-- b -->\rc\rd\r\r e");
}

TEST(Lexer, ProgressIsAShareOfTheWholePage) {
    struct Counting : Host {
        int ProgressShare() override { return 75; }
        void Progress(int v) override { values.push_back(v); }
        std::vector<int> values;
    } host;
    HtmlReader r;
    r.StartReading(std::string(3 * 4096, 'x'), &host, nullptr);
    r.CountLinks(); // quiet
    EXPECT_TRUE(host.values.empty());
    r.Restart(nullptr);
    r.NextChar();
    r.NextToken();
    EXPECT_EQ(host.values, (std::vector<int>{25, 50, 75}));
}

} // namespace
