// A run's end on the demo edition: the record buttons of the exercise
// window, recording the learner's voice, closing with the result, and the
// exercise-type chooser's closing with the scheduler and the save (also after
// a restore that failed).
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "core/sound.h"
#include "core/statistics.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "platform/ui/sound_file.h"
#include "trainer/closing_fixture.h"
#include "trainer/form12.h"
#include "trainer/form4_geometry.h"
#include "trainer/walk_helpers.h"
#include "trainer/windows.h"
#include "trainer_logic/recording.h"

namespace {

using namespace testsupport;

std::string utf8(const std::string& s) {
    return os::cp1250_to_utf8(s);
}

// The exercise window, the type chooser, the statistics box and the word
// list, as the trainer has them.
class KoniecCwiczenia : public ClosingFixture {
  protected:
    KoniecCwiczenia() {
        Form5 = form5.get();
        okna.push_back(std::unique_ptr<ui::Window>(Form4 = new TForm4));
        okna.push_back(std::unique_ptr<ui::Window>(Form8 = new TForm8));
        okna.push_back(std::unique_ptr<ui::Window>(Form25 = new TForm25));
        okna.push_back(std::unique_ptr<ui::Window>(Form31 = new TForm31));
        core::set_recorder(&mikrofon);
        ustawienia.linia[47] = 1; // the F5 hint was seen
    }
    ~KoniecCwiczenia() override {
        core::set_recorder(nullptr);
        Form4 = nullptr;
        Form8 = nullptr;
        Form25 = nullptr;
        Form31 = nullptr;
        Form5 = nullptr;
        okna.clear();
        tryb_lekcji = 0;
        wybrany_typ = 0;
    }

    // A lesson of the first n words, in the exercise chooser's exercise
    // `nazwa` (type 6, typed translation).
    void lekcja(int n) {
        tryb_lekcji = 1;
        for (int k = 1; k <= n; ++k)
            lista_cwiczenia[k] = k;
        ile_w_liscie = n;
        Plan_sesji();
        sesja.plan.typy = {6};
        wybrany_typ = 6;
        sesja.rodzaj_cw = 6;
    }

    // Shows the exercise window; `act` works it; closing is left to it.
    void cwiczenie(const std::function<void(TForm4&)>& act) {
        run_modal(*Form4, [&](ui::Window&) {
            wait_ms(20);
            act(*Form4);
            for (int n = 0; n < 100 && Form4->isVisible(); ++n)
                wait_ms(5);
            if (Form4->isVisible()) {
                ADD_FAILURE() << "the exercise window stayed open";
                ui::set_next_modal_hook([](ui::Window& w) { w.close(); });
                Form4->close();
            }
        });
    }

    // Types the right answer or a wrong one and goes on.
    static void odpowiedz_wpisujac(TForm4& f, bool dobrze) {
        f.E_Wpisana.SetText(dobrze ? f.silnik().pytanie().oczekiwana : std::string("xyz"));
        key_click(&f, Qt::Key_Return);
        key_click(&f, Qt::Key_Return);
    }

    // Selects type t in the type chooser's list.
    static void wybierz_typ(int t) {
        const auto& typy = Form8->typy_wierszy();
        const auto it = std::find(typy.begin(), typy.end(), t);
        ASSERT_NE(it, typy.end());
        Form8->ListBox1.SetItemIndex(static_cast<int>(it - typy.begin()));
    }

    // The type chooser of a lesson of four: type 6 with two right answers,
    // then `przed_zamknieciem`, then the chooser closes with Esc.
    void dwie_odpowiedzi_typu_6(const std::function<void()>& przed_zamknieciem = {}) {
        lekcja(4);
        ustawienia.linia[35] = 0;
        run_modal(*Form8, [&](ui::Window&) {
            ui::set_next_modal_hook([&](ui::Window&) {
                for (int n = 0; n < 2; ++n)
                    odpowiedz_wpisujac(*Form4, true);
                Form4->close();
            });
            wybierz_typ(6);
            click(&Form8->B_OK);
            if (przed_zamknieciem) przed_zamknieciem();
            key_click(Form8, Qt::Key_Escape);
        });
    }

    // The records of p.b.
    std::vector<TPowtorka> rekordy_pb() const {
        const std::string pb = TempDir::read_from(user("p.b"));
        std::vector<TPowtorka> w(pb.size() / ROZMIAR_POWTORKI);
        for (size_t k = 0; k < w.size(); ++k)
            w[k].decode(reinterpret_cast<const unsigned char*>(pb.data()) + k * ROZMIAR_POWTORKI);
        return w;
    }

