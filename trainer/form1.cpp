#include "trainer/form1.h"

#include <QDesktopServices>
#include <QUrl>

#include "core/hand_off.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/paths.h"
#include "shared/form20.h"
#include "shared/form24.h"
#include "shared/forms.h"
#include "shared/login.h"
#include "shared/users.h"
#include "trainer/form1_geometry.h"
#include "trainer/windows.h"

bool z_generatora = false;

namespace {

bool otworz_na_pulpicie(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(os::resolve(path))));
}

std::function<bool(const std::string&)>& otwieracz() {
    static std::function<bool(const std::string&)> f = otworz_na_pulpicie;
    return f;
}

// Blinking: first on for 400 ms, then every 300 ms.
constexpr int pierwsze_mrugniecie_ms = 400;
constexpr int mrugniecie_ms = 300;

} // namespace

TForm1::TForm1()
    : ui::Window(look::okno_glowne.w, look::okno_glowne.h), Image1(this),
      btn_powtorki(this, Pasek::m_slow_powt), btn_cwiczenia(this, Pasek::m_slow_cwicz),
      btn_wyniki(this, Pasek::m_slow_wyniki), btn_generator(this, Pasek::m_slow_gener),
      btn_ustawienia(this, Pasek::m_slow_ustawienia), btn_pomoc(this, Pasek::m_slow_pomoc),
      btn_serwisy(this, Pasek::m_slow_serwisy), Powtorki_tlo2(this),
      L_napis_logo(this), L_napis_vidavidoda(this), L_Koniec(this) {
    start_programu();

    ustaw_tlo(Image1, "gfx_s\\menu_slow.bmp", look::okno_glowne);
    dane_wczytane = false;
    pierwsza_aktywacja_ = true;
    z_generatora = false;

    przycisk_menu(btn_powtorki, look::btn_powtorki, &TForm1::btn_powtorkiClick);
    przycisk_menu(btn_cwiczenia, look::btn_cwiczenia, &TForm1::btn_cwiczeniaClick);
    przycisk_menu(btn_wyniki, look::btn_wyniki, &TForm1::btn_wynikiClick);
    przycisk_menu(btn_generator, look::btn_generator, &TForm1::btn_generatorClick);
    przycisk_menu(btn_ustawienia, look::btn_ustawienia, &TForm1::btn_ustawieniaClick);
    przycisk_menu(btn_pomoc, look::btn_pomoc, &TForm1::btn_pomocClick);
    przycisk_menu(btn_serwisy, look::btn_serwisy, &TForm1::btn_serwisyClick);

    umiesc(Powtorki_tlo2, look::powtorki_tlo2);
    Powtorki_tlo2.SetPicture(
        tlo_okna("gfx_s\\powtorki_tlo2.bmp", {look::powtorki_tlo2.w, look::powtorki_tlo2.h}));
    Powtorki_tlo2.SetVisible(false);

    etykieta(L_napis_logo, look::L_napis_logo, "VIDAVIDODA", &TForm1::L_napis_logoClick);
    L_napis_logo.SetFont(czcionka_arial(22, true, 0xFFFFFF));
    etykieta(L_napis_vidavidoda, look::L_napis_vidavidoda, os::pl("Wprowadzenie do programu"),
             &TForm1::L_napis_vidavidodaClick);
    etykieta(L_Koniec, look::L_Koniec, "Koniec", &TForm1::L_KoniecClick);
    L_Koniec.SetFont(czcionka_arial(15, true, look::granat));
    L_Koniec.SetAlignment(Qt::AlignHCenter);
    L_Koniec.SetLayout(Qt::AlignVCenter);

    Timer1.SetEnabled(false);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    SetHelpPage(""); // F1: the contents
}

void TForm1::przycisk_menu(TTransparentButton& b, const look::Rect& r, void (TForm1::*klik)()) {
    ustaw_przycisk(b, r, [this, klik] { (this->*klik)(); });
    b.OnMouseEnter = [] { graj_wav(sciezka_programu + "wav_k\\btn_enter.wav", false); };
}

void TForm1::etykieta(TMLabel& l, const look::Rect& r, const std::string& tekst,
                      void (TForm1::*klik)()) {
    umiesc(l, r);
    l.SetFont(czcionka_arial(13));
    l.SetTransparent(true);
    l.SetLayout(Qt::AlignVCenter);
    l.SetCaption(tekst);
    l.OnClick = [this, klik] { (this->*klik)(); };
    ui::hand_cursor(&l);
}

