#include "platform/ui/window.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QWindow>
#include <stdexcept>
#include <QTimer>
#include <filesystem>
#include <vector>

#include "platform/os/message.h"
#include "platform/ui/controls.h"
#include "platform_ui/qt_app.h"

namespace {

using testsupport::key_click;
using testsupport::run_modal;

// A window that records what happens to it; Esc closes with 7, F2 is consumed.
class Probe : public ui::Window {
  public:
    Probe() : ui::Window(200, 120), edit(this) { edit.SetBounds(10, 10, 100, 24); }

    bool FormKeyDown(int key, Qt::KeyboardModifiers) override {
        keys.push_back(key);
        if (key == Qt::Key_Escape) {
            close_modal(7);
            return true;
        }
        return key == Qt::Key_F2;
    }
    ui::Edit edit;
    std::vector<int> keys;
    int shows = 0, closes = 0, activations = 0;

  protected:
    void OnShow() override { ++shows; }
    void OnActivate() override { ++activations; }
    void OnClose() override { ++closes; }
};

TEST(Window, ModalResultComesFromCloseModalAndAnyOtherCloseIsCancel) {
    testsupport::qt_app();
    Probe w;
    EXPECT_EQ(run_modal(w, [](ui::Window& s) { s.close_modal(3); }), 3);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(run_modal(w, [](ui::Window& s) { s.close(); }), 0); // as the window manager does
    EXPECT_EQ(run_modal(w, [](ui::Window& s) { key_click(&s, Qt::Key_Escape); }), 7);
    // Hidden without a close: still a cancel, and still told as a close.
    EXPECT_EQ(run_modal(w, [](ui::Window& s) { s.hide(); }), 0);
    EXPECT_EQ(w.shows, 4);
    EXPECT_EQ(w.closes, 4);
    EXPECT_GE(w.activations, 1);
    EXPECT_FALSE(w.in_modal());
}

TEST(Window, ClosedAsItShowsKeepsItsResult) {
    testsupport::qt_app();
    struct Quick : Probe {
        void OnShow() override { close_modal(6); }
    } w;
    EXPECT_EQ(w.show_modal(), 6);
    EXPECT_EQ(w.closes, 1);
}

TEST(Window, DestroyedWhileShownModallyEndsTheLoop) {
    testsupport::qt_app();
    auto* w = new Probe;
    ui::set_next_modal_hook([](ui::Window& s) { delete &s; });
    EXPECT_EQ(w->show_modal(), 0);
}

TEST(Window, HookActsOnceAndNestedModalsReturnInOrder) {
    testsupport::qt_app();
    Probe outer, inner;
    int inner_result = -1;
    const int r = run_modal(outer, [&](ui::Window&) {
        inner_result = run_modal(inner, [](ui::Window& s) { s.close_modal(5); });
        outer.close_modal(9);
    });
    EXPECT_EQ(inner_result, 5);
    EXPECT_EQ(r, 9);
    // No hook is left over: a later modal window is not touched by one.
    QTimer::singleShot(50, &outer, [&] { outer.close_modal(4); });
    EXPECT_EQ(outer.show_modal(), 4);
}

TEST(Window, SeesKeysBeforeItsControlsOnce) {
    testsupport::qt_app();
    Probe w;
    w.show_modeless();
    w.edit.SetFocus();
    int edit_keys = 0;
    w.edit.OnKeyDown = [&](int&, Qt::KeyboardModifiers) { ++edit_keys; };

    key_click(&w.edit, Qt::Key_A, Qt::NoModifier, "a"); // not consumed: the edit gets it too
    EXPECT_EQ(w.keys, std::vector<int>{Qt::Key_A});
    EXPECT_EQ(edit_keys, 1);
    EXPECT_EQ(w.edit.Text(), "a");

    key_click(&w.edit, Qt::Key_F2); // consumed by the window
    EXPECT_EQ(edit_keys, 1);
    EXPECT_EQ(w.keys.size(), 2u);

    key_click(&w.edit, Qt::Key_F3); // ignored by the edit, passed on to the window
    EXPECT_EQ(w.keys.size(), 3u);
    EXPECT_EQ(edit_keys, 2);

    key_click(&w, Qt::Key_B, Qt::NoModifier, "b"); // sent to the window itself
    EXPECT_EQ(w.keys.size(), 4u);
    w.close();
}

TEST(Window, CentredUnlessPlacedAndFixedInSize) {
    testsupport::qt_app();
    Probe w;
    w.show_modeless();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.pos(), QPoint(screen.x() + (screen.width() - 200) / 2,
                              screen.y() + (screen.height() - 120) / 2));
    EXPECT_EQ(w.minimumSize(), QSize(200, 120));
    EXPECT_EQ(w.maximumSize(), QSize(200, 120));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    w.close();
    w.place(12, 34);
    w.show_modeless();
    EXPECT_EQ(w.pos(), QPoint(12, 34));
    w.close();
}

