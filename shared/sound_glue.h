#pragma once
// Points core's playback and recording at the holder window's media player
// and the platform's recorder.
void podlacz_dzwiek_do_core();
