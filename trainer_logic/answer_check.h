#pragma once
// Judging typed answers: the variants built from the answer-variant table
// (ss_sk.t), the alternatives from an item's "/"-separated list, and the
// comparison of a typed answer with all of them. Texts are 8-bit.
#include <array>
#include <string>
#include <vector>

constexpr int MAX_WARIANTOW = 40;
constexpr int MAX_ODPOWIEDZI = 90;

// One pair of the answer-variant table: the key in an answer may be written
// as the value.
struct ParaWariantu {
    std::string klucz;
    std::string wartosc;
};
// The table loaded at start-up (ss_klucze, ss_wartosci).
std::vector<ParaWariantu> tabela_wariantow();

// Every variant of `oczekiwana`: for each pair whose key occurs in it, the
// first occurrence replaced; then, for each pair whose key occurs again
// further on, that later occurrence replaced alone and together with the
// first. At most MAX_WARIANTOW are kept; further ones overwrite the last.
std::vector<std::string> Warianty_skrotow(const std::string& oczekiwana,
                                          const std::vector<ParaWariantu>& tabela);

// What the alternatives depend on besides the text.
struct KontekstOdpowiedzi {
    int typ = 0;    // exercise type
    int jezyk = 1;  // edition language: 1 English, 2 German, 3 French
    int rodzaj = 0; // the item's part of speech (3 a verb)
    std::string slowo_obce;
    std::string l_mnoga;
};

// The accepted alternatives: the trimmed parts of `tekst` between "/" (empty
// parts are dropped); for an English verb in typed translation the foreign
// text and every form without "to " once more with it; for a German plural
// "die " + the plural. At most MAX_ODPOWIEDZI.
std::vector<std::string> Lista_odpowiedzi(const std::string& tekst, const KontekstOdpowiedzi& k);

// The learner's typed text as it is compared: spacing normalised, and a
// final "\" dropped from an answer longer than one character.
std::string normalizuj_wpisana(const std::string& tekst);

struct Porownanie {
    bool dobrze = false;
    bool przez_alternatywe = false; // right only through an alternative
};

// Compares a normalised answer with the expected text, its variants and
// (when `z_alternatywami`) the alternatives, each normalised the same way.
// An empty answer is always wrong.
Porownanie porownaj_odpowiedz(const std::string& odpowiedz, const std::string& oczekiwana,
                              const std::vector<std::string>& alternatywy, bool z_alternatywami,
                              const std::vector<ParaWariantu>& tabela);

// The expected answers of the gaps of a sentence, split at "#": part 1 before
// the first "#", part 2 up to the second, part 3 the rest.
std::array<std::string, 3> podziel_synonimy(const std::string& synonimy);
