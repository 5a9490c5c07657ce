#include "platform/os/codepage.h"

#include <array>
#include <cstdint>

namespace os {

namespace {

// Unicode code points of bytes 0x80..0xFF. A byte the code page leaves
// undefined maps to the C1 control of the same value, so every byte survives
// a round trip.
constexpr std::array<char32_t, 128> kCp1250 = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    // 0xA0
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    // 0xB0
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    // 0xC0
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    // 0xD0
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    // 0xE0
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    // 0xF0
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

constexpr std::array<char32_t, 128> kCp1252 = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
    // 0xA0
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, //
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, //
    // 0xC0
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, //
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, //
    // 0xD0
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, //
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, //
    // 0xE0
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, //
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, //
    // 0xF0
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, //
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, //
};

using Table = std::array<char32_t, 128>;

} // namespace

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

long next_code_point(std::string_view s, size_t& i) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    int len;
    char32_t c;
    char32_t min;
    if ((b & 0xE0) == 0xC0) {
        len = 2, c = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, c = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, c = b & 0x07, min = 0x10000;
    } else {
        ++i;
        return -1;
    }
    if (i + len > s.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k < len; ++k) {
        unsigned char t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += len;
    return static_cast<long>(c);
}

namespace {

std::string to_utf8_by(std::string_view s, const Table& table) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (char ch : s) {
        unsigned char b = static_cast<unsigned char>(ch);
        append_utf8(out, b < 0x80 ? b : table[b - 0x80]);
    }
    return out;
}

char byte_for(long c, const Table& table) {
    if (c >= 0 && c < 0x80) return static_cast<char>(c);
    for (size_t k = 0; k < table.size(); ++k)
        if (table[k] == static_cast<char32_t>(c)) return static_cast<char>(0x80 + k);
    return '?';
}

std::string from_utf8_by(std::string_view s, const Table& table) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size())
        out += byte_for(next_code_point(s, i), table);
    return out;
}

// Case pairs of Windows-1250 beyond ASCII: upper, lower.
constexpr std::array<std::array<unsigned char, 2>, 10> kCasePairs1250 = {{
    {0x8A, 0x9A}, // Š š
    {0x8C, 0x9C}, // Ś ś
    {0x8D, 0x9D}, // Ť ť
    {0x8E, 0x9E}, // Ž ž
    {0x8F, 0x9F}, // Ź ź
    {0xA3, 0xB3}, // Ł ł
    {0xA5, 0xB9}, // Ą ą
    {0xAA, 0xBA}, // Ş ş
    {0xAF, 0xBF}, // Ż ż
    {0xBC, 0xBE}, // Ľ ľ
}};

unsigned char lower_byte(unsigned char b) {
    if (b >= 'A' && b <= 'Z') return b + 32;
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return b + 32;
    for (const auto& p : kCasePairs1250)
        if (p[0] == b) return p[1];
    return b;
}

unsigned char upper_byte(unsigned char b) {
    if (b >= 'a' && b <= 'z') return b - 32;
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return b - 32;
    for (const auto& p : kCasePairs1250)
        if (p[1] == b) return p[0];
    return b;
}

// The mapping of every byte, worked out once: case changes run over long
// columns of text (the dictionary's search).
template <unsigned char (*F)(unsigned char)> std::string map_bytes(std::string_view s) {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<size_t>(b)] = F(static_cast<unsigned char>(b));
        return t;
    }();
    std::string out(s);
    for (char& ch : out)
        ch = static_cast<char>(table[static_cast<unsigned char>(ch)]);
    return out;
}

} // namespace

std::string cp1250_to_utf8(std::string_view s) {
    return to_utf8_by(s, kCp1250);
}
std::string utf8_to_cp1250(std::string_view s) {
    return from_utf8_by(s, kCp1250);
}
std::string cp1252_to_utf8(std::string_view s) {
    return to_utf8_by(s, kCp1252);
}
std::string utf8_to_cp1252(std::string_view s) {
    return from_utf8_by(s, kCp1252);
}

std::string to_utf8(std::string_view s, int charset) {
    return charset == 0 ? cp1252_to_utf8(s) : cp1250_to_utf8(s);
}

std::string from_utf8(std::string_view s, int charset) {
    return charset == 0 ? utf8_to_cp1252(s) : utf8_to_cp1250(s);
}

std::string to_utf8(const PartedText& parts) {
    std::string out;
    for (const TextPart& p : parts)
        out += to_utf8(p.text, p.charset);
    return out;
}

std::string joined(const PartedText& parts) {
    std::string out;
    for (const TextPart& p : parts)
        out += p.text;
    return out;
}

std::string path_text(std::string_view path) {
    return is_valid_utf8(path) ? utf8_to_cp1250(path) : std::string(path);
}

bool is_valid_utf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size())
        if (next_code_point(s, i) < 0) return false;
    return true;
}

std::string lower_1250(std::string_view s) {
    return map_bytes<lower_byte>(s);
}
std::string upper_1250(std::string_view s) {
    return map_bytes<upper_byte>(s);
}

} // namespace os
