// How the trainer ends when it is not closed by the learner: a fatal start-up
// condition unwinds out of the windows' creation, and SIGTERM or SIGHUP (a
// logout, kill) close the windows with the same save as the main window's
// close.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <functional>
#include <unistd.h>

#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "trainer/learner_fixture.h"
#include "trainer/trainer_run.h"

namespace {

using testsupport::TrainerRun;

// Starts the trainer on the demo edition laid out; `on_choice` acts on the
// user choice, `on_main` once the main window shows.
TrainerRun start(std::function<void(ui::Window&)> on_choice, std::function<void(TForm1&)> on_main) {
    ui::set_next_modal_hook(std::move(on_choice));
    return testsupport::run_trainer_once(on_main);
}

void log_in(ui::Window&) {
    Form9->K_OKClick();
}

TEST(Shutdown, ASignalSavesAsClosingTheMainWindowDoes) {
    testsupport::qt_app();
    struct Case {
        const char* what;
        int signal;
        bool over_a_box; // the exit question is open when it comes
    } cases[] = {
        {"SIGTERM", SIGTERM, false},
        {"SIGHUP", SIGHUP, false},
        {"SIGTERM over the exit question", SIGTERM, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::DemoEdition demo{testsupport::linked_folders};
        testsupport::lay_out_learner(demo, 3, 4);
        const std::string pb = demo.read("1/p.b");
        const TrainerRun run = start(log_in, [&](TForm1& f) {
            if (!c.over_a_box) {
                ::raise(c.signal);
                return;
            }
            QTimer::singleShot(50, [&] {
                EXPECT_EQ(QApplication::activeModalWidget(), Form24);
                ::raise(c.signal);
            });
            f.L_KoniecClick();
        });
        EXPECT_EQ(run.code, 0);
        EXPECT_TRUE(run.main_window);
        EXPECT_EQ(Form1, nullptr);
        // The run counter went from 4 to 5 and was saved; the fifth run's
        // backup was written from the store; p.b itself is untouched.
        EXPECT_EQ(demo.read("1/ustaw_tas_40.txt"), testsupport::settings_file(5, 3));
        EXPECT_EQ(demo.read("1/p_kopia_5.b"), pb);
        EXPECT_NE(demo.read("1/p.i").find("p_kopia_5.b="), std::string::npos);
        EXPECT_EQ(demo.read("1/p.b"), pb);
        EXPECT_TRUE(demo.messages.empty());
    }
    // The handlers are gone with the trainer: the test process ignores its own.
    ::signal(SIGHUP, SIG_IGN);
    ::raise(SIGHUP);
    ::signal(SIGHUP, SIG_DFL);
}

TEST(Shutdown, ASignalAtTheUserChoiceEndsWithoutALogin) {
    testsupport::qt_app();
    testsupport::DemoEdition demo{testsupport::linked_folders};
    demo.write("usr.t", "1=Anna\r\n");
    const TrainerRun run = start([](ui::Window&) { ::raise(SIGTERM); }, [](TForm1& f) { f.close(); });
    EXPECT_EQ(run.code, 0);
    EXPECT_FALSE(run.main_window);
    EXPECT_FALSE(demo.exists("1"));
    EXPECT_EQ(demo.read("usr.t"), "1=Anna\r\n");
}

// A fatal start-up condition shows its message and the start returns with
// its code: no window is left, and the process goes on (here: the test).
TEST(Shutdown, AFatalStartUpConditionUnwindsToTheStart) {
    testsupport::qt_app();
    struct Case {
        const char* what;
        const char* file; // under the demo folder
        bool folder;      // replaced by a folder, else removed
        const char* message;
    } cases[] = {
        {"no installation file", "program/ts40.ini", false, "Brak plików systemowych, proszę"},
        {"an unreadable installation file", "program/ts40.ini", true, "Nie można odczytać pliku"},
        {"no disc", "disc/p.txt", false, "Proszę włożyć płytę CD nr 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::DemoEdition demo{testsupport::linked_folders};
        const std::string path = demo.dir.path() + c.file;
        std::filesystem::remove(path);
        if (c.folder) std::filesystem::create_directory(path);
        const TrainerRun run = start([](ui::Window& w) { w.close(); }, [](TForm1& f) { f.close(); });
        EXPECT_EQ(run.code, 1);
        EXPECT_FALSE(run.main_window);
        ASSERT_EQ(demo.messages.size(), 1u);
        EXPECT_EQ(os::cp1250_to_utf8(demo.messages[0]).rfind(c.message, 0), 0u)
            << os::cp1250_to_utf8(demo.messages[0]);
        EXPECT_EQ(Form1, nullptr);
        EXPECT_EQ(Form9, nullptr);
    }
}

} // namespace
