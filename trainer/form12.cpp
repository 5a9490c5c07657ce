#include "trainer/form12.h"

#include "core/exercises.h"
#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/line_file.h"
#include "platform/os/paths.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "trainer/form12_geometry.h"
#include "trainer/windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

void etykieta(ui::Label& l, const look::Rect& r, const std::string& tekst, bool gruba = false) {
    umiesc(l, r);
    l.SetFont(czcionka_arial(13, gruba));
    l.SetTransparent(true);
    l.SetLayout(Qt::AlignVCenter);
    l.SetCaption(tekst);
}

void lista(ui::ComboBox& cb, const look::Rect& r, const std::vector<std::string>& pozycje) {
    umiesc(cb, r);
    cb.SetFont(czcionka_arial(13));
    cb.Items().Assign(pozycje);
}

} // namespace

TForm12::TForm12()
    : ui::Window(geo12::okno.w, geo12::wysokosc_mala), Image1(this), L_wyznacz(this),
      L_slowka(this), L_zdania(this), L_tryb(this), L_czestosc(this), L_umiesz(this),
      L_juz_umiem(this), CB_Cw_Wyznacz(this), CB_Cw_Wyznacz_Zd(this), CB_Tryb_Nauki(this),
      CB_Czestosc_powtorek(this), E_P_Powt_inter_umiesz(this), E_P_Powt_juz_Umiem(this),
      CB_Czy_statystyka(this), Label6(this), CB_Czy_zdania(this), Label9(this),
      CB_Intens_1(this), Label13(this), L_przerywniki(this), LB1(this), CB_Bonus_koniec(this),
      Label15(this), L_typ(this), CB_Typ(this), Label3(this), CB_Cw(this),
      k_opcje_wiecej(this), L_czarny_pasek(this), B_Ok(this, Pasek::ok2),
      B_Zamknij(this, Pasek::anuluj2), L_Kat_usera(this), L_kopie(this), ListBox1(this),
      K_import_kopia1(this), K_import(this) {
    SetCaption("Ustawienia");
    ustaw_tlo(Image1, "gfx_s\\ustawienia.bmp", geo12::okno);

    uloz_nauke();
    uloz_opcje();

    ustaw_obrazek(k_opcje_wiecej, geo12::k_opcje_wiecej, "gfx_s\\k_opcje_wiecej.bmp",
             [this] { k_opcje_wiecejClick(); });
    k_opcje_wiecej.SetHint(os::pl("Kopie powtórek i import"));
    ustaw_obrazek(L_czarny_pasek, geo12::L_czarny_pasek, "gfx_s\\czarny_pasek.bmp");
    ustaw_przycisk(B_Ok, geo12::B_Ok, [this] { B_OkClick(); });
    ustaw_przycisk(B_Zamknij, geo12::B_Zamknij, [this] { B_ZamknijClick(); });
    B_Ok.SetHint("OK");
    B_Zamknij.SetHint(os::pl("Zamknij"));

    uloz_kopie();

    SetDefaultButton(&B_Ok);
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_14_ustaw.html");
}

