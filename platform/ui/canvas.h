#pragma once
// A drawing surface over QPainter in the manner the windows paint: copies
// with one colour left out, partial copies, rectangles and text placed by the
// top-left of its cell. Text is 8-bit in the font's character set.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <string>

#include "platform/os/codepage.h"

namespace ui {

// A font as the windows name it: face, character height in pixels (the em
// size), style, colour and character set (238 Windows-1250, 0 Windows-1252).
struct Font {
    std::string face = "MS Sans Serif";
    int pixels = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QRgb color = 0xFF000000u;
    int charset = 238;
};

// Point size at 96 dots per inch to pixels, rounded.
int points_to_pixels(int points);

// Family that stands in for a face: "Arial" and "MS Sans Serif" -> Liberation
// Sans, "Times New Roman" -> Liberation Serif, "Courier New" -> Liberation Mono
// (also with a " CE" suffix); other names are kept.
QString family_for(const std::string& face);
QFont qfont(const Font& font);

// 8-bit text of a character set to Qt and back; line breaks CR LF, LF CR and
// lone CR become LF on the way in.
QString to_qt(const std::string& text, int charset = 238);
// Each piece by its own set.
QString to_qt(const os::PartedText& parts);
std::string from_qt(const QString& text, int charset = 238);

// A copy of `src` in which pixels of colour `key` are fully transparent and
// every other pixel opaque: drawing it leaves the key colour's places as they were.
QImage keyed_image(const QImage& src, QRgb key);

class Canvas {
  public:
    // `clip` is the rectangle being updated, in the painter's coordinates.
    Canvas(QPainter& painter, const QRect& clip);

    QPainter& painter() { return p_; }
    QRect ClipRect() const { return clip_; }

    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    void FillRect(const QRect& r, QRgb color);
    void FrameRect(const QRect& r, QRgb color); // one-pixel outline inside r

    // Text with the top-left of its cell at (x, y), background left as it is.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight() const;
    // Text in a rectangle: Qt alignment flags; `wrap` breaks lines at words.
    void DrawText(const QRect& r, const std::string& text, Qt::Alignment align, bool wrap);
    void DrawText(const QRect& r, const QString& text, Qt::Alignment align, bool wrap);

    // Copies `src_rect` of `src` to `dest` (top-left), clipped to the update
    // rectangle and to the source image.
    void Draw(const QPoint& dest, const QImage& src, const QRect& src_rect);
    void Draw(int x, int y, const QImage& src) { Draw({x, y}, src, src.rect()); }
    // The same, leaving out pixels of colour `key`.
    void DrawKeyed(const QPoint& dest, const QImage& src, const QRect& src_rect, QRgb key);
    // The same with a picture already made by keyed_image().
    void DrawPrepared(const QPoint& dest, const QImage& keyed, const QRect& src_rect);

  private:
    QPainter& p_;
    QRect clip_;
    Font font_;
};

} // namespace ui
