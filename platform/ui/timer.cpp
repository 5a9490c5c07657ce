#include "platform/ui/timer.h"

namespace ui {

Timer::Timer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void Timer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    restart();
}

void Timer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    restart();
}

void Timer::restart() {
    timer_.stop();
    if (enabled_ && interval_ > 0) timer_.start(interval_);
}

void Timer::tick() {
    if (OnTimer) OnTimer();
}

} // namespace ui
