#include "platform/ui/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"

namespace ui {

namespace {

std::function<void(Window&)> g_modal_hook;
std::function<void(Window&)> g_help_handler;
int g_waits = 0; // waits (process_events_while_waiting) running, nested
// Windows whose input is being handled, innermost last.
std::vector<QPointer<QWidget>> g_handling;

bool is_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A button takes Enter when it is a visible, enabled control.
bool can_press(Pressable* p) {
    auto* w = dynamic_cast<QWidget*>(p);
    return w && w->isVisibleTo(w->window()) && w->isEnabled();
}

void bring_to_front(QWidget* w) {
    // The offscreen platform (tests) has no stacking and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

// The visible edge of a borderless box shown over another window: a dark line
// with a softer one inside, above every control, letting clicks through.
class EdgeMark : public QWidget {
  public:
    explicit EdgeMark(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents, true);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.setPen(QColor(0x1F, 0x2A, 0x36));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QColor(0x1F, 0x2A, 0x36, 90));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
};

// The shade over a window while a modal box stands over it, so the box reads
// as the layer in front.
class DimMark : public QWidget {
  public:
    explicit DimMark(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("ui_dim"));
        setAttribute(Qt::WA_TransparentForMouseEvents, true);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x10, 0x18, 0x22, 96));
    }
};

// Shows or hides the shade over `owner` (kept as a child of it).
void dim(QWidget* owner, bool on) {
    if (!owner) return;
    auto* mark = owner->findChild<DimMark*>(QStringLiteral("ui_dim"), Qt::FindDirectChildrenOnly);
    if (!on) {
        if (mark) mark->hide();
        return;
    }
    if (!mark) mark = new DimMark(owner);
    mark->setGeometry(owner->rect());
    mark->raise();
    mark->show();
}

} // namespace

// Every click and key of the program passes here first: the window previews
// keys (FormKeyDown, then Enter, Esc and F1), and a window whose handler is
// waiting takes no further input until that handler returns.
class InputGate : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() == QEvent::FocusIn && obj->isWidgetType()) {
            // Enter goes to a button only when the learner moved the focus there.
            const auto reason = static_cast<QFocusEvent*>(e)->reason();
            tabbed_to_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                             ? qobject_cast<QWidget*>(obj)
                             : nullptr;
            return false;
        }
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            break;
        default:
            return false;
        }
        if (!obj->isWidgetType() || delivering(e)) return false;
        auto* w = static_cast<QWidget*>(obj);
        QPointer<Window> win = qobject_cast<Window*>(w->window());
        if (!win) return false;
        if (win->busy_ > 0) {
            // A wait inside one of its handlers: this input would start
            // another handler mid-step.
            if (g_waits > win->busy_waits_) {
                e->accept();
                return true;
            }
            // Part of the delivery under way (a click handed on to a parent).
            return false;
        }

        if (++win->busy_ == 1) win->busy_waits_ = g_waits;
        delivering_.push_back(e);
        g_handling.push_back(win.data());
        try {
            if (e->type() != QEvent::KeyPress || !preview(*win, static_cast<QKeyEvent*>(e)))
                QApplication::instance()->notify(w, e);
        } catch (const std::exception& ex) {
            // A run-time error of a handler ends that step with its message;
            // it never unwinds through Qt's event delivery.
            os::show_message(ex.what());
        }
        delivering_.pop_back();
        g_handling.pop_back();
        if (win) --win->busy_;
        e->accept();
        return true;
    }

  private:
    bool delivering(QEvent* e) const {
        return std::find(delivering_.begin(), delivering_.end(), e) != delivering_.end();
    }

    // The window's own keys; true when the key was taken.
    bool preview(Window& win, QKeyEvent* k) {
        const int key = k->key();
        if (win.FormKeyDown(key, k->modifiers())) return true;
        if (is_enter(key) && win.DefaultButton()) {
            // A button the learner moved the focus to takes Enter itself.
            Pressable* b = win.DefaultButton();
            QWidget* f = QApplication::focusWidget();
            auto* focused = dynamic_cast<Pressable*>(f);
            if (focused && f == tabbed_to_ && f->window() == &win && can_press(focused))
                b = focused;
            if (can_press(b)) b->Click();
            return true;
        }
        if (key == Qt::Key_Escape && win.CancelButton()) {
            win.CancelButton()->Click();
            return true;
        }
        if (key == Qt::Key_F1 && g_help_handler) {
            g_help_handler(win);
            return true;
        }
        return false;
    }

    std::vector<QEvent*> delivering_;
    QPointer<QWidget> tabbed_to_;
};

