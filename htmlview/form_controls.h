#pragma once
// The control objects of a form, each over a window control of the window
// layer (an edit box, a push button, a check box, a radio button, a list
// box, a drop-down list, a memo) on the viewer's surface, or without one
// for a hidden input.
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/form.h"
#include "htmlview/style_model.h"

class QKeyEvent;
class QWidget;

namespace htmlview {

class TButtonFormControlObj;

// A control object with a window control: its size is the control's, a
// paint moves it into place, focus and keys come back through the events.
class TWidgetFormControl : public TFormControlObj {
  public:
    ~TWidgetFormControl() override;
    void Detach() override;

    int Width() const override;
    int Height() const override;
    QWidget* Control() const override { return Widget; }
    void ShowAt(int x, int y) override;
    void ResizeToPercent(int available_width) override;

    // The element's style: side margins, width and height, vertical alignment.
    void ApplyProperties(TProperties& props);

    // Events of the window control (exceptions are caught where they arrive).
    // Each may run a handler of the viewer that loads another page and so
    // frees this object: false then, and nothing of it may be touched.
    bool OnWidgetEnter();
    bool OnWidgetExit();
    bool OnWidgetClick();
    // A key pressed in the control; true when it was used.
    virtual bool KeyDown(int key);

    QPointer<QWidget> Widget;
    QPointer<QObject> Events; // the filter that brings its events back
    bool ClickOnRelease = false; // a click is told when the mouse button comes up
    std::vector<QMetaObject::Connection> Links;
    TMyFont ElementFont;
    int PercentOfWidth = 0; // a width in percent, sized by the text section

    // Puts the window control on the surface, out of sight, with the font.
    void Attach(QWidget* w);

  protected:
    // Tells the viewer's change handler when the state differs from the one
    // saved on entry; false when the page went.
    bool ChangeSeen(bool changed);
    // A printed control: its sunken or raised frame, and black text in its font.
    void PrintFrame(ui::HtmlCanvas& canvas, int x, int y, int w, int h, bool filled, bool raised) const;
    void PrintTextSetUp(ui::HtmlCanvas& canvas) const;
    // The text height and width of `s` in the element's font.
    int TextHeight() const;
    int TextWidthOf(std::u16string_view s) const;
    void SetSize(int w, int h);
};

class THiddenFormControlObj : public TFormControlObj {
  public:
    int Width() const override { return 0; }
    int Height() const override { return 0; }
    bool IsHiddenInput() const override { return true; }
    bool SubmitPairs(int index, std::string& s) override;
    void SetData(int index, const std::string& v) override;
};

// INPUT type "image": a picture in the text that submits its form with the
// point clicked, as NAME.x and NAME.y, once per click. A one-pixel button
// out of sight gives it its tab stop; the picture shows the focus, and the
// button's own click (Space) submits with the last point clicked.
class TImageFormControlObj : public TWidgetFormControl {
  public:
    int GetYPosition() override;
    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void ShowAt(int, int) override {} // stays out of sight
    bool SubmitPairs(int index, std::string& s) override;
    void ImageClick(int x, int y) override;
    void Clicked();

    TFloatingObj* LinkedImage = nullptr;
    int ClickX = -1, ClickY = 0;
    int LastX = 0, LastY = 0; // the last point clicked on the picture
};

class TEditFormControlObj : public TWidgetFormControl {
  public:
    TEditFormControlObj(TSectionList* doc, TAttributeList& attrs, const std::string& type);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    void Reset() override;
    bool SubmitPairs(int index, std::string& s) override;
    void SetData(int index, const std::string& v) override;
    void EnterSave() override;
    void ExitCheck() override;
    bool KeyDown(int key) override;

    // A file field's browse button stands right behind the edit: the two
    // take one place in the line.
    int Width() const override;
    int Height() const override;
    void ShowAt(int x, int y) override;
    void ResizeToPercent(int available_width) override;

    std::string Text() const;
    void SetText(const std::string& text);

    std::string SavedText;
    int SizeChars = 15;
    bool Password = false;
    TButtonFormControlObj* Browse = nullptr; // a file field's button

  private:
    int EditWidth() const;
};

class TButtonFormControlObj : public TWidgetFormControl {
  public:
    enum Kind { Submit, ResetKind, Plain, BrowseKind };
    TButtonFormControlObj(TSectionList* doc, TAttributeList& attrs, const std::string& type);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    void Click();

    int ButtonKind = Submit;
    TEditFormControlObj* BrowseTarget = nullptr; // the edit a browse button serves
};

class TCheckBoxFormControlObj : public TWidgetFormControl {
  public:
    TCheckBoxFormControlObj(TSectionList* doc, TAttributeList& attrs);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    void Reset() override;
    bool SubmitPairs(int index, std::string& s) override;
    void SetData(int index, const std::string& v) override;
    void ClearBeforeRestore() override;
    void EnterSave() override;
    void ExitCheck() override;
    bool KeyDown(int key) override;

    bool Checked() const;
    virtual void SetChecked(bool on);

    bool SavedChecked = false;
    bool InitialChecked = false;
};

class TRadioButtonFormControlObj : public TCheckBoxFormControlObj {
  public:
    TRadioButtonFormControlObj(TSectionList* doc, TAttributeList& attrs);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    // A radio is a tab stop exactly when it is checked.
    void SetChecked(bool on) override;
    void FocusAndCheck();
    void Clicked();
};

struct TOptionObj {
    std::string Caption;
    std::string Value;
    bool Selected = false;
};

class TListBoxFormControlObj : public TWidgetFormControl {
  public:
    TListBoxFormControlObj(TSectionList* doc, TAttributeList& attrs, bool drop_down);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    void Reset() override;
    bool SubmitPairs(int index, std::string& s) override;
    void SetData(int index, const std::string& v) override;
    void EnterSave() override;
    void ExitCheck() override;

    void AddOption(const std::string& caption, bool selected, const std::string& value);
    int ItemCount() const;
    bool ItemSelected(int i) const;
    int CurrentItem() const;

    std::vector<TOptionObj> Options;
    int VisibleRows = -1;
    int WidestText = 0;
    bool Multiple = false;
    int SavedCount = 0;
    std::vector<bool> SavedFlags;
};

class TComboFormControlObj : public TListBoxFormControlObj {
  public:
    TComboFormControlObj(TSectionList* doc, TAttributeList& attrs);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    void Reset() override;
    bool SubmitPairs(int index, std::string& s) override;
    void SetData(int index, const std::string& v) override;
    void EnterSave() override;
    void ExitCheck() override;

    int SavedIndex = -1;
};

class TTextAreaFormControlObj : public TWidgetFormControl {
  public:
    TTextAreaFormControlObj(TSectionList* doc, TAttributeList& attrs);

    void SizeForCanvas(ui::HtmlCanvas& canvas) override;
    void Print(ui::HtmlCanvas& canvas, int x, int y) override;
    void Reset() override;
    bool SubmitPairs(int index, std::string& s) override;
    void SetData(int index, const std::string& v) override;
    void EnterSave() override;
    void ExitCheck() override;

    void AppendText(const std::string& s);
    std::string Text() const;
    void SetText(const std::string& text);

    std::string SavedText;
    int WrapMode = 1; // 0 off, 1 soft, 2 hard
    int RowCount = 5, ColCount = 30;
    std::string InitialText;
};

} // namespace htmlview
