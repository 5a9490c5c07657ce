// The font ladder: every font the default sheet and the HTML font sizes give,
// painted from the cascaded property sets, checked by size and against the
// golden picture.
#include <gtest/gtest.h>

#include <QDir>
#include <map>

#include "htmlview/css_parser.h"
#include "htmlview/style_model.h"
#include "htmlview/wide_string.h"
#include "platform/os/int_math.h"
#include "platform_ui/qt_app.h"

namespace {

using namespace htmlview;

struct Row {
    std::string label;
    TMyFont font;
    int em = 0;
    double points = 0;
};

class FontLadder : public testsupport::QtFixture {
  protected:
    FontLadder() {
        styles.BuildDefaultSheet({});
        SetFontSizeTables(12);
        auto base = std::make_unique<TProperties>();
        base->CopyDefault(*styles.DefaultProps);
        stack.Add(std::move(base));
    }

    // Opens the elements, takes the font of the innermost, closes them again.
    Row row(const std::string& label, std::initializer_list<const char*> tags, const char* style = nullptr,
            int html_size = 0) {
        for (const char* tag : tags) {
            std::shared_ptr<TProperties> attr;
            if (style && tag == *std::prev(tags.end())) {
                attr = std::make_shared<TProperties>();
                ParseStyleAttribute(style, *attr);
            }
            stack.PushElement(styles, tag, "", "", "", "", attr);
        }
        TProperties& p = stack.Last();
        if (html_size) p.SetValue(FontSize, FontSizePoints(html_size));
        Row r{label, p.GetFont(), p.EmSize, AsNumber(p.Props[FontSize])};
        for (size_t i = 0; i < tags.size(); ++i) stack.PopTop();
        return r;
    }

    std::vector<Row> rows() {
        std::vector<Row> r;
        for (int level = 1; level <= 6; ++level) {
            const std::string h = "h" + std::to_string(level);
            r.push_back(row(h, {h.c_str()}));
        }
        for (const char* tag : {"p", "pre", "code", "small", "big", "sub", "sup"}) r.push_back(row(tag, {"p", tag}));
        for (int size = 1; size <= 7; ++size)
            r.push_back(row("FONT " + std::to_string(size), {"font"}, nullptr, size));
        for (const char* family : {"serif", "sans-serif", "monospace", "cursive"})
            r.push_back(row(family, {"span"}, (std::string("font-family: ") + family).c_str()));
        return r;
    }

    TStyleList styles;
    TPropStack stack;
};

QImage paint_ladder(const std::vector<Row>& rows) {
    int height = 8;
    for (const Row& r : rows) height += r.font.tmHeight + 4;
    QImage img(620, height, QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    QPainter p(&img);
    ui::HtmlCanvas c(p);
    c.SetAntialias(false);
    c.SetBkMode(ui::BkMode::Transparent);
    c.SetTextAlign(ui::TextAlign::Baseline);
    ui::LogFont label_font;
    label_font.face = "Arial";
    label_font.height = -11;
    int y = 4;
    for (const Row& r : rows) {
        const int baseline = y + r.font.tmHeight - r.font.tmDescent;
        c.SelectFont(label_font);
        c.SetTextColor(ui::rgb_ref(120, 120, 120));
        char size[32];
        std::snprintf(size, sizeof size, "%g pt", r.points);
        c.TextOut(6, baseline, Utf8ToWide(r.label));
        c.TextOut(70, baseline, Utf8ToWide(size));
        c.SelectFont(r.font.Font);
        c.SetTextColor(r.font.Color);
        c.TextOut(130, baseline, u"Hxg Żółw ąę 123");
        c.FillRect({126, y, 127, y + r.font.tmHeight}, ui::rgb_ref(220, 220, 220));
        y += r.font.tmHeight + 4;
    }
    return img;
}

// Rows of ink of an "H" in the font.
int cap_height(const ui::LogFont& f) {
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    QPainter p(&img);
    ui::HtmlCanvas c(p);
    c.SetAntialias(false);
    c.SelectFont(f);
    c.SetTextAlign(ui::TextAlign::Baseline);
    c.TextOut(10, 150, u"H");
    int top = -1, bottom = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (img.pixel(x, y) != 0xFFFFFFFFu) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(FontLadder, SizesFollowThePointsAndThePictureMatches) {
    const std::vector<Row> ladder = rows();
    ASSERT_EQ(ladder.size(), 24u);
    const double h_points[] = {24, 18, 14, 12, 10, 8};
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(ladder[static_cast<size_t>(i)].points, h_points[i]);
    // h1: 24 points are a 32-pixel em at 96 dpi, bold, in the default face.
    const Row& h1 = ladder[0];
    EXPECT_EQ(h1.font.Font.height, -32);
    EXPECT_EQ(h1.em, 32);
    EXPECT_EQ(h1.font.Font.weight, 700);
    EXPECT_EQ(h1.font.Font.face, "Times New Roman");
    const int cap = cap_height(h1.font.Font);
    EXPECT_GE(cap, 20); // a serif capital is about two thirds of the em
    EXPECT_LE(cap, 23);

    const std::map<std::string, double> points = {
        {"p", 12},   {"pre", 10},  {"code", 10}, {"small", 9},  {"big", 15},   {"sub", 9},
        {"sup", 9},  {"FONT 1", 8}, {"FONT 2", 10}, {"FONT 3", 12}, {"FONT 4", 14}, {"FONT 5", 18},
        {"FONT 6", 24}, {"FONT 7", 36},
    };
    for (const Row& r : ladder) {
        SCOPED_TRACE(r.label);
        if (points.count(r.label)) EXPECT_NEAR(r.points, points.at(r.label), 0.01);
        EXPECT_EQ(r.em, os::round_even(r.points * 96 / 72));
        EXPECT_EQ(r.font.Font.height, -r.em);
    }
    EXPECT_EQ(ladder[7].font.Font.face, "Courier New"); // pre
    EXPECT_EQ(ladder[20].font.Font.face, "Times New Roman");
    EXPECT_EQ(ladder[21].font.Font.face, "Arial");
    EXPECT_EQ(ladder[22].font.Font.face, "Courier New");
    EXPECT_EQ(ladder[23].font.Font.face, "Arial"); // no cursive face installed: Arial

    const QImage img = paint_ladder(ladder);
    QDir().mkpath(QString::fromStdString(testsupport::output_path("htmlview")));
    img.save(QString::fromStdString(testsupport::output_path("htmlview/font_ladder.png")));
    const QImage golden(QString::fromStdString(std::string(FIXTURES_DIR) + "/font_ladder.png"));
    ASSERT_FALSE(golden.isNull()) << "golden picture missing";
    EXPECT_EQ(img, golden.convertToFormat(QImage::Format_RGB32));
}

} // namespace
