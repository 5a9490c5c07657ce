// Page load and layout speed: a generated 1 MB text page and a generated
// help-like page (headings, paragraphs, links, a style sheet; 30 KB), read
// and laid out 800 pixels wide by the viewer and, for reference, by Qt's
// rich-text document with the same fonts.
// Last line: layout_ratio=<ours / reference, the larger of the two pages>
// layout_ms=<ours, the 1 MB page>.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
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

using bench::words;

std::string text_page(size_t bytes) {
    unsigned seed = 1;
    std::string s = "<html><body>\n";
    while (s.size() < bytes) s += "<p>" + words(seed, 80) + ".</p>\n";
    return s + "</body></html>\n";
}

std::string help_page(size_t bytes) {
    unsigned seed = 7;
    std::string s = "<html><head><title>Help</title><style>\n"
                    "body { font-family: Times New Roman; font-size: 12pt }\n"
                    "h1 { color: #003366; font-size: 18pt } h2 { color: #336699; font-size: 14pt }\n"
                    "p.note { font-style: italic; color: #555555 } a { color: #0000c0 }\n"
                    ".key { font-weight: bold }\n</style></head><body>\n<h1>Help</h1>\n";
    int section = 0;
    while (s.size() < bytes) {
        s += "<h2>Section " + std::to_string(++section) + "</h2>\n";
        for (int p = 0; p < 3; ++p)
            s += "<p>" + words(seed, 20) + " <b>" + words(seed, 3) + "</b> " + words(seed, 15) + " <a href=\"h_" +
                 std::to_string(section) + ".html\">" + words(seed, 4) + "</a> " + words(seed, 12) + ".</p>\n";
        s += "<p class=note>" + words(seed, 25) + " <span class=key>" + words(seed, 2) + "</span>.</p>\n";
    }
    return s + "</body></html>\n";
}

double ours_ms(const std::string& html) {
    TSectionList doc(nullptr);
    bench::black_text(doc);
    ScratchCanvas c;
    return bench::seconds([&] {
               TReadResult result;
               ReadHtmlDocument(html, doc, TReadHandlers(), result);
               bench::lay_out(doc, c.canvas);
           }) *
           1000;
}

double reference_ms(const std::string& html) {
    return bench::seconds([&] {
               QTextDocument doc;
               doc.setDefaultFont(QFont("Times New Roman", 12));
               doc.setHtml(QString::fromLatin1(html.data(), static_cast<qsizetype>(html.size())));
               doc.setTextWidth(800);
               (void)doc.documentLayout()->documentSize();
           }) *
           1000;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    InitDisplay();
    const struct {
        const char* name;
        std::string html;
        int runs;
    } pages[] = {{"text 1 MB", text_page(1 << 20), 5}, {"help 30 KB", help_page(30 << 10), 21}};
    double worst_ratio = 0, text_ms = 0;
    for (const auto& page : pages) {
        std::vector<double> ours, ref;
        for (int i = 0; i < page.runs; ++i) {
            ours.push_back(ours_ms(page.html));
            ref.push_back(reference_ms(page.html));
        }
        const double o = bench::median(ours), r = bench::median(ref);
        std::printf("%s (%zu bytes): ours %.1f ms, reference %.1f ms, ratio %.3f\n", page.name, page.html.size(), o,
                    r, o / r);
        worst_ratio = std::max(worst_ratio, o / r);
        if (text_ms == 0) text_ms = o;
    }
    std::printf("layout_ratio=%.3f layout_ms=%.1f\n", worst_ratio, text_ms);
    return 0;
}
