#include "trainer/form26.h"

#include "core/items.h"
#include "core/settings.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "trainer/form26_geometry.h"
#include "trainer/windows.h"
#include "trainer_logic/run_plan.h"

TForm26::TForm26()
    : ui::Window(look::okno_wybranych.w, look::okno_wybranych.h), Image1(this), Label2(this),
      ListBox1(this), B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2),
      CB_zachowaj(this), Label1(this) {
    SetCaption(os::pl("Słówka ze słownika"));
    ustaw_tlo(Image1, "gfx_s\\form26.bmp", look::okno_wybranych);
    ustaw_komunikat(Label2, look::form26_Label2);
    Label2.SetWordWrap(false);
    Label2.SetFont(czcionka_arial(15, true, look::granat));
    Label2.SetCaption(os::pl("Wybrano do nauki:"));

    umiesc(ListBox1, look::form26_ListBox1);
    ListBox1.OnKeyDown = [this](int& key, Qt::KeyboardModifiers) { ListBox1KeyDown(key); };

    umiesc(CB_zachowaj, look::form26_CB_zachowaj);
    ustaw_komunikat(Label1, look::form26_Label1);
    Label1.SetWordWrap(false);
    Label1.SetFont(czcionka_arial(13));
    Label1.SetLayout(Qt::AlignVCenter);
    Label1.SetCaption(os::pl("zachowaj do następnego uruchomienia programu"));
    CB_zachowaj.AttachLabel(Label1);

    ustaw_przycisk(B_OK, look::form26_B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form26_B_Zamknij, [this] { close(); });
    B_OK.SetHint(os::pl("Nauka słówek."));
    B_Zamknij.SetHint(os::pl("Zamknij"));
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
    SetHelpPage(""); // the contents
}

void TForm26::OnShow() {
    // The foreign texts in the edition's character set.
    ui::Font f = czcionka_arial(15);
    f.charset = czcionka_charset;
    ListBox1.SetFont(f);
    wybrane_.wczytaj(sciezka_usera);
    wypelnij();
    ListBox1.SetItemIndex(wybrane_.ile() > 0 ? 0 : -1);
    ListBox1.SetFocus();
}

void TForm26::wypelnij() {
    ListBox1.Items().Clear();
    for (int i : wybrane_.pozycje())
        ListBox1.Items().Add(baza.slowo_obce[i]);
    B_OK.SetVisible(wybrane_.ile() >= 1);
}

void TForm26::ListBox1KeyDown(int& key) {
    if (key != Qt::Key_Delete) return;
    key = 0;
    const int k = ListBox1.ItemIndex();
    if (!wybrane_.usun(k)) return;
    wypelnij();
    // The same line again, when there still is one.
    ListBox1.SetItemIndex(k < wybrane_.ile() ? k : -1);
}

void TForm26::B_OKClick() {
    if (wybrane_.ile() < 1) return;
    wybrane_.do_nauki();
    // A run of the learner's own choice: recorded under no exercise of the lists.
    sesja.biezace_cw.clear();
    sesja.wybrane_cw.clear();
    sesja.kierunek_cw = 0;
    sesja.rodzaj_cw = 0;
    if (lista_gotowa && Form8) Form8->show_modal();
    close();
}

void TForm26::OnClose() {
    wybrane_.zamknij(CB_zachowaj.Checked());
}
