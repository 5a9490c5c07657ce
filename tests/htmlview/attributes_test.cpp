// Attribute lists, link addresses, image maps and wrapped text.
#include "htmlview/attributes.h"

#include <gtest/gtest.h>

#include "htmlview/style_model.h"
#include "htmlview/text_measure.h"
#include "platform_ui/qt_app.h"
#include "support/heap_use.h"

namespace {

using namespace htmlview;

TAttributeList attrs(std::initializer_list<std::pair<Sym, const char*>> list) {
    TAttributeList a;
    for (const auto& [sym, value] : list)
        a.Add(std::make_unique<TAttribute>(sym, std::string(SymbolName(sym)), 0, value));
    return a;
}

TEST(Attributes, TypedAccessAndTheStyleSetOutlivesTheList) {
    TAttributeList a = attrs({{Sym::Class, "Note Big"}, {Sym::ID, "Top"}, {Sym::Title, "Mixed Case"},
                              {Sym::Style, "COLOR: Red; margin-left: 3PX"}, {Sym::ID, "second"}});
    EXPECT_EQ(a.TheClass(), "note big");
    EXPECT_EQ(a.TheID(), "top");
    EXPECT_EQ(a.TheTitle(), "Mixed Case");
    EXPECT_EQ(a.Find(Sym::ID)->ValueText, "Top"); // the first in list order
    EXPECT_EQ(a.Find(Sym::Href), nullptr);
    EXPECT_EQ(a.CreateStringList(),
              (std::vector<std::string>{"CLASS=Note Big", "ID=Top", "TITLE=Mixed Case",
                                        "STYLE=COLOR: Red; margin-left: 3PX", "ID=second"}));

    std::shared_ptr<TProperties> style = a.TheStyle();
    ASSERT_TRUE(style);
    EXPECT_EQ(AsInt(style->Props[Color]), 0x0000FF);
    EXPECT_EQ(AsString(style->Props[MarginLeft]), "3px");

    // The list is reused for the next tag; the set taken stays whole.
    a.Clear();
    EXPECT_EQ(a.TheID(), ""); // the cached id went with Clear
    a.Add(std::make_unique<TAttribute>(Sym::Style, "STYLE", 0, "color: blue"));
    std::shared_ptr<TProperties> next = a.TheStyle();
    EXPECT_NE(next.get(), style.get());
    EXPECT_EQ(AsInt(style->Props[Color]), 0x0000FF);
    EXPECT_EQ(AsInt(next->Props[Color]), 0xFF0000);
    EXPECT_FALSE(attrs({{Sym::Class, "x"}}).TheStyle());
}

TEST(Attributes, LinkNumbersGrowWithEveryAddress) {
    TUrlTarget a, b;
    a.Assign("a.html", "_top");
    b.Assign("b.html", "");
    EXPECT_EQ(b.ID, a.ID + 1);
    TUrlTarget c;
    c.Copy(a);
    EXPECT_EQ(c.Url, "a.html");
    EXPECT_EQ(c.ID, a.ID);
    c.Clear();
    EXPECT_EQ(c.Url, "");
    EXPECT_EQ(c.ID, 0);
}

TEST(ImageMaps, CoordinatesAreReadNumberByNumber) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"1,2,3,4", {1, 2, 3, 4}},
        {" 1 , 2,,3  x 5", {0, 1, 2, 3, 0, 5}}, // a leading blank gives an empty first number
        {"-7,+8,9.5", {-7, 8, 0}},
        {"123456789012345678901234,1", {1000000000, 1}}, // 20 characters, then bounded
        {"", {}},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(ReadCoords(text), want) << text;
    std::string many;
    for (int i = 0; i < 400; ++i) many += std::to_string(i) + ",";
    EXPECT_EQ(ReadCoords(many).size(), 301u);
}

