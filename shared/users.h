#pragma once
// The user list usr.t: one learner per line, "ID=name". Both programs add
// users to it, each under the list's own lock file.
#include <array>
#include <string>
#include <vector>

#include "core/learner_file.h"

constexpr int MAX_USEROW = 50;

struct TUzytkownik {
    int id = 0;
    std::string nazwa; // trimmed, 8-bit
};

using IdUserow = std::array<int, MAX_USEROW + 1>;
using NazwyUserow = std::array<std::string, MAX_USEROW + 1>;

// The list as last read; wyczysc_userow() resets it whole.
struct StanUserow {
    int ile_userow = 0;
    IdUserow id_userow{};        // 1-based
    NazwyUserow nazwy_userow{};  // 1-based
    // Lines kept aside, unused, so a rewrite does not lose them: a line
    // without "=" or whose ID is not a number, users beyond the 50th.
    std::vector<std::string> nadmiar;
    core::PlikUcznia plik; // usr.t
};
extern StanUserow stan_userow;

extern int& ile_userow;
extern IdUserow& id_userow;
extern NazwyUserow& nazwy_userow;

void wyczysc_userow();

// Reads usr.t from the program folder. A file that exists but cannot be read
// is reported and gives an empty list. One holding lines that are no
// "ID=name" is reported and copied beside it (usr.t.uszkodzony); those lines
// are kept aside and written back as they were read.
void wczytaj_userow();

enum class WynikDodania { dodany, istnieje, pelna_lista, blad_zapisu, blad_odczytu };
// Adds a user (name trimmed, compared without case). Under the lock file
// usr.t.lock it reads usr.t afresh, so a user the other program added in the
// meantime is neither lost nor taken twice; the new ID lies above every ID in
// the file and every numbered user folder (whose data must never pass to a
// new user); usr.t is rewritten through the atomic helper before the lock
// goes. Once added, the list in memory is the file's, the new user last.
// blad_odczytu: usr.t cannot be read (reported, nothing written);
// blad_zapisu: the lock could not be had or the write failed.
WynikDodania dodaj_usera(const std::string& nazwa, int* nowe_id = nullptr);

// The user folder of an ID: program folder + ID + "/".
std::string folder_usera(int id);

// Lines of usr.t kept aside (kept on rewrite).
const std::vector<std::string>& nadmiarowi_userzy();
