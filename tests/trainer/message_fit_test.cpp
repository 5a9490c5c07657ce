#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTextLayout>

#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/ui/canvas.h"
#include "platform_ui/qt_app.h"
#include "shared/dopasowanie_komunikatu.h"
#include "shared/form20.h"
#include "shared/form20_geometry.h"
#include "shared/form29.h"
#include "shared/form5.h"
#include "shared/uklad_komunikatu.h"

namespace {

using namespace testsupport;

TEST(MessageLayout, TheBoxGrowsByWhatTheTextNeedsUpToTheHighestBox) {
    const look::Size box{455, 101};
    const look::Rect text{64, 12, 290, 77};
    const look::Rect ok{372, 35, 64, 32};
    struct Case {
        int text_height, highest;
        int box_h, text_h, ok_y;
        bool scrolls;
    } const cases[] = {
        {13, 600, 101, 77, 35, false},   // one line
        {77, 600, 101, 77, 35, false},   // exactly fills the area
        {78, 600, 102, 78, 35, false},   // one pixel more: odd extra, buttons move by half
        {143, 600, 167, 143, 68, false}, // eleven lines
        {900, 600, 600, 576, 284, true}, // past the highest box: it scrolls
        {900, 50, 101, 77, 35, true},    // a bound below the box's own height keeps it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text_height);
        const UkladKomunikatu u = uklad_komunikatu(box, text, {ok}, c.text_height, c.highest);
        EXPECT_EQ(u.okno.w, 455);
        EXPECT_EQ(u.okno.h, c.box_h);
        EXPECT_EQ(u.tekst.x, 64);
        EXPECT_EQ(u.tekst.y, 12);
        EXPECT_EQ(u.tekst.w, 290);
        EXPECT_EQ(u.tekst.h, c.text_h);
        ASSERT_EQ(u.przyciski.size(), 1u);
        EXPECT_EQ(u.przyciski[0].x, 372);
        EXPECT_EQ(u.przyciski[0].y, c.ok_y);
        EXPECT_EQ(u.przesuniecie, c.ok_y - 35);
        EXPECT_EQ(u.przewijany, c.scrolls);
        // The text area keeps its margins to the box's bottom.
        EXPECT_EQ(u.okno.h - (u.tekst.y + u.tekst.h), 101 - (12 + 77));
    }
}

TEST(MessageLayout, ATallerBackgroundKeepsItsTopAndBottomAndMovesTheMiddleDown) {
    QImage tlo(4, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 4; ++x) tlo.setPixel(x, y, qRgb(y * 20, x, 0));
    EXPECT_EQ(wyzsze_tlo(tlo, 10, 3, 6), tlo);
    EXPECT_EQ(wyzsze_tlo(tlo, 8, 3, 6), tlo);
    const QImage out = wyzsze_tlo(tlo, 15, 3, 6); // 5 more: 2 above the band, 3 below
    ASSERT_EQ(out.size(), QSize(4, 15));
    const int from[15] = {0, 1, 2, 3, 3, 3, 4, 5, 6, 6, 6, 6, 7, 8, 9};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(out.pixel(x, y), tlo.pixel(x, from[y])) << x << "," << y;
}

// The boxes over the demo program folder, with their drawn backgrounds.
class MessageFit : public QtFixture {
  protected:
    MessageFit() : saved_(sciezka_programu) {
        qt_app();
        sciezka_programu = std::string(DEMO_PROGRAM_DIR) + "/";
    }
    ~MessageFit() override { sciezka_programu = saved_; }

    // Every line of the label's text, wrapped as it is drawn, lies inside the
    // label, and the label inside the box.
    static void lines_inside(const ui::Window& box, const ui::Label& label) {
        const QRect area = label.geometry();
        EXPECT_TRUE(box.rect().contains(area)) << area.y() << "+" << area.height();
        QTextLayout layout(label.Text(), ui::qfont(label.GetFont()));
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        double top = 0;
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(0, top));
            top += line.height();
            EXPECT_LE(line.naturalTextWidth(), area.width()) << "line " << lines;
            ++lines;
        }
        layout.endLayout();
        EXPECT_GT(lines, 0);
        EXPECT_LE(top, area.height()) << lines << " lines";
    }

  private:
    std::string saved_;
};

std::string polish_folder_message() {
    const std::string program = "/home/uczennica/Dokumenty/Słówka żółwia/Tavolent 4.0 angielski/program/";
    return os::pl("Plik " + program + "kom_user.txt jest uszkodzony. Wiersze, których program nie "
                  "rozumie, zostaną w nim zachowane bez zmian. Uszkodzony plik zachowano jako " +
                  program + "kom_user.txt.uszkodzony.");
}

