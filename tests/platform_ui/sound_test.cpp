// Playback and recording through SDL audio on its dummy and disk drivers, and
// the recording sequence of core on the SDL recorder.
#include "core/sound.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/message.h"
#include "platform/ui/media_player.h"
#include "platform/ui/recorder.h"
#include "platform/ui/sound_audio.h"
#include "platform/ui/sound_file.h"
#include "platform_ui/qt_app.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>
#include <sndfile.h>
#include <thread>

namespace {

using testsupport::TempDir;

// 16-bit mono samples of a tone, as the bytes of a WAV file's data.
std::vector<uint8_t> tone_pcm(int rate, int ms) {
    std::vector<uint8_t> pcm;
    for (int i = 0; i < rate * ms / 1000; ++i) {
        int16_t v = static_cast<int16_t>((i % 40) * 800 - 16000);
        pcm.push_back(static_cast<uint8_t>(v & 0xFF));
        pcm.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    return pcm;
}

// Sets SDL's driver (and its variables) for one test; audio restarts with them.
class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::qt_app(); }
    void TearDown() override {
        ui::sound::shutdown_audio();
        for (auto& [name, value] : saved_)
            value.empty() ? ::unsetenv(name.c_str()) : ::setenv(name.c_str(), value.c_str(), 1);
        ui::sound::shutdown_audio();
    }
    void set_env(const std::string& name, const std::string& value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? old : "";
        }
        ::setenv(name.c_str(), value.c_str(), 1);
        ui::sound::shutdown_audio();
    }
    std::string wav(const std::string& name, int ms, int rate = 22050) {
        EXPECT_TRUE(ui::sound::write_wav(tmp_.file(name), tone_pcm(rate, ms), rate, 1, 16));
        return tmp_.file(name);
    }
    TempDir tmp_;
    std::map<std::string, std::string> saved_;
};

TEST_F(SoundTest, OpenGivesLengthAndUnreadableFilesPlayNothing) {
    set_env("SDL_AUDIODRIVER", "dummy");
    tmp_.write("garbage.wav", "RIFF\x10\0\0\0WAVEjunkjunkjunk");
    struct Case {
        std::string path;
        bool opens;
        int length;
    } cases[] = {
        {wav("tone.wav", 300), true, 300},
        {wav("tone44.wav", 250, 44100), true, 250},
        {tmp_.file("missing.wav"), false, 0},
        {tmp_.file("garbage.wav"), false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        ui::MediaPlayer player;
        player.set_file_name(c.path);
        EXPECT_EQ(player.open(), c.opens) << c.path;
        EXPECT_EQ(player.length_ms(), c.length) << c.path;
        player.set_wait(false);
        player.play();
        EXPECT_EQ(player.playing(), c.opens) << c.path;
        player.close();
        EXPECT_FALSE(player.playing());
        EXPECT_EQ(player.length_ms(), 0);
    }
}

// A header's claims are not trusted: a few bytes of FLAC that say "600 million
// frames of 8 channels" give what they really hold, and a rate no device plays
// (the wait would last for hours) is refused.
TEST_F(SoundTest, SoundHeadersAreNotTrusted) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 8;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    if (!sf_format_check(&info)) GTEST_SKIP() << "libsndfile without FLAC";
    SNDFILE* f = sf_open(tmp_.file("short.flac").c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    const std::vector<int16_t> silence(8 * 2205, 0);
    sf_writef_short(f, silence.data(), 2205);
    sf_close(f);
    // STREAMINFO follows "fLaC" and its block header; its 36-bit sample count
    // ends at byte 25.
    std::string flac = tmp_.read("short.flac");
    const uint64_t claimed = 600'000'000;
    flac[21] = static_cast<char>((flac[21] & 0xF0) | ((claimed >> 32) & 0x0F));
    for (int i = 0; i < 4; ++i)
        flac[22 + i] = static_cast<char>((claimed >> (24 - 8 * i)) & 0xFF);
    tmp_.write("bomb.flac", flac);
    SF_INFO check{};
    SNDFILE* g = sf_open(tmp_.file("bomb.flac").c_str(), SFM_READ, &check);
    ASSERT_NE(g, nullptr);
    sf_close(g);
    ASSERT_EQ(check.frames, sf_count_t(claimed)) << "the header was not patched";

    ui::sound::SoundData data;
    ASSERT_TRUE(ui::sound::read_sound(tmp_.file("bomb.flac"), data));
    EXPECT_EQ(data.channels, 8);
    EXPECT_EQ(data.frames(), 2205);
    EXPECT_EQ(data.length_ms(), 100);

    // The same WAV file said to be sampled at 1 Hz.
    wav("tone.wav", 100);
    std::string slow = tmp_.read("tone.wav");
    ASSERT_EQ(slow.substr(8, 4), "WAVE");
    for (int at : {24, 28}) // sample rate, bytes per second
        slow.replace(at, 4, std::string("\x01\0\0\0", 4));
    tmp_.write("slow.wav", slow);
    std::string why;
    EXPECT_FALSE(ui::sound::read_sound(tmp_.file("slow.wav"), data, &why));
    EXPECT_FALSE(why.empty());
    ui::MediaPlayer player;
    player.set_file_name(tmp_.file("slow.wav"));
    EXPECT_FALSE(player.open());
}

TEST_F(SoundTest, WaitingPlayEndsWithTheSoundWhileEventsAreHandled) {
    set_env("SDL_AUDIODRIVER", "dummy");
    ui::MediaPlayer player;
    player.set_file_name(wav("tone.wav", 400));
    ASSERT_TRUE(player.open());
    bool timer_ran = false;
    QTimer::singleShot(50, [&] { timer_ran = true; });
    player.set_wait(true);
    const int64_t t0 = os::ticks_ms();
    player.play();
    const int64_t took = os::ticks_ms() - t0;
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 2000) << "ended by the give-up limit, not by the sound";
    EXPECT_TRUE(timer_ran) << "the windows did not respond while waiting";
    EXPECT_FALSE(player.playing());
}

