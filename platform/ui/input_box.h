#pragma once
// The input box: a small modal window with a caption, a prompt, a one-line
// box holding `value` and OK and Cancel buttons. OK (or Enter) gives what was
// typed; Cancel, Esc or closing the window gives `value` unchanged, as the
// standard input box does. Texts are 8-bit Windows-1250.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"

class QPushButton;

namespace ui {

class InputBoxWindow : public Window {
  public:
    InputBoxWindow(const std::string& caption, const std::string& prompt, const std::string& value);

    Label Prompt;
    Edit Value;
    QPushButton* Ok;
    QPushButton* Cancel;
};

std::string InputBox(const std::string& caption, const std::string& prompt,
                     const std::string& value);

} // namespace ui
