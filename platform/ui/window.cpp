#include "platform/ui/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <filesystem>

#include "platform/os/codepage.h"
#include "platform/os/paths.h"

namespace ui {

namespace {

std::function<void(Window&)> g_modal_hook;

// Gives a window the key presses meant for it or its controls before the
// focused control sees them. Installed once on the application.
class KeyPreview : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || e == delivering_ || !obj->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(obj);
        auto* win = qobject_cast<Window*>(w->window());
        if (!win) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (win->FormKeyDown(k->key(), k->modifiers())) {
            k->accept();
            return true;
        }
        if (w == win) return false;
        // Deliver to the control (and on to its parents) without a second preview.
        QEvent* saved = delivering_;
        delivering_ = e;
        QApplication::instance()->notify(w, e);
        delivering_ = saved;
        e->accept();
        return true;
    }

  private:
    QEvent* delivering_ = nullptr;
};

void bring_to_front(QWidget* w) {
    // The offscreen platform (tests) has no stacking and says so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

void install_key_preview() {
    static QPointer<KeyPreview> filter;
    if (filter || !QApplication::instance()) return;
    filter = new KeyPreview(QApplication::instance());
    QApplication::instance()->installEventFilter(filter);
}

} // namespace

Window::Window(int width, int height, QWidget* parent) : QWidget(parent, Qt::Window) {
    install_key_preview();
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
