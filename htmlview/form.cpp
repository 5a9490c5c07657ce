#include "htmlview/form.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

#include "htmlview/ascii.h"
#include "htmlview/attributes.h"
#include "htmlview/document.h"
#include "htmlview/form_controls.h"

namespace htmlview {

ThtmlForm* ThtmlForm::Create(TSectionList* doc, TAttributeList* attrs) {
    std::unique_ptr<ThtmlForm> f(new ThtmlForm());
    f->Document = doc;
    if (attrs) {
        if (const TAttribute* a = attrs->Find(Sym::Method)) f->Method = a->ValueText.substr(0, 4);
        if (const TAttribute* a = attrs->Find(Sym::Action)) f->Action = a->ValueText;
        if (const TAttribute* a = attrs->Find(Sym::Target)) f->Target = a->ValueText;
        if (const TAttribute* a = attrs->Find(Sym::EncType)) f->EncType = a->ValueText;
    }
    ThtmlForm* raw = f.get();
    if (doc) doc->FormList.push_back(std::move(f));
    else f.release(); // a form without a document is never made by the builder
    return raw;
}

ThtmlForm::~ThtmlForm() = default;

TFormControlObj::~TFormControlObj() {
    if (Document && !ID.empty()) Document->IDNameList.RemoveObject(this);
}

void ThtmlForm::AddControl(std::unique_ptr<TFormControlObj> ctrl) {
    if (!ctrl) return;
    ctrl->OwnerForm = this;
    if (!ctrl->IsHiddenInput()) ++VisibleCount;
    Controls.push_back(std::move(ctrl));
}

namespace {

std::vector<TRadioButtonFormControlObj*> group_of(const ThtmlForm& form, const TFormControlObj* radio) {
    std::vector<TRadioButtonFormControlObj*> out;
    for (const auto& c : form.Controls)
        if (auto* r = dynamic_cast<TRadioButtonFormControlObj*>(c.get()); r && SameText(r->Name, radio->Name))
            out.push_back(r);
    return out;
}

} // namespace

bool ThtmlForm::UncheckGroup(TFormControlObj* radio) {
    if (!radio || radio->Name.empty()) return true;
    TSectionList* const doc = Document;
    const int serial = doc ? doc->ClearSerial : 0;
    for (TRadioButtonFormControlObj* r : group_of(*this, radio)) {
        if (r == radio) continue;
        r->SetChecked(false);
        r->ExitCheck();
        if (doc && doc->ClearSerial != serial) return false;
    }
    return true;
}

bool ThtmlForm::HandleKeyDown(TFormControlObj* sender, int key) {
    if (!dynamic_cast<TRadioButtonFormControlObj*>(sender)) return false;
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    if (!back && !forward) return false;
    const auto group = group_of(*this, sender);
    const auto it = std::find(group.begin(), group.end(), sender);
    if (it == group.end()) return true;
    TRadioButtonFormControlObj* next = nullptr;
    if (back && it != group.begin()) next = *(it - 1);
    if (forward && it + 1 != group.end()) next = *(it + 1);
    if (next) next->FocusAndCheck();
    return true;
}

bool ThtmlForm::HandleKeyPress(TFormControlObj* sender, int key) {
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && dynamic_cast<TEditFormControlObj*>(sender)) {
        Submit(std::string());
        return true;
    }
    return false;
}

void ThtmlForm::ResetAll() {
    for (const auto& c : Controls) c->Reset();
}

namespace {

void pairs_of(TFormControlObj& c, std::vector<std::string>& out) {
    std::string s;
    // A control answers false past its last pair; the count is bounded by
    // what a list can hold.
    for (int i = 0; i < 100000 && c.SubmitPairs(i, s); ++i)
        if (!s.empty()) out.push_back(s);
}

} // namespace

std::vector<std::string> ThtmlForm::CollectPairs() const {
    std::vector<std::string> out;
    for (const auto& c : Controls) pairs_of(*c, out);
    return out;
}

void ThtmlForm::RestorePairs(const std::vector<std::string>& pairs) {
    for (const auto& c : Controls) {
        if (c->Name.empty()) continue;
        c->ClearBeforeRestore();
        const std::string prefix = c->Name + "=";
        int index = 0;
        for (const std::string& pair : pairs)
            if (pair.compare(0, prefix.size(), prefix) == 0) c->SetData(index++, pair.substr(prefix.size()));
    }
}

void ThtmlForm::Submit(const std::string& button_pair) {
    if (!Document || !Document->Viewer) return;
    std::vector<std::string> results;
    for (const auto& c : Controls)
        if (!c->IsDisabled) pairs_of(*c, results);
    if (!button_pair.empty()) results.push_back(button_pair);
    Document->Viewer->SubmitForm(Action, Target, EncType, Method, results);
}

void ThtmlForm::SizeControls(ui::HtmlCanvas& canvas) {
    for (const auto& c : Controls) c->SizeForCanvas(canvas);
}

} // namespace htmlview
