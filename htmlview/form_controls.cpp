#include "htmlview/form_controls.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <exception>

#include "htmlview/ascii.h"
#include "htmlview/attributes.h"
#include "htmlview/borders.h"
#include "htmlview/code_pages.h"
#include "htmlview/document.h"
#include "platform/ui/controls.h"

namespace htmlview {

namespace {

// Sizes a page may give are bounded so that no size overflows.
constexpr int kMaxChars = 1000;

QString to_q(const std::string& s, int code_page) {
    const WideString w = MultibyteToWide(code_page, s);
    return QString::fromUtf16(w.data(), static_cast<qsizetype>(w.size()));
}

std::string from_q(const QString& q, int code_page) {
    return WideToMultibyte(code_page, WideView(reinterpret_cast<const char16_t*>(q.utf16()), static_cast<size_t>(q.size())));
}

QFont qfont_of(const TMyFont& f) {
    QFont q(ui::html_family(f.Font.face));
    q.setPixelSize(std::max(1, f.Font.height < 0 ? -f.Font.height : f.Font.height));
    q.setBold(f.Font.weight >= 600);
    q.setItalic(f.Font.italic);
    q.setStyleStrategy(QFont::NoAntialias);
    return q;
}

std::string attr(const TAttributeList& attrs, Sym s) {
    const TAttribute* a = attrs.Find(s);
    return a ? a->ValueText : std::string();
}

// Focus and key events of a window control back to its control object.
class ControlEvents : public QObject {
  public:
    ControlEvents(TWidgetFormControl* owner, QObject* parent) : QObject(parent), owner_(owner) {}

    // The control object is going; later events stay with the window control.
    void Detach() { owner_ = nullptr; }

