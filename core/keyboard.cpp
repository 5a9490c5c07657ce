#include "core/keyboard.h"

#include "core/startup.h"

StanKlawiatury stan_klawiatury;
char& oczekujaca_litera = stan_klawiatury.oczekujaca_litera;

void wyczysc_klawiature() {
    stan_klawiatury = {};
}

namespace {

struct Litera {
    char key;
    unsigned char small, capital;
};

constexpr Litera niemieckie[] = {
    {'A', 228, 196}, {'E', 235, 203}, {'O', 246, 214}, {'S', 223, 223}, {'U', 252, 220},
};

// The French letters have no capital form here: Shift gives the same.
constexpr Litera francuskie[] = {
    {'E', 231, 231}, {'I', 238, 238}, {'L', 251, 251}, {'O', 244, 244},
    {'P', 249, 249}, {'Q', 226, 226}, {'R', 233, 233}, {'T', 232, 232},
    {'U', 239, 239}, {'W', 224, 224}, {'Y', 234, 234},
};

template <size_t N> char z_tabeli(const Litera (&tab)[N], int key, bool shift) {
    for (const Litera& l : tab)
        if (l.key == key) return static_cast<char>(shift ? l.capital : l.small);
    return ' ';
}

} // namespace

char litera_klawisza(int key, unsigned shift, int jezyk) {
    if (!(shift & ssCtrl) || (shift & ssAlt)) return ' ';
    const bool duza = (shift & ssShift) != 0;
    if (jezyk == 2) return z_tabeli(niemieckie, key, duza);
    if (jezyk == 3) return z_tabeli(francuskie, key, duza);
    return ' ';
}

void klawiatura_KeyDown(int key, unsigned shift) {
    oczekujaca_litera = litera_klawisza(key, shift, jezyk_edycji);
}

void klawiatura_KeyPress(char& ch) {
    if (oczekujaca_litera != ' ') ch = oczekujaca_litera;
}