namespace {

void install_input_gate() {
    static QPointer<InputGate> filter;
    if (filter || !QApplication::instance()) return;
    filter = new InputGate(QApplication::instance());
    QApplication::instance()->installEventFilter(filter);
}

} // namespace

Window::Window(int width, int height, QWidget* parent) : QWidget(parent, Qt::Window) {
    install_input_gate();
    setWindowFlag(Qt::FramelessWindowHint, true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    set_size(width, height);
}

Window::~Window() {
    if (loop_) loop_->exit(0);
}

void Window::set_size(int width, int height) {
    setFixedSize(width, height);
}

void Window::place(int left, int top) {
    placed_ = true;
    move(left, top);
}

void Window::centre() {
    placed_ = false;
}

void Window::SetCaption(const std::string& text, int charset) {
    caption_ = text;
    setWindowTitle(QString::fromStdString(os::to_utf8(text, charset)));
}

void Window::set_border(bool border) {
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, !border);
    if (shown) show();
}

void Window::set_stays_on_top(bool on_top) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
    if (shown) show();
}

void Window::centre_on_screen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

int Window::show_modal() {
    if (loop_) return 0;
    if (isVisible()) hide();
    result_ = 0;
    result_pending_ = false;
    closed_ = false;
    // Stacked above the window it was opened from, with no task-bar entry of its own.
    // The owner: the modal window on top, else the active one, else the one
    // whose click or key is opening this.
    owner_ = nullptr;
    for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activeWindow(),
                       g_handling.empty() ? nullptr : g_handling.back().data()}) {
        if (w && w->window() != this && w->window()->isVisible()) {
            owner_ = w->window();
            break;
        }
    }
    const Qt::WindowFlags type = owner_ ? Qt::Dialog : Qt::Window;
    if ((windowFlags() & Qt::WindowType_Mask) != type)
        setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | type);
    if (!windowHandle()) create();
    if (windowHandle()) windowHandle()->setTransientParent(owner_ ? owner_->windowHandle() : nullptr);
    show_edge(windowFlags() & Qt::FramelessWindowHint);
    QPointer<QWidget> dimmed(owner_);
    dim(dimmed, true);
    setWindowModality(Qt::ApplicationModal);
    show();
    bring_to_front(this);
    QPointer<Window> alive(this);
    if (g_modal_hook) {
        auto hook = std::move(g_modal_hook);
        g_modal_hook = nullptr;
        QTimer::singleShot(0, this, [hook, alive] {
            if (alive) hook(*alive);
        });
    }
    QEventLoop loop;
    loop_ = &loop;
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
    dim(dimmed, false);
    if (!alive) return 0; // destroyed while shown
    loop_ = nullptr;
    if (!closed_) {
        // Ended without a close (hidden, or the application quits): a cancel,
        // and the window learns it as from any other close.
        result_ = 0;
        result_pending_ = false;
        OnClose();
    }
    if (isVisible()) hide();
    setWindowModality(Qt::NonModal);
    return result_;
}

void Window::close_modal(int result) {
    pending_result_ = result;
    result_pending_ = true;
    close();
}

void Window::show_modeless() {
    show_edge(false);
    show();
    bring_to_front(this);
}

void Window::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        if (!placed_) centre_on_screen();
        OnShow();
    }
    QWidget::showEvent(e);
}

void Window::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (loop_ && !e->spontaneous()) loop_->exit(0);
}

void Window::closeEvent(QCloseEvent* e) {
    if (!OnCloseQuery()) {
        result_pending_ = false;
        e->ignore();
        return;
    }
    result_ = result_pending_ ? pending_result_ : 0;
    result_pending_ = false;
    closed_ = true;
    OnClose();
    e->accept();
}

void Window::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) OnActivate();
}

void Window::show_edge(bool on) {
    if (!on) {
        if (edge_) edge_->hide();
        return;
    }
    if (!edge_) edge_ = new EdgeMark(this);
    edge_->setGeometry(rect());
    edge_->raise();
    edge_->show();
}

void Window::set_help_handler(std::function<void(Window&)> handler) {
    g_help_handler = std::move(handler);
}

void process_events_while_waiting() {
    if (!QCoreApplication::instance()) return;
    ++g_waits;
    QCoreApplication::processEvents();
    --g_waits;
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

void hand_cursor(QWidget* w) {
    if (w) w->setCursor(Qt::PointingHandCursor);
}

void set_next_modal_hook(std::function<void(Window&)> hook) {
    g_modal_hook = std::move(hook);
}

bool grab_to_png(QWidget& widget, const std::string& path) {
    const std::string real = os::resolve(path);
    std::error_code ec;
    const auto parent = std::filesystem::path(real).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    return widget.grab().save(QString::fromStdString(real), "PNG");
}

} // namespace ui