    bool eventFilter(QObject*, QEvent* e) override {
        if (!owner_) return false;
        TViewerHost* const viewer = owner_->Document ? owner_->Document->Viewer : nullptr;
        try {
            switch (e->type()) {
            case QEvent::FocusIn:
                owner_->OnWidgetEnter();
                break;
            case QEvent::FocusOut:
                owner_->OnWidgetExit();
                break;
            case QEvent::KeyPress:
                return owner_->KeyDown(static_cast<QKeyEvent*>(e)->key());
            case QEvent::MouseButtonRelease:
                // Edits and memos tell a click when the button comes up.
                if (owner_->ClickOnRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                    owner_->OnWidgetClick();
                break;
            default:
                break;
            }
        } catch (const std::exception& ex) {
            if (viewer) viewer->ShowError(ex.what());
        }
        return false;
    }

  private:
    TWidgetFormControl* owner_;
};

// A click on a button's window control runs `act`; an error is shown, it
// never reaches the event loop. The viewer is taken first: the action may
// replace the page and with it the control object.
template <class Sender, class Signal, class Act>
QMetaObject::Connection on_signal(Sender* sender, Signal signal, TFormControlObj* obj, Act act) {
    return QObject::connect(sender, signal, sender, [obj, act] {
        TViewerHost* const viewer = obj->Document ? obj->Document->Viewer : nullptr;
        try {
            act();
        } catch (const std::exception& ex) {
            if (viewer) viewer->ShowError(ex.what());
        }
    });
}

template <class Button, class Act>
QMetaObject::Connection on_click(Button* button, TFormControlObj* obj, Act act) {
    return on_signal(button, &Button::clicked, obj, act);
}

} // namespace

// ------------------------------------------------------------ base control

void TWidgetFormControl::Detach() {
    if (auto* e = static_cast<ControlEvents*>(Events.data())) e->Detach();
    for (const QMetaObject::Connection& c : Links) QObject::disconnect(c);
    Links.clear();
}

TWidgetFormControl::~TWidgetFormControl() {
    QWidget* w = Widget.data();
    if (!w) return;
    Detach();
    // The window control may be inside one of its own events (a submit
    // whose page replaces this one): it goes when that event is over.
    if (w->parentWidget()) {
        w->hide();
        w->deleteLater();
    } else {
        delete w;
    }
}

void TWidgetFormControl::Attach(QWidget* w) {
    Widget = w;
    w->setFont(qfont_of(ElementFont));
    w->move(-4000, 0);
    w->setEnabled(!IsDisabled);
    Events = new ControlEvents(this, w);
    w->installEventFilter(Events);
    if (!w->parentWidget()) w->setAttribute(Qt::WA_DontShowOnScreen);
}

int TWidgetFormControl::Width() const {
    return Widget ? Widget->width() : 0;
}

int TWidgetFormControl::Height() const {
    return Widget ? Widget->height() : 0;
}

void TWidgetFormControl::SetSize(int w, int h) {
    if (Widget) Widget->resize(std::max(1, w), std::max(1, h));
}

void TWidgetFormControl::ShowAt(int x, int y) {
    if (!Widget) return;
    Widget->move(x, y);
    if (Widget->parentWidget() && Widget->isHidden()) Widget->show();
}

void TWidgetFormControl::ResizeToPercent(int available_width) {
    if (Widget && PercentOfWidth > 0) SetSize(std::max(10, available_width * PercentOfWidth / 100), Height());
}

void TWidgetFormControl::ApplyProperties(TProperties& props) {
    TMarginArray box;
    props.GetMarginValues(box);
    TIntMarginArray m{};
    int auto_count = 0;
    ConvertMargins(box, 100, 100, props.EmSize, props.ExSize, auto_count, m);
    const bool percent = AsString(box[piWidth]).find('%') != std::string::npos;
    if (IsString(box[MarginLeft]) || (IsInt(box[MarginLeft]) && AsInt(box[MarginLeft]) != NoValue))
        HSpaceL = std::max(0, m[MarginLeft] == AutoValue ? 0 : m[MarginLeft]);
    if (IsString(box[MarginRight]) || (IsInt(box[MarginRight]) && AsInt(box[MarginRight]) != NoValue))
        HSpaceR = std::max(0, m[MarginRight] == AutoValue ? 0 : m[MarginRight]);
    if (m[piWidth] > 0 && m[piWidth] != AutoValue) {
        if (percent && m[piWidth] <= 100) {
            PercentOfWidth = m[piWidth];
            PercentWidth = true;
        } else if (!percent) {
            StyleWidth = std::min(m[piWidth], 10000);
        }
    }
    if (m[piHeight] > 0) StyleHeight = std::min(m[piHeight], 10000);
    int align = 0;
    if (props.GetVertAlign(align)) VertAlign = align;
}

void TWidgetFormControl::PrintFrame(ui::HtmlCanvas& canvas, int x, int y, int w, int h, bool filled, bool raised) const {
    FormControlFrame(canvas, x, y, x + w, y + h, filled, Document && Document->PrintMonoBlack, raised);
}

void TWidgetFormControl::PrintTextSetUp(ui::HtmlCanvas& canvas) const {
    if (ElementFont.Face) canvas.SelectFont(ElementFont.Face);
    canvas.SetBkMode(ui::BkMode::Transparent);
    canvas.SetTextColor(0);
}

int TWidgetFormControl::TextHeight() const {
    return ElementFont.Face ? ElementFont.Face->metrics().height : 16;
}

int TWidgetFormControl::TextWidthOf(std::u16string_view s) const {
    return ElementFont.Face ? ElementFont.Face->text_width(s) : static_cast<int>(s.size()) * 8;
}

bool TWidgetFormControl::OnWidgetEnter() {
    TSectionList* const doc = Document;
    if (!doc || doc->IsCopy) return true;
    const int serial = doc->ClearSerial;
    Focused = true;
    if (doc->Viewer) {
        doc->Viewer->Invalidate();
        doc->Viewer->ScrollToObject(GetYPosition(), false);
    }
    if (doc->OnObjectFocus && !FocusScript.empty()) {
        doc->OnObjectFocus(this, FocusScript);
        if (doc->ClearSerial != serial) return false;
    }
    if (!ChangeScript.empty()) EnterSave();
    return true;
}

bool TWidgetFormControl::OnWidgetExit() {
    TSectionList* const doc = Document;
    Focused = false;
    if (!doc) return true;
    const int serial = doc->ClearSerial;
    if (!ChangeScript.empty()) {
        ExitCheck();
        if (doc->ClearSerial != serial) return false;
    }
    if (doc->OnObjectBlur && !BlurScript.empty()) {
        doc->OnObjectBlur(this, BlurScript);
        if (doc->ClearSerial != serial) return false;
    }
    if (doc->Viewer) doc->Viewer->Invalidate();
    return true;
}

bool TWidgetFormControl::OnWidgetClick() {
    TSectionList* const doc = Document;
    if (!doc || doc->IsCopy || !doc->OnObjectClick) return true;
    const int serial = doc->ClearSerial;
    doc->OnObjectClick(this, ClickScript);
    return doc->ClearSerial == serial;
}

bool TWidgetFormControl::ChangeSeen(bool changed) {
    TSectionList* const doc = Document;
    if (!changed || !doc || !doc->OnObjectChange || ChangeScript.empty()) return true;
    const int serial = doc->ClearSerial;
    doc->OnObjectChange(this, ChangeScript);
    return doc->ClearSerial == serial;
}

bool TWidgetFormControl::KeyDown(int) {
    return false;
}

// ------------------------------------------------------------------ hidden

bool THiddenFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (index != 0) return false;
    s = Name + "=" + Value;
    return true;
}

bool TImageFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (ClickX < 0 || index > 1) return false;
    const std::string prefix = Name.empty() ? std::string() : Name + ".";
    if (index == 0) {
        s = prefix + "x=" + std::to_string(ClickX);
    } else {
        s = prefix + "y=" + std::to_string(ClickY);
        ClickX = -1;
    }
    return true;
}

int TImageFormControlObj::GetYPosition() {
    return LinkedImage ? LinkedImage->GetYPosition() : YValue;
}

void TImageFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    SetSize(1, 1);
}

void TImageFormControlObj::ImageClick(int x, int y) {
    LastX = std::max(0, x);
    LastY = std::max(0, y);
    Clicked();
}

void TImageFormControlObj::Clicked() {
    if (Widget && Widget->isEnabled() && Widget->isVisible() && !Widget->hasFocus()) {
        TSectionList* const doc = Document;
        const int serial = doc ? doc->ClearSerial : 0;
        Widget->setFocus(Qt::MouseFocusReason);
        if (doc && doc->ClearSerial != serial) return;
    }
    if (!OnWidgetClick()) return;
    ClickX = LastX;
    ClickY = LastY;
    // The submission takes the point; the host may load another page in it,
    // so nothing of this control is touched afterwards.
    if (OwnerForm && !IsDisabled) OwnerForm->Submit("");
}

