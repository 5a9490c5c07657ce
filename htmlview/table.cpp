#include "htmlview/table.h"

#include <algorithm>
#include <numeric>

#include "htmlview/ascii.h"
#include "htmlview/borders.h"
#include "htmlview/box_length.h"
#include "htmlview/document.h"
#include "platform/os/int_math.h"

namespace htmlview {

using os::MulDiv;

namespace {

// The sum of the columns [c0, c1) of `v`, held to the position bound.
int column_sum(const std::vector<int>& v, int c0, int c1) {
    int64_t sum = 0;
    for (int c = c0; c < c1; ++c) sum += v[static_cast<size_t>(c)];
    return to_position(sum);
}

int column_sum(const std::vector<int>& v) {
    return column_sum(v, 0, static_cast<int>(v.size()));
}

bool percent_text(const std::string& s) {
    return s.find('%') != std::string::npos;
}

ColorRef sys_or(ColorRef c) {
    return (c & ui::kSysColorFlag) ? ui::sys_color(static_cast<int>(c & 0xFF)) : c;
}

// A BGCOLOR attribute into a fill colour.
void read_fill(const TAttribute& a, bool& has, ColorRef& color) {
    ColorRef c;
    if (ParseColor(a.ValueText, false, c)) {
        has = true;
        color = c;
    }
}

// A HEIGHT attribute: pixels, or percent when it has a '%'.
void read_height(const TAttribute& a, int& pixels, int& percent) {
    if (percent_text(a.ValueText))
        percent = std::clamp(a.ValueNumber, 0, 100);
    else
        pixels = std::clamp(a.ValueNumber, 0, kMaxBoxLength);
}

// Rounds num / den to the nearest integer, ties to even.
int div_round_even(long long num, long long den) {
    if (den == 0) return 0;
    return os::round_even(static_cast<double>(num) / static_cast<double>(den));
}

} // namespace

bool ReadWidthAttribute(const TAttribute& a, int& width, bool& percent) {
    if (percent_text(a.ValueText)) {
        if (a.ValueNumber < 1 || a.ValueNumber > 100) return false;
        width = a.ValueNumber * 10;
        percent = true;
        return true;
    }
    if (a.ValueNumber <= 0) return false;
    width = std::min(a.ValueNumber, kMaxBoxLength);
    percent = false;
    return true;
}

// ----------------------------------------------------------------- TCellObj

TCellObj::TCellObj(TSectionList* doc, int row_align, TAttributeList* attrs, TProperties& props)
    : VertAlign(row_align), Contents(std::make_unique<TCell>(doc)) {
    if (attrs) {
        for (const auto& a : *attrs) {
            switch (a->Symbol) {
            case Sym::RowSpan:
                if (a->ValueNumber > 1) SpanRows = std::min(a->ValueNumber, kMaxSpan);
                break;
            case Sym::ColSpan:
                if (a->ValueNumber > 1) SpanCols = std::min(a->ValueNumber, kMaxSpan);
                break;
            case Sym::Width:
                ReadWidthAttribute(*a, AskedWd, AskedWdPercent);
                break;
            case Sym::Height:
                read_height(*a, AskedHt, AskedHtPercent);
                break;
            case Sym::BgColor:
                read_fill(*a, Contents->HasFillColor, Contents->FillColor);
                break;
            case Sym::Background:
                Background.SetName(Trim(a->ValueText), PositionRecArray{});
                break;
            default:
                break;
            }
        }
    }
    // Baseline, sub and super keep the row's alignment.
    if (int va = 0; props.GetVertAlign(va) && (va == ATop || va == AMiddle || va == ABottom)) VertAlign = va;

    props.GetFont(); // the em and ex sizes
    EmSize = props.EmSize;
    ExSize = props.ExSize;
    TMarginArray box;
    props.GetMarginValues(box);
    int auto_count = 0;
    ConvertMargins(box, 100, 100, EmSize, ExSize, auto_count, BoxValues);
    // A side colour not given is kept apart from an explicit black.
    for (int i = BorderTopColor; i <= BorderLeftColor; ++i) {
        const PropValue& v = box[static_cast<size_t>(i)];
        if (!IsInt(v) || AsInt(v) == NoValue) BoxValues[static_cast<size_t>(i)] = static_cast<int>(NoColour);
    }
    const int w = BoxValues[piWidth];
    if (w > 0 && w != AutoValue) {
        if (!percent_text(AsString(box[piWidth]))) {
            AskedWd = w;
            AskedWdPercent = false;
        } else if (w < 100) {
            AskedWd = w * 10;
            AskedWdPercent = true;
        }
    }
    if (BoxValues[piHeight] > 0 && !percent_text(AsString(box[piHeight]))) AskedHt = BoxValues[piHeight];
    if (const ColorRef bg = props.GetBackgroundColor(); bg != NoColour) {
        Contents->HasFillColor = true;
        Contents->FillColor = bg;
    }
    std::string url;
    if (props.GetBackgroundImage(url) && !url.empty() && url != "none") {
        PositionRecArray pos;
        props.GetBackgroundPos(EmSize, ExSize, pos);
        Background.SetName(url, pos);
    }
    BorderStyle = props.GetBorderStyle();
    TIntMarginArray pads{};
    ConvertPaddings(box, EmSize, ExSize, pads);
    PadT = bound_length(pads[PaddingTop]);
    PadR = bound_length(pads[PaddingRight]);
    PadB = bound_length(pads[PaddingBottom]);
    PadL = bound_length(pads[PaddingLeft]);
    AskedWd = bound_length(AskedWd);
    AskedHt = bound_length(AskedHt);
    if (BorderStyle != bssNone) {
        auto width = [&](int i) { return std::clamp(BoxValues[static_cast<size_t>(i)], 0, 100); };
        BorderT = width(BorderTopWidth);
        BorderR = width(BorderRightWidth);
        BorderB = width(BorderBottomWidth);
        BorderL = width(BorderLeftWidth);
    }
    props.GetPageBreaks(PageBreakBefore, PageBreakAfter, AvoidPageBreak);
}

TCellObj::TCellObj(TSectionList* doc, const TCellObj& s)
    : SpanCols(s.SpanCols), SpanRows(s.SpanRows), BoxWidth(s.BoxWidth), BoxHeight(s.BoxHeight),
      InnerHeight(s.InnerHeight), AskedHt(s.AskedHt), AskedHtPercent(s.AskedHtPercent), VOffset(s.VOffset),
      VertAlign(s.VertAlign), AskedWd(s.AskedWd), AskedWdPercent(s.AskedWdPercent), EmSize(s.EmSize),
      ExSize(s.ExSize), PadT(s.PadT), PadR(s.PadR), PadB(s.PadB), PadL(s.PadL), BorderT(s.BorderT),
      BorderR(s.BorderR), BorderB(s.BorderB), BorderL(s.BorderL), SideExtra(s.SideExtra), EndExtra(s.EndExtra),
      BorderStyle(s.BorderStyle), BoxValues(s.BoxValues), PageBreakBefore(s.PageBreakBefore),
      PageBreakAfter(s.PageBreakAfter), AvoidPageBreak(s.AvoidPageBreak), Column(s.Column), CellTop(s.CellTop) {
    if (s.Contents) {
        Contents = std::make_unique<TCell>(doc, *s.Contents);
        const bool backgrounds = !doc || doc->PrintBackgrounds;
        Contents->HasFillColor = backgrounds && s.Contents->HasFillColor;
        Contents->FillColor = s.Contents->FillColor;
        if (backgrounds && doc) Background = s.Background.CopyFor(*doc);
    }
}

void TCellObj::SetSpacing(int pad, bool table_has_border) {
    for (int* p : {&PadT, &PadR, &PadB, &PadL})
        if (*p < 0) *p = pad;
    if (table_has_border && BorderStyle == bssNone)
        for (int* b : {&BorderT, &BorderR, &BorderB, &BorderL}) *b = std::max(*b, 1);
    SideExtra = PadL + BorderL + BorderR + PadR;
    EndExtra = PadT + BorderT + BorderB + PadB;
}

void TCellObj::PlaceContent(ui::HtmlCanvas& canvas, int y, int& curs, int gap) {
    if (Contents && Contents->Document) Background.Fetch(*Contents->Document, canvas);
    if (!HasSections()) return;
    const int free = BoxHeight - InnerHeight - EndExtra - gap;
    switch (VertAlign) {
    case ATop: VOffset = 0; break;
    case AMiddle: VOffset = free / 2; break;
    default: VOffset = free; break;
    }
    VOffset = std::max(0, VOffset);
    int w = 0;
    Contents->Layout(canvas, to_position(int64_t{y} + gap + PadT + BorderT + VOffset), std::max(0, BoxWidth - SideExtra - gap),
                     std::max(0, BoxHeight - EndExtra - gap), w, curs);
}

// ----------------------------------------------------------------- TCellList

TCellList::TCellList(TAttributeList* attrs, TProperties* props) {
    if (attrs) {
        for (const auto& a : *attrs) {
            switch (a->Symbol) {
            case Sym::BgColor:
                read_fill(*a, HasFillColor, FillColor);
                break;
            case Sym::Background:
                RowImage = Trim(a->ValueText);
                break;
            case Sym::Height:
                read_height(*a, AskedHeight, AskedPercent);
                break;
            default:
                break;
            }
        }
    }
    if (props) {
        if (const ColorRef bg = props->GetBackgroundColor(); bg != NoColour) {
            HasFillColor = true;
            FillColor = bg;
        }
        std::string url;
        if (props->GetBackgroundImage(url) && !url.empty() && url != "none") {
            RowImage = url;
            props->GetBackgroundPos(props->EmSize, props->ExSize, RowImagePos);
        }
        props->GetPageBreaks(PageBreakBefore, PageBreakAfter, AvoidPageBreak);
    }
}

TCellList::TCellList(TSectionList* doc, const TCellList& s)
    : LaidHeight(s.LaidHeight), AskedHeight(s.AskedHeight), AskedPercent(s.AskedPercent),
      SpanHeight(s.SpanHeight), HasFillColor(s.HasFillColor), FillColor(s.FillColor), RowImage(s.RowImage), RowImagePos(s.RowImagePos),
      PageBreakBefore(s.PageBreakBefore), PageBreakAfter(s.PageBreakAfter), AvoidPageBreak(s.AvoidPageBreak),
      RowTop(s.RowTop) {
    Cells.reserve(s.Cells.size());
    for (const auto& c : s.Cells)
        Cells.push_back(c.IsFiller() ? TCellSlot::Filler(c.SpanRows()) : std::make_unique<TCellObj>(doc, *c));
}

void TCellList::AddCell(std::unique_ptr<TCellObj> cell) {
    if (!cell) return;
    PageBreakBefore = PageBreakBefore || cell->PageBreakBefore;
    PageBreakAfter = PageBreakAfter || cell->PageBreakAfter;
    AvoidPageBreak = AvoidPageBreak || cell->AvoidPageBreak;
    if (AskedHeight >= 1)
        cell->AskedHt = std::max(AskedHeight, cell->AskedHt);
    else if (AskedPercent > 0)
        cell->AskedHtPercent = std::max(AskedPercent, cell->AskedHtPercent);
    Cells.push_back(std::move(cell));
}

// ---------------------------------------------------------------- ThtmlTable

ThtmlTable::ThtmlTable(TSectionList* doc, TAttributeList* attrs)
    : TSectionBase(doc), LightEdgeColor(ui::kSysColorFlag | ui::kColorBtnHighlight),
      DarkEdgeColor(ui::kSysColorFlag | ui::kColorBtnShadow) {
    if (!attrs) return;
    for (const auto& a : *attrs) {
        ColorRef c;
        switch (a->Symbol) {
        case Sym::Border:
            FrameWidth = a->ValueText.empty() ? 1 : std::clamp(a->ValueNumber, 0, 100);
            break;
        case Sym::CellPadding:
            if (a->ValueNumber >= 0) CellPad = std::min(a->ValueNumber, 50);
            break;
        case Sym::CellSpacing:
            if (a->ValueNumber >= 0) CellGap = std::min(a->ValueNumber, 40);
            break;
        case Sym::BorderColorLight:
            if (ParseColor(a->ValueText, false, c)) LightEdgeColor = c;
            break;
        case Sym::BorderColorDark:
            if (ParseColor(a->ValueText, false, c)) DarkEdgeColor = c;
            break;
        case Sym::BorderColor:
            if (ParseColor(a->ValueText, false, c)) LightEdgeColor = DarkEdgeColor = c;
            break;
        default:
            break;
        }
    }
}

ThtmlTable::ThtmlTable(TSectionList* doc, const ThtmlTable& s)
    : TSectionBase(doc), SpansExpanded(s.SpansExpanded), FrameWidth(s.FrameWidth), ColumnCount(s.ColumnCount),
      GridWidth(s.GridWidth), FixedWidth(s.FixedWidth), FillWidth(s.FillWidth), HasPixelWidths(s.HasPixelWidths),
      GridHeight(s.GridHeight), CellPad(s.CellPad), CellGap(s.CellGap), LightEdgeColor(s.LightEdgeColor),
      DarkEdgeColor(s.DarkEdgeColor), ColumnSpecs(s.ColumnSpecs) {
    CopyBase(s);
    for (const auto& r : s.Rows) Rows.push_back(std::make_unique<TCellList>(doc, *r));
    const size_t n = static_cast<size_t>(ColumnCount);
    ColWidths.assign(n, 0);
    ColMax.assign(n, 0);
    ColMin.assign(n, 0);
    ColPercent.assign(n, 0);
    if (!doc || doc->PrintBackgrounds) {
        HasFillColor = s.HasFillColor;
        FillColor = s.FillColor;
    }
    // The copy finds its widths anew for its own document.
    CachedLayoutCount = -1;
}

std::unique_ptr<TSectionBase> ThtmlTable::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new ThtmlTable(doc, *this));
}

