// The viewer's links, history and input: following links and anchors, the
// visited links, the keys, the wheel, the mouse with selection, auto-scroll
// and the hot-spot watch.
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "htmlview/ascii.h"
#include "htmlview/font_runs.h"
#include "htmlview/html_pane.h"
#include "htmlview/images.h"
#include "htmlview/scratch_canvas.h"
#include "htmlview/url.h"
#include "htmlview/wide_string.h"
#include "platform/os/paths.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

namespace {


bool word_char(char16_t c) {
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) return true;
    return c >= 0xC0 && QChar(c).isLetterOrNumber();
}

bool is_page(const std::string& ext) { return ext == ".HTM" || ext == ".HTML"; }
bool is_picture(const std::string& ext) {
    return ext == ".BMP" || ext == ".GIF" || ext == ".JPG" || ext == ".JPEG" || ext == ".PNG";
}

// Another protocol than a file: nothing the viewer can show.
bool is_external(const std::string& url) {
    const std::string lower = LowerCase(url);
    if (lower.rfind("mailto:", 0) == 0 || lower.rfind("javascript:", 0) == 0) return true;
    const size_t scheme = lower.find("://");
    return scheme != std::string::npos && scheme > 0 && lower.find("file://") == std::string::npos;
}

} // namespace

// ------------------------------------------------------------ document paths

std::string THtmlPane::ExpandDocumentPath(const std::string& url) {
    if (is_external(url)) return url;
    std::string s = Trim(url);
    if (!server_root_.empty() && s.size() > 1 && s[0] == '\\' && s[1] != '\\') s = server_root_ + s;
    s = UrlToFileName(s, "");
    std::replace(s.begin(), s.end(), '\\', '/');
    if (s.size() > 1 && s[1] == ':') return s;
    if (!s.empty() && s[0] == '/') return os::resolve(QDir::cleanPath(QString::fromStdString(s)).toStdString());
    if (SameText(base_, "DosPath")) return s;
    std::string folder;
    if (base_.empty()) {
        const size_t slash = current_file_.find_last_of('/');
        folder = slash == std::string::npos ? std::string() : current_file_.substr(0, slash + 1);
    } else {
        folder = UrlToFileName(base_, "");
        std::replace(folder.begin(), folder.end(), '\\', '/');
        if (!folder.empty() && folder.back() != '/') {
            const size_t slash = folder.find_last_of('/');
            folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
        }
    }
    // Names of the pages are matched without regard to case, as links are
    // written by hand.
    return os::resolve(QDir::cleanPath(QString::fromStdString(folder + s)).toStdString());
}

std::string THtmlPane::ResolveLinkTarget(const std::string& target) {
    if (!target.empty() && target[0] == '#') return current_file_ + target;
    const size_t hash = target.find('#');
    const std::string name = target.substr(0, hash);
    return ExpandDocumentPath(name) + (hash == std::string::npos ? std::string() : target.substr(hash));
}

// ---------------------------------------------------------------- anchors

bool THtmlPane::ScrollToAnchor(const std::string& dest) {
    const std::string d = !dest.empty() && dest[0] == '#' ? dest.substr(1) : dest;
    if (d.empty()) return false;
    TIDObject* obj = doc_->IDNameList.Find(UpperCase(d));
    if (!obj) return false;
    ScrollTo(obj->GetYPosition());
    hbar_->setValue(0);
    AddVisited(current_file_ + "#" + d);
    return true;
}

// ---------------------------------------------------------------- history

void THtmlPane::PushHistory(THistoryEntry old) {
    THistoryEntry now;
    now.File = current_file_;
    now.Title = title_;
    now.Position.Pos = Position();
    now.Position.FileType = kind_;
    if (history_.Push(std::move(old), std::move(now), history_max_) && OnHistoryChange) OnHistoryChange();
}

void THtmlPane::ClearHistory() {
    if (history_.Clear() && OnHistoryChange) OnHistoryChange();
}

// ---------------------------------------------------------------- visited

