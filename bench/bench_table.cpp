// Table layout speed: a 1000-row, 6-column table of short texts, and tables
// nested 5 deep with 3 by 3 cells at every level, each read once and then
// laid out 800 pixels wide again and again.
// Last line: table_ms=<median, 1000 rows> nested_ms=<median, nested>.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "bench/viewer_pages.h"
#include "htmlview/builder.h"
#include "htmlview/display.h"
#include "htmlview/document.h"
#include "platform/ui/fonts.h"

using namespace htmlview;

namespace {

std::string long_table() {
    std::string s = "<table border=1>";
    for (int r = 0; r < 1000; ++r) {
        s += "<tr>";
        for (int c = 0; c < 6; ++c) s += "<td>row " + std::to_string(r) + " col " + std::to_string(c) + "</td>";
        s += "</tr>\n";
    }
    return s + "</table>";
}

std::string nested(int depth) {
    if (depth == 0) return "leaf text";
    std::string s = "<table border=1>";
    for (int r = 0; r < 3; ++r) {
        s += "<tr>";
        for (int c = 0; c < 3; ++c) s += "<td>" + (r == 1 && c == 1 ? nested(depth - 1) : std::string("cell")) + "</td>";
        s += "</tr>";
    }
    return s + "</table>";
}

double layout_ms(const std::string& html, int runs) {
    TSectionList doc(nullptr);
    bench::black_text(doc);
    TReadResult result;
    ReadHtmlDocument(html, doc, TReadHandlers(), result);
    ScratchCanvas c;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) ms.push_back(bench::seconds([&] { bench::lay_out(doc, c.canvas); }) * 1000);
    return bench::median(ms);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    InitDisplay();
    const double table = layout_ms(long_table(), 11);
    const double deep = layout_ms(nested(5), 51);
    std::printf("1000 rows x 6 columns: %.2f ms; nested 5 deep, 3x3 each: %.3f ms\n", table, deep);
    std::printf("table_ms=%.2f nested_ms=%.3f\n", table, deep);
    return 0;
}
