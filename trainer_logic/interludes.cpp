#include "trainer_logic/interludes.h"

#include <algorithm>

#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/startup.h"
#include "platform/os/int_math.h"
#include "platform/os/random.h"

TStanPrzerywnikow stan_przerywnikow;

void wyczysc_stan_przerywnikow() {
    stan_przerywnikow = {};
}

bool czas_na_przerywnik(bool koniec) {
    const bool tylko_na_koncu = ustawienia.linia[U_PRZERYWNIKI_NA_KONCU] == 1;
    if (koniec != tylko_na_koncu || licznik_przerywnika <= (koniec ? 10 : 20)) return false;
    licznik_przerywnika = 0;
    return true;
}

namespace {

int nastepny_zestaw(int k) {
    return k >= MAX_PRZERYWNIKOW || k < 1 ? 1 : k + 1;
}

bool moze_sie_pokazac(const TPrzerywnik& s) {
    if (!s.jest) return false;
    switch (s.rodzaj) {
    case PRZ_SENTENCJE:
    case PRZ_OBRAZKI_1:
    case PRZ_OBRAZKI_2:
        return s.ile > 0;
    case PRZ_KOJARZENIE:
        return true;
    default:
        return false;
    }
}

} // namespace

int obrot_przerywnikow(const std::function<bool(int, int)>& pokaz) {
    TStanPrzerywnikow& st = stan_przerywnikow;
    std::array<bool, MAX_PRZERYWNIKOW + 1> proba{};
    st.zestaw = nastepny_zestaw(st.zestaw);
    while (!proba[st.zestaw]) {
        const int k = st.zestaw;
        proba[k] = true;
        const TPrzerywnik& s = przerywniki[k];
        if (ustawienia.przerywnik_wlaczony(k) && moze_sie_pokazac(s)) {
            int& odliczanie = ustawienia.odliczanie_przerywnikow[k];
            if (--odliczanie < 1) {
                int& wiersz = ustawienia.wiersz_przerywnika(k);
                wiersz = wiersz + 1 > s.ile || wiersz + 1 < 1 ? 1 : wiersz + 1;
                st.biezacy_wiersz = wiersz;
                odliczanie = std::max(1, s.okres);
                if (pokaz(k, wiersz)) return k;
            }
        }
        st.zestaw = nastepny_zestaw(st.zestaw);
    }
    return 0;
}

namespace {

// A record the matching game may take: in use, for a word of the store, not in the bin.
bool slowo_do_kojarzenia(int i) {
    const TPowtorka& p = tab_powtorek[i];
    return p.id >= 1 && p.kosz == 0 && i <= baza.ile_slow && baza.rodzaj[i] != 5;
}

} // namespace

bool wybierz_slowa_kojarzenia(TSlowaKojarzenia& slowa) {
    const int n = std::clamp(ile_powtorek, 0, MAX_POWTOREK);
    int ile = 0;
    for (int i = 1; i <= n; ++i)
        if (slowo_do_kojarzenia(i)) ++ile;
    if (ile < 100) return false;

    TStanPrzerywnikow& st = stan_przerywnikow;
    int i = st.start_kojarzenia == 0 ? os::random(n) : st.start_kojarzenia + 10;
    if (i % 2 != 0) ++i;
    if (i < 1 || i > n) i = 1;

    slowa = TSlowaKojarzenia{};
    int wziete = 0;
    // One pass over the records at most: with fewer than ten distinct short
    // words the walk would never end.
    for (int przebyte = 0; wziete < SLOW_KOJARZENIA && przebyte < n;) {
        int krok = 1;
        if (slowo_do_kojarzenia(i)) {
            const std::string& obce = baza.slowo_obce[i];
            const std::string& polskie = baza.tlumaczenie[i];
            const bool miesci =
                obce.size() <= MAX_DLUGOSC_KOJARZENIA && polskie.size() <= MAX_DLUGOSC_KOJARZENIA;
            if (miesci && std::find(slowa.obce.begin() + 1, slowa.obce.begin() + 1 + wziete,
                                    obce) == slowa.obce.begin() + 1 + wziete) {
                ++wziete;
                slowa.obce[wziete] = obce;
                slowa.polskie[wziete] = polskie;
                slowa.nagrania[wziete] = sciezka_nagrania(i);
            }
            krok = (miesci ? 2 : 1) + os::random(3);
        }
        i += krok;
        przebyte += krok;
        if (i > n) i = 1;
    }
    st.start_kojarzenia = i;
    if (wziete < SLOW_KOJARZENIA) return false;

    std::array<bool, SLOW_KOJARZENIA + 1> zajete{};
    for (int j = 1; j <= SLOW_KOJARZENIA; ++j) {
        int miejsce;
        do
            miejsce = os::random(SLOW_KOJARZENIA) + 1;
        while (zajete[miejsce]);
        zajete[miejsce] = true;
        slowa.polskie_wymieszane[miejsce] = slowa.polskie[j];
    }
    return true;
}

std::string sciezka_obrazka(const std::string& kod) {
    if (kod.size() < 6) return {};
    return sciezka_cd + kod.substr(0, 2) + "\\" + kod.substr(2, 2) + "\\" + kod.substr(2, 4) +
           ".jpg";
}

TMiejsce miejsce_obrazka(int w, int h, int W, int H) {
    TMiejsce m;
    if (w <= 0 || h <= 0) return m;
    double skala = 1.0;
    if (w > W - 30) skala = std::min(skala, double(W - 30) / w);
    if (h > H - 38) skala = std::min(skala, double(H - 38) / h);
    skala = std::max(skala, 0.0);
    m.width = os::round_even(w * skala);
    m.height = os::round_even(h * skala);
    m.left = os::round_even((W - m.width) / 2.0);
    m.top = os::round_even((H - m.height) / 2.0);
    return m;
}
