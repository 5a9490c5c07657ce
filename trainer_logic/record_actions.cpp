#include "trainer_logic/record_actions.h"

#include <string>

#include "core/text.h"
#include "platform/os/codepage.h"

namespace {

constexpr double WSPOLCZYNNIK_NOWY = 1.5;

// Every type slot done: the learner dealt with the item in one step.
void slot_zalatwiony(TPlanSlowka& w, bool z_proba) {
    for (int t = 1; t <= MAX_TYP_CWICZENIA; ++t) {
        TSlotPlanu& s = w.typ[t];
        if (z_proba) s.proby = 1;
        s.zrobione = 1;
        s.pozostalo = 0;
    }
}

void od_nowa(TPowtorka& r, int32_t id, double dzis, int interwal) {
    r.id = id;
    r.data_pierwsza = dzis;
    r.wspolczynnik = WSPOLCZYNNIK_NOWY;
    r.ile_powtorzen = 1;
    r.interwal = interwal;
}

} // namespace

void wyzeruj_rekord(TPowtorka& r, std::array<bool, TYPOW_POWTORKI + 1>& flagi) {
    r = TPowtorka{};
    flagi = {};
}

std::string pytanie_akcji(AkcjaRekordu a, int dni) {
    switch (a) {
    case AkcjaRekordu::zeruj:
        return os::pl("Czy chcesz wyzerować (usunąć) historię i parametry powtórek bieżącego "
                      "słówka/zdania?");
    case AkcjaRekordu::do_kosza:
        return os::pl("Czy chcesz przenieść aktualne słówko/zdanie do kosza?");
    case AkcjaRekordu::juz_umiem:
        return os::pl("Już umiesz? (Następna powtórka po ") + IntToStr(dni) + os::pl(" dniach.)");
    }
    return {};
}

void zastosuj_akcje(AkcjaRekordu a, TPlanSlowka& w, TPowtorka& r,
                    std::array<bool, TYPOW_POWTORKI + 1>& flagi, int32_t id, double dzis) {
    switch (a) {
    case AkcjaRekordu::zeruj:
        slot_zalatwiony(w, false);
        wyzeruj_rekord(r, flagi);
        break;
    case AkcjaRekordu::do_kosza:
        slot_zalatwiony(w, true);
        r.data_ostatnia = dzis;
        r.kosz = 1;
        if (r.ile_powtorzen < 2) od_nowa(r, id, dzis, 1);
        break;
    case AkcjaRekordu::juz_umiem:
        slot_zalatwiony(w, true);
        if (r.ile_powtorzen < 2) {
            const bool bez_rekordu = r.ile_powtorzen < 1;
            od_nowa(r, id, dzis, 100);
            // An item that had no record is counted once, as today's
            // repetition; one repeated on an earlier day is counted by the
            // scheduler.
            if (bez_rekordu) r.data_ostatnia = dzis;
        }
        r.juz_umiem = 1;
        break;
    }
}
