// Printing speed: a generated document of text, tables and pictures with
// transparent parts, sized to print on exactly 20 A4 pages, printed whole
// to a PDF (copy, layout, paint, headers and footers, the file written).
// Last line: print_ms=<median of 7 jobs> pages=<pages printed>.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "bench/viewer_pages.h"
#include "htmlview/builder.h"
#include "htmlview/display.h"
#include "htmlview/document.h"
#include "htmlview/print.h"
#include "platform/ui/fonts.h"

using namespace htmlview;

namespace {

using bench::words;

// A picture with a transparent ring around an opaque disc.
std::string make_picture(const QTemporaryDir& dir, int i) {
    QImage img(64, 48, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setBrush(QColor::fromHsv((i * 47) % 360, 180, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(8, 4, 48, 40);
    p.end();
    const QString path = dir.filePath(QStringLiteral("pic%1.png").arg(i));
    img.save(path);
    return path.toStdString();
}

// `units` repetitions of a heading, paragraphs, a picture and a table.
std::string document(int units, const std::vector<std::string>& pictures) {
    unsigned seed = 3;
    std::string s = "<html><head><title>Print</title></head><body>\n";
    for (int u = 0; u < units; ++u) {
        s += "<h2>Part " + std::to_string(u + 1) + "</h2>\n";
        s += "<p>" + words(seed, 60) + " <b>" + words(seed, 4) + "</b> " + words(seed, 30) + ".</p>\n";
        s += "<p><img src=\"" + pictures[static_cast<size_t>(u) % pictures.size()] + "\" align=left> " +
             words(seed, 50) + ".</p>\n";
        s += "<table border=1 cellpadding=2><tr><th>Word</th><th>Translation</th><th>Due</th></tr>\n";
        for (int r = 0; r < 4; ++r)
            s += "<tr><td>" + words(seed, 1) + "</td><td>" + words(seed, 3) + "</td><td>" + std::to_string(r + 1) +
                 "</td></tr>\n";
        s += "</table>\n";
    }
    return s + "</body></html>\n";
}

struct Job {
    TSectionList doc{nullptr};
    explicit Job(const std::string& html) {
        bench::black_text(doc);
        TReadResult result;
        ReadHtmlDocument(html, doc, TReadHandlers(), result);
        ScratchCanvas c;
        bench::lay_out(doc, c.canvas);
    }
    int print() {
        TPrintOptions o;
        o.Title = "Print";
        o.OnPrintHeader = [](TPrinterCanvas& c, int page, int w, int h, bool&) {
            const std::u16string t = u"Page " + QString::number(page).toStdU16String();
            c.TextOut(w - 120, h / 2, t);
        };
        o.OnPrintFooter = [](TPrinterCanvas& c, int, int w, int h, bool&) {
            c.FillRect({72, h / 3, w - 72, h / 3 + 1}, 0);
        };
        return PrintDocument(doc, 1, 999, o);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    InitDisplay();
    QTemporaryDir dir;
    PrintTarget target;
    target.pdf_file = dir.filePath("bench.pdf").toStdString();
    SetPrintTarget(target);
    std::vector<std::string> pictures;
    for (int i = 0; i < 6; ++i) pictures.push_back(make_picture(dir, i));

    // The fewest units that fill 20 pages (the page count only grows with them).
    int lo = 1, hi = 1;
    while (Job(document(hi, pictures)).print() < 20) hi *= 2;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (Job(document(mid, pictures)).print() < 20)
            lo = mid + 1;
        else
            hi = mid;
    }
    const std::string html = document(lo, pictures);
    Job job(html);
    std::vector<double> ms;
    int pages = 0;
    for (int i = 0; i < 7; ++i) ms.push_back(bench::seconds([&] { pages = job.print(); }) * 1000);
    std::printf("%d units, %zu bytes of HTML\n", lo, html.size());
    std::printf("print_ms=%.1f pages=%d\n", bench::median(ms), pages);
    return 0;
}
