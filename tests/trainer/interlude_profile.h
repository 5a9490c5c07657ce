#pragma once
// A learner with scheduled words, as the matching game needs them: the first
// `ile` words of the loaded store get a repetition record each.
#include "core/items.h"
#include "core/repetitions.h"

namespace testsupport {

inline void zaplanuj_slowa(int ile) {
    int dodane = 0;
    for (int i = 1; i <= baza.ile_slow && dodane < ile; ++i) {
        if (baza.rodzaj[i] == 5) continue;
        TPowtorka& p = tab_powtorek[i];
        p.id = baza.id_slowa[i];
        p.data_pierwsza = p.data_ostatnia = 45000;
        p.ile_powtorzen = 1;
        p.interwal = 1;
        p.wspolczynnik = 1.5;
        if (i > ile_powtorek) ile_powtorek = i;
        ++dodane;
    }
}

} // namespace testsupport