void THtmlPane::AddVisited(const std::string& url) {
    if (visited_.Add(url, visited_max_) != TVisitedList::AddResult::Added) return;
    bool changed = false;
    for (TFontObj* run : doc_->Links)
        if (!run->WasVisited && SameText(ResolveLinkTarget(run->UrlTarget.Url), url)) {
            run->SetVisited(true);
            changed = true;
        }
    if (changed) surface_->update();
}

void THtmlPane::CheckVisitedLinks() {
    if (visited_.Count() == 0) return;
    for (TFontObj* run : doc_->Links)
        if (visited_.Contains(ResolveLinkTarget(run->UrlTarget.Url))) run->SetVisited(true);
}

// ---------------------------------------------------------------- links

void THtmlPane::FollowLink() {
    bool handled = false;
    if (OnHotSpotClick) OnHotSpotClick(url_, handled);
    if (!handled) FollowUrl(url_);
}

void THtmlPane::FollowLink(const std::string& url, const std::string& target) {
    url_ = url;
    target_ = target;
    // Followed once the tab stop's key handler has returned: the load frees it.
    QTimer::singleShot(0, this, [this] { Guard([&] { FollowLink(); }); });
}

void THtmlPane::FollowUrl(const std::string& url) {
    if (url.empty()) return;
    THistoryEntry old;
    old.File = current_file_;
    old.Title = title_;
    old.Position.Pos = Position();
    old.Position.FileType = kind_;
    if (url[0] == '#') {
        if (ScrollToAnchor(url.substr(1))) {
            PushHistory(std::move(old));
            AddVisited(current_file_ + url);
        }
        return;
    }
    if (is_external(url)) return;
    std::string name, dest;
    const size_t hash = url.find('#');
    name = url.substr(0, hash);
    dest = hash == std::string::npos ? std::string() : url.substr(hash);
    name = ExpandDocumentPath(name);
    const size_t dot = name.find_last_of('.');
    const size_t slash = name.find_last_of('/');
    const std::string ext = dot == std::string::npos || (slash != std::string::npos && dot < slash)
                                ? std::string()
                                : UpperCase(name.substr(dot));
    if (is_page(ext)) {
        if (name == current_file_ && !dest.empty()) {
            if (ScrollToAnchor(dest)) {
                PushHistory(std::move(old));
                AddVisited(current_file_ + dest);
            }
        } else {
            LoadFromFile(name + dest);
            AddVisited(name + dest);
        }
    } else if (is_picture(ext)) {
        LoadImageFile(name);
    }
}

// ---------------------------------------------------------------- keys

void THtmlPane::keyPressEvent(QKeyEvent* event) {
    Guard([&] {
        KeyDown(event->key(), event->modifiers());
        const QString text = event->text();
        if (OnKeyPress && text.size() == 1 && !event->isAutoRepeat()) {
            char16_t key = text.at(0).unicode();
            OnKeyPress(key);
        }
    });
}

void THtmlPane::keyReleaseEvent(QKeyEvent* event) {
    Guard([&] {
        int key = event->key();
        if (OnKeyUp) OnKeyUp(key, event->modifiers());
    });
}

void THtmlPane::KeyDown(int key, Qt::KeyboardModifiers shift) {
    if (OnKeyDown) {
        OnKeyDown(key, shift);
        if (key == 0) return;
    }
    if (middle_scrolling_) {
        middle_scrolling_ = false;
        auto_scroll_timer_.stop();
        surface_->unsetCursor();
        return;
    }
    const int pos = VScrollPos();
    int to = pos;
    switch (key) {
    case Qt::Key_PageUp: to = pos - vbar_->pageStep(); break;
    case Qt::Key_PageDown: to = pos + vbar_->pageStep(); break;
    case Qt::Key_End: to = max_vertical_; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_Up: to = pos - vbar_->singleStep(); break;
    case Qt::Key_Down: to = pos + vbar_->singleStep(); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (hbar_->isVisible())
            hbar_->setValue(hbar_->value() + (key == Qt::Key_Left ? -1 : 1) * hbar_->singleStep());
        surface_->update();
        return;
    default: return;
    }
    to = std::max(0, std::min(to, max_vertical_ - surface_->height()));
    vbar_->setValue(to); // scrolls the surface's pixels for one line, else repaints
}

