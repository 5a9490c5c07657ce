// The settings window and the import window on the demo edition: the
// controls show the learner's settings and OK stores them, a type's mode
// changes at once, the backups listed in p.i restore (a missing one leaves
// p.b as it was), the enlarged window stays so after OK, and the demo
// earlier edition imports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/ui/input_box.h"
#include "platform_ui/qt_app.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/login.h"
#include "support/temp_dir.h"
#include "trainer/demo_edition.h"
#include "trainer/form12.h"
#include "trainer/form3.h"
#include "trainer/learner_fixture.h"
#include "trainer/trainer_run.h"
#include "trainer/windows.h"

namespace {

using namespace testsupport;

const std::string kEarlier = std::string(DEMO_PROGRAM_DIR) + "/../ta2001";

class SettingsWindow : public QtFixture {
  protected:
    void SetUp() override {
        setenv("VOKARIN_REGISTRY", registry.file("registry.ini").c_str(), 1);
        demo.write("1/p.b", demo_records(6));
        start_programu();
        ASSERT_TRUE(zaloguj(1, "Anna"));
        core::ui().info = [this](const std::string& t) { messages.push_back(t); };
        form5 = std::make_unique<TForm5>();
        f29 = std::make_unique<TForm29>();
        f3 = std::make_unique<TForm3>();
        f12 = std::make_unique<TForm12>();
        Form29 = f29.get();
        Form3 = f3.get();
    }
    void TearDown() override {
        ui::set_next_modal_hook(nullptr);
        Form29 = nullptr;
        Form3 = nullptr;
        unsetenv("VOKARIN_REGISTRY");
    }
    std::string settings_line(int n) const {
        std::vector<std::string> lines;
        os::read_lines(plik_ustawien(), lines);
        return n <= static_cast<int>(lines.size()) ? lines[static_cast<size_t>(n - 1)] : "";
    }
    // The next question box is answered yes.
    static void answer_yes() {
        ui::set_next_modal_hook([](ui::Window&) { Form29->B_OKClick(); });
    }

    DemoEdition demo{linked_folders};
    TempDir registry;
    std::vector<std::string> messages;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm29> f29;
    std::unique_ptr<TForm3> f3;
    std::unique_ptr<TForm12> f12;
};

TEST_F(SettingsWindow, ShowsTheSettingsAndOkStoresThem) {
    ustawienia.linia[18] = 1;
    ustawienia.linia[1] = 4;
    ustawienia.mnoznik = 3.5;
    ustawienia.wlacz_przerywnik(2, false);
    int present = 0;
    for (int k = 1; k <= MAX_PRZERYWNIKOW; ++k)
        present += przerywniki[k].jest ? 1 : 0;
    ASSERT_GT(present, 1);

    ui::set_next_modal_hook([&](ui::Window&) {
        TForm12& f = *f12;
        EXPECT_EQ(f.height(), 352);
        EXPECT_EQ(f.CB_Tryb_Nauki.ItemIndex(), 1);
        EXPECT_EQ(f.CB_Cw_Wyznacz.ItemIndex(), 3);
        EXPECT_EQ(f.CB_Czestosc_powtorek.ItemIndex(), 19);
        EXPECT_EQ(f.E_P_Powt_inter_umiesz.Text(), "6");
        EXPECT_EQ(f.LB1.Items().Count(), present);
        EXPECT_FALSE(f.LB1.Checked(1)); // set 2
        EXPECT_EQ(f.CB_Typ.Items().Count(), 14);
        // No type picked yet: the mode drop-down and its label show, blank.
        EXPECT_TRUE(f.CB_Cw.Visible());
        EXPECT_TRUE(f.Label3.Visible());
        EXPECT_EQ(f.CB_Cw.ItemIndex(), -1);

        // A type's mode changes at once.
        f.CB_Typ.SetItemIndex(2);
        f.CB_TypClick();
        EXPECT_TRUE(f.CB_Cw.Visible());
        f.CB_Cw.SetItemIndex(1);
        f.CB_CwChange();
        EXPECT_EQ(ustawienia.linia[4], 1);
        EXPECT_EQ(f.CB_Typ.ItemIndex(), 2);
        EXPECT_EQ(f.CB_Typ.Items()[2], linia_typu(3, 1));
        wait_ms(30);
        EXPECT_TRUE(ui::grab_to_png(f, output_path("trainer/settings.png")));

        // A refused box keeps the window open and says why.
        f.E_P_Powt_inter_umiesz.SetText("3");
        f.CB_Tryb_Nauki.SetItemIndex(2);
        f.B_OkClick();
        EXPECT_TRUE(f.in_modal());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("od 4 do 200"), std::string::npos);
        f.E_P_Powt_inter_umiesz.SetText(" 12");
        f.LB1.SetChecked(0, false);
        key_click(&f, Qt::Key_Return);
    });
    EXPECT_EQ(f12->show_modal(), 1);
    EXPECT_EQ(settings_line(18), "2");
    EXPECT_EQ(settings_line(49), "12");
    EXPECT_EQ(settings_line(40), "2.90");
    EXPECT_EQ(settings_line(4), "1");
    EXPECT_EQ(settings_line(19), "0"); // set 1 switched off
    tryb_lekcji = 1;
    EXPECT_EQ(wymagane_odpowiedzi(), 4); // the next run asks four answers
}

