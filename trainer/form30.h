#pragma once
// The per-item exercise-type flags: the types the item can be practised in,
// each ticked when flagged. The flags decide which types a repetition run
// asks ("oznaczone"). OK stores the ticks; Esc and the close button do not.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm30 : public ui::Window {
    Q_OBJECT

  public:
    TForm30();

    ui::Image Image1;
    ui::CheckListBox ListBox1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    // The item whose flags are shown (set before showing).
    int slowko = 0;

    void B_OKClick();
    void B_ZamknijClick() { close(); }

  protected:
    void OnShow() override;
};
