#pragma once
// The HTML viewer's drawing surface, in the manner of a classic device
// context: a selected font, pen and brush, text and background colours, a
// background mode, text alignment with a current position, clipping by
// rectangles and regions, a window origin with window and viewport extents,
// and bitmap copies with raster operations. One QPainter carries it, so the
// same code paints on a window, an image or a printer.
//
// Text is UTF-16. Glyphs are placed at whole-pixel advances that the same
// font measures, so a measured width is exactly the painted width. The screen
// is taken to have 96 pixels per inch whatever the display says.
//
// Rectangles (`Rect`) are left, top, right, bottom with the right and bottom
// edges outside, as the viewer's layout computes them. Coordinates given to
// drawing calls are logical; clip regions are in device pixels.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRawFont>
#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

constexpr int kScreenDpi = 96;

// ---------------------------------------------------------------- colours

// A colour value with red in the low byte, then green and blue. The flag
// 0x02000000 marks a palette-relative colour (painted as the plain colour);
// 0x80000000 + n is system colour n.
using ColorRef = std::uint32_t;
constexpr ColorRef kPaletteFlag = 0x02000000u;
constexpr ColorRef kSysColorFlag = 0x80000000u;

constexpr ColorRef rgb_ref(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// System colour indexes the viewer uses (the classic numbering).
enum SysColor : int {
    kColorScrollbar = 0, kColorBackground = 1, kColorActiveCaption = 2,
    kColorInactiveCaption = 3, kColorMenu = 4, kColorWindow = 5, kColorWindowFrame = 6,
    kColorMenuText = 7, kColorWindowText = 8, kColorCaptionText = 9, kColorActiveBorder = 10,
    kColorInactiveBorder = 11, kColorAppWorkspace = 12, kColorHighlight = 13,
    kColorHighlightText = 14, kColorBtnFace = 15, kColorBtnShadow = 16, kColorGrayText = 17,
    kColorBtnText = 18, kColorInactiveCaptionText = 19, kColorBtnHighlight = 20,
    kColor3DDkShadow = 21, kColor3DLight = 22, kColorInfoText = 23, kColorInfoBk = 24,
};

// The fixed system colour scheme (a light grey desktop scheme, so pages
// look the same everywhere); an unknown index gives black.
ColorRef sys_color(int index);
// A colour value resolved to the plain red, green, blue (system colours
// looked up, flags dropped), opaque.
ColorRef resolve_color(ColorRef c);
QRgb to_qrgb(ColorRef c);
ColorRef from_qrgb(QRgb c);

// ------------------------------------------------------------------ fonts

// A font as the viewer asks for it.
struct LogFont {
    std::string face = "Arial"; // family as a page names it (UTF-8)
    int height = -16;           // < 0: character (em) height in pixels; > 0: cell height
    int weight = 400;           // 700 bold; 600 and above paint bold
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = 1; // 1 is "default"
    bool operator==(const LogFont&) const = default;
};

// Text metrics of a font in pixels.
struct TextMetrics {
    int height = 0; // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internal_leading = 0; // height less the character (em) height
    int external_leading = 0;
    int ave_char_width = 0;
    int max_char_width = 0;
    int weight = 400;
    int charset = 0; // the character set the font reports
};

// Whether a face counts as installed: a family the font database holds, or a
// name the font configuration aliases to a metric-compatible family ("Arial",
// "Times New Roman", "Courier New", ...). Compared without regard to case.
bool font_installed(const std::string& face);
// The family that paints a face.
QString html_family(const std::string& face);

// A font with its metrics and whole-pixel advances; made once per LogFont
// and shared (font_face). Use on the user-interface thread only.
class FontFace {
  public:
    explicit FontFace(const LogFont& lf);
    const LogFont& log_font() const { return lf_; }
    const TextMetrics& metrics() const { return tm_; }
    int em() const { return tm_.height - tm_.internal_leading; }

    int char_width(char32_t c) const;
    int text_width(std::u16string_view text) const;
    // How many characters from the start fit into max_width, and their
    // width; a surrogate pair is never split.
    int fit(std::u16string_view text, int max_width, int* extent) const;

    // Glyphs of the text, one per character (a surrogate pair gives one
    // glyph, the second unit none), with the advance of each unit.
    void layout(std::u16string_view text, std::vector<quint32>& glyphs,
                std::vector<int>& unit_advances) const;
    const QRawFont& raw(bool antialias) const;

    int underline_pos() const { return underline_pos_; } // below the baseline
    int strikeout_pos() const { return strikeout_pos_; } // above the baseline
    int line_width() const { return line_width_; }

  private:
    struct Cell {
        quint32 glyph = 0;
        std::int16_t advance = -1; // -1: not looked up yet
    };
    using Page = std::array<Cell, 256>;
    Cell lookup(char32_t c) const;

    LogFont lf_;
    TextMetrics tm_;
    QFont qfont_;
    QRawFont raw_plain_;          // without antialiasing; gives every advance
    mutable QRawFont raw_smooth_; // made on first antialiased paint
    mutable bool smooth_made_ = false;
    mutable std::array<std::unique_ptr<Page>, 256> pages_;
    int underline_pos_ = 1;
    int strikeout_pos_ = 1;
    int line_width_ = 1;
};

// The shared face for a font; equal fonts give the same object.
std::shared_ptr<const FontFace> font_face(const LogFont& lf);

// ---------------------------------------------------------------- regions

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    QRect q() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static Rect from(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    bool operator==(const Rect&) const = default;
};

enum class FillMode { Alternate, Winding };

// A set of pixels, as clip regions and image-map areas use them.
class Region {
  public:
    Region() = default;
    explicit Region(const QRegion& r) : r_(r) {}
    static Region FromRect(const Rect& r);
    // The ellipse inscribed in the box (right and bottom outside).
    static Region FromEllipse(const Rect& box);
    static Region FromPolygon(const std::vector<QPoint>& points, FillMode mode);
    // The pixels of `image` that differ from `transparent` (alpha ignored),
    // gathered in horizontal runs row by row.
    static Region FromBitmap(const QImage& image, QRgb transparent);

    Region& Intersect(const Region& o);
    Region& Unite(const Region& o);
    Region& Subtract(const Region& o);
    void Offset(int dx, int dy) { r_.translate(dx, dy); }

    bool Contains(int x, int y) const { return r_.contains(QPoint(x, y)); }
    bool IsEmpty() const { return r_.isEmpty(); }
    Rect Bounds() const { return Rect::from(r_.boundingRect()); }
    const QRegion& q() const { return r_; }

  private:
    QRegion r_;
};

// The polygon cut to `box` (its edges inside), one side of the box at a
// time. Each cut replaces what lies beyond a side by a stretch along it,
// which changes the winding of no point inside, so a region made of it
// holds the same points within the box while its rows stay within it.
std::vector<QPoint> CutPolygon(std::vector<QPoint> points, const Rect& box);

// ------------------------------------------------------------------ canvas

enum class BkMode { Transparent, Opaque };

// Text alignment flags (combine one horizontal, one vertical, and UpdateCP).
namespace TextAlign {
constexpr unsigned Left = 0, UpdateCP = 1, Right = 2, Center = 6;
constexpr unsigned Top = 0, Bottom = 8, Baseline = 24;
} // namespace TextAlign

enum class PenStyle { Solid, Dash, Dot, Null, InsideFrame };
enum class PenCap { Round, Square, Flat };
enum class PenJoin { Round, Bevel, Miter };

// Width 0 or 1 draws one-pixel lines; wider pens are geometric. A dashed
// pen's dashes are three widths long with one width between (caps
// included); a dotted pen's dots are one width apart.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    ColorRef color = 0;
    PenCap cap = PenCap::Round;
    PenJoin join = PenJoin::Round;
};

