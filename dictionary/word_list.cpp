#include "dictionary/word_list.h"

#include <algorithm>

void TListaSlownika::ustaw(std::vector<int> pozycje) {
    pozycje_ = std::move(pozycje);
    wybrany_wiersz_ = -1;
}

int TListaSlownika::max_suwaka() const {
    return std::max(1, ile() - (WIERSZY_SLOWNIKA - 1));
}

int TListaSlownika::pozycja_wiersza(int wiersz, int suwak) const {
    if (wiersz < 1 || wiersz > WIERSZY_SLOWNIKA) return 0;
    const int p = ile() < WIERSZY_SLOWNIKA ? wiersz : suwak + wiersz - 1;
    return p >= 1 && p <= ile() ? p : 0;
}

int TListaSlownika::element_wiersza(int wiersz, int suwak) const {
    const int p = pozycja_wiersza(wiersz, suwak);
    return p ? pozycje_[static_cast<size_t>(p - 1)] : 0;
}

bool TListaSlownika::kliknij(int wiersz, int suwak) {
    // The selection is the row's own list position; an empty row (below a
    // short list) selects nothing rather than a position past the list.
    const int p = pozycja_wiersza(wiersz, suwak);
    wybrany_wiersz_ = p ? p + 1 : -1;
    return p != 0;
}

bool TListaSlownika::zaznaczony(int wiersz, int suwak) const {
    const int p = pozycja_wiersza(wiersz, suwak);
    return p != 0 && p + 1 == wybrany_wiersz_;
}

int TListaSlownika::wybrany() const {
    const int p = wybrany_wiersz_ - 1;
    return p >= 1 && p <= ile() ? pozycje_[static_cast<size_t>(p - 1)] : 0;
}
