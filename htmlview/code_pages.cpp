#include "htmlview/code_pages.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/os/codepage.h"

namespace htmlview {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::uint32_t kNoBytes = 0xFFFFFFFFu;

enum class Kind { Single, Double, Utf8 };

// One code page, decoded through tables built once from iconv: single bytes,
// and for double-byte pages every lead byte with every trail byte.
struct Codec {
    Kind kind = Kind::Single;
    const char* iconv_name = nullptr;
    std::array<char16_t, 256> single{};
    std::array<bool, 256> lead{};
    std::vector<char16_t> pairs; // (lead << 8 | trail), U+FFFD where undefined
    // UTF-16 unit -> bytes (one, or lead << 8 | trail), built on first use.
    std::vector<std::uint32_t> encode;
};

struct Page {
    int code_page;
    const char* iconv_name;
    Kind kind;
};

constexpr std::array<Page, 19> kPages = {{
    {1, "CP852", Kind::Single}, // the system's OEM code page
    {2, "MAC-CENTRALEUROPE", Kind::Single},
    {874, "CP874", Kind::Single},
    {932, "CP932", Kind::Double},
    {936, "CP936", Kind::Double},
    {949, "CP949", Kind::Double},
    {950, "CP950", Kind::Double},
    {1250, "CP1250", Kind::Single},
    {1251, "CP1251", Kind::Single},
    {1252, "CP1252", Kind::Single},
    {1253, "CP1253", Kind::Single},
    {1254, "CP1254", Kind::Single},
    {1255, "CP1255", Kind::Single},
    {1256, "CP1256", Kind::Single},
    {1257, "CP1257", Kind::Single},
    {1258, "CP1258", Kind::Single},
    {1361, "CP1361", Kind::Double},
    {28592, "ISO-8859-2", Kind::Single},
    {kUtf8CodePage, nullptr, Kind::Utf8},
}};

bool in(int b, int lo, int hi) {
    return b >= lo && b <= hi;
}

// Lead bytes of the double-byte code pages.
bool is_lead(int code_page, int b) {
    switch (code_page) {
    case 932: return in(b, 0x81, 0x9F) || in(b, 0xE0, 0xFC);
    case 936:
    case 949:
    case 950: return in(b, 0x81, 0xFE);
    case 1361: return in(b, 0x84, 0xD3) || in(b, 0xD8, 0xDE) || in(b, 0xE0, 0xF9);
    default: return false;
    }
}

class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input from a clean state, flushing what the
    // converter holds back; false when any of it fails.
    bool convert(const char* in, size_t in_len, char* out, size_t& out_len) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        char* dst = out;
        size_t room = out_len;
        if (iconv(cd_, &src, &in_len, &dst, &room) == static_cast<size_t>(-1) || in_len != 0)
            return false;
        if (iconv(cd_, nullptr, nullptr, &dst, &room) == static_cast<size_t>(-1)) return false;
        out_len = out_len - room;
        return true;
    }

  private:
    iconv_t cd_;
};

// One character of the code page as one UTF-16 unit, or U+FFFD.
char16_t decode_with(Iconv& cv, const char* bytes, size_t n) {
    char out[16];
    size_t len = sizeof out;
    if (!cv.convert(bytes, n, out, len) || len != 4) return kReplacement;
    std::uint32_t c = static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8 |
                      static_cast<unsigned char>(out[2]) << 16 |
                      static_cast<std::uint32_t>(static_cast<unsigned char>(out[3])) << 24;
    return c <= 0xFFFF ? static_cast<char16_t>(c) : kReplacement;
}

std::unique_ptr<Codec> build(const Page& page) {
    auto c = std::make_unique<Codec>();
    c->kind = page.kind;
    c->iconv_name = page.iconv_name;
    if (page.kind == Kind::Utf8) return c;
    Iconv cv("UTF-32LE", page.iconv_name);
    if (!cv.ok()) return nullptr;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        c->lead[b] = page.kind == Kind::Double && is_lead(page.code_page, b);
        char16_t u = c->lead[b] ? kReplacement : decode_with(cv, &byte, 1);
        // Single-byte pages: an undefined byte keeps its own number.
        if (u == kReplacement && page.kind == Kind::Single) u = static_cast<char16_t>(b);
        c->single[b] = u;
    }
    if (page.kind == Kind::Double) {
        c->pairs.assign(0x10000, kReplacement);
        for (int l = 0; l < 256; ++l) {
            if (!c->lead[l]) continue;
            for (int t = 0x20; t < 256; ++t) {
                const char two[2] = {static_cast<char>(l), static_cast<char>(t)};
                c->pairs[l << 8 | t] = decode_with(cv, two, 2);
            }
        }
    }
    return c;
}

const Codec& codec_for(int code_page) {
    static std::map<int, std::unique_ptr<Codec>> built;
    static int last_page = -1;
    static const Codec* last = nullptr;
    if (code_page == last_page && last) return *last;
    const int asked = code_page;
    if (code_page == 0) code_page = kSystemCodePage;
    auto it = built.find(code_page);
    if (it == built.end()) {
        std::unique_ptr<Codec> c;
        for (const Page& p : kPages)
            if (p.code_page == code_page) c = build(p);
        it = built.emplace(code_page, std::move(c)).first;
    }
    // A code page that cannot be converted here: the system code page.
    const Codec* result = it->second ? it->second.get() : &codec_for(kSystemCodePage);
    last_page = asked;
    last = result;
    return *result;
}

void append_code_point(WideString& out, long c) {
    if (c < 0) {
        out += kReplacement;
    } else if (c > 0xFFFF) {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<char16_t>(c);
    }
}

