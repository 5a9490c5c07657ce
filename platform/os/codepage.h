#pragma once
// Windows-1250 and Windows-1252 text, converted only where text meets the
// screen, the keyboard, the clipboard or a file name.
#include <string>
#include <string_view>
#include <vector>

namespace os {

std::string cp1250_to_utf8(std::string_view s);
std::string utf8_to_cp1250(std::string_view s); // unmappable characters become '?'
std::string cp1252_to_utf8(std::string_view s);
std::string utf8_to_cp1252(std::string_view s);

// By font character set: 238 Windows-1250, 0 Windows-1252.
std::string to_utf8(std::string_view s, int charset);
std::string from_utf8(std::string_view s, int charset);

// A piece of 8-bit text in one character set. A text that joins fields of
// both languages (a foreign word and its Polish translation) is a list of
// pieces, each shown, copied and printed in its own set.
struct TextPart {
    std::string text;
    int charset = 238;
};
using PartedText = std::vector<TextPart>;

// Each piece by its own set, joined.
std::string to_utf8(const PartedText& parts);
// The pieces' bytes joined.
std::string joined(const PartedText& parts);

bool is_valid_utf8(std::string_view s);

// Decodes one UTF-8 sequence at s[i] and advances i. Malformed input
// (overlong, surrogate, truncated, above U+10FFFF) gives -1 and skips one byte.
long next_code_point(std::string_view s, size_t& i);
void append_utf8(std::string& out, char32_t c);

// Polish text written in the sources (UTF-8) as the 8-bit text the data uses.
inline std::string pl(std::string_view utf8) {
    return utf8_to_cp1250(utf8);
}

// A path of the system (UTF-8) as it joins a text of the programs
// (Windows-1250). A name that is not UTF-8 is kept as its bytes.
std::string path_text(std::string_view path);

// Upper and lower case of Windows-1250 bytes (ASCII and the accented letters).
std::string lower_1250(std::string_view s);
std::string upper_1250(std::string_view s);

} // namespace os
