#include "trainer/shells.h"

#include "platform/os/codepage.h"
#include "shared/forms.h"

TOknoWPrzygotowaniu::TOknoWPrzygotowaniu(int szerokosc, int wysokosc, const std::string& tytul_utf8,
                                         const char* strona)
    : ui::Window(szerokosc, wysokosc), Image1(this), L_tytul(this), L_opis(this),
      B_Zamknij(this, Pasek::anuluj2) {
    ustaw_tlo(Image1, "", {szerokosc, wysokosc});
    SetCaption(os::pl(tytul_utf8));

    umiesc(L_tytul, {24, 20, szerokosc - 48, 32});
    L_tytul.SetFont(czcionka_arial(22, true, look::granat));
    L_tytul.SetTransparent(true);
    L_tytul.SetCaption(os::pl(tytul_utf8));

    ustaw_komunikat(L_opis, {24, 64, szerokosc - 48, wysokosc - 128});
    L_opis.SetCaption(os::pl("Ta część programu jest jeszcze w przygotowaniu."));

    ustaw_przycisk(B_Zamknij, {szerokosc - 88, wysokosc - 52, 64, 32}, [this] { close_modal(0); });
    SetCancelButton(&B_Zamknij);
    if (strona) SetHelpPage(strona);
}
