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

#include "core/items.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

namespace {

namespace fs = std::filesystem;

void write_file(const fs::path& p, const std::vector<std::string>& lines) {
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines)
        f << l << "\r\n";
}

std::string item(int grupa, int id, int rodzaj, const std::string& obce,
                 const std::vector<std::string>& pola) {
    std::string s = liczba_z_zerami(2, grupa) + "  " + liczba_z_zerami(5, id) + " " +
                    std::to_string(1 + id % 3) + std::to_string(rodzaj) + " " + obce + " =";
    for (size_t k = 0; k < 8; ++k)
        s += " " + (k < pola.size() ? pola[k] : std::string()) + " =";
    return s;
}

void lay_out(const fs::path& root) {
    const fs::path prog = root / "program";
    const fs::path disc = root / "disc";
    write_file(prog / "ts40.ini", {"x=" + disc.string()});
    write_file(prog / "tavo_sk.txt",
               {"Tavolent English", "1", "1", "angielski", "", "0", "", "Tavolent - S\xB3ownik"});
    write_file(disc / "p.txt", {"PH"});
    write_file(disc / "bsslow3/z2/10/1001.jpg", {"jpg"});

    std::vector<std::string> words, sentences, links, groups, ss;
    for (int i = 1; i <= 10000; ++i) {
        const std::string n = std::to_string(i);
        words.push_back(item(1 + i % 100, i, 1 + i % 4, "word" + n + " example",
                             {"s\xB3owo" + n +
                                  " przyk\xB3"
                                  "ad",
                              "words" + n, "syn" + n + "#alt", "uwaga", std::to_string(i), "", "",
                              i % 7 ? "" : "s"}));
    }
    for (int i = 1; i <= 5000; ++i) {
        const std::string n = std::to_string(i);
        sentences.push_back(item(1 + i % 100, 60000 + i, 5,
                                 "This is <sentence> number " + n + " of the course.",
                                 {"To jest zdanie numer " + n + ".", "Drugie t\xB3umaczenie",
                                  "sentence", "", "one/two/three", std::to_string(60000 + i)}));
    }
    for (int i = 1; i <= 15000; ++i)
        links.push_back(std::to_string(1 + i % 10000) + " = " + std::to_string(60001 + i % 5000) +
                        " = 0 =");
    for (int g = 1; g <= 100; ++g)
        groups.push_back(std::to_string(g) + " = 0 = a = Grupa " + std::to_string(g) + " = b =");
    for (int k = 1; k <= 30; ++k)
        ss.push_back("k" + std::to_string(k) + "=v" + std::to_string(k));
    write_file(prog / "sba_slow.txt", words);
    write_file(prog / "zda.txt", sentences);
    write_file(prog / "coneca.txt", links);
    write_file(prog / "gta_s.txt", groups);
    write_file(prog / "ss_sk.t", ss);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::string tmpl = (fs::temp_directory_path() / "vokarin-bench-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = tmpl;
    lay_out(root);
    os::set_program_folder((root / "program").string() + "/");

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
    std::error_code ec;
    fs::remove_all(root, ec);

    std::sort(ms.begin(), ms.end());
    const double median =
        ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("load_ms=%.1f rss_mb=%.1f\n", median, ru.ru_maxrss / 1024.0);
    return 0;
}
