#pragma once
// A list whose rows the window paints itself: rows of one height from the
// first visible entry (TopIndex) down, one selected entry (ItemIndex), and no
// scroll bar of its own; windows scroll it with their own arrows, or the
// learner with the wheel and the keys. Entries are 0-based. The pointer is a
// hand over rows that hold an entry and an arrow elsewhere.
#include <QWidget>
#include <functional>

#include "platform/ui/canvas.h"
#include "platform/ui/controls.h"

namespace ui {

class DrawnList : public Control<QWidget> {
  public:
    explicit DrawnList(QWidget* parent);

    struct State {
        bool selected = false;
        bool focused = false; // the list has the keyboard focus
        bool hot = false;     // the mouse is over the row
    };

    int ItemHeight() const { return item_height_; }
    void SetItemHeight(int h); // at least 1
    int Count() const { return count_; }
    // The number of entries; the selection and the scroll are kept within it.
    void SetCount(int n);
    // Rows that fit the control's height.
    int VisibleRows() const;

    int TopIndex() const { return top_; }
    void SetTopIndex(int index); // clamped to 0..Count-1 (0 when empty); fires OnScroll
    int ItemIndex() const { return selected_; }
    void SetItemIndex(int index); // -1 or out of range: none; fires nothing
    // The row scrolls into view (TopIndex moves the least it must).
    void MakeVisible(int index);

    // The entry under a point of the control, -1 for none.
    int ItemAtPos(QPoint p) const;
    // An entry's row in the control; empty when it is not shown.
    QRect ItemRect(int index) const;

    // The ground under the rows: the window's picture shows through unless a
    // colour is set.
    void SetColor(QRgb color);
    void SetTransparent(bool on);
    // The font the canvas starts each row with.
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    // Paints one row; with none set rows show the entry's number.
    std::function<void(Canvas&, int index, const QRect& rect, State state)> OnDrawItem;
    // The learner selected an entry (click, or a key that moved the selection).
    std::function<void(int index)> OnSelect;
    std::function<void(int index)> OnDblClick;
    // TopIndex changed (arrows to show or hide).
    NotifyEvent OnScroll;
    // Up, Down, Page Up, Page Down, Home and End move the selection (on by default).
    bool KeyNavigation = true;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void select(int index); // as the learner does: selects, shows, tells
    void set_hot(int index);

    int item_height_ = 18;
    int count_ = 0;
    int top_ = 0;
    int selected_ = -1;
    int hot_ = -1;
    bool transparent_ = true;
    QRgb color_ = 0xFFFFFFFFu;
    Font font_;
};

} // namespace ui