// What sets the repetition, the intensity, the frequency and the intervals.
void TForm12::uloz_nauke() {
    etykieta(L_wyznacz, geo12::L_wyznacz,
             os::pl("Ćwiczenie wyznaczające powtórkę i weryfikujące znajomość:"), true);
    L_wyznacz.SetWordWrap(true);
    etykieta(L_slowka, geo12::L_slowka, os::pl("- słówka:"));
    etykieta(L_zdania, geo12::L_zdania, os::pl("- zdania:"));
    etykieta(L_tryb, geo12::L_tryb, os::pl("Intensywność nauki - wymagana:"));
    L_tryb.SetHint(os::pl("Wymagana ilość poprawnych odpowiedzi"));
    etykieta(L_czestosc, geo12::L_czestosc, os::pl("Współczynnik częstotliwości powtórek:"));
    etykieta(L_umiesz, geo12::L_umiesz, os::pl("Słówko 'umiesz' gdy interwał równa się:"));
    etykieta(L_juz_umiem, geo12::L_juz_umiem, os::pl("Przycisk 'Już umiem!' zmienia interwał na:"));

    lista(CB_Cw_Wyznacz, geo12::CB_Cw_Wyznacz,
          {os::pl("Rozpoznawanie ze słuchu"), os::pl("Rozumienie tekstu"),
           os::pl("Rozumienie ze słuchu"), os::pl("Wybór tłumaczenia"), os::pl("Dyktando"),
           os::pl("Wpisywanie tłumaczenia")});
    lista(CB_Cw_Wyznacz_Zd, geo12::CB_Cw_Wyznacz_Zd, {});
    lista(CB_Tryb_Nauki, geo12::CB_Tryb_Nauki,
          {os::pl("1 dobra odp."), os::pl("2 dobre odp."), os::pl("4 dobre odp.")});
    CB_Tryb_Nauki.SetHint(os::pl("Wymagana ilość poprawnych odpowiedzi"));
    std::vector<std::string> czestosci;
    for (int n = 1; n <= POZYCJI_CZESTOSCI; ++n)
        czestosci.push_back(IntToStr(n));
    lista(CB_Czestosc_powtorek, geo12::CB_Czestosc_powtorek, czestosci);
    for (ui::Edit* e : {&E_P_Powt_inter_umiesz, &E_P_Powt_juz_Umiem}) {
        e->SetFont(czcionka_arial(13));
        e->SetMaxLength(5);
        // Enter belongs to the window (OK), never to the box.
        e->OnKeyPress = [](char& ch) {
            if (ch == '\r' || ch == '\n') ch = 0;
        };
    }
    umiesc(E_P_Powt_inter_umiesz, geo12::E_P_Powt_inter_umiesz);
    umiesc(E_P_Powt_juz_Umiem, geo12::E_P_Powt_juz_Umiem);
}

// The options, the interludes and the repeat mode of each exercise type.
void TForm12::uloz_opcje() {
    const std::string q = "\"";
    const std::pair<ui::CheckBox*, ui::Label*> wiersze[] = {
        {&CB_Czy_statystyka, &Label6}, {&CB_Czy_zdania, &Label9}, {&CB_Intens_1, &Label13}};
    for (int w = 0; w < 3; ++w) {
        auto [box, label] = wiersze[w];
        const int top = geo12::wiersz_top(w);
        box->setGeometry(geo12::box_x, top + 1, geo12::box_w, geo12::wiersz_h - 2);
        etykieta(*label, {geo12::label_x, top, geo12::label_w, geo12::wiersz_h}, "");
        box->AttachLabel(*label);
    }
    Label6.SetCaption(os::pl("Pokaż statystykę po każdym ćwiczeniu"));
    Label9.SetCaption(os::pl("Proponuj ćwiczenia ") + q + os::pl("na zdaniach") + q);
    Label13.SetCaption(os::pl("W powtórkach zawsze intensywność 1"));

    etykieta(L_przerywniki, geo12::L_przerywniki, q + "Przerywniki" + q + os::pl(" ćwiczeń:"), true);
    umiesc(LB1, geo12::LB1);
    LB1.SetFont(czcionka_arial(13));
    umiesc(CB_Bonus_koniec, geo12::CB_Bonus_koniec);
    etykieta(Label15, geo12::Label15, os::pl("tylko na końcu ćwiczenia"));
    CB_Bonus_koniec.AttachLabel(Label15);

    etykieta(L_typ, geo12::L_typ, os::pl("Dla ćwiczenia ... powtarzaj ..."), true);
    umiesc(CB_Typ, geo12::CB_Typ);
    CB_Typ.SetFont(czcionka_arial(12));
    CB_Typ.OnClick = [this] { CB_TypClick(); };
    etykieta(Label3, geo12::Label3, os::pl("zmień na:"));
    lista(CB_Cw, geo12::CB_Cw,
          {nazwy_trybow().begin(), nazwy_trybow().end()});
    CB_Cw.OnChange = [this] { CB_CwChange(); };
}

