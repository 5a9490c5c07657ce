#include "trainer/form2.h"

#include <QClipboard>
#include <QGuiApplication>

#include "core/exercises.h"
#include "core/items.h"
#include "core/settings.h"
#include "core/sound.h"
#include "core/startup.h"
#include "core/statistics.h"
#include "core/text.h"
#include "core/ui_hooks.h"
#include "platform/os/codepage.h"
#include "shared/form23.h"
#include "shared/form29.h"
#include "shared/forms.h"
#include "trainer/form13.h"
#include "trainer/form15.h"
#include "trainer/form1.h"
#include "trainer/form2_geometry.h"
#include "trainer_logic/run_plan.h"
#include "trainer/windows.h"

namespace {

void combo(ui::ComboBox& c, const look::Rect& r, std::initializer_list<const char*> wpisy) {
    umiesc(c, r);
    c.SetFont(czcionka_arial(13));
    for (const char* w : wpisy)
        c.Items().Add(os::pl(w));
    c.SetItemIndex(0);
}

void etykieta(ui::Label& l, const look::Rect& r, int px, bool bold, uint32_t kolor) {
    umiesc(l, r);
    l.SetTransparent(true);
    l.SetFont(czcionka_arial(px, bold, kolor));
}

// The three marks before an item's text: red, yellow, blue.
constexpr QRgb kolory_znacznikow[] = {0xFFD03B2Fu, 0xFFE8B31Eu, 0xFF2F6FD0u};

bool pytanie(const char* tekst) {
    if (!Form29) return false;
    Form29->Label1.SetCaption(os::pl(tekst));
    Form29->show_modal();
    return tak_pytanie == 1;
}

} // namespace

TForm2::TForm2()
    : ui::Window(geo2::okno.w, geo2::okno.h), Image1(this), K_wszystkie(this), K_filtr(this),
      k_szukaj(this), Shape2(this), L_Filtr_tytul(this), L_Filtr_opis(this),
      L_Filtr_poziom(this), L_Filtr_rodzaj(this), L_Filtr_uczone(this), CB_Gr_Tem(this),
      CB_Poziom(this), CB_Rodzaj(this), CB_Uczone(this), K_Pokaz_slowka(this), Grid1(this),
      L_Ile_wybrano(this), L_Opis(this), K_Nowe_Slowko(this), K_Edycja(this),
      K_Usun_Slowko(this), K_Kom_Usera(this), K_przenies(this), Label4(this), L_Ile_cw(this),
      ListBox1(this), k_usun(this), K_usun_all(this), K_Zapisz_cw(this), K_Nauka(this),
      K_do_schowka(this), K_wczytaj(this), L_Koniec(this) {
    SetCaption(os::pl("Generator ćwiczeń"));
    ustaw_tlo(Image1, "gfx_s\\generator.bmp", geo2::okno);

    uloz_filtr();
    uloz_siatke();
    etykieta(L_Ile_wybrano, geo2::L_Ile_wybrano, 13, true, look::granat);
    etykieta(L_Opis, geo2::L_Opis, 13, false, look::tekst);
    L_Opis.SetWordWrap(true);

    uloz_przyciski();
    uloz_cwiczenie();

    etykieta(L_Koniec, geo2::L_Koniec, 15, true, look::granat);
    L_Koniec.SetAlignment(Qt::AlignRight);
    L_Koniec.SetLayout(Qt::AlignVCenter);
    L_Koniec.SetCaption(os::pl("Zamknij ›"));
    L_Koniec.OnClick = [this] { L_KoniecClick(); };
    ui::hand_cursor(&L_Koniec);

    SetDefaultButton(&K_przenies);
    SetCancelButton(&L_Koniec);
    SetHelpPage("h_19_gener.html");
    pokaz_cwiczenie();
}

