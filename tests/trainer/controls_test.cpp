#include <gtest/gtest.h>

#include <QTimer>

#include "platform/ui/window.h"
#include "platform_ui/pictures.h"
#include "platform_ui/qt_app.h"
#include "shared/bmp_transparent.h"
#include "shared/fcs_image1.h"
#include "shared/mimage.h"
#include "shared/mlabel.h"

namespace {

using namespace testsupport;

TEST(Hover, LabelAndImageTellEnteringAndLeavingEvenWhenDisabled) {
    qt_app();
    QWidget host;
    TMLabel label(&host);
    TMImage image(&host);
    int in = 0, out = 0;
    label.OnMouseEnter = image.OnMouseEnter = [&] { ++in; };
    label.OnMouseLeave = image.OnMouseLeave = [&] { ++out; };
    label.SetEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(&label), static_cast<QWidget*>(&image)}) {
        enter(w);
        leave(w);
    }
    EXPECT_EQ(in, 2);
    EXPECT_EQ(out, 2);
}

// The repeating image against a fake clock: the test steps the timer itself.
class Repeat : public QtFixture {
  protected:
    void SetUp() override {
        qt_app();
        win.show_modeless();
        img.SetBounds(10, 10, 40, 40);
        img.OnClick = [this] { clicks.push_back(now); };
    }
    void TearDown() override { win.close(); }

    // Holds the button for `ms` milliseconds, firing the timer as it would.
    void hold(int ms) {
        press(&img);
        now = 0;
        while (img.Repeating() && now + img.RepeatTimer()->Interval() <= ms) {
            now += img.RepeatTimer()->Interval();
            img.RepeatTimer()->tick();
        }
        now = ms;
    }

  public:
    ui::Window win{200, 100};
    TFCSImage1 img{&win};
    int now = 0;
    std::vector<int> clicks;
};

TEST_F(Repeat, ClicksAtTheFirstPauseThenEveryRepeatAndOnRelease) {
    EXPECT_EQ(img.Repeatpause, 75);
    EXPECT_EQ(img.InitRepeatpause, 250);
    const struct {
        int init, repeat, held;
        std::vector<int> clicks;
    } table[] = {
        {250, 60, 200, {200}},
        {250, 60, 249, {249}},
        {250, 60, 400, {250, 310, 370, 400}},
        {250, 75, 250, {250, 250}},
        {250, 75, 500, {250, 325, 400, 475, 500}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.held);
        img.InitRepeatpause = row.init;
        img.Repeatpause = row.repeat;
        clicks.clear();
        hold(row.held);
        release(&img);
        EXPECT_EQ(clicks, row.clicks);
        EXPECT_FALSE(img.Repeating());
    }
}

TEST_F(Repeat, ReleasedOutsideGivesNoLastClick) {
    img.Repeatpause = 60;
    hold(300);
    release(&img, QPoint(100, 100));
    EXPECT_EQ(clicks, (std::vector<int>{250}));
    EXPECT_FALSE(img.Repeating());
}

TEST_F(Repeat, StopsWhenTheImageCannotBeHeldAnyMore) {
    const struct {
        const char* name;
        std::function<void(Repeat&)> lose, restore;
    } table[] = {
        {"hidden", [](Repeat& t) { t.img.SetVisible(false); },
         [](Repeat& t) { t.img.SetVisible(true); }},
        {"disabled", [](Repeat& t) { t.img.SetEnabled(false); },
         [](Repeat& t) { t.img.SetEnabled(true); }},
        {"window hidden", [](Repeat& t) { t.win.hide(); },
         [](Repeat& t) { t.win.show_modeless(); }},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        clicks.clear();
        hold(260);
        ASSERT_EQ(clicks.size(), 1u);
        row.lose(*this);
        EXPECT_FALSE(img.Repeating());
        img.RepeatTimer()->tick(); // a tick already queued does nothing
        EXPECT_EQ(clicks.size(), 1u);
        row.restore(*this);
        release(&img);
    }
}

TEST_F(Repeat, AModalBoxOpenedByTheClickEndsTheRepeat) {
    ui::Window box(100, 50);
    int boxes = 0;
    img.OnClick = [&] {
        ++boxes;
        ui::set_next_modal_hook([&](ui::Window&) {
            img.RepeatTimer()->tick(); // the timer fires while the box is up
            box.close();
        });
        box.show_modal();
    };
    press(&img);
    img.RepeatTimer()->tick();
    EXPECT_EQ(boxes, 1);
    EXPECT_FALSE(img.Repeating());
    release(&img);
}

TEST_F(Repeat, RunsOnTheRealTimer) {
    img.InitRepeatpause = 20;
    img.Repeatpause = 10;
    press(&img);
    wait_ms(150);
    release(&img);
    EXPECT_GE(clicks.size(), 3u);
    EXPECT_FALSE(img.Repeating());
}

TEST_F(Repeat, ASecondQuickPressIsAClick) {
    double_click(&img);
    EXPECT_EQ(clicks.size(), 2u);
}

// The transparent picture over a patterned host.
class Transparent : public QtFixture {
  protected:
    void SetUp() override {
        qt_app();
        host.resize(200, 200);
        ground.setGeometry(0, 0, 200, 200);
        ground.SetPicture(pattern(200, 200));
        pic.move(20, 30);
    }
    QImage shot() {
        return host.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(20, 30, 105, 105);
    }
    QImage bg() { return pattern(200, 200).copy(20, 30, 105, 105); }

    QWidget host;
    ui::Image ground{&host};
    TBmpTransparent pic{&host};
};

TEST_F(Transparent, DefaultsAndNoPicture) {
    EXPECT_EQ(pic.size(), QSize(105, 105));
    EXPECT_EQ(pic.TransparentColor(), qRgb(128, 128, 0));
    EXPECT_FALSE(pic.Auto());
    EXPECT_EQ(shot(), bg());
}

TEST_F(Transparent, OversizePictureIsCentredAndClippedAndAutoTakesTheTopLeft) {
    const QRgb red = qRgb(255, 0, 0), olive = qRgb(128, 128, 0);
    QImage p(121, 111, QImage::Format_RGB32); // x = trunc(-16 / 2) = -8, y = trunc(-6 / 2) = -3
    for (int y = 0; y < 111; ++y)
        for (int x = 0; x < 121; ++x)
            p.setPixel(x, y, (x + y) % 7 == 0 ? red : (x * y) % 5 == 0 ? olive : qRgb(x, y, 77));
    for (bool automatic : {false, true}) {
        SCOPED_TRACE(automatic);
        pic.SetPicture(p);
        pic.SetAuto(automatic); // the top-left pixel is red
        const QRgb key = automatic ? red : olive;
        const QImage s = shot(), b = bg();
        for (int y = 0; y < 105; ++y)
            for (int x = 0; x < 105; ++x) {
                const QRgb src = p.pixel(x + 8, y + 3);
                ASSERT_EQ(s.pixel(x, y), src == key ? b.pixel(x, y) : src) << x << "," << y;
            }
    }
}

} // namespace
