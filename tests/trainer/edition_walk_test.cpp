// A learner on the German and on the French demo edition, from logging in to
// closing the main window: the first lesson worked through every type the
// type chooser offers, each typed answer typed key by key, its accented
// letters with the edition's Ctrl keys. The German run has the article
// exercise and the plural; a question and a verdict of each edition are
// grabbed.
#include <gtest/gtest.h>

#include <QApplication>
#include <functional>

#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "trainer/demo_edition.h"
#include "trainer/form1.h"
#include "trainer/form4.h"
#include "trainer/form8.h"
#include "support/typing.h"
#include "support/unique_token.h"
#include "trainer/start.h"
#include "trainer/walk_helpers.h"
#include "trainer/windows.h"

namespace {

using testsupport::click;
using testsupport::key_click;

// What a label shows, in its font's character set.
std::string na_ekranie(const ui::Label& l) {
    return os::to_utf8(l.Caption(), l.GetFont().charset);
}

enum class Chwila { przed_odpowiedzia, wpisana, werdykt };
using Obserwator = std::function<void(TForm4&, Chwila)>;

// Answers the question on screen rightly, typing where it is typed, and goes
// on; `patrz` sees the window at each moment.
void odpowiedz_dobrze(TForm4& f, const Obserwator& patrz) {
    const Pytanie& p = f.silnik().pytanie();
    patrz(f, Chwila::przed_odpowiedzia);
    switch (p.forma) {
    case Forma::wybor:
        click(f.odp[p.poprawny_wybor - 1]);
        break;
    case Forma::wpisywanie:
        testsupport::type_with_keys(&f.E_Wpisana, p.oczekiwana);
        EXPECT_EQ(f.E_Wpisana.Text(), p.oczekiwana) << "type " << p.typ;
        patrz(f, Chwila::wpisana);
        key_click(&f.E_Wpisana, Qt::Key_Return);
        break;
    case Forma::luki:
        for (int g = 0; g < 3; ++g)
            if (f.wpis[g]->isVisible()) testsupport::type_with_keys(f.wpis[g], p.luki[g]);
        click(&f.B_OK);
        break;
    case Forma::samoocena:
        key_click(&f, Qt::Key_Return);
        key_click(&f, Qt::Key_1);
        return;
    case Forma::wymowa:
        click(&f.B_Umiesz);
        return;
    }
    EXPECT_TRUE(f.silnik().werdykt()) << "type " << p.typ << ": " << p.oczekiwana;
    patrz(f, Chwila::werdykt);
    key_click(&f, Qt::Key_Return);
}

// Every window shown modally from now on is closed (interludes, the run's
// closing windows).
void zamykaj_okna() {
    ui::set_next_modal_hook([](ui::Window& w) {
        zamykaj_okna();
        w.close();
    });
}

// Arms the type chooser, shown next, to work every type it lists, first row
// first, until it closes; the types run go to `typy`.
void przerob_lekcje(std::vector<int>& typy, const Obserwator& patrz) {
    ui::set_next_modal_hook([&typy, patrz](ui::Window& okno8) {
        EXPECT_EQ(&okno8, Form8);
        for (int runda = 0; runda < 20 && okno8.isVisible(); ++runda) {
            ui::set_next_modal_hook([&typy, patrz](ui::Window& okno4) {
                TForm4& f = static_cast<TForm4&>(okno4);
                typy.push_back(wybrany_typ);
                zamykaj_okna();
                for (int n = 0; n < 200 && f.isVisible(); ++n) {
                    odpowiedz_dobrze(f, patrz);
                    QApplication::processEvents();
                }
                EXPECT_FALSE(f.isVisible()) << "type " << wybrany_typ << " never ended";
            });
            key_click(&okno8, Qt::Key_Return);
            testsupport::wait_ms(10);
        }
    });
}

void zrzut(TForm4& f, const std::string& nazwa) {
    testsupport::wait_ms(20);
    EXPECT_TRUE(ui::grab_to_png(f, testsupport::output_path("trainer/" + nazwa + ".png")));
}

// The type and the foreign text (UTF-8) of the question on screen.
int typ(const TForm4& f) {
    return f.silnik().pytanie().typ;
}
std::string obce(const TForm4& f) {
    return os::to_utf8(baza.slowo_obce[f.silnik().pytanie().slowko], czcionka_charset);
}

// Logs Anna in on the edition, works its lesson 001-1-01 to the end with
// `patrz` watching, closes the chooser and the main window; the types run.
std::vector<int> przejdz(testsupport::DemoEdition& demo, const Obserwator& patrz) {
    std::vector<int> typy;
    const auto lekcja = [&](TWyborZdanForm& w) {
        const int pozycja = testsupport::pozycja_paczki(w, "001-1-01");
        ASSERT_GE(pozycja, 1);
        testsupport::kliknij_wiersz(w.pb_paczki, pozycja);
        ASSERT_TRUE(w.B_OK.Visible());
        przerob_lekcje(typy, patrz);
        w.B_OKClick();
    };
    EXPECT_EQ(testsupport::w_wyborze_cwiczen(demo, lekcja), 0);
    return typy;
}

TEST(EditionWalk, GermanLessonWithArticlesPluralsAndUmlautsTypedWithCtrl) {
    testsupport::qt_app();
    testsupport::DemoEdition demo("de");
    bool pytanie_07 = false, werdykt_08 = false;
    std::string rodzajniki;
    const auto typy = przejdz(demo, [&](TForm4& f, Chwila chwila) {
        if (obce(f) != "der Kühlschrank") return;
        if (typ(f) == 7 && chwila == Chwila::przed_odpowiedzia && !pytanie_07) {
            pytanie_07 = true;
            // The word without its article, the three articles, and the
            // Polish meaning with the note.
            EXPECT_EQ(na_ekranie(f.L_Slowko), "Kühlschrank");
            for (int k = 0; k < 3; ++k)
                rodzajniki += na_ekranie(*f.odp[k]) + " ";
            EXPECT_FALSE(f.odp[3]->isVisible());
            EXPECT_NE(na_ekranie(f.L_Kom).find("lodówka"), std::string::npos)
                << na_ekranie(f.L_Kom);
            zrzut(f, "edition_de_question_07");
        }
        if (typ(f) == 8 && chwila == Chwila::werdykt && !werdykt_08) {
            werdykt_08 = true;
            EXPECT_EQ(na_ekranie(f.L_Poprawna), "Kühlschränke");
            EXPECT_NE(na_ekranie(f.L_Kom).find("lodówka"), std::string::npos);
            zrzut(f, "edition_de_verdict_08");
        }
    });
    EXPECT_TRUE(pytanie_07);
    EXPECT_TRUE(werdykt_08);
    EXPECT_EQ(rodzajniki, "der die das ");
    // Five nouns with their articles and plurals: every word type, the
    // article exercise and the plural among them.
    EXPECT_EQ(typy, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // The run was recorded and the main window's closing saved the learner's
    // settings under the German data-set code.
    EXPECT_EQ(kod_zestawu, "tbs_40");
    EXPECT_TRUE(demo.exists("1/p.b"));
    EXPECT_TRUE(demo.exists("1/ustaw_tbs_40.txt"));
}

TEST(EditionWalk, FrenchLessonWithAccentsTypedWithCtrlInTheWesternCharacterSet) {
    testsupport::qt_app();
    testsupport::DemoEdition demo("fr");
    bool pytanie_06 = false, werdykt_06 = false;
    const auto typy = przejdz(demo, [&](TForm4& f, Chwila chwila) {
        if (typ(f) != 6 || obce(f) != "l'étagère") return;
        if (chwila == Chwila::wpisana && !pytanie_06) {
            pytanie_06 = true;
            // The Polish word in the Polish character set, the French answer
            // typed in the western one.
            EXPECT_EQ(na_ekranie(f.L_Slowko), "półka");
            EXPECT_EQ(f.E_Wpisana.text().toStdString(), "l'étagère");
            zrzut(f, "edition_fr_question_06");
        }
        if (chwila == Chwila::werdykt && !werdykt_06) {
            werdykt_06 = true;
            EXPECT_NE(na_ekranie(f.L_Poprawna).find("l'étagère"), std::string::npos)
                << na_ekranie(f.L_Poprawna);
            zrzut(f, "edition_fr_verdict_06");
        }
    });
    EXPECT_TRUE(pytanie_06);
    EXPECT_TRUE(werdykt_06);
    // No article exercise outside the German edition; the plural is on.
    EXPECT_EQ(typy, (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 9}));
    EXPECT_EQ(czcionka_charset, 0);
    EXPECT_TRUE(demo.exists("1/p.b"));
    EXPECT_TRUE(demo.exists("1/ustaw_tcs_40.txt"));
}

} // namespace