void THiddenFormControlObj::SetData(int index, const std::string& v) {
    if (index == 0) Value = v;
}

// -------------------------------------------------------------------- edit

TEditFormControlObj::TEditFormControlObj(TSectionList*, TAttributeList& attrs, const std::string& type) {
    Password = type == "password";
    if (const TAttribute* a = attrs.Find(Sym::Size)) {
        if (a->ValueNumber >= 1) {
            SizeChars = std::min(a->ValueNumber, kMaxChars);
        } else if (const size_t cut = a->ValueText.find_first_of(" ,"); cut != std::string::npos) {
            const std::string head = Trim(a->ValueText.substr(0, cut));
            char* end = nullptr;
            const long n = std::strtol(head.c_str(), &end, 10);
            SizeChars = !head.empty() && end && *end == 0 && n >= 1 ? static_cast<int>(std::min<long>(n, kMaxChars)) : 20;
        }
    }
}

std::string TEditFormControlObj::Text() const {
    auto* e = qobject_cast<QLineEdit*>(Widget.data());
    return e ? from_q(e->text(), TextCodePage) : Value;
}

void TEditFormControlObj::SetText(const std::string& text) {
    if (auto* e = qobject_cast<QLineEdit*>(Widget.data())) e->setText(to_q(text, TextCodePage));
}

void TEditFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    if (!Widget) return;
    int w;
    if (PercentWidth)
        w = 10;
    else if (StyleWidth >= 10)
        w = StyleWidth;
    else
        w = TextWidthOf(u"0") * SizeChars + 20;
    SetSize(w, std::max(Widget->sizeHint().height(), StyleHeight));
}

int TEditFormControlObj::EditWidth() const {
    return TWidgetFormControl::Width();
}

int TEditFormControlObj::Width() const {
    return EditWidth() + (Browse ? Browse->Width() : 0);
}

int TEditFormControlObj::Height() const {
    return std::max(TWidgetFormControl::Height(), Browse ? Browse->Height() : 0);
}

void TEditFormControlObj::ShowAt(int x, int y) {
    TWidgetFormControl::ShowAt(x, y);
    if (!Browse) return;
    Browse->ShowAt(x + EditWidth(), y);
    Browse->ShownThisPaint = true;
}

void TEditFormControlObj::ResizeToPercent(int available_width) {
    TWidgetFormControl::ResizeToPercent(available_width - (Browse ? Browse->Width() : 0));
}

void TEditFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    const int w = EditWidth(), h = TWidgetFormControl::Height();
    if (Browse) Browse->Print(canvas, x + w, y);
    PrintFrame(canvas, x, y, w, h, false, false);
    std::string text = Text();
    // A password is printed as it is shown, never in clear.
    if (Password) text.assign(MultibyteToWide(TextCodePage, text).size(), '*');
    PrintTextSetUp(canvas);
    canvas.SaveDC();
    canvas.IntersectClipRect({x + 4, y, x + w - 4, y + h});
    canvas.TextOut(x + 4, y + (h - TextHeight()) / 2, MultibyteToWide(TextCodePage, text));
    canvas.RestoreDC();
}

void TEditFormControlObj::Reset() {
    SetText(Value);
}

bool TEditFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (index != 0) return false;
    s = Name + "=" + Text();
    return true;
}

void TEditFormControlObj::SetData(int, const std::string& v) {
    SetText(v);
}

void TEditFormControlObj::EnterSave() {
    SavedText = Text();
}

void TEditFormControlObj::ExitCheck() {
    const std::string now = Text();
    const bool changed = now != SavedText;
    SavedText = now;
    ChangeSeen(changed);
}

bool TEditFormControlObj::KeyDown(int key) {
    return OwnerForm && OwnerForm->HandleKeyPress(this, key);
}

// ------------------------------------------------------------------ button

TButtonFormControlObj::TButtonFormControlObj(TSectionList*, TAttributeList&, const std::string& type) {
    if (type == "reset")
        ButtonKind = ResetKind;
    else if (type == "button")
        ButtonKind = Plain;
    else if (type == "file")
        ButtonKind = BrowseKind;
}

void TButtonFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    auto* b = qobject_cast<QPushButton*>(Widget.data());
    if (!b) return;
    const int h = TextHeight() + 8 > StyleHeight ? TextHeight() + 8 : StyleHeight;
    const QString caption = b->text();
    const int w = StyleWidth >= 10 && !PercentWidth
                      ? StyleWidth
                      : TextWidthOf(std::u16string_view(reinterpret_cast<const char16_t*>(caption.utf16()),
                                                        static_cast<size_t>(caption.size()))) +
                            20;
    SetSize(w, h);
}

void TButtonFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    auto* b = qobject_cast<QPushButton*>(Widget.data());
    if (!b) return;
    const int w = Width(), h = Height();
    PrintFrame(canvas, x, y, w, h, true, true);
    const QString caption = b->text();
    const std::u16string_view text(reinterpret_cast<const char16_t*>(caption.utf16()), static_cast<size_t>(caption.size()));
    PrintTextSetUp(canvas);
    canvas.TextOut(x + (w - TextWidthOf(text)) / 2, y + (h - TextHeight()) / 2, text);
}

