#include "shared/examples_font.h"

ui::Font TMiaraPrzykladow::czcionka(bool bold, bool italic, int charset) {
    ui::Font f;
    f.face = "Arial CE";
    f.pixels = ui::points_to_pixels(10);
    f.bold = bold;
    f.italic = italic;
    f.color = 0xFF000000u;
    f.charset = charset;
    return f;
}

int TMiaraPrzykladow::szerokosc(const std::string& tekst, bool bold, bool italic, int charset) {
    const int styl = (bold ? 1 : 0) + (italic ? 2 : 0);
    auto& znane = znane_[styl + (charset == 0 ? 4 : 0)];
    if (auto it = znane.find(tekst); it != znane.end()) return it->second;
    auto& m = metryki_[styl];
    if (!m) m.emplace(ui::qfont(czcionka(bold, italic, charset)));
    const int w = m->horizontalAdvance(ui::to_qt(tekst, charset));
    znane.emplace(tekst, w);
    return w;
}
