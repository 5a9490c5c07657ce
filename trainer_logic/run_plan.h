#pragma once
// The run plan: for every position of a run and every exercise type, how many
// correct answers are still required, how many attempts were made and whether
// the type is done for that item. The exercise-type chooser builds it from the
// run's items, the exercise window works it down and the repetition scheduler
// reads what was done.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"

constexpr int MAX_TYP_CWICZENIA = 14; // exercise types 1..14
constexpr int TYPOW_PLANU = 15;       // slots 1..15; slot 15 is never filled
constexpr int MAX_LISTY_TYPOW = 20;   // codes the type list can hold
constexpr int LISTOWANYCH_TYPOW = 15; // of which the chooser lists the first ones

struct TSlotPlanu {
    int32_t pozostalo = 0; // correct answers still required
    int32_t proby = 0;     // attempts
    uint8_t zrobione = 0;  // 1 when the type is done for the item
};

// One run position: slot t belongs to exercise type t ([0] unused).
struct TPlanSlowka {
    std::array<TSlotPlanu, TYPOW_PLANU + 1> typ{};
};

struct TPlan {
    std::array<TPlanSlowka, MAX_LISTA + 1> plan_cwiczenia{}; // positions 1..ile_w_planie
    std::array<int, MAX_LISTA + 1> pozycje_planu{};          // item index; 0 = not in the store
    int ile_w_planie = 0;
    // The order in which the chooser offers the types.
    std::vector<int> typy;

    // Positions whose slot `typ` still requires answers; 0 outside 1..14.
    int do_zrobienia(int typ) const;
};

// What the plan depends on besides the items.
struct TWarunkiPlanu {
    int tryb_lekcji = 1; // 1 lesson run, 0 repetition run
    int typ_slowek = 6;  // word primary type (settings line 1)
    int typ_zdan = 12;   // sentence primary type (settings line 34)
    // Per type 1..15 which items a repetition run takes (settings lines 2..16):
    // 0 not accepted yet, 1 all, 2 none, 3 flagged, 4 flagged or not accepted.
    std::array<int, TYPOW_PLANU + 1> tryb_typu{};
    int wymagane = 1;    // correct answers required per slot
    bool l_mnoga = true; // the edition has the plural exercise
    int jezyk = 1;       // 1 English, 2 German, 3 French

    // From the learner's settings, the edition and the current run kind.
    static TWarunkiPlanu biezace();
};

using TTabelaPowtorek = std::array<TPowtorka, MAX_POWTOREK + 1>;
using TFlagiPowtorek = std::array<std::array<bool, TYPOW_POWTORKI + 1>, MAX_POWTOREK + 1>;

// Builds the plan for the run's item indexes (in run order, at most MAX_LISTA
// are taken; an index outside the store counts as a missing item).
TPlan zbuduj_plan(std::span<const int> lista, const TWarunkiPlanu& w, const TBazaSlowek& b,
                  const TTabelaPowtorek& rekordy, const TFlagiPowtorek& flagi);

// A German noun written with its article: "der ", "die " or "das " at the start.
bool ma_rodzajnik(const std::string& obce);

// One row of the type chooser.
struct TWierszTypu {
    int typ = 0;
    int ile = 0; // positions with work in that type
};
// The types of the plan's type list that have work, in list order; only the
// first LISTOWANYCH_TYPOW entries of the list are looked at.
std::vector<TWierszTypu> typy_z_praca(const TPlan& p);
// The chooser's text of a row: "Dyktando (12)".
std::string opis_wiersza_typu(const TWierszTypu& w);

// The run being made: its plan and the exercise its result is recorded under.
struct TSesja {
    TPlan plan;
    std::string biezace_cw; // name of the exercise the run came from
    std::string wybrane_cw;
    int kierunek_cw = 0;
    int rodzaj_cw = 0; // the kind the run is recorded under: the chosen type
    // The run was started from the lesson and exercise chooser: only such a
    // run has an exercise to record its result under.
    bool z_wyboru = false;
};
extern TSesja sesja;
void wyczysc_sesje();

// Builds sesja.plan from the run list (lista_cwiczenia, ile_w_liscie) and the
// current settings, records and edition; wybrany_typ := 0.
void Plan_sesji();
