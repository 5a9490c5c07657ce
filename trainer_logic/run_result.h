#pragma once
// The result of one exercise run: the figures the exercise window shows and
// records, and whether the run is recorded in the exercise statistics.
#include <string>

struct TWynikCwiczenia {
    int poprawne = 0; // correct answers
    int bledne = 0;   // wrong answers
    int ilosc = 0;    // positions with work in the type at the start
    int proby = 0;    // of them attempted in this run
    int wymagane = 1; // correct answers required per position

    // 100 x correct / (items x required + wrong); 0 when nothing was asked.
    // Recorded rounded (halves to even), shown truncated.
    int procent_zapisany() const;
    int procent_pokazany() const;

    // Recorded when at least two items were attempted, or the only item of a
    // one-item run.
    bool do_zapisu() const { return proby >= 2 || (proby == 1 && ilosc == 1); }
    bool ukonczone() const { return proby == ilosc; }

    // The statistics box's lines (Windows-1250): correct, wrong, result,
    // "Zrobiono: n przykładów z m".
    std::string linia_poprawne() const;
    std::string linia_bledne() const;
    std::string linia_wynik() const;
    std::string linia_zrobiono() const;
};
