// Client-side image maps read from the page and answering clicks on their
// pictures (through the document and through the viewer control), server
// maps inside links, and panels: their sizes, the host's events, painting
// on screen and on paper.
#include <gtest/gtest.h>

#include <QPainter>

#include "flow_support.h"
#include "htmlview/form.h"
#include "htmlview/html_pane.h"
#include "htmlview/image_obj.h"
#include "htmlview/panel_obj.h"
#include "support/temp_dir.h"

namespace {

using namespace htmlview;
using flow::Page;

const std::string kPics = std::string(FIXTURES_DIR) + "/pages/pics/";

template <class T>
std::vector<T*> objects(const TSectionList& doc) {
    std::vector<T*> out;
    for (TSection* s : flow::sections(doc))
        for (const auto& o : s->Images)
            if (auto* i = dynamic_cast<T*>(o.get())) out.push_back(i);
    return out;
}

// The link under a point given relative to the first picture of the page.
std::string url_on_picture(TSectionList& doc, int x, int y, std::string* title = nullptr) {
    const auto imgs = objects<TImageObj>(doc);
    if (imgs.empty()) return "<no picture>";
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    TUrlTarget url;
    TFormControlObj* control = nullptr;
    std::string t;
    const int r = doc.UrlAtPoint(canvas, imgs[0]->PlacedX + x, imgs[0]->PlacedY + y, url, control, t);
    if (title) *title = t;
    return r & guUrl ? url.Url : std::string();
}

// A 100 x 40 picture with a map: a rectangle, a circle, a triangle, an area
// without address over a corner of the last rectangle, which covers it all.
const std::string kMap =
    "<map name=\" Nav \">"
    "<area shape=rect coords=\"0,0,19,19\" href=\"rect.html\" title=\"Square\">"
    "<area shape=circle coords=\"40,10,8\" href=\"circle.html\">"
    "<area shape=poly coords=\"60,0,79,0,60,19\" href=\"poly.html\">"
    "<area shape=default href=\"none.html\">" // too few numbers: left out
    "<area nohref shape=rect coords=\"0,20,19,39\">"
    "<area shape=default coords=\"0,0,99,39\" href=\"rest.html\">"
    "</map>";

class Maps : public testsupport::QtFixture {};

TEST_F(Maps, AreasAnswerPointsOnTheirPicture) {
    // The map may come before or after its picture.
    for (bool map_first : {true, false}) {
        SCOPED_TRACE(map_first ? "map first" : "map last");
        const std::string img = "<img src=\"" + kPics + "sky.png\" width=100 height=40 usemap=\"#nav\">";
        Page page("<p>" + (map_first ? kMap + img : img + kMap) + " after</p>", 400);
        ASSERT_EQ(page.doc.ImageMaps.size(), 1u);
        EXPECT_EQ(page.Lines(), std::vector<std::string>{"# after"});
        struct Case {
            int x, y;
            const char* url;
        } cases[] = {
            {5, 5, "rect.html"},    {19, 19, "rect.html"},   {40, 10, "circle.html"}, {40, 3, "circle.html"},
            {62, 2, "poly.html"},   {78, 18, "rest.html"},   // beside the triangle's slope
            {5, 25, ""},            // the area without an address hides the one under it
            {90, 30, "rest.html"},  {-3, 5, ""},             {100, 5, ""}, // beside the picture
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
            EXPECT_EQ(url_on_picture(page.doc, c.x, c.y), c.url);
        }
        std::string title;
        url_on_picture(page.doc, 5, 5, &title);
        EXPECT_EQ(title, "Square");
    }
}

TEST_F(Maps, MapsThatAreDroppedOrMissLeaveAPlainPicture) {
    const std::string img = "<a href=\"link.html\"><img src=\"" + kPics + "sky.png\" usemap=\"#m\"></a>";
    const std::string area = "<area shape=rect coords=\"0,0,39,29\" href=\"area.html\">";
    struct Case {
        const char* name;
        std::string html;
        size_t maps;
        const char* url;
    } cases[] = {
        {"closed", "<map name=m>" + area + "</map>" + img, 1, "area.html"},
        {"text and two tags inside", "<map name=m>x<b>y<i>" + area + "</map>" + img, 1, "area.html"},
        {"third tag gives it up", "<map name=m><b><i><u>" + area + "</map>" + img, 0, "link.html"},
        {"end of page", img + "<map name=m>" + area, 0, "link.html"},
        {"other name", "<map name=n>" + area + "</map>" + img, 1, "link.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page page(c.html, 400);
        EXPECT_EQ(page.doc.ImageMaps.size(), c.maps);
        EXPECT_EQ(url_on_picture(page.doc, 5, 5), c.url);
    }
    // The tag that gave the map up is read as part of the page.
    Page page("<map name=m><b><i><img src=\"" + kPics + "sky.png\">" + area + "</map>", 400);
    EXPECT_EQ(objects<TImageObj>(page.doc).size(), 1u);
}

TEST_F(Maps, ServerMapAddsTheClickPointToTheLink) {
    // Inside the 1-pixel link border, the point is relative to the picture.
    Page page("<a href=\"go.html\"><img src=\"" + kPics + "sky.png\" ismap></a>", 400);
    EXPECT_EQ(url_on_picture(page.doc, 5, 7), "go.html?4,6");
}

class PaneMaps : public testsupport::QtFixture {
  protected:
    PaneMaps() {
        pane.resize(600, 300);
        pane.SetBorderStyle(THTMLBorderStyle::htNone);
        pane.show();
        pane.OnError = [this](const std::string& m) { errors.push_back(m); };
    }
    void load(const std::string& name) {
        try {
            pane.LoadFromFile(dir.file(name));
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        }
    }
    void click(int x, int y) {
        pane.PanelMouseMove(Qt::NoButton, Qt::NoModifier, x, y);
        pane.PanelMouseDown(Qt::LeftButton, Qt::NoModifier, x, y);
        pane.PanelMouseUp(Qt::LeftButton, Qt::NoModifier, x, y);
    }
    // Paints the surface (panels move to their places) and gives the picture.
    QImage paint() { return pane.PaintPanel()->grab().toImage(); }

    testsupport::TempDir dir;
    THtmlPane pane;
    std::vector<std::string> errors;
};

TEST_F(PaneMaps, ClickOnAMappedPictureFollowsTheArea) {
    dir.write("map.html", "<p>Pick: <img src=\"" + kPics + "sky.png\" width=100 height=40 usemap=\"#nav\">" + kMap +
                              "</p>");
    dir.write("circle.html", "<p>circle</p>");
    dir.write("rect.html", "<p>rect</p>");
    load("map.html");
    const auto imgs = objects<TImageObj>(pane.Document());
    ASSERT_EQ(imgs.size(), 1u);
    const int x = imgs[0]->PlacedX, y = imgs[0]->PlacedY;
    std::string clicked;
    pane.OnHotSpotClick = [&](const std::string& u, bool& handled) {
        clicked = u;
        handled = false;
    };
    click(x + 5, y + 25); // the area without an address: nothing happens
    EXPECT_EQ(clicked, "");
    EXPECT_EQ(pane.CurrentFile(), dir.file("map.html"));
    click(x + 40, y + 10);
    EXPECT_EQ(clicked, "circle.html");
    EXPECT_EQ(pane.CurrentFile(), dir.file("circle.html"));
    EXPECT_TRUE(errors.empty());
}

// A form's image button: its picture stands in the text and a click on it
// submits the form with the point, once.
class RecordingSurface : public htmlshot::ShotSurface {
  public:
    void SubmitForm(const std::string& action, const std::string&, const std::string&, const std::string&,
                    const std::vector<std::string>& results) override {
        submitted.push_back(action + ":");
        for (const std::string& r : results) submitted.back() += " " + r;
        if (then) then();
    }
    std::vector<std::string> submitted;
    std::function<void()> then; // what the host does next (loads another page)
};

TEST_F(Maps, ImageInputShowsItsPictureAndSubmitsThePointClicked) {
    RecordingSurface s;
    s.LoadText("<form action=go><input type=text name=q value=w> <input type=image name=pos src=\"" + kPics +
                   "sky.png\"> <input type=image src=\"" + kPics + "sky.png\" width=20></form>",
               kPics, 400);
    s.Grab(); // pictures take their places as they are painted
    const auto imgs = objects<TImageObj>(s.Doc());
    ASSERT_EQ(imgs.size(), 2u);
    EXPECT_GT(imgs[0]->PlacedX, 20); // after the edit box
    EXPECT_EQ(imgs[0]->BoxWidth, 40);
    EXPECT_EQ(imgs[0]->BoxHeight, 30);
    EXPECT_EQ(imgs[1]->BoxWidth, 20);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter p(&scratch);
    ui::HtmlCanvas canvas(p);
    for (TImageObj* img : imgs) {
        TUrlTarget url;
        TFormControlObj* control = nullptr;
        std::string title;
        const int hit = s.Doc().UrlAtPoint(canvas, img->PlacedX + 7, img->PlacedY + 4, url, control, title);
        ASSERT_TRUE(hit & guControl);
        ASSERT_EQ(control, img->ImageControl());
        control->ImageClick(7, 4);
    }
    EXPECT_EQ(s.submitted, (std::vector<std::string>{"go: q=w pos.x=7 pos.y=4", "go: q=w x=7 y=4"}));
    // A submission by other means carries no point.
    s.Doc().FormList.front()->Submit("");
    EXPECT_EQ(s.submitted.back(), "go: q=w");
    // The host may replace the page while the click is being handled.
    s.then = [&] { s.LoadText("<p>next</p>", kPics, 400); };
    imgs[0]->ImageControl()->ImageClick(1, 2);
    EXPECT_EQ(s.submitted.back(), "go: q=w pos.x=1 pos.y=2");
    EXPECT_TRUE(objects<TImageObj>(s.Doc()).empty());
}

// ------------------------------------------------------------------ panels

class Panels : public PaneMaps {};

TEST_F(Panels, SizeAndPlaceFromAttributes) {
    // Without a surface no window is made; the sizes are the object's own.
    struct Case {
        const char* attrs;
        int width, height, hspace, vspace, placement;
    } cases[] = {
        {"", 30, 20, 3, 0, ABottom},
        {"width=50 height=30 align=top", 50, 30, 3, 0, ATop},
        {"width=\"50%\" height=10", 190, 10, 3, 0, ABottom}, // of the 380 the body leaves
        {"width=\"150%\"", 380, 20, 3, 0, ABottom},          // percent held to 100
        {"width=\"0%\"", 3, 20, 3, 0, ABottom},              // ... and to 1
        {"width=60 ratio=0.5", 60, 30, 3, 0, ABottom},
        {"width=60 ratio=\"0.125\"", 60, 8, 3, 0, ABottom},   // 7.5 to the even 8
        {"width=\"50%\" ratio=2", 190, 380, 3, 0, ABottom},
        {"width=100 ratio=1e30", 100, 20000, 3, 0, ABottom}, // bounded
        {"ratio=-2 height=9", 30, 9, 3, 0, ABottom},         // not a ratio
        {"ratio=abc", 30, 20, 3, 0, ABottom},
        {"width=-5 height=99999999", 0, 20000, 3, 0, ABottom},
        {"hspace=-50 vspace=100 align=right", 30, 20, 40, 40, ARight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attrs);
        Page page(std::string("<p>a <panel ") + c.attrs + "> b</p>", 400);
        const auto panels = objects<TPanelObj>(page.doc);
        ASSERT_EQ(panels.size(), 1u);
        EXPECT_EQ(panels[0]->Panel(), nullptr);
        EXPECT_EQ(panels[0]->BoxWidth, c.width);
        EXPECT_EQ(panels[0]->BoxHeight, c.height);
        EXPECT_EQ(panels[0]->HSpaceL, c.hspace);
        EXPECT_EQ(panels[0]->HSpaceR, c.hspace);
        EXPECT_EQ(panels[0]->VSpaceT, c.vspace);
        EXPECT_EQ(panels[0]->Placement, c.placement);
    }
}

TEST_F(Panels, TheHostMakesSizesHidesAndDestroysThem) {
    struct Made {
        std::string name, type, src;
        ThvPanel* panel;
    };
    std::vector<Made> made;
    std::vector<ThvPanel*> destroyed;
    pane.OnPanelCreate = [&](TViewerHost* sender, const std::string& name, const std::string& type,
                             const std::string& src, ThvPanel* panel) {
        EXPECT_EQ(sender, static_cast<TViewerHost*>(&pane));
        made.push_back({name, type, src, panel});
        if (name == "big") panel->resize(120, 50);
        if (name == "gone") panel->FVisible = false;
    };
    pane.OnPanelDestroy = [&](TViewerHost*, ThvPanel* panel) { destroyed.push_back(panel); };
    dir.write("panels.html", "<p>one <panel name=big type=clock src=\"c.dat\"> two <panel name=gone> three "
                             "<panel name=plain width=40 height=25></p>");
    dir.write("other.html", "<p>nothing</p>");
    load("panels.html");
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made[0].name, "big");
    EXPECT_EQ(made[0].type, "clock");
    EXPECT_EQ(made[0].src, "c.dat");
    EXPECT_EQ(made[0].panel->parentWidget(), pane.PaintPanel());
    paint();

    const auto panels = objects<TPanelObj>(pane.Document());
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0]->BoxWidth, 120); // the size the host gave
    EXPECT_EQ(panels[0]->BoxHeight, 50);
    for (TPanelObj* p : panels) {
        SCOPED_TRACE(p->Name);
        ThvPanel* w = p->Panel();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->isVisible(), p->Name != "gone");
        if (p->Name == "gone") continue;
        EXPECT_EQ(w->geometry(), QRect(p->PlacedX, p->PlacedY, p->BoxWidth, p->BoxHeight));
    }
    // The empty panel of a page whose host fills nothing: white inside a frame.
    const QImage plain = panels[2]->Panel()->grab().toImage();
    EXPECT_EQ(plain.pixelColor(20, 12), QColor(Qt::white));
    EXPECT_EQ(plain.pixelColor(0, 12), QColor(Qt::black));

    load("other.html");
    ASSERT_EQ(destroyed.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(destroyed[i], made[i].panel);
    EXPECT_TRUE(pane.Document().PanelList.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(Panels, ScrolledOutOfSightTheyMoveAway) {
    std::string page = "<p><panel name=top width=50 height=30></p>";
    for (int i = 0; i < 80; ++i) page += "<p>line " + std::to_string(i) + "</p>";
    dir.write("long.html", page);
    load("long.html");
    paint();
    const auto panels = objects<TPanelObj>(pane.Document());
    ASSERT_EQ(panels.size(), 1u);
    ThvPanel* w = panels[0]->Panel();
    EXPECT_GE(w->x(), 0);
    pane.ScrollTo(600);
    paint();
    EXPECT_LE(w->geometry().right(), 0);
    pane.ScrollTo(0);
    paint();
    EXPECT_EQ(w->pos(), QPoint(panels[0]->PlacedX, panels[0]->PlacedY));
}

TEST_F(Panels, PrintedThroughTheEventOrAsAFrameWithTheirAltText) {
    dir.write("print.html", "<p><panel name=p width=60 height=30 alt=\"Clock\"></p>");
    for (bool with_event : {true, false}) {
        SCOPED_TRACE(with_event ? "print event" : "no event");
        pane.OnPanelPrint = nullptr;
        if (with_event)
            pane.OnPanelPrint = [](TViewerHost*, ThvPanel* panel, QImage& image) {
                EXPECT_EQ(image.size(), panel->size());
                image.fill(Qt::red);
            };
        load("print.html");
        const auto panels = objects<TPanelObj>(pane.Document());
        ASSERT_EQ(panels.size(), 1u);
        QImage paper(100, 60, QImage::Format_RGB32);
        paper.fill(Qt::white);
        {
            QPainter p(&paper);
            ui::HtmlCanvas canvas(p);
            pane.Document().PrintingNow = true;
            panels[0]->Draw(canvas, 10, 10, nullptr);
            pane.Document().PrintingNow = false;
        }
        if (with_event) {
            EXPECT_EQ(paper.pixelColor(40, 25), QColor(Qt::red));
            EXPECT_EQ(paper.pixelColor(9, 25), QColor(Qt::white));
        } else {
            EXPECT_EQ(paper.pixelColor(10, 25), QColor(Qt::black)); // the frame
            EXPECT_EQ(paper.pixelColor(69, 25), QColor(Qt::black));
            int ink = 0; // the ALT text inside it
            for (int y = 12; y < 38; ++y)
                for (int x = 12; x < 68; ++x) ink += paper.pixelColor(x, y) != QColor(Qt::white);
            EXPECT_GT(ink, 10);
        }
    }
}

class MapAndPanelPages : public testsupport::QtFixture {};

TEST_F(MapAndPanelPages, RenderLikeTheirGoldenPictures) {
    flow::expect_pages_like_goldens({"maps", "panels"});
}

} // namespace
