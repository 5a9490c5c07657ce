#include "shared/transparent_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {
TMyImageList* g_shared = nullptr;
// Never destroyed: buttons of windows that outlive static destruction still
// find it.
std::vector<TTransparentButton*>& all_buttons() {
    static auto* buttons = new std::vector<TTransparentButton*>;
    return *buttons;
}
} // namespace

TTransparentButton::TTransparentButton(QWidget* parent, Pasek pasek)
    : TTransparentButton(parent, -1) {
    pasek_ = pasek;
    use_list(list_);
}

TTransparentButton::TTransparentButton(QWidget* parent, int bitmap_normal)
    : ui::Clickable<QWidget>(parent), bitmap_normal_(bitmap_normal) {
    resize(33, 33);
    setFocusPolicy(Qt::TabFocus);
    all_buttons().push_back(this);
    use_list(g_shared);
}

TTransparentButton::~TTransparentButton() {
    auto& v = all_buttons();
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void TTransparentButton::SetSharedList(TMyImageList* list) {
    g_shared = list;
    for (TTransparentButton* b : all_buttons())
        if (b->follows_shared_) b->use_list(list);
}

TMyImageList* TTransparentButton::SharedList() {
    return g_shared;
}

void TTransparentButton::use_list(TMyImageList* list) {
    list_ = list;
    if (pasek_ && list_) bitmap_normal_ = list_->IndexOf(*pasek_);
    fit();
    update();
}

void TTransparentButton::SetImageList(TMyImageList* list) {
    follows_shared_ = false;
    use_list(list);
}

void TTransparentButton::fit() {
    if (!list_) return;
    if (style_ & tbs_DefPos)
        move(list_->GetDefLeft(bitmap_normal_), list_->GetDefTop(bitmap_normal_));
    resize(list_->GetFrameWidth(bitmap_normal_), list_->GetFrameHeight(bitmap_normal_));
}

void TTransparentButton::SetPasek(Pasek pasek) {
    pasek_ = pasek;
    use_list(list_);
}

void TTransparentButton::SetBitmapNormal(int index) {
    pasek_.reset();
    bitmap_normal_ = index;
    if (list_) {
        fit();
        update();
    }
}

void TTransparentButton::SetStan(int stan) {
    stan_ = stan;
    update();
}

void TTransparentButton::SetStyle(TStyl style) {
    style_ = style;
    fit();
    update();
}

void TTransparentButton::SetHideNormal(bool on) {
    hide_normal_ = on;
    update();
}

void TTransparentButton::paintEvent(QPaintEvent* e) {
    fit();
    if (hide_normal_ && stan_ == 0) return;
    int frame = stan_;
    if (stan_ == 2 && !(style_ & tbs_Highlighted)) frame = 1;
    if (!list_) return;
    QPainter p(this);
    {
        ui::Canvas canvas(p, e->rect());
        list_->Draw(canvas, bitmap_normal_, frame);
    }
    if (focus_mark_ && hasFocus()) {
        // A dotted line just inside the button, in the accent colour.
        p.setClipRect(rect());
        QPen pen(QColor(0xE8, 0x83, 0x3A), 2, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 5, 5);
    }
}

void TTransparentButton::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    // The mouse leaves a window that closes without a leave event: the
    // highlight must not greet the learner when it opens again.
    if ((style_ & tbs_Highlighted) && stan_ != 0) stan_ = 0;
}

void TTransparentButton::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TTransparentButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    // The mark shows where the keyboard took the focus, not on a window's first focus.
    focus_mark_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    update();
}

void TTransparentButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    focus_mark_ = false;
    update();
}

void TTransparentButton::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    if (!isEnabled()) return;
    if (style_ & tbs_Highlighted) SetStan(1);
    if (OnMouseEnter) OnMouseEnter();
}

void TTransparentButton::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    if (style_ & tbs_Highlighted) SetStan(0);
    if (OnMouseLeave) OnMouseLeave();
}

void TTransparentButton::mousePressEvent(QMouseEvent* e) {
    ui::Clickable<QWidget>::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && (style_ & tbs_Pressed)) SetStan(2);
}

void TTransparentButton::mouseDoubleClickEvent(QMouseEvent* e) {
    ui::Clickable<QWidget>::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && (style_ & tbs_Pressed)) SetStan(2);
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* e) {
    ui::Clickable<QWidget>::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && (style_ & tbs_Pressed)) SetStan(0);
}
