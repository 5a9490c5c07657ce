#include "trainer_logic/sentence_layout.h"

#include <algorithm>

#include "core/text.h"

namespace {

constexpr int LEWY_MARGINES = 2;

bool znak_bez_odstepu(const std::string& t) {
    return t == "," || t == ";" || t == "!" || t == "." || t == ":";
}

bool kropka_lub_pytajnik(const std::string& t) {
    return t == "." || t == "?";
}

bool znacznik(const std::string& t) {
    return t == "<" || t == ">";
}

} // namespace

std::vector<Slowo> tokeny_tekstu(const std::vector<Odcinek>& tekst) {
    std::vector<Slowo> t;
    for (const Odcinek& o : tekst) {
        ustaw_tekst(o.text);
        while (pozycja_tekstu <= static_cast<int>(tekst_do_podzialu.size()) &&
               static_cast<int>(t.size()) < MAX_TOKENOW) {
            std::string s = Trim(nastepne_slowo());
            if (s.empty()) continue;
            Slowo w;
            w.tekst = std::move(s);
            w.charset = o.charset;
            t.push_back(std::move(w));
        }
    }
    return t;
}

UkladZdania Ustaw_zdanie(const std::vector<Odcinek>& tekst, bool wyroznienie, int szerokosc,
                         const MiernikTekstu& m) {
    UkladZdania u;
    const std::vector<Slowo> t = tokeny_tekstu(tekst);
    const int charset = tekst.empty() ? 238 : tekst.front().charset;
    u.wysokosc_linii = m.wysokosc(charset);
    // Markers that are not shown take no room; the blank after a word depends
    // on the next word that is shown.
    auto widoczny = [&](size_t k) { return !(wyroznienie && znacznik(t[k].tekst)); };
    int x = LEWY_MARGINES, y = 0;
    bool niebieskie = false;
    for (size_t k = 0; k < t.size(); ++k) {
        const Slowo& s = t[k];
        if (s.tekst == "@") {
            x = LEWY_MARGINES;
            y += u.wysokosc_linii;
            continue;
        }
        if (!widoczny(k)) {
            niebieskie = s.tekst == "<";
            continue;
        }
        const int w = m.szerokosc(s.tekst, s.charset);
        if (x > LEWY_MARGINES && x + w > szerokosc - 4 && !znak_bez_odstepu(s.tekst)) {
            x = LEWY_MARGINES;
            y += u.wysokosc_linii;
        }
        Slowo p = s;
        p.x = x;
        p.y = y;
        p.niebieskie = niebieskie;
        u.slowa.push_back(p);
        x += w;
        size_t n = k + 1;
        while (n < t.size() && !widoczny(n))
            ++n;
        // "..." keeps its blank even before a full stop.
        if (n < t.size() && (s.tekst == "..." || !znak_bez_odstepu(t[n].tekst)))
            x += m.szerokosc(" ", s.charset);
    }
    u.linie = u.slowa.empty() ? 0 : u.slowa.back().y / u.wysokosc_linii + 1;
    return u;
}

bool ma_luke_do_wpisania(const std::string& tekst) {
    const std::vector<Slowo> t = tokeny_tekstu({{tekst, 238}});
    return std::any_of(t.begin(), t.end(), [](const Slowo& s) { return s.tekst == "<"; });
}

UkladLuk Rysuj_odpowiedz(const std::string& tekst, int charset, int szerokosc, int wysokosc_pola,
                         const MiernikTekstu& m) {
    UkladLuk u;
    const std::vector<Slowo> t = tokeny_tekstu({{tekst, charset}});
    u.wysokosc_linii = wysokosc_pola + 1;
    const int odstep = m.szerokosc(" ", charset);

    // What each token is: the markers of the first MAX_LUK gaps with the words
    // between them, or the markers of a later gap, which take no room (its
    // words show as they stand).
    enum Rola { zwykly, otwarcie, wnetrze, zamkniecie, pominiety };
    std::vector<Rola> rola(t.size(), zwykly);
    int luki = 0;
    for (size_t k = 0; k < t.size(); ++k) {
        if (t[k].tekst != "<") continue;
        const bool z_polem = luki < MAX_LUK;
        luki += z_polem;
        rola[k] = z_polem ? otwarcie : pominiety;
        size_t n = k + 1;
        for (; n < t.size() && t[n].tekst != ">"; ++n)
            if (z_polem) rola[n] = wnetrze;
        if (n < t.size()) rola[n] = z_polem ? zamkniecie : pominiety;
        k = n;
    }
    // The next token that takes room, for the blank after a word.
    auto nastepny = [&](size_t k) -> const std::string* {
        for (size_t n = k + 1; n < t.size(); ++n)
            if (rola[n] != pominiety) return &t[n].tekst;
        return nullptr;
    };

    int x = LEWY_MARGINES, y = 3;
    int ostatnia_linia = y;
    auto nowa_linia = [&] {
        x = LEWY_MARGINES;
        y += u.wysokosc_linii;
    };
    auto zawin = [&](int w) {
        if (x > LEWY_MARGINES && x + w > szerokosc - 6) nowa_linia();
    };
    for (size_t k = 0; k < t.size(); ++k) {
        const std::string& s = t[k].tekst;
        switch (rola[k]) {
        case pominiety:
        case wnetrze:
            continue;
        case zamkniecie:
            x += 6;
            continue;
        case otwarcie: {
            zawin(SZEROKOSC_LUKI);
            Luka l;
            l.x = x;
            l.y = y - 3;
            for (size_t n = k + 1; n < t.size() && rola[n] == wnetrze; ++n) {
                if (t[n].tekst == "@") continue;
                if (!l.oczekiwana.empty()) l.oczekiwana += ' ';
                l.oczekiwana += t[n].tekst;
            }
            u.luki.push_back(l);
            ostatnia_linia = y;
            x += SZEROKOSC_LUKI;
            continue;
        }
        case zwykly:
            break;
        }
        if (s == "@") {
            nowa_linia();
            continue;
        }
        const int w = m.szerokosc(s, charset);
        // A full stop or question mark keeps its line, and so do the tokens
        // next to one.
        const bool przy_kropce = (k > 0 && kropka_lub_pytajnik(t[k - 1].tekst)) ||
                                 (k + 1 < t.size() && kropka_lub_pytajnik(t[k + 1].tekst));
        if (!kropka_lub_pytajnik(s) && !przy_kropce) zawin(w);
        Slowo p = t[k];
        p.x = x;
        p.y = y;
        u.slowa.push_back(p);
        ostatnia_linia = y;
        x += w;
        const std::string* n = nastepny(k);
        if (n && !n->empty()) {
            const char c = (*n)[0];
            if (c != '\'' && c != ',' && c != ';' && c != '.') x += odstep;
        }
    }
    u.linie = t.empty() ? 0 : (ostatnia_linia - 3) / u.wysokosc_linii + 1;
    return u;
}
