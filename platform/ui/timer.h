#pragma once
// A timer on the user-interface thread with the interval and enabled switch
// the windows use. Changing the interval of a running timer restarts it.
// Disabled at first (a timer with nothing to do would only wake the loop).
#include <QObject>
#include <QTimer>
#include <functional>

namespace ui {

class Timer {
  public:
    Timer();

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    std::function<void()> OnTimer;

    // One tick now, as the running timer would do it (tests call it directly).
    void tick();

  private:
    void restart();

    QTimer timer_;
    int interval_ = 1000;
    bool enabled_ = false;
};

} // namespace ui
