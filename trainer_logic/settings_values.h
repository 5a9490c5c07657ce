#pragma once
// What the settings window decides, without the window: which entry each
// control shows for the learner's settings, how a confirm puts the controls
// back into the settings (and which fields it refuses), the exercise types'
// repeat modes, and the list of repetition backups from p.i.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"

// The controls' values, as entries and texts.
struct WartosciUstawien {
    int cw_wyznacz = 5;    // word exercise that sets the repetition: entry 0..5 (line 1 - 1)
    int cw_wyznacz_zd = 2; // sentence exercise: entry 0..4 (line 34 - 10)
    int tryb_nauki = 0;    // intensity entry 0..2 (line 18)
    bool statystyka = true;     // line 35
    bool zdania = false;        // line 36
    bool intens_1 = true;       // line 48
    bool bonus_koniec = false;  // line 50
    std::string powt_inter_umiesz = "6"; // line 49, as typed
    std::string powt_juz_umiem = "100";  // line 53, as typed
    int czestosc = 2; // multiplier entry 0..19
    // The interlude list: (set 1..7, ticked), one per line.
    std::vector<std::pair<int, bool>> przerywniki;
};

constexpr int POZYCJI_CZESTOSCI = 20;   // "1" .. "20"
constexpr int TRYBOW_POWTARZANIA = 5;

// Multiplier -> its entry: (m - 1.0) x 10 rounded, 0 below 1.0, at most the
// last entry. Entry -> multiplier: entry / 10 + 1.0.
int pozycja_mnoznika(double mnoznik);
double mnoznik_pozycji(int pozycja);

// The controls for these settings; `zestawy` are the interlude sets present,
// in list order.
WartosciUstawien wartosci_z_ustawien(const TUstawienia& u, const std::vector<int>& zestawy);

// A box that must hold a number from `od` to `do_`: trimmed, digits only.
// False when it does not.
bool liczba_z_pola(const std::string& tekst, int od, int do_, int& liczba);

// Confirming: stores the values in order into `u`. Returns the message of the
// first field refused (the settings stored before it stay stored), or an
// empty text when everything was stored.
std::string zapisz_wartosci(const WartosciUstawien& w, TUstawienia& u);

// The five repeat modes and the type list's line for type t (1..14).
const std::array<std::string, TRYBOW_POWTARZANIA>& nazwy_trybow();
std::string linia_typu(int typ, int tryb);

// One backup listed in p.i.
struct KopiaPowtorek {
    std::string plik; // file name in the user folder
    std::string opis; // "date time  (count)"
};
constexpr int MAX_KOPII = 10;
// The list from p.i's lines: at most 10 entries; the lines after the tenth
// go to the tenth, so the last entry shows the last line. Lines without a
// file name, or naming a file outside the user folder, are left out.
std::vector<KopiaPowtorek> lista_kopii(const std::vector<std::string>& linie);

// Restores the repetition store from a backup in the user folder and writes
// it as p.b. A backup that cannot be used leaves the store and p.b as they
// were (reported by the load). False when nothing was restored or written.
bool przywroc_kopie(const std::string& plik);
