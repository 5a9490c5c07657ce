// Times the dictionary on a full-size course (10000 words, 5000 sentences):
// a substring search without case over both columns, with the rule that a
// later item of the same ID hides a word, and a sentence search that scans
// every sentence; then the program's start, from process start to its window
// shown (each run a fresh process: this program again with --child), with
// the processor time the start took beside it: on a busy machine the wall
// time mostly waits for a processor.
// Last line: dict_search_ms=<median> sentence_search_ms=<median>.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/fresh_process.h"
#include "bench/full_course.h"
#include "bench/temp_root.h"
#include "bench/timing.h"
#include "core/items.h"
#include "core/startup.h"
#include "dictionary/frm_slownik.h"
#include "dictionary/search.h"
#include "dictionary/start.h"
#include "platform/os/paths.h"

namespace {

namespace fs = std::filesystem;

void lay_out(const bench::TempRoot& root) {
    bench::copy_demo(DEMO_PROGRAM_DIR, root, {"gfx_s", "but_s", "wav_k"});
    bench::lay_out_full_course(root.path());
    const fs::path prog = root.path() / "program";
    // Own words that redefine built-in ones, as the search's rule expects.
    std::vector<std::string> own;
    for (int i = 1; i <= 200; ++i)
        own.push_back(bench::item(1 + i % 99, i * 37, 1, "word" + std::to_string(i * 37) + " own",
                                  {"w\xB3asne"}));
    bench::write_file(prog / "sbusr.txt", own);
}

int child(const std::string& program, double t0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    os::set_program_folder(program);
    OpcjeSlownika opcje;
    opcje.token = "lexarin-bench-" + std::to_string(getpid());
    opcje.okna_komunikatow = false;
    double shown = -1, cpu = -1;
    opcje.po_pokazaniu = [&](TFrmSlownik& f) {
        shown = bench::monotonic_ms() - t0;
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        cpu = ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
        f.close();
    };
    char name[] = "bench_dictionary";
    char* argv[] = {name, nullptr};
    uruchom_slownik(1, argv, opcje);
    if (shown < 0) return 1;
    std::printf("%.3f %.3f\n", shown, cpu);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child") return child(argv[2], std::atof(argv[3]));

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    const bench::TempRoot root("lexarin-bench");
    lay_out(root);
    const std::string program = root.program();

    // The store as the dictionary loads it.
    os::set_program_folder(program);
    start_slownika();
    wczytaj_dane_slownika();
    przygotuj_zdania_slownika();
    std::printf("items=%d words=%d\n", baza.ile_slow, baza.ile_slowek);

    const OpcjeSzukania bez_wielkosci{true, true, false, true};
    std::vector<double> search, sentences;
    size_t found = 0, found_sentences = 0;
    for (int r = 0; r < runs; ++r) {
        search.push_back(1000 * bench::seconds([&] { found = szukaj_slow("WORD12", bez_wielkosci).size(); }));
        // No sentence holds it: every sentence is looked at.
        sentences.push_back(1000 * bench::seconds([&] { found_sentences = szukaj_zdan(3, "word").size(); }));
    }
    std::printf("search: %zu words, sentences: %zu\n", found, found_sentences);

    std::vector<double> startup, startup_cpu;
    for (int r = 0; r < std::min(runs, 11); ++r) {
        double cpu = 0;
        const double ms = bench::run_child(program, &cpu);
        if (ms < 0) {
            std::fprintf(stderr, "start %d failed\n", r + 1);
            return 1;
        }
        startup.push_back(ms);
        startup_cpu.push_back(cpu);
    }
    std::printf("dict_startup_ms=%.1f dict_startup_cpu_ms=%.1f\n", bench::median(startup),
                bench::median(startup_cpu));
    std::printf("dict_search_ms=%.3f sentence_search_ms=%.3f\n", bench::median(search),
                bench::median(sentences));
    return 0;
}
