#include "trainer/wybor_zdan_form.h"

#include <QFontMetrics>
#include <algorithm>
#include <exception>

#include "core/exercises.h"
#include "core/repetitions.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/statistics.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/int_math.h"
#include "platform/os/message.h"
#include "platform/os/paths.h"
#include "platform/ui/bmp.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "trainer/windows.h"
#include "trainer/wybor_zdan_geometry.h"

namespace {

constexpr int WIERSZ = look::wybor_wiersz;
constexpr int WIERSZY = TPrzewijanaLista::WIERSZY;
static_assert(WIERSZY == look::wybor_wierszy);

QImage obrazek(const std::string& plik) {
    return obrazek_z_kluczem(plik);
}

void obrazek_w(ui::Image& holder, const std::string& plik) {
    holder.SetPicture(obrazek(plik));
    holder.SetVisible(false);
}

// One frame of a two-frame arrow strip.
QImage klatka_strzalki(const std::string& plik, int klatka) {
    const QImage pasek = obrazek(plik);
    if (pasek.isNull()) return {};
    const int w = pasek.width() / 2;
    return pasek.copy(klatka * w, 0, w, pasek.height());
}

void strzalka(TFCSImage1& s, const look::Rect& r, const std::string& plik) {
    umiesc(s, r);
    s.InitRepeatpause = 250;
    s.Repeatpause = 60;
    const QImage zwykla = klatka_strzalki(plik, 0);
    const QImage jasna = klatka_strzalki(plik, 1);
    s.SetPicture(zwykla);
    s.OnMouseEnter = [&s, jasna] { s.SetPicture(jasna); };
    s.OnMouseLeave = [&s, zwykla] { s.SetPicture(zwykla); };
    ui::hand_cursor(&s);
}

void zakladka(ui::Image& z, const look::Rect& r, const std::string& plik,
              std::function<void()> klik) {
    umiesc(z, r);
    z.SetPicture(obrazek(plik));
    z.OnClick = std::move(klik);
    ui::hand_cursor(&z);
}

std::span<const TCwInfo> wiersze_statystyk() {
    return {&tab_cw_info[1], static_cast<size_t>(std::clamp(ile_cw_info, 0, max_cw_info))};
}

// Runs a step of the window; a run-time error of the data routines is shown
// and ends the step.
template <class F> void krok(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        os::show_message(e.what());
    }
}

} // namespace