void ThtmlTable::AddColumn(int width, bool is_percent, const std::string& horz_align, int vert_align) {
    if (static_cast<int>(ColumnSpecs.size()) >= kMaxColumns) return;
    ColumnSpecs.push_back(TColObj{width, is_percent, horz_align, vert_align});
}

void ThtmlTable::AddRow(std::unique_ptr<TCellList> row) {
    if (row) Rows.push_back(std::move(row));
}

// The cells of row `r` take the table's and row's fills and spacing; each
// column span beyond the first becomes filler places.
void ThtmlTable::LayCellsOfRow(TCellList& row, int r) {
    const int nrows = RowCount();
    // Spans are cut so that the row stays within the column bound.
    int col = 0;
    for (auto& c : row.Cells) {
        if (c.IsFiller()) continue;
        c->SpanCols = std::max(1, std::min(c->SpanCols, kMaxColumns - col));
        col += c->SpanCols;
    }
    std::vector<TCellSlot> laid;
    laid.reserve(static_cast<size_t>(col) + row.Cells.size());
    for (auto& slot : row.Cells) {
        if (slot.IsFiller()) {
            laid.push_back(std::move(slot));
            continue;
        }
        TCellObj& cell = *slot;
        if (cell.Contents && !cell.Contents->HasFillColor) {
            if (row.HasFillColor) {
                cell.Contents->HasFillColor = true;
                cell.Contents->FillColor = row.FillColor;
            } else if (HasFillColor) {
                cell.Contents->HasFillColor = true;
                cell.Contents->FillColor = FillColor;
            }
        }
        if (!cell.Background.Named()) cell.Background.SetName(row.RowImage, row.RowImagePos);
        cell.SetSpacing(CellPad, FrameWidth >= 1);
        if (cell.AskedWd >= 1 && !cell.AskedWdPercent) HasPixelWidths = true;
        cell.SpanRows = std::max(1, std::min(cell.SpanRows, nrows - r));
        const int filler_rows = cell.SpanRows > 1 ? cell.SpanRows : 1;
        const int span_cols = cell.SpanCols;
        laid.push_back(std::move(slot));
        for (int k = 1; k < span_cols; ++k) laid.push_back(TCellSlot::Filler(filler_rows));
    }
    row.Cells = std::move(laid);
}

