// The small windows of a run's end on the demo edition: the word list with
// the bin, the clipboard and printing; the per-item type flags; the
// statistics box; the answer pop-up; the comment window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/ui/clipboard.h"
#include "trainer/closing_fixture.h"
#include "trainer/form25.h"
#include "trainer/form27.h"
#include "trainer/form30.h"
#include "trainer/form31.h"
#include "trainer/form6.h"
#include "trainer_logic/word_list.h"

namespace {

using namespace testsupport;

std::string utf8(const std::string& s) {
    return os::cp1250_to_utf8(s);
}

class ListaSlowekOkno : public ClosingFixture {
  protected:
    ListaSlowekOkno() {
        dom = item("house");
        flat = item("flat");
        room = item("room");
        sesja.plan.ile_w_planie = 3;
        sesja.plan.pozycje_planu[1] = dom;
        sesja.plan.pozycje_planu[2] = flat;
        sesja.plan.pozycje_planu[3] = room;
        sesja.plan.plan_cwiczenia[1].typ[6].proby = 1;
        sesja.plan.plan_cwiczenia[3].typ[2].proby = 2;
        for (int i : {dom, room}) {
            tab_powtorek[i].id = baza.id_slowa[i];
            tab_powtorek[i].ile_powtorzen = 3;
            tab_powtorek[i].interwal = 12;
        }
        tab_powtorek[room].kosz = 1;
    }
    int dom = 0, flat = 0, room = 0;
    TForm31 okno;
};

TEST_F(ListaSlowekOkno, ListsThePractisedItemsAndMovesThemInAndOutOfTheBin) {
    TPowtorka przed = tab_powtorek[dom];
    run_modal(okno, [&](ui::Window&) {
        ASSERT_EQ(okno.ListBox1.Items().Count(), 2);
        EXPECT_EQ(utf8(okno.ListBox1.Items()[0]), "house - dom ");
        EXPECT_EQ(utf8(okno.ListBox1.Items()[1]), "room - pokój (kosz) ");
        EXPECT_FALSE(okno.K_Do_Kosza.Visible());
        EXPECT_FALSE(okno.K_Przywroc.Visible());

        okno.ListBox1.SetItemIndex(0);
        okno.ListBox1Click();
        EXPECT_EQ(utf8(okno.Label2.Caption()), "Powtórka nr: 3, interwał: 12");
        EXPECT_TRUE(okno.K_Do_Kosza.Visible());
        EXPECT_FALSE(okno.K_Przywroc.Visible());
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/word_list.png"));

        click(&okno.K_Do_Kosza);
        EXPECT_EQ(tab_powtorek[dom].kosz, 1);
        EXPECT_EQ(utf8(okno.ListBox1.Items()[0]), "house - dom (kosz) ");
        EXPECT_TRUE(okno.K_Przywroc.Visible());
        click(&okno.K_Przywroc);
        key_click(&okno, Qt::Key_Escape);
    });
    unsigned char a[ROZMIAR_POWTORKI], b[ROZMIAR_POWTORKI];
    przed.encode(a);
    tab_powtorek[dom].encode(b);
    EXPECT_EQ(std::memcmp(a, b, ROZMIAR_POWTORKI), 0) << "binned and restored: as before";
}

TEST_F(ListaSlowekOkno, CopiesAndPrintsToAPdfWhenThereIsNoPrinter) {
    const std::string pdf = TForm31::plik_wydruku();
    run_modal(okno, [&](ui::Window&) {
        click(&okno.K_do_schowka);
        const std::string schowek = ui::clipboard_text();
        EXPECT_NE(schowek.find("\r\nhouse = dom\r\nroom = "), std::string::npos) << utf8(schowek);
        click(&okno.K_wydruk);
        okno.close();
    });
    ASSERT_EQ(demo.messages.size(), 2u);
    EXPECT_EQ(demo.messages[0], "Skopiowano do schowka.");
    EXPECT_NE(utf8(demo.messages[1]).find("zapisano w pliku " + pdf), std::string::npos)
        << utf8(demo.messages[1]);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(TempDir::read_from(pdf).substr(0, 5), "%PDF-");
}

// The French edition: in the list, on the clipboard and on paper the
// foreign texts are in the western set and the Polish ones in the Polish set.
class FrancuskaListaSlowek : public ClosingFixture {
  protected:
    FrancuskaListaSlowek() : ClosingFixture("fr") {
        sesja.plan.ile_w_planie = 2;
        sesja.plan.pozycje_planu[1] = item(os::utf8_to_cp1252("la fenêtre"));
        sesja.plan.pozycje_planu[2] = item("la table");
        sesja.plan.plan_cwiczenia[1].typ[6].proby = 1;
        sesja.plan.plan_cwiczenia[2].typ[6].proby = 1;
    }
    TForm31 okno;
};

// The text of a PDF as pdftotext reads it; nullopt without pdftotext.
std::optional<std::string> tekst_pdf(const std::string& pdf) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) return std::nullopt;
    const std::string txt = pdf + ".txt";
    if (std::system(("pdftotext -enc UTF-8 '" + pdf + "' '" + txt + "'").c_str()) != 0)
        return std::string();
    return TempDir::read_from(txt);
}

