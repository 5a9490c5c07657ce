#include "trainer/form4.h"

#include <QTimer>
#include <algorithm>
#include <exception>
#include <tuple>

#include "core/dictionary_launch.h"
#include "core/exercises.h"
#include "core/items.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/statistics.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/date_serial.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/ui/bmp.h"
#include "shared/accent_filter.h"
#include "shared/examples_source.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "trainer/form4_geometry.h"
#include "trainer/form4_keys.h"
#include "trainer/form4_places.h"
#include "trainer/form8.h"
#include "trainer/windows.h"
#include "trainer_logic/exercise_keys.h"
#include "trainer_logic/generator.h"
#include "trainer_logic/interludes.h"
#include "trainer_logic/scheduler.h"

namespace {

constexpr QRgb czarny = 0xFF000000u;
constexpr QRgb niebieski = 0xFF1F55C8u; // the marked words and the hovered choice
constexpr QRgb czerwony = 0xFFC0281Eu;  // the prompt over a wrong answer's correction

std::function<void()>& przerywnik_hook() {
    static std::function<void()> f;
    return f;
}

ui::Font arial(int pixels, bool bold, uint32_t rgb, int charset = 238) {
    ui::Font f = czcionka_arial(pixels, bold, rgb);
    f.charset = charset;
    return f;
}

// The edition font ("czcionka") of a text label or box.
ui::Font edycji(int pixels, bool bold, uint32_t rgb, int charset) {
    ui::Font f = arial(pixels, bold, rgb, charset);
    if (!czcionka.empty()) f.face = czcionka;
    return f;
}

QImage obrazek(const std::string& plik) {
    QImage img;
    const std::string path = sciezka_programu + plik;
    if (os::file_exists(path)) ui::try_load_bmp(path, img);
    return img;
}

// Read when the window first shows: creating the windows at start-up stays cheap.
void obrazek_w(ui::Image& i, const std::string& plik) {
    i.SetPictureSource([plik] { return obrazek(plik); });
}

void etykieta(ui::Label& l, const look::Rect& r, const ui::Font& f) {
    umiesc(l, r);
    l.SetFont(f);
    l.SetTransparent(true);
}

} // namespace

TForm4::TForm4()
    : ui::Window(geo4::okno.w, geo4::okno.h), Image1(this), Image2(this), L_grupa_tem(this),
      Menu_Image(this), L_Slowko(this), dxramka(this), DXRamka2(this), L_Polecenie(this),
      Wyr1(this), Wyr2(this), wyr3(this), wyr4(this), L_Odp1(this), L_Odp2(this), L_Odp3(this),
      L_Odp4(this), E_Wpisana(this), E_Wpis1(this), E_Wpis2(this), E_Wpis3(this), L_Poprawna(this),
      L_Poprawna2(this), Tlo_umiesz(this), B_OK(this, Pasek::ok_duzy),
      B_Sprawdz(this, Pasek::sprawdz), B_Umiesz(this, Pasek::umiem),
      B_Nie_umiesz(this, Pasek::nie_umiem), TransparentButton1(this, Pasek::glosnik2),
      K_Zaakceptuj(this), L_kom_panel(this), L_Kom(this), L_przyklady(this), L_Stat1(this),
      L_Stat2(this), L_Stat3(this), I_powtorki(this), L_Powtorki(this), L_pokaz_id(this),
      Panel_Kor(this), CH_Kor_Tylko_zd(&Panel_Kor), Ch_kor_dodac_zd(&Panel_Kor),
      Ch_Kor_Wywalic(&Panel_Kor), CH_Kor_Zmienic_gr(&Panel_Kor), Edit_Kor(&Panel_Kor),
      Edit_Kor_podp(&Panel_Kor), Label2(&Panel_Kor), K_nagraj(this), K_nag_a(this),
      K_nag_b(this), k_nag_c(this), k_play_nagrane(this, Pasek::glos_maly), K_menu(this),
      Panel_menu(this), K_zapomnij(&Panel_menu), K_Do_kosza(&Panel_menu), K_umiem(&Panel_menu),
      k_dodaj_komentarz(&Panel_menu), L_Parametry(&Panel_menu), L_Slownik(&Panel_menu),
      silnik_(sesja.plan, *this, miernik_) {
    SetCaption("Tavolent 4.0");
    SetHelpPage("h_10_slow.html");
    wyr = {&Wyr1, &Wyr2, &wyr3, &wyr4};
    odp = {&L_Odp1, &L_Odp2, &L_Odp3, &L_Odp4};
    wpis = {&E_Wpis1, &E_Wpis2, &E_Wpis3};

    uloz_pasek();
    uloz_pytanie();
    uloz_przyciski();
    uloz_liczniki();
    uloz_panel_korekty();
    uloz_nagrywanie();
    uloz_menu();

    for (QWidget* w : std::initializer_list<QWidget*>{
             &K_Zaakceptuj, &L_przyklady, &k_play_nagrane, &I_powtorki, &Tlo_umiesz, &B_Umiesz, &B_Nie_umiesz,
             &B_Sprawdz, &B_OK, &E_Wpisana, &E_Wpis1, &E_Wpis2, &E_Wpis3, &dxramka, &DXRamka2,
             &L_Poprawna2, &L_kom_panel, &L_Kom})
        w->setVisible(false);
    setFocusPolicy(Qt::StrongFocus);
    czytaj_tla();
}

