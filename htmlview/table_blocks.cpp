#include "htmlview/table_blocks.h"

#include <algorithm>
#include <cstdlib>

#include "htmlview/ascii.h"
#include "htmlview/borders.h"
#include "htmlview/document.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

ColorRef resolved(ColorRef c) {
    return (c & ui::kSysColorFlag) ? ui::sys_color(static_cast<int>(c & 0xFF)) : c;
}

bool unset(const PropValue& v) {
    return IsEmpty(v) || (IsInt(v) && AsInt(v) == NoValue);
}

} // namespace

// A table that does not float is squeezed between the floats beside its
// top, below the floats it clears; `shift` is how far it moved right.
int LayoutBetweenFloats(TBlock& block, bool squeeze, int& shift, ui::HtmlCanvas& canvas, int x, int y, int xref,
                        int yref, int awidth, int aheight, IndentManager& indents, int& max_width, int& curs) {
    shift = 0;
    if (!squeeze) return block.TBlock::Layout(canvas, x, y, xref, yref, awidth, aheight, indents, max_width, curs);
    const int top = y + indents.ClearDrop(block.ClearKind, y);
    const int left = std::max(x, indents.LeftIndent(top));
    const int width = std::max(0, std::min(awidth + x, indents.RightSide(top)) - left);
    shift = left - x;
    return block.TBlock::Layout(canvas, left, y, xref, yref, width, aheight, indents, max_width, curs);
}

// --------------------------------------------------------------- TTableBlock

TTableBlock::TTableBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell,
                         std::unique_ptr<ThtmlTable> table, TAttributeList* attrs)
    : TBlock(doc, props, owner_cell, attrs, false) {
    GridTable = table.get();
    BodyCell->AddSection(std::move(table));
    const bool style_float = FloatKind != 0;
    if (attrs) {
        for (const auto& a : *attrs) {
            switch (a->Symbol) {
            case Sym::Width:
                ReadWidthAttribute(*a, WidthRequest, WidthInPercent);
                break;
            case Sym::Height:
                if (unset(BoxProps[piHeight]) && a->ValueNumber > 0)
                    BoxProps[piHeight] = a->ValueText.find('%') != std::string::npos
                                             ? std::to_string(a->ValueNumber) + "%"
                                             : std::to_string(a->ValueNumber) + "px";
                break;
            case Sym::HSpace:
                HorzSpace = std::min(40, std::abs(a->ValueNumber));
                break;
            case Sym::VSpace:
                VertSpace = std::min(200, std::abs(a->ValueNumber));
                break;
            case Sym::Align:
                if (SameText(a->ValueText, "center"))
                    AlignMode = 2;
                else if (!style_float && SameText(a->ValueText, "left"))
                    FloatKind = ALeft;
                else if (!style_float && SameText(a->ValueText, "right"))
                    FloatKind = ARight;
                break;
            case Sym::BgColor: {
                ColorRef c;
                if (ParseColor(a->ValueText, false, c)) {
                    FillColor = c;
                    HasFillColor = true;
                }
                break;
            }
            case Sym::Background:
                if (!Background.Named()) Background.SetName(Trim(a->ValueText), PositionRecArray{});
                break;
            default:
                break;
            }
        }
    }
    if (FloatKind != 0 && ZOrder == 0) ZOrder = 1;
    // Only now is it known whether the table floats (a float does not collapse).
    CollapseTopMargin(TopUnset);
    // A BORDER attribute without border styles of the page becomes a raised frame.
    if (GridTable->FrameWidth > 0) {
        bool styled = false;
        for (int i = BorderTopStyle; i <= BorderLeftStyle; ++i)
            if (AsInt(BoxProps[static_cast<size_t>(i)]) != bssNone) styled = true;
        if (!styled) {
            for (int i = BorderTopWidth; i <= BorderLeftWidth; ++i) BoxProps[static_cast<size_t>(i)] = GridTable->FrameWidth;
            for (int i = BorderTopStyle; i <= BorderLeftStyle; ++i) BoxProps[static_cast<size_t>(i)] = int(bssOutset);
            BorderStyle = bssOutset;
            HtmlBorder = true;
        }
    }
    // A width from the style.
    TIntMarginArray m{};
    int auto_count = 0;
    ConvertMargins(BoxProps, 100, 100, EmSize, ExSize, auto_count, m);
    BoundBoxLengths(m);
    if (m[piWidth] > 0 && m[piWidth] != AutoValue) {
        if (AsString(BoxProps[piWidth]).find('%') != std::string::npos) {
            WidthRequest = std::min(1000, m[piWidth] * 10);
            WidthInPercent = true;
        } else {
            WidthRequest = m[piWidth] + Sides();
            WidthInPercent = false;
        }
    }
    if (HasFillColor && unset(BoxProps[BackgroundColor])) BoxProps[BackgroundColor] = static_cast<int>(FillColor);
    const ColorRef bg = IsInt(BoxProps[BackgroundColor]) ? static_cast<ColorRef>(AsInt(BoxProps[BackgroundColor])) : NoColour;
    if (bg != NoColour && !Background.Named()) {
        GridTable->HasFillColor = true;
        GridTable->FillColor = bg;
    }
}