// Cells that span rows hold their place in the rows below: row by row,
// each column still held from above takes a filler, and the row's own
// places fill the others (a short row is padded up to the last held one).
void ThtmlTable::HoldRowSpans() {
    const int nrows = RowCount();
    std::vector<int> held; // per column: rows below still held
    for (int r = 0; r < nrows; ++r) {
        TCellList& row = *Rows[static_cast<size_t>(r)];
        size_t reach = held.size();
        while (reach > 0 && held[reach - 1] == 0) --reach;
        if (reach == 0) {
            for (size_t c = 0; c < row.Cells.size(); ++c) {
                const int span = std::min(row.Cells[c].SpanRows(), nrows - r);
                if (span > 1) {
                    if (held.size() <= c) held.resize(c + 1, 0);
                    held[c] = span - 1;
                }
            }
            continue;
        }
        std::vector<TCellSlot> laid;
        laid.reserve(row.Cells.size() + reach);
        size_t next = 0;
        for (size_t c = 0; next < row.Cells.size() || c < reach; ++c) {
            if (c < held.size() && held[c] > 0) {
                laid.push_back(TCellSlot::Filler(0));
                --held[c];
                continue;
            }
            if (next == row.Cells.size()) {
                laid.push_back(TCellSlot::Filler(1));
                continue;
            }
            const int span = std::min(row.Cells[next].SpanRows(), nrows - r);
            if (span > 1) {
                if (held.size() <= c) held.resize(c + 1, 0);
                held[c] = span - 1;
            }
            laid.push_back(std::move(row.Cells[next++]));
        }
        row.Cells = std::move(laid);
    }
}

// COL widths go to the cells of their columns.
void ThtmlTable::ApplyColumnSpecs() {
    if (ColumnSpecs.empty()) return;
    HasPixelWidths = false;
    for (const auto& row : Rows)
        for (int i = 0; i < std::min(row->Count(), ColumnCount); ++i) {
            if (row->Cells[static_cast<size_t>(i)].IsFiller()) continue;
            TCellObj& cell = *row->Cells[static_cast<size_t>(i)];
            if (i < static_cast<int>(ColumnSpecs.size()) && ColumnSpecs[static_cast<size_t>(i)].SpecWidth > 0) {
                cell.AskedWd = ColumnSpecs[static_cast<size_t>(i)].SpecWidth;
                cell.AskedWdPercent = ColumnSpecs[static_cast<size_t>(i)].SpecIsPercent;
            }
            if (cell.AskedWd >= 1 && !cell.AskedWdPercent) HasPixelWidths = true;
        }
    ColumnSpecs.clear();
}

void ThtmlTable::ExpandSpans() {
    if (SpansExpanded) return;
    SpansExpanded = true;
    const int nrows = RowCount();
    for (int r = 0; r < nrows; ++r) LayCellsOfRow(*Rows[static_cast<size_t>(r)], r);
    HoldRowSpans();
    auto longest = [this] {
        int n = 0;
        for (const auto& r : Rows) n = std::max(n, r->Count());
        return n;
    };
    ColumnCount = longest();
    ApplyColumnSpecs();
    const size_t n = static_cast<size_t>(ColumnCount);
    ColWidths.assign(n, 0);
    ColMax.assign(n, 0);
    ColMin.assign(n, 0);
    ColPercent.assign(n, 0);
    for (const auto& row : Rows)
        for (int i = 0; i < row->Count(); ++i)
            if (TCellObj* c = row->Cells[static_cast<size_t>(i)].get()) c->Column = i;
}

// The real cells ordered by column span (stable: row by row, left to right).
std::vector<TCellObj*> ThtmlTable::CellsBySpan() {
    std::vector<TCellObj*> cells;
    for (const auto& row : Rows)
        for (const auto& c : row->Cells)
            if (!c.IsFiller()) cells.push_back(c.get());
    std::stable_sort(cells.begin(), cells.end(),
                     [](const TCellObj* a, const TCellObj* b) { return a->SpanCols < b->SpanCols; });
    return cells;
}

// The content widths of every cell, once per document layout.
void ThtmlTable::CellWidths(ui::HtmlCanvas& canvas) {
    const int count = Document ? Document->LayoutCount : 0;
    if (minmax_layout_ == count && count != 0) return;
    minmax_layout_ = count;
    RowHeights.clear();
    for (const auto& row : Rows)
        for (const auto& c : row->Cells) {
            if (c.IsFiller()) continue;
            int mn = 0, mx = 0;
            if (c->Contents) c->Contents->MinMaxWidths(canvas, mn, mx);
            c->CellMin = to_position(int64_t{mn} + c->SideExtra + CellGap);
            c->CellMax = to_position(int64_t{mx} + c->SideExtra + CellGap);
        }
}

