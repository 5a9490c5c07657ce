#include "trainer/windows.h"

int tryb_wyboru = 0;

#define VOKARIN_DEFINICJA_OKNA(Klasa, wskaznik) Klasa* wskaznik = nullptr;
#define VOKARIN_POMIN(Klasa, wskaznik)
VOKARIN_OKNA_TRENERA(VOKARIN_DEFINICJA_OKNA, VOKARIN_POMIN)
#undef VOKARIN_DEFINICJA_OKNA
#undef VOKARIN_POMIN

namespace {

template <class T> void utworz(ZestawOkien& okna, T*& wskaznik) {
    okna.utworz(wskaznik);
}

template <> void utworz(ZestawOkien& okna, TForm5*&) {
    utworz_form5(okna, paski_trenera);
}

} // namespace

void utworz_okna_trenera(ZestawOkien& okna) {
#define VOKARIN_UTWORZ(Klasa, wskaznik) utworz(okna, wskaznik);
    VOKARIN_OKNA_TRENERA(VOKARIN_UTWORZ, VOKARIN_UTWORZ)
#undef VOKARIN_UTWORZ
}
