#include "shared/form9.h"

#include <QCoreApplication>

#include "core/text.h"
#include "platform/os/codepage.h"
#include "platform/os/message.h"
#include "shared/form10.h"
#include "shared/form9_geometry.h"
#include "shared/forms.h"
#include "shared/login.h"
#include "shared/users.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(bool slownik)
    : ui::Window(look::okno_uzytkownik.w, look::okno_uzytkownik.h), Image1(this), Label1(this),
      ComboBox1(this), B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2),
      TransparentButton1(this, Pasek::nowy_user), slownik_(slownik) {
    SetCaption("Tavolent 2001");
    ustaw_tlo(Image1, "gfx_s\\form9.bmp", look::okno_uzytkownik);
    ustaw_komunikat(Label1, look::form9_Label1);
    Label1.SetWordWrap(false);
    Label1.SetFont(czcionka_arial(15)); // the same as the list's text
    umiesc(ComboBox1, look::form9_ComboBox1);
    ComboBox1.SetFont(czcionka_arial(15));
    ComboBox1.OnClick = [this] { ComboBox1Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Click(); };
    ustaw_przycisk(B_OK, look::form9_B_OK, [this] { K_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form9_B_Zamknij, [this] { B_ZamknijClick(); });
    ustaw_przycisk(TransparentButton1, look::form9_TransparentButton1,
                   [this] { TransparentButton1Click(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_06_log.html");
    wczytaj_userow();
    wypelnij_liste();
}

void TForm9::wypelnij_liste() {
    ComboBox1.Items().Clear();
    for (int i = 1; i <= ile_userow; ++i)
        ComboBox1.Items().Add(nazwy_userow[i]);
    ComboBox1.SetItemIndex(ile_userow - 1);
    pokaz_ok();
}

void TForm9::pokaz_ok() {
    B_OK.SetVisible(ComboBox1.ItemIndex() >= 0 && !Trim(ComboBox1.Text()).empty());
}

void TForm9::OnShow() {
    Label1.SetCaption(os::pl("Użytkownik:"));
    ComboBox1.SetItemIndex(ComboBox1.Items().Count() - 1);
    pokaz_ok();
}

void TForm9::ComboBox1Click() {
    pokaz_ok();
}

void TForm9::K_OKClick() {
    const int i = ComboBox1.ItemIndex() + 1;
    // Nothing is selected (or the name is blank): nothing to log in to.
    if (i < 1 || i > ile_userow || Trim(nazwy_userow[i]).empty()) return;
    // A folder that cannot be made keeps the choice open, with nothing loaded.
    if (!ustaw_usera(id_userow[i], nazwy_userow[i])) return;
    close_modal(1);
    if (!slownik_) wczytaj_profil();
}

void TForm9::B_ZamknijClick() {
    if (!dane_wczytane) os::request_terminate();
    close_modal(0);
}

void TForm9::TransparentButton1Click() {
    const int przed = ile_userow;
    const std::string wybrany = ComboBox1.Text();
    const bool dodany = Form10 && Form10->show_modal() == 1;
    wypelnij_liste();
    if (dodany && ile_userow > przed) {
        K_OKClick();
        return;
    }
    // Nobody was added: the learner's pick stays, so Enter logs in whom they chose.
    const int i = ComboBox1.Items().IndexOf(wybrany);
    if (i >= 0) ComboBox1.SetItemIndex(i);
    pokaz_ok();
}
