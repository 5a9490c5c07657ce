// The whole pipeline down to paper on any bytes: read into a document,
// laid out at a width the first two bytes pick, painted, then printed to a
// PDF with margins, scale and page range from the third and fourth bytes.
// Beyond "no crash": the last page handled lies within the range asked for,
// a finished job reports its file and at least one sheet, an abandoned one
// leaves no file, and no spool file stays behind.
// Run with a time limit per input (-timeout=), as the README says.
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <string>

#include "fuzz/viewer_support.h"
#include "htmlview/builder.h"
#include "htmlview/print.h"

using namespace htmlview;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::viewer_app("fuzz_print");
    if (size < 4) return 0;
    const int width = 1 + ((data[0] << 8 | data[1]) % 1600);
    const uint8_t look = data[2], range = data[3];
    const std::string page = fuzz::as_text(data + 4, size - 4);

    fuzz::PageHost host;
    TSectionList doc(&host);
    fuzz::read_page(doc, page);
    {
        QImage shot(std::min(width, 300), 200, QImage::Format_RGB32);
        shot.fill(0xFFFFFFFFu);
        QPainter p(&shot);
        ui::HtmlCanvas canvas(p);
        int max_width = 0;
        doc.DoLayout(canvas, width, 200, max_width);
        doc.Draw(canvas, {0, 0, shot.width(), shot.height()}, shot.width(), 0);
    }

    const std::string folder = fuzz::scratch().root() + "print/";
    std::filesystem::create_directories(folder);
    PrintTarget target;
    target.pdf_file = folder + "job.pdf";
    target.resolution = 96 + (look & 3) * 104; // 96 to 408 pixels per inch
    target.page_size = QPageSize((look & 4) ? QPageSize::A6 : QPageSize::A5);
    target.unprintable_mm = (look & 8) ? QMarginsF(6, 4, 6, 4) : QMarginsF();
    SetPrintTarget(target);

    TPrintOptions o;
    static const double kScales[] = {0.25, 0.5, 1.0, 2.0, 4.0, 1.5, 0.1, 9.0};
    o.Scale = kScales[(look >> 4) & 7];
    o.MarginLeft = o.MarginRight = (look & 0x80) ? 0.3 : 2.0;
    o.MarginTop = o.MarginBottom = (look & 0x80) ? 6.0 : 1.0;
    o.OnPrintHeader = [](TPrinterCanvas& c, int n, int w, int h, bool&) {
        c.TextOut(w / 2, h / 2, QString::number(n).toStdU16String());
    };
    const int from = 1 + (range & 3), to = from + ((range >> 2) & 7) - 1;
    PrintOutcome out;
    int last = 0;
    bool refused = false;
    try {
        last = PrintDocument(doc, from, to, o, &out);
    } catch (const EPrinter&) {
        refused = true; // margins that leave no room on small paper
    }
    if (!refused) {
        fuzz::check(last >= 0 && last <= std::max(to, 0));
        if (out.done) {
            fuzz::check(out.where == target.pdf_file && out.sheets >= 1);
            fuzz::check(std::filesystem::exists(target.pdf_file));
        }
    }
    fuzz::check(!vwPrinter().Printing());
    // Nothing but the delivered file stays in the folder.
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        fuzz::check(entry.path().string() == target.pdf_file);
    std::filesystem::remove(target.pdf_file);
    SetPrintTarget(std::nullopt);
    return 0;
}