TWyborZdanForm::TWyborZdanForm()
    : ui::Window(look::okno_wyboru.w, look::okno_wyboru.h), img_tlo(this), btn_wyniki(this),
      btnWyniki_powtorek(this), k_wynik_powt_2(this), Shape1(this), btn_cwicz(this),
      pb_dzialy2(this), pb_paczki(this), Shape2(this), Shape3(this), shp_focus(this),
      L_btn_up(this), L_btn_dn(this), btn_up(this), btn_dn(this), L_Stat(this), lbl_info(this),
      k_usun(this), B_OK(this, Pasek::nauka), B_Zamknij(this, Pasek::anuluj2), poz_1(this),
      poz_2(this), poz_3(this), rob_yes(this), rob_no(this), cw_slowka(this), cw_zdania(this),
      cw_usera(this), img_progress(this), img_progress_back(this) {
    SetCaption(tytul_edycji);
    umiesc(img_tlo, {0, 0, look::okno_wyboru.w, look::okno_wyboru.h});
    tlo("gfx_s\\wybor_cw_a.bmp");

    zakladka(btn_wyniki, look::wybor_btn_wyniki, "gfx_s\\wybor_zakl_wyniki.bmp",
             [this] { krok([this] { btn_wynikiClick(); }); });
    zakladka(btnWyniki_powtorek, look::wybor_btnWyniki_powtorek, "gfx_s\\wybor_zakl_powt.bmp",
             [this] { krok([this] { btnWyniki_powtorekClick(); }); });
    zakladka(k_wynik_powt_2, look::wybor_k_wynik_powt_2, "gfx_s\\wybor_zakl_umiesz.bmp",
             [this] { krok([this] { k_wynik_powt_2Click(); }); });
    Shape1.SetPen(0xFF000000u | look::pomarancz, 2);
    btn_cwicz.SetVisible(false);
    btn_cwicz.OnClick = [this] { krok([this] { btn_cwiczClick(); }); };

    umiesc(pb_dzialy2, look::wybor_pb_dzialy2);
    umiesc(pb_paczki, look::wybor_pb_paczki);
    pb_dzialy2.OnPaint = [this](ui::Canvas& c) { maluj_dzialy(c); };
    pb_paczki.OnPaint = [this](ui::Canvas& c) { maluj_paczki(c); };
    pb_dzialy2.OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int y) {
        krok([this, y] { Wybierz_dzial(y / WIERSZ + 1); });
    };
    pb_paczki.OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int y) {
        krok([this, y] { Wybierz_paczke(y / WIERSZ + 1); });
    };
    pb_paczki.OnDblClick = [this] { krok([this] { B_OKClick(); }); };
    pb_dzialy2.setMouseTracking(true);
    pb_paczki.setMouseTracking(true);
    pb_dzialy2.OnMouseMove = [this](Qt::KeyboardModifiers, int, int y) {
        kursor(pb_dzialy2, lista_dzialow_, y);
    };
    pb_paczki.OnMouseMove = [this](Qt::KeyboardModifiers, int, int y) {
        kursor(pb_paczki, lista_paczek_, y);
    };

    const QRgb zaznaczenie = (0x46u << 24) | look::morski_jasny;
    for (TShape* s : {&Shape2, &Shape3}) {
        s->SetPen(0, 0);
        s->SetBrush(zaznaczenie);
        s->SetVisible(false);
    }
    shp_focus.SetPen(0xFF000000u | look::pomarancz, 1);
    shp_focus.SetVisible(false);
    shp_focus.Tag = 1;

    strzalka(L_btn_up, look::wybor_L_btn_up, "but_s\\op_gora.bmp");
    strzalka(L_btn_dn, look::wybor_L_btn_dn, "but_s\\op_dol.bmp");
    strzalka(btn_up, look::wybor_btn_up, "but_s\\op_gora.bmp");
    strzalka(btn_dn, look::wybor_btn_dn, "but_s\\op_dol.bmp");
    L_btn_up.OnClick = [this] { L_btn_upClick(); };
    L_btn_dn.OnClick = [this] { L_btn_dnClick(); };
    btn_up.OnClick = [this] { btn_upClick(); };
    btn_dn.OnClick = [this] { btn_dnClick(); };

    umiesc(L_Stat, look::wybor_L_Stat);
    L_Stat.SetFont(czcionka_arial(13, true, 0xC0202A));
    L_Stat.SetTransparent(true);
    umiesc(lbl_info, look::wybor_lbl_info);
    lbl_info.SetFont(czcionka_arial(12));

    umiesc(k_usun, look::wybor_k_usun);
    k_usun.SetPicture(obrazek("gfx_s\\wybor_k_usun.bmp"));
    k_usun.SetHint(os::pl("Wykasuj cwiczenie."));
    k_usun.OnClick = [this] { krok([this] { k_usunClick(); }); };
    ui::hand_cursor(&k_usun);
    k_usun.SetVisible(false);

    ustaw_przycisk(B_OK, look::wybor_B_OK, [this] { krok([this] { B_OKClick(); }); });
    ustaw_przycisk(B_Zamknij, look::wybor_B_Zamknij, [this] { B_ZamknijClick(); });
    B_OK.SetVisible(false);
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);

    obrazek_w(poz_1, "gfx_s\\wybor_poz_1.bmp");
    obrazek_w(poz_2, "gfx_s\\wybor_poz_2.bmp");
    obrazek_w(poz_3, "gfx_s\\wybor_poz_3.bmp");
    obrazek_w(rob_yes, "gfx_s\\wybor_rob_yes.bmp");
    obrazek_w(rob_no, "gfx_s\\wybor_rob_no.bmp");
    obrazek_w(cw_slowka, "gfx_s\\wybor_cw_slowka.bmp");
    obrazek_w(cw_zdania, "gfx_s\\wybor_cw_zdania.bmp");
    obrazek_w(cw_usera, "gfx_s\\wybor_cw_usera.bmp");
    obrazek_w(img_progress, "gfx_s\\wybor_progress.bmp");
    obrazek_w(img_progress_back, "gfx_s\\wybor_progress_back.bmp");

    tryb_wyboru = 1;
    btn_cwiczClick();
}

