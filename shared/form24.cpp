#include "shared/form24.h"

#include "shared/forms.h"

uint8_t tak_obrazek = 0;

TForm24::TForm24()
    : ui::Window(look::okno_koniec.w, look::okno_koniec.h), Image1(this), B_OK(this, 2),
      B_Zamknij(this, 3) {
    ustaw_tlo(Image1, "gfx_s\\form24.bmp", look::okno_koniec);
    ustaw_przycisk(B_OK, look::form24_B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form24_B_Zamknij, [this] { B_ZamknijClick(); });
}

void TForm24::B_OKClick() {
    close_modal(1);
}

void TForm24::B_ZamknijClick() {
    close_modal(0);
}

void TForm24::OnClose() {
    tak_obrazek = modal_result() == 1 ? 1 : 0;
}

bool TForm24::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape) {
        B_ZamknijClick();
        return true;
    }
    return false;
}
