#include "trainer/sentence_font.h"

#include "core/startup.h"
#include "trainer/form4_geometry.h"

ui::Font czcionka_ramki(int charset, QRgb kolor) {
    ui::Font f;
    f.face = czcionka.empty() ? "Arial" : czcionka;
    f.pixels = ui::points_to_pixels(geo4::ramka_punkty);
    f.color = kolor;
    f.charset = charset;
    return f;
}

MiernikCzcionki::Zestaw& MiernikCzcionki::zestaw(int charset) const {
    Zestaw& z = charset == 0 ? zachodni_ : srodkowy_;
    if (!z.metryki) z.metryki.emplace(ui::qfont(czcionka_ramki(charset)));
    return z;
}

int MiernikCzcionki::szerokosc(const std::string& tekst, int charset) const {
    Zestaw& z = zestaw(charset);
    auto it = z.znane.find(tekst);
    if (it != z.znane.end()) return it->second;
    const int w = z.metryki->horizontalAdvance(ui::to_qt(tekst, charset));
    z.znane.emplace(tekst, w);
    return w;
}

int MiernikCzcionki::wysokosc(int charset) const {
    return zestaw(charset).metryki->height();
}

RozmiaryRamek MiernikCzcionki::rozmiary() const {
    return {geo4::ramka_szer, geo4::DXRamka2.w, geo4::wpis_wys};
}