// The columns' widths cleared and built up by `for_cell(cell, c0, c1)` for each
// cell by span, the cell covering columns [c0, c1); then no maximum stays
// below its minimum.
template <class ForCell>
void ThtmlTable::WidthsByCells(ForCell for_cell) {
    std::fill(ColMin.begin(), ColMin.end(), 0);
    std::fill(ColMax.begin(), ColMax.end(), 0);
    std::fill(ColPercent.begin(), ColPercent.end(), 0);
    for (TCellObj* cell : CellsBySpan()) {
        const int c0 = cell->Column;
        const int c1 = std::min(ColumnCount, c0 + cell->SpanCols);
        if (c0 < c1) for_cell(cell, c0, c1);
    }
    for (int c = 0; c < ColumnCount; ++c) {
        const size_t k = static_cast<size_t>(c);
        ColMax[k] = std::max(ColMax[k], ColMin[k]);
    }
}

void ThtmlTable::GetMinMaxPlain(ui::HtmlCanvas& canvas, int& min_sum, int& max_sum) {
    CellWidths(canvas);
    WidthsByCells([&](TCellObj* cell, int c0, int c1) {
        int mn = cell->CellMin, mx = cell->CellMax;
        const bool pixels = cell->AskedWd >= 1 && !cell->AskedWdPercent;
        if (c1 - c0 == 1) {
            const size_t c = static_cast<size_t>(c0);
            if (pixels) mx = std::max(mn, cell->AskedWd + cell->SideExtra + CellGap);
            ColMin[c] = std::max(ColMin[c], mn);
            ColMax[c] = std::max(ColMax[c], mx);
            return;
        }
        if (pixels) mn = mx = std::max(mn, cell->AskedWd);
        auto spread = [&](std::vector<int>& col, int need) {
            const int sum = column_sum(col, c0, c1);
            if (sum >= need) return;
            if (sum >= 1) {
                const int extra = need - sum;
                for (int c = c0; c < c1; ++c) {
                    int& v = col[static_cast<size_t>(c)];
                    v = to_position(int64_t{v} + MulDiv(v, extra, sum));
                }
            } else {
                col[static_cast<size_t>(c0)] = need;
            }
        };
        spread(ColMin, mn);
        spread(ColMax, mx);
    });
    min_sum = column_sum(ColMin);
    max_sum = column_sum(ColMax);
}

void ThtmlTable::GetMinMaxPercent(ui::HtmlCanvas& canvas, int width, int& min_sum, int& max_sum) {
    CellWidths(canvas);
    const int count = Document ? Document->LayoutCount : 0;
    if (CachedLayoutCount != count || width_key_ != width || count == 0) {
        CachedLayoutCount = count;
        width_key_ = width;
        WidthsByCells([&](TCellObj* cell, int c0, int c1) {
            const int mn = cell->CellMin, mx = cell->CellMax;
            int p = 0;
            if (cell->AskedWdPercent)
                p = cell->AskedWd;
            else if (cell->AskedWd >= 1 && width > 0)
                p = std::min(1000, MulDiv(cell->AskedWd, 1000, width));
            if (c1 - c0 == 1) {
                const size_t c = static_cast<size_t>(c0);
                ColMax[c] = std::max(ColMax[c], mx);
                ColMin[c] = std::max(ColMin[c], mn);
                ColPercent[c] = std::max(ColPercent[c], p);
                return;
            }
            const int min_s = column_sum(ColMin, c0, c1), max_s = column_sum(ColMax, c0, c1);
            const int pct_s = column_sum(ColPercent, c0, c1);
            int free = 0;
            for (int c = c0; c < c1; ++c)
                if (ColPercent[static_cast<size_t>(c)] <= 0) ++free;
            const int span = c1 - c0;
            if (p < 1 && pct_s < 1) {
                auto spread = [&](std::vector<int>& col, int need, int sum) {
                    if (need <= sum) return;
                    int64_t given = 0;
                    for (int c = c0; c < c1; ++c) {
                        int& v = col[static_cast<size_t>(c)];
                        v = sum > 0 ? MulDiv(need, v, sum) : need / span;
                        given += v;
                    }
                    int& first = col[static_cast<size_t>(c0)];
                    first = to_position(first + (need - given));
                };
                spread(ColMin, mn, min_s);
                spread(ColMax, mx, max_s);
                return;
            }
            const int each = free > 0 ? std::max(0, (p - pct_s) / free) : 0;
            if (free == 0 && p > pct_s) {
                for (int c = c0; c < c1; ++c)
                    ColPercent[static_cast<size_t>(c)] = MulDiv(ColPercent[static_cast<size_t>(c)], p, pct_s);
            } else {
                for (int c = c0; c < c1; ++c)
                    if (ColPercent[static_cast<size_t>(c)] == 0) ColPercent[static_cast<size_t>(c)] = each;
            }
            const int total = std::max(pct_s, p);
            if (total < 1) return;
            if (const int excess = mn - min_s; excess > 0) {
                const bool by_percent = free < 1 || max_s < 1;
                for (int c = c0; c < c1; ++c) {
                    const size_t k = static_cast<size_t>(c);
                    ColMin[k] = to_position(int64_t{ColMin[k]} + (by_percent ? MulDiv(excess, ColPercent[k], total)
                                                                              : MulDiv(excess, ColMax[k], max_s)));
                }
            }
            if (const int excess = mx - max_s; excess > 0)
                for (int c = c0; c < c1; ++c) {
                    const size_t k = static_cast<size_t>(c);
                    ColMax[k] = to_position(int64_t{ColMax[k]} + MulDiv(excess, ColPercent[k], total));
                }
        });
    }
    min_sum = column_sum(ColMin);
    max_sum = column_sum(ColMax);
}

void ThtmlTable::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    ExpandSpans();
    if (!HasPixelWidths || FixedWidth > 0)
        GetMinMaxPercent(canvas, FixedWidth, min, max);
    else
        GetMinMaxPlain(canvas, min, max);
    min = std::max(min + CellGap, FixedWidth);
    max = std::max(max + CellGap, FixedWidth);
}

void ThtmlTable::WidthsByMinMax(int target) {
    const int min_sum = column_sum(ColMin);
    const int max_sum = column_sum(ColMax);
    if (min_sum > target) {
        ColWidths = ColMin;
        return;
    }
    if (max_sum <= target) {
        ColWidths = ColMax;
        // Held to a width: the rest goes to the columns by their maximums.
        if (FillWidth && max_sum < target && ColumnCount > 0) {
            const int rest = target - max_sum;
            int64_t given = 0;
            for (int c = 0; c < ColumnCount; ++c) {
                const size_t k = static_cast<size_t>(c);
                const int add = max_sum > 0 ? MulDiv(ColMax[k], rest, max_sum) : rest / ColumnCount;
                ColWidths[k] = to_position(int64_t{ColWidths[k]} + add);
                given += add;
            }
            ColWidths.back() = to_position(ColWidths.back() + (rest - given));
        }
        return;
    }
    const int d = max_sum - min_sum;
    const int w = target - min_sum;
    int64_t total = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const size_t k = static_cast<size_t>(c);
        ColWidths[k] = to_position(int64_t{ColMin[k]} +
                                   (d < 1 ? MulDiv(ColMin[k], w, min_sum) : MulDiv(ColMax[k] - ColMin[k], w, d)));
        total += ColWidths[k];
    }
    int diff = to_position(total - target);
    for (int c = 0; c < ColumnCount && diff != 0; ++c) {
        const size_t k = static_cast<size_t>(c);
        if (ColMax[k] <= ColMin[k]) continue;
        if (diff > 0 && ColWidths[k] > ColMin[k]) {
            --ColWidths[k];
            --diff;
        } else if (diff < 0) {
            ++ColWidths[k];
            ++diff;
        }
    }
}

