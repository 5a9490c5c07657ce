#include "tools/artwork/help_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <map>

#include "tools/artwork/backgrounds.h"
#include "tools/artwork/frames.h"
#include "tools/artwork/paint.h"
#include "shared/form9_geometry.h"
#include "trainer/form1_geometry.h"

namespace artwork {

namespace {

const QRgb key = QRgb(0xFF000000u | look::klucz_przezroczysty);

StripSpec spec_of(Pasek pasek) {
    for (const StripSpec& s : holder_strips())
        if (s.file == slashed(opis_paska(pasek).plik)) return s;
    return holder_strips().front();
}

// The normal frame of a strip, keyed pixels left transparent.
QImage first_frame(Pasek pasek) {
    const StripSpec spec = spec_of(pasek);
    QImage frame = render_strip(spec).copy(0, 0, spec.frame.w, spec.frame.h).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if ((frame.pixel(x, y) | 0xFF000000u) == key) frame.setPixel(x, y, 0);
    return frame;
}

// LZW codes of 9 bits, the table cleared before it would need a tenth bit:
// plain to write, read by every decoder.
void lzw_uncompressed(const std::vector<uint8_t>& pixels, std::string& out) {
    std::string data;
    uint32_t acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= static_cast<uint32_t>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            data += static_cast<char>(acc & 0xFF);
            acc >>= 8;
            bits -= 8;
        }
    };
    int run = 0;
    put(256);
    for (uint8_t p : pixels) {
        if (run == 250) {
            put(256);
            run = 0;
        }
        put(p);
        ++run;
    }
    put(257);
    if (bits > 0) data += static_cast<char>(acc & 0xFF);
    out += static_cast<char>(8);
    for (size_t i = 0; i < data.size(); i += 255) {
        const size_t n = std::min<size_t>(255, data.size() - i);
        out += static_cast<char>(n);
        out.append(data, i, n);
    }
    out += static_cast<char>(0);
}

void le16(std::string& s, int v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

} // namespace

QImage help_menu(int w, int h) {
    QImage img = menu_slow().convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&img);
        const std::pair<Pasek, look::Rect> buttons[] = {
            {Pasek::m_slow_powt, look::btn_powtorki},       {Pasek::m_slow_cwicz, look::btn_cwiczenia},
            {Pasek::m_slow_wyniki, look::btn_wyniki},       {Pasek::m_slow_gener, look::btn_generator},
            {Pasek::m_slow_ustawienia, look::btn_ustawienia}, {Pasek::m_slow_pomoc, look::btn_pomoc},
            {Pasek::m_slow_serwisy, look::btn_serwisy},
        };
        for (const auto& [pasek, r] : buttons) p.drawImage(r.x, r.y, first_frame(pasek));
    }
    return img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage help_login() {
    QImage img = form9().convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);
    p.setPen(tekst);
    p.setFont(font(15, false));
    const QRectF label = rect(look::form9_Label1);
    p.drawText(label.adjusted(0, 0, 80, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Użytkownik:"));
    // The list closed on a chosen name, with its drop-down arrow.
    const QRectF box = rect(look::form9_ComboBox1);
    p.setPen(QPen(mix(granat, white, 0.55), 1));
    p.setBrush(white);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(tekst);
    p.drawText(box.adjusted(8, 0, -30, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("Małgorzata"));
    const QPointF tip(box.right() - 14, box.center().y() + 3);
    QPainterPath arrow;
    arrow.moveTo(tip + QPointF(-5, -5));
    arrow.lineTo(tip + QPointF(5, -5));
    arrow.lineTo(tip);
    arrow.closeSubpath();
    p.fillPath(arrow, granat);
    const std::pair<Pasek, look::Rect> buttons[] = {
        {Pasek::nowy_user, look::form9_TransparentButton1},
        {Pasek::ok2, look::form9_B_OK},
        {Pasek::anuluj2, look::form9_B_Zamknij},
    };
    for (const auto& [pasek, r] : buttons) p.drawImage(r.x, r.y, first_frame(pasek));
    return img;
}

QImage help_button(Pasek pasek) {
    const QImage frame = first_frame(pasek);
    QImage img(frame.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(0, 0, frame);
    return img;
}

std::vector<QImage> help_bell_frames() {
    std::vector<QImage> frames;
    for (double angle : {-18.0, -6.0, 6.0, 18.0, 6.0, -6.0}) {
        QImage img(48, 48, QImage::Format_ARGB32);
        img.fill(0);
        QPainter p(&img);
        // Hard edges: the transparent ground must stay one colour.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(24, 6);
        p.rotate(angle);
        QPainterPath bell;
        bell.moveTo(-4, 4);
        bell.cubicTo(-14, 6, -12, 26, -18, 32);
        bell.lineTo(18, 32);
        bell.cubicTo(12, 26, 14, 6, 4, 4);
        bell.closeSubpath();
        p.setPen(QPen(QColor(granat), 2));
        p.setBrush(QColor(pomarancz));
        p.drawPath(bell);
        p.setBrush(QColor(granat));
        p.drawEllipse(QPointF(0, 36), 4, 4);
        p.drawEllipse(QPointF(0, 2), 3, 3);
        frames.push_back(img);
    }
    return frames;
}

bool write_gif(const std::vector<QImage>& frames, int delay, const std::string& path) {
    if (frames.empty()) return false;
    const int w = frames[0].width(), h = frames[0].height();
    std::map<QRgb, int> index;
    std::vector<QRgb> palette{0};
    for (const QImage& f : frames)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = f.pixel(x, y);
                if (qAlpha(c) < 128 || index.count(c | 0xFF000000u)) continue;
                if (palette.size() == 256) return false;
                index[c | 0xFF000000u] = static_cast<int>(palette.size());
                palette.push_back(c | 0xFF000000u);
            }
    std::string out = "GIF89a";
    le16(out, w);
    le16(out, h);
    out += static_cast<char>(0xF7); // global table of 256 entries
    out += '\0';
    out += '\0';
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(i)] : 0;
        out += static_cast<char>(qRed(c));
        out += static_cast<char>(qGreen(c));
        out += static_cast<char>(qBlue(c));
    }
    out += "\x21\xFF\x0BNETSCAPE2.0\x03\x01";
    le16(out, 0); // loop for ever
    out += '\0';
    for (const QImage& f : frames) {
        out += "\x21\xF9\x04";
        out += static_cast<char>((2 << 2) | 1); // restore to the ground; transparent index
        le16(out, delay);
        out += '\0'; // transparent index 0
        out += '\0';
        out += '\x2C';
        le16(out, 0);
        le16(out, 0);
        le16(out, w);
        le16(out, h);
        out += '\0';
        std::vector<uint8_t> pixels;
        pixels.reserve(static_cast<size_t>(w * h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = f.pixel(x, y);
                pixels.push_back(qAlpha(c) < 128 ? 0 : static_cast<uint8_t>(index[c | 0xFF000000u]));
            }
        lzw_uncompressed(pixels, out);
    }
    out += '\x3B';
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace artwork
