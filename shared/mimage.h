#pragma once
// An image that reports the mouse entering and leaving it (hover effects).
#include "platform/ui/controls.h"

class TMImage : public ui::Hoverable<ui::Image> {
  public:
    explicit TMImage(QWidget* parent) : ui::Hoverable<ui::Image>(parent) {}
};
