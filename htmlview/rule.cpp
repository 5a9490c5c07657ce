#include "htmlview/rule.h"

#include <algorithm>

#include "htmlview/ascii.h"
#include "htmlview/document.h"

namespace htmlview {

THorzLine::THorzLine(TSectionList* doc, const TAttributeList& attrs, TProperties& props) : TSectionBase(doc) {
    ColorRef attr_color = NoColour;
    for (const auto& a : attrs) {
        switch (a->Symbol) {
        case Sym::Size:
            if (a->ValueNumber >= 1 && a->ValueNumber <= 20) Thickness = a->ValueNumber;
            break;
        case Sym::Align:
            if (SameText(Trim(a->ValueText), "left"))
                RuleAlign = 1;
            else if (SameText(Trim(a->ValueText), "right"))
                RuleAlign = 3;
            break;
        case Sym::Width:
            if (a->ValueNumber > 0) {
                if (a->ValueText.find('%') == std::string::npos)
                    props.SetValue(piWidth, a->ValueNumber);
                else if (a->ValueNumber < 101)
                    props.SetValue(piWidth, std::to_string(a->ValueNumber) + "%");
            }
            break;
        case Sym::Color: {
            ColorRef c = 0;
            if (ParseColor(a->ValueText, false, c)) attr_color = c;
            break;
        }
        case Sym::NoShade:
            Flat = true;
            break;
        default:
            break;
        }
    }
    props.SetValue(piHeight, Thickness);
    const ColorRef own = props.GetOwnColor();
    RuleColor = own != NoColour ? own : attr_color;
    if (props.SetHere[TextAlign] && IsString(props.Props[TextAlign])) {
        const std::string& v = AsString(props.Props[TextAlign]);
        if (v == "left")
            RuleAlign = 1;
        else if (v == "right")
            RuleAlign = 3;
        else if (v == "center")
            RuleAlign = 2;
    }
}

THorzLine::THorzLine(TSectionList* doc, const THorzLine& source)
    : TSectionBase(doc), Thickness(source.Thickness), RuleColor(source.RuleColor), RuleAlign(source.RuleAlign),
      Flat(source.Flat), LineX(source.LineX), LineWidth(source.LineWidth) {
    CopyBase(source);
}

std::unique_ptr<TSectionBase> THorzLine::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new THorzLine(doc, *this));
}

void THorzLine::CopyToClipboard() {
    if (Document) Document->ClipText += u"\r\n";
}

int THorzLine::Layout(ui::HtmlCanvas&, int x, int y, int, int, int awidth, int, IndentManager& indents,
                      int& max_width, int& curs) {
    FirstPos = curs;
    const int lx = std::max(x, indents.LeftIndent(y));
    LineX = lx - x;
    LineWidth = std::max(0, std::min(awidth, indents.RightSide(y) - lx));
    SectionTop = ContentTop = PaintTop = y;
    FlowHeight = PaintHeight = Thickness;
    FlowBottom = PaintBottom = y + Thickness;
    max_width = LineWidth;
    return Thickness;
}

int THorzLine::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager&, int x, int, int) {
    const int result = SectionTop + FlowHeight;
    if (!Document) return result;
    TSectionList& doc = *Document;
    const bool printing = doc.PrintingNow;
    if (printing) {
        // A rule the page's end would cut goes whole to the next page.
        const int page_top = arect.Top + doc.ScrollY;
        if (SectionTop > page_top && SectionTop < doc.PageEndY && SectionTop + Thickness > doc.PageEndY)
            doc.PageEndY = SectionTop;
        if (SectionTop + Thickness > doc.PageEndY) return result;
    }
    const int top = SectionTop - doc.ScrollY;
    if (top > arect.Bottom || top + Thickness < arect.Top) return result;
    const ui::Rect r{x + LineX, top, x + LineX + LineWidth, top + Thickness};
    if (RuleColor != NoColour) {
        canvas.FillRect(r, RuleColor | ui::kPaletteFlag);
    } else {
        const bool black = Flat || (printing && canvas.Caps().num_colors == 2);
        const ColorRef page = doc.PageColor != NoColour ? doc.PageColor : doc.FontSettings.Background;
        const bool white_page = ui::resolve_color(page) == ui::rgb_ref(255, 255, 255);
        const ColorRef light = black                  ? ui::rgb_ref(0, 0, 0)
                               : white_page || printing ? ui::rgb_ref(192, 192, 192)
                                                        : ui::kSysColorFlag | ui::kColorBtnHighlight;
        const ColorRef dark = black ? ui::rgb_ref(0, 0, 0) : ui::kSysColorFlag | ui::kColorBtnShadow;
        if (!r.IsEmpty()) {
            canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, light);
            canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, light);
            canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, dark);
            canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, dark);
        }
    }
    if (printing) doc.PageEmpty = false;
    return result;
}

THRBlock::THRBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* attrs,
                   THorzLine* rule)
    : TBlock(doc, props, owner_cell, attrs), RuleAlign(rule ? rule->RuleAlign : 2), Rule(rule) {}

THRBlock::THRBlock(TSectionList* doc, const THRBlock& source) : TBlock(doc, source), RuleAlign(source.RuleAlign) {
    // The clone's cell holds the clone of the rule.
    for (const auto& s : *BodyCell)
        if (auto* r = dynamic_cast<THorzLine*>(s.get())) Rule = r;
}

std::unique_ptr<TSectionBase> THRBlock::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new THRBlock(doc, *this));
}

int THRBlock::ContentWidth(ui::HtmlCanvas&, int block_width, int, int) {
    TIntMarginArray& m = BoxValues;
    for (int i : {int(MarginLeft), int(MarginRight)})
        if (m[static_cast<size_t>(i)] == AutoValue || m[static_cast<size_t>(i)] == NoValue) m[static_cast<size_t>(i)] = 0;
    const int available = block_width - m[MarginLeft] - m[MarginRight] - m[PaddingLeft] - m[PaddingRight] -
                          m[BorderLeftWidth] - m[BorderRightWidth];
    const int given = m[piWidth];
    int width = given != AutoValue && given != NoValue && given > 0 ? std::min(given, available) : std::max(15, available);
    width = std::max(0, width);
    const int free = available - width;
    if (free > 0 && RuleAlign == 2)
        m[MarginLeft] += free / 2;
    else if (free > 0 && RuleAlign == 3)
        m[MarginLeft] += free;
    if (Rule && !(Document && Document->IsCopy)) {
        const int h = m[piHeight];
        if (h != AutoValue && h != NoValue && h > 0) Rule->Thickness = std::min(h, 10000);
    }
    return width;
}

} // namespace htmlview
