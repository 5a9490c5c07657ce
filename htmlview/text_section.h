#pragma once
// A run of inline content between two block boundaries: wide text with its
// font runs, and the pictures, panels and form controls that stand in it as
// object characters (2 a control, 4 a picture or panel, 8 a forced line
// break). The builder fills it and finishes it; its cell lays it out into
// lines for a width, paints it and asks it for hit tests, searches and
// position conversions.
#include <memory>
#include <string>
#include <vector>

#include "htmlview/box_length.h"
#include "htmlview/font_runs.h"
#include "htmlview/inline_objects.h"
#include "htmlview/sections.h"
#include "htmlview/text_buffers.h"

namespace htmlview {

class TProperties;

constexpr char16_t kControlChar = 2;
constexpr char16_t kImageChar = 4;
constexpr char16_t kBreakChar = 8;

// One piece of an inline element's border on a line.
struct BorderRec {
    bool ContinuedFrom = false; // the element began on an earlier line
    bool ContinuesOn = false;   // it goes on onto a later line
    ui::Rect InnerRect;         // the padding box, document y
    ColorRef RunFillColor = NoColour;
    int BorderTop = 0, BorderRight = 0, BorderBottom = 0, BorderLeft = 0;
    ColorRef TC = NoColour, RC = NoColour, BC = NoColour, LC = NoColour;
    int TS = 0, RS = 0, BS = 0, LS = 0;
    int Run = 0;          // index into the document's inline runs
    bool Opened = false;  // its start was met on this line
    bool Closed = false;  // its end was met on this line
    int PaddingLeft = 0, PaddingRight = 0, PaddingTop = 0, PaddingBottom = 0;

    void PaintInlineBorder(ui::HtmlCanvas& canvas, int scroll_offset) const;
};

struct LineRec {
    int Start = 0;        // first character
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    int LineHt = 0;       // tallest font of the line
    int DrawHeight = 0;   // with the floats placed while making it
    int Ln = 0;           // characters
    int Descent = 0;
    int LineIndent = 0;   // x offset from the section's x
    int DrawX = 0;        // where it was last painted; y in document coordinates
    int DrawY = 0;
    int DrawWidth = 0;    // the available width
    int Spaces = 0;       // full justification: spaces to widen
    int Extra = 0;        // and the pixels spread over them
    std::vector<BorderRec> BorderList;
    bool HasInlineRuns = false;
    bool FirstDraw = true; // not painted since the layout

    int Height() const { return to_position(int64_t{SpaceBefore} + LineHt + SpaceAfter); }
};

struct IndexObj {
    int Pos;  // character offset in the section
    int Index; // source position of that character
};

class TSection : public TSectionBase {
  public:
    // `attrs`, `link` and `cell` may be none. A link with an address makes
    // the first run a link run.
    TSection(TSectionList* doc, TAttributeList* attrs, TProperties& props, const TUrlTarget* link,
             TCellBasic* cell, bool first_item);
    ~TSection() override;

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

    // One character with its source position.
    virtual void AddChar(char16_t c, int index);
    // The characters of a token, with the element's text-transform and
    // small caps when `props` is given; `no_break` keeps them on one line.
    virtual void AddTokenObj(const TokenObj& token, TProperties* props = nullptr, bool no_break = false);
    // Removes the spaces that do not show and closes the section for
    // layout. Once only.
    virtual void Finish();

    // The font follows a new property set.
    void ChangeFont(TProperties& props);
    // A link starts (Sym::A) or ends (any other symbol) at the current length.
    void HRef(bool start, const TUrlTarget& link, TProperties& props);
    // The last character may be followed by a line break (WBR in NOBR).
    void AddOpBrk();
    // A picture or panel at the current length (object character 4).
    TFloatingObj* AddImage(std::unique_ptr<TFloatingObj> obj, int index);
    // A form control at the current length (object character 2); a control
    // that must stay with the previous character is flagged so.
    void AddControl(TFormControlObj* control, int index, bool keep_with_previous = false);

    // A font of the section changed (hover, visited): measures go stale.
    void FontsChanged() {
        ++fit_generation_;
        minmax_valid_ = false;
    }
    // Width of the characters [start, start + count): objects that do not
    // float and controls with their spaces, text with the italic overhang
    // added (overhang 1), left out (0) or taken off (-1).
    int PieceWidth(int start, int count, int overhang = 1) const;
    // The same without trailing spaces and forced breaks.
    int LineTextWidth(int start, int count) const;
    bool IsPreformatted() const { return Preformatted; }
    bool Finished() const { return finished_; }
    int TextLength() const { return static_cast<int>(Text.size()); }

    WideString Text;
    std::string Brk; // 'y' a break may follow, 'n' none, 'w' a break opportunity (WBR)
    std::vector<int> SourcePositions;
    TFontList Fonts;
    TImageObjList Images;
    TFormControlList FormControls;
    std::vector<IndexObj> SIndexList;
    std::vector<std::unique_ptr<LineRec>> Lines;