TTableBlock::TTableBlock(TSectionList* doc, const TTableBlock& s)
    : TBlock(doc, s), WidthRequest(s.WidthRequest), WidthInPercent(s.WidthInPercent), FillColor(s.FillColor),
      HasFillColor(s.HasFillColor), HorzSpace(s.HorzSpace), VertSpace(s.VertSpace), InCaptionBlock(s.InCaptionBlock),
      HtmlBorder(s.HtmlBorder), AlignMode(s.AlignMode) {
    for (const auto& sec : *BodyCell)
        if (auto* t = dynamic_cast<ThtmlTable*>(sec.get())) GridTable = t;
}

std::unique_ptr<TSectionBase> TTableBlock::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TTableBlock(doc, *this));
}

int TTableBlock::Sides() const {
    TIntMarginArray m{};
    int auto_count = 0;
    ConvertMargins(BoxProps, 100, 100, EmSize, ExSize, auto_count, m);
    BoundBoxLengths(m);
    return m[PaddingLeft] + m[PaddingRight] + m[BorderLeftWidth] + m[BorderRightWidth];
}

int TTableBlock::TableWidth(ui::HtmlCanvas& canvas, int block_width, int margins) {
    const int sides = Sides();
    // A percentage demands no fixed width: the columns share the width the
    // block gives the table as a free table's do.
    GridTable->FixedWidth = WidthRequest > 0 && !WidthInPercent ? std::max(0, WidthRequest - sides) : 0;
    GridTable->FillWidth = WidthRequest > 0 && WidthInPercent;
    int mn = 0, mx = 0;
    GridTable->MinMaxWidths(canvas, mn, mx);
    int width;
    if (WidthRequest == 0)
        width = std::clamp(block_width - margins - sides, mn, std::max(mn, mx));
    else if (WidthInPercent)
        width = os::MulDiv(block_width, WidthRequest, 1000);
    else
        width = WidthRequest - sides;
    return std::max(width, mn);
}

int TTableBlock::ContentWidth(ui::HtmlCanvas& canvas, int block_width, int, int) {
    int& ml = BoxValues[MarginLeft];
    int& mr = BoxValues[MarginRight];
    if (InCaptionBlock) {
        ml = CaptionShift;
        mr = 0;
        return ChosenWidth;
    }
    if (ml == AutoValue) ml = 0;
    if (mr == AutoValue) mr = 0;
    if (FloatKind != 0) {
        if (ml == 0) ml = HorzSpace;
        if (mr == 0) mr = HorzSpace;
        int& mt = BoxValues[htmlview::MarginTop];
        int& mb = BoxValues[htmlview::MarginBottom];
        if (mt == 0) mt = VertSpace;
        if (mb == 0) mb = VertSpace;
    }
    const int width = TableWidth(canvas, block_width, ml + mr);
    const int room = block_width - width - Sides();
    if (ml == 0 && mr == 0 && room > 0) {
        if (AlignMode == 2)
            ml = room / 2;
        else if (AlignMode == 3)
            ml = room;
    }
    return width;
}

