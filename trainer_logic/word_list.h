#pragma once
// The finished run's word list and the per-item type flags: which items the
// run practised, their lines on screen, on the clipboard and on paper, and
// which exercise types the flags window offers for an item.
#include <string>
#include <vector>

#include "core/items.h"
#include "core/repetitions.h"
#include "platform/os/codepage.h"
#include "trainer_logic/run_plan.h"

// The positions that got an answer (or a record button) in any type, as item
// indexes in plan order.
std::vector<int> cwiczone_pozycje(const TPlan& plan, const TBazaSlowek& b);

// "house - dom (kosz) " for an item in the bin, "house - dom " otherwise:
// the foreign text in the edition's set, the rest in the Polish one.
os::PartedText wiersz_listy(int i, const TBazaSlowek& b, const TPowtorka& r);
// "Powtórka nr: 3, interwał: 12".
std::string opis_rekordu(const TPowtorka& r);

// The clipboard's text in UTF-8: a notice line, then "house = dom" per item,
// every line ended by CR LF.
std::string tekst_do_schowka(const std::vector<int>& pozycje, const TBazaSlowek& b);
// The printed lines in UTF-8: two empty ones, the heading, an empty one, then
// "   house = dom" per item.
std::vector<std::string> linie_wydruku(const std::vector<int>& pozycje, const TBazaSlowek& b);

// The flags window's rows for item i: "t - type name", and the type of each.
struct TWierszFlagi {
    int typ = 0;
    std::string tekst;
};
// `jezyk` is the edition's language: the article and plural rows (7 and 8)
// are the German edition's.
std::vector<TWierszFlagi> wiersze_flag(int i, const TBazaSlowek& b, int jezyk);
// The type of a row: the number in its first two characters; 0 when none.
int typ_wiersza_flagi(const std::string& wiersz);
