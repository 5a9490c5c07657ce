#pragma once
// The yes/no question box. The caller sets Label1's caption, shows it modally
// and reads tak_pytanie. Every way out sets the flag: yes (B_OK, or Enter
// while B_OK is visible) 1; no (B_Zamknij, Esc, closing the window, or
// any other end of the modal show) 0.
#include <cstdint>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

extern uint8_t tak_pytanie; // 1 = yes

class TForm29 : public ui::Window {
    Q_OBJECT

  public:
    TForm29();

    ui::Image Image1;
    ui::Label Label1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick();
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnClose() override;
};
