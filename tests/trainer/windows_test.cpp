// The trainer's windows as a set: created in order and deleted in reverse,
// and F1 in each asking for its own help page.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform_ui/qt_app.h"
#include "shared/forms.h"
#include "trainer/windows.h"

namespace {

using namespace testsupport;

std::vector<std::string> g_log;

struct Logged {
    explicit Logged(std::string n, bool fail = false) : name(std::move(n)) {
        if (fail) throw std::runtime_error("cannot create " + name);
        g_log.push_back("+" + name);
    }
    ~Logged() { g_log.push_back("-" + name); }
    std::string name;
};

TEST(WindowSet, DeletesInReverseAndClearsThePointers) {
    g_log.clear();
    Logged *a = nullptr, *b = nullptr, *c = nullptr;
    {
        ZestawOkien okna;
        okna.utworz(a, "a");
        okna.utworz(b, "b");
        EXPECT_THROW(okna.utworz(c, "c", true), std::runtime_error);
        EXPECT_EQ(c, nullptr);
        EXPECT_EQ(okna.ile(), 2);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(b->name, "b");
    }
    EXPECT_EQ(g_log, (std::vector<std::string>{"+a", "+b", "-b", "-a"}));
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(b, nullptr);
}

// F1 in a window: the page the help window is asked for, and that it opens.
class HelpKeys : public QtFixture {
  protected:
    void SetUp() override {
        ustaw_pokaz_pomoc([this] { opened.push_back(strona_pomocy); });
    }
    void TearDown() override {
        ustaw_pokaz_pomoc(nullptr);
        ui::Window::set_help_handler(nullptr);
        strona_pomocy.clear();
    }
    std::string f1(ui::Window& w) {
        strona_pomocy = "earlier.html";
        opened.clear();
        key_click(&w, Qt::Key_F1);
        return opened.size() == 1 ? opened[0] : "(help opened " + std::to_string(opened.size()) + "x)";
    }
    std::vector<std::string> opened;
};

TEST_F(HelpKeys, EachWindowAsksForItsPage) {
    TForm9 form9;
    TForm10 form10;
    TForm20 form20;
    TForm17 matching;
    TForm26 chosen_words;
    TForm8 type_chooser;
    const struct {
        const char* name;
        ui::Window& window;
        const char* page;
    } table[] = {
        {"user choice", form9, "h_06_log.html"},
        {"new user", form10, "h_06_log.html"},
        {"information box: the page asked for last", form20, "earlier.html"},
        {"matching, with its anchor", matching, "h_10_slow.html#cws_pary"},
        {"chosen words: the contents", chosen_words, ""},
        {"type chooser: the page asked for last", type_chooser, "earlier.html"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(f1(row.window), row.page);
    }
}

TEST_F(HelpKeys, TheChooserAsksByItsView) {
    TWyborZdanForm chooser;
    tryb_wyboru = 1;
    chooser.pokaz_widok();
    EXPECT_EQ(f1(chooser), "h_10_slow.html");
    tryb_wyboru = 2;
    chooser.pokaz_widok();
    EXPECT_EQ(f1(chooser), "h_12_wynik.html");
    chooser.close();
    tryb_wyboru = 0;
}

} // namespace