// The tabs, and the filter's labels and lists.
void TForm2::uloz_filtr() {
    ustaw_obrazek(K_wszystkie, geo2::zakladka_nr(0), "gfx_s\\gen_zakl_wszystkie.bmp",
                  os::pl("Wszystkie słówka (Ctrl+1)"), [this] { K_wszystkieClick(); });
    ustaw_obrazek(K_filtr, geo2::zakladka_nr(1), "gfx_s\\gen_zakl_filtr.bmp",
                  os::pl("Filtr (Ctrl+2)"), [this] { K_filtrClick(); });
    ustaw_obrazek(k_szukaj, geo2::zakladka_nr(2), "gfx_s\\gen_zakl_szukaj.bmp",
                  os::pl("Szukaj (Ctrl+F)"), [this] { k_szukajClick(); });
    Shape2.SetPen(0xFF000000u | look::pomarancz, 2);

    etykieta(L_Filtr_tytul, geo2::L_Filtr_tytul, 14, true, look::granat);
    L_Filtr_tytul.SetLayout(Qt::AlignVCenter);
    L_Filtr_tytul.SetCaption("FILTR:");
    const std::pair<ui::Label*, std::pair<const look::Rect*, const char*>> podpisy[] = {
        {&L_Filtr_opis, {&geo2::CB_Gr_Tem, "grupa tematyczna"}},
        {&L_Filtr_poziom, {&geo2::CB_Poziom, "poziom"}},
        {&L_Filtr_rodzaj, {&geo2::CB_Rodzaj, "rodzaj"}},
        {&L_Filtr_uczone, {&geo2::CB_Uczone, "uczone"}}};
    for (const auto& [l, p] : podpisy) {
        etykieta(*l, geo2::podpis(*p.first), 12, false, look::tekst);
        l->SetCaption(os::pl(p.second));
    }
    combo(CB_Gr_Tem, geo2::CB_Gr_Tem, {"Wszystkie"});
    for (const auto& g : generator::grupy_slowek()) {
        CB_Gr_Tem.Items().Add(g.nazwa);
        numery_grup_.push_back(g.numer);
    }
    combo(CB_Poziom, geo2::CB_Poziom, {"wszystkie", "łatwy", "średni", "trudny"});
    combo(CB_Rodzaj, geo2::CB_Rodzaj,
          {"wszystkie", "rzeczownik", "przymiotnik", "czasownik", "inne", "zdanie"});
    combo(CB_Uczone, geo2::CB_Uczone, {"wszystkie", "tak", "nie"});
    ustaw_obrazek(K_Pokaz_slowka, geo2::K_Pokaz_slowka, "gfx_s\\gen_k_pokaz.bmp",
                  os::pl("Pokaż słówka."), [this] { K_filtrClick(); });
}

// The grid of the items found, with their marks.
void TForm2::uloz_siatke() {
    umiesc(Grid1, geo2::Grid1);
    Grid1.SetColCount(2);
    Grid1.SetColWidth(0, geo2::kolumna0);
    Grid1.SetColWidth(1, geo2::Grid1.w - geo2::kolumna0 - 20);
    Grid1.SetDefaultRowHeight(geo2::wiersz);
    Grid1.OnGetText = [this](int col, int row) -> std::string {
        if (row < 0 || row >= static_cast<int>(znalezione_.size())) return {};
        const int i = znalezione_[static_cast<size_t>(row)];
        return col == 0 ? "    " + generator::na_ekran(baza.slowo_obce[i])
                        : generator::na_ekran(baza.tlumaczenie[i]);
    };
    Grid1.OnDrawMarks = [this](ui::Canvas& c, int col, int row, const QRect& r) {
        if (col != 0 || row < 0 || row >= static_cast<int>(znalezione_.size())) return 0;
        const generator::Znaczniki z = generator::znaczniki(znalezione_[static_cast<size_t>(row)]);
        const bool jest[] = {z.nagranie, z.s, z.wlasne};
        int x = r.left() + 2;
        for (int k = 0; k < 3; ++k) {
            if (!jest[k]) continue;
            c.FillRect(QRect(x, r.top() + (r.height() - 9) / 2, 3, 9), kolory_znacznikow[k]);
            x += 5;
        }
        return 0; // the text's four leading blanks leave room for them
    };
    Grid1.OnClick = [this] { Grid1Click(); };
    Grid1.OnDblClick = [this] { K_przeniesClick(); };
}

