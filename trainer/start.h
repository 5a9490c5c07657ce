#pragma once
// The trainer's start: one instance, every window created in its order, the
// display checks, the backdrop, the user choice, and the main window until it
// closes.
#include <functional>
#include <string>

class TForm1;

struct OpcjeStartu {
    // The single-instance token.
    std::string token = "Tavolent_40_Vidavidoda";
    // Messages go to the information box, or a plain message window before it
    // exists. A test keeps the hook it installed itself by clearing this.
    bool okna_komunikatow = true;
    // Called once the main window is shown (before its own event loop runs).
    std::function<void(TForm1&)> po_pokazaniu;
};

// What the screen allows: a warning about the text size, or too small a screen.
struct SprawdzenieEkranu {
    bool ostrzezenie_dpi = false;
    bool za_maly = false;
};
SprawdzenieEkranu sprawdz_ekran(int szerokosc, int wysokosc, double dpi);

// The trainer's today moved by whole days, so that a person can try what a
// later day brings (repetitions falling due): the environment variable
// VOKARIN_DAYS_AHEAD holds the number of days (negative goes back; at most
// 36500 either way). Absent or not a whole number: the real date. Returns the
// shift applied.
int przesun_dzien(const char* wartosc);
constexpr const char* ZMIENNA_PRZESUNIECIA = "VOKARIN_DAYS_AHEAD";

// Runs the trainer; the process's exit code. A second instance returns 0 at
// once, showing nothing. A fatal start-up condition returns after its message
// with every window made so far deleted. SIGTERM and SIGHUP close the open
// windows and the main window, which saves as its close always does.
int uruchom_trenera(int argc, char** argv, const OpcjeStartu& opcje = {});
