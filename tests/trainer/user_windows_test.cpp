// The user choice and the new-user window, driven as a learner would.
#include <gtest/gtest.h>

#include <memory>

#include "core/settings.h"
#include "core/startup.h"
#include "core/state.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "platform_ui/qt_app.h"
#include "shared/form10.h"
#include "shared/form9.h"
#include "shared/users.h"
#include "support/temp_dir.h"

namespace {

class UserWindows : public testsupport::QtFixture {
  protected:
    testsupport::TempDir dir;
    std::vector<std::string> info;

    void SetUp() override {
        core::wyczysc_stan();
        wyczysc_userow();
        sciezka_programu = dir.path();
        core::ui().info = [this](const std::string& t) { info.push_back(os::cp1250_to_utf8(t)); };
    }
    void TearDown() override {
        delete Form10;
        Form10 = nullptr;
        core::reset_ui();
        os::clear_terminate_request();
        core::wyczysc_stan();
        wyczysc_userow();
    }
};

TEST_F(UserWindows, OkNeedsANameOfTwoCharactersOrMore) {
    TForm10 w;
    struct Case {
        const char* text;
        bool ok;
    } cases[] = {{"", false}, {"A", false}, {"  B  ", false}, {"Al", true}, {" Ewa ", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        w.Edit1.SetText(c.text);
        EXPECT_EQ(w.B_OK.Visible(), c.ok);
    }
    // Enter with OK hidden adds nobody.
    wczytaj_userow();
    w.Edit1.SetText("A");
    testsupport::key_click(&w, Qt::Key_Return);
    EXPECT_EQ(ile_userow, 0);
    EXPECT_FALSE(dir.exists("usr.t"));
}

TEST_F(UserWindows, ADuplicateNameIsRefusedWithTheMessageAndTheBoxIsCleared) {
    dir.write("usr.t", os::pl("1=Uczeń\r\n"));
    wczytaj_userow();
    TForm10 w;
    w.Edit1.SetText(os::pl(" uczeń "));
    w.B_OKClick();
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0], "Wpisany identyfikator już istnieje. Proszę wprowadzić inny.");
    EXPECT_EQ(w.Edit1.Text(), "");
    EXPECT_EQ(ile_userow, 1);
}

TEST_F(UserWindows, TheChoiceSelectsTheLastNameAndEnterWithoutANameDoesNothing) {
    {
        TForm9 w; // no users yet
        EXPECT_EQ(w.ComboBox1.ItemIndex(), -1);
        EXPECT_FALSE(w.B_OK.Visible());
        testsupport::key_click(&w, Qt::Key_Return);
        w.K_OKClick(); // as a double click would
        EXPECT_TRUE(sciezka_usera.empty());
    }
    dir.write("usr.t", "1=Anna\r\n2=Piotr\r\n");
    TForm9 w;
    EXPECT_EQ(w.ComboBox1.Items().Count(), 2);
    EXPECT_EQ(w.ComboBox1.Text(), "Piotr");
    EXPECT_TRUE(w.B_OK.Visible());
}

TEST_F(UserWindows, LeavingTheChoiceEndsTheProgram) {
    TForm9 w;
    const int r = testsupport::run_modal(
        w, [](ui::Window& shown) { testsupport::key_click(&shown, Qt::Key_Escape); });
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(os::terminate_requested());
}

TEST_F(UserWindows, AUserFolderThatCannotBeMadeKeepsTheChoiceOpen) {
    dir.write("usr.t", "1=Anna\r\n");
    dir.write("1", "a file where the folder should be");
    std::vector<std::string> messages;
    os::set_message_hook([&](const std::string& t) { messages.push_back(t); });
    bool loading = false;
    core::ui().progress_show = [&](const std::string&, int) { loading = true; };
    TForm9 w;
    bool still_open = false;
    const int r = testsupport::run_modal(w, [&](ui::Window& shown) {
        w.K_OKClick();
        still_open = shown.isVisible() && shown.in_modal();
        testsupport::key_click(&shown, Qt::Key_Escape);
    });
    os::set_message_hook({});
    EXPECT_TRUE(still_open);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(loading);
    // Nobody became the current user.
    EXPECT_TRUE(sciezka_usera.empty());
    EXPECT_TRUE(nazwa_usera.empty());
    EXPECT_EQ(r, 0);
}

TEST_F(UserWindows, AFiftyFirstUserIsRefusedWithAMessage) {
    std::string bytes;
    for (int i = 1; i <= 50; ++i)
        bytes += std::to_string(i) + "=u" + std::to_string(i) + "\r\n";
    dir.write("usr.t", bytes);
    wczytaj_userow();
    TForm10 w;
    w.Edit1.SetText("Nowy");
    w.B_OKClick();
    ASSERT_EQ(info.size(), 1u);
    EXPECT_NE(info[0].find("50"), std::string::npos);
    EXPECT_EQ(dir.read("usr.t"), bytes);
}

} // namespace