// The background and the strip across the top: the group, the close picture.
void TForm4::uloz_pasek() {
    umiesc(Image1, {0, 0, geo4::okno.w, geo4::okno.h});
    Image1.OnClick = [this] { Graj(); };
    umiesc(Image2, geo4::Image2);
    obrazek_w(Image2, "gfx_s\\cw_pasek.bmp");
    // Moving over the background or the strip folds the item menu away.
    for (ui::Image* i : {&Image1, &Image2}) {
        i->setMouseTracking(true);
        i->OnMouseMove = [this](Qt::KeyboardModifiers, int, int) { pokaz_menu(false); };
    }
    etykieta(L_grupa_tem, geo4::L_grupa_tem, arial(15, true, 0xFFFFFF));
    umiesc(Menu_Image, geo4::Menu_Image);
    obrazek_w(Menu_Image, "gfx_s\\cw_zamknij.bmp");
    Menu_Image.SetTransparent(true);
    Menu_Image.OnClick = [this] { Menu_ImageClick(); };
    ui::hand_cursor(&Menu_Image);
}

// The question: the word, the frames, the prompt, the choice rows, the typing
// boxes and the correct answer.
void TForm4::uloz_pytanie() {
    etykieta(L_Slowko, geo4::L_Slowko, arial(30, true, look::granat));
    L_Slowko.SetAlignment(Qt::AlignHCenter);
    L_Slowko.SetLayout(Qt::AlignVCenter);
    dxramka.OnPaint = [this](ui::Canvas& c) { rysuj_ramke(c); };
    dxramka.setAttribute(Qt::WA_TransparentForMouseEvents);
    DXRamka2.OnPaint = [this](ui::Canvas& c) { rysuj_luki(c); };
    umiesc(DXRamka2, geo4::DXRamka2);

    etykieta(L_Polecenie,
             {geo4::polecenie_lewa, geo4::polecenie_bez_slowa, geo4::polecenie_szer,
              geo4::polecenie_wys},
             arial(17, true, look::tekst));
    L_Polecenie.SetLayout(Qt::AlignVCenter);
    L_Polecenie.OnClick = [this] { L_PolecenieClick(); };
    for (int n = 0; n < 4; ++n) {
        TBmpTransparent& w = *wyr[n];
        w.SetBounds(geo4::wyr_lewa, 0, geo4::wyr_rozmiar, geo4::wyr_rozmiar);
        w.SetPicture(obrazek("gfx_s\\cw_wybor" + std::to_string(n + 1) + ".bmp"));
        w.SetAuto(false);
        w.SetTransparentColor(0xFF000000u | look::klucz_przezroczysty);
        w.Tag = n + 1;
        w.OnClick = [this, n] { Odp_Click(n + 1); };
        ui::hand_cursor(&w);
        TMLabel& l = *odp[n];
        etykieta(l, {geo4::odp_lewa, 0, geo4::odp_szer, geo4::odp_wys}, arial(20, false, 0));
        l.SetLayout(Qt::AlignVCenter);
        l.Tag = n + 1;
        l.OnClick = [this, n] { Odp_Click(n + 1); };
        l.OnMouseEnter = [&l] { l.SetFontColor(niebieski); };
        l.OnMouseLeave = [&l] { l.SetFontColor(0xFF000000u | look::tekst); };
        ui::hand_cursor(&l);
    }

    E_Wpisana.SetBounds(geo4::wpisana_lewa, 0, geo4::wpisana_szer, geo4::wpisana_wys);
    trainer::AccentFilter::install(&E_Wpisana);
    for (ui::Edit* e : wpis) {
        e->resize(SZEROKOSC_LUKI, geo4::wpis_wys);
        trainer::AccentFilter::install(e);
    }

    etykieta(L_Poprawna, {geo4::poprawna_lewa, 0, geo4::poprawna_szer, geo4::poprawna_wys},
             arial(22, true, look::granat));
    L_Poprawna.SetLayout(Qt::AlignVCenter);
    etykieta(L_Poprawna2, {geo4::poprawna_lewa, 0, geo4::poprawna_szer, geo4::poprawna2_wys},
             arial(15, false, look::morski));
    L_Poprawna2.SetLayout(Qt::AlignVCenter);
}