TEST_F(FrancuskaListaSlowek, ShowsCopiesAndPrintsEachTextInItsOwnSet) {
    const std::string pdf = TForm31::plik_wydruku();
    run_modal(okno, [&](ui::Window&) {
        ASSERT_EQ(okno.ListBox1.Items().Count(), 2);
        EXPECT_EQ(okno.ListBox1.item(0)->text().toStdString(), "la fenêtre - okno ");
        EXPECT_EQ(okno.ListBox1.item(1)->text().toStdString(), "la table - stół ");
        okno.ListBox1.SetItemIndex(0);
        okno.ListBox1Click();
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/edition_fr_word_list.png"));
        click(&okno.K_do_schowka);
        const std::string schowek = QGuiApplication::clipboard()->text().toStdString();
        EXPECT_NE(schowek.find("\nla fenêtre = okno\r\nla table = stół\r\n"), std::string::npos)
            << schowek;
        click(&okno.K_wydruk);
        okno.close();
    });
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::optional<std::string> tekst = tekst_pdf(pdf);
    if (!tekst) GTEST_SKIP() << "no pdftotext to read the print back";
    EXPECT_NE(tekst->find("la fenêtre = okno"), std::string::npos) << *tekst;
    EXPECT_NE(tekst->find("la table = stół"), std::string::npos) << *tekst;
}

TEST_F(ListaSlowekOkno, APrintThatCannotBeWrittenSaysSo) {
    // A folder where the PDF should go: nothing can replace it.
    std::filesystem::create_directories(TForm31::plik_wydruku());
    run_modal(okno, [&](ui::Window&) {
        click(&okno.K_wydruk);
        okno.close();
    });
    ASSERT_EQ(demo.messages.size(), 1u);
    EXPECT_EQ(utf8(demo.messages[0]).rfind("Słówek/zdań nie wydrukowano", 0), 0u)
        << utf8(demo.messages[0]);
}

TEST_F(ListaSlowekOkno, ARunWithNothingPractisedClosesTheListAtOnce) {
    for (int k = 1; k <= 3; ++k)
        sesja.plan.plan_cwiczenia[k] = {};
    QTimer straz;
    QObject::connect(&straz, &QTimer::timeout, [&] { okno.close(); });
    straz.start(watchdog_ms);
    okno.show_modal();
    EXPECT_TRUE(straz.isActive()) << "closed by itself, not by the watchdog";
    EXPECT_TRUE(okno.pozycje().empty());
    EXPECT_FALSE(okno.isVisible());
}

TEST_F(ClosingFixture, FlagsWindowStoresTheTicksOnOkOnly) {
    TForm30 okno;
    const int dom = item("house");
    okno.slowko = dom;
    flagi_powtorek[dom][4] = true;
    run_modal(okno, [&](ui::Window&) {
        std::vector<std::string> wiersze;
        for (int r = 0; r < okno.ListBox1.Items().Count(); ++r)
            wiersze.push_back(utf8(okno.ListBox1.Items()[r]));
        // An English word with a plural and a recording: neither the article
        // nor the plural exercise, which are the German edition's.
        ASSERT_EQ(wiersze.size(), 7u);
        EXPECT_EQ(wiersze[0], "1 - " + utf8(nazwa_cwiczenia(1)));
        EXPECT_EQ(wiersze[5], "6 - " + utf8(nazwa_cwiczenia(6)));
        EXPECT_EQ(wiersze[6], "9 - " + utf8(nazwa_cwiczenia(9)));
        EXPECT_TRUE(okno.ListBox1.Checked(3));
        okno.ListBox1.SetChecked(3, false);
        okno.ListBox1.SetChecked(6, true);
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/item_flags.png"));
        key_click(&okno, Qt::Key_Escape);
    });
    EXPECT_TRUE(flagi_powtorek[dom][4]);
    EXPECT_FALSE(flagi_powtorek[dom][9]);
    run_modal(okno, [&](ui::Window&) {
        okno.ListBox1.SetChecked(3, false);
        okno.ListBox1.SetChecked(6, true);
        key_click(&okno, Qt::Key_Return);
    });
    EXPECT_FALSE(flagi_powtorek[dom][4]);
    EXPECT_TRUE(flagi_powtorek[dom][9]);
}

