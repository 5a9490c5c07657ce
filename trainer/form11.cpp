#include "trainer/form11.h"

#include <algorithm>

#include "core/exercises.h"
#include "core/repetitions.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "shared/forms.h"
#include "trainer/form11_geometry.h"
#include "trainer/windows.h"
#include "trainer_logic/repetition_lists.h"

TForm11::TForm11()
    : ui::Window(geo11::okno.w, geo11::okno.h), Image1(this), Label1(this), L_Ile(this),
      L_Ile_teraz(this), CB_Ile_teraz(this), L_Ile_teraz2(this),
      K_Statystyka(this, Pasek::statystyka), B_OK(this, Pasek::nauka),
      B_Zamknij(this, Pasek::zamknij) {
    SetCaption(os::pl("Powtórki"));
    SetHelpPage("h_13_powt.html");
    ustaw_tlo(Image1, "gfx_s\\form11.bmp", geo11::okno);
    auto etykieta = [](ui::Label& l, const look::Rect& r, int px, bool bold) {
        umiesc(l, r);
        l.SetFont(czcionka_arial(px, bold, bold ? look::granat : look::tekst));
        l.SetTransparent(true);
        l.SetLayout(Qt::AlignVCenter);
    };
    etykieta(Label1, geo11::Label1, 15, false);
    etykieta(L_Ile, geo11::L_Ile, 19, true);
    etykieta(L_Ile_teraz, geo11::L_Ile_teraz, 15, false);
    etykieta(L_Ile_teraz2, geo11::L_Ile_teraz2, 15, false);
    L_Ile_teraz.SetCaption("Teraz powtarzam");
    L_Ile_teraz2.SetCaption(os::pl("słówek."));
    umiesc(CB_Ile_teraz, geo11::CB_Ile_teraz);
    CB_Ile_teraz.SetFont(czcionka_arial(15, false, look::tekst));
    ustaw_przycisk(K_Statystyka, geo11::K_Statystyka, [this] { K_StatystykaClick(); });
    K_Statystyka.SetHint(os::pl("Powtórki w kolejnych dniach i zawartość kosza"));
    ustaw_przycisk(B_OK, geo11::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, geo11::B_Zamknij, [this] { B_ZamknijClick(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
}

void TForm11::OnShow() {
    Policz_powtorki();
}

void TForm11::Policz_powtorki() {
    const double dzis = os::today();
    Label1.SetCaption(os::pl("Powtórki na dzień: ") + os::format_date(dzis));
    const TNaDzis d = ::Policz_powtorki(tab_powtorek, ile_powtorek, dzis);
    ile_ = d.ile;
    for (size_t k = 0; k < d.indeksy.size(); ++k)
        lista_cwiczenia[k + 1] = d.indeksy[k];

    const std::vector<int> wpisy = wpisy_ile_teraz(d.ile);
    CB_Ile_teraz.Items().Clear();
    for (int n : wpisy)
        CB_Ile_teraz.Items().Add(IntToStr(n));
    const bool wybor = !wpisy.empty();
    if (wybor) CB_Ile_teraz.SetItemIndex(1);
    for (QWidget* w : std::initializer_list<QWidget*>{&CB_Ile_teraz, &L_Ile_teraz, &L_Ile_teraz2})
        w->setVisible(wybor);
    ile_w_liscie = wybor ? MAX_W_POWTORCE : d.ile;

    L_Ile.SetCaption(os::pl("Do powtórzenia: ") + IntToStr(d.ile) + forma_slowek(d.ile) + ".");
    B_OK.SetVisible(d.ile >= 1);
}

void TForm11::B_OKClick() {
    if (!B_OK.Visible()) return;
    if (CB_Ile_teraz.Visible())
        ile_w_liscie = std::min(StrToIntDef(CB_Ile_teraz.Text(), MAX_W_POWTORCE), MAX_W_POWTORCE);
    ile_w_liscie = std::min(ile_w_liscie, static_cast<int>(MAX_W_POWTORCE));
    tryb_lekcji = 0;
    if (Form8) Form8->show_modal();
    Policz_powtorki();
}

void TForm11::K_StatystykaClick() {
    if (Form21) Form21->show_modal();
    Policz_powtorki();
}

void TForm11::OnClose() {
    zapisz_powtorki();
}