TEST(ImageMaps, AreasHitTestInListOrder) {
    TMapItem map;
    map.AddArea(attrs({{Sym::Shape, "rect"}, {Sym::Coords, "10,10,20,20"}, {Sym::Href, "rect.html"},
                       {Sym::Target, "main"}, {Sym::Title, "Rect"}}));
    map.AddArea(attrs({{Sym::Href, "circle.html"}, {Sym::Shape, "CIRCLE"}, {Sym::Coords, "50,50,10"}}));
    map.AddArea(attrs({{Sym::Href, "gone.html"}, {Sym::NoHref, ""}, {Sym::Shape, "rect"},
                       {Sym::Coords, "100,0,120,20"}}));
    map.AddArea(attrs({{Sym::Href, "under.html"}, {Sym::Coords, "100,0,140,20"}})); // no shape: rect
    map.AddArea(attrs({{Sym::Shape, "polygon"}, {Sym::Coords, "200,2,208,28,186,11,214,11,192,28"},
                       {Sym::Href, "star.html"}}));
    map.AddArea(attrs({{Sym::Shape, "circ"}, {Sym::Coords, "1,2"}, {Sym::Href, "few.html"}})); // too few
    map.AddArea(attrs({{Sym::Shape, "poly"}, {Sym::Coords, "1,2,3,4,5"}, {Sym::Href, "few.html"}}));
    ASSERT_EQ(map.Areas().size(), 5u);

    const struct {
        int x, y;
        const char* url; // nullptr: no address there
    } cases[] = {
        {10, 10, "rect.html"},   {20, 20, "rect.html"},   {21, 20, nullptr},   {9, 15, nullptr},
        // The circle's box runs one pixel past the diameter on the right and bottom.
        {40, 50, "circle.html"}, {60, 50, "circle.html"}, {61, 50, nullptr},   {39, 50, nullptr},
        {50, 60, "circle.html"}, {50, 61, nullptr},       {50, 40, "circle.html"},
        {110, 10, nullptr},      // the first area there has no address
        {130, 10, "under.html"}, // beyond it the next area answers
        {200, 16, "star.html"},  // the middle of the star counts (winding)
        {2, 3, nullptr},
    };
    for (const auto& k : cases) {
        std::unique_ptr<TUrlTarget> target;
        std::string title;
        const bool hit = map.GetURL(k.x, k.y, target, title);
        SCOPED_TRACE(std::to_string(k.x) + "," + std::to_string(k.y));
        EXPECT_EQ(hit, k.url != nullptr);
        if (hit && k.url) {
            ASSERT_TRUE(target);
            EXPECT_EQ(target->Url, k.url);
        }
    }
    std::unique_ptr<TUrlTarget> t;
    std::string title;
    ASSERT_TRUE(map.GetURL(15, 15, t, title));
    EXPECT_EQ(t->Target, "main");
    EXPECT_EQ(title, "Rect");
}

// Circles of a radius near a million pixels cost what small ones cost, and
// polygons as large only what a picture's height of rows costs.
TEST(ImageMaps, HugeAreasCostLittle) {
    const auto before = testsupport::heap_in_use();
    TMapItem map;
    auto add = [&](const char* shape, const std::string& coords, const std::string& href) {
        map.AddArea(attrs({{Sym::Shape, shape}, {Sym::Coords, coords.c_str()}, {Sym::Href, href.c_str()}}));
    };
    for (int i = 0; i < 20; ++i)
        add("circle", std::to_string(i % 2 ? 999999 : -999999) + ",0,1000000", "a" + std::to_string(i) + ".html");
    ASSERT_EQ(map.Areas().size(), 20u);
    if (before) EXPECT_LT(*testsupport::heap_in_use() - *before, size_t(1) << 20);
    // A triangle below the picture's top left corner, two million pixels tall.
    TMapItem poly;
    poly.AddArea(attrs({{Sym::Shape, "poly"}, {Sym::Coords, "0,0,1000000,1000000,-1000000,1000000"},
                        {Sym::Href, "v.html"}}));
    if (before) EXPECT_LT(*testsupport::heap_in_use() - *before, size_t(4) << 20);
    std::unique_ptr<TUrlTarget> v;
    std::string vt;
    EXPECT_TRUE(poly.GetURL(0, 5, v, vt));
    EXPECT_TRUE(poly.GetURL(19000, 19990, v, vt));
    EXPECT_FALSE(poly.GetURL(10, 5, v, vt));
    // The first circle (centre -999999, 0) holds the picture's top left
    // corner but not (300, 0), which the second (centre 999999, 0) holds.
    std::unique_ptr<TUrlTarget> t;
    std::string title;
    ASSERT_TRUE(map.GetURL(0, 0, t, title));
    EXPECT_EQ(t->Url, "a0.html");
    ASSERT_TRUE(map.GetURL(300, 0, t, title));
    EXPECT_EQ(t->Url, "a1.html");
}

