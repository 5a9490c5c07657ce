#include "htmlview/blocks.h"

#include <algorithm>

#include "htmlview/borders.h"
#include "htmlview/box_length.h"
#include "htmlview/document.h"
#include "htmlview/text_section.h"

namespace htmlview {

namespace {

bool starts_with(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

} // namespace

void BoundBoxLengths(TIntMarginArray& m) {
    for (int i = htmlview::MarginTop; i <= piLeft; ++i) {
        if (i > BorderLeftWidth && i < piWidth) continue; // side colours and styles
        int& v = m[static_cast<size_t>(i)];
        if (v != AutoValue && v != NoValue && v != ParagraphDefault) v = std::clamp(v, -kMaxBoxLength, kMaxBoxLength);
    }
}

TBlock::TBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* attrs,
               bool collapse_now)
    : TSectionBase(doc), BodyCell(std::make_unique<TBlockCell>(doc)), ParentCell(owner_cell) {
    props.GetFont(); // sets the em and ex sizes
    props.GetMarginValues(BoxProps);
    int clear = 0;
    if (props.GetClear(clear)) ClearKind = clear;
    int fl = 0;
    if (props.GetFloat(fl)) FloatKind = fl == ALeft || fl == ARight ? fl : 0;
    BorderStyle = props.GetBorderStyle();
    TextColor = static_cast<ColorRef>(AsInt(props.Props[Color]));
    EmSize = props.EmSize;
    ExSize = props.ExSize;
    NotDisplayed = props.DisplayNone();
    HintText = props.ElemTitle;
    PlaceMode = props.GetPosition();
    VisibleState = props.GetVisibility() == 1 ? 1 : 2;
    props.GetPageBreaks(PageBreakBefore, PageBreakAfter, AvoidPageBreak);
    if (PlaceMode != 0) {
        ZOrder = props.GetZIndex() * 10;
        if (PlaceMode == 1 && ZOrder == 0) ZOrder = 1;
    }
    if (FloatKind != 0 && ZOrder == 0) ZOrder = 1;
    TagAndClass = props.ElemTag + "." + props.ElemClass;
    if (std::string url; props.GetBackgroundImage(url) && !url.empty()) {
        PositionRecArray pos;
        props.GetBackgroundPos(EmSize, ExSize, pos);
        Background.SetName(url, pos);
    }
    BodyCell->HostTag = props.ElemTag;
    BodyCell->HostBlock = this;
    if (attrs && doc)
        if (const std::string id = attrs->TheID(); !id.empty()) {
            doc->IDNameList.AddObject(id, this);
            HasID = true;
        }

    ConvertVertMargins(BoxProps, 0, EmSize, ExSize, TopUnset, BottomUnset, BoxValues);
    BoundBoxLengths(BoxValues);
    if (collapse_now) CollapseTopMargin(TopUnset);
}

TBlock::TBlock(TSectionList* doc, const TBlock& source) : TSectionBase(doc) {
    CopyBase(source);
    BoxValues = source.BoxValues;
    EmSize = source.EmSize;
    ExSize = source.ExSize;
    TextColor = source.TextColor;
    BorderStyle = source.BorderStyle;
    FloatKind = source.FloatKind;
    ClearKind = source.ClearKind;
    NeedsBulletRoom = source.NeedsBulletRoom;
    BgPosition = source.BgPosition;
    PlaceMode = source.PlaceMode;
    VisibleState = source.VisibleState;
    BottomUnset = source.BottomUnset;
    PageBreakBefore = source.PageBreakBefore;
    PageBreakAfter = source.PageBreakAfter;
    AvoidPageBreak = source.AvoidPageBreak;
    NotDisplayed = source.NotDisplayed;
    TagAndClass = source.TagAndClass;
    BoxProps = source.BoxProps;
    HintText = source.HintText;
    BodyCell = std::make_unique<TBlockCell>(doc, *source.BodyCell);
    BodyCell->HostBlock = this;
    if (doc && doc->PrintBackgrounds) Background = source.Background.CopyFor(*doc);
}

std::unique_ptr<TSectionBase> TBlock::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TBlock(doc, *this));
}

