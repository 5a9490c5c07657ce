#include "trainer_logic/answer_check.h"

#include "core/exercise_types.h"
#include "core/startup.h"
#include "core/text.h"

std::vector<ParaWariantu> tabela_wariantow() {
    std::vector<ParaWariantu> t;
    for (int k = 1; k <= ile_ss && k <= MAX_SS; ++k)
        t.push_back({ss_klucze[k], ss_wartosci[k]});
    return t;
}

namespace {

void dodaj_wariant(std::vector<std::string>& w, std::string s) {
    if (static_cast<int>(w.size()) < MAX_WARIANTOW)
        w.push_back(std::move(s));
    else
        w.back() = std::move(s);
}

} // namespace

std::vector<std::string> Warianty_skrotow(const std::string& oczekiwana,
                                          const std::vector<ParaWariantu>& tabela) {
    std::vector<std::string> w;
    for (const ParaWariantu& k : tabela) {
        if (k.klucz.empty()) continue;
        const int p = Pos(k.klucz, oczekiwana);
        if (p == 0) continue;
        const int l = static_cast<int>(k.klucz.size());
        const std::string glowa = Copy(oczekiwana, 1, p - 1);
        dodaj_wariant(w, glowa + k.wartosc +
                             Copy(oczekiwana, p + l, static_cast<int>(oczekiwana.size())));
        for (const ParaWariantu& m : tabela) {
            if (m.klucz.empty()) continue;
            const int q = pos_od(p + l + 1, oczekiwana, m.klucz);
            if (q < 0) continue;
            const std::string srodek = Copy(oczekiwana, p + l, q - (p + l));
            const std::string reszta = Copy(oczekiwana, q + static_cast<int>(m.klucz.size()),
                                            static_cast<int>(oczekiwana.size()));
            dodaj_wariant(w, glowa + k.klucz + srodek + m.wartosc + reszta);
            dodaj_wariant(w, glowa + k.wartosc + srodek + m.wartosc + reszta);
        }
    }
    return w;
}

std::vector<std::string> Lista_odpowiedzi(const std::string& tekst, const KontekstOdpowiedzi& k) {
    std::vector<std::string> a;
    auto dodaj = [&a](std::string s) {
        if (!s.empty() && static_cast<int>(a.size()) < MAX_ODPOWIEDZI) a.push_back(std::move(s));
    };
    const std::string t = Trim(tekst);
    size_t i = 0;
    while (i <= t.size() && !t.empty()) {
        size_t j = t.find('/', i);
        if (j == std::string::npos) j = t.size();
        dodaj(Trim(std::string_view(t).substr(i, j - i)));
        i = j + 1;
    }
    if (k.typ == cw_wpisywanie_tlumaczenia && k.jezyk == 1 && k.rodzaj == 3) {
        dodaj(Trim(k.slowo_obce));
        const size_t ile = a.size();
        for (size_t n = 0; n < ile; ++n)
            if (LowerCase(Copy(a[n], 1, 3)) != "to ") dodaj("to " + a[n]);
    }
    if (k.typ == cw_wpisywanie_l_mnogiej && k.jezyk == 2 && !Trim(k.l_mnoga).empty())
        dodaj("die " + Trim(k.l_mnoga));
    return a;
}

std::string normalizuj_wpisana(const std::string& tekst) {
    std::string s = popraw_interpunkcje(tekst);
    if (s.size() > 1 && s.back() == '\\') s.pop_back();
    return s;
}

Porownanie porownaj_odpowiedz(const std::string& odpowiedz, const std::string& oczekiwana,
                              const std::vector<std::string>& alternatywy, bool z_alternatywami,
                              const std::vector<ParaWariantu>& tabela) {
    Porownanie w;
    if (odpowiedz.empty()) return w;
    if (popraw_interpunkcje(oczekiwana) == odpowiedz) {
        w.dobrze = true;
        return w;
    }
    for (const std::string& v : Warianty_skrotow(oczekiwana, tabela))
        if (popraw_interpunkcje(v) == odpowiedz) {
            w.dobrze = true;
            return w;
        }
    if (!z_alternatywami) return w;
    for (const std::string& a : alternatywy)
        if (popraw_interpunkcje(a) == odpowiedz) {
            w.dobrze = true;
            w.przez_alternatywe = true;
            return w;
        }
    return w;
}

std::array<std::string, 3> podziel_synonimy(const std::string& synonimy) {
    std::array<std::string, 3> c;
    const size_t a = synonimy.find('#');
    if (a == std::string::npos) {
        c[0] = synonimy;
        return c;
    }
    c[0] = synonimy.substr(0, a);
    const size_t b = synonimy.find('#', a + 1);
    if (b == std::string::npos) {
        c[1] = synonimy.substr(a + 1);
        return c;
    }
    c[1] = synonimy.substr(a + 1, b - a - 1);
    c[2] = synonimy.substr(b + 1);
    return c;
}
