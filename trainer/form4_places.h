#pragma once
// Where the exercise window puts what the engine places: the tops, in the
// window's pixels, of the controls that move with the question.
#include <array>

#include "trainer_logic/question.h"

struct PolozeniaEkranu {
    int ramka = 0;     // dxramka
    int polecenie = 0; // L_Polecenie
    std::array<int, 4> odp{}; // L_Odp1..4 and their badges
    int wpisana = 0;   // E_Wpisana
    int poprawna = 0;  // L_Poprawna
    int poprawna2 = 0; // L_Poprawna2
};

PolozeniaEkranu polozenia(const Ekran& e, const Pytanie& p);
