#pragma once
// Logging a learner in: the user folder and the loads the exercises need, in
// their fixed order, under the progress window.
#include <string>

// The item store was loaded in this process (never so in the trainer, whose
// main window clears it; the dictionary program sets it).
extern bool dane_wczytane;

// The first step of a login: the user's name and folder, the folder made when
// missing. False, with the message shown, when it could not be made: the user
// globals are then left as they were, the user choice stays open and nothing
// is loaded.
bool ustaw_usera(int id, const std::string& nazwa);

// The rest of the login under the progress window: the leftovers of a crash
// cleared from the user folder and p.i brought into agreement with the
// backups, the statistics (seeded on the first login, topped up with built-in
// exercises that have no row), the own exercises, then the item store,
// settings, interludes and repetition store. A load that fails shows its message and the
// later loads still run; when the item store did not load whole, the
// repetition store is not written back in this session.
void wczytaj_profil();

// Both steps. False when the user folder could not be made.
bool zaloguj(int id, const std::string& nazwa);
