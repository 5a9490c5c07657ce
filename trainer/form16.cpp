#include "trainer/form16.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/exercises.h"
#include "core/sound.h"
#include "core/ui_hooks.h"
#include "core/startup.h"
#include "platform/os/paths.h"
#include "platform/ui/jpeg.h"
#include "shared/forms.h"
#include "trainer/form16_geometry.h"
#include "trainer_logic/interludes.h"

TForm16::TForm16()
    : ui::Window(geo16::tlo.w, geo16::tlo.h), Image1(this), Image2(this), L_Opis(this) {
    SetCaption("Tavolent 4.0");
    ustaw_tlo(Image1, "gfx_s\\form16.bmp", geo16::tlo);
    Image1.SetStretch(true);
    Image2.SetVisible(false);
    L_Opis.SetFont(czcionka_arial(15, true, 0xFFFFFF));
    L_Opis.SetAlignment(Qt::AlignHCenter);
    L_Opis.SetTransparent(true);
    Image1.OnClick = [this] { zamknij(); };
    Image2.OnClick = [this] { zamknij(); };
}

QRect TForm16::ekran() {
    QScreen* s = nullptr;
    if (QWidget* w = QApplication::activeWindow()) s = w->screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, geo16::tlo.w, geo16::tlo.h);
}

void TForm16::OnShow() {
    const QRect e = ekran();
    const int W = e.width(), H = e.height();
    set_size(W, H);
    place(e.left(), e.top());
    Image1.SetBounds(0, 0, W, H);
    L_Opis.SetBounds(0, H - geo16::podpis_nad_dolem, W, geo16::podpis_nad_dolem);

    const int k = std::clamp(stan_przerywnikow.zestaw, 1, MAX_PRZERYWNIKOW);
    const TPrzerywnik& s = przerywniki[k];
    const int ile = std::min(s.ile, static_cast<int>(s.kod.size()) - 1);
    plik_.clear();
    Image2.SetVisible(false);
    L_Opis.SetCaption("");
    if (ile >= 1) {
        const int w = std::clamp(stan_przerywnikow.biezacy_wiersz, 1, ile);
        stan_przerywnikow.biezacy_wiersz = w;
        plik_ = sciezka_obrazka(s.kod[w]);
        L_Opis.SetCaption(s.opis[w]);
    }
    if (!plik_.empty() && os::file_exists(plik_)) {
        try {
            const QImage obraz = ui::load_jpeg(plik_);
            const TMiejsce m = miejsce_obrazka(obraz.width(), obraz.height(), W, H);
            Image2.SetPicture(m.width == obraz.width() && m.height == obraz.height()
                                  ? obraz
                                  : obraz.scaled(m.width, m.height, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation));
            Image2.SetBounds(m.left, m.top, m.width, m.height);
            Image2.SetVisible(true);
        } catch (const ui::JpegError& err) {
            // The caption and the sound still come; the learner hears why
            // there is no picture once the window is up.
            const std::string tekst = err.what();
            QTimer::singleShot(0, this, [tekst] { core::show_info(tekst); });
        }
    }
    graj_wav(sciezka_programu + "b2.wav", false);
}

void TForm16::zamknij() {
    close_modal(1);
}

bool TForm16::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    zamknij();
    return true;
}
