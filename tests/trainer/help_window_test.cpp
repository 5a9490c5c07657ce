// The help window: the way back through the last 50 places, the page each
// request opens (a missing one gives the contents), links, Back and the
// contents button, F1 reaching it, and a grab of every help page.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "core/startup.h"
#include "platform/ui/window.h"
#include "platform_ui/qt_app.h"
#include "shared/form5.h"
#include "shared/forms.h"
#include "trainer/form26.h"
#include "trainer/form28.h"
#include "trainer_logic/help_back_list.h"
#include "htmlview/document.h"
#include "htmlview/gif_image.h"
#include "htmlview/print.h"
#include "platform/os/message.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace {

using namespace testsupport;

TEST(HelpBackList, BackWalksThePlacesAndClosesAtTheFirst) {
    TListaPowrotow l;
    l.start("a", 0);
    l.dalej(10, "b", 0);
    l.dalej(20, "c", 5);
    const MiejscePomocy* m = l.wstecz();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->strona, "b");
    EXPECT_EQ(m->pozycja, 20); // where b's view stood when it was left
    m = l.wstecz();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->strona, "a");
    EXPECT_EQ(m->pozycja, 10);
    EXPECT_EQ(l.wstecz(), nullptr);
}

TEST(HelpBackList, FiftyOnePlacesWrapAndBackNeverCloses) {
    TListaPowrotow l;
    l.start("p0", 0);
    for (int i = 1; i <= 51; ++i) l.dalej(i, "p" + std::to_string(i), 0);
    EXPECT_TRUE(l.zawiniete());
    EXPECT_EQ(l.numer(), 2); // place 52 wrote over the second slot
    std::vector<std::string> seen;
    for (int k = 0; k < 100; ++k) {
        const MiejscePomocy* m = l.wstecz();
        ASSERT_NE(m, nullptr) << k;
        seen.push_back(m->strona);
    }
    EXPECT_EQ(seen[0], "p50");
    EXPECT_EQ(seen[1], "p49"); // back from the first slot goes round to the last
    EXPECT_EQ(seen[50], seen[0]); // a cycle of 50
}

// The pictures the help pages show, read by the viewer's own loaders.
TEST(HelpPictures, TheViewerReadsEveryKind) {
    const std::string gfx = std::string(DEMO_PROGRAM_DIR) + "/htm_sk/gfx/";
    bool still = true;
    const auto bell = htmlview::GifImageFromFile(gfx + "zegar.gif", still);
    ASSERT_NE(bell, nullptr);
    EXPECT_FALSE(still);
    EXPECT_EQ(bell->NumFrames, 6);
    EXPECT_TRUE(bell->IsTransparent);
    EXPECT_EQ(bell->Width, 48);
    for (const char* name : {"menu.png", "logowanie.png", "pary.jpg", "spis.bmp", "ok.bmp"}) {
        htmlview::Transparency t = htmlview::itrNone;
        std::unique_ptr<htmlview::TBitmap> mask;
        const auto pic = htmlview::TSectionList::ReadImageFile(gfx + name, t, mask);
        ASSERT_NE(pic, nullptr) << name;
        EXPECT_GT(pic->Width(), 30) << name;
    }
}

class HelpWindow : public QtFixture {
  protected:
    void SetUp() override {
        sciezka_programu = std::string(DEMO_PROGRAM_DIR) + "/";
        form5 = std::make_unique<TForm5>();
        okno = std::make_unique<TForm28>();
        okno->HtmlPane1.OnError = [this](const std::string& m) { errors.push_back(m); };
    }
    void TearDown() override {
        okno.reset();
        form5.reset();
        strona_pomocy.clear();
        sciezka_programu.clear();
    }
    std::string shown() const {
        const std::string f = okno->HtmlPane1.CurrentFile();
        return f.substr(f.find_last_of('/') + 1);
    }
    // Opens the window on `page` and runs `act` while it is up.
    void open(const std::string& page, const std::function<void()>& act) {
        strona_pomocy = page;
        run_modal(*okno, [&](ui::Window& w) {
            act();
            if (w.isVisible()) w.close();
        });
    }

    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm28> okno;
    std::vector<std::string> errors;
};