std::string very_long_message() {
    std::string text;
    for (int i = 1; i <= 60; ++i)
        text += os::pl("Zdanie numer " + std::to_string(i) + " długiego komunikatu o plikach ucznia. ");
    return text;
}

TEST_F(MessageFit, EveryLineOfAMessageIsInsideTheBox) {
    TForm5 form5;
    TForm20 form20;
    TForm29 form29;
    const int highest = najwyzszy_komunikat(101);
    struct Case {
        const char* name;
        std::string text;
        bool scrolls;
    } const cases[] = {
        {"short", os::pl("Wczytano informacje o 12 powtórkach."), false},
        {"polish_folder", polish_folder_message(), false},
        // No space in the paths: lines break after their slashes.
        {"path_without_spaces",
         os::pl("Nie można odczytać pliku /home/uczennica/Dokumenty/Programy_do_nauki/"
                "Tavolent_4.0_angielski/program/12/ustaw_tas_40.txt. Plik pozostanie bez zmian."),
         false},
        {"very_long", very_long_message(), true},
    };
    for (const Case& c : cases) {
        for (ui::Window* box : {static_cast<ui::Window*>(&form20), static_cast<ui::Window*>(&form29)}) {
            const bool is20 = box == &form20;
            SCOPED_TRACE(std::string(c.name) + (is20 ? " in the information box" : " in the question box"));
            ui::Label& label = is20 ? form20.Label1 : form29.Label1;
            DopasowanieKomunikatu& fit = is20 ? form20.Dopasowanie : form29.Dopasowanie;
            label.SetCaption(c.text);
            EXPECT_EQ(box->width(), 455);
            EXPECT_LE(box->height(), std::max(101, highest));
            if (c.name == std::string("short")) EXPECT_EQ(box->size(), QSize(455, 101));
            if (c.name == std::string("polish_folder")) EXPECT_GT(box->height(), 101);
            if (c.name == std::string("path_without_spaces") && is20)
                EXPECT_TRUE(ui::grab_to_png(*box, output_path("shared/form20_path_without_spaces.png")));
            EXPECT_EQ(fit.uklad().przewijany, c.scrolls);
            EXPECT_EQ(label.isVisibleTo(box), !c.scrolls);
            EXPECT_EQ(fit.pole().isVisibleTo(box), c.scrolls);
            if (c.scrolls) {
                EXPECT_EQ(fit.pole().toPlainText(), label.Text()); // the whole text, to scroll through
                EXPECT_TRUE(box->rect().contains(fit.pole().geometry()));
            } else {
                lines_inside(*box, label);
            }
            // The buttons stay on the box's middle, inside it.
            const QRect ok = is20 ? form20.B_OK.geometry() : form29.B_OK.geometry();
            EXPECT_TRUE(box->rect().contains(ok));
            EXPECT_NEAR(ok.center().y(), box->height() / 2, 2);
            if (!is20) EXPECT_EQ(form29.B_Zamknij.y(), ok.y());
        }
    }
}

TEST_F(MessageFit, ALongMessageBoxIsDrawnWholeAndCentred) {
    TForm5 form5;
    TForm20 form20;
    form20.Label1.SetCaption(polish_folder_message());
    EXPECT_TRUE(ui::grab_to_png(form20, output_path("shared/form20_long.png")));
    QRect shown;
    run_modal(form20, [&](ui::Window& w) {
        shown = w.geometry();
        w.close();
    });
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(shown.size(), form20.size());
    EXPECT_NEAR(shown.center().y(), screen.center().y(), 1);
    EXPECT_NEAR(shown.center().x(), screen.center().x(), 1);

    TForm29 form29;
    form29.Label1.SetCaption(very_long_message());
    EXPECT_TRUE(ui::grab_to_png(form29, output_path("shared/form29_very_long.png")));
    // Back to a short question: the box as drawn.
    form29.Label1.SetCaption(os::pl("Skasować wszystkie powtórki?"));
    EXPECT_EQ(form29.size(), QSize(455, 101));
    EXPECT_EQ(form29.B_OK.geometry(), QRect(304, 35, 64, 32));
    EXPECT_TRUE(form29.Label1.isVisibleTo(&form29));
    EXPECT_TRUE(ui::grab_to_png(form29, output_path("shared/form29_short.png")));
}

} // namespace
