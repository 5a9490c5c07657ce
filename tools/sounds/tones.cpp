// Synthesises the interface sounds into a program folder:
//   b2.wav (an interlude opens), b3.wav (the main window shows), b_ok.wav (a
//   right answer), zla.wav (a wrong answer), klik.wav (a word handed over) and
//   wav_k/btn_enter.wav (the mouse enters a menu button).
// Usage: make_tones <program-folder>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int rate = 22050;
constexpr double pi = 3.14159265358979323846;

struct Note {
    double start;  // seconds
    double freq;   // Hz
    double length; // seconds
    double amp;
    double decay;                                    // time constant of the fade, seconds
    std::vector<std::pair<double, double>> partials; // (frequency ratio, weight)
};

const std::vector<std::pair<double, double>> bell = {{1.0, 1.0}, {2.0, 0.3}, {3.0, 0.08}};
const std::vector<std::pair<double, double>> warm = {{1.0, 1.0}, {2.0, 0.25}, {3.0, 0.12}};
const std::vector<std::pair<double, double>> pure = {{1.0, 1.0}};

std::vector<float> render(const std::vector<Note>& notes) {
    double end = 0;
    for (const Note& n : notes)
        end = std::max(end, n.start + n.length);
    std::vector<float> out(static_cast<size_t>(end * rate) + 1, 0.0f);
    for (const Note& n : notes) {
        const size_t first = static_cast<size_t>(n.start * rate);
        const size_t count = static_cast<size_t>(n.length * rate);
        for (size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = double(i) / rate;
            // A few milliseconds of attack and release keep the edges soft.
            double env = std::exp(-t / n.decay) * std::min(1.0, t / 0.004) *
                         std::min(1.0, (n.length - t) / 0.01);
            double v = 0;
            for (auto [ratio, weight] : n.partials)
                v +=
                    weight * std::sin(2 * pi * n.freq * ratio * t) * std::exp(-t * (ratio - 1) * 4);
            out[first + i] += static_cast<float>(n.amp * env * v);
        }
    }
    float peak = 0;
    for (float s : out)
        peak = std::max(peak, std::fabs(s));
    if (peak > 0.7f)
        for (float& s : out)
            s *= 0.7f / peak;
    return out;
}

bool write(const std::string& path, const std::vector<float>& samples) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        std::fprintf(stderr, "make_tones: cannot write %s: %s\n", path.c_str(),
                     sf_strerror(nullptr));
        return false;
    }
    bool ok =
        sf_write_float(f, samples.data(), sf_count_t(samples.size())) == sf_count_t(samples.size());
    sf_close(f);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tones <program-folder>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    std::filesystem::create_directories(dir + "wav_k");

    const double C5 = 523.25, E5 = 659.25, G5 = 783.99, A5 = 880.0, C6 = 1046.5;
    const double A3 = 220.0, F3 = 174.61;
    struct Sound {
        const char* name;
        std::vector<Note> notes;
    } sounds[] = {
        {"wav_k/btn_enter.wav", {{0, 1800, 0.03, 0.18, 0.008, pure}}},
        {"klik.wav", {{0, 1000, 0.05, 0.35, 0.012, {{1.0, 1.0}, {2.5, 0.4}}}}},
        {"b2.wav", {{0, G5, 0.35, 0.3, 0.12, bell}, {0.09, C6, 0.36, 0.3, 0.12, bell}}},
        {"b3.wav",
         {{0, C5, 0.9, 0.22, 0.35, bell},
          {0.11, E5, 0.9, 0.22, 0.35, bell},
          {0.22, G5, 0.9, 0.22, 0.35, bell},
          {0.33, C6, 0.95, 0.24, 0.4, bell}}},
        {"b_ok.wav", {{0, E5, 0.35, 0.3, 0.15, bell}, {0.1, A5, 0.4, 0.3, 0.15, bell}}},
        {"zla.wav", {{0, A3, 0.3, 0.35, 0.15, warm}, {0.16, F3, 0.34, 0.35, 0.15, warm}}},
    };
    bool ok = true;
    for (const Sound& s : sounds)
        ok = write(dir + s.name, render(s.notes)) && ok;
    return ok ? 0 : 1;
}
