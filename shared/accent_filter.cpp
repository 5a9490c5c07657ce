#include "shared/accent_filter.h"

#include "core/keyboard.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/ui/controls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace trainer {

unsigned shift_state(Qt::KeyboardModifiers mods) {
    unsigned s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (mods & Qt::AltModifier) s |= ssAlt;
    return s;
}

namespace {

bool insert_text(QObject* box, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(box)) {
        if (e->isReadOnly()) return false;
        e->insert(text);
        return true;
    }
    if (auto* e = qobject_cast<QTextEdit*>(box)) {
        if (e->isReadOnly()) return false;
        e->insertPlainText(text);
        return true;
    }
    if (auto* e = qobject_cast<QPlainTextEdit*>(box)) {
        if (e->isReadOnly()) return false;
        e->insertPlainText(text);
        return true;
    }
    return false;
}

// The character set a box reads its bytes in: a text box of ours by its own
// font (the search box shows the Polish set until its French box is ticked),
// any other in the edition's.
int charset_of(QObject* box) {
    if (auto* e = dynamic_cast<ui::Edit*>(box)) return e->GetFont().charset;
    return czcionka_charset;
}

} // namespace

AccentFilter::AccentFilter(QObject* parent, bool key_press)
    : QObject(parent), key_press_(key_press) {}

AccentFilter* AccentFilter::install(QObject* edit, bool key_press) {
    auto* f = new AccentFilter(edit, key_press);
    edit->installEventFilter(f);
    return f;
}

bool AccentFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    klawiatura_KeyDown(key->key(), shift_state(key->modifiers()));
    if (!key_press_) return false;

    const std::string typed = os::from_utf8(key->text().toStdString(), czcionka_charset);
    char ch = typed.empty() ? '\0' : typed[0];
    klawiatura_KeyPress(ch);
    if (oczekujaca_litera == ' ') return false;
    // Inserted as the byte the box will hand back, whatever it shows.
    const std::string letter(1, ch);
    return insert_text(watched, QString::fromStdString(os::to_utf8(letter, charset_of(watched))));
}

} // namespace trainer
