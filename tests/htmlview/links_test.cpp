// Links on the page: hit tests by point, their tab stops, focus, Enter and
// the keys passed on, hover and visited looks; and positions by point.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "flow_support.h"

namespace {

using namespace htmlview;

class Links : public testsupport::QtFixture {
  protected:
    Links() {
        InitDisplay();
        surface.LoadText(kPage, "", 400);
        QApplication::setActiveWindow(&surface);
    }

    // Where a document position is drawn (x inside the character, y its line's middle).
    QPoint at(int pos) {
        int x = 0, y = 0;
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter p(&scratch);
        ui::HtmlCanvas canvas(p);
        EXPECT_TRUE(surface.Doc().CursorToXY(&canvas, pos, x, y));
        return QPoint(x + 2, y + 8);
    }
    // The document position of the first character of `text`.
    int find(const char16_t* text) { return surface.Doc().FindText(text, 0, true); }

    std::string url_at(QPoint p, std::string* title = nullptr) {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        ui::HtmlCanvas canvas(painter);
        TUrlTarget url;
        TFormControlObj* control = nullptr;
        std::string t;
        const int r = surface.Doc().UrlAtPoint(canvas, p.x(), p.y(), url, control, t);
        if (title) *title = t;
        return r & guUrl ? url.Url : std::string();
    }

    std::vector<ThtTabcontrol*> tab_stops() {
        std::vector<ThtTabcontrol*> out;
        for (QObject* o : surface.children())
            if (auto* t = dynamic_cast<ThtTabcontrol*>(o)) out.push_back(t);
        return out;
    }

    void key(QWidget* w, int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }

    static constexpr const char* kPage =
        "<p>Start <a href=\"one.html\" title=\"First\">first link</a> and "
        "<a href=\"two.html\">second <b>bold</b></a> then <a href=\"three.html\" target=\"side\">third</a>.</p>"
        "<p><a href=\"empty.html\"> <b>lead space</b></a> end</p>";

    htmlshot::ShotSurface surface;
};

TEST_F(Links, UrlAtPointFindsTheLinkUnderEachCharacter) {
    struct Case {
        const char16_t* text;
        const char* url;
    } cases[] = {
        {u"Start", ""},       {u"first", "one.html"}, {u"link", "one.html"},  {u"and", ""},
        {u"second", "two.html"}, {u"bold", "two.html"}, {u"then", ""},       {u"third", "three.html"},
        {u"lead", "empty.html"},  {u"end", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.text));
        const int pos = find(c.text);
        ASSERT_GE(pos, 0);
        EXPECT_EQ(url_at(at(pos)), c.url);
    }
    std::string title;
    EXPECT_EQ(url_at(at(find(u"first")), &title), "one.html");
    EXPECT_EQ(title, "First");
    // Right of the last character of a line, or above the page, is no link.
    EXPECT_EQ(url_at(QPoint(395, at(find(u"third")).y())), "");
    EXPECT_EQ(url_at(QPoint(at(find(u"first")).x(), -5)), "");
}

TEST_F(Links, EachLinkHasOneTabStopAndTabReachesTheFirst) {
    const auto stops = tab_stops();
    ASSERT_EQ(stops.size(), 4u); // the bold part of the second link has none of its own
    surface.setFocus();
    key(&surface, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), stops[0]);
    EXPECT_EQ(stops[0]->Owner->UrlTarget.Url, "one.html");
    key(stops[0], Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), stops[1]);
    // Both runs of the split link show the focus.
    for (TFontObj* run : surface.Doc().Links)
        EXPECT_EQ(run->Focused, run->UrlTarget.Url == "two.html") << run->UrlTarget.Url;
    key(stops[1], Qt::Key_Down);
    EXPECT_EQ(surface.ForwardedKeys, std::vector<int>{Qt::Key_Down});
    key(stops[1], Qt::Key_Return);
    key(stops[1], Qt::Key_Tab);
    key(stops[2], Qt::Key_Enter);
    EXPECT_EQ(surface.Followed, (std::vector<std::string>{"two.html", "three.html -> side"}));
}

