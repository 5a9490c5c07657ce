// Hold-to-record: the states of the microphone, with the device, the sounds
// and the wait replaced by a log.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "trainer_logic/recording.h"

namespace {

class Log : public UslugiNagrywania {
  public:
    void nagrywaj() override {
        dziennik.push_back("record");
        nagrywa_ = urzadzenie;
    }
    bool nagrywa() const override { return nagrywa_; }
    void zatrzymaj() override {
        dziennik.push_back("stop");
        nagrywa_ = false;
    }
    void czekaj(int ms) override {
        dziennik.push_back("wait " + std::to_string(ms));
        if (w_czasie_czekania) w_czasie_czekania();
    }
    int dlugosc_ms(const std::string&) override { return dlugosc; }
    void graj(const std::string& plik, bool do_konca) override {
        dziennik.push_back("play " + plik + (do_konca ? " to the end" : ""));
        if (w_czasie_grania) w_czasie_grania();
    }
    void informacja(const std::string&) override { dziennik.push_back("message"); }
    void obrazek_mikrofonu(Obrazek o) override {
        dziennik.push_back(o == Obrazek::nagrywanie  ? "picture recording"
                           : o == Obrazek::najechany ? "picture hover"
                                                     : "picture idle");
    }
    void mikrofon_dostepny(bool tak) override {
        dziennik.push_back(tak ? "mic on" : "mic off");
    }
    void pokaz_odtworz(bool) override { dziennik.push_back("replay shown"); }
    void limit(bool wlaczony) override { dziennik.push_back(wlaczony ? "limit on" : "limit off"); }
    std::string wzor() override { return "model.wav"; }
    std::string plik_nagrania() override { return "tmp1.wav"; }

    int ile(const std::string& co) const {
        int n = 0;
        for (const std::string& s : dziennik)
            n += s == co;
        return n;
    }

    std::vector<std::string> dziennik;
    bool urzadzenie = true;
    int dlugosc = 1000;
    std::function<void()> w_czasie_czekania, w_czasie_grania;

  private:
    bool nagrywa_ = false;
};

TEST(Nagrywanie, AKeptRecordingIsComparedWithTheModelAShortOneIsRejected) {
    struct Case {
        int dlugosc;
        bool zachowane;
    } cases[] = {{300, false}, {479, false}, {480, true}, {1000, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dlugosc);
        Log u;
        u.dlugosc = c.dlugosc;
        TNagrywanie n(u);
        n.Start_nagrania();
        EXPECT_EQ(n.stan(), TNagrywanie::Stan::nagrywanie);
        n.Puszczenie();
        EXPECT_EQ(n.stan(), TNagrywanie::Stan::spoczynek);
        EXPECT_EQ(n.zachowane(), c.zachowane);
        std::vector<std::string> oczekiwane = {"picture recording", "record", "limit on",
                                               "limit off", "picture idle", "wait 400", "stop"};
        if (c.zachowane) {
            for (const char* s : {"replay shown", "mic off", "play tmp1.wav to the end",
                                  "play model.wav", "mic on"})
                oczekiwane.push_back(s);
        } else {
            oczekiwane.push_back("message");
        }
        EXPECT_EQ(u.dziennik, oczekiwane);
    }
}

TEST(Nagrywanie, TheLimitStopsOnceAndTheLaterReleaseDoesNothing) {
    for (int dlugosc : {15000, 100}) {
        Log u;
        u.dlugosc = dlugosc;
        TNagrywanie n(u);
        n.Start_nagrania();
        n.Koniec_limitu();
        n.Puszczenie();
        EXPECT_EQ(u.ile("stop"), 1) << dlugosc;
        EXPECT_EQ(u.ile("play tmp1.wav to the end"), dlugosc >= 480 ? 1 : 0);
        EXPECT_EQ(u.ile("message"), dlugosc >= 480 ? 0 : 1);
    }
}

TEST(Nagrywanie, PressesDuringTheStopOrThePlaybackStartNothing) {
    Log u;
    TNagrywanie n(u);
    u.w_czasie_czekania = [&] { n.Start_nagrania(); };
    u.w_czasie_grania = [&] {
        n.Start_nagrania();
        n.Porownaj_nagrania();
    };
    n.Start_nagrania();
    n.Puszczenie();
    EXPECT_EQ(u.ile("record"), 1);
    EXPECT_EQ(u.ile("play tmp1.wav to the end"), 1);
    // Afterwards a press records again, and the replay button compares again.
    u.w_czasie_czekania = u.w_czasie_grania = nullptr;
    n.Porownaj_nagrania();
    EXPECT_EQ(u.ile("play tmp1.wav to the end"), 2);
    n.Start_nagrania();
    EXPECT_EQ(u.ile("record"), 2);
}

TEST(Nagrywanie, AFailedDeviceOrAClosingWindowEndsAtRest) {
    Log u;
    u.urzadzenie = false;
    TNagrywanie n(u);
    n.Start_nagrania();
    EXPECT_EQ(n.stan(), TNagrywanie::Stan::spoczynek);
    EXPECT_EQ(u.dziennik.back(), "picture idle");
    n.Puszczenie();
    EXPECT_EQ(u.ile("stop"), 0);

    u.urzadzenie = true;
    n.Start_nagrania();
    n.Przerwij();
    n.Puszczenie();
    EXPECT_EQ(u.ile("stop"), 1);
    EXPECT_EQ(u.ile("play tmp1.wav to the end"), 0);
    EXPECT_EQ(n.stan(), TNagrywanie::Stan::spoczynek);
}

TEST(Nagrywanie, TheHoverPictureShowsOnlyAtRest) {
    Log u;
    TNagrywanie n(u);
    n.Najechanie(true);
    EXPECT_EQ(u.dziennik.back(), "picture hover");
    n.Start_nagrania();
    const size_t przed = u.dziennik.size();
    n.Najechanie(false);
    EXPECT_EQ(u.dziennik.size(), przed);
}

} // namespace
