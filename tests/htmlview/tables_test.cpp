// Tables: the grid after spans are expanded, the cell rectangles that
// widths and heights give, the builder's handling of nesting, captions,
// columns and stray content, hit tests, painting and print copies.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <sstream>

#include "flow_support.h"
#include "htmlview/cell_manager.h"
#include "htmlview/table_blocks.h"
#include "support/heap_use.h"

namespace {

class Tables : public testsupport::QtFixture {};
class CellManager : public testsupport::QtFixture {};

using namespace htmlview;
using flow::Page;

void collect_tables(const TCellBasic& cell, std::vector<ThtmlTable*>& out) {
    for (const auto& s : cell) {
        if (auto* t = dynamic_cast<ThtmlTable*>(s.get())) {
            out.push_back(t);
            for (const auto& row : t->Rows)
                for (const auto& c : row->Cells)
                    if (!c.IsFiller() && c->Contents) collect_tables(*c->Contents, out);
        } else if (auto* b = dynamic_cast<TBlock*>(s.get())) {
            collect_tables(*b->BodyCell, out);
        }
    }
}

std::vector<ThtmlTable*> tables(const TSectionList& doc) {
    std::vector<ThtmlTable*> out;
    collect_tables(doc, out);
    return out;
}

// The grid: per row, "c<cols>x<rows>" for a cell and "f<rows>" for a filler.
std::string grid(const ThtmlTable& t) {
    std::ostringstream out;
    for (const auto& row : t.Rows) {
        out << "|";
        for (const auto& c : row->Cells) {
            if (c.IsFiller())
                out << " f" << c.SpanRows();
            else
                out << " c" << c->SpanCols << "x" << c->SpanRows;
        }
    }
    return out.str();
}

// Each cell's column start, top (from the table's top), box width and height.
std::string rects(const ThtmlTable& t) {
    std::ostringstream out;
    for (int r = 0; r < t.RowCount(); ++r)
        for (const auto& c : t.Rows[static_cast<size_t>(r)]->Cells) {
            if (c.IsFiller()) continue;
            int x = 0;
            for (int k = 0; k < c->Column; ++k) x += t.ColWidths[static_cast<size_t>(k)];
            out << "r" << r << "c" << c->Column << " " << x << "," << c->CellTop - t.SectionTop << " " << c->BoxWidth
                << "x" << c->BoxHeight << "; ";
        }
    return out.str();
}

std::string cell_text(const TCellObj& c) {
    std::string out;
    std::vector<TSection*> s;
    flow::collect_sections(*c.Contents, s);
    for (TSection* t : s) out += WideToUtf8(t->Text);
    return out;
}

TEST_F(Tables, SpansExpandIntoFillers) {
    struct Case {
        const char* name;
        const char* rows;
        const char* grid;
        int columns;
    } cases[] = {
        {"rowspan pushes the next row right", "<tr><td rowspan=2>a<td>b<tr><td>c", "| c1x2 c1x1| f0 c1x1", 2},
        {"colspan on the last cell", "<tr><td>a<td colspan=3>b<tr><td>c", "| c1x1 c3x1 f1 f1| c1x1", 4},
        {"colspan and rowspan together", "<tr><td colspan=2 rowspan=2>a<td>b<tr><td>c",
         "| c2x2 f2 c1x1| f0 f0 c1x1", 3},
        {"overlapping spans", "<tr><td rowspan=2>a<td>b<tr><td colspan=2>c", "| c1x2 c1x1| f0 c2x1 f1", 3},
        {"rowspan past the last row is cut", "<tr><td rowspan=9>a<td>b<tr><td>c", "| c1x2 c1x1| f0 c1x1", 2},
        {"a short row below a long span is padded",
         "<tr><td>a<td>b<td rowspan=2>c<tr><td>d", "| c1x1 c1x1 c1x2| c1x1 f1 f0", 3},
        {"huge spans are bounded", "<tr><td colspan=99999999 rowspan=99999999>a", "", 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page(std::string("<table>") + c.rows + "</table>");
        const auto t = tables(page.doc);
        ASSERT_EQ(t.size(), 1u);
        if (*c.grid) { EXPECT_EQ(grid(*t[0]), c.grid); }
        EXPECT_EQ(t[0]->ColumnCount, c.columns);
    }
}

TEST_F(Tables, CellRectangles) {
    // Cells sized by WIDTH and HEIGHT only, so every number follows from the
    // rules and not from a font.
    struct Case {
        const char* name;
        const char* html;
        const char* rects;
    } cases[] = {
        {"rowspan 2 beside two rows",
         "<table cellspacing=0 cellpadding=0><tr><td rowspan=2 width=50 height=40></td><td width=30 height=20></td>"
         "<tr><td width=30 height=20></td></table>",
         "r0c0 0,0 50x40; r0c1 50,0 30x20; r1c1 50,20 30x20; "},
        {"a tall rowspan shares its excess between its rows",
         "<table cellspacing=0 cellpadding=0><tr><td rowspan=2 width=50 height=61></td><td width=30 height=10></td>"
         "<tr><td width=30 height=20></td></table>",
         "r0c0 0,0 50x61; r0c1 50,0 30x25; r1c1 50,25 30x36; "},
        {"spacing is part of each column and row",
         "<table cellspacing=4 cellpadding=0><tr><td width=20 height=10></td><td width=30 height=10></td></table>",
         "r0c0 0,0 24x14; r0c1 24,0 34x14; "},
        {"30 and 70 percent of a fixed table",
         "<table width=402 cellspacing=2><tr><td width=\"30%\"></td><td width=\"70%\"></td></table>",
         "r0c0 0,0 120x4; r0c1 120,0 280x4; "},
        {"a colspan cell spreads over its columns",
         "<table cellspacing=0 cellpadding=0><tr><td width=40 height=5></td><td width=60 height=5></td>"
         "<tr><td colspan=2 height=7></td></table>",
         "r0c0 0,0 40x5; r0c1 40,0 60x5; r1c0 0,5 100x7; "},
        {"a row HEIGHT raises its cells",
         "<table cellspacing=0 cellpadding=0><tr height=100><td width=10></td></table>", "r0c0 0,0 10x100; "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page(c.html);
        const auto t = tables(page.doc);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(rects(*t[0]), c.rects);
    }
}

TEST_F(Tables, AttributesAreBounded) {
    struct Case {
        const char* attrs;
        int pad, gap, frame;
    } cases[] = {
        {"", 1, 2, 0},
        {"cellpadding=80 cellspacing=90 border=300", 50, 40, 100},
        {"cellpadding=-3 cellspacing=-1 border", 1, 2, 1},
        {"border=-5", 1, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attrs);
        Page page(std::string("<table ") + c.attrs + "><tr><td>x</table>");
        const auto t = tables(page.doc);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0]->CellPad, c.pad);
        EXPECT_EQ(t[0]->CellGap, c.gap);
        EXPECT_EQ(t[0]->FrameWidth, c.frame);
    }
}

TEST_F(Tables, EmptyTablesLayOutWithoutColumns) {
    for (const char* html : {"<table></table>after", "<table><tr></tr></table>after", "<table width=200></table>after",
                             "<table width=50%><tr></table>after", "<table height=100><tr><td></table>after",
                             "<table><caption>c</caption></table>after"}) {
        SCOPED_TRACE(html);
        Page page(html);
        EXPECT_EQ(page.error, "");
        const auto t = tables(page.doc);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_GE(t[0]->FlowHeight, 0);
        EXPECT_EQ(page.Lines().back(), "after");
    }
}

TEST_F(Tables, PercentageRowsFillATallTable) {
    // A table 200 tall: a 25% row and a free row share the height.
    Page page("<table height=202 cellspacing=2 cellpadding=0><tr height=\"25%\"><td width=10></td>"
              "<tr><td width=10></td></table>");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    ASSERT_EQ(t[0]->RowHeights.size(), 2u);
    EXPECT_EQ(t[0]->RowHeights[0] + t[0]->RowHeights[1], 200);
    EXPECT_EQ(t[0]->RowHeights[0], 50 + 2);
}

TEST_F(Tables, NarrowTableOverflowsToItsMinimum) {
    Page page("<table width=40 cellspacing=0 cellpadding=0><tr><td>Supercalifragilistic</td><td>x</td></table>",
              300);
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_GT(t[0]->GridWidth, 40);
    EXPECT_EQ(t[0]->ColWidths, t[0]->ColMin);
}

TEST_F(Tables, FreeTableKeepsToTheWidthItHas) {
    // Long texts in an auto table: the table takes the page width, no more.
    std::string long_text;
    for (int i = 0; i < 60; ++i) long_text += "word ";
    Page page("<table><tr><td>" + long_text + "</td><td>" + long_text + "</td></table>", 400);
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0]->GridWidth, 380);
}

