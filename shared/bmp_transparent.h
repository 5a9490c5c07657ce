#pragma once
// A picture drawn centred with one colour left out: TransparentColor, or with
// Auto the colour of the picture's top-left pixel. A picture larger than the
// control is centred and clipped on every side. No picture: nothing is drawn.
#include <QImage>

#include "platform/ui/controls.h"

class TBmpTransparent : public ui::Clickable<QWidget> {
  public:
    explicit TBmpTransparent(QWidget* parent); // 105 by 105

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    bool Auto() const { return auto_; }
    void SetAuto(bool on);
    QRgb TransparentColor() const { return transparent_color_; }
    void SetTransparentColor(QRgb color);

    // clOlive: red 128, green 128, blue 0.
    static constexpr QRgb clOlive = 0xFF808000u;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void prepare();

    QImage picture_;
    QImage keyed_;
    bool auto_ = false;
    QRgb transparent_color_ = clOlive;
};
