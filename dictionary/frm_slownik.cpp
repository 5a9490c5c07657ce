#include "dictionary/frm_slownik.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>
#include <exception>

#include "core/hand_off.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "dictionary/options_file.h"
#include "dictionary/search.h"
#include "dictionary/slownik_geometry.h"
#include "platform/os/codepage.h"
#include "platform/ui/bmp.h"
#include "shared/form9.h"
#include "shared/forms.h"
#include "shared/informacja.h"
#include "shared/login.h"

TFrmSlownik* FrmSlownik = nullptr;

namespace {

constexpr QRgb czarny = 0xFF000000u;
constexpr QRgb niebieski = 0xFF0000FFu; // the selected row

ui::Font czcionka_wiersza(int charset) {
    ui::Font f;
    f.face = "Arial";
    f.pixels = ui::points_to_pixels(10);
    f.charset = charset;
    f.color = czarny;
    return f;
}

// The window's picture buttons draw from strips of its own.
void zaladuj_paski(TMyImageList& lista) {
    for (Pasek p : {Pasek::sl_szukaj, Pasek::sl_zdania, Pasek::sl_do_nauki, Pasek::sl_wszystkie}) {
        try {
            const int i = lista.AddFromFile(sciezka_programu + opis_paska(p).plik, 2, 0, 0);
            lista.SetName(i, p);
        } catch (const std::exception&) {
            // Without its strip the button keeps its place and paints nothing.
        }
    }
}

} // namespace

TFrmSlownik::TFrmSlownik()
    : ui::Window(look::okno_slownika.w, look::okno_slownika.h), Image1(this), Label1(this),
      L_Minim(this), L_Close(this), CB_Gr_Tem(this), K_Szukaj(this, Pasek::sl_szukaj),
      K_Do_Nauki(this, Pasek::sl_do_nauki), K_Wszystkie(this, Pasek::sl_wszystkie),
      k_zdania(this, Pasek::sl_zdania), L_Ile_wybrano(this), L_Opis(this),
      Suwak(this, Qt::Vertical) {
    // The store is this program's from the start: the user choice loads nothing.
    dane_wczytane = true;
    start_slownika();
    sciezka_usera.clear();
    wczytaj_dane_slownika();
    przygotuj_zdania_slownika();

    uloz_pasek_tytulu();
    umiesc(CB_Gr_Tem, look::slownik_CB_Gr_Tem);
    CB_Gr_Tem.SetFont(czcionka_arial(14));
    CB_Gr_Tem.OnChange = [this] { CB_Gr_TemClick(); };

    uloz_przyciski();
    ustaw_komunikat(L_Ile_wybrano, look::slownik_L_Ile_wybrano);
    L_Ile_wybrano.SetWordWrap(false);
    L_Ile_wybrano.SetFont(czcionka_arial(14, true, look::granat));
    L_Ile_wybrano.SetLayout(Qt::AlignVCenter);
    ustaw_komunikat(L_Opis, look::slownik_L_Opis);
    L_Opis.SetFont(czcionka_arial(13, false, look::tekst));

    uloz_wiersze();
    umiesc(Suwak, look::slownik_Suwak);
    Suwak.SetRange(1, 1);
    Suwak.SetLargeChange(WIERSZY_SLOWNIKA);
    Suwak.OnChange = [this] { Rysuj_wiersze(); };

    // The group combo: groups numbered other than 0, in table order.
    for (int g = 1; g <= ile_grup; ++g) {
        if (grupy[g].numer == 0) continue;
        CB_Gr_Tem.Items().Add(grupy[g].nazwa);
        numery_grup_.push_back(grupy[g].numer);
    }
    CB_Gr_Tem.SetItemIndex(numery_grup_.empty() ? -1 : 0);
    Listuj_grupe();

    opcje = czytaj_opcje_slownika(plik_opcji_);

    Timer1.SetInterval(1000);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer1.SetEnabled(true);
    // The trainer's signal sets the caption; the watch above answers it.
    connect(&sygnal_, &ui::WindowSignalListener::captionReceived, this,
            [this](const QByteArray& c) { SetCaption(c.toStdString()); });
    sygnal_.listen(tytul_slownika);
    SetCaption(tytul_slownika);
}

void TFrmSlownik::uloz_pasek_tytulu() {
    ustaw_tlo(Image1, "gfx_s\\slownik.bmp", look::okno_slownika);
    umiesc(Label1, look::slownik_Label1);
    Label1.OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        przeciagnij(b, x, y);
    };
    Label1.OnMouseMove = [this](Qt::KeyboardModifiers, int x, int y) {
        if (ciagniecie_) move(pos() + QPoint(x, y) - chwyt_);
    };
    Label1.OnMouseUp = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        ciagniecie_ = false;
    };
    ui::hand_cursor(&Label1);
    for (auto [l, znak] : {std::pair{&L_Minim, "\x96"}, std::pair{&L_Close, "\xD7"}}) {
        umiesc(*l, l == &L_Minim ? look::slownik_L_Minim : look::slownik_L_Close);
        l->SetFont(czcionka_arial(16, true, 0xFFFFFF));
        l->SetAlignment(Qt::AlignHCenter);
        l->SetLayout(Qt::AlignVCenter);
        l->SetCaption(znak);
        ui::hand_cursor(l);
    }
    L_Minim.SetHint(os::pl("Minimalizuj"));
    L_Close.SetHint(os::pl("Zamknij"));
    L_Minim.OnClick = [this] { showMinimized(); };
    L_Close.OnClick = [this] { close(); };
}

