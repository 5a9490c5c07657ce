#include "trainer/form13.h"

#include <algorithm>

#include "core/items.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "shared/accent_filter.h"
#include "shared/forms.h"
#include "trainer/form13_geometry.h"
#include "trainer/windows.h"
#include "trainer_logic/generator.h"

int edytowane_slowko = 0;

namespace {

void etykieta(ui::Label& l, const look::Rect& r, const std::string& tekst) {
    umiesc(l, r);
    l.SetTransparent(true);
    l.SetFont(czcionka_arial(14, true, look::granat));
    l.SetCaption(tekst);
}

const char* slowko_jezyka(int jezyk) {
    switch (jezyk) {
    case 2:
        return "Słówko niemieckie:";
    case 3:
        return "Słówko francuskie:";
    default:
        return "Słówko angielskie:";
    }
}

} // namespace

TForm13::TForm13()
    : ui::Window(geo13::okno.w, geo13::okno.h), Image1(this), Label1(this), CB_Gr_Tem(this),
      Label3(this), CB_Poziom(this), Label4(this), CB_Rodzaj(this), Label2(this), E_Ang(this),
      Label5(this), E_Pol(this), L_l_mnoga(this), E_L_Mnoga(this), Label6(this),
      E_Synonimy(this), Label8(this), E_Komentarz(this), K_Nagranie(this), CB_dodaj_do_cw(this),
      Label7(this), B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Nowe słówko"));
    ustaw_tlo(Image1, "gfx_s\\edycja_slowka.bmp", geo13::okno);

    const std::pair<ui::Label*, const char*> etykiety[] = {
        {&Label2, "Słówko angielskie:"}, {&Label5, "Słówko polskie:"},
        {&L_l_mnoga, "Liczba mnoga rzeczownika:"}, {&Label6, "Synonimy:"},
        {&Label8, "Komentarz:"}};
    ui::Edit* pola[] = {&E_Ang, &E_Pol, &E_L_Mnoga, &E_Synonimy, &E_Komentarz};
    for (int w = 0; w < 5; ++w) {
        etykieta(*etykiety[w].first, geo13::etykieta(w), os::pl(etykiety[w].second));
        umiesc(*pola[w], geo13::pole(w));
        pola[w]->SetFont(czcionka_arial(15));
        pola[w]->SetMaxLength(w == 4 ? 100 : 60);
        pola[w]->OnChange = [this] { TekstyChange(); };
        // The Polish box passes key-downs alone: its letters are typed as they are.
        trainer::AccentFilter::install(pola[w], pola[w] != &E_Pol);
    }

    const std::pair<ui::Label*, const char*> wybory[] = {
        {&Label1, "Grupa tematyczna:"}, {&Label3, "Poziom:"}, {&Label4, "Typ:"}};
    ui::ComboBox* combo[] = {&CB_Gr_Tem, &CB_Poziom, &CB_Rodzaj};
    for (int w = 0; w < 3; ++w) {
        etykieta(*wybory[w].first, geo13::wybor_etykieta(w), os::pl(wybory[w].second));
        umiesc(*combo[w], geo13::wybor(w));
        combo[w]->SetFont(czcionka_arial(14));
    }
    for (const char* p : {"łatwy", "średni", "trudny"})
        CB_Poziom.Items().Add(os::pl(p));
    for (const char* r : {"rzeczownik", "przymiotnik", "czasownik", "inne"})
        CB_Rodzaj.Items().Add(os::pl(r));

    ustaw_obrazek(K_Nagranie, geo13::K_Nagranie, "gfx_s\\gen_k_nagranie.bmp",
                  os::pl("Wybierz nagranie słówka."), [this] { K_NagranieClick(); });

    umiesc(CB_dodaj_do_cw, geo13::CB_dodaj_do_cw);
    ustaw_komunikat(Label7, geo13::Label7);
    Label7.SetWordWrap(false);
    Label7.SetFont(czcionka_arial(13));
    Label7.SetLayout(Qt::AlignVCenter);
    Label7.SetCaption(os::pl("Dodaj nowe słówko do tworzonego ćwiczenia"));
    CB_dodaj_do_cw.AttachLabel(Label7);
    CB_dodaj_do_cw.SetChecked(true);

    ustaw_przycisk(B_OK, geo13::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, geo13::B_Zamknij, [this] { B_ZamknijClick(); });
    B_OK.SetHint(os::pl("Zapisz słówko"));
    B_Zamknij.SetHint(os::pl("Zamknij"));
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_19_gener.html");
}

