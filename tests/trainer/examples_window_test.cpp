// The examples window on the demo edition: 100 examples as the exercise
// window sends them, scrolled by buttons and keys, played by click and Space.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/items.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform_ui/qt_app.h"
#include "shared/form5.h"
#include "shared/examples_source.h"
#include "shared/informacja.h"
#include "trainer/demo_edition.h"

namespace {

using namespace testsupport;
using przyklady::Punkt;

class ExamplesWindow : public QtFixture {
  protected:
    // `edition`: "" the English demo, "fr" the French one.
    explicit ExamplesWindow(const std::string& edition = "") : demo(edition) {}
    void SetUp() override {
        start_programu();
        wczytaj_dane();
        core::ui().play_wav = [this](const std::string& p, bool) { grane.push_back(p); };
        form5 = std::make_unique<TForm5>();
        okno = std::make_unique<TInformacjaForm>();
    }

    // n examples over the store's sentences, each with its sound sign, as
    // the exercise window builds them.
    static std::string przyklady(int n) {
        std::string t;
        for (int k = 0; k < n; ++k) {
            const int i = baza.ile_slowek + 1 + k % (baza.ile_slow - baza.ile_slowek);
            t += "#S=" + liczba_z_zerami(5, i) + "# " + baza.slowo_obce[i] + " <(" +
                 baza.tlumaczenie[i] + ")>@";
        }
        return formatuj_tekst(t);
    }
    // The item index a sound spot plays.
    int pozycja(const Punkt& p) { return okno->tekst().tokeny()[p.token].pozycja; }
    QPoint srodek(const Punkt& p) { return {p.x + 8, p.y + 8}; }

