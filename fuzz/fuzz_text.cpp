// The text routines on any bytes. The input is the text; its first byte also
// picks a separator, a start position and a width, and the text after its
// first NUL (if any) is a pattern to look for.
#include <string>

#include "core/errors.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

namespace {

// The tokenizer's pieces put together: the trimmed text with every run of
// blanks as one blank.
void check_tokens(const std::string& s) {
    ustaw_tekst(s);
    std::string joined, expected;
    for (char c : tekst_do_podzialu)
        if (c != ' ' || expected.empty() || expected.back() != ' ') expected += c;
    for (size_t n = 0;; ++n) {
        fuzz::check(n <= tekst_do_podzialu.size()); // every call moves on
        const std::string w = nastepne_slowo();
        if (w.empty()) break;
        joined += w;
    }
    fuzz::check(joined == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string s = fuzz::as_text(data, size);
    const unsigned char b = size ? data[0] : 0;
    const auto pieces = fuzz::parts(s);
    const std::string& text = pieces[0];
    const std::string pattern = pieces.size() > 1 ? pieces[1] : std::string(1, char(b));

    (void)popraw_interpunkcje(text);
    const std::string plain = usun_znaczniki(text);
    fuzz::check(plain.find_first_of("<>") == std::string::npos);
    static const char* const seps[] = {" ", ",", ";", ".", "!", ":", "-", "", " - ", "=="};
    (void)rozdziel(text, seps[b % std::size(seps)]);
    (void)rozdziel(text, pattern);
    check_tokens(text);

    const int start = static_cast<int>(b % 64) - 8;
    const int at = pos_od(start, text, pattern);
    fuzz::check(at == -1 || (at >= start && text.compare(static_cast<size_t>(at - 1),
                                                         pattern.size(), pattern) == 0));
    const int first = Pos(pattern, text);
    fuzz::check(first == 0 ||
                text.compare(static_cast<size_t>(first - 1), pattern.size(), pattern) == 0);
    (void)Copy(text, start, static_cast<int>(b) - 100);

    (void)formatuj_tekst(text);
    fuzz::check(zamien_rowna(zamien_rowna(text, 1), 1).find('=') == std::string::npos);
    fuzz::check(LowerCase(text).size() == text.size() && UpperCase(text).size() == text.size());
    (void)Trim(text);
    (void)liczba_z_zerami(b % 12, StrToIntDef(text, -1));
    try {
        const int n = na_liczbe(text);
        fuzz::check(Trim(text).empty() ? n == 0 : StrToInt(Trim(text)) == n);
    } catch (const core::ConversionError&) {
    }
    return 0;
}
