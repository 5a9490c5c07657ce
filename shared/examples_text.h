#pragma once
// The examples window's text: a small tag set of its own, split into tokens and
// laid out word by word in 20-pixel lines, with the sound icons as click spots,
// scrolled by whole lines. No window here: the window measures through Miara
// and paints what the layout lists.
//
// Tags, matched without regard to case where they start: "<br>" and "@" new
// line; "<b>" "</b>" bold; "<i>" or "^" and "</i>" italic; a word starting
// "#S=" is a sound icon whose characters 4-8 give the item index to play;
// a word starting "#N=" is the second icon, a spot with no sound.
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/codepage.h"

namespace przyklady {

constexpr int MAX_TOKENOW = 2100;
// The trainer sends up to 100 sound tags; one more for the dictionary's texts.
constexpr int MAX_PUNKTOW = 101;
constexpr int WYSOKOSC_LINII = 20;

enum class Rodzaj { slowo, nowa_linia, bold_wl, bold_wyl, kursywa_wl, kursywa_wyl, dzwiek, ikona };

struct Token {
    Rodzaj rodzaj = Rodzaj::slowo;
    std::string tekst; // as written
    // Sound icon: the item index of characters 4-8; 0 when they are not five digits.
    int pozycja = 0;
    size_t od = 0;     // where it starts in the text split
    int charset = 238; // of the piece it starts in
};

// Splits a text into at most MAX_TOKENOW tokens. A space ends the word before
// it (an empty word too); a "<" or ">" that starts no tag is an ordinary
// character.
std::vector<Token> Podziel_tekst(std::string_view tekst);
// The same over the pieces joined; each token is in the set of its piece.
std::vector<Token> Podziel_tekst(const os::PartedText& tekst);

// Text width in the window's font ("Arial CE", 10 points) in the given style
// and character set.
class Miara {
  public:
    virtual ~Miara() = default;
    virtual int szerokosc(const std::string& tekst, bool bold, bool italic, int charset) = 0;
};

struct Rozmiar {
    int w = 0, h = 0;
};

// One piece to paint at (x, y), the top-left of its cell: a word with a space
// after it in its style, or an icon.
struct Element {
    int x = 0, y = 0;
    int token = 0;
    bool bold = false, italic = false;
};

// A click spot: an icon's top-left and its token.
struct Punkt {
    int x = 0, y = 0;
    int token = 0;
    bool dzwiek = false; // "#S=" (else "#N=")
};

struct Uklad {
    std::vector<Element> elementy;
    std::vector<Punkt> punkty;  // at most MAX_PUNKTOW
    int pierwszy_widoczny = -1; // first sound spot inside the box, -1 none
    int ile_widocznych = 0;     // sound spots inside the box
    int ostatnie_y = 0;         // top of the last line holding something
    int koniec_y = 0;           // y after the last token, line breaks counted
    bool cos_jest = false;      // anything laid out at all
};

// Lays the tokens out in a box of `pole` pixels, scrolled by `przesuniecie`
// lines; `ikona_dzwieku` and `ikona_2` are the icons' sizes.
Uklad Rysuj_tekst(const std::vector<Token>& tokeny, Miara& miara, Rozmiar pole, int przesuniecie,
                  Rozmiar ikona_dzwieku, Rozmiar ikona_2);

// The window's state over one text: scrolling, the spot under the mouse and
// the space bar's walk over the visible sound icons.
class TTekstPrzykladow {
  public:
    TTekstPrzykladow(Miara& miara, Rozmiar pole, Rozmiar ikona_dzwieku, Rozmiar ikona_2);

    // A new text: back to the top, hot spot none, space cursor at the start;
    // the largest scroll offset is that of the text laid out at the top:
    // (y after the last token - box height) div 20 + 1 when that y is below
    // the box, so a text ending in a line break (as the trainer's do) scrolls
    // one line past its last words; at least enough that the last line fits
    // whole.
    void ustaw_tekst(const os::PartedText& tekst);
    void ustaw_tekst(std::string_view tekst) {
        ustaw_tekst(os::PartedText{{std::string(tekst), 238}});
    }

    const std::vector<Token>& tokeny() const { return tokeny_; }
    // The layout at the current offset (kept until the offset or text changes).
    const Uklad& uklad();

    int przesuniecie() const { return przesuniecie_; }
    int max_przesuniecie() const { return max_przesuniecie_; }
    bool btn_up() const { return przesuniecie_ > 0; }
    bool btn_dn() const { return przesuniecie_ < max_przesuniecie_; }
    // One line down or up; false when already at the end. Restarts the space walk.
    bool w_dol();
    bool w_gore();

    // The spot whose icon holds (x, y) strictly inside; -1 for none. Sets the hot spot.
    int najedz(int x, int y);
    int goracy() const { return goracy_; }
    // Item index the hot spot plays: 0 for none.
    int klik();

    // Space bar: the item index of the next visible sound icon to play, 0 for
    // none; the walk goes round the icons inside the box.
    int Odtworz_przyklad();

    // Item index of a spot's sound; 0 for an icon without one.
    int pozycja_punktu(int punkt);

  private:
    Miara& miara_;
    Rozmiar pole_, ikona1_, ikona2_;
    std::vector<Token> tokeny_;
    Uklad uklad_;
    bool uklad_aktualny_ = false;
    int przesuniecie_ = 0;
    int max_przesuniecie_ = 0;
    int goracy_ = -1;
    int kursor_ = 0;
};

} // namespace przyklady
