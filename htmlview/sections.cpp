#include "htmlview/sections.h"

#include <algorithm>

#include "htmlview/blocks.h"
#include "htmlview/box_length.h"
#include "htmlview/document.h"
#include "htmlview/inline_objects.h"
#include "htmlview/text_section.h"

namespace htmlview {

// ------------------------------------------------------------ IndentManager

namespace {

// Adds a record that belongs to no owner, so every cell below sees it.
void add_free(IndentManager& m, bool left, int x, int y, int height) {
    const void* owner = m.CurrentID;
    m.CurrentID = nullptr;
    const int end = y + std::max(0, height);
    if (left)
        m.AddLeft(x, y, end);
    else
        m.AddRight(x, y, end);
    m.CurrentID = owner;
}

} // namespace

void IndentManager::AddFloatRect(int y, int x, int kind, int height) {
    if (kind == ALeft)
        add_free(*this, true, x - LfEdge, y, height);
    else if (kind == ARight)
        add_free(*this, false, RightSide(y) - x - LfEdge, y, height);
}

void IndentManager::UpdateForImage(int y, TFloatingObj& img) {
    const int w = img.BoxWidth + img.HSpaceL + img.HSpaceR;
    const int h = img.BoxHeight + img.VSpaceT + img.VSpaceB;
    if (img.Placement == ALeft) {
        const int ix = LeftIndent(y);
        add_free(*this, true, ix + w - LfEdge, y, h);
        img.Indent = ix - LfEdge;
    } else if (img.Placement == ARight) {
        const int ix = RightSide(y) - w;
        add_free(*this, false, ix - LfEdge, y, h);
        img.Indent = ix - LfEdge;
    } else {
        return;
    }
    img.PlacedY = y + img.VSpaceT;
}

// ------------------------------------------------------------ TSectionBase

TSectionBase::~TSectionBase() {
    if (HasID && Document) Document->IDNameList.RemoveObject(this);
}

std::unique_ptr<TSectionBase> TSectionBase::Clone(TSectionList* doc) const {
    auto s = std::make_unique<TSectionBase>(doc);
    s->CopyBase(*this);
    return s;
}

int TSectionBase::Layout(ui::HtmlCanvas&, int, int y, int, int, int, int, IndentManager& indents,
                         int& max_width, int& curs) {
    FirstPos = curs;
    PaintHeight = FlowHeight;
    max_width = indents.Width;
    ContentTop = PaintTop = SectionTop = y;
    FlowBottom = y + FlowHeight;
    PaintBottom = y + PaintHeight;
    return FlowHeight;
}

int TSectionBase::Paint(ui::HtmlCanvas&, const ui::Rect&, IndentManager&, int, int, int) {
    return SectionTop + FlowHeight;
}

int TSectionBase::UrlAtPoint(ui::HtmlCanvas&, int, int, TUrlTarget&, TFormControlObj*&, std::string&) {
    return 0;
}

bool TSectionBase::ObjectAtPoint(int, int, TFloatingObj*&, int&, int&) {
    return false;
}

int TSectionBase::CursorAtPoint(ui::HtmlCanvas&, int, int, int&, int&, int&, bool&) {
    return -1;
}

int TSectionBase::FindText(WideView, int, bool) {
    return -1;
}

int TSectionBase::FindTextBackward(WideView, int, bool) {
    return -1;
}

int TSectionBase::DocToSourcePos(int) {
    return -1;
}

int TSectionBase::SourceToDocPos(int, bool) {
    return -1;
}

bool TSectionBase::CursorToXY(ui::HtmlCanvas*, int, int&, int&) {
    return false;
}

bool TSectionBase::CharAtPos(int, char16_t&, TSectionBase*&) {
    return false;
}

void TSectionBase::MinMaxWidths(ui::HtmlCanvas&, int& min, int& max) {
    min = max = 0;
}

void TSectionBase::RegisterPosition() {
    if (Document) Document->PositionList.push_back(this);
}

// -------------------------------------------------------------- TCellBasic

TCellBasic::TCellBasic(TSectionList* doc, const TCellBasic& source) : Document(doc) {
    HostTag = source.HostTag;
    for (const auto& s : source) AddSection(s->Clone(doc));
}

int TCellBasic::Layout(ui::HtmlCanvas& canvas, int y, int awidth, int aheight, int& max_width, int& curs) {
    LayoutY = y;
    FirstPos = curs;
    max_width = 0;
    int total = 0;
    for (const auto& s : items_) {
        int w = 0;
        const int h = s->Layout(canvas, 0, to_position(int64_t{y} + total), 1000, 1000, awidth, aheight, *Indents, w, curs);
        total = to_position(int64_t{total} + h);
        max_width = std::max(max_width, w);
    }
    PosCount = curs - FirstPos;
    return total;
}

void TCellBasic::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    min = max = 0;
    for (const auto& s : items_) {
        int a = 0, b = 0;
        s->MinMaxWidths(canvas, a, b);
        min = std::max(min, a);
        max = std::max(max, b);
    }
}

