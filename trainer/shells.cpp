#include "trainer/shells.h"

#include "platform/os/codepage.h"
#include "shared/forms.h"

int tryb_wyboru = 0;

TForm2* Form2 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm13* Form13 = nullptr;
TForm15* Form15 = nullptr;
TForm16* Form16 = nullptr;
TForm17* Form17 = nullptr;
TForm18* Form18 = nullptr;
TForm19* Form19 = nullptr;
TForm21* Form21 = nullptr;
TForm23* Form23 = nullptr;
TForm25* Form25 = nullptr;
TForm26* Form26 = nullptr;
TForm27* Form27 = nullptr;
TForm28* Form28 = nullptr;
TForm30* Form30 = nullptr;
TForm3* Form3 = nullptr;
TInformacjaForm* InformacjaForm = nullptr;
TForm31* Form31 = nullptr;
TWyborZdanForm* WyborZdanForm = nullptr;

TOknoWPrzygotowaniu::TOknoWPrzygotowaniu(int szerokosc, int wysokosc, const std::string& tytul_utf8)
    : ui::Window(szerokosc, wysokosc), Image1(this), L_tytul(this), L_opis(this),
      B_Zamknij(this, 3) {
    ustaw_tlo(Image1, "", {szerokosc, wysokosc});
    SetCaption(os::pl(tytul_utf8));

    umiesc(L_tytul, {24, 20, szerokosc - 48, 32});
    L_tytul.SetFont(czcionka_arial(22, true, look::granat));
    L_tytul.SetTransparent(true);
    L_tytul.SetCaption(os::pl(tytul_utf8));

    ustaw_komunikat(L_opis, {24, 64, szerokosc - 48, wysokosc - 128});
    L_opis.SetCaption(os::pl("Ta część programu jest jeszcze w przygotowaniu."));

    ustaw_przycisk(B_Zamknij, {szerokosc - 88, wysokosc - 52, 64, 32}, [this] { close_modal(0); });
}

bool TOknoWPrzygotowaniu::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape) return false;
    close_modal(0);
    return true;
}
