#pragma once
// The own-exercise generator: a grid over every item of the store (all,
// filtered or searched), the exercise being built (at most 300 items), and
// the actions on it (learn, save, load, copy to the clipboard), with the
// learner's own words added, edited, deleted and commented from here. Closing
// writes sbusr.txt and kom_user.txt when they changed.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/grid.h"
#include "platform/ui/window.h"
#include "trainer/form27.h"
#include "trainer/shape.h"
#include "trainer_logic/generator.h"

class TForm2 : public ui::Window {
    Q_OBJECT

  public:
    TForm2();

    ui::Image Image1;
    ui::Image K_wszystkie, K_filtr, k_szukaj;
    TShape Shape2;
    ui::Label L_Filtr_tytul, L_Filtr_opis;
    ui::Label L_Filtr_poziom, L_Filtr_rodzaj, L_Filtr_uczone; // the other combos' captions
    ui::ComboBox CB_Gr_Tem, CB_Poziom, CB_Rodzaj, CB_Uczone;
    ui::Image K_Pokaz_slowka;
    ui::Grid Grid1;
    ui::Label L_Ile_wybrano;
    ui::Label L_Opis;
    ui::Image K_Nowe_Slowko, K_Edycja, K_Usun_Slowko, K_Kom_Usera;
    ui::Image K_przenies;
    ui::Label Label4, L_Ile_cw;
    ui::ListBox ListBox1;
    ui::Image k_usun, K_usun_all, K_Zapisz_cw, K_Nauka, K_do_schowka, K_wczytaj;
    ui::Label L_Koniec;

    // The items in the grid and the exercise being built.
    const std::vector<int>& znalezione() const { return znalezione_; }
    const generator::ListaCwiczenia& cwiczenie() const { return cwiczenie_; }
    bool zmieniono_slowa() const { return zmieniono_slowa_; }

    void K_wszystkieClick();
    void K_filtrClick();
    void k_szukajClick();
    void Grid1Click();
    void K_przeniesClick();
    void k_usunClick();
    void K_usun_allClick();
    void K_NaukaClick();
    void K_Zapisz_cwClick();
    void K_wczytajClick();
    void K_do_schowkaClick();
    void K_Nowe_SlowkoClick();
    void K_EdycjaClick();
    void K_Usun_SlowkoClick();
    void K_Kom_UseraClick();
    void L_KoniecClick();
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    // The window's parts, set up by the constructor.
    void uloz_filtr();
    void uloz_siatke();
    void uloz_przyciski();
    void uloz_cwiczenie();
    void zaznacz_zakladke(ui::Image& z);
    void pokaz_filtr(bool on);
    void pokaz_znalezione();
    // Runs the current view again (after an own word changed).
    void odswiez_widok();
    void pokaz_cwiczenie();
    // The items of the selected rows, top to bottom (none with nothing found).
    std::vector<int> zaznaczone() const;
    int pierwsze_zaznaczone() const;

    std::vector<int> znalezione_;
    generator::ListaCwiczenia cwiczenie_;
    std::vector<int> numery_grup_; // filter combo entry k >= 1 -> group number
    std::string szukany_;
    int znaki_szukanego_ = 238; // szukany_'s character set
    // The search text in the foreign and the Polish set (empty: not searched).
    std::string szukany_obcy_, szukany_polski_;
    enum class Widok { wszystkie, filtr, szukane } widok_ = Widok::wszystkie;
    generator::Filtr filtr_;
    generator::Szukanie opcje_;
    bool zmieniono_slowa_ = false;
};
