#pragma once
// The base of the two yes/no boxes (TForm29, TForm24): a background, a yes
// button B_OK and a no button B_Zamknij. The answer goes to the box's flag
// on every way out: 1 only from B_OK; B_Zamknij, Esc, closing the window and
// any other end of the modal show give 0.
#include <cstdint>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/look.h"
#include "shared/transparent_button.h"

class TOknoTakNie : public ui::Window {
    Q_OBJECT

  public:
    TOknoTakNie(look::Size rozmiar, const std::string& tlo, uint8_t& tak, const look::Rect& ok,
                const look::Rect& zamknij);

    ui::Image Image1;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick();

  protected:
    void OnClose() override;

  private:
    uint8_t& tak_;
};
