#include "shared/informacja.h"

#include "core/items.h"
#include "core/sound.h"
#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "shared/informacja_geometry.h"

TInformacjaForm* InformacjaForm = nullptr;

namespace {

QImage znak(const std::string& plik) {
    const QImage img = tlo_okna(plik, geo_przyklady::ikona);
    return ui::keyed_image(img, 0xFF000000u | look::klucz_przezroczysty);
}

constexpr przyklady::Rozmiar rozmiar(look::Size s) {
    return {s.w, s.h};
}

} // namespace

TInformacjaForm::TInformacjaForm(bool slownik)
    : ui::Window(geo_przyklady::okno.w, geo_przyklady::okno.h), Image2(this), Pb1(this),
      Label1(this), Label2(this), B_OK(this, Pasek::ok2), btn_up(this, Pasek::op_gora),
      btn_dn(this, Pasek::op_dol), img_1(this), img_2(this), slownik_(slownik),
      tekst_(miara_, {geo_przyklady::Pb1.w, geo_przyklady::Pb1.h}, rozmiar(geo_przyklady::ikona),
             rozmiar(geo_przyklady::ikona)) {
    SetCaption(os::pl("Przykłady"));
    ustaw_tlo(Image2, "gfx_s\\przyklady.bmp", geo_przyklady::okno);

    umiesc(Pb1, geo_przyklady::Pb1);
    Pb1.setMouseTracking(true);
    Pb1.OnPaint = [this](ui::Canvas& c) { Rysuj_tekst(c); };
    Pb1.OnMouseMove = [this](Qt::KeyboardModifiers, int x, int y) { Pb1MouseMove(x, y); };
    // The spot under a press counts even when no move came before it.
    Pb1.OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        Pb1MouseMove(x, y);
    };
    Pb1.OnClick = [this] { Pb1Click(); };

    Label1.SetVisible(false);
    ustaw_komunikat(Label2, geo_przyklady::Label2);
    Label2.SetFont([] {
        ui::Font f = czcionka_arial(12, false, look::tekst);
        f.italic = true;
        return f;
    }());
    Label2.SetCaption(os::pl("Uwaga, przykłady mogą zawierać inne znaczenia uczonego słowa."));

    ustaw_przycisk(B_OK, geo_przyklady::B_OK, [this] { B_OKClick(); });
    ustaw_przycisk(btn_up, geo_przyklady::btn_up, [this] { btn_upClick(); });
    ustaw_przycisk(btn_dn, geo_przyklady::btn_dn, [this] { btn_dnClick(); });
    SetDefaultButton(&B_OK);
    SetCancelButton(&B_OK);

    img_1.SetVisible(false);
    img_2.SetVisible(false);
    img_1.SetPicture(tlo_okna("gfx_s\\przyklad_glos.bmp", geo_przyklady::ikona));
    img_2.SetPicture(tlo_okna("gfx_s\\przyklad_znak.bmp", geo_przyklady::ikona));
    ikona_dzwieku_ = znak("gfx_s\\przyklad_glos.bmp");
    ikona_2_ = znak("gfx_s\\przyklad_znak.bmp");
}

void TInformacjaForm::OnShow() {
    tekst_.ustaw_tekst(Label1.Parts());
    btn_up.SetVisible(tekst_.btn_up());
    btn_dn.SetVisible(tekst_.btn_dn());
    Pb1.setCursor(Qt::ArrowCursor);
    Pb1.update();
}

void TInformacjaForm::Rysuj_tekst(ui::Canvas& c) {
    using namespace przyklady;
    const Uklad& u = tekst_.uklad();
    const int wys = Pb1.height();
    int styl = -1;
    for (const Element& e : u.elementy) {
        if (e.y + WYSOKOSC_LINII <= 0 || e.y >= wys) continue;
        const Token& t = tekst_.tokeny()[e.token];
        if (t.rodzaj == Rodzaj::dzwiek || t.rodzaj == Rodzaj::ikona) {
            const QImage& ik = t.rodzaj == Rodzaj::dzwiek ? ikona_dzwieku_ : ikona_2_;
            c.DrawPrepared({e.x, e.y}, ik, ik.rect());
            continue;
        }
        const int ten = (e.bold ? 1 : 0) + (e.italic ? 2 : 0) + (t.charset == 0 ? 4 : 0);
        if (ten != styl) {
            c.SetFont(TMiaraPrzykladow::czcionka(e.bold, e.italic, t.charset));
            styl = ten;
        }
        c.TextOut(e.x, e.y, t.tekst + " ");
    }
}

void TInformacjaForm::przewin(bool w_dol) {
    if (!(w_dol ? tekst_.w_dol() : tekst_.w_gore())) return;
    btn_up.SetVisible(tekst_.btn_up());
    btn_dn.SetVisible(tekst_.btn_dn());
    Pb1.setCursor(Qt::ArrowCursor);
    Pb1.update();
}

void TInformacjaForm::btn_dnClick() {
    przewin(true);
}

void TInformacjaForm::btn_upClick() {
    przewin(false);
}

void TInformacjaForm::Pb1MouseMove(int x, int y) {
    Pb1.setCursor(tekst_.najedz(x, y) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TInformacjaForm::Pb1Click() {
    graj(tekst_.klik());
}

void TInformacjaForm::Odtworz_przyklad() {
    graj(tekst_.Odtworz_przyklad());
}

// A sentence's recording; an index outside the store plays nothing.
void TInformacjaForm::graj(int pozycja) {
    if (pozycja < 1 || pozycja > baza.ile_slow) return;
    graj_wav(sciezka_nagrania(pozycja), false);
}

void TInformacjaForm::B_OKClick() {
    close_modal(1);
}

bool TInformacjaForm::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (slownik_) return false;
    switch (key) {
    case Qt::Key_Down:
        if (btn_dn.Visible()) btn_dnClick();
        return true;
    case Qt::Key_Up:
        if (btn_up.Visible()) btn_upClick();
        return true;
    case Qt::Key_Space:
        Odtworz_przyklad();
        return true;
    default:
        return false;
    }
}
