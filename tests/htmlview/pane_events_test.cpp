// The viewer control's own events, seen from a small host that owns it as
// an application would: form submission, a file field's browse button, the
// form controls' click, focus, blur and change events, the mouse, wheel, key,
// focus and drag events passed on, the picture button's tab stop, and the
// cursors over text and while scrolling with the middle button.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "flow_support.h"
#include "htmlview/form_controls.h"
#include "htmlview/html_pane.h"
#include "htmlview/images.h"
#include "support/temp_dir.h"

namespace {

using namespace htmlview;

// A window with the viewer and a line edit of its own, every event of the
// viewer written to `log` as a line of text.
class Host : public QWidget {
  public:
    Host() {
        resize(640, 420);
        auto* layout = new QVBoxLayout(this);
        outside = new QLineEdit(this);
        pane = new THtmlPane(this);
        layout->addWidget(outside);
        layout->addWidget(pane, 1);
        pane->SetBorderStyle(THTMLBorderStyle::htNone);
        pane->SetScrollBars(TScrollStyle::ssVertical);
        pane->Antialias = false;
        pane->OnError = [this](const std::string& m) { log.push_back("error " + m); };
        pane->OnFormSubmit = [this](const std::string& action, const std::string& target, const std::string& enc,
                                    const std::string& method, const std::vector<std::string>& results) {
            std::string line = "submit " + action + " " + target + " " + enc + " " + method + ":";
            for (const std::string& r : results) line += " [" + r + "]";
            log.push_back(line);
        };
        auto object = [this](const char* what) {
            return [this, what](TFormControlObj* obj, const std::string& script) {
                log.push_back(std::string(what) + " " + (obj->Name.empty() ? "-" : obj->Name) + " " + script);
            };
        };
        pane->SetOnObjectClick(object("click"));
        pane->SetOnObjectFocus(object("focus"));
        pane->SetOnObjectBlur(object("blur"));
        pane->SetOnObjectChange(object("change"));
        show();
        QApplication::setActiveWindow(this);
    }

    // The viewer goes first: leaving the focus, its controls still tell the log.
    ~Host() override { delete pane; }

    void load(const std::string& name, const std::string& html) {
        dir.write(name, html);
        pane->LoadFromFile(dir.file(name));
        pane->PaintPanel()->grab(); // places the controls
    }
    TFormControlObj* control(const std::string& name) {
        for (TFormControlObj* c : pane->Document().AllControls)
            if (c->Name == name) return c;
        return nullptr;
    }
    QWidget* widget(const std::string& name) {
        TFormControlObj* c = control(name);
        return c ? c->Control() : nullptr;
    }
    // The events logged so far, then the log emptied.
    std::string take() {
        std::string out;
        for (const std::string& s : log) out += (out.empty() ? "" : " | ") + s;
        log.clear();
        return out;
    }

