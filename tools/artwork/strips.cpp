#include "tools/artwork/strips.h"

#include "tools/artwork/paint.h"

#include <QPainterPath>
#include <algorithm>
#include <iterator>

namespace artwork {

std::string slashed(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

namespace {

StripSpec text_strip(Pasek p, const char* caption) {
    return {slashed(opis_paska(p).plik), opis_paska(p).klatka, StripKind::text,
            QString::fromUtf8(caption), std::nullopt};
}

StripSpec menu_strip(Pasek p, const char* caption, Icon icon) {
    return {slashed(opis_paska(p).plik), opis_paska(p).klatka, StripKind::menu,
            QString::fromUtf8(caption), icon};
}

StripSpec icon_strip(Pasek p, Icon icon) {
    return {slashed(opis_paska(p).plik), opis_paska(p).klatka, StripKind::icon, QString(), icon};
}

QPainterPath button_shape(const QRectF& r, StripKind kind) {
    QPainterPath path;
    if (kind == StripKind::icon && r.width() == r.height()) {
        path.addEllipse(r);
        return path;
    }
    const double radius = std::max(4.0, std::min(r.height() * 0.3, 16.0));
    path.addRoundedRect(r, radius, radius);
    return path;
}

void paint_frame(QPainter& p, const StripSpec& spec, const QRectF& frame, bool highlighted) {
    const QColor granat = rgb(look::granat), morski = rgb(look::morski),
                 jasny = rgb(look::morski_jasny), white(255, 255, 255);
    const QRectF body = frame.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath shape = button_shape(body, spec.kind);

    const QColor top = highlighted ? mix(jasny, white, 0.22) : mix(morski, white, 0.14);
    const QColor bottom = highlighted ? mix(jasny, morski, 0.55) : mix(morski, granat, 0.40);
    p.fillPath(shape, vertical(body, top, bottom));

    // soft gloss on the upper half
    p.save();
    p.setClipPath(shape);
    QRectF gloss = body;
    gloss.setHeight(body.height() * 0.5);
    p.fillRect(gloss, vertical(gloss, QColor(255, 255, 255, highlighted ? 60 : 44),
                               QColor(255, 255, 255, 8)));
    p.restore();

    if (highlighted) {
        const double w = frame.height() >= 30 ? 2.0 : 1.6;
        p.setPen(QPen(rgb(look::pomarancz), w));
        p.setBrush(Qt::NoBrush);
        p.drawPath(button_shape(frame.adjusted(w / 2, w / 2, -w / 2, -w / 2), spec.kind));
    } else {
        p.setPen(QPen(mix(morski, granat, 0.7), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }

    const QColor shadow(0x14, 0x28, 0x40, 120);
    const double h = frame.height();
    switch (spec.kind) {
    case StripKind::text: {
        const int px = fitting_size(spec.caption, std::clamp(int(h * 0.42), 12, 20), 10,
                                    frame.width() - 16, true);
        text_centered(p, frame, spec.caption, font(px, true), white, shadow);
        break;
    }
    case StripKind::menu: {
        const double d = h * 0.66;
        const QRectF disc(frame.left() + (h - d) / 2 + 4, frame.top() + (h - d) / 2, d, d);
        p.setPen(Qt::NoPen);
        p.setBrush(highlighted ? rgb(look::pomarancz) : QColor(255, 255, 255, 46));
        p.drawEllipse(disc);
        draw_icon(p, *spec.icon, disc.adjusted(d * 0.2, d * 0.2, -d * 0.2, -d * 0.2), white);
        const QRectF text_box(disc.right() + 14, frame.top(), frame.right() - disc.right() - 22, h);
        const int px = fitting_size(spec.caption, 20, 12, text_box.width(), true);
        p.setFont(font(px, true));
        p.setPen(shadow);
        p.drawText(text_box.translated(0, 1), Qt::AlignVCenter | Qt::AlignLeft, spec.caption);
        p.setPen(white);
        p.drawText(text_box, Qt::AlignVCenter | Qt::AlignLeft, spec.caption);
        break;
    }
    case StripKind::icon: {
        const double side = std::min(frame.width(), h);
        const double inset = side * (frame.width() == h ? 0.2 : 0.12);
        draw_icon(p, *spec.icon, frame.adjusted(inset, inset, -inset, -inset), white);
        break;
    }
    }
}

} // namespace

std::vector<StripSpec> holder_strips() {
    return {
        icon_strip(Pasek::glosnik2, Icon::speaker),
        icon_strip(Pasek::mikrof2, Icon::microphone),
        text_strip(Pasek::ok2, "OK"),
        text_strip(Pasek::anuluj2, "Anuluj"),
        text_strip(Pasek::umiem, "Umiem"),
        text_strip(Pasek::nie_umiem, "Nie umiem"),
        text_strip(Pasek::sprawdz, "Sprawdź"),
        text_strip(Pasek::ok_duzy, "OK"),
        text_strip(Pasek::nauka, "Nauka"),
        text_strip(Pasek::podr_back2, "Wróć"),
        text_strip(Pasek::podr_druk2, "Drukuj"),
        text_strip(Pasek::nowy_user, "Nowy użytkownik"),
        icon_strip(Pasek::glos_maly, Icon::speaker),
        icon_strip(Pasek::op_gora, Icon::arrow_up),
        icon_strip(Pasek::op_dol, Icon::arrow_down),
        menu_strip(Pasek::m_slow_powt, "Powtórki", Icon::repeat),
        menu_strip(Pasek::m_slow_cwicz, "Ćwiczenia", Icon::pencil),
        menu_strip(Pasek::m_slow_wyniki, "Wyniki", Icon::chart),
        menu_strip(Pasek::m_slow_gener, "Generator ćwiczeń", Icon::generator),
        menu_strip(Pasek::m_slow_serwisy, "Serwisy", Icon::globe),
        menu_strip(Pasek::m_slow_pomoc, "Pomoc", Icon::question),
        menu_strip(Pasek::m_slow_ustawienia, "Ustawienia", Icon::gear),
        text_strip(Pasek::podr_spis2, "Spis treści"),
        text_strip(Pasek::sl_do_nauki, "Do nauki"),
        text_strip(Pasek::do_cwiczenia, "Wróć do ćwiczenia"),
        text_strip(Pasek::do_kosza, "Do kosza"),
        text_strip(Pasek::przywroc, "Przywróć"),
        text_strip(Pasek::do_schowka, "Do schowka"),
        text_strip(Pasek::zamknij, "Zamknij"),
        menu_strip(Pasek::statystyka, "Statystyka", Icon::chart),
        text_strip(Pasek::zeruj, "Zeruj"),
        text_strip(Pasek::kasuj_pow, "Kasuj wszystkie"),
    };
}

std::vector<StripSpec> dictionary_window_strips() {
    return {
        text_strip(Pasek::sl_szukaj, "Szukaj"),
        text_strip(Pasek::sl_zdania, "Przykłady"),
        text_strip(Pasek::sl_wszystkie, "Wszystkie"),
    };
}

QImage render_strip(const StripSpec& spec) {
    const int w = spec.frame.w, h = spec.frame.h;
    // Neutral ground for the antialiased edges: the light window colour.
    QImage img = canvas(w * strip_frames, h, rgb(look::krem));
    QImage mask(img.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter p(&img);
        prepare(p);
        QPainter m(&mask); // hard-edged: a pixel belongs to the button when its centre does
        for (int f = 0; f < strip_frames; ++f) {
            const QRectF frame(f * w, 0, w, h);
            paint_frame(p, spec, frame, f == 1);
            m.fillPath(button_shape(frame, spec.kind), Qt::black);
        }
    }
    const QRgb key = QRgb(0xFF000000u | look::klucz_przezroczysty);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(mask.pixel(x, y)) < 128) img.setPixel(x, y, key);
    return img;
}

} // namespace artwork
