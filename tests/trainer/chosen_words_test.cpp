// The words sent from the dictionary, on the trainer's side: read from the
// learner's slow.txt (IDs the course lacks dropped), thinned, learned as a
// lesson, kept for the next start or deleted; and the chosen-words window on
// the main window's first activation, its "Nauka" running them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "core/exercises.h"
#include "core/hand_off.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "shared/forms.h"
#include "trainer/form26.h"
#include "trainer/learner_fixture.h"
#include "trainer/trainer_run.h"
#include "trainer/windows.h"
#include "trainer_logic/chosen_words.h"

namespace {

// The hand-off file as the dictionary writes it, with these lines after the header.
std::string slow_txt(const std::vector<std::string>& ids) {
    std::string s = "Tavolent 2001 S\r\n" + os::pl("Słówka ze słownika...") + "\r\n";
    for (int i = 0; i < 8; ++i)
        s += "\r\n";
    for (const auto& id : ids)
        s += id + "\r\n";
    return s;
}

class ChosenWords : public ::testing::Test {
  protected:
    testsupport::DemoEdition demo{testsupport::linked_folders};

    ChosenWords() {
        start_programu();
        wczytaj_dane();
        sciezka_usera = demo.program() + "1/";
    }
    std::vector<std::string> obce(const TWybraneSlowa& w) {
        std::vector<std::string> out;
        for (int i : w.pozycje())
            out.push_back(baza.slowo_obce[i]);
        return out;
    }
};

TEST_F(ChosenWords, ReadsDistinctIdsTheCourseHolds) {
    demo.write("1/slow.txt", slow_txt({"1", "3", "1", "0", "-3", "99999", "2", " 3 "}));
    TWybraneSlowa w;
    w.wczytaj(sciezka_usera);
    EXPECT_EQ(obce(w), (std::vector<std::string>{"house", "room", "flat"}));
    EXPECT_FALSE(demo.exists("1/slow.txt")); // taken while the list shows

    TWybraneSlowa pusta;
    demo.write("2/slow.txt", slow_txt({}));
    pusta.wczytaj(demo.program() + "2/");
    EXPECT_EQ(pusta.ile(), 0);
    TWybraneSlowa brak;
    brak.wczytaj(demo.program() + "3/");
    EXPECT_EQ(brak.ile(), 0);
}

TEST_F(ChosenWords, DeletingThenLearningMakesTheRun) {
    demo.write("1/slow.txt", slow_txt({"1", "2", "3"}));
    ustawienia.linia[36] = 0; // no linked sentences
    TWybraneSlowa w;
    w.wczytaj(sciezka_usera);
    EXPECT_FALSE(w.usun(3));
    ASSERT_TRUE(w.usun(1));
    w.do_nauki();
    ASSERT_EQ(ile_w_liscie, 2);
    EXPECT_EQ(lista_id[1], 1);
    EXPECT_EQ(lista_id[2], 3);
    EXPECT_EQ(lista_cwiczenia[1], znajdz_slowko(1));
    EXPECT_EQ(lista_cwiczenia[2], znajdz_slowko(3));
    EXPECT_EQ(tryb_lekcji, 1);
    EXPECT_EQ(lista_gotowa, 1);
}

TEST_F(ChosenWords, ClosingKeepsOrDeletesTheWordsWithThoseSentMeanwhile) {
    for (bool zachowaj : {true, false}) {
        demo.write("1/slow.txt", slow_txt({"1", "2"}));
        TWybraneSlowa w;
        w.wczytaj(sciezka_usera);
        ASSERT_TRUE(dopisz_slowo(sciezka_usera, 5)); // the dictionary sends one more
        w.zamknij(zachowaj);
        TWybraneSlowa nastepny;
        nastepny.wczytaj(sciezka_usera);
        EXPECT_EQ(nastepny.ile(), zachowaj ? 3 : 1) << zachowaj;
        nastepny.zamknij(false);
        EXPECT_FALSE(demo.exists("1/slow.txt"));
        EXPECT_FALSE(demo.exists("1/slow_przejete.txt"));
    }
}

TEST_F(ChosenWords, AFileThatCannotBeReadIsNamedAndGoesBackUntouched) {
    std::vector<std::string> said;
    core::ui().info = [&](const std::string& t) { said.push_back(t); };
    // Reading one's own memory at offset 0 fails with EIO, even as root.
    std::filesystem::create_directories(sciezka_usera);
    std::filesystem::create_symlink("/proc/self/mem", sciezka_usera + "slow.txt");
    TWybraneSlowa w;
    w.wczytaj(sciezka_usera);
    EXPECT_EQ(w.ile(), 0);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(sciezka_usera + "slow.txt."), std::string::npos) << said[0];
    w.zamknij(false); // closed without keeping: still not deleted
    EXPECT_TRUE(std::filesystem::is_symlink(sciezka_usera + "slow.txt"));
    EXPECT_FALSE(demo.exists("1/slow_przejete.txt"));
    core::reset_ui();
}

