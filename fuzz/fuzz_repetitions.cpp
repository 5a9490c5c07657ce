// The repetition store on any bytes as p.b, over a small item store.
// Input: byte 0 is the length n of the p.i text that follows it; byte 1 holds
// the restore flag (bit 0) and the record count of settings line 52 (the
// rest); the remaining bytes are p.b. Then the store is written to a backup
// file, which must work unless the load blocked writes, and a reload of that
// file gives the same records, and sets aside the same records of items the
// store lacks.
#include <algorithm>
#include <array>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/line_file.h"

namespace {

constexpr std::array<int32_t, 6> ID = {1, 2, 3, 101, 60001, 60002};

void small_store() {
    for (size_t k = 0; k < ID.size(); ++k) {
        const int i = static_cast<int>(k) + 1;
        baza.id_slowa[i] = ID[k];
        baza.slowo_obce[i] = "item";
    }
    baza.ile_slow = static_cast<int>(ID.size());
    baza.ile_slowek = 4;
    przebuduj_indeks();
}

// No record can lie beyond the small store, so only its part is emptied.
void empty_records() {
    for (size_t i = 0; i <= ID.size(); ++i) {
        tab_powtorek[i] = TPowtorka{};
        flagi_powtorek[i].fill(false);
    }
    ile_powtorek = 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t info_len = std::min<size_t>(data[0], size - 2);
    const bool restore = data[1] & 1;
    fuzz::fresh_start();
    fuzz::empty_store();
    small_store();
    empty_records();
    ustawienia.linia[52] = data[1] >> 1;
    // What earlier loads decided (the records are emptied above).
    stan_powtorek.plik = {};
    stan_powtorek.kopia_zablokowana = stan_powtorek.baza_niepelna = false;
    stan_powtorek.info_nieczytelne = false;
    stan_powtorek.bez_pozycji.clear();
    fuzz::write_file(sciezka_usera + "p.i",
                     std::string_view(reinterpret_cast<const char*>(data + 2), info_len));
    fuzz::write_file(
        sciezka_usera + "p.b",
        std::string_view(reinterpret_cast<const char*>(data + 2 + info_len), size - 2 - info_len));

    (void)wczytaj_powtorki_z("p.b", restore);
    fuzz::check(ile_powtorek >= 0 && ile_powtorek <= baza.ile_slow);
    std::array<int32_t, ID.size() + 1> loaded{};
    for (int i = 1; i <= baza.ile_slow; ++i) {
        const TPowtorka& r = tab_powtorek[i];
        fuzz::check(r.id == 0 || znajdz_slowko(r.id) == i);
        loaded[static_cast<size_t>(i)] = r.id;
        (void)powtorka_na_dzis(i, 45000.0);
    }
    (void)ile_na_dzis();

    const bool blocked = zapis_powtorek_zablokowany();
    const bool written = zapisz_powtorki_do("kopia.b");
    fuzz::check(written == !blocked);
    if (!written) return 0;
    fuzz::check(os::read_lines(sciezka_usera + "p.i").size() <= MAX_INFO_POWTOREK);

    const std::string aside = stan_powtorek.bez_pozycji;
    empty_records();
    (void)wczytaj_powtorki_z("kopia.b", false); // tells of the records set aside again
    for (int i = 1; i <= baza.ile_slow; ++i)
        fuzz::check(tab_powtorek[i].id == loaded[static_cast<size_t>(i)]);
    fuzz::check(stan_powtorek.bez_pozycji == aside);
    return 0;
}
