#include "htmlview/font_runs.h"

#include <QKeyEvent>
#include <exception>

#include "htmlview/document.h"
#include "htmlview/text_section.h"

namespace htmlview {

namespace {

// Runs a handler of the tab stop; a failure is shown by the viewer instead
// of leaving the event handler.
template <class F>
void guarded(TFontObj* owner, F f) {
    try {
        f();
    } catch (const std::exception& e) {
        if (owner && owner->Section && owner->Section->Document && owner->Section->Document->Viewer)
            owner->Section->Document->Viewer->ShowError(e.what());
    }
}

} // namespace

// ----------------------------------------------------------- ThtTabcontrol

ThtTabcontrol::ThtTabcontrol(QWidget* parent, TFontObj* owner) : QWidget(parent), Owner(owner) {
    setFocusPolicy(Qt::TabFocus);
    setGeometry(-4000, 0, 1, 1);
    show();
}

void ThtTabcontrol::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    guarded(Owner, [&] {
        if (Owner && Owner->Section && Owner->Section->Document) Owner->Section->Document->LinkFocus(Owner, true);
    });
}

void ThtTabcontrol::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    guarded(Owner, [&] {
        if (Owner && Owner->Section && Owner->Section->Document) Owner->Section->Document->LinkFocus(Owner, false);
    });
}

void ThtTabcontrol::keyPressEvent(QKeyEvent* event) {
    guarded(Owner, [&] {
        if (!Owner || !Owner->Section || !Owner->Section->Document) return;
        TViewerHost* host = Owner->Section->Document->Viewer;
        if (!host) return;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            host->FollowLink(Owner->UrlTarget.Url, Owner->UrlTarget.Target);
        else
            host->ForwardKey(event);
    });
}

bool ThtTabcontrol::event(QEvent* event) {
    // The arrow keys come to the key handler rather than moving the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(event);
        switch (k->key()) {
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Left: case Qt::Key_Right:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

// ---------------------------------------------------------------- TFontObj

TFontObj::TFontObj(TSection* section, TMyFont font, int pos) : Section(section), Pos(pos), TheFont(std::move(font)) {
    FontChanged();
}

TFontObj::TFontObj(TSection* section, const TFontObj& source)
    : Section(section), Pos(source.Pos), TheFont(source.TheFont), SScript(source.SScript),
      UrlTarget(source.UrlTarget) {
    RunTitle = source.RunTitle;
    if (source.FIArray) TheFont = FontFromInfo(source.FIArray->Ar[0]);
    FontChanged();
}

TFontObj::~TFontObj() {
    if (Section && Section->Document) Section->Document->LinkGone(this);
    delete TabControl.data();
}

void TFontObj::FontChanged() {
    tmHeight = TheFont.tmHeight;
    FontHeight = TheFont.tmHeight + TheFont.tmExLeading;
    tmMaxCharWidth = TheFont.tmMaxCharWidth;
    Overhang = TheFont.Font.italic ? TheFont.tmHeight / 10 : 0;
    Descent = TheFont.tmDescent;
    if (Section) Section->FontsChanged();
}

void TFontObj::ReplaceFont(TMyFont font) {
    TheFont = std::move(font);
    FontChanged();
}

void TFontObj::PickLinkFont() {
    if (!FIArray) return;
    const int which = (WasVisited ? 1 : 0) + (Hovered ? 2 : 0);
    TheFont = FontFromInfo(FIArray->Ar[static_cast<size_t>(which)]);
    FontChanged();
}

void TFontObj::SetVisited(bool on) {
    WasVisited = on;
    PickLinkFont();
}

void TFontObj::SetHover(bool on) {
    Hovered = on;
    PickLinkFont();
}

void TFontObj::SetLinkFonts(const TFontInfoArray& fonts) {
    FIArray = std::make_unique<TFontInfoArray>(fonts);
    PickLinkFont();
}

void TFontObj::CreateTabControl(int tab_index) {
    TSectionList* doc = Section ? Section->Document : nullptr;
    if (!doc || !doc->Surface || TabControl) return;
    for (TFontObj* run : doc->Links) {
        if (run == this) break;
        if (run->UrlTarget.ID == UrlTarget.ID && run->TabControl) return; // one stop per link
    }
    TabControl = new ThtTabcontrol(doc->Surface, this);
    doc->LinkControlList.push_back(this);
    if (tab_index > 0) doc->AddTabKey(tab_index, this, nullptr);
}

TFontObj* TFontObj::TabOwner() {
    if (TabControl || !Section || !Section->Document || Section->Document->StopTab) return this;
    TFontObj* owner = this;
    for (TFontObj* run : Section->Document->Links) {
        if (run == this) break;
        if (run->UrlTarget.ID == UrlTarget.ID && run->TabControl) owner = run;
    }
    return owner;
}

// --------------------------------------------------------------- TFontList

TFontObj* TFontList::GetFontObjAt(int pos, int* index) const {
    int lo = 0, hi = Count() - 1, found = 0;
    while (lo <= hi) { // runs are ordered by their start
        const int mid = (lo + hi) / 2;
        if (items_[static_cast<size_t>(mid)]->Pos <= pos) {
            found = mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    if (index) *index = found;
    return items_.empty() ? nullptr : items_[static_cast<size_t>(found)].get();
}

int TFontList::GetFontCountAt(int pos, int leng) const {
    int i = 0;
    GetFontObjAt(pos, &i);
    if (i + 1 < Count()) return items_[static_cast<size_t>(i + 1)]->Pos - pos;
    return leng - pos;
}

void TFontList::DropEmptyRuns(int leng) {
    for (int i = Count() - 1; i >= 1; --i) {
        const int next = i + 1 < Count() ? items_[static_cast<size_t>(i + 1)]->Pos : leng;
        if (items_[static_cast<size_t>(i)]->Pos >= next) Delete(i); // leaves the link lists as it goes
    }
    if (Count() > 1 && items_[0]->Pos >= items_[1]->Pos) Delete(0);
}

} // namespace htmlview
