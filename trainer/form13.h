#pragma once
// The word editor: a new own word, or one of the learner's own words edited.
// The generator hands the item index in edytowane_slowko (below 1: a new
// word) and finds there afterwards the index to add to the exercise, or 0.
// OK shows only while the foreign and the Polish text hold more than blanks.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

extern int edytowane_slowko;

class TForm13 : public ui::Window {
    Q_OBJECT

  public:
    TForm13();

    ui::Image Image1;
    ui::Label Label1; // "Grupa tematyczna:"
    ui::ComboBox CB_Gr_Tem;
    ui::Label Label3; // "Poziom:"
    ui::ComboBox CB_Poziom;
    ui::Label Label4; // "Typ:"
    ui::ComboBox CB_Rodzaj;
    ui::Label Label2; // the foreign language's word
    ui::Edit E_Ang;
    ui::Label Label5; // "Słówko polskie:"
    ui::Edit E_Pol;
    ui::Label L_l_mnoga;
    ui::Edit E_L_Mnoga;
    ui::Label Label6; // "Synonimy:"
    ui::Edit E_Synonimy;
    ui::Label Label8; // "Komentarz:"
    ui::Edit E_Komentarz;
    ui::Image K_Nagranie;
    ui::CheckBox CB_dodaj_do_cw;
    ui::Label Label7;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;

    void B_OKClick();
    void B_ZamknijClick();
    void K_NagranieClick();
    // OK follows the texts after every edit.
    void TekstyChange();

  protected:
    void OnShow() override;

  private:
    bool nowe() const { return edytowane_slowko < 1; }
    std::vector<int> numery_grup_;
};