TEST_F(HelpWindow, EachRequestOpensItsPage) {
    const struct {
        const char* request;
        const char* page;
        const char* grab;
    } table[] = {
        {"", "h_00_pomoc.html", "h_00_pomoc"},
        {"h_01_wprow.html", "h_01_wprow.html", "h_01_wprow"},
        {"h_06_log.html", "h_06_log.html", "h_06_log"},
        {"h_10_slow.html", "h_10_slow.html", "h_10_slow"},
        {"h_10_slow.html#cws_pary", "h_10_slow.html", "h_10_slow_cws_pary"},
        {"h_12_wynik.html", "h_12_wynik.html", "h_12_wynik"},
        {"h_13_powt.html", "h_13_powt.html", "h_13_powt"},
        {"h_14_ustaw.html", "h_14_ustaw.html", "h_14_ustaw"},
        {"h_15_autor.html", "h_15_autor.html", "h_15_autor"},
        {"h_19_gener.html", "h_19_gener.html", "h_19_gener"},
        {"H_12_WYNIK.HTML", "h_12_wynik.html", nullptr}, // names without case
        {"h_99_brak.html", "h_00_pomoc.html", nullptr},  // a page that is not there
        {"h_99_brak.html#x", "h_00_pomoc.html", nullptr},
    };
    for (const auto& c : table) {
        open(c.request, [&] {
            EXPECT_EQ(shown(), c.page) << c.request;
            EXPECT_EQ(okno->btn_spis.isVisible(), std::string(c.page) != "h_00_pomoc.html") << c.request;
            const bool at_anchor = std::string(c.request).find("#cws_pary") != std::string::npos;
            EXPECT_EQ(okno->HtmlPane1.VScrollPos() > 0, at_anchor) << c.request;
            EXPECT_GT(okno->HtmlPane1.MaxVertical(), 100) << c.request;
            if (c.grab) ui::grab_to_png(*okno, output_path(std::string("help/") + c.grab + ".png"));
        });
    }
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(HelpWindow, LinkBackAndContents) {
    open("", [&] {
        auto& pane = okno->HtmlPane1;
        EXPECT_FALSE(okno->btn_spis.isVisible());
        // A link from the contents: the contents button shows.
        bool handled = false;
        okno->HtmlPane1HotSpotClick("h_10_slow.html", handled);
        EXPECT_TRUE(handled);
        EXPECT_EQ(shown(), "h_10_slow.html");
        EXPECT_TRUE(okno->btn_spis.isVisible());
        pane.ScrollTo(120);
        const int scrolled = pane.VScrollPos();
        // An anchor on the same page moves the view: a place of its own.
        okno->HtmlPane1HotSpotClick("#gora", handled);
        EXPECT_LT(pane.VScrollPos(), 20);
        EXPECT_EQ(okno->powroty().numer(), 3);
        // Links the viewer leaves alone leave no place to go back to.
        for (const char* ignored : {"http://www.vidavidoda.pl/", "mailto:a@b.pl", "plik.doc"}) {
            okno->HtmlPane1HotSpotClick(ignored, handled);
            EXPECT_EQ(okno->powroty().numer(), 3) << ignored;
            EXPECT_EQ(shown(), "h_10_slow.html") << ignored;
        }
        okno->K_WrocClick();
        EXPECT_EQ(shown(), "h_10_slow.html");
        EXPECT_EQ(pane.VScrollPos(), scrolled);
        // Contents, then Back: the page before it, where it was left.
        okno->btn_spisClick();
        EXPECT_EQ(shown(), "h_00_pomoc.html");
        EXPECT_FALSE(okno->btn_spis.isVisible());
        okno->HtmlPane1HotSpotClick("h_06_log.html", handled);
        okno->K_WrocClick();
        EXPECT_EQ(shown(), "h_00_pomoc.html") << "the contents entry was written";
        okno->K_WrocClick();
        EXPECT_EQ(shown(), "h_10_slow.html");
        EXPECT_EQ(pane.VScrollPos(), scrolled);
        okno->K_WrocClick();
        EXPECT_EQ(shown(), "h_00_pomoc.html");
        EXPECT_TRUE(okno->isVisible());
        okno->K_WrocClick(); // back on the first page shown closes
        EXPECT_FALSE(okno->isVisible());
    });
    EXPECT_TRUE(errors.empty());
}

TEST_F(HelpWindow, LinksResolveFromTheShownPageWithoutCase) {
    open("h_19_gener.html", [&] {
        bool handled = false;
        okno->HtmlPane1HotSpotClick("H_10_SLOW.HTML#CWS_PARY", handled);
        EXPECT_EQ(shown(), "h_10_slow.html");
        EXPECT_GT(okno->HtmlPane1.VScrollPos(), 0);
    });
}

TEST_F(HelpWindow, TheBellOnTheContentsRingsOnTheViewersTimer) {
    uint32_t now = 1000;
    htmlview::SetGifClock([&] { return now; });
    open("", [&] {
        auto& doc = okno->HtmlPane1.Document();
        QWidget* surface = okno->HtmlPane1.PaintPanel();
        const QImage before = surface->grab().toImage();
        ASSERT_EQ(doc.AnimList.size(), 1u);
        ASSERT_NE(doc.AnimTimer, nullptr);
        EXPECT_TRUE(doc.AnimTimer->isActive());
        htmlview::TGIFImage* bell = doc.AnimList[0];
        ASSERT_TRUE(bell->Visible);
        const QRect at = bell->DrawRect;
        ASSERT_EQ(at.size(), QSize(48, 48));
        auto tick = [&] { QMetaObject::invokeMethod(doc.AnimTimer, "timeout", Qt::DirectConnection); };
        // The first frame's time is not up yet.
        now += 100;
        tick();
        EXPECT_EQ(bell->CurrentFrame(), 1);
        now += 60;
        tick();
        EXPECT_EQ(bell->CurrentFrame(), 2);
        const QImage after = surface->grab().toImage();
        EXPECT_NE(before.copy(at), after.copy(at)) << "the bell swung";
        EXPECT_EQ(before.copy(0, at.bottom() + 1, surface->width(), 100),
                  after.copy(0, at.bottom() + 1, surface->width(), 100));
    });
    htmlview::SetGifClock({});
}

TEST_F(HelpWindow, FiftyOneLinksWrapTheWayBack) {
    open("", [&] {
        bool handled = false;
        const char* pages[] = {"h_06_log.html", "h_12_wynik.html"};
        for (int i = 0; i < 51; ++i) okno->HtmlPane1HotSpotClick(pages[i % 2], handled);
        EXPECT_TRUE(okno->powroty().zawiniete());
        for (int i = 0; i < 60; ++i) {
            okno->K_WrocClick();
            ASSERT_TRUE(okno->isVisible()) << i;
        }
    });
}

TEST_F(HelpWindow, F1InAWindowOpensItsPage) {
    std::string opened;
    ustaw_pokaz_pomoc([&] {
        run_modal(*okno, [&](ui::Window& w) {
            opened = shown();
            w.close();
        });
    });
    TForm26 chosen_words; // asks for the contents
    strona_pomocy = "h_13_powt.html";
    chosen_words.show();
    key_click(&chosen_words, Qt::Key_F1);
    EXPECT_EQ(opened, "h_00_pomoc.html");
    // F1 in the help window itself opens nothing more.
    open("h_13_powt.html", [&] {
        opened.clear();
        key_click(okno.get(), Qt::Key_F1);
        EXPECT_EQ(opened, "");
    });
    ustaw_pokaz_pomoc(nullptr);
    ui::Window::set_help_handler(nullptr);
}

TEST_F(HelpWindow, PrintWritesThePageWithoutAPrinter) {
    TempDir dir;
    htmlview::PrintTarget target;
    target.pdf_file = dir.file("pomoc.pdf");
    htmlview::SetPrintTarget(target);
    std::vector<std::string> told;
    os::set_message_hook([&](const std::string& m) { told.push_back(m); });
    open("h_13_powt.html", [&] {
        EXPECT_TRUE(okno->K_Drukuj.isVisible());
        okno->K_DrukujClick();
    });
    os::set_message_hook({});
    htmlview::SetPrintTarget(std::nullopt);
    EXPECT_GT(std::filesystem::file_size(dir.file("pomoc.pdf")), 1000u);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("pomoc.pdf"), std::string::npos);
}

TEST_F(HelpWindow, KeysScrollThePage) {
    open("h_10_slow.html", [&] {
        auto& pane = okno->HtmlPane1;
        key_click(okno.get(), Qt::Key_PageDown);
        EXPECT_EQ(pane.VScrollPos(), std::min(pane.VScrollBar()->pageStep(),
                                              pane.MaxVertical() - pane.PaintPanel()->height()));
        EXPECT_GT(pane.VScrollPos(), 0);
        key_click(okno.get(), Qt::Key_Home);
        EXPECT_EQ(okno->HtmlPane1.VScrollPos(), 0);
        key_click(okno.get(), Qt::Key_Escape);
        EXPECT_FALSE(okno->isVisible());
    });
}

} // namespace
