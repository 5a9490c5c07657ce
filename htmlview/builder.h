#pragma once
// Reading a page into a document: the reader's symbols become text
// sections in cells, blocks for paragraphs, headings and divisions, links
// and anchors, while a stack of property sets (one per open element) gives
// the style of whatever is added next. The head elements (TITLE, BASE,
// META, LINK, STYLE, BGSOUND) are carried out on the way.
#include <functional>
#include <string>
#include <vector>

#include "htmlview/document.h"
#include "htmlview/lexer.h"

namespace htmlview {

// The viewer's events a parse calls.
struct TReadHandlers {
    std::function<void(const std::string& http_equiv, const std::string& name, const std::string& content)> OnMeta;
    std::function<void(const std::string& rel, const std::string& rev, const std::string& href)> OnLink;
    std::function<void(const std::string& src, int loop, bool terminate)> OnSoundRequest;
    IncludeHandler OnInclude;
    std::function<void(const std::string& name, const std::string& language, const std::string& script)> OnScript;
    // A linked style sheet by the name the viewer's expansion gave; false
    // leaves it to be read as a file.
    std::function<bool(const std::string& src, std::string& text)> OnStreamRequest;
    // The viewer's hook that may replace a reference's name.
    std::function<void(const std::string& src, std::string& expanded)> OnNameExpand;
};

// What the viewer takes from the page after a parse (title as UTF-8).
struct TReadResult {
    std::string Title;
    std::string Base;
    std::string BaseTarget;
};

// Reads an HTML page into an empty document. A page the reader cannot go on
// with raises EParseError; what was read so far stays in the document.
void ReadHtmlDocument(const std::string& text, TSectionList& doc, const TReadHandlers& handlers,
                      TReadResult& result);

// Reads a plain-text document: every line a preformatted section, in the
// document's default character set; no character is markup.
void ReadTextDocument(const std::string& text, TSectionList& doc);

} // namespace htmlview
