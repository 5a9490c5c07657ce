#include "shared/uklad_komunikatu.h"

#include <algorithm>

UkladKomunikatu uklad_komunikatu(look::Size okno, look::Rect tekst,
                                 const std::vector<look::Rect>& przyciski, int wysokosc_tekstu,
                                 int najwyzsze_okno) {
    UkladKomunikatu u{okno, tekst, przyciski};
    const int potrzeba = std::max(0, wysokosc_tekstu - tekst.h);
    const int zapas = std::max(0, najwyzsze_okno - okno.h);
    const int wiecej = std::min(potrzeba, zapas);
    u.okno.h += wiecej;
    u.tekst.h += wiecej;
    u.przesuniecie = wiecej / 2;
    for (look::Rect& b : u.przyciski) b.y += u.przesuniecie;
    u.przewijany = potrzeba > zapas;
    return u;
}
