#pragma once
// The dictionary program's window: the words of a group ten rows at a time,
// the search, a word's recording and example sentences, and the hand-off of
// the selected word to a learner's slow.txt. Borderless, moved by its title
// (Label1). It answers the trainer's caption signal by coming to the front.
#include <QPoint>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/learner_file.h"
#include "dictionary/word_list.h"
#include "platform/ui/controls.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"
#include "platform/ui/window_signal_listener.h"
#include "shared/form23.h"
#include "shared/my_image_list.h"
#include "shared/transparent_button.h"

class TFrmSlownik : public ui::Window {
    Q_OBJECT

  public:
    // Runs the dictionary's start-up and loads the store (FormCreate).
    TFrmSlownik();
    ~TFrmSlownik() override;

    ui::Image Image1;
    ui::Label Label1; // the drag handle over the title
    ui::Label L_Minim;
    ui::Label L_Close;
    ui::ComboBox CB_Gr_Tem;
    TTransparentButton K_Szukaj;
    TTransparentButton K_Do_Nauki;
    TTransparentButton K_Wszystkie;
    TTransparentButton k_zdania;
    ui::Label L_Ile_wybrano;
    ui::Label L_Opis;
    // Rows 1..10: L[j - 1] is Lj (foreign text), P[j - 1] is Pj (Polish).
    std::array<std::unique_ptr<ui::Label>, WIERSZY_SLOWNIKA> L, P;
    ui::ScrollBar Suwak;
    ui::Timer Timer1;

    // The search word about to be used (empty: ask for it), the word of the
    // last search, and the search options, which TForm23 fills.
    std::string szukane_slowo;
    std::string ostatnie_szukane;
    OpcjeSzukania opcje;
    int znaki_szukanego = 238; // the search word's character set

    const TListaSlownika& lista() const { return lista_; }
    const std::vector<int>& zdania_slownika() const { return zdania_; }
    // Group numbers beside CB_Gr_Tem's entries.
    const std::vector<int>& numery_grup() const { return numery_grup_; }

    void Listuj_grupe();
    void Odswiez();
    void Rysuj_wiersze();
    void SlowkoClick(int tag);
    void K_SzukajClick();
    void k_zdaniaClick();
    void K_WszystkieClick();
    void K_Do_NaukiClick();
    void CB_Gr_TemClick();
    void Timer1Timer();
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnShow() override;
    void OnClose() override;

  private:
    // The window's parts, set up by the constructor: the background with the
    // title strip (dragged like a title bar, minimise and close), the image
    // buttons, and the rows of the list.
    void uloz_pasek_tytulu();
    void uloz_przyciski();
    void uloz_wiersze();
    void graj(int i);
    void przeciagnij(Qt::MouseButton b, int x, int y);

    TMyImageList przyciski_; // the window's own strips
    TListaSlownika lista_;
    std::vector<int> zdania_;
    std::vector<int> numery_grup_;
    core::PlikUcznia plik_opcji_;
    ui::WindowSignalListener sygnal_;
    QPoint chwyt_;
    bool ciagniecie_ = false;
};

extern TFrmSlownik* FrmSlownik;
