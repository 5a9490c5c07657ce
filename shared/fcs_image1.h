#pragma once
// An image that repeats its click while a mouse button is held on it: the
// first repeat after InitRepeatpause, then every Repeatpause milliseconds, and
// the ordinary click on release over it. A quick second press is a press, not
// a double click. The repeating stops when the button is released, and also
// when the control is hidden or disabled or its window loses the mouse to
// another window (a modal box, a popup, deactivation).
#include <memory>

#include "platform/ui/controls.h"
#include "platform/ui/timer.h"

class TFCSImage1 : public ui::Hoverable<ui::Image> {
  public:
    explicit TFCSImage1(QWidget* parent);
    ~TFCSImage1() override;

    int Repeatpause = 75;
    int InitRepeatpause = 250;

    // The repeat timer; nullptr before the first press.
    ui::Timer* RepeatTimer() const { return timer_.get(); }
    bool Repeating() const { return timer_ && timer_->Enabled(); }

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void repeat_step();
    void stop();
    bool lost_mouse() const;

    std::unique_ptr<ui::Timer> timer_;
};