TEST(Window, GrabWritesAPngAndItsFolders) {
    testsupport::qt_app();
    Probe w;
    const std::string path = testsupport::output_path("platform_ui/grab/probe.png");
    std::filesystem::remove_all(testsupport::output_path("platform_ui/grab"));
    ASSERT_TRUE(ui::grab_to_png(w, path));
    QImage img(QString::fromStdString(path));
    EXPECT_EQ(img.size(), QSize(200, 120));
}

// A box with an edit, a default and a cancel button that count their presses.
class Box : public ui::Window {
  public:
    struct Button : ui::Clickable<QWidget> {
        explicit Button(QWidget* parent) : ui::Clickable<QWidget>(parent) {
            setFocusPolicy(Qt::TabFocus);
            resize(40, 20);
        }
    };
    Box() : ui::Window(160, 80), edit(this), ok(this), cancel(this) {
        edit.SetBounds(10, 10, 100, 24);
        ok.move(10, 50);
        cancel.move(60, 50);
        ok.OnClick = [this] { ++oks; };
        cancel.OnClick = [this] { ++cancels; };
        SetDefaultButton(&ok);
        SetCancelButton(&cancel);
    }
    bool FormKeyDown(int key, Qt::KeyboardModifiers) override { return key == take; }

    ui::Edit edit;
    Button ok, cancel;
    int oks = 0, cancels = 0;
    int take = 0; // a key FormKeyDown consumes
};

