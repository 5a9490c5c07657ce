#include "trainer/form4_keys.h"

#include <QtCore/qnamespace.h>

#include "trainer_logic/exercise_keys.h"

int klawisz_cwiczenia(int qt_key) {
    if ((qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) || (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z))
        return qt_key; // Qt's codes of these are their upper-case ASCII codes
    switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Klawisz::Enter;
    case Qt::Key_Escape:
        return Klawisz::Esc;
    default:
        break;
    }
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) return Klawisz::F(qt_key - Qt::Key_F1 + 1);
    return Klawisz::brak;
}
