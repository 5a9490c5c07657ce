#pragma once
// The yes/no question box. The caller sets Label1's caption, shows it modally
// and reads tak_pytanie. Every way out sets the flag: yes (B_OK, or Enter
// while B_OK is visible) 1; no (B_Zamknij, Esc, closing the window, or
// any other end of the modal show) 0. A question longer than the box makes
// it taller, as the information box does.
#include <cstdint>

#include "shared/dopasowanie_komunikatu.h"
#include "shared/okno_tak_nie.h"

extern uint8_t tak_pytanie; // 1 = yes

class TForm29 : public TOknoTakNie {
    Q_OBJECT

  public:
    TForm29();

    ui::Label Label1;
    DopasowanieKomunikatu Dopasowanie;
};
