#include "shared/transparent_button.h"

#include <gtest/gtest.h>

#include "platform_ui/pictures.h"
#include "platform_ui/qt_app.h"
#include "support/temp_dir.h"

namespace {

using namespace testsupport;

const QRgb kFrame[3] = {qRgb(10, 200, 10), qRgb(200, 10, 10), qRgb(10, 10, 200)};

// A host window with a patterned background picture and a button at (20, 30)
// drawing from strip 0 (two frames) or strip 1 (three frames) of its own list.
class Button : public QtFixture {
  protected:
    void SetUp() override {
        qt_app();
        strip2 = make_strip(30, 20, {kFrame[0], kFrame[1]});
        strip3 = make_strip(30, 20, {kFrame[0], kFrame[1], kFrame[2]});
        ui::save_bmp(strip2, dir.file("two.bmp"));
        ui::save_bmp(strip3, dir.file("three.bmp"));
        list.AddFromFile(dir.file("two.bmp"), 2, 0, 0);
        list.AddFromFile(dir.file("three.bmp"), 3, 0, 0);
        host.resize(200, 100);
        ground.setGeometry(0, 0, 200, 100);
        ground.SetPicture(pattern(200, 100));
        button.move(20, 30);
        button.SetImageList(&list);
        button.OnClick = [this] { ++clicks; };
        button.OnMouseEnter = [this] { ++enters; };
        button.OnMouseLeave = [this] { ++leaves; };
    }

    // What the button shows: -1 nothing (the background), else that frame.
    int shown_frame() {
        const QImage shot = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage bg = pattern(200, 100);
        int frame = -1;
        for (int f = -1; f < 3; ++f) {
            bool all = true;
            const QImage& s = f == 2 ? strip3 : strip2;
            for (int y = 0; y < 20 && all; ++y)
                for (int x = 0; x < 30 && all; ++x) {
                    const int sx = f * 30 + x;
                    const QRgb want =
                        f < 0 || is_key(s, sx, y) ? bg.pixel(20 + x, 30 + y) : s.pixel(sx, y);
                    all = shot.pixel(20 + x, 30 + y) == want;
                }
            if (all) frame = f;
        }
        return frame;
    }

    TempDir dir;
    QImage strip2, strip3;
    TMyImageList list;
    QWidget host;
    ui::Image ground{&host};
    TTransparentButton button{&host, 0};
    int clicks = 0, enters = 0, leaves = 0;
};

TEST_F(Button, EventTable) {
    const struct {
        const char* name;
        TStyl style;
        bool enabled;
        int start_stan;
        const char* actions; // E enter, L leave, P press, R release
        int stan, enters, leaves, clicks;
    } table[] = {
        {"highlight on entering", tbs_Highlighted, true, 0, "E", 1, 1, 0, 0},
        {"and off on leaving", tbs_Highlighted, true, 0, "EL", 0, 1, 1, 0},
        {"pressing keeps the highlight", tbs_Highlighted, true, 0, "EP", 1, 1, 0, 0},
        {"a click", tbs_Highlighted, true, 0, "EPR", 1, 1, 0, 1},
        {"pressed style", tbs_Highlighted | tbs_Pressed, true, 0, "EP", 2, 1, 0, 0},
        {"pressed style released", tbs_Highlighted | tbs_Pressed, true, 0, "EPR", 0, 1, 0, 1},
        {"pressed style alone", tbs_Pressed, true, 0, "P", 2, 0, 0, 0},
        {"no style still tells", 0, true, 0, "EL", 0, 1, 1, 0},
        {"disabled: no highlight, no enter", tbs_Highlighted, false, 0, "E", 0, 0, 0, 0},
        {"disabled: leaving still resets", tbs_Highlighted, false, 1, "L", 0, 0, 1, 0},
        {"disabled: no click", tbs_Highlighted, false, 0, "PR", 0, 0, 0, 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        button.SetStyle(row.style);
        button.SetEnabled(row.enabled);
        button.SetStan(row.start_stan);
        clicks = enters = leaves = 0;
        for (const char* a = row.actions; *a; ++a) {
            switch (*a) {
            case 'E':
                enter(&button);
                break;
            case 'L':
                leave(&button);
                break;
            case 'P':
                press(&button);
                break;
            case 'R':
                release(&button);
                break;
            }
        }
        EXPECT_EQ(button.Stan(), row.stan);
        EXPECT_EQ(enters, row.enters);
        EXPECT_EQ(leaves, row.leaves);
        EXPECT_EQ(clicks, row.clicks);
    }
}

TEST_F(Button, PaintsTheFrameOfItsState) {
    const struct {
        const char* name;
        int bitmap;
        TStyl style;
        bool hide_normal;
        int stan, frame;
    } table[] = {
        {"normal", 0, tbs_Highlighted, false, 0, 0},
        {"highlighted", 0, tbs_Highlighted, false, 1, 1},
        {"pressed without highlight style shows frame 1", 0, tbs_Pressed, false, 2, 1},
        {"pressed with both styles shows frame 2", 1, tbs_Highlighted | tbs_Pressed, false, 2, 2},
        {"pressed with both on a two-frame strip", 0, tbs_Highlighted | tbs_Pressed, false, 2, -1},
        {"hidden at rest", 0, tbs_Highlighted, true, 0, -1},
        {"shown on hover", 0, tbs_Highlighted, true, 1, 1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        button.SetBitmapNormal(row.bitmap);
        button.SetStyle(row.style);
        button.SetHideNormal(row.hide_normal);
        button.SetStan(row.stan);
        EXPECT_EQ(button.size(), QSize(30, 20));
        EXPECT_EQ(shown_frame(), row.frame);
    }
}

TEST_F(Button, AStripNotLoadedGivesAnInvisibleButtonThatStillClicks) {
    button.SetBitmapNormal(26);
    EXPECT_EQ(button.size(), QSize(33, 33));
    button.SetStan(1);
    EXPECT_EQ(host.grab().toImage().convertToFormat(QImage::Format_RGB32), pattern(200, 100));
    click(&button);
    EXPECT_EQ(clicks, 1);

    // Without any list the button keeps its own size.
    TTransparentButton loose(&host, 0);
    loose.SetImageList(nullptr);
    loose.setGeometry(100, 10, 64, 32);
    loose.SetStan(1);
    EXPECT_EQ(loose.size(), QSize(64, 32));
    int loose_clicks = 0;
    loose.OnClick = [&] { ++loose_clicks; };
    click(&loose);
    EXPECT_EQ(loose_clicks, 1);
}

TEST_F(Button, DefaultPositionComesFromTheStrip) {
    list.SetDefPos(0, 7, 9);
    button.SetStyle(tbs_Highlighted | tbs_DefPos);
    EXPECT_EQ(button.pos(), QPoint(7, 9));
    button.SetStyle(tbs_Highlighted);
    button.move(20, 30);
    EXPECT_EQ(shown_frame(), 0);
}

TEST_F(Button, ADoubleClickIsOneClick) {
    double_click(&button);
    EXPECT_EQ(clicks, 1);
}

} // namespace
