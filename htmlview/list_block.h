#pragma once
// List items: a block that draws its bullet, number, letter or roman
// numeral left of its content, on the baseline of its first line of text.
#include <memory>
#include <string>

#include "htmlview/blocks.h"
#include "htmlview/symbols.h"

namespace htmlview {

class TImageObj;

class TBlockLI : public TBlock {
  public:
    // `list` is the symbol of the enclosing list (OL numbers, UL, DIR and
    // MENU bullets, DL nothing; anything else a lone item with a disc).
    TBlockLI(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, Sym list, bool plain, char type_char,
             int item_number, int level, TAttributeList* attrs);
    ~TBlockLI() override;

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;

    int ListKind = 4; // 1 numbered, 2 bulleted, 3 definition, 4 lone item
    int ItemNumber = 1;
    int BulletStyle = lbDisc;
    TMyFont BulletFont;
    std::unique_ptr<TImageObj> BulletImage;
    int FirstLineY = 0; // baseline of the first text line, 0 when none

  private:
    TBlockLI(TSectionList* doc, const TBlockLI& source);
    void DrawBullet(ui::HtmlCanvas& canvas, int cx, int base);
};

// The text of a list number in a style: "12.", "c.", "IV."; numbers below 1
// are shown in decimal in every style.
std::u16string ListNumberText(int style, int number);

} // namespace htmlview