// The buttons, the accept label, the comment panel and the examples link.
void TForm4::uloz_przyciski() {
    umiesc(Tlo_umiesz, geo4::Tlo_umiesz);
    obrazek_w(Tlo_umiesz, "gfx_s\\cw_umiesz.bmp");
    Tlo_umiesz.SetTransparent(true);
    ustaw_przycisk(B_OK, geo4::B_OK, [this] { I_OKClick(); });
    ustaw_przycisk(B_Sprawdz, geo4::B_Sprawdz, [this] { B_SprawdzClick(); });
    ustaw_przycisk(B_Umiesz, geo4::B_Umiesz, [this] { B_UmieszClick(); });
    ustaw_przycisk(B_Nie_umiesz, geo4::B_Nie_umiesz, [this] { B_Nie_umieszClick(); });
    ustaw_przycisk(TransparentButton1, geo4::TransparentButton1, [this] { Graj(); });
    TransparentButton1.SetHint(os::pl("Odtwórz"));

    etykieta(K_Zaakceptuj, geo4::K_Zaakceptuj, arial(15, true, look::morski));
    K_Zaakceptuj.SetAlignment(Qt::AlignRight);
    K_Zaakceptuj.SetLayout(Qt::AlignVCenter);
    K_Zaakceptuj.SetCaption("Zaakceptuj (F3)");
    K_Zaakceptuj.OnClick = [this] { K_ZaakceptujClick(); };
    ui::hand_cursor(&K_Zaakceptuj);

    umiesc(L_kom_panel, geo4::L_kom_panel);
    obrazek_w(L_kom_panel, "gfx_s\\cw_komentarz.bmp");
    L_kom_panel.SetTransparent(true);
    etykieta(L_Kom, geo4::L_Kom, arial(15, false, look::tekst));
    L_Kom.SetWordWrap(true);

    etykieta(L_przyklady, geo4::L_przyklady, arial(15, true, look::morski));
    L_przyklady.SetCaption(os::pl("Przykłady (F7)"));
    L_przyklady.OnClick = [this] { Pokaz_przyklady(); };
    ui::hand_cursor(&L_przyklady);
}

// The counters on the band along the bottom.
void TForm4::uloz_liczniki() {
    for (auto [l, r] : {std::pair{&L_Stat1, geo4::L_Stat1},
                        {&L_Stat2, geo4::L_Stat2},
                        {&L_Stat3, geo4::L_Stat3}}) {
        etykieta(*l, r, arial(15, true, look::tekst));
        l->SetLayout(Qt::AlignVCenter);
    }
    umiesc(I_powtorki, geo4::I_powtorki);
    obrazek_w(I_powtorki, "gfx_s\\cw_powtorki.bmp");
    I_powtorki.SetTransparent(true);
    etykieta(L_Powtorki, geo4::L_Powtorki, arial(13, false, look::tekst));
    L_Powtorki.SetWordWrap(true); // the count and the last date, one line each
    L_Powtorki.SetLayout(Qt::AlignVCenter);
    etykieta(L_pokaz_id, geo4::L_pokaz_id, arial(13, false, look::morski));
    L_pokaz_id.SetAlignment(Qt::AlignRight);
    L_pokaz_id.SetLayout(Qt::AlignVCenter);
}

// The correction panel, shown in correction mode only.
void TForm4::uloz_panel_korekty() {
    umiesc(Panel_Kor, geo4::Panel_Kor);
    Panel_Kor.setAutoFillBackground(true);
    int y = 6;
    for (auto [c, t] : {std::pair{&CH_Kor_Tylko_zd, "tylko zdanie"},
                        {&Ch_kor_dodac_zd, "dodać zdanie"},
                        {&Ch_Kor_Wywalic, "wywalić"},
                        {&CH_Kor_Zmienic_gr, "zmienić grupę"}}) {
        c->SetBounds(8, y, 168, 22);
        c->SetFont(czcionka_komunikatu());
        c->SetCaption(os::pl(t));
        y += 26;
    }
    Edit_Kor.SetBounds(8, y + 4, 168, 24);
    Edit_Kor_podp.SetBounds(8, y + 34, 168, 24);
    for (ui::Edit* e : {&Edit_Kor, &Edit_Kor_podp})
        e->SetFont(czcionka_komunikatu());
    Label2.SetFont(czcionka_komunikatu());
    Label2.SetBounds(8, y + 66, 168, 120);
    Label2.SetWordWrap(true);
    Panel_Kor.SetVisible(false);
}

