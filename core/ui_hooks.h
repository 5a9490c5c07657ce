#pragma once
// What core must show or play goes through these hooks. The programs fill them
// in with their windows; tests replace them. Texts are 8-bit Windows-1250.
#include <functional>
#include <string>

namespace core {

struct UiHooks {
    // The information box with one OK button, shown modally. Unset: the
    // message goes to os::show_message, so none is lost.
    std::function<void(const std::string& text)> info;
    // The progress window: caption and position 0..100, shown modelessly.
    std::function<void(const std::string& caption, int position)> progress_show;
    std::function<void(int position)> progress_position;
    std::function<void()> progress_hide;
    // Lets the windows process pending events (used by short waits).
    std::function<void()> process_events;
    // Plays a WAV file (full path), waiting for its end when `wait`.
    std::function<void(const std::string& path, bool wait)> play_wav;
    // Closes the media player: stops playback and releases its file.
    std::function<void()> close_player;
};

UiHooks& ui();       // the hooks in force; unset ones do nothing (but info)
void reset_ui();     // back to doing nothing

// Convenience calls that do nothing when the hook is unset.
void show_info(const std::string& text);
void progress_show(const std::string& caption, int position);
void progress_position(int position);
void progress_hide();

}  // namespace core