// Collapses the top margin with the bottom margin of the block before.
void TBlock::CollapseTopMargin(bool top_unset) {
    int& top = BoxValues[htmlview::MarginTop];
    if (PlaceMode == 1) {
        if (top_unset) top = 0;
        return;
    }
    if (FloatKind != 0 || !ParentCell) return;
    TSectionBase* prev = nullptr;
    for (int i = ParentCell->Count() - 1; i >= 0; --i) {
        TSectionBase* s = ParentCell->Items(i);
        const auto* b = dynamic_cast<const TBlock*>(s);
        if (b && b->PlaceMode == 1) continue;
        // A clearing break between blocks moves them apart only by the
        // clearance; their margins still collapse.
        const auto* t = dynamic_cast<const TSection*>(s);
        if (t && t->ClearAttr != 0 && t->TextLength() == 0) continue;
        prev = s;
        break;
    }
    if (auto* b = dynamic_cast<TBlock*>(prev)) {
        if (b->IsTableBlock() && b->FloatKind != 0) {
            if (top_unset) top = 0;
            return;
        }
        const int bottom = b->BoxValues[htmlview::MarginBottom];
        b->BoxValues[htmlview::MarginBottom] = 0;
        if (top >= 0 && bottom >= 0)
            top = std::max(top, bottom);
        else if (top < 0 && bottom < 0)
            top = std::min(top, bottom);
        else
            top += bottom;
    } else if (prev) {
        if (ParentCell->HostTag == "li" && top_unset && (starts_with(TagAndClass, "ul.") || starts_with(TagAndClass, "ol.")))
            top = 0;
    } else if (top_unset) {
        top = 0;
    } else if (ParentCell->HostTag == "default" || ParentCell->HostTag == "body") {
        const int owner_top = ParentCell->HostBlock ? ParentCell->HostBlock->BoxValues[htmlview::MarginTop] : 0;
        top = std::max(0, top - owner_top);
    }
}

bool TBlock::DropBottomMargin() {
    if (!BottomUnset) return false;
    BoxValues[htmlview::MarginBottom] = 0;
    return true;
}

int TBlock::ContentWidth(ui::HtmlCanvas& canvas, int block_width, int auto_count, int) {
    int min = 0, max = 0;
    BodyCell->MinMaxWidths(canvas, min, max);
    int& ml = BoxValues[MarginLeft];
    int& mr = BoxValues[MarginRight];
    int& width = BoxValues[piWidth];
    const int sides = BoxValues[PaddingLeft] + BoxValues[PaddingRight] + BoxValues[BorderLeftWidth] +
                      BoxValues[BorderRightWidth];
    auto computed = [&] {
        if (PlaceMode == 1) return std::max(min, std::min(max, block_width - sides - ml - mr - OffsetLeft));
        return std::max(min, block_width - sides - ml - mr);
    };
    switch (auto_count) {
    case 0:
        width = std::max(min, width);
        break;
    case 1:
        if (width != AutoValue) {
            width = std::max(width, min);
            if (mr != AutoValue)
                ml = std::max(0, block_width - sides - mr - width);
            else if (FloatKind != 0)
                mr = 0;
            else
                mr = std::max(0, block_width - sides - ml - width);
        } else {
            width = computed();
        }
        break;
    case 2:
        if (width != AutoValue) {
            width = std::max(width, min);
            ml = mr = std::max(0, block_width - width - sides) / 2;
        } else {
            if (ml == AutoValue)
                ml = 0;
            else
                mr = 0;
            width = computed();
        }
        break;
    default:
        ml = mr = 0;
        width = computed();
        break;
    }
    return width;
}