bool THtmlPane::MouseWheel(int delta, Qt::KeyboardModifiers shift, int x, int y) {
    if (OnMouseWheel) {
        bool handled = false;
        OnMouseWheel(shift, delta, x, y, handled);
        if (handled) return true;
    }
    const int lines = QApplication::wheelScrollLines();
    int move;
    if (lines < 1) {
        move = -(delta / 2);
    } else {
        // 16 pixels a line for a full notch, less for the small steps of a touchpad.
        move = static_cast<int>(-static_cast<int64_t>(delta) * kWheelLine * lines / 120);
        if (move == 0 && delta != 0) move = delta > 0 ? -1 : 1;
    }
    const int to = std::max(0, std::min(VScrollPos() + move, max_vertical_ - surface_->height()));
    vbar_->setValue(to);
    return true;
}

void THtmlPane::wheelEvent(QWheelEvent* event) {
    bool used = false;
    // In the surface's coordinates, as the surface's own wheel events.
    const QPoint at = surface_->mapFrom(this, event->position().toPoint());
    Guard([&] { used = MouseWheel(event->angleDelta().y(), event->modifiers(), at.x(), at.y()); });
    event->setAccepted(used);
}

// ---------------------------------------------------------------- mouse

int THtmlPane::DocPosAt(int x, int y, bool* in_text) {
    ScratchCanvas c;
    int xr = 0, yr = 0, ht = 0;
    bool text = false;
    const int pos = doc_->CursorAtPoint(c.canvas, x, y + doc_->ScrollY, xr, yr, ht, text);
    if (in_text) *in_text = pos >= 0 && text;
    return pos;
}

void THtmlPane::PanelMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(button, shift, x, y);
    setFocus(Qt::MouseFocusReason);
    focus_by_mouse_ = false;
    link_clicked_ = false;
    if (middle_scrolling_) {
        middle_scrolling_ = false;
        auto_scroll_timer_.stop();
        surface_->unsetCursor();
        return;
    }
    if (button == Qt::MiddleButton) {
        middle_scrolling_ = true;
        middle_y_ = y;
        surface_->setCursor(ViewerCursor(3));
        return;
    }
    if (button != Qt::LeftButton) return;
    left_down_ = true;
    selecting_ = true;
    const int caret = DocPosAt(x, y);
    doc_->CaretPos = caret;
    if (caret >= 0) {
        if (doc_->SelE > doc_->SelB || (shift & Qt::ShiftModifier)) surface_->update();
        if (shift & Qt::ShiftModifier) {
            doc_->SelB = std::min(sel_anchor_, caret);
            doc_->SelE = std::max(sel_anchor_, caret);
        } else {
            doc_->SelB = doc_->SelE = sel_anchor_ = caret;
        }
    }
    doc_->SetImagePressed(true);
}

