#pragma once
// Recording from the default capture device through SDL2 audio, saved as a
// WAV file through libsndfile. The steps follow a command-style recording
// device: each returns 0 or an error code whose text error_text() gives.
#include <cstdint>
#include <memory>
#include <string>

namespace ui {

class Recorder {
  public:
    enum Error {
        ok = 0,
        no_audio = 1,     // SDL audio cannot be started
        no_device = 2,    // no capture device, or it cannot be opened
        not_open = 3,     // a step that needs an open device
        bad_params = 4,   // wave parameters not supported
        write_failed = 5, // the file could not be written
    };

    Recorder();
    ~Recorder(); // closes
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Opens the default capture device for a new, empty recording
    // (22050 Hz, 8 bits, mono until set_wave_params says otherwise).
    int open();
    // Channels 1 or 2, bits 8 (unsigned) or 16; reopens the device.
    int set_wave_params(int channels, int rate, int bits);
    int record();                      // starts; returns at once
    int save(const std::string& path); // stops and writes what was taken
    int close();
    bool is_open() const;
    bool recording() const;
    // Milliseconds taken so far by the running (or last) recording.
    int taken_ms() const;

    // The text of an error code, 8-bit Windows-1250, at most 200 characters;
    // names SDL's or libsndfile's reason of the last failure of that kind.
    std::string error_text(int code) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace ui
