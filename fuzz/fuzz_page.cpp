// The whole page pipeline on any bytes: read into a document hosted on a
// surface widget (so links make their tab stops), laid out at a width the
// first two bytes pick, painted at two scroll positions, hit-tested at a
// few points, searched, copied, and cloned for printing and laid out again.
// Beyond "no crash": every text section's lines cover its text in order,
// heights are not negative, and the print copy lays out to the same height.
// Run with a time limit per input (-timeout=), as the README says.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <exception>
#include <string>

#include "fuzz/fuzz_support.h"
#include "htmlview/blocks.h"
#include "htmlview/builder.h"
#include "htmlview/display.h"
#include "htmlview/document.h"
#include "htmlview/text_section.h"

// Qt keeps fontconfig objects until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

using namespace htmlview;

struct Host : TViewerHost {
    QWidget* Surface() override { return &surface; }
    std::string ExpandDocumentPath(const std::string& url) override { return fuzz::scratch().root() + url; }
    QWidget surface;
};

void check_cell(const TCellBasic& cell) {
    for (const auto& s : cell) {
        fuzz::check(s->FlowHeight >= 0 || dynamic_cast<const TBlock*>(s.get()));
        if (const auto* t = dynamic_cast<const TSection*>(s.get())) {
            int next = 0;
            for (const auto& line : t->Lines) {
                fuzz::check(line->Start == next && line->Ln >= 0);
                next += line->Ln;
            }
            fuzz::check(t->Lines.empty() || next == t->TextLength());
            fuzz::check(t->Brk.size() == t->Text.size() + 1);
        } else if (const auto* b = dynamic_cast<const TBlock*>(s.get())) {
            check_cell(*b->BodyCell);
        }
    }
}

int lay_out(TSectionList& doc, int width) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int max_width = 0;
    const int h = doc.DoLayout(canvas, width, 600, max_width);
    fuzz::check(h >= 0 && max_width >= 0);
    return h;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_page";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new QApplication(argc, argv);
        InitDisplay();
        return a;
    }();
    (void)app;
    if (size < 2) return 0;
    const int width = 1 + ((data[0] << 8 | data[1]) % 1600);
    const std::string page = fuzz::as_text(data + 2, size - 2);

    Host host;
    TSectionList doc(&host);
    TReadResult result;
    try {
        ReadHtmlDocument(page, doc, TReadHandlers(), result);
    } catch (const EParseError&) {
        // the page keeps what was read
    }
    const int height = lay_out(doc, width);
    check_cell(doc);

    QImage shot(std::min(width, 400), 300, QImage::Format_RGB32);
    for (int scroll : {0, height / 2}) {
        shot.fill(0xFFFFFFFFu);
        QPainter p(&shot);
        ui::HtmlCanvas canvas(p);
        doc.SetScrollY(scroll);
        doc.Draw(canvas, {0, 0, shot.width(), shot.height()}, shot.width(), 0);
        for (int k = 0; k < 4; ++k) {
            const int x = (k * 97) % std::max(1, width), y = scroll + (k * 53) % 300;
            TUrlTarget url;
            TFormControlObj* control = nullptr;
            std::string title;
            doc.UrlAtPoint(canvas, x, y, url, control, title);
            int xr = 0, yr = 0, ht = 0;
            bool in_text = false;
            const int pos = doc.CursorAtPoint(canvas, x, y, xr, yr, ht, in_text);
            fuzz::check(pos >= -1 && pos <= doc.PosCount);
        }
    }
    doc.FindText(u"a", 0, false);
    doc.FindTextBackward(u"e", doc.PosCount, true);
    doc.SelB = doc.PosCount / 3;
    doc.SelE = doc.PosCount;
    doc.CopyToClipboard();

    TSectionList copy(doc, true);
    fuzz::check(lay_out(copy, width) == height);
    return 0;
}
