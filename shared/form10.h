#pragma once
// The new-user window: a name, checked against the list, becomes a new user.
// Enter confirms while OK shows, Esc leaves, F1 opens the help page on
// logging in.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm10 : public ui::Window {
    Q_OBJECT

  public:
    TForm10();

    ui::Image Image1;
    ui::Label Label1;
    ui::Edit Edit1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void Edit1Change();

  protected:
    void OnShow() override;
};

extern TForm10* Form10;
