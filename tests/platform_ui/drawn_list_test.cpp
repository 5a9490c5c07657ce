#include "platform/ui/drawn_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/window.h"
#include "platform_ui/qt_app.h"

namespace {

using namespace testsupport;

// A list of 25 entries in a box of 5 rows of 10 pixels; each row is painted
// in a colour that tells its entry and whether it is selected.
class DrawnListTest : public QtFixture {
  protected:
    void SetUp() override {
        list.SetBounds(0, 0, 40, 50);
        list.SetItemHeight(10);
        list.SetColor(qRgb(255, 255, 255));
        list.SetCount(25);
        list.OnDrawItem = [](ui::Canvas& c, int index, const QRect& r, ui::DrawnList::State s) {
            c.FillRect(r, colour(index, s.selected));
        };
        list.OnSelect = [this](int i) { selected.push_back(i); };
        list.OnScroll = [this] { ++scrolls; };
    }
    static QRgb colour(int index, bool selected) {
        return qRgb(index * 10, selected ? 255 : 0, 100);
    }
    // The colour painted in screen row r.
    QRgb row(int r) { return list.grab().toImage().pixel(20, r * 10 + 5); }

    ui::Window win{100, 100};
    ui::DrawnList list{&win};
    std::vector<int> selected;
    int scrolls = 0;
};

TEST_F(DrawnListTest, PaintsTheRowsFromTheFirstVisibleEntry) {
    list.SetTopIndex(22);
    list.SetItemIndex(23);
    EXPECT_EQ(row(0), colour(22, false));
    EXPECT_EQ(row(1), colour(23, true));
    EXPECT_EQ(row(2), colour(24, false));
    EXPECT_EQ(row(3), qRgb(255, 255, 255)); // past the last entry: the ground
    EXPECT_EQ(list.ItemRect(22), QRect(0, 0, 40, 10));
    EXPECT_TRUE(list.ItemRect(21).isNull());
    EXPECT_EQ(scrolls, 1);
}

TEST_F(DrawnListTest, AClickSelectsTheEntryUnderItAndOnlyAnEntry) {
    list.SetTopIndex(3);
    click(&list, QPoint(5, 25)); // row 2
    EXPECT_EQ(list.ItemIndex(), 5);
    list.SetTopIndex(22);
    click(&list, QPoint(5, 45)); // row 4: empty
    EXPECT_EQ(list.ItemIndex(), 5);
    int dbl = -1;
    list.OnDblClick = [&](int i) { dbl = i; };
    double_click(&list); // the middle row
    EXPECT_EQ(dbl, 24);
    EXPECT_EQ(selected, (std::vector<int>{5, 24}));
}

TEST_F(DrawnListTest, KeysMoveTheSelectionAndScrollItIntoView) {
    const struct {
        int key;
        int from, top_before;
        int to, top_after;
    } table[] = {
        {Qt::Key_Down, -1, 0, 0, 0},    // nothing selected: the first shown
        {Qt::Key_Down, 4, 0, 5, 1},     // past the last row: scrolls one
        {Qt::Key_Up, 3, 3, 2, 2},       // above the first row: scrolls one
        {Qt::Key_Up, 0, 0, 0, 0},       // stays at the top
        {Qt::Key_PageDown, 0, 0, 4, 0}, // a page is the rows shown less one
        {Qt::Key_End, 2, 0, 24, 20},
        {Qt::Key_Home, 20, 18, 0, 0},
        {Qt::Key_Down, 24, 20, 24, 20}, // stays at the end
    };
    for (const auto& t : table) {
        SCOPED_TRACE(testing::Message() << "key " << t.key << " from " << t.from);
        list.SetTopIndex(t.top_before);
        list.SetItemIndex(t.from);
        selected.clear();
        key_click(&list, t.key);
        EXPECT_EQ(list.ItemIndex(), t.to);
        EXPECT_EQ(list.TopIndex(), t.top_after);
        EXPECT_EQ(selected.size(), t.to != t.from ? 1u : 0u);
    }
}

TEST_F(DrawnListTest, AShorterListKeepsItsSelectionAndScrollInside) {
    list.SetTopIndex(20);
    list.SetItemIndex(22);
    list.SetCount(10);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.TopIndex(), 9);
    list.SetCount(0);
    EXPECT_EQ(list.TopIndex(), 0);
    key_click(&list, Qt::Key_Down); // nothing to move over
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(DrawnListTest, TheCursorIsAHandOnlyOverEntries) {
    list.SetTopIndex(22);
    mouse(&list, QEvent::MouseMove, QPoint(5, 5));
    EXPECT_EQ(list.cursor().shape(), Qt::PointingHandCursor);
    mouse(&list, QEvent::MouseMove, QPoint(5, 45));
    EXPECT_EQ(list.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
