// Writes the seed inputs of every fuzz target: pieces of the demo edition's
// course files laid out as each target cuts its input, and small records and
// bitmaps made with the real encoders.
// Usage: make_seeds <data/program folder> <output folder>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/repetitions.h"
#include "core/statistics.h"

namespace {

std::string g_data;
std::string g_out;

std::string read_file(const std::string& name) {
    std::ifstream f(g_data + name, std::ios::binary);
    if (!f) {
        std::fprintf(stderr, "make_seeds: cannot read %s%s\n", g_data.c_str(), name.c_str());
        std::exit(1);
    }
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The first `n` lines of a data file, with their line ends.
std::string head(const std::string& name, size_t n) {
    const std::string s = read_file(name);
    size_t end = 0;
    for (size_t k = 0; k < n && end < s.size(); ++k) {
        const size_t nl = s.find('\n', end);
        end = nl == std::string::npos ? s.size() : nl + 1;
    }
    return s.substr(0, end);
}

std::vector<std::string> lines_of(const std::string& name, size_t n) {
    std::vector<std::string> out;
    std::string s = head(name, n);
    size_t from = 0;
    while (from < s.size()) {
        size_t nl = s.find('\n', from);
        if (nl == std::string::npos) nl = s.size();
        std::string line = s.substr(from, nl - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(line);
        from = nl + 1;
    }
    return out;
}

std::string joined(const std::vector<std::string>& pieces) {
    std::string s;
    for (size_t k = 0; k < pieces.size(); ++k) {
        if (k) s += '\0';
        s += pieces[k];
    }
    return s;
}

void seed(const std::string& target, const std::string& name, const std::string& bytes) {
    const std::string dir = g_out + target + "/";
    std::filesystem::create_directories(dir);
    std::ofstream f(dir + name, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) {
        std::fprintf(stderr, "make_seeds: cannot write %s%s\n", dir.c_str(), name.c_str());
        std::exit(1);
    }
}

// ---- Bitmaps ----

// A little-endian field of `bytes` bytes at `at`.
void put(std::string& s, size_t at, uint32_t v, int bytes) {
    for (int k = 0; k < bytes; ++k)
        s[at + static_cast<size_t>(k)] = char((v >> (8 * k)) & 0xFF);
}

// A w x h bitmap of `bpp` bits: 12- or 40-byte header, optional bit-field
// masks, a palette for 8 bits and fewer, rows of a simple pattern.
std::string bitmap(int w, int h, int bpp, bool core_header, bool top_down,
                   std::vector<uint32_t> masks = {}) {
    const size_t hdr = core_header ? 12 : 40;
    const size_t entry = core_header ? 3 : 4;
    const size_t colours = bpp <= 8 ? size_t(1) << bpp : 0;
    const size_t off = 14 + hdr + masks.size() * 4 + colours * entry;
    const size_t stride = (size_t(w) * bpp + 31) / 32 * 4;
    std::string s(off + stride * size_t(h), '\0');
    s[0] = 'B';
    s[1] = 'M';
    put(s, 2, static_cast<uint32_t>(s.size()), 4);
    put(s, 10, static_cast<uint32_t>(off), 4);
    put(s, 14, static_cast<uint32_t>(hdr), 4);
    if (core_header) {
        put(s, 18, w, 2);
        put(s, 20, h, 2);
        put(s, 22, 1, 2);
        put(s, 24, bpp, 2);
    } else {
        put(s, 18, w, 4);
        put(s, 22, static_cast<uint32_t>(top_down ? -h : h), 4);
        put(s, 26, 1, 2);
        put(s, 28, bpp, 2);
        put(s, 30, masks.empty() ? 0 : 3, 4);
        put(s, 34, static_cast<uint32_t>(stride * h), 4);
    }
    size_t at = 14 + hdr;
    for (uint32_t m : masks) {
        put(s, at, m, 4);
        at += 4;
    }
    for (size_t c = 0; c < colours; ++c, at += entry) {
        s[at] = char(c * 37);
        s[at + 1] = char(c * 91);
        s[at + 2] = char(255 - c * 13);
    }
    for (size_t i = off; i < s.size(); ++i)
        s[i] = char((i * 29) ^ (i >> 3));
    return s;
}

void bmp_seeds() {
    seed("fuzz_bmp", "1bit", bitmap(9, 3, 1, false, false));
    seed("fuzz_bmp", "4bit", bitmap(5, 4, 4, false, false));
    seed("fuzz_bmp", "8bit_top_down", bitmap(6, 3, 8, false, true));
    seed("fuzz_bmp", "8bit_core", bitmap(3, 3, 8, true, false));
    seed("fuzz_bmp", "16bit", bitmap(5, 2, 16, false, false));
    seed("fuzz_bmp", "16bit_565", bitmap(4, 2, 16, false, false, {0xF800, 0x07E0, 0x001F}));
    seed("fuzz_bmp", "24bit", bitmap(3, 5, 24, false, false));
    seed("fuzz_bmp", "32bit", bitmap(2, 2, 32, false, true));
    seed("fuzz_bmp", "32bit_fields",
         bitmap(3, 2, 32, false, false, {0x00FF0000, 0x0000FF00, 0x000000FF}));
}

// ---- Line files ----

void course_seeds() {
    seed("fuzz_course_lines", "demo",
         joined({head("sba_slow.txt", 12), head("zda.txt", 8), head("coneca.txt", 12),
                 head("gta_s.txt", 6), head("kom_user.txt", 4),
                 "1 = house = 1010 = a note =\r\n60001 = x = 0001 = =\r\n"}));
    seed("fuzz_course_lines", "own_words", joined({head("sbusr.txt", 6)}));
    seed("fuzz_course_lines", "bad_number",
         joined({"0x  00001 11 house = dom = houses =\r\n", "", "2 = 6000x =\r\n"}));
}

void settings_seeds() {
    std::string all;
    for (int n = 1; n <= 54; ++n)
        all += (n == 39 || n == 40 ? std::string("1.20") : std::to_string(n % 3)) + "\r\n";
    seed("fuzz_settings", "full", all);
    seed("fuzz_settings", "short", "6\r\n1\r\n2\n3\n");
    seed("fuzz_settings", "bad_line", "6\r\n1\r\nx\r\n\r\n-4\r\n99999999999\r\n");
}

void text_seeds() {
    int k = 0;
    for (const char* file : {"zda.txt", "przyslowia.txt", "obrazki1.txt"})
        for (const std::string& line : lines_of(file, 3))
            seed("fuzz_text", "line" + std::to_string(++k), line);
    seed("fuzz_text", "pattern", std::string("I <go> home, you go - he goes!\0go", 33));
    seed("fuzz_text", "number", " -2147483648 ");
}

void exercise_seeds() {
    const std::string handoff = "slowa\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n"
                                "00001\r\n2\r\n2\r\nx\r\n-5\r\n60001\r\n";
    seed("fuzz_exercise_lists", "sayings",
         joined({head("cwa_s.txt", 6), "9=2-moje-0001=Moje=00001=00002=00003\r\n", handoff,
                 "Sayings\r\nsent1\r\nprz.txt\r\n1\r\n", head("przyslowia.txt", 4), "001-1"}));
    seed("fuzz_exercise_lists", "pictures",
         joined({head("cwa_s.txt", 3), "", "", "Pictures\r\nzd1\r\nprz.txt\r\n2\r\n",
                 head("obrazki1.txt", 5), "2-moje-0001"}));
}

// The exercise engine: word texts, a sentence with its options and translation, an answer.
void question_seeds() {
    seed("fuzz_exercise", "one_gap",
         joined({"flat", "mieszkanie", "apartment/", "flats", "I can't find my <keys>.",
                 "walls/weather/hungry/keys", "Nie mogę znaleźć kluczy.", "flats"}));
    seed("fuzz_exercise", "gaps",
         joined({"go", "iść", "leave//", "", "<A> <b> <c> <d>@e <f", "a...b/c ... d//", "", "a"}));
    seed("fuzz_exercise", "no_gap",
         joined({"der Hund", "pies", "Hund#e", "Hunde", "It's <cold and it's> raining>", "", "x",
                 "it is cold and it's"}));
}

// ---- Records ----

std::string record(int32_t id, double last, int32_t interval, uint8_t type_byte) {
    TPowtorka r;
    r.id = id;
    r.data_pierwsza = 45000;
    r.data_ostatnia = last;
    r.ile_powtorzen = 3;
    r.interwal = interval;
    r.wspolczynnik = 1.5;
    r.typy[1] = type_byte;
    r.typy[6] = 1;
    unsigned char out[ROZMIAR_POWTORKI];
    r.encode(out);
    return std::string(reinterpret_cast<const char*>(out), sizeof out);
}

void repetition_seeds() {
    const std::string records =
        record(1, 45010, 4, 2) + record(101, 45020, 1, 101) + record(60001, 44000, 30, 0);
    seed("fuzz_repetitions", "load", std::string("\0\x04", 2) + records);
    seed("fuzz_repetitions", "restore", std::string("\0\x01", 2) + records + record(2, 1, 1, 0));
    const std::string info = "p.b=2024-03-05 14:30:00=3= \r\nkopia.b=2024-03-01=2= \r\n";
    seed("fuzz_repetitions", "with_info",
         std::string(1, char(info.size())) + std::string("\x08", 1) + info + records);
    seed("fuzz_repetitions", "damaged", std::string("\0\0", 2) + records + "\x01\x02");
}

// Rows as the program writes them (direction 0, a category digit), and one
// it never writes, which the reader skips.
void statistics_seeds() {
    auto row = [](const std::string& name, int kind, int category, int runs, int direction = 0) {
        TCwInfo r;
        r.nazwa = name;
        r.tytul = "Title " + name;
        r.rodzaj = static_cast<uint8_t>(kind);
        r.kierunek = static_cast<uint8_t>(direction);
        r.kategoria = static_cast<uint8_t>(category);
        r.data = 45356.5;
        r.wynik = 70;
        r.uruchomienia = runs;
        r.ukonczone = 1;
        r.dzial = name.substr(1, 2);
        unsigned char out[TCwInfo::ROZMIAR];
        r.encode(out);
        return std::string(reinterpret_cast<const char*>(out), sizeof out);
    };
    const std::string rows = row("001-1", CW_SLOWKA, 1, 0) + row("001-1", 6, 1, 4) +
                             row("101-2", CW_ZDANIA, 2, 0) + row("2-moje-0001", CW_USERA, 0, 0);
    seed("fuzz_statistics", "rows", rows);
    seed("fuzz_statistics", "new_run", rows + std::string("\x32\x06\x02\x01\x00", 5));
    seed("fuzz_statistics", "moved", rows + std::string("\x10\x04\x00\x03\x02", 5));
    seed("fuzz_statistics", "row_no_writer_makes", rows + row("001-2", 6, 2, 1, 1));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds <data/program folder> <output folder>\n");
        return 2;
    }
    g_data = std::string(argv[1]) + "/";
    g_out = std::string(argv[2]) + "/";
    bmp_seeds();
    course_seeds();
    settings_seeds();
    text_seeds();
    exercise_seeds();
    question_seeds();
    repetition_seeds();
    statistics_seeds();
    return 0;
}