void TButtonFormControlObj::Click() {
    if (!OnWidgetClick() || !OwnerForm) return;
    if (ButtonKind == ResetKind) {
        OwnerForm->ResetAll();
    } else if (ButtonKind == Submit) {
        OwnerForm->Submit(Name.empty() ? std::string() : Name + "=" + Value);
    } else if (ButtonKind == BrowseKind) {
        TSectionList* const doc = Document;
        TEditFormControlObj* const edit = BrowseTarget;
        if (!doc || !doc->OnFileBrowse || !edit || !edit->Control()) return;
        const int serial = doc->ClearSerial;
        std::string name = edit->Text();
        doc->OnFileBrowse(edit, name);
        if (doc->ClearSerial == serial) edit->SetText(name);
    }
}

// --------------------------------------------------------------- check box

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList*, TAttributeList& attrs) {
    InitialChecked = attrs.Find(Sym::Checked) != nullptr;
    VertAlign = ABaseline;
}

bool TCheckBoxFormControlObj::Checked() const {
    auto* b = qobject_cast<QAbstractButton*>(Widget.data());
    return b ? b->isChecked() : InitialChecked;
}

void TCheckBoxFormControlObj::SetChecked(bool on) {
    if (auto* b = qobject_cast<QAbstractButton*>(Widget.data())) {
        const QSignalBlocker quiet(b);
        b->setChecked(on);
    }
}

void TCheckBoxFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    SetSize(13, 13);
}

void TCheckBoxFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    const bool mono = Document && Document->PrintMonoBlack;
    FormControlFrame(canvas, x, y, x + 13, y + 13, IsDisabled, mono, false);
    if (!Checked()) return;
    const int mid = y + 6;
    ui::Pen pen;
    pen.color = 0;
    pen.width = 2;
    canvas.SelectPen(pen);
    canvas.Polyline({QPoint(x + 3, mid), QPoint(x + 5, mid + 2), QPoint(x + 9, mid - 2)});
}

void TCheckBoxFormControlObj::Reset() {
    SetChecked(InitialChecked);
}

bool TCheckBoxFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (index != 0) return false;
    if (Checked()) s = Name + "=" + Value;
    return true;
}

void TCheckBoxFormControlObj::SetData(int, const std::string& v) {
    if (SameText(v, Value)) SetChecked(true);
}

void TCheckBoxFormControlObj::ClearBeforeRestore() {
    SetChecked(false);
}

void TCheckBoxFormControlObj::EnterSave() {
    SavedChecked = Checked();
}

void TCheckBoxFormControlObj::ExitCheck() {
    const bool now = Checked();
    const bool changed = now != SavedChecked;
    SavedChecked = now;
    ChangeSeen(changed);
}

bool TCheckBoxFormControlObj::KeyDown(int key) {
    return OwnerForm && OwnerForm->HandleKeyDown(this, key);
}

// ------------------------------------------------------------ radio button

TRadioButtonFormControlObj::TRadioButtonFormControlObj(TSectionList* doc, TAttributeList& attrs)
    : TCheckBoxFormControlObj(doc, attrs) {}

void TRadioButtonFormControlObj::SetChecked(bool on) {
    auto* b = qobject_cast<QAbstractButton*>(Widget.data());
    if (!b || b->isChecked() == on) return;
    {
        const QSignalBlocker quiet(b);
        b->setChecked(on);
    }
    b->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TRadioButtonFormControlObj::Clicked() {
    // A click never unchecks a radio; it unchecks the others of its group.
    if (auto* b = qobject_cast<QAbstractButton*>(Widget.data())) {
        const QSignalBlocker quiet(b);
        b->setChecked(false);
    }
    SetChecked(true);
    if (OwnerForm && !OwnerForm->UncheckGroup(this)) return;
    OnWidgetClick();
}

void TRadioButtonFormControlObj::FocusAndCheck() {
    TSectionList* const doc = Document;
    const int serial = doc ? doc->ClearSerial : 0;
    if (Widget) Widget->setFocus(Qt::TabFocusReason);
    if (doc && doc->ClearSerial != serial) return;
    Clicked();
}

void TRadioButtonFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    SetSize(13, 14);
}

void TRadioButtonFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    const bool mono = Document && Document->PrintMonoBlack && canvas.Caps().bits_per_pixel == 1;
    ui::Brush brush;
    brush.color = IsDisabled && !mono ? ui::sys_color(ui::kColorBtnFace) : ui::rgb_ref(255, 255, 255);
    ui::Pen pen;
    pen.color = mono ? 0 : ui::sys_color(ui::kColorBtnShadow);
    pen.width = mono ? 1 : 2;
    const ui::Pen saved_pen = canvas.GetPen();
    const ui::Brush saved_brush = canvas.GetBrush();
    canvas.SelectPen(pen);
    canvas.SelectBrush(brush);
    canvas.Ellipse({x, y, x + 14, y + 14});
    if (Checked()) {
        ui::Brush dot;
        dot.color = 0;
        ui::Pen none;
        none.color = 0;
        canvas.SelectBrush(dot);
        canvas.SelectPen(none);
        canvas.Ellipse({x + 5, y + 5, x + 9, y + 9});
    }
    canvas.SelectPen(saved_pen);
    canvas.SelectBrush(saved_brush);
}

