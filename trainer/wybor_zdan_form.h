#pragma once
// The lesson and exercise chooser: the sections on the left, the exercises of
// the chosen section with their results on the right, or per section how much
// of its group is in repetition or known. Starting an exercise loads its items
// and opens the exercise-type chooser. The main window shows it without
// waiting for it.
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/scrolling_text.h"
#include "platform/ui/window.h"
#include "shared/fcs_image1.h"
#include "shared/transparent_button.h"
#include "trainer/shape.h"
#include "trainer_logic/chooser_lists.h"
#include "trainer_logic/list_scroll.h"

// The chooser's view: 1 exercises, 2 results by exercise, 3 results by group.
extern int tryb_wyboru;

class TWyborZdanForm : public ui::Window {
    Q_OBJECT

  public:
    TWyborZdanForm();

    ui::Image img_tlo;
    // The view tabs of the result views, Shape1 framing the active one.
    ui::Image btn_wyniki;
    ui::Image btnWyniki_powtorek;
    ui::Image k_wynik_powt_2;
    TShape Shape1;
    ui::Image btn_cwicz; // hidden: its click opens the exercises view
    ui::PaintBox pb_dzialy2;
    ui::PaintBox pb_paczki;
    TShape Shape2;    // highlighted section; Tag = its screen row
    TShape Shape3;    // highlighted exercise; Tag = its screen row
    TShape shp_focus; // Tag 1: the sections have the keys, 2: the exercises
    TFCSImage1 L_btn_up;
    TFCSImage1 L_btn_dn;
    TFCSImage1 btn_up;
    TFCSImage1 btn_dn;
    ui::Label L_Stat;
    ui::ScrollingText lbl_info; // the results: whole lines, scrolled when they do not fit
    ui::Image k_usun;
    TTransparentButton B_OK;
    TTransparentButton B_Zamknij;
    // Pictures the lists are painted with.
    ui::Image poz_1, poz_2, poz_3;
    ui::Image rob_yes, rob_no;
    ui::Image cw_slowka, cw_zdania, cw_usera;
    ui::Image img_progress, img_progress_back;

    // From the main window: shows the window, reloads the statistics and
    // opens the view tryb_wyboru asks for. The generator shows it modally.
    void pokaz_widok(bool modalnie = false);

    void btn_cwiczClick();
    void btn_wynikiClick();
    void btnWyniki_powtorekClick();
    void k_wynik_powt_2Click();
    // A press on screen row `wiersz` of a list.
    void Wybierz_dzial(int wiersz);
    void Wybierz_paczke(int wiersz);
    void B_OKClick();
    void B_ZamknijClick();
    void k_usunClick();
    void L_btn_upClick();
    void L_btn_dnClick();
    void btn_upClick();
    void btn_dnClick();
    // Rebuilds and sorts the exercises of the highlighted section.
    void Odswiez_liste();
    // Back from a run: the highlighted section and exercise are selected
    // again, so the results shown are current.
    void FormActivate();

    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

    const std::vector<TDzial>& dzialy() const { return dzialy_; }
    const std::vector<TPaczka>& paczki() const { return paczki_; }
    const TPrzewijanaLista& lista_dzialow() const { return lista_dzialow_; }
    const TPrzewijanaLista& lista_paczek() const { return lista_paczek_; }
    // The user exercise k_usun deletes.
    const std::string& cwiczenie_do_usuniecia() const { return nazwa_usera_; }

  protected:
    void OnActivate() override;
    void OnClose() override;

  private:
    enum class Widok { cwiczenia, grupy_w_powtorce, grupy_umiesz };
    // The exercises view (no tab) or a result view with its tab framed.
    void otworz_widok(Widok w, ui::Image* zakladka);
    void zbuduj_dzialy(Widok w);
    void zbuduj_paczki();
    void zaznacz_zakladke(ui::Image* zakladka);
    void uloz_zaznaczenia();
    void przewin(TPrzewijanaLista& lista, bool w_dol);
    void maluj_dzialy(ui::Canvas& c);
    void maluj_paczki(ui::Canvas& c);
    void pasek(ui::Canvas& c, int x, int y, int procent);
    void kursor(ui::PaintBox& pb, const TPrzewijanaLista& lista, int y);
    const TCwInfo* wiersz_paczki(int pozycja) const;
    void tlo(const char* plik);

    std::vector<TDzial> dzialy_;
    std::vector<TPaczka> paczki_;
    TPrzewijanaLista lista_dzialow_;
    TPrzewijanaLista lista_paczek_;
    std::string plik_tla_; // the background shown, empty once released
    std::string nazwa_usera_;
    std::string tytul_usera_;
};
