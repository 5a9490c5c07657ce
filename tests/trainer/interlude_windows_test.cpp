// The interlude windows on the demo edition: the saying, the full-screen
// picture and the matching game, and the rotation showing them in turn.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <memory>
#include <string>
#include <vector>

#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/random.h"
#include "platform_ui/qt_app.h"
#include "shared/form5.h"
#include "trainer/demo_edition.h"
#include "trainer/form16.h"
#include "trainer/form17.h"
#include "trainer/form18.h"
#include "trainer/interlude_profile.h"
#include "trainer/przerywnik.h"
#include "trainer/windows.h"
#include "trainer_logic/interludes.h"

namespace {

using namespace testsupport;

bool konczy_sie(const std::string& s, const std::string& koniec) {
    return s.size() >= koniec.size() &&
           s.compare(s.size() - koniec.size(), koniec.size(), koniec) == 0;
}

class InterludeWindows : public QtFixture {
  protected:
    explicit InterludeWindows(const std::string& wydanie = "") : demo(wydanie) {}
    void SetUp() override {
        start_programu();
        wczytaj_dane();
        wczytaj_przerywniki();
        wyczysc_stan_przerywnikow();
        core::ui().play_wav = [this](const std::string& p, bool) { grane.push_back(p); };
        core::ui().info = [this](const std::string& t) { komunikaty.push_back(t); };
        form5 = std::make_unique<TForm5>();
        f16 = std::make_unique<TForm16>();
        f17 = std::make_unique<TForm17>();
        f18 = std::make_unique<TForm18>();
        Form16 = f16.get();
        Form17 = f17.get();
        Form18 = f18.get();
    }
    void TearDown() override {
        Form16 = nullptr;
        Form17 = nullptr;
        Form18 = nullptr;
        wyczysc_stan_przerywnikow();
    }
    static void pokaz_wiersz(int zestaw, int wiersz) {
        stan_przerywnikow.zestaw = zestaw;
        stan_przerywnikow.biezacy_wiersz = wiersz;
    }

