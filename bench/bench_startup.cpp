// Times the trainer's start, from process start to the main window shown, on
// the offscreen platform: a full-size course, the demo's pictures, and one
// user with 15000 repetition records, chosen automatically. Each run is a
// fresh process (this program started again with --child).
// Last line: startup_ms=<median>.
#include <fcntl.h>
#include <sys/wait.h>
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
#include "core/repetitions.h"
#include "core/settings.h"
#include "platform/os/date_serial.h"
#include "platform/os/le_codec.h"
#include "platform/os/paths.h"
#include "shared/form9.h"
#include "trainer/windows.h"
#include "trainer/start.h"

namespace {

namespace fs = std::filesystem;

void write_bytes(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << bytes;
}

void lay_out(const bench::TempRoot& root) {
    // The demo's pictures, strips and sounds, then the full-size course over it.
    bench::copy_demo(DEMO_PROGRAM_DIR, root, {"gfx_s", "but_s", "wav_k", "b3.wav"});
    bench::lay_out_full_course(root.path());
    const fs::path prog = root.path() / "program";

    // One user with a record for every item: words 1..10000, sentences 60001..65000.
    write_bytes(prog / "usr.t", "1=Bench\r\n");
    std::string pb;
    unsigned char rec[ROZMIAR_POWTORKI];
    const double today = os::today();
    auto add = [&](int id, int n) {
        TPowtorka r;
        r.id = id;
        r.data_pierwsza = today - 40;
        r.data_ostatnia = today - n % 30;
        r.ile_powtorzen = 1 + n % 5;
        r.interwal = 1 + n % 60;
        r.wspolczynnik = 1.5;
        r.typy[6] = 2;
        r.encode(rec);
        pb.append(reinterpret_cast<const char*>(rec), sizeof rec);
    };
    for (int i = 1; i <= 10000; ++i)
        add(i, i);
    for (int i = 1; i <= 5000; ++i)
        add(60000 + i, i);
    write_bytes(prog / "1" / "p.b", pb);

    // Settings: the record count of the last save and the hint already shown.
    std::string ustaw;
    TUstawienia u;
    u.linia[45] = 1;
    u.linia[52] = 15000;
    for (int n = 1; n <= LINII_USTAWIEN; ++n)
        ustaw += (n == 39 || n == 40 ? std::string("1.20") : std::to_string(u.linia[n])) + "\r\n";
    write_bytes(prog / "1" / "ustaw_tas_40.txt", ustaw);
}

int child(const std::string& program, double t0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    os::set_program_folder(program);
    ui::set_next_modal_hook([](ui::Window&) { Form9->K_OKClick(); });
    OpcjeStartu opcje;
    opcje.token = "vokarin-bench-" + std::to_string(getpid());
    opcje.okna_komunikatow = false;
    double shown = -1;
    opcje.po_pokazaniu = [&](TForm1& f) {
        shown = bench::monotonic_ms() - t0;
        f.close();
    };
    char name[] = "bench_startup";
    char* argv[] = {name, nullptr};
    uruchom_trenera(1, argv, opcje);
    if (shown < 0) return 1;
    std::printf("%.3f\n", shown);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child") return child(argv[2], std::atof(argv[3]));

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const bench::TempRoot root("vokarin-bench");
    lay_out(root);
    const std::string program = root.program();

    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        const double run = bench::run_child(program);
        if (run < 0) {
            std::fprintf(stderr, "run %d failed\n", r + 1);
            return 1;
        }
        ms.push_back(run);
        std::printf("run %d: %.1f ms\n", r + 1, ms.back());
    }
    const double median = bench::median(ms);
    std::printf("startup_ms=%.1f\n", median);
    return 0;
}
