#pragma once
// For a test that runs a whole program in-process: a window still open after
// `ms` fails the test and is closed, so a fault cannot hang it. Each turn
// closes one window, from a call of its own: a close that opens a box must
// not stop the guard's next turn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace testsupport {

class WindowGuard {
  public:
    // `main_window` gives the program's main window (null when there is none).
    WindowGuard(int ms, std::function<QWidget*()> main_window) {
        QObject::connect(&timer_, &QTimer::timeout, [main_window] {
            ADD_FAILURE() << "a window was left open";
            QTimer::singleShot(0, [main_window] {
                if (QWidget* w = QApplication::activeModalWidget())
                    w->close();
                else if (QWidget* w = main_window())
                    w->close();
            });
        });
        timer_.start(ms);
    }

  private:
    QTimer timer_;
};

} // namespace testsupport
