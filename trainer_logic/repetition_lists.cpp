#include "trainer_logic/repetition_lists.h"

#include <algorithm>

#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "trainer_logic/scheduler.h"

std::string forma_slowek(int n) {
    if (n == 1) return os::pl(" słówko");
    if (n >= 2 && n <= 4) return os::pl(" słówka");
    return os::pl(" słówek");
}

TNaDzis Policz_powtorki(const TabelaPowtorek& rekordy, int ile, double dzis) {
    TNaDzis w;
    ile = std::clamp(ile, 0, MAX_POWTOREK);
    for (int i = 1; i <= ile; ++i) {
        const TPowtorka& r = rekordy[i];
        if (r.id < 1 || r.kosz >= 1 || r.data_ostatnia + r.interwal > dzis) continue;
        ++w.ile;
        if (static_cast<int>(w.indeksy.size()) < MAX_W_POWTORCE) w.indeksy.push_back(i);
    }
    return w;
}

std::vector<int> wpisy_ile_teraz(int ile) {
    std::vector<int> wpisy;
    if (ile <= 40) return wpisy;
    wpisy.push_back(10);
    for (int v = 20;; v += 20) {
        const int e = std::min({v, ile, MAX_W_POWTORCE});
        wpisy.push_back(e);
        if (e >= ile || e >= MAX_W_POWTORCE) break;
    }
    return wpisy;
}

TPrzegladPowtorek przeglad_powtorek(const TabelaPowtorek& rekordy, int ile, double dzis) {
    TPrzegladPowtorek p;
    p.poczatek = dzis;
    ile = std::clamp(ile, 0, MAX_POWTOREK);
    for (int i = 1; i <= ile; ++i) {
        const TPowtorka& r = rekordy[i];
        if (r.id < 1) continue;
        if (r.kosz == 1) {
            ++p.w_koszu;
        } else if (r.data_pierwsza > 0 && r.data_pierwsza < p.poczatek) {
            p.poczatek = r.data_pierwsza;
        }
    }
    // The days counted as the scheduler counts them.
    const TRozklad dni = Rozklad_powtorek(rekordy, ile, dzis);
    p.razem = p.w_koszu;
    for (int d = 0; d < DNI_ROZKLADU; ++d) {
        if (dni[d] < 1) continue;
        p.dni.push_back({d, dni[d]});
        p.razem += dni[d];
    }
    return p;
}

std::vector<int> zawartosc_kosza(const TabelaPowtorek& rekordy, int ile) {
    std::vector<int> w;
    ile = std::clamp(ile, 0, MAX_POWTOREK);
    for (int i = 1; i <= ile; ++i)
        if (rekordy[i].id >= 1 && rekordy[i].kosz == 1) w.push_back(i);
    return w;
}

std::string wiersz_dnia(double dzis, const TDzienPowtorek& d) {
    return os::format_date(dzis + d.dzien) + " - " + IntToStr(d.ile);
}

os::PartedText wiersz_kosza(int i, const TPowtorka& r, const TBazaSlowek& b) {
    const std::string obce = i >= 1 && i <= b.ile_slow ? b.slowo_obce[i] : std::string();
    return {{liczba_z_zerami(5, i) + " - " + os::format_date(r.data_ostatnia) + " - ", 238},
            {obce, czcionka_charset}};
}

std::string podsumowanie_przegladu(const TPrzegladPowtorek& p) {
    return os::pl("Uczysz się od ") + os::format_date(p.poczatek) + ", " + IntToStr(p.razem) +
           os::pl(" słówek i zdań (") + IntToStr(p.w_koszu) + " w koszu)";
}

int indeks_wiersza(const std::string& wiersz) {
    return StrToIntDef(Copy(wiersz, 1, 5), 0);
}