void TForm13::OnShow() {
    const bool niemiecki = jezyk_edycji == 2;
    E_L_Mnoga.SetVisible(niemiecki);
    L_l_mnoga.SetVisible(niemiecki);
    Label2.SetCaption(os::pl(slowko_jezyka(jezyk_edycji)));
    // The French texts are typed in the western character set.
    ui::Font obca = czcionka_arial(15);
    if (jezyk_edycji == 3) obca.charset = 0;
    E_Ang.SetFont(obca);
    E_Synonimy.SetFont(obca);

    CB_Gr_Tem.Items().Clear();
    numery_grup_.clear();
    for (const auto& g : generator::grupy_slowek()) {
        CB_Gr_Tem.Items().Add(g.nazwa);
        numery_grup_.push_back(g.numer);
    }

    generator::Slowko s;
    if (nowe()) {
        SetCaption(os::pl("Nowe słówko"));
        nagranie_nowego.clear();
        CB_Gr_Tem.SetItemIndex(numery_grup_.empty() ? -1 : 0);
        CB_Poziom.SetItemIndex(0);
        CB_Rodzaj.SetItemIndex(0);
    } else {
        SetCaption(os::pl("Edycja słówka"));
        s = generator::z_bazy(edytowane_slowko);
        // The last entry of the item's group.
        int k = -1;
        for (size_t e = 0; e < numery_grup_.size(); ++e)
            if (numery_grup_[e] == s.grupa) k = static_cast<int>(e);
        CB_Gr_Tem.SetItemIndex(k);
        CB_Poziom.SetItemIndex(std::clamp(s.poziom - 1, 0, 2));
        CB_Rodzaj.SetItemIndex(std::clamp(s.rodzaj - 1, 0, 3));
    }
    E_Ang.SetText(s.obce);
    E_Pol.SetText(s.polskie);
    E_L_Mnoga.SetText(s.l_mnoga);
    E_Synonimy.SetText(s.synonimy);
    E_Komentarz.SetText(s.uwagi);
    CB_dodaj_do_cw.SetVisible(nowe());
    Label7.SetVisible(nowe());
    TekstyChange();
    E_Ang.SetFocus();
}

void TForm13::TekstyChange() {
    generator::Slowko s;
    s.obce = E_Ang.Text();
    s.polskie = E_Pol.Text();
    B_OK.SetVisible(generator::mozna_zapisac(s));
}

void TForm13::B_OKClick() {
    if (!B_OK.Visible()) return;
    generator::Slowko s;
    s.obce = E_Ang.Text();
    s.polskie = E_Pol.Text();
    s.l_mnoga = E_L_Mnoga.Text();
    s.synonimy = E_Synonimy.Text();
    s.uwagi = E_Komentarz.Text();
    const int g = CB_Gr_Tem.ItemIndex();
    s.grupa = g >= 0 && g < static_cast<int>(numery_grup_.size())
                  ? numery_grup_[static_cast<size_t>(g)]
                  : (nowe() ? 0 : baza.grupa[edytowane_slowko]);
    s.poziom = CB_Poziom.ItemIndex() + 1;
    s.rodzaj = CB_Rodzaj.ItemIndex() + 1;
    // A refused save (its message shown) keeps the window open with what
    // the learner typed.
    if (nowe()) {
        const int i = generator::dodaj(s, nagranie_nowego);
        if (i < 1) return;
        nagranie_nowego.clear();
        edytowane_slowko = CB_dodaj_do_cw.Checked() ? i : 0;
    } else {
        if (!generator::zmien(edytowane_slowko, s)) return;
        edytowane_slowko = 0;
    }
    close_modal(1);
}

void TForm13::B_ZamknijClick() {
    edytowane_slowko = 0;
    nagranie_nowego.clear();
    close();
}

void TForm13::K_NagranieClick() {
    if (Form19) Form19->show_modal();
}
