#include "shared/form20.h"

#include "shared/forms.h"

TForm20::TForm20()
    : ui::Window(look::okno_info.w, look::okno_info.h), Image1(this), Label1(this), B_OK(this, 2) {
    ustaw_tlo(Image1, "gfx_s\\form20.bmp", look::okno_info);
    ustaw_komunikat(Label1, look::form20_Label1);
    ustaw_przycisk(B_OK, look::form20_B_OK, [this] { B_OKClick(); });
}

void TForm20::B_OKClick() {
    close_modal(1);
}

bool TForm20::FormKeyDown(int key, Qt::KeyboardModifiers) {
    switch (key) {
    case Qt::Key_Escape:
        close_modal(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (B_OK.Visible()) close_modal(1);
        return true;
    case Qt::Key_F1:
        pokaz_pomoc();
        return true;
    default:
        return false;
    }
}
