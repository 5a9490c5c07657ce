// What pages built to be costly cost: a 3000-row table whose every row
// starts with a cell spanning 999 rows, 200 image-map circles with
// coordinates near a million, and font sizes, borders, margins and paddings
// far past the int range, the borders also painted scrolled halfway down,
// and 40,000 one-pixel pictures floated left and right.
// Each page runs in a fresh process: read, laid out
// 800 pixels wide, painted, and hit-tested over its first 600 by 400 pixels.
// Last line: rowspan_ms=.. rowspan_mb=.. circles_ms=.. circles_mb=.. fonts_ms=.. fonts_mb=..
// borders_ms=.. borders_mb=.. borders_halfway_ms=.. borders_halfway_mb=.. floats_ms=.. floats_mb=..
// (milliseconds for the whole page; megabytes: the process's peak resident size).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/timing.h"
#include "bench/viewer_pages.h"
#include "htmlview/builder.h"
#include "htmlview/display.h"
#include "htmlview/document.h"
#include "platform/ui/fonts.h"

using namespace htmlview;

namespace {

std::string rowspan_page() {
    std::string s = "<table border=1>";
    for (int r = 0; r < 3000; ++r) s += "<tr><td rowspan=999>row " + std::to_string(r) + "</td>\n";
    return s + "</table>";
}

std::string circles_page(const std::string& picture) {
    std::string s = "<map name=m>";
    for (int i = 0; i < 200; ++i)
        s += "<area shape=circle coords=\"" + std::to_string(i % 2 ? 999999 : -999999) +
             ",0,1000000\" href=\"a" + std::to_string(i) + ".html\">";
    return s + "</map><p><img src=\"" + picture + "\" usemap=\"#m\" width=300 height=200></p>";
}

std::string fonts_page() {
    std::string s;
    for (int i = 0; i < 500; ++i)
        s += "<basefont size=\"+99999999999\"><font size=\"+99999999999\">big</font><font size=\"-99999999999\">small</font>\n";
    return s;
}

// Borders, margins and paddings given in lengths far past the int range.
std::string borders_page() {
    std::string s = "<style>div { border: 18888888888888px solid #606060; margin: 4px 0; padding: 4px; height: 44px }"
                    "p { margin: 99999999999px; padding: 99999999999px; border: 99999999999px double red }</style>";
    for (int i = 0; i < 20; ++i) s += "<div>A border past the int range</div><p>and a paragraph</p>\n";
    return s;
}

// One-pixel pictures floated to the left and right edges by turns.
std::string floats_page(const std::string& picture) {
    std::string s;
    for (int i = 0; i < 40000; ++i)
        s += "<img src=\"" + picture + "\" width=1 height=1 align=" + (i % 2 ? "right>" : "left>");
    return s;
}

double peak_mb() {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return -1;
}

// One page in this process: its milliseconds and the peak resident size.
// `halfway`: painted a second time scrolled halfway down the page.
void run_case(const std::string& html, bool halfway) {
    const double ms = bench::seconds([&] {
        TSectionList doc(nullptr);
        bench::black_text(doc);
        TReadResult result;
        ReadHtmlDocument(html, doc, TReadHandlers(), result);
        QImage shot(600, 400, QImage::Format_RGB32);
        QPainter p(&shot);
        ui::HtmlCanvas canvas(p);
        const int height = bench::lay_out(doc, canvas);
        doc.Draw(canvas, {0, 0, 600, 400}, 600, 0);
        if (halfway) {
            doc.SetScrollY(height / 2);
            doc.Draw(canvas, {0, 0, 600, 400}, 600, 0);
        }
        for (int y = 0; y < 400; y += 10)
            for (int x = 0; x < 600; x += 10) {
                TUrlTarget url;
                TFormControlObj* control = nullptr;
                std::string title;
                doc.UrlAtPoint(canvas, x, y, url, control, title);
            }
    }) * 1000;
    std::printf("%.1f %.1f\n", ms, peak_mb());
}

bool run_child(int index, double& ms, double& mb) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    FILE* f = popen((self + " --case " + std::to_string(index) + " 2>/dev/null").c_str(), "r");
    if (!f) return false;
    const bool ok = std::fscanf(f, "%lf %lf", &ms, &mb) == 2;
    return pclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--case") == 0) {
        ui::pin_fonts_or_exit();
        QApplication app(argc, argv);
        InitDisplay();
        const std::string picture = std::string(PAGES_DIR) + "/pics/sky.png";
        const int index = std::atoi(argv[2]) % 6;
        const std::string page = index == 0   ? rowspan_page()
                                 : index == 1 ? circles_page(picture)
                                 : index == 2 ? fonts_page()
                                 : index == 5 ? floats_page(picture)
                                              : borders_page();
        run_case(page, index == 4);
        return 0;
    }
    const char* names[] = {"rowspan", "circles", "fonts", "borders", "borders_halfway", "floats"};
    double ms[6] = {}, mb[6] = {};
    for (int i = 0; i < 6; ++i) {
        if (!run_child(i, ms[i], mb[i])) {
            std::fprintf(stderr, "%s: the page failed\n", names[i]);
            return 1;
        }
        std::printf("%s: %.0f ms, peak %.0f MB\n", names[i], ms[i], mb[i]);
    }
    std::printf("rowspan_ms=%.0f rowspan_mb=%.0f circles_ms=%.0f circles_mb=%.0f fonts_ms=%.0f fonts_mb=%.0f "
                "borders_ms=%.0f borders_mb=%.0f borders_halfway_ms=%.0f borders_halfway_mb=%.0f floats_ms=%.0f floats_mb=%.0f\n",
                ms[0], mb[0], ms[1], mb[1], ms[2], mb[2], ms[3], mb[3], ms[4], mb[4], ms[5], mb[5]);
    return 0;
}
