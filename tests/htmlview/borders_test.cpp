// Borders and frames: bands and halves of each style measured in pixels, the
// colours frames choose, and the border sampler against its golden picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "htmlview/borders.h"
#include "htmlview/style_model.h"
#include "htmlview/wide_string.h"
#include "platform_ui/qt_app.h"

namespace {

using namespace htmlview;
using ui::rgb_ref;

constexpr ColorRef kWhite = rgb_ref(255, 255, 255);
constexpr ColorRef kBlack = 0;
constexpr ColorRef kSilver = rgb_ref(192, 192, 192);
constexpr ColorRef kYellow = rgb_ref(255, 250, 205);

struct Page : TFrameDocument {
    bool printing = false;
    bool monochrome = false;
    ColorRef background = kWhite;
    bool IsPrinting() const override { return printing; }
    bool PrintMonochrome() const override { return monochrome; }
    ColorRef PageBackground() const override { return background; }
};

QImage paint(int w, int h, const std::function<void(ui::HtmlCanvas&)>& draw,
             QImage::Format format = QImage::Format_RGB32) {
    QImage img(w, h, format);
    img.fill(Qt::white);
    QPainter p(&img);
    ui::HtmlCanvas c(p);
    c.SetAntialias(false);
    draw(c);
    return img;
}

ColorRef at(const QImage& img, int x, int y) {
    return ui::from_qrgb(img.pixel(x, y));
}

class Borders : public testsupport::QtFixture {};

TEST_F(Borders, DarkerIsThreeQuartersRoundedToEven) {
    EXPECT_EQ(Darker(rgb_ref(100, 150, 200)), rgb_ref(75, 112, 150)); // 112.5 -> 112
    EXPECT_EQ(Darker(rgb_ref(10, 30, 255) | ui::kPaletteFlag), rgb_ref(8, 22, 191));
    EXPECT_EQ(Darker(ui::kSysColorFlag | ui::kColorBtnFace), Darker(ui::sys_color(ui::kColorBtnFace)));
}

// The left side of a 40x30 box at (10, 10), read across its width at half
// height; and the right side read from the outside in.
TEST_F(Borders, EachStyleSplitsItsSideAsItShould) {
    const ColorRef c = rgb_ref(60, 120, 200);
    const ColorRef d = Darker(c);
    struct Case {
        int style;
        int width;
        std::vector<ColorRef> left;  // outside in
        std::vector<ColorRef> right; // outside in
    };
    const Case cases[] = {
        {bssSolid, 1, {c, kWhite}, {c, kWhite}}, // one pixel: a line
        {bssInset, 3, {d, d, d, kWhite}, {c, c, c, kWhite}},
        {bssOutset, 3, {c, c, c, kWhite}, {d, d, d, kWhite}},
        {bssGroove, 4, {d, d, c, c, kWhite}, {c, c, d, d, kWhite}},
        {bssRidge, 4, {c, c, d, d, kWhite}, {d, d, c, c, kWhite}},
        {bssGroove, 2, {d, c, kWhite}, {c, d, kWhite}}, // halves of one pixel
        {bssDouble, 3, {c, kYellow, c, kWhite}, {c, kYellow, c, kWhite}},
        {bssDouble, 5, {c, c, kYellow, c, c, kWhite}, {c, c, kYellow, c, c, kWhite}},
        {bssDouble, 9, {c, c, c, kYellow, kYellow, kYellow, c, c, c, kWhite}, {c, c, c, kYellow, kYellow, kYellow, c, c, c, kWhite}},
        {bssNone, 3, {kWhite, kWhite, kWhite}, {kWhite, kWhite, kWhite}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("style " + std::to_string(k.style) + " width " + std::to_string(k.width));
        const ui::Rect outer{10, 10, 50, 40};
        const ui::Rect inner{10 + k.width, 10 + k.width, 50 - k.width, 40 - k.width};
        const QImage img = paint(60, 50, [&](ui::HtmlCanvas& cv) {
            DrawBorder(cv, outer, inner, kYellow, {k.style, k.style, k.style, k.style}, {c, c, c, c});
        });
        for (size_t i = 0; i < k.left.size(); ++i) EXPECT_EQ(at(img, 10 + int(i), 25), k.left[i]) << "left " << i;
        for (size_t i = 0; i < k.right.size(); ++i) EXPECT_EQ(at(img, 49 - int(i), 25), k.right[i]) << "right " << i;
    }
}

TEST_F(Borders, DashesAndDotsRunOnTheFilledRing) {
    const ColorRef red = rgb_ref(200, 0, 0);
    for (int style : {bssDashed, bssDotted}) {
        const QImage img = paint(120, 60, [&](ui::HtmlCanvas& cv) {
            DrawBorder(cv, {10, 10, 110, 50}, {14, 14, 106, 46}, kYellow, {style, style, style, style},
                       {red, red, red, red});
        });
        int ink = 0, ground = 0;
        for (int x = 20; x < 100; ++x) {
            const ColorRef px = at(img, x, 12); // the middle of the top side
            ink += px == red;
            ground += px == kYellow;
        }
        EXPECT_GT(ink, 10) << style;
        EXPECT_GT(ground, 10) << style;       // gaps show the background
        EXPECT_EQ(at(img, 60, 30), kWhite) << style; // the inside stays
    }
}

TEST_F(Borders, TransparentSidesAndEmptyWidthsPaintNothing) {
    const QImage img = paint(60, 50, [&](ui::HtmlCanvas& cv) {
        DrawBorder(cv, {10, 10, 50, 40}, {13, 10, 50, 40}, kYellow, {bssDouble, bssDouble, bssSolid, bssSolid},
                   {NoColour, kBlack, kBlack, kBlack});
    });
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 50; ++y) ASSERT_EQ(at(img, x, y), x >= 10 && x < 13 && y >= 10 && y < 40 ? kYellow : kWhite);
}

TEST_F(Borders, FramesChooseTheirLightAndDark) {
    const ColorRef highlight = ui::sys_color(ui::kColorBtnHighlight);
    const ColorRef shadow = ui::sys_color(ui::kColorBtnShadow);
    struct Case {
        const char* what;
        bool printing;
        ColorRef background;
        bool raised;
        ColorRef left, right;
    };
    const Case cases[] = {
        {"grey page", false, rgb_ref(200, 200, 200), true, highlight, shadow},
        {"white page", false, kWhite, true, kSilver, shadow},
        {"window-coloured page", false, ui::kSysColorFlag | ui::kColorWindow, true, kSilver, shadow},
        {"printing", true, rgb_ref(200, 200, 200), true, kSilver, shadow},
        {"sunken", false, rgb_ref(200, 200, 200), false, shadow, highlight},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Page page;
        page.printing = k.printing;
        page.background = k.background;
        for (int width : {1, 3}) {
            // The frame lies on (20, 20) .. (40, 30) and, wider, outside them.
            const QImage img = paint(60, 50, [&](ui::HtmlCanvas& cv) {
                RaisedFrame(page, cv, 20, 20, 40, 30, k.raised, width);
            });
            EXPECT_EQ(at(img, 20 - width + 1, 25), k.left) << width;
            EXPECT_EQ(at(img, 40 + width - 1, 25), k.right) << width;
            EXPECT_EQ(at(img, 21, 25), kWhite) << width;
            EXPECT_EQ(at(img, 20 - width, 25), kWhite) << width;
        }
    }
}

TEST_F(Borders, MonochromeDevicesGetBlackFrames) {
    Page page;
    page.printing = true;
    page.monochrome = true;
    const QImage frame = paint(60, 50, [&](ui::HtmlCanvas& cv) { RaisedFrame(page, cv, 20, 20, 40, 30, true, 2); },
                               QImage::Format_Mono);
    EXPECT_EQ(at(frame, 19, 25), kBlack);
    EXPECT_EQ(at(frame, 41, 25), kBlack);
    const QImage control = paint(60, 50, [&](ui::HtmlCanvas& cv) { FormControlFrame(cv, 10, 10, 50, 30, true, true, true); },
                                 QImage::Format_Mono);
    EXPECT_EQ(at(control, 10, 20), kBlack);
    EXPECT_EQ(at(control, 11, 20), kWhite); // one pixel, inside white
    EXPECT_EQ(at(control, 49, 20), kBlack);
    // Asked for monochrome on a colour device: the two-pixel frame, white inside.
    const QImage colour = paint(60, 50, [&](ui::HtmlCanvas& cv) { FormControlFrame(cv, 10, 10, 50, 30, true, true, true); });
    EXPECT_EQ(at(colour, 11, 20), kSilver);
    EXPECT_EQ(at(colour, 12, 20), kWhite);
    EXPECT_EQ(at(colour, 48, 20), ui::sys_color(ui::kColorBtnShadow));
}

// Nine styles by five widths, some with four side colours; frames below.
QImage sampler() {
    const char* names[] = {"none", "solid", "inset", "outset", "groove", "ridge", "dashed", "dotted", "double"};
    const int widths[] = {1, 2, 3, 5, 9};
    const ColorRef colours[] = {rgb_ref(0, 0, 128), rgb_ref(0, 0, 128), rgb_ref(70, 130, 180),
                                rgb_ref(70, 130, 180), rgb_ref(160, 160, 160), rgb_ref(160, 160, 160),
                                rgb_ref(178, 34, 34), rgb_ref(34, 139, 34), kBlack};
    const SideColors four = {rgb_ref(200, 0, 0), rgb_ref(0, 150, 0), rgb_ref(0, 0, 200), rgb_ref(200, 150, 0)};
    return paint(640, 720, [&](ui::HtmlCanvas& c) {
        ui::LogFont label;
        label.face = "Arial";
        label.height = -12;
        c.SelectFont(label);
        c.SetBkMode(ui::BkMode::Transparent);
        c.SetTextColor(rgb_ref(60, 60, 60));
        for (int col = 0; col < 5; ++col)
            c.TextOut(100 + col * 84 + 24, 8, Utf8ToWide("width " + std::to_string(widths[col])));
        c.TextOut(520, 8, u"4 colours");
        for (int row = 0; row < 9; ++row) {
            const int y = 30 + row * 52;
            c.TextOut(10, y + 14, Utf8ToWide(names[row]));
            for (int col = 0; col < 6; ++col) {
                const int w = col < 5 ? widths[col] : 5;
                const int x = 100 + col * 84;
                const SideColors sc = col < 5 ? SideColors{colours[row], colours[row], colours[row], colours[row]} : four;
                DrawBorder(c, {x, y, x + 70, y + 42}, {x + w, y + w, x + 70 - w, y + 42 - w}, kYellow,
                           {row, row, row, row}, sc);
            }
        }
        // Frames: raised and sunken at widths 1, 2 and 4, on a grey and on a
        // white page; then printed form controls.
        Page grey, white;
        grey.background = rgb_ref(200, 200, 200);
        c.FillRect({0, 505, 640, 600}, grey.background);
        c.TextOut(10, 520, u"frames");
        c.TextOut(10, 620, u"white page");
        int x = 110;
        for (bool raised : {true, false}) {
            for (int w : {1, 2, 4}) {
                RaisedFrame(grey, c, x, 520, x + 50, 570, raised, w);
                RaisedFrame(white, c, x, 620, x + 50, 670, raised, w);
                x += 80;
            }
        }
        c.TextOut(10, 690, u"form frames");
        x = 110;
        for (int k = 0; k < 4; ++k) {
            const bool raised = k % 2 == 0;
            const bool filled = k < 2;
            FormControlFrame(c, x, 686, x + 90, 708, filled, false, raised);
            x += 110;
        }
    });
}

TEST_F(Borders, SamplerMatchesItsGoldenPicture) {
    const QImage img = sampler();
    QDir().mkpath(QString::fromStdString(testsupport::output_path("htmlview")));
    img.save(QString::fromStdString(testsupport::output_path("htmlview/border_sampler.png")));
    const QImage golden(QString::fromStdString(std::string(FIXTURES_DIR) + "/border_sampler.png"));
    ASSERT_FALSE(golden.isNull()) << "golden picture missing";
    EXPECT_EQ(img, golden.convertToFormat(QImage::Format_RGB32));
}

} // namespace
