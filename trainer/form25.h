#pragma once
// The statistics box after an exercise: correct and wrong answers, the
// result and how many of the items were done. When not all were, the learner
// may go back to the exercise instead of ending it.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"
#include "trainer_logic/run_result.h"

class TForm25 : public ui::Window {
    Q_OBJECT

  public:
    TForm25();

    ui::Image Image1;
    ui::Label L_Stat0, l_Stat1, L_Stat2, L_Stat3, L_stat4;
    TTransparentButton B_OK;
    TTransparentButton K_wroc;

    // Shows the figures of `w` modally; true when the learner chose to go
    // back to the exercise. That is offered when not every item was done and
    // the exercise still has questions (`zostalo`).
    bool pokaz(const TWynikCwiczenia& w, bool zostalo = true);
    bool powrot() const { return powrot_; }

    void K_wrocClick();
    void B_OKClick() { close(); }

  protected:
    void OnShow() override;

  private:
    TWynikCwiczenia wynik_;
    bool zostalo_ = true;
    bool powrot_ = false;
};
