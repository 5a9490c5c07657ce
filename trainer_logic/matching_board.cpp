#include "trainer_logic/matching_board.h"

#include <utility>

void TPlanszaKojarzenia::nowa(const TSlowaKojarzenia& slowa) {
    slowa_ = slowa;
    prawe_ = slowa.polskie_wymieszane;
    dobrze_.fill(false);
    wybrany_lewy_ = wybrany_prawy_ = 0;
    ile_dobrze_ = 0;
    sprawdzony_ = koniec_ = false;
}

void TPlanszaKojarzenia::zamien(int a, int b) {
    std::swap(prawe_[a], prawe_[b]);
    wybrany_lewy_ = wybrany_prawy_ = 0;
}

TPlanszaKojarzenia::Skutek TPlanszaKojarzenia::klik_lewy(int wiersz) {
    Skutek s;
    if (!w_zakresie(wiersz)) return s;
    if (koniec_) {
        s.graj = wiersz;
        return s;
    }
    if (wybrany_prawy_ == 0) {
        wybrany_lewy_ = wiersz;
        return s;
    }
    zamien(wiersz, wybrany_prawy_);
    s.mignij = wiersz;
    return s;
}

TPlanszaKojarzenia::Skutek TPlanszaKojarzenia::klik_prawy(int wiersz) {
    Skutek s;
    if (!w_zakresie(wiersz) || koniec_) return s;
    if (wybrany_lewy_ != 0) {
        const int l = wybrany_lewy_;
        zamien(l, wiersz);
        s.mignij = l;
    } else if (wybrany_prawy_ == 0) {
        wybrany_prawy_ = wiersz;
    } else {
        zamien(wiersz, wybrany_prawy_);
    }
    return s;
}

int TPlanszaKojarzenia::sprawdz() {
    ile_dobrze_ = 0;
    for (int w = 1; w <= SLOW_KOJARZENIA; ++w) {
        dobrze_[w] = prawe_[w] == slowa_.polskie[w];
        if (dobrze_[w]) ++ile_dobrze_;
    }
    sprawdzony_ = true;
    koniec_ = ile_dobrze_ == SLOW_KOJARZENIA;
    return ile_dobrze_;
}

std::string TPlanszaKojarzenia::wynik() const {
    return std::to_string(10 * ile_dobrze_) + " %";
}