void TWyborZdanForm::tlo(const char* plik) {
    if (plik_tla_ == plik) return;
    plik_tla_ = plik;
    img_tlo.SetPicture(tlo_okna(plik, look::okno_wyboru));
}

void TWyborZdanForm::pokaz_widok(bool modalnie) {
    const int widok = tryb_wyboru;
    if (!modalnie) show_modeless();
    SetHelpPage(widok == 1 ? "h_10_slow.html" : "h_12_wynik.html");
    L_Stat.SetCaption("");
    lbl_info.SetCaption("");
    tlo("gfx_s\\wybor_cw_a.bmp");
    bool gotowe = false;
    krok([this, widok, &gotowe] {
        czytaj_statystyki();
        if (ile_cw_info < 1) {
            core::show_info(os::pl("Brak informacji o cwiczeniach!"));
            return;
        }
        btn_cwiczClick();
        if (widok == 2) btn_wynikiClick();
        gotowe = true;
    });
    if (modalnie && gotowe) show_modal();
}

// ---- Views

void TWyborZdanForm::zbuduj_dzialy(Widok w) {
    const std::span<const TGrupa> tabela(&grupy[1],
                                         static_cast<size_t>(std::clamp(ile_grup, 0, MAX_GRUP)));
    if (w == Widok::cwiczenia) {
        dzialy_ = dzialy_cwiczen(tabela, wiersze_statystyk());
    } else {
        TDzialyGrup g =
            dzialy_grup(w == Widok::grupy_w_powtorce ? TWidokGrup::w_powtorce : TWidokGrup::umiesz,
                        tabela, baza, tab_powtorek, ustawienia.linia[U_UMIESZ]);
        dzialy_ = std::move(g.dzialy);
        L_Stat.SetCaption(g.L_Stat);
    }
    lista_dzialow_.nowa_lista(static_cast<int>(dzialy_.size()));
    paczki_.clear();
    lista_paczek_.nowa_lista(0);
    shp_focus.Tag = 1;
    uloz_zaznaczenia();
    pb_dzialy2.update();
    pb_paczki.update();
}

void TWyborZdanForm::zaznacz_zakladke(ui::Image* z) {
    for (ui::Image* t : {&btn_wyniki, &btnWyniki_powtorek, &k_wynik_powt_2})
        t->SetVisible(z != nullptr);
    Shape1.SetVisible(z != nullptr);
    if (z) Shape1.setGeometry(z->geometry().adjusted(-3, -3, 3, 3));
    Shape1.raise();
}

void TWyborZdanForm::otworz_widok(Widok w, ui::Image* zakladka) {
    tryb_wyboru = w == Widok::cwiczenia ? (zakladka ? 2 : 1) : 3;
    SetHelpPage(tryb_wyboru == 1 ? "h_10_slow.html" : "h_12_wynik.html");
    zaznacz_zakladke(zakladka);
    tlo(tryb_wyboru == 3 ? "gfx_s\\wybor_cw_2_a.bmp" : "gfx_s\\wybor_cw_a.bmp");
    pb_paczki.SetVisible(tryb_wyboru != 3);
    L_Stat.SetCaption("");
    lbl_info.SetCaption("");
    zbuduj_dzialy(w);
    L_Stat.SetVisible(tryb_wyboru == 3);
    Wybierz_dzial(1);
}

void TWyborZdanForm::btn_cwiczClick() {
    otworz_widok(Widok::cwiczenia, nullptr);
}

void TWyborZdanForm::btn_wynikiClick() {
    otworz_widok(Widok::cwiczenia, &btn_wyniki);
}

void TWyborZdanForm::btnWyniki_powtorekClick() {
    otworz_widok(Widok::grupy_w_powtorce, &btnWyniki_powtorek);
}

void TWyborZdanForm::k_wynik_powt_2Click() {
    otworz_widok(Widok::grupy_umiesz, &k_wynik_powt_2);
}

// ---- Selection

