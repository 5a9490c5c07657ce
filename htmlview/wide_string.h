#pragma once
// The viewer's wide (UTF-16) text and the small routines over it.
#include <string>
#include <string_view>

namespace htmlview {

using WideString = std::u16string;
using WideView = std::u16string_view;

// 1-based position of `sub` in `s`; 0 when absent (and for an empty `sub`).
int WidePos(WideView sub, WideView s);
// The same on zero-terminated text: the first occurrence of `sub`, of `c`,
// and the last occurrence of `c` (nullptr when absent).
const char16_t* WideStrPos(const char16_t* s, const char16_t* sub);
const char16_t* WideStrScan(const char16_t* s, char16_t c);
const char16_t* WideStrRScan(const char16_t* s, char16_t c);

// Simple (one-to-one) case mapping: the result has the length of the input.
WideString WideUpperCase(WideView s);
WideString WideLowerCase(WideView s);
bool WideSameStr(WideView a, WideView b);
// Removes the characters below 33 at both ends.
WideString WideTrim(WideView s);

constexpr int IntMin(int a, int b) {
    return a < b ? a : b;
}
constexpr int IntMax(int a, int b) {
    return a > b ? a : b;
}

// UTF-8 text (as the tests and the tools write it) to wide text and back;
// invalid bytes become U+FFFD.
WideString Utf8ToWide(std::string_view s);
std::string WideToUtf8(WideView s);

} // namespace htmlview