TEST_F(Tables, VerticalAlignmentPlacesContent) {
    struct Case {
        const char* valign;
        int expect; // 0 top, 1 middle, 2 bottom
    } cases[] = {{"top", 0}, {"middle", 1}, {"bottom", 2}, {"baseline", 0}, {"", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.valign);
        Page page(std::string("<table cellspacing=0 cellpadding=0><tr><td height=100 width=10></td><td valign=\"") +
                  c.valign + "\">x</td></table>");
        const auto t = tables(page.doc);
        ASSERT_EQ(t.size(), 1u);
        const TCellObj& cell = *t[0]->Rows[0]->Cells[1];
        const int free = cell.BoxHeight - cell.InnerHeight - cell.EndExtra;
        ASSERT_GT(free, 0);
        EXPECT_EQ(cell.VOffset, c.expect == 0 ? 0 : c.expect == 1 ? free / 2 : free);
    }
}

TEST_F(Tables, NowrapKeepsACellOnOneLine) {
    const std::string text = "many short words that would surely wrap in a narrow table";
    Page wrapped("<table width=120><tr><td>" + text + "</td></table>");
    Page nowrap("<table width=120><tr><td nowrap>" + text + "</td></table>");
    Page pixel("<table width=120><tr><td nowrap width=100>" + text + "</td></table>");
    EXPECT_GT(wrapped.Lines().size(), 1u);
    EXPECT_EQ(nowrap.Lines().size(), 1u);
    EXPECT_GT(pixel.Lines().size(), 1u); // a pixel width wins over NOWRAP
}

