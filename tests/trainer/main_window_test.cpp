// The trainer's login sequence, the display checks and the main window: the
// due indicator, the first-activation hint and what closing writes.
#include <gtest/gtest.h>

#include <filesystem>

#include <memory>

#include "core/exercises.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/statistics.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform_ui/qt_app.h"
#include "shared/login.h"
#include "shared/users.h"
#include "trainer/demo_edition.h"
#include "trainer/windows.h"
#include "trainer/start.h"

namespace {

using testsupport::DemoEdition;

TEST(DisplayCheck, OnlyAScreenBelowBothLimitsIsRefused) {
    struct Case {
        int w, h;
        double dpi;
        bool warn, refuse;
    } cases[] = {
        {1024, 768, 96, false, false},  {1024, 480, 96, false, false},
        {640, 800, 96, false, false},   {640, 480, 96, false, true},
        {799, 599, 96, false, true},    {800, 600, 96, false, false},
        {1280, 1024, 120, true, false}, {1280, 1024, 96.4, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " @" << c.dpi);
        const SprawdzenieEkranu s = sprawdz_ekran(c.w, c.h, c.dpi);
        EXPECT_EQ(s.ostrzezenie_dpi, c.warn);
        EXPECT_EQ(s.za_maly, c.refuse);
    }
}

// The progress window's calls, in order.
struct ProgressLog {
    std::vector<std::string> events;
    void install() {
        core::ui().progress_show = [this](const std::string& c, int p) {
            events.push_back("show " + os::cp1250_to_utf8(c) + " " + std::to_string(p));
        };
        core::ui().progress_position = [this](int p) {
            events.push_back("pos " + std::to_string(p));
        };
    }
};

class Login : public ::testing::Test {
  protected:
    DemoEdition demo;
    ProgressLog progress;
    void SetUp() override {
        start_programu();
        progress.install();
    }
};

TEST_F(Login, AFirstLoginSeedsTheStatisticsBeforeAnythingElseIsRead) {
    ASSERT_TRUE(zaloguj(3, " Anna "));
    EXPECT_EQ(nazwa_usera, "Anna");
    EXPECT_EQ(sciezka_usera, demo.program() + "3/");
    const std::vector<std::string> head(progress.events.begin(),
                                        progress.events.begin() +
                                            std::min<size_t>(5, progress.events.size()));
    const std::vector<std::string> want = {
        "show Czytam... 5", "pos 7", "show Tworzę profil użytkownika ... 9", "pos 11", "pos 15"};
    EXPECT_EQ(head, want);
    // Then the item store, settings, interludes and the repetition store.
    EXPECT_GT(baza.ile_slowek, 150);
    EXPECT_GT(baza.ile_slow, baza.ile_slowek);
    EXPECT_EQ(ustawienia.linia[51], 1);
    EXPECT_TRUE(przerywniki[1].jest);
    EXPECT_TRUE(demo.exists("3/" + kod_zestawu));
    EXPECT_GT(ile_cw_info, 0);
    EXPECT_EQ(demo.read("3/" + kod_zestawu).size() % 128, 0u);
}

TEST_F(Login, ASecondLoginDoesNotSeedAgain) {
    ASSERT_TRUE(zaloguj(1, "Anna"));
    progress.events.clear();
    ASSERT_TRUE(zaloguj(1, "Anna"));
    ASSERT_GE(progress.events.size(), 3u);
    EXPECT_EQ(progress.events[0], "show Czytam... 5");
    EXPECT_EQ(progress.events[1], "pos 7");
    EXPECT_EQ(progress.events[2], "pos 15");
}

TEST_F(Login, AUserFolderThatCannotBeMadeLoadsNothing) {
    demo.write("5", "a file where the folder should be");
    EXPECT_FALSE(zaloguj(5, "Ola"));
    EXPECT_EQ(baza.ile_slow, 0);
    EXPECT_TRUE(progress.events.empty());
    ASSERT_EQ(demo.messages.size(), 1u);
}

TEST_F(Login, ABrokenCourseFileIsReportedAndTheRestStillLoads) {
    demo.write("sba_slow.txt", "xx  00001 11 bad group = zly =\r\n");
    ASSERT_TRUE(zaloguj(1, "Anna"));
    ASSERT_FALSE(demo.messages.empty());
    EXPECT_NE(demo.messages[0].find("sba_slow.txt"), std::string::npos);
    EXPECT_EQ(ustawienia.linia[51], 1); // the settings were still read
    // Records could not be mapped to a whole store: nothing overwrites p.b.
    EXPECT_TRUE(zapis_powtorek_zablokowany());
}

// The main window on the demo edition, after a login.
class MainWindow : public testsupport::QtFixture {
  protected:
    struct Okno : TForm1 {
        using TForm1::OnActivate;
    };

    DemoEdition demo;
    std::unique_ptr<Okno> okno;
    std::vector<std::string> info;

    void SetUp() override {
        okno = std::make_unique<Okno>();
        core::ui().info = [this](const std::string& t) { info.push_back(t); };
    }
    void TearDown() override { okno.reset(); }