class ChosenWordsWindow : public testsupport::QtFixture {
  protected:
    testsupport::DemoEdition demo{testsupport::linked_folders};

    // One start of the trainer; the main window closes once the chosen words
    // are done with (no modal window left).
    static int run_until_done() {
        const auto run = testsupport::run_trainer_once([](TForm1& f) {
            auto* czekaj = new QTimer(&f);
            QObject::connect(czekaj, &QTimer::timeout, &f, [&f] {
                if (!QApplication::activeModalWidget()) f.close();
            });
            czekaj->start(20);
        });
        return run.code;
    }
};

// The learner's way: slow.txt from the dictionary, the next start of the
// trainer lists the words, one is dropped, "Nauka" opens the type chooser
// with a run of the others, and the file is gone afterwards.
TEST_F(ChosenWordsWindow, OnTheFirstActivationListsTheWordsAndLearnsThem) {
    testsupport::lay_out_learner(demo, 5, 3);
    demo.write("1/slow.txt", slow_txt({"1", "2", "3", "40001"}));
    std::vector<std::string> lista;
    std::vector<std::string> typy;
    int widziany26 = 0;
    bool chwycony = false;
    ui::set_next_modal_hook([&](ui::Window&) {
        ui::set_next_modal_hook([&](ui::Window& w) {
            ++widziany26;
            ASSERT_EQ(&w, Form26);
            lista = Form26->ListBox1.Items().ToVector();
            EXPECT_TRUE(Form26->B_OK.Visible());
            // Delete drops the selected line and selects the one after it.
            Form26->ListBox1.SetItemIndex(1);
            testsupport::key_click(&Form26->ListBox1, Qt::Key_Delete);
            EXPECT_EQ(Form26->ListBox1.Items().Count(), 3);
            EXPECT_EQ(Form26->ListBox1.ItemIndex(), 1);
            testsupport::wait_ms(50);
            chwycony = ui::grab_to_png(*Form26, testsupport::output_path("trainer/chosen_words.png"));
            ui::set_next_modal_hook([&](ui::Window& w8) {
                EXPECT_EQ(&w8, Form8);
                typy = Form8->wiersze();
                w8.close();
            });
            testsupport::key_click(Form26, Qt::Key_Return);
        });
        Form9->K_OKClick();
    });
    EXPECT_EQ(run_until_done(), 0);
    EXPECT_EQ(widziany26, 1);
    EXPECT_EQ(lista, (std::vector<std::string>{"house", "flat", "room", "board game"}));
    EXPECT_TRUE(chwycony);
    EXPECT_FALSE(typy.empty());
    EXPECT_FALSE(demo.exists("1/slow.txt"));
    EXPECT_FALSE(demo.exists("1/slow_przejete.txt"));
}

TEST_F(ChosenWordsWindow, KeptWordsComeBackAndAnEmptyListCannotBeLearned) {
    testsupport::lay_out_learner(demo, 5, 3);
    const std::string plik = slow_txt({"1", "2"});
    demo.write("1/slow.txt", plik);
    bool ok_po_usunieciu = true;
    ui::set_next_modal_hook([&](ui::Window&) {
        ui::set_next_modal_hook([&](ui::Window&) {
            for (int k = 0; k < 2; ++k) {
                Form26->ListBox1.SetItemIndex(0);
                testsupport::key_click(&Form26->ListBox1, Qt::Key_Delete);
            }
            ok_po_usunieciu = Form26->B_OK.Visible();
            testsupport::key_click(Form26, Qt::Key_Return); // nothing to learn
            testsupport::click(&Form26->Label1);             // ticks "zachowaj"
            EXPECT_TRUE(Form26->CB_zachowaj.Checked());
            testsupport::key_click(Form26, Qt::Key_Escape);
        });
        Form9->K_OKClick();
    });
    EXPECT_EQ(run_until_done(), 0);
    EXPECT_FALSE(ok_po_usunieciu);
    EXPECT_EQ(demo.read("1/slow.txt"), plik);
}

} // namespace
