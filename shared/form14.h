#pragma once
// The progress window: a smooth bar 0..100 filling the window, with the
// window caption saying what is going on. Shown modelessly, on top, without
// taking the focus.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"

class TForm14 : public ui::Window {
    Q_OBJECT

  public:
    TForm14();

    ui::ProgressBar Progress;
};
