#pragma once
// The HR rule: a line section alone in a rule block that sizes and aligns
// it; a shaded frame by default, a solid bar in the rule's colour.
#include <memory>

#include "htmlview/blocks.h"

namespace htmlview {

class THorzLine : public TSectionBase {
  public:
    // Reads the attributes into the rule and into `props` (width, height).
    THorzLine(TSectionList* doc, const TAttributeList& attrs, TProperties& props);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    void CopyToClipboard() override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;

    int Thickness = 2;
    ColorRef RuleColor = NoColour;
    int RuleAlign = 2; // 1 left, 2 centre, 3 right
    bool Flat = false;
    int LineX = 0;     // from the x the rule was laid out at
    int LineWidth = 0;

  private:
    THorzLine(TSectionList* doc, const THorzLine& source);
};

class THRBlock : public TBlock {
  public:
    THRBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* attrs, THorzLine* rule);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    int ContentWidth(ui::HtmlCanvas& canvas, int block_width, int auto_count, int aheight) override;

    int RuleAlign = 2;
    THorzLine* Rule = nullptr; // in the block's cell

  private:
    THRBlock(TSectionList* doc, const THRBlock& source);
};

} // namespace htmlview
