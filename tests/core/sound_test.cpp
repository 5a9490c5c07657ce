// Recording paths, playback through the hook, and the recording sequence on a
// replaceable device.
#include "core/items.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using testsupport::TempDir;

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(SoundTest, RecordingPathOfItem) {
    wyczysc_start();
    sciezka_cd = "/disc/bsslow3/";
    sciezka_programu = "/prog/";
    struct Case {
        uint8_t own;
        std::string wymowa;
        std::string path;
    } cases[] = {
        {0, "1234", "/disc/bsslow3/D_01\\dd_012\\01234.wav"},
        {0, " 77 ", "/disc/bsslow3/D_00\\dd_000\\00077.wav"},
        {0, "98765", "/disc/bsslow3/D_98\\dd_987\\98765.wav"},
        {0, "0", ""},
        {0, "", ""},
        {0, "-5", ""},
        {0, "12a", ""}, // malformed: no recording rather than an error
        {1, "moje nagranie.wav", "/prog/Nagrania\\moje nagranie.wav"},
        {1, "   ", ""},
        {1, "", ""},
    };
    int i = 0;
    for (const Case& c : cases) {
        ++i;
        baza.wyczysc_pozycje(i);
        baza.slowo_usera[i] = c.own;
        baza.wymowa[i] = c.wymowa;
    }
    baza.ile_slow = i;
    i = 0;
    for (const Case& c : cases)
        EXPECT_EQ(sciezka_nagrania(++i), c.path) << "'" << c.wymowa << "'";
    EXPECT_EQ(sciezka_nagrania(0), "");
    EXPECT_EQ(sciezka_nagrania(baza.ile_slow + 1), "");
    baza.ile_slow = 0;
}

TEST(SoundTest, PlaysOnlyExistingFiles) {
    TempDir tmp;
    tmp.write("wav_k/btn_enter.wav", "RIFF");
    std::vector<std::pair<std::string, bool>> played;
    core::ui().play_wav = [&](const std::string& p, bool w) { played.emplace_back(p, w); };

    graj_wav("", false);
    graj_wav(tmp.file("missing.wav"), true);
    graj_wav(tmp.file("WAV_K\\Btn_Enter.WAV"), true); // backslashes and another case
    graj_wav(tmp.file("wav_k/btn_enter.wav"), false);
    core::reset_ui();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[0], std::make_pair(tmp.file("wav_k/btn_enter.wav"), true));
    EXPECT_EQ(played[1], std::make_pair(tmp.file("wav_k/btn_enter.wav"), false));
}

// A device that logs its steps, fails the step named in `fail`, and "saves"
// by writing a small file.
struct FakeDevice : core::RecorderDevice {
    std::string fail;
    std::vector<std::string> steps;
    int step(const std::string& name) {
        steps.push_back(name);
        return name == fail ? 263 : 0;
    }
    int open() override { return step("open"); }
    int set_wave_params(int channels, int rate, int bits) override {
        return step("params " + std::to_string(channels) + " " + std::to_string(rate) + " " +
                    std::to_string(bits));
    }
    int record() override { return step("record"); }
    int save(const std::string& path) override {
        steps.push_back("save");
        if (fail == "save") {
            write_file(path, "partial");
            return 263;
        }
        write_file(path, "new recording");
        return 0;
    }
    int close() override { return step("close"); }
    std::string error_text(int code) override {
        return "Urz\xB9"
               "dzenie zaj\xEAte";
    }
};

class RecordingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wyczysc_start();
        sciezka_programu = tmp_.path();
        nagrywanie = false;
        core::set_recorder(&device_);
        os::set_message_hook([this](const std::string& m) { messages_.push_back(m); });
        core::ui().close_player = [this] { device_.steps.push_back("close player"); };
    }
    void TearDown() override {
        core::set_recorder(nullptr);
        os::set_message_hook(nullptr);
        core::reset_ui();
        nagrywanie = false;
    }
    TempDir tmp_;
    FakeDevice device_;
    std::vector<std::string> messages_;
};

TEST_F(RecordingTest, RecordsAndSavesOnceToTmp1) {
    nagrywaj();
    EXPECT_TRUE(nagrywanie);
    nagrywaj(); // ignored while recording
    zatrzymaj_nagrywanie();
    zatrzymaj_nagrywanie(); // saves once
    EXPECT_FALSE(nagrywanie);
    EXPECT_EQ(device_.steps, (std::vector<std::string>{"close player", "open", "params 1 22050 8",
                                                       "record", "close player", "save", "close"}));
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(tmp_.read("tmp1.wav"), "new recording");
}

TEST_F(RecordingTest, FailedStepIsReportedAndEndsTheAttempt) {
    const std::string text = "Urz\xB9"
                             "dzenie zaj\xEAte";
    struct Case {
        std::string fail;
        std::vector<std::string> steps;
        std::string message;
    } cases[] = {
        {"open", {"open"}, text + " - Open"},
        {"params 1 22050 8", {"open", "params 1 22050 8", "close"}, text + " - SetWaveParams"},
        {"record", {"open", "params 1 22050 8", "record", "close"}, text + " - Record"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fail);
        tmp_.write("tmp1.wav", "earlier recording");
        device_.fail = c.fail;
        device_.steps.clear();
        core::ui().close_player = nullptr;
        messages_.clear();
        nagrywaj();
        EXPECT_FALSE(nagrywanie);
        zatrzymaj_nagrywanie(); // nothing to stop: no save on a device that is not open
        EXPECT_EQ(device_.steps, c.steps);
        EXPECT_EQ(messages_, std::vector<std::string>{c.message});
        EXPECT_FALSE(tmp_.exists("tmp1.wav")) << "the earlier recording would play as new";
    }
}

TEST_F(RecordingTest, FailedSaveLeavesNoRecordingAndStillCloses) {
    device_.fail = "save";
    nagrywaj();
    zatrzymaj_nagrywanie();
    EXPECT_FALSE(nagrywanie);
    EXPECT_EQ(device_.steps.back(), "close");
    EXPECT_EQ(messages_, std::vector<std::string>{"Urz\xB9"
                                                  "dzenie zaj\xEAte - Save"});
    EXPECT_FALSE(tmp_.exists("tmp1.wav"));
    // What the exercise window plays next is therefore nothing.
    bool played = false;
    core::ui().play_wav = [&](const std::string&, bool) { played = true; };
    graj_wav(plik_nagrania(), true);
    EXPECT_FALSE(played);
}

TEST_F(RecordingTest, WithoutDeviceOpenFailsWithClearMessage) {
    core::set_recorder(nullptr);
    nagrywaj();
    EXPECT_FALSE(nagrywanie);
    EXPECT_EQ(messages_, std::vector<std::string>{os::pl("Brak urządzenia do nagrywania dźwięku.") +
                                                  " - Open"});
}

TEST_F(RecordingTest, LongErrorTextIsCutTo200Characters) {
    struct Wordy : FakeDevice {
        std::string error_text(int) override { return std::string(300, 'e'); }
    } wordy;
    core::set_recorder(&wordy);
    EXPECT_TRUE(sprawdz_mci(0, "Open"));
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(sprawdz_mci(263, "Close"));
    EXPECT_EQ(messages_, std::vector<std::string>{std::string(200, 'e') + " - Close"});
}

} // namespace
