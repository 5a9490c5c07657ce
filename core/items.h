#pragma once
// The item store: every word and sentence of the course in one index space,
// held column-wise in 1-based tables, with the links, groups, comments and
// correction data beside it.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

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
};

extern TBazaSlowek baza;

// Word-sentence links, 1-based.
extern int ile_powiazan;
extern std::vector<int32_t> powiazanie_slowo;  // word ID
extern std::vector<int32_t> powiazanie_zdanie; // sentence ID

struct TGrupa {
    int32_t numer = 0;
    uint8_t flaga = 0;
    std::string tekst1;
    std::string nazwa; // nazwy_grup
    std::string tekst3;
};
extern int ile_grup;
extern std::array<TGrupa, MAX_GRUP + 1> grupy;

extern bool tryb_korekty;         // korekta_panel.cfg exists
extern bool komentarze_zmienione; // set by the exercise windows

void wczytaj_dane();
void wczytaj_slowka(const std::string& file); // full path
void wczytaj_zdania(const std::string& file);
void wczytaj_powiazania();
void wczytaj_grupy();
void wczytaj_komentarze();
// The writers return false, with a message, when the write failed or the
// file's load had failed (the old file is kept either way). Lines of the old
// file that the store could not take (beyond its limits, or for items not
// loaded) are written back after the store's own.
bool zapisz_komentarze();
bool zapisz_slowka_usera();
void czytaj_korekte();
bool zapisz_korekte(); // does nothing outside correction mode

// Index 1..ile_slow of the first item with that ID; -1 when none. Constant time.
int znajdz_slowko(int id);
// Rebuilds the ID index after items were added or changed outside the readers.
void przebuduj_indeks();
std::string nazwa_grupy(int numer);
std::string opis_slowa(int i);
void przygotuj_zdania();

// Empties the store, links, groups and flags (tests and a fresh start).
void wyczysc_baze();
