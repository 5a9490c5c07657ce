#pragma once
// Code pages of the viewer: 8-bit document text to UTF-16 and back, walking
// multi-byte text character by character, and the Japanese byte conversions
// done on a whole page before it is read.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "htmlview/wide_string.h"

namespace htmlview {

// Code page 0 stands for the system code page; a code page the viewer cannot
// convert falls back to it too. The system is a Central European one.
constexpr int kSystemCodePage = 1250;
constexpr int kUtf8CodePage = 65001;

// Decodes `s` onto `out`. Each character is one UTF-16 unit, or two beyond
// U+FFFF; double-byte code pages are walked by their lead-byte ranges and
// UTF-8 by its sequences. Every unit is given the position of its
// character's first byte (`positions` holds one per byte of `s`). Bytes the
// code page does not define give U+FFFD, except in single-byte code pages,
// where they give the code point of the same number.
void DecodeWithPositions(int code_page, std::string_view s, const int* positions,
                         WideString& out, std::vector<int>& out_positions);

// The 256 characters of a single-byte code page (a code page unknown here
// being the system one), or nullptr for a multi-byte code page.
const char16_t* SingleByteChars(int code_page);

// Whole-text conversions. An empty result for non-empty input (the code page
// unknown here) falls back to the system code page. Characters the code page
// cannot hold become '?'; lone surrogates too.
WideString MultibyteToWide(int code_page, std::string_view s);
std::string WideToMultibyte(int code_page, WideView w);

// Byte conversions to Shift-JIS: ISO-2022-JP (escape sequences switch
// between single and double bytes) and EUC-JP.
std::string JisToShiftJis(std::string_view s);
std::string EucToShiftJis(std::string_view s);

} // namespace htmlview
