// The trainer on the demo edition, as a learner meets it: the user choice,
// a new user, the login, the main window, and what is on disc afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <unistd.h>

#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "shared/form10.h"
#include "shared/form20.h"
#include "shared/form9.h"
#include "shared/forms.h"
#include "trainer/demo_edition.h"
#include "trainer/form1_geometry.h"
#include "trainer/windows.h"
#include "trainer/start.h"
#include "trainer/trainer_run.h"

namespace {

TEST(EndToEnd, ANewLearnerLogsInAndFindsTheProfileOnDisc) {
    testsupport::qt_app();
    testsupport::DemoEdition demo;

    bool widziany9 = false, widziany10 = false, glowne = false, niemodalne = false;
    std::string podpowiedz;
    QImage zrzut;
    // The user choice: the list is empty, so "new user".
    ui::set_next_modal_hook([&](ui::Window& w) {
        widziany9 = &w == Form9;
        EXPECT_FALSE(Form9->B_OK.Visible());
        ui::set_next_modal_hook([&](ui::Window& w10) {
            widziany10 = &w10 == Form10;
            Form10->Edit1.SetText(os::pl("Łucja"));
            EXPECT_TRUE(Form10->B_OK.Visible());
            testsupport::key_click(Form10, Qt::Key_Return);
        });
        Form9->TransparentButton1.Click();
    });

    OpcjeStartu opcje;
    opcje.token = testsupport::unique_token();
    opcje.okna_komunikatow = false;
    opcje.po_pokazaniu = [&](TForm1& f) {
        glowne = true;
        // The first activation brings the help hint: the learner reads it and
        // presses OK.
        ui::set_next_modal_hook([&](ui::Window& box) {
            podpowiedz = os::cp1250_to_utf8(Form20->Label1.Caption());
            EXPECT_EQ(&box, Form20);
            testsupport::key_click(Form20, Qt::Key_Return);
        });
        testsupport::wait_ms(300);
        // The main window is not modal: what it shows without waiting takes input.
        niemodalne = QApplication::activeModalWidget() == nullptr && !f.isModal();
        zrzut = f.grab().toImage();
        ui::grab_to_png(f, testsupport::output_path("trainer/main_window.png"));
        f.close();
    };
    EXPECT_EQ(uruchom_trenera(0, nullptr, opcje), 0);

    EXPECT_TRUE(widziany9);
    EXPECT_TRUE(widziany10);
    ASSERT_TRUE(glowne);
    EXPECT_TRUE(niemodalne);
    EXPECT_EQ(Form1, nullptr); // every window deleted at the end
    EXPECT_EQ(demo.read("usr.t"), os::pl("1=Łucja\r\n"));
    EXPECT_EQ(nazwa_usera, os::pl("Łucja"));
    EXPECT_NE(podpowiedz.find("Ważne informacje"), std::string::npos) << podpowiedz;

    // The main window: its size, and a menu button drawn over the background.
    ASSERT_EQ(zrzut.size(), QSize(800, 600));
    const QRgb tlo = zrzut.pixel(look::btn_powtorki.x - 40, look::btn_powtorki.y + 26);
    const QRgb przycisk = zrzut.pixel(look::btn_powtorki.x + 200, look::btn_powtorki.y + 26);
    EXPECT_NE(tlo, przycisk);
    EXPECT_NE(przycisk & 0xFFFFFF, look::klucz_przezroczysty);

    // The profile: statistics seeded, settings written at closing with the run
    // counter and the hint flag.
    EXPECT_TRUE(demo.exists("1/" + kod_zestawu));
    EXPECT_GT(demo.read("1/" + kod_zestawu).size(), 0u);
    const std::string ustaw = demo.read("1/ustaw_" + kod_zestawu + ".txt");
    std::vector<std::string> linie;
    for (size_t p = 0, q; (q = ustaw.find("\r\n", p)) != std::string::npos; p = q + 2)
        linie.push_back(ustaw.substr(p, q - p));
    ASSERT_EQ(linie.size(), 54u);
    EXPECT_EQ(linie[50], "1");                // line 51, the run counter
    EXPECT_EQ(linie[44], "1");                // line 45, the hint was shown
    EXPECT_FALSE(demo.exists("1/p_kopia.b")); // no records yet
}

// Starts the trainer on the demo edition with `w_wyborze` acting on the user
// choice (if it shows); the exit code, and whether the main window showed.
struct Start {
    int kod = -1;
    bool wybor = false, glowne = false;
};
Start uruchom(std::function<void(ui::Window&)> w_wyborze) {
    Start s;
    ui::set_next_modal_hook([&](ui::Window& w) {
        s.wybor = &w == Form9;
        w_wyborze(w);
    });
    const testsupport::TrainerRun run = testsupport::run_trainer_once([&](TForm1& f) {
        s.glowne = true;
        f.close();
    });
    s.kod = run.code;
    return s;
}

TEST(EndToEnd, LeavingTheUserChoiceAnyWayButALoginEndsTheProgram) {
    testsupport::qt_app();
    struct Case {
        const char* jak;
        std::function<void(ui::Window&)> wyjdz;
    } cases[] = {
        {"Esc", [](ui::Window& w) { testsupport::key_click(&w, Qt::Key_Escape); }},
        {"the window manager", [](ui::Window& w) { w.close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.jak);
        testsupport::DemoEdition demo;
        demo.write("usr.t", "1=Anna\r\n");
        const Start s = uruchom(c.wyjdz);
        EXPECT_EQ(s.kod, 0);
        EXPECT_TRUE(s.wybor);
        EXPECT_FALSE(s.glowne);
        EXPECT_FALSE(demo.exists("1"));
        EXPECT_TRUE(sciezka_usera.empty());
        EXPECT_EQ(Form9, nullptr);
    }
}

TEST(EndToEnd, AStartUpFaultEndsBeforeTheUserChoiceWithOneMessage) {
    testsupport::qt_app();
    struct Case {
        const char* plik;
        const char* tresc; // nullptr: the file is removed
        int kod;
        const char* komunikat;
    } cases[] = {
        {"tavo_sk.txt", nullptr, 0, "Brak plików systemowych programu!"},
        {"tavo_sk.txt", "Tavolent\r\nx\r\n", 1, "tavo_sk.txt"},
        {"gta_s.txt", "zz = 1 = dom = Dom = Opis =\r\n", 1, "gta_s.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.plik) + " " + (c.tresc ? c.tresc : "removed"));
        testsupport::DemoEdition demo;
        if (c.tresc)
            demo.write(c.plik, c.tresc);
        else
            std::filesystem::remove(demo.program() + c.plik);
        const Start s = uruchom([](ui::Window& w) { w.close(); });
        EXPECT_EQ(s.kod, c.kod);
        EXPECT_FALSE(s.wybor);
        EXPECT_FALSE(s.glowne);
        ASSERT_EQ(demo.messages.size(), 1u);
        EXPECT_NE(os::cp1250_to_utf8(demo.messages[0]).find(c.komunikat), std::string::npos)
            << os::cp1250_to_utf8(demo.messages[0]);
        EXPECT_EQ(Form1, nullptr);
    }
}

TEST(EndToEnd, MissingButtonStripsAreReportedAndTheSoundsStillPlay) {
    testsupport::qt_app();
    testsupport::DemoEdition demo;
    std::filesystem::remove_all(demo.program() + "but_s");
    bool odtwarzacz = false;
    const Start s = uruchom([&](ui::Window& w) {
        odtwarzacz = Form5 != nullptr;
        testsupport::key_click(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(s.kod, 0);
    EXPECT_TRUE(s.wybor);
    EXPECT_TRUE(odtwarzacz);
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_NE(demo.messages[0].find("but_s"), std::string::npos) << demo.messages[0];
}

} // namespace
