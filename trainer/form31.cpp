#include "trainer/form31.h"

#include <QTimer>

#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/printer.h"
#include "shared/forms.h"
#include "trainer/form31_geometry.h"
#include "trainer_logic/run_plan.h"
#include "trainer_logic/word_list.h"

TForm31::TForm31()
    : ui::Window(geo31::okno.w, geo31::okno.h), Image1(this), ListBox1(this), Label2(this),
      K_Do_Kosza(this, Pasek::do_kosza), K_Przywroc(this, Pasek::przywroc),
      K_do_schowka(this, Pasek::do_schowka), K_wydruk(this, Pasek::podr_druk2),
      B_Zamknij(this, Pasek::zamknij) {
    SetCaption(os::pl("Lista słówek"));
    ustaw_tlo(Image1, "gfx_s\\form31.bmp", geo31::okno);
    umiesc(ListBox1, geo31::ListBox1);
    ListBox1.SetFont(czcionka_arial(15, false, look::tekst));
    ListBox1.OnClick = [this] { ListBox1Click(); };
    umiesc(Label2, geo31::Label2);
    Label2.SetFont(czcionka_arial(14, true, look::granat));
    Label2.SetTransparent(true);
    Label2.SetLayout(Qt::AlignVCenter);
    ustaw_przycisk(K_Do_Kosza, geo31::K_Do_Kosza, [this] { K_Do_KoszaClick(); });
    ustaw_przycisk(K_Przywroc, geo31::K_Przywroc, [this] { K_PrzywrocClick(); });
    ustaw_przycisk(K_do_schowka, geo31::K_do_schowka, [this] { K_do_schowkaClick(); });
    ustaw_przycisk(K_wydruk, geo31::K_wydruk, [this] { K_wydrukClick(); });
    ustaw_przycisk(B_Zamknij, geo31::B_Zamknij, [this] { B_ZamknijClick(); });
    SetCancelButton(&B_Zamknij);
}

std::string TForm31::plik_wydruku() {
    return sciezka_usera + "lista_slowek.pdf";
}

void TForm31::OnShow() {
    Wypelnij_liste();
    if (wiersze_.empty()) {
        // Nothing was practised: the window closes once its show is over.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && wiersze_.empty()) close();
        });
        return;
    }
    ListBox1.SetFocus();
}

void TForm31::Wypelnij_liste() {
    ListBox1.Items().Clear();
    Label2.SetCaption("");
    wiersze_ = cwiczone_pozycje(sesja.plan, baza);
    for (int i : wiersze_)
        ListBox1.AddParts(wiersz_listy(i, baza, tab_powtorek[i]));
    K_Do_Kosza.SetVisible(false);
    K_Przywroc.SetVisible(false);
}

void TForm31::ListBox1Click() {
    const int r = ListBox1.ItemIndex();
    if (r < 0 || r >= static_cast<int>(wiersze_.size())) return;
    const TPowtorka& p = tab_powtorek[wiersze_[static_cast<size_t>(r)]];
    K_Do_Kosza.SetVisible(p.kosz != 1);
    K_Przywroc.SetVisible(p.kosz == 1);
    Label2.SetCaption(opis_rekordu(p));
}

void TForm31::ustaw_kosz(uint8_t kosz) {
    const int r = ListBox1.ItemIndex();
    if (r < 0 || r >= static_cast<int>(wiersze_.size())) return;
    tab_powtorek[wiersze_[static_cast<size_t>(r)]].kosz = kosz;
    Wypelnij_liste();
    // The same row stays selected, with the button that undoes the change.
    ListBox1.SetItemIndex(r);
    ListBox1Click();
}

void TForm31::K_Do_KoszaClick() {
    ustaw_kosz(1);
}

void TForm31::K_PrzywrocClick() {
    ustaw_kosz(0);
}

void TForm31::K_do_schowkaClick() {
    ui::set_clipboard_utf8(tekst_do_schowka(wiersze_, baza));
    core::show_info("Skopiowano do schowka.");
}

std::string TForm31::komunikat_wydruku(const ui::PrintResult& r) {
    switch (r.kind) {
    case ui::PrintResult::Kind::printer:
        return os::pl("Słówka/zdania przesłano do drukarki.");
    case ui::PrintResult::Kind::pdf:
        return os::pl("Nie znaleziono drukarki. Słówka/zdania zapisano w pliku ") +
               os::utf8_to_cp1250(r.where) + ".";
    case ui::PrintResult::Kind::failed:
        break;
    }
    return os::pl("Słówek/zdań nie wydrukowano: ") + os::utf8_to_cp1250(r.why) + ".";
}

void TForm31::K_wydrukClick() {
    const ui::PrintResult r =
        ui::print_text(linie_wydruku(wiersze_, baza), "Lista słówek", plik_wydruku());
    core::show_info(komunikat_wydruku(r));
}