void TWyborZdanForm::uloz_zaznaczenia() {
    const bool lista_paczek = tryb_wyboru != 3;
    auto uloz = [](TShape& s, const ui::PaintBox& pb, const TPrzewijanaLista& l, bool widoczna) {
        s.Tag = l.wiersz();
        const bool pokaz = widoczna && l.zaznaczenie_widoczne();
        if (pokaz) s.setGeometry(pb.x(), pb.y() + (l.wiersz() - 1) * WIERSZ, pb.width(), WIERSZ);
        s.SetVisible(pokaz);
        s.raise();
    };
    uloz(Shape2, pb_dzialy2, lista_dzialow_, true);
    uloz(Shape3, pb_paczki, lista_paczek_, lista_paczek);

    TShape& cel = shp_focus.Tag == 2 ? Shape3 : Shape2;
    shp_focus.SetVisible(cel.Visible());
    if (cel.Visible()) shp_focus.setGeometry(cel.geometry());
    shp_focus.raise();
    B_OK.SetVisible(Shape3.Visible());

    L_btn_up.SetVisible(lista_dzialow_.strzalka_gora());
    L_btn_dn.SetVisible(lista_dzialow_.strzalka_dol());
    btn_up.SetVisible(lista_paczek && lista_paczek_.strzalka_gora());
    btn_dn.SetVisible(lista_paczek && lista_paczek_.strzalka_dol());
}

void TWyborZdanForm::Wybierz_dzial(int wiersz) {
    if (!lista_dzialow_.zaznacz_wiersz(wiersz)) return;
    shp_focus.Tag = 1;
    k_usun.SetVisible(false);
    nazwa_usera_.clear();
    tytul_usera_.clear();
    zbuduj_paczki();
    lista_paczek_.nowa_lista(static_cast<int>(paczki_.size()));
    uloz_zaznaczenia();
    if (tryb_wyboru != 3) pb_paczki.update();
    pb_dzialy2.update();
    const TDzial& d = dzialy_[static_cast<size_t>(lista_dzialow_.wybrana() - 1)];
    lbl_info.SetCaption(tryb_wyboru == 3 ? d.opis : std::string());
}

void TWyborZdanForm::zbuduj_paczki() {
    paczki_.clear();
    const int p = lista_dzialow_.wybrana();
    if (p < 1 || p > static_cast<int>(dzialy_.size())) return;
    const int g = dzialy_[static_cast<size_t>(p - 1)].grupa;
    paczki_ = Paczki_dzialu(grupy[static_cast<size_t>(g)].numer, wiersze_statystyk());
    Sortuj_paczki(paczki_, wiersze_statystyk());
}

void TWyborZdanForm::Odswiez_liste() {
    zbuduj_paczki();
    const int przesuniecie = lista_paczek_.przesuniecie();
    const int wybrana = lista_paczek_.wybrana();
    lista_paczek_.nowa_lista(static_cast<int>(paczki_.size()));
    lista_paczek_.przywroc(przesuniecie, wybrana);
    uloz_zaznaczenia();
    pb_paczki.update();
}

const TCwInfo* TWyborZdanForm::wiersz_paczki(int pozycja) const {
    if (pozycja < 1 || pozycja > static_cast<int>(paczki_.size())) return nullptr;
    const int w = paczki_[static_cast<size_t>(pozycja - 1)].wiersz;
    return w >= 1 && w <= ile_cw_info ? &tab_cw_info[static_cast<size_t>(w)] : nullptr;
}

void TWyborZdanForm::Wybierz_paczke(int wiersz) {
    if (tryb_wyboru == 3 || !lista_paczek_.zaznacz_wiersz(wiersz)) return;
    shp_focus.Tag = 2;
    uloz_zaznaczenia();
    const TCwInfo* w = wiersz_paczki(lista_paczek_.wybrana());
    if (!w) return;
    const bool usera = Copy(Trim(w->nazwa), 1, 1) == "2" && tryb_wyboru == 1;
    nazwa_usera_ = usera ? w->nazwa : std::string();
    tytul_usera_ = usera ? Trim(w->tytul) : std::string();
    k_usun.SetVisible(usera);
    lbl_info.SetCaption(opis_statystyki(w->nazwa));
}

// ---- Starting and deleting

