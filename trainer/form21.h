#pragma once
// The repetition overview: how many repetitions fall on each of the next 600
// days, or the items in the bin, which can be taken out of repetition, put
// back into learning or into the bin. Changes stay in memory until the
// repetition window or a run saves the store.
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm21 : public ui::Window {
    Q_OBJECT

  public:
    TForm21();

    ui::Image Image1;
    ui::ComboBox CB_Filtr;
    ui::Label L_Ile_pow_all;
    ui::ListBox ListBox2;
    ui::Label L_Ile_pow_all2;
    ui::Label l_pow;
    TTransparentButton K_Zeruj;
    TTransparentButton K_Do_Kosza;
    TTransparentButton K_Do_Nauki;
    TTransparentButton K_Kasuj_pow;
    TTransparentButton B_OK;

    // Fills the list with the view CB_Filtr shows.
    void Pokaz_widok();
    void CB_FiltrChange() { Pokaz_widok(); }
    void ListBox2Click();
    void K_ZerujClick();
    void K_Do_KoszaClick();
    void K_Do_NaukiClick();
    void K_Kasuj_powClick();
    void B_OKClick() { close(); }

  protected:
    void OnShow() override;

  private:
    // The record of the selected line; 0 for none.
    int wybrany();
};
