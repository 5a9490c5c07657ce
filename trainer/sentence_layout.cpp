#include "trainer/sentence_layout.h"

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
        ustaw_tekst(o.tekst);
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
        if (n < t.size() && !znak_bez_odstepu(t[n].tekst)) x += m.szerokosc(" ", s.charset);
    }
    u.linie = u.slowa.empty() ? 0 : u.slowa.back().y / u.wysokosc_linii + 1;
    return u;
}

UkladLuk Rysuj_odpowiedz(const std::string& tekst, int charset, int szerokosc, int wysokosc_pola,
                         const MiernikTekstu& m) {
    UkladLuk u;
    const std::vector<Slowo> t = tokeny_tekstu({{tekst, charset}});
    u.wysokosc_linii = wysokosc_pola + 1;
    const int odstep = m.szerokosc(" ", charset);
    int x = LEWY_MARGINES, y = 3;
    auto nowa_linia = [&] {
        x = LEWY_MARGINES;
        y += u.wysokosc_linii;
    };
    auto zawin = [&](int w) {
        if (x > LEWY_MARGINES && x + w > szerokosc - 6) nowa_linia();
    };
    auto tekst_tokenu = [&t](size_t k) -> const std::string& {
        static const std::string pusty;
        return k < t.size() ? t[k].tekst : pusty;
    };
    auto odstep_po = [&](size_t k) {
        const std::string& n = tekst_tokenu(k + 1);
        if (n.empty()) return 0;
        const char c = n[0];
        return c == '\'' || c == ',' || c == ';' || c == '.' ? 0 : odstep;
    };
    int ostatnia_linia = y;
    for (size_t k = 0; k < t.size(); ++k) {
        const std::string& s = t[k].tekst;
        if (s == "@") {
            nowa_linia();
            continue;
        }
        if (s == ">") {
            x += 6;
            continue;
        }
        if (s == "<") {
            if (static_cast<int>(u.luki.size()) >= MAX_LUK) continue; // its words show
            zawin(SZEROKOSC_LUKI);
            Luka l;
            l.x = x;
            l.y = y - 3;
            size_t n = k + 1;
            for (; n < t.size() && t[n].tekst != ">"; ++n) {
                if (t[n].tekst == "@" || t[n].tekst == "<") continue;
                if (!l.oczekiwana.empty()) l.oczekiwana += ' ';
                l.oczekiwana += t[n].tekst;
            }
            u.luki.push_back(l);
            ostatnia_linia = y;
            x += SZEROKOSC_LUKI;
            k = n - 1; // the ">" comes next
            continue;
        }
        const int w = m.szerokosc(s, charset);
        const bool przy_kropce = kropka_lub_pytajnik(s) ||
                                 (k > 0 && kropka_lub_pytajnik(t[k - 1].tekst)) ||
                                 kropka_lub_pytajnik(tekst_tokenu(k + 1));
        if (!przy_kropce) zawin(w);
        Slowo p = t[k];
        p.x = x;
        p.y = y;
        u.slowa.push_back(p);
        ostatnia_linia = y;
        x += w + odstep_po(k);
    }
    u.linie = (t.empty() ? 0 : (ostatnia_linia - 3) / u.wysokosc_linii + 1);
    return u;
}
