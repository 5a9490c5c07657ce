#pragma once
// What the exercise window's record buttons do to the current plan position
// and its item's repetition record: reset the item, put it in the bin, or
// mark it "Już umiem!". The changes are made in memory at once; the store is
// saved when the exercise-type chooser closes.
#include <array>
#include <cstdint>

#include "core/repetitions.h"
#include "trainer_logic/run_plan.h"

enum class AkcjaRekordu {
    zeruj,     // forget the item's history
    do_kosza,  // never due again until taken out
    juz_umiem, // known: the next repetition after the "Już umiem!" interval
};

// The question asked before acting (Windows-1250); `dni` is the "Już umiem!"
// interval of the settings.
std::string pytanie_akcji(AkcjaRekordu a, int dni);

// Clears a record whole, with its type flags: the item leaves the store and
// nothing of its history (the bin byte included) is left to come back.
void wyzeruj_rekord(TPowtorka& rekord, std::array<bool, TYPOW_POWTORKI + 1>& flagi);

// Applies the action to one plan row and the item's record and type flags.
// `id` is the item's ID, `dzis` today's whole-day serial.
//  - zeruj: every slot done with nothing left (attempts kept); the record is
//    cleared whole (wyzeruj_rekord).
//  - do_kosza: every slot done after one attempt; the record is dated today
//    and binned; one with fewer than two repetitions starts afresh (interval 1).
//  - juz_umiem: the slots as for the bin; the record is marked, so the
//    scheduler gives it the "Już umiem!" interval; one with fewer than two
//    repetitions starts afresh, and one that had no record at all is
//    counted as today's repetition.
void zastosuj_akcje(AkcjaRekordu a, TPlanSlowka& wiersz, TPowtorka& rekord,
                    std::array<bool, TYPOW_POWTORKI + 1>& flagi, int32_t id, double dzis);
