#include "trainer_logic/exercise_keys.h"

#include "core/keyboard.h"

namespace {

Akcja a(AkcjaKlawisza co, int wybor = 0) {
    return {co, wybor};
}

} // namespace

Akcja akcja_klawisza(int key, unsigned mods, const StanKlawiszy& s) {
    using A = AkcjaKlawisza;
    const bool ctrl = (mods & ssCtrl) != 0;
    const bool tylko_ctrl = ctrl && !(mods & (ssShift | ssAlt));
    const bool bez_ctrl = !(mods & (ssCtrl | ssAlt));

    if (key >= '1' && key <= '4' && bez_ctrl) {
        const int n = key - '0';
        if (!s.odpowiedziano && s.wybor_widoczny[1]) {
            // A choice that is not shown cannot be picked.
            return s.wybor_widoczny[n - 1] ? a(A::wybor, n) : a(A::brak);
        }
        if (n == 1 && s.umiem_widoczny) return a(A::umiem);
        if (n == 2 && s.nie_umiem_widoczny) return a(A::nie_umiem);
        return a(A::brak);
    }

    switch (key) {
    case Klawisz::Esc:
        return a(A::zamknij);
    case Klawisz::Enter:
        if (s.ok_widoczny) return a(A::ok);
        if (s.sprawdz_widoczny) return a(A::pokaz_rozwiazanie);
        return a(A::brak);
    case Klawisz::F(1):
        return a(A::pomoc);
    case Klawisz::F(2):
        return a(A::grupa);
    case Klawisz::F(3):
        return s.zaakceptuj_widoczny ? a(A::akceptuj) : a(A::brak);
    case Klawisz::F(4):
        return a(A::tlo);
    case Klawisz::F(5):
        return s.jest_odpowiedz ? a(A::pokaz_odpowiedz) : a(A::brak);
    case Klawisz::F(6):
        return a(A::pokaz_id);
    case Klawisz::F(7):
        return s.przyklady_widoczne ? a(A::przyklady) : a(A::brak);
    case Klawisz::F(8):
        return a(A::parametry);
    default:
        break;
    }

    if (!ctrl) return a(A::brak);
    // In a typing box an accented letter of the edition wins over the
    // window's Ctrl keys (the French è is Ctrl+T).
    if (s.pole_wpisywania && litera_klawisza(key, mods, s.jezyk) != ' ') return a(A::brak);
    if (key == 'G') return a(A::graj);
    if (key == 'W' && s.jezyk != 3) return a(A::graj);
    if (!tylko_ctrl) return a(A::brak);
    switch (key) {
    case 'K':
        return a(A::komentarz);
    case 'T':
        return a(A::do_kosza);
    case 'D':
        return a(A::slownik);
    case 'Z':
        return a(A::zeruj);
    case 'J':
        return a(A::juz_umiem);
    default:
        return a(A::brak);
    }
}
