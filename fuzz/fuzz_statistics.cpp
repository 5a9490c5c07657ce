// The statistics file on any bytes as the rows of the data set's file. The
// bytes after the last whole row choose the run to record: result, exercise
// type, direction and finished flag, and which loaded row names the exercise.
// The reader takes the rows a writer could have made and skips the others.
// The run is recorded, the rows described and the file written back, unless
// it was no whole number of rows or a row was skipped: then it stays as it was.
#include <algorithm>

#include "core/statistics.h"
#include "fuzz/fuzz_support.h"
#include "platform/os/read_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::fresh_start();
    fuzz::write_file(plik_statystyk(), fuzz::as_text(data, size));
    const bool read = czytaj_statystyki();
    const int rows = static_cast<int>(size / TCwInfo::ROZMIAR);
    fuzz::check(ile_cw_info <= std::min(rows, max_cw_info));
    const bool whole = size % TCwInfo::ROZMIAR == 0;
    const bool all_taken = whole && ile_cw_info == rows;
    fuzz::check(read == all_taken);

    const size_t tail = size - size % TCwInfo::ROZMIAR;
    auto param = [&](size_t k) { return tail + k < size ? data[tail + k] : 0; };
    const int result = static_cast<int8_t>(param(0)) * 2;
    const int kind = param(1);
    const int direction = param(2);
    const bool finished = param(3) & 1;
    std::string name = ile_cw_info > 0 ? tab_cw_info[1 + param(4) % ile_cw_info].nazwa : "x";
    if (param(3) & 2) name = " " + name + " "; // names are matched trimmed

    const int before = ile_cw_info;
    (void)zapisz_wynik(result, name, kind, direction, finished);
    fuzz::check(ile_cw_info >= before && ile_cw_info <= max_cw_info);
    (void)opis_statystyki(name);
    fuzz::check(zapisz_statystyki() == all_taken);
    std::string kept;
    if (!all_taken) fuzz::check(os::read_file(plik_statystyk(), kept) && kept == fuzz::as_text(data, size));
    return 0;
}
