// A learner's way from a lesson to its repetitions, on the demo edition: a
// lesson run from the exercise chooser (a pronunciation recorded, a word
// binned in the exercise and another in the word list), the repetition store
// on disc; two days later the main window blinks, "Powtórki" counts what is
// due and the repetition run reschedules it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/repetitions.h"
#include "core/sound.h"
#include "core/statistics.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/ui/sound_file.h"
#include "platform_ui/qt_app.h"
#include "support/text_bands.h"
#include "trainer/demo_edition.h"
#include "trainer/form4.h"
#include "trainer/learner_fixture.h"
#include "trainer/trainer_run.h"
#include "trainer/walk_helpers.h"
#include "trainer/windows.h"

namespace {

using namespace testsupport;

constexpr double DZIEN_LEKCJI = 45500;

// The records in p.b by item ID.
std::map<int, TPowtorka> rekordy_pliku(const std::string& pb) {
    std::map<int, TPowtorka> m;
    for (size_t at = 0; at + ROZMIAR_POWTORKI <= pb.size(); at += ROZMIAR_POWTORKI) {
        TPowtorka r;
        r.decode(reinterpret_cast<const unsigned char*>(pb.data()) + at);
        m[r.id] = r;
    }
    return m;
}

// p.b holds exactly what the scheduler left in memory, flags included.
void zgodny_z_pamiecia(const std::map<int, TPowtorka>& plik) {
    int w_uzyciu = 0;
    for (int i = 1; i <= baza.ile_slow; ++i)
        w_uzyciu += tab_powtorek[i].id > 0;
    EXPECT_EQ(static_cast<int>(plik.size()), w_uzyciu);
    for (const auto& [id, r] : plik) {
        const int i = znajdz_slowko(id);
        ASSERT_GE(i, 1) << id;
        unsigned char a[ROZMIAR_POWTORKI], b[ROZMIAR_POWTORKI];
        TPowtorka m = tab_powtorek[i];
        for (int t = 1; t <= TYPOW_POWTORKI; ++t)
            if (flagi_powtorek[i][t]) m.typy[t] += 100;
        r.encode(a);
        m.encode(b);
        EXPECT_EQ(std::memcmp(a, b, ROZMIAR_POWTORKI), 0) << "item " << id;
    }
}

void typ(int t) {
    const auto& typy = Form8->typy_wierszy();
    const auto it = std::find(typy.begin(), typy.end(), t);
    ASSERT_NE(it, typy.end()) << "type " << t;
    Form8->ListBox1.SetItemIndex(static_cast<int>(it - typy.begin()));
}

void dobrze(TForm4& f) {
    f.E_Wpisana.SetText(f.silnik().pytanie().oczekiwana);
    key_click(&f, Qt::Key_Return);
    key_click(&f, Qt::Key_Return);
}

// The statistics box after the exercise: read and confirmed; `potem` acts
// on the window that follows it.
void statystyka(std::string& wynik, std::function<void(ui::Window&)> potem = nullptr) {
    ui::set_next_modal_hook([&wynik, potem](ui::Window& w) {
        EXPECT_EQ(&w, Form25);
        wynik = os::cp1250_to_utf8(Form25->L_Stat3.Caption());
        if (potem) ui::set_next_modal_hook(potem);
        key_click(&w, Qt::Key_Return);
    });
}

// Before the first answer of the repetition: the count and the day of the
// lesson, each whole on a line of its own.
void etykieta_powtorki(TForm4& e) {
    ui::Label& l = e.L_Powtorki;
    EXPECT_EQ(os::cp1250_to_utf8(l.Caption()),
              "Powtórka: 1\n\rOstatnio: " + os::format_date(DZIEN_LEKCJI) + "\n\r");
    wait_ms(20);
    const std::string napis = l.Caption();
    const TextInk tusz = text_ink(e, l, [&] { l.SetCaption(""); }, [&] { l.SetCaption(napis); });
    ASSERT_EQ(tusz.bands.size(), 2u);
    EXPECT_GT(tusz.bands[0].top, 0);
    EXPECT_LT(tusz.bands[1].bottom, l.height() - 1);
    EXPECT_LT(tusz.right, l.width() - 4) << "the date ends inside the label";
    EXPECT_TRUE(ui::grab_to_png(e, output_path("trainer/repetition_label.png")));
}

TEST(RepetitionWalk, ALessonTodayIsRepeatedTwoDaysLater) {
    qt_app();
    DemoEdition demo;
    demo.write("usr.t", "1=Anna\r\n");
    demo.write("1/ustaw_tas_40.txt", settings_file(1, 0));
    Mikrofon mikrofon;
    double dzis = DZIEN_LEKCJI;
    os::set_clock([&dzis] { return dzis + 0.4; });
    auto zaloguj = [] { ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); }); };
    auto cicho = [&] {
        core::ui().play_wav = [](const std::string&, bool) {};
        core::set_recorder(&mikrofon);
    };

    // Day one: lesson 1 typed, one word recorded, one binned in the exercise,
    // one binned in the word list.
    std::string wynik_lekcji;
    int slowo_kosza = 0, slowo_z_listy = 0, wiersze_listy = 0;
    zaloguj();
    TrainerRun run = run_trainer_once([&](TForm1& f) {
        cicho();
        f.btn_cwiczenia.Click();
        wybierz(*WyborZdanForm, "001-1-01");
        ui::set_next_modal_hook([&](ui::Window& okno8) {
            ASSERT_EQ(&okno8, Form8);
            typ(6);
            ui::set_next_modal_hook([&](ui::Window& okno4) {
                ASSERT_EQ(&okno4, Form4);
                TForm4& e = *Form4;
                press(&e.K_nagraj);
                release(&e.K_nagraj);
                EXPECT_TRUE(e.nagrywanie().zachowane());
                dobrze(e);
                dobrze(e);
                slowo_kosza = e.silnik().biezace_slowko();
                ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); });
                key_click(&e, Qt::Key_T, Qt::ControlModifier);
                dobrze(e);
                statystyka(wynik_lekcji);
                dobrze(e);
                wait_ms(30);
            });
            click(&Form8->B_OK);
            // Leaving the type chooser: the word list, where a word goes to the bin.
            ui::set_next_modal_hook([&](ui::Window& w) {
                ASSERT_EQ(&w, Form31);
                wiersze_listy = Form31->ListBox1.Items().Count();
                for (int r = 0; r < wiersze_listy; ++r)
                    if (Form31->pozycje()[static_cast<size_t>(r)] != slowo_kosza) {
                        slowo_z_listy = Form31->pozycje()[static_cast<size_t>(r)];
                        Form31->ListBox1.SetItemIndex(r);
                        Form31->ListBox1Click();
                        click(&Form31->K_Do_Kosza);
                        break;
                    }
                key_click(&w, Qt::Key_Escape);
            });
            key_click(&okno8, Qt::Key_Escape);
        });
        key_click(WyborZdanForm, Qt::Key_Return);
        WyborZdanForm->close();
        f.close();
    });
    ASSERT_TRUE(run.main_window);
    EXPECT_EQ(mikrofon.zapisy, 1);
    EXPECT_EQ(wynik_lekcji, "Wynik: 80 %");
    EXPECT_EQ(wiersze_listy, 5);
    ASSERT_NE(slowo_kosza, 0);
    ASSERT_NE(slowo_z_listy, 0);

    // On disc: the five words, two of them in the bin, the others due in two days.
    std::map<int, TPowtorka> pb = rekordy_pliku(demo.read("1/p.b"));
    ASSERT_EQ(pb.size(), 5u);
    for (const auto& [id, r] : pb) {
        SCOPED_TRACE(id);
        const int i = znajdz_slowko(id);
        EXPECT_EQ(r.ile_powtorzen, 1);
        EXPECT_EQ(r.data_pierwsza, DZIEN_LEKCJI);
        EXPECT_EQ(r.data_ostatnia, DZIEN_LEKCJI);
        EXPECT_EQ(r.kosz, i == slowo_kosza || i == slowo_z_listy ? 1 : 0);
        EXPECT_EQ(r.interwal, i == slowo_kosza ? 1 : 2);
        EXPECT_EQ(r.typy[6] % 100, 2);
    }
    zgodny_z_pamiecia(pb);
    // The lesson's result is in the statistics.
    bool zapisany = false;
    for (int r = 1; r <= ile_cw_info; ++r)
        zapisany = zapisany || (tab_cw_info[r].nazwa == "001-1-01" && tab_cw_info[r].rodzaj == 6 &&
                                tab_cw_info[r].wynik == 80);
    EXPECT_TRUE(zapisany);

    // Two days later.
    dzis = DZIEN_LEKCJI + 2;
    int na_dzis = -1;
    bool miga = false;
    std::string ile_tekst, ile_po, wynik_powtorki;
    zaloguj();
    run = run_trainer_once([&](TForm1& f) {
        cicho();
        // The first activation counts what is due.
        for (int n = 0; n < 400 && f.ile_do_powtorki() == 0; ++n)
            wait_ms(5);
        na_dzis = f.ile_do_powtorki();
        miga = f.Timer1.Enabled();
        ui::set_next_modal_hook([&](ui::Window& okno11) {
            ASSERT_EQ(&okno11, Form11);
            ile_tekst = os::cp1250_to_utf8(Form11->L_Ile.Caption());
            ui::set_next_modal_hook([&](ui::Window& okno8) {
                ASSERT_EQ(&okno8, Form8);
                EXPECT_EQ(Form8->typy_wierszy().front(), 6);
                typ(6);
                ui::set_next_modal_hook([&](ui::Window&) {
                    TForm4& e = *Form4;
                    EXPECT_TRUE(e.I_powtorki.Visible());
                    etykieta_powtorki(e);
                    dobrze(e);
                    dobrze(e);
                    // Then the type chooser has nothing left and closes: the word list.
                    statystyka(wynik_powtorki, [](ui::Window& w) {
                        EXPECT_EQ(&w, Form31);
                        key_click(&w, Qt::Key_Escape);
                    });
                    dobrze(e);
                    wait_ms(30);
                });
                click(&Form8->B_OK);
            });
            key_click(Form11, Qt::Key_Return);
            ile_po = os::cp1250_to_utf8(Form11->L_Ile.Caption());
            key_click(Form11, Qt::Key_Escape);
        });
        f.btn_powtorki.Click();
        f.close();
    });
    ASSERT_TRUE(run.main_window);
    os::set_clock(nullptr);
    core::set_recorder(nullptr);

    EXPECT_EQ(na_dzis, 3);
    EXPECT_TRUE(miga);
    EXPECT_EQ(ile_tekst, "Do powtórzenia: 3 słówka.");
    EXPECT_EQ(wynik_powtorki, "Wynik: 100 %");
    EXPECT_EQ(ile_po, "Do powtórzenia: 0 słówek.");
    pb = rekordy_pliku(demo.read("1/p.b"));
    ASSERT_EQ(pb.size(), 5u);
    for (const auto& [id, r] : pb) {
        SCOPED_TRACE(id);
        if (r.kosz == 1) {
            EXPECT_EQ(r.ile_powtorzen, 1);
            continue;
        }
        EXPECT_EQ(r.ile_powtorzen, 2);
        EXPECT_EQ(r.data_ostatnia, DZIEN_LEKCJI + 2);
        EXPECT_EQ(r.poprzedni_interwal, 2);
        EXPECT_EQ(r.interwal, 3); // Trunc(2 x 1.5 x 1.2)
        EXPECT_DOUBLE_EQ(r.wspolczynnik, 1.5 * 1.2);
    }
    zgodny_z_pamiecia(pb);
}

} // namespace