void ThtmlTable::WidthsForFreeTable(int min_sum, int max_sum, int target) {
    const int pct_total = column_sum(ColPercent);
    const bool fixed = FixedWidth > 0;
    if ((pct_total < 1 && fixed) || (pct_total >= 1 && (pct_total <= 1000 || fixed))) {
        int64_t other_max = 0;
        int needed = 0;
        for (int c = 0; c < ColumnCount; ++c) {
            const size_t k = static_cast<size_t>(c);
            if (ColPercent[k] > 0)
                needed = std::max(needed, MulDiv(ColMax[k], 1000, ColPercent[k]));
            else
                other_max += ColMax[k];
        }
        if (pct_total >= 1000)
            needed = std::max(needed, other_max > 0 ? 30000 : 0);
        else
            needed = std::max(needed, MulDiv(to_position(other_max), 1000, 1000 - pct_total));
        if (needed <= target) {
            if (fixed || FillWidth) needed = target;
            const int others = MulDiv(needed, 1000 - pct_total, 1000);
            for (int c = 0; c < ColumnCount; ++c) {
                const size_t k = static_cast<size_t>(c);
                if (ColPercent[k] > 0)
                    ColWidths[k] = MulDiv(needed, ColPercent[k], 1000);
                else
                    ColWidths[k] = other_max > 0 ? MulDiv(others, ColMax[k], to_position(other_max)) : 0;
            }
            return;
        }
        // Columns whose share falls below their minimum lose their
        // percentage; the others are scaled until the minimums fit. Rounding
        // can repeat a state, so the rounds are counted.
        for (int round = 0; round < 64; ++round) {
            int64_t shares = 0, others_min = 0;
            int kept = 0;
            for (int c = 0; c < ColumnCount; ++c) {
                const size_t k = static_cast<size_t>(c);
                if (ColPercent[k] > 0) {
                    const int share = MulDiv(target, ColPercent[k], 1000);
                    if (share >= ColMin[k]) {
                        shares += share;
                        ++kept;
                        continue;
                    }
                    ColPercent[k] = 0;
                }
                others_min += ColMin[k];
            }
            if (kept == 0) break;
            if (shares + others_min > target) {
                const int room = to_position(std::max<int64_t>(0, target - others_min));
                for (int c = 0; c < ColumnCount; ++c) {
                    const size_t k = static_cast<size_t>(c);
                    if (ColPercent[k] > 0) ColPercent[k] = MulDiv(ColPercent[k], room, to_position(shares));
                }
                continue;
            }
            for (int c = 0; c < ColumnCount; ++c) {
                const size_t k = static_cast<size_t>(c);
                if (ColPercent[k] > 0) ColMin[k] = ColMax[k] = MulDiv(target, ColPercent[k], 1000);
            }
            min_sum = column_sum(ColMin);
            max_sum = column_sum(ColMax);
            break;
        }
    }
    if (ColumnCount == 0) return;
    const int d = max_sum - min_sum;
    const int w = target - min_sum;
    int64_t total = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const size_t k = static_cast<size_t>(c);
        ColWidths[k] = to_position(int64_t{ColMin[k]} + (d != 0 ? MulDiv(ColMax[k] - ColMin[k], w, d) : w / ColumnCount));
        total += ColWidths[k];
    }
    if (total != target) {
        size_t widest = 0;
        for (size_t k = 1; k < ColWidths.size(); ++k)
            if (ColMax[k] - ColMin[k] > ColMax[widest] - ColMin[widest]) widest = k;
        ColWidths[widest] = to_position(ColWidths[widest] + (target - total));
    }
}

void ThtmlTable::WidthsForFixedTable(int target) {
    if (ColumnCount == 0) return;
    const size_t n = static_cast<size_t>(ColumnCount);
    std::vector<bool> fixed(n, false), pct(n, false);
    int pct_sum = 0, free = 0;
    int64_t slack = 0, total = 0;
    for (size_t k = 0; k < n; ++k) {
        if (ColPercent[k] > 0) {
            pct[k] = true;
            const int share = MulDiv(target, ColPercent[k], 1000);
            if (share <= ColMin[k]) {
                ColWidths[k] = ColMin[k];
                fixed[k] = true;
            } else {
                ColWidths[k] = share;
                pct_sum = to_position(int64_t{pct_sum} + ColPercent[k]);
            }
        } else {
            ColWidths[k] = ColMin[k];
            ++free;
            slack += std::max(0, ColMax[k] - ColMin[k]);
        }
        total += ColWidths[k];
    }
    int excess = to_position(total - target);
    if (excess >= 1 && pct_sum > 0) {
        for (int pass = 0; pass < 4; ++pass) {
            bool changed = false;
            for (size_t k = 0; k < n; ++k) {
                if (!pct[k] || fixed[k] || pct_sum <= 0) continue;
                if (ColWidths[k] - MulDiv(excess, ColPercent[k], pct_sum) < ColMin[k]) {
                    excess -= ColWidths[k] - ColMin[k];
                    pct_sum -= ColPercent[k];
                    ColWidths[k] = ColMin[k];
                    fixed[k] = true;
                    changed = true;
                }
            }
            if (!changed) break;
        }
        if (pct_sum > 0) {
            const int cut_from = excess;
            for (size_t k = 0; k < n; ++k)
                if (pct[k] && !fixed[k]) ColWidths[k] -= MulDiv(cut_from, ColPercent[k], pct_sum);
        }
    } else if (excess < 0 && free == 0) {
        if (pct_sum > 0)
            for (size_t k = 0; k < n; ++k)
                if (pct[k] && !fixed[k]) ColWidths[k] = to_position(int64_t{ColWidths[k]} + MulDiv(-excess, ColPercent[k], pct_sum));
    } else if (excess < 0) {
        if (slack > 0 && (-excess) / 4 <= slack) {
            for (size_t k = 0; k < n; ++k)
                if (!pct[k])
                    ColWidths[k] = to_position(int64_t{ColWidths[k]} +
                                               MulDiv(-excess, std::max(0, ColMax[k] - ColMin[k]), to_position(slack)));
        } else {
            for (size_t k = 0; k < n; ++k)
                if (!pct[k]) ColWidths[k] = to_position(int64_t{ColWidths[k]} + (-excess) / free);
        }
    }
    const int diff = column_sum(ColWidths) - target;
    if (diff > 0) {
        for (size_t k = 0; k < n; ++k)
            if (!fixed[k]) {
                ColWidths[k] = std::max(0, ColWidths[k] - diff);
                break;
            }
    } else if (diff < 0) {
        ColWidths[0] = to_position(int64_t{ColWidths[0]} - diff);
    }
}

