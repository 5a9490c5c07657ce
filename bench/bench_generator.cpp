// The own-exercise generator over a full course of 15000 items: a search
// (substring, ignoring case) and a filter, each followed by filling a grid
// of the generator's size and painting its visible rows.
//   bench_generator [runs]
// Last line: generator_search_ms=<median> (search and grid), with the
// filter's figure before it.
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/full_course.h"
#include "bench/temp_root.h"
#include "bench/timing.h"
#include "core/items.h"
#include "core/startup.h"
#include "platform/os/paths.h"
#include "platform/ui/grid.h"
#include "trainer/form2_geometry.h"
#include "trainer_logic/generator.h"
#include "platform/ui/fonts.h"

namespace {

namespace fs = std::filesystem;

// Fills the grid with the found items and paints it, as the window does.
void fill(ui::Grid& grid, const std::vector<int>& found, QImage& target) {
    grid.SetRowCount(std::max<int>(1, static_cast<int>(found.size())));
    grid.Refresh();
    grid.render(&target);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    const bench::TempRoot root("vokarin-gen-bench");
    bench::load_full_course(root.path());
    std::printf("items=%d words=%d\n", baza.ile_slow, baza.ile_slowek);

    std::vector<int> found;
    ui::Grid grid(nullptr);
    grid.resize(geo2::Grid1.w, geo2::Grid1.h);
    grid.SetColCount(2);
    grid.SetColWidth(0, geo2::kolumna0);
    grid.SetColWidth(1, geo2::Grid1.w - geo2::kolumna0 - 20);
    grid.SetDefaultRowHeight(geo2::wiersz);
    grid.OnGetText = [&found](int col, int row) -> std::string {
        if (row < 0 || row >= static_cast<int>(found.size())) return {};
        const int i = found[static_cast<size_t>(row)];
        return col == 0 ? "    " + generator::na_ekran(baza.slowo_obce[i])
                        : generator::na_ekran(baza.tlumaczenie[i]);
    };
    QImage target(geo2::Grid1.w, geo2::Grid1.h, QImage::Format_RGB32);

    generator::Szukanie s; // both columns, substring, ignoring case
    generator::Filtr f;
    f.rodzaj = 1;
    f.poziom = 2;
    std::vector<double> search, filter;
    size_t n_search = 0, n_filter = 0;
    for (int r = 0; r < runs; ++r) {
        search.push_back(1000 * bench::seconds([&] {
            found = generator::szukaj("WORD12", s);
            fill(grid, found, target);
        }));
        n_search = found.size();
        filter.push_back(1000 * bench::seconds([&] {
            found = generator::filtruj(f);
            fill(grid, found, target);
        }));
        n_filter = found.size();
    }
    std::printf("search: %zu found, filter: %zu found\n", n_search, n_filter);
    std::printf("generator_filter_ms=%.3f\n", bench::median(filter));
    std::printf("generator_search_ms=%.3f\n", bench::median(search));
    return 0;
}
