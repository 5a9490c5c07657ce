#include "platform/ui/sound_audio.h"

#include <SDL2/SDL.h>

#include "platform/ui/window.h"

namespace ui::sound {

namespace {

enum class AudioState { off, on, failed };
AudioState g_state = AudioState::off;
std::string g_failure;

} // namespace

bool audio_ready(std::string* error) {
    if (g_state == AudioState::off) {
        // The programs handle their own signals; SDL must not take SIGINT/SIGTERM.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            g_state = AudioState::on;
        } else {
            g_state = AudioState::failed;
            g_failure = SDL_GetError();
        }
    }
    if (g_state == AudioState::failed && error) *error = g_failure;
    return g_state == AudioState::on;
}

void shutdown_audio() {
    if (g_state == AudioState::on) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_state = AudioState::off;
    g_failure.clear();
}

void process_events() {
    process_events_while_waiting();
}

} // namespace ui::sound
