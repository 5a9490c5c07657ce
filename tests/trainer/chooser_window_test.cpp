// The lesson and exercise chooser and the exercise-type chooser on the demo
// edition: the way from the main window to a lesson's types, the three views,
// the arrows and keys, and deleting an own exercise.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QScreen>
#include <QWheelEvent>

#include "core/exercises.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/statistics.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "shared/login.h"
#include "support/text_bands.h"
#include "trainer/demo_edition.h"
#include "trainer/form1.h"
#include "trainer/windows.h"
#include "trainer/trainer_run.h"
#include "trainer/walk_helpers.h"
#include "trainer/wybor_zdan_geometry.h"

namespace {

using testsupport::key_click;
using testsupport::kliknij_wiersz;
using testsupport::pozycja_paczki;

std::vector<std::string> wiersze(const TForm8& f) {
    std::vector<std::string> out;
    for (const auto& w : f.wiersze())
        out.push_back(os::cp1250_to_utf8(w));
    return out;
}

// Results of a few runs and repetition records of group 1, so that the bars
// of every view have something to show.
void wyniki_i_powtorki() {
    zapisz_wynik(80, "001-1-01", 5, 0, true);
    zapisz_wynik(60, "001-1-01", 6, 0, true);
    zapisz_wynik(100, "001-1", 2, 0, true);
    zapisz_wynik(45, "101-2", 10, 0, false);
    zapisz_wynik(90, "002-1", 1, 0, true);
    ASSERT_TRUE(zapisz_statystyki()); // the chooser reads them from the file
    for (int i = 1; i <= 14; ++i) {
        tab_powtorek[i].id = baza.id_slowa[i];
        tab_powtorek[i].interwal = i <= 10 ? 3 : 30;
        ile_powtorek = std::max(ile_powtorek, i);
    }
}

// What the results panel paints inside its text column (left of its bar).
testsupport::TextInk tusz_wynikow(TWyborZdanForm& w) {
    ui::ScrollingText& info = w.lbl_info;
    const std::string napis = info.Caption();
    const int gora = info.TopLine();
    return testsupport::text_ink(
        w, info, [&] { info.SetCaption(""); },
        [&] {
            info.SetCaption(napis);
            info.SetTopLine(gora);
        },
        QRect(0, 0, info.Bar().x(), info.height()));
}

void kolko(QWidget& w, int delta) {
    QWheelEvent e(QPointF(10, 10), QPointF(w.mapToGlobal(QPoint(10, 10))), QPoint(),
                  QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

// After a run of nine types the exercise's results take more lines than
// the panel shows: it shows seven or more whole lines, and the wheel and its
// scroll bar reach the others.
TEST(ChooserWalk, TheResultsOfANineTypeRunScrollInWholeLines) {
    testsupport::qt_app();
    testsupport::DemoEdition demo;
    EXPECT_EQ(testsupport::w_wyborze_cwiczen(demo, [](TWyborZdanForm& w) {
                  for (int t = 1; t <= 9; ++t)
                      zapisz_wynik(50 + 5 * t, "001-1-01", t, 0, t != 4);
                  ASSERT_TRUE(zapisz_statystyki());
                  w.pokaz_widok();
                  kliknij_wiersz(w.pb_paczki, pozycja_paczki(w, "001-1-01"));
                  ui::ScrollingText& info = w.lbl_info;
                  const int linii = static_cast<int>(info.Lines().size());
                  ASSERT_GE(linii, 9);
                  EXPECT_GE(info.GetFont().pixels, 12);
                  EXPECT_GE(info.VisibleLines(), 7);
                  EXPECT_LE(info.VisibleLines() * info.LineHeight(), info.height());
                  ASSERT_GT(linii, info.VisibleLines());
                  EXPECT_TRUE(info.Bar().Visible());
                  // The lines hold the whole text, nothing left out.
                  auto bez_odstepow = [](QString s) { return s.remove(QRegularExpression("\\s")); };
                  EXPECT_EQ(bez_odstepow(info.Lines().join("")),
                            bez_odstepow(ui::to_qt(info.Caption())));

                  // Whole lines only, at the top and at the end.
                  testsupport::wait_ms(20);
                  const int dol = info.VisibleLines() * info.LineHeight();
                  testsupport::TextInk t = tusz_wynikow(w);
                  ASSERT_FALSE(t.bands.empty());
                  EXPECT_LT(t.bands.back().bottom, dol);
                  ui::grab_to_png(w, testsupport::output_path("trainer/chooser_results_nine_types.png"));
                  for (int k = 0; k < linii; ++k)
                      kolko(info, -120);
                  EXPECT_EQ(info.TopLine(), linii - info.VisibleLines());
                  EXPECT_EQ(info.Bar().Position(), info.TopLine());
                  t = tusz_wynikow(w);
                  ASSERT_FALSE(t.bands.empty());
                  EXPECT_LT(t.bands.back().bottom, dol);
                  ui::grab_to_png(w, testsupport::output_path("trainer/chooser_results_nine_types_end.png"));
                  // The bar takes it back to the first line; another exercise starts there.
                  info.Bar().SetPosition(0);
                  EXPECT_EQ(info.TopLine(), 0);
                  kolko(info, -120);
                  EXPECT_GT(info.TopLine(), 0);
                  kliknij_wiersz(w.pb_paczki, pozycja_paczki(w, "001-1-01"));
                  EXPECT_EQ(info.TopLine(), 0);
              }),
              0);
}

TEST(ChooserWalk, FromTheMainWindowThroughTheViewsToALessonsTypes) {
    testsupport::qt_app();
    testsupport::DemoEdition demo;
    demo.write("usr.t", "1=Anna\r\n");

    bool doszedl = false;
    std::vector<std::string> typy;
    std::string podpis8;
    // The user choice: log in as the listed user.
    ui::set_next_modal_hook([](ui::Window& w) { key_click(&w, Qt::Key_Return); });
    const auto start = testsupport::run_trainer_once([&](TForm1& f) {
        // The help hint of the first activation.
        ui::set_next_modal_hook([](ui::Window& box) { key_click(&box, Qt::Key_Return); });
        testsupport::wait_ms(200);
        wyniki_i_powtorki();

        f.btn_cwiczenia.Click();
        ASSERT_NE(WyborZdanForm, nullptr);
        TWyborZdanForm& w = *WyborZdanForm;
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(w.isModal());
        EXPECT_EQ(tryb_wyboru, 1);
        ASSERT_EQ(w.dzialy().size(), 8u);
        EXPECT_EQ(os::cp1250_to_utf8(w.dzialy()[0].nazwa), "Dom i mieszkanie");
        EXPECT_TRUE(w.Shape2.Visible());
        EXPECT_EQ(w.Shape2.Tag, 1);
        EXPECT_FALSE(w.btn_wyniki.Visible()) << "the tabs belong to the result views";
        ASSERT_EQ(w.lista_paczek().dlugosc(), 21);
        EXPECT_TRUE(w.btn_dn.Visible());
        EXPECT_FALSE(w.btn_up.Visible());
        EXPECT_FALSE(w.B_OK.Visible());

        // Picking an exercise shows its results and the start button.
        const int lekcja = pozycja_paczki(w, "001-1-01");
        ASSERT_GE(lekcja, 1);
        ASSERT_LE(lekcja, 18);
        kliknij_wiersz(w.pb_paczki, lekcja);
        EXPECT_TRUE(w.Shape3.Visible());
        EXPECT_TRUE(w.B_OK.Visible());
        EXPECT_FALSE(w.k_usun.Visible());
        EXPECT_NE(os::cp1250_to_utf8(w.lbl_info.Caption()).find("Dyktando, ostatnio:"),
                  std::string::npos);
        ui::grab_to_png(w, testsupport::output_path("trainer/chooser_exercises.png"));

        // The keys walk the whole list: down to the last entry and back to the first.
        kliknij_wiersz(w.pb_paczki, 1);
        for (int k = 0; k < 20; ++k)
            key_click(&w, Qt::Key_Down);
        EXPECT_EQ(w.lista_paczek().wybrana(), 21);
        EXPECT_EQ(w.Shape3.Tag, 18);
        EXPECT_EQ(w.lista_paczek().przesuniecie(), 3);
        EXPECT_TRUE(w.btn_up.Visible());
        for (int k = 0; k < 25; ++k)
            key_click(&w, Qt::Key_Up);
        EXPECT_EQ(w.lista_paczek().wybrana(), 1);
        EXPECT_FALSE(w.btn_up.Visible());

        // The lesson: its types are what the plan gives, with their counts.
        kliknij_wiersz(w.pb_paczki, pozycja_paczki(w, "001-1-01"));
        ui::set_next_modal_hook([&](ui::Window& okno) {
            doszedl = &okno == Form8;
            podpis8 = os::cp1250_to_utf8(okno.Caption());
            typy = wiersze(*Form8);
            EXPECT_TRUE(Form8->CB_Bez_powtorki.Visible()) << "a lesson run";
            ui::grab_to_png(okno, testsupport::output_path("trainer/type_chooser.png"));
            key_click(&okno, Qt::Key_Escape);
        });
        key_click(&w, Qt::Key_Return);
        EXPECT_EQ(sesja.biezace_cw, "001-1-01");
        EXPECT_EQ(ile_w_liscie, 5);

        // Results by exercise, from the main window's "Wyniki".
        f.btn_wyniki.Click();
        EXPECT_EQ(tryb_wyboru, 2);
        EXPECT_TRUE(w.btn_wyniki.Visible());
        EXPECT_TRUE(w.Shape1.Visible());
        EXPECT_EQ(w.Shape1.geometry().center(), w.btn_wyniki.geometry().center());
        EXPECT_EQ(w.paczki()[static_cast<size_t>(pozycja_paczki(w, "001-1-01") - 1)].procent, 70);
        kliknij_wiersz(w.pb_paczki, pozycja_paczki(w, "001-1-01"));
        ui::grab_to_png(w, testsupport::output_path("trainer/chooser_results.png"));

        // Results by group: the first group has 14 of its 33 items in repetition.
        w.btnWyniki_powtorek.Click();
        EXPECT_EQ(tryb_wyboru, 3);
        EXPECT_FALSE(w.pb_paczki.Visible());
        EXPECT_FALSE(w.btn_dn.Visible());
        EXPECT_EQ(w.dzialy()[0].procent, 42);
        EXPECT_EQ(os::cp1250_to_utf8(w.lbl_info.Caption()), "Uczysz się 14 z 33 słówek i zdań.");
        EXPECT_TRUE(w.L_Stat.Visible());
        EXPECT_EQ(os::cp1250_to_utf8(w.L_Stat.Caption()).rfind("Uczysz się 14 z ", 0), 0u);
        ui::grab_to_png(w, testsupport::output_path("trainer/chooser_groups.png"));
        w.k_wynik_powt_2.Click();
        EXPECT_EQ(w.dzialy()[0].procent, 12); // 4 of 33 above the known interval
        EXPECT_EQ(os::cp1250_to_utf8(w.lbl_info.Caption()), "Umiesz 4 z 33 słówek i zdań.");

        w.close();
        f.close();
    });
    EXPECT_EQ(start.code, 0);
    ASSERT_TRUE(start.main_window);
    ASSERT_TRUE(doszedl);
    EXPECT_EQ(podpis8, "Rodzaje ćwiczeń");
    // Five words with recordings; English: no articles. Lesson runs list every
    // type with work in type order.
    ASSERT_FALSE(typy.empty());
    EXPECT_EQ(typy[0], "Rozpoznawanie ze słuchu (5)");
    EXPECT_NE(std::find(typy.begin(), typy.end(), "Dyktando (5)"), typy.end());
    for (const auto& t : typy) {
        EXPECT_EQ(t.find("rodzajnika"), std::string::npos) << t;
        EXPECT_EQ(t.find("Zdania"), std::string::npos) << t;
    }
}

// The chooser alone, after a login on the demo edition.
class Chooser : public testsupport::QtFixture {
  protected:
    void SetUp() override {
        demo.write(plik_usera(), os::pl("9=201-1-0001=Moje słówka=40001=40002\r\n"));
        start_programu();
        ASSERT_TRUE(zaloguj(1, "Anna"));
        ile_w_liscie = 0;
        wyczysc_sesje();
        Form29 = new TForm29;
        okno = std::make_unique<TWyborZdanForm>();
        okno->show();
        okno->btn_cwiczClick();
        ustaw_pokaz_pomoc([this] { strony.push_back(strona_pomocy); });
    }
    void TearDown() override {
        ustaw_pokaz_pomoc({});
        okno.reset();
        delete Form29;
        Form29 = nullptr;
    }
    static std::string plik_usera() { return "cwa_su.txt"; }

    testsupport::DemoEdition demo;
    std::unique_ptr<TWyborZdanForm> okno;
    std::vector<std::string> strony;
};

TEST_F(Chooser, AnOwnExerciseCanBeDeletedOnlyFromTheExercisesView) {
    const int p = pozycja_paczki(*okno, "201-1-0001");
    ASSERT_GE(p, 1);
    const int dlugosc = okno->lista_paczek().dlugosc();

    okno->btn_wynikiClick();
    kliknij_wiersz(okno->pb_paczki, p);
    EXPECT_FALSE(okno->k_usun.Visible()) << "not in the results view";

    okno->btn_cwiczClick();
    kliknij_wiersz(okno->pb_paczki, p);
    ASSERT_TRUE(okno->k_usun.Visible());
    // The delete button stands above the start button, clear of the results.
    for (const QWidget* w : {static_cast<const QWidget*>(&okno->lbl_info),
                             static_cast<const QWidget*>(&okno->B_OK)})
        EXPECT_FALSE(okno->k_usun.geometry().intersects(w->geometry()));
    ui::grab_to_png(*okno, testsupport::output_path("trainer/chooser_own_exercise.png"));
    kliknij_wiersz(okno->pb_paczki, pozycja_paczki(*okno, "001-1"));
    EXPECT_FALSE(okno->k_usun.Visible()) << "a built-in exercise cannot be deleted";

    struct Przypadek {
        const char* nazwa;
        int klawisz;
        bool usuniete;
    } przypadki[] = {{"no", Qt::Key_Escape, false}, {"yes", Qt::Key_Return, true}};
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.nazwa);
        kliknij_wiersz(okno->pb_paczki, pozycja_paczki(*okno, "201-1-0001"));
        std::string pytanie;
        ui::set_next_modal_hook([&](ui::Window& box) {
            pytanie = os::cp1250_to_utf8(Form29->Label1.Caption());
            key_click(&box, c.klawisz);
        });
        okno->k_usun.Click();
        EXPECT_EQ(pytanie, "Czy chcesz usunąć Ćwiczenie: Moje słówka ?");
        EXPECT_EQ(pozycja_paczki(*okno, "201-1-0001") == 0, c.usuniete);
        EXPECT_EQ(okno->lista_paczek().dlugosc(), c.usuniete ? dlugosc - 1 : dlugosc);
        EXPECT_EQ(demo.read(plik_usera()).find("201-1-0001") == std::string::npos, c.usuniete);
        EXPECT_EQ(okno->k_usun.Visible(), !c.usuniete);
        // Its results go with it, though the list it leaves names no exercise.
        bool wiersze = false;
        for (int i = 1; i <= ile_cw_info; ++i)
            wiersze = wiersze || tab_cw_info[i].nazwa == "201-1-0001";
        EXPECT_EQ(wiersze, !c.usuniete);
    }
    ui::set_next_modal_hook(nullptr);
}

TEST_F(Chooser, HelpPageFollowsTheView) {
    key_click(okno.get(), Qt::Key_F1);
    okno->btn_wynikiClick();
    key_click(okno.get(), Qt::Key_F1);
    okno->k_wynik_powt_2Click();
    key_click(okno.get(), Qt::Key_F1);
    EXPECT_EQ(strony,
              (std::vector<std::string>{"h_10_slow.html", "h_12_wynik.html", "h_12_wynik.html"}));
}

TEST_F(Chooser, TabMovesBetweenTheListsAndEnterStartsOnlyWithASelection) {
    EXPECT_EQ(okno->shp_focus.Tag, 1);
    key_click(okno.get(), Qt::Key_Return);
    EXPECT_EQ(sesja.biezace_cw, "") << "nothing selected, nothing started";

    key_click(okno.get(), Qt::Key_Tab);
    EXPECT_EQ(okno->shp_focus.Tag, 2);
    EXPECT_EQ(okno->lista_paczek().wybrana(), 1);
    EXPECT_TRUE(okno->B_OK.Visible());

    // Scrolling the selection away hides it and the start button; back, both return.
    for (int k = 0; k < 3; ++k)
        okno->btn_dnClick();
    EXPECT_FALSE(okno->Shape3.Visible());
    EXPECT_FALSE(okno->B_OK.Visible());
    for (int k = 0; k < 3; ++k)
        okno->btn_upClick();
    EXPECT_TRUE(okno->Shape3.Visible());

    key_click(okno.get(), Qt::Key_Tab);
    EXPECT_EQ(okno->shp_focus.Tag, 1);
    key_click(okno.get(), Qt::Key_Down);
    EXPECT_EQ(okno->lista_dzialow().wybrana(), 2);
    EXPECT_FALSE(okno->B_OK.Visible()) << "a new section has nothing selected";
}

// What the list shows on screen (the window's backing store, as last painted)
// and what a full paint of it gives now.
QImage na_ekranie(const QWidget& pb) {
    const QWidget* okno = pb.window();
    const QPoint o = pb.mapTo(okno, QPoint(0, 0));
    return okno->screen()
        ->grabWindow(okno->winId(), o.x(), o.y(), pb.width(), pb.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
QImage od_nowa(const QWidget& pb) {
    QWidget* okno = pb.window();
    return okno->grab(QRect(pb.mapTo(okno, QPoint(0, 0)), pb.size()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
QImage wiersz_obrazu(const QImage& lista, int r) {
    return lista.copy(0, (r - 1) * look::wybor_wiersz, lista.width(), look::wybor_wiersz);
}

// Every row on screen is the row a full paint gives for the list's entry there.
void kazdy_wiersz_aktualny(const QWidget& pb, const TPrzewijanaLista& l, const char* nazwa) {
    testsupport::wait_ms(60);
    const QImage ekran = na_ekranie(pb);
    const QImage wzor = od_nowa(pb);
    ASSERT_FALSE(ekran.isNull());
    ASSERT_EQ(ekran.size(), wzor.size());
    ui::grab_to_png(*pb.window(), testsupport::output_path(std::string("trainer/") + nazwa));
    for (int r = 1; r <= TPrzewijanaLista::WIERSZY; ++r)
        EXPECT_TRUE(wiersz_obrazu(ekran, r) == wiersz_obrazu(wzor, r))
            << "row " << r << " should show entry " << l.pozycja_wiersza(r);
}

// Sections enough to scroll their list: the demo's groups and more without exercises.
void wiecej_dzialow(int ile) {
    for (int g = ile_grup + 1; g <= ile; ++g)
        grupy[static_cast<size_t>(g)] = {500 + g, 1, "", "Dzial " + IntToStr(g), ""};
    ile_grup = ile;
}

TEST_F(Chooser, KeysThatScrollAListPaintEveryRowAgain) {
    wiecej_dzialow(22);
    okno->btn_cwiczClick();
    ASSERT_EQ(okno->lista_dzialow().dlugosc(), 22);
    ASSERT_GE(okno->lista_paczek().dlugosc(), 21);

    // The exercises: from the first row past the eighteenth.
    key_click(okno.get(), Qt::Key_Tab);
    testsupport::wait_ms(60);
    const QImage przed = na_ekranie(okno->pb_paczki);
    for (int k = 0; k < 19; ++k)
        key_click(okno.get(), Qt::Key_Down);
    ASSERT_EQ(okno->lista_paczek().wybrana(), 20);
    ASSERT_EQ(okno->lista_paczek().przesuniecie(), 2);
    EXPECT_EQ(okno->Shape3.Tag, 18);
    kazdy_wiersz_aktualny(okno->pb_paczki, okno->lista_paczek(), "chooser_keys_exercises.png");
    // Each entry moved up by two rows, onto a row of the same shade (row 1
    // held the highlight before).
    const QImage po = na_ekranie(okno->pb_paczki);
    for (int r = 1; r <= 16; ++r)
        EXPECT_TRUE(wiersz_obrazu(po, r) == wiersz_obrazu(przed, r + 2))
            << "row " << r << " should show entry " << r + 2;
    key_click(okno.get(), Qt::Key_Down);
    EXPECT_EQ(okno->lista_paczek().przesuniecie(), 3);
    kazdy_wiersz_aktualny(okno->pb_paczki, okno->lista_paczek(), "chooser_keys_exercises_3.png");
    for (int k = 0; k < 20; ++k)
        key_click(okno.get(), Qt::Key_Up);
    EXPECT_EQ(okno->lista_paczek().przesuniecie(), 0);
    kazdy_wiersz_aktualny(okno->pb_paczki, okno->lista_paczek(), "chooser_keys_back.png");

    // The sections the same way.
    key_click(okno.get(), Qt::Key_Tab);
    ASSERT_EQ(okno->shp_focus.Tag, 1);
    for (int k = 0; k < 20; ++k)
        key_click(okno.get(), Qt::Key_Down);
    ASSERT_EQ(okno->lista_dzialow().wybrana(), 21);
    ASSERT_EQ(okno->lista_dzialow().przesuniecie(), 3);
    kazdy_wiersz_aktualny(okno->pb_dzialy2, okno->lista_dzialow(), "chooser_keys_sections.png");
}

TEST_F(Chooser, TabReachesTheSectionsWhenTheirHighlightIsScrolledAway) {
    wiecej_dzialow(22);
    okno->btn_cwiczClick();
    key_click(okno.get(), Qt::Key_Tab);
    ASSERT_EQ(okno->shp_focus.Tag, 2);
    ASSERT_TRUE(okno->B_OK.Visible());
    okno->L_btn_dnClick();
    ASSERT_FALSE(okno->Shape2.Visible()) << "the first section is scrolled away";

    key_click(okno.get(), Qt::Key_Tab);
    EXPECT_EQ(okno->shp_focus.Tag, 1);
    EXPECT_EQ(okno->lista_dzialow().wybrana(), 1) << "the highlighted section again";
    EXPECT_EQ(okno->lista_paczek().wybrana(), 0) << "its exercises rebuilt";
    EXPECT_FALSE(okno->B_OK.Visible());
    // Scrolled back, the section shows with the focus on it.
    okno->L_btn_upClick();
    EXPECT_TRUE(okno->Shape2.Visible());
    EXPECT_TRUE(okno->shp_focus.Visible());
    EXPECT_EQ(okno->shp_focus.geometry(), okno->Shape2.geometry());
    key_click(okno.get(), Qt::Key_Down);
    EXPECT_EQ(okno->lista_dzialow().wybrana(), 2);
}

TEST_F(Chooser, TheTypeChooserClosesItselfWhenThePlanHasNoWork) {
    TForm8 f8;
    ile_w_liscie = 0;
    testsupport::run_modal(f8, [](ui::Window&) {});
    EXPECT_FALSE(f8.isVisible());
    EXPECT_EQ(f8.Caption(), "Koniec!");
    EXPECT_FALSE(f8.B_OK.Visible());
}

} // namespace