void TWyborZdanForm::B_OKClick() {
    const TCwInfo* w = wiersz_paczki(lista_paczek_.wybrana());
    if (!w || !B_OK.Visible()) return;
    sesja.biezace_cw = w->nazwa;
    sesja.kierunek_cw = w->kierunek;
    sesja.rodzaj_cw = w->rodzaj;
    sesja.wybrane_cw = w->nazwa;
    czytaj_cwiczenie(sesja.wybrane_cw);
    wybierz_do_cwiczenia();
    if (z_generatora) {
        close();
        return;
    }
    if (lista_gotowa && Form8) {
        sesja.z_wyboru = true;
        Form8->show_modal();
        sesja.z_wyboru = false;
    }
}

void TWyborZdanForm::B_ZamknijClick() {
    close();
}

void TWyborZdanForm::k_usunClick() {
    if (nazwa_usera_.empty() || !Form29) return;
    Form29->Label1.SetCaption(os::pl("Czy chcesz usunąć Ćwiczenie: ") + tytul_usera_ + " ?");
    Form29->show_modal();
    if (tak_pytanie != 1) return;
    const std::string nazwa = nazwa_usera_;
    if (!zapisz_cwiczenie_usera(nazwa, tytul_usera_, 0)) return;
    usun_statystyki_cwiczenia(nazwa);
    k_usun.SetVisible(false);
    nazwa_usera_.clear();
    tytul_usera_.clear();
    lista_paczek_.odznacz();
    lbl_info.SetCaption("");
    Odswiez_liste();
}

// ---- Scrolling and keys

void TWyborZdanForm::przewin(TPrzewijanaLista& lista, bool w_dol) {
    if (!(w_dol ? lista.przewin_w_dol() : lista.przewin_w_gore())) return;
    uloz_zaznaczenia();
    (&lista == &lista_dzialow_ ? pb_dzialy2 : pb_paczki).update();
}

void TWyborZdanForm::L_btn_upClick() {
    przewin(lista_dzialow_, false);
}

void TWyborZdanForm::L_btn_dnClick() {
    przewin(lista_dzialow_, true);
}

void TWyborZdanForm::btn_upClick() {
    przewin(lista_paczek_, false);
}

void TWyborZdanForm::btn_dnClick() {
    przewin(lista_paczek_, true);
}

bool TWyborZdanForm::FormKeyDown(int key, Qt::KeyboardModifiers) {
    const bool paczki = shp_focus.Tag == 2;
    TPrzewijanaLista& lista = paczki ? lista_paczek_ : lista_dzialow_;
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const int przesuniecie = lista.przesuniecie();
        const int wiersz = key == Qt::Key_Down ? lista.klawisz_w_dol() : lista.klawisz_w_gore();
        // A scrolled list shows other entries in every row: all of it is painted again.
        if (lista.przesuniecie() != przesuniecie) {
            uloz_zaznaczenia();
            (paczki ? pb_paczki : pb_dzialy2).update();
        }
        if (wiersz > 0) krok([&] { paczki ? Wybierz_paczke(wiersz) : Wybierz_dzial(wiersz); });
        return true;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (tryb_wyboru == 3) return true;
        if (paczki) {
            // The highlighted section is selected again, also when it is
            // scrolled out of view.
            if (lista_dzialow_.wybrana() > 0)
                krok([this] { Wybierz_dzial(lista_dzialow_.wiersz()); });
        } else if (lista_paczek_.zaznaczenie_widoczne()) {
            shp_focus.Tag = 2;
            uloz_zaznaczenia();
        } else if (lista_paczek_.dlugosc() > 0) {
            krok([this] { Wybierz_paczke(1); });
        }
        return true;
    default:
        return false;
    }
}

void TWyborZdanForm::FormActivate() {
    const bool byla_paczka = tryb_wyboru != 3 && lista_paczek_.zaznaczenie_widoczne();
    const int przesuniecie = lista_paczek_.przesuniecie();
    const int wybrana = lista_paczek_.wybrana();
    const int fokus = shp_focus.Tag;
    if (!lista_dzialow_.zaznaczenie_widoczne()) return;
    Wybierz_dzial(lista_dzialow_.wiersz());
    if (!byla_paczka) return;
    lista_paczek_.przywroc(przesuniecie, wybrana);
    if (lista_paczek_.zaznaczenie_widoczne()) Wybierz_paczke(lista_paczek_.wiersz());
    shp_focus.Tag = fokus;
    uloz_zaznaczenia();
}

