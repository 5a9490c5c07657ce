#pragma once
// SDL2 audio for playback and capture, started on first use. Without a sound
// device (or with SDL_AUDIODRIVER naming none that works) it stays off and
// callers play nothing; it is tried again after shutdown_audio().
#include <string>

namespace ui::sound {

// Starts SDL audio when not yet started; false (with SDL's reason in `error`)
// when it cannot be started.
bool audio_ready(std::string* error = nullptr);

// Stops SDL audio; every open device must be closed first. The next use
// starts it again, reading SDL_AUDIODRIVER anew.
void shutdown_audio();

// Lets the windows handle pending events while a caller waits (nothing when
// no application object exists); the waiting window takes no input meanwhile.
void process_events();

} // namespace ui::sound