TEST_F(Tables, HeaderCellsAreCentredAndDataCellsLeftAligned) {
    Page page("<center><table width=300><tr><th>h</th><td>d</td><td align=right>r</td><th align=right>s</th>"
              "</table></center>");
    std::vector<int> justify;
    for (const TSection* s : page.Sections()) justify.push_back(s->Justify);
    EXPECT_EQ(justify, (std::vector<int>{2, 1, 3, 3}));
}

TEST_F(Tables, ElevenNestedTablesKeepTheirContentInTheTenth) {
    std::string html;
    for (int i = 0; i < 11; ++i) html += "<table><tr><td>";
    html += "deep";
    for (int i = 0; i < 11; ++i) html += "</td></tr></table>";
    html += "after";
    Page page(html);
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 10u);
    // The tenth table's only cell holds the text; each table has one row.
    EXPECT_EQ(cell_text(*t[9]->Rows[0]->Cells[0]), "deep");
    for (const ThtmlTable* table : t) EXPECT_EQ(table->RowCount(), 1);
    // The text after the tables is in the page, not in a table.
    std::vector<TSection*> body;
    flow::collect_sections(*dynamic_cast<TBlock*>(page.doc.Items(0))->BodyCell, body);
    ASSERT_FALSE(body.empty());
    EXPECT_EQ(WideToUtf8(body.back()->Text), "after");
}

TEST_F(Tables, BuilderHandlesStrayContentAndImplicitRows) {
    Page page("<table><td>a</td>between<tr>lost<td>b</td></tr></table>end");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0]->RowCount(), 2);
    EXPECT_EQ(cell_text(*t[0]->Rows[0]->Cells[0]), "a");
    EXPECT_EQ(cell_text(*t[0]->Rows[1]->Cells[0]), "b");
    // Text outside the cells is shown before the table.
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"between", "lost", "a", "b", "end"}));
}