int TCellBasic::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, int, int x, int y, int xref, int yref) {
    int result = y;
    for (const auto& s : items_) result = s->Paint(canvas, arect, *Indents, x, xref, yref);
    return result;
}

namespace {

bool holds_y(const TSectionBase& s, int y) {
    return y >= s.PaintTop && y < s.PaintBottom;
}

} // namespace

int TCellBasic::UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url,
                           TFormControlObj*& control, std::string& title) {
    url.Clear();
    control = nullptr;
    for (const auto& s : items_)
        if (holds_y(*s, y))
            if (const int r = s->UrlAtPoint(canvas, x, y, url, control, title)) return r;
    return 0;
}

bool TCellBasic::ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy) {
    for (const auto& s : items_)
        if (holds_y(*s, y) && s->ObjectAtPoint(x, y, obj, ix, iy)) return true;
    return false;
}

int TCellBasic::CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht,
                              bool& in_text) {
    for (const auto& s : items_)
        if (holds_y(*s, y))
            if (const int p = s->CursorAtPoint(canvas, x, y, xr, yr, caret_ht, in_text); p >= 0) return p;
    return -1;
}

void TCellBasic::AddSection(std::unique_ptr<TSectionBase> section) {
    if (!section) return;
    if (auto* text = dynamic_cast<TSection*>(section.get())) {
        text->Finish();
        // An empty section is dropped unless it clears floats (a clearing
        // break that ends a block).
        if (!text->IsPreformatted() && text->TextLength() == 0 && !text->AnchorName && !text->HasControls &&
            text->ClearAttr == 0)
            return; // freed here
    }
    section->Document = Document;
    Add(std::move(section));
}

bool TCellBasic::DropLastBottomMargin() {
    for (int i = Count() - 1; i >= 0; --i) {
        auto* block = dynamic_cast<TBlock*>(items_[static_cast<size_t>(i)].get());
        if (!block || block->PlaceMode == 1) continue;
        return block->DropBottomMargin();
    }
    return false;
}

int TCellBasic::FindText(WideView text, int from, bool match_case) {
    for (const auto& s : items_)
        if (const int p = s->FindText(text, from, match_case); p >= 0) return p;
    return -1;
}

int TCellBasic::FindTextBackward(WideView text, int from, bool match_case) {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if (const int p = (*it)->FindTextBackward(text, from, match_case); p >= 0) return p;
    return -1;
}

int TCellBasic::DocToSourcePos(int pos) {
    for (const auto& s : items_)
        if (const int p = s->DocToSourcePos(pos); p >= 0) return p;
    return -1;
}

int TCellBasic::SourceToDocPos(int source_pos, bool prev) {
    if (prev) {
        for (auto it = items_.rbegin(); it != items_.rend(); ++it)
            if (const int p = (*it)->SourceToDocPos(source_pos, prev); p >= 0) return p;
    } else {
        for (const auto& s : items_)
            if (const int p = s->SourceToDocPos(source_pos, prev); p >= 0) return p;
    }
    return -1;
}

bool TCellBasic::CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) {
    for (const auto& s : items_)
        if (s->CursorToXY(canvas, pos, x, y)) return true;
    return false;
}

bool TCellBasic::CharAtPos(int pos, char16_t& ch, TSectionBase*& owner) {
    if (pos < FirstPos || pos > FirstPos + PosCount) return false;
    for (const auto& s : items_)
        if (s->CharAtPos(pos, ch, owner)) return true;
    return false;
}

