#pragma once
// What the lesson and exercise chooser lists: the sections (one per thematic
// group) with their average results, the exercises of a section built from the
// statistics rows and sorted, and the per-group counts of the group views.
#include <span>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/statistics.h"
#include "trainer_logic/run_plan.h"

constexpr int MAX_PACZEK = 300; // exercises listed per section

struct TDzial {
    int grupa = 0; // index in the group table, 1-based
    std::string nazwa;
    int procent = 0;  // 0..100
    std::string opis; // group views: the summary line
};

struct TPaczka {
    int wiersz = 0;  // the exercise's last statistics row, 1-based
    int procent = 0; // truncated mean of its rows' results
};

// Section text of a group number as the statistics rows carry it: "07", "12".
std::string tekst_dzialu(int numer);

// `wiersze` are the statistics rows in table order (row k is wiersze[k - 1]).

// Sections of the exercise and result views: every group in table order with
// the mean result of the rows whose section reads as its number (halves to
// even). A row whose section is not a number belongs to no section.
std::vector<TDzial> dzialy_cwiczen(std::span<const TGrupa> grupy, std::span<const TCwInfo> wiersze);

// The exercises of the group numbered `numer`: consecutive rows of that
// section with the same name (ignoring case) make one entry, at most MAX_PACZEK.
std::vector<TPaczka> Paczki_dzialu(int numer, std::span<const TCwInfo> wiersze);

// By category, and categories 1, 2 and 3 each by title; otherwise the order
// stays as it was.
void Sortuj_paczki(std::vector<TPaczka>& paczki, std::span<const TCwInfo> wiersze);

enum class TWidokGrup {
    w_powtorce, // how much of the group is in repetition
    umiesz      // how much of it the learner knows
};

struct TDzialyGrup {
    std::vector<TDzial> dzialy;
    int razem = 0;   // items learnt (known) over all groups
    int liczone = 0; // items counted over all groups
    std::string L_Stat;
};

// Sections of the group views. An item marked "s" counts only once it is in
// repetition; an item is known when its interval is above `prog_umiesz`.
TDzialyGrup dzialy_grup(TWidokGrup widok, std::span<const TGrupa> grupy, const TBazaSlowek& b,
                        const TTabelaPowtorek& rekordy, int prog_umiesz);
