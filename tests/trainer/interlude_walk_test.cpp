// The trainer as a learner with 150 scheduled words uses it on the demo
// edition, every interlude set enabled: three runs of a 25-word lesson from
// the main window, through the chooser and the type chooser, bring a saying,
// a picture and the matching game, which the learner plays to "100 %".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/repetitions.h"
#include "core/ui_hooks.h"
#include "core/statistics.h"
#include "platform/os/date_serial.h"
#include "platform_ui/qt_app.h"
#include "trainer/demo_edition.h"
#include "trainer/form1.h"
#include "trainer/start.h"
#include "trainer/trainer_run.h"
#include "trainer/walk_helpers.h"
#include "trainer/windows.h"
#include "trainer/wybor_zdan_geometry.h"

namespace {

using namespace testsupport;

// A repetition store of the words with IDs 1..ile, none due for a month.
std::string profil(int ile) {
    std::string pb;
    const double dzis = os::today();
    for (int id = 1; id <= ile; ++id) {
        TPowtorka r;
        r.id = id;
        r.data_pierwsza = r.data_ostatnia = dzis;
        r.ile_powtorzen = 1;
        r.interwal = 30;
        r.wspolczynnik = 1.5;
        unsigned char rec[ROZMIAR_POWTORKI];
        r.encode(rec);
        pb.append(reinterpret_cast<const char*>(rec), sizeof rec);
    }
    return pb;
}

// Pairs every row of the matching game with its own Polish text and checks.
void zagraj(TForm17& f) {
    for (int r = 1; r <= SLOW_KOJARZENIA; ++r)
        for (int j = 1; j <= SLOW_KOJARZENIA; ++j)
            if (j != r && f.LR[j]->Caption() == f.plansza().polski(r) &&
                f.LR[r]->Caption() != f.plansza().polski(r)) {
                click(f.LR[j].get());
                click(f.LL[r].get());
                break;
            }
    click(&f.K_Sprawdz);
}

TEST(InterludeWalk, ThreeLessonRunsBringASayingAPictureAndTheMatchingGame) {
    qt_app();
    DemoEdition demo;
    demo.write("usr.t", "1=Anna\r\n");
    demo.write("1/p.b", profil(150));

    std::vector<std::string> przerywniki_pokazane;
    std::vector<int> po_odpowiedziach;
    std::string wynik_gry;
    int odpowiedzi = 0;

    // Every interlude is noted and closed (the game played first); any other
    // window a run's end may bring is just closed.
    std::function<void()> uzbroj = [&] {
        ui::set_next_modal_hook([&](ui::Window& w) {
            uzbroj();
            const char* nazwa = &w == Form18   ? "saying"
                                : &w == Form16 ? "picture"
                                : &w == Form17 ? "matching"
                                               : nullptr;
            if (nazwa) {
                przerywniki_pokazane.push_back(nazwa);
                po_odpowiedziach.push_back(odpowiedzi);
            }
            if (&w == Form17) {
                zagraj(*Form17);
                wynik_gry = Form17->L_Wynik.Caption();
            }
            w.close();
        });
    };
    // One run: the lesson in the chooser, the pronunciation type in the type
    // chooser, and the 25 words answered "I know".
    auto lekcja = [&](TForm1& f) {
        f.btn_cwiczenia.Click();
        ASSERT_NE(WyborZdanForm, nullptr);
        wybierz(*WyborZdanForm, "001-3");
        ui::set_next_modal_hook([&](ui::Window& okno8) {
            ASSERT_EQ(&okno8, Form8);
            const auto& typy = Form8->typy_wierszy();
            const auto it = std::find(typy.begin(), typy.end(), 9);
            ASSERT_NE(it, typy.end());
            Form8->ListBox1.SetItemIndex(static_cast<int>(it - typy.begin()));
            ui::set_next_modal_hook([&](ui::Window& okno4) {
                ASSERT_EQ(&okno4, Form4);
                uzbroj();
                for (odpowiedzi = 0; odpowiedzi < 25 && Form4->isVisible();) {
                    wait_ms(2);
                    ++odpowiedzi;
                    click(&Form4->B_Umiesz);
                }
                wait_ms(30);
                ui::set_next_modal_hook(nullptr);
            });
            click(&Form8->B_OK);
            // Closing the type chooser brings the run's word list: closed too.
            uzbroj();
            if (okno8.isVisible()) key_click(&okno8, Qt::Key_Escape);
            ui::set_next_modal_hook(nullptr);
        });
        key_click(WyborZdanForm, Qt::Key_Return);
        EXPECT_EQ(odpowiedzi, 25);
        WyborZdanForm->close();
    };

    // The user choice: log in as the listed user.
    ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); });
    const TrainerRun run = run_trainer_once(
        [&](TForm1& f) {
            // The help hint of the first activation.
            ui::set_next_modal_hook([](ui::Window& box) { key_click(&box, Qt::Key_Return); });
            wait_ms(200);
            ui::set_next_modal_hook(nullptr);
            EXPECT_EQ(ile_powtorek, 150);
            core::ui().play_wav = [](const std::string&, bool) {}; // quiet and quick
            for (int n = 0; n < 3; ++n)
                lekcja(f);
            f.close();
        },
        60000);
    EXPECT_TRUE(run.main_window);
    EXPECT_EQ(run.code, 0);

    EXPECT_EQ(przerywniki_pokazane, (std::vector<std::string>{"saying", "picture", "matching"}));
    EXPECT_EQ(po_odpowiedziach, (std::vector<int>{20, 15, 10}));
    EXPECT_EQ(wynik_gry, "100 %");
}

} // namespace