TEST_F(Tables, CaptionsGoAboveOrBelow) {
    for (bool bottom : {false, true}) {
        SCOPED_TRACE(bottom);
        Page page(std::string("<table border=1><caption") + (bottom ? " align=bottom" : "") +
                  ">A caption wider than its table</caption><tr><td>cell</td></table>");
        TTableAndCaptionBlock* wrap = nullptr;
        for (TBlock* b : flow::blocks(page.doc))
            if (auto* w = dynamic_cast<TTableAndCaptionBlock*>(b)) wrap = w;
        ASSERT_NE(wrap, nullptr);
        ASSERT_TRUE(wrap->GridBlock && wrap->TitleBlock);
        if (bottom)
            EXPECT_GE(wrap->TitleBlock->ContentTop, wrap->GridBlock->FlowBottom);
        else
            EXPECT_LE(wrap->TitleBlock->FlowBottom, wrap->GridBlock->ContentTop);
        // The caption's minimum gives the width; the table is centred in it.
        const int table_width = wrap->GridBlock->ChosenWidth + wrap->GridBlock->Sides();
        EXPECT_GT(wrap->ChosenWidth, table_width);
        EXPECT_EQ(wrap->GridBlock->MarginTop(), 0);
        EXPECT_EQ(wrap->GridBlock->BoxValues[MarginLeft], (wrap->ChosenWidth - table_width) / 2);
    }
}

TEST_F(Tables, ColumnSettingsReachTheirCells) {
    Page page("<table cellspacing=0 cellpadding=0><colgroup width=40 align=right><col><col width=60 align=center>"
              "</colgroup><col valign=top><tr><td rowspan=2>a<td>b<td height=50>c<tr><td>d<td>e</table>");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0]->ColWidths[0], 40);
    EXPECT_EQ(t[0]->ColWidths[1], 60);
    const auto sections = page.Sections();
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_EQ(sections[0]->Justify, 3); // a: column 0, right
    EXPECT_EQ(sections[1]->Justify, 2); // b: column 1, centred
    EXPECT_EQ(sections[3]->Justify, 2); // d: pushed into column 1 by the rowspan
    // e stands in column 2, past the COLs that set an alignment: it keeps its own.
    EXPECT_EQ(t[0]->Rows[1]->Cells[2]->VertAlign, ATop);
}

TEST_F(CellManager, FindsFreeColumnsAndBoundsSpans) {
    TSectionList doc(nullptr);
    TProperties props;
    auto cell = [&](int cols, int rows) {
        TAttributeList attrs;
        attrs.Add(std::make_unique<TAttribute>(Sym::ColSpan, "COLSPAN", cols, std::to_string(cols)));
        attrs.Add(std::make_unique<TAttribute>(Sym::RowSpan, "ROWSPAN", rows, std::to_string(rows)));
        return std::make_unique<TCellObj>(&doc, AMiddle, &attrs, props);
    };
    TCellManager m(3);
    EXPECT_EQ(m.FindColNum(0), 0);
    auto a = cell(1, 1);
    m.AddCell(0, *a);
    auto b = cell(1, 2);
    m.AddCell(0, *b);
    EXPECT_EQ(m.FindColNum(0), 2);
    auto full = cell(1, 1);
    m.AddCell(0, *full);
    EXPECT_EQ(m.FindColNum(0), -1); // a full row has no place
    EXPECT_EQ(m.Row(1), "oxo");     // the rowspan holds column 1
    auto c = cell(3, 1);
    m.AddCell(1, *c); // meets the rowspan after one column
    EXPECT_EQ(c->SpanCols, 1);
    EXPECT_EQ(m.Row(1), "xxo");
    auto wide = cell(4, 1);
    m.AddCell(1, *wide); // past the settings nothing is cut
    EXPECT_EQ(wide->SpanCols, 4);
    EXPECT_EQ(m.FindColNum(5), -1); // rows are made one at a time
    auto huge = cell(5, 99999999);
    m.AddCell(2, *huge);
    EXPECT_LE(m.RowCount(), 2 + kMaxSpan);

    // The span is cut by every row the cell covers, and the rows below take
    // the cut span.
    TCellManager n(3);
    EXPECT_EQ(n.FindColNum(0), 0);
    auto left = cell(1, 1), held = cell(1, 2);
    n.AddCell(0, *left);
    n.AddCell(0, *held); // holds column 1 of row 1
    auto cut = cell(3, 2);
    n.AddCell(1, *cut);
    EXPECT_EQ(cut->SpanCols, 1);
    EXPECT_EQ(n.Row(1), "xxo");
    EXPECT_EQ(n.Row(2), "xoo");
    // Free in its own row, held in the row below.
    TCellManager o(3);
    EXPECT_EQ(o.FindColNum(0), 0);
    auto first = cell(1, 1), below = cell(2, 1);
    o.AddCell(0, *first);
    o.AddCell(1, *below);
    auto tall = cell(2, 2);
    o.AddCell(0, *tall);
    EXPECT_EQ(tall->SpanCols, 1);
    EXPECT_EQ(o.Row(0), "xxx");
}

