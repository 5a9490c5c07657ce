#include "platform/ui/recorder.h"

#include "platform/os/codepage.h"
#include "platform/ui/sound_audio.h"
#include "platform/ui/sound_file.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <vector>

namespace ui {

namespace {
constexpr int max_seconds = 600; // what one recording keeps at most
constexpr size_t max_text = 200;
} // namespace

struct Recorder::Impl {
    SDL_AudioDeviceID device = 0;
    int channels = 1;
    int rate = 22050;
    int bits = 8;
    bool recording = false;
    std::vector<uint8_t> taken; // written by SDL's audio thread under the device lock
    size_t limit = 0;
    std::string reason[write_failed + 1];

    static void capture(void* self, Uint8* stream, int len) {
        auto* m = static_cast<Impl*>(self);
        size_t room = m->limit > m->taken.size() ? m->limit - m->taken.size() : 0;
        size_t n = std::min(room, static_cast<size_t>(len));
        m->taken.insert(m->taken.end(), stream, stream + n);
    }

    int open_device() {
        SDL_AudioSpec want{};
        want.freq = rate;
        want.format = bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
        want.channels = static_cast<Uint8>(channels);
        want.samples = 512;
        want.callback = &Impl::capture;
        want.userdata = this;
        limit = size_t(rate) * size_t(channels) * size_t(bits / 8) * max_seconds;
        // No changes allowed: SDL converts from what the device gives.
        device = SDL_OpenAudioDevice(nullptr, 1, &want, nullptr, 0);
        if (device) return ok;
        reason[no_device] = SDL_GetError();
        return no_device;
    }

    void close_device() {
        if (device) SDL_CloseAudioDevice(device);
        device = 0;
        recording = false;
    }
};

Recorder::Recorder() : impl_(std::make_unique<Impl>()) {}

Recorder::~Recorder() {
    close();
}

int Recorder::open() {
    Impl& m = *impl_;
    m.close_device();
    m.channels = 1;
    m.rate = 22050;
    m.bits = 8;
    m.taken.clear();
    if (!sound::audio_ready(&m.reason[no_audio])) return no_audio;
    return m.open_device();
}

int Recorder::set_wave_params(int channels, int rate, int bits) {
    Impl& m = *impl_;
    if (!m.device) return not_open;
    if (channels < 1 || channels > 2 || rate < 8000 || rate > 96000 || (bits != 8 && bits != 16))
        return bad_params;
    m.close_device();
    m.channels = channels;
    m.rate = rate;
    m.bits = bits;
    return m.open_device();
}

int Recorder::record() {
    Impl& m = *impl_;
    if (!m.device) return not_open;
    SDL_LockAudioDevice(m.device);
    m.taken.clear();
    SDL_UnlockAudioDevice(m.device);
    SDL_PauseAudioDevice(m.device, 0);
    m.recording = true;
    return ok;
}

int Recorder::save(const std::string& path) {
    Impl& m = *impl_;
    if (!m.device) return not_open;
    SDL_PauseAudioDevice(m.device, 1);
    m.recording = false;
    SDL_LockAudioDevice(m.device);
    std::vector<uint8_t> pcm = m.taken;
    SDL_UnlockAudioDevice(m.device);
    if (!sound::write_wav(path, pcm, m.rate, m.channels, m.bits, &m.reason[write_failed]))
        return write_failed;
    return ok;
}

int Recorder::close() {
    impl_->close_device();
    return ok;
}

bool Recorder::is_open() const {
    return impl_->device != 0;
}

bool Recorder::recording() const {
    return impl_->recording;
}

int Recorder::taken_ms() const {
    Impl& m = *impl_;
    size_t bytes = 0;
    if (m.device) SDL_LockAudioDevice(m.device);
    bytes = m.taken.size();
    if (m.device) SDL_UnlockAudioDevice(m.device);
    const size_t per_second = size_t(m.rate) * size_t(m.channels) * size_t(m.bits / 8);
    return per_second > 0 ? static_cast<int>(bytes * 1000 / per_second) : 0;
}

std::string Recorder::error_text(int code) const {
    auto with_reason = [&](const char* text, int kind) {
        const std::string& why = impl_->reason[kind];
        return os::pl(text) + (why.empty() ? "" : " (" + os::utf8_to_cp1250(why) + ")");
    };
    std::string text;
    switch (code) {
    case ok:
        break;
    case no_audio:
        text = with_reason("Nie można uruchomić obsługi dźwięku.", no_audio);
        break;
    case no_device:
        text = with_reason("Brak urządzenia do nagrywania dźwięku (mikrofonu).", no_device);
        break;
    case not_open:
        text = os::pl("Urządzenie nagrywania nie jest otwarte.");
        break;
    case bad_params:
        text = os::pl("Nieobsługiwany format nagrania.");
        break;
    case write_failed:
        text = with_reason("Nie można zapisać nagrania.", write_failed);
        break;
    default:
        text = os::pl("Nieznany błąd nagrywania nr ") + std::to_string(code) + ".";
    }
    return text.size() > max_text ? text.substr(0, max_text) : text;
}

} // namespace ui
