#pragma once
// Text collected while a page is read, each character with the source
// position it came from: 8-bit characters as the page holds them, and the
// UTF-16 token they become.
#include <string>
#include <string_view>
#include <vector>

#include "htmlview/wide_string.h"

namespace htmlview {

class TCharCollection {
  public:
    void Add(char c, int index) {
        Chars.push_back(c);
        Indices.push_back(index);
    }
    void Concat(const TCharCollection& other) {
        Chars += other.Chars;
        Indices.insert(Indices.end(), other.Indices.begin(), other.Indices.end());
    }
    const std::string& AsString() const { return Chars; }
    int Size() const { return static_cast<int>(Chars.size()); }
    void Clear() {
        Chars.clear();
        Indices.clear();
    }

    std::string Chars;
    std::vector<int> Indices;
};

class TokenObj {
  public:
    void AddUnicodeChar(char16_t ch, int index) {
        C.push_back(ch);
        I.push_back(index);
    }
    // Converts `chars` from the code page and appends the result; every
    // UTF-16 unit carries the position of the first byte of the character
    // it came from (both units of a surrogate pair alike).
    void AddString(const TCharCollection& chars, int code_page);
    const WideString& S() const { return C; }
    int Leng() const { return static_cast<int>(C.size()); }
    void Clear() {
        C.clear();
        I.clear();
    }

    WideString C;
    std::vector<int> I;
};

// Appends a line and CR LF to a clipboard text.
void WriteLine(WideString& buffer, WideView text);

} // namespace htmlview
