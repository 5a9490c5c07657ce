#pragma once
// The learner's settings file: 54 positional lines in the user folder,
// ustaw_<kod_zestawu>.txt. "Settings line N" is ustawienia.linia[N]; the real
// number of lines 39-40 is ustawienia.mnoznik (linia[39] and linia[40] are unused).
#include <array>
#include <string>

#include "core/learner_file.h"

constexpr int LINII_USTAWIEN = 54;
constexpr int ZESTAWOW_PRZERYWNIKOW = 7;

// The lines the code reads, by what they hold: ustawienia.linia[U_...].
enum LiniaUstawien : int {
    U_TYP_SLOWEK = 1,               // word exercise type whose result sets the repetition
    U_TRYB_TYPU = 2,                // 2..16: which items a run repeats, per type (tryb_typu)
    U_INTENSYWNOSC = 18,            // 0, 1, 2: 1, 2, 4 correct answers per item and type
    U_PRZERYWNIKI = 19,             // 19..32: per interlude set, enabled and the row reached
    U_TYP_ZDAN = 34,                // sentence exercise type whose result sets the repetition
    U_STATYSTYKA = 35,              // the statistics box after each exercise
    U_PROPONUJ_ZDANIA = 36,         // linked sentences added to a word exercise
    U_SZUKAJ_OBCE = 41,             // the search options: the foreign column,
    U_SZUKAJ_POLSKIE = 42,          // the Polish column,
    U_SZUKAJ_CALE = 43,             // whole texts only,
    U_SZUKAJ_BEZ_WIELKOSCI = 44,    // case ignored
    U_PODPOWIEDZ_F1 = 45,           // the F1 help hint was shown
    U_PODPOWIEDZ_F5 = 47,           // the F5 hint was shown
    U_POWTORKI_INTENSYWNOSC_1 = 48, // "W powtórkach zawsze intensywność 1"
    U_UMIESZ = 49,                  // interval from which an item counts as known
    U_PRZERYWNIKI_NA_KONCU = 50,    // interludes only at the end of an exercise
    U_LICZNIK = 51,                 // run counter: logins
    U_ILE_REKORDOW = 52,            // repetition records at the last save
    U_JUZ_UMIEM = 53,               // interval given by "Już umiem!"
    U_LISTA_SLOWEK = 54,            // the word list after an exercise
};

struct TUstawienia {
    std::array<int, LINII_USTAWIEN + 1> linia{}; // 1..54, [0] unused
    double mnoznik = 1.2;                        // lines 39-40, 1.0..4.0
    // Per interlude set 1..7: questions left until it shows again. Not stored;
    // cleared at every load.
    std::array<int, ZESTAWOW_PRZERYWNIKOW + 1> odliczanie_przerywnikow{};

    TUstawienia() { domyslne(); }
    void domyslne(); // every line to its default, countdowns to 0

    // Exercise type t = 1..15 (14 and a spare): which items a run repeats.
    int& tryb_typu(int t) { return linia[U_TRYB_TYPU - 1 + t]; }
    // Interlude set k = 1..7: enabled by the learner (line 17 + 2k) and the row
    // reached (line 18 + 2k).
    bool przerywnik_wlaczony(int k) const { return linia[U_PRZERYWNIKI - 2 + 2 * k] == 1; }
    void wlacz_przerywnik(int k, bool on) { linia[U_PRZERYWNIKI - 2 + 2 * k] = on ? 1 : 0; }
    int& wiersz_przerywnika(int k) { return linia[U_PRZERYWNIKI - 1 + 2 * k]; }
};

// The logged-in user and the settings; wyczysc_ustawienia() resets it whole.
struct StanUstawien {
    std::string sciezka_usera; // program folder + ID + "/"
    std::string nazwa_usera;
    TUstawienia ustawienia;
    core::PlikUcznia plik; // the settings file
};
extern StanUstawien stan_ustawien;

extern std::string& sciezka_usera;
extern std::string& nazwa_usera;
extern TUstawienia& ustawienia;

void wyczysc_ustawienia();

// Full path of the settings file of the current user and data set.
std::string plik_ustawien();

// Reads the settings file: missing file or missing lines take the defaults;
// out-of-range values take their replacement; the run counter (line 51) goes
// up by one. A line that is not a number keeps its default, the rest of the
// file is still read, and then core::ConversionError names the file and the
// first such line. A file that exists but cannot be read is reported, the
// defaults stand, and the file is not written until a good read.
void czytaj_ustawienia();

// Writes the correction file first when correction mode is on, then the
// settings file whole. False when a write failed or was refused after a failed
// read: the old file is kept and the reason was shown.
bool zapisz_ustawienia();

// Correct answers required per item and exercise type: intensity (line 18)
// 0, 1, 2 gives 1, 2, 4; always 1 in a repetition run while line 48 is on.
int wymagane_odpowiedzi();
