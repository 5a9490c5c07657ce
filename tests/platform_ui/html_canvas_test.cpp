#include "platform/ui/html_canvas.h"

#include <gtest/gtest.h>

#include <QPicture>
#include <functional>

#include "platform_ui/qt_app.h"

namespace {

using ui::HtmlCanvas;
using ui::Rect;
namespace TA = ui::TextAlign;

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;

QImage blank(int w, int h, QRgb fill = kWhite) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

// Paints with a fresh canvas (text without antialiasing) on a white image.
QImage paint(int w, int h, const std::function<void(HtmlCanvas&)>& draw) {
    testsupport::qt_app();
    QImage img = blank(w, h);
    QPainter p(&img);
    HtmlCanvas c(p);
    c.SetAntialias(false);
    draw(c);
    return img;
}

// The same drawing through a recording engine, which has no raster
// operations (as printers), played back onto a white image.
QImage paint_recorded(int w, int h, const std::function<void(HtmlCanvas&)>& draw) {
    testsupport::qt_app();
    QPicture pic;
    {
        QPainter p(&pic);
        HtmlCanvas c(p);
        EXPECT_FALSE(c.Caps().raster_ops);
        c.SetAntialias(false);
        draw(c);
    }
    QImage img = blank(w, h);
    QPainter p(&img);
    p.drawPicture(0, 0, pic);
    return img;
}

QRect ink_box(const QImage& img, QRgb background = kWhite) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

using HtmlCanvasText = testsupport::QtFixture;
using HtmlCanvasFonts = testsupport::QtFixture;
using HtmlCanvasClip = testsupport::QtFixture;
using HtmlCanvasBitmaps = testsupport::QtFixture;
using HtmlCanvasShapes = testsupport::QtFixture;

ui::LogFont arial(int height) {
    ui::LogFont f;
    f.face = "Arial";
    f.height = height;
    return f;
}

TEST_F(HtmlCanvasText, AlignmentModesPlaceTheSameBaseline) {
    const std::u16string text = u"Hxg";
    const int asc = ui::font_face(arial(-32))->metrics().ascent;
    const int desc = ui::font_face(arial(-32))->metrics().descent;
    auto at = [&](unsigned align, int y) {
        return paint(160, 80, [&](HtmlCanvas& c) {
            c.SelectFont(arial(-32));
            c.SetBkMode(ui::BkMode::Transparent);
            c.SetTextAlign(align);
            c.TextOut(10, y, text);
        });
    };
    const QImage base = at(TA::Baseline, 50);
    EXPECT_EQ(at(TA::Top, 50 - asc), base);
    EXPECT_EQ(at(TA::Bottom, 50 + desc), base);

    // "H" stands on the baseline: its last ink row is the row above it.
    const QImage h = paint(80, 80, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-32));
        c.SetTextAlign(TA::Baseline);
        c.TextOut(10, 50, u"H");
    });
    EXPECT_EQ(ink_box(h).bottom(), 49);

    // Right alignment ends the text at x.
    const int w = ui::font_face(arial(-32))->text_width(text);
    const QImage right = paint(160, 80, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-32));
        c.SetBkMode(ui::BkMode::Transparent);
        c.SetTextAlign(TA::Baseline | TA::Right);
        c.TextOut(10 + w, 50, text);
    });
    EXPECT_EQ(right, base);
}

TEST_F(HtmlCanvasText, CurrentPositionContinuesWhereTheLastTextEnded) {
    int end_x = 0;
    const QImage pieces = paint(300, 60, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-20));
        c.SetTextAlign(TA::Baseline | TA::UpdateCP);
        c.MoveTo(7, 40);
        c.TextOut(0, 0, u"Zażółć ");
        c.SelectFont([] {
            ui::LogFont f = arial(-20);
            f.weight = 700;
            return f;
        }());
        c.TextOut(0, 0, u"gęślą");
        end_x = c.CurrentPosition().x();
    });
    const QImage whole = paint(300, 60, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-20));
        c.SetTextAlign(TA::Baseline);
        c.TextOut(7, 40, u"Zażółć ");
        const int w = c.TextWidth(u"Zażółć ");
        ui::LogFont bold = arial(-20);
        bold.weight = 700;
        c.SelectFont(bold);
        c.TextOut(7 + w, 40, u"gęślą");
        EXPECT_EQ(end_x, 7 + w + c.TextWidth(u"gęślą"));
    });
    EXPECT_EQ(pieces, whole);
}

