#include "dictionary/search.h"

#include <algorithm>
#include <unordered_map>

#include "core/items.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/examples_source.h"

std::vector<int> slowa_grupy(int numer) {
    std::vector<int> lista;
    for (int i = 1; i <= baza.ile_slowek; ++i)
        if (baza.grupa[i] == numer) lista.push_back(i);
    return lista;
}

namespace {

bool trafienie(const std::string& tekst, const std::string& igla, const OpcjeSzukania& o) {
    if (!o.bez_wielkosci) return o.cale ? tekst == igla : tekst.find(igla) != std::string::npos;
    const std::string male = LowerCase(tekst);
    return o.cale ? male == igla : male.find(igla) != std::string::npos;
}

} // namespace

std::vector<int> szukaj_slow(const std::string& slowo, const OpcjeSzukania& o) {
    return szukaj_slow(slowo, slowo, o);
}

std::vector<int> szukaj_slow(const std::string& obce, const std::string& polskie,
                             const OpcjeSzukania& o) {
    const std::string igla_obca = o.bez_wielkosci ? LowerCase(obce) : obce;
    const std::string igla_polska = o.bez_wielkosci ? LowerCase(polskie) : polskie;
    const bool w_obcych = o.obce && !obce.empty(), w_polskich = o.polskie && !polskie.empty();
    std::vector<int> lista;
    for (int i = 1; i <= baza.ile_slowek; ++i)
        if ((w_obcych && trafienie(baza.slowo_obce[i], igla_obca, o)) ||
            (w_polskich && trafienie(baza.tlumaczenie[i], igla_polska, o)))
            lista.push_back(i);
    if (lista.empty()) return lista;

    // The last index of every ID in the whole store.
    std::unordered_map<int32_t, int> ostatni;
    ostatni.reserve(static_cast<size_t>(baza.ile_slow) * 2);
    for (int i = 1; i <= baza.ile_slow; ++i)
        ostatni[baza.id_slowa[i]] = i;
    std::erase_if(lista, [&](int i) { return ostatni[baza.id_slowa[i]] != i; });
    return lista;
}

std::vector<int> szukaj_zdan(int tryb, const std::string& slowo) {
    std::vector<int> zdania;
    auto dodaj = [&](int i) {
        if (static_cast<int>(zdania.size()) >= MAX_ZDAN_SLOWNIKA) return false;
        if (std::find(zdania.begin(), zdania.end(), i) == zdania.end()) zdania.push_back(i);
        return true;
    };
    std::vector<std::string> wzory = {LowerCase(" " + slowo + " ")};
    if (jezyk_edycji == 1) {
        wzory.push_back(LowerCase(" " + slowo + "s "));
        wzory.push_back(LowerCase(" " + slowo + "es "));
        wzory.push_back(LowerCase(" " + slowo + ","));
    } else if (jezyk_edycji == 2) {
        wzory.push_back(LowerCase(" " + slowo + ","));
    }

    if (jezyk_edycji == 2) {
        // The sentences linked to the first word that holds the word (German
        // nouns are written with a capital: compared without case).
        const std::string rdzen = Trim(wzory[0]);
        int id = 0;
        for (int i = 1; i <= baza.ile_slowek && id == 0; ++i)
            if (LowerCase(baza.slowo_obce[i]).find(rdzen) != std::string::npos)
                id = baza.id_slowa[i];
        for (int j = 1; id != 0 && j <= ile_powiazan; ++j) {
            if (powiazanie_slowo[j] != id) continue;
            const int i = znajdz_slowko(powiazanie_zdanie[j]);
            if (i > baza.ile_slowek && !dodaj(i)) break;
        }
    }
    if (tryb > 1) {
        for (int i = baza.ile_slowek + 1; i <= baza.ile_slow; ++i) {
            const std::string& t = baza.tekst_szukania[i];
            const bool jest = std::any_of(wzory.begin(), wzory.end(), [&](const std::string& w) {
                return t.find(w) != std::string::npos;
            });
            if (jest && !dodaj(i)) break;
        }
    }
    return zdania;
}

os::PartedText opis_pozycji(int i) {
    if (i < 1 || i > baza.ile_slow) return {};
    static const char* const rodzaje[] = {"",           "Rzeczownik - ", "Przymiotnik - ",
                                          "Czasownik - ", "Różne - ",      "Zdanie - "};
    const int r = baza.rodzaj[i];
    const std::string grupa = nazwa_grupy(baza.grupa[i]);
    if (i > baza.ile_slowek)
        return {{os::pl("Zdanie - ") + " Grupa: " + grupa + "\n\r", 238},
                {baza.slowo_obce[i], czcionka_charset}};
    const std::string rodzaj = r >= 1 && r <= 5 ? os::pl(rodzaje[r]) : std::string();
    return {{rodzaj + "Grupa: " + grupa, 238}};
}

std::string tekst_liczby(int ile, const std::string& szukane) {
    if (szukane.empty()) return os::pl("Liczba słówek: ") + IntToStr(ile);
    return os::pl("Słowo \"") + szukane + os::pl("\" wystąpiło ") + IntToStr(ile) +
           (ile == 1 ? " raz." : " razy.");
}

os::PartedText tekst_przykladow(const std::vector<int>& zdania, bool z_dzwiekiem) {
    os::PartedText tekst;
    for (int i : zdania)
        dodaj_przyklad(tekst, i, z_dzwiekiem);
    return tekst;
}
