#include "htmlview/list_block.h"

#include <algorithm>

#include "htmlview/document.h"
#include "htmlview/image_obj.h"
#include "htmlview/wide_string.h"

namespace htmlview {

std::u16string ListNumberText(int style, int number) {
    static constexpr const char* kRoman[] = {"i",   "ii",   "iii", "iv",  "v",    "vi",  "vii",
                                             "viii", "ix",  "x",   "xi",  "xii",  "xiii", "xiv",
                                             "xv",  "xvi", "xvii", "xviii", "xix", "xx"};
    std::string text;
    const bool decimal = style == lbDecimal || number < 1 ||
                         (style != lbLowerAlpha && style != lbUpperAlpha && style != lbLowerRoman &&
                          style != lbUpperRoman);
    if (decimal) {
        text = std::to_string(number).substr(0, 7);
    } else if (style == lbLowerAlpha || style == lbUpperAlpha) {
        text = std::string(1, static_cast<char>((style == lbUpperAlpha ? 'A' : 'a') + std::min(number - 1, 25)));
    } else {
        text = kRoman[std::min(number, 20) - 1];
        if (style == lbUpperRoman)
            for (char& c : text) c = static_cast<char>(c - 'a' + 'A');
    }
    return Utf8ToWide(text + ".");
}

TBlockLI::TBlockLI(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, Sym list, bool plain,
                   char type_char, int item_number, int level, TAttributeList* attrs)
    : TBlock(doc, props, owner_cell, attrs), ItemNumber(item_number) {
    switch (list) {
    case Sym::OL:
        ListKind = 1;
        switch (type_char) {
        case 'A': BulletStyle = lbUpperAlpha; break;
        case 'I': BulletStyle = lbUpperRoman; break;
        case 'a': BulletStyle = lbLowerAlpha; break;
        case 'i': BulletStyle = lbLowerRoman; break;
        default: BulletStyle = lbDecimal; break;
        }
        break;
    case Sym::UL: case Sym::Dir: case Sym::Menu:
        ListKind = 2;
        if (plain)
            BulletStyle = lbNone;
        else
            BulletStyle = level % 3 == 1 ? lbDisc : level % 3 == 2 ? lbCircle : lbSquare;
        break;
    case Sym::DL:
        ListKind = 3;
        BulletStyle = lbNone;
        break;
    default: {
        ListKind = 4;
        BulletStyle = lbDisc;
        const PropValue& ml = BoxProps[MarginLeft];
        if (IsEmpty(ml) || (IsInt(ml) && (AsInt(ml) == 0 || AsInt(ml) == NoValue)) ||
            (IsString(ml) && AsString(ml).empty()))
            BoxProps[MarginLeft] = 16;
        break;
    }
    }
    if (const int style = props.GetListStyleType(); style != lbBlank) BulletStyle = style;
    BulletFont = props.GetFont();
    if (const std::string image = props.GetListStyleImage(); !image.empty())
        BulletImage = std::make_unique<TImageObj>(doc, image);
}

TBlockLI::TBlockLI(TSectionList* doc, const TBlockLI& source)
    : TBlock(doc, source), ListKind(source.ListKind), ItemNumber(source.ItemNumber),
      BulletStyle(source.BulletStyle), BulletFont(source.BulletFont), FirstLineY(source.FirstLineY) {
    if (source.BulletImage) {
        auto copy = source.BulletImage->Copy(*doc);
        BulletImage.reset(static_cast<TImageObj*>(copy.release()));
    }
}

TBlockLI::~TBlockLI() = default;

std::unique_ptr<TSectionBase> TBlockLI::Clone(TSectionList* doc) const {
    return std::unique_ptr<TSectionBase>(new TBlockLI(doc, *this));
}

int TBlockLI::Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
                     IndentManager& indents, int& max_width, int& curs) {
    if (BulletImage && Document) {
        BulletImage->LayoutObject(*Document, canvas, 100, nullptr);
        if (BulletImage->Missing()) BulletImage.reset();
    }
    // The first text line inside reports its baseline here. Each layout
    // starts afresh, and the item around a nested one gets its target back.
    FirstLineY = 0;
    int* outer = Document ? Document->FirstLineTarget : nullptr;
    if (Document) Document->FirstLineTarget = &FirstLineY;
    const int result = TBlock::Layout(canvas, x, y, xref, yref, awidth, aheight, indents, max_width, curs);
    if (Document) {
        Document->FirstLineTarget = outer;
        // An item whose content begins with this one shares its first line.
        if (outer && *outer == 0 && FirstLineY > 0) *outer = FirstLineY;
    }
    return result;
}

int TBlockLI::Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
                    int yref) {
    const int result = TBlock::Paint(canvas, arect, indents, x, xref, yref);
    if (NotDisplayed || VisibleState == 1 || FirstLineY <= 0 || !Document) return result;
    const int base = FirstLineY - Document->ScrollY;
    if (base < arect.Top - 50 || base > arect.Bottom + 50) return result;
    int px = 0, py = 0;
    PaintOrigin(x, xref, yref, px, py);
    DrawBullet(canvas, px + ContentOffset, base);
    return result;
}

void TBlockLI::DrawBullet(ui::HtmlCanvas& canvas, int cx, int base) {
    if (BulletImage && Document->ImagesShown) {
        BulletImage->Draw(canvas, cx - 16, base - BulletImage->BoxHeight, nullptr);
        return;
    }
    if (ListKind == 3) return;
    const ColorRef color = BulletFont.Color;
    const ui::Pen saved_pen = canvas.GetPen();
    const ui::Brush saved_brush = canvas.GetBrush();
    ui::Pen pen;
    pen.color = color;
    ui::Brush brush;
    brush.color = color;
    switch (BulletStyle) {
    case lbCircle:
        brush.hollow = true;
        canvas.SelectPen(pen);
        canvas.SelectBrush(brush);
        canvas.Ellipse({cx - 16, base - 7, cx - 9, base});
        break;
    case lbDisc:
        canvas.SelectPen(pen);
        canvas.SelectBrush(brush);
        canvas.Ellipse({cx - 15, base - 6, cx - 10, base - 1});
        break;
    case lbSquare:
        canvas.FillRect({cx - 15, base - 6, cx - 10, base - 1}, color);
        break;
    case lbDecimal: case lbLowerAlpha: case lbUpperAlpha: case lbLowerRoman: case lbUpperRoman: {
        const std::u16string text = ListNumberText(BulletStyle, ItemNumber);
        canvas.SelectFont(BulletFont.Face ? BulletFont.Face : ui::font_face(BulletFont.Font));
        canvas.SetTextColor(color);
        canvas.SetBkMode(ui::BkMode::Transparent);
        canvas.SetTextAlign(ui::TextAlign::Baseline);
        canvas.SetTextJustification(0, 0);
        canvas.TextOut(cx - 10 - canvas.TextWidth(text), base, text);
        break;
    }
    default:
        break;
    }
    canvas.SelectPen(saved_pen);
    canvas.SelectBrush(saved_brush);
}

} // namespace htmlview