// The microphone, held to record, and the replay of the recording.
void TForm4::uloz_nagrywanie() {
    umiesc(K_nagraj, geo4::K_nagraj);
    K_nagraj.SetTransparent(true);
    for (auto [img, plik] : {std::pair{&K_nag_a, "gfx_s\\nagraj_a.bmp"},
                             {&K_nag_b, "gfx_s\\nagraj_b.bmp"},
                             {&k_nag_c, "gfx_s\\nagraj_c.bmp"}}) {
        obrazek_w(*img, plik);
        img->SetVisible(false);
    }
    K_nagraj.SetPictureSource([this] { return K_nag_a.Picture(); });
    K_nagraj.SetHint(os::pl("Nagraj (trzymaj wciśnięty lewy przycisk myszki)"));
    K_nagraj.OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, int, int) {
        if (b == Qt::LeftButton) K_nagrajMouseDown();
    };
    K_nagraj.OnMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers, int, int) {
        if (b == Qt::LeftButton) K_nagrajMouseUp();
    };
    K_nagraj.OnMouseEnter = [this] { nagrywanie_.Najechanie(true); };
    K_nagraj.OnMouseLeave = [this] { nagrywanie_.Najechanie(false); };
    ui::hand_cursor(&K_nagraj);
    ustaw_przycisk(k_play_nagrane, geo4::k_play_nagrane, [this] { k_play_nagraneClick(); });
    k_play_nagrane.SetHint(os::pl("Odtwórz swoje nagranie"));
    Timer1.SetInterval(TNagrywanie::LIMIT_MS);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

// The item menu: its button on the strip and the panel dropping from it.
void TForm4::uloz_menu() {
    umiesc(K_menu, geo4::K_menu);
    obrazek_w(K_menu, "gfx_s\\cw_menu.bmp");
    K_menu.SetTransparent(true);
    K_menu.SetHint(os::pl("Słówko/zdanie: zeruj, do kosza, już umiem..."));
    K_menu.OnMouseEnter = [this] { pokaz_menu(true); };
    K_menu.OnClick = [this] { pokaz_menu(!Panel_menu.Visible()); };
    ui::hand_cursor(&K_menu);
    umiesc(Panel_menu, geo4::Panel_menu);
    Panel_menu.SetPictureSource([] {
        return tlo_okna("gfx_s\\cw_menu_panel.bmp", {geo4::Panel_menu.w, geo4::Panel_menu.h});
    });
    int wiersz = 0;
    for (auto [l, tekst, klik] :
         {std::tuple{&K_zapomnij, "Zeruj (zapomnij)", &TForm4::K_ZapomnijClick},
          {&K_Do_kosza, "Do kosza", &TForm4::K_Do_KoszaClick},
          {&K_umiem, "Już umiem!", &TForm4::K_umiemClick},
          {&k_dodaj_komentarz, "Dodaj komentarz", &TForm4::K_Dodaj_KomentarzClick},
          {&L_Parametry, "Oznacz rodzaje...", &TForm4::L_ParametryClick},
          {&L_Slownik, "Słownik", &TForm4::L_SlownikClick}}) {
        TMLabel& lab = *l;
        lab.SetBounds(geo4::menu_lewa, geo4::menu_gora + wiersz++ * geo4::menu_wiersz,
                      geo4::menu_szer, geo4::menu_wys);
        lab.SetFont(arial(15, true, look::tekst));
        lab.SetTransparent(true);
        lab.SetLayout(Qt::AlignVCenter);
        lab.SetCaption(os::pl(tekst));
        lab.OnClick = [this, klik = klik] { (this->*klik)(); };
        lab.OnMouseEnter = [&lab] { lab.SetFontColor(niebieski); };
        lab.OnMouseLeave = [&lab] { lab.SetFontColor(0xFF000000u | look::tekst); };
        ui::hand_cursor(&lab);
    }
    Panel_menu.SetVisible(false);
}

void TForm4::ustaw_przerywnik(std::function<void()> pokaz) {
    przerywnik_hook() = std::move(pokaz);
}

// ---- The run ----

void TForm4::OnShow() {
    Panel_Kor.SetVisible(tryb_korekty);
    korekta_wypelniona_ = false;
    I_powtorki.SetVisible(tryb_lekcji == 0);
    // The edition font and character set for the typed and chosen texts.
    const int charset = czcionka_charset;
    E_Wpisana.SetFont(edycji(20, false, look::tekst, charset));
    for (ui::Edit* e : wpis)
        e->SetFont(czcionka_ramki(charset));
    L_pokaz_id.SetVisible(false);
    Panel_menu.SetVisible(false);
    K_nagraj.SetPicture(K_nag_a.Picture());
    K_nagraj.SetEnabled(true);
    zakonczone_ = false;
    slowko_przykladow_ = 0;
    przyklady_.clear();
    Losuj_tlo();
    krok([this] { silnik_.start(wybrany_typ); });
}