    Mikrofon mikrofon;
    std::vector<std::unique_ptr<ui::Window>> okna;
};

TEST_F(KoniecCwiczenia, RecordButtonsAskActAndMoveOn) {
    lekcja(5);
    ustawienia.linia[35] = 0;
    struct Case {
        const char* opis;
        int klawisz;
        bool tak;
        const char* pytanie;
    } cases[] = {
        {"bin, no", Qt::Key_T, false, "Czy chcesz przenieść aktualne słówko/zdanie do kosza?"},
        {"bin, yes", Qt::Key_T, true, "Czy chcesz przenieść aktualne słówko/zdanie do kosza?"},
        {"known", Qt::Key_J, true, "Już umiesz? (Następna powtórka po 100 dniach.)"},
        {"reset", Qt::Key_Z, true,
         "Czy chcesz wyzerować (usunąć) historię i parametry powtórek bieżącego słówka/zdania?"},
    };
    cwiczenie([&](TForm4& f) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.opis);
            const int i = f.silnik().biezace_slowko();
            const int k = f.silnik().kursor();
            tab_powtorek[i].id = baza.id_slowa[i];
            tab_powtorek[i].ile_powtorzen = 4;
            tab_powtorek[i].interwal = 20;
            tab_powtorek[i].kosz = c.klawisz == Qt::Key_Z ? 1 : 0;
            std::string pytanie;
            ui::set_next_modal_hook([&](ui::Window& w) {
                pytanie = utf8(Form29->Label1.Caption());
                key_click(&w, c.tak ? Qt::Key_Return : Qt::Key_Escape);
            });
            key_click(&f, c.klawisz, Qt::ControlModifier);
            EXPECT_EQ(pytanie, c.pytanie);
            const TPowtorka& r = tab_powtorek[i];
            if (!c.tak) {
                EXPECT_EQ(f.silnik().biezace_slowko(), i) << "the question stays";
                EXPECT_EQ(r.kosz, 0);
                continue;
            }
            EXPECT_NE(f.silnik().kursor(), k) << "the next question follows";
            EXPECT_EQ(sesja.plan.plan_cwiczenia[k].typ[6].pozostalo, 0);
            switch (c.klawisz) {
            case Qt::Key_T:
                EXPECT_EQ(r.kosz, 1);
                EXPECT_EQ(r.interwal, 20);
                EXPECT_EQ(r.data_ostatnia, DZIS_TESTU);
                break;
            case Qt::Key_J:
                EXPECT_EQ(r.juz_umiem, 1);
                break;
            default:
                EXPECT_EQ(r.id, 0);
                EXPECT_EQ(r.kosz, 0);
                EXPECT_EQ(sesja.plan.plan_cwiczenia[k].typ[6].proby, 0);
            }
        }
        // Bin and "Już umiem!" count as attempted; the reset does not.
        EXPECT_EQ(f.silnik().proby(), 2);
        // The menu's labels do the same as the keys.
        const int i = f.silnik().biezace_slowko();
        enter(&f.K_menu);
        EXPECT_TRUE(f.Panel_menu.Visible());
        wait_ms(20);
        ui::grab_to_png(f, output_path("trainer/item_menu.png"));
        odpowiedz(true);
        click(&f.K_Do_kosza);
        EXPECT_EQ(tab_powtorek[i].kosz, 1);
        EXPECT_FALSE(f.Panel_menu.Visible());
        f.close();
    });
}

TEST_F(KoniecCwiczenia, AShortRecordingIsRejectedALongOneComparedWithTheModel) {
    lekcja(3);
    ustawienia.linia[35] = 0;
    struct Case {
        int dlugosc;
        bool zachowane;
    } cases[] = {{300, false}, {1000, true}};
    cwiczenie([&](TForm4& f) {
        // Answered: the model is the answer's recording.
        f.E_Wpisana.SetText(f.silnik().pytanie().oczekiwana);
        key_click(&f, Qt::Key_Return);
        ASSERT_TRUE(f.silnik().odpowiedziano());
        ASSERT_FALSE(f.silnik().dzwiek_do_grania().empty());
        for (const Case& c : cases) {
            SCOPED_TRACE(c.dlugosc);
            mikrofon.dlugosc_ms = c.dlugosc;
            dzwieki.clear();
            demo.messages.clear();
            press(&f.K_nagraj);
            EXPECT_EQ(f.nagrywanie().stan(), TNagrywanie::Stan::nagrywanie);
            EXPECT_TRUE(f.Timer1.Enabled());
            release(&f.K_nagraj);
            EXPECT_EQ(f.nagrywanie().zachowane(), c.zachowane);
            EXPECT_FALSE(f.Timer1.Enabled());
            EXPECT_EQ(f.k_play_nagrane.Visible(), c.zachowane);
            if (c.zachowane) {
                wait_ms(20);
                ui::grab_to_png(f, output_path("trainer/recording_kept.png"));
                ASSERT_EQ(dzwieki.size(), 2u);
                EXPECT_EQ(dzwieki[0], "tmp1.wav (wait)");
                EXPECT_EQ(dzwieki[1],
                          std::filesystem::path(os::resolve(f.silnik().dzwiek_do_grania()))
                              .filename()
                              .string());
                EXPECT_TRUE(demo.messages.empty());
            } else {
                EXPECT_TRUE(dzwieki.empty());
                ASSERT_EQ(demo.messages.size(), 1u);
                EXPECT_EQ(utf8(demo.messages[0]),
                          "W trakcie nagrywania trzymaj cały czas wciśnięty lewy przycisk "
                          "myszki!");
            }
        }
        // The limit ends a recording held too long; the release stops nothing more.
        const int zapisy = mikrofon.zapisy;
        press(&f.K_nagraj);
        f.Timer1.tick();
        release(&f.K_nagraj);
        EXPECT_EQ(mikrofon.zapisy, zapisy + 1);
        EXPECT_TRUE(f.K_nagraj.isEnabled());
        f.close();
    });
}

