#pragma once
// The leave-the-program box: its picture carries the question. The caller
// shows it modally and reads tak_obrazek: 1 only from B_OK; B_Zamknij, Esc,
// closing the window and any other end of the modal show answer 0. Enter does nothing.
#include <cstdint>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

extern uint8_t tak_obrazek; // 1 = yes

class TForm24 : public ui::Window {
    Q_OBJECT

  public:
    TForm24();

    ui::Image Image1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick();
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnClose() override;
};