TEST_F(HtmlCanvasText, JustificationSpreadsOverTheNextSpacesAcrossCalls) {
    // 7 extra pixels over 3 spaces, drawn in two pieces (one of them
    // clipped) or in one: the same picture, the same end.
    const Rect wide{0, 0, 400, 60};
    int end_pieces = 0, end_whole = 0, plain = 0;
    const QImage pieces = paint(400, 60, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-16));
        c.SetTextAlign(TA::Baseline | TA::UpdateCP);
        c.MoveTo(5, 40);
        c.SetTextJustification(7, 3);
        c.ExtTextOut(0, 0, HtmlCanvas::kEtoClipped, &wide, u"one two ");
        c.TextOut(0, 0, u"three four");
        end_pieces = c.CurrentPosition().x();
        plain = c.TextWidth(u"one two three four");
    });
    const QImage whole = paint(400, 60, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-16));
        c.SetTextAlign(TA::Baseline | TA::UpdateCP);
        c.MoveTo(5, 40);
        c.SetTextJustification(7, 3);
        c.TextOut(0, 0, u"one two three four");
        end_whole = c.CurrentPosition().x();
    });
    EXPECT_EQ(pieces, whole);
    EXPECT_EQ(end_pieces, 5 + plain + 7);
    EXPECT_EQ(end_whole, end_pieces);
}

TEST_F(HtmlCanvasText, OpaqueModeFillsTheCellsAndTransparentLeavesTheGround) {
    const ui::ColorRef red = ui::rgb_ref(255, 0, 0);
    int w = 0, h = 0;
    const QImage opaque = paint(120, 50, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-18));
        c.SetBkColor(red);
        c.SetBkMode(ui::BkMode::Opaque);
        c.TextOut(5, 6, u"Hi jo");
        w = c.TextWidth(u"Hi jo");
        h = c.GetTextMetrics().height;
    });
    const QRect cell(5, 6, w, h);
    int red_pixels = 0, ink = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb px = opaque.pixel(x, y);
            if (!cell.contains(x, y)) {
                ASSERT_EQ(px, kWhite) << x << "," << y;
            } else {
                ASSERT_TRUE(px == qRgb(255, 0, 0) || px == kBlack) << x << "," << y;
                (px == kBlack ? ink : red_pixels)++;
            }
        }
    EXPECT_GT(ink, 20);
    EXPECT_GT(red_pixels, ink);

    const QImage clear = paint(120, 50, [&](HtmlCanvas& c) {
        c.SelectFont(arial(-18));
        c.SetBkColor(red);
        c.SetBkMode(ui::BkMode::Transparent);
        c.TextOut(5, 6, u"Hi jo");
    });
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 120; ++x) ASSERT_NE(clear.pixel(x, y), qRgb(255, 0, 0));
    EXPECT_EQ(ink_box(clear), ink_box(opaque, qRgb(255, 0, 0)) & ink_box(clear));
}

TEST_F(HtmlCanvasText, ClippedTextStaysInItsRectangleAndUnderlineSpansTheText) {
    ui::LogFont f = arial(-20);
    f.underline = true;
    const Rect box{10, 5, 40, 40};
    const QImage img = paint(200, 50, [&](HtmlCanvas& c) {
        c.SelectFont(f);
        c.SetBkMode(ui::BkMode::Transparent);
        c.ExtTextOut(10, 5, HtmlCanvas::kEtoClipped, &box, u"Underlined words");
    });
    const QRect ink = ink_box(img);
    EXPECT_TRUE(box.q().contains(ink)) << ink.x() << " " << ink.right();
    EXPECT_EQ(ink.right(), box.Right - 1); // the underline runs on to the clip edge

    const QImage full = paint(200, 50, [&](HtmlCanvas& c) {
        c.SelectFont(f);
        c.TextOut(10, 5, u"Under");
    });
    const int w = ui::font_face(f)->text_width(u"Under");
    const QRect whole = ink_box(full);
    EXPECT_EQ(whole.left(), 10);
    EXPECT_EQ(whole.right(), 10 + w - 1);
}