// ---------------------------------------------------------------- list box

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList*, TAttributeList& attrs, bool drop_down) {
    Multiple = !drop_down && attrs.Find(Sym::Multiple) != nullptr;
    if (const TAttribute* a = attrs.Find(Sym::Size)) VisibleRows = std::clamp(a->ValueNumber, -2, kMaxChars);
    if (VisibleRows == 0) VisibleRows = -1;
}

void TListBoxFormControlObj::AddOption(const std::string& caption, bool selected, const std::string& value) {
    TOptionObj o;
    o.Caption = caption.empty() ? std::string(" ") : caption;
    o.Value = value;
    o.Selected = selected;
    const WideString w = MultibyteToWide(TextCodePage, o.Caption);
    WidestText = std::max(WidestText, TextWidthOf(w));
    Options.push_back(std::move(o));
}

int TListBoxFormControlObj::ItemCount() const {
    if (auto* l = qobject_cast<QListWidget*>(Widget.data())) return l->count();
    if (auto* c = qobject_cast<QComboBox*>(Widget.data())) return c->count();
    return 0;
}

bool TListBoxFormControlObj::ItemSelected(int i) const {
    auto* l = qobject_cast<QListWidget*>(Widget.data());
    return l && l->item(i) && l->item(i)->isSelected();
}

int TListBoxFormControlObj::CurrentItem() const {
    if (auto* l = qobject_cast<QListWidget*>(Widget.data())) return l->currentRow();
    if (auto* c = qobject_cast<QComboBox*>(Widget.data())) return c->currentIndex();
    return -1;
}

void TListBoxFormControlObj::Reset() {
    auto* l = qobject_cast<QListWidget*>(Widget.data());
    if (!l) return;
    const QSignalBlocker quiet(l);
    l->clear();
    int first_selected = -1;
    for (size_t i = 0; i < Options.size(); ++i) {
        l->addItem(to_q(Options[i].Caption, TextCodePage));
        if (Options[i].Selected && first_selected < 0) first_selected = static_cast<int>(i);
    }
    if (Multiple) {
        for (size_t i = 0; i < Options.size(); ++i) l->item(static_cast<int>(i))->setSelected(Options[i].Selected);
    } else if (!Options.empty()) {
        l->setCurrentRow(first_selected >= 0 ? first_selected : 0);
    }
    l->scrollToTop();
}

void TListBoxFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    auto* l = qobject_cast<QListWidget*>(Widget.data());
    if (!l) return;
    if (VisibleRows < 0) VisibleRows = std::max(1, std::min(8, static_cast<int>(Options.size())));
    const int frame = 2 * l->frameWidth();
    const int h = StyleHeight < 10 ? TextHeight() * VisibleRows + frame : StyleHeight;
    int w;
    if (PercentWidth)
        w = 10;
    else if (StyleWidth < 10)
        w = l->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + WidestText + 10 + frame;
    else
        w = StyleWidth;
    SetSize(w, h);
}

void TListBoxFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    auto* l = qobject_cast<QListWidget*>(Widget.data());
    const int w = Width(), h = Height();
    PrintFrame(canvas, x, y, w, h, false, false);
    if (!l) return;
    PrintTextSetUp(canvas);
    canvas.SaveDC();
    canvas.IntersectClipRect({x + 4, y + 4, x + w - 4, y + h - 4});
    const QModelIndex top = l->indexAt(QPoint(1, 1));
    const int first = top.isValid() ? top.row() : 0;
    for (int i = first, ty = y + 2; i < l->count() && ty < y + h; ++i, ty += TextHeight())
        canvas.TextOut(x + 4, ty, MultibyteToWide(TextCodePage, from_q(l->item(i)->text(), TextCodePage)));
    canvas.RestoreDC();
}

bool TListBoxFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (index < 0 || index >= ItemCount() || index >= static_cast<int>(Options.size())) return false;
    const bool chosen = Multiple ? ItemSelected(index) : CurrentItem() == index;
    if (chosen) s = Name + "=" + Options[static_cast<size_t>(index)].Value;
    return true;
}

void TListBoxFormControlObj::SetData(int index, const std::string& v) {
    auto* l = qobject_cast<QListWidget*>(Widget.data());
    if (!l) return;
    const QSignalBlocker quiet(l);
    if (index == 0) {
        if (Multiple)
            l->clearSelection();
        else if (l->count() > 0)
            l->setCurrentRow(0);
    }
    for (size_t i = 0; i < Options.size() && static_cast<int>(i) < l->count(); ++i)
        if (SameText(Options[i].Value, v)) {
            if (Multiple)
                l->item(static_cast<int>(i))->setSelected(true);
            else
                l->setCurrentRow(static_cast<int>(i));
        }
    l->scrollToTop();
}

void TListBoxFormControlObj::EnterSave() {
    SavedCount = ItemCount();
    SavedFlags.clear();
    for (int i = 0; i < std::min(SavedCount, 51); ++i) SavedFlags.push_back(ItemSelected(i));
}