TEST_F(SettingsWindow, CancelKeepsOnlyTheTypeModeChange) {
    const std::string before = demo.read("1/ustaw_" + kod_zestawu + ".txt");
    ui::set_next_modal_hook([&](ui::Window&) {
        f12->CB_Typ.SetItemIndex(0);
        f12->CB_TypClick();
        f12->CB_Cw.SetItemIndex(3);
        f12->CB_CwChange();
        f12->CB_Tryb_Nauki.SetItemIndex(2);
        key_click(f12.get(), Qt::Key_Escape);
    });
    EXPECT_EQ(f12->show_modal(), 0);
    EXPECT_EQ(ustawienia.linia[2], 3);
    EXPECT_EQ(ustawienia.linia[18], 0);
    EXPECT_EQ(demo.read("1/ustaw_" + kod_zestawu + ".txt"), before);
}

TEST_F(SettingsWindow, RestoresABackupAndAMissingOneLeavesPbAsItWas) {
    const std::string pb = demo.read("1/p.b");
    const std::string backup = demo_records(3);
    demo.write("1/p_kopia.b", backup);
    demo.write("1/p.i", "p.b=2026-12-01 10:00:00=6= \r\np_kopia.b=2026-11-30 18:00:00=3= \r\n"
                        "p_kopia_5.b=2026-11-20 18:00:00=4= \r\n");
    // demo_records() resets the state: the learner logs in again.
    start_programu();
    ASSERT_TRUE(zaloguj(1, "Anna"));

    std::string after_missing;
    ui::set_next_modal_hook([&](ui::Window&) {
        TForm12& f = *f12;
        f.k_opcje_wiecejClick();
        EXPECT_EQ(f.height(), 530);
        EXPECT_FALSE(f.k_opcje_wiecej.Visible());
        ASSERT_EQ(f.ListBox1.Items().Count(), 3);
        // The login brought p.i's times into line with the files.
        EXPECT_NE(f.ListBox1.Items()[1].find("  (3)"), std::string::npos);
        EXPECT_FALSE(f.K_import_kopia1.Visible());
        f.ListBox1.SetItemIndex(2);
        f.ListBox1Click();
        EXPECT_EQ(f.wybrana_kopia(), "p_kopia_5.b");
        EXPECT_TRUE(f.K_import_kopia1.Visible());
        wait_ms(30);
        EXPECT_TRUE(ui::grab_to_png(f, output_path("trainer/settings_backups.png")));

        answer_yes();
        f.K_import_kopia1Click();
        after_missing = demo.read("1/p.b");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("p_kopia_5.b"), std::string::npos);

        f.ListBox1.SetItemIndex(1);
        f.ListBox1Click();
        answer_yes();
        f.K_import_kopia1Click();
        f.B_ZamknijClick();
    });
    EXPECT_EQ(f12->show_modal(), 0);
    EXPECT_EQ(after_missing, pb);
    EXPECT_EQ(demo.read("1/p.b"), backup);
    EXPECT_EQ(f12->height(), 352);
}