void ThtmlTable::LayoutCellsOfSpan(ui::HtmlCanvas& canvas, const std::vector<TCellObj*>& cells, int height_base,
                                   int& ht, int& pct_ht, bool& specified) {
    ht = pct_ht = 0;
    specified = false;
    for (TCellObj* c : cells) {
        TCellObj& cell = *c;
        int pct = 0;
        if (cell.AskedHt >= 1)
            pct = cell.AskedHt;
        else if (cell.AskedHtPercent > 0)
            pct = std::max(0, MulDiv(cell.AskedHtPercent, height_base, 100));
        int w = 0, scratch = 0;
        cell.InnerHeight = cell.Contents ? cell.Contents->Layout(canvas, 0, std::max(0, cell.BoxWidth - cell.SideExtra - CellGap),
                                                                 std::max(0, pct - cell.EndExtra), w, scratch)
                                         : 0;
        int h = cell.InnerHeight + cell.EndExtra;
        if (cell.AskedHt >= 1) {
            h = std::max(h, cell.AskedHt);
            specified = true;
        }
        if (pct > 0) specified = true;
        ht = std::max(ht, h);
        pct_ht = std::max(pct_ht, pct);
    }
    pct_ht = std::max(pct_ht, ht);
}

// Each cell's width is the sum of its columns.
void ThtmlTable::SetCellBoxWidths() {
    for (auto& row : Rows)
        for (auto& c : row->Cells) {
            if (c.IsFiller()) continue;
            c->BoxWidth = column_sum(ColWidths, c->Column, std::min(ColumnCount, c->Column + c->SpanCols));
        }
}

// The height each row needs, with and without the cells' height requests,
// and whether a cell asked for its height: cells laid out by span, shortest
// first, and within a span by row, so that each span asks only the rows
// that hold cells of it.
ThtmlTable::RowNeeds ThtmlTable::MeasureRows(ui::HtmlCanvas& canvas, int h_avail) {
    const int n = RowCount();
    RowNeeds need;
    need.min_h.assign(static_cast<size_t>(n), 0);
    need.pct_h.assign(static_cast<size_t>(n), 0);
    need.given.assign(static_cast<size_t>(n), false);
    struct Entry {
        int span, row;
        TCellObj* cell;
    };
    std::vector<Entry> entries;
    for (int r = 0; r < n; ++r)
        for (const auto& c : Rows[static_cast<size_t>(r)]->Cells)
            if (!c.IsFiller()) entries.push_back({c->SpanRows, r, c.get()});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.span != b.span ? a.span < b.span : a.row < b.row; });
    // Where single-row cells occur, every row is at least the cell gap high.
    if (!entries.empty() && entries.front().span == 1) {
        std::fill(need.min_h.begin(), need.min_h.end(), CellGap);
        std::fill(need.pct_h.begin(), need.pct_h.end(), CellGap);
    }
    std::vector<TCellObj*> cells;
    for (size_t i = 0; i < entries.size();) {
        const int s = entries[i].span, r = entries[i].row;
        cells.clear();
        for (; i < entries.size() && entries[i].span == s && entries[i].row == r; ++i) cells.push_back(entries[i].cell);
        if (r + s > n) continue;
        int ht = 0, pct = 0;
        bool specified = false;
        LayoutCellsOfSpan(canvas, cells, h_avail, ht, pct, specified);
        ht = to_position(int64_t{ht} + CellGap);
        pct = to_position(int64_t{pct} + CellGap);
        if (s == 1) {
            need.min_h[static_cast<size_t>(r)] = ht;
            need.pct_h[static_cast<size_t>(r)] = pct;
            need.given[static_cast<size_t>(r)] = specified;
            continue;
        }
        if (ht <= CellGap) continue;
        auto spread = [&](std::vector<int>& v, int want) {
            const int sum = column_sum(v, r, r + s);
            if (want <= sum) return;
            const int each = (want - sum) / s;
            for (int k = r; k < r + s - 1; ++k) v[static_cast<size_t>(k)] = to_position(int64_t{v[static_cast<size_t>(k)]} + each);
            int& last = v[static_cast<size_t>(r + s - 1)];
            last = to_position(last + (want - sum - int64_t{each} * (s - 1)));
        };
        for (int k = r; k < r + s; ++k) need.given[static_cast<size_t>(k)] = need.given[static_cast<size_t>(k)] || specified;
        spread(need.min_h, ht);
        spread(need.pct_h, pct);
    }
    return need;
}

// The available height shared over the rows by what they need.
void ThtmlTable::ShareRowHeights(const RowNeeds& need, int h_avail) {
    const int n = RowCount();
    const std::vector<int>& min_h = need.min_h;
    const std::vector<int>& pct_h = need.pct_h;
    long long sum_min = 0, sum_pct = 0;
    int free = 0;
    for (int r = 0; r < n; ++r) {
        sum_min += min_h[static_cast<size_t>(r)];
        sum_pct += pct_h[static_cast<size_t>(r)];
        if (!need.given[static_cast<size_t>(r)]) ++free;
    }
    if (sum_min >= h_avail) {
        RowHeights = min_h;
        return;
    }
    int64_t given = 0;
    if (sum_pct >= h_avail) {
        for (int r = 0; r < n - 1; ++r) {
            const size_t k = static_cast<size_t>(r);
            RowHeights[k] = min_h[k] + div_round_even(static_cast<long long>(pct_h[k] - min_h[k]) * (h_avail - sum_min),
                                                      sum_pct - sum_min);
            given += RowHeights[k];
        }
        RowHeights.back() = to_position(h_avail - given);
    } else if (free < 1) {
        for (int r = 0; r < n - 1; ++r) {
            const size_t k = static_cast<size_t>(r);
            RowHeights[k] = sum_pct > 0 ? div_round_even(static_cast<long long>(pct_h[k]) * h_avail, sum_pct) : h_avail / n;
            given += RowHeights[k];
        }
        RowHeights.back() = to_position(h_avail - given);
    } else {
        const long long rest = h_avail - sum_pct;
        const int each = static_cast<int>(rest / free);
        int last_free = -1;
        for (int r = 0; r < n; ++r) {
            const size_t k = static_cast<size_t>(r);
            RowHeights[k] = pct_h[k];
            if (!need.given[k]) {
                RowHeights[k] = to_position(int64_t{RowHeights[k]} + each);
                last_free = r;
            }
        }
        if (last_free >= 0) {
            int& last = RowHeights[static_cast<size_t>(last_free)];
            last = to_position(last + (rest - static_cast<long long>(each) * free));
        }
    }
}

void ThtmlTable::SolveRowHeights(ui::HtmlCanvas& canvas, int aheight) {
    const int n = RowCount();
    RowHeights.assign(static_cast<size_t>(n), 0);
    if (n == 0) return;
    const int h_avail = aheight - CellGap;
    SetCellBoxWidths();
    ShareRowHeights(MeasureRows(canvas, h_avail), h_avail);
}

