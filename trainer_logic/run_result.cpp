#include "trainer_logic/run_result.h"

#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/int_math.h"

namespace {

long long mianownik(const TWynikCwiczenia& w) {
    return static_cast<long long>(w.ilosc) * w.wymagane + w.bledne;
}

} // namespace

int TWynikCwiczenia::procent_zapisany() const {
    const long long m = mianownik(*this);
    return m > 0 ? os::round_even(100.0 * poprawne / static_cast<double>(m)) : 0;
}

int TWynikCwiczenia::procent_pokazany() const {
    const long long m = mianownik(*this);
    return m > 0 ? static_cast<int>(100LL * poprawne / m) : 0;
}

std::string TWynikCwiczenia::linia_poprawne() const {
    return "Poprawnie: " + IntToStr(poprawne);
}

std::string TWynikCwiczenia::linia_bledne() const {
    return "Niepoprawnie: " + IntToStr(bledne);
}

std::string TWynikCwiczenia::linia_wynik() const {
    return "Wynik: " + IntToStr(procent_pokazany()) + " %";
}

std::string TWynikCwiczenia::linia_zrobiono() const {
    return "Zrobiono: " + IntToStr(proby) + os::pl(" przykładów z ") + IntToStr(ilosc);
}
