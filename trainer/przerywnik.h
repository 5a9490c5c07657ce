#pragma once
// The interludes shown between questions and at an exercise's end: the
// rotation (trainer_logic/interludes.h) decides, the windows TForm18 (saying),
// TForm16 (picture) and TForm17 (matching game) show. The exercise window
// calls Przerywnik through its hook when one is due.

// Shows at most one interlude.
void Przerywnik();
// Picks ten scheduled words and plays the matching game with them; false
// (nothing shown) when there are too few.
bool Bonus_slowka();
