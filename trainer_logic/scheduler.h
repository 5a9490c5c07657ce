#pragma once
// The repetition scheduler: when the exercise-type chooser closes, what the
// learner did in the run (the attempts and completions left in the plan)
// becomes each item's next repetition: interval, growth factor and per-type
// status bytes, with the due days spread so that no day gets crowded.
#include <array>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/repetitions.h"
#include "trainer_logic/run_plan.h"

// Due counters for 0..600 days ahead of today.
constexpr int DNI_ROZKLADU = 601;
using TRozklad = std::array<int, DNI_ROZKLADU>;

// Longest interval a record takes.
constexpr int MAX_INTERWAL = 1200;

// What the scheduler takes from the learner's settings.
struct TUstawieniaPowtorek {
    int typ_slowek = 6;       // word primary type (settings line 1)
    double mnoznik = 1.2;     // repetition multiplier (lines 39-40)
    int interwal_umiem = 100; // interval after "Już umiem!" (line 53)
    int wymagane = 1;         // correct answers required per slot

    static TUstawieniaPowtorek biezace();
};

// Counts the records 1..ile in use and not in the bin by the day they fall
// due: days from today rounded (halves to even), overdue ones on day 0,
// those beyond 600 days left out.
TRozklad Rozklad_powtorek(const TabelaPowtorek& rekordy, int ile, double dzis);

// A new interval d on a crowded day (more than 20 due, d in 6..596) moves to
// a neighbour by at most 3 days when its count differs enough.
int wyrownaj_interwal(int d, const TRozklad& h);

// The exercise type whose slot decides an item's verdict: the word primary
// type when it was attempted, else the first attempted one of a fixed order;
// 0 when nothing was.
int typ_glowny(const TPlanSlowka& wiersz, int typ_slowek);

// Updates the records of every plan position (see the .cpp for the rules);
// `ile` (the highest index in use) grows to cover new records. `dzis` is a
// whole-day serial.
void Wyznacz_powtorki(const TPlan& plan, const TBazaSlowek& b, TabelaPowtorek& rekordy, int& ile,
                      const TUstawieniaPowtorek& u, double dzis);

// The same over the program's store, settings and today.
void Wyznacz_powtorki();

// The records and type flags of the plan's items as they were when the plan
// was made, to tell whether the run changed any (a record button, the flags
// window).
struct TStanRekordow {
    std::vector<int> indeksy;
    std::vector<std::string> bajty; // each record as the file holds it, flags included
};
TStanRekordow zapamietaj_rekordy(const TPlan& plan, const TabelaPowtorek& rekordy,
                                 const FlagiPowtorek& flagi);
bool rekordy_zmienione(const TStanRekordow& przed, const TabelaPowtorek& rekordy,
                       const FlagiPowtorek& flagi);

// Whether any slot of any position got an attempt.
bool plan_ma_proby(const TPlan& plan);
