#include "trainer/przerywnik.h"

#include "core/exercises.h"
#include "trainer/windows.h"
#include "trainer_logic/interludes.h"

bool Bonus_slowka() {
    TSlowaKojarzenia slowa;
    if (!Form17 || !wybierz_slowa_kojarzenia(slowa)) return false;
    Form17->nowa_gra(slowa);
    Form17->show_modal();
    return true;
}

void Przerywnik() {
    obrot_przerywnikow([](int zestaw, int) {
        switch (przerywniki[zestaw].rodzaj) {
        case PRZ_SENTENCJE:
            if (!Form18) return false;
            Form18->show_modal();
            return true;
        case PRZ_OBRAZKI_1:
        case PRZ_OBRAZKI_2:
            if (!Form16) return false;
            Form16->show_modal();
            return true;
        case PRZ_KOJARZENIE:
            return Bonus_slowka();
        default:
            return false;
        }
    });
}
