#pragma once
// Tables: a grid of rows of cells, each cell holding its own section cell.
// The table chooses column widths from the cells' minimum and maximum
// widths, percentages and spans, row heights from the cells' contents and
// height requests, places and paints the cells with their borders and
// backgrounds, breaks printed pages between rows and finds the cell under
// a point. The table block around it (table_blocks.h) decides its outer
// width, margins and alignment.
#include <memory>
#include <string>
#include <vector>

#include "htmlview/sections.h"
#include "htmlview/style_model.h"
#include "htmlview/tiles.h"

namespace htmlview {

// Spans and the number of columns are bounded so that a page cannot make
// the grid arbitrarily large.
constexpr int kMaxSpan = 1000;
constexpr int kMaxColumns = 1000;

// A WIDTH attribute: pixels, or 1 to 100 percent kept in tenths; false
// (nothing set) for anything else.
bool ReadWidthAttribute(const TAttribute& a, int& width, bool& percent);

// A COL or COLGROUP setting.
struct TColObj {
    int SpecWidth = 0; // pixels, or tenths of a percent
    bool SpecIsPercent = false;
    std::string SpecAlign;
    int SpecVAlign = 0;
};

class TCellObj {
  public:
    // A cell of `doc` read from its attributes and style; `row_align` is
    // the vertical alignment it takes unless it has its own.
    TCellObj(TSectionList* doc, int row_align, TAttributeList* attrs, TProperties& props);
    // A copy for `doc` (a print copy); backgrounds only when it prints them.
    TCellObj(TSectionList* doc, const TCellObj& source);
    bool HasSections() const { return Contents && Contents->Count() > 0; }
    // Unset paddings take the table's; a bordered table gives every cell
    // without a border style of its own a one-pixel border.
    void SetSpacing(int pad, bool table_has_border);
    // Lays the content out in its final place, the row's top at `y`.
    void PlaceContent(ui::HtmlCanvas& canvas, int y, int& curs, int gap);

    int SpanCols = 1, SpanRows = 1;
    int BoxWidth = 0, BoxHeight = 0;
    int InnerHeight = 0;
    int AskedHt = 0, AskedHtPercent = 0;
    int VOffset = 0;
    int VertAlign = AMiddle; // ATop, AMiddle, ABaseline, ABottom
    int AskedWd = 0;         // pixels, or tenths of a percent
    bool AskedWdPercent = false;
    int EmSize = 16, ExSize = 8;
    int PadT = -1, PadR = -1, PadB = -1, PadL = -1;
    int BorderT = 0, BorderR = 0, BorderB = 0, BorderL = 0;
    int SideExtra = 0, EndExtra = 0;
    int BorderStyle = bssNone;
    std::unique_ptr<TCell> Contents; // none for a filler
    TBackgroundPicture Background; // BACKGROUND or background-image, or the row's
    TIntMarginArray BoxValues{};
    bool PageBreakBefore = false, PageBreakAfter = false, AvoidPageBreak = false;

    // Layout results: the column it stands in and its top (document y).
    int Column = 0;
    int CellTop = 0;
    int CellMin = 0, CellMax = 0; // content widths of the current layout

  private:
    TCellObj() = default;
};

// One place of a row: a cell, or a filler where a spanning cell reaches.
// A filler is no object of its own, so a grid of long spans stays small.
class TCellSlot {
  public:
    TCellSlot(std::unique_ptr<TCellObj> cell) : cell_(std::move(cell)) {}
    // A filler beside a cell that spans columns takes that cell's rows;
    // one below a cell that spans rows takes 0.
    static TCellSlot Filler(int span_rows) {
        TCellSlot s;
        s.filler_rows_ = span_rows;
        return s;
    }

    bool IsFiller() const { return !cell_; }
    int SpanRows() const { return cell_ ? cell_->SpanRows : filler_rows_; }
    // The cell; none for a filler.
    TCellObj* get() const { return cell_.get(); }
    TCellObj* operator->() const { return cell_.get(); }
    TCellObj& operator*() const { return *cell_; }

  private:
    TCellSlot() = default;
    std::unique_ptr<TCellObj> cell_;
    int filler_rows_ = 0;
};

// One row.
class TCellList {
  public:
    TCellList(TAttributeList* attrs, TProperties* props);
    TCellList(TSectionList* doc, const TCellList& source);

    void AddCell(std::unique_ptr<TCellObj> cell);
    int Count() const { return static_cast<int>(Cells.size()); }

