#pragma once
// Exercise statistics: the catalogue of exercises the learner can choose and
// the results of each exercise type run in them. One file of 128-byte rows in
// the user folder, named by the data-set code alone.
#include <array>
#include <cstdint>
#include <string>

#include "core/learner_file.h"

constexpr int max_cw_info = 10000;

// Set kinds of a seed row; a run row holds the exercise type 1..14 instead.
constexpr int CW_SLOWKA = 80;
constexpr int CW_ZDANIA = 81;
constexpr int CW_USERA = 82;

struct TCwInfo {
    static constexpr int ROZMIAR = 128;

    std::string nazwa;  // lower case, at most 24 characters; empty = a hole
    std::string tytul;  // at most 64 characters
    uint8_t rodzaj = 0; // 80, 81, 82 seed row; 1..14 run row
    uint8_t kierunek = 0;
    uint8_t kategoria = 0; // digit at character 5 of the name
    double data = 0;       // last run, date serial
    uint8_t wynik = 0;     // percent
    int32_t uruchomienia = 0;
    uint8_t ukonczone = 0; // 1 finished, 0 interrupted
    std::string dzial;     // characters 2-3 of the name, at most 11

    // Writes the row into ROZMIAR bytes; texts longer than their field are cut.
    void encode(unsigned char* p) const;
    // Reads a row; a length byte above its field's size is taken as the size.
    static TCwInfo decode(const unsigned char* p);
};

using TabelaCwInfo = std::array<TCwInfo, max_cw_info + 1>;

// The table and its file; wyczysc_statystyki() resets it whole.
struct StanStatystyk {
    TabelaCwInfo tab_cw_info; // 1-based
    int ile_cw_info = 0;
    core::PlikUcznia plik; // the statistics file
};
extern StanStatystyk stan_statystyk;

extern TabelaCwInfo& tab_cw_info;
extern int& ile_cw_info;

void wyczysc_statystyki();

// Full path of the statistics file of the current user.
std::string plik_statystyk();

// Reads the file (missing: empty table). False when it was not read whole,
// which is reported and keeps the file as it is for the session (no write):
// it cannot be read (the table stays empty), it is not a whole number of rows
// or it holds more than max_cw_info rows (the whole rows up to the limit are
// in the table).
bool czytaj_statystyki();
// Rewrites the file: built-in exercises first, own ones ("2...") after them,
// holes left out. False (with a message) when the write failed or was refused.
bool zapisz_statystyki();
// Seeds the table from the built-in exercise list (the table is cleared).
// A list that exists but cannot be read throws core::FileError.
void zaloz_statystyki();
// Adds a seed row for every built-in exercise that has no row (a first login
// that could not read the list left them out). The number added; none when
// the list cannot be read (reported) or the table was not read whole.
int uzupelnij_statystyki();
// Adds rows for new own exercises, empties the rows of vanished ones and
// writes the file. A list holding a line that is no exercise line is damaged:
// reported, and no rows are emptied; so is a list missing or holding no
// exercise line (said once, when there are own rows to keep). False when the
// list cannot be read, a row could not be added or the write failed.
bool dodaj_cwiczenia_usera();
// The rows of the exercise `name` (an own exercise the learner deleted) go,
// and the file is written.
bool usun_statystyki_cwiczenia(const std::string& name);
// Records one run; false when nothing was recorded (unknown exercise, or no
// room left in the table, which is reported).
bool zapisz_wynik(int result, const std::string& name, int kind, int direction, bool finished);
// One line per row of the exercise, each ended by "\r".
std::string opis_statystyki(const std::string& name);
