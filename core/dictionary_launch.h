#pragma once
// Handing a word to the dictionary program: start it when it is not running,
// then set the caption of its window (found by tytul_slownika) to "xxx" and
// the word, which the dictionary answers by coming to the front.
#include <string>

// The dictionary's executable, in the program folder.
extern const char* const nazwa_slownika; // "lexarin"

// Trim(word) without one final ".", "!", "," or "?", after "xxx"; empty for
// a word of blanks.
std::string podpis_slownika(const std::string& word);

// A failed start is shown to the learner. Just after a start the window does
// not listen yet and the caption is not delivered (the dictionary shows
// itself anyway).
void odpal_slownik(const std::string& word);
