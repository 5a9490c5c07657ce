#pragma once
// The leave-the-program box: its picture carries the question. The caller
// shows it modally and reads tak_obrazek: 1 only from B_OK; B_Zamknij, Esc,
// closing the window and any other end of the modal show answer 0. Enter does
// nothing.
#include <cstdint>

#include "shared/okno_tak_nie.h"

extern uint8_t tak_obrazek; // 1 = yes

class TForm24 : public TOknoTakNie {
    Q_OBJECT

  public:
    TForm24();
};
