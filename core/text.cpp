#include "core/text.h"

#include <chrono>
#include <thread>

#include "core/errors.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"

namespace {

bool is_trim_char(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool is_delimiter(char c) {
    return c == '%' || c == ',' || c == '<' || c == '>' || c == '@' || c == '^';
}

std::string replace_all(std::string_view s, char what, std::string_view with) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == what)
            out += with;
        else
            out += c;
    }
    return out;
}

} // namespace

std::string Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

std::string TrimLeft(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && is_trim_char(s[b]))
        ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && is_trim_char(s[e - 1]))
        --e;
    return std::string(s.substr(0, e));
}

std::string Copy(std::string_view s, int start, int count) {
    if (start < 1) start = 1;
    if (count <= 0 || start > static_cast<int>(s.size())) return {};
    return std::string(s.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

int Pos(std::string_view pattern, std::string_view s) {
    if (pattern.empty()) return 0;
    size_t p = s.find(pattern);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string IntToStr(long long n) {
    return std::to_string(n);
}

namespace {

// Strict decimal parse of the whole text; false on anything else or overflow.
bool parse_int(std::string_view s, int& out) {
    size_t i = 0;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        neg = s[i] == '-';
        ++i;
    }
    if (i == s.size()) return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (neg) v = -v;
    if (v > 2147483647LL || v < -2147483648LL) return false;
    out = static_cast<int>(v);
    return true;
}

} // namespace

int StrToInt(std::string_view s) {
    int v = 0;
    if (!parse_int(s, v))
        throw core::ConversionError(core::cytat(s) + " is not a valid integer value");
    return v;
}

int StrToIntDef(std::string_view s, int def) {
    int v = 0;
    return parse_int(s, v) ? v : def;
}

std::string LowerCase(std::string_view s) {
    return os::lower_1250(s);
}
std::string UpperCase(std::string_view s) {
    return os::upper_1250(s);
}

int pos_od(int start, std::string_view text, std::string_view pattern) {
    if (pattern.empty() || text.empty()) return -1;
    if (start < 1 || start > static_cast<int>(text.size())) return -1;
    size_t p = text.find(pattern, static_cast<size_t>(start - 1));
    return p == std::string_view::npos ? -1 : static_cast<int>(p) + 1;
}

std::string liczba_z_zerami(int width, long long n) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), '0');
    return s;
}

int na_liczbe(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty()) return 0;
    return StrToInt(t);
}

StanTekstu stan_tekstu;
std::string& tekst_do_podzialu = stan_tekstu.tekst_do_podzialu;
int& pozycja_tekstu = stan_tekstu.pozycja_tekstu;

void wyczysc_tekst() {
    stan_tekstu = {};
}

void ustaw_tekst(std::string_view s) {
    tekst_do_podzialu = Trim(s);
    pozycja_tekstu = 1;
}

std::string nastepne_slowo() {
    const std::string& t = tekst_do_podzialu;
    const int n = static_cast<int>(t.size());
    if (pozycja_tekstu < 1) pozycja_tekstu = 1;
    if (pozycja_tekstu > n) return {};
    char c = t[pozycja_tekstu - 1];
    if (c == ' ') {
        while (pozycja_tekstu <= n && t[pozycja_tekstu - 1] == ' ')
            ++pozycja_tekstu;
        return " ";
    }
    if (is_delimiter(c)) {
        ++pozycja_tekstu;
        return std::string(1, c);
    }
    int start = pozycja_tekstu;
    while (pozycja_tekstu <= n && t[pozycja_tekstu - 1] != ' ' &&
           !is_delimiter(t[pozycja_tekstu - 1]))
        ++pozycja_tekstu;
    return t.substr(static_cast<size_t>(start - 1), static_cast<size_t>(pozycja_tekstu - start));
}

std::string rozdziel(std::string_view s, std::string_view sep) {
    if (sep.empty()) return std::string(s);
    std::string out;
    if (sep == " ") {
        // Every run of blanks becomes one blank.
        size_t i = 0;
        while (i < s.size()) {
            size_t j = s.find(' ', i);
            if (j == std::string_view::npos) j = s.size();
            std::string piece = Trim(s.substr(i, j - i));
            if (!piece.empty()) {
                if (!out.empty()) out += ' ';
                out += piece;
            }
            i = j + 1;
        }
        return out;
    }
    // The separator goes directly after each piece but the last, one blank after it.
    size_t i = 0;
    for (;;) {
        size_t j = s.find(sep, i);
        if (j == std::string_view::npos) {
            out += Trim(s.substr(i));
            break;
        }
        out += Trim(s.substr(i, j - i));
        out += sep;
        out += ' ';
        i = j + sep.size();
    }
    return Trim(out);
}

std::string popraw_interpunkcje(std::string_view s) {
    std::string t = Trim(s);
    for (const char* sep : {" ", ",", ";", ".", "!", ":", "-"})
        t = rozdziel(t, sep);
    return t;
}

std::string usun_znaczniki(std::string_view s) {
    std::string t;
    t.reserve(s.size());
    for (char c : s)
        if (c != '<' && c != '>') t += c;
    return rozdziel(t, " ");
}

std::string formatuj_tekst(std::string_view s) {
    return replace_all(replace_all(s, '<', "^"), '>', "</i>");
}

std::string zamien_rowna(std::string_view s, int mode) {
    return mode == 1 ? replace_all(s, '=', "#") : replace_all(s, '#', "=");
}

void czekaj(int ms) {
    if (ms <= 0) return;
    const int64_t end = os::ticks_ms() + ms;
    while (os::ticks_ms() < end) {
        if (core::ui().process_events) core::ui().process_events();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
