#pragma once
// What the dictionary window lists and says, over the item store: a group's
// words, the word search, the sentences that show a word in use, an item's
// description, the count line and the examples text. No window here.
#include <string>
#include <vector>

#include "shared/form23.h"

constexpr int MAX_ZDAN_SLOWNIKA = 100;

// Words (indexes 1..ile_slowek) of the group, in index order.
std::vector<int> slowa_grupy(int numer);

// Words whose foreign or Polish text (as the options choose) holds the word,
// or equals it with whole texts only; without case when the options say so.
// An item is listed only when no later item of the store has its ID, so an
// own word that redefines a built-in one shows once, in its later version.
std::vector<int> szukaj_slow(const std::string& slowo, const OpcjeSzukania& o);
// The same with the word in each column's character set: `obce` for the
// foreign texts, `polskie` for the Polish ones; an empty one searches none.
std::vector<int> szukaj_slow(const std::string& obce, const std::string& polskie,
                             const OpcjeSzukania& o);

// Sentences that show the word in use, at most MAX_ZDAN_SLOWNIKA: their search
// text holds the word between blanks (or before a comma; English also with
// "s" or "es"), and in the German edition first the sentences linked to the
// first word whose foreign text holds it. Mode 1 takes only the linked ones.
std::vector<int> szukaj_zdan(int tryb, const std::string& slowo);

// The description under the list: the kind, then the group; a sentence adds
// its foreign text (in the edition's set) on a second line.
os::PartedText opis_pozycji(int i);

// The count line: after a search how often the word was found, else how many
// words are listed.
std::string tekst_liczby(int ile, const std::string& szukane);

// The examples window's text for the sentences: per sentence a sound sign
// (when it has a recording and `z_dzwiekiem`), its text and, in italics, its
// translation, a line each.
os::PartedText tekst_przykladow(const std::vector<int>& zdania, bool z_dzwiekiem);
