#pragma once
// Where the examples window's text comes from: the sentences linked to a word
// and the text, in the window's tag set, that lists them with a sound icon
// for each one that has a recording.
#include <string>
#include <vector>

// Sentences a word keeps at most; the window lists the first ones.
constexpr int MAX_PRZYKLADOW = 300;
constexpr int POKAZANYCH_PRZYKLADOW = 100;

// The item indexes of the sentences linked to item `slowko`, each once, in
// link order, at most MAX_PRZYKLADOW.
std::vector<int> Znajdz_przyklady(int slowko);

// The text of the first `ile` sentences: per sentence a sound tag
// ("#S=" + index in 5 digits + "# ") when it has a recording, the foreign
// text, and " <(" + its Polish text (or its second translation) + ")>@";
// a sentence with neither translation adds nothing. Converted for the window
// ("<" to "^", ">" to "</i>").
std::string tekst_przykladow(const std::vector<int>& zdania, int ile);