    std::vector<TCellSlot> Cells; // a cell's column is its place here
    int LaidHeight = 0;
    int AskedHeight = 0;
    int AskedPercent = 0;
    int SpanHeight = 0;
    bool HasFillColor = false;
    ColorRef FillColor = NoColour;
    std::string RowImage;
    PositionRecArray RowImagePos{};
    bool PageBreakBefore = false, PageBreakAfter = false, AvoidPageBreak = false;
    int RowTop = 0; // document y of the last layout
};

class ThtmlTable : public TSectionBase {
  public:
    ThtmlTable(TSectionList* doc, TAttributeList* attrs);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    void CopyToClipboard() override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;
    int UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                   std::string& title) override;
    bool ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy) override;
    int CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht,
                      bool& in_text) override;
    int FindText(WideView text, int from, bool match_case) override;
    int FindTextBackward(WideView text, int from, bool match_case) override;
    int DocToSourcePos(int pos) override;
    int SourceToDocPos(int source_pos, bool prev) override;
    bool CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) override;
    bool CharAtPos(int pos, char16_t& ch, TSectionBase*& owner) override;
    void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) override;

    // A COL or COLGROUP column.
    void AddColumn(int width, bool is_percent, const std::string& horz_align, int vert_align);
    void AddRow(std::unique_ptr<TCellList> row);
    int RowCount() const { return static_cast<int>(Rows.size()); }
    // Turns spans into filler cells; once.
    void ExpandSpans();
    // The cell whose box holds the point (x as painted, document y), or none.
    TCellObj* CellAt(int x, int y);
    // While printing: whether the first row goes to the next page, so that
    // nothing of the table is printed on this one.
    bool FirstRowMovesToNextPage(const ui::Rect& arect) const;

    std::vector<std::unique_ptr<TCellList>> Rows;
    bool SpansExpanded = false;
    int FrameWidth = 0;
    int ColumnCount = 0;
    int GridWidth = 0;
    int FixedWidth = 0;
    // Set by a block that gives the table a width in percent: the columns
    // fill the width they are laid out in, spread as a free table's.
    bool FillWidth = false;
    bool HasPixelWidths = false;
    int GridHeight = 0;
    int CellPad = 1;
    int CellGap = 2;
    ColorRef LightEdgeColor, DarkEdgeColor;
    int PaintedX = 0, PaintedY = 0;
    bool HasFillColor = false;
    ColorRef FillColor = NoColour;
    std::vector<TColObj> ColumnSpecs;
    int CachedLayoutCount = -1;
    std::vector<int> ColWidths, ColMax, ColMin, ColPercent;
    std::vector<int> RowHeights;

  private:
    ThtmlTable(TSectionList* doc, const ThtmlTable& source);

    std::vector<TCellObj*> CellsBySpan();
    void CellWidths(ui::HtmlCanvas& canvas);
    template <class ForCell>
    void WidthsByCells(ForCell for_cell);
    void GetMinMaxPlain(ui::HtmlCanvas& canvas, int& min, int& max);
    void GetMinMaxPercent(ui::HtmlCanvas& canvas, int width, int& min, int& max);
    void WidthsByMinMax(int target);
    void WidthsForFreeTable(int min_sum, int max_sum, int target);
    void WidthsForFixedTable(int target);
    void SolveRowHeights(ui::HtmlCanvas& canvas, int aheight);
    // Steps of SolveRowHeights.
    struct RowNeeds {
        std::vector<int> min_h, pct_h;
        std::vector<bool> given;
    };
    void SetCellBoxWidths();
    RowNeeds MeasureRows(ui::HtmlCanvas& canvas, int h_avail);
    void ShareRowHeights(const RowNeeds& need, int h_avail);
    // Steps of ExpandSpans.
    void LayCellsOfRow(TCellList& row, int r);
    void HoldRowSpans();
    void ApplyColumnSpecs();
    // Lays out the cells of one row and one span; the tallest of them, with
    // and without their height requests, and whether one asked for a height.
    void LayoutCellsOfSpan(ui::HtmlCanvas& canvas, const std::vector<TCellObj*>& cells, int height_base, int& ht,
                           int& pct_ht, bool& specified);
    int PaintRow(ui::HtmlCanvas& canvas, const ui::Rect& arect, TCellList& row, int y, bool first);
    // While printing: whether the page ends above `row`, which starts at `y`.
    bool RowMovesToNextPage(const ui::Rect& arect, const TCellList& row, int y) const;
    void PaintCell(ui::HtmlCanvas& canvas, const ui::Rect& arect, TCellObj& cell, int x, int y);
    template <class F> int AskCells(F f, bool backward = false);

    int width_key_ = -1;      // the width the percentages were last found for
    int minmax_layout_ = -1;  // the layout the cells' widths belong to
    std::vector<int> height_key_; // column widths and height the rows were solved for
};

} // namespace htmlview