TEST_F(HtmlCanvasFonts, MetricsMatchTheMetricCompatibleFacesAtNinetySixDpi) {
    struct Case {
        const char* face;
        int height, ascent, descent;
    };
    // The em is the asked character height; the cell is ascent + descent.
    const Case cases[] = {
        {"Arial", -32, 29, 7},
        {"Arial", -16, 14, 3},
        {"Times New Roman", -32, 29, 7},
        {"Courier New", -16, 13, 5},
    };
    for (const Case& k : cases) {
        ui::LogFont f;
        f.face = k.face;
        f.height = k.height;
        const auto face = ui::font_face(f);
        const ui::TextMetrics& tm = face->metrics();
        SCOPED_TRACE(std::string(k.face) + " " + std::to_string(k.height));
        EXPECT_EQ(tm.ascent, k.ascent);
        EXPECT_EQ(tm.descent, k.descent);
        EXPECT_EQ(tm.height, tm.ascent + tm.descent);
        EXPECT_EQ(face->em(), -k.height);
        EXPECT_EQ(tm.internal_leading, tm.height + k.height);
        EXPECT_EQ(ui::font_face(f).get(), face.get()); // one face per font
    }
    // Asked by cell height, the cell comes out at that height.
    ui::LogFont cell = arial(36);
    EXPECT_EQ(ui::font_face(cell)->metrics().height, 36);
}

TEST_F(HtmlCanvasFonts, AliasedFacesCountAsInstalled) {
    const std::pair<const char*, bool> cases[] = {
        {"Arial", true},         {"times new roman", true},     {"Courier New", true},
        {"Liberation Sans", true}, {" Arial ", true},           {"Lucida Handwriting", false},
        {"Verdana", false},      {"", false},
    };
    for (const auto& [face, installed] : cases) EXPECT_EQ(ui::font_installed(face), installed) << face;
}

TEST_F(HtmlCanvasFonts, FitCountsWholeCharactersWithinTheWidth) {
    const auto face = ui::font_face(arial(-16));
    const std::u16string text = u"Wąs \U0001F600x";
    std::vector<int> prefix{0};
    for (size_t i = 1; i <= text.size(); ++i)
        prefix.push_back(face->text_width(std::u16string_view(text).substr(0, i)));
    for (int max : {-5, 0, 1, prefix[1] - 1, prefix[1], prefix[2], prefix[4] + 1, prefix[5], 10000}) {
        int extent = -1;
        const int n = face->fit(text, max, &extent);
        SCOPED_TRACE(max);
        ASSERT_GE(n, 0);
        ASSERT_LE(static_cast<size_t>(n), text.size());
        EXPECT_EQ(extent, prefix[static_cast<size_t>(n)]);
        EXPECT_LE(extent, std::max(0, max));
        if (static_cast<size_t>(n) < text.size() && max >= 1) {
            // The next whole character would not fit (a surrogate pair counts once).
            const size_t next = (text[static_cast<size_t>(n)] >= 0xD800 && text[static_cast<size_t>(n)] <= 0xDBFF) ? n + 2 : n + 1;
            EXPECT_GT(prefix[next], max);
        }
        EXPECT_NE(n, 5); // never between the two halves of the pair
    }
}

TEST_F(HtmlCanvasFonts, ScreenIsNinetySixDpiWhateverTheImageSays) {
    auto draw = [](QImage img) {
        QPainter p(&img);
        {
            HtmlCanvas c(p);
            EXPECT_EQ(c.Caps().dpi_x, 96);
            EXPECT_EQ(c.Caps().dpi_y, 96);
            c.SetAntialias(false);
            c.SelectFont(arial(-32));
            c.TextOut(4, 4, u"Hd");
        }
        p.end();
        return img;
    };
    QImage dense = blank(100, 50);
    dense.setDotsPerMeterX(11811); // 300 dpi
    dense.setDotsPerMeterY(11811);
    const QImage a = draw(dense);
    const QImage b = draw(blank(100, 50));
    EXPECT_EQ(a.convertToFormat(QImage::Format_RGB32).copy(), b.copy());
}