    // A record of item index i whose last date + interval is today + `dni`.
    static void rekord(int i, int dni, bool kosz = false) {
        TPowtorka& r = tab_powtorek[i];
        r.id = baza.id_slowa[i];
        r.interwal = 5;
        r.data_ostatnia = os::today() - 5 + dni;
        r.kosz = kosz;
        ile_powtorek = std::max(ile_powtorek, i);
    }
};

TEST_F(MainWindow, TheIndicatorBlinksWhileRepetitionsAreDue) {
    ASSERT_TRUE(zaloguj(1, "Anna"));
    rekord(1, 0);         // due today
    rekord(2, 0, true);   // in the bin: never due
    rekord(3, 1);         // tomorrow
    rekord(4, -30);       // long overdue
    tab_powtorek[5] = {}; // ID 0: ignored
    ile_powtorek = 5;

    okno->czy_powtorki();
    EXPECT_EQ(okno->ile_do_powtorki(), 2);
    EXPECT_TRUE(okno->Powtorki_tlo2.Visible());
    EXPECT_TRUE(okno->Timer1.Enabled());
    EXPECT_EQ(okno->Timer1.Interval(), 400);
    okno->Timer1.tick();
    EXPECT_FALSE(okno->Powtorki_tlo2.Visible());
    EXPECT_EQ(okno->Timer1.Interval(), 300);
    okno->Timer1.tick();
    EXPECT_TRUE(okno->Powtorki_tlo2.Visible());

    okno->btn_powtorkiClick(); // stops the blinking
    EXPECT_FALSE(okno->Timer1.Enabled());
    EXPECT_FALSE(okno->Powtorki_tlo2.Visible());

    tab_powtorek[1].kosz = 1;
    tab_powtorek[4].data_ostatnia = os::today() + 1;
    okno->czy_powtorki();
    EXPECT_EQ(okno->ile_do_powtorki(), 0);
    EXPECT_FALSE(okno->Powtorki_tlo2.Visible());
    EXPECT_FALSE(okno->Timer1.Enabled());
}

TEST_F(MainWindow, TheHelpHintShowsOnceAndCannotComeBackWhileItIsOpen) {
    ASSERT_TRUE(zaloguj(1, "Anna"));
    ASSERT_EQ(ustawienia.linia[45], 0);
    // Closing the box activates the main window again, inside the box's call.
    core::ui().info = [this](const std::string& t) {
        info.push_back(t);
        okno->OnActivate();
    };
    okno->OnActivate();
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(os::cp1250_to_utf8(info[0]).find("klawisz F1"), std::string::npos);
    EXPECT_EQ(ustawienia.linia[45], 1);
    okno->OnActivate();
    EXPECT_EQ(info.size(), 1u);
}

TEST_F(MainWindow, ClosingWritesTheSettingsAndTheBackupTheRunCounterPicks) {
    struct Case {
        int licznik_w_pliku; // line 51 before the login; 0: no settings file
        const char* kopia;
    } cases[] = {{0, "p_kopia.b"}, {4, "p_kopia_5.b"}, {9, "p_kopia_10.b"}, {10, "p_kopia.b"}};
    int user = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kopia);
        const std::string folder = std::to_string(user) + "/";
        if (c.licznik_w_pliku > 0) {
            sciezka_usera = demo.program() + folder;
            os::make_folder(sciezka_usera);
            czytaj_ustawienia(); // none yet: the defaults
            ustawienia.linia[51] = c.licznik_w_pliku;
            ASSERT_TRUE(zapisz_ustawienia());
        }
        ASSERT_TRUE(zaloguj(user, "U" + std::to_string(user)));
        rekord(1, 3);
        okno->show();
        okno->close();
        const std::string ustaw = demo.read(folder + "ustaw_" + kod_zestawu + ".txt");
        EXPECT_EQ(std::count(ustaw.begin(), ustaw.end(), '\n'), 54);
        EXPECT_EQ(ustawienia.linia[51], c.licznik_w_pliku + 1);
        EXPECT_TRUE(demo.exists(folder + c.kopia));
        EXPECT_EQ(demo.read(folder + c.kopia).size(), 60u);
        EXPECT_NE(demo.read(folder + "p.i").find(c.kopia), std::string::npos);
        ++user;
    }
}

TEST_F(MainWindow, ANewUserWithoutRecordsGetsNoBackup) {
    ASSERT_TRUE(zaloguj(1, "Anna"));
    okno->show();
    okno->close();
    EXPECT_TRUE(demo.exists("1/ustaw_" + kod_zestawu + ".txt"));
    EXPECT_FALSE(demo.exists("1/p_kopia.b"));
}

TEST_F(MainWindow, TheServicesButtonOpensTheLocalPageOrSaysWhereItIs) {
    const struct {
        const char* name;
        bool opener_works, page_there;
        bool opened, told;
    } table[] = {
        {"opened", true, true, true, false},
        {"no desktop opener", false, true, true, true},
        {"no page", true, false, false, true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        if (!row.page_there) std::filesystem::remove(demo.program() + "serwisy.html");
        std::string opened;
        TForm1::ustaw_otwieracz([&](const std::string& p) {
            opened = p;
            return row.opener_works;
        });
        info.clear();
        okno->btn_serwisyClick();
        EXPECT_EQ(opened, row.opened ? demo.program() + "serwisy.html" : "");
        ASSERT_EQ(info.size(), row.told ? 1u : 0u);
        if (row.told)
            EXPECT_NE(os::cp1250_to_utf8(info[0]).find(demo.program() + "serwisy.html"),
                      std::string::npos)
                << info[0];
    }
    TForm1::ustaw_otwieracz(nullptr);
}

} // namespace