TEST_F(SoundTest, CloseDuringWaitEndsTheWait) {
    set_env("SDL_AUDIODRIVER", "dummy");
    ui::MediaPlayer player;
    player.set_file_name(wav("long.wav", 3000));
    ASSERT_TRUE(player.open());
    QTimer::singleShot(100, [&] { player.close(); });
    player.set_wait(true);
    const int64_t t0 = os::ticks_ms();
    player.play();
    EXPECT_LT(os::ticks_ms() - t0, 1500);
    EXPECT_FALSE(player.playing());
}

TEST_F(SoundTest, PlaysTheFileSamplesToTheDevice) {
    set_env("SDL_AUDIODRIVER", "disk");
    set_env("SDL_DISKAUDIOFILE", tmp_.file("out.raw"));
    const std::vector<uint8_t> pcm = tone_pcm(22050, 100);
    ASSERT_TRUE(ui::sound::write_wav(tmp_.file("tone.wav"), pcm, 22050, 1, 16));
    {
        ui::MediaPlayer player;
        player.set_file_name(tmp_.file("tone.wav"));
        ASSERT_TRUE(player.open());
        player.set_wait(true);
        player.play();
    }
    const std::string out = tmp_.read("out.raw");
    // The device may sound some silence first; the whole file follows, tail included.
    EXPECT_NE(out.find(std::string(pcm.begin(), pcm.end())), std::string::npos);
}

TEST_F(SoundTest, WithoutSoundDevicePlaybackIsSilentAndRecordingSaysWhy) {
    set_env("SDL_AUDIODRIVER", "no-such-driver");
    ui::MediaPlayer player;
    player.set_file_name(wav("tone.wav", 1000));
    ASSERT_TRUE(player.open());
    player.set_wait(true);
    const int64_t t0 = os::ticks_ms();
    player.play();
    EXPECT_LT(os::ticks_ms() - t0, 500);
    EXPECT_FALSE(player.playing());

    ui::Recorder rec;
    const int err = rec.open();
    EXPECT_EQ(err, ui::Recorder::no_audio);
    EXPECT_NE(rec.error_text(err).find(os::pl("dźwięku")), std::string::npos)
        << rec.error_text(err);
    EXPECT_EQ(rec.set_wave_params(1, 22050, 8), ui::Recorder::not_open);
    EXPECT_EQ(rec.record(), ui::Recorder::not_open);
    EXPECT_EQ(rec.save(tmp_.file("never.wav")), ui::Recorder::not_open);
    EXPECT_FALSE(tmp_.exists("never.wav"));
}

