#pragma once
// The saying interlude: a saying of the set that fired, its description, its
// translation behind a button, and its recording. The set and row come from
// the rotation (stan_przerywnikow).
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/mlabel.h"
#include "shared/transparent_button.h"

class TForm18 : public ui::Window {
    Q_OBJECT

  public:
    TForm18();

    ui::Image Image1;
    ui::Label L_Ang;
    ui::Label L_Opis;
    ui::Label L_Pol;
    TMLabel K_Tlum;
    TTransparentButton K_Graj;
    TMLabel L_Koniec;

    void K_TlumClick();
    void K_GrajClick();
    void L_KoniecClick();

    // The saying's recording on the disc; empty when the row has none.
    const std::string& nagranie() const { return nagranie_; }

  protected:
    void OnShow() override;

  private:
    std::string nagranie_;
};