void TCellBasic::CopyToClipboard() {
    if (!Document || Document->SelB >= Document->SelE) return;
    for (const auto& s : items_) {
        if (s->FirstPos >= Document->SelE) break;
        if (s->FirstPos + s->PosCount > Document->SelB) s->CopyToClipboard();
    }
}

void TCellBasic::RegisterPositions() {
    for (const auto& s : items_) s->RegisterPosition();
}

// ------------------------------------------------------------------- TCell

TCell::TCell(TSectionList* doc) : TCellBasic(doc) {
    Indents = &own_indents_;
}

TCell::TCell(TSectionList* doc, const TCell& source) : TCellBasic(doc, source) {
    Indents = &own_indents_;
}

int TCell::Layout(ui::HtmlCanvas& canvas, int y, int awidth, int aheight, int& max_width, int& curs) {
    IndentManager& m = own_indents_;
    m.Clear();
    m.Reset(0, awidth);
    m.Width = awidth;
    const void* saved = m.CurrentID;
    m.CurrentID = this;
    const int left = m.AddLeft(0, y);
    const int right = m.AddRight(awidth, y);
    const int h = TCellBasic::Layout(canvas, y, awidth, aheight, max_width, curs);
    m.DeleteLeft(left);
    m.DeleteRight(right);
    m.CurrentID = saved;
    return std::max(h, m.ImageBottom() - LayoutY);
}

int TCell::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, int w, int x, int y, int xref, int yref) {
    own_indents_.LfEdge = x;
    own_indents_.RtEdge = x + own_indents_.Width;
    own_indents_.ClipWidth = w;
    PaintY = y;
    return TCellBasic::Paint(canvas, arect, w, x, y, xref, yref);
}

// -------------------------------------------------------------- TBlockCell

void TBlockCell::LayoutBlockContent(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth,
                                    int aheight, int& max_width, int& curs) {
    LayoutY = y;
    FirstPos = curs;
    max_width = 0;
    InnerBottom = 0;
    PaintTop = 990000;
    PaintBottom = 0;
    int total = 0;
    for (const auto& s : items_) {
        int w = 0;
        const int h = s->Layout(canvas, x, to_position(int64_t{y} + total), xref, yref, awidth, aheight, *Indents, w, curs);
        total = to_position(int64_t{total} + h);
        max_width = std::max(max_width, w);
        const auto* block = dynamic_cast<const TBlock*>(s.get());
        if (!block || block->PlaceMode != 1) InnerBottom = std::max(InnerBottom, s->FlowBottom);
        PaintTop = std::min(PaintTop, s->PaintTop);
        PaintBottom = std::max(PaintBottom, s->PaintBottom);
    }
    PosCount = curs - FirstPos;
    StackHeight = total;
}

// --------------------------------------------------------------- TDrawList

void TDrawList::QueueImage(TFloatingObj* obj, ui::HtmlCanvas& canvas, int x, int y, TFontObj* run) {
    items_.push_back({obj, &canvas, x, y, run});
}

void TDrawList::FlushImages() {
    for (const TImageRec& r : items_)
        if (r.obj && r.canvas) r.obj->Draw(*r.canvas, r.x, r.y, r.run);
    items_.clear();
}

// ----------------------------------------------------------- TImageObjList

TFloatingObj* TImageObjList::FindObject(int pos) const {
    const auto it = std::lower_bound(items_.begin(), items_.end(), pos,
                                     [](const auto& o, int p) { return o->CharPos < p; });
    return it != items_.end() && (*it)->CharPos == pos ? it->get() : nullptr;
}

int TImageObjList::CountToNext(int pos) const {
    int best = 9999;
    for (const auto& o : items_)
        if (o->CharPos >= pos) best = std::min(best, o->CharPos - pos);
    return best;
}

void TImageObjList::Decrement(int pos) {
    for (const auto& o : items_)
        if (o->CharPos > pos) --o->CharPos;
}

TFloatingObj* TImageObjList::ObjectAt(int x, int y, int& ix, int& iy) const {
    // Every object holds points within its box only: the rows outside are
    // passed over without asking it, which a page of many pictures asks
    // for at every move of the mouse.
    for (const auto& o : items_)
        if (y >= o->PlacedY && static_cast<long long>(y) - o->PlacedY < o->BoxHeight && o->Holds(x, y, ix, iy))
            return o.get();
    return nullptr;
}

} // namespace htmlview