void TBlock::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    if (NotDisplayed) {
        min = max = 0;
        return;
    }
    TIntMarginArray m = BoxValues;
    int auto_count = 0;
    ConvertMargins(BoxProps, 0, 0, EmSize, ExSize, auto_count, m);
    BoundBoxLengths(m);
    for (int i : {int(MarginLeft), int(MarginRight), int(piWidth)})
        if (m[static_cast<size_t>(i)] == AutoValue) m[static_cast<size_t>(i)] = 0;
    const int l = m[MarginLeft] + m[BorderLeftWidth] + m[PaddingLeft];
    const int r = m[MarginRight] + m[BorderRightWidth] + m[PaddingRight];
    int cmin = 0, cmax = 0;
    BodyCell->MinMaxWidths(canvas, cmin, cmax);
    min = to_position(int64_t{std::max(cmin, m[piWidth])} + l + r);
    max = m[piWidth] < 1 ? to_position(int64_t{l} + r + std::max(cmax, m[piWidth])) : min;
}

void TBlock::FillStackList() {
    if (!StackList.empty()) return;
    for (const auto& s : *BodyCell) StackList.push_back(s.get());
    std::stable_sort(StackList.begin(), StackList.end(),
                     [](const TSectionBase* a, const TSectionBase* b) { return a->ZOrder < b->ZOrder; });
}

int TBlock::Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
                   IndentManager& indents, int& max_width, int& curs) {
    SectionTop = y;
    FirstPos = curs;
    if (NotDisplayed) {
        FlowHeight = PaintHeight = FlowBottom = PaintBottom = 0;
        PaintTop = ContentTop = y;
        PosCount = 0;
        max_width = 0;
        return 0;
    }
    ClearSpace = indents.ClearDrop(ClearKind, y);
    max_width = awidth;
    int auto_count = 0;
    ConvertMargins(BoxProps, awidth, aheight, EmSize, ExSize, auto_count, BoxValues);
    BoundBoxLengths(BoxValues);
    OffsetTop = BoxValues[piTop] == AutoValue || BoxValues[piTop] == NoValue ? 0 : BoxValues[piTop];
    OffsetLeft = BoxValues[piLeft] == AutoValue || BoxValues[piLeft] == NoValue ? 0 : BoxValues[piLeft];
    if (PlaceMode == 1) {
        x = OffsetLeft;
        y = OffsetTop + yref;
        SectionTop = y;
    }
    ChosenWidth = ContentWidth(canvas, awidth, auto_count, aheight);
    BodyCell->Indents = &indents;
    const void* saved_owner = indents.CurrentID;
    indents.CurrentID = this;

    const TIntMarginArray& m = BoxValues;
    const int sides = m[MarginLeft] + m[MarginRight] + m[PaddingLeft] + m[PaddingRight] + m[BorderLeftWidth] +
                      m[BorderRightWidth];
    if (AsString(BoxProps[piWidth]).find('%') != std::string::npos)
        ChosenWidth = std::min(ChosenWidth, awidth - sides);
    ChosenWidth = std::max(0, ChosenWidth);
    const int block_width = ChosenWidth + sides;
    const int top = to_position(int64_t{y} + ClearSpace);
    PaintTop = m[htmlview::MarginTop] < 1 ? top + m[htmlview::MarginTop] : top;
    const int left_sides = m[MarginLeft] + m[PaddingLeft] + m[BorderLeftWidth];
    const int right_sides = m[MarginRight] + m[PaddingRight] + m[BorderRightWidth];
    if (FloatKind == ALeft)
        ContentOffset = std::max(x, indents.LeftIndent(top)) - x + left_sides;
    else if (FloatKind == ARight)
        ContentOffset = std::min(awidth, indents.RightSide(top) - x) - right_sides - ChosenWidth;
    else
        ContentOffset = left_sides;
    int cx = x + ContentOffset;
    if (NeedsBulletRoom) {
        const int room = indents.LeftIndent(top) + 35;
        if (cx < room) {
            const int shift = room - cx;
            cx += shift;
            ContentOffset += shift;
            ChosenWidth = std::max(0, ChosenWidth - shift);
        }
    }
    ContentTop = to_position(int64_t{top} + m[htmlview::MarginTop] + m[PaddingTop] + m[BorderTopWidth]);
    const int left = indents.AddLeft(cx - indents.LfEdge, ContentTop);
    const int right = indents.AddRight(cx + ChosenWidth - indents.LfEdge, ContentTop);
    ContentLeft = cx;
    const int height_prop = std::max(0, m[piHeight] == AutoValue ? 0 : m[piHeight]);
    const int cell_max = LayoutContent(canvas, cx, xref, yref, height_prop, curs);
    PosCount = curs - FirstPos;
    max_width = sides + cell_max;
    if (PlaceMode != 0) max_width += OffsetLeft - m[MarginRight];
    ContentEnd = std::max(ContentTop, BodyCell->InnerBottom - (PlaceMode == 2 ? OffsetTop : 0));
    if (ContentEnd - ContentTop < height_prop) ContentEnd = to_position(int64_t{ContentTop} + height_prop);
    FlowBottom = to_position(int64_t{ContentEnd} + m[PaddingBottom] + m[BorderBottomWidth] + m[htmlview::MarginBottom]);
    PaintBottom = to_position(int64_t{std::max(ContentEnd, BodyCell->PaintBottom)} + m[PaddingBottom] + m[BorderBottomWidth]);
    int result = FlowBottom - y;
    if (Document) Background.Fetch(*Document, canvas);
    FlowHeight = result;
    indents.DeleteLeft(left);
    indents.DeleteRight(right);
    indents.CurrentID = saved_owner;
    if (FloatKind == 0 && PlaceMode != 1) {
        PaintHeight = std::max(FlowHeight, indents.ImageBottom() - y);
        PaintBottom = std::max(PaintBottom, y + PaintHeight);
    } else {
        LeaveFlow(indents, y, cx + ChosenWidth + right_sides, block_width);
        result = 0;
    }
    FillStackList();
    return result;
}

