#pragma once
// The exercise engine: runs one exercise type over the positions of the run
// plan, sets up each question, judges the answers, works the plan's slots
// down and keeps the run's counters. The exercise window owns one and turns
// its screen into controls; what the engine needs of the window (sounds,
// message boxes, interludes, closing) it asks through UslugiCwiczenia.
#include <array>
#include <string>

#include "trainer_logic/exercise_keys.h"
#include "trainer_logic/question.h"
#include "trainer_logic/record_actions.h"
#include "trainer_logic/run_plan.h"
#include "trainer_logic/run_result.h"

class UslugiCwiczenia {
  public:
    virtual ~UslugiCwiczenia() = default;
    // Plays a recording; with `czekaj` returns at its end, the window
    // responsive meanwhile.
    virtual void graj(const std::string& plik, bool czekaj) = 0;
    // The information box, modal.
    virtual void informacja(const std::string& tekst) = 0;
    // The plan has no more work in the type: the window closes.
    virtual void zamknij() = 0;
    // An interlude between questions.
    virtual void przerywnik() {}
    // Examples of a word (sentences linked to it); L_przyklady shows when any.
    virtual int ile_przykladow(int slowko) { return 0; }
    // The question on screen is about to be left / a new one was set up.
    virtual void koniec_pytania() {}
    virtual void nowe_pytanie() {}
    // The screen as it stands is to show now: a wait follows (the bad
    // answer's sound) before the step returns.
    virtual void pokaz_ekran() {}
};

class SilnikCwiczenia {
  public:
    SilnikCwiczenia(TPlan& plan, UslugiCwiczenia& uslugi, const MiernikTekstu& miernik);

    // Starts a run of type `typ`: counters cleared, the positions shuffled
    // (runs of 5 items and more), the first question.
    void start(int typ);
    // The next position with work in the type, wrapping; none: the window closes.
    void Nastepne_slowko();

    // Answers.
    void Sprawdz_wybor(int n);
    void Sprawdz_wpisane(const std::string& tekst);
    void Sprawdz_luki(const std::array<std::string, 3>& pola);
    void Pokaz_rozwiazanie();
    void Ocen_sam(bool umiem);
    void Zaakceptuj_odp();
    // A record button on the question's item (the learner said yes to its
    // question): the record changes at once, the next question follows.
    void Akcja_rekordu(AkcjaRekordu a, double dzis);
    // B_OK: checks the typed answer or the gaps, or goes on after a verdict.
    void I_OKClick(const std::string& wpisana, const std::array<std::string, 3>& pola);
    // The learner's recording was kept: its replay button shows (until the
    // next verdict).
    void Nagranie_zachowane() { e_.play_nagrane = true; }
    // The sound Ctrl+G plays: the answer's once answered, else the question's.
    std::string dzwiek_do_grania() const;
    // The item's group name (F2).
    void Pokaz_grupe();

    // The state the key table needs.
    StanKlawiszy stan_klawiszy(bool pole_wpisywania) const;

    const Ekran& ekran() const { return e_; }
    const Pytanie& pytanie() const { return p_; }
    int typ() const { return typ_; }
    int kursor() const { return kursor_; }
    int biezace_slowko() const { return p_.slowko; }
    bool odpowiedziano() const { return odpowiedziano_; }
    bool werdykt() const { return werdykt_; }
    const std::string& odpowiedz() const { return odpowiedz_; }

    // Run counters.
    int poprawne() const { return poprawne_; }
    int bledne() const { return bledne_; }
    int ilosc() const { return ilosc_; } // positions of the type at the start
    // Positions attempted in this run of the type: answered, binned or
    // marked known since the window opened (earlier runs do not count).
    int proby() const;
    TWynikCwiczenia wynik() const;

  private:
    void Przygotuj_pytanie();
    void Ocen_odpowiedz();
    void Po_odpowiedzi();
    void Pokaz_poprawna();
    void Pokaz_statystyke();
    void po_wpisanej(bool dobrze);
    TSlotPlanu& slot();

    TPlan& plan_;
    UslugiCwiczenia& uslugi_;
    const MiernikTekstu& miernik_;

    int typ_ = 0;
    int kursor_ = 0;
    Ekran e_;
    Pytanie p_;
    bool odpowiedziano_ = false;
    bool werdykt_ = false;
    bool przez_alternatywe_ = false;
    std::string odpowiedz_; // the learner's answer
    int poprawne_ = 0, bledne_ = 0, ilosc_ = 0;
    std::array<bool, MAX_LISTA + 1> w_tym_pokazie_{}; // positions attempted in this run
};

// Number of swaps of the run's shuffle for n positions: 0.6 n rounded, at
// least 5 and at most n; none for fewer than 5.
int ile_zamian(int n);
// Swaps k random pairs of positions (the item and all its slots).
void tasuj_plan(TPlan& plan);

// The next background: a random one not used yet (all used: start again).
// Returns its index in tla_cwiczen, 0 when there are none.
int Losuj_tlo();
