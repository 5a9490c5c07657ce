#include "trainer/form3.h"

#include "core/items.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/ui/input_box.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "trainer/form3_geometry.h"

TForm3::TForm3()
    : ui::Window(geo3::okno.w, geo3::okno.h), Image1(this), Label2(this), Label1(this),
      K_Pokaz(this), ListBox1(this), Ch_slowka_tez(this), Label3(this), k_importuj(this),
      B_Zamknij(this, Pasek::anuluj2) {
    SetCaption("Import ");
    ustaw_tlo(Image1, "gfx_s\\form3.bmp", geo3::okno);

    umiesc(Label2, geo3::Label2);
    Label2.SetFont(czcionka_arial(13, true, 0xA04A10));
    Label2.SetWordWrap(true);
    Label2.SetTransparent(true);
    Label2.SetCaption(os::pl("Uwaga! Import powtórek powoduje wykasowanie istniejących powtórek "
                             "zalogowanego użytkownika."));
    umiesc(Label1, geo3::Label1);
    Label1.SetFont(czcionka_arial(14, true));
    Label1.SetTransparent(true);

    ustaw_obrazek(K_Pokaz, geo3::K_Pokaz, "gfx_s\\k_pokaz.bmp", [this] { K_PokazClick(); });
    K_Pokaz.SetHint(os::pl("Wyszukaj program w wersji 2001"));
    umiesc(ListBox1, geo3::ListBox1);
    ListBox1.SetFont(czcionka_arial(14));
    ListBox1.OnClick = [this] { ListBox1Click(); };
    umiesc(Ch_slowka_tez, geo3::Ch_slowka_tez);
    umiesc(Label3, geo3::Label3);
    Label3.SetFont(czcionka_arial(13));
    Label3.SetTransparent(true);
    Label3.SetLayout(Qt::AlignVCenter);
    Label3.SetCaption(os::pl("Importuj słówka użytkownika"));
    Ch_slowka_tez.AttachLabel(Label3);
    Ch_slowka_tez.SetChecked(true);
    ustaw_obrazek(k_importuj, geo3::k_importuj, "gfx_s\\k_importuj.bmp", [this] { k_importujClick(); });
    k_importuj.SetHint(os::pl("Importuj powtórki"));
    ustaw_przycisk(B_Zamknij, geo3::B_Zamknij, [this] { B_ZamknijClick(); });
    B_Zamknij.SetHint(os::pl("Zamknij"));
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_14_ustaw.html");
}

void TForm3::OnShow() {
    folder_.clear();
    userzy_.clear();
    K_Pokaz.SetVisible(true);
    for (QWidget* w : std::initializer_list<QWidget*>{&k_importuj, &ListBox1, &Ch_slowka_tez, &Label3})
        w->setVisible(false);
    Label1.SetCaption("");
}

void TForm3::K_PokazClick() {
    std::string tekst = folder_z_rejestru_2001(jezyk_edycji);
    if (tekst.empty()) {
        if (!Form29) return;
        Form29->Label1.SetCaption(
            os::pl("Nie wykryto zainstalowanego programu Tavolent 2001! Czy chcesz podać ścieżkę "
                   "dostępu do programu w wersji 2001?"));
        Form29->show_modal();
        if (tak_pytanie != 1) {
            close_modal(0);
            return;
        }
        tekst = ui::InputBox(os::pl("Import powtórek"),
                             os::pl("Podaj ścieżkę dostępu do programu w wersji 2001"),
                             "c:\\Program Files\\Ostrel Multimedia\\Tavolent Arlen 2001");
    }
    folder_ = folder_2001(tekst);
    userzy_ = wczytaj_userow_2001(folder_);
    if (userzy_.empty()) {
        core::show_info(os::pl("Nie wykryto kont użytkownika w programie Tavolent 2001!"));
        close_modal(0);
        return;
    }
    ListBox1.Items().Clear();
    for (const Uzytkownik2001& u : userzy_)
        ListBox1.Items().Add(u.nazwa);
    ListBox1.SetVisible(true);
    Label1.SetCaption(os::pl("Wybierz konto użytkownika:"));
    K_Pokaz.SetVisible(false);
    Ch_slowka_tez.SetVisible(true);
    Label3.SetVisible(true);
}

void TForm3::ListBox1Click() {
    const int n = ListBox1.ItemIndex();
    k_importuj.SetVisible(n >= 0 && !Trim(ListBox1.Items()[n]).empty());
}

void TForm3::k_importujClick() {
    const int n = ListBox1.ItemIndex();
    if (n < 0 || n >= static_cast<int>(userzy_.size())) return;
    const std::string folder_usera = folder_ + IntToStr(userzy_[static_cast<size_t>(n)].numer) + "/";
    MapaId2001 mapa;
    if (Ch_slowka_tez.Checked() && import_slowek_2001(folder_ + "sbusr.txt", mapa) > 0)
        zapisz_slowka_usera();
    if (import_powtorek(folder_usera, mapa)) close_modal(1);
}

void TForm3::B_ZamknijClick() {
    close_modal(0);
}