// The body cell laid out at the content's x: a relatively placed block's
// content moved by its offset, an absolutely placed one's by its place.
// Returns the content's widest line.
int TBlock::LayoutContent(ui::HtmlCanvas& canvas, int cx, int xref, int yref, int height_prop, int& curs) {
    const TIntMarginArray& m = BoxValues;
    int cell_max = 0;
    if (PlaceMode == 2)
        BodyCell->LayoutBlockContent(canvas, cx, ContentTop + OffsetTop, xref, ContentTop + OffsetTop, ChosenWidth,
                                     height_prop, cell_max, curs);
    else if (PlaceMode == 1)
        BodyCell->LayoutBlockContent(canvas, cx, ContentTop, OffsetLeft + xref + m[MarginLeft] + m[BorderLeftWidth],
                                     OffsetTop + yref + m[htmlview::MarginTop] + m[BorderTopWidth], ChosenWidth,
                                     height_prop, cell_max, curs);
    else
        BodyCell->LayoutBlockContent(canvas, cx, ContentTop, xref, yref, ChosenWidth, height_prop, cell_max, curs);
    return cell_max;
}

// A float leaves its box to the float manager (the right edge of a left
// float, the width of a right one); floats and absolutely placed blocks
// take no room in the flow.
void TBlock::LeaveFlow(IndentManager& indents, int y, int left_float_right, int block_width) {
    PaintHeight = PlaceMode == 1 ? 0 : FlowHeight;
    if (PlaceMode != 1) {
        if (FloatKind == ALeft)
            indents.AddFloatRect(y, left_float_right, ALeft, PaintBottom - y);
        else if (FloatKind == ARight)
            indents.AddFloatRect(y, block_width, ARight, PaintBottom - y);
    }
    FlowHeight = 0;
}

void TBlock::PaintOrigin(int x, int xref, int yref, int& px, int& py) const {
    px = x;
    py = SectionTop;
    if (PlaceMode == 2) {
        px = x + OffsetLeft;
        py = SectionTop + OffsetTop;
    } else if (PlaceMode == 1) {
        px = xref + OffsetLeft;
        py = yref + OffsetTop;
    }
}

