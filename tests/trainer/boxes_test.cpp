#include <gtest/gtest.h>

#include <filesystem>

#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform_ui/pictures.h"
#include "platform_ui/qt_app.h"
#include "shared/form14.h"
#include "shared/form20.h"
#include "shared/form24.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/forms.h"
#include "support/temp_dir.h"
#include "trainer/strip_files.h"

namespace {

using namespace testsupport;

// The boxes over a program folder holding only generated button strips (no
// background pictures: the boxes fall back to the light ground).
class Boxes : public QtFixture {
  protected:
    static std::string folder_with_strips(TempDir& dir) {
        qt_app();
        write_strips(dir.path(), paski_trenera);
        saved_path() = sciezka_programu;
        sciezka_programu = dir.path();
        return dir.path();
    }
    static std::string& saved_path() {
        static std::string s;
        return s;
    }
    ~Boxes() override {
        sciezka_programu = saved_path();
        ustaw_pokaz_pomoc(nullptr);
    }

  public:
    TempDir dir;
    std::string folder = folder_with_strips(dir);
    TForm5 form5;
    TForm20 form20;
    TForm29 form29;
    TForm24 form24;
    TForm14 form14;
};

enum Box { F20, F29, F24 };

TEST_F(Boxes, KeysButtonsAndClosing) {
    int help_calls = 0;
    bool open_during_help = false;
    ustaw_pokaz_pomoc([&] {
        ++help_calls;
        open_during_help = form20.isVisible();
    });
    using Act = std::function<void(Boxes&, ui::Window&)>;
    auto key = [](int k) { return Act([k](Boxes&, ui::Window& w) { key_click(&w, k); }); };
    const Act ok20 = [](Boxes& t, ui::Window&) { click(&t.form20.B_OK); };
    const Act ok29 = [](Boxes& t, ui::Window&) { click(&t.form29.B_OK); };
    const Act no29 = [](Boxes& t, ui::Window&) { click(&t.form29.B_Zamknij); };
    const Act ok24 = [](Boxes& t, ui::Window&) { click(&t.form24.B_OK); };
    const Act no24 = [](Boxes& t, ui::Window&) { click(&t.form24.B_Zamknij); };
    const Act wm_close = [](Boxes&, ui::Window& w) { w.close(); };
    const Act hidden = [](Boxes&, ui::Window& w) { w.hide(); };
    auto without_ok = [](Act a) {
        return Act([a](Boxes& t, ui::Window& w) {
            auto& ok = dynamic_cast<TForm20*>(&w) ? t.form20.B_OK : t.form29.B_OK;
            ok.SetVisible(false);
            a(t, w);
            ok.SetVisible(true);
        });
    };
    const struct {
        const char* name;
        Box box;
        Act act;
        bool open_after;
        int flag_before, flag_after; // of TForm29 / TForm24
    } table[] = {
        {"info: OK", F20, ok20, false, 0, 0},
        {"info: Esc", F20, key(Qt::Key_Escape), false, 0, 0},
        {"info: Enter", F20, key(Qt::Key_Return), false, 0, 0},
        {"info: keypad Enter", F20, key(Qt::Key_Enter), false, 0, 0},
        {"info: Enter without OK", F20, without_ok(key(Qt::Key_Return)), true, 0, 0},
        {"info: F1 keeps it open", F20, key(Qt::Key_F1), true, 0, 0},
        {"question: yes", F29, ok29, false, 0, 1},
        {"question: Enter is yes", F29, key(Qt::Key_Return), false, 0, 1},
        {"question: Enter without OK", F29, without_ok(key(Qt::Key_Return)), true, 0, 0},
        {"question: no", F29, no29, false, 1, 0},
        {"question: Esc is no", F29, key(Qt::Key_Escape), false, 1, 0},
        {"question: window closed is no", F29, wm_close, false, 1, 0},
        {"question: hidden without a close is no", F29, hidden, false, 1, 0},
        {"leave: yes", F24, ok24, false, 0, 1},
        {"leave: no", F24, no24, false, 1, 0},
        {"leave: Esc is no", F24, key(Qt::Key_Escape), false, 1, 0},
        {"leave: Enter does nothing", F24, key(Qt::Key_Return), true, 0, 0},
        {"leave: window closed is no", F24, wm_close, false, 1, 0},
        {"leave: hidden without a close is no", F24, hidden, false, 1, 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        ui::Window& w = row.box == F20   ? static_cast<ui::Window&>(form20)
                        : row.box == F29 ? static_cast<ui::Window&>(form29)
                                         : static_cast<ui::Window&>(form24);
        uint8_t& flag = row.box == F24 ? tak_obrazek : tak_pytanie;
        flag = static_cast<uint8_t>(row.flag_before);
        bool open = false;
        int flag_seen = -1;
        help_calls = 0;
        run_modal(w, [&](ui::Window& shown) {
            row.act(*this, shown);
            open = shown.isVisible();
            flag_seen = flag;
            if (open) shown.close();
        });
        EXPECT_EQ(open, row.open_after);
        if (row.box != F20) {
            // What the caller reads once the box is gone (or, for a box that
            // stayed open, what the action left before the test closed it).
            EXPECT_EQ(row.open_after ? flag_seen : flag, row.flag_after);
        }
        EXPECT_FALSE(w.isVisible());
        if (std::string(row.name) == "info: F1 keeps it open") {
            EXPECT_EQ(help_calls, 1);
            EXPECT_TRUE(open_during_help);
        } else {
            EXPECT_EQ(help_calls, 0);
        }
    }
}

// The mouse was over "Anuluj" when the box closed; opened again, it shows no
// highlight until the mouse comes back.
TEST_F(Boxes, AButtonIsNotLeftHighlightedWhenItsBoxOpensAgain) {
    run_modal(form24, [](ui::Window& w) {
        auto& box = static_cast<TForm24&>(w);
        enter(&box.B_Zamknij);
        EXPECT_EQ(box.B_Zamknij.Stan(), 1);
        click(&box.B_Zamknij);
    });
    int stan = -1;
    run_modal(form24, [&](ui::Window& w) {
        stan = static_cast<TForm24&>(w).B_Zamknij.Stan();
        w.close();
    });
    EXPECT_EQ(stan, 0);
}

TEST_F(Boxes, LayoutAndFallbackGround) {
    EXPECT_EQ(form20.size(), QSize(455, 101));
    EXPECT_EQ(form29.size(), QSize(455, 101));
    EXPECT_EQ(form24.size(), QSize(252, 94));
    EXPECT_EQ(form14.size(), QSize(234, 15));
    EXPECT_EQ(form20.B_OK.size(), QSize(64, 32));
    EXPECT_EQ(form29.B_Zamknij.geometry(), QRect(376, 35, 64, 32));
    EXPECT_EQ(form20.Label1.GetFont().pixels, 13);
    EXPECT_EQ(form20.B_OK.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(form14.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form14.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form14.Progress.geometry(), QRect(0, 0, 234, 15));
    EXPECT_TRUE(form14.Progress.Smooth());
    EXPECT_EQ(form14.Progress.Step, 5);
    const QImage shot = form24.grab().toImage();
    EXPECT_EQ(shot.pixel(2, 2) & 0xFFFFFFu, look::krem);
}

TEST_F(Boxes, CoreShowsItsMessagesAndProgressHere) {
    Form20 = &form20;
    Form14 = &form14;
    podlacz_okna_do_core();
    const std::string text = os::pl("Wczytano informacje o 12 powtórkach.");
    std::string shown;
    ui::set_next_modal_hook([&](ui::Window& w) {
        shown = form20.Label1.Caption();
        key_click(&w, Qt::Key_Escape);
    });
    core::show_info(text);
    EXPECT_EQ(shown, text);

    core::progress_show(os::pl("Czytam..."), 5);
    EXPECT_TRUE(form14.isVisible());
    EXPECT_EQ(form14.Caption(), os::pl("Czytam..."));
    EXPECT_EQ(form14.windowTitle(), QString("Czytam..."));
    core::progress_position(15);
    EXPECT_EQ(form14.Progress.Position(), 15);
    core::progress_hide();
    EXPECT_FALSE(form14.isVisible());
    pokaz_postep(os::pl("Zapisuję powtórki..."));
    EXPECT_EQ(form14.Progress.Position(), 80);
    EXPECT_EQ(form14.windowTitle(), QString::fromUtf8("Zapisuję powtórki..."));
    core::progress_hide();
    core::reset_ui();
    Form20 = nullptr;
    Form14 = nullptr;
}

// Pictures for a person to look at, under the build's test output. With the
// generated artwork of the demo edition when it has been built.
TEST(BoxPictures, GrabEachBox) {
    qt_app();
    TempDir dir;
    const std::string demo = std::string(DEMO_PROGRAM_DIR) + "/";
    const bool artwork = std::filesystem::exists(demo + "gfx_s/form20.bmp") &&
                         std::filesystem::exists(demo + "but_s/podr_spis2.bmp");
    if (!artwork) write_strips(dir.path(), paski_trenera);
    const std::string saved = sciezka_programu;
    sciezka_programu = artwork ? demo : dir.path();
    {
        TForm5 form5;
        TForm20 form20;
        TForm29 form29;
        TForm24 form24;
        TForm14 form14;
        form20.Label1.SetCaption(
            os::pl("Wpisany identyfikator już istnieje. Proszę wprowadzić inny."));
        form29.Label1.SetCaption(os::pl("Czy wykasować wybrane słówko (zdanie)?"));
        form29.B_OK.SetStan(1);
        form14.Progress.SetPosition(80);
        const std::string out = output_path("trainer/boxes/");
        EXPECT_TRUE(ui::grab_to_png(form20, out + "form20.png"));
        EXPECT_TRUE(ui::grab_to_png(form29, out + "form29_yes_highlighted.png"));
        EXPECT_TRUE(ui::grab_to_png(form24, out + "form24.png"));
        EXPECT_TRUE(ui::grab_to_png(form14, out + "form14.png"));
    }
    sciezka_programu = saved;
}

} // namespace