TEST_F(ClosingFixture, FlagsWindowOfTheGermanEditionOffersArticleAndPluralForEveryWord) {
    // A word of the store without a plural, in an edition taken as German.
    int bez = 0;
    for (int i = 1; i <= baza.ile_slowek && !bez; ++i)
        if (baza.l_mnoga[i].empty()) bez = i;
    ASSERT_GT(bez, 0);
    const int jezyk = jezyk_edycji;
    jezyk_edycji = 2;
    TForm30 okno;
    okno.slowko = bez;
    std::vector<int> typy;
    run_modal(okno, [&](ui::Window&) {
        for (int r = 0; r < okno.ListBox1.Items().Count(); ++r)
            typy.push_back(typ_wiersza_flagi(okno.ListBox1.Items()[r]));
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/item_flags_german.png"));
        key_click(&okno, Qt::Key_Escape);
    });
    jezyk_edycji = jezyk;
    std::vector<int> oczekiwane = {1, 2, 3, 4, 5, 6, 7, 8};
    if (!baza.wymowa[bez].empty()) oczekiwane.push_back(9);
    EXPECT_EQ(typy, oczekiwane) << utf8(baza.slowo_obce[bez]);
}

TEST(ListaSlowekWydruk, TheLearnerIsToldWhereTheListWent) {
    using K = ui::PrintResult::Kind;
    const struct {
        ui::PrintResult r;
        std::string komunikat;
    } cases[] = {
        {{K::printer, "Laser_1", ""}, "Słówka/zdania przesłano do drukarki."},
        {{K::pdf, "/home/anna/Słówka/lista_slowek.pdf", ""},
         "Nie znaleziono drukarki. Słówka/zdania zapisano w pliku "
         "/home/anna/Słówka/lista_slowek.pdf."},
        {{K::failed, "Laser_1", "drukarka Laser_1 jest niedostępna"},
         "Słówek/zdań nie wydrukowano: drukarka Laser_1 jest niedostępna."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.komunikat);
        EXPECT_EQ(utf8(TForm31::komunikat_wydruku(c.r)), c.komunikat);
    }
}

TEST_F(ClosingFixture, StatisticsBoxShowsTheFiguresAndOffersTheWayBack) {
    TForm25 okno;
    struct Case {
        TWynikCwiczenia w;
        bool zostalo;
        const char* wynik;
        bool wroc;
    } cases[] = {
        {{7, 2, 12, 8, 1}, true, "Wynik: 50 %", true},
        {{7, 2, 12, 8, 1}, false, "Wynik: 50 %", false}, // nothing left to ask
        {{12, 0, 12, 12, 1}, true, "Wynik: 100 %", false},
        {{0, 0, 0, 0, 1}, true, "Wynik: 0 %", false},
    };
    bool zrzut = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wynik);
        bool wroc_widoczny = false;
        ui::set_next_modal_hook([&](ui::Window&) {
            EXPECT_EQ(utf8(okno.l_Stat1.Caption()), "Poprawnie: " + std::to_string(c.w.poprawne));
            EXPECT_EQ(utf8(okno.L_Stat2.Caption()), "Niepoprawnie: " + std::to_string(c.w.bledne));
            EXPECT_EQ(utf8(okno.L_Stat3.Caption()), c.wynik);
            EXPECT_EQ(utf8(okno.L_stat4.Caption()), "Zrobiono: " + std::to_string(c.w.proby) +
                                                        " przykładów z " +
                                                        std::to_string(c.w.ilosc));
            EXPECT_EQ(okno.Caption(), tytul_edycji);
            wroc_widoczny = okno.K_wroc.Visible();
            if (!zrzut) {
                zrzut = true;
                wait_ms(20);
                ui::grab_to_png(okno, output_path("trainer/run_statistics.png"));
            }
            if (wroc_widoczny)
                click(&okno.K_wroc);
            else
                key_click(&okno, Qt::Key_Return);
        });
        EXPECT_EQ(okno.pokaz(c.w, c.zostalo), c.wroc);
        EXPECT_EQ(wroc_widoczny, c.wroc);
    }
}

TEST_F(ClosingFixture, AnswerPopupClosesWhenItLosesTheFocus) {
    TForm6 okno;
    QWidget inne;
    inne.resize(100, 100);
    inne.show();
    okno.L_Odp.SetCaption("hous");
    run_modal(okno, [&](ui::Window&) {
        activate(okno);
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/answer_popup.png"));
        activate(inne);
        for (int n = 0; n < 200 && okno.isVisible(); ++n)
            wait_ms(5);
        EXPECT_FALSE(okno.isVisible());
    });
}

TEST_F(ClosingFixture, CommentWindowKeepsTheCommentUnlessConfirmed) {
    TForm27 okno;
    tekst_komentarza = "a";
    run_modal(okno, [&](ui::Window&) {
        EXPECT_FALSE(okno.B_OK.Visible()) << "one character: nothing to confirm yet";
        okno.Edit1.SetText("ab=c");
        EXPECT_TRUE(okno.B_OK.Visible());
        key_click(&okno, Qt::Key_Escape);
    });
    EXPECT_EQ(tekst_komentarza, "a");
    run_modal(okno, [&](ui::Window&) {
        okno.Edit1.SetText("ab=c");
        key_click(&okno, Qt::Key_Return);
    });
    EXPECT_EQ(tekst_komentarza, "ab=c");
}

} // namespace
