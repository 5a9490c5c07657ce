// The viewer control: loading, the layout passes that decide the vertical
// bar, positions, history and visited links, anchors, following links by
// mouse and keyboard, wheel and auto-scroll, and the settings it clamps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QLineEdit>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include "flow_support.h"
#include "htmlview/font_runs.h"
#include "htmlview/html_pane.h"
#include "htmlview/stream.h"
#include "support/temp_dir.h"

namespace {

using namespace htmlview;

std::string paragraphs(int n, const std::string& prefix = "Line") {
    std::string s;
    for (int i = 0; i < n; ++i) s += "<p>" + prefix + " " + std::to_string(i) + "</p>";
    return s;
}

class Pane : public testsupport::QtFixture {
  protected:
    Pane() {
        pane.resize(800, 504);
        pane.SetBorderStyle(THTMLBorderStyle::htNone);
        pane.SetScrollBars(TScrollStyle::ssVertical);
        pane.SetHistoryMaxCount(1000);
        pane.show();
        pane.OnError = [this](const std::string& m) { errors.push_back(m); };
        pane.OnHistoryChange = [this] { ++history_changes; };
        dir.write("long.html", "<html><body>" + paragraphs(200) + "<p><a name=\"Far\">far</a></p>" +
                                   paragraphs(50, "After") + "</body></html>");
        dir.write("links.html",
                  "<p><a href=\"long.html#far\">to far</a> <a href=\"PIC.PNG\">picture</a> "
                  "<a href=\"notes.txt\">notes</a> <a href=\"http://example.com/a.html\">web</a> "
                  "<a href=\"mailto:a@b.pl\">mail</a> <a href=\"#top\">top</a></p><a name=\"top\"></a>" +
                      paragraphs(60));
        dir.write("notes.txt", "plain");
        QImage pic(4, 4, QImage::Format_RGB32);
        pic.fill(Qt::red);
        pic.save(QString::fromStdString(dir.file("pic.png")));
    }