TEST_F(Links, ALinkWhoseFirstRunIsEmptiedKeepsItsTabStop) {
    // The space before the bold part goes when the section is finished,
    // and with it the run that made the tab stop.
    const auto stops = tab_stops();
    ASSERT_EQ(stops.size(), 4u);
    ThtTabcontrol* last = stops[3];
    ASSERT_NE(last->Owner, nullptr);
    EXPECT_EQ(last->Owner->UrlTarget.Url, "empty.html");
    EXPECT_EQ(std::count(surface.Doc().Links.begin(), surface.Doc().Links.end(), last->Owner), 1);
    last->setFocus();
    EXPECT_TRUE(last->Owner->Focused);
    key(last, Qt::Key_Return);
    EXPECT_EQ(surface.Followed, std::vector<std::string>{"empty.html"});
}

TEST_F(Links, VisitedAndHoverLooks) {
    TSectionList& doc = surface.Doc();
    const ColorRef link = doc.FontSettings.HotSpotColor;
    const ColorRef visited = doc.FontSettings.VisitedColor;
    auto color_of = [&](const char* url) {
        for (TFontObj* run : doc.Links)
            if (run->UrlTarget.Url == url) return ui::resolve_color(run->TheFont.Color) & 0xFFFFFF;
        return ColorRef(0xFFFFFFFF);
    };
    EXPECT_EQ(color_of("one.html"), ui::resolve_color(link) & 0xFFFFFF);
    for (TFontObj* run : doc.Links)
        if (run->UrlTarget.Url == "one.html") run->SetVisited(true);
    EXPECT_EQ(color_of("one.html"), ui::resolve_color(visited) & 0xFFFFFF);

    // The painted text takes the colour too.
    const QImage shot = surface.Grab();
    const QPoint p = at(find(u"first"));
    bool purple = false;
    for (int x = p.x() - 2; x < p.x() + 30; ++x)
        for (int y = p.y() - 8; y < p.y() + 8; ++y)
            purple |= (shot.pixel(x, y) & 0xFFFFFF) == (ui::to_qrgb(visited) & 0xFFFFFF);
    EXPECT_TRUE(purple);

    // Hover looks when the page asks for them (OLINK): every run of the link
    // under the mouse changes, and leaves the look when the mouse moves off.
    EXPECT_FALSE(doc.HoverLinks);
    surface.LoadText(std::string("<body olink=\"#ff0000\">") + kPage, "", 400);
    ASSERT_TRUE(doc.HoverLinks);
    const ColorRef hover = ui::rgb_ref(255, 0, 0);
    url_at(at(find(u"bold")));
    ASSERT_NE(doc.HoverLink, nullptr);
    for (TFontObj* run : doc.Links) EXPECT_EQ(run->Hovered, run->UrlTarget.Url == "two.html") << run->UrlTarget.Url;
    EXPECT_EQ(color_of("two.html"), hover);
    url_at(at(find(u"Start")));
    EXPECT_EQ(doc.HoverLink, nullptr);
    for (TFontObj* run : doc.Links) EXPECT_FALSE(run->Hovered);
    EXPECT_EQ(color_of("two.html"), ui::resolve_color(link) & 0xFFFFFF);
}

TEST_F(Links, CursorPositionsFollowTheCharacters) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    TSectionList& doc = surface.Doc();
    for (const char16_t* text : {u"Start", u"second", u"third", u"lead"}) {
        SCOPED_TRACE(WideToUtf8(text));
        const int pos = find(text);
        int x = 0, y = 0, xr = 0, yr = 0, height = 0;
        bool over_text = false;
        ASSERT_TRUE(doc.CursorToXY(&canvas, pos, x, y));
        EXPECT_EQ(doc.CursorAtPoint(canvas, x + 1, y + 5, xr, yr, height, over_text), pos);
        EXPECT_TRUE(over_text);
        EXPECT_EQ(xr, x);
        EXPECT_GT(height, 10);
    }
    // Past the end: the last position, fifteen pixels lower.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_TRUE(doc.CursorToXY(&canvas, doc.PosCount - 1, x1, y1));
    ASSERT_TRUE(doc.CursorToXY(&canvas, doc.PosCount + 10, x2, y2));
    EXPECT_EQ(y2, y1 + 15);
}

} // namespace
