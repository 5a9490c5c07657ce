#include "shared/form29.h"

#include "shared/form29_geometry.h"
#include "shared/forms.h"

uint8_t tak_pytanie = 0;

TForm29::TForm29()
    : TOknoTakNie(look::okno_pytania, "gfx_s\\form29.bmp", tak_pytanie, look::form29_B_OK,
                  look::form29_B_Zamknij),
      Label1(this),
      Dopasowanie(*this, Image1, "gfx_s\\form29.bmp", look::okno_pytania, Label1, look::form29_Label1,
                  {{&B_OK, look::form29_B_OK}, {&B_Zamknij, look::form29_B_Zamknij}}) {
    ustaw_komunikat(Label1, look::form29_Label1);
    Label1.SetLayout(Qt::AlignVCenter);
    SetDefaultButton(&B_OK);
}
