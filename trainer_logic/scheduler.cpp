#include "trainer_logic/scheduler.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/settings.h"
#include "platform/os/date_serial.h"
#include "platform/os/int_math.h"

namespace {

// Fallback order of the verdict's type when the word primary type was not
// attempted.
constexpr int kolejnosc_typow[] = {6, 3, 4, 2, 5, 1, 7, 8, 9, 12, 10, 11, 13, 14};

constexpr int DZIEN_LIMITU = 600;
constexpr double MIN_WSPOLCZYNNIK = 1.0, MAX_WSPOLCZYNNIK = 3.0;
constexpr double WSPOLCZYNNIK_NOWY = 1.5;

bool ten_sam_dzien(double data, double dzis) {
    return std::floor(data) == dzis;
}

// The new interval before levelling. Truncated in double arithmetic, as the
// stored factor is (1.5 x 1.2 is kept as 1.7999...).
int nowy_interwal(const TPowtorka& r, bool dobrze, double mnoznik) {
    if (!dobrze) return r.ile_powtorzen >= 2 ? 2 : 1;
    if (r.ile_powtorzen == 1) return 2;
    const double v = static_cast<double>(r.interwal) * r.wspolczynnik * mnoznik;
    if (!(v >= 1.0)) return 1; // also a factor that is no number
    if (v >= MAX_INTERWAL) return MAX_INTERWAL;
    return static_cast<int>(std::trunc(v));
}

} // namespace

int wyrownaj_interwal(int d, const TRozklad& h) {
    if (d < 6 || d > 596 || h[d] <= 20) return d;
    auto rozn = [&](int x) { return std::abs(h[d] - h[x]); };
    if (rozn(d + 1) > 10) return d + 1;
    if (rozn(d + 2) > 5) return d + 2;
    if (d > 10 && rozn(d + 3) > 5) return d + 3;
    if (rozn(d - 1) > 5) return d - 1;
    if (d > 10 && rozn(d - 2) > 5) return d - 2;
    return d;
}

namespace {

// A second run of the item on the same day: only the status bytes change.
// "Right at the first attempt" is tested before "practised", or it could
// never be given.
void odswiez_status(TPowtorka& r, const TPlanSlowka& w) {
    for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t) {
        const TSlotPlanu& s = w.typ[t];
        if (r.typy[t] == 0 && s.zrobione == 1 && s.proby == 1)
            r.typy[t] = 2;
        else if (s.proby > 0)
            r.typy[t] = 1;
    }
}

} // namespace

TUstawieniaPowtorek TUstawieniaPowtorek::biezace() {
    TUstawieniaPowtorek u;
    u.typ_slowek = ustawienia.linia[U_TYP_SLOWEK];
    u.mnoznik = ustawienia.mnoznik;
    u.interwal_umiem = ustawienia.linia[U_JUZ_UMIEM];
    u.wymagane = wymagane_odpowiedzi();
    return u;
}

TRozklad Rozklad_powtorek(const TabelaPowtorek& rekordy, int ile, double dzis) {
    TRozklad h{};
    ile = std::clamp(ile, 0, MAX_POWTOREK);
    for (int i = 1; i <= ile; ++i) {
        const TPowtorka& r = rekordy[i];
        if (r.id < 1 || r.kosz != 0) continue;
        const int d = std::max(0, os::round_even(r.data_ostatnia + r.interwal - dzis));
        if (d <= DZIEN_LIMITU) ++h[d];
    }
    return h;
}

int typ_glowny(const TPlanSlowka& w, int typ_slowek) {
    if (typ_slowek >= 1 && typ_slowek <= MAX_TYP_CWICZENIA && w.typ[typ_slowek].proby > 0)
        return typ_slowek;
    for (int t : kolejnosc_typow)
        if (w.typ[t].proby > 0) return t;
    return 0;
}

