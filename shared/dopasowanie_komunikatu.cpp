#include "shared/dopasowanie_komunikatu.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <algorithm>

#include "platform/ui/canvas.h"
#include "platform/ui/window.h"
#include "shared/forms.h"

namespace {

// The boxes' band holding the icon and the buttons with their shadows; the
// rows above and below it are plain ground and the straight part of the
// action panel.
constexpr int pas_gora = 30, pas_dol = 74;
// Room kept free above and below the highest box.
constexpr int margines_ekranu = 40;

} // namespace

QImage wyzsze_tlo(const QImage& tlo, int wysokosc, int gora, int dol) {
    const int wiecej = wysokosc - tlo.height();
    if (wiecej <= 0 || tlo.isNull() || gora < 0 || dol > tlo.height() - 1 || gora >= dol)
        return tlo;
    const int nad = wiecej / 2;
    QImage out(tlo.width(), wysokosc, tlo.format());
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), tlo, QRect(0, 0, tlo.width(), gora));
    for (int i = 0; i < nad; ++i) p.drawImage(QPoint(0, gora + i), tlo, QRect(0, gora, tlo.width(), 1));
    p.drawImage(QPoint(0, gora + nad), tlo, QRect(0, gora, tlo.width(), dol - gora));
    for (int i = 0; i < wiecej - nad; ++i)
        p.drawImage(QPoint(0, dol + nad + i), tlo, QRect(0, dol, tlo.width(), 1));
    p.drawImage(QPoint(0, dol + wiecej), tlo, QRect(0, dol, tlo.width(), tlo.height() - dol));
    return out;
}

int wysokosc_tekstu(const ui::Label& label, int szerokosc) {
    const QFontMetrics m(ui::qfont(label.GetFont()));
    return m.boundingRect(QRect(0, 0, szerokosc, 1 << 20), Qt::AlignLeft | Qt::TextWordWrap, label.Text())
        .height();
}

int najwyzszy_komunikat(int wlasna_wysokosc) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return wlasna_wysokosc;
    return std::max(wlasna_wysokosc, screen->availableGeometry().height() - 2 * margines_ekranu);
}

DopasowanieKomunikatu::DopasowanieKomunikatu(ui::Window& okno, ui::Image& tlo, std::string plik_tla,
                                             look::Size rozmiar, ui::Label& tekst, look::Rect obszar,
                                             std::vector<std::pair<QWidget*, look::Rect>> przyciski)
    : okno_(okno), tlo_(tlo), plik_tla_(std::move(plik_tla)), rozmiar_(rozmiar), tekst_(tekst),
      obszar_(obszar), przyciski_(std::move(przyciski)), pole_(&okno) {
    pole_.SetReadOnly(true);
    pole_.SetWordWrap(true);
    pole_.setFrameShape(QFrame::NoFrame);
    // Shown only for a text taller than the field: the bar says there is more.
    pole_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pole_.setFocusPolicy(Qt::NoFocus);
    pole_.viewport()->setAutoFillBackground(false);
    pole_.setStyleSheet("QPlainTextEdit { background: transparent; }");
    pole_.document()->setDocumentMargin(0);
    pole_.hide();
    tekst_.OnCaptionChange = [this] { dopasuj(); };
}

void DopasowanieKomunikatu::dopasuj() {
    std::vector<look::Rect> miejsca;
    for (const auto& b : przyciski_) miejsca.push_back(b.second);
    uklad_ = uklad_komunikatu(rozmiar_, obszar_, miejsca, wysokosc_tekstu(tekst_, obszar_.w),
                              najwyzszy_komunikat(rozmiar_.h));
    const UkladKomunikatu& u = uklad_;
    okno_.set_size(u.okno.w, u.okno.h);
    tlo_.SetBounds(0, 0, u.okno.w, u.okno.h);
    tlo_.SetPictureSource([plik = plik_tla_, rozmiar = rozmiar_, h = u.okno.h] {
        return wyzsze_tlo(tlo_okna(plik, rozmiar), h, pas_gora, pas_dol);
    });
    umiesc(tekst_, u.tekst);
    for (size_t i = 0; i < przyciski_.size(); ++i) umiesc(*przyciski_[i].first, u.przyciski[i]);
    tekst_.setVisible(!u.przewijany);
    pole_.setVisible(u.przewijany);
    if (!u.przewijany) return;
    umiesc(pole_, u.tekst);
    pole_.SetFont(tekst_.GetFont());
    QPalette kolory = pole_.palette();
    kolory.setColor(QPalette::Text, QColor::fromRgb(tekst_.GetFont().color));
    pole_.setPalette(kolory);
    pole_.setPlainText(tekst_.Text());
}
