#pragma once
// A window of the trainer that is created at start-up with the others but is
// not built yet: it shows its title, says that this part of the program is
// still being prepared, and closes with its button or Esc. F1 opens the help
// page its window asks for. The shells themselves are listed in
// trainer/windows.h.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "shared/transparent_button.h"

class TOknoWPrzygotowaniu : public ui::Window {
  public:
    // `strona` is the help page of F1; nullptr leaves the page asked for last.
    TOknoWPrzygotowaniu(int szerokosc, int wysokosc, const std::string& tytul_utf8,
                        const char* strona);

    ui::Image Image1;
    ui::Label L_tytul;
    ui::Label L_opis;
    TTransparentButton B_Zamknij;
};

#define VOKARIN_SHELL(Klasa, szer, wys, tytul, strona)                                             \
    class Klasa : public TOknoWPrzygotowaniu {                                                     \
      public:                                                                                      \
        Klasa() : TOknoWPrzygotowaniu(szer, wys, tytul, strona) {}                                 \
    }
