#pragma once
// Exercise lists, the run's items, interlude sets, backgrounds and type names.
#include <array>
#include <string>
#include <vector>

constexpr int MAX_LISTA = 300;

using ListaPozycji = std::array<int, MAX_LISTA + 1>;

// Own-exercise names and titles as the statistics rows hold them.
constexpr int MAX_NAZWA_CW = 24;
constexpr int MAX_TYTUL_CW = 64;

// One line of an exercise list: set digit = name = title = item cells.
struct TCwiczenie {
    std::string kod;     // set digit: "7" word set, "9" own exercise, else sentences
    std::string nazwa;   // trimmed, as written
    std::string tytul;   // trimmed
    std::vector<int> id; // item IDs in order
};

// Field k (1-based) of an "="-separated line, untrimmed: the text after the
// (k-1)-th "=" up to the k-th one, or to the end when there is no k-th "=".
// Empty when the line has fewer than k-1 "=".
std::string pole_linii(const std::string& line, int k);
int ile_rownosci(const std::string& line);

// The key by which exercises are matched everywhere: trimmed, lower-cased and
// cut to the statistics row's 24 characters.
std::string klucz_cwiczenia(const std::string& name);

// Full paths of the built-in list, the own list and its temporary file.
std::string plik_cwiczen();
std::string plik_cwiczen_usera();
std::string plik_cwiczen_tmp();
// Lines of the own list. When cw?_su.txt is missing but cw_tmp.txt is there
// (an interrupted save of an earlier version), that file is the list. False,
// with no lines and a message, when the list exists but cannot be read.
bool linie_cwiczen_usera(std::vector<std::string>& lines);

// The own list holds a line that is no exercise line at all (cut short,
// overwritten): it is damaged.
bool lista_uszkodzona(const std::vector<std::string>& lines);

// Reads an item-ID list file (the hand-off file): ten header lines, then one
// ID a line; at most 300 distinct positive IDs. False, with a message and an
// empty list, when the file exists but cannot be read. Messages name
// `shown` when given (the name the learner knows the file by).
bool czytaj_liste_id(const std::string& file, const std::string& shown = {});
// Loads the named exercise's IDs into lista_id (empty when not found, or,
// with a message, when its list cannot be read).
void czytaj_cwiczenie(const std::string& name);
// Mode 1 stores lista_id as the own exercise `name`; any other mode deletes
// it. An "=" in the title is written as "#". Returns false (with a message)
// when nothing was stored; a damaged list is never rewritten.
bool zapisz_cwiczenie_usera(const std::string& name, const std::string& title, int mode);
// Builds lista_cwiczenia from lista_id, adding linked sentences when settings
// line 36 asks for them.
void wybierz_do_cwiczenia();

// Interlude sets b1.txt .. b7.txt. A set whose files cannot be read is
// reported and stays off.
constexpr int MAX_PRZERYWNIKOW = 7;
constexpr int MAX_OBRAZKOW = 300;  // rows of a picture set
constexpr int MAX_SENTENCJI = 200; // rows of a sayings set

enum TRodzajPrzerywnika {
    PRZ_BRAK = 0,
    PRZ_SENTENCJE = 1,
    PRZ_OBRAZKI_1 = 2,
    PRZ_OBRAZKI_2 = 3,
    PRZ_KOJARZENIE = 4
};

struct TPrzerywnik {
    bool jest = false; // the b-file exists
    std::string tytul;
    int rodzaj = PRZ_BRAK; // from "sent1", "zd1", "zd2", "koj"; 0 for another keyword
    std::string plik;      // data-file name in the program folder
    int okres = 1;         // items between two showings, at least 1
    int ile = 0;           // rows
    // Rows, 1-based (index 0 unused). Picture sets fill kod and opis; sayings
    // fill sentencja, nagranie, tlumaczenie and opis.
    std::vector<std::string> kod;
    std::vector<std::string> opis;
    std::vector<std::string> sentencja;
    std::vector<std::string> nagranie;
    std::vector<std::string> tlumaczenie;
};
void wczytaj_przerywniki();

// Exercise backgrounds: full paths of the .bmp files, 1-based.
constexpr int MAX_TEL = 200;
void czytaj_tla();

// The run's lists, the interlude sets and the backgrounds; wyczysc_cwiczenia()
// resets it whole.
struct StanCwiczen {
    // The chosen item IDs and the run as item indexes, 1-based.
    ListaPozycji lista_id{};
    int ile_w_liscie = 0;
    ListaPozycji lista_cwiczenia{};
    int wybrany_typ = 0;
    int tryb_lekcji = 0; // 1 lesson run, 0 repetition run
    int lista_gotowa = 0;

    std::array<TPrzerywnik, MAX_PRZERYWNIKOW + 1> przerywniki;

    std::array<std::string, MAX_TEL + 1> tla_cwiczen; // full paths, 1-based
    std::array<bool, MAX_TEL + 1> tla_uzyte{};
    int ile_tel = 0;
    int biezace_tlo = 0; // 0 when there is no background
};
extern StanCwiczen stan_cwiczen;

extern ListaPozycji& lista_id;
extern int& ile_w_liscie;
extern ListaPozycji& lista_cwiczenia;
extern int& wybrany_typ;
extern int& tryb_lekcji;
extern int& lista_gotowa;
extern std::array<TPrzerywnik, MAX_PRZERYWNIKOW + 1>& przerywniki;
extern std::array<std::string, MAX_TEL + 1>& tla_cwiczen;
extern std::array<bool, MAX_TEL + 1>& tla_uzyte;
extern int& ile_tel;
extern int& biezace_tlo;

void wyczysc_cwiczenia();

// Name of an exercise type 1..14 or set kind 80..82; empty for other codes.
std::string nazwa_cwiczenia(int code);
