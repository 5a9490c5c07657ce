#pragma once
// Code pages of the viewer: 8-bit document text to UTF-16 and back, walking
// multi-byte text character by character, and the Japanese byte conversions
// done on a whole page before it is read.
#include <cstddef>
#include <string>
#include <string_view>

namespace htmlview {

// Code page 0 stands for the system code page; a code page the viewer cannot
// convert falls back to it too. The system is a Central European one.
constexpr int kSystemCodePage = 1250;
constexpr int kUtf8CodePage = 65001;

// Length in bytes of the character that starts at s[i] (1 .. 4, never past
// the end): double-byte code pages by their lead-byte ranges, UTF-8 by its
// sequences (a malformed byte counts alone).
std::size_t CharLength(int code_page, std::string_view s, std::size_t i);

// Decodes one character at s[i] into `out` (one UTF-16 unit, or two for a
// character beyond U+FFFF) and returns its length in bytes. Bytes the code
// page does not define give U+FFFD, except in single-byte code pages, where
// they give the code point of the same number.
std::size_t DecodeChar(int code_page, std::string_view s, std::size_t i, std::u16string& out);

// Whole-text conversions. An empty result for non-empty input (the code page
// unknown here) falls back to the system code page. Characters the code page
// cannot hold become '?'; lone surrogates too.
std::u16string MultibyteToWide(int code_page, std::string_view s);
std::string WideToMultibyte(int code_page, std::u16string_view w);

// Byte conversions to Shift-JIS: ISO-2022-JP (escape sequences switch
// between single and double bytes) and EUC-JP.
std::string JisToShiftJis(std::string_view s);
std::string EucToShiftJis(std::string_view s);

} // namespace htmlview