void TListBoxFormControlObj::ExitCheck() {
    const int count = ItemCount();
    bool changed = count != SavedCount;
    for (int i = 0; i < std::min(count, 51) && !changed; ++i)
        changed = static_cast<size_t>(i) >= SavedFlags.size() || SavedFlags[static_cast<size_t>(i)] != ItemSelected(i);
    EnterSave();
    ChangeSeen(changed);
}

// ---------------------------------------------------------------- drop-down

TComboFormControlObj::TComboFormControlObj(TSectionList* doc, TAttributeList& attrs)
    : TListBoxFormControlObj(doc, attrs, true) {}

void TComboFormControlObj::Reset() {
    auto* c = qobject_cast<QComboBox*>(Widget.data());
    if (!c) return;
    const QSignalBlocker quiet(c);
    c->clear();
    int selected = -1;
    for (size_t i = 0; i < Options.size(); ++i) {
        c->addItem(to_q(Options[i].Caption, TextCodePage));
        if (Options[i].Selected) selected = static_cast<int>(i);
    }
    if (!Options.empty()) c->setCurrentIndex(selected >= 0 ? selected : 0);
}

void TComboFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    auto* c = qobject_cast<QComboBox*>(Widget.data());
    if (!c) return;
    const int h = StyleHeight >= 10 ? StyleHeight : c->sizeHint().height();
    int w;
    if (PercentWidth)
        w = 10;
    else if (StyleWidth < 10)
        w = c->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + WidestText + 10 + 8;
    else
        w = StyleWidth;
    SetSize(w, h);
}

void TComboFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    PrintFrame(canvas, x, y, Width(), Height(), false, false);
    const int i = CurrentItem();
    if (i < 0 || i >= static_cast<int>(Options.size())) return;
    PrintTextSetUp(canvas);
    canvas.TextOut(x + 4, y + 4, MultibyteToWide(TextCodePage, Options[static_cast<size_t>(i)].Caption));
}

bool TComboFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (index != 0) return false;
    const int i = CurrentItem();
    if (i >= 0 && i < static_cast<int>(Options.size())) s = Name + "=" + Options[static_cast<size_t>(i)].Value;
    return true;
}

void TComboFormControlObj::SetData(int, const std::string& v) {
    auto* c = qobject_cast<QComboBox*>(Widget.data());
    if (!c) return;
    for (size_t i = 0; i < Options.size() && static_cast<int>(i) < c->count(); ++i)
        if (SameText(Options[i].Value, v)) {
            const QSignalBlocker quiet(c);
            c->setCurrentIndex(static_cast<int>(i));
        }
}

void TComboFormControlObj::EnterSave() {
    SavedIndex = CurrentItem();
}

void TComboFormControlObj::ExitCheck() {
    const int now = CurrentItem();
    const bool changed = now != SavedIndex;
    SavedIndex = now;
    ChangeSeen(changed);
}

// ---------------------------------------------------------------- text area

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList*, TAttributeList& attrs) {
    if (const TAttribute* a = attrs.Find(Sym::Rows); a && a->ValueNumber >= 1) RowCount = std::min(a->ValueNumber, kMaxChars);
    if (const TAttribute* a = attrs.Find(Sym::Cols); a && a->ValueNumber >= 1) ColCount = std::min(a->ValueNumber, kMaxChars);
    if (const TAttribute* a = attrs.Find(Sym::Wrap)) {
        if (SameText(a->ValueText, "off"))
            WrapMode = 0;
        else if (SameText(a->ValueText, "hard"))
            WrapMode = 2;
    }
}

void TTextAreaFormControlObj::AppendText(const std::string& s) {
    InitialText += s;
}

std::string TTextAreaFormControlObj::Text() const {
    auto* m = qobject_cast<QPlainTextEdit*>(Widget.data());
    if (!m) return InitialText;
    QStringList lines;
    for (QTextBlock b = m->document()->begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        if (WrapMode == 2 && layout && layout->lineCount() > 1) {
            for (int i = 0; i < layout->lineCount(); ++i)
                lines << b.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
        } else {
            lines << b.text();
        }
    }
    return from_q(lines.join(QStringLiteral("\r\n")), TextCodePage);
}

void TTextAreaFormControlObj::SetText(const std::string& text) {
    if (auto* m = qobject_cast<QPlainTextEdit*>(Widget.data())) {
        QString q = to_q(text, TextCodePage);
        q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m->setPlainText(q);
    }
}

void TTextAreaFormControlObj::Reset() {
    std::string t = InitialText;
    if (t.size() >= 2 && t.compare(t.size() - 2, 2, "\r\n") == 0) t.resize(t.size() - 2);
    SetText(t);
    if (auto* m = qobject_cast<QPlainTextEdit*>(Widget.data())) m->moveCursor(QTextCursor::Start);
}

void TTextAreaFormControlObj::SizeForCanvas(ui::HtmlCanvas&) {
    auto* m = qobject_cast<QPlainTextEdit*>(Widget.data());
    if (!m) return;
    const int frame = 2 * m->frameWidth();
    const int bar = m->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int h = StyleHeight < 10 ? TextHeight() * RowCount + 5 + frame + (WrapMode == 0 ? bar : 0) : StyleHeight;
    int w;
    if (PercentWidth)
        w = 50;
    else if (StyleWidth < 10)
        w = TextWidthOf(u"s") * ColCount + 5 + frame + bar;
    else
        w = StyleWidth;
    SetSize(w, h);
}

