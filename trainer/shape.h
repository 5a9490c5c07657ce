#pragma once
// A rectangle laid over other controls: a frame, a fill, or both. The mouse
// passes through it to what lies below.
#include <QWidget>

#include "platform/ui/controls.h"

class TShape : public ui::Control<QWidget> {
  public:
    explicit TShape(QWidget* parent);

    // Frame colour and width (0: no frame); fill colour with its alpha (0: none).
    void SetPen(QRgb color, int width);
    void SetBrush(QRgb argb);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QRgb pen_ = 0xFF000000u;
    int pen_width_ = 1;
    QRgb brush_ = 0;
};