// The lower part, shown on demand: the user folder, the backups, the import.
void TForm12::uloz_kopie() {
    etykieta(L_Kat_usera, geo12::L_Kat_usera, "");
    L_Kat_usera.SetFont(czcionka_arial(12));
    etykieta(L_kopie, geo12::L_kopie, os::pl("Kopie powtórek:"), true);
    umiesc(ListBox1, geo12::ListBox1);
    ListBox1.SetFont(czcionka_arial(13));
    ListBox1.OnClick = [this] { ListBox1Click(); };
    ustaw_obrazek(K_import_kopia1, geo12::K_import_kopia1, "gfx_s\\k_import_kopia1.bmp",
             [this] { K_import_kopia1Click(); });
    K_import_kopia1.SetHint(os::pl("Wczytaj powtórki z kopii"));
    ustaw_obrazek(K_import, geo12::K_import, "gfx_s\\k_import.bmp", [this] { K_importClick(); });
    K_import.SetHint(os::pl("Import powtórek z wersji 2001"));
}

void TForm12::OnShow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        const int top = static_cast<int>(std::nearbyint(g.height() / 2.0)) - 260;
        const int left = static_cast<int>(std::nearbyint((g.width() - geo12::okno.w) / 2.0));
        // Never above the screen's top edge, whatever its height.
        place(g.left() + left, g.top() + std::max(0, top));
    }
    // The size and the backups part stay as OK left them; only the close
    // button and Esc fold the window back.
    wybrana_kopia_.clear();
    ListBox1.SetItemIndex(-1);
    K_import_kopia1.SetVisible(false);

    std::vector<std::string> zdania;
    for (int t = 10; t <= 14; ++t)
        zdania.push_back(nazwa_cwiczenia(t));
    CB_Cw_Wyznacz_Zd.Items().Assign(zdania);

    std::vector<int> zestawy;
    for (int k = 1; k <= MAX_PRZERYWNIKOW; ++k)
        if (przerywniki[k].jest) zestawy.push_back(k);
    const WartosciUstawien w = wartosci_z_ustawien(ustawienia, zestawy);
    CB_Cw_Wyznacz.SetItemIndex(w.cw_wyznacz);
    CB_Cw_Wyznacz_Zd.SetItemIndex(w.cw_wyznacz_zd);
    CB_Tryb_Nauki.SetItemIndex(w.tryb_nauki);
    CB_Czy_statystyka.SetChecked(w.statystyka);
    CB_Czy_zdania.SetChecked(w.zdania);
    CB_Intens_1.SetChecked(w.intens_1);
    CB_Bonus_koniec.SetChecked(w.bonus_koniec);
    E_P_Powt_inter_umiesz.SetText(w.powt_inter_umiesz);
    E_P_Powt_juz_Umiem.SetText(w.powt_juz_umiem);
    CB_Czestosc_powtorek.SetItemIndex(w.czestosc);
    L_Kat_usera.SetCaption(os::pl("Katalog użytkownika: ") + os::path_text(sciezka_usera));

    LB1.Items().Clear();
    for (size_t n = 0; n < w.przerywniki.size(); ++n) {
        const int k = w.przerywniki[n].first;
        LB1.Items().Add(IntToStr(k) + " " + przerywniki[k].tytul);
        LB1.SetChecked(static_cast<int>(n), w.przerywniki[n].second);
    }

    CB_Cw.SetVisible(false);
    Label3.SetVisible(false);
    Wypelnij_typy();
}

