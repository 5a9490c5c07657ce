#pragma once
// The wrong answers offered beside the right one: the pool of candidates
// gathered from the item store, the bounded draws of the choices, and the
// options of a sentence-choice question. Draws use the program's random
// generator (os::random).
#include <array>
#include <string>
#include <vector>

constexpr int MAX_PULI = 3999;

// Which texts a pool gathers: 1 and 4 foreign texts of the same part of
// speech and first letter, 2 Polish texts of the same group.
enum RodzajPuli { PULA_SLUCH = 1, PULA_ZNACZENIE = 2, PULA_TLUMACZENIE = 4 };

// Candidates as item indexes; the texts are the items' foreign texts (kinds 1
// and 4) or Polish texts (kind 2). An item may stand in the pool twice.
struct PulaDystraktorow {
    int rodzaj = PULA_SLUCH;
    std::vector<int> pozycje;
    const std::string& tekst(int n) const; // n 0-based
    int ile() const { return static_cast<int>(pozycje.size()); }
};

PulaDystraktorow Zbierz_dystraktory(int rodzaj, int slowko);

// Up to four choices, the right one among them.
struct Wybory {
    std::array<std::string, 4> teksty; // shown in order; empty places hidden
    int ile = 0;                       // choices shown: places 1..ile
    int poprawny = 0;                  // 1..ile
};

// The right text goes to a random place; every other place gets a text drawn
// from the pool that differs from all choices so far. A pool of fewer than 4
// entries draws from the whole store instead (Losuj_odpowiedzi_z_bazy).
// Every draw is bounded: when the pool runs out of distinct texts the store
// fills the rest, and when the store has none either, fewer choices show.
// An empty right text gives no choices at all.
Wybory Losuj_odpowiedzi(bool obce, const std::string& poprawna, const PulaDystraktorow& pula);
Wybory Losuj_odpowiedzi_z_bazy(bool obce, const std::string& poprawna);

// Sentence options ("a/b/c/d", type 10): the parts between "/", the right
// text in place of option 4 and then swapped to a random place 1..3; an empty
// option among 1..3 trades places with option 4; "..." gets one blank on each
// side. Returns the options (four shown; option 4 empty when the list had
// fewer) and the right place.
struct OpcjeZdania {
    std::array<std::string, 5> opcje;
    int poprawna = 0;
};
OpcjeZdania Opcje_zdania(const std::string& lista, const std::string& poprawna);

// " ... " between the trimmed parts of a text around every "...".
std::string rozsun_wielokropki(const std::string& s);