bool TForm4::OnCloseQuery() {
    if (zakonczone_) return true;
    bool zamknij = true;
    try {
        zamknij = zakoncz_cwiczenie(!os::terminate_requested());
    } catch (const std::exception& e) {
        os::show_message(e.what());
    }
    if (!zamknij) {
        // Back to the exercise: the question on screen goes on.
        pokaz_ekran();
        return false;
    }
    zakonczone_ = true;
    return true;
}

void TForm4::OnClose() {
    // Ended without a close (the program quitting): the run is still recorded.
    if (zakonczone_) return;
    zakonczone_ = true;
    try {
        zakoncz_cwiczenie(false);
    } catch (const std::exception& e) {
        os::show_message(e.what());
    }
}

bool TForm4::zakoncz_cwiczenie(bool z_oknami) {
    nagrywanie_.Przerwij();
    pokaz_menu(false);
    zapisz_korekte();
    // An interlude due at the end of the exercise (interludes only at the end).
    if (z_oknami && czas_na_przerywnik(true)) przerywnik();

    // The statistics box first: going back to the exercise records nothing,
    // so a run is recorded once, when it really ends.
    const TWynikCwiczenia w = silnik_.wynik();
    if (z_oknami && ustawienia.linia[U_STATYSTYKA] == 1 && Form25) {
        const bool zostalo = sesja.plan.do_zrobienia(silnik_.typ()) > 0;
        if (Form25->pokaz(w, zostalo)) return false;
    }

    if (Form8) Form8->Ustaw_cw();
    if (komentarze_zmienione) zapisz_komentarze();
    // Only a run from the exercise chooser has an exercise to record under;
    // the others (repetitions, chosen words, the generator) record nothing.
    if (sesja.z_wyboru) {
        if (w.do_zapisu())
            zapisz_wynik(w.procent_zapisany(), sesja.biezace_cw, sesja.rodzaj_cw, 0, w.ukonczone());
        zapisz_statystyki();
        if (WyborZdanForm) WyborZdanForm->Odswiez_liste();
    }
    return true;
}

void TForm4::Losuj_tlo() {
    const int n = ::Losuj_tlo();
    QImage img;
    bool bez_paska = false;
    if (n > 0) {
        const std::string& plik = tla_cwiczen[n];
        const size_t kreska = plik.find_last_of("/\\");
        bez_paska =
            plik.find("p_", kreska == std::string::npos ? 0 : kreska + 1) != std::string::npos;
        if (!os::file_exists(plik) || !ui::try_load_bmp(plik, img)) img = QImage();
        if (img.isNull()) ui::try_load_bmp(sciezka_programu + "cw_tla_s\\c0.bmp", img);
    }
    Image1.SetPicture(img.isNull() ? tlo_okna("", geo4::okno) : img);
    Image2.SetVisible(!bez_paska);
}

// ---- Steps ----

void TForm4::krok(const std::function<void()>& co) {
    try {
        co();
    } catch (const std::exception& e) {
        os::show_message(e.what());
    }
    if (isVisible()) pokaz_ekran();
}

void TForm4::Odp_Click(int n) {
    krok([this, n] { silnik_.Sprawdz_wybor(n); });
}

void TForm4::I_OKClick() {
    krok([this] { silnik_.I_OKClick(E_Wpisana.Text(), luki()); });
}

void TForm4::B_SprawdzClick() {
    krok([this] { silnik_.Pokaz_rozwiazanie(); });
}

void TForm4::B_UmieszClick() {
    krok([this] { silnik_.Ocen_sam(true); });
}

void TForm4::B_Nie_umieszClick() {
    krok([this] { silnik_.Ocen_sam(false); });
}

void TForm4::K_ZaakceptujClick() {
    krok([this] { silnik_.Zaakceptuj_odp(); });
}

void TForm4::Graj() {
    graj_wav(silnik_.dzwiek_do_grania(), false);
}

void TForm4::L_PolecenieClick() {
    if (silnik_.odpowiedziano() && !silnik_.odpowiedz().empty()) Pokaz_odpowiedz();
}

void TForm4::Pokaz_odpowiedz() {
    if (!Form6) return;
    Form6->L_Odp.SetFont(edycji(20, true, look::granat, czcionka_charset));
    Form6->L_Odp.SetCaption(silnik_.odpowiedz());
    Form6->show_modal();
}

// ---- The item menu and the record buttons ----

void TForm4::pokaz_menu(bool tak) {
    if (Panel_menu.Visible() == tak) return;
    Panel_menu.SetVisible(tak);
    if (tak) Panel_menu.raise();
}

