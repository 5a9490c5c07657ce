// Times the start-up and the loading of a full-size course: 10000 words,
// 5000 sentences, 15000 links and 100 groups in a temporary program folder.
// Last line: load_ms=<median> rss_mb=<peak>.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/full_course.h"
#include "bench/temp_root.h"
#include "bench/timing.h"
#include "core/items.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const bench::TempRoot root("vokarin-bench");
    bench::lay_out_full_course(root.path());
    os::set_program_folder(root.program());

    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        start_programu();
        wczytaj_dane();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        if (baza.ile_slowek != 10000 || baza.ile_slow != 15000 || ile_powiazan != 15000 ||
            ile_grup != 100 || os::terminate_requested()) {
            std::fprintf(stderr, "unexpected load: %d words, %d items, %d links, %d groups\n",
                         baza.ile_slowek, baza.ile_slow, ile_powiazan, ile_grup);
            return 1;
        }
        std::printf("run %d: %.2f ms\n", r + 1, ms.back());
    }

    const double median = bench::median(ms);
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("load_ms=%.1f rss_mb=%.1f\n", median, ru.ru_maxrss / 1024.0);
    return 0;
}
