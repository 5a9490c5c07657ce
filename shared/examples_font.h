#pragma once
// The examples window's font, "Arial CE" of 10 points, and the widths of its
// words in each style, kept once measured (every repaint lays the text out).
#include <QFontMetrics>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/ui/canvas.h"
#include "shared/examples_text.h"

class TMiaraPrzykladow : public przyklady::Miara {
  public:
    explicit TMiaraPrzykladow(int charset = 238);

    static ui::Font czcionka(bool bold, bool italic, int charset = 238);
    int szerokosc(const std::string& tekst, bool bold, bool italic) override;

  private:
    int charset_;
    std::array<std::optional<QFontMetrics>, 4> metryki_;
    std::array<std::unordered_map<std::string, int>, 4> znane_;
};