void THtmlPane::PanelMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(buttons, shift, x, y);
    if (middle_scrolling_) {
        if (!auto_scroll_timer_.isActive() && std::abs(y - middle_y_) > 20) auto_scroll_timer_.start();
        return;
    }
    ScratchCanvas c;
    TUrlTarget link;
    TFormControlObj* control = nullptr;
    std::string title;
    const int hit = doc_->UrlAtPoint(c.canvas, x, y + doc_->ScrollY, link, control, title);
    // A form's image button takes the hand too.
    const bool hand = (hit & (guUrl | guControl)) != 0;
    std::string url, target;
    if (hit & guUrl) {
        url = link.Url;
        target = link.Target;
    }
    bool over_image = false;
    if (OnImageOver || OnImageClick) {
        TFloatingObj* obj = nullptr;
        int ix = 0, iy = 0;
        over_image = doc_->ObjectAtPoint(x, y + doc_->ScrollY, obj, ix, iy) && obj;
        if (over_image && OnImageOver) OnImageOver(obj, shift, ix, iy);
    }
    if (hand) {
        surface_->setCursor(ViewerCursor(1));
    } else {
        // Over text the viewer's own cursor, else the arrow.
        bool in_text = false;
        if (!over_image) DocPosAt(x, y, &in_text);
        if (in_text)
            surface_->unsetCursor();
        else
            surface_->setCursor(Qt::ArrowCursor);
    }
    surface_->setToolTip((hit & guTitle) ? QString::fromStdString(title) : QString());
    if (hand || doc_->HoverLink)
        hot_spot_timer_.start();
    else
        hot_spot_timer_.stop();
    if (url != url_ || target != target_) {
        url_ = url;
        target_ = target;
        if (OnHotSpotCovered) OnHotSpotCovered(url_);
    }
    if (left_down_ && (buttons & Qt::LeftButton)) {
        if ((y < 1 || y >= surface_->height()) && !auto_scroll_timer_.isActive()) auto_scroll_timer_.start();
        if (!no_select_) ExtendSelection(x, y);
    }
}

void THtmlPane::PanelMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (middle_scrolling_) {
        // A click of the middle button switches the mode on; moving or any other
        // button ends it.
        if (button == Qt::MiddleButton && y == middle_y_) return;
        middle_scrolling_ = false;
        auto_scroll_timer_.stop();
        surface_->unsetCursor();
        return;
    }
    if (OnMouseUp) OnMouseUp(button, shift, x, y);
    if (OnImageClick) {
        TFloatingObj* obj = nullptr;
        int ix = 0, iy = 0;
        if (doc_->ObjectAtPoint(x, y + doc_->ScrollY, obj, ix, iy) && obj) OnImageClick(obj, button, shift, ix, iy);
    }
    if (button == Qt::RightButton && OnRightClick) {
        TRightClickParameters params;
        doc_->ObjectAtPoint(x, y + doc_->ScrollY, params.Image, params.ImageX, params.ImageY);
        params.URL = url_;
        params.Target = target_;
        params.ClickWord = WordAt(DocPosAt(x, y));
        const bool timer = hot_spot_timer_.isActive();
        hot_spot_timer_.stop();
        OnRightClick(params);
        if (timer) hot_spot_timer_.start();
        return;
    }
    if (button != Qt::LeftButton || (shift & Qt::ShiftModifier)) {
        left_down_ = false;
        selecting_ = false;
        return;
    }
    auto_scroll_timer_.stop();
    ExtendSelection(x, y);
    selecting_ = false;
    doc_->SetImagePressed(false);
    const bool was_down = left_down_;
    left_down_ = false;
    if (!was_down || doc_->SelE > doc_->SelB) return;
    ScratchCanvas c;
    TUrlTarget link;
    TFormControlObj* control = nullptr;
    std::string title;
    const int hit = doc_->UrlAtPoint(c.canvas, x, y + doc_->ScrollY, link, control, title);
    if ((hit & guControl) && control) {
        // A form's image button: submitted with the point on its picture.
        TFloatingObj* obj = nullptr;
        int ix = 0, iy = 0;
        if (doc_->ObjectAtPoint(x, y + doc_->ScrollY, obj, ix, iy)) control->ImageClick(ix, iy);
        return;
    }
    if (!(hit & guUrl)) return;
    url_ = link.Url;
    target_ = link.Target;
    for (TFontObj* run : doc_->LinkControlList)
        if (run->UrlTarget.ID == link.ID && run->TabControl && run->TabControl->isEnabled()) {
            focus_by_mouse_ = true;
            run->TabControl->setFocus(Qt::MouseFocusReason);
            focus_by_mouse_ = false;
            break;
        }
    link_clicked_ = true;
    FollowLink();
}

