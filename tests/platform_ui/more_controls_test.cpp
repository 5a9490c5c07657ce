// The controls the later windows build on: grid, file list, check and radio
// buttons, check list, memo, scroll bar.
#include <gtest/gtest.h>

#include <vector>

#include "platform/os/codepage.h"
#include "platform/ui/controls.h"
#include "platform/ui/file_list.h"
#include "platform/ui/grid.h"
#include "platform/ui/window.h"
#include "platform_ui/qt_app.h"
#include "support/temp_dir.h"

namespace {

using namespace testsupport;

class MoreControls : public QtFixture {
  protected:
    ui::Window win{400, 300};
};

// 100 rows of "foreign / Polish" text in two columns, 10 rows of 18 pixels shown.
class GridTest : public MoreControls {
  protected:
    void SetUp() override {
        grid.SetBounds(0, 0, 300, 180);
        grid.SetColWidth(0, 150);
        grid.SetColWidth(1, 150);
        grid.OnGetText = [](int col, int row) {
            return (col == 0 ? "w" : os::pl("słowo ")) + std::to_string(row);
        };
        grid.OnClick = [this] { ++clicks; };
        grid.SetRowCount(100);
        win.show_modeless();
    }
    void TearDown() override { win.close(); }
    QPoint cell(int col, int row) { return QPoint(col * 150 + 20, row * 18 + 9); }
    void click_cell(int col, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QPoint p = cell(col, row);
        QWidget* vp = grid.viewport();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), QPointF(vp->mapToGlobal(p)),
                          Qt::LeftButton, Qt::LeftButton, mods);
        QApplication::sendEvent(vp, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(p), QPointF(vp->mapToGlobal(p)),
                            Qt::LeftButton, Qt::NoButton, mods);
        QApplication::sendEvent(vp, &release);
    }
    ui::Grid grid{&win};
    int clicks = 0;
};

TEST_F(GridTest, SelectsARangeOfRowsByClickShiftClickAndKeys) {
    EXPECT_EQ(grid.Selection().top, -1);
    click_cell(1, 2);
    EXPECT_EQ(grid.Selection().top, 2);
    EXPECT_EQ(grid.Selection().bottom, 2);
    click_cell(0, 5, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection().top, 2);
    EXPECT_EQ(grid.Selection().bottom, 5);
    grid.setFocus();
    key_click(grid.viewport(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection().bottom, 6);
    EXPECT_EQ(clicks, 3);

    grid.SetSelection(98, 140); // clamped to the rows there are
    EXPECT_EQ(grid.Selection().top, 98);
    EXPECT_EQ(grid.Selection().bottom, 99);
    grid.SetRowCount(3); // a new list: nothing selected
    EXPECT_EQ(grid.Selection().top, -1);
    grid.SetRowCount(0);
    grid.SetSelection(0, 0);
    EXPECT_EQ(grid.Selection().top, -1);
}

TEST_F(GridTest, DrawsTheWindowsMarksBeforeTheText) {
    grid.OnDrawMarks = [](ui::Canvas& c, int col, int row, const QRect& r) {
        if (col != 0 || row % 2) return 0;
        c.FillRect(QRect(r.left() + 2, r.top() + 4, 3, 9), 0xFFFF0000u);
        return 8;
    };
    grid.Refresh();
    const QImage shot = grid.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixel(3, 18 * 0 + 8), qRgb(255, 0, 0));
    EXPECT_NE(shot.pixel(3, 18 * 1 + 8), qRgb(255, 0, 0));
    // The text of a marked row starts after the mark.
    auto first_dark = [&](int row) {
        for (int x = 0; x < 60; ++x)
            if (qGray(shot.pixel(x, row * 18 + 9)) < 128 && shot.pixel(x, row * 18 + 9) != qRgb(255, 0, 0))
                return x;
        return -1;
    };
    EXPECT_GT(first_dark(0), first_dark(1));
}

TEST_F(GridTest, AColumnCanTakeAnotherCharacterSetThanTheFont) {
    // French words (Windows-1252) beside Polish translations (Windows-1250).
    ui::Font f = grid.GetFont();
    f.charset = 0;
    grid.SetFont(f);
    grid.OnGetText = [](int col, int) { return std::string(col == 0 ? "\xE9t\xE9" : "\xB3\xB9ka"); };
    grid.SetColCharset(1, 238);
    auto shown = [&](int col) { return grid.model()->data(grid.model()->index(0, col)).toString(); };
    EXPECT_EQ(shown(0), QString::fromUtf8("été"));
    EXPECT_EQ(shown(1), QString::fromUtf8("łąka"));
}

