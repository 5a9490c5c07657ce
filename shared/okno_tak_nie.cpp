#include "shared/okno_tak_nie.h"

#include "shared/forms.h"

TOknoTakNie::TOknoTakNie(look::Size rozmiar, const std::string& tlo, uint8_t& tak,
                         const look::Rect& ok, const look::Rect& zamknij)
    : ui::Window(rozmiar.w, rozmiar.h), Image1(this), B_OK(this, Pasek::ok2),
      B_Zamknij(this, Pasek::anuluj2), tak_(tak) {
    ustaw_tlo(Image1, tlo, rozmiar);
    ustaw_przycisk(B_OK, ok, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, zamknij, [this] { B_ZamknijClick(); });
    SetCancelButton(&B_Zamknij);
}

void TOknoTakNie::B_OKClick() {
    close_modal(1);
}

void TOknoTakNie::B_ZamknijClick() {
    close_modal(0);
}

void TOknoTakNie::OnClose() {
    tak_ = modal_result() == 1 ? 1 : 0;
}
