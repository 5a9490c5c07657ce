#pragma once
// What the repetition windows show: the items due today with the choice of
// how many to repeat now, the repetitions on each of the next 600 days, and
// the items in the bin. Plain functions over the repetition store.
#include <string>
#include <vector>

#include "core/items.h"
#include "core/repetitions.h"
#include "platform/os/codepage.h"

// Items a repetition run takes at most.
constexpr int MAX_W_POWTORCE = 300;

// The noun after a count of items: " słówko" for 1, " słówka" for 2 to 4,
// " słówek" for every other number (Windows-1250).
std::string forma_slowek(int n);

// The records due today, in index order: their number (which goes on past
// MAX_W_POWTORCE) and the first MAX_W_POWTORCE indexes.
struct TNaDzis {
    int ile = 0;
    std::vector<int> indeksy;
};
TNaDzis Policz_powtorki(const TabelaPowtorek& rekordy, int ile, double dzis);

// The entries of "how many now" for `ile` due items: none up to 40; else 10,
// then 20, 40, 60 ... up to the count or MAX_W_POWTORCE, whichever comes
// first, the last entry being that limit.
std::vector<int> wpisy_ile_teraz(int ile);

// "Ile powtórek na dzień": the days (0..600 ahead) that have repetitions, with
// their counts, the items in the bin, and the first repetition of all.
struct TDzienPowtorek {
    int dzien = 0; // days from today
    int ile = 0;
};
struct TPrzegladPowtorek {
    std::vector<TDzienPowtorek> dni;
    int w_koszu = 0;
    int razem = 0;          // the bin and every counted day
    double poczatek = 0;    // earliest first repetition; today when none is earlier
};
TPrzegladPowtorek przeglad_powtorek(const TabelaPowtorek& rekordy, int ile, double dzis);

// "Zawartość kosza": the indexes of the records in the bin, in index order.
std::vector<int> zawartosc_kosza(const TabelaPowtorek& rekordy, int ile);

// A line of the lists: the item index in 5 digits first, so that the first
// 5 characters give it back.
std::string wiersz_dnia(double dzis, const TDzienPowtorek& d);
// A bin line ends in the item's foreign text, in the edition's set.
os::PartedText wiersz_kosza(int i, const TPowtorka& r, const TBazaSlowek& b);
std::string podsumowanie_przegladu(const TPrzegladPowtorek& p);
// The index of a bin line; 0 when its first 5 characters are no index.
int indeks_wiersza(const std::string& wiersz);
