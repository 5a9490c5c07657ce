#pragma once
// The item store: every word and sentence of the course in one index space,
// held column-wise in 1-based tables, with the links, groups, comments and
// correction data beside it.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/learner_file.h"

constexpr int MAX_SLOW = 15000;
constexpr int MAX_POWIAZAN = 15000;
constexpr int MAX_GRUP = 100;

// Words take IDs up to 60000, sentences the IDs above it.
constexpr int GRANICA_ZDAN = 60000;
inline bool jest_zdaniem(int id) { return id > GRANICA_ZDAN; }

struct TBazaSlowek {
    // Columns, index 1..MAX_SLOW (index 0 unused).
    std::vector<int32_t> grupa;
    std::vector<uint8_t> slowo_usera;
    std::vector<int32_t> id_slowa;
    std::vector<int32_t> poziom;
    std::vector<int32_t> rodzaj;
    std::vector<std::string> slowo_obce;
    std::vector<std::string> tlumaczenie;
    std::vector<std::string> l_mnoga;
    std::vector<std::string> synonimy;
    std::vector<std::string> uwagi;
    std::vector<std::string> wymowa;
    std::vector<std::string> pole_6;
    std::vector<std::string> pole_7;
    std::vector<int32_t> znacznik_s;
    std::vector<std::string> tlumaczenie_zdania;
    std::vector<std::string> opcje_wyboru;
    std::vector<std::string> pole_zdania_7;
    std::vector<std::string> komentarz;
    std::vector<std::string> tekst_szukania;
    // Correction data (korekta_dane.txt).
    std::vector<std::string> korekta_tekst1;
    std::vector<std::string> korekta_tekst2;
    std::vector<std::array<bool, 4>> korekta_flagi;
    std::vector<uint8_t> ma_korekte;

    int ile_slow = 0;   // all items
    int ile_slowek = 0; // words: indexes 1..ile_slowek
    int max_id = 40000; // highest word ID seen

    TBazaSlowek();
    void wyczysc_pozycje(int i); // empties every column of item i
    // Moves item `z` to index `do_` (every column), leaving `z` empty.
    void przenies_pozycje(int z, int do_);
};

struct TGrupa {
    int32_t numer = 0;
    uint8_t flaga = 0;
    std::string tekst1;
    std::string nazwa; // nazwy_grup
    std::string tekst3;
};

// The item store and everything loaded beside it; wyczysc_baze() resets it whole.
struct StanDanych {
    TBazaSlowek baza;

    // Word-sentence links, 1-based.
    int ile_powiazan = 0;
    std::vector<int32_t> powiazanie_slowo = std::vector<int32_t>(MAX_POWIAZAN + 1);  // word ID
    std::vector<int32_t> powiazanie_zdanie = std::vector<int32_t>(MAX_POWIAZAN + 1); // sentence ID

    int ile_grup = 0;
    std::array<TGrupa, MAX_GRUP + 1> grupy;

    bool tryb_korekty = false;         // korekta_panel.cfg exists
    bool komentarze_zmienione = false; // set by the exercise windows

    // ID -> lowest index, and the item count it was built for.
    std::unordered_map<int32_t, int> indeks;
    int indeks_ile = -1;

    // The learner files of the store, and the lines of each that the store
    // could not take (beyond its limits, or for items not loaded), written
    // back after the store's own.
    core::PlikUcznia slowka_usera; // sbusr.txt
    core::PlikUcznia komentarze;   // kom_user.txt
    core::PlikUcznia korekta;      // korekta_dane.txt
    std::vector<std::string> reszta_usera;
    std::vector<std::string> reszta_komentarzy;
    std::vector<std::string> reszta_korekty;
    // The last wczytaj_dane() did not read every item file whole: items are
    // missing, so repetition records would be dropped on a save.
    bool niepelna = false;
};
extern StanDanych stan_danych;

// The store's globals by their own names (members of stan_danych).
extern TBazaSlowek& baza;
extern int& ile_powiazan;
extern std::vector<int32_t>& powiazanie_slowo;
extern std::vector<int32_t>& powiazanie_zdanie;
extern int& ile_grup;
extern std::array<TGrupa, MAX_GRUP + 1>& grupy;
extern bool& tryb_korekty;
extern bool& komentarze_zmienione;

void wczytaj_dane();
// The dictionary program's load: built-in words, sbusr.txt, the links, the
// sentences and the comments; no correction files. Words carry no search text.
void wczytaj_dane_slownika();
// The last wczytaj_dane() left items out (an item file that could not be
// read, or one that ended the load with a run-time error).
bool baza_niepelna();
void wczytaj_slowka(const std::string& file); // full path
void wczytaj_zdania(const std::string& file);
void wczytaj_powiazania();
void wczytaj_grupy();
void wczytaj_komentarze();
// The learner files (sbusr.txt, kom_user.txt, korekta_dane.txt) go through
// core::PlikUcznia: one that cannot be read is reported and not written in
// this session; the course files throw core::FileError when they exist but
// cannot be read. The writers return false, with a message, when the write
// failed or the file's load had failed (the old file is kept either way). Lines of the old
// file that the store could not take (beyond its limits, or for items not
// loaded) are written back after the store's own.
bool zapisz_komentarze();
bool zapisz_slowka_usera();
void czytaj_korekte();
bool zapisz_korekte(); // does nothing outside correction mode

// The IDs (columns 5-9) of the own-word lines kept as they were read (beyond
// the store's limit, or damaged): a new own word takes none of them.
std::vector<int32_t> id_zachowanych_slowek_usera();

// Index 1..ile_slow of the first item with that ID; -1 when none. Constant time.
int znajdz_slowko(int id);
// Rebuilds the ID index after items were added or changed outside the readers.
void przebuduj_indeks();
std::string nazwa_grupy(int numer);
std::string opis_slowa(int i);
void przygotuj_zdania();
// The dictionary's search text of a sentence: a blank, then the text
// lower-cased without "<" and ">" and with single blanks; a final "." or "?"
// becomes a blank, so every word stands between blanks or before a comma.
std::string tekst_szukania_slownika(const std::string& obce);
// The same for every sentence of the store.
void przygotuj_zdania_slownika();

// Resets the store, links, groups, flags and learner files (tests and a fresh start).
void wyczysc_baze();
