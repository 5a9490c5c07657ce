#pragma once
// The picture interlude: a picture of the set that fired, scaled down to fit
// the screen and centred on it, over a dark ground covering the whole screen,
// with its caption at the foot. The set and row come from the rotation
// (stan_przerywnikow). A click on the picture or the ground, Esc or Enter close it.
#include <QRect>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"

class TForm16 : public ui::Window {
    Q_OBJECT

  public:
    TForm16();

    ui::Image Image1; // the ground
    ui::Image Image2; // the picture
    ui::Label L_Opis;

    // The picture file of the row shown; empty for a code too short to name one.
    const std::string& plik() const { return plik_; }
    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;

  protected:
    void OnShow() override;

  private:
    // The screen the learner works on: that of the active window, else the first.
    static QRect ekran();
    void zamknij();

    std::string plik_;
};
