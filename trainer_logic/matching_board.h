#pragma once
// The matching game's board: ten foreign words on the left, their Polish
// texts shuffled on the right. Picking a left word and a right text (in either
// order) moves that text into the word's row; picking two right texts swaps
// them. The check marks the rows whose text belongs to their word. No window
// here: the window turns the state into labels.
#include <array>
#include <string>

#include "trainer_logic/interludes.h"

class TPlanszaKojarzenia {
  public:
    // What a click asks of the window besides redrawing the labels.
    struct Skutek {
        int mignij = 0; // row whose two labels flash; 0 none
        int graj = 0;   // row whose word's recording plays; 0 none
    };

    // A new game over these words: right texts as shuffled, nothing picked,
    // not checked, "0 %".
    void nowa(const TSlowaKojarzenia& slowa);

    // Rows 1..10; a row outside is ignored.
    Skutek klik_lewy(int wiersz);
    Skutek klik_prawy(int wiersz);

    // Marks each row right or wrong; returns how many are right. With all ten
    // right the game is over: clicks no longer pair, a left word plays instead.
    int sprawdz();

    const std::string& lewy(int wiersz) const { return slowa_.obce.at(wiersz); }
    const std::string& prawy(int wiersz) const { return prawe_.at(wiersz); }
    // The Polish text that belongs to row `wiersz`.
    const std::string& polski(int wiersz) const { return slowa_.polskie.at(wiersz); }
    int wybrany_lewy() const { return wybrany_lewy_; }   // 0 none
    int wybrany_prawy() const { return wybrany_prawy_; } // 0 none
    bool sprawdzony() const { return sprawdzony_; }
    bool dobrze(int wiersz) const { return dobrze_.at(wiersz); } // after a check
    bool koniec() const { return koniec_; }
    // "0 %" at the start, then 10 x the rows right at the last check, " %" after.
    std::string wynik() const;
    const std::string& nagranie(int wiersz) const { return slowa_.nagrania.at(wiersz); }

  private:
    static bool w_zakresie(int wiersz) { return wiersz >= 1 && wiersz <= SLOW_KOJARZENIA; }
    void zamien(int a, int b);

    TSlowaKojarzenia slowa_;
    std::array<std::string, SLOW_KOJARZENIA + 1> prawe_;
    std::array<bool, SLOW_KOJARZENIA + 1> dobrze_{};
    int wybrany_lewy_ = 0;
    int wybrany_prawy_ = 0;
    int ile_dobrze_ = 0;
    bool sprawdzony_ = false;
    bool koniec_ = false;
};