// The picture buttons beside the grid and under the exercise list.
void TForm2::uloz_przyciski() {
    struct Przycisk {
        ui::Image* obraz;
        look::Rect r;
        const char* plik;
        const char* podpowiedz;
        void (TForm2::*klik)();
    };
    const Przycisk przyciski[] = {
        {&K_Nowe_Slowko, geo2::kolumna_nr(0), "gfx_s\\gen_k_nowe.bmp", "Dodaj nowe słówko.",
         &TForm2::K_Nowe_SlowkoClick},
        {&K_Edycja, geo2::kolumna_nr(1), "gfx_s\\gen_k_edycja.bmp", "Edytuj słówko.",
         &TForm2::K_EdycjaClick},
        {&K_Usun_Slowko, geo2::kolumna_nr(2), "gfx_s\\gen_k_usun_slowko.bmp", "Usuń słówko.",
         &TForm2::K_Usun_SlowkoClick},
        {&K_Kom_Usera, geo2::kolumna_nr(3), "gfx_s\\gen_k_komentarz.bmp",
         "Dodaj komentarz do słówka.", &TForm2::K_Kom_UseraClick},
        {&K_przenies, geo2::K_przenies, "gfx_s\\gen_k_przenies.bmp",
         "Przenieś zaznaczone do ćwiczenia (Enter).", &TForm2::K_przeniesClick},
        {&k_usun, geo2::rzad_nr(0), "gfx_s\\gen_k_usun.bmp", "Usuń wybrane słówko.",
         &TForm2::k_usunClick},
        {&K_usun_all, geo2::rzad_nr(1), "gfx_s\\gen_k_usun_all.bmp",
         "Usuń wszystkie wybrane pozycje.", &TForm2::K_usun_allClick},
        {&K_Zapisz_cw, geo2::rzad_nr(2), "gfx_s\\gen_k_zapisz.bmp", "Zapisz ćwiczenie.",
         &TForm2::K_Zapisz_cwClick},
        {&K_Nauka, geo2::rzad_nr(3), "gfx_s\\gen_k_nauka.bmp",
         "Rozpocznij naukę wybranych słówek.", &TForm2::K_NaukaClick},
        {&K_do_schowka, geo2::rzad_nr(4), "gfx_s\\gen_k_schowek.bmp",
         "Przenieś słówka do schowka.", &TForm2::K_do_schowkaClick},
        {&K_wczytaj, geo2::rzad_nr(5), "gfx_s\\gen_k_wczytaj.bmp", "Wczytaj ćwiczenie.",
         &TForm2::K_wczytajClick},
    };
    for (const Przycisk& p : przyciski)
        ustaw_obrazek(*p.obraz, p.r, p.plik, os::pl(p.podpowiedz),
                      [this, klik = p.klik] { (this->*klik)(); });
}

// The exercise being built: its count and its list (Delete drops an item).
void TForm2::uloz_cwiczenie() {
    etykieta(Label4, geo2::Label4, 14, true, look::granat);
    Label4.SetCaption(os::pl("Ćwiczenie - wybrano:"));
    etykieta(L_Ile_cw, geo2::L_Ile_cw, 14, true, look::pomarancz);
    umiesc(ListBox1, geo2::ListBox1);
    ListBox1.OnClick = [this] { k_usun.SetVisible(ListBox1.ItemIndex() >= 0); };
    ListBox1.OnKeyDown = [this](int& key, Qt::KeyboardModifiers) {
        if (key != Qt::Key_Delete) return;
        key = 0;
        const int k = ListBox1.ItemIndex();
        if (k < 0) return;
        cwiczenie_.usun(k);
        pokaz_cwiczenie();
        ListBox1.SetItemIndex(k < cwiczenie_.ile() ? k : -1);
        k_usun.SetVisible(ListBox1.ItemIndex() >= 0);
    };
}

// ---- Showing and closing

