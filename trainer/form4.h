#pragma once
// The exercise window (800 x 600): asks the questions of one exercise type
// over the run plan and shows the verdicts. The exercise engine it owns
// decides; the window turns the engine's screen into its controls and passes
// the learner's answers and keys to it.
#include <array>
#include <functional>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/bmp_transparent.h"
#include "shared/mimage.h"
#include "shared/mlabel.h"
#include "shared/transparent_button.h"
#include "trainer/exercise_engine.h"
#include "trainer/sentence_font.h"

class TForm4 : public ui::Window, private UslugiCwiczenia {
    Q_OBJECT

  public:
    TForm4();

    ui::Image Image1; // background
    ui::Image Image2; // strip "gfx_s\cw_pasek.bmp"
    TMLabel L_grupa_tem;
    TMImage Menu_Image;
    ui::Label L_Slowko;
    ui::PaintBox dxramka;
    ui::PaintBox DXRamka2;
    TMLabel L_Polecenie;
    std::array<TBmpTransparent*, 4> wyr{}; // Wyr1, Wyr2, wyr3, wyr4
    TBmpTransparent Wyr1, Wyr2, wyr3, wyr4;
    std::array<TMLabel*, 4> odp{}; // L_Odp1..L_Odp4
    TMLabel L_Odp1, L_Odp2, L_Odp3, L_Odp4;
    ui::Edit E_Wpisana;
    std::array<ui::Edit*, 3> wpis{}; // E_Wpis1..E_Wpis3
    ui::Edit E_Wpis1, E_Wpis2, E_Wpis3;
    ui::Label L_Poprawna;
    ui::Label L_Poprawna2;
    ui::Image Tlo_umiesz;
    TTransparentButton B_OK;
    TTransparentButton B_Sprawdz;
    TTransparentButton B_Umiesz;
    TTransparentButton B_Nie_umiesz;
    TTransparentButton TransparentButton1;
    TMLabel K_Zaakceptuj;
    ui::Image L_kom_panel;
    ui::Label L_Kom;
    TMLabel L_przyklady;
    ui::Label L_Stat1, L_Stat2, L_Stat3;
    ui::Image I_powtorki;
    ui::Label L_Powtorki;
    ui::Label L_pokaz_id;

    // Correction mode (korekta_panel.cfg): the item's correction data.
    ui::Control<QWidget> Panel_Kor;
    ui::CheckBox CH_Kor_Tylko_zd, Ch_kor_dodac_zd, Ch_Kor_Wywalic, CH_Kor_Zmienic_gr;
    ui::Edit Edit_Kor, Edit_Kor_podp;
    ui::Label Label2;

    // Handlers.
    void Odp_Click(int n);
    void I_OKClick();
    void B_SprawdzClick();
    void B_UmieszClick();
    void B_Nie_umieszClick();
    void K_ZaakceptujClick();
    void Graj();
    void L_PolecenieClick();
    void Menu_ImageClick();
    void L_SlownikClick();
    // Shows a new background picture.
    void Losuj_tlo();

    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

    const SilnikCwiczenia& silnik() const { return silnik_; }

    // Shows an interlude between questions and at the end of an exercise (the
    // interlude windows set it; until then nothing shows).
    static void ustaw_przerywnik(std::function<void()> pokaz);
    // The examples of a word found for the examples link (set by the examples'
    // owner; until then no link shows).
    static void ustaw_przyklady(std::function<int(int slowko)> ile);

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    // UslugiCwiczenia
    void graj(const std::string& plik, bool czekaj) override;
    void informacja(const std::string& tekst) override;
    void zamknij() override;
    void przerywnik() override;
    int ile_przykladow(int slowko) override;
    void koniec_pytania() override;
    void nowe_pytanie() override;

    // Runs one step of the engine and shows its result. (While a step waits
    // for a sound, the window's input gate drops further clicks and keys.)
    void krok(const std::function<void()>& co);
    void pokaz_ekran();
    void rysuj_ramke(ui::Canvas& c);
    void rysuj_luki(ui::Canvas& c);
    std::array<std::string, 3> luki() const;
    bool pole_wpisywania() const;
    void zapisz_korekte();

    MiernikCzcionki miernik_;
    SilnikCwiczenia silnik_;
    bool nowe_pytanie_ = false;
    bool korekta_wypelniona_ = false;
    int slowko_korekty_ = 0;
};

extern TForm4* Form4;
