#pragma once
// Interludes between questions: the rotation over the seven interlude sets,
// the choice of ten words for the matching game, and where a picture goes on
// the screen. No windows here; the windows take what these decide.
#include <array>
#include <functional>
#include <string>

struct TStanPrzerywnikow {
    int zestaw = 0;           // the rotating set index 1..7; 0 before the first turn
    int biezacy_wiersz = 0;   // the row handed to the window
    int start_kojarzenia = 0; // where the next word choice starts; 0 none yet
};
extern TStanPrzerywnikow stan_przerywnikow;
void wyczysc_stan_przerywnikow();

// True when an interlude is due: after a question (koniec false) once more than
// 20 questions passed with "only at the end" (settings line 50) off; at the end
// of an exercise (koniec true) once more than 10 passed with it on. The
// question counter is reset when it says so.
bool czas_na_przerywnik(bool koniec);

// One turn of the rotation: moves to the next set and counts down every
// enabled set it passes until one fires; `pokaz`(set, row) shows that set's
// row and says whether something was shown (the matching game may find too few
// words, and the turn goes on). Returns the set shown, 0 for none. A set that
// is off, missing, of an unknown kind, or a saying or picture set without rows
// is passed over without counting down.
int obrot_przerywnikow(const std::function<bool(int zestaw, int wiersz)>& pokaz);

// The matching game's ten words, places 1..10 ([0] unused).
constexpr int SLOW_KOJARZENIA = 10;
constexpr int MAX_DLUGOSC_KOJARZENIA = 25;
struct TSlowaKojarzenia {
    std::array<std::string, SLOW_KOJARZENIA + 1> obce;
    std::array<std::string, SLOW_KOJARZENIA + 1> polskie; // in the order of obce
    std::array<std::string, SLOW_KOJARZENIA + 1> polskie_wymieszane;
    std::array<std::string, SLOW_KOJARZENIA + 1> nagrania; // recording paths
};

// Picks ten words among the learner's repetition records: at least 100 words
// scheduled and not in the bin, then a walk from after the last choice that
// takes words whose texts are at most 25 characters, with no foreign text
// twice. The walk goes over the records once at most and passes over the bin.
// False when there are too few words or the walk found fewer than ten.
bool wybierz_slowa_kojarzenia(TSlowaKojarzenia& slowa);

// Disc picture of a 6-character code "z21101" -> sciezka_cd + "z2\11\1101.jpg";
// empty for a shorter code.
std::string sciezka_obrazka(const std::string& kod);

struct TMiejsce {
    int left = 0, top = 0, width = 0, height = 0;
};
// A w x h picture scaled down, when needed, to fit a W x H screen with a 30-pixel
// margin across and 38 down (the caption sits under it), centred.
TMiejsce miejsce_obrazka(int w, int h, int W, int H);
