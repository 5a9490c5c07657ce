#include "shared/form29.h"

#include "shared/forms.h"

uint8_t tak_pytanie = 0;

TForm29::TForm29()
    : ui::Window(look::okno_info.w, look::okno_info.h), Image1(this), Label1(this), B_OK(this, 2),
      B_Zamknij(this, 3) {
    ustaw_tlo(Image1, "gfx_s\\form29.bmp", look::okno_info);
    ustaw_komunikat(Label1, look::form29_Label1);
    ustaw_przycisk(B_OK, look::form29_B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form29_B_Zamknij, [this] { B_ZamknijClick(); });
}

void TForm29::B_OKClick() {
    close_modal(1);
}

void TForm29::B_ZamknijClick() {
    close_modal(0);
}

void TForm29::OnClose() {
    tak_pytanie = modal_result() == 1 ? 1 : 0;
}

bool TForm29::FormKeyDown(int key, Qt::KeyboardModifiers) {
    switch (key) {
    case Qt::Key_Escape:
        B_ZamknijClick();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (B_OK.Visible()) B_OKClick();
        return true;
    default:
        return false;
    }
}