TEST_F(MoreControls, FileListShowsTheMatchingFilesSortedAndKeepsTheSelection) {
    TempDir dir;
    for (const char* f : {"b.wav", "A.WAV", "c.txt", "zebra.Wav"})
        dir.write(f, "x");
    dir.write("sub.wav/inner.wav", "x"); // a folder, not a file
    ui::FileListBox list(&win);
    list.SetMask("*.wav");
    list.SetDirectory(dir.path());
    EXPECT_EQ(list.Items().ToVector(), (std::vector<std::string>{"A.WAV", "b.wav", "zebra.Wav"}));
    EXPECT_EQ(list.FileName(), "");
    list.SetItemIndex(1);
    dir.write(os::cp1250_to_utf8(os::pl("ą.wav")), "x"); // a name in UTF-8 on disc
    list.Update();
    EXPECT_EQ(list.FileName(), "b.wav");
    EXPECT_EQ(list.Items().Count(), 4);
    EXPECT_NE(list.Items().IndexOf(os::pl("ą.wav")), -1);
    list.SetDirectory(dir.path() + "missing/");
    EXPECT_EQ(list.Items().Count(), 0);
}

TEST_F(MoreControls, ALabelBesideACheckBoxTogglesIt) {
    ui::CheckBox box(&win);
    ui::Label label(&win);
    box.AttachLabel(label);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    click(&label);
    EXPECT_TRUE(box.Checked());
    click(&label);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    box.SetEnabled(false);
    click(&label);
    EXPECT_FALSE(box.Checked());
}

TEST_F(MoreControls, RadioGroupPicksOneItem) {
    ui::RadioGroup group(&win);
    group.SetBounds(0, 0, 200, 120);
    group.SetColumns(2);
    group.Items().Assign({"jeden", "dwa", "trzy"});
    EXPECT_EQ(group.ItemIndex(), -1);
    int clicks = 0;
    group.OnClick = [&] { ++clicks; };
    auto buttons = group.findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    buttons[2]->click();
    EXPECT_EQ(group.ItemIndex(), 2);
    buttons[0]->click();
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_FALSE(buttons[2]->isChecked());
    EXPECT_EQ(clicks, 2);
    // Two columns: the third item heads the second one.
    EXPECT_GT(buttons[2]->x(), buttons[0]->x());
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    for (auto* b : buttons)
        EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(clicks, 2); // setting fires nothing
    group.Items().Delete(0);
    EXPECT_EQ(group.Items().ToVector(), (std::vector<std::string>{"dwa", "trzy"}));
}

TEST_F(MoreControls, CheckListTellsOnlyTheLearnersTicks) {
    ui::CheckListBox list(&win);
    list.Items().Assign({"01 Rozpoznawanie", "02 Rozumienie"});
    std::vector<int> ticked;
    list.OnClickCheck = [&](int i) { ticked.push_back(i); };
    list.SetChecked(1, true);
    list.SetChecked(5, true); // ignored
    EXPECT_TRUE(list.Checked(1));
    EXPECT_FALSE(list.Checked(0));
    EXPECT_FALSE(list.Checked(5));
    EXPECT_TRUE(ticked.empty());
    list.item(0)->setCheckState(Qt::Checked); // as a click on the box does
    EXPECT_EQ(ticked, std::vector<int>{0});
}

TEST_F(MoreControls, MemoKeepsLinesAndItsLimit) {
    ui::Memo memo(&win);
    memo.SetText(os::pl("pierwsza\r\ndruga łódź"));
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"pierwsza", os::pl("druga łódź")}));
    EXPECT_EQ(memo.Text(), os::pl("pierwsza\r\ndruga łódź"));
    memo.SetMaxLength(5);
    memo.SetText("abcdefgh");
    EXPECT_EQ(memo.Text(), "abcde");
    memo.SetText("");
    EXPECT_TRUE(memo.Lines().empty());
}

TEST_F(MoreControls, ScrollBarStaysInItsRange) {
    ui::ScrollBar bar(&win);
    bar.SetRange(1, 10);
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    bar.SetPosition(50);
    EXPECT_EQ(bar.Position(), 10);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 1);
    bar.SetRange(5, 2); // max below min
    EXPECT_EQ(bar.Max(), 5);
    EXPECT_EQ(bar.Position(), 5);
    EXPECT_EQ(changes, 3);
}

} // namespace