int ThtmlTable::Layout(ui::HtmlCanvas& canvas, int, int y, int, int, int, int aheight, IndentManager& indents,
                       int& max_width, int& curs) {
    TSectionList* doc = Document;
    int depth_dummy = 0;
    int& depth = doc ? doc->TableNestLevel : depth_dummy;
    bool placing_dummy = false;
    bool& placing = doc ? doc->InLogic2 : placing_dummy;
    ++depth;
    SectionTop = ContentTop = PaintTop = y;
    FirstPos = curs;
    // A list item waiting for its first line takes the table's bottom; the
    // cells inside do not report.
    int* const first_line = doc ? doc->FirstLineTarget : nullptr;
    if (doc) doc->FirstLineTarget = nullptr;

    ExpandSpans();
    const int avail = indents.RightSide(y) - indents.LeftIndent(y);
    const int target = (FixedWidth > 0 ? FixedWidth : avail) - CellGap;
    if (HasPixelWidths && FixedWidth == 0) {
        int mn = 0, mx = 0;
        GetMinMaxPlain(canvas, mn, mx);
        WidthsByMinMax(target);
    } else {
        int mn = 0, mx = 0;
        GetMinMaxPercent(canvas, target, mn, mx);
        if (target <= mn)
            ColWidths = ColMin;
        else if (FixedWidth == 0)
            WidthsForFreeTable(mn, mx, target);
        else
            WidthsForFixedTable(target);
    }
    GridWidth = to_position(int64_t{CellGap} + column_sum(ColWidths));

    // Row heights are solved again only when the widths or the height they
    // were solved for change, so nested tables are not laid out again at
    // every level above them.
    std::vector<int> key = ColWidths;
    key.push_back(aheight);
    if (RowHeights.size() != Rows.size() || key != height_key_) {
        SolveRowHeights(canvas, aheight);
        height_key_ = std::move(key);
    }

    int ty = y;
    for (int r = 0; r < RowCount(); ++r) {
        TCellList& row = *Rows[static_cast<size_t>(r)];
        row.LaidHeight = RowHeights[static_cast<size_t>(r)];
        row.RowTop = ty;
        row.SpanHeight = 0;
        for (auto& c : row.Cells) {
            if (c.IsFiller()) continue;
            const int h = column_sum(RowHeights, r, std::min(RowCount(), r + c->SpanRows));
            c->BoxHeight = h;
            c->CellTop = ty;
            row.SpanHeight = std::max(row.SpanHeight, h);
        }
        if (depth == 1) placing = true;
        if (placing)
            for (auto& c : row.Cells)
                if (!c.IsFiller()) c->PlaceContent(canvas, ty, curs, CellGap);
        if (depth == 1) placing = false;
        ty = to_position(int64_t{ty} + row.LaidHeight);
    }
    FlowHeight = to_position(int64_t{ty} - y + CellGap);
    GridHeight = PaintHeight = FlowHeight;
    FlowBottom = PaintBottom = to_position(int64_t{y} + FlowHeight);
    PosCount = curs - FirstPos;
    max_width = GridWidth;
    if (first_line && *first_line == 0) *first_line = SectionTop + FlowHeight;
    if (doc) doc->FirstLineTarget = first_line;
    --depth;
    return FlowHeight;
}

// --------------------------------------------------------------------- paint

int ThtmlTable::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager&, int x, int, int) {
    const int result = to_position(int64_t{SectionTop} + FlowHeight);
    TSectionList* doc = Document;
    const int scroll = doc ? doc->ScrollY : 0;
    const int top = SectionTop - scroll;
    if (top >= arect.Bottom || top + FlowHeight <= arect.Top) return result;
    if (doc && doc->PrintingNow && SectionTop >= doc->PageEndY) return result;
    PaintedX = x;
    PaintedY = SectionTop;
    int y = SectionTop;
    for (int r = 0; r < RowCount(); ++r) y = PaintRow(canvas, arect, *Rows[static_cast<size_t>(r)], y, r == 0);
    return result;
}

int ThtmlTable::PaintRow(ui::HtmlCanvas& canvas, const ui::Rect& arect, TCellList& row, int y, bool first) {
    TSectionList* doc = Document;
    const int scroll = doc ? doc->ScrollY : 0;
    const int ys = y - scroll;
    const int next = to_position(int64_t{y} + row.LaidHeight);
    const bool printing = doc && doc->PrintingNow;
    if (printing) {
        const int half = CellGap / 2;
        const bool brk = RowMovesToNextPage(arect, row, y);
        if (!brk && row.PageBreakAfter && ys >= arect.Top && ys + row.LaidHeight + half < doc->PageEndY - scroll)
            doc->PageEndY = std::min(doc->PageEndY, y + row.LaidHeight + half);
        if (brk) {
            const int end = y + (first ? 0 : half);
            if (end < doc->PageEndY) doc->PageEndY = end;
            doc->PageShortened = true;
            return next;
        }
        if (y >= doc->PageEndY) return next;
    }
    // A row is left out only when neither it nor a cell that spans down
    // from it reaches into the visible rectangle.
    const int reach = std::max(row.SpanHeight, row.LaidHeight);
    if (ys + reach + CellGap <= arect.Top || ys >= arect.Bottom) return next;
    int x = PaintedX;
    for (int col = 0; col < std::min(row.Count(), ColumnCount); ++col) {
        const TCellSlot& c = row.Cells[static_cast<size_t>(col)];
        if (!c.IsFiller()) PaintCell(canvas, arect, *c, x, y);
        x = to_position(int64_t{x} + ColWidths[static_cast<size_t>(col)]);
    }
    return next;
}

bool ThtmlTable::RowMovesToNextPage(const ui::Rect& arect, const TCellList& row, int y) const {
    const TSectionList* doc = Document;
    if (!doc || !doc->PrintingNow) return false;
    const int ys = y - doc->ScrollY;
    const int page_top = arect.Top;
    const int page_bottom = doc->PageEndY - doc->ScrollY;
    const int page_height = arect.Bottom - arect.Top;
    const int reach = std::max(row.SpanHeight, row.LaidHeight);
    // As for blocks, a new page only once something is printed on this one:
    // a row right under the page's top (below the table's frame) would
    // otherwise eject an empty sheet.
    if (row.PageBreakBefore && ys > page_top && !doc->PageEmpty) return true;
    if (row.AvoidPageBreak && ys > page_top && ys + reach > page_bottom && reach < page_height) return true;
    return ys > page_top + page_height * 2 / 3 && ys + row.SpanHeight > page_bottom && row.SpanHeight < page_height;
}

bool ThtmlTable::FirstRowMovesToNextPage(const ui::Rect& arect) const {
    return !Rows.empty() && Rows.front() && RowMovesToNextPage(arect, *Rows.front(), SectionTop);
}

