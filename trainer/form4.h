#pragma once
// The exercise window (800 x 600): asks the questions of one exercise type
// over the run plan and shows the verdicts. The exercise engine it owns
// decides; the window turns the engine's screen into its controls and passes
// the learner's answers and keys to it.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"
#include "shared/bmp_transparent.h"
#include "shared/fcs_image1.h"
#include "shared/mimage.h"
#include "shared/mlabel.h"
#include "shared/transparent_button.h"
#include "trainer/sentence_font.h"
#include "trainer_logic/exercise_engine.h"
#include "trainer_logic/recording.h"

class TForm4 : public ui::Window, private UslugiCwiczenia, private UslugiNagrywania {
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

    // The microphone (hold to record), its three pictures (hidden holders:
    // idle, recording, hover), the replay of the learner's recording and the
    // recording's time limit.
    TFCSImage1 K_nagraj;
    ui::Image K_nag_a, K_nag_b, k_nag_c;
    TTransparentButton k_play_nagrane;
    ui::Timer Timer1;

    // The item menu: its button and the panel of actions on the item.
    TMImage K_menu;
    ui::Image Panel_menu;
    TMLabel K_zapomnij, K_Do_kosza, K_umiem, k_dodaj_komentarz, L_Parametry, L_Slownik;

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
    // The record buttons: each asks first, then acts on the item and moves on.
    void K_ZapomnijClick();
    void K_Do_KoszaClick();
    void K_umiemClick();
    void K_Dodaj_KomentarzClick();
    void L_ParametryClick();
    void Pokaz_przyklady();
    // The learner's last answer in the pop-up.
    void Pokaz_odpowiedz();
    void K_nagrajMouseDown();
    void K_nagrajMouseUp();
    void Timer1Timer();
    void k_play_nagraneClick();
    // Shows a new background picture.
    void Losuj_tlo();

    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

    const SilnikCwiczenia& silnik() const { return silnik_; }
    const TNagrywanie& nagrywanie() const { return nagrywanie_; }

    // Shows an interlude between questions and at the end of an exercise (the
    // interlude windows set it; until then nothing shows).
    static void ustaw_przerywnik(std::function<void()> pokaz);

  protected:
    void OnShow() override;
    // Ends the run: the interlude due at the end, the result recorded, the
    // statistics box, in which the learner may choose to go back (the window
    // then stays open).
    bool OnCloseQuery() override;
    void OnClose() override;

  private:
    // The window's parts, set up by the constructor in this order.
    void uloz_pasek();
    void uloz_pytanie();
    void uloz_przyciski();
    void uloz_liczniki();
    void uloz_panel_korekty();
    void uloz_nagrywanie();
    void uloz_menu();
    // UslugiCwiczenia (graj and informacja serve the recording too)
    void graj(const std::string& plik, bool czekaj) override;
    void informacja(const std::string& tekst) override;
    void zamknij() override;
    void przerywnik() override;
    int ile_przykladow(int slowko) override;
    void koniec_pytania() override;
    void nowe_pytanie() override;
    // Applies the engine's screen to the controls.
    void pokaz_ekran() override;

    // UslugiNagrywania
    void nagrywaj() override;
    bool nagrywa() const override;
    void zatrzymaj() override;
    void czekaj(int ms) override;
    int dlugosc_ms(const std::string& plik) override;
    void obrazek_mikrofonu(Obrazek o) override;
    void mikrofon_dostepny(bool tak) override;
    void pokaz_odtworz(bool tak) override;
    void limit(bool wlaczony) override;
    std::string wzor() override;
    std::string plik_nagrania() override;

    // Asks the record button's question; true on yes.
    bool potwierdz(AkcjaRekordu a);
    void akcja_rekordu(AkcjaRekordu a);
    // The run's end: false when the learner went back to the exercise.
    bool zakoncz_cwiczenie(bool z_oknami);
    void pokaz_menu(bool tak);

    // Runs one step of the engine and shows its result. (While a step waits
    // for a sound, the window's input gate drops further clicks and keys.)
    void krok(const std::function<void()>& co);
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
    TNagrywanie nagrywanie_{*this};
    bool zakonczone_ = false; // the run's end was gone through for this show
    // The examples of the word on screen.
    int slowko_przykladow_ = 0;
    std::vector<int> przyklady_;
};

extern TForm4* Form4;
