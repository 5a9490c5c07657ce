// The exercise window on the demo edition (and on a small German edition for
// the article exercise): one question of every type answered through the
// window's own controls and keys, grabbed before and after the answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "core/exercises.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/random.h"
#include "platform_ui/qt_app.h"
#include "shared/form5.h"
#include "shared/forms.h"
#include "shared/sound_glue.h"
#include "trainer/demo_edition.h"
#include "trainer/form4.h"
#include "trainer/form27.h"
#include "trainer/form4_geometry.h"
#include "trainer/windows.h"
#include "trainer_logic/run_plan.h"

namespace {

using namespace testsupport;

// The German test edition: the demo's pictures and strips with German course
// files (sbn_slow.txt) and a German disc.
void lay_out_german(DemoEdition& demo) {
    namespace fs = std::filesystem;
    const fs::path from = fs::path(FIXTURES_DIR) / "german";
    fs::copy(from / "program", demo.program(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy(from / "disc", demo.dir.path() + "disc",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

class ExerciseWindow : public QtFixture {
  protected:
    explicit ExerciseWindow(bool niemiecka = false, bool francuska = false)
        : demo(francuska ? "fr" : "") {
        if (niemiecka) lay_out_german(demo);
        start_programu();
        wczytaj_dane();
        czytaj_tla();
        tryb_lekcji = 1;
        wyczysc_sesje();
        core::ui().play_wav = [this](const std::string& p, bool wait) {
            dzwieki.push_back(std::filesystem::path(p).filename().string() +
                              (wait ? " (wait)" : ""));
        };
        form5 = std::make_unique<TForm5>();
        form4 = std::make_unique<TForm4>();
        Form4 = form4.get();
    }
    ~ExerciseWindow() override {
        Form4 = nullptr;
        form4.reset();
        form5.reset();
        wyczysc_sesje();
        tryb_lekcji = 0;
        wybrany_typ = 0;
    }

    // Index of the item whose foreign text is `obce` (first one).
    static int item(const std::string& obce) {
        for (int i = 1; i <= baza.ile_slow; ++i)
            if (baza.slowo_obce[i] == obce) return i;
        ADD_FAILURE() << "no item " << obce;
        return 0;
    }

    // A lesson of these items, run in type `typ`.
    void plan(const std::vector<int>& lista, int typ) {
        sesja.plan =
            zbuduj_plan(lista, TWarunkiPlanu::biezace(), baza, tab_powtorek, flagi_powtorek);
        wybrany_typ = typ;
        ASSERT_EQ(sesja.plan.do_zrobienia(typ), static_cast<int>(lista.size())) << "type " << typ;
    }

    // Shows the window with the run; `act` works it, then the window closes.
    void uruchom(const std::function<void(TForm4&)>& act) {
        run_modal(*form4, [&](ui::Window&) {
            wait_ms(30);
            act(*form4);
            if (form4->isVisible()) form4->close();
        });
    }

    static void zrzut(TForm4& f, const char* rodzaj, int typ) {
        char nazwa[64];
        std::snprintf(nazwa, sizeof nazwa, "trainer/%s_type_%02d.png", rodzaj, typ);
        wait_ms(20);
        EXPECT_TRUE(ui::grab_to_png(f, output_path(nazwa)));
    }

    const Ekran& ekran() const { return form4->silnik().ekran(); }

    DemoEdition demo;
    std::vector<std::string> dzwieki;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm4> form4;
};

// Inside the white card of the backgrounds.
void na_karcie(const QWidget& w) {
    const QRect karta(24, 54, 752, 476);
    EXPECT_TRUE(karta.contains(w.geometry()))
        << w.objectName().toStdString() << " at " << w.x() << "," << w.y() << " " << w.width()
        << "x" << w.height();
}

// No two of the window's visible pieces cover each other (the panels carry
// their own controls).
void nic_nie_zachodzi(TForm4& f) {
    std::vector<const QWidget*> w = {&f.L_Slowko,    &f.dxramka,      &f.DXRamka2,
                                     &f.L_Polecenie, &f.E_Wpisana,    &f.L_Poprawna,
                                     &f.L_Poprawna2, &f.B_OK,         &f.B_Sprawdz,
                                     &f.Tlo_umiesz,  &f.K_Zaakceptuj, &f.TransparentButton1,
                                     &f.L_kom_panel, &f.L_przyklady};
    for (int n = 0; n < 4; ++n) {
        w.push_back(f.odp[n]);
        w.push_back(f.wyr[n]);
    }
    for (size_t a = 0; a < w.size(); ++a)
        for (size_t b = a + 1; b < w.size(); ++b) {
            if (!w[a]->isVisible() || !w[b]->isVisible()) continue;
            EXPECT_FALSE(w[a]->geometry().intersects(w[b]->geometry()))
                << a << " and " << b << ": " << w[a]->y() << ".." << w[a]->y() + w[a]->height()
                << " and " << w[b]->y() << ".." << w[b]->y() + w[b]->height();
        }
}

// Clicks a wrong choice.
void zla_odpowiedz(TForm4& f) {
    const int dobra = f.silnik().pytanie().poprawny_wybor;
    click(f.odp[dobra == 1 ? 1 : 0]);
}

void wpisz(TForm4& f, ui::Edit& e, const std::string& tekst) {
    e.SetText(tekst);
    key_click(&e, Qt::Key_Return);
}

TEST_F(ExerciseWindow, EveryTypeOfTheDemoQuestionAndVerdict) {
    const int house = item("house"), living = item("living room"), meat = item("meat"),
              kitchen = item("kitchen"), tidy = item("tidy up"), knife = item("knife"),
              flat = item("flat");
    const int dwie = item("We need two kilos of <potatoes> and some <tomatoes>.");
    const int flat_zd = item("We live in a small <flat> near the city centre.");
    const int cztery =
        item("In <spring> the <trees> are green and the birds <sing> in the <garden>.");
    const int bez_luki = item("It's a lovely day, let's go for a walk.");
    const int dialog = item("What's the weather like in London?@It's <cloudy> and it often rains.");

    struct Przypadek {
        int typ;
        std::vector<int> lista;
        std::function<void(TForm4&)> odpowiedz;
    } przypadki[] = {
        {1, {house, flat}, zla_odpowiedz},
        {2, {living, flat}, zla_odpowiedz},
        {3, {meat, flat}, [](TForm4& f) { click(&f.B_Sprawdz); }},
        {4, {kitchen, flat}, zla_odpowiedz},
        {5, {meat, flat}, [](TForm4& f) { wpisz(f, f.E_Wpisana, "meet"); }},
        {6, {tidy, flat}, [](TForm4& f) { wpisz(f, f.E_Wpisana, "to tidy up"); }},
        {8, {knife, flat}, [](TForm4& f) { wpisz(f, f.E_Wpisana, "knifes"); }},
        {9, {living, flat}, [](TForm4& f) { click(&f.B_Umiesz); }},
        {10, {dwie, flat_zd}, zla_odpowiedz},
        {11, {dialog, flat_zd}, [](TForm4& f) { key_click(&f, Qt::Key_Return); }},
        {12,
         {cztery, flat_zd},
         [](TForm4& f) {
             f.E_Wpis1.SetText("spring");
             f.E_Wpis2.SetText("tree");
             f.E_Wpis3.SetText("sing");
             click(&f.B_OK);
         }},
        {13, {bez_luki, flat_zd}, [](TForm4& f) { click(&f.B_Sprawdz); }},
        {14, {bez_luki, flat_zd}, [](TForm4& f) { key_click(&f, Qt::Key_Return); }},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(testing::Message() << "type " << p.typ);
        plan(p.lista, p.typ);
        bool pytanie = false, werdykt = false;
        uruchom([&](TForm4& f) {
            pytanie = f.isVisible() && f.L_Polecenie.Visible() && !f.L_Polecenie.Caption().empty();
            EXPECT_EQ(f.silnik().biezace_slowko(), p.lista[0]);
            na_karcie(f.L_Polecenie);
            for (TMLabel* l : f.odp)
                if (l->Visible()) na_karcie(*l);
            if (f.E_Wpisana.Visible()) {
                EXPECT_EQ(QApplication::focusWidget(), &f.E_Wpisana);
                na_karcie(f.E_Wpisana);
            }
            for (ui::Edit* e : f.wpis)
                if (e->Visible()) na_karcie(*e);
            nic_nie_zachodzi(f);
            zrzut(f, "question", p.typ);
            p.odpowiedz(f);
            werdykt = f.silnik().odpowiedziano() || f.silnik().kursor() == 2;
            nic_nie_zachodzi(f);
            zrzut(f, "verdict", p.typ);
        });
        EXPECT_TRUE(pytanie);
        EXPECT_TRUE(werdykt);
    }
}

TEST_F(ExerciseWindow, WrongChoiceShowsTheCorrectionAndWaitsForTheBadSound) {
    plan({item("house"), item("flat")}, 4);
    // What the learner sees while the bad sound is waited for: the verdict.
    std::vector<std::string> w_trakcie;
    core::ui().play_wav = [&](const std::string& p, bool wait) {
        dzwieki.push_back(std::filesystem::path(p).filename().string() + (wait ? " (wait)" : ""));
        if (!wait) return;
        const TForm4& f = *form4;
        w_trakcie = {f.L_Polecenie.Visible() ? f.L_Polecenie.Caption() : "(hidden)",
                     f.L_Poprawna.Visible() ? f.L_Poprawna.Caption() : "(hidden)",
                     f.L_Stat2.Caption(), f.L_Odp1.Visible() ? "choices" : "no choices"};
    };
    uruchom([&](TForm4& f) {
        dzwieki.clear();
        const int dobra = f.silnik().pytanie().poprawny_wybor;
        key_click(&f, Qt::Key_0 + (dobra == 4 ? 3 : 4)); // a wrong one, by key
        EXPECT_EQ(f.L_Polecenie.Caption(), "Poprawnie:");
        EXPECT_EQ(f.L_Poprawna.Caption(), "house");
        EXPECT_TRUE(f.L_Poprawna.Visible());
        EXPECT_FALSE(f.L_Odp1.Visible());
        EXPECT_TRUE(f.B_OK.Visible());
        ASSERT_GE(dzwieki.size(), 1u);
        EXPECT_EQ(dzwieki[0], "zla.wav (wait)");
        EXPECT_EQ(w_trakcie, (std::vector<std::string>{"Poprawnie:", "house", "Niepoprawnie: 1",
                                                       "no choices"}));
        EXPECT_EQ(f.L_Stat2.Caption(), "Niepoprawnie: 1");
        // Enter goes on to the next item.
        key_click(&f, Qt::Key_Return);
        EXPECT_EQ(f.silnik().biezace_slowko(), item("flat"));
        EXPECT_TRUE(f.L_Odp1.Visible());
    });
}

TEST_F(ExerciseWindow, TheBadSoundIsWaitedForWithTheWindowResponsive) {
    // The holder's real player (SDL's dummy driver plays in real time).
    podlacz_dzwiek_do_core();
    Form5 = form5.get();
    plan({item("house"), item("flat")}, 4);
    uruchom([&](TForm4& f) {
        bool timer = false, klik_w_trakcie = false;
        // While the sound plays, the window handles events, but a click on
        // its buttons does not start another step.
        QTimer::singleShot(100, &f, [&] {
            timer = true;
            klik_w_trakcie = f.silnik().odpowiedziano();
            click(&f.B_OK);
            key_click(&f, Qt::Key_Return);
        });
        QElapsedTimer czas;
        czas.start();
        zla_odpowiedz(f);
        const qint64 ms = czas.elapsed();
        if (ms < 150) GTEST_SKIP() << "no sound device: the sound did not play";
        EXPECT_TRUE(timer);
        EXPECT_TRUE(klik_w_trakcie);
        EXPECT_EQ(f.silnik().biezace_slowko(), item("house")); // still the first question
        EXPECT_TRUE(f.B_OK.Visible());
    });
    Form5 = nullptr;
}

TEST_F(ExerciseWindow, TheFourthChoiceIsReachableByKeyAndClick) {
    const int house = item("house");
    bool klawisz = false, klik = false;
    for (uint32_t seed = 1; seed < 60 && !(klawisz && klik); ++seed) {
        plan({house}, 1);
        os::set_rand_seed(seed);
        uruchom([&](TForm4& f) {
            if (f.silnik().pytanie().poprawny_wybor != 4) return;
            EXPECT_TRUE(f.wyr4.Visible());
            if (!klawisz) {
                key_click(&f, Qt::Key_4);
                klawisz = f.silnik().werdykt();
            } else {
                click(&f.L_Odp4);
                klik = f.silnik().werdykt();
            }
        });
    }
    EXPECT_TRUE(klawisz);
    EXPECT_TRUE(klik);
}

TEST_F(ExerciseWindow, TypedAnswerRejectedThenAccepted) {
    plan({item("flat")}, 6);
    uruchom([&](TForm4& f) {
        wpisz(f, f.E_Wpisana, "flatt");
        EXPECT_TRUE(f.K_Zaakceptuj.Visible());
        EXPECT_EQ(f.L_Polecenie.Caption(), "Poprawnie:");
        key_click(&f, Qt::Key_F3);
        EXPECT_FALSE(f.K_Zaakceptuj.Visible());
        EXPECT_EQ(os::cp1250_to_utf8(f.L_Polecenie.Caption()), "Odpowiedź zaakceptowano! ");
        EXPECT_EQ(f.L_Stat1.Caption(), "Poprawnie: 1");
        EXPECT_EQ(f.L_Stat2.Caption(), "Niepoprawnie: 0");
        EXPECT_EQ(sesja.plan.plan_cwiczenia[1].typ[6].zrobione, 1);
        // The last item done: Enter closes the window.
        key_click(&f, Qt::Key_Return);
        wait_ms(20);
        EXPECT_FALSE(f.isVisible());
    });
}

TEST_F(ExerciseWindow, APlanWithoutWorkClosesAtOnce) {
    plan({item("house")}, 4);
    sesja.plan.plan_cwiczenia[1].typ[4] = {};
    QTimer::singleShot(3000, form4.get(), [this] {
        ADD_FAILURE() << "left open";
        form4->close();
    });
    form4->show_modal();
    EXPECT_FALSE(form4->isVisible());
}

TEST_F(ExerciseWindow, KeysOfTheWindow) {
    plan({item("flat"), item("house")}, 6);
    uruchom([&](TForm4& f) {
        EXPECT_FALSE(f.L_pokaz_id.Visible());
        key_click(&f, Qt::Key_F6);
        EXPECT_TRUE(f.L_pokaz_id.Visible());
        EXPECT_EQ(f.L_pokaz_id.Caption(), "Id: 2");
        key_click(&f, Qt::Key_F2);
        EXPECT_EQ(os::cp1250_to_utf8(f.L_grupa_tem.Caption()), "Dom i mieszkanie");
        std::string strona;
        ustaw_pokaz_pomoc([&] { strona = strona_pomocy; });
        key_click(&f, Qt::Key_F1);
        ustaw_pokaz_pomoc(nullptr);
        EXPECT_EQ(strona, "h_10_slow.html");
        // A digit goes into the box, not to a choice.
        key_click(&f.E_Wpisana, Qt::Key_1, Qt::NoModifier, "1");
        EXPECT_EQ(f.E_Wpisana.Text(), "1");
        key_click(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
}

TEST_F(ExerciseWindow, ACommentWithHashAndEqualsSignsGoesThroughTheCommentWindow) {
    TForm27 okno;
    Form27 = &okno;
    const int flat = item("flat");
    plan({flat}, 6);
    struct Case {
        const char* opis;
        std::string przed;  // stored
        std::string pokazane;
        std::string wpisane; // empty: left as shown
        int klawisz;
        std::string po;
        bool zmienione;
    } cases[] = {
        {"cancelled", "a#b = c", "a#b = c", "", Qt::Key_Escape, "a#b = c", false},
        {"confirmed unchanged", "a#b = c", "a#b = c", "", Qt::Key_Return, "a#b = c", false},
        {"typed signs are kept as typed", "a#b", "a#b", "x # y = z", Qt::Key_Return, "x # y = z",
         true},
        {"reopened as typed, edited again", "x # y = z", "x # y = z", "x # y = z#", Qt::Key_Return,
         "x # y = z#", true},
    };
    uruchom([&](TForm4& f) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.opis);
            baza.komentarz[flat] = c.przed;
            komentarze_zmienione = false;
            std::string pokazane;
            ui::set_next_modal_hook([&](ui::Window& w) {
                pokazane = okno.Edit1.Text();
                if (!c.wpisane.empty()) okno.Edit1.SetText(c.wpisane);
                key_click(&w, c.klawisz);
            });
            key_click(&f, Qt::Key_K, Qt::ControlModifier);
            EXPECT_EQ(pokazane, c.pokazane);
            EXPECT_EQ(baza.komentarz[flat], c.po);
            EXPECT_EQ(komentarze_zmienione, c.zmienione);
            EXPECT_TRUE(f.isVisible()) << "no next question follows";
        }
        // Typed in the window, then reopened on what was typed.
        ui::set_next_modal_hook([&](ui::Window& w) {
            okno.Edit1.SetText("C# a=b #2");
            key_click(&w, Qt::Key_Return);
        });
        key_click(&f, Qt::Key_K, Qt::ControlModifier);
        std::string ponownie;
        ui::set_next_modal_hook([&](ui::Window& w) {
            ponownie = okno.Edit1.Text();
            wait_ms(20);
            EXPECT_TRUE(ui::grab_to_png(w, output_path("trainer/comment_reopened.png")));
            key_click(&w, Qt::Key_Escape);
        });
        key_click(&f, Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(ponownie, "C# a=b #2");
        EXPECT_EQ(baza.komentarz[flat], "C# a=b #2");
        // The comment lines show it as it was typed.
        wpisz(f, f.E_Wpisana, "flat");
        EXPECT_NE(f.L_Kom.Caption().find("C# a=b #2"), std::string::npos);
    });
    ui::set_next_modal_hook(nullptr);
    Form27 = nullptr;
    komentarze_zmienione = false;
}

TEST_F(ExerciseWindow, PicturesFitTheirControls) {
    for (const auto* w : {&form4->Wyr1, &form4->Wyr2, &form4->wyr3, &form4->wyr4})
        EXPECT_EQ(w->Picture().size(), w->size());
    EXPECT_EQ(form4->Tlo_umiesz.Picture().size(), form4->Tlo_umiesz.size());
    EXPECT_EQ(form4->L_kom_panel.Picture().size(), form4->L_kom_panel.size());
    EXPECT_EQ(form4->Menu_Image.Picture().size(), form4->Menu_Image.size());
    EXPECT_EQ(form4->I_powtorki.Picture().size(), form4->I_powtorki.size());
    EXPECT_EQ(form4->Image2.Picture().size(), form4->Image2.size());
    EXPECT_GE(ile_tel, 5);
}

TEST_F(ExerciseWindow, BackgroundsWithPHideTheStrip) {
    os::set_rand_seed(3);
    bool z_paskiem = false, bez_paska = false;
    for (int n = 0; n < 2 * ile_tel; ++n) {
        form4->Losuj_tlo();
        const bool p =
            Pos("p_", std::filesystem::path(tla_cwiczen[biezace_tlo]).filename().string()) > 0;
        EXPECT_EQ(form4->Image2.isHidden(), p);
        EXPECT_EQ(form4->Image1.Picture().size(), QSize(800, 600));
        (p ? bez_paska : z_paskiem) = true;
    }
    EXPECT_TRUE(z_paskiem);
    EXPECT_TRUE(bez_paska);
}

TEST_F(ExerciseWindow, CorrectionPanelKeepsWhatWasEnteredPerItem) {
    tryb_korekty = true;
    const int house = item("house"), flat = item("flat");
    baza.korekta_tekst1[house] = "stary tekst";
    baza.korekta_flagi[house] = {false, true, false, false};
    plan({house, flat}, 4);
    uruchom([&](TForm4& f) {
        EXPECT_TRUE(f.Panel_Kor.Visible());
        EXPECT_EQ(f.Edit_Kor.Text(), "stary tekst");
        EXPECT_TRUE(f.Ch_kor_dodac_zd.Checked());
        EXPECT_EQ(f.Label2.Caption(), baza.synonimy[house]);
        f.Edit_Kor.SetText("nowy tekst");
        f.Ch_Kor_Wywalic.SetChecked(true);
        zla_odpowiedz(f);
        key_click(&f, Qt::Key_Return); // the next item stores the panel
        EXPECT_EQ(f.silnik().biezace_slowko(), flat);
        f.Edit_Kor_podp.SetText(os::pl("podpowiedź"));
        zrzut(f, "correction", 4);
    });
    // Closing stores the last item's panel too.
    EXPECT_EQ(baza.korekta_tekst1[house], "nowy tekst");
    EXPECT_EQ(baza.korekta_flagi[house], (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(baza.ma_korekte[house], 1);
    EXPECT_EQ(baza.korekta_tekst2[flat], os::pl("podpowiedź"));
    EXPECT_EQ(baza.ma_korekte[flat], 1);
}

class FrenchExerciseWindow : public ExerciseWindow {
  protected:
    FrenchExerciseWindow() : ExerciseWindow(false, true) {}
};

TEST_F(FrenchExerciseWindow, TheVerdictShowsFrenchTextsInTheWesternSet) {
    const auto fr = [](const char* utf8) { return os::utf8_to_cp1252(utf8); };
    plan({item(fr("la fenêtre"))}, 8);
    uruchom([&](TForm4& f) {
        wpisz(f, f.E_Wpisana, fr("fenêtres"));
        EXPECT_TRUE(f.silnik().werdykt());
        EXPECT_EQ(f.L_Poprawna.Text().toStdString(), "fenêtres");
        EXPECT_EQ(f.L_Kom.Text().toStdString(), "okno\n");
        zrzut(f, "edition_fr_verdict", 8);
    });
    // Accepted through an alternative: the word in front of the comment
    // lines, and the play button's plain hint.
    plan({item(fr("le médecin"))}, 6);
    uruchom([&](TForm4& f) {
        wpisz(f, f.E_Wpisana, "le docteur");
        EXPECT_TRUE(f.silnik().werdykt());
        EXPECT_EQ(f.L_Kom.Text().toStdString(), "le médecin\n");
        EXPECT_EQ(f.TransparentButton1.toolTip().toStdString(), "Odtwórz");
        zrzut(f, "edition_fr_verdict", 6);
    });
}

class GermanExerciseWindow : public ExerciseWindow {
  protected:
    GermanExerciseWindow() : ExerciseWindow(true) {}
};

TEST_F(GermanExerciseWindow, ArticleQuestionAndVerdict) {
    ASSERT_EQ(jezyk_edycji, 2);
    plan({item("der Hund"), item("das Haus")}, 7);
    uruchom([&](TForm4& f) {
        EXPECT_EQ(f.L_Slowko.Caption(), "Hund");
        EXPECT_TRUE(f.L_Odp3.Visible());
        EXPECT_FALSE(f.L_Odp4.Visible());
        EXPECT_FALSE(f.wyr4.Visible());
        nic_nie_zachodzi(f);
        zrzut(f, "question", 7);
        key_click(&f, Qt::Key_4); // hidden: nothing
        EXPECT_FALSE(f.silnik().odpowiedziano());
        key_click(&f, Qt::Key_3);
        EXPECT_FALSE(f.silnik().werdykt());
        EXPECT_EQ(f.L_Poprawna.Caption(), "der");
        EXPECT_TRUE(f.L_Kom.Visible());
        nic_nie_zachodzi(f);
        zrzut(f, "verdict", 7);
    });
}

TEST_F(GermanExerciseWindow, PluralWithTheArticleAndAccentedLetters) {
    plan({item("das Haus")}, 8);
    uruchom([&](TForm4& f) {
        ASSERT_EQ(QApplication::focusWidget(), &f.E_Wpisana);
        f.E_Wpisana.SetText("die H");
        key_click(&f.E_Wpisana, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(f.E_Wpisana.Text(), os::pl("die Hä"));
        f.E_Wpisana.SetText(os::pl("die Häuser"));
        key_click(&f.E_Wpisana, Qt::Key_Return);
        EXPECT_TRUE(f.silnik().werdykt());
        EXPECT_EQ(os::cp1250_to_utf8(f.L_Polecenie.Caption()),
                  "Odpowiedź zaakceptowana! Nagranie odtworzysz po kliknięciu na ikonkę.");
    });
}

} // namespace
