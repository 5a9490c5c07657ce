// The course-file readers on any bytes. The input, cut at NUL bytes, gives in
// turn the word file, the sentence file, the links, the groups, the
// learner's comments and the correction data. A malformed number ends a
// course file's read with core::RunTimeError; the learner's files keep such a
// line as they read it; nothing else may go wrong, and the store keeps within
// its bounds.
#include <functional>

#include "core/errors.h"
#include "core/items.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

namespace {

void read(const std::function<void()>& reader) {
    try {
        reader();
    } catch (const core::RunTimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::fresh_start();
    fuzz::empty_store();
    const char* names[] = {"sba_slow.txt", "zda.txt",      "coneca.txt",
                           "gta_s.txt",    "kom_user.txt", "korekta_dane.txt"};
    const auto pieces = fuzz::parts(fuzz::as_text(data, size));
    for (size_t k = 0; k < pieces.size() && k < std::size(names); ++k)
        fuzz::write_file(fuzz::program() + names[k], pieces[k]);

    read([] { wczytaj_slowka(sciezka_programu + "sba_slow.txt"); });
    baza.ile_slowek = baza.ile_slow;
    read([] { wczytaj_zdania(sciezka_programu + "zda.txt"); });
    fuzz::check(baza.ile_slow >= 0 && baza.ile_slow <= MAX_SLOW);
    for (int i = 1; i <= baza.ile_slow; ++i) {
        fuzz::check(baza.id_slowa[i] >= 1);
        fuzz::check(znajdz_slowko(baza.id_slowa[i]) >= 1);
        (void)opis_slowa(i);
    }
    przygotuj_zdania();

    read(wczytaj_powiazania);
    fuzz::check(ile_powiazan >= 0 && ile_powiazan <= MAX_POWIAZAN);
    read(wczytaj_grupy);
    fuzz::check(ile_grup >= 0 && ile_grup <= MAX_GRUP);

    // The learner's files: a line the reader does not take is kept as it was
    // read (the damaged original beside the file), so the reads never fail
    // on a readable file and the comments are always written back.
    wczytaj_komentarze();
    fuzz::check(zapisz_komentarze());
    czytaj_korekte();
    return 0;
}
