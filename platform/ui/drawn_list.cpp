#include "platform/ui/drawn_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace ui {

DrawnList::DrawnList(QWidget* parent) : Control<QWidget>(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void DrawnList::SetItemHeight(int h) {
    item_height_ = std::max(1, h);
    update();
}

void DrawnList::SetCount(int n) {
    count_ = std::max(0, n);
    if (selected_ >= count_) selected_ = -1;
    if (hot_ >= count_) hot_ = -1;
    SetTopIndex(top_);
    update();
}

int DrawnList::VisibleRows() const {
    return height() / item_height_;
}

void DrawnList::SetTopIndex(int index) {
    const int top = std::clamp(index, 0, std::max(0, count_ - 1));
    if (top == top_) return;
    top_ = top;
    update();
    if (OnScroll) OnScroll();
}

void DrawnList::SetItemIndex(int index) {
    selected_ = index >= 0 && index < count_ ? index : -1;
    update();
}

void DrawnList::MakeVisible(int index) {
    if (index < 0 || index >= count_) return;
    const int rows = std::max(1, VisibleRows());
    if (index < top_)
        SetTopIndex(index);
    else if (index >= top_ + rows)
        SetTopIndex(index - rows + 1);
}

int DrawnList::ItemAtPos(QPoint p) const {
    if (!rect().contains(p)) return -1;
    const int index = top_ + p.y() / item_height_;
    return index < count_ ? index : -1;
}

QRect DrawnList::ItemRect(int index) const {
    if (index < top_ || index >= count_) return {};
    const QRect r(0, (index - top_) * item_height_, width(), item_height_);
    return r.top() < height() ? r : QRect();
}

void DrawnList::SetColor(QRgb color) {
    color_ = color;
    transparent_ = false;
    update();
}

void DrawnList::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void DrawnList::SetFont(const Font& font) {
    font_ = font;
    update();
}

void DrawnList::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    Canvas c(p, e->rect());
    if (!transparent_) c.FillRect(rect(), color_);
    for (int index = top_; index < count_; ++index) {
        const QRect r = ItemRect(index);
        if (r.isEmpty()) break;
        if (!r.intersects(e->rect())) continue;
        c.SetFont(font_);
        const State s{index == selected_, hasFocus(), index == hot_};
        p.save();
        p.setClipRect(r.intersected(e->rect()));
        if (OnDrawItem)
            OnDrawItem(c, index, r, s);
        else
            c.DrawText(r.adjusted(2, 0, 0, 0), std::to_string(index + 1),
                       Qt::AlignLeft | Qt::AlignVCenter, false);
        p.restore();
    }
}

void DrawnList::select(int index) {
    if (index < 0 || index >= count_) return;
    selected_ = index;
    MakeVisible(index);
    update();
    if (OnSelect) OnSelect(index);
}

void DrawnList::set_hot(int index) {
    if (index == hot_) return;
    hot_ = index;
    setCursor(index >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void DrawnList::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    select(ItemAtPos(e->position().toPoint()));
}

void DrawnList::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int index = ItemAtPos(e->position().toPoint());
    if (index >= 0 && OnDblClick) OnDblClick(index);
}

void DrawnList::mouseMoveEvent(QMouseEvent* e) {
    set_hot(ItemAtPos(e->position().toPoint()));
}

void DrawnList::leaveEvent(QEvent*) {
    set_hot(-1);
}

void DrawnList::wheelEvent(QWheelEvent* e) {
    const int steps = e->angleDelta().y() / 120;
    if (steps == 0) return;
    SetTopIndex(std::min(top_ - steps * 3, std::max(0, count_ - VisibleRows())));
    e->accept();
}

void DrawnList::keyPressEvent(QKeyEvent* e) {
    if (!KeyNavigation || count_ == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    const int page = std::max(1, VisibleRows() - 1);
    const int from = selected_ < 0 ? top_ - 1 : selected_;
    int to;
    switch (e->key()) {
    case Qt::Key_Down:
        to = from + 1;
        break;
    case Qt::Key_Up:
        to = from - 1;
        break;
    case Qt::Key_PageDown:
        to = from + page;
        break;
    case Qt::Key_PageUp:
        to = from - page;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count_ - 1;
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    to = std::clamp(to, 0, count_ - 1);
    if (to != selected_) select(to);
}

void DrawnList::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void DrawnList::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

} // namespace ui
