#pragma once
// The information box: a message and one OK button. The caller sets Label1's
// caption and shows it modally. OK, Esc, or Enter while OK is visible close
// it; F1 opens the help window on top of it, at the page asked for last. A
// message longer than the box makes it taller (see DopasowanieKomunikatu).
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/dopasowanie_komunikatu.h"
#include "shared/transparent_button.h"

class TForm20 : public ui::Window {
    Q_OBJECT

  public:
    TForm20();

    ui::Image Image1;
    ui::Label Label1;
    TTransparentButton B_OK;

    void B_OKClick();

    DopasowanieKomunikatu Dopasowanie;
};
