#pragma once
// Runs the events until a program's main window closes. The main window is
// not modal, so the windows it shows without waiting take input beside it; a
// window the window system minimises (and so hides) does not end the loop.
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QWidget>

class DoZamkniecia : public QObject {
  public:
    explicit DoZamkniecia(QWidget& okno) : okno_(okno) { okno_.installEventFilter(this); }
    ~DoZamkniecia() override { okno_.removeEventFilter(this); }
    // True when the window was closed (not only hidden) before the loop ended.
    bool exec() {
        if (okno_.isVisible()) petla_.exec();
        return zamkniete_;
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != &okno_) return false;
        if (e->type() == QEvent::Close) zamkniete_ = true;
        if (e->type() == QEvent::Hide && !e->spontaneous()) petla_.exit(0);
        return false;
    }

  private:
    QWidget& okno_;
    QEventLoop petla_;
    bool zamkniete_ = false;
};
