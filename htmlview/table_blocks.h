#pragma once
// The blocks around a table: the table block decides the table's outer
// width, margins, alignment and the frame a BORDER attribute asks for; the
// table-and-caption block stacks a caption above or below the table block
// and gives both one width.
#include <memory>

#include "htmlview/blocks.h"
#include "htmlview/table.h"

namespace htmlview {

class TTableBlock : public TBlock {
  public:
    // The block takes the table into its cell.
    TTableBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, std::unique_ptr<ThtmlTable> table,
                TAttributeList* attrs);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;
    void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) override;
    void PaintBorder(ui::HtmlCanvas& canvas, const ui::Rect& border_box, const ui::Rect& padding_box) override;
    int ContentWidth(ui::HtmlCanvas& canvas, int block_width, int auto_count, int aheight) override;
    void RegisterPosition() override;
    bool IsTableBlock() const override { return true; }

    // The content width of the table in a block `block_width` wide whose
    // side margins add up to `margins`; sets the width the table is held to.
    int TableWidth(ui::HtmlCanvas& canvas, int block_width, int margins);
    // Paddings and borders of both sides.
    int Sides() const;

    ThtmlTable* GridTable = nullptr;
    int WidthRequest = 0; // pixels, or tenths of a percent
    bool WidthInPercent = false;
    ColorRef FillColor = NoColour;
    bool HasFillColor = false;
    int HorzSpace = 0, VertSpace = 0;
    bool InCaptionBlock = false;
    bool HtmlBorder = false;
    int AlignMode = 0; // 2 centred, 3 right-aligned
    int FloatShift = 0;
    int CaptionShift = 0; // margin-left inside a caption block

  private:
    TTableBlock(TSectionList* doc, const TTableBlock& source);
};

class TTableAndCaptionBlock : public TBlock {
  public:
    TTableAndCaptionBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* table_attrs,
                          std::unique_ptr<TTableBlock> table_block, std::unique_ptr<TBlock> caption, bool on_top);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;
    int ContentWidth(ui::HtmlCanvas& canvas, int block_width, int auto_count, int aheight) override;
    void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) override;
    int SourceToDocPos(int source_pos, bool prev) override;
    bool IsTableBlock() const override { return true; }

    bool CaptionOnTop = true;
    TTableBlock* GridBlock = nullptr;
    TBlock* TitleBlock = nullptr;
    int AlignMode = 0;
    int FloatShift = 0;

  private:
    TTableAndCaptionBlock(TSectionList* doc, const TTableAndCaptionBlock& source);
    void FindParts();
};

} // namespace htmlview
