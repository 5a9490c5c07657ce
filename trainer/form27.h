#pragma once
// The comment window: one box with the learner's comment on an item. The
// caller puts the comment in tekst_komentarza and reads it back afterwards;
// OK stores what was typed, Esc and its close button leave it unchanged.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

// The comment handed to the window and back (8-bit, "=" as typed).
extern std::string tekst_komentarza;

class TForm27 : public ui::Window {
    Q_OBJECT

  public:
    TForm27();

    ui::Image Image1;
    ui::Edit Edit1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick() { close(); }

  protected:
    void OnShow() override;
};