void TWyborZdanForm::OnActivate() {
    krok([this] { FormActivate(); });
}

void TWyborZdanForm::OnClose() {
    img_tlo.SetPicture(QImage());
    plik_tla_.clear();
}

// ---- Painting

void TWyborZdanForm::kursor(ui::PaintBox& pb, const TPrzewijanaLista& lista, int y) {
    const bool nad_wpisem = lista.pozycja_wiersza(y / WIERSZ + 1) > 0;
    pb.setCursor(nad_wpisem ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TWyborZdanForm::pasek(ui::Canvas& c, int x, int y, int procent) {
    const QImage& ramka = img_progress_back.Picture();
    const QImage& pelny = img_progress.Picture();
    c.Draw(x, y + 1, ramka);
    const int w = std::clamp(os::round_even(procent * 0.75), 0, look::wybor_img_progress.w);
    if (w > 0) c.Draw({x + 2, y + 3}, pelny, QRect(0, 0, w, pelny.height()));
}

namespace {

// Text cut with an ellipsis to the width, at the top-left of its row.
void tekst(ui::Canvas& c, int x, int y, int szer, const std::string& s) {
    const QFont f = ui::qfont(c.GetFont());
    const QString q =
        QFontMetrics(f).elidedText(ui::to_qt(s, c.GetFont().charset), Qt::ElideRight, szer);
    c.TextOut(x, y, ui::from_qt(q, c.GetFont().charset));
}

} // namespace

void TWyborZdanForm::maluj_dzialy(ui::Canvas& c) {
    c.SetFont(czcionka_arial(13, false, look::tekst));
    const bool wyniki = tryb_wyboru != 1;
    for (int r = 1; r <= WIERSZY; ++r) {
        const int p = lista_dzialow_.pozycja_wiersza(r);
        if (p == 0) break;
        const TDzial& d = dzialy_[static_cast<size_t>(p - 1)];
        const int y = (r - 1) * WIERSZ;
        const int x = look::wybor_tekst_lewa;
        tekst(c, x, y + 1, (wyniki ? look::wybor_dzial_procent : pb_dzialy2.width()) - x - 6,
              d.nazwa);
        if (!wyniki) continue;
        c.TextOut(look::wybor_dzial_procent, y + 1, IntToStr(d.procent) + "%");
        pasek(c, look::wybor_dzial_pasek, y, d.procent);
    }
}

void TWyborZdanForm::maluj_paczki(ui::Canvas& c) {
    c.SetFont(czcionka_arial(13, false, look::tekst));
    const bool wyniki = tryb_wyboru == 2;
    constexpr int krok_ikony = look::wybor_ikona + look::wybor_ikona_odstep;
    for (int r = 1; r <= WIERSZY; ++r) {
        const int p = lista_paczek_.pozycja_wiersza(r);
        if (p == 0) break;
        const TCwInfo* w = wiersz_paczki(p);
        if (!w) continue;
        const int y = (r - 1) * WIERSZ;
        const int iy = y + (WIERSZ - look::wybor_ikona) / 2;
        int x = 2;
        const ui::Image* kategoria = w->kategoria == 1   ? &poz_1
                                     : w->kategoria == 2 ? &poz_2
                                     : w->kategoria == 3 ? &poz_3
                                                         : nullptr;
        if (kategoria) c.Draw(x, iy, kategoria->Picture());
        x += krok_ikony;
        if (!wyniki) {
            c.Draw(x, iy, (w->uruchomienia > 0 ? rob_yes : rob_no).Picture());
            x += krok_ikony;
        }
        const char rodzaj = w->nazwa.empty() ? '0' : w->nazwa[0];
        c.Draw(x, iy, (rodzaj == '1' ? cw_zdania : rodzaj == '2' ? cw_usera : cw_slowka).Picture());
        x += krok_ikony;
        const int procent = paczki_[static_cast<size_t>(p - 1)].procent;
        const int koniec = wyniki ? look::wybor_paczka_procent - 6 : pb_paczki.width() - 4;
        tekst(c, x, y + 1, koniec - x, w->tytul);
        if (!wyniki) continue;
        c.TextOut(look::wybor_paczka_procent, y + 1, IntToStr(procent) + "%");
        pasek(c, look::wybor_paczka_pasek, y, procent);
    }
}
