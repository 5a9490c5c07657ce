#pragma once
// The HTML reader: turns the bytes of one page into symbols for the document
// builder — a tag with its attributes, a text token of UTF-16 characters each
// with its source position, or the end of the document. It folds line ends,
// removes comments, expands server-side includes, decodes character
// references and does the byte-level character-set work (the UTF-8
// signature, ISO-2022-JP and EUC-JP to Shift-JIS).
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "htmlview/ascii.h"
#include "htmlview/attributes.h"
#include "htmlview/symbols.h"
#include "htmlview/text_buffers.h"

namespace htmlview {

class TIDNameList;

// A page the reader cannot go on with: an unclosed comment, a control byte
// where a token starts. `Position` is the source position reached.
class EParseError : public std::runtime_error {
  public:
    EParseError(const std::string& message, int position)
        : std::runtime_error(message), Position(position) {}
    int Position;
};

// What the reader asks of the builder and the viewer during a parse.
class ReaderHost {
  public:
    // Code page of the property set that text read now belongs to.
    virtual int CodePage() = 0;
    // The page's bytes turned out to be Shift-JIS (character set 128) or
    // UTF-8: the base property set follows.
    virtual void SetBaseCharset(int charset) = 0;
    virtual void SetBaseUTF8() = 0;
    // Progress of the read as a figure of 0 .. `share`; 0 asks for none.
    virtual int ProgressShare() { return 0; }
    virtual void Progress(int value) {}

  protected:
    ~ReaderHost() = default;
};

// A server-side include: the command, its "name=value" parameters, and the
// text to read in its place (left empty: nothing is inserted).
using IncludeHandler = std::function<void(const std::string& command,
                                          std::vector<std::string> params, std::string& text)>;

class HtmlReader {
  public:
    // Includes nest at most this deep; deeper ones are read as comments.
    static constexpr int kMaxIncludeDepth = 16;
    // The pre-scan stops counting links here.
    static constexpr int kLinkCountLimit = 401;

    // Resets everything for one page. The text is cut at its first NUL.
    // `ids` receives element ids (none: not recorded).
    void StartReading(std::string text, ReaderHost* host, TIDNameList* ids,
                      bool plain_text = false);
    // First pass: counts A start tags with HREF, up to the limit; read
    // errors end it quietly.
    int CountLinks();
    // Back to the start for the pass that builds the page.
    void Restart(IncludeHandler on_include);
    // Drops the page text at the end of a parse.
    void Finish();

    void NextChar() {
        // Most bytes of a page need none of the work of line ends, tabs,
        // comments, includes, progress or the end.
        if (!in_include_ && pos_ < buffer_.size() && ((pos_ + 1) & 4095) != 0) {
            const char b = buffer_[pos_];
            if (kPlainBytes[static_cast<unsigned char>(b)]) {
                ++pos_;
                ++SourcePos;
                line_end_ = 0;
                LCh = b;
                UCh = UpperChar(b);
                return;
            }
        }
        NextCharSlow();
    }
    void NextToken();
    void SkipWhite();

    // Character set of a META content (or a FONT CHARSET) by the table of
    // names, -1 when none matches. EUC-JP converts the rest of the page to
    // Shift-JIS (once) and answers 128.
    int LookupMetaCharset(std::string_view content);

    // For the builder's raw readers (preformatted text, text areas): a
    // reference at the current '&' decoded into the text being collected, or
    // into 8-bit text of a code page.
    void ReadTextEntity();
    void ReadValueEntity(std::string& out, int code_page);
    // Hands the 8-bit characters collected so far to the token.
    void FlushText();
    // The style sheet of a STYLE element is read through the line-folding
    // reader, comments left to the sheet's parser: the next character, and
    // the raw byte after the current one.
    char ReadRawChar() {
        ReadChar();
        return LCh;
    }
    char PeekRawChar() const { return static_cast<char>(PeekSourceByte()); }
    // The current character, a space, was a tab in the page (tabs read as
    // spaces; preformatted text sets them at tab stops).
    bool CurrentIsTab() const;

    // While set, text keeps its spaces, and a line end is a symbol of its
    // own (LineEnd): preformatted text.
    bool Preformatted = false;

    // The current symbol and what came with it.
    Sym Sy = Sym::None;
    int TagPos = 0;
    int HeadingLevel = 0;
    TAttributeList Attributes;
    TokenObj Token;

    // The current character after line-end folding (0 at the end), and upper-cased.
    char LCh = 0;
    char UCh = 0;
    int SourcePos = -1;

    // Filled by the builder's head elements, read by the viewer after a parse.
    std::string Title;
    std::string Base;
    std::string BaseTarget;

  private:
    static constexpr std::array<bool, 256> kPlainBytes = [] {
        std::array<bool, 256> t{};
        for (int b = 0; b < 256; ++b) t[b] = b != 0 && b != '\t' && b != '\n' && b != '\r' && b != '<';
        return t;
    }();

    void NextCharSlow();
    // Count of the bytes after the current one that `plain` allows and that
    // can be taken straight from the buffer (none from include text, none
    // past the next progress report).
    std::size_t PlainRun(const std::array<bool, 256>& plain) const;
    // Takes them: the last one is current afterwards.
    void SkipRun(std::size_t n);
    // Appends the current character and the run after it that `plain`
    // allows (upper-cased when asked, `out` kept within `limit`), then reads on.
    void TakeRun(std::string& out, const std::array<bool, 256>& plain, bool upper,
                 std::size_t limit = std::string::npos);
    int ReadSourceByte();
    int PeekSourceByte() const;
    void ReadChar();
    void SkipToTagEnd();
    void SkipCommentBody();
    void ProcessInclude();
    int IncludeDepth();
    void ReadTag();
    bool ReadAttribute();
    void ReadText();
    void ReadPreText();
    // Takes the current character and the plain run of text after it.
    void TakeTextRun();
    void ReadValueEntity(std::string& out, int code_page, void (HtmlReader::*advance)());
    void AddTextChar(char c, int pos);
    void AddTextValue(long value, bool numeric, int pos);
    int CurrentCodePage();

    // The page and where reading stands in it.
    std::string buffer_;
    std::size_t pos_ = 0;
    std::size_t start_ = 0;
    bool converted_ = false;
    // Include text, read before the rest of the page while active.
    std::string include_;
    std::size_t include_pos_ = 0;
    bool in_include_ = false;
    // For each open include: the count of include bytes after its own text.
    std::vector<std::size_t> include_tails_;

    int line_end_ = 0; // 0 none, 1 after a CR, 2 after an LF
    bool in_comment_ = false;
    bool plain_text_ = false;
    bool pre_scan_ = false;
    bool scan_href_ = false; // the first pass's tag has an HREF

    ReaderHost* host_ = nullptr;
    TIDNameList* ids_ = nullptr;
    IncludeHandler on_include_;
    TCharCollection pending_; // 8-bit text not yet converted into the token
    const char16_t* text_chars_ = nullptr; // while text of a single-byte code page is read
};

// Character references of raw text (a text area's) decoded by the rule of
// attribute values into 8-bit text of a code page.
std::string DecodeValueReferences(std::string_view text, int code_page);

} // namespace htmlview
