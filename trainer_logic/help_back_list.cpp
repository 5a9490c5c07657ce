#include "trainer_logic/help_back_list.h"

void TListaPowrotow::start(const std::string& strona, int64_t pozycja) {
    miejsca_ = {};
    numer_ = 1;
    zawiniete_ = false;
    miejsca_[0] = {strona, pozycja};
}

void TListaPowrotow::dalej(int64_t stara_pozycja, const std::string& strona, int64_t pozycja) {
    miejsca_[static_cast<size_t>(numer_ - 1)].pozycja = stara_pozycja;
    if (++numer_ > kMiejsc) {
        numer_ = 1;
        zawiniete_ = true;
    }
    miejsca_[static_cast<size_t>(numer_ - 1)] = {strona, pozycja};
}

const MiejscePomocy* TListaPowrotow::wstecz() {
    --numer_;
    if (numer_ < 1 && zawiniete_) numer_ = kMiejsc;
    if (numer_ < 1) {
        numer_ = 1;
        return nullptr;
    }
    return &miejsca_[static_cast<size_t>(numer_ - 1)];
}