void TTextAreaFormControlObj::Print(ui::HtmlCanvas& canvas, int x, int y) {
    const int w = Width(), h = Height();
    PrintFrame(canvas, x, y, w, h, false, false);
    PrintTextSetUp(canvas);
    canvas.SaveDC();
    canvas.IntersectClipRect({x + 4, y + 2, x + w - 4, y + h - 2});
    const WideString all = MultibyteToWide(TextCodePage, Text());
    size_t start = 0;
    for (int row = 0; row < RowCount && start <= all.size(); ++row) {
        size_t end = all.find(u"\r\n", start);
        if (end == WideString::npos) end = all.size();
        canvas.TextOut(x + 4, y + 2 + row * TextHeight(), WideView(all).substr(start, end - start));
        start = end + 2;
    }
    canvas.RestoreDC();
}

bool TTextAreaFormControlObj::SubmitPairs(int index, std::string& s) {
    s.clear();
    if (index != 0) return false;
    s = Name + "=" + Text();
    return true;
}

void TTextAreaFormControlObj::SetData(int, const std::string& v) {
    SetText(v);
}

void TTextAreaFormControlObj::EnterSave() {
    SavedText = Text();
}

void TTextAreaFormControlObj::ExitCheck() {
    const std::string now = Text();
    const bool changed = now != SavedText;
    SavedText = now;
    ChangeSeen(changed);
}

// ------------------------------------------------------------------ making

namespace {

// The control object of the element and input type, with the widget it
// shows (none for a hidden field); `windowed` is the object as a widget control.
std::unique_ptr<TFormControlObj> new_control(TSectionList* doc, Sym element, const std::string& input_type,
                                             TAttributeList& attrs, QWidget* parent, QWidget*& widget,
                                             TWidgetFormControl*& windowed) {
    std::unique_ptr<TFormControlObj> obj;
    if (element == Sym::Select) {
        const bool list = attrs.Find(Sym::Multiple) || (attrs.Find(Sym::Size) && attrs.Find(Sym::Size)->ValueNumber > 1);
        if (list) {
            auto l = std::make_unique<TListBoxFormControlObj>(doc, attrs, false);
            auto* box = new ui::ListBox(parent);
            if (l->Multiple) box->setSelectionMode(QAbstractItemView::ExtendedSelection);
            widget = box;
            windowed = l.get();
            obj = std::move(l);
        } else {
            auto c = std::make_unique<TComboFormControlObj>(doc, attrs);
            widget = new ui::ComboBox(parent);
            windowed = c.get();
            obj = std::move(c);
        }
    } else if (element == Sym::TextArea) {
        auto t = std::make_unique<TTextAreaFormControlObj>(doc, attrs);
        auto* memo = new ui::Memo(parent);
        memo->setLineWrapMode(t->WrapMode == 0 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (t->WrapMode == 0) memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        widget = memo;
        windowed = t.get();
        obj = std::move(t);
    } else if (input_type == "hidden") {
        obj = std::make_unique<THiddenFormControlObj>();
    } else if (input_type == "checkbox" || input_type == "radio") {
        const bool radio = input_type == "radio";
        std::unique_ptr<TCheckBoxFormControlObj> c;
        if (radio) {
            c = std::make_unique<TRadioButtonFormControlObj>(doc, attrs);
            auto* b = new ui::RadioButton(parent);
            b->setAutoExclusive(false);
            widget = b;
        } else {
            c = std::make_unique<TCheckBoxFormControlObj>(doc, attrs);
            widget = new ui::CheckBox(parent);
        }
        windowed = c.get();
        obj = std::move(c);
    } else if (input_type == "image") {
        auto i = std::make_unique<TImageFormControlObj>();
        auto* button = new ui::Control<QPushButton>(parent);
        button->setFocusPolicy(Qt::StrongFocus);
        widget = button;
        windowed = i.get();
        obj = std::move(i);
    } else if (input_type == "submit" || input_type == "reset" || input_type == "button") {
        auto b = std::make_unique<TButtonFormControlObj>(doc, attrs, input_type);
        widget = new ui::Control<QPushButton>(parent);
        windowed = b.get();
        obj = std::move(b);
    } else {
        auto e = std::make_unique<TEditFormControlObj>(doc, attrs, input_type);
        auto* edit = new ui::Edit(parent);
        if (e->Password) edit->setEchoMode(QLineEdit::Password);
        if (const TAttribute* a = attrs.Find(Sym::MaxLength); a && a->ValueNumber > 0) edit->setMaxLength(a->ValueNumber);
        widget = edit;
        windowed = e.get();
        obj = std::move(e);
    }
    return obj;
}

// A file field's browse button: right behind the edit, after it in the tab
// order, with no name, value or id of its own. None for other controls.
std::unique_ptr<TButtonFormControlObj> browse_button(TSectionList* doc, TFormControlObj* c, const std::string& input_type,
                                                     QWidget* parent, const TMyFont& font) {
    std::unique_ptr<TButtonFormControlObj> browse;
    if (auto* e = dynamic_cast<TEditFormControlObj*>(c); e && input_type == "file") {
        TAttributeList none;
        browse = std::make_unique<TButtonFormControlObj>(doc, none, input_type);
        auto* button = new ui::Control<QPushButton>(parent);
        button->setText(QStringLiteral("Browse..."));
        browse->Document = doc;
        browse->IsDisabled = c->IsDisabled;
        browse->TextCodePage = c->TextCodePage;
        browse->ElementFont = font;
        browse->Attach(button);
        browse->BrowseTarget = e;
        e->Browse = browse.get();
        TButtonFormControlObj* const b = browse.get();
        b->Links.push_back(on_click(button, b, [b] { b->Click(); }));
    }
    return browse;
}

// The widget's clicks and changes reach the control.
void connect_control(TFormControlObj* c, TAttributeList& attrs, QWidget* widget, TWidgetFormControl* windowed) {
    if (auto* b = dynamic_cast<TButtonFormControlObj*>(c)) {
        static const char* const kCaptions[] = {"Submit", "Reset", "Button"};
        const TAttribute* v = attrs.Find(Sym::Value);
        auto* button = static_cast<QPushButton*>(widget);
        button->setText(v ? to_q(v->ValueText, c->TextCodePage) : QString::fromLatin1(kCaptions[b->ButtonKind]));
        b->Links.push_back(on_click(button, b, [b] { b->Click(); }));
    } else if (auto* r = dynamic_cast<TRadioButtonFormControlObj*>(c)) {
        auto* button = static_cast<QAbstractButton*>(widget);
        button->setFocusPolicy(Qt::StrongFocus);
        r->Links.push_back(on_click(button, r, [r] { r->Clicked(); }));
    } else if (auto* i = dynamic_cast<TImageFormControlObj*>(c)) {
        i->Links.push_back(on_click(static_cast<QPushButton*>(widget), i, [i] { i->Clicked(); }));
    } else if (auto* box = dynamic_cast<TCheckBoxFormControlObj*>(c)) {
        box->Links.push_back(on_click(static_cast<QAbstractButton*>(widget), box, [box] { box->OnWidgetClick(); }));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        windowed->Links.push_back(on_signal(combo, &QComboBox::activated, c, [windowed] { windowed->OnWidgetClick(); }));
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        windowed->Links.push_back(
            on_signal(list, &QListWidget::itemSelectionChanged, c, [windowed] { windowed->OnWidgetClick(); }));
    } else if (windowed) {
        // Edits and memos: the mouse button coming up (a memo's mouse goes to its viewport).
        windowed->ClickOnRelease = true;
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) memo->viewport()->installEventFilter(windowed->Events);
    }
}

} // namespace