bool TForm4::potwierdz(AkcjaRekordu a) {
    if (!Form29) return false;
    Form29->Label1.SetCaption(pytanie_akcji(a, ustawienia.linia[U_JUZ_UMIEM]));
    Form29->show_modal();
    return tak_pytanie == 1;
}

void TForm4::akcja_rekordu(AkcjaRekordu a) {
    pokaz_menu(false);
    if (silnik_.biezace_slowko() < 1 || !potwierdz(a)) return;
    krok([this, a] { silnik_.Akcja_rekordu(a, os::today()); });
}

void TForm4::K_ZapomnijClick() {
    akcja_rekordu(AkcjaRekordu::zeruj);
}

void TForm4::K_Do_KoszaClick() {
    akcja_rekordu(AkcjaRekordu::do_kosza);
}

void TForm4::K_umiemClick() {
    akcja_rekordu(AkcjaRekordu::juz_umiem);
}

void TForm4::K_Dodaj_KomentarzClick() {
    pokaz_menu(false);
    const int i = silnik_.biezace_slowko();
    if (i < 1 || i > baza.ile_slow || !Form27) return;
    tekst_komentarza = generator::komentarz_do_edycji(i);
    const std::string przed = tekst_komentarza;
    Form27->show_modal();
    // Cancel leaves tekst_komentarza as it was handed over: nothing changes.
    if (tekst_komentarza != przed) generator::ustaw_komentarz(i, tekst_komentarza);
}

void TForm4::L_ParametryClick() {
    pokaz_menu(false);
    if (!Form30) return;
    const int k = silnik_.kursor();
    Form30->slowko = k >= 1 && k <= sesja.plan.ile_w_planie ? sesja.plan.pozycje_planu[k] : 0;
    Form30->show_modal();
}

// ---- Examples ----

int TForm4::ile_przykladow(int slowko) {
    if (slowko != slowko_przykladow_) {
        slowko_przykladow_ = slowko;
        przyklady_ = Znajdz_przyklady(slowko);
    }
    return std::min(static_cast<int>(przyklady_.size()), POKAZANYCH_PRZYKLADOW);
}

void TForm4::Pokaz_przyklady() {
    if (!InformacjaForm) return;
    const int ile = ile_przykladow(silnik_.biezace_slowko());
    InformacjaForm->Label1.SetCaption(tekst_przykladow(przyklady_, ile));
    InformacjaForm->show_modal();
}

// ---- Recording ----

void TForm4::K_nagrajMouseDown() {
    pokaz_menu(false);
    nagrywanie_.Start_nagrania();
}

void TForm4::K_nagrajMouseUp() {
    nagrywanie_.Puszczenie();
    pokaz_ekran();
}

void TForm4::Timer1Timer() {
    Timer1.SetEnabled(false);
    nagrywanie_.Koniec_limitu();
    pokaz_ekran();
}

void TForm4::k_play_nagraneClick() {
    nagrywanie_.Porownaj_nagrania();
}

void TForm4::nagrywaj() {
    ::nagrywaj();
}

bool TForm4::nagrywa() const {
    return ::nagrywanie;
}

void TForm4::zatrzymaj() {
    zatrzymaj_nagrywanie();
}

void TForm4::czekaj(int ms) {
    ::czekaj(ms);
}

int TForm4::dlugosc_ms(const std::string& plik) {
    // As the player reads the file: its real length, not the header's claim.
    if (!Form5 || !os::file_exists(plik)) return 0;
    ui::MediaPlayer& mp = Form5->MediaPlayer1;
    mp.close();
    mp.set_time_format_ms();
    mp.set_file_name(os::resolve(plik));
    return mp.open() ? mp.length_ms() : 0;
}

void TForm4::obrazek_mikrofonu(Obrazek o) {
    K_nagraj.SetPicture(o == Obrazek::nagrywanie  ? K_nag_b.Picture()
                        : o == Obrazek::najechany ? k_nag_c.Picture()
                                                  : K_nag_a.Picture());
}

void TForm4::mikrofon_dostepny(bool tak) {
    K_nagraj.SetEnabled(tak);
}

void TForm4::pokaz_odtworz(bool tak) {
    if (tak) silnik_.Nagranie_zachowane();
    pokaz_ekran();
}

void TForm4::limit(bool wlaczony) {
    Timer1.SetEnabled(wlaczony);
}

std::string TForm4::wzor() {
    return silnik_.dzwiek_do_grania();
}

std::string TForm4::plik_nagrania() {
    return ::plik_nagrania();
}

void TForm4::Menu_ImageClick() {
    close();
}

void TForm4::L_SlownikClick() {
    odpal_slownik("");
}

