// Tables with random spans: the bytes drive a generator of rows and cells
// with COLSPAN and ROWSPAN (small, large and huge), widths in pixels and
// percent, heights, VALIGN, NOWRAP, COL settings, captions and nested
// tables. The page is laid out at a width the first byte picks, painted
// scrolled, hit-tested and cloned for printing.
// Beyond "no crash": after expansion a spanning cell is followed by fillers
// in its row and stands above fillers in the rows it spans; the columns add
// up to the grid width; the print copy lays out to the same height.
#include <QImage>
#include <QPainter>
#include <string>

#include "fuzz/viewer_support.h"
#include "htmlview/blocks.h"
#include "htmlview/builder.h"
#include "htmlview/table.h"

namespace {

using namespace htmlview;

struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    int next() { return at < size ? data[at++] : -1; }
};

int span_of(int b) {
    static const int kSpans[] = {1, 1, 1, 2, 2, 3, 4, 7, 100, 1001, 99999999, 0, -3};
    return kSpans[b % (sizeof kSpans / sizeof *kSpans)];
}

std::string table(Bytes& in, int depth) {
    std::string s = "<table";
    const int t = in.next();
    if (t < 0) return s + "></table>";
    if (t & 1) s += " border=" + std::to_string(t % 7);
    if (t & 2) s += " cellspacing=" + std::to_string((t >> 2) % 50);
    if (t & 4) s += " cellpadding=" + std::to_string((t >> 3) % 60);
    if (t & 8) s += (t & 16) ? " width=\"" + std::to_string(t % 120) + "%\"" : " width=" + std::to_string(t * 3);
    if (t & 32) s += " height=" + std::to_string(t * 2);
    s += ">";
    if (t & 64) s += "<caption>cap</caption>";
    if (t & 128) s += "<colgroup span=2 width=30><col><col width=\"20%\"></colgroup><col span=3>";
    for (int b = in.next(); b >= 0 && b != 0xFF; b = in.next()) {
        switch (b & 7) {
        case 0: s += "<tr>"; break;
        case 1: s += "</tr>"; break;
        case 2: case 3: case 4: {
            const int a = in.next() & 0xFF;
            s += "<td colspan=" + std::to_string(span_of(a)) + " rowspan=" + std::to_string(span_of(a >> 4));
            if (b & 8) s += (b & 16) ? " width=\"" + std::to_string(a % 110) + "%\"" : " width=" + std::to_string(a);
            if (b & 32) s += (b & 64) ? " height=\"" + std::to_string(a % 110) + "%\"" : " height=" + std::to_string(a);
            if (b & 128) s += a & 1 ? " valign=bottom nowrap" : " valign=top";
            s += ">x";
            for (int k = 0; k < (a % 5); ++k) s += " word";
            if (depth < 11 && (a & 0xF0) == 0xF0) s += table(in, depth + 1);
            s += "</td>";
            break;
        }
        case 5: s += "<th>head</th>"; break;
        case 6: s += "text"; break;
        default: s += depth < 11 ? table(in, depth + 1) : "<table>"; break;
        }
    }
    return s + "</table>";
}

void check_table(const ThtmlTable& t) {
    const int n = t.RowCount();
    for (int r = 0; r < n; ++r) {
        const auto& row = *t.Rows[static_cast<size_t>(r)];
        fuzz::check(row.Count() <= t.ColumnCount);
        for (int c = 0; c < row.Count(); ++c) {
            if (row.Cells[static_cast<size_t>(c)].IsFiller()) continue;
            const TCellObj& cell = *row.Cells[static_cast<size_t>(c)];
            fuzz::check(cell.SpanCols >= 1 && cell.SpanRows >= 1 && r + cell.SpanRows <= n);
            for (int k = 1; k < cell.SpanCols; ++k)
                fuzz::check(c + k < row.Count() && row.Cells[static_cast<size_t>(c + k)].IsFiller());
            for (int k = 1; k < cell.SpanRows; ++k) {
                const auto& below = *t.Rows[static_cast<size_t>(r + k)];
                fuzz::check(c < below.Count() && below.Cells[static_cast<size_t>(c)].IsFiller() &&
                            below.Cells[static_cast<size_t>(c)].SpanRows() == 0);
            }
            fuzz::check(cell.BoxHeight >= 0);
        }
    }
    int sum = t.CellGap;
    for (int w : t.ColWidths) sum += w;
    fuzz::check(static_cast<int>(t.ColWidths.size()) == t.ColumnCount && sum == t.GridWidth);
}

void check_cell(const TCellBasic& cell) {
    for (const auto& s : cell) {
        if (const auto* t = dynamic_cast<const ThtmlTable*>(s.get())) {
            check_table(*t);
            for (const auto& row : t->Rows)
                for (const auto& c : row->Cells)
                    if (!c.IsFiller() && c->Contents) check_cell(*c->Contents);
        } else if (const auto* b = dynamic_cast<const TBlock*>(s.get())) {
            check_cell(*b->BodyCell);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::viewer_app("fuzz_table");
    if (size < 1 || size > 4096) return 0;
    Bytes in{data + 1, size - 1};
    const int width = 1 + data[0] * 4;
    const std::string page = "<p>before</p>" + table(in, 1) + "after";

    TSectionList doc(nullptr);
    TReadResult result;
    ReadHtmlDocument(page, doc, TReadHandlers(), result);
    const int height = fuzz::lay_out(doc, width);
    check_cell(doc);

    QImage shot(std::min(width, 300), 200, QImage::Format_RGB32);
    for (int scroll : {0, height / 2}) {
        QPainter p(&shot);
        ui::HtmlCanvas canvas(p);
        doc.SetScrollY(scroll);
        doc.Draw(canvas, {0, 0, shot.width(), shot.height()}, shot.width(), 0);
        for (int k = 0; k < 4; ++k) {
            TUrlTarget url;
            TFormControlObj* control = nullptr;
            std::string title;
            doc.UrlAtPoint(canvas, (k * 89) % width, scroll + k * 47, url, control, title);
        }
    }
    TSectionList copy(doc, true);
    fuzz::check(fuzz::lay_out(copy, width) == height);
    return 0;
}
