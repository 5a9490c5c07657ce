#pragma once
// The dictionary's search options in ustaw_s.txt of the program folder: four
// lines "1" or "0" (foreign column, Polish column, whole texts, ignore case).
// Read at the start and written at the end in the same place, so they last
// from one start to the next. The file goes through the learner-file type:
// one that cannot be read is not overwritten.
#include <string>

#include "core/learner_file.h"
#include "shared/form23.h"

std::string plik_opcji_slownika();

// The options of the file; a missing file gives on, on, off, off; a line
// that is missing or not "1" is off.
OpcjeSzukania czytaj_opcje_slownika(core::PlikUcznia& plik);
bool zapisz_opcje_slownika(core::PlikUcznia& plik, const OpcjeSzukania& o);
