#pragma once
// The trainer's main menu window (800 x 600): seven image buttons that open
// the program's functions, clickable labels, and the blinking indicator of
// repetitions due today.
#include <functional>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"
#include "shared/look.h"
#include "shared/mimage.h"
#include "shared/mlabel.h"
#include "shared/transparent_button.h"

// Set by the own-exercise generator when a run starts from it.
extern bool z_generatora;

class TForm1 : public ui::Window {
    Q_OBJECT

  public:
    // Runs the start-up of the data routines first.
    TForm1();

    ui::Image Image1;
    TTransparentButton btn_powtorki;
    TTransparentButton btn_cwiczenia;
    TTransparentButton btn_wyniki;
    TTransparentButton btn_generator;
    TTransparentButton btn_ustawienia;
    TTransparentButton btn_pomoc;
    TTransparentButton btn_serwisy;
    TMImage Powtorki_tlo2;
    TMLabel L_napis_logo;
    TMLabel L_napis_vidavidoda;
    TMLabel L_Koniec;
    ui::Timer Timer1;

    void btn_powtorkiClick();
    void btn_cwiczeniaClick();
    void btn_wynikiClick();
    void btn_generatorClick();
    void btn_ustawieniaClick();
    void btn_pomocClick();
    void btn_serwisyClick();
    void L_napis_vidavidodaClick();
    void L_napis_logoClick();
    void L_KoniecClick();
    void Timer1Timer();

    // Counts the repetitions due today and blinks the indicator when any are.
    void czy_powtorki();
    int ile_do_powtorki() const { return do_powtorki_; }

    // How btn_serwisy opens the project's page (tests replace it); false when
    // nothing could open it, and the learner is then told the page's path. An
    // empty function puts back the desktop's opener.
    static void ustaw_otwieracz(std::function<bool(const std::string& path)> otworz);
    // The page btn_serwisy opens: serwisy.html in the program folder.
    static std::string strona_serwisow();

  protected:
    void OnShow() override;
    void OnActivate() override;
    void OnClose() override;

  private:
    void przycisk_menu(TTransparentButton& b, const look::Rect& r, void (TForm1::*klik)());
    void etykieta(TMLabel& l, const look::Rect& r, const std::string& tekst,
                  void (TForm1::*klik)());

    bool pierwsza_aktywacja_ = true;
    int do_powtorki_ = 0;
};
