#pragma once
// WAV files through libsndfile: reading any format it knows as 16-bit
// samples, and writing the recorder's PCM.
#include <cstdint>
#include <string>
#include <vector>

namespace ui::sound {

struct SoundData {
    int rate = 0;
    int channels = 0;
    std::vector<int16_t> samples; // interleaved

    int64_t frames() const { return channels > 0 ? int64_t(samples.size()) / channels : 0; }
    int length_ms() const { return rate > 0 ? int(frames() * 1000 / rate) : 0; }
};

// Reads the file (path through os::resolve), at most 15 minutes of 48 kHz
// stereo; false with a reason when it cannot be read or its rate (1000 to
// 384000 Hz) or channels (1 to 8) are out of range.
bool read_sound(const std::string& path, SoundData& out, std::string* error = nullptr);

// Writes a WAV file of unsigned 8-bit (bits 8) or signed 16-bit little-endian
// (bits 16) samples, interleaved. On failure no partial file is left.
bool write_wav(const std::string& path, const std::vector<uint8_t>& pcm, int rate, int channels,
               int bits, std::string* error = nullptr);

} // namespace ui::sound
