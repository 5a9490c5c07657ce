#pragma once
// The trainer's windows, in one place: which exist, the order in which start-up
// creates them (the main window first, so every later one may use the globals
// its creation sets), and the global pointer of each. Code that opens another
// window includes this header and uses its pointer.
//
// The windows by name: caption, and what each is for ("s": built in shared/,
// since the dictionary uses it too).
//   Form1     edition title             main menu: the functions, repetitions due today
//   Form2     "Generator ćwiczeń"       own-exercise generator: pick items, save, load, learn
//   Form3     "Import"                  import of the 2001 edition's repetitions and words
//   Form4     "Tavolent 4.0"            exercise window: the questions of one exercise type
//   Form5  s  (never shown)             holder of the button strips and the media player
//   Form6     "Twoja odpowiedź"         the learner's last answer, over the exercise window
//   Form7     "Ćwiczenie"               not built yet (a shell below)
//   Form8     "Rodzaje ćwiczeń"         exercise-type chooser of a run
//   Form9  s  "Tavolent 2001"           user choice and logging in
//   Form10 s  "Nowy użytkownik"         a new user
//   Form11    "Powtórki"                repetitions due today, the start of a repetition run
//   Form12    "Ustawienia"              the learner's settings and the backups
//   Form13    "Nowe słówko"             word editor ("Edycja słówka" for an own word)
//   Form14 s  what is going on          progress bar
//   Form15    "Parametry ćwiczenia"     title, group and level of an own exercise to save
//   Form16    "Tavolent 4.0"            picture interlude, full screen
//   Form17    "Kojarzenie słówek"       matching game
//   Form18    "Przerywnik"              saying interlude
//   Form19    "Wybór nagrania"          recording picker of the word editor
//   Form20 s  (none)                    information box: a message and OK
//   Form21    "Powtórki w kolejnych dniach"  repetitions over the coming days, the bin
//   Form22    "Tavolent 4.0"            black full-screen backdrop behind the windows
//   Form23 s  "Tavolent - szukaj..."    search options
//   Form24 s  (none)                    leave-the-program box
//   Form25    edition title             statistics after an exercise
//   Form26    "Słówka ze słownika"      words sent from the dictionary
//   Form27    "Komentarz"               the learner's comment on an item
//   Form28    "Pomoc"                   help pages in the viewer
//   Form29 s  (none)                    yes/no question box
//   Form30    "Oznacz rodzaje ćwiczeń"  per-item exercise-type flags
//   Form31    "Lista słówek"            word list of a finished run
//   WyborZdanForm    edition title      lesson and exercise chooser
//   InformacjaForm s "Przykłady"        example sentences of a word
//
// Turning a shell into the real window (the shells are the VOKARIN_SHELL lines
// below):
//  1. Write trainer/formN.h and trainer/formN.cpp with `class TFormN : public
//     ui::Window`, its controls as members with the names the window's
//     description gives, its handlers (K_OKClick, ...). The header declares no
//     pointer; FormN is declared and defined here.
//     - Geometry (window size, control rectangles) goes in trainer/formN_geometry.h,
//       included by formN.cpp and by the artwork generator, never by other windows.
//     - Buttons name their strip: TTransparentButton B_OK{this, Pasek::ok2}.
//     - In the constructor: SetDefaultButton(&B_OK) for Enter, SetCancelButton(
//       &B_Zamknij) for Esc, SetHelpPage("h_..html") for F1 (leave it unset when
//       F1 opens the page asked for last); FormKeyDown only for other keys.
//     - What the window decides (plans, verdicts, lists) goes in plain classes
//       in trainer_logic/, which tests call without a window; the window maps
//       their result to its controls and pixels.
//  2. Here: replace the window's VOKARIN_SHELL line with
//     #include "trainer/formN.h". Nothing else: the list at the bottom already
//     creates it in its place, and windows.cpp defines its pointer.
//  3. A window both programs use is built in shared/ instead; move its entry
//     in the list from OKNO to OKNO_WSPOLNE (its pointer is then defined in
//     shared/).
// A window whose constructor needs arguments, or whose failure to be created
// must not stop the start, gets its own case in utworz_okna_trenera.
#include "shared/form10.h"
#include "shared/form14.h"
#include "shared/form20.h"
#include "shared/form23.h"
#include "shared/form24.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/form9.h"
#include "shared/informacja.h"
#include "shared/zestaw_okien.h"
#include "trainer/form1.h"
#include "trainer/form11.h"
#include "trainer/form12.h"
#include "trainer/form13.h"
#include "trainer/form15.h"
#include "trainer/form16.h"
#include "trainer/form17.h"
#include "trainer/form18.h"
#include "trainer/form19.h"
#include "trainer/form2.h"
#include "trainer/form21.h"
#include "trainer/form22.h"
#include "trainer/form25.h"
#include "trainer/form26.h"
#include "trainer/form27.h"
#include "trainer/form28.h"
#include "trainer/form30.h"
#include "trainer/form31.h"
#include "trainer/form3.h"
#include "trainer/form4.h"
#include "trainer/form6.h"
#include "trainer/form8.h"
#include "trainer/shells.h"
#include "trainer/wybor_zdan_form.h"

