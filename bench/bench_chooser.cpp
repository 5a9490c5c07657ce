// Opening the chooser's results-by-group view on a full profile: 10000
// statistics rows, 100 groups, 15000 items with a repetition record each, and
// the demo's pictures.
// One opening reads the statistics file, builds the sections with their
// averages and the first section's sorted exercises, switches to the group
// view (its counts over the whole store) and paints the window once.
// Last line: chooser_open_ms=<median>.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/full_course.h"
#include "bench/temp_root.h"
#include "bench/timing.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/statistics.h"
#include "platform/os/paths.h"
#include "trainer/wybor_zdan_form.h"
#include "platform/ui/fonts.h"

namespace {

namespace fs = std::filesystem;

// Rows of 100 exercises per section in turn, each run in a few types, as a
// long-used profile has them.
void write_statistics() {
    ile_cw_info = 0;
    for (int i = 1; i <= max_cw_info; ++i) {
        TCwInfo& w = tab_cw_info[i];
        const int cwiczenie = (i - 1) / 3; // three run rows per exercise
        const int dzial = 1 + cwiczenie % 99;
        const int kategoria = 1 + cwiczenie % 3;
        w = {};
        w.nazwa = "0" + liczba_z_zerami(2, dzial) + "-" + std::to_string(kategoria) + "-" +
                  std::to_string(cwiczenie);
        w.tytul = "Lekcja " + std::to_string(10000 - cwiczenie);
        w.rodzaj = static_cast<uint8_t>(1 + i % 14);
        w.kategoria = static_cast<uint8_t>(kategoria);
        w.wynik = static_cast<uint8_t>(i * 37 % 101);
        w.uruchomienia = i % 4;
        w.dzial = liczba_z_zerami(2, dzial);
        ile_cw_info = i;
    }
    if (!zapisz_statystyki()) std::exit(1);
}

void fill_records() {
    for (int i = 1; i <= baza.ile_slow; ++i) {
        TPowtorka& r = tab_powtorek[i];
        r.id = baza.id_slowa[i];
        r.interwal = i % 5 == 0 ? 0 : 1 + i % 90;
        r.ile_powtorzen = 1 + i % 5;
    }
    ile_powtorek = baza.ile_slow;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const bench::TempRoot root("vokarin-bench");
    bench::copy_demo(DEMO_PROGRAM_DIR, root, {"gfx_s", "but_s"});
    bench::load_full_course(root.path());
    const std::string program = root.program();
    sciezka_usera = program + "1/";
    fs::create_directories(sciezka_usera);
    ustawienia.domyslne();
    fill_records();
    czytaj_statystyki(); // a new user: saving is allowed from here
    write_statistics();

    int qargc = 1;
    char name[] = "bench_chooser";
    char* qargv[] = {name, nullptr};
    ui::pin_fonts_or_exit();
    QApplication app(qargc, qargv);
    TWyborZdanForm okno;

    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        okno.close();
        QApplication::processEvents();
        const auto t0 = std::chrono::steady_clock::now();
        tryb_wyboru = 2;
        okno.pokaz_widok();
        okno.btnWyniki_powtorekClick();
        okno.repaint();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        if (okno.dzialy().size() != 100 || ile_cw_info != max_cw_info) {
            std::fprintf(stderr, "bench_chooser: the profile did not load whole\n");
            return 1;
        }
    }
    std::printf("runs=%d statistics_rows=%d groups=%zu items=%d\n", runs, ile_cw_info,
                okno.dzialy().size(), baza.ile_slow);
    std::printf("chooser_open_ms=%.2f\n", bench::median(ms));
    return 0;
}