void TBlock::Boxes(int px, int py, ui::Rect& border_box, ui::Rect& padding_box) const {
    const TIntMarginArray& m = BoxValues;
    const int scroll = Document ? Document->ScrollY : 0;
    const int content_left = px + ContentOffset;
    border_box.Left = content_left - m[PaddingLeft] - m[BorderLeftWidth];
    border_box.Right = content_left + ChosenWidth + m[PaddingRight] + m[BorderRightWidth];
    border_box.Top = py + ClearSpace + m[htmlview::MarginTop] - scroll;
    if (FloatKind != 0)
        border_box.Bottom = PaintBottom - scroll;
    else if (PlaceMode == 2)
        border_box.Bottom = FlowBottom + OffsetTop - scroll - m[htmlview::MarginBottom];
    else
        border_box.Bottom = FlowBottom - scroll - m[htmlview::MarginBottom];
    padding_box = {border_box.Left + m[BorderLeftWidth], border_box.Top + m[BorderTopWidth],
                   border_box.Right - m[BorderRightWidth], border_box.Bottom - m[BorderBottomWidth]};
}

void TBlock::PaintBackground(ui::HtmlCanvas& canvas, const ui::Rect& arect, const ui::Rect& padding_box) {
    const ColorRef bg = static_cast<ColorRef>(BoxValues[BackgroundColor]);
    const bool printing = Document && Document->PrintingNow;
    if (printing && !Document->PrintBackgrounds) return;
    if (bg != NoColour) canvas.FillRect(padding_box, bg | ui::kPaletteFlag);
    Background.Paint(canvas, Document, padding_box, {arect.Left, arect.Top - 2, arect.Right, arect.Bottom});
}

void TBlock::PaintBorder(ui::HtmlCanvas& canvas, const ui::Rect& border_box, const ui::Rect& padding_box) {
    if (BorderStyle == bssNone) return;
    const TIntMarginArray& m = BoxValues;
    // A side colour not given takes the element's text colour.
    auto color = [&](int i) {
        const PropValue& v = BoxProps[static_cast<size_t>(i)];
        return IsInt(v) && AsInt(v) != NoValue ? static_cast<ColorRef>(m[static_cast<size_t>(i)]) : TextColor;
    };
    const SideStyles styles = {m[BorderLeftStyle], m[BorderTopStyle], m[BorderRightStyle], m[BorderBottomStyle]};
    const SideColors colors = {color(BorderLeftColor), color(BorderTopColor), color(BorderRightColor),
                               color(BorderBottomColor)};
    DrawBorder(canvas, border_box, padding_box, static_cast<ColorRef>(m[BackgroundColor]), styles, colors);
}

// Page breaks around the block on a printed page; false: the block goes
// to the next page and is not painted on this one.
bool TBlock::BreakPage(const ui::Rect& arect) {
    TSectionList& doc = *Document;
    const int page_top = arect.Top + doc.ScrollY;
    const int page_height = arect.Bottom - arect.Top;
    const int mt = BoxValues[htmlview::MarginTop];
    const int bottom = SectionTop + PaintHeight;
    // A new page end is taken only below the page's top, so every page
    // moves the print on, whatever the margins.
    auto end_page_at = [&](int y) {
        if (y > page_top && y < doc.PageEndY) doc.PageEndY = y;
    };
    if (PageBreakBefore && !doc.PageEmpty && page_top < SectionTop + mt) {
        end_page_at(SectionTop + mt);
        return false;
    }
    if (AvoidPageBreak && SectionTop > page_top && bottom > doc.PageEndY && page_height > PaintHeight - mt) {
        end_page_at(SectionTop + mt);
        return false;
    }
    if (IsTableBlock() && SectionTop > page_top + page_height * 2 / 3 && bottom > doc.PageEndY &&
        PaintHeight < page_height) {
        end_page_at(SectionTop);
        return false;
    }
    if (PageBreakAfter && page_top < bottom && doc.PageEndY > bottom) doc.PageEndY = bottom;
    return true;
}