// The SDL recorder behind core's recording sequence, as the programs wire it.
class RecordingTest : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        wyczysc_start();
        sciezka_programu = tmp_.path();
        core::set_recorder(&device_);
        os::set_message_hook([this](const std::string& m) { messages_.push_back(m); });
    }
    void TearDown() override {
        zatrzymaj_nagrywanie();
        core::set_recorder(nullptr);
        os::set_message_hook(nullptr);
        SoundTest::TearDown();
    }
    ui::Recorder recorder_;
    core::RecorderAdapter<ui::Recorder> device_{recorder_};
    std::vector<std::string> messages_;
};

TEST_F(RecordingTest, KnownInputBecomes22050Hz8BitMonoWav) {
    std::string input;
    for (int i = 0; i < 6000; ++i)
        input += static_cast<char>((i * 7) % 256);
    tmp_.write("in.raw", input);
    set_env("SDL_AUDIODRIVER", "disk");
    set_env("SDL_DISKAUDIOFILEIN", tmp_.file("in.raw"));
    set_env("SDL_DISKAUDIOFILE", tmp_.file("out.raw"));

    nagrywaj();
    ASSERT_TRUE(nagrywanie) << (messages_.empty() ? "" : os::cp1250_to_utf8(messages_[0]));
    EXPECT_TRUE(recorder_.recording());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    zatrzymaj_nagrywanie();
    EXPECT_FALSE(nagrywanie);
    EXPECT_TRUE(messages_.empty());

    SF_INFO info{};
    SNDFILE* f = sf_open(plik_nagrania().c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(info.samplerate, 22050);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
    EXPECT_GE(info.frames, 22050 * 3 / 10);
    std::string data(static_cast<size_t>(info.frames), '\0');
    sf_read_raw(f, data.data(), info.frames);
    sf_close(f);
    EXPECT_EQ(data.substr(0, input.size()), input);
    EXPECT_EQ(data.substr(input.size(), 100), std::string(100, '\x80'))
        << "silence after the input";
}

TEST_F(RecordingTest, NoCaptureDeviceIsReportedAndLeavesNoRecording) {
    set_env("SDL_AUDIODRIVER", "no-such-driver");
    tmp_.write("tmp1.wav", "earlier");
    nagrywaj();
    EXPECT_FALSE(nagrywanie);
    ASSERT_EQ(messages_.size(), 1u);
    const std::string& m = messages_[0];
    EXPECT_EQ(m.substr(m.size() - 7), " - Open") << m;
    EXPECT_NE(m.find(os::pl("Nie można uruchomić obsługi dźwięku.")), std::string::npos) << m;
    EXPECT_FALSE(tmp_.exists("tmp1.wav"));
}

TEST_F(SoundTest, RecorderRefusesUnsupportedWaveParams) {
    set_env("SDL_AUDIODRIVER", "dummy");
    ui::Recorder rec;
    ASSERT_EQ(rec.open(), ui::Recorder::ok);
    EXPECT_EQ(rec.set_wave_params(3, 22050, 8), ui::Recorder::bad_params);
    EXPECT_EQ(rec.set_wave_params(1, 22050, 12), ui::Recorder::bad_params);
    EXPECT_EQ(rec.set_wave_params(1, 44100, 16), ui::Recorder::ok);
    EXPECT_EQ(rec.record(), ui::Recorder::ok);
    EXPECT_EQ(rec.save(tmp_.file("no/such/folder/x.wav")), ui::Recorder::write_failed);
    EXPECT_FALSE(rec.error_text(ui::Recorder::write_failed).empty());
    EXPECT_EQ(rec.close(), ui::Recorder::ok);
    EXPECT_FALSE(rec.is_open());
}

} // namespace