// The windows not built yet: class, size, title, help page of F1 (nullptr: the
// page asked for last). The big windows take the main window's size.
VOKARIN_SHELL(TForm7, 455, 240, "Ćwiczenie", nullptr);

// Every window in its order of creation: OKNO for the trainer's own (pointer
// defined in windows.cpp), OKNO_WSPOLNE for those of shared/.
#define VOKARIN_OKNA_TRENERA(OKNO, OKNO_WSPOLNE)                                                   \
    OKNO(TForm1, Form1)                                                                            \
    OKNO_WSPOLNE(TForm20, Form20)                                                                  \
    OKNO_WSPOLNE(TForm9, Form9)                                                                    \
    OKNO(TForm2, Form2)                                                                            \
    OKNO(TForm4, Form4)                                                                            \
    OKNO_WSPOLNE(TForm5, Form5)                                                                    \
    OKNO(TForm6, Form6)                                                                            \
    OKNO(TForm7, Form7)                                                                            \
    OKNO(TForm8, Form8)                                                                            \
    OKNO_WSPOLNE(TForm10, Form10)                                                                  \
    OKNO(TForm11, Form11)                                                                          \
    OKNO(TForm12, Form12)                                                                          \
    OKNO(TForm13, Form13)                                                                          \
    OKNO_WSPOLNE(TForm14, Form14)                                                                  \
    OKNO(TForm15, Form15)                                                                          \
    OKNO(TForm16, Form16)                                                                          \
    OKNO(TForm17, Form17)                                                                          \
    OKNO(TForm18, Form18)                                                                          \
    OKNO(TForm19, Form19)                                                                          \
    OKNO(TForm21, Form21)                                                                          \
    OKNO(TForm22, Form22)                                                                          \
    OKNO_WSPOLNE(TForm23, Form23)                                                                  \
    OKNO_WSPOLNE(TForm24, Form24)                                                                  \
    OKNO(TForm25, Form25)                                                                          \
    OKNO(TForm26, Form26)                                                                          \
    OKNO(TForm27, Form27)                                                                          \
    OKNO(TForm28, Form28)                                                                          \
    OKNO_WSPOLNE(TForm29, Form29)                                                                  \
    OKNO(TForm30, Form30)                                                                          \
    OKNO(TWyborZdanForm, WyborZdanForm)                                                            \
    OKNO(TForm3, Form3)                                                                            \
    OKNO_WSPOLNE(TInformacjaForm, InformacjaForm)                                                  \
    OKNO(TForm31, Form31)

#define VOKARIN_DEKLARACJA_OKNA(Klasa, wskaznik) extern Klasa* wskaznik;
VOKARIN_OKNA_TRENERA(VOKARIN_DEKLARACJA_OKNA, VOKARIN_DEKLARACJA_OKNA)
#undef VOKARIN_DEKLARACJA_OKNA

// Creates every window in the order above into `okna`. A run-time error of
// the main window's start-up passes on to the caller; the holder window
// without its strips still comes up (buttons then paint nothing), with the
// error shown.
void utworz_okna_trenera(ZestawOkien& okna);