TEST(Window, EnterAndEscPressTheDefaultAndCancelButtons) {
    testsupport::qt_app();
    using Setup = std::function<void(Box&)>;
    const Setup none = [](Box&) {};
    const struct {
        const char* name;
        Setup setup;
        int key;
        int oks, cancels;
        bool edit_sees_it;
    } table[] = {
        {"Enter", none, Qt::Key_Return, 1, 0, false},
        {"keypad Enter", none, Qt::Key_Enter, 1, 0, false},
        {"Esc", none, Qt::Key_Escape, 0, 1, false},
        {"Enter with the default hidden", [](Box& b) { b.ok.hide(); }, Qt::Key_Return, 0, 0, false},
        {"Enter with the default disabled", [](Box& b) { b.ok.setEnabled(false); },
         Qt::Key_Return, 0, 0, false},
        {"Esc with the cancel hidden", [](Box& b) { b.cancel.hide(); }, Qt::Key_Escape, 0, 1,
         false},
        {"the window takes Enter itself", [](Box& b) { b.take = Qt::Key_Return; },
         Qt::Key_Return, 0, 0, false},
        {"no default: Enter is the edit's", [](Box& b) { b.SetDefaultButton(nullptr); },
         Qt::Key_Return, 0, 0, true},
        {"Tab to cancel, then Enter presses it",
         [](Box& b) {
             testsupport::key_click(&b.edit, Qt::Key_Tab);
             testsupport::key_click(&b.ok, Qt::Key_Tab);
         },
         Qt::Key_Return, 0, 1, false},
        {"focus given by a click or a call is no choice of the learner's",
         [](Box& b) { b.cancel.setFocus(Qt::OtherFocusReason); }, Qt::Key_Return, 1, 0, false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        Box b;
        b.show_modeless();
        testsupport::activate(b);
        b.edit.SetFocus();
        int edit_keys = 0;
        b.edit.OnKeyDown = [&](int& k, Qt::KeyboardModifiers) { edit_keys += k == row.key; };
        row.setup(b);
        QWidget* f = QApplication::focusWidget();
        testsupport::key_click(f && f->window() == &b ? f : &b.edit, row.key);
        EXPECT_EQ(b.oks, row.oks);
        EXPECT_EQ(b.cancels, row.cancels);
        EXPECT_EQ(edit_keys > 0, row.edit_sees_it);
        b.close();
    }
}

TEST(Window, TabMovesTheFocusThroughTheControls) {
    testsupport::qt_app();
    Box b;
    b.show_modeless();
    testsupport::activate(b);
    b.edit.SetFocus();
    testsupport::key_click(&b.edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &b.ok);
    testsupport::key_click(&b.ok, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &b.cancel);
    testsupport::key_click(&b.cancel, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &b.ok);
    b.close();
}

TEST(Window, F1AsksForTheWindowsHelpPage) {
    testsupport::qt_app();
    std::vector<std::string> asked;
    ui::Window::set_help_handler([&](ui::Window& w) {
        asked.push_back(w.HelpPage() ? *w.HelpPage() : "(last)");
    });
    Box b;
    b.show_modeless();
    b.edit.SetFocus();
    testsupport::key_click(&b.edit, Qt::Key_F1);
    b.SetHelpPage("h_06_log.html");
    testsupport::key_click(&b.edit, Qt::Key_F1);
    b.take = Qt::Key_F1; // a window that handles F1 itself
    testsupport::key_click(&b.edit, Qt::Key_F1);
    EXPECT_EQ(asked, (std::vector<std::string>{"(last)", "h_06_log.html"}));
    ui::Window::set_help_handler(nullptr);
    b.close();
}

TEST(Window, AModalBoxStandsOverItsOwnerWithAVisibleEdge) {
    testsupport::qt_app();
    Box owner;
    owner.show_modeless();
    testsupport::activate(owner);
    Box box;
    QWidget* focus_inside = nullptr;
    QRgb corner = 0, inside = 0, owner_during = 0;
    testsupport::run_modal(box, [&](ui::Window& w) {
        testsupport::activate(w);
        owner_during = owner.grab().toImage().pixel(150, 70);
        focus_inside = QApplication::focusWidget();
        const QImage shot = w.grab().toImage();
        corner = shot.pixel(0, 0);
        inside = shot.pixel(5, 5);
        testsupport::key_click(&w, Qt::Key_Escape);
        w.close();
    });
    EXPECT_EQ(box.owner(), &owner);
    ASSERT_NE(box.windowHandle(), nullptr);
    EXPECT_EQ(box.windowHandle()->transientParent(), owner.windowHandle());
    EXPECT_EQ(box.windowType(), Qt::Dialog); // no task-bar entry of its own
    ASSERT_NE(focus_inside, nullptr);
    EXPECT_EQ(focus_inside->window(), &box);
    EXPECT_EQ(box.cancels, 1);
    EXPECT_LT(qGray(corner), 80);             // the dark edge
    EXPECT_NE(corner, inside);
    // The owner is shaded while the box stands over it, and only then.
    const QRgb owner_after = owner.grab().toImage().pixel(150, 70);
    EXPECT_LT(qGray(owner_during) + 30, qGray(owner_after));

    // Shown alone, it has no owner.
    owner.close();
    QApplication::setActiveWindow(nullptr);
    testsupport::run_modal(box, [](ui::Window& w) { w.close(); });
    EXPECT_EQ(box.owner(), nullptr);
    EXPECT_EQ(box.windowHandle()->transientParent(), nullptr);
}

TEST(Window, InputWaitsWhileAHandlerOfTheSameWindowWaits) {
    testsupport::qt_app();
    Box b, other;
    b.show_modeless();
    other.show_modeless();
    int entered = 0, finished = 0;
    b.ok.OnClick = [&] {
        if (++entered > 1) return;
        // What arrives while this handler waits: a second click and Enter on
        // this window, a click on another window.
        QTimer::singleShot(0, [&] {
            testsupport::click(&b.ok);
            testsupport::key_click(&b.edit, Qt::Key_Return);
            testsupport::click(&other.ok);
        });
        for (int i = 0; i < 20; ++i)
            ui::process_events_while_waiting();
        ++finished;
    };
    testsupport::click(&b.ok);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(other.oks, 1);
    EXPECT_FALSE(b.busy());
    // Once the step is over the window takes input again.
    b.ok.OnClick = [&] { ++entered; };
    testsupport::click(&b.ok);
    EXPECT_EQ(entered, 2);
    b.close();
    other.close();
}

TEST(Window, AHandlersRunTimeErrorIsShownAndTheWindowGoesOn) {
    testsupport::qt_app();
    std::vector<std::string> shown;
    os::set_message_hook([&](const std::string& t) { shown.push_back(t); });
    Box b;
    b.show_modeless();
    b.ok.OnClick = [] { throw std::runtime_error("Nie można odczytać pliku"); };
    testsupport::click(&b.ok);
    testsupport::key_click(&b.edit, Qt::Key_Return); // the same through the default button
    EXPECT_EQ(shown, (std::vector<std::string>{"Nie można odczytać pliku", "Nie można odczytać pliku"}));
    EXPECT_FALSE(b.busy());
    testsupport::click(&b.cancel); // the window still takes input
    EXPECT_EQ(b.cancels, 1);
    os::set_message_hook({});
    b.close();
}

} // namespace
