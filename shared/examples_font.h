#pragma once
// The examples window's font, "Arial CE" of 10 points, and the widths of its
// words in each style and character set, kept once measured (every repaint
// lays the text out).
#include <QFontMetrics>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/ui/canvas.h"
#include "shared/examples_text.h"

class TMiaraPrzykladow : public przyklady::Miara {
  public:
    static ui::Font czcionka(bool bold, bool italic, int charset = 238);
    int szerokosc(const std::string& tekst, bool bold, bool italic, int charset) override;

  private:
    std::array<std::optional<QFontMetrics>, 4> metryki_; // by style
    // Known widths by style and set (the Polish one, the western one).
    std::array<std::unordered_map<std::string, int>, 8> znane_;
};