// ------------------------------------------------------------- clipping

TEST_F(HtmlCanvasClip, SavedClipsComeBackAndRegionsClipExactly) {
    const QImage img = paint(40, 30, [](HtmlCanvas& c) {
        const int level = c.SaveDC();
        c.IntersectClipRect({5, 5, 30, 20});
        c.IntersectClipRect({10, 0, 40, 12});
        c.FillRect({0, 0, 40, 30}, ui::rgb_ref(0, 0, 255));
        c.RestoreDC(level);
        c.FillRect({0, 25, 40, 30}, 0);
    });
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            QRgb want = kWhite;
            if (x >= 10 && x < 30 && y >= 5 && y < 12) want = qRgb(0, 0, 255);
            if (y >= 25) want = kBlack;
            ASSERT_EQ(img.pixel(x, y), want) << x << "," << y;
        }

    // Each region kind clips to exactly the pixels it contains.
    QImage pattern = blank(12, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            if ((x * 3 + y * 5) % 7 < 3) pattern.setPixel(x, y, qRgb(9, 9, 9));
    ui::Region bitmap = ui::Region::FromBitmap(pattern, kWhite);
    bitmap.Offset(20, 15);
    // A self-crossing star: its middle is inside by winding, outside by parity.
    const std::vector<QPoint> star{{20, 2}, {28, 28}, {6, 11}, {34, 11}, {12, 28}};
    const struct {
        const char* name;
        ui::Region region;
    } cases[] = {
        {"ellipse", ui::Region::FromEllipse({3, 4, 30, 20})},
        {"winding", ui::Region::FromPolygon(star, ui::FillMode::Winding)},
        {"alternate", ui::Region::FromPolygon(star, ui::FillMode::Alternate)},
        {"bitmap runs", bitmap},
        {"combined", ui::Region::FromRect({0, 0, 20, 20}).Subtract(ui::Region::FromRect({5, 5, 10, 10}))},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_FALSE(k.region.IsEmpty());
        const QImage r = paint(40, 30, [&](HtmlCanvas& c) {
            c.SelectClipRgn(&k.region);
            c.FillRect({0, 0, 40, 30}, 0);
        });
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(r.pixel(x, y), k.region.Contains(x, y) ? kBlack : kWhite) << x << "," << y;
    }
    EXPECT_TRUE(cases[1].region.Contains(20, 16));
    EXPECT_FALSE(cases[2].region.Contains(20, 16));
}

TEST_F(HtmlCanvasClip, WindowOriginAndExtentsMapLogicalUnits) {
    const QImage img = paint(60, 40, [](HtmlCanvas& c) {
        // A device clip set first stays where it is when the mapping changes.
        ui::Region left = ui::Region::FromRect({0, 0, 30, 40});
        c.SelectClipRgn(&left);
        c.SetWindowOrg(100, 50);
        EXPECT_EQ(c.LPtoDP(QPoint(100, 50)), QPoint(0, 0));
        c.FillRect({100, 50, 110, 60}, 0); // device 0,0 .. 10,10
        c.SetWindowOrg(0, 0);
        c.SetAnisotropic(true);
        c.SetWindowExt(4, 4);
        c.SetViewportExt(2, 2); // two logical units per pixel
        c.FillRect({40, 40, 80, 60}, ui::rgb_ref(255, 0, 0)); // device 20,20 .. 40,30, clipped at 30
        EXPECT_EQ(c.GetClipBox(), (Rect{0, 0, 60, 80}));
    });
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            QRgb want = kWhite;
            if (x < 10 && y < 10) want = kBlack;
            if (x >= 20 && x < 30 && y >= 20 && y < 30) want = qRgb(255, 0, 0);
            ASSERT_EQ(img.pixel(x, y), want) << x << "," << y;
        }
}

// --------------------------------------------------------------- bitmaps

struct Sprite {
    QImage image, mask; // mask white where transparent
};

