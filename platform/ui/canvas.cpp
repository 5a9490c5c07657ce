#include "platform/ui/canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cctype>

#include "platform/os/codepage.h"

namespace ui {

int points_to_pixels(int points) {
    return (points * 96 + (points >= 0 ? 36 : -36)) / 72;
}

QString family_for(const std::string& face) {
    std::string f;
    for (char c : face)
        f += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (f.size() > 3 && f.compare(f.size() - 3, 3, " ce") == 0) f.resize(f.size() - 3);
    if (f == "arial" || f == "ms sans serif") return QStringLiteral("Liberation Sans");
    if (f == "times new roman") return QStringLiteral("Liberation Serif");
    if (f == "courier new") return QStringLiteral("Liberation Mono");
    return QString::fromStdString(face);
}

QFont qfont(const Font& font) {
    QFont q(family_for(font.face));
    q.setPixelSize(std::max(1, font.pixels));
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStyleStrategy(QFont::PreferDefault);
    return q;
}

QString to_qt(const std::string& text, int charset) {
    std::string s;
    s.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '\r' || c == '\n') && i + 1 < text.size() &&
            (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c) {
            s += '\n';
            ++i;
        } else {
            s += c == '\r' ? '\n' : c;
        }
    }
    return QString::fromStdString(os::to_utf8(s, charset));
}

QString to_qt(const os::PartedText& parts) {
    QString s;
    for (const os::TextPart& p : parts)
        s += to_qt(p.text, p.charset);
    return s;
}

std::string from_qt(const QString& text, int charset) {
    return os::from_utf8(text.toStdString(), charset);
}

QImage keyed_image(const QImage& src, QRgb key) {
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = key & 0xFFFFFFu;
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = (line[x] & 0xFFFFFFu) == k ? 0u : (line[x] | 0xFF000000u);
    }
    return out;
}

Canvas::Canvas(QPainter& painter, const QRect& clip) : p_(painter), clip_(clip) {
    p_.setBackgroundMode(Qt::TransparentMode);
    SetFont(font_);
}

void Canvas::SetFont(const Font& font) {
    font_ = font;
    p_.setFont(qfont(font));
    p_.setPen(QColor::fromRgb(font.color));
}

void Canvas::FillRect(const QRect& r, QRgb color) {
    p_.fillRect(r, QColor::fromRgb(color));
}

void Canvas::FrameRect(const QRect& r, QRgb color) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const QColor c = QColor::fromRgb(color);
    p_.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p_.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p_.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p_.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    const QFontMetrics fm(p_.font());
    p_.drawText(QPoint(x, y + fm.ascent()), to_qt(text, font_.charset));
}

int Canvas::TextWidth(const std::string& text) const {
    return QFontMetrics(p_.font()).horizontalAdvance(to_qt(text, font_.charset));
}

int Canvas::TextHeight() const {
    return QFontMetrics(p_.font()).height();
}

void Canvas::DrawText(const QRect& r, const std::string& text, Qt::Alignment align, bool wrap) {
    DrawText(r, to_qt(text, font_.charset), align, wrap);
}

namespace {

// Line breaks at the end of a text (the captions end their lines with one)
// start no empty line that would push the others off centre.
QString without_last_breaks(QString text) {
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

void Canvas::DrawText(const QRect& r, const QString& text, Qt::Alignment align, bool wrap) {
    if (!wrap) {
        p_.drawText(r, static_cast<int>(align) | Qt::TextSingleLine, text);
        return;
    }
    p_.drawText(r, static_cast<int>(align) | Qt::TextWordWrap, without_last_breaks(text));
}

namespace {

// The part of src_rect (placed at dest) that lies in the source and the clip.
bool visible_part(const QPoint& dest, const QImage& src, const QRect& src_rect, const QRect& clip,
                  QPoint& at, QRect& from) {
    const QRect s = src_rect & src.rect();
    if (s.isEmpty()) return false;
    const QRect d(dest + (s.topLeft() - src_rect.topLeft()), s.size());
    const QRect v = d & clip;
    if (v.isEmpty()) return false;
    at = v.topLeft();
    from = QRect(s.topLeft() + (v.topLeft() - d.topLeft()), v.size());
    return true;
}

} // namespace

void Canvas::Draw(const QPoint& dest, const QImage& src, const QRect& src_rect) {
    QPoint at;
    QRect from;
    if (visible_part(dest, src, src_rect, clip_, at, from)) p_.drawImage(at, src, from);
}

void Canvas::DrawKeyed(const QPoint& dest, const QImage& src, const QRect& src_rect, QRgb key) {
    QPoint at;
    QRect from;
    if (!visible_part(dest, src, src_rect, clip_, at, from)) return;
    p_.drawImage(at, keyed_image(src.copy(from), key));
}

void Canvas::DrawPrepared(const QPoint& dest, const QImage& keyed, const QRect& src_rect) {
    QPoint at;
    QRect from;
    if (visible_part(dest, keyed, src_rect, clip_, at, from)) p_.drawImage(at, keyed, from);
}

} // namespace ui
