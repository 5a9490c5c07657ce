// The whole page pipeline on any bytes: read into a document hosted on a
// surface widget (so links make their tab stops), laid out at a width the
// first two bytes pick, painted at two scroll positions, hit-tested at a
// few points, searched, copied, and cloned for printing and laid out again;
// then the same bytes read as a plain-text document and laid out.
// Beyond "no crash": every text section's lines cover its text in order,
// heights are not negative, and the print copy lays out to the same height.
// Run with a time limit per input (-timeout=), as the README says.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>

#include "fuzz/viewer_support.h"
#include "htmlview/blocks.h"
#include "htmlview/builder.h"
#include "htmlview/text_section.h"

namespace {

using namespace htmlview;

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::viewer_app("fuzz_page");
    if (size < 2) return 0;
    const int width = 1 + ((data[0] << 8 | data[1]) % 1600);
    const std::string page = fuzz::as_text(data + 2, size - 2);

    fuzz::PageHost host;
    TSectionList doc(&host);
    fuzz::read_page(doc, page);
    const int height = fuzz::lay_out(doc, width);
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
    fuzz::check(fuzz::lay_out(copy, width) == height);

    // The same bytes as a plain-text document: one line a section.
    TSectionList text(&host);
    ReadTextDocument(page, text);
    fuzz::lay_out(text, width);
    check_cell(text);
    return 0;
}