Sprite sprite() {
    Sprite s{blank(9, 7), blank(9, 7)};
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool opaque = (x - 4) * (x - 4) + (y - 3) * (y - 3) <= 10;
            s.image.setPixel(x, y, opaque ? qRgb(200, 30 * y, 20 * x) : kBlack);
            s.mask.setPixel(x, y, opaque ? kBlack : kWhite);
        }
    return s;
}

QImage backdrop() {
    QImage img = blank(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) img.setPixel(x, y, qRgb(x * 8, 100, y * 12));
    return img;
}

QImage on_backdrop(const std::function<void(HtmlCanvas&)>& draw, bool recorded) {
    QImage img = backdrop();
    auto with_ground = [&](HtmlCanvas& c) {
        c.BitBlt(0, 0, 30, 20, backdrop(), 0, 0, ui::Rop::SrcCopy);
        draw(c);
    };
    return recorded ? paint_recorded(30, 20, with_ground) : paint(30, 20, with_ground);
}

TEST_F(HtmlCanvasBitmaps, MaskedCopiesMatchOnRasterAndRecordingDevices) {
    const Sprite s = sprite();
    // Expected: the sprite's opaque pixels at (5,4) doubled in size.
    QImage want = backdrop();
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 18; ++x)
            if (s.mask.pixel(x / 2, y / 2) == kBlack) want.setPixel(5 + x, 4 + y, s.image.pixel(x / 2, y / 2));

    auto masked = [&](HtmlCanvas& c) { c.DrawMasked({5, 4, 23, 18}, s.image, s.image.rect(), s.mask); };
    EXPECT_EQ(on_backdrop(masked, false), want);
    EXPECT_EQ(on_backdrop(masked, true), want);

    // The classic three-step combination gives the same picture on both.
    auto three_steps = [&](HtmlCanvas& c) {
        c.StretchBlt(5, 4, 18, 14, s.mask, 0, 0, 9, 7, ui::Rop::SrcAnd);
        c.StretchBlt(5, 4, 18, 14, s.image, 0, 0, 9, 7, ui::Rop::SrcPaint);
    };
    EXPECT_EQ(on_backdrop(three_steps, false), want);
    EXPECT_EQ(on_backdrop(three_steps, true), want);
}

TEST_F(HtmlCanvasBitmaps, RasterOperationsCombineWithTheDestination) {
    const QImage src = [] {
        QImage i = blank(2, 1);
        i.setPixel(0, 0, qRgb(0x0F, 0xF0, 0x33));
        i.setPixel(1, 0, qRgb(0xFF, 0x00, 0x80));
        return i;
    }();
    const QRgb dst = qRgb(0x55, 0x55, 0x55);
    struct Case {
        ui::Rop rop;
        QRgb first, second;
    };
    const Case cases[] = {
        {ui::Rop::SrcCopy, qRgb(0x0F, 0xF0, 0x33), qRgb(0xFF, 0x00, 0x80)},
        {ui::Rop::SrcAnd, qRgb(0x05, 0x50, 0x11), qRgb(0x55, 0x00, 0x00)},
        {ui::Rop::SrcPaint, qRgb(0x5F, 0xF5, 0x77), qRgb(0xFF, 0x55, 0xD5)},
        {ui::Rop::SrcInvert, qRgb(0x5A, 0xA5, 0x66), qRgb(0xAA, 0x55, 0xD5)},
        {ui::Rop::NotSrcCopy, qRgb(0xF0, 0x0F, 0xCC), qRgb(0x00, 0xFF, 0x7F)},
    };
    for (const Case& k : cases) {
        QImage img = blank(2, 1, dst);
        {
            QPainter p(&img);
            HtmlCanvas c(p);
            c.BitBlt(0, 0, 2, 1, src, 0, 0, k.rop);
        }
        SCOPED_TRACE(static_cast<int>(k.rop));
        EXPECT_EQ(img.pixel(0, 0), k.first);
        EXPECT_EQ(img.pixel(1, 0), k.second);
    }
}

// ---------------------------------------------------------------- shapes

