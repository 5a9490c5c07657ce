#include "trainer/form4_places.h"

#include <algorithm>

#include "trainer/form4_geometry.h"

namespace {

int top_ramki(const Ekran& e) {
    switch (e.ramka_miejsce) {
    case MiejsceRamki::wg_linii:
        return geo4::ramka_top_linie[std::min(std::max(1, e.ramka.linie), 4) - 1];
    case MiejsceRamki::bez_slowa:
        return geo4::ramka_top_bez_slowa;
    case MiejsceRamki::po_lukach:
        return geo4::ramka_top_po_lukach;
    case MiejsceRamki::start:
        break;
    }
    return geo4::ramka_top;
}

} // namespace

PolozeniaEkranu polozenia(const Ekran& e, const Pytanie& p) {
    PolozeniaEkranu r;
    r.ramka = top_ramki(e);
    // The prompt's place in the layout; the rows below it count from there.
    const int polecenie = p.uklad_ze_slowem ? geo4::polecenie_ze_slowem : geo4::polecenie_bez_slowa;
    const int* wiersze = p.uklad_ze_slowem ? geo4::wiersze_ze_slowem : geo4::wiersze_bez_slowa;
    r.polecenie = e.polecenie_nad_ramka ? r.ramka - geo4::ramka_polecenie_odstep : polecenie;
    for (int k = 0; k < 4; ++k)
        r.odp[k] = polecenie + wiersze[k];
    r.wpisana = r.odp[1]; // clear of a hint under the prompt
    r.poprawna = polecenie + geo4::poprawna_pod_poleceniem;
    r.poprawna2 = (e.poprawna2_pod_poprawna ? r.poprawna : polecenie) + geo4::podpowiedz_odstep;
    return r;
}
