#pragma once
// What the exercise window shows for one question, and the set-up of a
// question of each of the fourteen exercise types. The set-up is a plain
// function of the item, the type and the edition; the window only turns the
// screen it returns into its controls. The screen says where things go in its
// own terms (which place of the frame, which of the two layouts, which row);
// the window maps that to pixels.
#include <array>
#include <string>
#include <vector>

#include "core/items.h"
#include "trainer_logic/sentence_layout.h"

// A text of a label with its character set.
struct TekstEkranu {
    std::string tekst;
    int charset = 238;
    bool widoczny = false;
};

// A piece of a label's text in another set (a foreign word in a Polish line).
struct Wstawka {
    size_t od = 0, dlugosc = 0;
    int charset = 238;
};

enum class Fokus { brak, wpisana, wpis1 };

// Where the sentence frame sits: its place at a question's start, under the
// word by its number of lines, in the layout without the word, or where the
// sentence shows after a gap sentence's verdict.
enum class MiejsceRamki { start, wg_linii, bez_slowa, po_lukach };

// The state of every control of TForm4 that the engine drives.
struct Ekran {
    std::string podpis; // window caption

    TekstEkranu slowko; // L_Slowko

    bool ramka_widoczna = false; // dxramka
    MiejsceRamki ramka_miejsce = MiejsceRamki::start;
    UkladZdania ramka;

    bool ramka2_widoczna = false; // DXRamka2 and its typing boxes
    UkladLuk luki;
    std::array<bool, 3> wpis_widoczny{};

    std::string polecenie; // L_Polecenie
    bool polecenie_widoczne = false;
    bool polecenie_nad_ramka = false; // else in its layout's place
    bool polecenie_czerwone = false;

    // The choice rows, the typed answer (in the second row's place) and the
    // correct answer sit in the question's layout (Pytanie::uklad_ze_slowem).
    std::array<std::string, 4> odp; // L_Odp1..4 with Wyr1, Wyr2, wyr3, wyr4
    std::array<bool, 4> odp_widoczna{};
    int odp_charset = 238;

    bool wpisana_widoczna = false; // E_Wpisana

    TekstEkranu poprawna;  // L_Poprawna
    TekstEkranu poprawna2; // L_Poprawna2: a hint under the prompt, or
    bool poprawna2_pod_poprawna = false; // the correct answer's second line

    bool ok = false, sprawdz = false; // B_OK, B_Sprawdz
    bool umiesz = false, nie_umiesz = false, tlo_umiesz = false;
    bool zaakceptuj = false;     // K_Zaakceptuj
    bool graj = false;           // TransparentButton1
    std::string graj_podpowiedz; // its hint ("": as it stands)
    bool play_nagrane = false;   // k_play_nagrane (the learner's recording)

    TekstEkranu kom; // L_Kom on L_kom_panel
    Wstawka kom_obce; // its piece in the foreign set

    std::string stat1, stat2, stat3; // counters
    std::string powtorki;            // L_Powtorki
    std::string pokaz_id;            // L_pokaz_id
    std::string grupa_tem;           // L_grupa_tem
    bool przyklady = false;          // L_przyklady

    Fokus fokus = Fokus::brak;
};

// How the learner answers.
enum class Forma {
    wybor,      // picks one of the choice labels
    wpisywanie, // types into E_Wpisana
    luki,       // types into the gap boxes
    samoocena,  // asks for the answer, then says whether it was known
    wymowa,     // says at once whether it was known (pronunciation)
};

// What the screen does not show: how the question is judged.
struct Pytanie {
    int typ = 0;
    int slowko = 0;      // item index
    bool da_sie = false; // the item can be asked in this type
    Forma forma = Forma::wybor;
    bool uklad_ze_slowem = true;
    std::string oczekiwana;
    int poprawny_wybor = 0;
    std::string dzwiek_pytania;
    std::string dzwiek_odpowiedzi;
    bool graj_pytanie = false; // play the question's sound at once
    std::vector<std::string> alternatywy;
    std::array<std::string, 3> luki; // expected text of each gap ("" none)
};

// "Tavolent 4.0 - " + the type's caption.
std::string podpis_typu(int typ);
// The exercise types whose choices and correct answer carry foreign text.
bool odpowiedz_obca(int typ);
// Character set of foreign text in this edition (0 in the French one).
int charset_obcy();

// Shows a text as the question's word: at most 50 characters in a word type
// go into L_Slowko, anything longer and every sentence into the frame, placed
// by its number of lines.
void Pokaz_tekst(Ekran& e, const Pytanie& p, const std::string& tekst, bool wyroznienie,
                 int charset, const MiernikTekstu& m);

// The sentence frame after a verdict of types 10 and 12: the sentence with
// its gaps highlighted and the Polish text after it.
UkladZdania zdanie_z_tlumaczeniem(int slowko, const MiernikTekstu& m);

// The gaps of a choice sentence, one or two: the sentence shown with " ... "
// in place of each and the text expected, the gaps' texts joined by " ... ".
struct ZdanieZLukami {
    bool jest = false; // a "<" with a ">" after it
    std::string pokazane;
    std::string oczekiwane;
};
ZdanieZLukami luki_wyboru(const std::string& obce);

// The gap sentence of type 12 as it is laid out: the foreign text, followed
// by the Polish one in brackets except in the French edition (which shows it
// in the comment lines).
std::string tekst_luk(int i, const TBazaSlowek& b);

// Whether item i can be asked in type `typ` at all: a choice needs a right
// text to offer (the foreign text in types 1 and 4, the Polish one in 2), a
// choice sentence a gap with text in it, a gap sentence a gap that is laid
// out (ma_luke_do_wpisania). The run plan gives no work in a type the item
// cannot be asked in.
bool da_sie_zapytac(int typ, int i, const TBazaSlowek& b);

// Sets up the question of type `typ` for item `slowko` on a fresh screen
// (filling L_Powtorki and the counters is the caller's). Draws choices with
// the program's random generator. A question that cannot be asked (no such
// item, or da_sie_zapytac refuses it) comes back with da_sie false.
void Przygotuj_pytanie(int typ, int slowko, const MiernikTekstu& m, Ekran& e, Pytanie& p);

// "Powtórka: n" and the last date for an item with a repetition record;
// empty when it has none.
std::string opis_powtorki(int slowko);
