// Load and save times of the two large learner files: a full repetition store
// p.b (15000 records) and a full statistics file (10000 rows). Prints the
// median of several runs; the last line holds the four figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/temp_root.h"
#include "bench/timing.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/statistics.h"

namespace {

constexpr int RUNS = 21;

double median_ms(const std::function<void()>& step) {
    std::vector<double> ms;
    for (int run = 0; run < RUNS; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        step();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return bench::median(ms);
}

void fill_store() {
    for (int i = 1; i <= MAX_SLOW; ++i)
        baza.id_slowa[i] = i < 10000 ? i : 50000 + i;
    baza.ile_slow = MAX_SLOW;
    przebuduj_indeks();
    for (int i = 1; i <= MAX_POWTOREK; ++i) {
        TPowtorka& r = tab_powtorek[i];
        r.id = baza.id_slowa[i];
        r.data_pierwsza = 44000 + i % 300;
        r.data_ostatnia = r.data_pierwsza + 20;
        r.ile_powtorzen = 1 + i % 7;
        r.interwal = 1 + i % 1200;
        r.poprzedni_interwal = i % 600;
        r.wspolczynnik = 1.0 + (i % 20) / 10.0;
        for (int t = 1; t <= 14; ++t)
            r.typy[t] = static_cast<uint8_t>((i + t) % 3);
        flagi_powtorek[i][1 + i % 14] = true;
    }
    ile_powtorek = MAX_POWTOREK;
}

void fill_statistics() {
    for (int i = 1; i <= max_cw_info; ++i) {
        TCwInfo& row = tab_cw_info[i];
        char name[32];
        std::snprintf(name, sizeof name, "%c%02d%02d%d_cw%05d", i % 4 == 0 ? '2' : '1', i % 90,
                      i % 60, i % 10, i);
        row.nazwa = name;
        row.tytul = "Exercise title number " + std::to_string(i);
        row.rodzaj = static_cast<uint8_t>(i % 3 == 0 ? CW_SLOWKA : 1 + i % 14);
        row.data = 44000 + i % 500;
        row.wynik = static_cast<uint8_t>(i % 101);
        row.uruchomienia = i % 40;
        row.ukonczone = static_cast<uint8_t>(i % 2);
        row.dzial = "dzial";
    }
    ile_cw_info = max_cw_info;
}

} // namespace

int main() {
    const bench::TempRoot root("bench-learner");
    sciezka_usera = root.path().string() + "/";
    kod_zestawu = "tas_40";

    if (!wczytaj_powtorki()) return 1; // a new user: saving is allowed from here
    fill_store();

    bool ok = true;
    const double pb_save = median_ms([&] { ok = zapisz_powtorki() && ok; });
    const double pb_load = median_ms([&] { ok = wczytaj_powtorki() && ok; });
    const int loaded = ile_powtorek;

    czytaj_statystyki(); // no file yet: saving is allowed from here
    fill_statistics();
    const double cw_save = median_ms([&] { ok = zapisz_statystyki() && ok; });
    const double cw_load = median_ms([] { czytaj_statystyki(); });
    const int rows = ile_cw_info;

    std::printf("p.b: %d records, %lld bytes; cw_info: %d rows; median of %d runs\n", loaded,
                static_cast<long long>(loaded) * ROZMIAR_POWTORKI, rows, RUNS);
    std::printf("pb_load_ms=%.2f pb_save_ms=%.2f cwinfo_load_ms=%.2f cwinfo_save_ms=%.2f\n",
                pb_load, pb_save, cw_load, cw_save);
    return ok && loaded == MAX_POWTOREK && rows == max_cw_info ? 0 : 1;
}
