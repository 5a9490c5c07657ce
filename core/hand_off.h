#pragma once
// The hand-off file slow.txt in a user folder: the dictionary appends the IDs
// of the words the learner sends, one a line after a ten-line header; the
// trainer takes them at its next start.
//
// Both sides work under one lock of their own, on slow.lock in the same
// folder (never on slow.txt, which the trainer renames). The trainer takes
// the file by renaming it to a private name under the lock, so words the
// dictionary sends while the trainer shows the list go to a new slow.txt and
// none is lost; keeping the words merges the private file back, and a private
// file that a trainer ending early left behind is merged back at the next
// start.
#include <string>
#include <vector>

constexpr int NAGLOWEK_SLOW = 10; // header lines before the first ID

// folder + "slow.txt", and the trainer's private name for it.
std::string plik_slow(const std::string& folder);
std::string plik_slow_przejety(const std::string& folder);

// Something other than a file (a folder) stands where slow.txt should be:
// neither program can read or append it. Says so, naming it like an
// unreadable file, followed by `skutek` (8-bit text); true then.
bool zglos_nieczytelne_slowa(const std::string& folder, const std::string& skutek);

// The ten header lines of a new hand-off file (8-bit text).
std::vector<std::string> naglowek_slow();

// Appends one ID (nothing for an ID below 1) to slow.txt, creating it with
// its header when missing. False when the lock could not be had or the write
// failed.
bool dopisz_slowo(const std::string& folder, int id);

// Merges a private file left behind back into slow.txt. False when the lock
// could not be had or a write failed (the private file then stays).
bool odzyskaj_slowa(const std::string& folder);

// Takes slow.txt for reading: a private file left behind is merged back
// first, then slow.txt is renamed to the private name. The private file's
// path; empty when there is no slow.txt (or it could not be taken).
std::string przejmij_slowa(const std::string& folder);

// The learner keeps the words for the next start: the private file goes back
// (merged with what came meanwhile).
bool oddaj_slowa(const std::string& folder);
// The words were used: the private file is deleted.
void usun_przejete_slowa(const std::string& folder);
