#pragma once
// The user list usr.t: one learner per line, "ID=name".
#include <array>
#include <string>
#include <vector>

constexpr int MAX_USEROW = 50;

struct TUzytkownik {
    int id = 0;
    std::string nazwa; // trimmed, 8-bit
};

extern int ile_userow;
extern std::array<int, MAX_USEROW + 1> id_userow;            // 1-based
extern std::array<std::string, MAX_USEROW + 1> nazwy_userow; // 1-based

// Reads usr.t from the program folder. Lines without "=" are skipped; lines
// whose ID is not a number and users beyond the 50th are kept aside, unused,
// so a rewrite does not lose them. A file that exists but cannot be read
// gives an empty list that is never written back.
void wczytaj_userow();

enum class WynikDodania { dodany, istnieje, pelna_lista, blad_zapisu, blad_odczytu };
// Adds a user (name trimmed, compared without case against the list), with
// the highest ID + 1, and rewrites usr.t through the atomic helper. Refused
// (blad_odczytu) when usr.t could not be read at the last load.
WynikDodania dodaj_usera(const std::string& nazwa, int* nowe_id = nullptr);

// The user folder of an ID: program folder + ID + "/".
std::string folder_usera(int id);

// Lines of usr.t kept aside (kept on rewrite).
const std::vector<std::string>& nadmiarowi_userzy();
