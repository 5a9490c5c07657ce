// The exercise window's key table: key (as the window maps it), modifiers and
// window state to action.
#include <gtest/gtest.h>

#include <QtCore/qnamespace.h>

#include "core/keyboard.h"
#include "trainer/form4_keys.h"
#include "trainer_logic/exercise_keys.h"

namespace {

using A = AkcjaKlawisza;

StanKlawiszy wybor(int ile) {
    StanKlawiszy s;
    for (int k = 0; k < ile; ++k)
        s.wybor_widoczny[k] = true;
    return s;
}

StanKlawiszy po_odpowiedzi() {
    StanKlawiszy s;
    s.odpowiedziano = true;
    s.ok_widoczny = true;
    s.jest_odpowiedz = true;
    return s;
}

StanKlawiszy samoocena() {
    StanKlawiszy s;
    s.umiem_widoczny = s.nie_umiem_widoczny = true;
    return s;
}

StanKlawiszy wpisywanie(int jezyk) {
    StanKlawiszy s;
    s.ok_widoczny = true;
    s.pole_wpisywania = true;
    s.jezyk = jezyk;
    return s;
}

StanKlawiszy bez_pola(int jezyk) {
    StanKlawiszy s;
    s.jezyk = jezyk;
    return s;
}

TEST(ExerciseKeys, Table) {
    struct Case {
        const char* opis;
        int key;
        unsigned mods;
        StanKlawiszy stan;
        A co;
        int wybor;
    } cases[] = {
        {"choice 1", Qt::Key_1, 0, wybor(4), A::wybor, 1},
        {"choice 4 with four shown", Qt::Key_4, 0, wybor(4), A::wybor, 4},
        {"choice 4 hidden (three articles)", Qt::Key_4, 0, wybor(3), A::brak, 0},
        {"choice 3 hidden (two left)", Qt::Key_3, 0, wybor(2), A::brak, 0},
        {"digits with one choice", Qt::Key_1, 0, wybor(1), A::brak, 0},
        {"digits after the answer", Qt::Key_1, 0, po_odpowiedzi(), A::brak, 0},
        {"Ctrl+1 is no choice", Qt::Key_1, ssCtrl, wybor(4), A::brak, 0},
        {"1 = known", Qt::Key_1, 0, samoocena(), A::umiem, 0},
        {"2 = not known", Qt::Key_2, 0, samoocena(), A::nie_umiem, 0},
        {"3 in self-assessment", Qt::Key_3, 0, samoocena(), A::brak, 0},
        {"Esc", Qt::Key_Escape, 0, {}, A::zamknij, 0},
        {"Enter with OK", Qt::Key_Return, 0, po_odpowiedzi(), A::ok, 0},
        {"keypad Enter with OK", Qt::Key_Enter, 0, po_odpowiedzi(), A::ok, 0},
        {"Enter shows the answer", Qt::Key_Return, 0,
         [] {
             StanKlawiszy s;
             s.sprawdz_widoczny = true;
             return s;
         }(),
         A::pokaz_rozwiazanie, 0},
        {"Enter with nothing to confirm", Qt::Key_Return, 0, wybor(4), A::brak, 0},
        {"F1", Qt::Key_F1, 0, {}, A::pomoc, 0},
        {"F2", Qt::Key_F2, 0, {}, A::grupa, 0},
        {"F3 without the accept label", Qt::Key_F3, 0, po_odpowiedzi(), A::brak, 0},
        {"F3 with it", Qt::Key_F3, 0,
         [] {
             StanKlawiszy s = po_odpowiedzi();
             s.zaakceptuj_widoczny = true;
             return s;
         }(),
         A::akceptuj, 0},
        {"F4", Qt::Key_F4, 0, {}, A::tlo, 0},
        {"F5 with an answer", Qt::Key_F5, 0, po_odpowiedzi(), A::pokaz_odpowiedz, 0},
        {"F5 without one", Qt::Key_F5, 0, {}, A::brak, 0},
        {"F6", Qt::Key_F6, 0, {}, A::pokaz_id, 0},
        {"F7 without examples", Qt::Key_F7, 0, po_odpowiedzi(), A::brak, 0},
        {"F7 with examples", Qt::Key_F7, 0,
         [] {
             StanKlawiszy s = po_odpowiedzi();
             s.przyklady_widoczne = true;
             return s;
         }(),
         A::przyklady, 0},
        {"F8", Qt::Key_F8, 0, {}, A::parametry, 0},
        {"Ctrl+G", Qt::Key_G, ssCtrl, {}, A::graj, 0},
        {"Ctrl+Shift+G plays too", Qt::Key_G, ssCtrl | ssShift, {}, A::graj, 0},
        {"Ctrl+W", Qt::Key_W, ssCtrl, bez_pola(1), A::graj, 0},
        {"Ctrl+W in the French edition", Qt::Key_W, ssCtrl, bez_pola(3), A::brak, 0},
        {"Ctrl+K", Qt::Key_K, ssCtrl, {}, A::komentarz, 0},
        {"Ctrl+T", Qt::Key_T, ssCtrl, {}, A::do_kosza, 0},
        {"Ctrl+D", Qt::Key_D, ssCtrl, {}, A::slownik, 0},
        {"Ctrl+Z", Qt::Key_Z, ssCtrl, {}, A::zeruj, 0},
        {"Ctrl+J", Qt::Key_J, ssCtrl, {}, A::juz_umiem, 0},
        {"Ctrl only: Ctrl+Shift+T", Qt::Key_T, ssCtrl | ssShift, {}, A::brak, 0},
        {"Ctrl only: Ctrl+Alt+Z", Qt::Key_Z, ssCtrl | ssAlt, {}, A::brak, 0},
        {"T alone", Qt::Key_T, 0, {}, A::brak, 0},
        {"French Ctrl+T outside a box: the bin", Qt::Key_T, ssCtrl, bez_pola(3), A::do_kosza, 0},
        {"French Ctrl+T in a box: the letter", Qt::Key_T, ssCtrl, wpisywanie(3), A::brak, 0},
        {"English Ctrl+T in a box: the bin", Qt::Key_T, ssCtrl, wpisywanie(1), A::do_kosza, 0},
        {"German Ctrl+D in a box", Qt::Key_D, ssCtrl, wpisywanie(2), A::slownik, 0},
        {"typing a digit", Qt::Key_1, 0, wpisywanie(1), A::brak, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        const Akcja a = akcja_klawisza(klawisz_cwiczenia(c.key), c.mods, c.stan);
        EXPECT_EQ(a.co, c.co);
        EXPECT_EQ(a.wybor, c.wybor);
    }
}

} // namespace