// Every row of 3000 starting with a cell that spans 999 rows makes a true
// grid of 999 columns by 3000 rows. The places the spans hold are no cell
// objects, so the page costs a few tens of megabytes, not gigabytes.
TEST_F(Tables, LongRowSpansKeepTheGridSmall) {
    std::string html = "<table>";
    for (int r = 0; r < 3000; ++r) html += "<tr><td rowspan=999>" + std::to_string(r) + "</td>";
    html += "</table>";
    const auto before = testsupport::heap_in_use();
    Page page(html, 800);
    const auto after = testsupport::heap_in_use();
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0]->ColumnCount, 999);
    long long places = 0;
    int cells = 0;
    for (const auto& row : t[0]->Rows) {
        places += row->Count();
        for (const auto& c : row->Cells) cells += !c.IsFiller();
    }
    EXPECT_EQ(cells, 3000);
    EXPECT_GT(places, 2'000'000);
    if (before && after) {
        const size_t mb = (*after - *before) >> 20;
        EXPECT_LT(mb, 300u);
        std::printf("rowspan grid: %lld places, %zu MB\n", places, mb);
    }
    // Row r's cell takes the column a span ended in, r mod 999, and spans
    // at most to the last row.
    EXPECT_EQ(t[0]->Rows[0]->Cells[0]->SpanRows, 999);
    ASSERT_FALSE(t[0]->Rows[2999]->Cells[2].IsFiller());
    EXPECT_EQ(t[0]->Rows[2999]->Cells[2]->SpanRows, 1);
    EXPECT_TRUE(t[0]->Rows[2999]->Cells[3].IsFiller());
}

// The blocks around the tables of a page, in document order.
std::vector<TBlock*> table_blocks(const TCellBasic& cell) {
    std::vector<TBlock*> out;
    for (const auto& s : cell)
        if (auto* b = dynamic_cast<TBlock*>(s.get())) {
            if (dynamic_cast<TTableBlock*>(b) || dynamic_cast<TTableAndCaptionBlock*>(b)) out.push_back(b);
            if (!dynamic_cast<TTableAndCaptionBlock*>(b))
                for (TBlock* inner : table_blocks(*b->BodyCell)) out.push_back(inner);
        }
    return out;
}

TEST_F(Tables, FloatedAndPercentTablesAmongFloats) {
    // A left-floated table after a paragraph keeps its own top margin (a
    // float does not collapse), so the text beside it starts at its top.
    {
        Page page("<p>before</p><table align=left border=1><tr><td>t</td></tr></table>beside");
        const auto blocks = table_blocks(page.doc);
        ASSERT_EQ(blocks.size(), 1u);
        const TSection* beside = nullptr;
        for (TSection* s : page.Sections())
            if (WideToUtf8(s->Text) == "beside") beside = s;
        ASSERT_NE(beside, nullptr);
        EXPECT_EQ(blocks[0]->SectionTop, beside->SectionTop);
        EXPECT_EQ(blocks[0]->BoxValues[htmlview::MarginTop], 0);
    }
    // VSPACE gives a floated table its top and bottom margins.
    {
        Page page("<table align=right vspace=12 hspace=5><tr><td>t</td></tr></table>text");
        const auto blocks = table_blocks(page.doc);
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_EQ(blocks[0]->BoxValues[htmlview::MarginTop], 12);
        EXPECT_EQ(blocks[0]->BoxValues[htmlview::MarginBottom], 12);
        EXPECT_EQ(blocks[0]->BoxValues[htmlview::MarginRight], 5);
    }
    // A percentage: the content is that share of the width the block is
    // given, whatever its borders, and the columns fill it as a free table's.
    {
        Page page("<table width=\"50%\" border=2 cellspacing=0><tr><td width=\"20%\">a</td><td>b</td></tr></table>",
                  400);
        const auto t = tables(page.doc);
        const auto blocks = table_blocks(page.doc);
        ASSERT_EQ(t.size(), 1u);
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_EQ(blocks[0]->ChosenWidth, 190); // half of the body's 380
        EXPECT_EQ(t[0]->FixedWidth, 0);
        EXPECT_EQ(t[0]->GridWidth, 190);
    }
    // A captioned table is squeezed between the floats beside its top as
    // one without a caption is.
    for (const char* caption : {"", "<caption>c</caption>"}) {
        SCOPED_TRACE(caption);
        Page page(std::string("<img src=\"") + FIXTURES_DIR + "/pages/pics/sky.png\" align=left width=60 height=60>"
                  "<table border=1>" + caption + "<tr><td>t</td></tr></table>", 400);
        const TTableBlock* grid = nullptr;
        std::function<void(const TCellBasic&)> find = [&](const TCellBasic& cell) {
            for (const auto& sec : cell)
                if (auto* b = dynamic_cast<const TBlock*>(sec.get())) {
                    if (auto* tb = dynamic_cast<const TTableBlock*>(b)) grid = tb;
                    find(*b->BodyCell);
                }
        };
        find(page.doc);
        ASSERT_NE(grid, nullptr);
        // Right of the picture: the body's margin, the picture and its spaces.
        EXPECT_GE(grid->ContentLeft, 10 + 60);
    }
}