void THtmlPane::ExtendSelection(int x, int y) {
    if (!selecting_ || doc_->CaretPos < 0) return;
    y = std::max(0, std::min(y, surface_->height()));
    const int pos = DocPosAt(x, y);
    if (pos < 0) return;
    if (!no_select_) {
        doc_->SelB = std::min(doc_->CaretPos, pos);
        doc_->SelE = std::max(doc_->CaretPos, pos);
        surface_->update();
    }
    sel_anchor_ = pos;
}

std::string THtmlPane::WordAt(int pos, int* start, int* end) {
    if (pos < 0) return {};
    char16_t ch = 0;
    TSectionBase* owner = nullptr;
    if (!doc_->CharAtPos(pos, ch, owner) || !word_char(ch)) return {};
    int b = pos, e = pos + 1;
    char16_t c = 0;
    TSectionBase* o = nullptr;
    while (b > 0 && doc_->CharAtPos(b - 1, c, o) && o == owner && word_char(c)) --b;
    WideString word;
    for (int i = b; i < e; ++i) {
        doc_->CharAtPos(i, c, o);
        word += c;
    }
    while (doc_->CharAtPos(e, c, o) && o == owner && word_char(c)) {
        word += c;
        ++e;
    }
    if (start) *start = b;
    if (end) *end = e;
    return WideToUtf8(word);
}

void THtmlPane::PanelDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (button != Qt::LeftButton) return;
    if (!processing_ && !link_clicked_ && !no_select_) {
        int b = 0, e = 0;
        if (!WordAt(DocPosAt(x, y), &b, &e).empty()) {
            doc_->SelB = b;
            doc_->SelE = e;
            sel_anchor_ = b;
            surface_->update();
        }
    }
    link_clicked_ = false;
    if (OnMouseDouble) OnMouseDouble(button, shift, x, y);
}

std::string THtmlPane::SelText() {
    WideString text;
    char16_t c = 0;
    TSectionBase* o = nullptr;
    for (int i = std::max(0, doc_->SelB); i < doc_->SelE; ++i)
        if (doc_->CharAtPos(i, c, o)) text += c;
    return WideToUtf8(text);
}

// ------------------------------------------------------------ timers

void THtmlPane::HotSpotTimer() {
    if (QApplication::widgetAt(QCursor::pos()) == surface_.get()) return;
    doc_->ClearHover();
    hot_spot_timer_.stop();
    if (!url_.empty() || !target_.empty()) {
        url_.clear();
        target_.clear();
        if (OnHotSpotCovered) OnHotSpotCovered("");
    }
}

void THtmlPane::AutoScrollTimer() {
    if (!AutoScrollStep()) auto_scroll_timer_.stop();
}

// The auto-scroll runs from the event loop, one step a tick: the window's
// other controls keep working, and a load in between just ends it.
bool THtmlPane::AutoScrollStep() {
    const Qt::MouseButtons buttons = ReadButtons ? ReadButtons() : QApplication::mouseButtons();
    const QPoint at = ReadPointer ? ReadPointer() : surface_->mapFromGlobal(QCursor::pos());
    const int h = surface_->height();
    int move = 0;
    if (middle_scrolling_) {
        const int d = at.y() - middle_y_;
        if (std::abs(d) < 21) {
            surface_->setCursor(ViewerCursor(3));
            return false;
        }
        move = d < -60 ? -32 : d < -20 ? -8 : d > 60 ? 32 : 8;
        surface_->setCursor(ViewerCursor(move < 0 ? 4 : 5));
    } else {
        if (!left_down_ || !(buttons & Qt::LeftButton) || (at.y() >= 1 && at.y() <= h)) return false;
        const int step = vbar_->singleStep();
        move = at.y() < -15 ? -8 * step : at.y() < 1 ? -step : at.y() <= h + 15 ? step : 8 * step;
    }
    ScrollTo(VScrollPos() + move);
    ExtendSelection(at.x(), at.y());
    return true;
}

} // namespace htmlview
