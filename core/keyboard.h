#pragma once
// German and French letters typed on a Polish keyboard with Ctrl + letter.
// The typing windows call both hooks from their key events: first
// klawiatura_KeyDown, then klawiatura_KeyPress with the typed character.

// Modifier keys held with a key (a bit set).
constexpr unsigned ssShift = 1;
constexpr unsigned ssCtrl = 2;
constexpr unsigned ssAlt = 4;

struct StanKlawiatury {
    // The letter waiting to replace the typed character: a byte of the
    // edition's code page (Windows-1250 for German, Windows-1252 for French);
    // ' ' is none.
    char oczekujaca_litera = ' ';
};
extern StanKlawiatury stan_klawiatury;
extern char& oczekujaca_litera;
void wyczysc_klawiature();

// key: the key's code; letters are their upper-case ASCII codes 'A'..'Z'.
// Clears the pending letter, then with Ctrl (and not Alt) sets it from the
// edition language's table (jezyk_edycji).
void klawiatura_KeyDown(int key, unsigned shift);
// The letter Ctrl + key gives in edition language `jezyk` (' ' for none):
// what klawiatura_KeyDown makes pending.
char litera_klawisza(int key, unsigned shift, int jezyk);
// Replaces ch by the pending letter when one is pending.
void klawiatura_KeyPress(char& ch);
