// Closing a run: the scheduler over a full 300-item run against a store of
// 15000 records (levelling on crowded days included), then p.b written
// through the atomic replace. Prints the median of several runs; the last
// line holds the two figures.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/temp_root.h"
#include "bench/timing.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "trainer_logic/scheduler.h"

namespace {

constexpr int RUNS = 31;
constexpr double TODAY = 45500;

double ms_of(const std::function<void()>& step) { return bench::seconds(step) * 1000.0; }

// Every index in use, most records due within the next weeks so the days the
// run's items land on are crowded and the levelling has work to do.
void fill_store() {
    for (int i = 1; i <= MAX_SLOW; ++i)
        baza.id_slowa[i] = i < 10000 ? i : 50000 + i;
    baza.ile_slow = MAX_SLOW;
    przebuduj_indeks();
    for (int i = 1; i <= MAX_POWTOREK; ++i) {
        TPowtorka& r = tab_powtorek[i];
        r.id = baza.id_slowa[i];
        r.ile_powtorzen = 1 + i % 7;
        r.interwal = 1 + i % 60;
        r.data_ostatnia = TODAY - i % 30;
        r.data_pierwsza = r.data_ostatnia - 200;
        r.poprzedni_interwal = r.interwal / 2;
        r.wspolczynnik = 1.0 + (i % 20) / 10.0;
        r.kosz = i % 97 == 0;
        for (int t = 1; t <= TYPOW_POWTORKI; ++t)
            r.typy[t] = static_cast<uint8_t>((i + t) % 3);
    }
    ile_powtorek = MAX_POWTOREK;
}

// 300 positions spread over the store; a tenth of them new items (their
// records emptied), a mix of right, wrong and unfinished slots.
TPlan make_plan() {
    TPlan plan;
    plan.ile_w_planie = MAX_LISTA;
    for (int k = 1; k <= MAX_LISTA; ++k) {
        const int i = 1 + (k * 47) % MAX_POWTOREK;
        plan.pozycje_planu[static_cast<size_t>(k)] = i;
        if (k % 10 == 0) tab_powtorek[i] = TPowtorka{};
        TPlanSlowka& w = plan.plan_cwiczenia[static_cast<size_t>(k)];
        w.typ[6] = {0, 1 + k % 3, 1};
        w.typ[1] = {k % 5 == 0 ? 1 : 0, 1, static_cast<uint8_t>(k % 5 != 0)};
        if (k % 4 == 0) w.typ[9] = {0, 2, 1};
    }
    return plan;
}

} // namespace

int main() {
    const bench::TempRoot root("bench-schedule");
    sciezka_usera = root.path().string() + "/";
    kod_zestawu = "tas_40";
    if (!wczytaj_powtorki()) return 1; // a new user: saving is allowed from here

    fill_store();
    const TPlan plan = make_plan();
    const auto before = std::make_unique<TabelaPowtorek>(tab_powtorek);
    const TUstawieniaPowtorek settings;

    std::vector<double> schedule, save;
    bool ok = true;
    for (int run = 0; run < RUNS; ++run) {
        tab_powtorek = *before;
        int count = MAX_POWTOREK;
        schedule.push_back(ms_of(
            [&] { Wyznacz_powtorki(plan, baza, tab_powtorek, count, settings, TODAY); }));
        save.push_back(ms_of([&] { ok = zapisz_powtorki() && ok; }));
    }
    int moved = 0;
    for (int k = 1; k <= MAX_LISTA; ++k) {
        const int i = plan.pozycje_planu[static_cast<size_t>(k)];
        moved += tab_powtorek[i].data_ostatnia == TODAY;
    }
    const auto bytes = std::filesystem::file_size(root.path() / "p.b");

    std::printf("%d items scheduled against %d records; p.b %lld bytes; median of %d runs\n",
                moved, MAX_POWTOREK, static_cast<long long>(bytes), RUNS);
    std::printf("schedule_ms=%.3f save_ms=%.3f\n", bench::median(schedule), bench::median(save));
    return ok && moved == MAX_LISTA ? 0 : 1;
}
