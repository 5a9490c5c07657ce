#include "trainer/form19.h"

#include "core/items.h"
#include "core/sound.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "shared/forms.h"
#include "trainer/form13.h"
#include "trainer/form19_geometry.h"

std::string nagranie_nowego;

std::string folder_nagran() {
    // One spelling, found without regard to case when the learner's folder
    // has another.
    return os::with_slash(os::resolve(sciezka_programu + "Nagrania"));
}

TForm19::TForm19()
    : ui::Window(geo19::okno.w, geo19::okno.h), Image1(this), Label1(this), Label2(this),
      FileListBox1(this), K_Graj(this), K_Bez_nagrania(this), B_OK(this, Pasek::ok2),
      B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Wybór nagrania"));
    ustaw_tlo(Image1, "gfx_s\\edycja_slowka.bmp", geo19::okno);
    if (!sciezka_programu.empty() && !os::folder_exists(sciezka_programu + "Nagrania"))
        os::make_folder(sciezka_programu + "Nagrania");

    ustaw_komunikat(Label1, geo19::Label1);
    Label1.SetFont(czcionka_arial(13));
    umiesc(Label2, geo19::Label2);
    Label2.SetTransparent(true);
    Label2.SetFont(czcionka_arial(14, true, look::granat));
    Label2.SetCaption(os::pl("Dostępne pliki:"));

    umiesc(FileListBox1, geo19::FileListBox1);
    FileListBox1.SetFont(czcionka_arial(14));
    FileListBox1.SetMask("*.wav");
    FileListBox1.OnClick = [this] { FileListBox1Click(); };
    FileListBox1.OnDblClick = [this] { B_OKClick(); };

    ustaw_obrazek(K_Graj, geo19::K_Graj, "gfx_s\\gen_k_graj.bmp", os::pl("Odsłuchaj nagranie."),
                  [this] { K_GrajClick(); });
    ustaw_obrazek(K_Bez_nagrania, geo19::K_Bez_nagrania, "gfx_s\\gen_k_bez_nagrania.bmp",
                  os::pl("Słówko bez nagrania."), [this] { K_Bez_nagraniaClick(); });

    ustaw_przycisk(B_OK, geo19::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, geo19::B_Zamknij, [this] { close(); });
    B_OK.SetHint(os::pl("Wybierz nagranie"));
    B_Zamknij.SetHint(os::pl("Zamknij"));
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
    SetHelpPage(""); // the contents
}

void TForm19::OnShow() {
    const std::string folder = folder_nagran();
    Label1.SetCaption(os::pl("Katalog z dźwiękami: ") + os::utf8_to_cp1250(folder));
    FileListBox1.SetDirectory(folder);
    const bool nowe = edytowane_slowko < 1;
    wybrane_ = nowe || edytowane_slowko > baza.ile_slow ? "" : baza.wymowa[edytowane_slowko];
    const int k = FileListBox1.Items().IndexOf(wybrane_);
    FileListBox1.SetItemIndex(wybrane_.empty() ? -1 : k);
    B_OK.SetVisible(false);
    K_Graj.SetVisible(!nowe);
    FileListBox1.SetFocus();
}

void TForm19::FileListBox1Click() {
    const std::string nazwa = FileListBox1.FileName();
    if (nazwa.empty()) return;
    wybrane_ = nazwa;
    B_OK.SetVisible(true);
    K_Graj.SetVisible(true);
}

void TForm19::ustaw_nagranie(const std::string& nazwa) {
    if (edytowane_slowko < 1)
        nagranie_nowego = nazwa;
    else if (edytowane_slowko <= baza.ile_slow)
        baza.wymowa[edytowane_slowko] = nazwa;
}

void TForm19::B_OKClick() {
    const std::string nazwa = FileListBox1.FileName();
    if (nazwa.empty()) return;
    wybrane_ = nazwa;
    ustaw_nagranie(nazwa);
    close_modal(1);
}

void TForm19::K_Bez_nagraniaClick() {
    wybrane_.clear();
    ustaw_nagranie("");
    close_modal(1);
}

void TForm19::K_GrajClick() {
    if (!wybrane_.empty()) graj_wav(folder_nagran() + wybrane_, false);
}
