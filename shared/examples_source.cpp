#include "shared/examples_source.h"

#include <algorithm>

#include "core/items.h"
#include "core/sound.h"
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

std::string tekst_przykladow(const std::vector<int>& zdania, int ile) {
    std::string tekst;
    const int n = std::min(ile, static_cast<int>(zdania.size()));
    for (int k = 0; k < n; ++k) {
        const int i = zdania[static_cast<size_t>(k)];
        if (i < 1 || i > baza.ile_slow) continue;
        const std::string& polski =
            baza.tlumaczenie[i].empty() ? baza.tlumaczenie_zdania[i] : baza.tlumaczenie[i];
        if (polski.empty()) continue;
        if (!sciezka_nagrania(i).empty()) tekst += "#S=" + liczba_z_zerami(5, i) + "# ";
        tekst += baza.slowo_obce[i] + " <(" + polski + ")>@";
    }
    return formatuj_tekst(tekst);
}