void ThtmlTable::PaintCell(ui::HtmlCanvas& canvas, const ui::Rect& arect, TCellObj& cell, int x, int y) {
    TSectionList* doc = Document;
    const int scroll = doc ? doc->ScrollY : 0;
    const ui::Rect border_box{x + CellGap, y + CellGap - scroll, x + cell.BoxWidth, y + cell.BoxHeight - scroll};
    if (border_box.Bottom <= arect.Top - 2 || border_box.Top >= arect.Bottom || border_box.IsEmpty()) {
        // Still painted: the content's hit tests and controls need its y.
        if (cell.Contents) cell.Contents->PaintY = y + CellGap + cell.PadT + cell.BorderT + cell.VOffset;
        return;
    }
    const ui::Rect padding_box{border_box.Left + cell.BorderL, border_box.Top + cell.BorderT,
                               border_box.Right - cell.BorderR, border_box.Bottom - cell.BorderB};
    const bool printing = doc && doc->PrintingNow;
    if (!printing || doc->PrintBackgrounds) {
        if (cell.Contents && cell.Contents->HasFillColor)
            canvas.FillRect(padding_box, cell.Contents->FillColor | ui::kPaletteFlag);
        cell.Background.Paint(canvas, doc, padding_box, {arect.Left, arect.Top - 2, arect.Right, arect.Bottom});
    }
    if (cell.Contents) {
        canvas.SaveDC();
        canvas.IntersectClipRect(border_box);
        cell.Contents->Paint(canvas, arect, cell.BoxWidth - cell.SideExtra - CellGap, x + CellGap + cell.PadL + cell.BorderL,
                             y + CellGap + cell.PadT + cell.BorderT + cell.VOffset, 0, 0);
        canvas.RestoreDC();
    }
    if (cell.BorderStyle != bssNone) {
        const bool plain = cell.BorderT == 1 && cell.BorderR == 1 && cell.BorderB == 1 && cell.BorderL == 1 &&
                           cell.BoxValues[BorderTopStyle] == bssSolid && cell.BoxValues[BorderRightStyle] == bssSolid &&
                           cell.BoxValues[BorderBottomStyle] == bssSolid && cell.BoxValues[BorderLeftStyle] == bssSolid;
        const ColorRef fallback = cell.BoxValues[BorderColor] != static_cast<int>(NoColour)
                                      ? static_cast<ColorRef>(cell.BoxValues[BorderColor])
                                      : ColorRef(0);
        auto color = [&](int i) {
            const int v = cell.BoxValues[static_cast<size_t>(i)];
            return v != static_cast<int>(NoColour) ? static_cast<ColorRef>(v) : fallback;
        };
        if (plain) {
            canvas.FrameRect(border_box, color(BorderTopColor));
        } else {
            DrawBorder(canvas, border_box, padding_box, NoColour,
                       {cell.BoxValues[BorderLeftStyle], cell.BoxValues[BorderTopStyle], cell.BoxValues[BorderRightStyle],
                        cell.BoxValues[BorderBottomStyle]},
                       {color(BorderLeftColor), color(BorderTopColor), color(BorderRightColor), color(BorderBottomColor)});
        }
    } else if (FrameWidth > 0 && cell.HasSections()) {
        // A sunken one-pixel frame: dark above and left, light below and right.
        const ColorRef dark = sys_or(DarkEdgeColor);
        const ColorRef light = sys_or(LightEdgeColor);
        const ui::Rect& b = border_box;
        canvas.FillRect({b.Left, b.Top, b.Right, b.Top + 1}, dark);
        canvas.FillRect({b.Left, b.Top, b.Left + 1, b.Bottom}, dark);
        canvas.FillRect({b.Left, b.Bottom - 1, b.Right, b.Bottom}, light);
        canvas.FillRect({b.Right - 1, b.Top, b.Right, b.Bottom}, light);
    }
}

// ------------------------------------------------------------------- queries

TCellObj* ThtmlTable::CellAt(int x, int y) {
    if (y < ContentTop || y >= FlowBottom || x < PaintedX || x > PaintedX + GridWidth) return nullptr;
    for (auto& row : Rows) {
        if (y < row->RowTop) break;
        int cx = PaintedX;
        for (int col = 0; col < std::min(row->Count(), ColumnCount); ++col) {
            const TCellSlot& c = row->Cells[static_cast<size_t>(col)];
            // The whole box of the cell counts, from the row's top, so a
            // middle-aligned cell does not lend its upper part to the cell above.
            if (!c.IsFiller() && x >= cx && x < cx + c->BoxWidth && y >= c->CellTop && y < c->CellTop + c->BoxHeight)
                return c.get();
            cx += ColWidths[static_cast<size_t>(col)];
        }
    }
    return nullptr;
}

int ThtmlTable::UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                           std::string& title) {
    TCellObj* c = CellAt(x, y);
    return c && c->Contents ? c->Contents->UrlAtPoint(canvas, x, y, url, control, title) : 0;
}

bool ThtmlTable::ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy) {
    TCellObj* c = CellAt(x, y);
    return c && c->Contents && c->Contents->ObjectAtPoint(x, y, obj, ix, iy);
}

int ThtmlTable::CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht, bool& in_text) {
    TCellObj* c = CellAt(x, y);
    return c && c->Contents ? c->Contents->CursorAtPoint(canvas, x, y, xr, yr, caret_ht, in_text) : -1;
}

// Asks the cells row by row, left to right (or backward), until one answers.
template <class F> int ThtmlTable::AskCells(F f, bool backward) {
    const int n = RowCount();
    for (int i = 0; i < n; ++i) {
        TCellList& row = *Rows[static_cast<size_t>(backward ? n - 1 - i : i)];
        const int m = row.Count();
        for (int j = 0; j < m; ++j) {
            const TCellObj* c = row.Cells[static_cast<size_t>(backward ? m - 1 - j : j)].get();
            if (!c || !c->Contents) continue;
            if (const int r = f(*c->Contents); r >= 0) return r;
        }
    }
    return -1;
}

int ThtmlTable::FindText(WideView text, int from, bool match_case) {
    return AskCells([&](TCell& c) { return c.FindText(text, from, match_case); });
}

int ThtmlTable::FindTextBackward(WideView text, int from, bool match_case) {
    return AskCells([&](TCell& c) { return c.FindTextBackward(text, from, match_case); }, true);
}

int ThtmlTable::DocToSourcePos(int pos) {
    return AskCells([&](TCell& c) { return c.DocToSourcePos(pos); });
}

int ThtmlTable::SourceToDocPos(int source_pos, bool prev) {
    return AskCells([&](TCell& c) { return c.SourceToDocPos(source_pos, prev); }, prev);
}

bool ThtmlTable::CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) {
    if (PosCount == 0 || pos >= FirstPos + PosCount) return false;
    return AskCells([&](TCell& c) { return c.CursorToXY(canvas, pos, x, y) ? 1 : -1; }) >= 0;
}

bool ThtmlTable::CharAtPos(int pos, char16_t& ch, TSectionBase*& owner) {
    if (PosCount == 0 || pos >= FirstPos + PosCount) return false;
    return AskCells([&](TCell& c) { return c.CharAtPos(pos, ch, owner) ? 1 : -1; }) >= 0;
}

void ThtmlTable::CopyToClipboard() {
    AskCells([](TCell& c) {
        c.CopyToClipboard();
        return -1;
    });
}

} // namespace htmlview