// Lengths of the runs of `ink` and of other pixels along row y.
std::vector<int> runs(const QImage& img, int y, int from, int to, QRgb ink) {
    std::vector<int> out;
    bool on = img.pixel(from, y) == ink;
    int len = 0;
    for (int x = from; x < to; ++x) {
        if ((img.pixel(x, y) == ink) == on) {
            ++len;
        } else {
            out.push_back(on ? len : -len);
            on = !on;
            len = 1;
        }
    }
    out.push_back(on ? len : -len);
    return out;
}

TEST_F(HtmlCanvasShapes, DashedAndDottedPensRepeatByTheirWidth) {
    const QImage dashed = paint(120, 20, [](HtmlCanvas& c) {
        c.SelectPen({ui::PenStyle::Dash, 3, 0, ui::PenCap::Square, ui::PenJoin::Miter});
        c.Polyline({{10, 10}, {110, 10}});
    });
    // Dashes three widths long, one width apart (inner ones; the ends meet the caps).
    const std::vector<int> r = runs(dashed, 10, 20, 100, kBlack);
    int dashes = 0;
    for (size_t i = 1; i + 1 < r.size(); ++i) {
        EXPECT_EQ(r[i], r[i] > 0 ? 9 : -3) << i;
        dashes += r[i] > 0;
    }
    EXPECT_GE(dashes, 5);

    const QImage dotted = paint(120, 20, [](HtmlCanvas& c) {
        c.SelectPen({ui::PenStyle::Dot, 4, 0, ui::PenCap::Round, ui::PenJoin::Miter});
        c.Polyline({{10, 10}, {110, 10}});
    });
    const std::vector<int> d = runs(dotted, 10, 20, 100, kBlack);
    int dots = 0;
    for (size_t i = 1; i + 1 < d.size(); ++i)
        if (d[i] > 0) {
            ++dots;
            EXPECT_LE(d[i], 5);
        }
    EXPECT_GE(dots, 8);

    // A cosmetic dotted line alternates single pixels.
    const QImage fine = paint(40, 5, [](HtmlCanvas& c) {
        c.SelectPen({ui::PenStyle::Dot, 1, 0});
        c.MoveTo(0, 2);
        c.LineTo(40, 2);
    });
    for (int x = 0; x < 40; ++x) ASSERT_EQ(fine.pixel(x, 2), x % 2 == 0 ? kBlack : kWhite) << x;
}

TEST_F(HtmlCanvasShapes, LinesRectanglesAndEllipsesStayInsideTheirBoxes) {
    const QImage img = paint(60, 40, [](HtmlCanvas& c) {
        c.SelectPen({ui::PenStyle::Solid, 1, 0});
        c.MoveTo(2, 2);
        c.LineTo(12, 2); // pixels 2..11
        c.LineTo(12, 8); // rows 2..7
        c.SelectBrush({false, ui::rgb_ref(0, 255, 0)});
        c.Rectangle({20, 2, 30, 10});
        c.SelectPen({ui::PenStyle::Null});
        c.SelectBrush({false, ui::rgb_ref(0, 0, 255)});
        c.Ellipse({35, 5, 55, 35});
    });
    // The first line ends before x 12, where the second begins.
    for (int x = 0; x < 15; ++x) EXPECT_EQ(img.pixel(x, 2), x >= 2 && x <= 12 ? kBlack : kWhite) << x;
    for (int y = 3; y < 10; ++y) EXPECT_EQ(img.pixel(12, y), y < 8 ? kBlack : kWhite) << y;
    // Rectangle: outline on its first and last rows and columns, brush inside.
    EXPECT_EQ(img.pixel(20, 2), kBlack);
    EXPECT_EQ(img.pixel(29, 9), kBlack);
    EXPECT_EQ(img.pixel(30, 9), kWhite);
    EXPECT_EQ(img.pixel(25, 6), qRgb(0, 255, 0));
    const QRect e = ink_box(img.copy(33, 0, 27, 40));
    EXPECT_EQ(e.translated(33, 0), QRect(35, 5, 20, 30));
    EXPECT_EQ(img.pixel(45, 20), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(35, 5), kWhite); // corners of the box stay clear
}

} // namespace