TEST_F(Tables, HitTestsUseTheWholeCellBox) {
    // A tall middle-aligned cell above a short one: the top of the lower
    // cell belongs to it, not to the cell above.
    Page page("<table cellspacing=0 cellpadding=0><tr><td height=80 width=100>up</td><tr><td>down</td></table>");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    QImage img(400, 300, QImage::Format_RGB32);
    QPainter p(&img);
    ui::HtmlCanvas canvas(p);
    page.doc.Draw(canvas, {0, 0, 400, 300}, 400, 0);
    const TCellObj* up = t[0]->Rows[0]->Cells[0].get();
    const TCellObj* down = t[0]->Rows[1]->Cells[0].get();
    const int x = t[0]->PaintedX + 5;
    EXPECT_EQ(t[0]->CellAt(x, down->CellTop), down);
    EXPECT_EQ(t[0]->CellAt(x, down->CellTop - 1), up);
    EXPECT_EQ(t[0]->CellAt(x, up->CellTop), up);
    EXPECT_EQ(t[0]->CellAt(x, t[0]->FlowBottom), nullptr);
}

TEST_F(Tables, ACellsBlackSideColourIsKept) {
    // Black is a colour given, not the lack of one: it is not replaced by
    // the cell's border colour.
    Page page("<table cellspacing=0><tr><td style=\"border: 4px solid red; border-left-color: black\">x</td>"
              "<td style=\"border: 1px solid #ff0000; border-top-color: #000\">y</td></table>");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    QImage img(400, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        ui::HtmlCanvas canvas(p);
        page.doc.Draw(canvas, {0, 0, 400, 200}, 400, 0);
    }
    const TCellObj& a = *t[0]->Rows[0]->Cells[0];
    const TCellObj& b = *t[0]->Rows[0]->Cells[1];
    const int x = t[0]->PaintedX, top = a.CellTop;
    const int mid = top + a.BoxHeight / 2;
    EXPECT_EQ(QColor(img.pixel(x + 1, mid)), QColor(Qt::black)) << "left side";
    EXPECT_EQ(QColor(img.pixel(x + a.BoxWidth - 2, mid)), QColor(Qt::red)) << "right side";
    // The plain one-pixel frame takes the top side's colour.
    const int bx = x + a.BoxWidth;
    EXPECT_EQ(QColor(img.pixel(bx + b.BoxWidth / 2, b.CellTop)), QColor(Qt::black));
}

