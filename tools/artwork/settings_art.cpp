#include "tools/artwork/settings_art.h"

#include "tools/artwork/frames.h"
#include "trainer/form12_geometry.h"
#include "trainer/form3_geometry.h"

namespace artwork {
namespace {

// A panel behind a group of controls, from the top-left of the first to the
// bottom-right of the last.
void group(QImage& img, const look::Rect& first, const look::Rect& last) {
    raised_panel(img, rect(first).united(rect(last)).adjusted(-10, -4, 10, 4), alpha(white, 150));
}

// A picture button: a light rounded face with a coloured edge, an icon in a
// disc at the left and its caption.
QImage action_button(const look::Rect& r, Icon icon, const char* caption, const QColor& accent) {
    return light_button(r, QPen(accent, 1.4), [&](QPainter& p) {
        const double d = std::min(r.h - 10.0, 22.0);
        const QPointF c(8 + d / 2, r.h / 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(c, d / 2, d / 2);
        draw_icon(p, icon, QRectF(c.x() - d / 2 + 4, c.y() - d / 2 + 4, d - 8, d - 8), white);
        const QString text = QString::fromUtf8(caption);
        const double left = 16 + d;
        p.setFont(font(fitting_size(text, 14, 10, r.w - left - 8, true), true));
        p.setPen(granat);
        p.drawText(QRectF(left, 0, r.w - left - 6, r.h), Qt::AlignVCenter | Qt::AlignLeft, text);
    });
}

// The dark bar under the settings' upper part: a fine orange line on it.
QImage black_bar() {
    const look::Rect r = geo12::L_czarny_pasek;
    QImage img = canvas(r.w, r.h, granat);
    QPainter p(&img);
    p.fillRect(QRectF(0, 0, r.w, r.h), vertical(QRectF(0, 0, r.w, r.h), mix(granat, white, 0.1), granat));
    p.fillRect(QRectF(0, 0, r.w, 1), mix(pomarancz, granat, 0.2));
    return img;
}

} // namespace

QImage ustawienia() {
    QImage img = dialog(geo12::okno, "Ustawienia", Icon::gear);
    // One panel for each column.
    group(img, geo12::L_wyznacz, {geo12::box_x, geo12::wiersz_top(2), geo12::label_x + geo12::label_w - geo12::box_x,
                                  geo12::wiersz_h});
    group(img, geo12::L_przerywniki, geo12::CB_Cw);
    button_shadows(img, {geo12::B_Ok, geo12::B_Zamknij});
    {
        // The lower part: set off from the upper one by a band of its own.
        QPainter p(&img);
        prepare(p);
        const double top = geo12::wysokosc_mala;
        const QRectF band(0, top, img.width(), img.height() - top);
        p.fillRect(band, vertical(band, mix(piasek, krem, 0.55), krem));
        p.fillRect(QRectF(0, top, img.width(), 2), alpha(granat, 60));
    }
    group(img, geo12::L_Kat_usera, geo12::L_Kat_usera);
    group(img, geo12::L_kopie, geo12::ListBox1);
    window_edge(img);
    return img;
}

QImage form3() {
    QImage img = dialog(geo3::okno, "Import z wersji 2001", Icon::user);
    raised_panel(img, rect(geo3::Label2).adjusted(-10, -4, 10, 4), alpha(pomarancz, 40));
    raised_panel(img, rect(geo3::Label1).united(rect(geo3::Label3)).adjusted(-10, -6, 10, 8),
                 alpha(white, 150));
    button_shadows(img, {geo3::B_Zamknij});
    window_edge(img);
    return img;
}

std::vector<SmallPicture> settings_pictures() {
    return {
        {"gfx_s/czarny_pasek.bmp", black_bar()},
        {"gfx_s/k_opcje_wiecej.bmp",
         action_button(geo12::k_opcje_wiecej, Icon::arrow_down, "Kopie powtórek, import", morski)},
        {"gfx_s/k_import_kopia1.bmp",
         action_button(geo12::K_import_kopia1, Icon::repeat, "Wczytaj powtórki z kopii", pomarancz)},
        {"gfx_s/k_import.bmp",
         action_button(geo12::K_import, Icon::user, "Import z wersji 2001", morski)},
        {"gfx_s/k_pokaz.bmp",
         action_button(geo3::K_Pokaz, Icon::search, "Wyszukaj program 2001", morski)},
        {"gfx_s/k_importuj.bmp", action_button(geo3::k_importuj, Icon::repeat, "Importuj", pomarancz)},
    };
}

} // namespace artwork
