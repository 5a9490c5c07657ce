// The repetition windows on the demo edition: "Powtórki" with the count due
// today, the choice of how many and the start of a repetition run, and the
// overview of the days ahead and of the bin with its record actions.
#include <gtest/gtest.h>

#include <memory>

#include "core/text.h"
#include "platform/os/codepage.h"
#include "trainer/closing_fixture.h"
#include "trainer/form11.h"
#include "trainer/form21.h"
#include "trainer/windows.h"
#include "trainer_logic/repetition_lists.h"

namespace {

using namespace testsupport;

std::string utf8(const std::string& s) {
    return os::cp1250_to_utf8(s);
}

class Powtorki : public ClosingFixture {
  protected:
    explicit Powtorki(const std::string& edition = "") : ClosingFixture(edition) {}
    // Records for the items 1..n: `due` of them due today, then `kosz` in the
    // bin, the rest due in 1, 2, 3 ... days.
    void rekordy(int n, int due, int kosz) {
        ASSERT_GE(baza.ile_slow, n);
        for (int i = 1; i <= n; ++i) {
            TPowtorka& r = tab_powtorek[i];
            r = {};
            r.id = baza.id_slowa[i];
            r.data_pierwsza = DZIS_TESTU - 40;
            r.ile_powtorzen = 2;
            r.wspolczynnik = 1.5;
            r.interwal = 4;
            r.data_ostatnia = i <= due ? DZIS_TESTU - 4 - i % 3 : DZIS_TESTU - 4 + (i - due);
            r.kosz = i > due && i <= due + kosz ? 1 : 0;
        }
        ile_powtorek = n;
    }
    std::vector<std::string> wiersze(ui::ListBox& l) {
        std::vector<std::string> w;
        for (int r = 0; r < l.Items().Count(); ++r)
            w.push_back(utf8(l.Items()[r]));
        return w;
    }
};

TEST_F(Powtorki, StartCountsTheDueItemsAndStartsARunOfTheChosenSize) {
    rekordy(50, 45, 3);
    TForm11 okno;
    TForm8 form8;
    Form8 = &form8;
    bool typy_pokazane = false;
    run_modal(okno, [&](ui::Window&) {
        EXPECT_EQ(utf8(okno.Label1.Caption()), "Powtórki na dzień: " + os::format_date(DZIS_TESTU));
        EXPECT_EQ(utf8(okno.L_Ile.Caption()), "Do powtórzenia: 45 słówek.");
        ASSERT_TRUE(okno.CB_Ile_teraz.Visible());
        EXPECT_TRUE(okno.L_Ile_teraz.Visible());
        EXPECT_EQ(okno.CB_Ile_teraz.Items().ToVector(),
                  (std::vector<std::string>{"10", "20", "40", "45"}));
        EXPECT_EQ(okno.CB_Ile_teraz.Text(), "20");
        EXPECT_TRUE(okno.B_OK.Visible());
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/repetition_start.png"));

        ui::set_next_modal_hook([&](ui::Window& w) {
            typy_pokazane = &w == Form8;
            EXPECT_EQ(tryb_lekcji, 0);
            EXPECT_EQ(ile_w_liscie, 20);
            EXPECT_EQ(lista_cwiczenia[1], 1);
            EXPECT_EQ(lista_cwiczenia[20], 20);
            EXPECT_FALSE(form8.CB_Bez_powtorki.Visible());
            key_click(&w, Qt::Key_Escape);
        });
        key_click(&okno, Qt::Key_Return);
        key_click(&okno, Qt::Key_Escape);
    });
    Form8 = nullptr;
    EXPECT_TRUE(typy_pokazane);
    // Closing saved the store: every record in use, the bin's too.
    EXPECT_EQ(TempDir::read_from(user("p.b")).size(), 50u * ROZMIAR_POWTORKI);
}

TEST_F(Powtorki, NothingDueOffersNoStart) {
    rekordy(5, 0, 1);
    tryb_lekcji = 1;
    TForm11 okno;
    run_modal(okno, [&](ui::Window&) {
        EXPECT_EQ(utf8(okno.L_Ile.Caption()), "Do powtórzenia: 0 słówek.");
        EXPECT_FALSE(okno.B_OK.Visible());
        EXPECT_FALSE(okno.CB_Ile_teraz.Visible());
        EXPECT_FALSE(okno.L_Ile_teraz.Visible());
        key_click(&okno, Qt::Key_Return); // no start
        okno.close();
    });
    EXPECT_EQ(tryb_lekcji, 1) << "no run was started";
}

TEST_F(Powtorki, OverviewListsTheDaysAndTheBinAndActsOnTheBin) {
    rekordy(12, 4, 3);
    tab_powtorek[6].ile_powtorzen = 5;
    flagi_powtorek[6][3] = true;
    TForm21 okno;
    run_modal(okno, [&](ui::Window&) {
        std::vector<std::string> dni = {os::format_date(DZIS_TESTU) + " - 4"};
        for (int d = 4; d <= 8; ++d)
            dni.push_back(os::format_date(DZIS_TESTU + d) + " - 1");
        EXPECT_EQ(wiersze(okno.ListBox2), dni);
        EXPECT_EQ(utf8(okno.L_Ile_pow_all2.Caption()),
                  "Uczysz się od " + os::format_date(DZIS_TESTU - 40) +
                      ", 12 słówek i zdań (3 w koszu)");
        EXPECT_TRUE(okno.K_Kasuj_pow.Visible());
        wait_ms(20);
        ui::grab_to_png(okno, output_path("trainer/repetition_overview.png"));

        okno.CB_Filtr.SetItemIndex(1);
        okno.CB_FiltrChange();
        const std::vector<std::string> kosz = wiersze(okno.ListBox2);
        ASSERT_EQ(kosz.size(), 3u);
        EXPECT_EQ(kosz[0], "00005 - " + os::format_date(DZIS_TESTU - 3) + " - " +
                               utf8(baza.slowo_obce[5]));
        EXPECT_EQ(okno.L_Ile_pow_all.Caption(), "3");
        EXPECT_FALSE(okno.K_Kasuj_pow.Visible());
        EXPECT_FALSE(okno.K_Zeruj.Visible());

        // Back to learning.
        okno.ListBox2.SetItemIndex(0);
        okno.ListBox2Click();
        EXPECT_TRUE(okno.K_Zeruj.Visible());
        EXPECT_TRUE(okno.K_Do_Nauki.Visible());
        EXPECT_FALSE(okno.K_Do_Kosza.Visible());
        click(&okno.K_Do_Nauki);
        EXPECT_EQ(tab_powtorek[5].kosz, 0);
        EXPECT_EQ(okno.ListBox2.Items().Count(), 2);

        // Out of repetition: nothing of the record stays, the bin byte included.
        okno.ListBox2.SetItemIndex(0);
        okno.ListBox2Click();
        click(&okno.K_Zeruj);
        EXPECT_EQ(tab_powtorek[6].id, 0);
        EXPECT_EQ(tab_powtorek[6].kosz, 0);
        EXPECT_EQ(tab_powtorek[6].ile_powtorzen, 0);
        EXPECT_FALSE(flagi_powtorek[6][3]);
        EXPECT_EQ(okno.ListBox2.Items().Count(), 1);
        key_click(&okno, Qt::Key_Escape);
    });
}

class FrancuskiePowtorki : public Powtorki {
  protected:
    FrancuskiePowtorki() : Powtorki("fr") {}
};

TEST_F(FrancuskiePowtorki, TheBinShowsTheFrenchTextInItsOwnSet) {
    rekordy(12, 4, 3);
    ASSERT_EQ(baza.slowo_obce[6], os::utf8_to_cp1252("la fenêtre"));
    TForm21 okno;
    run_modal(okno, [&](ui::Window&) {
        okno.CB_Filtr.SetItemIndex(1);
        okno.CB_FiltrChange();
        ASSERT_EQ(okno.ListBox2.Items().Count(), 3);
        EXPECT_EQ(okno.ListBox2.item(1)->text().toStdString(),
                  "00006 - " + os::format_date(DZIS_TESTU - 2) + " - la fenêtre");
        // The row still gives its item back.
        okno.ListBox2.SetItemIndex(1);
        okno.ListBox2Click();
        click(&okno.K_Do_Nauki);
        EXPECT_EQ(tab_powtorek[6].kosz, 0);
        key_click(&okno, Qt::Key_Escape);
    });
}

TEST_F(Powtorki, ClearingEveryRepetitionAsksFirst) {
    rekordy(8, 2, 2);
    TForm21 okno;
    for (bool tak : {false, true}) {
        run_modal(okno, [&](ui::Window&) {
            odpowiedz(tak);
            click(&okno.K_Kasuj_pow);
            okno.close();
        });
        int w_uzyciu = 0;
        for (int i = 1; i <= 8; ++i)
            w_uzyciu += tab_powtorek[i].id > 0 || tab_powtorek[i].kosz != 0;
        EXPECT_EQ(w_uzyciu, tak ? 0 : 8);
    }
}

} // namespace
