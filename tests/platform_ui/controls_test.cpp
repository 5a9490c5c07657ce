#include "platform/ui/controls.h"

#include <gtest/gtest.h>

#include "platform/os/codepage.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"
#include "platform_ui/qt_app.h"

namespace {

using namespace testsupport;

class Controls : public QtFixture {
  protected:
    void SetUp() override { qt_app(); }
    ui::Window win{300, 200};
};

TEST_F(Controls, ListsHoldEightBitItemsAndStartWithNoSelection) {
    ui::ListBox list(&win);
    ui::ComboBox combo(&win);
    const std::string zolw = os::pl("żółw"), jez = os::pl("jeż");
    for (ui::Strings items : {list.Items(), combo.Items()}) {
        items.Add(zolw);
        items.Add(jez);
        items.Insert(0, "kot");
        EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"kot", zolw, jez}));
        EXPECT_EQ(items.IndexOf(jez), 2);
        EXPECT_EQ(items[5], "");
        items.Delete(7); // ignored
        EXPECT_EQ(items.Count(), 3);
    }
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");

    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    combo.OnChange = [&] { ++clicks; };
    for (int i : {2, 0, -1, 9}) {
        list.SetItemIndex(i);
        combo.SetItemIndex(i);
        const int want = i >= 0 && i < 3 ? i : -1;
        EXPECT_EQ(list.ItemIndex(), want) << i;
        EXPECT_EQ(combo.ItemIndex(), want) << i;
    }
    combo.SetItemIndex(1);
    EXPECT_EQ(combo.Text(), zolw);
    EXPECT_EQ(clicks, 0); // setting the index fires nothing

    list.Items().Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(Controls, ListBoxKeysMoveTheSelectionAndClick) {
    ui::ListBox list(&win);
    list.Items().Assign({"a", "b", "c"});
    list.SetItemIndex(0);
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    int seen = 0;
    list.OnKeyDown = [&](int& key, Qt::KeyboardModifiers) {
        ++seen;
        if (key == Qt::Key_Delete) key = 0;
    };
    key_click(&list, Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    key_click(&list, Qt::Key_Delete);
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, EditTextAndTypedCharacters) {
    ui::Edit edit(&win);
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    edit.SetText(os::pl("łódź"));
    EXPECT_EQ(edit.Text(), os::pl("łódź"));
    EXPECT_EQ(changes, 1);
    edit.SetText(os::pl("łódź"));
    EXPECT_EQ(changes, 1);

    edit.SetText("");
    // The key-press hook may replace a character or swallow it.
    edit.OnKeyPress = [](char& ch) {
        if (ch == 'a') ch = os::pl("ą")[0];
        if (ch == '\r') ch = 0;
    };
    key_click(&edit, Qt::Key_A, Qt::NoModifier, "a");
    key_click(&edit, Qt::Key_B, Qt::NoModifier, "b");
    key_click(&edit, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(edit.Text(), os::pl("ąb"));
    edit.OnKeyDown = [](int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_C) key = 0;
    };
    key_click(&edit, Qt::Key_C, Qt::NoModifier, "c");
    EXPECT_EQ(edit.Text(), os::pl("ąb"));
}

TEST_F(Controls, CheckBoxClicksOnEveryChangeOfState) {
    ui::CheckBox box(&win);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true);
    box.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    box.SetCaption(os::pl("Tylko całe wyrazy"));
    EXPECT_EQ(box.text(), QString::fromUtf8("Tylko całe wyrazy"));
}

TEST_F(Controls, ProgressBarClampsAndSteps) {
    ui::ProgressBar bar(&win);
    bar.Step = 30;
    for (auto [set, want] : {std::pair{50, 50}, {-5, 0}, {130, 100}}) {
        bar.SetPosition(set);
        EXPECT_EQ(bar.Position(), want) << set;
    }
    bar.SetPosition(80);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 9); // wraps past the top
}

TEST_F(Controls, VisibleAndEnabledAreTheControlsOwn) {
    ui::Label label(&win); // the window itself is hidden
    EXPECT_TRUE(label.Visible());
    label.SetVisible(false);
    EXPECT_FALSE(label.Visible());
    win.setEnabled(false);
    EXPECT_TRUE(label.Enabled());
    label.SetEnabled(false);
    EXPECT_FALSE(label.Enabled());
}