void TForm2::OnShow() {
    zmieniono_slowa_ = false;
    ui::Font f = czcionka_arial(13);
    f.charset = czcionka_charset;
    Grid1.SetFont(f);
    Grid1.SetColCharset(1, 238); // the translations are Polish in every edition
    ListBox1.SetFont(f);
    K_wszystkieClick();
    z_generatora = true;
    lista_gotowa = 0;
    pokaz_cwiczenie();
}

void TForm2::L_KoniecClick() {
    close();
}

void TForm2::OnClose() {
    z_generatora = false;
    if (zmieniono_slowa_) zapisz_slowka_usera();
    if (komentarze_zmienione) zapisz_komentarze();
    zmieniono_slowa_ = false;
}

// ---- The found list

void TForm2::zaznacz_zakladke(ui::Image& z) {
    Shape2.setGeometry(z.Left() - 2, z.Top() - 2, z.Width() + 4, z.Height() + 4);
    Shape2.raise();
    Shape2.SetVisible(true);
}

void TForm2::pokaz_filtr(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{&L_Filtr_tytul, &L_Filtr_opis, &L_Filtr_poziom,
                                                      &L_Filtr_rodzaj, &L_Filtr_uczone, &CB_Gr_Tem,
                                                      &CB_Poziom, &CB_Rodzaj, &CB_Uczone,
                                                      &K_Pokaz_slowka})
        w->setVisible(on);
}

void TForm2::K_wszystkieClick() {
    pokaz_filtr(false);
    zaznacz_zakladke(K_wszystkie);
    K_Nowe_Slowko.SetVisible(true);
    szukany_.clear();
    widok_ = Widok::wszystkie;
    odswiez_widok();
}

void TForm2::K_filtrClick() {
    zaznacz_zakladke(K_filtr);
    szukany_.clear();
    K_Nowe_Slowko.SetVisible(true);
    pokaz_filtr(true);
    generator::Filtr f;
    f.poziom = std::max(CB_Poziom.ItemIndex(), 0);
    f.rodzaj = std::max(CB_Rodzaj.ItemIndex(), 0);
    const int g = CB_Gr_Tem.ItemIndex();
    f.z_grupa = g >= 1 && g <= static_cast<int>(numery_grup_.size());
    if (f.z_grupa) f.grupa = numery_grup_[static_cast<size_t>(g - 1)];
    f.uczone = std::max(CB_Uczone.ItemIndex(), 0);
    filtr_ = f;
    widok_ = Widok::filtr;
    odswiez_widok();
}

void TForm2::k_szukajClick() {
    szukany_tekst.clear();
    if (Form23) {
        Form23->show_modal();
        znaki_szukanego_ = Form23->ZnakiTekstu();
    }
    const std::string tekst = Trim(szukany_tekst);
    if (tekst.empty()) return;
    pokaz_filtr(false);
    K_Nowe_Slowko.SetVisible(true);
    zaznacz_zakladke(k_szukaj);
    const auto& l = ustawienia.linia;
    generator::Szukanie s;
    s.obce = l[U_SZUKAJ_OBCE] == 1;
    s.polskie = l[U_SZUKAJ_POLSKIE] == 1;
    s.cale = l[U_SZUKAJ_CALE] == 1;
    s.bez_wielkosci = l[U_SZUKAJ_BEZ_WIELKOSCI] == 1;
    szukany_ = tekst;
    szukany_obcy_ = Form23 ? Form23->Szukane(czcionka_charset) : tekst;
    szukany_polski_ = Form23 ? Form23->Szukane(238) : tekst;
    opcje_ = s;
    widok_ = Widok::szukane;
    odswiez_widok();
}

void TForm2::odswiez_widok() {
    ui::BusyCursor klepsydra;
    switch (widok_) {
    case Widok::wszystkie:
        znalezione_ = generator::wszystkie();
        break;
    case Widok::filtr:
        znalezione_ = generator::filtruj(filtr_);
        break;
    case Widok::szukane:
        znalezione_ = generator::szukaj(szukany_obcy_, szukany_polski_, opcje_);
        break;
    }
    pokaz_znalezione();
}

