#include "shared/fcs_image1.h"

#include <QApplication>

TFCSImage1::TFCSImage1(QWidget* parent) : ui::Hoverable<ui::Image>(parent) {
    double_clicks_ = false;
}

TFCSImage1::~TFCSImage1() = default;

void TFCSImage1::mousePressEvent(QMouseEvent* e) {
    ui::Hoverable<ui::Image>::mousePressEvent(e);
    if (!timer_) timer_ = std::make_unique<ui::Timer>();
    timer_->OnTimer = [this] { repeat_step(); };
    timer_->SetEnabled(false);
    timer_->SetInterval(InitRepeatpause);
    timer_->SetEnabled(true);
}

void TFCSImage1::mouseReleaseEvent(QMouseEvent* e) {
    ui::Hoverable<ui::Image>::mouseReleaseEvent(e);
    stop();
}

void TFCSImage1::repeat_step() {
    if (lost_mouse()) {
        stop();
        return;
    }
    timer_->SetInterval(Repeatpause);
    Click();
}

bool TFCSImage1::lost_mouse() const {
    if (!isVisible() || !isEnabled()) return true;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window()) return true;
    return QApplication::activePopupWidget() != nullptr;
}

void TFCSImage1::stop() {
    if (timer_) timer_->SetEnabled(false);
}

void TFCSImage1::hideEvent(QHideEvent* e) {
    ui::Hoverable<ui::Image>::hideEvent(e);
    stop();
}

void TFCSImage1::changeEvent(QEvent* e) {
    ui::Hoverable<ui::Image>::changeEvent(e);
    if (e->type() == QEvent::EnabledChange && !isEnabled()) stop();
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) stop();
}
