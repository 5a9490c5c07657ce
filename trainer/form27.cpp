#include "trainer/form27.h"

#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/accent_filter.h"
#include "shared/forms.h"
#include "trainer/form27_geometry.h"

std::string tekst_komentarza;

TForm27::TForm27()
    : ui::Window(geo27::okno.w, geo27::okno.h), Image1(this), Edit1(this),
      B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2) {
    SetCaption("Komentarz");
    ustaw_tlo(Image1, "gfx_s\\form27.bmp", geo27::okno);
    umiesc(Edit1, geo27::Edit1);
    Edit1.SetFont(czcionka_arial(15, false, look::tekst));
    trainer::AccentFilter::install(&Edit1);
    // While typing, OK shows as soon as there is something to store, or
    // when an existing comment was emptied: OK then deletes it.
    Edit1.OnChange = [this] {
        B_OK.SetVisible(!Trim(Edit1.Text()).empty() || !Trim(tekst_komentarza).empty());
    };
    ustaw_przycisk(B_OK, geo27::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, geo27::B_Zamknij, [this] { B_ZamknijClick(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
}

void TForm27::OnShow() {
    Edit1.SetText(tekst_komentarza);
    B_OK.SetVisible(Trim(tekst_komentarza).size() > 1);
    Edit1.SetFocus();
}

void TForm27::B_OKClick() {
    tekst_komentarza = Edit1.Text();
    close_modal(1);
}
