#pragma once
// Logging a learner in: the user folder and the loads the exercises need, in
// their fixed order, under the progress window.
#include <string>

// The item store was loaded in this process (never so in the trainer, whose
// main window clears it; the dictionary program sets it).
extern bool dane_wczytane;

// Logs in the user with this ID and name. False when the user folder could not
// be made (nothing is loaded then). A load that fails shows its message and the
// later loads still run; when the item store did not load whole, the
// repetition store is not written back in this session.
bool zaloguj(int id, const std::string& nazwa);
