#pragma once
// The exercise-type codes: the fourteen exercise types (words take 1 to 9,
// sentences 9 to 14) and the kinds of an exercise's seed row. The chooser,
// the engine, the run plan, the statistics rows and the repetition records
// share them; nazwa_cwiczenia (core/exercises.h) gives their names.

enum TRodzajCwiczenia : int {
    cw_rozpoznawanie_ze_sluchu = 1,
    cw_rozumienie_tekstu = 2,
    cw_rozumienie_ze_sluchu = 3,
    cw_wybor_tlumaczenia = 4,
    cw_dyktando = 5,
    cw_wpisywanie_tlumaczenia = 6,
    cw_wybor_rodzajnika = 7,
    cw_wpisywanie_l_mnogiej = 8,
    cw_wymowa = 9,
    cw_zdania_wybor = 10,
    cw_zdania_rozumienie = 11,
    cw_zdania_wpisywanie = 12,
    cw_zdania_tlumaczenie_na_polski = 13,
    cw_zdania_tlumaczenie_z_polskiego = 14,
    // Seed rows of an exercise not yet run.
    cw_slowka_cwiczenia = 80,
    cw_zdania_cwiczenia = 81,
    cw_cwiczenie_uzytkownika = 82,
};
