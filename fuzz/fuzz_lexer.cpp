// The HTML reader on any bytes, both passes, with includes (one command
// includes the text of its first parameter, another includes itself) and the
// builder's META switch of the code page; then the same bytes as a plain-text
// page and through the code-page conversions. Beyond "no crash": every token
// character carries a position inside the page, in order; tags start inside
// the page; single-byte code pages give the bytes back.
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "htmlview/code_pages.h"
#include "htmlview/ids.h"
#include "htmlview/lexer.h"
#include "htmlview/style_model.h"

namespace {

using namespace htmlview;

constexpr int kPages[] = {1252, 1250, 1251, 932, 936, 949, 950, 1361, kUtf8CodePage, 28592, 874, 1258};
constexpr int kSingleByte[] = {1252, 1250, 1251, 28592, 874};

struct Host : ReaderHost {
    int CodePage() override { return base.CodePage; }
    void SetBaseCharset(int charset) override { base.SetCharset(charset); }
    void SetBaseUTF8() override { base.SetUTF8(); }
    int ProgressShare() override { return 75; }
    void Progress(int v) override { fuzz::check(v >= 0 && v <= 75); }
    TProperties base;
};

struct Document : TChPosDocument {
    bool YOfSourcePosition(int pos, int& y) override {
        y = pos;
        return true;
    }
};

void include(const std::string& command, std::vector<std::string> params, std::string& text) {
    if (command == "self") {
        text = "<!--#self-->x";
    } else if (!params.empty()) {
        const size_t eq = params[0].find('=');
        text = params[0].substr(eq + 1);
    }
}

void check_token(const TokenObj& t, int page_size) {
    fuzz::check(t.C.size() == t.I.size());
    int last = -1;
    for (int p : t.I) {
        fuzz::check(p >= last && p < page_size);
        last = p;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string page = fuzz::as_text(data, size);
    const int page_size = static_cast<int>(page.size());
    Host host;
    host.base.CodePage = kPages[size % std::size(kPages)];
    Document doc;
    TIDNameList ids(&doc);
    HtmlReader r;
    r.StartReading(page, &host, &ids);
    fuzz::check(r.CountLinks() <= HtmlReader::kLinkCountLimit);
    r.Restart(include);
    try {
        r.NextChar();
        for (r.NextToken(); r.Sy != Sym::EndOfDocument; r.NextToken()) {
            check_token(r.Token, page_size);
            if (r.Sy == Sym::TextToken) continue;
            fuzz::check(r.TagPos >= 0 && r.TagPos < page_size);
            const TAttribute* content = nullptr;
            if (r.Sy == Sym::Meta && r.Attributes.Find(Sym::Content, content)) {
                const int charset = r.LookupMetaCharset(content->ValueText);
                if (charset >= 0) host.SetBaseCharset(charset);
            }
        }
    } catch (const EParseError& e) {
        fuzz::check(e.Position >= -1 && e.Position <= page_size);
    }
    r.Finish();

    r.StartReading(page, &host, nullptr, true);
    for (r.NextChar(); r.LCh != 0; r.NextChar()) {
    }

    const std::string cut = page.substr(0, page.find('\0'));
    for (int cp : kSingleByte) fuzz::check(WideToMultibyte(cp, MultibyteToWide(cp, cut)) == cut);
    (void)WideToMultibyte(host.base.CodePage, MultibyteToWide(kPages[page.size() % std::size(kPages)], cut));
    fuzz::check(EucToShiftJis(cut).size() == cut.size());
    (void)JisToShiftJis(cut);
    return 0;
}
