#include "trainer_logic/list_scroll.h"

#include <algorithm>

void TPrzewijanaLista::nowa_lista(int n) {
    dlugosc_ = std::max(n, 0);
    przesuniecie_ = 0;
    wybrana_ = 0;
}

void TPrzewijanaLista::przywroc(int przesuniecie, int wybrana) {
    przesuniecie_ = std::clamp(przesuniecie, 0, std::max(dlugosc_ - WIERSZY, 0));
    wybrana_ = wybrana >= 1 && wybrana <= dlugosc_ ? wybrana : 0;
}

bool TPrzewijanaLista::zaznaczenie_widoczne() const {
    return wybrana_ > 0 && wiersz() >= 1 && wiersz() <= WIERSZY;
}

int TPrzewijanaLista::pozycja_wiersza(int r) const {
    if (r < 1 || r > WIERSZY || r + przesuniecie_ > dlugosc_) return 0;
    return r + przesuniecie_;
}

bool TPrzewijanaLista::zaznacz_wiersz(int r) {
    const int p = r + przesuniecie_;
    if (p < 1 || p > dlugosc_) return false;
    wybrana_ = p;
    return true;
}

bool TPrzewijanaLista::przewin_w_dol() {
    if (!strzalka_dol()) return false;
    ++przesuniecie_;
    return true;
}

bool TPrzewijanaLista::przewin_w_gore() {
    if (!strzalka_gora()) return false;
    --przesuniecie_;
    return true;
}

int TPrzewijanaLista::klawisz_w_dol() {
    if (!zaznaczenie_widoczne()) return 0;
    if (wybrana_ >= WIERSZY) przewin_w_dol();
    if (wiersz() < WIERSZY && wybrana_ < dlugosc_) ++wybrana_;
    return wiersz();
}

int TPrzewijanaLista::klawisz_w_gore() {
    if (!zaznaczenie_widoczne()) return 0;
    if (wiersz() == 1) przewin_w_gore();
    if (wiersz() > 1) --wybrana_;
    return wiersz();
}
