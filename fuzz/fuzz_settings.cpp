// The settings file on any bytes. Whatever was read, written back and read
// again gives the same settings (the run counter one up, the multiplier to
// two decimals).
#include <climits>
#include <cmath>

#include "core/errors.h"
#include "core/settings.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::fresh_start();
    fuzz::write_file(plik_ustawien(), fuzz::as_text(data, size));
    try {
        czytaj_ustawienia();
    } catch (const core::RunTimeError&) {
        // A bad line keeps its default; the rest was read.
    }
    const TUstawienia first = ustawienia;
    fuzz::check(first.mnoznik >= 1.0 && first.mnoznik <= 4.0);

    fuzz::check(zapisz_ustawienia());
    czytaj_ustawienia(); // our own file: must not throw
    for (int n = 1; n <= LINII_USTAWIEN; ++n) {
        if (n == 39 || n == 40) continue;
        const int expected =
            n == 51 ? (first.linia[51] == INT_MAX ? INT_MAX : first.linia[51] + 1) : first.linia[n];
        fuzz::check(ustawienia.linia[n] == expected);
    }
    fuzz::check(std::fabs(ustawienia.mnoznik - first.mnoznik) <= 0.0051);
    return 0;
}
