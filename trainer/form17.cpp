#include "trainer/form17.h"

#include "core/sound.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "platform/ui/jpeg.h"
#include "shared/forms.h"
#include "trainer/form17_geometry.h"

namespace {

constexpr uint32_t czarny = 0x000000;
constexpr uint32_t granatowy = 0x000080;

// The game's picture is a JPEG; without it, the windows' light ground.
QImage tlo_kojarzenia() {
    try {
        return ui::load_jpeg(sciezka_programu + "gfx_s\\kojarzenie.jpg");
    } catch (const ui::JpegError&) {
        return tlo_okna("", geo17::okno);
    }
}

} // namespace

TForm17::TForm17()
    : ui::Window(geo17::okno.w, geo17::okno.h), Image1(this), PaintBox1(this),
      K_Sprawdz(this, Pasek::sprawdz), L_Wynik(this), B_Zamknij(this, Pasek::anuluj2) {
    SetCaption(os::pl("Kojarzenie słówek"));
    Image1.SetBounds(0, 0, geo17::okno.w, geo17::okno.h);
    Image1.SetPicture(tlo_kojarzenia());
    PaintBox1.SetBounds(geo17::lewa_x, geo17::wiersz_top(1), geo17::etykieta_szer,
                        geo17::etykieta_wys);
    for (int i = 1; i <= SLOW_KOJARZENIA; ++i) {
        for (bool lewy : {true, false}) {
            auto l = std::make_unique<TMLabel>(this);
            l->SetBounds(lewy ? geo17::lewa_x : geo17::prawa_x, geo17::wiersz_top(i),
                         geo17::etykieta_szer, geo17::etykieta_wys);
            l->SetTransparent(true);
            l->SetLayout(Qt::AlignVCenter);
            l->OnClick = [this, i, lewy] { lewy ? LLClick(i) : LRClick(i); };
            ui::hand_cursor(l.get());
            (lewy ? LL : LR)[i] = std::move(l);
        }
    }
    ustaw_przycisk(K_Sprawdz, geo17::K_Sprawdz, [this] { K_SprawdzClick(); });
    umiesc(L_Wynik, geo17::L_Wynik);
    L_Wynik.SetFont(czcionka_arial(24, true, look::granat));
    L_Wynik.SetLayout(Qt::AlignVCenter);
    L_Wynik.SetTransparent(true);
    ustaw_przycisk(B_Zamknij, geo17::B_Zamknij, [this] { B_ZamknijClick(); });
    SetCancelButton(&B_Zamknij);
    SetHelpPage("h_10_slow.html#cws_pary");

    Timer1.SetInterval(1500);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TForm17::nowa_gra(const TSlowaKojarzenia& slowa) {
    slowa_ = slowa;
}

void TForm17::OnShow() {
    Timer1.SetEnabled(false);
    plansza_.nowa(slowa_);
    granat_.fill(false);
    migajacy_ = 0;
    L_Wynik.SetCaption(plansza_.wynik());
    K_Sprawdz.SetVisible(true);
    odswiez();
    graj_wav(sciezka_programu + "b2.wav", false);
}

void TForm17::odswiez() {
    for (int i = 1; i <= SLOW_KOJARZENIA; ++i) {
        const uint32_t kolor = granat_[i] || migajacy_ == i ? granatowy : czarny;
        ui::Font f = czcionka_arial(15, true, kolor);
        f.charset = 0;
        f.underline = plansza_.wybrany_lewy() == i;
        LL[i]->SetFont(f);
        LL[i]->SetCaption(plansza_.lewy(i));
        f.charset = 238;
        f.underline = plansza_.wybrany_prawy() == i;
        LR[i]->SetFont(f);
        LR[i]->SetCaption(plansza_.prawy(i));
    }
}

void TForm17::mignij(int wiersz) {
    if (wiersz < 1) return;
    migajacy_ = wiersz;
    granat_[wiersz] = false;
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
}

void TForm17::LLClick(int wiersz) {
    const TPlanszaKojarzenia::Skutek s = plansza_.klik_lewy(wiersz);
    if (s.graj) graj_wav(plansza_.nagranie(s.graj), false);
    mignij(s.mignij);
    odswiez();
}

void TForm17::LRClick(int wiersz) {
    mignij(plansza_.klik_prawy(wiersz).mignij);
    odswiez();
}

void TForm17::K_SprawdzClick() {
    PaintBox1.update();
    Timer1.SetEnabled(false);
    migajacy_ = 0;
    plansza_.sprawdz();
    for (int i = 1; i <= SLOW_KOJARZENIA; ++i)
        granat_[i] = plansza_.dobrze(i);
    L_Wynik.SetCaption(plansza_.wynik());
    if (plansza_.koniec()) {
        K_Sprawdz.SetVisible(false);
        graj_wav(sciezka_programu + "b_ok.wav", false);
    }
    odswiez();
}

void TForm17::Timer1Timer() {
    Timer1.SetEnabled(false);
    migajacy_ = 0;
    odswiez();
}

void TForm17::B_ZamknijClick() {
    Timer1.SetEnabled(false);
    close_modal(1);
}