class WrappedText : public testsupport::QtFixture {
  protected:
    QImage wrap(int w, int h, const ui::Rect& box, WideView text) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(0xFFFFFFFFu);
        QPainter p(&img);
        ui::HtmlCanvas c(p);
        c.SetAntialias(false);
        ui::LogFont f;
        f.face = "Arial";
        f.height = -11;
        c.SelectFont(f);
        line_height = c.GetTextMetrics().height;
        WrapText(c, box.Left, box.Top, box.Right, box.Bottom, text);
        EXPECT_EQ(c.GetBkMode(), ui::BkMode::Opaque); // the canvas state comes back
        return img;
    }
    int line_height = 0;
};

// Rows that hold ink.
std::vector<int> inked_rows(const QImage& img) {
    std::vector<int> rows;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != 0xFFFFFFFFu) {
                rows.push_back(y);
                break;
            }
    return rows;
}

TEST_F(WrappedText, WordsWrapAndStopAtTheBottom) {
    // Two lines fit; the text needs more.
    const QImage img = wrap(200, 100, {5, 5, 70, 5 + 2 * 13 + 5}, u"one two three four five six seven");
    const std::vector<int> rows = inked_rows(img);
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front(), 5);
    EXPECT_LT(rows.back(), 5 + 2 * line_height);
    EXPECT_GT(rows.back(), 5 + line_height); // the second line is there

    // A word wider than the box gets a line of its own and the rest goes on.
    const QImage wide = wrap(300, 100, {5, 5, 30, 95}, u"Unbreakableword and more");
    const std::vector<int> w = inked_rows(wide);
    ASSERT_FALSE(w.empty());
    EXPECT_GT(w.back(), 5 + 2 * line_height);

    // No room for one line, or nothing to draw: nothing drawn.
    EXPECT_TRUE(inked_rows(wrap(100, 40, {5, 5, 90, 5}, u"text")).empty());
    EXPECT_TRUE(inked_rows(wrap(100, 40, {5, 5, 90, 30}, u"   ")).empty());
}

TEST_F(WrappedText, FitAndWidthCountOnlyTheGivenCharacters) {
    QImage img(10, 10, QImage::Format_RGB32);
    QPainter p(&img);
    ui::HtmlCanvas c(p);
    const WideView text = u"abcdef";
    int extent = -1;
    EXPECT_EQ(FitText(c, text, 3, 10000, extent), 3);
    EXPECT_EQ(extent, c.TextWidth(u"abc"));
    EXPECT_EQ(FitText(c, text, 0, 10000, extent), 0);
    EXPECT_EQ(extent, 0);
    EXPECT_EQ(FitText(c, text, 99, 0, extent), 0);
    EXPECT_EQ(FitText(c, text, 99, c.TextWidth(u"ab"), extent), 2);
    EXPECT_EQ(TextWidth(c, text, 2), c.TextWidth(u"ab"));
    EXPECT_EQ(TextWidth(c, text, 50), c.TextWidth(text));
    EXPECT_EQ(TextWidth(c, text, -1), 0);
}

} // namespace