    int Justify = 1; // 1 left, 2 centre, 3 right, 4 full
    int ClearAttr = 0;
    int LineSpacing = -1;
    int FirstLineIndent = 0;
    int FLPercent = 0;
    int DrawX = 0;
    int LayoutLeft = 0; // x of the last layout, from the float manager's left edge
    int SectionNumber = 0;
    bool AnchorName = false; // an anchor points at the section
    bool HasControls = false;
    bool Preformatted = false;

  protected:
    // The section copy made by Clone (derived kinds clone through it).
    TSection(TSectionList* doc, const TSection& source);
    // The last step of finishing, spaces left as they are: the final break
    // flag, the source index list and the section's number.
    void CloseForLayout();

    struct FitCache {
        const ui::HtmlCanvas* canvas = nullptr;
        int start = -1, width = 0, max = 0, result = 0;
        unsigned generation = 0;
    };

    // Characters of one font without an object character, from `i`.
    int TextRun(int i, int limit) const;
    // Count of characters from `start` that fit into `width`, with the
    // line's justification when a line is given.
    int FindCountThatFits(const ui::HtmlCanvas& canvas, int width, int start, int max,
                          const LineRec* line = nullptr);
    template <class OnFloat>
    int CountThatFits(int width, int start, int end, const LineRec* line, OnFloat on_float);
    // The layout variant: stops before a forced break and places floats; a
    // float placed at the start of the line sets `float_line`.
    int FindLayoutCount(int width, int start, int max, int y, IndentManager& indents,
                        std::vector<TFloatingObj*>& pending, bool& float_line);
    // The x of the character `count` characters into the line, from the line's x.
    int XInLine(const LineRec& line, int count) const;
    int ClearSpace(const IndentManager& indents, int y) const;
    // Steps of the layout: the objects' widths, where a line breaks, its
    // heights and spaces, its alignment, the section's heights at the end.
    struct LineMetrics {
        int lht = 0, desc = 0, sb = 0, sa = 0; // text height, descent, spaces before and after
        bool any_text = false;
    };
    int LayoutObjects(ui::HtmlCanvas& canvas, int y, int awidth, const IndentManager& indents);
    int LineBreakCount(int pstart, int n, bool float_line, int ly, const IndentManager& indents,
                       bool& long_word) const;
    int LineWithTrailing(int pstart, int n, bool long_word, bool float_line) const;
    LineMetrics TextMetrics(int pstart, int n) const;
    void ObjectSpaces(int pstart, int n, int ly, bool printing, LineMetrics& m);
    void AlignLine(LineRec& line, int lf, int rt, int tw, bool last_line) const;
    void FinishLayout(int y, int height);
    // Removes the flagged characters; font runs, objects and controls follow.
    void Compact(const std::vector<bool>& gone);
    void LinkRun(TFontObj* run, const TUrlTarget& link, TProperties& props);
    TFontObj* NewRun(TProperties& props, bool keep_link);
    TFormControlObj* ControlAt(int pos) const;
    int NextObjectChar(int i) const; // position of the next 2, 4 or 8 at or after i; Len when none
    bool BreakAllowed(int i) const { return Brk[static_cast<size_t>(i)] != 'n'; }
    bool WrapChar(int i) const;      // a character at or above U+3000 (a surrogate pair as one)
    int WordEnd(int from) const;     // the end of the word that holds `from`
    int LineAt(int pos) const;       // the line holding a character, -1 when none
    // The text pass over one line; `draw` false only measures the boxes of
    // the inline borders that cross it.
    void DrawLine(ui::HtmlCanvas& canvas, LineRec& line, int x, int y_screen, IndentManager& indents,
                  bool draw, bool last_line);
    void CollectBorders(LineRec& line);
    // Steps of the text pass over a line.
    struct LinePass {
        ui::HtmlCanvas& canvas;
        LineRec& line;
        int x = 0, ys = 0; // the section's x, the line's top on the screen
        bool draw = true;
        int text_top = 0, text_bottom = 0, baseline = 0;
        int cx = 0; // the running x
    };
    void DrawLineImage(LinePass& pass, TFloatingObj* obj, TFontObj* run);
    void DrawLineControl(LinePass& pass, TFormControlObj* ctl);
    int PieceLength(const LineRec& line, int i, int limit, bool& selected) const;
    ColorRef PieceColors(ui::HtmlCanvas& canvas, const TMyFont& font, bool selected) const;
    void GrowBorderBoxes(LineRec& line, int dpos, int n, int x0, int x1, int base, const TMyFont& font) const;
    int DrawPiece(LinePass& pass, int i, int draw_end);

    FitCache fit_cache_;
    unsigned fit_generation_ = 0;
    bool finished_ = false;
    int stored_min_ = 0, stored_max_ = 0;
    bool minmax_valid_ = false;
    std::vector<int> object_chars_; // positions of 2, 4 and 8, made by Finish
    std::vector<int> break_chars_;  // positions of 8 alone, made by Finish
    int max_char_width_ = 0;        // widest character of any run
    int progress_layout_ = -1;
};

} // namespace htmlview