TFormControlObj* MakeFormControl(TSectionList* doc, ThtmlForm* form, Sym element, const std::string& input_type,
                                 TAttributeList& attrs, TProperties& props) {
    TWidgetFormControl* windowed = nullptr;
    QWidget* parent = doc ? doc->Surface : nullptr;
    QWidget* widget = nullptr;
    const TMyFont font = props.GetFont();
    std::unique_ptr<TFormControlObj> obj = new_control(doc, element, input_type, attrs, parent, widget, windowed);
    TFormControlObj* c = obj.get();
    c->Document = doc;
    c->Name = attr(attrs, Sym::Name);
    c->Value = attr(attrs, Sym::Value);
    c->ID = attr(attrs, Sym::ID);
    c->IsDisabled = attrs.Find(Sym::Disabled) != nullptr;
    c->TextCodePage = props.CodePage;
    c->ClickScript = attr(attrs, Sym::OnClick);
    c->FocusScript = attr(attrs, Sym::OnFocus);
    c->BlurScript = attr(attrs, Sym::OnBlur);
    c->ChangeScript = attr(attrs, Sym::OnChange);
    if (windowed) {
        windowed->ElementFont = font;
        windowed->Attach(widget);
        windowed->ApplyProperties(props);
    }
    std::unique_ptr<TButtonFormControlObj> browse = browse_button(doc, c, input_type, parent, font);
    connect_control(c, attrs, widget, windowed);
    if (doc && !c->ID.empty()) doc->IDNameList.AddObject(Trim(c->ID), c);
    if (const TAttribute* a = attrs.Find(Sym::TabIndex); a && a->ValueNumber > 0 && doc) {
        doc->AddTabKey(a->ValueNumber, nullptr, c);
        if (browse) doc->AddTabKey(a->ValueNumber, nullptr, browse.get());
    }
    // Lists and text areas are reset once their options and text are read.
    if (dynamic_cast<TEditFormControlObj*>(c)) c->Reset();
    if (auto* cb = dynamic_cast<TCheckBoxFormControlObj*>(c)) {
        if (cb->Value.empty()) cb->Value = "on";
        cb->Reset();
    }
    if (doc) {
        doc->AllControls.push_back(c);
        if (browse) doc->AllControls.push_back(browse.get());
    }
    if (form) {
        form->AddControl(std::move(obj));
        form->AddControl(std::move(browse));
    }
    return c;
}

void AddFormOption(TFormControlObj* select, const std::string& caption, bool selected, const std::string& value,
                   bool has_value) {
    if (auto* l = dynamic_cast<TListBoxFormControlObj*>(select)) l->AddOption(caption, selected, has_value ? value : caption);
}

void AppendFormText(TFormControlObj* area, const std::string& line) {
    if (auto* t = dynamic_cast<TTextAreaFormControlObj*>(area)) t->AppendText(line);
}

} // namespace htmlview
