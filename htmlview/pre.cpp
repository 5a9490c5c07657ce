#include "htmlview/pre.h"

#include <algorithm>

#include "htmlview/document.h"

namespace htmlview {

// ------------------------------------------------------------ TPreFormated

TPreFormated::TPreFormated(TSectionList* doc, TProperties& props, const TUrlTarget* link, TCellBasic* cell)
    : TSection(doc, nullptr, props, link, cell, false) {
    Preformatted = true;
}

TPreFormated::TPreFormated(TSectionList* doc, const TPreFormated& source) : TSection(doc, source) {}

std::unique_ptr<TSectionBase> TPreFormated::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TPreFormated(doc, *this));
}

void TPreFormated::Finish() {
    if (!Finished()) CloseForLayout();
}

void TPreFormated::MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) {
    const int len = TextLength();
    if (len == 0) {
        min = max = 0;
        return;
    }
    if (Document)
        for (const auto& obj : Images) obj->LayoutObject(*Document, canvas, 0, Fonts.GetFontObjAt(obj->CharPos));
    MeasureLine(min, max);
}

void TPreFormated::MeasureLine(int& min, int& max) {
    // Pictures may still change size while they load: measured each time.
    if (!minmax_valid_ || !Images.Empty()) {
        const int len = TextLength();
        stored_max_ = std::max(0, PieceWidth(0, len, 1));
        stored_min_ = std::min(stored_max_, kMaxMinWidth);
        minmax_valid_ = true;
    }
    min = stored_min_;
    max = stored_max_;
}

int TPreFormated::Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
                         IndentManager& indents, int& max_width, int& curs) {
    if (TextLength() == 0) {
        // An empty line keeps its height.
        TSection::Layout(canvas, x, y, xref, yref, awidth, aheight, indents, max_width, curs);
        const int h = Fonts.Empty() ? 0 : Fonts.First()->tmHeight;
        FlowHeight = PaintHeight = h;
        FlowBottom = PaintBottom = y + h;
        max_width = 0;
        return h;
    }
    // The line is never wrapped: the float manager is as wide as any line.
    struct WidthScope {
        IndentManager& m;
        int saved;
        ~WidthScope() { m.Width = saved; }
    } scope{indents, indents.Width};
    indents.Width = 32000;
    const int h = TSection::Layout(canvas, x, y, xref, yref, awidth, aheight, indents, max_width, curs);
    // The pictures keep the sizes this layout gave them; only the line is measured.
    int min = 0;
    MeasureLine(min, max_width);
    return h;
}

// ------------------------------------------------------------------- TPage

std::unique_ptr<TSectionBase> TPage::Clone(TSectionList* doc) const {
    auto page = std::make_unique<TPage>(doc);
    page->CopyBase(*this);
    return page;
}

int TPage::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
                 int yref) {
    if (TSectionList* doc = Document; doc && doc->PrintingNow) {
        const int page_top = arect.Top + doc->ScrollY;
        if (SectionTop > page_top + kMinPageContent && SectionTop < doc->PageEndY) doc->PageEndY = SectionTop;
    }
    return TSectionBase::Paint(canvas, arect, indents, x, xref, yref);
}

} // namespace htmlview