size_t decode(const Codec& c, std::string_view s, size_t i, WideString& out) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    switch (c.kind) {
    case Kind::Single: out += c.single[b]; return 1;
    case Kind::Utf8: {
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            return 1;
        }
        size_t j = i;
        append_code_point(out, os::next_code_point(s, j));
        return j - i;
    }
    case Kind::Double:
        if (!c.lead[b]) {
            out += c.single[b];
            return 1;
        }
        if (i + 1 < s.size()) {
            const unsigned char t = static_cast<unsigned char>(s[i + 1]);
            const char16_t u = c.pairs[b << 8 | t];
            // An undefined pair whose second byte is ASCII leaves that byte
            // to stand on its own.
            if (u != kReplacement || t >= 0x80) {
                out += u;
                return 2;
            }
        }
        out += kReplacement;
        return 1;
    }
    return 1;
}

const std::vector<std::uint32_t>& encode_table(const Codec& cc) {
    Codec& c = const_cast<Codec&>(cc);
    if (!c.encode.empty()) return c.encode;
    c.encode.assign(0x10000, kNoBytes);
    // Walk from the top so that where two byte forms give one character the
    // lowest form wins.
    if (c.kind == Kind::Double)
        for (int v = 0xFFFF; v >= 0x100; --v)
            if (c.lead[v >> 8] && c.pairs[v] != kReplacement) c.encode[c.pairs[v]] = v;
    for (int b = 255; b >= 0; --b)
        if (!c.lead[b] && !(c.kind == Kind::Double && c.single[b] == kReplacement))
            c.encode[c.single[b]] = b;
    return c.encode;
}

} // namespace

const char16_t* SingleByteChars(int code_page) {
    const Codec& c = codec_for(code_page);
    return c.kind == Kind::Single ? c.single.data() : nullptr;
}

void DecodeWithPositions(int code_page, std::string_view s, const int* positions,
                         WideString& out, std::vector<int>& out_positions) {
    const Codec& c = codec_for(code_page);
    for (size_t i = 0; i < s.size();) {
        const size_t first = i;
        const size_t before = out.size();
        i += decode(c, s, i, out);
        for (size_t k = before; k < out.size(); ++k) out_positions.push_back(positions[first]);
    }
}

WideString MultibyteToWide(int code_page, std::string_view s) {
    const Codec& c = codec_for(code_page);
    WideString out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();)
        i += decode(c, s, i, out);
    return out;
}

std::string WideToMultibyte(int code_page, WideView w) {
    const Codec& c = codec_for(code_page);
    std::string out;
    out.reserve(w.size());
    for (size_t i = 0; i < w.size(); ++i) {
        char32_t u = w[i];
        const bool high = u >= 0xD800 && u <= 0xDBFF;
        const bool low = u >= 0xDC00 && u <= 0xDFFF;
        if (high && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (w[i + 1] - 0xDC00);
            ++i;
        } else if (high || low) {
            out += '?';
            continue;
        }
        if (c.kind == Kind::Utf8) {
            os::append_utf8(out, u);
            continue;
        }
        const std::uint32_t bytes = u <= 0xFFFF ? encode_table(c)[u] : kNoBytes;
        if (bytes == kNoBytes) {
            out += '?';
        } else {
            if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
            out += static_cast<char>(bytes & 0xFF);
        }
    }
    return out;
}

namespace {

// A JIS X 0208 row and cell as a Shift-JIS pair.
void append_shift_jis(std::string& out, unsigned row, unsigned cell) {
    const unsigned lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
    unsigned trail;
    if (row & 1)
        trail = cell + 0x1F + (cell >= 0x60 ? 1 : 0);
    else
        trail = cell + 0x7E;
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

} // namespace

std::string JisToShiftJis(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    bool two = false;
    const size_t n = s.size();
    for (size_t i = 0; i < n;) {
        const unsigned b = static_cast<unsigned char>(s[i]) & 0x7F;
        if (b == 0x1B && i + 2 < n) {
            const unsigned b1 = static_cast<unsigned char>(s[i + 1]) & 0x7F;
            const unsigned b2 = static_cast<unsigned char>(s[i + 2]) & 0x7F;
            if (b1 == 0x28 && (b2 == 0x42 || b2 == 0x4A)) {
                two = false;
                i += 3;
                continue;
            }
            if (b1 == 0x24 && (b2 == 0x40 || b2 == 0x42)) {
                two = true;
                i += 3;
                continue;
            }
        }
        if (!two) {
            out += static_cast<char>(b);
            ++i;
        } else if (i + 1 < n && (static_cast<unsigned char>(s[i + 1]) & 0x7F) != 0x1B) {
            append_shift_jis(out, b, static_cast<unsigned char>(s[i + 1]) & 0x7F);
            i += 2;
        } else {
            // Half a pair before an escape or at the end: nothing to pair it with.
            out += '?';
            ++i;
        }
    }
    return out;
}

std::string EucToShiftJis(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    int row = -1; // first half of a pair, waiting for its second
    for (char ch : s) {
        const unsigned b = static_cast<unsigned char>(ch);
        if (b < 0xA1) {
            // Half a pair that a single byte interrupts stands for nothing
            // that can be shown; it is kept as a '?' so the length holds.
            if (row >= 0) out += '?';
            row = -1;
            out += ch;
        } else if (row < 0) {
            row = static_cast<int>(b & 0x7F);
        } else {
            append_shift_jis(out, static_cast<unsigned>(row), b & 0x7F);
            row = -1;
        }
    }
    if (row >= 0) out += '?';
    return out;
}

} // namespace htmlview
