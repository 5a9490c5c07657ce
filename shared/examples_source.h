#pragma once
// Where the examples window's text comes from: the sentences linked to a word
// and the text, in the window's tag set, that lists them with a sound icon
// for each one that has a recording.
#include <string>
#include <vector>

#include "platform/os/codepage.h"

// Sentences a word keeps at most; the window lists the first ones.
constexpr int MAX_PRZYKLADOW = 300;
constexpr int POKAZANYCH_PRZYKLADOW = 100;

// The item indexes of the sentences linked to item `slowko`, each once, in
// link order, at most MAX_PRZYKLADOW.
std::vector<int> Znajdz_przyklady(int slowko);

// Appends sentence i: a sound tag ("#S=" + index in 5 digits + "# ") when
// `z_dzwiekiem` and it has a recording, the foreign text in the edition's
// set, and " <(" + its Polish text (or its second translation) + ")>@" in the
// Polish set; converted for the window ("<" to "^", ">" to "</i>").
void dodaj_przyklad(os::PartedText& tekst, int i, bool z_dzwiekiem);

// The text of the first `ile` sentences, each with its sound tag; a sentence
// with neither translation adds nothing.
os::PartedText tekst_przykladow(const std::vector<int>& zdania, int ile);