std::array<std::string, 3> TForm4::luki() const {
    return {E_Wpis1.Text(), E_Wpis2.Text(), E_Wpis3.Text()};
}

bool TForm4::pole_wpisywania() const {
    const QWidget* f = focusWidget();
    return f == &E_Wpisana || f == &E_Wpis1 || f == &E_Wpis2 || f == &E_Wpis3;
}

bool TForm4::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    const Akcja a =
        akcja_klawisza(klawisz_cwiczenia(key), trainer::shift_state(mods),
                       silnik_.stan_klawiszy(pole_wpisywania()));
    using A = AkcjaKlawisza;
    switch (a.co) {
    case A::brak:
        return false;
    case A::wybor:
        Odp_Click(a.wybor);
        break;
    case A::zamknij:
        close();
        break;
    case A::graj:
        Graj();
        break;
    case A::ok:
        I_OKClick();
        break;
    case A::pokaz_rozwiazanie:
        B_SprawdzClick();
        break;
    case A::umiem:
        B_UmieszClick();
        break;
    case A::nie_umiem:
        B_Nie_umieszClick();
        break;
    case A::pomoc:
        return false; // the window's help page
    case A::grupa:
        krok([this] { silnik_.Pokaz_grupe(); });
        break;
    case A::akceptuj:
        K_ZaakceptujClick();
        break;
    case A::tlo:
        Losuj_tlo();
        break;
    case A::pokaz_odpowiedz:
        Pokaz_odpowiedz();
        break;
    case A::pokaz_id:
        L_pokaz_id.SetVisible(!L_pokaz_id.Visible());
        break;
    case A::przyklady:
        Pokaz_przyklady();
        break;
    case A::parametry:
        L_ParametryClick();
        break;
    case A::komentarz:
        K_Dodaj_KomentarzClick();
        break;
    case A::slownik:
        L_SlownikClick();
        break;
    case A::do_kosza:
        K_Do_KoszaClick();
        break;
    case A::zeruj:
        K_ZapomnijClick();
        break;
    case A::juz_umiem:
        K_umiemClick();
        break;
    }
    return true;
}

// ---- What the engine asks of the window ----

void TForm4::graj(const std::string& plik, bool czekaj) {
    graj_wav(plik, czekaj);
}

void TForm4::informacja(const std::string& tekst) {
    core::show_info(tekst);
}

void TForm4::zamknij() {
    // Never from inside the show: the modal loop must be running first.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) close();
    });
}

void TForm4::przerywnik() {
    if (przerywnik_hook()) przerywnik_hook()();
}

void TForm4::koniec_pytania() {
    zapisz_korekte();
}

void TForm4::nowe_pytanie() {
    nowe_pytanie_ = true;
    if (!tryb_korekty) return;
    const int i = silnik_.biezace_slowko();
    if (i < 1 || i > baza.ile_slow) return;
    slowko_korekty_ = i;
    const auto& f = baza.korekta_flagi[i];
    CH_Kor_Tylko_zd.SetChecked(f[0]);
    Ch_kor_dodac_zd.SetChecked(f[1]);
    Ch_Kor_Wywalic.SetChecked(f[2]);
    CH_Kor_Zmienic_gr.SetChecked(f[3]);
    Edit_Kor.SetText(baza.korekta_tekst1[i]);
    Edit_Kor_podp.SetText(baza.korekta_tekst2[i]);
    Label2.SetCaption(os::PartedText{{baza.synonimy[i], czcionka_charset}});
    korekta_wypelniona_ = true;
}

void TForm4::zapisz_korekte() {
    if (!tryb_korekty || !korekta_wypelniona_) return;
    korekta_wypelniona_ = false;
    const int i = slowko_korekty_;
    if (i < 1 || i > baza.ile_slow) return;
    baza.korekta_flagi[i] = {CH_Kor_Tylko_zd.Checked(), Ch_kor_dodac_zd.Checked(),
                             Ch_Kor_Wywalic.Checked(), CH_Kor_Zmienic_gr.Checked()};
    baza.korekta_tekst1[i] = Edit_Kor.Text();
    baza.korekta_tekst2[i] = Edit_Kor_podp.Text();
    baza.ma_korekte[i] = 1;
}

// ---- The screen ----

