#pragma once
// The settings window: the learner's settings (exercises that set the
// repetition, intensity, intervals, interludes, the repeat mode of each
// exercise type) and, in its lower part shown on demand, the backups of the
// repetition store with their restore and the import from the earlier
// edition. A type's repeat mode changes at once, even when the window is then
// closed without OK; everything else is stored by OK alone. Closed with OK
// while enlarged, it shows enlarged the next time; the close button and Esc
// fold it back.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"
#include "trainer_logic/settings_values.h"

class TForm12 : public ui::Window {
    Q_OBJECT

  public:
    TForm12();

    ui::Image Image1;
    ui::Label L_wyznacz, L_slowka, L_zdania, L_tryb, L_czestosc, L_umiesz, L_juz_umiem;
    ui::ComboBox CB_Cw_Wyznacz;
    ui::ComboBox CB_Cw_Wyznacz_Zd;
    ui::ComboBox CB_Tryb_Nauki;
    ui::ComboBox CB_Czestosc_powtorek;
    ui::Edit E_P_Powt_inter_umiesz;
    ui::Edit E_P_Powt_juz_Umiem;
    ui::CheckBox CB_Czy_statystyka;
    ui::Label Label6;
    ui::CheckBox CB_Czy_zdania;
    ui::Label Label9;
    ui::CheckBox CB_Intens_1;
    ui::Label Label13;
    ui::Label L_przerywniki;
    ui::CheckListBox LB1;
    ui::CheckBox CB_Bonus_koniec;
    ui::Label Label15;
    ui::Label L_typ;
    ui::ListBox CB_Typ;
    ui::Label Label3;
    ui::ComboBox CB_Cw;
    ui::Image k_opcje_wiecej;
    ui::Image L_czarny_pasek;
    TTransparentButton B_Ok;
    TTransparentButton B_Zamknij;
    ui::Label L_Kat_usera;
    ui::Label L_kopie;
    ui::ListBox ListBox1;
    ui::Image K_import_kopia1;
    ui::Image K_import;

    void B_OkClick();
    void B_ZamknijClick();
    void k_opcje_wiecejClick();
    void ListBox1Click();
    void K_import_kopia1Click();
    void K_importClick();
    void CB_TypClick();
    void CB_CwChange();
    void Wypelnij_typy();

    // The backups listed, and the file of the one clicked last.
    const std::vector<KopiaPowtorek>& kopie() const { return kopie_; }
    const std::string& wybrana_kopia() const { return wybrana_kopia_; }

  protected:
    void OnShow() override;

  private:
    // The window's parts, set up by the constructor.
    void uloz_nauke();
    void uloz_opcje();
    void uloz_kopie();
    WartosciUstawien wartosci(); // the controls' values
    void zwin();

    std::vector<KopiaPowtorek> kopie_;
    std::string wybrana_kopia_;
};
