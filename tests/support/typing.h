#pragma once
// Typing into a box key by key, as a learner on a Polish keyboard does: ASCII
// as itself, every other letter of the edition with Ctrl (and Shift) and the
// key the edition gives it (the accented-letter keys of the typing windows).
#include <gtest/gtest.h>

#include <string>

#include "core/keyboard.h"
#include "core/startup.h"
#include "platform_ui/qt_app.h"

namespace testsupport {

// `text`: bytes of the edition's code page.
inline void type_with_keys(QWidget* box, const std::string& text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 128) {
            const QChar ch(b);
            key_click(box, ch.toUpper().unicode(),
                      ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(ch));
            continue;
        }
        bool found = false;
        for (const unsigned shift : {ssCtrl, ssCtrl | ssShift})
            for (int key = 'A'; key <= 'Z' && !found; ++key) {
                if (litera_klawisza(key, shift, jezyk_edycji) != c) continue;
                Qt::KeyboardModifiers mods = Qt::ControlModifier;
                if (shift & ssShift) mods |= Qt::ShiftModifier;
                // Ctrl + letter types a control character.
                key_click(box, Qt::Key_A + (key - 'A'), mods, QString(QChar(key - 'A' + 1)));
                found = true;
            }
        if (!found) ADD_FAILURE() << "no key types byte " << int(b);
    }
}

} // namespace testsupport
