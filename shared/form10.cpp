#include "shared/form10.h"

#include "core/errors.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "shared/form10_geometry.h"
#include "shared/forms.h"
#include "shared/users.h"

TForm10* Form10 = nullptr;

TForm10::TForm10()
    : ui::Window(look::okno_nowy_uzytkownik.w, look::okno_nowy_uzytkownik.h), Image1(this),
      Label1(this), Edit1(this), B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Nowy użytkownik"));
    ustaw_tlo(Image1, "gfx_s\\form10.bmp", look::okno_nowy_uzytkownik);
    ustaw_komunikat(Label1, look::form10_Label1);
    Label1.SetWordWrap(false);
    Label1.SetFont(czcionka_arial(15)); // the same as the edit box's text
    Label1.SetCaption(os::pl("Imię:"));
    umiesc(Edit1, look::form10_Edit1);
    Edit1.SetFont(czcionka_arial(15));
    Edit1.SetMaxLength(40);
    Edit1.OnChange = [this] { Edit1Change(); };
    // Enter in the edit box is the window's, not the box's.
    Edit1.OnKeyPress = [](char& ch) {
        if (ch == '\r' || ch == '\n') ch = 0;
    };
    ustaw_przycisk(B_OK, look::form10_B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form10_B_Zamknij, [this] { close_modal(0); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_06_log.html");
    Edit1Change();
}

void TForm10::OnShow() {
    Edit1.SetText("");
    Edit1Change();
    Edit1.SetFocus();
}

void TForm10::Edit1Change() {
    B_OK.SetVisible(Trim(Edit1.Text()).size() > 1);
}

void TForm10::B_OKClick() {
    if (Trim(Edit1.Text()).size() <= 1) return;
    switch (dodaj_usera(Edit1.Text())) {
    case WynikDodania::dodany:
        close_modal(1);
        return;
    case WynikDodania::istnieje:
        core::show_info(os::pl("Wpisany identyfikator już istnieje. Proszę wprowadzić inny."));
        Edit1.SetText("");
        return;
    case WynikDodania::pelna_lista:
        core::show_info(os::pl("Nie można dodać kolejnego użytkownika: lista mieści ") +
                        IntToStr(MAX_USEROW) + os::pl(" użytkowników."));
        return;
    case WynikDodania::blad_zapisu:
        core::show_info(os::pl("Nie można zapisać listy użytkowników ") +
                        os::path_text(sciezka_programu + "usr.t") +
                        os::pl(". Użytkownik nie został dodany."));
        return;
    case WynikDodania::blad_odczytu:
        return; // the read said so, naming the file
    }
}
