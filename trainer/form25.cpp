#include "trainer/form25.h"

#include "core/startup.h"
#include "shared/forms.h"
#include "trainer/form25_geometry.h"

TForm25::TForm25()
    : ui::Window(geo25::okno.w, geo25::okno.h), Image1(this), L_Stat0(this), l_Stat1(this),
      L_Stat2(this), L_Stat3(this), L_stat4(this), B_OK(this, Pasek::ok2),
      K_wroc(this, Pasek::do_cwiczenia) {
    ustaw_tlo(Image1, "gfx_s\\statystyka.bmp", geo25::okno);
    umiesc(L_Stat0, geo25::L_Stat0);
    L_Stat0.SetFont(czcionka_arial(16, true, look::granat));
    L_Stat0.SetCaption("Statystyka odpowiedzi:");
    for (auto [l, r] : {std::pair{&l_Stat1, geo25::l_Stat1},
                        {&L_Stat2, geo25::L_Stat2},
                        {&L_Stat3, geo25::L_Stat3},
                        {&L_stat4, geo25::L_stat4}}) {
        umiesc(*l, r);
        l->SetFont(czcionka_arial(15, false, look::tekst));
    }
    L_Stat3.SetFont(czcionka_arial(15, true, look::tekst));
    for (ui::Label* l : {&L_Stat0, &l_Stat1, &L_Stat2, &L_Stat3, &L_stat4}) {
        l->SetTransparent(true);
        l->SetLayout(Qt::AlignVCenter);
    }
    ustaw_przycisk(B_OK, geo25::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(K_wroc, geo25::K_wroc, [this] { K_wrocClick(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_OK);
}

bool TForm25::pokaz(const TWynikCwiczenia& w, bool zostalo) {
    wynik_ = w;
    zostalo_ = zostalo;
    show_modal();
    return powrot_;
}

void TForm25::OnShow() {
    // The caption: the edition's title.
    SetCaption(tytul_edycji);
    powrot_ = false;
    l_Stat1.SetCaption(wynik_.linia_poprawne());
    L_Stat2.SetCaption(wynik_.linia_bledne());
    L_Stat3.SetCaption(wynik_.linia_wynik());
    L_stat4.SetCaption(wynik_.linia_zrobiono());
    K_wroc.SetVisible(wynik_.proby < wynik_.ilosc && zostalo_);
}

void TForm25::K_wrocClick() {
    powrot_ = true;
    close_modal(1);
}