void TTableBlock::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    const bool fixed = WidthRequest > 0 && !WidthInPercent;
    GridTable->FixedWidth = fixed ? std::max(0, WidthRequest - Sides()) : 0;
    TBlock::MinMaxWidths(canvas, min, max);
    if (fixed) max = min;
}

int TTableBlock::Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
                        IndentManager& indents, int& max_width, int& curs) {
    return LayoutBetweenFloats(*this, FloatKind == 0 && !InCaptionBlock, FloatShift, canvas, x, y, xref, yref,
                               awidth, aheight, indents, max_width, curs);
}

int TTableBlock::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
                       int yref) {
    // On paper, a table whose first row goes to the next page goes there
    // whole, so that no piece of its frame stays behind. At the page's top
    // the page cannot end above it: the rows decide as usual.
    if (Document && Document->PrintingNow && PlaceMode != 1 && !NotDisplayed && GridTable &&
        SectionTop > arect.Top + Document->ScrollY && GridTable->FirstRowMovesToNextPage(arect)) {
        TSectionList& doc = *Document;
        if (SectionTop < doc.PageEndY) doc.PageEndY = SectionTop;
        return SectionTop + FlowHeight;
    }
    return TBlock::Paint(canvas, arect, indents, x + FloatShift, xref, yref);
}

void TTableBlock::PaintBorder(ui::HtmlCanvas& canvas, const ui::Rect& border_box, const ui::Rect& padding_box) {
    if (!HtmlBorder) {
        TBlock::PaintBorder(canvas, border_box, padding_box);
        return;
    }
    const ColorRef light = resolved(GridTable->LightEdgeColor);
    const ColorRef dark = resolved(GridTable->DarkEdgeColor);
    DrawBorder(canvas, border_box, padding_box, NoColour, {bssSolid, bssSolid, bssSolid, bssSolid},
               {light, light, dark, dark});
}

void TTableBlock::RegisterPosition() {
    if (!NotDisplayed && GridTable) GridTable->RegisterPosition();
}

// ------------------------------------------------------ TTableAndCaptionBlock

TTableAndCaptionBlock::TTableAndCaptionBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell,
                                             TAttributeList* table_attrs, std::unique_ptr<TTableBlock> table_block,
                                             std::unique_ptr<TBlock> caption, bool on_top)
    : TBlock(doc, props, owner_cell, nullptr, false), CaptionOnTop(on_top) {
    // No box of its own: the table block keeps its border and background.
    for (int i = PaddingTop; i <= BorderLeftStyle; ++i) BoxProps[static_cast<size_t>(i)] = 0;
    BoxProps[BackgroundColor] = static_cast<int>(NoColour);
    Background = {};
    BoxProps[piWidth] = std::string("auto");
    BorderStyle = bssNone;
    FloatKind = 0;
    if (table_attrs)
        if (const TAttribute* a = table_attrs->Find(Sym::Align)) {
            if (SameText(a->ValueText, "center"))
                AlignMode = 2;
            else if (SameText(a->ValueText, "left"))
                FloatKind = ALeft;
            else if (SameText(a->ValueText, "right"))
                FloatKind = ARight;
        }
    if (table_block->AlignMode != 0 && AlignMode == 0) AlignMode = table_block->AlignMode;
    TagAndClass = "TableAndCaption.";
    GridBlock = table_block.get();
    TitleBlock = caption.get();
    GridBlock->InCaptionBlock = true;
    GridBlock->FloatKind = 0;
    BoxValues[htmlview::MarginTop] = GridBlock->BoxValues[htmlview::MarginTop];
    BoxValues[htmlview::MarginBottom] = GridBlock->BoxValues[htmlview::MarginBottom];
    GridBlock->BoxValues[htmlview::MarginTop] = GridBlock->BoxValues[htmlview::MarginBottom] = 0;
    GridBlock->ParentCell = BodyCell.get();
    TitleBlock->ParentCell = BodyCell.get();
    if (on_top) {
        BodyCell->AddSection(std::move(caption));
        BodyCell->AddSection(std::move(table_block));
    } else {
        BodyCell->AddSection(std::move(table_block));
        BodyCell->AddSection(std::move(caption));
    }
}

