#pragma once
// The dictionary program's start: one instance, its windows created in their
// order (the first runs the start-up and loads the store), then its window
// until it closes.
#include <functional>
#include <string>

class TFrmSlownik;

struct OpcjeSlownika {
    // The single-instance token.
    std::string token = "ApplicationTestMap";
    // Messages go to a message window. A test keeps the hook it installed
    // itself by clearing this.
    bool okna_komunikatow = true;
    // Called once the window is shown (before its own event loop runs).
    std::function<void(TFrmSlownik&)> po_pokazaniu;
};

// Runs the dictionary; the process's exit code. A second instance returns 0
// at once, having loaded and shown nothing. A fatal start-up condition
// returns after its message.
int uruchom_slownik(int argc, char** argv, const OpcjeSlownika& opcje = {});