WartosciUstawien TForm12::wartosci() {
    WartosciUstawien w;
    w.cw_wyznacz = CB_Cw_Wyznacz.ItemIndex();
    w.cw_wyznacz_zd = CB_Cw_Wyznacz_Zd.ItemIndex();
    w.tryb_nauki = CB_Tryb_Nauki.ItemIndex();
    w.statystyka = CB_Czy_statystyka.Checked();
    w.zdania = CB_Czy_zdania.Checked();
    w.intens_1 = CB_Intens_1.Checked();
    w.bonus_koniec = CB_Bonus_koniec.Checked();
    w.powt_inter_umiesz = E_P_Powt_inter_umiesz.Text();
    w.powt_juz_umiem = E_P_Powt_juz_Umiem.Text();
    w.czestosc = CB_Czestosc_powtorek.ItemIndex();
    for (int n = 0; n < LB1.Items().Count(); ++n) {
        // Each line starts with its set's number.
        const std::string linia = LB1.Items()[n];
        const int k = linia.empty() ? 0 : linia[0] - '0';
        if (k > 0 && k <= ZESTAWOW_PRZERYWNIKOW) w.przerywniki.emplace_back(k, LB1.Checked(n));
    }
    return w;
}

void TForm12::Wypelnij_typy() {
    const int wybrany = CB_Typ.ItemIndex();
    CB_Typ.Items().Clear();
    for (int t = 1; t <= 14; ++t)
        CB_Typ.Items().Add(linia_typu(t, ustawienia.tryb_typu(t)));
    CB_Typ.SetItemIndex(wybrany);
    CB_TypClick();
}

void TForm12::CB_TypClick() {
    const int wybrany = CB_Typ.ItemIndex();
    // With no type picked the mode drop-down shows blank.
    CB_Cw.SetItemIndex(wybrany >= 0 && wybrany < 14 ? ustawienia.tryb_typu(wybrany + 1) : -1);
    CB_Cw.SetVisible(true);
    Label3.SetVisible(true);
}

void TForm12::CB_CwChange() {
    const int wybrany = CB_Typ.ItemIndex();
    const int tryb = CB_Cw.ItemIndex();
    if (wybrany < 0 || wybrany >= 14 || tryb < 0 || tryb >= TRYBOW_POWTARZANIA) return;
    // At once: a cancel keeps it, and it reaches the file at the next write.
    ustawienia.tryb_typu(wybrany + 1) = tryb;
    Wypelnij_typy();
}

void TForm12::B_OkClick() {
    const std::string odmowa = zapisz_wartosci(wartosci(), ustawienia);
    if (!odmowa.empty()) {
        core::show_info(odmowa);
        return;
    }
    zapisz_ustawienia();
    close_modal(1);
}

void TForm12::zwin() {
    set_size(geo12::okno.w, geo12::wysokosc_mala);
    L_czarny_pasek.SetVisible(true);
    k_opcje_wiecej.SetVisible(true);
}

void TForm12::B_ZamknijClick() {
    zwin();
    close_modal(0);
}

void TForm12::k_opcje_wiecejClick() {
    L_czarny_pasek.SetVisible(false);
    k_opcje_wiecej.SetVisible(false);
    set_size(geo12::okno.w, geo12::okno.h);
    ListBox1.Items().Clear();
    kopie_.clear();
    std::vector<std::string> linie;
    if (os::read_lines(sciezka_usera + "p.i", linie) == os::ReadStatus::ok) kopie_ = lista_kopii(linie);
    for (const KopiaPowtorek& k : kopie_)
        ListBox1.Items().Add(k.opis);
}

void TForm12::ListBox1Click() {
    const int n = ListBox1.ItemIndex();
    if (n < 0 || n >= static_cast<int>(kopie_.size())) return;
    wybrana_kopia_ = kopie_[static_cast<size_t>(n)].plik;
    K_import_kopia1.SetVisible(true);
}

void TForm12::K_import_kopia1Click() {
    if (wybrana_kopia_.empty() || !Form29) return;
    Form29->Label1.SetCaption(os::pl("Czy chcesz wczytać powtórki z kopii?"));
    Form29->show_modal();
    if (tak_pytanie != 1) return;
    przywroc_kopie(wybrana_kopia_);
}

void TForm12::K_importClick() {
    if (Form3) Form3->show_modal();
}
