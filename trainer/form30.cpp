#include "trainer/form30.h"

#include "core/items.h"
#include "core/repetitions.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "trainer/form30_geometry.h"
#include "trainer_logic/word_list.h"

TForm30::TForm30()
    : ui::Window(geo30::okno.w, geo30::okno.h), Image1(this), ListBox1(this),
      B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Oznacz rodzaje ćwiczeń"));
    SetHelpPage("h_10_slow.html");
    ustaw_tlo(Image1, "gfx_s\\oznacz.bmp", geo30::okno);
    umiesc(ListBox1, geo30::ListBox1);
    ListBox1.SetFont(czcionka_arial(15, false, look::tekst));
    ustaw_przycisk(B_OK, geo30::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, geo30::B_Zamknij, [this] { B_ZamknijClick(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
}

void TForm30::OnShow() {
    ListBox1.Items().Clear();
    const bool jest = slowko >= 1 && slowko <= baza.ile_slow && slowko <= MAX_POWTOREK;
    if (!jest) return;
    for (const TWierszFlagi& w : wiersze_flag(slowko, baza, jezyk_edycji)) {
        ListBox1.Items().Add(w.tekst);
        ListBox1.SetChecked(ListBox1.Items().Count() - 1, flagi_powtorek[slowko][w.typ]);
    }
    if (ListBox1.Items().Count() > 0) ListBox1.SetItemIndex(0);
    ListBox1.SetFocus();
}

void TForm30::B_OKClick() {
    if (slowko >= 1 && slowko <= baza.ile_slow && slowko <= MAX_POWTOREK) {
        for (int r = 0; r < ListBox1.Items().Count(); ++r) {
            const int t = typ_wiersza_flagi(ListBox1.Items()[r]);
            if (t >= 1 && t <= TYPOW_POWTORKI) flagi_powtorek[slowko][t] = ListBox1.Checked(r);
        }
    }
    close_modal(1);
}
