// Importing from the earlier edition into a full course: 2000 own words of
// the earlier edition, renumbered into the store, and its p.b of 15000
// records (13000 course items and the 2000 own words), each ID looked up.
// The course is the full generated one cut to 13000 items, so the own words
// fit. One run adds the words and replaces the repetition store; the store
// is put back between runs, outside the timing.
// Last line: import_ms=<median>.
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
#include "core/ui_hooks.h"
#include "platform/os/paths.h"
#include "trainer_logic/import_2001.h"

namespace {

namespace fs = std::filesystem;

constexpr int KURS = 13000;
constexpr int SLOWKA = 2000;

void write_earlier_edition(const fs::path& folder) {
    std::vector<std::string> own;
    for (int k = 1; k <= SLOWKA; ++k)
        own.push_back("01 1" + liczba_z_zerami(5, 40000 + k) + " 11 own" + std::to_string(k) +
                      " = wlasne" + std::to_string(k) + " == = = == = = =");
    bench::write_file(folder / "sbusr.txt", own);
    std::string pb;
    unsigned char rec[ROZMIAR_POWTORKI];
    auto add = [&](int id, int k) {
        TPowtorka r;
        r.id = id;
        r.data_ostatnia = 45000;
        r.interwal = 1 + k % 90;
        r.typy[1 + k % 14] = static_cast<uint8_t>(k % 3 ? 2 : 102);
        r.encode(rec);
        pb.append(reinterpret_cast<const char*>(rec), ROZMIAR_POWTORKI);
    };
    for (int i = 1; i <= KURS; ++i)
        add(baza.id_slowa[i], i);
    for (int k = 1; k <= SLOWKA; ++k)
        add(40000 + k, k);
    fs::create_directories(folder / "1");
    std::FILE* f = std::fopen((folder / "1" / "p.b").c_str(), "wb");
    if (!f || std::fwrite(pb.data(), 1, pb.size(), f) != pb.size()) std::exit(1);
    std::fclose(f);
}

// Back to the course alone.
void cut_course(int max_id) {
    for (int i = KURS + 1; i <= baza.ile_slow; ++i)
        baza.wyczysc_pozycje(i);
    baza.ile_slow = KURS;
    baza.max_id = max_id;
    przebuduj_indeks();
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const bench::TempRoot root("vokarin-bench");
    bench::load_full_course(root.path());
    const std::string program = root.program();
    const int max_id = baza.max_id;
    cut_course(max_id);
    sciezka_usera = program + "1/";
    fs::create_directories(sciezka_usera);
    const fs::path earlier = root.path() / "ta2001";
    write_earlier_edition(earlier);
    core::ui().info = [](const std::string&) {};

    std::vector<double> ms;
    int dodane = 0, rekordy = 0;
    for (int r = 0; r < runs; ++r) {
        cut_course(max_id);
        bool ok = false;
        ms.push_back(1000 * bench::seconds([&] {
            MapaId2001 mapa;
            dodane = import_slowek_2001(earlier.string() + "/sbusr.txt", mapa);
            ok = import_powtorek(earlier.string() + "/1/", mapa);
        }));
        rekordy = 0;
        for (int i = 1; i <= ile_powtorek; ++i)
            rekordy += tab_powtorek[i].id > 0 ? 1 : 0;
        if (!ok || dodane != SLOWKA || rekordy != KURS + SLOWKA) {
            std::fprintf(stderr, "bench_import: the import did not take every record\n");
            return 1;
        }
    }
    std::printf("runs=%d course_items=%d own_words=%d records=%d\n", runs, KURS, dodane, rekordy);
    std::printf("import_ms=%.2f\n", bench::median(ms));
    return 0;
}
