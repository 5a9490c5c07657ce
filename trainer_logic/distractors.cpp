#include "trainer_logic/distractors.h"

#include "core/items.h"
#include "core/text.h"
#include "platform/os/random.h"

#include <unordered_set>

namespace {

// Random draws tried for one place before the remaining candidates are
// listed and one of them is taken.
constexpr int PROB_NA_MIEJSCE = 40;
// The store-wide draw leaves out the last items of a full-size store.
constexpr int MARGINES_BAZY = 1400;

const std::string& tekst_slowka(int i, bool obce) {
    return obce ? baza.slowo_obce[i] : baza.tlumaczenie[i];
}

bool jest_wsrod(const Wybory& w, const std::string& t) {
    for (const std::string& s : w.teksty)
        if (s == t) return true;
    return false;
}

// Fills the empty places with texts from `n` candidates (0-based, text
// through `tekst`): random draws first, then one of the remaining distinct
// candidates. False when no candidate was left for a place.
template <class Tekst> bool wypelnij(Wybory& w, int n, Tekst tekst) {
    if (n <= 0) return false;
    for (std::string& miejsce : w.teksty) {
        if (!miejsce.empty()) continue;
        bool jest = false;
        for (int proba = 0; proba < PROB_NA_MIEJSCE && !jest; ++proba) {
            const std::string& t = tekst(os::random(n));
            if (!t.empty() && !jest_wsrod(w, t)) {
                miejsce = t;
                jest = true;
            }
        }
        if (jest) continue;
        std::vector<int> reszta;
        std::unordered_set<std::string_view> widziane;
        for (int k = 0; k < n; ++k) {
            const std::string& t = tekst(k);
            if (!t.empty() && !jest_wsrod(w, t) && widziane.insert(t).second) reszta.push_back(k);
        }
        if (reszta.empty()) return false;
        miejsce = tekst(reszta[os::random(static_cast<int>(reszta.size()))]);
    }
    return true;
}

// Items the store-wide draw takes from: all but the margin of a full-size
// store; in a smaller one the words (or every item when there are none).
int zakres_bazy() {
    if (baza.ile_slow > MARGINES_BAZY) return baza.ile_slow - MARGINES_BAZY;
    return baza.ile_slowek > 0 ? baza.ile_slowek : baza.ile_slow;
}

bool wypelnij_z_bazy(Wybory& w, bool obce) {
    return wypelnij(w, zakres_bazy(),
                    [obce](int k) -> const std::string& { return tekst_slowka(k + 1, obce); });
}

// Drops empty places, keeping the order and the right one's place among them.
void scal(Wybory& w) {
    Wybory s;
    for (int k = 0; k < 4; ++k) {
        if (w.teksty[k].empty()) continue;
        if (k + 1 == w.poprawny) s.poprawny = s.ile + 1;
        s.teksty[s.ile++] = w.teksty[k];
    }
    w = s;
}

Wybory z_poprawna(const std::string& poprawna) {
    Wybory w;
    w.poprawny = os::random(4) + 1;
    w.teksty[w.poprawny - 1] = poprawna;
    return w;
}

} // namespace

const std::string& PulaDystraktorow::tekst(int n) const {
    return tekst_slowka(pozycje[n], rodzaj != PULA_ZNACZENIE);
}

PulaDystraktorow Zbierz_dystraktory(int rodzaj, int i) {
    PulaDystraktorow p;
    p.rodzaj = rodzaj;
    if (i < 1 || i > baza.ile_slow) return p;
    auto dodaj = [&p](int k) {
        if (p.ile() < MAX_PULI) p.pozycje.push_back(k);
    };
    if (rodzaj == PULA_ZNACZENIE) {
        const int grupa = baza.grupa[i], r = baza.rodzaj[i];
        for (int k = 1; k <= baza.ile_slow; ++k)
            if (baza.grupa[k] == grupa && baza.rodzaj[k] == r) dodaj(k);
        if (p.ile() < 20)
            for (int k = 1; k <= baza.ile_slow; ++k)
                if (baza.grupa[k] == grupa && baza.rodzaj[k] < 5) dodaj(k);
        return p;
    }
    const std::string& obce = baza.slowo_obce[i];
    if (obce.empty()) return p;
    const char litera = obce[0];
    const int r = baza.rodzaj[i];
    for (int k = 1; k <= baza.ile_slow; ++k) {
        const std::string& s = baza.slowo_obce[k];
        if (baza.rodzaj[k] == r && !s.empty() && s[0] == litera) dodaj(k);
    }
    if (p.ile() < 10)
        for (int k = 1; k <= baza.ile_slow; ++k) {
            const std::string& s = baza.slowo_obce[k];
            if (baza.rodzaj[k] < 5 && !s.empty() && s[0] == litera) dodaj(k);
        }
    return p;
}

Wybory Losuj_odpowiedzi(bool obce, const std::string& poprawna, const PulaDystraktorow& pula) {
    if (poprawna.empty()) return {};
    if (pula.ile() < 4) return Losuj_odpowiedzi_z_bazy(obce, poprawna);
    Wybory w = z_poprawna(poprawna);
    if (!wypelnij(w, pula.ile(), [&pula](int k) -> const std::string& { return pula.tekst(k); }))
        wypelnij_z_bazy(w, obce);
    scal(w);
    return w;
}

Wybory Losuj_odpowiedzi_z_bazy(bool obce, const std::string& poprawna) {
    if (poprawna.empty()) return {};
    Wybory w = z_poprawna(poprawna);
    wypelnij_z_bazy(w, obce);
    scal(w);
    return w;
}

std::string rozsun_wielokropki(const std::string& s) {
    if (s.find("...") == std::string::npos) return s;
    std::string out;
    size_t i = 0;
    for (;;) {
        const size_t j = s.find("...", i);
        if (j == std::string::npos) {
            out += Trim(std::string_view(s).substr(i));
            return out;
        }
        out += Trim(std::string_view(s).substr(i, j - i));
        out += " ... ";
        i = j + 3;
    }
}

OpcjeZdania Opcje_zdania(const std::string& lista, const std::string& poprawna) {
    OpcjeZdania o;
    size_t i = 0;
    int k = 0;
    for (; k < 4; ++k) {
        const size_t j = lista.find('/', i);
        if (j == std::string::npos) break;
        o.opcje[k] = Trim(std::string_view(lista).substr(i, j - i));
        i = j + 1;
    }
    o.opcje[k] = Trim(std::string_view(lista).substr(i));
    o.opcje[3] = poprawna;
    const int r = os::random(3) + 1;
    std::swap(o.opcje[r - 1], o.opcje[3]);
    for (int m = 0; m < 3; ++m)
        if (o.opcje[m].empty()) {
            std::swap(o.opcje[m], o.opcje[3]);
            break;
        }
    for (std::string& s : o.opcje)
        s = rozsun_wielokropki(s);
    o.poprawna = r;
    return o;
}
