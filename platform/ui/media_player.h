#pragma once
// The one media player of the trainer: plays WAV files (any format libsndfile
// reads) through SDL2 audio. Without a sound device playback is silent.
#include <memory>
#include <string>

namespace ui {

class MediaPlayer {
public:
    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void set_time_format_ms();           // lengths and positions in milliseconds
    void close();                        // stops and releases the file
    void set_file_name(const std::string& path);
    const std::string& file_name() const;
    bool open();                         // false when the file cannot be read
    void set_wait(bool wait);            // play() returns at the end (window stays responsive)
    void play();
    bool playing() const;
    int length_ms() const;               // of the open file; 0 when none

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ui
