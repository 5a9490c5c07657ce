#include "trainer/windows.h"

#include <exception>

#include "platform/os/message.h"

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

template <> void utworz(ZestawOkien& okna, TForm5*& wskaznik) {
    try {
        okna.utworz(wskaznik);
    } catch (const std::exception& e) {
        // The strips could not all be loaded: buttons without a strip paint
        // nothing; the holder still plays the sounds.
        okna.utworz(wskaznik, std::span<const Pasek>{});
        os::show_message(e.what());
    }
}

} // namespace

void utworz_okna_trenera(ZestawOkien& okna) {
#define VOKARIN_UTWORZ(Klasa, wskaznik) utworz(okna, wskaznik);
    VOKARIN_OKNA_TRENERA(VOKARIN_UTWORZ, VOKARIN_UTWORZ)
#undef VOKARIN_UTWORZ
}