    DemoEdition demo;
    std::vector<std::string> grane;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TInformacjaForm> okno;
};

TEST_F(ExamplesWindow, AHundredExamplesScrollByButtonsAndKeys) {
    okno->Label1.SetCaption(przyklady(100));
    run_modal(*okno, [&](ui::Window&) {
        auto& t = okno->tekst();
        EXPECT_EQ(t.uklad().punkty.size(), 100u);
        EXPECT_FALSE(okno->btn_up.Visible());
        EXPECT_TRUE(okno->btn_dn.Visible());
        const int max = t.max_przesuniecie();
        EXPECT_GT(max, 85);

        key_click(okno.get(), Qt::Key_Down);
        click(&okno->btn_dn);
        key_click(okno.get(), Qt::Key_Down);
        EXPECT_EQ(t.przesuniecie(), 3);
        EXPECT_TRUE(okno->btn_up.Visible());
        key_click(okno.get(), Qt::Key_Up);
        EXPECT_EQ(t.przesuniecie(), 2);
        key_click(okno.get(), Qt::Key_Down);
        okno->repaint();
        ui::grab_to_png(*okno, output_path("trainer/examples.png"));

        // At the end the down button goes and Down does nothing more.
        while (okno->btn_dn.Visible())
            click(&okno->btn_dn);
        EXPECT_EQ(t.przesuniecie(), max);
        key_click(okno.get(), Qt::Key_Down);
        EXPECT_EQ(t.przesuniecie(), max);
        // Its last line is inside the box, and so is the start of the line
        // the closing "@" opens: the last step counted it.
        EXPECT_LE(t.uklad().ostatnie_y + przyklady::WYSOKOSC_LINII - 1, okno->Pb1.height());
        EXPECT_LT(t.uklad().koniec_y, okno->Pb1.height());
        EXPECT_GE(t.uklad().koniec_y, okno->Pb1.height() - przyklady::WYSOKOSC_LINII);
        okno->repaint();
        ui::grab_to_png(*okno, output_path("trainer/examples_end.png"));
        while (okno->btn_up.Visible())
            key_click(okno.get(), Qt::Key_Up);
        EXPECT_EQ(t.przesuniecie(), 0);
        key_click(okno.get(), Qt::Key_Escape);
    });
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(grane.empty());
}

TEST_F(ExamplesWindow, IconsPlayTheirSentenceByClickAndInTurnBySpace) {
    okno->Label1.SetCaption(przyklady(40));
    run_modal(*okno, [&](ui::Window&) {
        auto& t = okno->tekst();
        const auto punkty = t.uklad().punkty;
        ASSERT_GT(t.uklad().ile_widocznych, 2);

        // The hand over an icon, the arrow elsewhere; a click plays its sentence.
        mouse(&okno->Pb1, QEvent::MouseMove, srodek(punkty[1]), Qt::NoButton);
        EXPECT_EQ(okno->Pb1.cursor().shape(), Qt::PointingHandCursor);
        click(&okno->Pb1, srodek(punkty[1]));
        ASSERT_EQ(grane.size(), 1u);
        EXPECT_EQ(grane[0], os::resolve(sciezka_nagrania(pozycja(punkty[1]))));
        mouse(&okno->Pb1, QEvent::MouseMove, QPoint(200, srodek(punkty[1]).y()), Qt::NoButton);
        EXPECT_EQ(okno->Pb1.cursor().shape(), Qt::ArrowCursor);
        click(&okno->Pb1, QPoint(200, srodek(punkty[1]).y()));
        EXPECT_EQ(grane.size(), 1u);

        // Space: the first visible icon, the next, ...
        grane.clear();
        for (int n = 0; n < 3; ++n)
            key_click(okno.get(), Qt::Key_Space);
        ASSERT_EQ(grane.size(), 3u);
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(grane[n], os::resolve(sciezka_nagrania(pozycja(punkty[n]))));
        // ... and after a scroll again from the first visible one.
        key_click(okno.get(), Qt::Key_Down);
        grane.clear();
        key_click(okno.get(), Qt::Key_Space);
        const auto& teraz = t.uklad();
        ASSERT_EQ(grane.size(), 1u);
        EXPECT_EQ(grane[0],
                  os::resolve(sciezka_nagrania(pozycja(teraz.punkty[teraz.pierwszy_widoczny]))));
        key_click(okno.get(), Qt::Key_Return);
    });
    EXPECT_FALSE(okno->isVisible());
}

class FrenchExamplesWindow : public ExamplesWindow {
  protected:
    FrenchExamplesWindow() : ExamplesWindow("fr") {}
};

TEST_F(FrenchExamplesWindow, TheSentenceInTheWesternSetItsTranslationInThePolishOne) {
    std::vector<int> zdania;
    for (int i = baza.ile_slowek + 1; i <= baza.ile_slow; ++i)
        if (baza.slowo_obce[i].find('\xEA') != std::string::npos) zdania.push_back(i);
    ASSERT_FALSE(zdania.empty()) << "a sentence with \"ê\"";
    okno->Label1.SetCaption(tekst_przykladow(zdania, POKAZANYCH_PRZYKLADOW));
    run_modal(*okno, [&](ui::Window&) {
        // The words as shown, by their sets.
        std::string obce, polskie;
        for (const przyklady::Token& t : okno->tekst().tokeny())
            if (t.rodzaj == przyklady::Rodzaj::slowo)
                (t.charset == 0 ? obce : polskie) += os::to_utf8(t.tekst, t.charset) + " ";
        EXPECT_EQ(obce.rfind("Ferme la fenêtre , s'il te plaît. ", 0), 0u) << obce;
        EXPECT_EQ(polskie.rfind("(okno) ", 0), 0u) << polskie;
        okno->repaint();
        ui::grab_to_png(*okno, output_path("trainer/edition_fr_examples.png"));
        key_click(okno.get(), Qt::Key_Escape);
    });
}

TEST_F(ExamplesWindow, SignsWithoutAnItemOfTheStorePlayNothing) {
    okno->Label1.SetCaption("#S=99999# beyond @#S=12# short @#N=1# sign");
    run_modal(*okno, [&](ui::Window& w) {
        const auto punkty = okno->tekst().uklad().punkty;
        ASSERT_EQ(punkty.size(), 3u);
        for (const Punkt& p : punkty) {
            click(&okno->Pb1, srodek(p));
            EXPECT_GE(okno->tekst().goracy(), 0);
        }
        for (int n = 0; n < 3; ++n)
            key_click(okno.get(), Qt::Key_Space);
        w.close();
    });
    EXPECT_TRUE(grane.empty());
}

TEST_F(ExamplesWindow, TheDictionarysWindowTakesOnlyEscAndEnter) {
    TInformacjaForm slownika(true);
    slownika.Label1.SetCaption(przyklady(40));
    for (int klawisz : {Qt::Key_Escape, Qt::Key_Return}) {
        run_modal(slownika, [&](ui::Window&) {
            for (int k : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Down})
                key_click(&slownika, k);
            EXPECT_EQ(slownika.tekst().przesuniecie(), 0);
            EXPECT_TRUE(grane.empty());
            // Its buttons and the icons work as in the trainer.
            click(&slownika.btn_dn);
            EXPECT_EQ(slownika.tekst().przesuniecie(), 1);
            key_click(&slownika, klawisz);
        });
        EXPECT_FALSE(slownika.isVisible());
    }
}

} // namespace
