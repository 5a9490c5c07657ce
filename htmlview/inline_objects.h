#pragma once
// Objects that stand in a text section's text: pictures and panels as the
// object character 4 (they stand in the line like a large character or
// float to an edge), and form controls as the object character 2. The text
// section lays them out, paints and hit-tests them through what is declared
// here; the picture, panel and form classes derive from these.
#include <memory>
#include <string>
#include <vector>

#include "htmlview/free_list.h"
#include "htmlview/ids.h"
#include "htmlview/style_model.h"
#include "platform/ui/html_canvas.h"

class QWidget;

namespace htmlview {

class TFontObj;
class TSectionList;
class TFormControlObj;
class ThtmlForm; // form.h

class TFloatingObj : public TIDObject {
  public:
    // The y it was last drawn at.
    int GetYPosition() override { return PlacedY; }

    // Sizes the object for the available width; `run` is the font run at
    // its position.
    virtual void LayoutObject(TSectionList& doc, ui::HtmlCanvas& canvas, int available_width,
                              TFontObj* run) = 0;
    // Draws the box (spaces excluded) with its top left at (x, y), window
    // coordinates. A panel moves its window there instead.
    virtual void Draw(ui::HtmlCanvas& canvas, int x, int y, TFontObj* run) = 0;
    // A copy for a print copy of `doc`.
    virtual std::unique_ptr<TFloatingObj> Copy(TSectionList& doc) const = 0;

    virtual bool IsPanel() const { return false; }
    // Whether the point (document coordinates) lies on the picture, and
    // where relative to its top left; never outside the box. Panels are
    // never hit.
    virtual bool Holds(int x, int y, int& ix, int& iy) const {
        if (IsPanel() || x < PlacedX || x >= PlacedX + BoxWidth || y < PlacedY || y >= PlacedY + BoxHeight)
            return false;
        ix = x - PlacedX;
        iy = y - PlacedY;
        return true;
    }
    // Picture details the hit test of a link needs.
    virtual bool ServerMap() const { return false; }
    virtual std::string ClientMapName() const { return std::string(); }
    virtual TFormControlObj* ImageControl() const { return nullptr; }
    // 0 normal, 1 under the mouse, 2 pressed.
    virtual void SetHover(int state) { (void)state; }

    bool Floats() const { return Placement == ALeft || Placement == ARight; }
    // The width it takes on a line, side spaces included.
    int OuterWidth() const { return BoxWidth + HSpaceL + HSpaceR; }

    int CharPos = 0;
    int BoxHeight = 0, BoxWidth = 0;
    int Placement = ABottom; // ATop, AMiddle, ABaseline, ABottom, ALeft, ARight
    int Indent = 0;          // a float's x, from the float manager's left edge
    int HSpaceL = 0, HSpaceR = 0, VSpaceT = 0, VSpaceB = 0;
    int GivenWidth = 0;
    bool WidthIsPercent = false;
    std::string Title, AltText;
    int PlacedY = 0, PlacedX = 0; // document coordinates

  protected:
    // For a print copy: position, size, alignment, spaces, given width, texts.
    void CopyLayoutFields(const TFloatingObj& source) {
        CharPos = source.CharPos;
        BoxWidth = source.BoxWidth;
        BoxHeight = source.BoxHeight;
        Placement = source.Placement;
        HSpaceL = source.HSpaceL;
        HSpaceR = source.HSpaceR;
        VSpaceT = source.VSpaceT;
        VSpaceB = source.VSpaceB;
        GivenWidth = source.GivenWidth;
        WidthIsPercent = source.WidthIsPercent;
        AltText = source.AltText;
        Title = source.Title;
    }
};

// A section's pictures and panels, in the order of their positions (they
// are added as their characters are, and removing characters keeps it).
class TImageObjList : public TFreeList<TFloatingObj> {
  public:
    // The object whose character stands at `pos`, or none.
    TFloatingObj* FindObject(int pos) const;
    // Characters from `pos` to the next object; 9999 when none follows.
    int CountToNext(int pos) const;
    // A character was removed: later objects move down one position.
    void Decrement(int pos);
    // The first picture holding the point (document coordinates).
    TFloatingObj* ObjectAt(int x, int y, int& ix, int& iy) const;
};

// A form control as the text section sees it.
class TFormControlObj : public TIDObject {
  public:
    // Leaves the document's named places (an ID names the control).
    ~TFormControlObj() override;
    int GetYPosition() override { return YValue; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The window control, or none (a hidden input).
    virtual QWidget* Control() const { return nullptr; }
    // Sizes itself for painting on the canvas, before a layout.
    virtual void SizeForCanvas(ui::HtmlCanvas& canvas) { (void)canvas; }
    // A width given in percent, against the available width.
    virtual void ResizeToPercent(int available_width) { (void)available_width; }
    // Moves the window control to (x, y) (window coordinates) and shows it;
    // a partner (the browse button of a file input) follows.
    virtual void ShowAt(int x, int y) {
        (void)x;
        (void)y;
    }
    // Paints itself for a printed page.
    virtual void Print(ui::HtmlCanvas& canvas, int x, int y) {
        (void)canvas;
        (void)x;
        (void)y;
    }

    // Form behaviour (form.h): the state is saved on entry and compared on
    // exit; Reset goes back to the page's values; SubmitPairs gives the
    // name=value pair of index 0, 1, ... and false past the last; SetData
    // restores a saved pair.
    virtual void EnterSave() {}
    virtual void ExitCheck() {}
    virtual void Reset() {}
    virtual bool SubmitPairs(int index, std::string& s) {
        (void)index;
        s.clear();
        return false;
    }
    virtual void SetData(int index, const std::string& v) {
        (void)index;
        (void)v;
    }
    virtual void ClearBeforeRestore() {}
    // A click at (x, y) on the picture that stands for the control (an
    // image input).
    virtual void ImageClick(int x, int y) {
        (void)x;
        (void)y;
    }
    virtual bool IsHiddenInput() const { return false; }
    // The page is going: the window control's events no longer reach the object.
    virtual void Detach() {}
    // The width it takes on a line, side spaces included.
    int OuterWidth() const { return Width() + HSpaceL + HSpaceR; }

    int Pos = 0; // its character in the section
    int YValue = 0;
    TSectionList* Document = nullptr;
    ThtmlForm* OwnerForm = nullptr;
    std::string Name, Value, ID; // 8-bit, in the element's code page
    int TextCodePage = 1252;
    bool IsDisabled = false;
    bool Focused = false;
    int StyleWidth = 0, StyleHeight = 0;
    std::string ClickScript, FocusScript, BlurScript, ChangeScript;
    int HSpaceL = 0, HSpaceR = 0, VSpaceT = 0, VSpaceB = 0;
    int VertAlign = ABottom;
    bool PercentWidth = false;
    bool ShownThisPaint = false;
};

// The controls of a section (they belong to their forms).
using TFormControlList = std::vector<TFormControlObj*>;

} // namespace htmlview
