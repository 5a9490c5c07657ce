#pragma once
// Fits a message box (TForm20, TForm29) to its label's text each time the
// caption changes: a text that fits leaves the box as drawn; a longer one makes
// it taller, its background stretched in plain bands above and below the icon
// and the buttons, which stay centred on the new height. Past the highest box
// (the screen's height less a margin) the text shows in a read-only field that
// scrolls, so all of it can be read. The window centres itself when shown.
#include <string>
#include <utility>
#include <vector>

#include <QImage>

#include "platform/ui/controls.h"
#include "shared/look.h"
#include "shared/uklad_komunikatu.h"

namespace ui {
class Window;
}

// The box's background made `wysokosc` high: rows [0, gora) and [dol, end)
// as drawn, the rows between moved down by half the extra height, and the
// gaps filled with the rows at `gora` and `dol` repeated. The background's own
// height and lower ask for no change.
QImage wyzsze_tlo(const QImage& tlo, int wysokosc, int gora, int dol);

// The height of the label's text wrapped at `szerokosc`, as the label draws it.
int wysokosc_tekstu(const ui::Label& label, int szerokosc);

// The highest a message box may grow: the screen's free height less a margin.
int najwyzszy_komunikat(int wlasna_wysokosc);

class DopasowanieKomunikatu {
  public:
    DopasowanieKomunikatu(ui::Window& okno, ui::Image& tlo, std::string plik_tla, look::Size rozmiar,
                          ui::Label& tekst, look::Rect obszar,
                          std::vector<std::pair<QWidget*, look::Rect>> przyciski);

    // Lays the box out for the label's current caption.
    void dopasuj();
    const UkladKomunikatu& uklad() const { return uklad_; }
    // The scrolling field a text too long for the highest box shows in.
    ui::Memo& pole() { return pole_; }

  private:
    ui::Window& okno_;
    ui::Image& tlo_;
    std::string plik_tla_;
    look::Size rozmiar_;
    ui::Label& tekst_;
    look::Rect obszar_;
    std::vector<std::pair<QWidget*, look::Rect>> przyciski_;
    ui::Memo pole_;
    UkladKomunikatu uklad_;
};
