#pragma once
// What the own-exercise generator and the word editor decide, without a
// window: the found list (all, filtered, searched), the exercise list of at
// most 300 items, the save code, the clipboard text, and the learner's own
// words (the new-ID rule, adding, editing, deleting, comments).
#include <string>
#include <vector>

#include "core/exercises.h"
#include "platform/os/codepage.h"

namespace generator {

// --- Found list ---------------------------------------------------------------

// A text of the store as the learner sees it: "#" stands for "=".
std::string na_ekran(const std::string& tekst);

// The item is still in the store (a deleted own word keeps its index with ID 0).
bool widoczna(int i);
// Every item of the store, in index order.
std::vector<int> wszystkie();

struct Filtr {
    int poziom = 0;       // 1..3; 0 any
    int rodzaj = 0;       // 1..5; 0 any
    bool z_grupa = false; // a group was chosen
    int grupa = 0;        // its number
    int uczone = 0;       // 1 learnt (has a repetition record), 2 not; 0 any
};
std::vector<int> filtruj(const Filtr& f);

struct Szukanie {
    bool obce = true;          // among the foreign texts
    bool polskie = true;       // among the Polish texts
    bool cale = false;         // the text equals the search text
    bool bez_wielkosci = true; // A-Z and a-z are the same letter
};
// Lower-cases A to Z only: the other letters of the 8-bit text stay as they are.
std::string male_az(std::string_view s);
bool pasuje(const std::string& tekst, const std::string& szukany, bool cale, bool bez_wielkosci);
std::vector<int> szukaj(const std::string& szukany, const Szukanie& s);
// The same with the text in each column's character set: `obcy` for the
// foreign texts, `polski` for the Polish ones; an empty one searches none.
std::vector<int> szukaj(const std::string& obcy, const std::string& polski, const Szukanie& s);

// The count line above the grid: the count, or for a search the sentence
// with the text in quotes ("raz." for 1, "razy." otherwise). 8-bit.
std::string linia_liczby(int ile, const std::string& szukany);
// The description of item i shown under the grid: a sentence's text (in the
// edition's set) on a line of its own, then the Polish description.
os::PartedText opis_slowka(int i);

// Which of the three 3x9 marks go before an item's text.
struct Znaczniki {
    bool nagranie = false; // built-in with a recording (red)
    bool s = false;        // "s" flag (yellow)
    bool wlasne = false;   // the learner's own (blue)
};
Znaczniki znaczniki(int i);

// --- Exercise list ------------------------------------------------------------

class ListaCwiczenia {
  public:
    const std::vector<int>& pozycje() const { return pozycje_; }
    int ile() const { return static_cast<int>(pozycje_.size()); }
    bool zawiera(int i) const;
    // Appends the items in order, skipping those already there and those
    // without an ID; true when some did not fit under the 300 limit.
    bool dodaj(const std::vector<int>& items);
    // Removes entry k (0-based); out of range does nothing.
    void usun(int k);
    void wyczysc() { pozycje_.clear(); }
    // Replaces the list with the run list (lista_cwiczenia 1..ile_w_liscie),
    // items of the store only, each once.
    void z_listy_biegu();
    // Fills lista_cwiczenia, lista_id and ile_w_liscie for a run or a save.
    void do_listy_biegu() const;
    // One line per entry: foreign + " = " + Polish + CR LF, in UTF-8 (each
    // text by its own set).
    std::string tekst_schowka() const;

  private:
    std::vector<int> pozycje_;
};

// The groups an exercise can be saved under (flag 1), in table order:
// number and name.
struct Grupa {
    int numer;
    std::string nazwa;
};
std::vector<Grupa> grupy_cwiczen();
// The groups of the word editor and the filter (number not 0), in table order.
std::vector<Grupa> grupy_slowek();
// The title as saved: one line, trimmed, at most 16 characters.
std::string tytul_cwiczenia(const std::string& tekst);

// The name under which an exercise is saved: "2" + group (2 digits) + "-" + level.
std::string kod_cwiczenia(int grupa, int poziom);

// --- Own words ----------------------------------------------------------------

// The next own ID: 1 + the highest ID in 40001..49999 (40001 when there is
// none); 0 when it would reach 50000, where built-in words begin.
int nastepne_id();

// The texts and choices of the word editor (8-bit, "=" as typed).
struct Slowko {
    std::string obce, polskie, l_mnoga, synonimy, uwagi;
    int grupa = 0, poziom = 1, rodzaj = 1;
};
// Both texts hold more than blanks and no text holds a line break.
bool mozna_zapisac(const Slowko& s);
// Fills the editor from item i ("#" back to "=").
Slowko z_bazy(int i);
// Adds a new own word; its index, or 0 with a message (a full store, no free
// ID, texts that cannot be stored). `nagranie` is its recording file name.
int dodaj(const Slowko& s, const std::string& nagranie);
// Stores the texts and choices into item i; false with a message when they
// cannot be stored.
bool zmien(int i, const Slowko& s);
// Deletes own item i for the session: ID 0, texts and comment emptied.
void usun_slowko(int i);
// The comment as the comment window edits it, and back as the learner typed
// it: kom_user.txt takes the whole text after the ID's "=" as the comment, so
// neither "#" nor "=" is converted anywhere on its way. A text of
// blanks deletes the comment, line breaks become blanks; the comments are
// marked changed only when the text differs. The generator and the exercise
// window both edit comments through these.
std::string komentarz_do_edycji(int i);
void ustaw_komentarz(int i, const std::string& tekst);

} // namespace generator
