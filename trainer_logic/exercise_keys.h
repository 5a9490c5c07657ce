#pragma once
// The exercise window's keys: what a key does, given its modifiers and the
// state of the window. The window sees every key before its controls; a key
// that maps to no action goes on to the focused control.
#include <array>

enum class AkcjaKlawisza {
    brak,
    wybor,             // choose answer `wybor`
    zamknij,           // close the window
    graj,              // play the answer's (answered) or the question's sound
    ok,                // check the answer, or go on after it
    pokaz_rozwiazanie, // show the answer for self-assessment
    umiem,             // self-assessed: known
    nie_umiem,         // self-assessed: not known
    pomoc,             // help page
    grupa,             // show the item's group
    akceptuj,          // accept the rejected answer
    tlo,               // another background
    pokaz_odpowiedz,   // the learner's answer in the pop-up
    pokaz_id,          // toggle the item ID
    przyklady,         // example sentences
    parametry,         // per-item type flags
    komentarz,         // edit the item's comment
    do_kosza,          // to the bin
    slownik,           // the dictionary program
    zeruj,             // reset the item
    juz_umiem,         // "Już umiem!"
};

struct Akcja {
    AkcjaKlawisza co = AkcjaKlawisza::brak;
    int wybor = 0; // 1..4 for AkcjaKlawisza::wybor
};

// What the keys depend on.
struct StanKlawiszy {
    bool odpowiedziano = false;
    std::array<bool, 4> wybor_widoczny{}; // choice labels 1..4
    bool ok_widoczny = false;
    bool sprawdz_widoczny = false;
    bool umiem_widoczny = false;
    bool nie_umiem_widoczny = false;
    bool zaakceptuj_widoczny = false;
    bool przyklady_widoczne = false;
    bool jest_odpowiedz = false;  // the learner's answer is not empty
    int jezyk = 1;                // edition language
    bool pole_wpisywania = false; // a typing box has the focus
};

// Keys in the logic's own values: letters and digits their upper-case ASCII
// codes (as core/keyboard.h has them), the others below. The window maps its
// system's keys to these; any other key is Klawisz::brak.
struct Klawisz {
    static constexpr int brak = 0;
    static constexpr int Enter = 0x0D; // Return and the keypad's Enter
    static constexpr int Esc = 0x1B;
    static constexpr int F(int n) { // F1 to F12
        return 0x6F + n;
    }
};

// Modifier bits as core/keyboard.h has them (ssShift, ssCtrl, ssAlt).
Akcja akcja_klawisza(int key, unsigned mods, const StanKlawiszy& s);
