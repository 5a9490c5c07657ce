// The exercise lists and interlude sets on any bytes. The input, cut at NUL
// bytes, gives in turn the built-in exercise list, the own list, the hand-off
// ID list, an interlude file (b1.txt) and the data file "prz.txt" an interlude
// file may name; the part after them names the exercise to load. Bad numbers
// are reported and skipped; the lists keep within their bounds.
#include "core/exercises.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/line_file.h"

namespace {

void check_list() {
    fuzz::check(ile_w_liscie >= 0 && ile_w_liscie <= MAX_LISTA);
    for (int k = 1; k <= ile_w_liscie; ++k)
        fuzz::check(lista_id[k] >= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::fresh_start();
    const auto pieces = fuzz::parts(fuzz::as_text(data, size));
    const std::string files[] = {plik_cwiczen(), plik_cwiczen_usera(),
                                 sciezka_programu + "slow.txt", sciezka_programu + "b1.txt",
                                 sciezka_programu + "prz.txt"};
    for (size_t k = 0; k < pieces.size() && k < std::size(files); ++k)
        fuzz::write_file(files[k], pieces[k]);
    const size_t last = std::size(files);

    // The first exercises of both lists by their own names, then the one the
    // input names.
    for (const std::string& list : {plik_cwiczen(), plik_cwiczen_usera()}) {
        const std::vector<std::string> lines = os::read_lines(list);
        for (size_t n = 0; n < lines.size() && n < 8; ++n) {
            czytaj_cwiczenie(pole_linii(lines[n], 2));
            check_list();
        }
    }
    if (pieces.size() > last) {
        czytaj_cwiczenie(pieces[last]);
        check_list();
    }

    czytaj_liste_id(sciezka_programu + "slow.txt");
    check_list();

    wczytaj_przerywniki();
    for (int k = 1; k <= MAX_PRZERYWNIKOW; ++k) {
        const TPrzerywnik& p = przerywniki[k];
        fuzz::check(p.okres >= 1 && p.ile >= 0);
        fuzz::check(p.ile <= (p.rodzaj == PRZ_SENTENCJE ? MAX_SENTENCJI : MAX_OBRAZKOW));
        const auto rows = static_cast<size_t>(p.ile) + 1;
        if (p.rodzaj == PRZ_SENTENCJE)
            fuzz::check(p.sentencja.size() == rows && p.nagranie.size() == rows &&
                        p.tlumaczenie.size() == rows && p.opis.size() == rows);
        else if (p.rodzaj == PRZ_OBRAZKI_1 || p.rodzaj == PRZ_OBRAZKI_2)
            fuzz::check(p.kod.size() == rows && p.opis.size() == rows);
    }
    return 0;
}
