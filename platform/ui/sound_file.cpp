#include "platform/ui/sound_file.h"

#include "platform/os/paths.h"

#include <sndfile.h>

#include <algorithm>

namespace ui::sound {

namespace {

constexpr int min_rate = 1000;
constexpr int max_rate = 384000;
constexpr size_t block_frames = 16384;
// 15 minutes of 48 kHz stereo: what one sound keeps at most.
constexpr size_t max_samples = size_t(48000) * 2 * 60 * 15;

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
    // Refuse what no device plays sensibly; the length in the header is not
    // trusted (a compressed file can claim hours in a few bytes), so the
    // samples are read as they come, up to a limit.
    if (info.channels < 1 || info.channels > 8 || info.samplerate < min_rate ||
        info.samplerate > max_rate) {
        sf_close(f);
        set_error(error, "unsupported sound format");
        return false;
    }
    const size_t channels = size_t(info.channels);
    const size_t max_frames = max_samples / channels;
    std::vector<int16_t> samples;
    std::vector<int16_t> block(block_frames * channels);
    while (samples.size() / channels < max_frames) {
        const sf_count_t got = sf_readf_short(f, block.data(), sf_count_t(block_frames));
        if (got <= 0) break;
        const size_t take = std::min(size_t(got), max_frames - samples.size() / channels);
        samples.insert(samples.end(), block.begin(), block.begin() + take * channels);
    }
    sf_close(f);
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