TEST_F(Tables, RowspanCellsPaintWhenTheirFirstRowIsScrolledAway) {
    Page page("<table cellspacing=0 cellpadding=0><tr><td height=20 width=30></td><td rowspan=2 width=50 "
              "bgcolor=#ff0000></td><tr><td height=200 width=30></td></table>");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    const TCellObj& span = *t[0]->Rows[0]->Cells[1];
    ASSERT_EQ(span.BoxHeight, 220);
    page.doc.SetScrollY(t[0]->SectionTop + 60); // the first row is above the window
    QImage img(300, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    ui::HtmlCanvas canvas(p);
    page.doc.Draw(canvas, {0, 0, 300, 100}, 300, 0);
    p.end();
    EXPECT_EQ(QColor(img.pixel(t[0]->PaintedX + 30 + 25, 50)), QColor(255, 0, 0));
}

TEST_F(Tables, PrintCopiesLayOutLikeTheirSource) {
    Page page("<table border=1><tr><td>one</td><td rowspan=2>two words</td><tr><td>three</td></table>");
    TSectionList copy(page.doc, true);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    int max_width = 0;
    copy.DoLayout(canvas, 800, 600, max_width);
    const auto a = tables(page.doc);
    const auto b = tables(copy);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(rects(*b[0]), rects(*a[0]));
    EXPECT_EQ(b[0]->GridWidth, a[0]->GridWidth);
}

} // namespace

namespace {

TEST_F(Tables, TableAndFormPagesRenderLikeTheirGoldenPictures) {
    const std::string out = testsupport::output_path("htmlview/tables");
    QDir().mkpath(QString::fromStdString(out));
    for (const char* name : {"tables", "forms"})
        for (int width : {320, 800}) {
            const std::string dir = std::string(FIXTURES_DIR) + "/" + name + "/";
            const std::string shot_name = std::string(name) + "_" + std::to_string(width) + ".png";
            SCOPED_TRACE(shot_name);
            std::string error;
            const QImage shot = htmlshot::RenderPage(dir + name + ".html", width, &error);
            ASSERT_FALSE(shot.isNull()) << error;
            shot.save(QString::fromStdString(out + "/" + shot_name));
            const QImage golden(QString::fromStdString(dir + shot_name));
            ASSERT_FALSE(golden.isNull()) << "golden picture missing";
            EXPECT_EQ(shot, golden.convertToFormat(QImage::Format_RGB32));
        }
}

} // namespace

namespace {

TEST_F(Tables, TablesAlignInTheirBlock) {
    struct Case {
        const char* html;
        int left; // the table's x on an 800-pixel page (body margins 10)
    } cases[] = {
        {"<table width=200 cellspacing=0><tr><td>x</table>", 10},
        {"<table width=200 cellspacing=0 align=center><tr><td>x</table>", 10 + 290},
        {"<center><table width=200 cellspacing=0><tr><td>x</table></center>", 10 + 290},
        {"<div align=right><table width=200 cellspacing=0><tr><td>x</table></div>", 10 + 580},
        {"<table width=\"50%\" cellspacing=0 align=center><tr><td>x</table>", 10 + 195},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        Page page(c.html);
        const auto t = tables(page.doc);
        ASSERT_EQ(t.size(), 1u);
        QImage img(800, 100, QImage::Format_RGB32);
        QPainter p(&img);
        ui::HtmlCanvas canvas(p);
        page.doc.Draw(canvas, {0, 0, 800, 100}, 800, 0);
        EXPECT_EQ(t[0]->PaintedX, c.left);
    }
}

} // namespace

namespace {

TEST_F(Tables, APageThatStopsInsideATableKeepsIt) {
    // An open comment at the end stops the reader inside a cell.
    Page page("<table><tr><td>first</td><td>cell text <!-- never closed");
    EXPECT_NE(page.error, "");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    ASSERT_EQ(t[0]->RowCount(), 1);
    ASSERT_EQ(t[0]->Rows[0]->Count(), 2);
    EXPECT_EQ(cell_text(*t[0]->Rows[0]->Cells[0]), "first");
}

} // namespace

namespace {

TEST_F(Tables, ABodyTagInsideATableChangesNothing) {
    // Content outside the cells goes to the body ahead of the table; a BODY
    // tag there must not replace the body that is to hold the table.
    Page page("<table><tr>stray<body bgcolor=#ff0000><td>cell</td></tr></table>after");
    const auto t = tables(page.doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(cell_text(*t[0]->Rows[0]->Cells[0]), "cell");
    EXPECT_EQ(page.Lines(), (std::vector<std::string>{"stray", "cell", "after"}));
}

} // namespace