void TFrmSlownik::uloz_przyciski() {
    zaladuj_paski(przyciski_);
    for (auto [b, r] : {std::pair{&K_Szukaj, look::slownik_K_Szukaj},
                        std::pair{&K_Do_Nauki, look::slownik_K_Do_Nauki},
                        std::pair{&K_Wszystkie, look::slownik_K_Wszystkie},
                        std::pair{&k_zdania, look::slownik_k_zdania}}) {
        b->SetImageList(&przyciski_);
        umiesc(*b, r);
        ui::hand_cursor(b);
    }
    K_Szukaj.OnClick = [this] { K_SzukajClick(); };
    K_Do_Nauki.OnClick = [this] { K_Do_NaukiClick(); };
    K_Wszystkie.OnClick = [this] { K_WszystkieClick(); };
    k_zdania.OnClick = [this] { k_zdaniaClick(); };
    K_Szukaj.SetHint(os::pl("Szukaj słowa (Ctrl+F lub spacja)"));
    K_Do_Nauki.SetHint(os::pl("Dodaj zaznaczone słowo do nauki"));
    K_Wszystkie.SetHint(os::pl("Wróć do grup tematycznych"));
    k_zdania.SetHint(os::pl("Przykłady użycia szukanego słowa"));
}

void TFrmSlownik::uloz_wiersze() {
    for (int j = 1; j <= WIERSZY_SLOWNIKA; ++j) {
        const int top = look::slownik_wiersz_top(j);
        auto& l = L[static_cast<size_t>(j - 1)];
        auto& p = P[static_cast<size_t>(j - 1)];
        l = std::make_unique<ui::Label>(this);
        p = std::make_unique<ui::Label>(this);
        l->setGeometry(look::slownik_L_lewa, top, look::slownik_L_szer, look::slownik_wiersz_wys);
        p->setGeometry(look::slownik_P_lewa, top, look::slownik_P_szer, look::slownik_wiersz_wys);
        l->SetFont(czcionka_wiersza(0));
        p->SetFont(czcionka_wiersza(238));
        for (ui::Label* w : {l.get(), p.get()}) {
            w->SetTransparent(true);
            w->SetLayout(Qt::AlignVCenter);
            w->Tag = j;
            w->OnClick = [this, j] { SlowkoClick(j); };
            ui::hand_cursor(w);
        }
    }
}

TFrmSlownik::~TFrmSlownik() = default;

void TFrmSlownik::przeciagnij(Qt::MouseButton b, int x, int y) {
    if (b != Qt::LeftButton) return;
    // The window system moves it as by a title bar; where it cannot, the
    // window follows the mouse itself.
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) return;
    ciagniecie_ = true;
    chwyt_ = QPoint(x, y);
}

void TFrmSlownik::OnShow() {
    szukane_slowo.clear();
    K_Wszystkie.SetVisible(false);
    L_Ile_wybrano.SetVisible(false);
    SetCaption(tytul_slownika);
    Listuj_grupe();
}

void TFrmSlownik::Listuj_grupe() {
    const int k = CB_Gr_Tem.ItemIndex();
    const int numer = k >= 0 && k < static_cast<int>(numery_grup_.size())
                          ? numery_grup_[static_cast<size_t>(k)]
                          : 0;
    szukane_slowo.clear();
    lista_.ustaw(slowa_grupy(numer));
    Odswiez();
}

void TFrmSlownik::Odswiez() {
    L_Opis.SetCaption("");
    K_Do_Nauki.SetVisible(false);
    k_zdania.SetVisible(false);
    pokaz_linie_liczby(L_Ile_wybrano, tekst_liczby(lista_.ile(), szukane_slowo), szukane_slowo,
                       znaki_szukanego);
    Suwak.SetRange(1, lista_.max_suwaka());
    Suwak.SetVisible(lista_.suwak_widoczny());
    Suwak.SetPosition(1);
    Rysuj_wiersze();
}

void TFrmSlownik::Rysuj_wiersze() {
    const int pos = Suwak.Position();
    for (int j = 1; j <= WIERSZY_SLOWNIKA; ++j) {
        const int i = lista_.element_wiersza(j, pos);
        const QRgb kolor = lista_.zaznaczony(j, pos) ? niebieski : czarny;
        auto& l = *L[static_cast<size_t>(j - 1)];
        auto& p = *P[static_cast<size_t>(j - 1)];
        l.SetCaption(i ? baza.slowo_obce[i] : std::string());
        p.SetCaption(i ? baza.tlumaczenie[i] : std::string());
        l.SetFontColor(kolor);
        p.SetFontColor(kolor);
    }
    L_Opis.SetCaption("");
}