TTableAndCaptionBlock::TTableAndCaptionBlock(TSectionList* doc, const TTableAndCaptionBlock& s)
    : TBlock(doc, s), CaptionOnTop(s.CaptionOnTop), AlignMode(s.AlignMode) {
    FindParts();
}

void TTableAndCaptionBlock::FindParts() {
    for (const auto& sec : *BodyCell) {
        if (auto* t = dynamic_cast<TTableBlock*>(sec.get()))
            GridBlock = t;
        else if (auto* b = dynamic_cast<TBlock*>(sec.get()))
            TitleBlock = b;
    }
}

std::unique_ptr<TSectionBase> TTableAndCaptionBlock::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TTableAndCaptionBlock(doc, *this));
}

int TTableAndCaptionBlock::ContentWidth(ui::HtmlCanvas& canvas, int block_width, int, int) {
    int& ml = BoxValues[MarginLeft];
    int& mr = BoxValues[MarginRight];
    if (ml == AutoValue) ml = 0;
    if (mr == AutoValue) mr = 0;
    if (!GridBlock || !TitleBlock) return std::max(0, block_width - ml - mr);
    const int table_content = GridBlock->TableWidth(canvas, block_width, ml + mr);
    const int table_full = table_content + GridBlock->Sides();
    int cap_min = 0, cap_max = 0;
    TitleBlock->MinMaxWidths(canvas, cap_min, cap_max);
    const int width = std::max(table_full, cap_min);
    const int room = block_width - width;
    if (ml == 0 && mr == 0 && room > 0) {
        if (AlignMode == 2)
            ml = room / 2;
        else if (AlignMode == 3)
            ml = room;
    }
    GridBlock->ChosenWidth = table_content;
    GridBlock->CaptionShift = (width - table_full) / 2;
    return width;
}

int TTableAndCaptionBlock::Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth,
                                  int aheight, IndentManager& indents, int& max_width, int& curs) {
    return LayoutBetweenFloats(*this, FloatKind == 0, FloatShift, canvas, x, y, xref, yref, awidth, aheight,
                               indents, max_width, curs);
}

int TTableAndCaptionBlock::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x,
                                 int xref, int yref) {
    return TBlock::Paint(canvas, arect, indents, x + FloatShift, xref, yref);
}

void TTableAndCaptionBlock::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    int tmin = 0, tmax = 0, cmin = 0, cmax = 0;
    if (GridBlock) GridBlock->MinMaxWidths(canvas, tmin, tmax);
    if (TitleBlock) TitleBlock->MinMaxWidths(canvas, cmin, cmax);
    min = std::max(tmin, cmin);
    max = std::max(tmax, cmin);
}

int TTableAndCaptionBlock::SourceToDocPos(int source_pos, bool prev) {
    TSectionBase* first = prev ? static_cast<TSectionBase*>(GridBlock) : TitleBlock;
    TSectionBase* second = prev ? static_cast<TSectionBase*>(TitleBlock) : GridBlock;
    if (first)
        if (const int p = first->SourceToDocPos(source_pos, prev); p >= 0) return p;
    return second ? second->SourceToDocPos(source_pos, prev) : -1;
}

} // namespace htmlview
