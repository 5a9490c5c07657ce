#pragma once
// The exercise window's keys as the exercise logic's own key values
// (trainer_logic/exercise_keys.h): letters and digits pass as they are,
// Return and the keypad's Enter become one Enter, Esc and F1 to F12 their
// values; any other key is Klawisz::brak.
int klawisz_cwiczenia(int qt_key);
