#pragma once
// A full-size generated course for the benchmarks: 10000 words, 5000
// sentences, 15000 links and 100 groups, with an edition description and a
// disc folder, laid out under root/program and root/disc.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/paths.h"

namespace bench {

namespace fs = std::filesystem;

inline void write_file(const fs::path& p, const std::vector<std::string>& lines) {
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines)
        f << l << "\r\n";
}

inline std::string item(int grupa, int id, int rodzaj, const std::string& obce,
                        const std::vector<std::string>& pola) {
    std::string s = liczba_z_zerami(2, grupa) + "  " + liczba_z_zerami(5, id) + " " +
                    std::to_string(1 + id % 3) + std::to_string(rodzaj) + " " + obce + " =";
    for (size_t k = 0; k < 8; ++k)
        s += " " + (k < pola.size() ? pola[k] : std::string()) + " =";
    return s;
}

inline void lay_out_full_course(const fs::path& root) {
    const fs::path prog = root / "program";
    const fs::path disc = root / "disc";
    write_file(prog / "ts40.ini", {"x=" + disc.string()});
    write_file(prog / "tavo_sk.txt",
               {"Tavolent English", "1", "1", "angielski", "", "0", "", "Tavolent - S\xB3ownik"});
    write_file(disc / "p.txt", {"PH"});
    write_file(disc / "bsslow3/z2/10/1001.jpg", {"jpg"});

    // Items name groups 1..99: the group column holds two digits.
    std::vector<std::string> words, sentences, links, groups, ss;
    for (int i = 1; i <= 10000; ++i) {
        const std::string n = std::to_string(i);
        words.push_back(item(1 + i % 99, i, 1 + i % 4, "word" + n + " example",
                             {"s\xB3owo" + n +
                                  " przyk\xB3"
                                  "ad",
                              "words" + n, "syn" + n + "#alt", "uwaga", std::to_string(i), "", "",
                              i % 7 ? "" : "s"}));
    }
    for (int i = 1; i <= 5000; ++i) {
        const std::string n = std::to_string(i);
        sentences.push_back(item(1 + i % 99, 60000 + i, 5,
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

// The full course laid out under `root` and loaded as the trainer starts.
inline void load_full_course(const fs::path& root) {
    lay_out_full_course(root);
    os::set_program_folder((root / "program").string() + "/");
    start_programu();
    wczytaj_dane();
}

} // namespace bench
