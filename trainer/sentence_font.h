#pragma once
// The exercise window's frame font (the edition font at 14 points) and the
// measurer the sentence layouts use with it. Widths are kept once measured.
#include <QFontMetrics>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/ui/canvas.h"
#include "trainer_logic/sentence_layout.h"

// The frames' font in a character set, in the given colour (0xAARRGGBB).
ui::Font czcionka_ramki(int charset, QRgb kolor = 0xFF000000u);

class MiernikCzcionki : public MiernikTekstu {
  public:
    int szerokosc(const std::string& tekst, int charset) const override;
    int wysokosc(int charset) const override;
    RozmiaryRamek rozmiary() const override; // the exercise window's frames

  private:
    struct Zestaw {
        std::optional<QFontMetrics> metryki;
        std::unordered_map<std::string, int> znane;
    };
    Zestaw& zestaw(int charset) const;
    mutable Zestaw zachodni_, srodkowy_;
};