void TForm1::OnShow() {
    SetCaption(tytul_edycji + " - " + dopisek_tytulu);
    core::progress_hide();
    graj_wav(sciezka_programu + "b3.wav", false);
}

void TForm1::OnActivate() {
    if (pierwsza_aktywacja_) {
        pierwsza_aktywacja_ = false;
        // Words a trainer ending early took from the dictionary go back first.
        odzyskaj_slowa(sciezka_usera);
        // The chosen-words window reads the words the dictionary sent.
        const bool nieczytelne =
            zglos_nieczytelne_slowa(sciezka_usera, os::pl(" Plik pozostanie bez zmian."));
        if (!nieczytelne && os::file_exists(plik_slow(sciezka_usera)) && Form26) Form26->show_modal();
    }
    czy_powtorki();
    if (ustawienia.linia[U_PODPOWIEDZ_F1] != 1) {
        // Set before the box shows, so closing it cannot bring the hint back.
        ustawienia.linia[U_PODPOWIEDZ_F1] = 1;
        core::show_info(os::pl("Wybierając klawisz F1 wywołasz pomoc do programu. Koniecznie "
                               "przeczytaj \"Ważne informacje\"."));
    }
}

void TForm1::czy_powtorki() {
    do_powtorki_ = ile_na_dzis();
    Timer1.SetEnabled(false);
    if (do_powtorki_ == 0) {
        Powtorki_tlo2.SetVisible(false);
        return;
    }
    Powtorki_tlo2.SetVisible(true);
    Timer1.SetInterval(pierwsze_mrugniecie_ms);
    Timer1.SetEnabled(true);
}

void TForm1::Timer1Timer() {
    Powtorki_tlo2.SetVisible(!Powtorki_tlo2.Visible());
    Timer1.SetInterval(mrugniecie_ms);
}

void TForm1::btn_powtorkiClick() {
    Timer1.SetEnabled(false);
    Powtorki_tlo2.SetVisible(false);
    if (Form11) Form11->show_modal();
}

void TForm1::btn_cwiczeniaClick() {
    tryb_wyboru = 1;
    if (WyborZdanForm) WyborZdanForm->pokaz_widok();
}

void TForm1::btn_wynikiClick() {
    tryb_wyboru = 2;
    if (WyborZdanForm) WyborZdanForm->pokaz_widok();
}

void TForm1::btn_generatorClick() {
    if (Form2) Form2->show_modal();
}

void TForm1::btn_ustawieniaClick() {
    if (Form12) Form12->show_modal();
}

void TForm1::btn_pomocClick() {
    strona_pomocy.clear();
    pokaz_pomoc();
}

void TForm1::btn_serwisyClick() {
    const std::string strona = strona_serwisow();
    if (os::file_exists(strona) && otwieracz()(strona)) return;
    // No browser (or no page): the learner is told where the page lies.
    const std::string sciezka = os::resolve(strona);
    core::show_info(os::pl("Nie udało się otworzyć strony w przeglądarce. Można ją otworzyć "
                           "samodzielnie: ") +
                    (os::is_valid_utf8(sciezka) ? os::from_utf8(sciezka, 238) : sciezka));
}

void TForm1::L_napis_vidavidodaClick() {
    strona_pomocy = "h_01_wprow.html";
    pokaz_pomoc();
}

void TForm1::L_napis_logoClick() {
    strona_pomocy = "h_15_autor.html";
    pokaz_pomoc();
}

void TForm1::L_KoniecClick() {
    if (!Form24) return;
    tak_obrazek = 0;
    Form24->show_modal();
    if (tak_obrazek == 1) close();
}

void TForm1::OnClose() {
    Timer1.SetEnabled(false);
    // Nobody logged in: there is no learner's state to save.
    if (sciezka_usera.empty()) return;
    zapisz_ustawienia();
    if (ile_powtorek > 0) kopia_powtorek();
}

void TForm1::ustaw_otwieracz(std::function<bool(const std::string&)> otworz) {
    otwieracz() = otworz ? std::move(otworz) : otworz_na_pulpicie;
}

std::string TForm1::strona_serwisow() {
    return sciezka_programu + "serwisy.html";
}
