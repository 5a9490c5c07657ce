#pragma once
// A label that reports the mouse entering and leaving it (hover effects).
#include "platform/ui/controls.h"

class TMLabel : public ui::Hoverable<ui::Label> {
  public:
    explicit TMLabel(QWidget* parent) : ui::Hoverable<ui::Label>(parent) {}
};
