// A learner on the demo edition, from the main window through the lesson
// chooser and the exercise-type chooser into the exercise window: a word
// lesson and a sentence lesson, every type the chooser offers worked to the
// end, until the type chooser says "Koniec!".
#include <gtest/gtest.h>

#include <QApplication>
#include <set>
#include <unistd.h>

#include "core/exercises.h"
#include "core/statistics.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "trainer/demo_edition.h"
#include "trainer/form1.h"
#include "trainer/form4.h"
#include "trainer/form8.h"
#include "trainer/start.h"
#include "trainer/trainer_run.h"
#include "trainer/walk_helpers.h"
#include "trainer/windows.h"

namespace {

using testsupport::click;
using testsupport::key_click;
using testsupport::kliknij_wiersz;
using testsupport::pozycja_paczki;

// Answers the question on screen rightly, as a learner who knows it would,
// and goes on to the next one.
void odpowiedz_dobrze(TForm4& f) {
    const Pytanie& p = f.silnik().pytanie();
    switch (p.forma) {
    case Forma::wybor:
        click(f.odp[p.poprawny_wybor - 1]);
        break;
    case Forma::wpisywanie:
        f.E_Wpisana.SetText(p.oczekiwana);
        key_click(&f.E_Wpisana, Qt::Key_Return);
        break;
    case Forma::luki:
        for (int g = 0; g < 3; ++g)
            f.wpis[g]->SetText(p.luki[g]);
        click(&f.B_OK);
        break;
    case Forma::samoocena:
        key_click(&f, Qt::Key_Return); // the answer
        key_click(&f, Qt::Key_1);      // "Umiem", and on at once
        return;
    case Forma::wymowa:
        click(&f.B_Umiesz);
        return;
    }
    EXPECT_TRUE(f.silnik().werdykt()) << "type " << p.typ << ": " << p.oczekiwana;
    key_click(&f, Qt::Key_Return);
}

// Every window shown modally from now on is closed; the interludes between
// questions are counted (the others come with a run's close).
int przerywniki = 0;
void zamykaj_przerywniki() {
    ui::set_next_modal_hook([](ui::Window& w) {
        if (&w == Form16 || &w == Form17 || &w == Form18) ++przerywniki;
        zamykaj_przerywniki();
        w.close();
    });
}

// Arms the type chooser, shown next, to work every type it lists, first row
// first, until it closes; the types run go to `typy`, its rows to `wiersze`.
void przerob_lekcje(std::vector<int>& typy, std::vector<std::string>& wiersze) {
    ui::set_next_modal_hook([&](ui::Window& okno8) {
        EXPECT_EQ(&okno8, Form8);
        for (int runda = 0; runda < 20 && okno8.isVisible(); ++runda) {
            for (const auto& w : Form8->wiersze())
                wiersze.push_back(os::cp1250_to_utf8(w));
            ui::set_next_modal_hook([&](ui::Window& okno4) {
                TForm4& f = static_cast<TForm4&>(okno4);
                typy.push_back(wybrany_typ);
                zamykaj_przerywniki();
                for (int n = 0; n < 200 && f.isVisible(); ++n) {
                    odpowiedz_dobrze(f);
                    QApplication::processEvents();
                }
                EXPECT_FALSE(f.isVisible()) << "type " << wybrany_typ << " never ended";
            });
            key_click(&okno8, Qt::Key_Return); // the first row
            testsupport::wait_ms(10);
        }
    });
}

TEST(LessonWalk, AWordLessonAndASentenceLessonThroughEveryTypeTheyOffer) {
    testsupport::qt_app();
    testsupport::DemoEdition demo;
    przerywniki = 0;
    std::vector<int> typy_slow, typy_zdan;
    std::vector<std::string> wiersze;
    const auto lekcje = [&](TWyborZdanForm& w) {
        // Five words of the first section.
        kliknij_wiersz(w.pb_paczki, pozycja_paczki(w, "001-1-01"));
        ASSERT_TRUE(w.B_OK.Visible());
        przerob_lekcje(typy_slow, wiersze);
        w.B_OKClick();

        // The sentences of the weather section.
        w.Wybierz_dzial(8);
        const int zdania = pozycja_paczki(w, "108-2");
        ASSERT_GE(zdania, 1);
        kliknij_wiersz(w.pb_paczki, zdania);
        przerob_lekcje(typy_zdan, wiersze);
        w.B_OKClick();
    };
    EXPECT_EQ(testsupport::w_wyborze_cwiczen(demo, lekcje), 0);

    // 5 x 8 word questions and 12 + 10 + 11 + 11 + 12 + 12 sentence questions:
    // an interlude after every 21 of them.
    EXPECT_EQ(przerywniki, 5);
    // Words: every word type of the English demo; sentences: every sentence type.
    EXPECT_EQ(typy_slow, (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 9}));
    EXPECT_EQ(typy_zdan, (std::vector<int>{9, 10, 11, 12, 13, 14}));
    // The type list shrinks as types are done.
    ASSERT_FALSE(wiersze.empty());
    EXPECT_EQ(wiersze.front(), "Rozpoznawanie ze słuchu (5)");
    EXPECT_NE(std::find(wiersze.begin(), wiersze.end(), "Zdania - tłumaczenie (a->p) (12)"),
              wiersze.end());
}

} // namespace
