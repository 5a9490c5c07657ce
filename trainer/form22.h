#pragma once
// The black full-screen backdrop behind the trainer's windows.
#include "platform/ui/window.h"

class TForm22 : public ui::Window {
    Q_OBJECT

  public:
    TForm22();
    // Covers the whole screen and stays behind the other windows.
    void pokaz();

  protected:
    void OnShow() override;
};
