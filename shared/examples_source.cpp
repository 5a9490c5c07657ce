#include "shared/examples_source.h"

#include <algorithm>

#include "core/items.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/text.h"

std::vector<int> Znajdz_przyklady(int slowko) {
    std::vector<int> zdania;
    if (slowko < 1 || slowko > baza.ile_slow) return zdania;
    const int32_t id = baza.id_slowa[slowko];
    const int n = std::min(ile_powiazan, MAX_POWIAZAN);
    for (int k = 1; k <= n && static_cast<int>(zdania.size()) < MAX_PRZYKLADOW; ++k) {
        if (powiazanie_slowo[k] != id) continue;
        const int i = znajdz_slowko(powiazanie_zdanie[k]);
        if (i >= 1 && std::find(zdania.begin(), zdania.end(), i) == zdania.end())
            zdania.push_back(i);
    }
    return zdania;
}

namespace {

const std::string& polski_tekst(int i) {
    return baza.tlumaczenie[i].empty() ? baza.tlumaczenie_zdania[i] : baza.tlumaczenie[i];
}

} // namespace

void dodaj_przyklad(os::PartedText& tekst, int i, bool z_dzwiekiem) {
    if (i < 1 || i > baza.ile_slow) return;
    std::string obce;
    if (z_dzwiekiem && !sciezka_nagrania(i).empty()) obce = "#S=" + liczba_z_zerami(5, i) + "# ";
    tekst.push_back({formatuj_tekst(obce + baza.slowo_obce[i]), czcionka_charset});
    tekst.push_back({formatuj_tekst(" <(" + polski_tekst(i) + ")>@"), 238});
}

os::PartedText tekst_przykladow(const std::vector<int>& zdania, int ile) {
    os::PartedText tekst;
    const int n = std::min(ile, static_cast<int>(zdania.size()));
    for (int k = 0; k < n; ++k) {
        const int i = zdania[static_cast<size_t>(k)];
        if (i >= 1 && i <= baza.ile_slow && !polski_tekst(i).empty())
            dodaj_przyklad(tekst, i, true);
    }
    return tekst;
}
