#pragma once
// The section tree of a laid-out page. A section is one vertical piece of
// the page (a run of text, a block box, a table, a rule); containers never
// hold sections directly but a cell, an ordered list of sections laid out
// from top to bottom. The float manager of a cell tells the free left and
// right edges at a height. Deferred image paints wait in a draw list until
// the whole page has been painted.
#include <memory>
#include <string>

#include "htmlview/attributes.h"
#include "htmlview/colors.h"
#include "htmlview/free_list.h"
#include "htmlview/ids.h"
#include "htmlview/indents.h"
#include "htmlview/wide_string.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

class TSectionList;
class TBlock;
class TFloatingObj;
class TFormControlObj;
class TFontObj;

// Results of a link hit test.
enum : int { guUrl = 1, guControl = 2, guTitle = 4 };

// A cell's float manager: the edges it was laid out between, and the
// records floats leave on either side.
class IndentManager : public IndentManagerBasic {
  public:
    // A float record of a floated block: kind ALeft at its right edge x,
    // kind ARight `x` pixels wide at the right edge; from y, `height` tall.
    void AddFloatRect(int y, int x, int kind, int height);
    // The same for a floating picture, which learns its x.
    void UpdateForImage(int y, TFloatingObj& img);

    int ClipWidth = 0; // the width handed in when the owning cell paints
};

class TSectionBase : public TIDObject {
  public:
    explicit TSectionBase(TSectionList* doc) : Document(doc) {}
    // Leaves the document's names when it was entered there.
    ~TSectionBase() override;
    TSectionBase(const TSectionBase&) = delete;
    TSectionBase& operator=(const TSectionBase&) = delete;

    int GetYPosition() override { return ContentTop; }

    // A copy of the same kind for `doc` (a print copy).
    virtual std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const;
    // Adds the selected part to the document's clipboard text.
    virtual void CopyToClipboard() {}
    // Places the section at y; the result is the height it takes in the
    // flow. `curs` is the running document position.
    virtual int Layout(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth,
                       int aheight, IndentManager& indents, int& max_width, int& curs);
    // Paints what meets `arect` (window coordinates); the result is the y
    // below the section.
    virtual int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, IndentManager& indents, int x,
                      int xref, int yref);
    // Hit tests take x as painted and y in document coordinates.
    // Link, control and title under the point: guUrl | guControl | guTitle.
    virtual int UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url,
                           TFormControlObj*& control, std::string& title);
    virtual bool ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy);
    // The document position under the point, with the caret's x, top and
    // height and whether the point is over text; -1 for none.
    virtual int CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr,
                              int& caret_ht, bool& in_text);
    virtual int FindText(WideView text, int from, bool match_case);
    virtual int FindTextBackward(WideView text, int from, bool match_case);
    virtual int DocToSourcePos(int pos);
    virtual int SourceToDocPos(int source_pos, bool prev);
    // Where a document position is drawn; no canvas: the layout's x.
    virtual bool CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y);
    virtual bool CharAtPos(int pos, char16_t& ch, TSectionBase*& owner);
    virtual void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max);
    // Enters the section in the document's position list.
    virtual void RegisterPosition();

    TSectionList* Document;
    int FlowHeight = 0;
    int PaintHeight = 0;
    int FirstPos = 0;
    int PosCount = 0;
    int ZOrder = 0;
    int ContentTop = 999999999;
    int FlowBottom = 0;
    int ContentLeft = 0;
    int PaintTop = 0;
    int PaintBottom = 0;
    int SectionTop = 0;
    bool HasID = false; // named in the document's name list

  protected:
    // The fields a clone takes over.
    void CopyBase(const TSectionBase& source) {
        FlowHeight = source.FlowHeight;
        ZOrder = source.ZOrder;
    }
};

class TCellBasic : public TFreeList<TSectionBase> {
  public:
    explicit TCellBasic(TSectionList* doc) : Document(doc) {}
    // A copy for `doc`: every section cloned.
    TCellBasic(TSectionList* doc, const TCellBasic& source);
    ~TCellBasic() override = default;

    virtual int Layout(ui::HtmlCanvas& canvas, int y, int awidth, int aheight, int& max_width,
                       int& curs);
    virtual void MinMaxWidths(ui::HtmlCanvas& canvas, int& min, int& max);
    virtual int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, int w, int x, int y, int xref,
                      int yref);
    virtual int UrlAtPoint(ui::HtmlCanvas& canvas, int x, int y, TUrlTarget& url,
                           TFormControlObj*& control, std::string& title);

    // Appends a section; a text section is finished first and dropped when
    // it holds nothing worth keeping.
    void AddSection(std::unique_ptr<TSectionBase> section);
    // Drops the default bottom margin of the last block in the flow.
    bool DropLastBottomMargin();

    bool ObjectAtPoint(int x, int y, TFloatingObj*& obj, int& ix, int& iy);
    int CursorAtPoint(ui::HtmlCanvas& canvas, int x, int y, int& xr, int& yr, int& caret_ht,
                      bool& in_text);
    int FindText(WideView text, int from, bool match_case);
    int FindTextBackward(WideView text, int from, bool match_case);
    int DocToSourcePos(int pos);
    int SourceToDocPos(int source_pos, bool prev);
    bool CursorToXY(ui::HtmlCanvas* canvas, int pos, int& x, int& y);
    bool CharAtPos(int pos, char16_t& ch, TSectionBase*& owner);
    void CopyToClipboard();
    void RegisterPositions();

    TSectionList* Document;
    int LayoutY = 0;
    IndentManager* Indents = nullptr;
    int FirstPos = 0;
    int PosCount = 0;
    bool HasFillColor = false;
    ColorRef FillColor = NoColour;
    int InnerBottom = 0;
    int PaintTop = 0;
    int PaintBottom = 0;
    std::string HostTag;
    TBlock* HostBlock = nullptr;
};

// A cell with its own float manager (the document, table cells).
class TCell : public TCellBasic {
  public:
    explicit TCell(TSectionList* doc);
    TCell(TSectionList* doc, const TCell& source);

    int Layout(ui::HtmlCanvas& canvas, int y, int awidth, int aheight, int& max_width, int& curs) override;
    int Paint(ui::HtmlCanvas& canvas, const ui::Rect& arect, int w, int x, int y, int xref,
              int yref) override;

    int PaintY = 0;

  private:
    IndentManager own_indents_;
};

// The content of a block box; it uses the float manager of the block's cell.
class TBlockCell : public TCellBasic {
  public:
    using TCellBasic::TCellBasic;

    void LayoutBlockContent(ui::HtmlCanvas& canvas, int x, int y, int xref, int yref, int awidth,
                            int aheight, int& max_width, int& curs);

    int StackHeight = 0;
};

// Picture paints that wait until the page has been painted (floats).
class TDrawList {
  public:
    void QueueImage(TFloatingObj* obj, ui::HtmlCanvas& canvas, int x, int y, TFontObj* run);
    void FlushImages();
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }

  private:
    struct TImageRec {
        TFloatingObj* obj;
        ui::HtmlCanvas* canvas;
        int x, y;
        TFontObj* run;
    };
    std::vector<TImageRec> items_;
};

} // namespace htmlview
