#pragma once
// Windows of the trainer that are created at start-up with the others but are
// not built yet: each shows its title, says that this part of the program is
// still being prepared, and closes with its button or Esc.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/forms.h"
#include "shared/transparent_button.h"

// Which view the lesson and exercise chooser opens: 1 exercises, 2 results.
extern int tryb_wyboru;

class TOknoWPrzygotowaniu : public ui::Window {
  public:
    TOknoWPrzygotowaniu(int szerokosc, int wysokosc, const std::string& tytul_utf8);

    ui::Image Image1;
    ui::Label L_tytul;
    ui::Label L_opis;
    TTransparentButton B_Zamknij;

    bool FormKeyDown(int key, Qt::KeyboardModifiers mods) override;
};

#define VOKARIN_SHELL(Klasa, szer, wys, tytul)                                                     \
    class Klasa : public TOknoWPrzygotowaniu {                                                     \
      public:                                                                                      \
        Klasa() : TOknoWPrzygotowaniu(szer, wys, tytul) {}                                         \
    }

// Sizes of the big windows follow the main window; the dialogs are smaller.
VOKARIN_SHELL(TForm2, 800, 600, "Generator ćwiczeń");
VOKARIN_SHELL(TForm6, 455, 240, "Odpowiedź");
VOKARIN_SHELL(TForm7, 455, 240, "Ćwiczenie");
VOKARIN_SHELL(TForm8, 800, 600, "Wybór rodzaju ćwiczenia");
VOKARIN_SHELL(TForm11, 600, 420, "Powtórki");
VOKARIN_SHELL(TForm12, 600, 480, "Ustawienia");
VOKARIN_SHELL(TForm13, 600, 420, "Edycja słówka");
VOKARIN_SHELL(TForm15, 455, 260, "Parametry ćwiczenia");
VOKARIN_SHELL(TForm16, 600, 480, "Obrazek");
VOKARIN_SHELL(TForm17, 600, 480, "Dopasowanie");
VOKARIN_SHELL(TForm18, 455, 260, "Przysłowie");
VOKARIN_SHELL(TForm19, 455, 320, "Wybór nagrania");
VOKARIN_SHELL(TForm21, 600, 420, "Powtórki w kolejnych dniach");
VOKARIN_SHELL(TForm23, 455, 260, "Tavolent - szukaj...");
VOKARIN_SHELL(TForm25, 455, 260, "Statystyka ćwiczenia");
VOKARIN_SHELL(TForm26, 600, 420, "Słówka wybrane w słowniku");
VOKARIN_SHELL(TForm27, 455, 200, "Komentarz");
VOKARIN_SHELL(TForm28, 800, 600, "Pomoc");
VOKARIN_SHELL(TForm30, 455, 320, "Oznacz rodzaje ćwiczeń");
VOKARIN_SHELL(TForm3, 600, 420, "Import ");
VOKARIN_SHELL(TInformacjaForm, 600, 420, "Przykłady");
VOKARIN_SHELL(TForm31, 600, 420, "Lista słówek");

extern TForm2* Form2;
extern TForm6* Form6;
extern TForm7* Form7;
extern TForm8* Form8;
extern TForm11* Form11;
extern TForm12* Form12;
extern TForm13* Form13;
extern TForm15* Form15;
extern TForm16* Form16;
extern TForm17* Form17;
extern TForm18* Form18;
extern TForm19* Form19;
extern TForm21* Form21;
extern TForm23* Form23;
extern TForm25* Form25;
extern TForm26* Form26;
extern TForm27* Form27;
extern TForm28* Form28;
extern TForm30* Form30;
extern TForm3* Form3;
extern TInformacjaForm* InformacjaForm;
extern TForm31* Form31;

// The lesson and exercise chooser is shown without making the main window
// wait; it then switches to the view tryb_wyboru asks for.
class TWyborZdanForm : public TOknoWPrzygotowaniu {
  public:
    TWyborZdanForm() : TOknoWPrzygotowaniu(800, 600, "Wybór lekcji i ćwiczenia") {}
    void pokaz_widok() { show_modeless(); }
};
extern TWyborZdanForm* WyborZdanForm;