struct Brush {
    bool hollow = false;
    ColorRef color = 0xFFFFFF;
};

enum class Rop {
    SrcCopy,    // source
    SrcAnd,     // source AND destination
    SrcPaint,   // source OR destination
    SrcInvert,  // source XOR destination
    NotSrcCopy, // NOT source
    DstInvert,  // NOT destination
    PatCopy,    // the brush colour
    Blackness,
    Whiteness,
};

// What the device can do and how it measures.
struct DeviceCaps {
    int dpi_x = kScreenDpi, dpi_y = kScreenDpi;
    int width = 0, height = 0; // pixels
    int bits_per_pixel = 32;
    int planes = 1;
    int num_colors = -1; // -1: more than 256; 2 for a monochrome printer
    bool printer = false;
    bool raster_ops = true; // false on printer and PDF engines
};

class HtmlCanvas {
  public:
    // Paints through `painter` (on a widget, an image or a printer). The
    // painter's own transform at this moment is the device space; the state
    // the canvas changes is restored when it goes.
    explicit HtmlCanvas(QPainter& painter);
    ~HtmlCanvas();
    HtmlCanvas(const HtmlCanvas&) = delete;
    HtmlCanvas& operator=(const HtmlCanvas&) = delete;

    QPainter& painter() { return p_; }
    const DeviceCaps& Caps() const { return caps_; }
    bool IsPrinter() const { return caps_.printer; }
    // Antialiased text (on by default); golden pictures are painted without.
    // Shapes are never antialiased.
    void SetAntialias(bool on);

    // Fonts and text state.
    void SelectFont(const LogFont& lf);
    void SelectFont(std::shared_ptr<const FontFace> face);
    const FontFace& Face() const { return *s_.font; }
    const TextMetrics& GetTextMetrics() const { return s_.font->metrics(); }
    void SetTextColor(ColorRef c) { s_.text_color = c; }
    ColorRef TextColor() const { return s_.text_color; }
    void SetBkColor(ColorRef c) { s_.bk_color = c; }
    ColorRef BkColor() const { return s_.bk_color; }
    void SetBkMode(BkMode m) { s_.bk_mode = m; }
    BkMode GetBkMode() const { return s_.bk_mode; }
    void SetTextAlign(unsigned flags) { s_.text_align = flags; }
    unsigned GetTextAlign() const { return s_.text_align; }
    // Spreads `extra` pixels over the next `breaks` spaces (and no-break spaces) drawn.
    void SetTextJustification(int extra, int breaks);
    void MoveTo(int x, int y) { s_.pos = QPoint(x, y); }
    QPoint CurrentPosition() const { return s_.pos; }

