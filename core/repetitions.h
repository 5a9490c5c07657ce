#pragma once
// The repetition store: one record per item index, saved as fixed 60-byte
// little-endian records in p.b (and its backups) in the user folder, with the
// text table p.i listing every record file written.
#include <array>
#include <cstdint>
#include <string>

#include "core/learner_file.h"

constexpr int MAX_POWTOREK = 15000;
constexpr int TYPOW_POWTORKI = 15; // exercise types 1..14 and one spare
constexpr int ROZMIAR_POWTORKI = 60;
constexpr int MAX_INFO_POWTOREK = 10; // lines of p.i

struct TPowtorka {
    int32_t id = 0;            // item ID; > 0 record in use, 0 free
    double data_pierwsza = 0;  // first repetition (date serial, whole days)
    double data_ostatnia = 0;  // last repetition
    int32_t ile_powtorzen = 0; // number of repetitions
    int32_t interwal = 0;      // current interval in days
    int32_t poprzedni_interwal = 0;
    double wspolczynnik = 0; // per-item factor (1.5 for a new record)
    // Per exercise type 1..15 ([0] unused): 0 not practised, 1 practised,
    // 2 right at the first attempt. In the file raised by 100 when flagged.
    std::array<uint8_t, TYPOW_POWTORKI + 1> typy{};
    uint8_t juz_umiem = 0;          // "Już umiem!" pending
    uint8_t kosz = 0;               // in the bin: never due
    std::array<uint8_t, 3> wolne{}; // unused bytes, carried

    // The 60 file bytes, field by field; per-type bytes as they stand.
    void encode(unsigned char out[ROZMIAR_POWTORKI]) const;
    void decode(const unsigned char in[ROZMIAR_POWTORKI]);
};

using TabelaPowtorek = std::array<TPowtorka, MAX_POWTOREK + 1>;
using FlagiPowtorek = std::array<std::array<bool, TYPOW_POWTORKI + 1>, MAX_POWTOREK + 1>;

// The store and what its loads decided; wyczysc_powtorki() resets it whole.
struct StanPowtorek {
    // Indexed by item index 1..MAX_POWTOREK ([0] unused).
    TabelaPowtorek tab_powtorek{};
    int ile_powtorek = 0; // highest index in use
    // Per item index and exercise type 1..15: the type is flagged (the word list).
    FlagiPowtorek flagi_powtorek{};

    // p.b: its load decides whether the store may be written at all, the
    // backups included. Not loaded yet: nothing may be written.
    core::PlikUcznia plik;
    // Backups are refused for the session: the load found fewer records than
    // the last save, or records of built-in items the course no longer holds.
    bool kopia_zablokowana = false;
    // The item store did not load whole: every write is refused until the
    // next login's load; a restore or an import does not lift it.
    bool baza_niepelna = false;
    // Records (file bytes) of built-in items missing from the item store:
    // written back unchanged with every save, so a damaged course file
    // loses nothing.
    std::string bez_pozycji;
    // p.i could not be read: it is left alone, and said so once.
    bool info_nieczytelne = false;
    // p.i held lines of no record file: said once.
    bool info_uszkodzone = false;
};
extern StanPowtorek stan_powtorek;

extern TabelaPowtorek& tab_powtorek;
extern int& ile_powtorek;
extern FlagiPowtorek& flagi_powtorek;

// Resets the store and every decision of its loads (nothing may be written
// until the next load).
void wyczysc_powtorki();

// Loads p.b at login, without the count report. Reported, each with its
// consequence: a p.b that cannot be read or is damaged (not a whole number of
// records, or no record matching an item) blocks every write of the store; a
// shrunken store (fewer records than settings line 52) and records of
// built-in items the course files no longer hold block backups for the
// session. False when anything was reported.
bool wczytaj_powtorki();
// Restores the store from a backup (file name in the user folder) with the
// count report. A missing, unreadable, empty or damaged file is reported and
// leaves the store as it was, and whether it may be written as it was: the
// store in memory is still the one loaded at login, so the session's runs
// are saved as before. False then.
bool wczytaj_powtorki_z_kopii(const std::string& file);
// Writes p.b. False when refused (blocked) or failed; both are reported.
bool zapisz_powtorki();
// Writes the backup chosen by the run counter (settings line 51). False, and
// nothing written, in a session whose load reported a problem.
bool kopia_powtorek();
// Backup file name for a run counter: divisible by 10 p_kopia_10.b, by 5
// p_kopia_5.b, else p_kopia.b.
std::string plik_kopii_powtorek(int licznik);

// The shared workers. Names are relative to the user folder unless absolute.
bool zapisz_powtorki_do(const std::string& file);
bool wczytaj_powtorki_z(const std::string& file, bool raport);
// Sets the line of `file` in p.i to now and `count` (appended when absent);
// p.i keeps the newest MAX_INFO_POWTOREK lines. False, with a message, when
// p.i exists but cannot be read (it is then left as it is) or the write failed.
bool zapisz_info_powtorek(const std::string& file, int count);
// Brings p.i into agreement with the record files in the user folder (a
// process killed between writing a backup and p.i leaves them apart): a file
// newer than its line, or holding another number of records, gets its time
// and count; a record file without a line gets one; a file that cannot be
// read is not counted. Lines of p.i that are no such line are left out (the
// damaged p.i kept beside it, reported). False when p.i could not be read or
// written (reported).
bool uzgodnij_info_powtorek();

bool zapis_powtorek_zablokowany();
bool kopia_powtorek_zablokowana();
// A caller that filled the store itself (the import) allows writes again.
void zezwol_na_zapis_powtorek();
// Refuses every write of the store for the session (the item store it maps to
// did not load whole, so records would be dropped). Neither a restore nor
// zezwol_na_zapis_powtorek() lifts it; the next wczytaj_powtorki() does.
void zablokuj_zapis_powtorek();

// Due: item index i in use, not in the bin, last date + interval <= today.
bool powtorka_na_dzis(int i, double dzis);
// Due records among 1..ile_powtorek today.
int ile_na_dzis();
