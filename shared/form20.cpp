#include "shared/form20.h"

#include "shared/form20_geometry.h"
#include "shared/forms.h"

TForm20::TForm20()
    : ui::Window(look::okno_info.w, look::okno_info.h), Image1(this), Label1(this),
      B_OK(this, Pasek::ok2),
      Dopasowanie(*this, Image1, "gfx_s\\form20.bmp", look::okno_info, Label1, look::form20_Label1,
                  {{&B_OK, look::form20_B_OK}}) {
    ustaw_tlo(Image1, "gfx_s\\form20.bmp", look::okno_info);
    ustaw_komunikat(Label1, look::form20_Label1);
    Label1.SetLayout(Qt::AlignVCenter); // a short message stands beside the icon, not above a gap
    ustaw_przycisk(B_OK, look::form20_B_OK, [this] { B_OKClick(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_OK);
}

void TForm20::B_OKClick() {
    close_modal(1);
}
