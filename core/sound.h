#pragma once
// Playing recordings and interface sounds, and recording the learner's voice.
// Playback goes through core::ui().play_wav; recording through a recording
// device the programs install (tests install their own).
#include <string>

namespace core {

// A command-style recording device. Each step returns 0 or an error code;
// error_text() turns a code into its 8-bit Windows-1250 text.
class RecorderDevice {
  public:
    virtual ~RecorderDevice() = default;
    virtual int open() = 0; // a new, empty recording
    virtual int set_wave_params(int channels, int rate, int bits) = 0;
    virtual int record() = 0;                      // starts and returns at once
    virtual int save(const std::string& path) = 0; // stops and writes a WAV file
    virtual int close() = 0;
    virtual std::string error_text(int code) = 0;
};

// Adapts a recorder object with the same five steps and error_text (such as
// the programs' SDL recorder) to the interface; the object is not owned.
template <class R> class RecorderAdapter : public RecorderDevice {
  public:
    explicit RecorderAdapter(R& r) : r_(r) {}
    int open() override { return r_.open(); }
    int set_wave_params(int channels, int rate, int bits) override {
        return r_.set_wave_params(channels, rate, bits);
    }
    int record() override { return r_.record(); }
    int save(const std::string& path) override { return r_.save(path); }
    int close() override { return r_.close(); }
    std::string error_text(int code) override { return r_.error_text(code); }

  private:
    R& r_;
};

// The device in use (not owned); nullptr: none, every recording fails with a
// message.
void set_recorder(RecorderDevice* device);
RecorderDevice* recorder();

} // namespace core

struct StanDzwieku {
    // A recording is in progress (between nagrywaj and zatrzymaj_nagrywanie).
    bool nagrywanie = false;
};
extern StanDzwieku stan_dzwieku;
extern bool& nagrywanie;
// Resets the state; the recording device stays installed.
void wyczysc_dzwiek();

// Plays the file when the name is not empty and the file exists (the path
// goes through os::resolve); otherwise nothing.
void graj_wav(const std::string& file, bool wait);

// Recording of item i: a built-in item's number n > 0 gives
// sciezka_cd + "D_" + s[1..2] + "\dd_" + s[1..3] + "\" + s + ".wav" with s = n
// in 5 digits; an own item's file name gives sciezka_programu + "Nagrania\" +
// the name. Empty when the item has none (or i is out of range, or the number
// is malformed).
std::string sciezka_nagrania(int i);

// The learner's last recording: tmp1.wav in the program folder.
std::string plik_nagrania();

// Starts recording (not when one runs). The previous tmp1.wav is removed
// first. A failed step is reported and ends the attempt: the device is
// closed and the flag cleared.
void nagrywaj();
// Stops and saves to tmp1.wav, only when recording; clears the flag in any case.
void zatrzymaj_nagrywanie();

// Reports a failed step: true when result is 0; otherwise shows the error
// text, " - " and the step name, and returns false.
bool sprawdz_mci(int result, const std::string& step);
