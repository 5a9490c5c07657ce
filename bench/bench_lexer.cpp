// Speed of the HTML reader: a generated 10 MB page in Windows-1250 (a third
// text, a third tags with attributes, a third named and numeric references)
// read through both passes, the link-counting first pass included. Prints the
// median of several runs; the last line is lexer_mb_s=<median>.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "htmlview/lexer.h"

namespace {

constexpr size_t kPageBytes = 10'000'000;
constexpr int kRuns = 9;

struct Host : htmlview::ReaderHost {
    int CodePage() override { return 1250; }
    void SetBaseCharset(int) override {}
    void SetBaseUTF8() override {}
};

// Cycles through its pieces, so the page is the same on every machine.
struct Pieces {
    std::vector<std::string> items;
    size_t next = 0;
    const std::string& take() { return items[next++ % items.size()]; }
};

std::string make_page() {
    Pieces text{{"Zażółć gęślą jaźń. ", "The quick brown fox ", "jumps over\r\nthe lazy dog ",
                 "Łódź, Kraków i Gdańsk\n", "słówko  powtórka ", "ćwiczenie nr 12; "}};
    Pieces tags{{"<td width=50% align=center valign=top>", "</td>",
                 "<span class=\"słowo\" id=s12 title='Tytuł strony'>", "</span>",
                 "<img src=\"gfx/obrazek.gif\" border=0 alt=\"Obraz\" width=120 height=\"80\">",
                 "<font face=Arial size=+1 color=#FF0000>", "</font>", "<a name=miejsce12>",
                 "</a>", "<br>", "<p align=justify>", "</p>"}};
    Pieces refs{{"&amp;", "&#261;", "&#x142;", "&nbsp;", "&copy;", "&euro;", "&#185;", "&lt;",
                 "&gt;", "&quot;", "&#8364;", "&oacute;"}};
    for (auto* p : {&text, &tags, &refs})
        for (auto& s : p->items) s = std::string(s); // bytes as written: the file is Windows-1250
    std::string page = "<html><head><title>Bench</title></head><body>\r\n";
    size_t t = 0, g = 0, r = 0;
    while (page.size() < kPageBytes) {
        // Keep the three kinds at a third of the bytes each.
        if (t <= g && t <= r) {
            const std::string& s = text.take();
            page += s;
            t += s.size();
        } else if (g <= r) {
            const std::string& s = tags.take();
            page += s;
            g += s.size();
        } else {
            const std::string& s = refs.take();
            page += s;
            r += s.size();
        }
    }
    page.resize(kPageBytes);
    return page;
}

// Processor time of this thread, so a busy machine can be told apart.
double thread_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main() {
    const std::string page = make_page();
    Host host;
    htmlview::HtmlReader reader;
    std::vector<double> ms, cpu_ms;
    long symbols = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        const double c0 = thread_ms();
        reader.StartReading(page, &host, nullptr);
        reader.CountLinks();
        reader.Restart(nullptr);
        reader.NextChar();
        symbols = 0;
        for (reader.NextToken(); reader.Sy != htmlview::Sym::EndOfDocument; reader.NextToken())
            ++symbols;
        reader.Finish();
        cpu_ms.push_back(thread_ms() - c0);
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    const double median = bench::median(ms);
    const double cpu = bench::median(cpu_ms);
    std::printf("page_bytes=%zu symbols=%ld runs=%d median_ms=%.1f cpu_median_ms=%.1f cpu_mb_s=%.1f\n",
                page.size(), symbols, kRuns, median, cpu, page.size() / 1e6 / (cpu / 1000.0));
    std::printf("lexer_mb_s=%.1f\n", page.size() / 1e6 / (median / 1000.0));
}