TEST_F(SettingsWindow, ClosedWithOkWhileEnlargedItShowsEnlargedUntilEscFoldsIt) {
    int kopii = 0;
    ui::set_next_modal_hook([&](ui::Window&) {
        TForm12& f = *f12;
        EXPECT_EQ(f.height(), 352);
        f.k_opcje_wiecejClick();
        kopii = f.ListBox1.Items().Count();
        ASSERT_GT(kopii, 0);
        f.ListBox1.SetItemIndex(0);
        f.ListBox1Click();
        key_click(&f, Qt::Key_Return);
    });
    EXPECT_EQ(f12->show_modal(), 1);

    ui::set_next_modal_hook([&](ui::Window&) {
        TForm12& f = *f12;
        EXPECT_EQ(f.height(), 530);
        EXPECT_FALSE(f.k_opcje_wiecej.Visible());
        EXPECT_FALSE(f.L_czarny_pasek.Visible());
        EXPECT_EQ(f.ListBox1.Items().Count(), kopii);
        // The backup chosen last time is not chosen any more.
        EXPECT_EQ(f.ListBox1.ItemIndex(), -1);
        EXPECT_TRUE(f.wybrana_kopia().empty());
        EXPECT_FALSE(f.K_import_kopia1.Visible());
        wait_ms(30);
        EXPECT_TRUE(ui::grab_to_png(f, output_path("trainer/settings_kept_enlarged.png")));
        key_click(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(f12->show_modal(), 0);

    ui::set_next_modal_hook([&](ui::Window&) {
        EXPECT_EQ(f12->height(), 352);
        EXPECT_TRUE(f12->k_opcje_wiecej.Visible());
        EXPECT_TRUE(f12->L_czarny_pasek.Visible());
        key_click(f12.get(), Qt::Key_Escape);
    });
    EXPECT_EQ(f12->show_modal(), 0);
}

TEST_F(SettingsWindow, ImportsTheDemoEarlierEditionFoundInTheRegistry) {
    registry.write("registry.ini", "[HKEY_LOCAL_MACHINE\\Software\\Ostrel Multimedia\\ta2001\\Settings]\n"
                                   "app_kat=" + kEarlier + "\n");
    const int own_before = baza.ile_slow;
    ui::set_next_modal_hook([&](ui::Window&) {
        TForm3& f = *f3;
        EXPECT_TRUE(f.K_Pokaz.Visible());
        EXPECT_FALSE(f.ListBox1.Visible());
        f.K_PokazClick();
        ASSERT_EQ(f.ListBox1.Items().ToVector(), (std::vector<std::string>{"Marta", "Tomek"}));
        EXPECT_FALSE(f.K_Pokaz.Visible());
        EXPECT_TRUE(f.Ch_slowka_tez.Checked());
        EXPECT_FALSE(f.k_importuj.Visible());
        f.ListBox1.SetItemIndex(0);
        f.ListBox1Click();
        EXPECT_TRUE(f.k_importuj.Visible());
        wait_ms(30);
        EXPECT_TRUE(ui::grab_to_png(f, output_path("trainer/import.png")));
        f.k_importujClick();
    });
    EXPECT_EQ(f3->show_modal(), 1);
    EXPECT_EQ(baza.ile_slow, own_before + 3);
    const int teapot = baza.ile_slow - 2;
    EXPECT_EQ(baza.slowo_obce[teapot], "teapot");
    EXPECT_GT(tab_powtorek[teapot].interwal, 0);
    EXPECT_NE(demo.read("sbusr.txt").find("teapot"), std::string::npos);
    EXPECT_GT(ile_na_dzis(), 0);
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("(3)"), std::string::npos);
    std::vector<std::string> rejected;
    ASSERT_EQ(os::read_lines(sciezka_usera + PLIK_ODRZUCONYCH, rejected), os::ReadStatus::ok);
    ASSERT_EQ(rejected.size(), 2u);
    EXPECT_EQ(rejected[1], " - 39001 - 39002 - 59990");
}

TEST_F(SettingsWindow, WithoutTheRegistryTheFolderIsAskedFor) {
    std::string prompt;
    ui::set_next_modal_hook([&](ui::Window&) {
        ui::set_next_modal_hook([&](ui::Window&) {
            ui::set_next_modal_hook([&](ui::Window& w) {
                auto* box = dynamic_cast<ui::InputBoxWindow*>(&w);
                ASSERT_NE(box, nullptr);
                prompt = box->Prompt.Caption();
                EXPECT_EQ(box->Value.Text(), "c:\\Program Files\\Ostrel Multimedia\\Tavolent Arlen 2001");
                box->Value.SetText(kEarlier); // no trailing slash
                box->Ok->click();
            });
            Form29->B_OKClick();
        });
        f3->K_PokazClick();
        EXPECT_EQ(f3->folder(), kEarlier + "/");
        EXPECT_EQ(f3->ListBox1.Items().Count(), 2);
        f3->B_ZamknijClick();
    });
    EXPECT_EQ(f3->show_modal(), 0);
    EXPECT_EQ(prompt, os::pl("Podaj ścieżkę dostępu do programu w wersji 2001"));
}

TEST_F(SettingsWindow, AFolderWithoutUsersClosesWithAMessage) {
    ui::set_next_modal_hook([&](ui::Window&) {
        ui::set_next_modal_hook([&](ui::Window&) {
            ui::set_next_modal_hook([&](ui::Window& w) {
                auto* box = dynamic_cast<ui::InputBoxWindow*>(&w);
                ASSERT_NE(box, nullptr);
                box->Value.SetText(registry.path());
                key_click(&box->Value, Qt::Key_Return); // Enter in the box is OK
            });
            Form29->B_OKClick();
        });
        f3->K_PokazClick();
    });
    EXPECT_EQ(f3->show_modal(), 0);
    EXPECT_EQ(messages, std::vector<std::string>{
                            os::pl("Nie wykryto kont użytkownika w programie Tavolent 2001!")});
}

class SettingsRun : public QtFixture {
  protected:
    DemoEdition demo{linked_folders};
};

// The learner's way: the main menu's settings button, the intensity changed,
// OK; the file holds it after the program ends.
TEST_F(SettingsRun, TheMainMenuOpensTheSettingsAndOkStoresThem) {
    lay_out_learner(demo, 5, 3);
    int shown = 0;
    ui::set_next_modal_hook([&](ui::Window&) {
        ui::set_next_modal_hook([&](ui::Window& w) {
            ++shown;
            EXPECT_EQ(&w, Form12);
            Form12->CB_Tryb_Nauki.SetItemIndex(2);
            key_click(Form12, Qt::Key_Return);
        });
        Form9->K_OKClick();
    });
    const auto run = run_trainer_once([](TForm1& f) {
        QTimer::singleShot(0, &f, [&f] {
            f.btn_ustawieniaClick();
            f.close();
        });
    });
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(shown, 1);
    std::vector<std::string> lines;
    ASSERT_EQ(os::read_lines(demo.program() + "1/ustaw_tas_40.txt", lines), os::ReadStatus::ok);
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ(lines[17], "2");
}

} // namespace