    testsupport::TempDir dir;
    QLineEdit* outside = nullptr;
    THtmlPane* pane = nullptr;
    std::vector<std::string> log;
};

class PaneEvents : public testsupport::QtFixture {
  protected:
    PaneEvents() {
        QImage pic(20, 10, QImage::Format_RGB32);
        pic.fill(Qt::red);
        pic.save(QString::fromStdString(host.dir.file("pic.png")));
    }
    Host host;
};

void key(QWidget* w, int k, const QString& text = QString()) {
    QKeyEvent down(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

void click(QWidget* w, QPoint at = QPoint(2, 2)) {
    const QPointF global = w->mapToGlobal(QPointF(at));
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

void settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

const char* const kForm =
    "<form action=\"save.cgi\" target=\"right\" enctype=\"text/plain\" method=post>"
    "<input name=user value=Anna> <input type=submit name=go value=Save>"
    "<input type=image name=pic src=\"pic.png\"></form>";

TEST_F(PaneEvents, ASubmissionReachesTheHostOnceTheControlsEventIsOver) {
    host.load("form.html", kForm);
    qobject_cast<QPushButton*>(host.widget("go"))->click();
    EXPECT_EQ(host.take(), "click go ") << "only the button's click so far";
    settle();
    EXPECT_EQ(host.take(), "submit save.cgi right text/plain post: [user=Anna] [go=Save]");
    // Enter in the edit, and a click on the picture with the point on it.
    key(host.widget("user"), Qt::Key_Return);
    settle();
    EXPECT_EQ(host.take(), "submit save.cgi right text/plain post: [user=Anna]");
    TImageFormControlObj* image = dynamic_cast<TImageFormControlObj*>(host.control("pic"));
    ASSERT_TRUE(image && image->LinkedImage);
    const int x = image->LinkedImage->PlacedX + 7, y = image->LinkedImage->PlacedY + 3 - host.pane->VScrollPos();
    click(host.pane->PaintPanel(), QPoint(x, y));
    settle();
    EXPECT_EQ(host.take(), "click pic  | submit save.cgi right text/plain post: [user=Anna] [pic.x=7] [pic.y=3]");
}

TEST_F(PaneEvents, WithoutAHandlerASubmissionDoesNothing) {
    host.pane->OnFormSubmit = nullptr;
    host.load("form.html", kForm);
    qobject_cast<QPushButton*>(host.widget("go"))->click();
    settle();
    EXPECT_EQ(host.take(), "click go ");
}

TEST_F(PaneEvents, AHandlerMayReplaceThePageFromAnyControlEvent) {
    host.dir.write("next.html", "<p>Next page</p>");
    const std::string next = host.dir.file("next.html");
    // A click handler that leaves the page: the button's own submission
    // must not run on the freed page.
    host.pane->SetOnObjectClick([&](TFormControlObj*, const std::string&) { host.pane->LoadFromFile(next); });
    host.load("form.html", kForm);
    qobject_cast<QPushButton*>(host.widget("go"))->click();
    settle();
    EXPECT_EQ(host.take(), "");
    EXPECT_EQ(QFileInfo(QString::fromStdString(host.pane->CurrentFile())).fileName(), "next.html");

    // A submission handler that loads another page.
    host.pane->SetOnObjectClick(nullptr);
    host.pane->OnFormSubmit = [&](const std::string&, const std::string&, const std::string&, const std::string&,
                                  const std::vector<std::string>&) { host.pane->LoadFromFile(next); };
    host.load("form.html", kForm);
    key(host.widget("user"), Qt::Key_Return);
    settle();
    EXPECT_EQ(QFileInfo(QString::fromStdString(host.pane->CurrentFile())).fileName(), "next.html");

    // A change handler that leaves the page while the focus moves on.
    host.pane->SetOnObjectChange([&](TFormControlObj*, const std::string&) { host.pane->LoadFromFile(next); });
    host.load("form.html", "<form><input name=a onchange=x><input name=b></form>");
    host.widget("a")->setFocus();
    qobject_cast<QLineEdit*>(host.widget("a"))->setText("typed");
    host.widget("b")->setFocus();
    settle();
    EXPECT_EQ(QFileInfo(QString::fromStdString(host.pane->CurrentFile())).fileName(), "next.html");
    EXPECT_EQ(host.take(), "");
}

TEST_F(PaneEvents, AFileFieldHasABrowseButtonThatAsksTheHost) {
    host.load("file.html", "<form><input type=file name=f value=\"old.txt\"> <input name=after></form>");
    auto* edit = qobject_cast<QLineEdit*>(host.widget("f"));
    ASSERT_TRUE(edit);
    QPushButton* browse = nullptr;
    for (TFormControlObj* c : host.pane->Document().AllControls)
        if (auto* b = dynamic_cast<TButtonFormControlObj*>(c); b && b->BrowseTarget) browse = qobject_cast<QPushButton*>(b->Control());
    ASSERT_TRUE(browse);
    EXPECT_EQ(browse->text(), "Browse...");
    // Right behind the edit, on its line, and next in the tab order.
    EXPECT_EQ(browse->x(), edit->x() + edit->width());
    EXPECT_EQ(browse->y(), edit->y());
    EXPECT_GE(edit->x(), 0);
    EXPECT_EQ(edit->nextInFocusChain(), browse);

    browse->click(); // no browse handler: nothing
    EXPECT_EQ(edit->text(), "old.txt");
    TFormControlObj* asked = nullptr;
    std::string shown;
    host.pane->SetOnFileBrowse([&](TFormControlObj* obj, std::string& name) {
        asked = obj;
        shown = name;
        name = "new.txt";
    });
    browse->click();
    EXPECT_EQ(asked, host.control("f"));
    EXPECT_EQ(shown, "old.txt");
    EXPECT_EQ(edit->text(), "new.txt");
    // The button gives no pair of its own.
    EXPECT_EQ(host.pane->Document().FormList.front()->CollectPairs(), (std::vector<std::string>{"f=new.txt", "after="}));
}

TEST_F(PaneEvents, ControlsTellFocusBlurAndChangeWithTheirScripts) {
    host.load("change.html",
              "<form><input name=e onfocus=fe onblur=be onchange=ce onclick=ke>"
              "<input type=checkbox name=c onchange=cc>"
              "<select name=s onchange=cs><option>one<option>two</select>"
              "<select name=l size=3 onchange=cl><option>one<option>two</select>"
              "<textarea name=t onchange=ct>x</textarea><input name=plain></form>");
    struct Case {
        const char* name;
        std::function<void(QWidget*)> change;
        const char* expected;
    };
    const Case cases[] = {
        {"e", [](QWidget* w) { qobject_cast<QLineEdit*>(w)->setText("new"); }, "blur e be"},
        {"c", [](QWidget* w) { qobject_cast<QAbstractButton*>(w)->setChecked(true); }, ""},
        {"s", [](QWidget* w) { qobject_cast<QComboBox*>(w)->setCurrentIndex(1); }, ""},
        {"l", [](QWidget* w) { qobject_cast<QListWidget*>(w)->setCurrentRow(1); }, ""},
        {"t", [](QWidget* w) { qobject_cast<QPlainTextEdit*>(w)->setPlainText("y"); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = host.widget(c.name);
        ASSERT_TRUE(w);
        const std::string script = std::string("c") + c.name;
        // Entered and left unchanged: no change.
        w->setFocus();
        host.widget("plain")->setFocus();
        const std::string quiet = host.take();
        EXPECT_EQ(quiet.find("change"), std::string::npos) << quiet;
        // Entered, changed, left: one change with the script.
        w->setFocus();
        c.change(w);
        host.widget("plain")->setFocus();
        const std::string changed = host.take();
        EXPECT_NE(changed.find(std::string("change ") + c.name + " " + script), std::string::npos) << changed;
        if (*c.expected) {
            EXPECT_NE(changed.find(c.expected), std::string::npos) << changed;
        }
    }
    // The edit's focus and click, with their scripts.
    host.widget("e")->setFocus();
    EXPECT_EQ(host.take(), "focus e fe");
    click(host.widget("e"));
    EXPECT_EQ(host.take(), "click e ke");
}

TEST_F(PaneEvents, ARadioLeftUncheckedByItsGroupTellsItsChange) {
    host.load("radio.html",
              "<form><input type=radio name=r value=1 checked onchange=c1><input type=radio name=R value=2>"
              "<input type=radio name=r value=3></form>");
    std::vector<QAbstractButton*> r;
    for (TFormControlObj* c : host.pane->Document().AllControls) r.push_back(qobject_cast<QAbstractButton*>(c->Control()));
    ASSERT_EQ(r.size(), 3u);
    r[0]->setFocus();
    host.take();
    r[1]->click();
    EXPECT_EQ(host.take(), "change r c1 | click R ");
    r[2]->click(); // the first is unchecked already: nothing more to tell
    EXPECT_EQ(host.take(), "click r ");
    // An arrow moves the focus within the group and checks the radio it reaches.
    r[2]->setFocus();
    key(r[2], Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), r[1]);
    EXPECT_TRUE(r[1]->isChecked());
    EXPECT_FALSE(r[2]->isChecked());
}

TEST_F(PaneEvents, WheelAndKeysReachTheHostFirst) {
    std::string html;
    for (int i = 0; i < 80; ++i) html += "<p>Line " + std::to_string(i) + "</p>";
    host.load("long.html", html);
    // A key set to 0 is kept from the viewer; others go on to scroll.
    host.pane->OnKeyDown = [&](int& k, Qt::KeyboardModifiers) {
        host.log.push_back("key " + std::to_string(k));
        if (k == Qt::Key_PageDown) k = 0;
    };
    host.pane->OnKeyUp = [&](int& k, Qt::KeyboardModifiers) { host.log.push_back("key up " + std::to_string(k)); };
    host.pane->OnKeyPress = [&](char16_t& c) { host.log.push_back(std::string("press ") + char(c)); };
    host.pane->setFocus();
    key(host.pane, Qt::Key_PageDown);
    EXPECT_EQ(host.pane->VScrollPos(), 0);
    key(host.pane, Qt::Key_End);
    EXPECT_GT(host.pane->VScrollPos(), 0);
    key(host.pane, Qt::Key_A, "a");
    EXPECT_EQ(host.take(), "key " + std::to_string(Qt::Key_PageDown) + " | key up " + std::to_string(Qt::Key_PageDown) +
                               " | key " + std::to_string(Qt::Key_End) + " | key up " + std::to_string(Qt::Key_End) +
                               " | key " + std::to_string(Qt::Key_A) + " | press a | key up " + std::to_string(Qt::Key_A));

    // The wheel: a handler that takes it keeps the view still.
    host.pane->ScrollTo(0);
    bool take_wheel = true;
    host.pane->OnMouseWheel = [&](Qt::KeyboardModifiers, int delta, int x, int y, bool& handled) {
        host.log.push_back("wheel " + std::to_string(delta) + " " + std::to_string(x) + "," + std::to_string(y));
        handled = take_wheel;
    };
    EXPECT_TRUE(host.pane->MouseWheel(-120, Qt::NoModifier, 5, 6));
    EXPECT_EQ(host.pane->VScrollPos(), 0);
    take_wheel = false;
    host.pane->MouseWheel(-120, Qt::NoModifier, 5, 6);
    EXPECT_GT(host.pane->VScrollPos(), 0);
    EXPECT_EQ(host.take(), "wheel -120 5,6 | wheel -120 5,6");
}

TEST_F(PaneEvents, MouseEventsCarryTheSurfacesPoints) {
    host.load("p.html", "<p>Some text</p>");
    QWidget* surface = host.pane->PaintPanel();
    host.pane->OnMouseDown = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        host.log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    host.pane->OnMouseUp = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        host.log.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    host.pane->OnMouseMove = [&](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
        host.log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    host.pane->PanelMouseMove(Qt::NoButton, Qt::NoModifier, 30, 40);
    click(surface, QPoint(12, 34));
    EXPECT_EQ(host.take(), "move 30,40 | down 1 12,34 | up 1 12,34");
}

TEST_F(PaneEvents, EnterAndExitWhenTheFocusCrossesTheViewersEdge) {
    host.load("form.html", kForm);
    int enter = 0, exit = 0;
    host.pane->OnEnter = [&] { ++enter; };
    host.pane->OnExit = [&] { ++exit; };
    host.outside->setFocus();
    host.pane->setFocus();
    EXPECT_EQ(enter, 1);
    host.widget("user")->setFocus(); // a control of the page is still inside
    EXPECT_EQ(enter, 1);
    EXPECT_EQ(exit, 0);
    host.outside->setFocus();
    EXPECT_EQ(exit, 1);
    host.widget("user")->setFocus();
    EXPECT_EQ(enter, 2);
    host.pane->OnEnter = host.pane->OnExit = nullptr;
}

TEST_F(PaneEvents, DragsOverTheDocumentReachTheHostWithTheSurfacesPoints) {
    host.load("p.html", "<p>Drop here</p>");
    QWidget* surface = host.pane->PaintPanel();
    EXPECT_FALSE(surface->acceptDrops());
    host.pane->SetOnDragOver([&](QObject*, const QMimeData* data, int x, int y, TDragState state, bool& accept) {
        host.log.push_back("over " + std::to_string(static_cast<int>(state)) + " " + std::to_string(x) + "," +
                           std::to_string(y) + " " + (data ? data->text().toStdString() : "-"));
        accept = data && data->hasText();
    });
    host.pane->SetOnDragDrop([&](QObject*, const QMimeData* data, int x, int y) {
        host.log.push_back("drop " + std::to_string(x) + "," + std::to_string(y) + " " + data->text().toStdString());
    });
    EXPECT_TRUE(surface->acceptDrops());
    QMimeData mime;
    mime.setText("word");
    QDragEnterEvent enter(QPoint(15, 25), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(QPoint(16, 26), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QDropEvent drop(QPointF(17, 27), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &drop);
    EXPECT_EQ(host.take(), "over 0 15,25 word | over 2 16,26 word | drop 17,27 word");
    host.pane->SetOnDragOver(nullptr);
    EXPECT_TRUE(surface->acceptDrops()) << "the drop handler still wants drags";
    host.pane->SetOnDragDrop(nullptr);
    EXPECT_FALSE(surface->acceptDrops());
}

TEST_F(PaneEvents, APictureButtonIsATabStopThatShowsTheFocus) {
    host.load("image.html",
              "<form action=go><input name=a><input type=image name=pic src=\"pic.png\"><input name=b></form>");
    TImageFormControlObj* image = dynamic_cast<TImageFormControlObj*>(host.control("pic"));
    ASSERT_TRUE(image && image->Control());
    QWidget* button = image->Control();
    EXPECT_EQ(button->size(), QSize(1, 1));
    EXPECT_LT(button->x(), 0) << "out of sight";
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(host.widget("a")->nextInFocusChain(), button);
    EXPECT_EQ(button->nextInFocusChain(), host.widget("b"));

    // The focus rectangle around the picture, drawn only while focused.
    const TFloatingObj* pic = image->LinkedImage;
    auto frame_pixels = [&] {
        const QImage shot = host.pane->PaintPanel()->grab().toImage();
        int dark = 0;
        for (int x = pic->PlacedX; x < pic->PlacedX + pic->BoxWidth; ++x) {
            const QColor c = shot.pixelColor(x, pic->PlacedY - host.pane->VScrollPos());
            if (c.red() < 100) ++dark; // the picture is red
        }
        return dark;
    };
    EXPECT_EQ(frame_pixels(), 0);
    host.widget("a")->setFocus();
    key(host.widget("a"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_TRUE(image->Focused);
    EXPECT_GT(frame_pixels(), pic->BoxWidth / 3);
    // Space on it submits with the last point clicked (none yet: its corner).
    host.take();
    key(button, Qt::Key_Space, " ");
    settle();
    EXPECT_EQ(host.take(), "click pic  | submit go   Get: [a=] [pic.x=0] [pic.y=0] [b=]");
    host.widget("b")->setFocus();
    EXPECT_FALSE(image->Focused);
    EXPECT_EQ(frame_pixels(), 0);
}

bool same_cursor(const QCursor& a, const QCursor& b) {
    if (a.shape() != b.shape()) return false;
    return a.shape() != Qt::BitmapCursor || a.pixmap().toImage() == b.pixmap().toImage();
}

TEST_F(PaneEvents, CursorsOverTextLinksAndWhileScrollingWithTheMiddleButton) {
    std::string html = "<p>Words to point at <a href=\"x.html\">a link</a></p>";
    for (int i = 0; i < 80; ++i) html += "<p>Line " + std::to_string(i) + "</p>";
    host.load("cursor.html", html);
    host.pane->setCursor(Qt::IBeamCursor); // the viewer's own cursor
    QWidget* surface = host.pane->PaintPanel();
    int text_y = -1;
    for (int y = 0; y < 80 && text_y < 0; ++y) {
        host.pane->PanelMouseMove(Qt::NoButton, Qt::NoModifier, 20, y);
        if (surface->cursor().shape() == Qt::IBeamCursor) text_y = y;
    }
    ASSERT_GE(text_y, 0) << "over text";
    host.pane->PanelMouseMove(Qt::NoButton, Qt::NoModifier, 20, text_y + 2);
    EXPECT_EQ(surface->cursor().shape(), Qt::IBeamCursor);
    host.pane->PanelMouseMove(Qt::NoButton, Qt::NoModifier, 600, text_y);
    EXPECT_EQ(surface->cursor().shape(), Qt::ArrowCursor) << "beside the text";
    int link_x = 0;
    for (int x = 100; x < 400 && !link_x; x += 4) {
        host.pane->PanelMouseMove(Qt::NoButton, Qt::NoModifier, x, text_y);
        if (!host.pane->LinkUnderMouse().empty()) link_x = x;
    }
    ASSERT_GT(link_x, 0);
    EXPECT_TRUE(same_cursor(surface->cursor(), ViewerCursor(1)));

    // The middle button: up-and-down, then the direction while scrolling.
    QPoint pointer(300, 200);
    host.pane->ReadPointer = [&] { return pointer; };
    host.pane->ReadButtons = [] { return Qt::MouseButtons(Qt::NoButton); };
    host.pane->ScrollTo(400);
    host.pane->PanelMouseDown(Qt::MiddleButton, Qt::NoModifier, 300, 200);
    host.pane->PanelMouseUp(Qt::MiddleButton, Qt::NoModifier, 300, 200);
    ASSERT_TRUE(host.pane->MiddleScrolling());
    EXPECT_TRUE(same_cursor(surface->cursor(), ViewerCursor(3)));
    struct Step {
        int y;
        int cursor;
    };
    for (const Step s : {Step{240, 5}, Step{130, 4}, Step{210, 3}}) {
        pointer.setY(s.y);
        host.pane->AutoScrollStep();
        EXPECT_TRUE(same_cursor(surface->cursor(), ViewerCursor(s.cursor))) << s.y;
    }
    // Any key ends it: the viewer's own cursor again.
    key(host.pane, Qt::Key_Shift);
    EXPECT_FALSE(host.pane->MiddleScrolling());
    EXPECT_EQ(surface->cursor().shape(), Qt::IBeamCursor);
}

} // namespace
