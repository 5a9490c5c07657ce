#include "trainer/form8.h"

#include <QTimer>
#include <exception>

#include "core/exercises.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "shared/forms.h"
#include "trainer/form8_geometry.h"
#include "trainer/windows.h"
#include "trainer_logic/run_plan.h"

TForm8::TForm8()
    : ui::Window(look::okno_typow.w, look::okno_typow.h), Image1(this), ListBox1(this),
      CB_Bez_powtorki(this), Label1(this), CB_Info_po_cwicz(this), Label2(this),
      B_OK(this, Pasek::nauka), B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Rodzaje ćwiczeń"));
    ustaw_tlo(Image1, "gfx_s\\form8.bmp", look::okno_typow);

    umiesc(ListBox1, look::form8_ListBox1);
    ListBox1.SetFont(czcionka_arial(14, false, look::tekst));
    ListBox1.SetItemHeight(look::form8_wiersz);
    ListBox1.OnDrawItem = [this](ui::Canvas& c, int i, const QRect& r, ui::DrawnList::State s) {
        rysuj_wiersz(c, i, r, s);
    };
    ListBox1.OnDblClick = [this](int) { ListBox1DblClick(); };

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
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
}

void TForm8::rysuj_wiersz(ui::Canvas& c, int i, const QRect& r, ui::DrawnList::State s) {
    if (i < 0 || i >= static_cast<int>(wiersze_.size())) return;
    if (s.selected)
        c.FillRect(r, 0xFF000000u | look::morski);
    else if (s.hot)
        c.FillRect(r, 0xFF000000u | look::piasek);
    ui::Font f = c.GetFont();
    f.color = 0xFF000000u | (s.selected ? 0xFFFFFFu : look::tekst);
    c.SetFont(f);
    c.TextOut(r.left() + 8, r.top() + (r.height() - c.TextHeight()) / 2,
              wiersze_[static_cast<size_t>(i)]);
}

void TForm8::OnShow() {
    CB_Bez_powtorki.SetChecked(false);
    CB_Info_po_cwicz.SetChecked(ustawienia.linia[U_LISTA_SLOWEK] == 1);
    const bool lekcja = tryb_lekcji == 1;
    CB_Bez_powtorki.SetVisible(lekcja);
    Label1.SetVisible(lekcja);
    Plan_sesji();
    przed_sesja_ = zapamietaj_rekordy(sesja.plan, tab_powtorek, flagi_powtorek);
    Ustaw_cw();
}

void TForm8::OnClose() {
    try {
        zakoncz_sesje();
    } catch (const std::exception& e) {
        os::show_message(e.what());
    }
    // The chooser shows the results the run recorded.
    if (WyborZdanForm && WyborZdanForm->isVisible()) WyborZdanForm->FormActivate();
}

void TForm8::zakoncz_sesje() {
    ustawienia.linia[U_LISTA_SLOWEK] = CB_Info_po_cwicz.Checked() ? 1 : 0;
    if (tryb_lekcji == 1 && CB_Bez_powtorki.Checked()) {
        // No repetitions are scheduled; what the record buttons or the flags
        // window changed is saved all the same.
        if (rekordy_zmienione(przed_sesja_, tab_powtorek, flagi_powtorek)) zapisz_powtorki();
        return;
    }
    Wyznacz_powtorki();
    if (ustawienia.linia[U_LISTA_SLOWEK] == 1 && plan_ma_proby(sesja.plan) &&
        !os::terminate_requested() && Form31)
        Form31->show_modal();
    zapisz_powtorki();
}

void TForm8::OnActivate() {
    ListBox1.SetFocus();
}

void TForm8::Ustaw_cw() {
    wiersze_.clear();
    typy_wierszy_.clear();
    for (const TWierszTypu& w : typy_z_praca(sesja.plan)) {
        wiersze_.push_back(opis_wiersza_typu(w));
        typy_wierszy_.push_back(w.typ);
    }
    ListBox1.SetItemIndex(-1);
    ListBox1.SetCount(static_cast<int>(wiersze_.size()));
    ListBox1.SetTopIndex(0);
    if (wiersze_.empty()) {
        B_OK.SetVisible(false);
        SetCaption("Koniec!");
        // Not from inside the show or a run's close: the window closes once
        // the current step is over.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && wiersze_.empty()) close();
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
