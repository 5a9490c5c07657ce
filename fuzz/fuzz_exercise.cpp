// The exercise engine on any item texts. The input, cut at NUL bytes, gives a
// word's foreign text, Polish text, synonyms and plural, then a sentence's
// foreign text, options and second translation, then the learner's typed
// answer; the first byte seeds the random generator. Every type is set up for
// the item it takes and answered (typed, into the gaps, a choice or known).
#include <set>
#include <string>

#include "fuzz/fuzz_support.h"
#include "core/text.h"
#include "platform/os/random.h"
#include "trainer_logic/answer_check.h"
#include "trainer_logic/distractors.h"
#include "trainer_logic/exercise_engine.h"

namespace {

struct Miernik : MiernikTekstu {
    int szerokosc(const std::string& t, int) const override {
        return 7 * static_cast<int>(t.size());
    }
    int wysokosc(int) const override { return 19; }
    RozmiaryRamek rozmiary() const override { return {610, 610, 26}; }
};

struct Uslugi : UslugiCwiczenia {
    void graj(const std::string&, bool) override {}
    void informacja(const std::string&) override {}
    void zamknij() override { zamkniete = true; }
    bool zamkniete = false;
};

int dodaj(int id, int rodzaj, const std::string& obce, const std::string& polski) {
    const int i = ++baza.ile_slow;
    baza.wyczysc_pozycje(i);
    baza.id_slowa[i] = id;
    baza.rodzaj[i] = rodzaj;
    baza.grupa[i] = 1;
    baza.slowo_obce[i] = obce;
    baza.tlumaczenie[i] = polski;
    baza.wymowa[i] = "1";
    if (rodzaj < 5) baza.ile_slowek = i;
    return i;
}

// The shown choices differ, none is empty, the right one is among them.
void sprawdz_wybory(const Ekran& e, const Pytanie& p) {
    std::set<std::string> rozne;
    int ile = 0;
    for (int k = 0; k < 4; ++k) {
        if (!e.odp_widoczna[k]) continue;
        ++ile;
        fuzz::check(!e.odp[k].empty());
        rozne.insert(e.odp[k]);
    }
    fuzz::check(static_cast<int>(rozne.size()) == ile);
    if (ile == 0) return;
    fuzz::check(p.poprawny_wybor >= 1 && p.poprawny_wybor <= ile);
    // The right place holds the right text (the articles are fixed texts; a
    // sentence's options have their "..." spaced).
    const std::string& dobra = e.odp[p.poprawny_wybor - 1];
    if (p.typ == 10) fuzz::check(dobra == rozsun_wielokropki(p.oczekiwana));
    if (p.typ != 7 && p.typ != 10) fuzz::check(dobra == p.oczekiwana);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto c = fuzz::parts(fuzz::as_text(data, size));
    auto pole = [&c](size_t n) { return n < c.size() ? c[n] : std::string(); };
    wyczysc_baze();
    jezyk_edycji = size && (data[0] & 1) ? 2 : 1;
    os::set_rand_seed(size ? data[0] : 0);

    const int slowo = dodaj(1, 1 + (size ? data[0] % 4 : 0), pole(0), pole(1));
    baza.synonimy[slowo] = pole(2);
    baza.l_mnoga[slowo] = pole(3);
    for (int k = 2; k <= 6; ++k)
        dodaj(k, 1, pole(0).substr(0, k) + std::to_string(k), pole(1) + std::to_string(k % 3));
    const int zdanie = dodaj(60001, 5, pole(4), pole(1));
    baza.synonimy[zdanie] = pole(2);
    baza.opcje_wyboru[zdanie] = pole(5);
    baza.tlumaczenie_zdania[zdanie] = pole(6);

    const Miernik m;
    Uslugi u;
    for (int typ = 1; typ <= MAX_TYP_CWICZENIA; ++typ) {
        TPlan plan;
        plan.ile_w_planie = 1;
        plan.pozycje_planu[1] = typ <= 8 ? slowo : zdanie;
        plan.plan_cwiczenia[1].typ[typ] = {1, 0, 0};
        SilnikCwiczenia s(plan, u, m);
        u.zamkniete = false;
        s.start(typ);
        if (u.zamkniete) continue; // not a question this item can give
        const Ekran& e = s.ekran();
        const Pytanie& p = s.pytanie();
        sprawdz_wybory(e, p);
        fuzz::check(e.luki.luki.size() <= 3);
        switch (p.forma) {
        case Forma::wybor:
            s.Sprawdz_wybor(size > 1 ? 1 + data[1] % 4 : 1);
            break;
        case Forma::wpisywanie: {
            s.I_OKClick(pole(7), {});
            // What was expected, typed, is right.
            SilnikCwiczenia drugi(plan, u, m);
            plan.plan_cwiczenia[1].typ[typ] = {1, 0, 0};
            drugi.start(typ);
            const std::string oczekiwana = drugi.pytanie().oczekiwana;
            drugi.I_OKClick(oczekiwana, {});
            const std::string wpisana = normalizuj_wpisana(oczekiwana);
            if (!wpisana.empty() && wpisana == popraw_interpunkcje(oczekiwana))
                fuzz::check(drugi.werdykt());
            break;
        }
        case Forma::luki:
            s.I_OKClick("", {pole(7), p.luki[1], p.luki[2]});
            break;
        case Forma::samoocena:
            s.Pokaz_rozwiazanie();
            s.Ocen_sam(true);
            break;
        case Forma::wymowa:
            s.Ocen_sam(false);
            break;
        }
        if (s.odpowiedziano()) s.Zaakceptuj_odp();
        const TSlotPlanu& slot = plan.plan_cwiczenia[1].typ[typ];
        fuzz::check(slot.pozostalo >= 0 && slot.proby <= 1);
    }
    return 0;
}