int TBlock::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
                  int yref) {
    if (NotDisplayed) return 0;
    const int result = SectionTop + FlowHeight;
    if (Document && Document->PrintingNow && PlaceMode != 1 && !BreakPage(arect)) return result;
    if (VisibleState == 1) return result;
    int px = 0, py = 0;
    PaintOrigin(x, xref, yref, px, py);
    ui::Rect border_box, padding_box;
    Boxes(px, py, border_box, padding_box);
    BorderBox = border_box;
    if (border_box.Top < arect.Bottom && border_box.Bottom > arect.Top) {
        PaintBackground(canvas, arect, padding_box);
        PaintBorder(canvas, border_box, padding_box);
    }
    const void* saved_owner = indents.CurrentID;
    indents.CurrentID = this;
    // Positioned blocks are the reference of the absolutely placed blocks inside.
    if (PlaceMode != 0) {
        xref = padding_box.Left;
        yref = padding_box.Top + (Document ? Document->ScrollY : 0);
    }
    for (TSectionBase* s : StackList) s->Paint(canvas, arect, indents, px + ContentOffset, xref, yref);
    indents.CurrentID = saved_owner;
    return result;
}

// ----------------------------------------------------------------- queries

int TBlock::UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                       std::string& title) {
    if (NotDisplayed) return 0;
    int titled = 0;
    const int scroll = Document ? Document->ScrollY : 0;
    if (!HintText.empty() && BorderBox.Contains(x, y - scroll)) {
        title = HintText;
        titled = guTitle;
    }
    return BodyCell->UrlAtPoint(canvas, x, y, url, control, title) | titled;
}

bool TBlock::ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy) {
    if (NotDisplayed) return false;
    for (auto it = StackList.rbegin(); it != StackList.rend(); ++it)
        if (y >= (*it)->PaintTop && y < (*it)->PaintBottom && (*it)->ObjectAtPoint(x, y, obj, ix, iy)) return true;
    return false;
}

int TBlock::CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht, bool& in_text) {
    if (NotDisplayed) return -1;
    for (auto it = StackList.rbegin(); it != StackList.rend(); ++it)
        if (y >= (*it)->PaintTop && y < (*it)->PaintBottom)
            if (const int p = (*it)->CursorAtPoint(canvas, x, y, xr, yr, caret_ht, in_text); p >= 0) return p;
    return -1;
}

int TBlock::FindText(WideView text, int from, bool match_case) {
    return NotDisplayed ? -1 : BodyCell->FindText(text, from, match_case);
}

int TBlock::FindTextBackward(WideView text, int from, bool match_case) {
    return NotDisplayed ? -1 : BodyCell->FindTextBackward(text, from, match_case);
}

int TBlock::DocToSourcePos(int pos) {
    return NotDisplayed ? -1 : BodyCell->DocToSourcePos(pos);
}

int TBlock::SourceToDocPos(int source_pos, bool prev) {
    return NotDisplayed ? -1 : BodyCell->SourceToDocPos(source_pos, prev);
}

bool TBlock::CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) {
    return !NotDisplayed && BodyCell->CursorToXY(canvas, pos, x, y);
}

bool TBlock::CharAtPos(int pos, char16_t& ch, TSectionBase*& owner) {
    return !NotDisplayed && BodyCell->CharAtPos(pos, ch, owner);
}

void TBlock::RegisterPosition() {
    if (!NotDisplayed) BodyCell->RegisterPositions();
}

void TBlock::CopyToClipboard() {
    if (NotDisplayed || !Document) return;
    BodyCell->CopyToClipboard();
    if (starts_with(TagAndClass, "p.") && BodyCell->FirstPos + BodyCell->PosCount < Document->SelE)
        Document->ClipText += u"\r\n";
}

// -------------------------------------------------------------- TBodyBlock