void TForm2::pokaz_znalezione() {
    L_Opis.SetCaption("");
    // With nothing found the grid keeps one empty row.
    Grid1.SetRowCount(std::max<int>(1, static_cast<int>(znalezione_.size())));
    Grid1.Refresh();
    pokaz_linie_liczby(L_Ile_wybrano,
                       generator::linia_liczby(static_cast<int>(znalezione_.size()), szukany_),
                       szukany_, znaki_szukanego_);
    K_Edycja.SetVisible(false);
    K_Usun_Slowko.SetVisible(false);
    K_Kom_Usera.SetVisible(false);
    K_przenies.SetVisible(!znalezione_.empty());
}

std::vector<int> TForm2::zaznaczone() const {
    std::vector<int> out;
    const ui::Grid::Range r = Grid1.Selection();
    for (int row = std::max(r.top, 0); row <= r.bottom; ++row)
        if (row < static_cast<int>(znalezione_.size()))
            out.push_back(znalezione_[static_cast<size_t>(row)]);
    return out;
}

int TForm2::pierwsze_zaznaczone() const {
    const std::vector<int> z = zaznaczone();
    return z.empty() ? 0 : z.front();
}

void TForm2::Grid1Click() {
    const std::vector<int> z = zaznaczone();
    // Nothing found: there is no item to act on.
    K_Kom_Usera.SetVisible(!z.empty());
    const bool wlasne = z.size() >= 1 && baza.slowo_usera[z.front()] == 1;
    K_Edycja.SetVisible(wlasne);
    K_Usun_Slowko.SetVisible(wlasne);
    if (z.size() == 1) {
        L_Opis.SetCaption(generator::opis_slowka(z.front()));
        graj_wav(sciezka_nagrania(z.front()), false);
    } else {
        L_Opis.SetCaption("");
    }
}

// ---- The exercise list

void TForm2::pokaz_cwiczenie() {
    ListBox1.Items().Clear();
    for (int i : cwiczenie_.pozycje())
        ListBox1.Items().Add(generator::na_ekran(baza.slowo_obce[i]));
    L_Ile_cw.SetCaption(IntToStr(cwiczenie_.ile()));
    const bool jest = cwiczenie_.ile() > 0;
    for (ui::Image* b : {&K_Zapisz_cw, &K_Nauka, &K_usun_all, &K_do_schowka})
        b->SetVisible(jest);
    K_wczytaj.SetVisible(true);
    k_usun.SetVisible(false);
}

void TForm2::K_przeniesClick() {
    if (!K_przenies.Visible()) return;
    if (cwiczenie_.dodaj(zaznaczone()))
        core::show_info(os::pl("Ćwiczenie może zawierać maksymalnie 300 słówek!"));
    pokaz_cwiczenie();
}

void TForm2::k_usunClick() {
    const int k = ListBox1.ItemIndex();
    if (k < 0 || !pytanie("Czy wykasować wybrane słówko (zdanie)?")) return;
    cwiczenie_.usun(k);
    pokaz_cwiczenie();
    ListBox1.SetItemIndex(k < cwiczenie_.ile() ? k : -1);
    k_usun.SetVisible(ListBox1.ItemIndex() >= 0);
}

void TForm2::K_usun_allClick() {
    if (!pytanie("Czy wykasować wszystkie słówka wybrane do ćwiczenia?")) return;
    cwiczenie_.wyczysc();
    pokaz_cwiczenie();
}

void TForm2::K_NaukaClick() {
    if (cwiczenie_.ile() < 1) return;
    cwiczenie_.do_listy_biegu();
    wybierz_do_cwiczenia();
    // A run of the learner's own choice: recorded under no exercise of the lists.
    sesja.biezace_cw.clear();
    sesja.wybrane_cw.clear();
    sesja.kierunek_cw = 0;
    sesja.rodzaj_cw = 0;
    if (lista_gotowa && Form8) Form8->show_modal();
}

