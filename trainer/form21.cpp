#include "trainer/form21.h"

#include <algorithm>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "trainer/form21_geometry.h"
#include "trainer_logic/record_actions.h"
#include "trainer_logic/repetition_lists.h"

namespace {

enum Widok { dni = 0, kosz = 1 };

} // namespace

TForm21::TForm21()
    : ui::Window(geo21::okno.w, geo21::okno.h), Image1(this), CB_Filtr(this),
      L_Ile_pow_all(this), ListBox2(this), L_Ile_pow_all2(this), l_pow(this),
      K_Zeruj(this, Pasek::zeruj), K_Do_Kosza(this, Pasek::do_kosza),
      K_Do_Nauki(this, Pasek::sl_do_nauki), K_Kasuj_pow(this, Pasek::kasuj_pow),
      B_OK(this, Pasek::zamknij) {
    SetCaption(os::pl("Powtórki w kolejnych dniach"));
    SetHelpPage("h_13_powt.html");
    ustaw_tlo(Image1, "gfx_s\\form21.bmp", geo21::okno);
    umiesc(CB_Filtr, geo21::CB_Filtr);
    CB_Filtr.SetFont(czcionka_arial(15, false, look::tekst));
    CB_Filtr.Items().Add(os::pl("Ile powtórek na dzień"));
    CB_Filtr.Items().Add(os::pl("Zawartość kosza"));
    CB_Filtr.SetItemIndex(dni);
    CB_Filtr.OnChange = [this] { CB_FiltrChange(); };
    umiesc(L_Ile_pow_all, geo21::L_Ile_pow_all);
    L_Ile_pow_all.SetFont(czcionka_arial(16, true, look::granat));
    umiesc(ListBox2, geo21::ListBox2);
    ListBox2.SetFont(czcionka_arial(15, false, look::tekst));
    ListBox2.OnClick = [this] { ListBox2Click(); };
    umiesc(L_Ile_pow_all2, geo21::L_Ile_pow_all2);
    L_Ile_pow_all2.SetFont(czcionka_arial(15, true, look::tekst));
    umiesc(l_pow, geo21::l_pow);
    l_pow.SetFont(czcionka_arial(14, false, look::tekst));
    for (ui::Label* l : {&L_Ile_pow_all, &L_Ile_pow_all2, &l_pow}) {
        l->SetTransparent(true);
        l->SetLayout(Qt::AlignVCenter);
    }
    ustaw_przycisk(K_Zeruj, geo21::K_Zeruj, [this] { K_ZerujClick(); });
    K_Zeruj.SetHint(os::pl("Usuń słówko z ciągu powtórek."));
    ustaw_przycisk(K_Do_Kosza, geo21::K_Do_Kosza, [this] { K_Do_KoszaClick(); });
    ustaw_przycisk(K_Do_Nauki, geo21::K_Do_Nauki, [this] { K_Do_NaukiClick(); });
    ustaw_przycisk(K_Kasuj_pow, geo21::K_Kasuj_pow, [this] { K_Kasuj_powClick(); });
    ustaw_przycisk(B_OK, geo21::B_OK, [this] { B_OKClick(); });
    SetCancelButton(&B_OK);
}

void TForm21::OnShow() {
    CB_Filtr.SetItemIndex(dni);
    Pokaz_widok();
}

void TForm21::Pokaz_widok() {
    const double dzis = os::today();
    ListBox2.setUpdatesEnabled(false);
    ListBox2.Items().Clear();
    if (CB_Filtr.ItemIndex() == kosz) {
        const std::vector<int> w_koszu = zawartosc_kosza(tab_powtorek, ile_powtorek);
        for (int i : w_koszu)
            ListBox2.AddParts(wiersz_kosza(i, tab_powtorek[i], baza));
        L_Ile_pow_all.SetCaption(IntToStr(static_cast<long long>(w_koszu.size())));
        K_Kasuj_pow.SetVisible(false);
    } else {
        const TPrzegladPowtorek p = przeglad_powtorek(tab_powtorek, ile_powtorek, dzis);
        for (const TDzienPowtorek& d : p.dni)
            ListBox2.Items().Add(wiersz_dnia(dzis, d));
        L_Ile_pow_all.SetCaption("");
        L_Ile_pow_all2.SetCaption(podsumowanie_przegladu(p));
        K_Kasuj_pow.SetVisible(true);
    }
    ListBox2.setUpdatesEnabled(true);
    K_Zeruj.SetVisible(false);
    K_Do_Kosza.SetVisible(false);
    K_Do_Nauki.SetVisible(false);
    l_pow.SetCaption("");
}

int TForm21::wybrany() {
    if (CB_Filtr.ItemIndex() != kosz) return 0;
    const int i = indeks_wiersza(ListBox2.Items()[ListBox2.ItemIndex()]);
    return i >= 1 && i <= MAX_POWTOREK ? i : 0;
}

void TForm21::ListBox2Click() {
    const int i = wybrany();
    if (i == 0) return;
    K_Zeruj.SetVisible(true);
    K_Do_Nauki.SetVisible(tab_powtorek[i].kosz == 1);
    K_Do_Kosza.SetVisible(tab_powtorek[i].kosz != 1);
}

void TForm21::K_ZerujClick() {
    if (const int i = wybrany()) wyzeruj_rekord(tab_powtorek[i], flagi_powtorek[i]);
    Pokaz_widok();
}

void TForm21::K_Do_KoszaClick() {
    if (const int i = wybrany()) tab_powtorek[i].kosz = 1;
    Pokaz_widok();
}

void TForm21::K_Do_NaukiClick() {
    if (const int i = wybrany()) tab_powtorek[i].kosz = 0;
    Pokaz_widok();
}

void TForm21::K_Kasuj_powClick() {
    if (!Form29) return;
    Form29->Label1.SetCaption(os::pl("Skasować wszystkie powtórki?"));
    Form29->show_modal();
    if (tak_pytanie != 1) return;
    const int n = std::min(ile_powtorek, MAX_POWTOREK);
    for (int i = 1; i <= n; ++i)
        wyzeruj_rekord(tab_powtorek[i], flagi_powtorek[i]);
    Pokaz_widok();
}
