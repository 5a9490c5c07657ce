#pragma once
// "Powtórki": how many items are due today, how many to repeat now, and the
// start of a repetition run; the overview of the days ahead opens from here.
// Closing it saves the repetition store.
#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TForm11 : public ui::Window {
    Q_OBJECT

  public:
    TForm11();

    ui::Image Image1;
    ui::Label Label1;  // "Powtórki na dzień: ..."
    ui::Label L_Ile;   // "Do powtórzenia: ..."
    ui::Label L_Ile_teraz;
    ui::ComboBox CB_Ile_teraz;
    ui::Label L_Ile_teraz2; // the line's end after the drop-down
    TTransparentButton K_Statystyka;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    // Counts the items due today and fills the run's list with them.
    void Policz_powtorki();
    void B_OKClick();
    void B_ZamknijClick() { close(); }
    void K_StatystykaClick();

    int ile_na_dzis() const { return ile_; }

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    int ile_ = 0;
};