TBodyBlock::TBodyBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* attrs)
    : TBlock(doc, props, owner_cell, attrs) {
    Background = {}; // the page background: the document paints it
    if (!doc) return;
    std::string url;
    if (props.GetBackgroundImage(url) && !url.empty()) {
        PositionRecArray pos;
        props.GetBackgroundPos(EmSize, ExSize, pos);
        doc->SetPageImage(url, pos);
    }
    if (const ColorRef bg = props.GetBackgroundColor(); bg != NoColour) doc->SetPageColor(bg);
}

std::unique_ptr<TSectionBase> TBodyBlock::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TBodyBlock(doc, *this));
}

int TBodyBlock::Layout(ui::HtmlCanvas& canvas, int, int y, int, int, int awidth, int aheight, IndentManager& indents,
                       int& max_width, int& curs) {
    SectionTop = y;
    FirstPos = curs;
    int auto_count = 0;
    ConvertMargins(BoxProps, awidth, aheight, EmSize, ExSize, auto_count, BoxValues);
    BoundBoxLengths(BoxValues);
    TIntMarginArray& m = BoxValues;
    for (int i : {int(MarginLeft), int(MarginRight)})
        if (m[static_cast<size_t>(i)] == AutoValue) m[static_cast<size_t>(i)] = 0;
    ChosenWidth = std::max(0, indents.Width - m[MarginLeft] - m[MarginRight] - m[PaddingLeft] - m[PaddingRight] -
                                  m[BorderLeftWidth] - m[BorderRightWidth]);
    BodyCell->Indents = &indents;
    const void* saved_owner = indents.CurrentID;
    indents.CurrentID = this;
    ContentOffset = m[MarginLeft] + m[PaddingLeft] + m[BorderLeftWidth];
    const int cx = ContentOffset;
    ContentTop = y + m[htmlview::MarginTop] + m[PaddingTop] + m[BorderTopWidth];
    ContentLeft = cx;
    PaintTop = y;
    const int left = indents.AddLeft(cx - indents.LfEdge, ContentTop);
    const int right = indents.AddRight(cx + ChosenWidth - indents.LfEdge, ContentTop);
    int cell_max = 0;
    BodyCell->LayoutBlockContent(canvas, cx, ContentTop, 0, 0, ChosenWidth,
                                 aheight - m[htmlview::MarginTop] - m[htmlview::MarginBottom], cell_max, curs);
    PosCount = curs - FirstPos;
    const int b = std::max(ContentTop, BodyCell->InnerBottom);
    ContentEnd = b;
    FlowBottom = b + m[PaddingBottom] + m[BorderBottomWidth] + m[htmlview::MarginBottom];
    PaintBottom = std::max(b, BodyCell->PaintBottom) + m[PaddingBottom] + m[BorderBottomWidth];
    BodyCell->PaintTop = 0;
    BodyCell->InnerBottom = 999000;
    FlowHeight = PaintBottom + m[htmlview::MarginBottom] - y;
    indents.DeleteLeft(left);
    indents.DeleteRight(right);
    indents.CurrentID = saved_owner;
    PaintHeight = std::max(indents.ImageBottom() - y, FlowHeight);
    PaintBottom = std::max(PaintBottom, y + PaintHeight);
    max_width = std::max(indents.Width, std::max(cell_max, ChosenWidth) + m[MarginLeft] + m[MarginRight]);
    FillStackList();
    return FlowHeight;
}

int TBodyBlock::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int, int, int) {
    const TIntMarginArray& m = BoxValues;
    const int left = indents.LfEdge;
    const void* saved_owner = indents.CurrentID;
    indents.CurrentID = this;
    for (TSectionBase* s : StackList)
        s->Paint(canvas, arect, indents, left + m[MarginLeft] + m[BorderLeftWidth] + m[PaddingLeft], left, 0);
    indents.CurrentID = saved_owner;
    return SectionTop + FlowHeight;
}

int TBodyBlock::UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                           std::string& title) {
    int titled = 0;
    if (!HintText.empty()) {
        title = HintText;
        titled = guTitle;
    }
    return BodyCell->UrlAtPoint(canvas, x, y, url, control, title) | titled;
}

} // namespace htmlview
