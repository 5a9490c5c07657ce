#include "platform/ui/input_box.h"

#include <QPushButton>

namespace ui {

namespace {

// A button the window can press for Enter and Esc.
class Button : public QPushButton, public Pressable {
  public:
    Button(const char* text, QWidget* parent) : QPushButton(text, parent) {}
    void Click() override { click(); }
};

} // namespace

InputBoxWindow::InputBoxWindow(const std::string& caption, const std::string& prompt,
                               const std::string& value)
    : Window(420, 130), Prompt(this), Value(this), Ok(new Button("OK", this)),
      Cancel(new Button("Anuluj", this)) {
    set_border(true);
    SetCaption(caption);
    setStyleSheet("ui--InputBoxWindow { background: #F6F1E4; }");
    setAttribute(Qt::WA_StyledBackground, true);
    Font f;
    f.face = "Arial";
    f.pixels = 13;
    Prompt.SetFont(f);
    Prompt.SetTransparent(true);
    Prompt.SetCaption(prompt);
    Prompt.setGeometry(14, 12, 392, 20);
    Value.SetFont(f);
    Value.setGeometry(14, 38, 392, 24);
    Value.SetText(value);
    Value.SelectAll();
    Ok->setGeometry(236, 84, 80, 28);
    Cancel->setGeometry(326, 84, 80, 28);
    connect(Ok, &QPushButton::clicked, this, [this] { close_modal(1); });
    connect(Cancel, &QPushButton::clicked, this, [this] { close_modal(0); });
    SetDefaultButton(static_cast<Button*>(Ok));
    SetCancelButton(static_cast<Button*>(Cancel));
}

std::string InputBox(const std::string& caption, const std::string& prompt,
                     const std::string& value) {
    InputBoxWindow w(caption, prompt, value);
    w.Value.SetFocus();
    return w.show_modal() == 1 ? w.Value.Text() : value;
}

} // namespace ui
