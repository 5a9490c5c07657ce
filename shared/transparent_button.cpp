#include "shared/transparent_button.h"

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

TTransparentButton::TTransparentButton(QWidget* parent, int bitmap_normal)
    : ui::Clickable<QWidget>(parent), bitmap_normal_(bitmap_normal) {
    resize(33, 33);
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

void TTransparentButton::SetBitmapNormal(int index) {
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
    ui::Canvas canvas(p, e->rect());
    list_->Draw(canvas, bitmap_normal_, frame);
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