void TFrmSlownik::graj(int i) {
    if (i >= 1 && plyta_znaleziona()) graj_wav(sciezka_nagrania(i), false);
}

void TFrmSlownik::SlowkoClick(int tag) {
    const int pos = Suwak.Position();
    if (lista_.ile() == 0 || !lista_.kliknij(tag, pos)) {
        // An empty list, or a row below a short list: nothing to describe or send.
        Rysuj_wiersze();
        K_Do_Nauki.SetVisible(false);
        L_Opis.SetCaption("");
        return;
    }
    Rysuj_wiersze();
    const int i = lista_.wybrany();
    graj(i);
    K_Do_Nauki.SetVisible(true);
    L_Opis.SetCaption(opis_pozycji(i));
}

void TFrmSlownik::K_SzukajClick() {
    szukane_slowo.clear();
    if (Form23) {
        Form23->place(x() + (width() - Form23->width()) / 2, y() + (height() - Form23->height()) / 2);
        Form23->show_modal();
        znaki_szukanego = Form23->ZnakiTekstu();
    }
    const std::string slowo = Trim(szukane_slowo);
    if (slowo.empty()) return;
    CB_Gr_Tem.SetVisible(false);
    K_Wszystkie.SetVisible(true);
    szukane_slowo = slowo;
    // Each column is searched with the word as typed, in its own set.
    const std::string obce = Form23 ? Form23->Szukane(czcionka_charset) : slowo;
    const std::string polskie = Form23 ? Form23->Szukane(238) : slowo;
    lista_.ustaw(szukaj_slow(obce, polskie, opcje));
    Odswiez();
    L_Ile_wybrano.SetVisible(true);
    ostatnie_szukane = slowo;
    zdania_ = obce.empty() ? std::vector<int>() : szukaj_zdan(3, obce);
    k_zdania.SetVisible(!zdania_.empty());
    szukane_slowo.clear();
}

void TFrmSlownik::k_zdaniaClick() {
    if (ostatnie_szukane.empty()) return;
    CB_Gr_Tem.SetVisible(false);
    K_Wszystkie.SetVisible(true);
    lista_.odznacz();
    Rysuj_wiersze();
    if (InformacjaForm) {
        InformacjaForm->Label1.SetCaption(tekst_przykladow(zdania_, plyta_znaleziona()));
        InformacjaForm->show_modal();
    }
    K_Do_Nauki.SetVisible(false);
}

void TFrmSlownik::K_WszystkieClick() {
    CB_Gr_Tem.SetVisible(true);
    K_Wszystkie.SetVisible(false);
    L_Ile_wybrano.SetVisible(false);
    Listuj_grupe();
}

void TFrmSlownik::CB_Gr_TemClick() {
    Listuj_grupe();
    if (Suwak.Visible()) Suwak.SetFocus();
}

void TFrmSlownik::K_Do_NaukiClick() {
    if (sciezka_usera.empty() && Form9) Form9->show_modal();
    // Without a learner there is no folder to send the word to.
    if (sciezka_usera.empty()) {
        core::show_info(os::pl("Nie wybrano użytkownika, więc słowo nie zostało dodane do nauki."));
        return;
    }
    if (zglos_nieczytelne_slowa(sciezka_usera, os::pl(" Słowo nie zostało dodane do nauki."))) return;
    const int i = lista_.wybrany();
    if (!dopisz_slowo(sciezka_usera, i ? baza.id_slowa[i] : 0)) {
        core::show_info(os::pl("Nie można zapisać pliku ") + os::path_text(plik_slow(sciezka_usera)) +
                        os::pl(", słowo nie zostało dodane do nauki."));
        return;
    }
    graj_wav(sciezka_programu + "klik.wav", false);
}

bool TFrmSlownik::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    const Qt::KeyboardModifiers m = mods & ~Qt::KeypadModifier;
    if ((key == Qt::Key_F && m == Qt::ControlModifier) || key == Qt::Key_Space) {
        K_SzukajClick();
        return true;
    }
    // The key left of "1" (and "1" itself) plays the first row shown.
    if (key == Qt::Key_QuoteLeft || key == Qt::Key_AsciiTilde || key == Qt::Key_1 ||
        key == Qt::Key_Exclam) {
        graj(lista_.element_wiersza(1, Suwak.Position()));
        return true;
    }
    return false;
}

void TFrmSlownik::Timer1Timer() {
    if (jezyk_edycji == 0 || Caption() == tytul_slownika) return;
    // The trainer asked for the window: to the front, and the caption back.
    showNormal();
    raise();
    activateWindow();
    Timer1.SetEnabled(false);
    SetCaption(tytul_slownika);
    Timer1.SetEnabled(true);
}

void TFrmSlownik::OnClose() {
    zapisz_opcje_slownika(plik_opcji_, opcje);
}
