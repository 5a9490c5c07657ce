#pragma once
// Program folder, data disc and edition: the start-up routine and its globals.
// Folders end in "/"; texts are 8-bit Windows-1250.
#include <array>
#include <string>

constexpr int MAX_SS = 30;

// Everything the start-up sets, in one place; wyczysc_start() resets it whole.
struct StanStartu {
    std::string sciezka_programu; // program folder
    std::string dysk_cd;          // disc root
    std::string sciezka_cd;       // disc data folder: root + "bsslow3/"
    int jezyk_cd = 0;             // 0 none, 1 English, 2 German, 3 French; -1 the
                                  // dictionary runs without a disc

    // The edition description (tavo_sk.txt).
    std::string tytul_edycji;
    int jezyk_edycji = 0; // 1 English, 2 German, 3 French
    bool flaga_l_mnogiej = false;
    std::string dopisek_tytulu;
    bool flaga_6 = false;
    std::string tytul_slownika;
    std::string kod_zestawu; // "tas_40", "tbs_40", "tcs_40"
    std::string czcionka;
    int czcionka_charset = 238; // 238, or 0 for the French edition

    // Answer-variant table from ss_sk.t, 1-based.
    int ile_ss = 0;
    std::array<std::string, MAX_SS + 1> ss_klucze;
    std::array<std::string, MAX_SS + 1> ss_wartosci;

    int licznik_przerywnika = 0;

    // The start-up runs for the dictionary program: without the disc it
    // warns and goes on, and the answer variants come from ss.t.
    bool slownik = false;
};
extern StanStartu stan_startu;

// The start-up's globals by their own names (members of stan_startu).
extern std::string& sciezka_programu;
extern std::string& dysk_cd;
extern std::string& sciezka_cd;
extern int& jezyk_cd;
extern std::string& tytul_edycji;
extern int& jezyk_edycji;
extern bool& flaga_l_mnogiej;
extern std::string& dopisek_tytulu;
extern bool& flaga_6;
extern std::string& tytul_slownika;
extern std::string& kod_zestawu;
extern std::string& czcionka;
extern int& czcionka_charset;
extern int& ile_ss;
extern std::array<std::string, MAX_SS + 1>& ss_klucze;
extern std::array<std::string, MAX_SS + 1>& ss_wartosci;
extern int& licznik_przerywnika;

// File letter of the edition: 'a', 'n' or 'f'.
char litera_jezyka();
// Name of an edition file with its letter: plik_edycji("sb?_slow.txt").
std::string plik_edycji(const std::string& pattern);

// Runs the whole start-up. Fatal conditions show their message and halt
// (os::halt); edition-file problems request termination and stop reading.
void start_programu();
// The dictionary program's start-up: the same, except that a disc that is
// missing or of no known language (or without its probe file) leaves
// jezyk_cd at -1, shows a warning and goes on; recordings are then not
// played. A missing ts40.ini still ends the program.
void start_slownika();
// The disc was found (the dictionary plays recordings only then).
bool plyta_znaleziona();
void szukaj_plyty();
// Returns false when the edition could not be read (no letter known): the
// caller reads nothing further.
bool czytaj_opis_wersji();
void czytaj_ss();

// Resets every global of this file (tests and a fresh start).
void wyczysc_start();
