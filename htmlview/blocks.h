#pragma once
// Block boxes: every block-level element becomes a block whose content is
// a block cell. A block turns its style into pixel margins, borders,
// padding, width and height, collapses its top margin with the block
// before it, chooses its content width, lays its cell out between its own
// edges, paints its background colour and border, and stacks its children
// by z-index. The body block holds the whole page.
#include <memory>
#include <string>
#include <vector>

#include "htmlview/sections.h"
#include "htmlview/style_model.h"
#include "htmlview/tiles.h"

namespace htmlview {

// Box lengths (margins, paddings, borders, width, height, offsets) beyond
// any page are held within a million pixels, so the layout's sums of them
// cannot overflow; "auto" and "not set" stay as they are.
void BoundBoxLengths(TIntMarginArray& m);

class TBlock : public TSectionBase {
  public:
    // `collapse_now` false: the descendant collapses the top margin itself,
    // once its attributes have decided whether it floats.
    TBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* attrs,
           bool collapse_now = true);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    void CopyToClipboard() override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;
    int UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                   std::string& title) override;
    bool ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy) override;
    int CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht,
                      bool& in_text) override;
    int FindText(WideView text, int from, bool match_case) override;
    int FindTextBackward(WideView text, int from, bool match_case) override;
    int DocToSourcePos(int pos) override;
    int SourceToDocPos(int source_pos, bool prev) override;
    bool CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y) override;
    bool CharAtPos(int pos, char16_t& ch, TSectionBase*& owner) override;
    void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max) override;
    void RegisterPosition() override;

    // Draws the border between the border and padding boxes (window coordinates).
    virtual void PaintBorder(ui::HtmlCanvas& canvas, const ui::Rect& border_box, const ui::Rect& padding_box);
    // The content width for a block `block_width` wide; may set the side margins.
    virtual int ContentWidth(ui::HtmlCanvas& canvas, int block_width, int auto_count, int aheight);
    // Sets a default bottom margin to 0; false when the margin was given.
    virtual bool DropBottomMargin();
    virtual bool IsTableBlock() const { return false; }

    int MarginTop() const { return BoxValues[htmlview::MarginTop]; }
    int MarginBottom() const { return BoxValues[htmlview::MarginBottom]; }

    TIntMarginArray BoxValues{};
    std::unique_ptr<TBlockCell> BodyCell;
    int EmSize = 16, ExSize = 8;
    ColorRef TextColor = 0;
    int BorderStyle = 0;
    int FloatKind = 0;   // 0, ALeft or ARight
    int ClearKind = 0;   // 0 none, 1 left, 2 right, 3 both
    bool NeedsBulletRoom = false;
    PositionRecArray BgPosition{};
    int PlaceMode = 0;   // 0 static, 1 absolute, 2 relative
    int VisibleState = 2; // 1 hidden
    bool BottomUnset = false;
    bool PageBreakBefore = false, PageBreakAfter = false, AvoidPageBreak = false;
    bool NotDisplayed = false;
    TMarginArray BoxProps{};
    TCellBasic* ParentCell = nullptr;
    std::string TagAndClass;
    int ChosenWidth = 0;
    int ClearSpace = 0;
    int ContentOffset = 0;
    int OffsetTop = 0, OffsetLeft = 0;
    std::vector<TSectionBase*> StackList; // the cell's sections by z-index
    int ContentEnd = 0;
    std::string HintText;
    TBackgroundPicture Background; // background-image, tiled over the padding box
    ui::Rect BorderBox;

  protected:
    // Steps of Layout.
    int LayoutContent(ui::HtmlCanvas& canvas, int cx, int xref, int yref, int height_prop, int& curs);
    void LeaveFlow(IndentManager& indents, int y, int left_float_right, int block_width);
    // A clone's block: the converted values and the cell copied.
    TBlock(TSectionList* doc, const TBlock& source);
    void CollapseTopMargin(bool top_unset);
    bool TopUnset = false; // the top margin was not given by a style
    void FillStackList();
    // Where the block paints when its cell paints it at `x` with the
    // reference point (xref, yref): moved by its offsets when positioned.
    void PaintOrigin(int x, int xref, int yref, int& px, int& py) const;
    // The border and padding boxes of a block painted at (px, py), window coordinates.
    void Boxes(int px, int py, ui::Rect& border_box, ui::Rect& padding_box) const;
    void PaintBackground(ui::HtmlCanvas& canvas, const ui::Rect& arect, const ui::Rect& padding_box);
    bool BreakPage(const ui::Rect& arect);
};

class TBodyBlock : public TBlock {
  public:
    TBodyBlock(TSectionList* doc, TProperties& props, TCellBasic* owner_cell, TAttributeList* attrs);

    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override;
    int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth, int aheight,
               IndentManager& indents, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x, int xref,
              int yref) override;
    int UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url, TFormControlObj*& control,
                   std::string& title) override;

  private:
    TBodyBlock(TSectionList* doc, const TBodyBlock& source) : TBlock(doc, source) {}
};

} // namespace htmlview
