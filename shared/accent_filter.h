#pragma once
// German and French letters typed with Ctrl + letter: the typing windows
// install this filter on their edit boxes. Every key press goes to
// klawiatura_KeyDown and the typed character to klawiatura_KeyPress; a
// pending letter is inserted into the box in place of the key's own text, in
// the box's own character set (a ui::Edit's font; the edition's,
// czcionka_charset, for other boxes), so the box's text holds its byte.
#include <QObject>

namespace trainer {

// Qt's modifier keys as the keyboard hooks' bits (ssShift, ssCtrl, ssAlt).
unsigned shift_state(Qt::KeyboardModifiers mods);

class AccentFilter : public QObject {
    Q_OBJECT
  public:
    // With key_press false only klawiatura_KeyDown is called and nothing is
    // inserted (a box that passes key-down events alone).
    explicit AccentFilter(QObject* parent = nullptr, bool key_press = true);

    // Installs a filter on the edit box (QLineEdit, QTextEdit or
    // QPlainTextEdit), owned by the box.
    static AccentFilter* install(QObject* edit, bool key_press = true);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool key_press_;
};

} // namespace trainer
