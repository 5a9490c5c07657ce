#include "trainer/form8.h"

#include <QTimer>
#include <exception>

#include "core/exercises.h"
#include "core/settings.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "shared/forms.h"
#include "trainer/form8_geometry.h"
#include "trainer/run_plan.h"
#include "trainer/windows.h"

TForm8::TForm8()
    : ui::Window(look::okno_typow.w, look::okno_typow.h), Image1(this), ListBox1(this),
      CB_Bez_powtorki(this), Label1(this), CB_Info_po_cwicz(this), Label2(this), B_OK(this, 8),
      B_Zamknij(this, 3) {
    SetCaption(os::pl("Rodzaje ćwiczeń"));
    ustaw_tlo(Image1, "gfx_s\\form8.bmp", look::okno_typow);

    umiesc(ListBox1, look::form8_ListBox1);
    ListBox1.SetFont(czcionka_arial(15, false, look::tekst));
    ListBox1.OnDblClick = [this] { ListBox1DblClick(); };

    auto pole = [](ui::CheckBox& cb, const look::Rect& r, ui::Label& l, const look::Rect& lr,
                   const char* tekst) {
        umiesc(cb, r);
        umiesc(l, lr);
        l.SetFont(czcionka_arial(13, false, look::tekst));
        l.SetTransparent(true);
        l.SetLayout(Qt::AlignVCenter);
        l.SetCaption(os::pl(tekst));
        l.OnClick = [&cb] { cb.SetChecked(!cb.Checked()); };
        ui::hand_cursor(&l);
    };
    pole(CB_Bez_powtorki, look::form8_CB_Bez_powtorki, Label1, look::form8_Label1,
         "Nie wyznaczaj powtórek");
    pole(CB_Info_po_cwicz, look::form8_CB_Info_po_cwicz, Label2, look::form8_Label2,
         "Pokaż podsumowanie (listę słówek)");

    ustaw_przycisk(B_OK, look::form8_B_OK, [this] { K_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form8_B_Zamknij, [this] { K_KoniecClick(); });
}

void TForm8::OnShow() {
    CB_Bez_powtorki.SetChecked(false);
    CB_Info_po_cwicz.SetChecked(ustawienia.linia[54] == 1);
    const bool lekcja = tryb_lekcji == 1;
    CB_Bez_powtorki.SetVisible(lekcja);
    Label1.SetVisible(lekcja);
    Plan_sesji();
    Ustaw_cw();
}

void TForm8::OnActivate() {
    ListBox1.SetFocus();
}

void TForm8::Ustaw_cw() {
    const std::vector<TWierszTypu> wiersze = typy_z_praca(sesja.plan);
    ListBox1.Items().Clear();
    typy_wierszy_.clear();
    for (const TWierszTypu& w : wiersze) {
        ListBox1.Items().Add(opis_wiersza_typu(w));
        typy_wierszy_.push_back(w.typ);
    }
    if (typy_wierszy_.empty()) {
        B_OK.SetVisible(false);
        SetCaption("Koniec!");
        // Not from inside the show or a run's close: the window closes once
        // the current step is over.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && typy_wierszy_.empty()) close();
        });
        return;
    }
    B_OK.SetVisible(true);
    ListBox1.SetVisible(true);
    ListBox1.SetItemIndex(0);
    SetCaption(os::pl("Rodzaje ćwiczeń"));
}

void TForm8::K_OKClick() {
    const int i = ListBox1.ItemIndex();
    if (i < 0 || i >= static_cast<int>(typy_wierszy_.size())) return;
    wybrany_typ = typy_wierszy_[static_cast<size_t>(i)];
    sesja.rodzaj_cw = wybrany_typ;
    if (sesja.plan.ile_w_planie > 0 && Form4) Form4->show_modal();
}

void TForm8::K_KoniecClick() {
    close();
}

bool TForm8::FormKeyDown(int key, Qt::KeyboardModifiers) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (B_OK.Visible()) K_OKClick();
        return true;
    case Qt::Key_Escape:
        K_KoniecClick();
        return true;
    case Qt::Key_F1:
        pokaz_pomoc();
        return true;
    default:
        return false;
    }
}
