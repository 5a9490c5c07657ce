#include "trainer/form15.h"

#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "trainer/form15_geometry.h"
#include "trainer_logic/generator.h"

namespace {

void etykieta(ui::Label& l, const look::Rect& r, const char* tekst) {
    umiesc(l, r);
    l.SetTransparent(true);
    l.SetFont(czcionka_arial(14, true, look::granat));
    l.SetCaption(os::pl(tekst));
}

} // namespace

TForm15::TForm15()
    : ui::Window(geo15::okno.w, geo15::okno.h), Image1(this), Label1(this), E_Nazwa(this),
      Label2(this), CB_Gr_Tem(this), Label3(this), CB_Poziom(this), B_OK(this, Pasek::ok2),
      B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Parametry ćwiczenia"));
    ustaw_tlo(Image1, "gfx_s\\zapisz_cw.bmp", geo15::okno);
    etykieta(Label1, geo15::Label1, "Nazwa ćwiczenia:");
    etykieta(Label2, geo15::Label2, "Grupa tematyczna:");
    etykieta(Label3, geo15::Label3, "Poziom:");
    umiesc(E_Nazwa, geo15::E_Nazwa);
    E_Nazwa.SetFont(czcionka_arial(15));
    E_Nazwa.SetMaxLength(16);
    E_Nazwa.OnChange = [this] { E_NazwaChange(); };
    umiesc(CB_Gr_Tem, geo15::CB_Gr_Tem);
    umiesc(CB_Poziom, geo15::CB_Poziom);
    for (ui::ComboBox* c : {&CB_Gr_Tem, &CB_Poziom})
        c->SetFont(czcionka_arial(14));
    for (const char* p : {"1", "2", "3"})
        CB_Poziom.Items().Add(p);
    CB_Poziom.SetItemIndex(0);
    ustaw_przycisk(B_OK, geo15::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, geo15::B_Zamknij, [this] { close(); });
    B_OK.SetHint(os::pl("Zapisz ćwiczenie"));
    B_Zamknij.SetHint(os::pl("Zamknij"));
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_19_gener.html");
}

int TForm15::grupa() const {
    const int k = CB_Gr_Tem.ItemIndex();
    return k >= 0 && k < static_cast<int>(numery_grup_.size()) ? numery_grup_[static_cast<size_t>(k)]
                                                                : -1;
}

void TForm15::OnShow() {
    // The groups are read at start-up; the list is taken afresh each time.
    CB_Gr_Tem.Items().Clear();
    numery_grup_.clear();
    for (const auto& g : generator::grupy_cwiczen()) {
        CB_Gr_Tem.Items().Add(g.nazwa);
        numery_grup_.push_back(g.numer);
    }
    CB_Gr_Tem.SetItemIndex(numery_grup_.empty() ? -1 : 0);
    CB_Poziom.SetItemIndex(0);
    potwierdzone_ = false;
    tytul_.clear();
    E_Nazwa.SetText("");
    E_NazwaChange();
    E_Nazwa.SetFocus();
}

void TForm15::E_NazwaChange() {
    B_OK.SetVisible(!generator::tytul_cwiczenia(E_Nazwa.Text()).empty());
}

void TForm15::B_OKClick() {
    if (!B_OK.Visible()) return;
    potwierdzone_ = true;
    close_modal(1);
}

void TForm15::OnClose() {
    tytul_ = potwierdzone_ ? generator::tytul_cwiczenia(E_Nazwa.Text()) : std::string();
}
