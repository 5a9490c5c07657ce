// The search options window of both programs: the trainer's keeps its
// options in settings lines 41-44 and stores them on OK only; the
// dictionary's hands its boxes back however it closes.
#include <gtest/gtest.h>

#include <memory>

#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "shared/form23.h"
#include "shared/form5.h"
#include "trainer/demo_edition.h"

namespace {

class SearchOptions : public testsupport::QtFixture {
  protected:
    testsupport::DemoEdition demo{testsupport::linked_folders};
    std::unique_ptr<TForm5> holder;

    SearchOptions() {
        sciezka_programu = demo.program();
        jezyk_edycji = 1;
        holder = std::make_unique<TForm5>();
    }

    // Shows the window, lets `act` work on it and returns the modal result.
    static int show(TForm23& w, const std::function<void(TForm23&)>& act) {
        return testsupport::run_modal(w, [&](ui::Window&) { act(w); });
    }
};

TEST_F(SearchOptions, TrainerTakesTheSettingsAndStoresThemOnOk) {
    TForm23 w;
    struct Case {
        const char* what;
        std::array<int, 4> linie; // 41..44 before
        std::function<void(TForm23&)> zmiana;
        const char* tekst;
        std::array<int, 4> po;
        const char* szukany;
    } cases[] = {
        {"no column: both", {0, 0, 0, 1}, [](TForm23&) {}, "dom", {1, 1, 0, 1}, "dom"},
        {"distinguish case", {1, 0, 1, 1}, [](TForm23& f) { f.CH_Jak_duze.SetChecked(true); },
         " dom ", {1, 0, 1, 0}, "dom"},
        {"label toggles", {1, 1, 0, 0}, [](TForm23& f) { testsupport::click(&f.Label1); }, "x",
         {1, 1, 1, 0}, "x"},
        {"blanks only", {1, 1, 0, 1}, [](TForm23&) {}, "   ", {1, 1, 0, 1}, ""},
    };
    for (const auto& c : cases) {
        for (int k = 0; k < 4; ++k)
            ustawienia.linia[41 + k] = c.linie[k];
        szukany_tekst = "";
        const int r = show(w, [&](TForm23& f) {
            EXPECT_FALSE(f.B_OK.Visible()) << c.what;
            EXPECT_EQ(f.Edit1.Text(), "") << c.what;
            EXPECT_EQ(f.CH_Jak_duze.Checked(), c.linie[3] == 0) << c.what;
            f.Edit1.SetText(c.tekst);
            EXPECT_TRUE(f.B_OK.Visible()) << c.what;
            c.zmiana(f);
            testsupport::key_click(&f, Qt::Key_Return);
        });
        EXPECT_EQ(r, 1) << c.what;
        EXPECT_EQ(szukany_tekst, c.szukany) << c.what;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(ustawienia.linia[41 + k], c.po[k]) << c.what << " line " << 41 + k;
    }

    // Esc: no text, and the settings as they were. The text left by the last
    // search shows, with OK.
    ustawienia.linia[43] = 0;
    szukany_tekst = "stary";
    show(w, [](TForm23& f) {
        EXPECT_EQ(f.Edit1.Text(), "stary");
        EXPECT_TRUE(f.B_OK.Visible());
        f.CH_Jak_cale.SetChecked(true);
        testsupport::key_click(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(szukany_tekst, "");
    EXPECT_EQ(ustawienia.linia[43], 0);
}

TEST_F(SearchOptions, TheLanguagesBoxAndTheFrenchFont) {
    TForm23 w;
    struct Case {
        int jezyk;
        const char* etykieta;
        bool francuska;
    } cases[] = {{1, "Szukaj wśród angielskich", false},
                 {2, "Szukaj wśród niemieckich", false},
                 {3, "Szukaj wśród francuskich", true}};
    for (const auto& c : cases) {
        jezyk_edycji = c.jezyk;
        show(w, [&](TForm23& f) {
            EXPECT_EQ(f.Label3.Caption(), os::pl(c.etykieta));
            EXPECT_EQ(f.CheckBox1.Visible(), c.francuska);
            EXPECT_EQ(f.Label5.Visible(), c.francuska);
            // Ticked from the first showing in the French edition only.
            EXPECT_EQ(f.CheckBox1.Checked(), c.francuska);
            EXPECT_EQ(f.Edit1.GetFont().charset, c.francuska ? 0 : 238);
            f.close();
        });
    }
    w.CheckBox1.SetChecked(true);
    EXPECT_EQ(w.Edit1.GetFont().charset, 0);
    w.CheckBox1.SetChecked(false);
    EXPECT_EQ(w.Edit1.GetFont().charset, 238);
}

TEST_F(SearchOptions, DictionaryTakesItsBoxesBackHoweverItCloses) {
    std::string slowo;
    OpcjeSzukania o{false, false, false, false};
    TForm23 w(slowo, o);
    show(w, [](TForm23& f) {
        EXPECT_TRUE(f.CH_Jak_ang.Checked());
        EXPECT_TRUE(f.CH_Jak_pol.Checked());
        EXPECT_TRUE(f.CH_Jak_duze.Checked());
        f.Edit1.SetText("Haus");
        f.CH_Jak_duze.SetChecked(false);
        testsupport::key_click(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(slowo, "");
    EXPECT_TRUE(o.obce && o.polskie && o.bez_wielkosci);
    EXPECT_FALSE(o.cale);

    show(w, [](TForm23& f) {
        EXPECT_FALSE(f.CH_Jak_duze.Checked());
        f.Edit1.SetText(" Haus ");
        f.CH_Jak_pol.SetChecked(false);
        f.B_OKClick();
    });
    EXPECT_EQ(slowo, "Haus");
    EXPECT_FALSE(o.polskie);
}

TEST_F(SearchOptions, Grab) {
    std::string slowo;
    OpcjeSzukania o;
    TForm23 w(slowo, o);
    jezyk_edycji = 3;
    show(w, [](TForm23& f) {
        f.Edit1.SetText("maison");
        testsupport::wait_ms(50);
        EXPECT_TRUE(ui::grab_to_png(f, testsupport::output_path("dictionary/search_options.png")));
        f.close();
    });
}

} // namespace
