#include "platform/ui/window.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <vector>

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

} // namespace