    // Text: placed by the text alignment; opaque mode fills the character
    // cells with the background colour.
    void TextOut(int x, int y, std::u16string_view text);
    enum : unsigned { kEtoOpaque = 2, kEtoClipped = 4 };
    // kEtoOpaque fills `rect` with the background colour first; kEtoClipped
    // keeps the text inside `rect`.
    void ExtTextOut(int x, int y, unsigned options, const Rect* rect, std::u16string_view text);
    int TextWidth(std::u16string_view text) const { return s_.font->text_width(text); }
    QSize TextExtent(std::u16string_view text) const;
    int FitText(std::u16string_view text, int max_width, int* extent) const {
        return s_.font->fit(text, max_width, extent);
    }

    // Lines and shapes with the pen (outline) and the brush (inside).
    void SelectPen(const Pen& pen) { s_.pen = pen; }
    const Pen& GetPen() const { return s_.pen; }
    void SelectBrush(const Brush& brush) { s_.brush = brush; }
    const Brush& GetBrush() const { return s_.brush; }
    void LineTo(int x, int y); // from the current position; the end point is left out
    // One stroked path through the points, with joins; closed back to the
    // first point when asked.
    void Polyline(const std::vector<QPoint>& points, bool closed = false);
    void Polygon(const std::vector<QPoint>& points, FillMode mode = FillMode::Alternate);
    void Rectangle(const Rect& r);
    void Ellipse(const Rect& box);
    void FillRect(const Rect& r, ColorRef color);
    void FrameRect(const Rect& r, ColorRef color); // one pixel inside r
    void FillRegion(const Region& device_region, ColorRef color);
    // The dotted focus outline (inverted on screens, black on printers).
    void DrawFocusRect(const Rect& r);

    // Bitmap copies. Raster operations other than SrcCopy and NotSrcCopy
    // need a raster device; elsewhere SrcAnd keeps only the source's black
    // pixels, SrcPaint and SrcInvert draw only its non-black ones, which is
    // what mask combinations need.
    void BitBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop);
    void StretchBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw, int sh,
                    Rop rop);
    void PatBlt(const Rect& r, Rop rop);
    // `src_rect` of `image` stretched to `dest`, left out where `mask` (the
    // image's size) is white. On devices without raster operations it is
    // printed through a clip region of the opaque pixels.
    void DrawMasked(const Rect& dest, const QImage& image, const QRect& src_rect,
                    const QImage& mask);

    // Clipping. Rectangles are logical, regions device pixels.
    int SaveDC();
    void RestoreDC(int level = -1); // -1: the last save
    void IntersectClipRect(const Rect& r);
    void ExcludeClipRect(const Rect& r);
    void SelectClipRgn(const Region* r); // nullptr: no clipping
    void IntersectClipRgn(const Region& r);
    bool GetClipRgn(Region& out) const; // false when there is no clipping
    Rect GetClipBox() const;            // logical; the device when unclipped

    // Mapping: device = (logical - window origin) * viewport extent / window
    // extent + viewport origin. The extents count only in anisotropic mode.
    void SetAnisotropic(bool on);
    void SetWindowOrg(int x, int y);
    QPoint WindowOrg() const { return s_.window_org; }
    void SetWindowExt(int w, int h);
    void SetViewportOrg(int x, int y);
    void SetViewportExt(int w, int h);
    QPoint LPtoDP(QPoint p) const;
    QPoint DPtoLP(QPoint p) const;
    Rect LPtoDP(const Rect& r) const;

  private:
    struct State {
        std::shared_ptr<const FontFace> font;
        ColorRef text_color = 0;
        ColorRef bk_color = 0xFFFFFF;
        BkMode bk_mode = BkMode::Opaque;
        unsigned text_align = 0;
        QPoint pos;
        Pen pen;
        Brush brush;
        bool has_clip = false;
        QRegion clip; // device pixels
        bool anisotropic = false;
        QPoint window_org, viewport_org;
        QSize window_ext{1, 1}, viewport_ext{1, 1};
        int justify_extra = 0, justify_breaks = 0, justify_done = 0;
    };
    QTransform mapping() const;
    void apply_transform();
    void apply_clip();
    void set_clip(bool has, const QRegion& device);
    QPen qpen() const;
    void draw_glyphs(int x0, int baseline, std::u16string_view text,
                     const std::vector<quint32>& glyphs, const std::vector<int>& adv);
    void blit(const QRect& dest, const QImage& src, const QRect& from, Rop rop);

    QPainter& p_;
    QTransform base_;
    DeviceCaps caps_;
    bool antialias_ = true;
    State s_;
    std::vector<State> saved_;
};

} // namespace ui
