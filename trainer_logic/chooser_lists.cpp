#include "trainer_logic/chooser_lists.h"

#include <algorithm>
#include <unordered_map>

#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/int_math.h"

std::string tekst_dzialu(int numer) {
    return numer >= 0 && numer <= 9 ? "0" + IntToStr(numer) : IntToStr(numer);
}

namespace {

int srednia(long long suma, long long ile) {
    return ile > 0 ? os::round_even(static_cast<double>(suma) / static_cast<double>(ile)) : 0;
}

bool ta_sama_nazwa(const TCwInfo& a, const TCwInfo& b) {
    return LowerCase(a.nazwa) == LowerCase(b.nazwa);
}

} // namespace

std::vector<TDzial> dzialy_cwiczen(std::span<const TGrupa> grupy,
                                   std::span<const TCwInfo> wiersze) {
    // Sum and count of results per section number, in one pass over the rows.
    std::unordered_map<int, std::pair<long long, long long>> wyniki;
    for (const TCwInfo& w : wiersze) {
        if (w.dzial.empty()) continue;
        const std::string d = Trim(w.dzial);
        if (d.empty()) continue;
        int numer = 0;
        try {
            numer = StrToInt(d);
        } catch (...) {
            continue; // not a section number
        }
        auto& [suma, ile] = wyniki[numer];
        suma += w.wynik;
        ++ile;
    }
    std::vector<TDzial> dzialy;
    dzialy.reserve(grupy.size());
    for (size_t k = 0; k < grupy.size(); ++k) {
        TDzial d;
        d.grupa = static_cast<int>(k) + 1;
        d.nazwa = grupy[k].nazwa;
        if (auto it = wyniki.find(grupy[k].numer); it != wyniki.end())
            d.procent = srednia(it->second.first, it->second.second);
        dzialy.push_back(std::move(d));
    }
    return dzialy;
}

std::vector<TPaczka> Paczki_dzialu(int numer, std::span<const TCwInfo> wiersze) {
    const std::string dzial = tekst_dzialu(numer);
    std::vector<TPaczka> paczki;
    long long suma = 0;
    long long ile = 0;
    for (size_t k = 0; k < wiersze.size() && paczki.size() < MAX_PACZEK; ++k) {
        const TCwInfo& w = wiersze[k];
        if (w.nazwa.empty() || w.dzial != dzial) continue;
        suma += w.wynik;
        ++ile;
        const bool dalej = k + 1 < wiersze.size() && !wiersze[k + 1].nazwa.empty() &&
                           wiersze[k + 1].dzial == dzial && ta_sama_nazwa(wiersze[k + 1], w);
        if (dalej) continue;
        paczki.push_back({static_cast<int>(k) + 1, static_cast<int>(suma / ile)});
        suma = 0;
        ile = 0;
    }
    return paczki;
}

void Sortuj_paczki(std::vector<TPaczka>& paczki, std::span<const TCwInfo> wiersze) {
    auto wiersz = [&](const TPaczka& p) -> const TCwInfo& {
        return wiersze[static_cast<size_t>(p.wiersz - 1)];
    };
    std::stable_sort(paczki.begin(), paczki.end(), [&](const TPaczka& a, const TPaczka& b) {
        return wiersz(a).kategoria < wiersz(b).kategoria;
    });
    for (int kategoria = 1; kategoria <= 3; ++kategoria) {
        auto od = std::find_if(paczki.begin(), paczki.end(),
                               [&](const TPaczka& p) { return wiersz(p).kategoria == kategoria; });
        auto do_ = std::find_if(od, paczki.end(),
                                [&](const TPaczka& p) { return wiersz(p).kategoria != kategoria; });
        // std::string compares bytes as unsigned characters.
        std::stable_sort(od, do_, [&](const TPaczka& a, const TPaczka& b) {
            return wiersz(a).tytul < wiersz(b).tytul;
        });
    }
}

TDzialyGrup dzialy_grup(TWidokGrup widok, std::span<const TGrupa> grupy, const TBazaSlowek& b,
                        const TTabelaPowtorek& rekordy, int prog_umiesz) {
    // Counted and learnt (known) items per group number, in one pass.
    std::unordered_map<int, std::pair<int, int>> liczby;
    for (const TGrupa& g : grupy)
        liczby.emplace(g.numer, std::pair<int, int>{0, 0});
    const int ile = std::min(b.ile_slow, MAX_POWTOREK);
    for (int i = 1; i <= ile; ++i) {
        auto it = liczby.find(b.grupa[i]);
        if (it == liczby.end()) continue;
        const int interwal = rekordy[i].interwal;
        const bool s = b.znacznik_s[i] != 0;
        bool liczone = false;
        bool zalicza = false;
        if (widok == TWidokGrup::w_powtorce) {
            liczone = !s || interwal > 0;
            zalicza = interwal > 0;
        } else {
            liczone = !(s && interwal < 1);
            zalicza = interwal > prog_umiesz;
        }
        if (!liczone) continue;
        ++it->second.first;
        if (zalicza) ++it->second.second;
    }

    auto opis = [widok](int razem, int liczone) {
        return os::pl(widok == TWidokGrup::w_powtorce ? "Uczysz się " : "Umiesz ") +
               IntToStr(razem) + " z " + IntToStr(liczone) + os::pl(" słówek i zdań.");
    };

    TDzialyGrup wynik;
    wynik.dzialy.reserve(grupy.size());
    for (size_t k = 0; k < grupy.size(); ++k) {
        const auto [liczone, razem] = liczby[grupy[k].numer];
        TDzial d;
        d.grupa = static_cast<int>(k) + 1;
        d.nazwa = grupy[k].nazwa;
        d.procent = liczone > 0 ? os::round_even(razem * 100.0 / liczone) : 0;
        d.opis = opis(razem, liczone);
        wynik.dzialy.push_back(std::move(d));
        wynik.razem += razem;
        wynik.liczone += liczone;
    }
    wynik.L_Stat = opis(wynik.razem, wynik.liczone);
    return wynik;
}