void TForm2::K_Zapisz_cwClick() {
    if (cwiczenie_.ile() < 1 || !Form15) return;
    if (generator::grupy_cwiczen().empty()) {
        core::show_info(os::pl("Brak grupy tematycznej, pod którą można zapisać ćwiczenie."));
        return;
    }
    Form15->show_modal();
    const std::string tytul = Form15->tytul();
    if (tytul.empty() || Form15->grupa() < 0) return;
    cwiczenie_.do_listy_biegu();
    if (!zapisz_cwiczenie_usera(generator::kod_cwiczenia(Form15->grupa(), Form15->poziom()), tytul,
                                1))
        return;
    dodaj_cwiczenia_usera();
    pokaz_cwiczenie();
    core::show_info(os::pl("Ćwiczenie \"") + tytul + os::pl("\" zapisano."));
}

void TForm2::K_wczytajClick() {
    ile_w_liscie = 0;
    if (WyborZdanForm) {
        tryb_wyboru = 1;
        WyborZdanForm->pokaz_widok(true);
    }
    if (ile_w_liscie > 0) {
        cwiczenie_.z_listy_biegu();
        pokaz_cwiczenie();
    }
}

void TForm2::K_do_schowkaClick() {
    if (cwiczenie_.ile() < 1) return;
    QClipboard* schowek = QGuiApplication::clipboard();
    schowek->clear();
    schowek->setText(QString::fromStdString(cwiczenie_.tekst_schowka()));
    core::show_info(os::pl("Wybrane słowa skopiowano do schowka."));
}

// ---- Own words and comments

void TForm2::K_Nowe_SlowkoClick() {
    zmieniono_slowa_ = true;
    edytowane_slowko = -1;
    if (Form13) Form13->show_modal();
    const int nowe = edytowane_slowko;
    odswiez_widok();
    if (nowe >= 1 && cwiczenie_.ile() < MAX_LISTA) {
        cwiczenie_.dodaj({nowe});
        pokaz_cwiczenie();
    }
}

void TForm2::K_EdycjaClick() {
    const int i = pierwsze_zaznaczone();
    if (i < 1 || baza.slowo_usera[i] != 1) return;
    edytowane_slowko = i;
    zmieniono_slowa_ = true;
    if (Form13) Form13->show_modal();
    odswiez_widok();
    pokaz_cwiczenie();
}

void TForm2::K_Usun_SlowkoClick() {
    const int i = pierwsze_zaznaczone();
    if (i < 1 || baza.slowo_usera[i] != 1) return;
    zmieniono_slowa_ = true;
    generator::usun_slowko(i);
    core::show_info(
        os::pl("Usunięto słówko, aktualizacja nastąpi po ponownym uruchomieniu programu."));
    // The deleted word leaves the grid and the exercise at once.
    znalezione_.erase(std::remove(znalezione_.begin(), znalezione_.end(), i), znalezione_.end());
    const auto& p = cwiczenie_.pozycje();
    for (int k = static_cast<int>(p.size()) - 1; k >= 0; --k)
        if (p[static_cast<size_t>(k)] == i) cwiczenie_.usun(k);
    pokaz_znalezione();
    pokaz_cwiczenie();
}

void TForm2::K_Kom_UseraClick() {
    const int i = pierwsze_zaznaczone();
    if (i < 1 || !Form27) return;
    tekst_komentarza = generator::komentarz_do_edycji(i);
    const std::string przed = tekst_komentarza;
    Form27->show_modal();
    if (tekst_komentarza != przed) generator::ustaw_komentarz(i, tekst_komentarza);
}

// ---- Keys

bool TForm2::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    if (!(mods & Qt::ControlModifier)) return false;
    switch (key) {
    case Qt::Key_G:
    case Qt::Key_W:
        Grid1Click();
        return true;
    case Qt::Key_F:
    case Qt::Key_3:
        k_szukajClick();
        return true;
    case Qt::Key_1:
        K_wszystkieClick();
        return true;
    case Qt::Key_2:
        K_filtrClick();
        return true;
    case Qt::Key_D:
    case Qt::Key_K:
        if (mods != Qt::ControlModifier) return false;
        K_Kom_UseraClick(); // the item of the top selected row, when there is one
        return true;
    default:
        return false;
    }
}
