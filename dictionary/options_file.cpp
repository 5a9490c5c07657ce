#include "dictionary/options_file.h"

#include <vector>

#include "core/startup.h"
#include "core/text.h"

std::string plik_opcji_slownika() {
    return sciezka_programu + "ustaw_s.txt";
}

OpcjeSzukania czytaj_opcje_slownika(core::PlikUcznia& plik) {
    std::vector<std::string> lines;
    if (!plik.wczytaj_linie(plik_opcji_slownika(), lines) ||
        plik.stan() == core::PlikUcznia::Stan::nowy)
        return {true, true, false, false};
    auto linia = [&](size_t n) {
        return n < lines.size() && StrToIntDef(Trim(lines[n]), 0) == 1;
    };
    return {linia(0), linia(1), linia(2), linia(3)};
}

bool zapisz_opcje_slownika(core::PlikUcznia& plik, const OpcjeSzukania& o) {
    auto b = [](bool on) { return std::string(on ? "1" : "0"); };
    return plik.zapisz_linie({b(o.obce), b(o.polskie), b(o.cale), b(o.bez_wielkosci)});
}
