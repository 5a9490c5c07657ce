#include "htmlview/text_buffers.h"

#include "htmlview/code_pages.h"

namespace htmlview {

void TokenObj::AddString(const TCharCollection& chars, int code_page) {
    DecodeWithPositions(code_page, chars.Chars, chars.Indices.data(), C, I);
}

void WriteLine(WideString& buffer, WideView text) {
    buffer += text;
    buffer += u"\r\n";
}

} // namespace htmlview
