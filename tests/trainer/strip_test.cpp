#include "shared/my_image_list.h"

#include <gtest/gtest.h>

#include <span>

#include <QPainter>
#include <filesystem>
#include <optional>

#include "core/startup.h"
#include "platform_ui/pictures.h"
#include "platform_ui/qt_app.h"
#include "shared/form5.h"
#include "shared/transparent_button.h"
#include "support/temp_dir.h"
#include "trainer/strip_files.h"

namespace {

using namespace testsupport;

const std::string kNotDividing = "Dlugosc obrazka nie dzieli sie przez podana liczbe klatek";

TEST(ImageList, FrameWidthIsTheWidthOverTheFrames) {
    qt_app();
    TempDir dir;
    const struct {
        int width, frames;
        std::optional<int> frame_width; // none: the load fails
    } table[] = {
        {66, 2, 33}, {67, 2, std::nullopt}, {64, 1, 64}, {60, 3, 20}, {10, 0, std::nullopt},
    };
    TMyImageList list;
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.width) + "/" + std::to_string(row.frames));
        QImage img(row.width, 20, QImage::Format_RGB32);
        img.fill(qRgb(1, 2, 3));
        ASSERT_TRUE(ui::save_bmp(img, dir.file("s.bmp")));
        const int before = list.Count();
        if (row.frame_width) {
            const int index = list.AddFromFile(dir.file("s.bmp"), row.frames, 4, 5);
            EXPECT_EQ(index, before);
            EXPECT_EQ(list.GetFrameWidth(index), *row.frame_width);
            EXPECT_EQ(list.GetFrameHeight(index), 20);
            EXPECT_EQ(list.GetDefLeft(index), 4);
            EXPECT_EQ(list.GetDefTop(index), 5);
        } else {
            try {
                list.AddFromFile(dir.file("s.bmp"), row.frames, 0, 0);
                ADD_FAILURE() << "loaded";
            } catch (const EMyImageList& e) {
                EXPECT_EQ(e.what(), kNotDividing);
            }
            EXPECT_EQ(list.Count(), before);
        }
    }
    EXPECT_THROW(list.AddFromFile(dir.file("missing.bmp"), 2, 0, 0), ui::BitmapError);
    dir.write("bad.bmp", "BM not really");
    EXPECT_THROW(list.AddFromFile(dir.file("bad.bmp"), 2, 0, 0), ui::BitmapError);
    EXPECT_EQ(list.Count(), 3);
}

class StripDraw : public QtFixture {
  protected:
    void SetUp() override {
        qt_app();
        strip = make_strip(30, 20, {qRgb(10, 200, 10), qRgb(200, 10, 10)});
        ui::save_bmp(strip, dir.file("s.bmp"));
        list.AddFromFile(dir.file("s.bmp"), 2, 0, 0);
    }
    // Draws into a copy of the background as a 30 x 20 button at (0, 0)
    // whose update rectangle is `clip`.
    QImage draw(int index, int frame, QRect clip = QRect(0, 0, 30, 20)) {
        QImage out = bg;
        QPainter p(&out);
        ui::Canvas c(p, clip);
        list.Draw(c, index, frame);
        return out;
    }
    TempDir dir;
    QImage strip;
    QImage bg = pattern(30, 20);
    TMyImageList list;
};

TEST_F(StripDraw, FramePixelsCoverTheBackgroundExceptTheKeyColour) {
    for (int frame : {0, 1}) {
        SCOPED_TRACE(frame);
        const QImage out = draw(0, frame);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const int sx = frame * 30 + x;
                ASSERT_EQ(out.pixel(x, y),
                          is_key(strip, sx, y) ? bg.pixel(x, y) : strip.pixel(sx, y))
                    << x << "," << y;
            }
    }
    // Only the update rectangle is painted.
    const QImage part = draw(0, 1, QRect(15, 0, 15, 20));
    EXPECT_EQ(part.copy(0, 0, 15, 20), bg.copy(0, 0, 15, 20));
    EXPECT_EQ(part.copy(15, 0, 15, 20), draw(0, 1).copy(15, 0, 15, 20));
}

TEST_F(StripDraw, IndexesAndFramesOutsideTheListDrawNothing) {
    for (int index : {1, 26, -1}) {
        EXPECT_EQ(draw(index, 0), bg) << index;
        EXPECT_EQ(list.GetFrameWidth(index), 33);
        EXPECT_EQ(list.GetFrameHeight(index), 33);
        EXPECT_EQ(list.GetDefLeft(index), 33);
        EXPECT_EQ(list.GetDefTop(index), 33);
        list.SetDefPos(index, 1, 1); // ignored
    }
    EXPECT_EQ(draw(0, 2), bg);  // past the strip
    EXPECT_EQ(draw(0, -1), bg); // before it
    EXPECT_EQ(draw(0, 0, QRect(5, 5, 0, 10)), bg);
    list.SetDefPos(0, 7, 9);
    EXPECT_EQ(list.GetDefLeft(0), 7);
    EXPECT_EQ(list.GetDefTop(0), 9);
}