TEST_F(Controls, ClickFollowsPressAndReleaseOverTheControl) {
    ui::Image img(&win);
    img.SetBounds(0, 0, 40, 40);
    int clicks = 0, dbl = 0, downs = 0, ups = 0;
    img.OnClick = [&] { ++clicks; };
    img.OnDblClick = [&] { ++dbl; };
    img.OnMouseDown = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };
    img.OnMouseUp = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++ups; };
    click(&img);
    EXPECT_EQ(clicks, 1);
    press(&img);
    release(&img, QPoint(60, 10)); // released outside
    EXPECT_EQ(clicks, 1);
    double_click(&img);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(downs, 4);
    EXPECT_EQ(ups, 4);
}

TEST_F(Controls, LabelAndImagePaintOnlyWhatTheyHold) {
    win.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(255, 255, 255));
    win.setPalette(pal);
    ui::Image img(&win);
    img.SetBounds(10, 10, 40, 30);
    QImage pic(20, 10, QImage::Format_RGB32);
    pic.fill(qRgb(0, 0, 255));
    pic.setPixel(0, 9, qRgb(0, 255, 0)); // bottom-left: the transparent colour
    img.SetPicture(pic);
    img.SetCenter(true);
    img.SetTransparent(true);
    ui::Label label(&win);
    label.SetBounds(100, 10, 150, 60);
    label.SetCaption(os::pl("Zażółć gęślą jaźń, zażółć gęślą jaźń"));
    label.SetWordWrap(true);
    const QImage shot = win.grab().toImage();
    EXPECT_EQ(shot.pixel(10 + 10 + 1, 10 + 10 + 1), qRgb(0, 0, 255));
    EXPECT_EQ(shot.pixel(10 + 10, 10 + 10 + 9), qRgb(255, 255, 255)); // the transparent pixel
    EXPECT_EQ(shot.pixel(12, 12), qRgb(255, 255, 255));               // outside the centred picture
    int dark_rows = 0;
    for (int y = 10; y < 70; ++y) {
        bool dark = false;
        for (int x = 100; x < 250; ++x)
            dark = dark || qGray(shot.pixel(x, y)) < 100;
        dark_rows += dark;
    }
    EXPECT_GT(dark_rows, 14); // wrapped onto a second line
}

TEST_F(Controls, TimerRestartsOnANewIntervalAndTicks) {
    ui::Timer t;
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    EXPECT_FALSE(t.Enabled());
    t.tick();
    EXPECT_EQ(ticks, 1);
    t.SetInterval(5);
    t.SetEnabled(true);
    // A loaded machine delays ticks: wait for three more, with a generous bound.
    for (int waited = 0; ticks < 4 && waited < 5000; waited += 10)
        wait_ms(10);
    EXPECT_GE(ticks, 4);
    t.SetEnabled(false);
    const int stopped = ticks;
    wait_ms(30);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Controls, APictureFromASourceIsMadeOnceWhenFirstNeeded) {
    ui::Image image(&win);
    image.SetBounds(0, 0, 4, 4);
    int made = 0;
    image.SetPictureSource([&] {
        ++made;
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(qRgb(200, 10, 10));
        img.setPixel(0, 3, qRgb(0, 255, 0)); // the key colour of a transparent picture
        return img;
    });
    image.SetTransparent(true);
    EXPECT_EQ(made, 0); // nothing read until it is needed
    const QImage shot = image.grab().toImage();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(shot.pixel(1, 1), qRgb(200, 10, 10));
    EXPECT_EQ(image.Picture().size(), QSize(4, 4));
    image.grab();
    EXPECT_EQ(made, 1); // made once
    // A picture set outright replaces a source not yet used.
    image.SetPictureSource([&] { ++made; return QImage(); });
    image.SetPicture(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_EQ(image.Picture().size(), QSize(2, 2));
    EXPECT_EQ(made, 1);
}

} // namespace
