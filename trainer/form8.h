#pragma once
// The exercise-type chooser: lists the exercise types the run plan has work
// in, with their counts, and runs the exercise window for the chosen one. It
// closes itself with "Koniec!" when no type has work left.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/drawn_list.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"
#include "trainer_logic/scheduler.h"

class TForm8 : public ui::Window {
    Q_OBJECT

  public:
    TForm8();

    ui::Image Image1;
    ui::DrawnList ListBox1;
    ui::CheckBox CB_Bez_powtorki;
    ui::Label Label1;
    ui::CheckBox CB_Info_po_cwicz;
    ui::Label Label2;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    // Rebuilds the list from the plan; the exercise window calls it after
    // every run.
    void Ustaw_cw();
    void K_OKClick();
    void ListBox1DblClick() { K_OKClick(); }
    void K_KoniecClick();
    void K_Next_CwClick() { Ustaw_cw(); }
    void K_Od_poczatkuClick() { Ustaw_cw(); }

    // The rows of ListBox1 ("Dyktando (12)") and the exercise type of each.
    const std::vector<std::string>& wiersze() const { return wiersze_; }
    const std::vector<int>& typy_wierszy() const { return typy_wierszy_; }

  protected:
    void OnShow() override;
    void OnActivate() override;
    // Schedules the repetitions of the run (unless "Nie wyznaczaj powtórek"
    // is ticked in a lesson run), shows the word list and saves the store.
    void OnClose() override;

  private:
    void rysuj_wiersz(ui::Canvas& c, int i, const QRect& r, ui::DrawnList::State s);
    void zakoncz_sesje();

    TStanRekordow przed_sesja_;

    std::vector<std::string> wiersze_;
    std::vector<int> typy_wierszy_;
};