// The holder reads the strips from the program folder, not the current one.
class Holder : public QtFixture {
  protected:
    void SetUp() override {
        qt_app();
        saved = sciezka_programu;
        sciezka_programu = dir.path();
        write_strips(dir.path(), paski_trenera);
    }
    void TearDown() override { sciezka_programu = saved; }
    TempDir dir;
    std::string saved;
};

TEST_F(Holder, LoadsTheStripsAndBindsButtonsMadeBefore) {
    QWidget host;
    TTransparentButton early(&host, 15);
    early.setGeometry(5, 5, 100, 40);
    EXPECT_EQ(early.ImageList(), nullptr);
    {
        TForm5 form5;
        const int n = static_cast<int>(paski_trenera.size());
        ASSERT_EQ(form5.MyImageList1.Count(), n);
        for (int i = 0; i < n; ++i) {
            const look::Size frame = opis_paska(paski_trenera[size_t(i)]).klatka;
            EXPECT_EQ(form5.MyImageList1.GetFrameWidth(i), frame.w) << i;
            EXPECT_EQ(form5.MyImageList1.GetFrameHeight(i), frame.h) << i;
        }
        EXPECT_EQ(early.ImageList(), &form5.MyImageList1);
        EXPECT_EQ(early.size(), QSize(260, 52));
        TTransparentButton late(&host, 2);
        EXPECT_EQ(late.size(), QSize(64, 32));
    }
    EXPECT_EQ(early.ImageList(), nullptr); // the holder is gone: nothing dangles
}

TEST_F(Holder, AStripThatFailsStopsTheCreation) {
    QImage odd(67, 20, QImage::Format_RGB32);
    odd.fill(qRgb(0, 0, 0));
    ui::save_bmp(odd, dir.file("but_s/sprawdz.bmp"));
    try {
        TForm5 form5;
        ADD_FAILURE() << "created";
    } catch (const EMyImageList& e) {
        EXPECT_EQ(e.what(), kNotDividing);
    }
    EXPECT_EQ(TTransparentButton::SharedList(), nullptr);

    std::filesystem::remove(dir.file("but_s/sprawdz.bmp"));
    EXPECT_THROW(TForm5 form5, ui::BitmapError);
}

TEST_F(Holder, TheDictionaryLoadsItsOwnSix) {
    TForm5 form5(paski_slownika);
    EXPECT_EQ(form5.MyImageList1.Count(), 6);
    EXPECT_EQ(form5.MyImageList1.GetFrameWidth(5), 150);
    EXPECT_EQ(form5.MyImageList1.GetFrameWidth(3), 28);
}

// A button names its strip; each program's list has it at its own place, or not at all.
TEST_F(Holder, ButtonsFindTheirStripByNameInEitherList) {
    QWidget host;
    TTransparentButton cancel(&host, Pasek::anuluj2), user(&host, Pasek::nowy_user),
        menu(&host, Pasek::m_slow_powt);
    const struct {
        const char* program;
        std::span<const Pasek> list;
        int cancel, user, menu;
    } table[] = {
        {"trainer", paski_trenera, 3, 11, 15},
        {"dictionary", paski_slownika, 2, 5, -1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.program);
        TForm5 form5(row.list);
        EXPECT_EQ(cancel.BitmapNormal(), row.cancel);
        EXPECT_EQ(cancel.size(), QSize(64, 32));
        EXPECT_EQ(user.BitmapNormal(), row.user);
        EXPECT_EQ(user.size(), QSize(150, 32));
        EXPECT_EQ(menu.BitmapNormal(), row.menu);
        if (row.menu < 0) {
            // Missing from this program's list: the out-of-range size, nothing
            // painted over the host's ground, still a button.
            EXPECT_EQ(menu.size(), QSize(33, 33));
            int clicks = 0;
            menu.OnClick = [&] { ++clicks; };
            click(&menu);
            EXPECT_EQ(clicks, 1);
            QImage shot(menu.size(), QImage::Format_RGB32);
            shot.fill(qRgb(1, 2, 3));
            menu.render(&shot, QPoint(), QRegion(), QWidget::RenderFlags());
            EXPECT_EQ(shot.pixel(16, 16), qRgb(1, 2, 3));
        }
    }
}

} // namespace