void Wyznacz_powtorki(const TPlan& plan, const TBazaSlowek& b, TabelaPowtorek& rekordy, int& ile,
                      const TUstawieniaPowtorek& u, double dzis) {
    TRozklad h = Rozklad_powtorek(rekordy, ile, dzis);
    const int n = std::clamp(plan.ile_w_planie, 0, MAX_LISTA);
    for (int k = 1; k <= n; ++k) {
        const int i = plan.pozycje_planu[k];
        // A position whose item is not in the store has no record.
        if (i < 1 || i > b.ile_slow || i > MAX_POWTOREK) continue;
        const TPlanSlowka& w = plan.plan_cwiczenia[k];
        TPowtorka& r = rekordy[i];
        const int p = typ_glowny(w, u.typ_slowek);
        if (p == 0) continue;

        if (ten_sam_dzien(r.data_ostatnia, dzis)) {
            odswiez_status(r, w);
            // "Już umiem!" takes effect on an item already repeated today too.
            if (r.juz_umiem == 1) {
                r.interwal = u.interwal_umiem;
                r.juz_umiem = 0;
            }
            continue;
        }

        r.id = b.id_slowa[i];
        if (r.ile_powtorzen == 0) r.data_pierwsza = dzis;
        r.data_ostatnia = dzis;
        r.ile_powtorzen += 1;
        r.poprzedni_interwal = r.interwal;

        // Right: the type done with no wrong answer on the way, or the
        // learner said "Już umiem!".
        const TSlotPlanu& s = w.typ[p];
        const bool dobrze = (s.zrobione == 1 && s.proby == u.wymagane) || r.juz_umiem == 1;

        int d = std::clamp(nowy_interwal(r, dobrze, u.mnoznik), 1, MAX_INTERWAL);
        d = wyrownaj_interwal(d, h);
        r.interwal = d;
        if (d < DZIEN_LIMITU) ++h[d];

        if (r.juz_umiem == 1) {
            r.interwal = u.interwal_umiem;
            r.juz_umiem = 0;
        }

        double f = r.ile_powtorzen == 1 ? WSPOLCZYNNIK_NOWY
                   : dobrze             ? r.wspolczynnik * 1.2
                                        : r.wspolczynnik / 1.1;
        if (!(f >= MIN_WSPOLCZYNNIK)) f = MIN_WSPOLCZYNNIK;
        r.wspolczynnik = std::min(f, MAX_WSPOLCZYNNIK);

        for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t) {
            const TSlotPlanu& st = w.typ[t];
            r.typy[t] = st.proby == 0 ? 0 : (st.zrobione == 1 && st.proby == 1 ? 2 : 1);
        }
        ile = std::max(ile, i);
    }
}

void Wyznacz_powtorki() {
    Wyznacz_powtorki(sesja.plan, baza, tab_powtorek, ile_powtorek, TUstawieniaPowtorek::biezace(),
                     os::today());
}

namespace {

std::string bajty_rekordu(const TPowtorka& r, const std::array<bool, TYPOW_POWTORKI + 1>& f) {
    unsigned char b[ROZMIAR_POWTORKI];
    r.encode(b);
    std::string s(reinterpret_cast<const char*>(b), ROZMIAR_POWTORKI);
    for (int t = 1; t <= TYPOW_POWTORKI; ++t)
        s += f[t] ? '1' : '0';
    return s;
}

} // namespace

TStanRekordow zapamietaj_rekordy(const TPlan& plan, const TabelaPowtorek& rekordy,
                                 const FlagiPowtorek& flagi) {
    TStanRekordow st;
    const int n = std::clamp(plan.ile_w_planie, 0, MAX_LISTA);
    for (int k = 1; k <= n; ++k) {
        const int i = plan.pozycje_planu[k];
        if (i < 1 || i > MAX_POWTOREK) continue;
        st.indeksy.push_back(i);
        st.bajty.push_back(bajty_rekordu(rekordy[i], flagi[i]));
    }
    return st;
}

bool rekordy_zmienione(const TStanRekordow& przed, const TabelaPowtorek& rekordy,
                       const FlagiPowtorek& flagi) {
    for (size_t k = 0; k < przed.indeksy.size(); ++k) {
        const int i = przed.indeksy[k];
        if (bajty_rekordu(rekordy[i], flagi[i]) != przed.bajty[k]) return true;
    }
    return false;
}

bool plan_ma_proby(const TPlan& plan) {
    const int n = std::clamp(plan.ile_w_planie, 0, MAX_LISTA);
    for (int k = 1; k <= n; ++k)
        for (int t = 1; t <= TYPOW_PLANU; ++t)
            if (plan.plan_cwiczenia[k].typ[t].proby > 0) return true;
    return false;
}
