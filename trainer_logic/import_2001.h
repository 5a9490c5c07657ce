#pragma once
// Bringing a learner's repetitions and own words over from the earlier 2001
// edition: where that edition is installed, its users, its own words added to
// this store under new IDs, and its repetition file read into this store.
// No windows here; the import window calls these.
#include <string>
#include <unordered_map>
#include <vector>

// The registry key of the earlier edition for the edition language
// (HKEY_LOCAL_MACHINE\...), and the folder its "app_kat" value names, trimmed;
// empty when the value is absent.
std::string klucz_rejestru_2001(int jezyk);
std::string folder_z_rejestru_2001(int jezyk);

// A folder as typed or read: trimmed, a drive form mapped as the disc root is,
// a relative one taken below the program folder; ends in "/". Empty for an
// empty text.
std::string folder_2001(const std::string& tekst);

struct Uzytkownik2001 {
    int numer = 0;
    std::string nazwa;
};
constexpr int MAX_USEROW_2001 = 50;
// The users of its usr.t (lines "number = name"); none when the file is
// missing or holds no such line; at most 50.
std::vector<Uzytkownik2001> wczytaj_userow_2001(const std::string& folder);

// Earlier-edition word ID -> the ID the word has in this store.
using MapaId2001 = std::unordered_map<int, int>;

// Appends the own words of `plik` (an item file) to the store. Each takes a
// new ID by the word editor's rule; one whose foreign and Polish texts equal
// an own word already in the store is not added again and maps to it. Fills
// `mapa` and returns the number of words added; -1, with the store as it was
// and a message, when the file cannot be read or is damaged.
int import_slowek_2001(const std::string& plik, MapaId2001& mapa);

struct WynikImportu {
    bool wczytany = false; // the file was read and the store replaced
    int zaimportowane = 0; // records with an interval above 0
    int odrzucone = 0;     // records of items this store does not hold
    std::string lista_odrzuconych; // " - " + ID per rejected record
};
// Replaces the repetition store with the records of `folder_usera` + "p.b".
// Own-word IDs (40001..59999) go through `mapa`; an ID that maps to no item
// is rejected. A missing or unreadable file leaves the store as it was. Only
// reads and fills; messages and the rejected-codes file are the caller's.
WynikImportu wczytaj_powtorki_2001(const std::string& folder_usera, const MapaId2001& mapa);

// The whole repetition import with its progress window, its messages and the
// rejected-codes file in the user folder. True when the store was replaced.
bool import_powtorek(const std::string& folder_usera, const MapaId2001& mapa);

// Name of the rejected-codes file in the user folder.
inline constexpr const char* PLIK_ODRZUCONYCH = "import_powtorek_2001_kody_odrzuconych.txt";
