#pragma once
// One QApplication for a whole test program, created on first use, and small
// senders of simulated input (delivered straight to the widget, as a window
// system would after hit-testing).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/ui/fonts.h"
#include "platform/ui/window.h"

// Qt keeps fontconfig objects until the process ends; the leak checker of
// sanitizer builds is told so (weak: every test file may include this).
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace testsupport {

inline QApplication& qt_app() {
    static QApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ui::pin_fonts_or_exit();
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Base of fixtures that hold widgets: the application exists before them.
class QtFixture : public ::testing::Test {
  protected:
    QtFixture() { qt_app(); }
};

// Runs the event loop for about `ms` milliseconds.
inline void wait_ms(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Makes `w`'s window the active one, as a click on it would; its focus
// widget then holds the keyboard focus.
inline void activate(QWidget& w) {
    w.window()->activateWindow();
    QApplication::setActiveWindow(w.window());
    for (int i = 0; i < 20 && !w.window()->isActiveWindow(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

inline void key_click(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                      const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

inline void mouse(QWidget* w, QEvent::Type type, QPoint pos = QPoint(-1, -1),
                  Qt::MouseButton button = Qt::LeftButton) {
    if (pos == QPoint(-1, -1)) pos = w->rect().center();
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QPoint pos = QPoint(-1, -1)) {
    mouse(w, QEvent::MouseButtonPress, pos);
}
inline void release(QWidget* w, QPoint pos = QPoint(-1, -1)) {
    mouse(w, QEvent::MouseButtonRelease, pos);
}
inline void click(QWidget* w, QPoint pos = QPoint(-1, -1)) {
    press(w, pos);
    release(w, pos);
}
// The sequence a quick double click produces.
inline void double_click(QWidget* w) {
    click(w);
    mouse(w, QEvent::MouseButtonDblClick);
    release(w);
}

inline void enter(QWidget* w) {
    const QPointF p(w->rect().center());
    QEnterEvent e(p, p, QPointF(w->mapToGlobal(p.toPoint())));
    QApplication::sendEvent(w, &e);
}
inline void leave(QWidget* w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// Time a test gives a window before taking it as left open: long enough for
// a sanitizer build on a busy machine, short of ctest's own timeout.
constexpr int watchdog_ms = 30000;

// Shows `w` modally with `act` applied once it is up; a watchdog closes it if
// the action does not, so a fault fails the test instead of hanging it.
inline int run_modal(ui::Window& w, std::function<void(ui::Window&)> act) {
    bool acted = false;
    ui::set_next_modal_hook([&acted, act](ui::Window& shown) {
        acted = true;
        act(shown);
    });
    // The watchdog ends with this show: a window shown again later is not
    // closed by an earlier show's timer.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &w, [&w] {
        if (w.isVisible()) {
            ADD_FAILURE() << "modal window left open";
            w.close();
        }
    });
    watchdog.start(watchdog_ms);
    const int r = w.show_modal();
    watchdog.stop();
    ui::set_next_modal_hook(nullptr);
    EXPECT_TRUE(acted);
    return r;
}

inline std::string output_path(const std::string& name) {
    return std::string(TEST_OUTPUT_DIR) + "/" + name;
}

} // namespace testsupport
