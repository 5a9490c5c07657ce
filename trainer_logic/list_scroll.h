#pragma once
// One list of the lesson and exercise chooser as the learner moves through it:
// 18 rows shown from the first visible entry, the highlighted entry, and the
// scroll arrows. Entries and rows are 1-based; the scroll is the number of
// entries above the first visible row.

class TPrzewijanaLista {
  public:
    static constexpr int WIERSZY = 18;

    // The list was rebuilt with n entries: back to the top, nothing highlighted.
    void nowa_lista(int n);
    // Puts back a scroll and highlighted entry kept from before a rebuild, as
    // far as the list still has them.
    void przywroc(int przesuniecie, int wybrana);

    int dlugosc() const { return dlugosc_; }
    int przesuniecie() const { return przesuniecie_; }
    // Highlighted entry, 0 for none.
    int wybrana() const { return wybrana_; }
    // Screen row of the highlighted entry; outside 1..18 when scrolled away.
    int wiersz() const { return wybrana_ - przesuniecie_; }
    bool zaznaczenie_widoczne() const;
    // Entry shown in screen row r, 0 when the row is empty.
    int pozycja_wiersza(int r) const;

    bool strzalka_gora() const { return przesuniecie_ > 0; }
    bool strzalka_dol() const { return przesuniecie_ + WIERSZY < dlugosc_; }

    // A click on screen row r: highlights its entry; false (and nothing
    // changes) when the row holds none. A row above or below the window
    // (the highlight scrolled away) stands for the entry scrolled there.
    bool zaznacz_wiersz(int r);
    void odznacz() { wybrana_ = 0; }

    // The arrows: one entry further; false when the list is already there.
    bool przewin_w_dol();
    bool przewin_w_gore();

    // The Down and Up keys: scroll when the highlight is at the edge, move it
    // one entry, and return the screen row to select as a click would; 0 when
    // nothing is highlighted on screen.
    int klawisz_w_dol();
    int klawisz_w_gore();

  private:
    int dlugosc_ = 0;
    int przesuniecie_ = 0;
    int wybrana_ = 0;
};