    // Loads, reporting instead of throwing.
    void load(const std::string& name) {
        try {
            pane.LoadFromFile(dir.file(name));
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        }
    }
    int scrollbar() const { return pane.style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

    testsupport::TempDir dir;
    THtmlPane pane;
    std::vector<std::string> errors;
    int history_changes = 0;
};

TEST_F(Pane, PositionRoundTripsAnywhereInALongPage) {
    load("long.html");
    ASSERT_GT(pane.MaxVertical(), 3000);
    for (int y : {0, 1, 17, 500, 1234, pane.MaxVertical() - pane.PaintPanel()->height()}) {
        pane.ScrollTo(y);
        const TViewPosition p = pane.Position();
        pane.ScrollTo(0);
        pane.SetPosition(p);
        EXPECT_EQ(pane.VScrollPos(), y) << y;
    }
    // A plain y (no section part) scrolls to it; an index past the end is ignored.
    pane.SetPosition(300);
    EXPECT_EQ(pane.VScrollPos(), 300);
    pane.SetPosition(MakeViewPosition(100000, 5));
    EXPECT_EQ(pane.VScrollPos(), 300);
}

TEST_F(Pane, PositionsBeyondSixteenBitsOfSections) {
    dir.write("many.html", paragraphs(33000));
    load("many.html");
    ASSERT_TRUE(errors.empty());
    ASSERT_GT(pane.Document().PositionList.size(), 32768u);
    const int y = pane.MaxVertical() - pane.PaintPanel()->height() - 3;
    pane.ScrollTo(y);
    const TViewPosition p = pane.Position();
    EXPECT_GT(ViewSection(p), 32767);
    pane.ScrollTo(0);
    pane.SetPosition(p);
    EXPECT_EQ(pane.VScrollPos(), y);
}

TEST_F(Pane, PageJustTallerThanTheViewLaysOutWithTheBar) {
    // Find a number of lines that just overflows 504 pixels at full width.
    int n = 1;
    for (; n < 100; ++n) {
        dir.write("fit.html", paragraphs(n));
        load("fit.html");
        if (pane.MaxVertical() >= 504) break;
    }
    ASSERT_LT(n, 100);
    const int s = scrollbar();
    EXPECT_EQ(pane.LayoutWidths, (std::vector<int>{800, 800 - s}));
    EXPECT_TRUE(pane.VScrollBar()->isVisible());
    EXPECT_EQ(pane.PaintPanel()->width(), 800 - s);
    // One line less: one pass, no bar.
    dir.write("fit.html", paragraphs(n - 1));
    load("fit.html");
    EXPECT_EQ(pane.LayoutWidths, (std::vector<int>{800}));
    EXPECT_FALSE(pane.VScrollBar()->isVisible());
    EXPECT_EQ(pane.PaintPanel()->width(), 800);
}

TEST_F(Pane, WithBothBarsAWidePageComesBackToFullWidth) {
    // A line that cannot wrap, between W - s and W wide, on a page between
    // H - s and H tall: the bar looks needed at W, is not at W - s, so the
    // third pass lays out at W again.
    pane.SetScrollBars(TScrollStyle::ssBoth);
    dir.write("wide.html", "<nobr>" + std::string(60, 'W') + "</nobr>" + paragraphs(3));
    pane.resize(3000, 3000);
    load("wide.html");
    const int wide = pane.MaxHorz(), tall = pane.MaxVertical();
    const int s = scrollbar();
    pane.resize(wide + s / 2, tall + s / 2);
    EXPECT_EQ(pane.LayoutWidths, (std::vector<int>{wide + s / 2, wide + s / 2 - s, wide + s / 2}));
    EXPECT_FALSE(pane.VScrollBar()->isVisible());
}

TEST_F(Pane, ShowVScrollKeepsADisabledBar) {
    pane.SetOptions(pane.Options() | htShowVScroll);
    dir.write("short.html", "<p>short</p>");
    load("short.html");
    EXPECT_TRUE(pane.VScrollBar()->isVisible());
    EXPECT_FALSE(pane.VScrollBar()->isEnabled());
}

TEST_F(Pane, HistoryRecordsPagesUpToItsLength) {
    dir.write("a.html", "a");
    dir.write("b.html", "b");
    dir.write("c.html", "c");
    load("a.html");
    load("b.html");
    load("c.html");
    EXPECT_EQ(pane.History().Count(), 3);
    EXPECT_EQ(pane.History().Entry(0).File, pane.CurrentFile());
    // Reloading the shown page adds nothing.
    load("c.html");
    EXPECT_EQ(pane.History().Count(), 3);
    EXPECT_EQ(history_changes, 3);
    // Lowering the length clears it, with one notice; raising keeps it.
    pane.SetHistoryMaxCount(2);
    EXPECT_EQ(pane.History().Count(), 0);
    EXPECT_EQ(history_changes, 4);
    load("a.html");
    load("b.html");
    load("c.html");
    EXPECT_EQ(pane.History().Count(), 2);
    pane.SetHistoryMaxCount(0);
    load("a.html");
    EXPECT_EQ(pane.History().Count(), 0);
}

// A page's form values go into the history when it is left and come back
// when the page is returned to; a new visit shows the page's own values.
TEST_F(Pane, FormValuesComeBackWithThePage) {
    dir.write("form.html",
              "<form><input type=text name=imie value=\"Ala\">"
              "<input type=checkbox name=zgoda value=tak>"
              "<input type=checkbox name=news value=1 checked></form>" + paragraphs(60));
    dir.write("other.html", "<p>other</p>");
    auto controls = [&] {
        auto& all = pane.Document().AllControls;
        EXPECT_EQ(all.size(), 3u);
        return std::tuple{qobject_cast<QLineEdit*>(all.at(0)->Control()),
                          qobject_cast<QCheckBox*>(all.at(1)->Control()),
                          qobject_cast<QCheckBox*>(all.at(2)->Control())};
    };
    auto values = [&] {
        auto [edit, zgoda, news] = controls();
        return edit->text().toStdString() + (zgoda->isChecked() ? " zgoda" : "") + (news->isChecked() ? " news" : "");
    };
    load("form.html");
    EXPECT_EQ(values(), "Ala news");
    auto set = [&](const char* name, bool z, bool n) {
        auto [edit, zgoda, news] = controls();
        edit->setText(name);
        zgoda->setChecked(z);
        news->setChecked(n);
    };
    set("Ola", true, false);
    pane.ScrollTo(200);
    const TViewPosition left_at = pane.Position();
    load("other.html");
    ASSERT_NE(pane.History().Entry(1).Position.FormData, nullptr);
    EXPECT_EQ(*pane.History().Entry(1).Position.FormData,
              (TFormData{{"imie=Ola", "zgoda=tak"}}));

    // Back: the values typed and the place, the default-checked box still off.
    pane.LoadFromHistory(dir.file("form.html"), left_at);
    EXPECT_EQ(values(), "Ola zgoda");
    EXPECT_EQ(pane.VScrollPos(), 200);
    // Changed again, forward and back: the newest values count.
    set("Ewa", false, true);
    pane.LoadFromHistory(dir.file("other.html"), 0);
    pane.LoadFromHistory(dir.file("form.html"), 0);
    EXPECT_EQ(values(), "Ewa news");
    // Back within the page on show moves the view and keeps what was typed.
    set("Iza", true, true);
    pane.LoadFromHistory(dir.file("form.html"), left_at);
    EXPECT_EQ(values(), "Iza zgoda news");
    EXPECT_EQ(pane.VScrollPos(), 200);
    // A link to the page is a new visit: the page's own values.
    load("other.html");
    load("form.html");
    EXPECT_EQ(values(), "Ala news");
    EXPECT_TRUE(errors.empty());
}

// Pictures asked of the application: a bitmap from one handler, a picture
// file's bytes from the other, and an unanswered request read from the file.
TEST_F(Pane, PicturesComeFromTheRequestHandlers) {
    dir.write("pics.html", "<img src=\"asked.bmp\" width=20 height=20>"
                           "<img src=\"streamed.png\" width=20 height=20>"
                           "<img src=\"pic.png\" width=20 height=20>");
    std::vector<std::string> asked;
    pane.SetOnBitmapRequest([&](const std::string& src, std::unique_ptr<TBitmap>& bitmap, ColorRef&) {
        asked.push_back(src);
        if (src != "asked.bmp") return false;
        QImage blue(4, 4, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        bitmap = std::make_unique<TBitmap>(TBitmap::FromImage(blue));
        return true;
    });
    pane.SetOnImageRequest([&](const std::string& src, std::unique_ptr<TStream>& stream, bool&) {
        if (src != "streamed.png") return true; // no stream: the file is read
        QImage green(4, 4, QImage::Format_RGB32);
        green.fill(Qt::green);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        green.save(&buffer, "PNG");
        stream = std::make_unique<TMemoryStream>(bytes.toStdString());
        return true;
    });
    load("pics.html");
    const QImage shot = pane.PaintPanel()->grab().toImage();
    auto shows = [&](QColor c) {
        for (int y = 0; y < std::min(shot.height(), 60); ++y)
            for (int x = 0; x < std::min(shot.width(), 200); ++x)
                if (shot.pixelColor(x, y) == c) return true;
        return false;
    };
    EXPECT_TRUE(shows(Qt::blue));
    EXPECT_TRUE(shows(Qt::green));
    EXPECT_TRUE(shows(Qt::red));
    EXPECT_EQ(asked, (std::vector<std::string>{"asked.bmp", "streamed.png", "pic.png"}));
    EXPECT_TRUE(errors.empty());
}

// The reader's events reach the application through the viewer: an
// include's text goes into the page, a script is handed over, and a linked
// sheet handed over as text styles the page.
TEST_F(Pane, IncludesScriptsAndSheetsReachTheHandlers) {
    dir.write("events.html", "<link rel=stylesheet href=\"look.css\">"
                             "<script language=\"JavaScript\">go();</script>"
                             "<p class=x>A<!--#include file=\"part.txt\"-->Z</p>");
    std::vector<std::string> calls;
    pane.OnInclude = [&](const std::string& command, std::vector<std::string> params, std::string& text) {
        calls.push_back("include " + command + " " + (params.empty() ? "" : params[0]));
        text = "<b>middle</b>";
    };
    pane.OnScript = [&](const std::string&, const std::string& language, const std::string& script) {
        calls.push_back("script " + language + " " + Trim(script));
    };
    pane.OnhtStreamRequest = [&](const std::string& src, std::string& text) {
        calls.push_back("sheet " + src.substr(src.find_last_of('/') + 1));
        text = ".x { color: #0000FF }";
        return true;
    };
    pane.Antialias = false;
    load("events.html");
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(calls, (std::vector<std::string>{"sheet look.css", "script JavaScript go();",
                                               "include include file=part.txt"}));
    pane.Document().SelB = 0;
    pane.Document().SelE = 100;
    EXPECT_EQ(pane.SelText(), "AmiddleZ");
    const QImage shot = pane.PaintPanel()->grab().toImage();
    bool blue = false;
    for (int y = 0; y < 60 && !blue; ++y)
        for (int x = 0; x < 200 && !blue; ++x) blue = shot.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_TRUE(blue) << "the handed-over sheet styles the paragraph";
}

TEST_F(Pane, MissingFileRaisesAndChangesNothing) {
    load("long.html");
    const std::string shown = pane.CurrentFile();
    const int count = pane.History().Count();
    load("nowhere.html");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Can't locate file: "), std::string::npos);
    EXPECT_EQ(pane.CurrentFile(), shown);
    EXPECT_EQ(pane.History().Count(), count);
    EXPECT_FALSE(pane.Processing());
    pane.LoadFromFile(""); // nothing
    EXPECT_EQ(pane.CurrentFile(), shown);
}

TEST_F(Pane, AnchorsByNameWithoutCase) {
    load("long.html#FAR");
    const int at_anchor = pane.VScrollPos();
    EXPECT_GT(at_anchor, 1000);
    EXPECT_TRUE(pane.Visited().Contains(pane.CurrentFile() + "#FAR"));
    // An unknown name on a new page shows its top.
    dir.write("other.html", paragraphs(100));
    load("other.html#nothing");
    EXPECT_EQ(pane.VScrollPos(), 0);
    EXPECT_FALSE(pane.ScrollToAnchor("nothing"));
}

TEST_F(Pane, FollowingLinksOfEachKind) {
    struct Case {
        const char* url;
        const char* file; // shown afterwards, relative to the folder
        int kind;
        int history; // entries added
    };
    const Case cases[] = {
        {"long.html#far", "long.html", 0, 1},
        {"PIC.PNG", "pic.png", 2, 1},        // a picture, found without case
        {"notes.txt", "links.html", 0, 0},   // not a page or picture
        {"http://example.com/a.html", "links.html", 0, 0},
        {"mailto:a@b.pl", "links.html", 0, 0},
        {"#top", "links.html", 0, 1},        // same page, the view moved
        {"links.html", "links.html", 0, 0},  // the page itself, nothing moved
    };
    for (const Case& c : cases) {
        pane.ClearHistory();
        load("links.html");
        pane.ScrollTo(0);
        const int before = pane.History().Count();
        pane.FollowUrl(c.url);
        EXPECT_EQ(pane.CurrentFile(), dir.file(c.file)) << c.url;
        EXPECT_EQ(pane.DocumentKind(), c.kind) << c.url;
        EXPECT_EQ(pane.History().Count() - before, c.history) << c.url;
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(Pane, VisitedLinksMoveToTheFront) {
    load("links.html");
    pane.FollowUrl("#top");
    pane.FollowUrl("long.html#far");
    ASSERT_GE(pane.Visited().Count(), 2);
    const std::string first = pane.Visited().Url(0);
    pane.FollowUrl("links.html");
    load("links.html");
    // The link to the visited target shows as visited after the reload.
    bool far_visited = false;
    for (TFontObj* run : pane.Document().Links)
        if (run->UrlTarget.Url == "long.html#far") far_visited = run->WasVisited;
    EXPECT_TRUE(far_visited);
    pane.SetVisitedMaxCount(0);
    EXPECT_EQ(pane.Visited().Count(), 0);
    (void)first;
}

TEST_F(Pane, VisitedTargetsAreOneEntryWhateverTheirCase) {
    // The list is searched by the same rule that marks the links: one
    // target in two spellings is one entry, moved to the front.
    TVisitedList v;
    using R = TVisitedList::AddResult;
    struct Step {
        const char* url;
        R result;
        int count;
    };
    for (const Step& s : {Step{"/h/A.html", R::Added, 1}, Step{"/h/a.HTML", R::Ignored, 1}, Step{"/h/b.html", R::Added, 2},
                          Step{"/H/A.html", R::Moved, 2}}) {
        EXPECT_EQ(v.Add(s.url, 50), s.result) << s.url;
        EXPECT_EQ(v.Count(), s.count) << s.url;
    }
    EXPECT_TRUE(SameText(v.Url(0), "/h/a.html"));
}

TEST_F(Pane, AFormControlsIdNamesItsPlace) {
    dir.write("ids.html", paragraphs(100) + "<form><p>Name <input id=Field name=f></p></form>" + paragraphs(60));
    load("ids.html");
    ASSERT_EQ(pane.Document().AllControls.size(), 1u);
    TFormControlObj* field = pane.Document().AllControls[0];
    EXPECT_EQ(pane.Document().IDNameList.Find("FIELD"), field);
    ASSERT_TRUE(pane.ScrollToAnchor("#field"));
    EXPECT_EQ(pane.VScrollPos(), field->GetYPosition());
    EXPECT_GT(pane.VScrollPos(), 1000);
}

TEST_F(Pane, PicturesSizedByTheirAttributesAppearWhenPicturesComeOn) {
    dir.write("sized.html", "<body bgcolor=white><p><img src=\"pic.png\" width=30 height=20></p></body>");
    pane.SetViewImages(false);
    load("sized.html");
    pane.SetViewImages(true);
    pane.PaintPanel()->repaint();
    TFloatingObj* img = nullptr;
    for (TSection* s : flow::sections(pane.Document()))
        if (!s->Images.Empty()) img = s->Images.begin()->get();
    ASSERT_TRUE(img);
    EXPECT_EQ(img->BoxWidth, 30);
    const QImage shot = pane.PaintPanel()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(img->PlacedX + 15, img->PlacedY + 10)), QColor(Qt::red));
}

TEST_F(Pane, AnOffScreenPictureThatCannotBeMadeIsAnError) {
    load("long.html");
    QPaintEvent huge(QRect(0, 0, 1 << 29, 4));
    try {
        pane.PaintDocument(&huge);
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Out of Resources");
    }
}

TEST_F(Pane, TabToALinkAndEnterFollowsIt) {
    dir.write("tab.html", "<p>Go <a href=\"long.html\">there</a></p>");
    load("tab.html");
    testsupport::activate(pane);
    std::vector<ThtTabcontrol*> stops;
    for (QObject* o : pane.PaintPanel()->children())
        if (auto* t = dynamic_cast<ThtTabcontrol*>(o)) stops.push_back(t);
    ASSERT_EQ(stops.size(), 1u);
    stops[0]->setFocus(Qt::TabFocusReason);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(stops[0], &enter);
    testsupport::wait_ms(20);
    EXPECT_EQ(pane.CurrentFile(), dir.file("long.html"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Pane, ClickOnALinkFollowsItAndHotSpotClickCanTakeIt) {
    dir.write("click.html", "<a href=\"long.html\">LINKLINKLINK</a>");
    load("click.html");
    std::vector<std::string> covered;
    pane.OnHotSpotCovered = [&](const std::string& u) { covered.push_back(u); };
    bool take = true;
    std::string clicked;
    pane.OnHotSpotClick = [&](const std::string& u, bool& handled) {
        clicked = u;
        handled = take;
    };
    const QPoint at(30, 12);
    pane.PanelMouseMove(Qt::NoButton, Qt::NoModifier, at.x(), at.y());
    ASSERT_EQ(covered, std::vector<std::string>{"long.html"});
    pane.PanelMouseDown(Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
    pane.PanelMouseUp(Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
    EXPECT_EQ(clicked, "long.html");
    EXPECT_EQ(pane.CurrentFile(), dir.file("click.html"));
    take = false;
    pane.PanelMouseDown(Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
    pane.PanelMouseUp(Qt::LeftButton, Qt::NoModifier, at.x(), at.y());
    EXPECT_EQ(pane.CurrentFile(), dir.file("long.html"));
}

TEST_F(Pane, DragSelectsAndDoubleClickTakesAWordUnlessNoSelect) {
    dir.write("words.html", "<p>alpha betagamma delta</p>");
    load("words.html");
    int doubles = 0;
    pane.OnMouseDouble = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++doubles; };
    pane.PanelMouseDown(Qt::LeftButton, Qt::NoModifier, 12, 12);
    pane.PanelMouseMove(Qt::LeftButton, Qt::NoModifier, 120, 12);
    pane.PanelMouseUp(Qt::LeftButton, Qt::NoModifier, 120, 12);
    EXPECT_GT(pane.SelEnd(), pane.SelStart());
    pane.PanelDoubleClick(Qt::LeftButton, Qt::NoModifier, 70, 12);
    EXPECT_EQ(pane.SelText(), "betagamma");
    pane.SetNoSelect(true);
    pane.PanelMouseDown(Qt::LeftButton, Qt::NoModifier, 12, 12);
    pane.PanelMouseMove(Qt::LeftButton, Qt::NoModifier, 120, 12);
    pane.PanelMouseUp(Qt::LeftButton, Qt::NoModifier, 120, 12);
    pane.PanelDoubleClick(Qt::LeftButton, Qt::NoModifier, 70, 12);
    EXPECT_EQ(pane.SelText(), "");
    EXPECT_EQ(doubles, 2);
}

TEST_F(Pane, WheelScrollsByLinesScaledByTheDelta) {
    load("long.html");
    const int lines = QApplication::wheelScrollLines();
    ASSERT_GE(lines, 1);
    struct Case {
        int delta, moved;
    };
    for (const Case c : {Case{-120, 16 * lines}, Case{-30, 4 * lines}, Case{-240, 32 * lines}, Case{120, -16 * lines}}) {
        pane.ScrollTo(1000);
        pane.MouseWheel(c.delta);
        EXPECT_EQ(pane.VScrollPos() - 1000, c.moved) << c.delta;
    }
}

TEST_F(Pane, KeysScroll) {
    load("long.html");
    const int h = pane.PaintPanel()->height();
    const int bottom = pane.MaxVertical() - h;
    struct Case {
        int from, key, to;
    };
    for (const Case c : {Case{100, Qt::Key_Down, 116}, Case{100, Qt::Key_Up, 84}, Case{5, Qt::Key_Up, 0},
                         Case{100, Qt::Key_PageDown, 100 + h - 16}, Case{100, Qt::Key_Home, 0},
                         Case{100, Qt::Key_End, bottom}}) {
        pane.ScrollTo(c.from);
        pane.KeyDown(c.key, Qt::NoModifier);
        EXPECT_EQ(pane.VScrollPos(), c.to) << c.key;
    }
}

TEST_F(Pane, MiddleButtonAutoScrollSpeeds) {
    load("long.html");
    int pointer_y = 0;
    pane.ReadPointer = [&] { return QPoint(10, pointer_y); };
    pane.ReadButtons = [] { return Qt::MouseButtons(Qt::NoButton); };
    pane.PanelMouseDown(Qt::MiddleButton, Qt::NoModifier, 10, 200);
    pane.PanelMouseUp(Qt::MiddleButton, Qt::NoModifier, 10, 200);
    ASSERT_TRUE(pane.MiddleScrolling()); // a click keeps the mode
    struct Case {
        int y, moved;
    };
    for (const Case c : {Case{230, 8}, Case{270, 32}, Case{170, -8}, Case{100, -32}}) {
        pane.ScrollTo(1000);
        pointer_y = c.y;
        EXPECT_TRUE(pane.AutoScrollStep());
        EXPECT_EQ(pane.VScrollPos() - 1000, c.moved) << c.y;
    }
    pointer_y = 210; // back near the press: the step ends
    EXPECT_FALSE(pane.AutoScrollStep());
    pane.KeyDown(Qt::Key_A, Qt::NoModifier);
    EXPECT_FALSE(pane.MiddleScrolling());
}

TEST_F(Pane, SelectionAutoScrollStopsWhenTheButtonIsUp) {
    load("long.html");
    Qt::MouseButtons buttons = Qt::LeftButton;
    pane.ReadButtons = [&] { return buttons; };
    pane.ReadPointer = [&] { return QPoint(10, pane.PaintPanel()->height() + 5); };
    pane.PanelMouseDown(Qt::LeftButton, Qt::NoModifier, 10, 100);
    pane.ScrollTo(0);
    EXPECT_TRUE(pane.AutoScrollStep());
    EXPECT_EQ(pane.VScrollPos(), 16);
    buttons = Qt::NoButton;
    EXPECT_FALSE(pane.AutoScrollStep());
}

TEST_F(Pane, SettingsAreClamped) {
    struct Case {
        int given, kept;
    };
    for (const Case c : {Case{25, 20}, Case{-3, 0}, Case{7, 7}}) {
        pane.SetImageCacheCount(c.given);
        EXPECT_EQ(pane.ImageCacheCount(), c.kept);
    }
    for (const auto& [given, kept] : {std::pair{10.0, 4.0}, std::pair{0.1, 0.25}, std::pair{1.5, 1.5}}) {
        pane.SetPrintScale(given);
        EXPECT_DOUBLE_EQ(pane.PrintScale(), kept);
    }
    pane.SetServerRoot("  /srv/root\\ ");
    EXPECT_EQ(pane.ServerRoot(), "/srv/root");
}

TEST_F(Pane, PaintsTheShownPartOfThePage) {
    dir.write("colour.html", "<body bgcolor=\"#00ff00\">" + paragraphs(80) + "</body>");
    load("colour.html");
    pane.ScrollTo(400);
    const QImage shot = pane.PaintPanel()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 2, 5)), QColor(0, 255, 0));
    // Text was drawn somewhere in the view.
    bool dark = false;
    for (int y = 0; y < shot.height() && !dark; ++y)
        for (int x = 0; x < 200 && !dark; ++x) dark = qGray(shot.pixel(x, y)) < 80;
    EXPECT_TRUE(dark);
}

TEST_F(Pane, AOnePixelBackgroundTilesInsteadOfStretching) {
    // One pixel wide, four rows of colour: tiled, the rows repeat every 4
    // pixels down the page; stretched to the page they would be long bands.
    // Drawn once (no-repeat) it stays one pixel wide and four high.
    QImage stripe(1, 4, QImage::Format_RGB32);
    const QRgb rows[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    for (int y = 0; y < 4; ++y) stripe.setPixel(0, y, rows[y]);
    stripe.save(QString::fromStdString(dir.file("stripe.png")));
    for (const bool repeat : {true, false}) {
        SCOPED_TRACE(repeat ? "repeat" : "no-repeat");
        dir.write("stripes.html", std::string("<body background=\"stripe.png\" bgcolor=#ffffff") +
                                      (repeat ? ">" : " style='background-repeat: no-repeat'>") + paragraphs(100) +
                                      "</body>");
        load("stripes.html");
        ASSERT_TRUE(errors.empty());
        pane.Antialias = false;
        const QImage shot = pane.PaintPanel()->grab().toImage();
        if (repeat) {
            const int x = shot.width() - 3;
            for (int y : {0, 1, 2, 3, 4, 5, 201, 402})
                EXPECT_EQ(shot.pixel(x, y) | 0xFF000000u, rows[y % 4]) << y;
        } else {
            for (int y : {0, 3}) EXPECT_EQ(shot.pixel(0, y) | 0xFF000000u, rows[y]) << y;
            for (auto [x, y] : {std::pair{1, 0}, std::pair{5, 2}, std::pair{0, 4}, std::pair{0, 9}})
                EXPECT_EQ(shot.pixel(x, y) | 0xFF000000u, qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

} // namespace
