#include "core/state.h"

#include "core/exercises.h"
#include "core/items.h"
#include "core/keyboard.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/statistics.h"
#include "core/text.h"

namespace core {

void wyczysc_stan() {
    wyczysc_start();
    wyczysc_baze();
    wyczysc_powtorki();
    wyczysc_ustawienia();
    wyczysc_statystyki();
    wyczysc_cwiczenia();
    wyczysc_tekst();
    wyczysc_klawiature();
    wyczysc_dzwiek();
}

} // namespace core
