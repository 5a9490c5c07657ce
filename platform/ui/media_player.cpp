#include "platform/ui/media_player.h"

#include "platform/os/date_serial.h"
#include "platform/ui/sound_audio.h"
#include "platform/ui/sound_file.h"

#include <SDL2/SDL.h>

namespace ui {

namespace {
// A waiting play() gives up this long after the sound's own length, so a
// device that stops consuming never holds the windows.
constexpr int wait_margin_ms = 2000;
} // namespace

struct MediaPlayer::Impl {
    std::string file;
    sound::SoundData data;
    bool loaded = false;
    bool wait = false;
    SDL_AudioDeviceID device = 0;
    unsigned generation = 0; // changes whenever playback is stopped or restarted
    int64_t ends_at = 0;     // when the device has sounded the last queued buffer

    void stop_device() {
        if (device) SDL_CloseAudioDevice(device);
        device = 0;
        ++generation;
    }
};

MediaPlayer::MediaPlayer() : impl_(std::make_unique<Impl>()) {}

MediaPlayer::~MediaPlayer() {
    impl_->stop_device();
}

void MediaPlayer::set_time_format_ms() {} // lengths are always in milliseconds

void MediaPlayer::close() {
    impl_->stop_device();
    impl_->data = sound::SoundData{};
    impl_->loaded = false;
}

void MediaPlayer::set_file_name(const std::string& path) {
    impl_->file = path;
}

const std::string& MediaPlayer::file_name() const {
    return impl_->file;
}

bool MediaPlayer::open() {
    close();
    impl_->loaded = !impl_->file.empty() && sound::read_sound(impl_->file, impl_->data);
    return impl_->loaded;
}

void MediaPlayer::set_wait(bool wait) {
    impl_->wait = wait;
}

void MediaPlayer::play() {
    Impl& m = *impl_;
    if (!m.loaded) return;
    m.stop_device();
    if (m.data.samples.empty() || !sound::audio_ready()) return;

    SDL_AudioSpec want{};
    want.freq = m.data.rate;
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(m.data.channels);
    want.samples = 1024;
    // No changes allowed: SDL converts to what the device takes.
    SDL_AudioSpec have{};
    m.device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!m.device) return; // no sound device: silent
    SDL_QueueAudio(m.device, m.data.samples.data(),
                   static_cast<Uint32>(m.data.samples.size() * sizeof(int16_t)));
    SDL_PauseAudioDevice(m.device, 0);
    // The queue empties one device buffer before that buffer has sounded.
    const int buffer_ms = have.freq > 0 ? int(int64_t(have.samples) * 1000 / have.freq) : 100;
    m.ends_at = os::ticks_ms() + m.data.length_ms() + buffer_ms + 10;
    if (!m.wait) return;

    const unsigned mine = m.generation;
    const int64_t give_up = os::ticks_ms() + m.data.length_ms() + wait_margin_ms;
    // Events handled here may close the player or start another sound.
    while (impl_->generation == mine && playing() && os::ticks_ms() < give_up) {
        sound::process_events();
        SDL_Delay(5);
    }
    if (impl_->generation == mine) impl_->stop_device();
}

bool MediaPlayer::playing() const {
    return impl_->device &&
           (SDL_GetQueuedAudioSize(impl_->device) > 0 || os::ticks_ms() < impl_->ends_at);
}

int MediaPlayer::length_ms() const {
    return impl_->loaded ? impl_->data.length_ms() : 0;
}

} // namespace ui