TEST_F(KoniecCwiczenia, TheResultIsRecordedOnceWhenTheRunEnds) {
    ASSERT_TRUE(czytaj_statystyki());
    const std::string nazwa = tab_cw_info[1].nazwa;
    lekcja(3);
    sesja.biezace_cw = nazwa;
    sesja.z_wyboru = true;
    auto wiersze_typu_6 = [&] {
        int n = 0;
        for (int r = 1; r <= ile_cw_info; ++r)
            n += tab_cw_info[r].nazwa == nazwa && tab_cw_info[r].rodzaj == 6;
        return n;
    };
    int pokazy25 = 0;
    cwiczenie([&](TForm4& f) {
        odpowiedz_wpisujac(f, false);
        odpowiedz_wpisujac(f, true);
        // Going back from the statistics box: the window stays, nothing recorded.
        ui::set_next_modal_hook([&](ui::Window& w) {
            ++pokazy25;
            EXPECT_EQ(&w, Form25);
            EXPECT_EQ(utf8(Form25->L_stat4.Caption()), "Zrobiono: 2 przykładów z 3");
            EXPECT_EQ(utf8(Form25->L_Stat3.Caption()), "Wynik: 25 %");
            click(&Form25->K_wroc);
        });
        key_click(&f, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(wiersze_typu_6(), 0);
        ui::set_next_modal_hook([&](ui::Window& w) {
            ++pokazy25;
            key_click(&w, Qt::Key_Return);
        });
        key_click(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(pokazy25, 2);
    ASSERT_EQ(wiersze_typu_6(), 1);
    // Read back from the file: written once, 1 right of 3 + 1 wrong, interrupted.
    ASSERT_TRUE(czytaj_statystyki());
    for (int r = 1; r <= ile_cw_info; ++r) {
        const TCwInfo& w = tab_cw_info[r];
        if (w.nazwa != nazwa || w.rodzaj != 6) continue;
        EXPECT_EQ(w.wynik, 25);
        EXPECT_EQ(w.uruchomienia, 1);
        EXPECT_EQ(w.ukonczone, 0);
    }

    // A second run of the type counts only what it attempted itself: one.
    const int uruchomienia = [&] {
        for (int r = 1; r <= ile_cw_info; ++r)
            if (tab_cw_info[r].nazwa == nazwa && tab_cw_info[r].rodzaj == 6)
                return tab_cw_info[r].uruchomienia;
        return 0;
    }();
    ustawienia.linia[35] = 0;
    cwiczenie([&](TForm4& f) {
        EXPECT_EQ(f.silnik().ilosc(), 2);
        odpowiedz_wpisujac(f, true);
        EXPECT_EQ(f.silnik().proby(), 1);
        key_click(&f, Qt::Key_Escape);
    });
    ASSERT_TRUE(czytaj_statystyki());
    for (int r = 1; r <= ile_cw_info; ++r) {
        if (tab_cw_info[r].nazwa == nazwa && tab_cw_info[r].rodzaj == 6) {
            EXPECT_EQ(tab_cw_info[r].uruchomienia, uruchomienia);
        }
    }
}

TEST_F(KoniecCwiczenia, ARunNotStartedFromTheChooserRecordsNothing) {
    ASSERT_TRUE(czytaj_statystyki());
    const std::string przed = TempDir::read_from(plik_statystyk());
    lekcja(3);
    sesja.biezace_cw = tab_cw_info[1].nazwa; // left from an earlier run
    sesja.z_wyboru = false;
    ustawienia.linia[35] = 0;
    cwiczenie([&](TForm4& f) {
        for (int n = 0; n < 3 && f.isVisible(); ++n)
            odpowiedz_wpisujac(f, true);
    });
    EXPECT_EQ(TempDir::read_from(plik_statystyk()), przed);
}

TEST_F(KoniecCwiczenia, TheTypeChooserSchedulesShowsTheListAndSaves) {
    ustawienia.linia[54] = 1;
    bool lista = false;
    dwie_odpowiedzi_typu_6([&] {
        EXPECT_TRUE(Form8->CB_Info_po_cwicz.Checked());
        ui::set_next_modal_hook([&](ui::Window& w) {
            lista = &w == Form31;
            EXPECT_EQ(Form31->ListBox1.Items().Count(), 2);
            w.close();
        });
    });
    EXPECT_TRUE(lista);
    const std::vector<TPowtorka> pb = rekordy_pb();
    ASSERT_EQ(pb.size(), 2u);
    for (const TPowtorka& r : pb) {
        EXPECT_EQ(r.ile_powtorzen, 1);
        EXPECT_EQ(r.interwal, 2);
        EXPECT_EQ(r.data_ostatnia, DZIS_TESTU);
        EXPECT_EQ(r.typy[6], 2);
        EXPECT_EQ(tab_powtorek[znajdz_slowko(r.id)].interwal, 2);
    }
}

// A backup that cannot be restored changes nothing: the runs done after it
// are saved in p.b as before.
TEST_F(KoniecCwiczenia, AfterAFailedRestoreTheRunsAreStillSaved) {
    const std::string uszkodzona(ROZMIAR_POWTORKI + 7, '\x01');
    demo.write("1/p_kopia_5.b", uszkodzona);
    demo.write("1/p.i", "p_kopia_5.b=2026-11-20 18:00:00=4= \r\n");
    TForm12 ustawienia_okno;
    run_modal(ustawienia_okno, [&](ui::Window&) {
        TForm12& f = ustawienia_okno;
        f.k_opcje_wiecejClick();
        ASSERT_EQ(f.ListBox1.Items().Count(), 1);
        f.ListBox1.SetItemIndex(0);
        f.ListBox1Click();
        odpowiedz(true);
        f.K_import_kopia1Click();
        f.B_ZamknijClick();
    });
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_NE(demo.messages[0].find("p_kopia_5.b"), std::string::npos) << utf8(demo.messages[0]);
    EXPECT_FALSE(std::filesystem::exists(user("p.b")));
    EXPECT_FALSE(zapis_powtorek_zablokowany());

    ustawienia.linia[54] = 0;
    dwie_odpowiedzi_typu_6();
    EXPECT_EQ(demo.messages.size(), 1u) << "no refused save";
    const std::vector<TPowtorka> pb = rekordy_pb();
    ASSERT_EQ(pb.size(), 2u);
    for (const TPowtorka& r : pb) {
        EXPECT_EQ(r.ile_powtorzen, 1);
        EXPECT_EQ(r.data_ostatnia, DZIS_TESTU);
    }
    EXPECT_EQ(TempDir::read_from(user("p_kopia_5.b")), uszkodzona);
}

TEST_F(KoniecCwiczenia, WithoutSchedulingOnlyAChangedRecordIsSaved) {
    for (bool zmiana : {false, true}) {
        SCOPED_TRACE(zmiana ? "an item binned" : "nothing changed");
        std::filesystem::remove(user("p.b"));
        lekcja(3);
        ustawienia.linia[35] = 0;
        run_modal(*Form8, [&](ui::Window&) {
            ASSERT_TRUE(Form8->CB_Bez_powtorki.Visible());
            Form8->CB_Bez_powtorki.SetChecked(true);
            ui::set_next_modal_hook([&](ui::Window&) {
                odpowiedz_wpisujac(*Form4, true);
                if (zmiana) {
                    odpowiedz(true);
                    key_click(Form4, Qt::Key_T, Qt::ControlModifier);
                }
                Form4->close();
            });
            wybierz_typ(6);
            click(&Form8->B_OK);
            key_click(Form8, Qt::Key_Escape);
        });
        ASSERT_EQ(std::filesystem::exists(user("p.b")), zmiana);
        if (!zmiana) continue;
        const std::string pb = TempDir::read_from(user("p.b"));
        ASSERT_EQ(pb.size(), static_cast<size_t>(ROZMIAR_POWTORKI));
        TPowtorka r;
        r.decode(reinterpret_cast<const unsigned char*>(pb.data()));
        EXPECT_EQ(r.kosz, 1);
        EXPECT_EQ(r.ile_powtorzen, 1) << "not scheduled: the answered item has no record";
    }
}

} // namespace
