#include "shared/form23.h"

#include "core/settings.h"
#include "core/startup.h"
#include "core/text.h"
#include "platform/os/codepage.h"
#include "shared/accent_filter.h"
#include "shared/form23_geometry.h"
#include "shared/forms.h"

std::string szukany_tekst;
TForm23* Form23 = nullptr;

namespace {

// A caption with its "&" marks taken out; the letter after the mark (lower
// case) in `litera`, 0 when it has none.
std::string bez_znacznika(const std::string& tekst, char& litera) {
    litera = 0;
    std::string out;
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '&' && i + 1 < tekst.size()) {
            litera = LowerCase(tekst.substr(i + 1, 1))[0];
            continue;
        }
        out += tekst[i];
    }
    return out;
}

const char* nazwa_jezyka(int jezyk) {
    switch (jezyk) {
    case 2:
        return "niemieckich";
    case 3:
        return "francuskich";
    default:
        return "angielskich";
    }
}

} // namespace

TForm23::TForm23() : TForm23(nullptr, nullptr) {}

TForm23::TForm23(std::string& slowo, OpcjeSzukania& opcje) : TForm23(&slowo, &opcje) {}

TForm23::TForm23(std::string* slowo, OpcjeSzukania* opcje)
    : ui::Window(look::okno_szukania.w, look::okno_szukania.h), Image1(this), Edit1(this),
      CH_Jak_cale(this), Label1(this), CH_Jak_duze(this), Label2(this), CH_Jak_ang(this),
      Label3(this), CH_Jak_pol(this), Label4(this), CheckBox1(this), Label5(this),
      B_OK(this, Pasek::ok2), B_Zamknij(this, Pasek::anuluj2), slowo_(slowo), opcje_(opcje) {
    SetCaption("Tavolent - szukaj...");
    ustaw_tlo(Image1, "gfx_s\\form23.bmp", look::okno_szukania);

    umiesc(Edit1, look::form23_Edit1);
    Edit1.SetFont(czcionka_arial(15));
    Edit1.SetMaxLength(60);
    Edit1.OnChange = [this] { Edit1Change(); };
    // Enter belongs to the window (OK while it shows), never to the box.
    Edit1.OnKeyPress = [](char& ch) {
        if (ch == '\r' || ch == '\n') ch = 0;
    };
    trainer::AccentFilter::install(&Edit1);

    // Rows from the top: the two columns, whole texts, case, the French font.
    const std::pair<ui::CheckBox*, ui::Label*> wiersze[] = {
        {&CH_Jak_ang, &Label3}, {&CH_Jak_pol, &Label4}, {&CH_Jak_cale, &Label1},
        {&CH_Jak_duze, &Label2}, {&CheckBox1, &Label5}};
    for (int w = 0; w < 5; ++w) {
        auto [box, label] = wiersze[w];
        const int top = look::form23_wiersz_top(w);
        box->setGeometry(look::form23_box_x, top + 1, look::form23_box_w, look::form23_wiersz_h - 2);
        umiesc(*label, {look::form23_label_x, top, look::form23_label_w, look::form23_wiersz_h});
        label->SetFont(czcionka_arial(14));
        label->SetTransparent(true);
        label->SetLayout(Qt::AlignVCenter);
        box->AttachLabel(*label);
    }
    const bool trener = slowo_ == nullptr;
    char litera = 0;
    Label1.SetCaption(bez_znacznika(os::pl(trener ? "&Tylko całe wyrazy" : "Tylko całe wyrazy"), litera));
    Label2.SetCaption(bez_znacznika(
        os::pl(trener ? "&Rozróżniaj duże i małe litery" : "Rozróźniaj duże i małe litery"), litera));
    Label4.SetCaption(
        bez_znacznika(os::pl(trener ? "Szukaj wśród &polskich" : "Szukaj wśród polskich"), litera));
    Label5.SetCaption(os::pl("francuska czcionka"));
    CheckBox1.OnClick = [this] { CheckBox1Click(); };

    ustaw_przycisk(B_OK, look::form23_B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(B_Zamknij, look::form23_B_Zamknij, [this] { B_ZamknijClick(); });
    B_OK.SetHint(os::pl("Szukaj"));
    B_Zamknij.SetHint(os::pl("Zamknij"));
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_Zamknij);
}

OpcjeSzukania TForm23::opcje() const {
    OpcjeSzukania o;
    o.obce = CH_Jak_ang.Checked();
    o.polskie = CH_Jak_pol.Checked();
    o.cale = CH_Jak_cale.Checked();
    o.bez_wielkosci = !CH_Jak_duze.Checked(); // the box asks to distinguish case
    return o;
}

void TForm23::ustaw_opcje(const OpcjeSzukania& o) {
    CH_Jak_cale.SetChecked(o.cale);
    CH_Jak_ang.SetChecked(o.obce);
    CH_Jak_pol.SetChecked(o.polskie);
    CH_Jak_duze.SetChecked(!o.bez_wielkosci);
    // Searching no column at all would find nothing: both are ticked then.
    if (!o.obce && !o.polskie) {
        CH_Jak_ang.SetChecked(true);
        CH_Jak_pol.SetChecked(true);
    }
}

