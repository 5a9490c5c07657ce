#pragma once
// Laying out the sentences of the exercise window: the sentence frame (words
// placed on lines, the marked part in blue) and the gap sentence (text with
// typing boxes in place of its gaps). The layout is computed once per
// question; painting only draws what it placed.
#include <string>
#include <vector>

#include "platform/os/codepage.h"

// The sizes the layouts fill, in the window's pixels: the sentence frame's
// width, the gap sentence's width and the height of its typing boxes.
struct RozmiaryRamek {
    int zdanie = 0;
    int luki = 0;
    int wysokosc_pola = 0;
};

// Measures text in the frames' font (the edition font at 14 points), and
// gives the sizes of the frames: both are the window's.
class MiernikTekstu {
  public:
    virtual ~MiernikTekstu() = default;
    virtual int szerokosc(const std::string& tekst, int charset) const = 0;
    virtual int wysokosc(int charset) const = 0; // of a line ("Wy")
    virtual RozmiaryRamek rozmiary() const = 0;
};

// A piece of the text in one character set.
using Odcinek = os::TextPart;

// One token placed with the top-left of its cell at (x, y).
struct Slowo {
    std::string tekst;
    int x = 0, y = 0;
    bool niebieskie = false;
    int charset = 238;
};

constexpr int MAX_TOKENOW = 70;

// The tokens of the texts in order (blanks dropped), each with its piece's
// character set; at most MAX_TOKENOW.
std::vector<Slowo> tokeny_tekstu(const std::vector<Odcinek>& tekst);

struct UkladZdania {
    std::vector<Slowo> slowa;
    int linie = 0;
    int wysokosc_linii = 0;
};

// The sentence frame: a blank after each word unless the next one is a
// punctuation sign; a word that would pass the frame's width less 4 goes to a
// new line; "@" breaks the line. With `wyroznienie` "<" and ">" are not shown
// and the words between them are blue; without it they show as they stand.
UkladZdania Ustaw_zdanie(const std::vector<Odcinek>& tekst, bool wyroznienie, int szerokosc,
                         const MiernikTekstu& m);

constexpr int MAX_LUK = 3;
constexpr int SZEROKOSC_LUKI = 80;

struct Luka {
    int x = 0, y = 0;       // top-left of the typing box
    std::string oczekiwana; // the gap's words joined by single blanks
};

struct UkladLuk {
    std::vector<Slowo> slowa;
    std::vector<Luka> luki; // at most MAX_LUK; later gaps show their words
    int linie = 0;
    int wysokosc_linii = 0;
};

// The gap sentence: each "<...>" becomes a typing box SZEROKOSC_LUKI wide,
// placed 3 pixels above the line's text; `wysokosc_pola` is the box's height.
UkladLuk Rysuj_odpowiedz(const std::string& tekst, int charset, int szerokosc, int wysokosc_pola,
                         const MiernikTekstu& m);
// Whether Rysuj_odpowiedz places a gap in `tekst`: its first "<" lies within
// the first MAX_TOKENOW tokens.
bool ma_luke_do_wpisania(const std::string& tekst);
