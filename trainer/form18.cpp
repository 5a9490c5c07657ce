#include "trainer/form18.h"

#include <algorithm>

#include "core/exercises.h"
#include "core/sound.h"
#include "core/startup.h"
#include "platform/os/codepage.h"
#include "shared/forms.h"
#include "trainer/form18_geometry.h"
#include "trainer_logic/interludes.h"

TForm18::TForm18()
    : ui::Window(geo18::okno.w, geo18::okno.h), Image1(this), L_Ang(this), L_Opis(this),
      L_Pol(this), K_Tlum(this), K_Graj(this, Pasek::glosnik2), L_Koniec(this) {
    SetCaption(os::pl("Przerywnik"));
    ustaw_tlo(Image1, "gfx_s\\form18.bmp", geo18::okno);

    for (ui::Label* l : {&L_Ang, &L_Opis, &L_Pol}) {
        l->SetWordWrap(true);
        l->SetTransparent(true);
        l->SetAlignment(Qt::AlignHCenter);
        l->SetLayout(Qt::AlignVCenter);
    }
    umiesc(L_Ang, geo18::L_Ang);
    umiesc(L_Opis, geo18::L_Opis);
    umiesc(L_Pol, geo18::L_Pol);
    L_Pol.SetFont(czcionka_arial(16, true, look::morski));

    umiesc(K_Tlum, geo18::K_Tlum);
    K_Tlum.SetFont([] {
        ui::Font f = czcionka_arial(14, true, look::morski);
        f.underline = true;
        return f;
    }());
    K_Tlum.SetAlignment(Qt::AlignHCenter);
    K_Tlum.SetLayout(Qt::AlignVCenter);
    K_Tlum.SetCaption(os::pl("Pokaż tłumaczenie"));
    K_Tlum.OnClick = [this] { K_TlumClick(); };
    ui::hand_cursor(&K_Tlum);

    ustaw_przycisk(K_Graj, geo18::K_Graj, [this] { K_GrajClick(); });

    umiesc(L_Koniec, geo18::L_Koniec);
    L_Koniec.SetFont(czcionka_arial(15, true, look::granat));
    L_Koniec.SetAlignment(Qt::AlignRight);
    L_Koniec.SetLayout(Qt::AlignVCenter);
    L_Koniec.SetCaption("Zamknij");
    L_Koniec.OnClick = [this] { L_KoniecClick(); };
    ui::hand_cursor(&L_Koniec);

    // Enter and Esc both close.
    SetDefaultButton(&L_Koniec);
    SetCancelButton(&L_Koniec);
}

void TForm18::OnShow() {
    const int k = std::clamp(stan_przerywnikow.zestaw, 1, MAX_PRZERYWNIKOW);
    const TPrzerywnik& s = przerywniki[k];
    const int ile = std::min(s.ile, static_cast<int>(s.sentencja.size()) - 1);
    nagranie_.clear();
    if (ile < 1) {
        L_Ang.SetCaption("");
        L_Opis.SetCaption("");
        L_Pol.SetCaption("");
        K_Tlum.SetVisible(false);
        K_Graj.SetVisible(false);
        return;
    }
    const int w = std::clamp(stan_przerywnikow.biezacy_wiersz, 1, ile);
    stan_przerywnikow.biezacy_wiersz = w;

    // The saying and its description are in the edition's character set.
    ui::Font ang = czcionka_arial(20, true, look::granat);
    ang.face = czcionka.empty() ? "Arial" : czcionka;
    ang.charset = czcionka_charset;
    L_Ang.SetFont(ang);
    ui::Font opis = czcionka_arial(14, false, look::tekst);
    opis.face = ang.face;
    opis.italic = true;
    opis.charset = czcionka_charset;
    L_Opis.SetFont(opis);

    L_Ang.SetCaption(s.sentencja[w]);
    L_Opis.SetCaption(s.opis[w]);
    L_Pol.SetCaption(s.tlumaczenie[w]);
    L_Pol.SetVisible(false);
    K_Tlum.SetVisible(!s.tlumaczenie[w].empty());
    K_Graj.SetVisible(!s.nagranie[w].empty());
    if (!s.nagranie[w].empty()) nagranie_ = sciezka_cd + "bssent\\d_roz.cdr\\" + s.nagranie[w];

    graj_wav(sciezka_programu + "b2.wav", false);
    graj_wav(nagranie_, false);
}

void TForm18::K_TlumClick() {
    L_Pol.SetVisible(true);
    K_Tlum.SetVisible(false);
}

void TForm18::K_GrajClick() {
    graj_wav(nagranie_, false);
}

void TForm18::L_KoniecClick() {
    close_modal(1);
}
