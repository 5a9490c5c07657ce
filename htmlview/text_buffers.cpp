#include "htmlview/text_buffers.h"

#include "htmlview/code_pages.h"

namespace htmlview {

void TokenObj::AddString(const TCharCollection& chars, int code_page) {
    const std::string& s = chars.Chars;
    for (size_t i = 0; i < s.size();) {
        const size_t first = i;
        const size_t before = C.size();
        i += DecodeChar(code_page, s, i, C);
        I.insert(I.end(), C.size() - before, chars.Indices[first]);
    }
}

void WriteLine(std::u16string& buffer, std::u16string_view text) {
    buffer += text;
    buffer += u"\r\n";
}

} // namespace htmlview
