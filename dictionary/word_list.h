#pragma once
// The dictionary window's list: the items shown, ten rows at a time under a
// scroll bar, and the selected one. Row j (1..10) shows list position j while
// the list is shorter than ten, else position bar + j - 1. The selection is
// kept as the window keeps it, list position + 1 (-1 for none).
#include <vector>

constexpr int WIERSZY_SLOWNIKA = 10;

class TListaSlownika {
  public:
    // A new list: nothing selected.
    void ustaw(std::vector<int> pozycje);
    const std::vector<int>& pozycje() const { return pozycje_; }
    int ile() const { return static_cast<int>(pozycje_.size()); }

    // The scroll bar's range 1..max; shown only when max is above 1.
    int max_suwaka() const;
    bool suwak_widoczny() const { return max_suwaka() > 1; }

    // List position (1-based) shown in row 1..10 with the bar at `suwak`; 0
    // when the row is empty.
    int pozycja_wiersza(int wiersz, int suwak) const;
    // The item index shown in the row; 0 when the row is empty.
    int element_wiersza(int wiersz, int suwak) const;

    // A click on row 1..10: selects what it shows. A row with nothing in it
    // selects nothing. True when an item is selected.
    bool kliknij(int wiersz, int suwak);
    void odznacz() { wybrany_wiersz_ = -1; }
    // The row is the selected one (drawn in blue).
    bool zaznaczony(int wiersz, int suwak) const;
    int wybrany_wiersz() const { return wybrany_wiersz_; }
    // The selected item index; 0 for none.
    int wybrany() const;

  private:
    std::vector<int> pozycje_;
    int wybrany_wiersz_ = -1;
};
