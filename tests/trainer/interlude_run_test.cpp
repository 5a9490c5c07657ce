// Interludes in real runs of the exercise window on the demo edition, every
// set enabled: the questions are counted across runs, and every 21st brings
// the next set of the rotation: a saying, a picture, then (for a learner with
// enough scheduled words) the matching game, played to the end.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/exercises.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/random.h"
#include "platform_ui/qt_app.h"
#include "shared/form5.h"
#include "trainer/demo_edition.h"
#include "trainer/form16.h"
#include "trainer/form17.h"
#include "trainer/form18.h"
#include "trainer/form4.h"
#include "trainer/interlude_profile.h"
#include "trainer/przerywnik.h"
#include "trainer/windows.h"
#include "trainer_logic/interludes.h"
#include "trainer_logic/run_plan.h"

namespace {

using namespace testsupport;

class InterludeRun : public QtFixture {
  protected:
    void SetUp() override {
        start_programu();
        wczytaj_dane();
        wczytaj_przerywniki();
        czytaj_tla();
        wyczysc_stan_przerywnikow();
        wyczysc_sesje();
        licznik_przerywnika = 0;
        tryb_lekcji = 1;
        core::ui().play_wav = [](const std::string&, bool) {};
        form5 = std::make_unique<TForm5>();
        form4 = std::make_unique<TForm4>();
        f16 = std::make_unique<TForm16>();
        f17 = std::make_unique<TForm17>();
        f18 = std::make_unique<TForm18>();
        Form4 = form4.get();
        Form16 = f16.get();
        Form17 = f17.get();
        Form18 = f18.get();
        TForm4::ustaw_przerywnik(Przerywnik);
    }
    void TearDown() override {
        TForm4::ustaw_przerywnik(nullptr);
        ui::set_next_modal_hook(nullptr);
        Form4 = nullptr;
        Form16 = nullptr;
        Form17 = nullptr;
        Form18 = nullptr;
        wyczysc_sesje();
        wyczysc_stan_przerywnikow();
        tryb_lekcji = 0;
        wybrany_typ = 0;
    }

    // A run of the pronunciation exercise over `ile` words, each answered
    // "I know". Each interlude is recorded with the
    // question it followed and handled by `przerywnik`.
    void run(int od, int ile, const std::function<void(ui::Window&)>& przerywnik) {
        std::vector<int> lista;
        for (int i = od; i < od + ile; ++i)
            lista.push_back(i);
        sesja.plan =
            zbuduj_plan(lista, TWarunkiPlanu::biezace(), baza, tab_powtorek, flagi_powtorek);
        wybrany_typ = 9;
        ASSERT_EQ(sesja.plan.do_zrobienia(9), ile);
        int odpowiedzi = 0;
        std::function<void()> uzbroj = [&] {
            ui::set_next_modal_hook([&](ui::Window& w) {
                pokazane.push_back(&w);
                po_pytaniu.push_back(odpowiedzi);
                uzbroj();
                przerywnik(w);
            });
        };
        run_modal(*form4, [&](ui::Window&) {
            uzbroj();
            while (odpowiedzi < ile && form4->isVisible()) {
                wait_ms(5);
                ++odpowiedzi;
                click(&form4->B_Umiesz); // answers and moves on
            }
            wait_ms(30); // the window closes itself after the last answer
        });
        ui::set_next_modal_hook(nullptr);
        EXPECT_EQ(odpowiedzi, ile);
        EXPECT_FALSE(form4->isVisible());
    }

    DemoEdition demo;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm16> f16;
    std::unique_ptr<TForm17> f17;
    std::unique_ptr<TForm18> f18;
    std::vector<ui::Window*> pokazane;
    std::vector<int> po_pytaniu;
};

TEST_F(InterludeRun, ASayingThenAPictureThenTheMatchingGamePlayedToTheEnd) {
    zaplanuj_slowa(150);
    std::string wynik;
    const auto zamknij = [&](ui::Window& w) {
        if (&w == f17.get()) {
            // Every row paired with its own Polish text, then checked.
            for (int r = 1; r <= SLOW_KOJARZENIA; ++r) {
                for (int j = 1; j <= SLOW_KOJARZENIA; ++j)
                    if (j != r && f17->LR[j]->Caption() == f17->plansza().polski(r) &&
                        f17->LR[r]->Caption() != f17->plansza().polski(r)) {
                        f17->LR[j]->Click();
                        f17->LL[r]->Click();
                        break;
                    }
            }
            f17->K_Sprawdz.Click();
            wynik = f17->L_Wynik.Caption();
        }
        w.close();
    };
    run(1, 25, zamknij);
    run(26, 25, zamknij);
    run(51, 25, zamknij);
    EXPECT_EQ(pokazane, (std::vector<ui::Window*>{f18.get(), f16.get(), f17.get()}));
    // Questions are counted across the runs, the first one of each too: the
    // 21st count comes after 20 answers in the first run, 15 in the second
    // (5 were left over) and 10 in the third.
    EXPECT_EQ(po_pytaniu, (std::vector<int>{20, 15, 10}));
    EXPECT_EQ(wynik, "100 %");
}

TEST_F(InterludeRun, OnlyAtTheEndEachRunOfMoreThanTenClosesWithTheNextInterlude) {
    ustawienia.linia[50] = 1;
    const auto zamknij = [](ui::Window& w) { w.close(); };
    for (int od : {1, 30, 60})
        run(od, 12, zamknij);
    // Nothing between the questions; each close brings the rotation's next
    // set (the matching game passes its turn without scheduled words).
    EXPECT_EQ(pokazane, (std::vector<ui::Window*>{f18.get(), f16.get(), f18.get()}));
    EXPECT_EQ(po_pytaniu, (std::vector<int>{12, 12, 12}));
    EXPECT_EQ(stan_przerywnikow.zestaw, 4);
    EXPECT_EQ(licznik_przerywnika, 0);
}

} // namespace
