#pragma once
// The examples window of both programs: the example sentences of a word in a
// text box with its own small tag set (TTekstPrzykladow lays it out), sound
// icons that play a sentence's recording when clicked, scrolled by whole
// lines. The caller puts the text in the hidden Label1 and shows the window
// modally. In the trainer Up and Down scroll and Space plays the visible
// icons one after the other; the dictionary's window takes only Esc and Enter.
#include <QImage>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/examples_font.h"
#include "shared/examples_text.h"
#include "shared/transparent_button.h"

class TInformacjaForm : public ui::Window {
    Q_OBJECT

  public:
    explicit TInformacjaForm(bool slownik = false);

    ui::Image Image2; // the background
    ui::PaintBox Pb1;
    ui::Label Label1; // hidden: the text to show
    ui::Label Label2;
    TTransparentButton B_OK;
    TTransparentButton btn_up;
    TTransparentButton btn_dn;
    ui::Image img_1; // the sound sign
    ui::Image img_2; // the second sign

    przyklady::TTekstPrzykladow& tekst() { return tekst_; }

    void B_OKClick();
    void btn_upClick();
    void btn_dnClick();
    void Pb1MouseMove(int x, int y);
    void Pb1Click();
    // Space: plays the next visible sound icon.
    void Odtworz_przyklad();
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnShow() override;

  private:
    void Rysuj_tekst(ui::Canvas& c);
    void przewin(bool w_dol);
    static void graj(int pozycja);

    bool slownik_;
    TMiaraPrzykladow miara_;
    przyklady::TTekstPrzykladow tekst_;
    QImage ikona_dzwieku_; // keyed
    QImage ikona_2_;
};

extern TInformacjaForm* InformacjaForm;
