#pragma once
// Forms: each INPUT, SELECT and TEXTAREA of a page becomes a control object
// that owns a real window control on the viewer's surface (moved into place
// when its text section paints), knows its size, its reset value, its
// name=value pairs and how to save and restore its state. A form groups its
// controls: radio groups and their arrow keys, Enter in a one-line edit,
// reset and submission through the viewer.
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/inline_objects.h"
#include "htmlview/symbols.h"

class QWidget;
class QKeyEvent;

namespace htmlview {

class TAttributeList;
class TProperties;
class TSectionList;

class ThtmlForm {
  public:
    // The form joins the document's form list, which owns it.
    static ThtmlForm* Create(TSectionList* doc, TAttributeList* attrs);
    ~ThtmlForm();

    void AddControl(std::unique_ptr<TFormControlObj> ctrl);
    // Unchecks the other radios of `radio`'s group (names compared without
    // case); false when a change handler replaced the page.
    bool UncheckGroup(TFormControlObj* radio);
    // Arrow keys on a radio move the focus within its group; true when used.
    bool HandleKeyDown(TFormControlObj* sender, int key);
    // Enter in a one-line edit submits; true when the key is used.
    bool HandleKeyPress(TFormControlObj* sender, int key);
    void ResetAll();
    // Every non-empty pair of every control (saved state).
    std::vector<std::string> CollectPairs() const;
    // Gives the controls the state CollectPairs saved: each control is
    // cleared, then takes the pairs of its name in order.
    void RestorePairs(const std::vector<std::string>& pairs);
    // The pairs of the enabled controls, then `button_pair`, to the viewer.
    void Submit(const std::string& button_pair);
    void SizeControls(ui::HtmlCanvas& canvas);

    TSectionList* Document = nullptr;
    std::string Method = "Get";
    std::string Action, Target, EncType;
    std::vector<std::unique_ptr<TFormControlObj>> Controls;
    int VisibleCount = 0;

  private:
    ThtmlForm() = default;
};

// The control object for an INPUT, SELECT or TEXTAREA. `input_type` is the
// INPUT's TYPE (lower case), empty for the other two. The control joins the
// document's controls and `form`; the text section places it.
TFormControlObj* MakeFormControl(TSectionList* doc, ThtmlForm* form, Sym element, const std::string& input_type,
                                 TAttributeList& attrs, TProperties& props);
// An OPTION of a SELECT control.
void AddFormOption(TFormControlObj* select, const std::string& caption, bool selected, const std::string& value,
                   bool has_value);
// A line of a TEXTAREA's text.
void AppendFormText(TFormControlObj* area, const std::string& line);

} // namespace htmlview
