#include "platform/ui/sound_file.h"

#include "platform/os/paths.h"

#include <sndfile.h>

namespace ui::sound {

namespace {

void set_error(std::string* error, const std::string& text) {
    if (error) *error = text;
}

} // namespace

bool read_sound(const std::string& path, SoundData& out, std::string* error) {
    out = SoundData{};
    SF_INFO info{};
    SNDFILE* f = sf_open(os::resolve(path).c_str(), SFM_READ, &info);
    if (!f) {
        set_error(error, sf_strerror(nullptr));
        return false;
    }
    // Refuse absurd headers before allocating: at most one hour at 192 kHz.
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1 ||
        info.frames > int64_t(192000) * 3600) {
        sf_close(f);
        set_error(error, "unsupported sound format");
        return false;
    }
    std::vector<int16_t> samples(size_t(info.frames) * size_t(info.channels));
    sf_count_t got = sf_readf_short(f, samples.data(), info.frames);
    sf_close(f);
    samples.resize(size_t(got > 0 ? got : 0) * size_t(info.channels));
    out.rate = info.samplerate;
    out.channels = info.channels;
    out.samples = std::move(samples);
    return true;
}

bool write_wav(const std::string& path, const std::vector<uint8_t>& pcm, int rate, int channels,
               int bits, std::string* error) {
    if ((bits != 8 && bits != 16) || channels < 1 || rate < 1) {
        set_error(error, "unsupported wave parameters");
        return false;
    }
    const std::string real = os::resolve(path);
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | (bits == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
    SNDFILE* f = sf_open(real.c_str(), SFM_WRITE, &info);
    if (!f) {
        set_error(error, sf_strerror(nullptr));
        return false;
    }
    const size_t frame_bytes = size_t(channels) * size_t(bits / 8);
    const sf_count_t frames = sf_count_t(pcm.size() / frame_bytes);
    // Raw writes take the bytes as they stand: unsigned 8-bit, or 16-bit
    // little-endian as the WAV file keeps them.
    sf_count_t bytes = frames * sf_count_t(frame_bytes);
    bool ok = sf_write_raw(f, pcm.data(), bytes) == bytes;
    if (!ok) set_error(error, sf_strerror(f));
    if (sf_close(f) != 0 && ok) {
        ok = false;
        set_error(error, "cannot finish the sound file");
    }
    if (!ok) os::remove_file(real);
    return ok;
}

} // namespace ui::sound
