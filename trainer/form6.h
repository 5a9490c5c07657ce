#pragma once
// The answer pop-up: the learner's last answer, in the edition's font, over
// the exercise window. Esc, Enter, its button or a click elsewhere close it.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm6 : public ui::Window {
    Q_OBJECT

  public:
    TForm6();

    ui::Image Image1;
    ui::Label L_Odp; // the caller puts the answer here
    TTransparentButton B_Zamknij;

    void B_ZamknijClick() { close(); }

  protected:
    void changeEvent(QEvent* e) override;
};