void TForm4::pokaz_ekran() {
    const Ekran& e = silnik_.ekran();
    SetCaption(e.podpis.empty() ? "Tavolent 4.0" : e.podpis);

    L_Slowko.SetFont(edycji(30, true, look::granat, e.slowko.charset));
    L_Slowko.SetCaption(e.slowko.tekst);
    L_Slowko.SetVisible(e.slowko.widoczny);

    const PolozeniaEkranu top = polozenia(e, silnik_.pytanie());
    if (e.ramka_widoczna) {
        const int wys = std::max(1, e.ramka.linie) * e.ramka.wysokosc_linii + 6;
        dxramka.SetBounds(geo4::ramka_lewa, top.ramka, geo4::ramka_szer, wys);
    }
    dxramka.SetVisible(e.ramka_widoczna);
    dxramka.update();

    DXRamka2.SetVisible(e.ramka2_widoczna);
    DXRamka2.update();
    for (size_t g = 0; g < wpis.size(); ++g) {
        ui::Edit& b = *wpis[g];
        if (g < e.luki.luki.size())
            b.move(geo4::DXRamka2.x + e.luki.luki[g].x, geo4::DXRamka2.y + e.luki.luki[g].y);
        if (nowe_pytanie_) b.SetText("");
        b.SetVisible(e.wpis_widoczny[g]);
    }

    L_Polecenie.SetCaption(e.polecenie);
    L_Polecenie.SetFontColor(e.polecenie_czerwone ? czerwony : 0xFF000000u | look::tekst);
    L_Polecenie.SetTop(top.polecenie);
    L_Polecenie.SetVisible(e.polecenie_widoczne);

    for (int n = 0; n < 4; ++n) {
        TMLabel& l = *odp[n];
        l.SetFont(edycji(20, false, look::tekst, e.odp_charset));
        l.SetCaption(e.odp[n]);
        l.SetTop(top.odp[n]);
        l.SetVisible(e.odp_widoczna[n]);
        wyr[n]->SetTop(top.odp[n]);
        wyr[n]->SetVisible(e.odp_widoczna[n]);
    }

    E_Wpisana.SetTop(top.wpisana);
    if (nowe_pytanie_ || !e.wpisana_widoczna) E_Wpisana.SetText("");
    E_Wpisana.SetVisible(e.wpisana_widoczna);

    L_Poprawna.SetFont(edycji(22, true, look::granat, e.poprawna.charset));
    L_Poprawna.SetCaption(e.poprawna.tekst);
    L_Poprawna.SetTop(top.poprawna);
    L_Poprawna.SetVisible(e.poprawna.widoczny);
    L_Poprawna2.SetCaption(e.poprawna2.tekst);
    L_Poprawna2.SetTop(top.poprawna2);
    L_Poprawna2.SetVisible(e.poprawna2.widoczny);

    B_OK.SetVisible(e.ok);
    B_Sprawdz.SetVisible(e.sprawdz);
    Tlo_umiesz.SetVisible(e.tlo_umiesz);
    B_Umiesz.SetVisible(e.umiesz);
    B_Nie_umiesz.SetVisible(e.nie_umiesz);
    K_Zaakceptuj.SetVisible(e.zaakceptuj);
    TransparentButton1.SetVisible(e.graj);
    if (!e.graj_podpowiedz.empty())
        TransparentButton1.SetHint(e.graj_podpowiedz,
                                   e.graj_podpowiedz == os::pl("Odtwórz") ? 238 : charset_obcy());

    L_Kom.SetCaption(e.kom.tekst, e.kom_obce.od, e.kom_obce.dlugosc, e.kom_obce.charset);
    L_Kom.SetVisible(e.kom.widoczny);
    L_kom_panel.SetVisible(e.kom.widoczny);
    L_przyklady.SetVisible(e.przyklady);
    k_play_nagrane.SetVisible(e.play_nagrane);

    L_Stat1.SetCaption(e.stat1);
    L_Stat2.SetCaption(e.stat2);
    L_Stat3.SetCaption(e.stat3);
    L_Powtorki.SetCaption(e.powtorki);
    L_pokaz_id.SetCaption(e.pokaz_id);
    L_grupa_tem.SetCaption(e.grupa_tem);

    if (nowe_pytanie_) {
        if (e.fokus == Fokus::wpisana)
            E_Wpisana.SetFocus();
        else if (e.fokus == Fokus::wpis1)
            E_Wpis1.SetFocus();
        else
            setFocus(Qt::OtherFocusReason);
    } else if (!pole_wpisywania() || !focusWidget() || !focusWidget()->isVisible()) {
        setFocus(Qt::OtherFocusReason);
    }
    nowe_pytanie_ = false;
}

void TForm4::rysuj_ramke(ui::Canvas& c) {
    for (const Slowo& s : silnik_.ekran().ramka.slowa) {
        c.SetFont(czcionka_ramki(s.charset, s.niebieskie ? niebieski : czarny));
        c.TextOut(s.x, s.y, s.tekst);
    }
}

void TForm4::rysuj_luki(ui::Canvas& c) {
    for (const Slowo& s : silnik_.ekran().luki.slowa) {
        c.SetFont(czcionka_ramki(s.charset));
        c.TextOut(s.x, s.y, s.tekst);
    }
}