OpcjeSzukania TForm23::z_ustawien() const {
    const auto& l = ustawienia.linia;
    return {l[U_SZUKAJ_OBCE] == 1, l[U_SZUKAJ_POLSKIE] == 1, l[U_SZUKAJ_CALE] == 1, l[U_SZUKAJ_BEZ_WIELKOSCI] == 1};
}

void TForm23::do_ustawien(const OpcjeSzukania& o) const {
    auto& l = ustawienia.linia;
    l[U_SZUKAJ_OBCE] = o.obce ? 1 : 0;
    l[U_SZUKAJ_POLSKIE] = o.polskie ? 1 : 0;
    l[U_SZUKAJ_CALE] = o.cale ? 1 : 0;
    l[U_SZUKAJ_BEZ_WIELKOSCI] = o.bez_wielkosci ? 1 : 0;
}

void TForm23::OnShow() {
    potwierdzone_ = false;
    B_OK.SetVisible(false);
    ustaw_opcje(opcje_ ? *opcje_ : z_ustawien());
    const bool francuskie = jezyk_edycji == 3;
    CheckBox1.SetVisible(francuskie);
    Label5.SetVisible(francuskie);
    // French letters show as such from the first search of the edition on.
    if (czcionka_dla_ != jezyk_edycji) CheckBox1.SetChecked(francuskie);
    czcionka_dla_ = jezyk_edycji;
    char litera = 0;
    const std::string jezyk = nazwa_jezyka(jezyk_edycji);
    Label3.SetCaption(bez_znacznika(
        os::pl(slowo_ ? "Szukaj wśród " + jezyk : "Szukaj wśród &" + jezyk), litera));
    // The text left behind shows as it was typed when it is the last one confirmed.
    const std::string& zostawiony = slowo_ ? *slowo_ : szukany_tekst;
    if (!potwierdzony_.isEmpty() && Trim(ui::from_qt(potwierdzony_, znaki_)) == zostawiony)
        Edit1.setText(potwierdzony_.trimmed());
    else
        Edit1.SetText(zostawiony);
    potwierdzony_.clear();
    Edit1Change();
    Edit1.SetFocus();
    Edit1.deselect();
    Edit1.setCursorPosition(static_cast<int>(Edit1.text().size()));
}

void TForm23::Edit1Change() {
    B_OK.SetVisible(!Edit1.Text().empty());
}

void pokaz_linie_liczby(ui::Label& l, const std::string& linia, const std::string& szukane, int charset) {
    const size_t at = szukane.empty() ? std::string::npos : linia.find('"' + szukane + '"');
    if (at == std::string::npos)
        l.SetCaption(linia);
    else
        l.SetCaption(linia, at + 1, szukane.size(), charset);
}

void TForm23::CheckBox1Click() {
    ui::Font f = Edit1.GetFont();
    f.charset = CheckBox1.Checked() ? 0 : 238;
    Edit1.SetFont(f);
}

namespace {

bool zapisuje(const QString& tekst, int charset) {
    return ui::to_qt(ui::from_qt(tekst, charset), charset) == tekst;
}

} // namespace

std::string TForm23::Szukane(int charset) const {
    return zapisuje(potwierdzony_, charset) ? Trim(ui::from_qt(potwierdzony_, charset))
                                            : std::string();
}

void TForm23::B_OKClick() {
    if (!B_OK.Visible()) return;
    potwierdzony_ = Edit1.text();
    const int pola = Edit1.GetFont().charset, drugi = pola == 0 ? 238 : 0;
    znaki_ = !zapisuje(potwierdzony_, pola) && zapisuje(potwierdzony_, drugi) ? drugi : pola;
    (slowo_ ? *slowo_ : szukany_tekst) = Trim(ui::from_qt(potwierdzony_, znaki_));
    if (!slowo_) do_ustawien(opcje());
    potwierdzone_ = true;
    close_modal(1);
}

void TForm23::B_ZamknijClick() {
    close_modal(0);
}

void TForm23::OnClose() {
    // Anything but OK leaves no text, so the caller does nothing.
    if (!potwierdzone_) {
        (slowo_ ? *slowo_ : szukany_tekst).clear();
        potwierdzony_.clear();
    }
    if (opcje_) *opcje_ = opcje();
}

bool TForm23::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    // The trainer's labels carry a marked letter: Alt with it toggles the box.
    if (slowo_ || (mods & (Qt::AltModifier | Qt::ControlModifier)) != Qt::AltModifier) return false;
    const char jezyk = nazwa_jezyka(jezyk_edycji)[0];
    const std::pair<int, ui::CheckBox*> klawisze[] = {{Qt::Key_T, &CH_Jak_cale},
                                                      {Qt::Key_R, &CH_Jak_duze},
                                                      {Qt::Key_P, &CH_Jak_pol},
                                                      {Qt::Key_A + (jezyk - 'a'), &CH_Jak_ang}};
    for (auto [k, box] : klawisze)
        if (k == key) {
            box->click();
            return true;
        }
    return false;
}