    DemoEdition demo;
    std::vector<std::string> grane;
    std::vector<std::string> komunikaty;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm16> f16;
    std::unique_ptr<TForm17> f17;
    std::unique_ptr<TForm18> f18;
};

TEST_F(InterludeWindows, TheSayingShowsItsRowWithTheTranslationBehindAButton) {
    ASSERT_EQ(przerywniki[1].rodzaj, PRZ_SENTENCJE);
    pokaz_wiersz(1, 2);
    run_modal(*f18, [&](ui::Window&) {
        EXPECT_EQ(f18->L_Ang.Caption(), "Practice makes perfect.");
        EXPECT_EQ(f18->L_Opis.Caption(), przerywniki[1].opis[2]);
        EXPECT_EQ(f18->L_Pol.Caption(), os::pl("Praktyka czyni mistrza."));
        EXPECT_EQ(f18->L_Ang.GetFont().charset, czcionka_charset);
        EXPECT_FALSE(f18->L_Pol.Visible());
        EXPECT_TRUE(f18->K_Tlum.Visible());
        EXPECT_TRUE(f18->K_Graj.Visible());
        // The window's sound, then the saying, neither waited for.
        ASSERT_EQ(grane.size(), 2u);
        EXPECT_TRUE(konczy_sie(grane[0], "/b2.wav")) << grane[0];
        EXPECT_TRUE(konczy_sie(grane[1], "/bssent/d_roz.cdr/prz02.wav")) << grane[1];

        click(&f18->K_Tlum);
        EXPECT_TRUE(f18->L_Pol.Visible());
        EXPECT_FALSE(f18->K_Tlum.Visible());
        click(&f18->K_Graj);
        ASSERT_EQ(grane.size(), 3u);
        EXPECT_EQ(grane[2], grane[1]);
        ui::grab_to_png(*f18, output_path("trainer/interlude_saying.png"));
        key_click(f18.get(), Qt::Key_Escape);
    });
    EXPECT_FALSE(f18->isVisible());
}

TEST_F(InterludeWindows, TheSayingClosesEveryWayAndHidesWhatItsRowLacks) {
    przerywniki[1].tlumaczenie[3].clear();
    przerywniki[1].nagranie[3].clear();
    const std::vector<std::function<void()>> zamkniecia = {
        [&] { key_click(f18.get(), Qt::Key_Escape); },
        [&] { key_click(f18.get(), Qt::Key_Return); },
        [&] { click(&f18->L_Koniec); },
    };
    for (size_t n = 0; n < zamkniecia.size(); ++n) {
        SCOPED_TRACE(n);
        pokaz_wiersz(1, 3);
        grane.clear();
        run_modal(*f18, [&](ui::Window&) {
            EXPECT_FALSE(f18->K_Tlum.Visible());
            EXPECT_FALSE(f18->K_Graj.Visible());
            EXPECT_FALSE(f18->L_Pol.Visible());
            EXPECT_EQ(grane.size(), 1u); // only the window's sound
            zamkniecia[n]();
        });
        EXPECT_FALSE(f18->isVisible());
    }
    // A row past the set's end shows its last row.
    pokaz_wiersz(1, 99);
    run_modal(*f18, [&](ui::Window& w) {
        EXPECT_EQ(f18->L_Ang.Caption(), przerywniki[1].sentencja[przerywniki[1].ile]);
        w.close();
    });
}

TEST_F(InterludeWindows, APictureFillsTheScreenScaledAndCentredWithItsCaptionAtTheFoot) {
    // Set 5 row 5 is the tall tree (600 x 900).
    ASSERT_EQ(przerywniki[5].kod[5], "z22105");
    pokaz_wiersz(5, 5);
    const QRect ekran = QGuiApplication::primaryScreen()->geometry();
    run_modal(*f16, [&](ui::Window&) {
        EXPECT_EQ(f16->geometry(), ekran);
        EXPECT_TRUE(konczy_sie(f16->plik(), "z2\\21\\2105.jpg")) << f16->plik();
        ASSERT_TRUE(f16->Image2.Visible());
        const TMiejsce m = miejsce_obrazka(600, 900, ekran.width(), ekran.height());
        EXPECT_EQ(f16->Image2.geometry(), QRect(m.left, m.top, m.width, m.height));
        EXPECT_LT(m.height, 900);
        EXPECT_EQ(f16->L_Opis.Caption(), os::pl("A tree in spring - drzewo wiosną"));
        EXPECT_EQ(f16->L_Opis.Top(), ekran.height() - 18);
        ASSERT_EQ(grane.size(), 1u);
        EXPECT_TRUE(konczy_sie(grane[0], "/b2.wav"));
        ui::grab_to_png(*f16, output_path("trainer/interlude_picture.png"));
        click(&f16->Image2);
    });
    EXPECT_FALSE(f16->isVisible());
}

class GermanInterludeWindows : public InterludeWindows {
  protected:
    GermanInterludeWindows() : InterludeWindows("de") {}
};

// The German edition's first picture: the built disc's house, lettered
// "Haus" as the course writes the noun.
TEST_F(GermanInterludeWindows, APictureOfTheGermanDisc) {
    int zestaw = 0;
    for (int z = 1; z <= MAX_PRZERYWNIKOW && zestaw == 0; ++z)
        if (przerywniki[z].kod.size() > 1 && przerywniki[z].kod[1] == "z21101") zestaw = z;
    ASSERT_NE(zestaw, 0);
    pokaz_wiersz(zestaw, 1);
    run_modal(*f16, [&](ui::Window&) {
        EXPECT_TRUE(konczy_sie(f16->plik(), "z2\\11\\1101.jpg")) << f16->plik();
        ASSERT_TRUE(f16->Image2.Visible());
        EXPECT_EQ(f16->Image2.Picture().size(), QSize(640, 480));
        EXPECT_EQ(os::cp1250_to_utf8(f16->L_Opis.Caption()), "Ein Haus mit Garten - dom z ogrodem");
        wait_ms(20);
        ui::grab_to_png(*f16, output_path("trainer/edition_de_picture_interlude.png"));
        click(&f16->Image2);
    });
}

TEST_F(InterludeWindows, APictureThatIsMissingShortOrDamagedLeavesTheCaption) {
    demo.dir.write("disc/bsslow3/z2/21/2103.jpg", "\xFF\xD8 not a picture");
    const struct {
        const char* nazwa;
        const char* kod;
        bool komunikat;
    } table[] = {
        {"missing", "z29999", false},
        {"code too short", "z2", false},
        {"damaged", "z22103", true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.nazwa);
        przerywniki[5].kod[1] = row.kod;
        pokaz_wiersz(5, 1);
        komunikaty.clear();
        grane.clear();
        run_modal(*f16, [&](ui::Window&) {
            wait_ms(30);
            EXPECT_FALSE(f16->Image2.Visible());
            EXPECT_EQ(f16->L_Opis.Caption(), przerywniki[5].opis[1]);
            EXPECT_EQ(grane.size(), 1u);
            key_click(f16.get(), Qt::Key_Return);
        });
        ASSERT_EQ(komunikaty.size(), row.komunikat ? 1u : 0u);
        if (row.komunikat) {
            EXPECT_EQ(komunikaty[0].rfind("JPEG error #", 0), 0u) << komunikaty[0];
        }
    }
}

TEST_F(InterludeWindows, TheMatchingGamePairsFlashesChecksAndPlaysWhenDone) {
    zaplanuj_slowa(150);
    os::set_rand_seed(4);
    TSlowaKojarzenia slowa;
    ASSERT_TRUE(wybierz_slowa_kojarzenia(slowa));
    f17->nowa_gra(slowa);
    EXPECT_EQ(f17->HelpPage().value_or(""), "h_10_slow.html#cws_pary");
    // Clicks that put row r's own Polish text into row r.
    auto dopasuj = [&](int r) {
        for (int j = 1; j <= SLOW_KOJARZENIA; ++j)
            if (f17->LR[j]->Caption() == slowa.polskie[r] && j != r) {
                f17->LR[j]->Click();
                f17->LL[r]->Click();
                return;
            }
    };
    run_modal(*f17, [&](ui::Window&) {
        for (int i = 1; i <= SLOW_KOJARZENIA; ++i) {
            EXPECT_EQ(f17->LL[i]->Caption(), slowa.obce[i]);
            EXPECT_EQ(f17->LR[i]->Caption(), slowa.polskie_wymieszane[i]);
            EXPECT_EQ(f17->LL[i]->GetFont().charset, 0);
            EXPECT_EQ(f17->LR[i]->GetFont().charset, 238);
        }
        EXPECT_EQ(f17->L_Wynik.Caption(), "0 %");
        EXPECT_TRUE(konczy_sie(grane.at(0), "/b2.wav"));

        // A picked word is underlined; pairing flashes its row navy for a while.
        f17->LL[2]->Click();
        EXPECT_TRUE(f17->LL[2]->GetFont().underline);
        for (int j = 1; j <= SLOW_KOJARZENIA; ++j)
            if (f17->LR[j]->Caption() == slowa.polskie[2]) {
                f17->LR[j]->Click();
                break;
            }
        EXPECT_FALSE(f17->LL[2]->GetFont().underline);
        EXPECT_EQ(f17->LR[2]->Caption(), slowa.polskie[2]);
        EXPECT_EQ(f17->LL[2]->GetFont().color & 0xFFFFFF, 0x000080u);
        EXPECT_EQ(f17->LR[2]->GetFont().color & 0xFFFFFF, 0x000080u);
        EXPECT_TRUE(f17->Timer1.Enabled());
        f17->Timer1.tick();
        EXPECT_FALSE(f17->Timer1.Enabled());
        EXPECT_EQ(f17->LL[2]->GetFont().color & 0xFFFFFF, 0u);

        for (int r = 1; r <= 6; ++r)
            dopasuj(r);
        f17->K_Sprawdz.Click();
        int dobrze = 0;
        for (int i = 1; i <= SLOW_KOJARZENIA; ++i)
            dobrze += f17->plansza().dobrze(i) ? 1 : 0;
        EXPECT_GE(dobrze, 6);
        EXPECT_EQ(f17->L_Wynik.Caption(), std::to_string(10 * dobrze) + " %");
        for (int i = 1; i <= SLOW_KOJARZENIA; ++i)
            EXPECT_EQ(f17->LL[i]->GetFont().color & 0xFFFFFF,
                      f17->plansza().dobrze(i) ? 0x000080u : 0u);
        EXPECT_EQ(f17->K_Sprawdz.Visible(), dobrze < 10);
        ui::grab_to_png(*f17, output_path("trainer/interlude_matching.png"));

        for (int r = 7; r <= SLOW_KOJARZENIA; ++r)
            dopasuj(r);
        f17->K_Sprawdz.Click();
        EXPECT_EQ(f17->L_Wynik.Caption(), "100 %");
        EXPECT_FALSE(f17->K_Sprawdz.Visible());
        EXPECT_TRUE(konczy_sie(grane.back(), "/b_ok.wav"));
        // Done: a word plays its recording and no longer pairs.
        f17->LL[3]->Click();
        EXPECT_EQ(grane.back(), os::resolve(slowa.nagrania[3]));
        f17->LR[5]->Click();
        f17->LR[6]->Click();
        EXPECT_EQ(f17->LR[5]->Caption(), slowa.polskie[5]);
        key_click(f17.get(), Qt::Key_Escape);
    });
    EXPECT_FALSE(f17->isVisible());
}

// A run of the rotation over the demo's seven sets, every set enabled: each
// shows in turn, the matching game only with enough scheduled words.
TEST_F(InterludeWindows, TheRotationShowsTheDemoSetsInTurn) {
    std::vector<ui::Window*> pokazane;
    auto pokazuj = [&](int ile) {
        for (int n = 0; n < ile; ++n) {
            ui::set_next_modal_hook([&](ui::Window& w) {
                pokazane.push_back(&w);
                w.close();
            });
            Przerywnik();
            ui::set_next_modal_hook(nullptr);
        }
    };
    pokazuj(3);
    // Without scheduled words set 3 (matching) passes the turn to set 4.
    EXPECT_EQ(pokazane, (std::vector<ui::Window*>{f18.get(), f16.get(), f18.get()}));
    EXPECT_EQ(stan_przerywnikow.zestaw, 4);

    zaplanuj_slowa(150);
    pokazane.clear();
    ustawienia.odliczanie_przerywnikow.fill(0);
    stan_przerywnikow.zestaw = 2;
    pokazuj(1);
    EXPECT_EQ(pokazane, (std::vector<ui::Window*>{f17.get()}));
    EXPECT_EQ(ustawienia.wiersz_przerywnika(1), 1);
    EXPECT_EQ(ustawienia.wiersz_przerywnika(2), 1);
}

} // namespace
