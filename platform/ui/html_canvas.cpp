#include "platform/ui/html_canvas.h"

#include "platform/ui/ellipse.h"

#include "platform/ui/canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPrinter>
#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <unordered_map>

namespace ui {

// ---------------------------------------------------------------- colours

namespace {

// The classic light grey scheme, as red-in-low-byte values.
constexpr std::array<ColorRef, 31> kSysColors = {
    rgb_ref(192, 192, 192), // scroll bar
    rgb_ref(0, 128, 128),   // desktop
    rgb_ref(0, 0, 128),     // active caption
    rgb_ref(128, 128, 128), // inactive caption
    rgb_ref(192, 192, 192), // menu
    rgb_ref(255, 255, 255), // window
    rgb_ref(0, 0, 0),       // window frame
    rgb_ref(0, 0, 0),       // menu text
    rgb_ref(0, 0, 0),       // window text
    rgb_ref(255, 255, 255), // caption text
    rgb_ref(192, 192, 192), // active border
    rgb_ref(192, 192, 192), // inactive border
    rgb_ref(128, 128, 128), // application workspace
    rgb_ref(0, 0, 128),     // highlight
    rgb_ref(255, 255, 255), // highlighted text
    rgb_ref(192, 192, 192), // button face
    rgb_ref(128, 128, 128), // button shadow
    rgb_ref(128, 128, 128), // grey text
    rgb_ref(0, 0, 0),       // button text
    rgb_ref(192, 192, 192), // inactive caption text
    rgb_ref(255, 255, 255), // button highlight
    rgb_ref(0, 0, 0),       // 3D dark shadow
    rgb_ref(223, 223, 223), // 3D light
    rgb_ref(0, 0, 0),       // tooltip text
    rgb_ref(255, 255, 225), // tooltip background
    rgb_ref(180, 180, 180), // (unused)
    rgb_ref(0, 0, 255),     // hot-tracked item
    rgb_ref(16, 132, 208),  // active caption gradient
    rgb_ref(181, 181, 181), // inactive caption gradient
    rgb_ref(0, 0, 128),     // highlighted menu item
    rgb_ref(192, 192, 192), // menu bar
};

} // namespace

ColorRef sys_color(int index) {
    if (index < 0 || index >= static_cast<int>(kSysColors.size())) return 0;
    return kSysColors[static_cast<size_t>(index)];
}

ColorRef resolve_color(ColorRef c) {
    if (c & kSysColorFlag) return sys_color(static_cast<int>(c & 0xFFu));
    return c & 0xFFFFFFu;
}

QRgb to_qrgb(ColorRef c) {
    const ColorRef v = resolve_color(c);
    return qRgb(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

ColorRef from_qrgb(QRgb c) {
    return rgb_ref(qRed(c), qGreen(c), qBlue(c));
}

// ------------------------------------------------------------------ fonts

namespace {

std::string lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::string trimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

// Names the font configuration maps to a metric-compatible family, beyond
// those the windows use (family_for).
const char* metric_alias(const std::string& lower_face) {
    static const std::pair<const char*, const char*> kAliases[] = {
        {"helvetica", "Liberation Sans"}, {"times", "Liberation Serif"}, {"courier", "Liberation Mono"},
    };
    for (const auto& [name, family] : kAliases)
        if (lower_face == name) return family;
    return nullptr;
}

// The family standing in for an aliased face; empty for other names.
QString alias_family(const std::string& face) {
    const QString mapped = family_for(face);
    if (mapped != QString::fromStdString(face)) return mapped;
    if (const char* f = metric_alias(lower(face))) return QString::fromLatin1(f);
    return QString();
}

} // namespace

QString html_family(const std::string& face) {
    const std::string t = trimmed(face);
    const QString alias = alias_family(t);
    return alias.isEmpty() ? QString::fromStdString(t) : alias;
}

bool font_installed(const std::string& face) {
    static std::unordered_map<std::string, bool> known;
    const std::string key = lower(trimmed(face));
    if (key.empty()) return false;
    const auto it = known.find(key);
    if (it != known.end()) return it->second;
    // Without an application there is no font database: only the aliases count.
    const bool database = QGuiApplication::instance() != nullptr;
    const QString alias = alias_family(trimmed(face));
    bool ok = false;
    if (!alias.isEmpty())
        ok = !database || QFontDatabase::hasFamily(alias);
    else if (database)
        ok = QFontDatabase::hasFamily(QString::fromStdString(trimmed(face)));
    if (!database) return ok; // not remembered: the database may come later
    if (known.size() >= 4096) known.clear(); // pages may name any number of faces
    known.emplace(key, ok);
    return ok;
}

namespace {

QFont make_qfont(const LogFont& lf, int em, bool antialias) {
    QFont f(html_family(lf.face));
    f.setPixelSize(std::max(1, em));
    f.setBold(lf.weight >= 600);
    f.setItalic(lf.italic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(antialias ? QFont::PreferDefault : QFont::NoAntialias);
    return f;
}

// Character height for a font asked by its cell height.
int em_for_cell_height(const LogFont& lf) {
    const QFontMetricsF fm(make_qfont(lf, 1000, false));
    const double cell = fm.ascent() + fm.descent();
    if (cell <= 0) return lf.height;
    return std::max(1, static_cast<int>(lf.height * 1000.0 / cell + 0.5));
}

} // namespace

FontFace::FontFace(const LogFont& lf) : lf_(lf) {
    int em = 16;
    if (lf.height < 0)
        em = lf.height == INT_MIN ? INT_MAX : -lf.height;
    else if (lf.height > 0)
        em = em_for_cell_height(lf);
    em = std::min(em, 4000); // beyond any page; keeps glyph caches sane
    qfont_ = make_qfont(lf, em, false);
    raw_plain_ = QRawFont::fromFont(qfont_);
    const QFontMetrics fm(qfont_);
    tm_.ascent = fm.ascent();
    tm_.descent = fm.descent();
    tm_.height = tm_.ascent + tm_.descent;
    tm_.internal_leading = std::max(0, tm_.height - em);
    tm_.external_leading = std::max(0, fm.leading());
    tm_.ave_char_width = fm.averageCharWidth();
    tm_.max_char_width = fm.maxWidth();
    tm_.weight = lf.weight >= 600 ? 700 : 400;
    tm_.charset = lf.charset == 1 ? 0 : lf.charset;
    underline_pos_ = std::max(1, fm.underlinePos());
    strikeout_pos_ = std::max(1, fm.strikeOutPos());
    line_width_ = std::max(1, fm.lineWidth());
}

FontFace::Cell FontFace::lookup(char32_t c) const {
    auto measure = [this](char32_t cp) {
        Cell cell;
        QChar units[2];
        int n = 1;
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            units[0] = QChar(QChar::highSurrogate(cp));
            units[1] = QChar(QChar::lowSurrogate(cp));
            n = 2;
        } else {
            units[0] = QChar(static_cast<char16_t>(cp));
        }
        quint32 glyphs[2] = {0, 0};
        int count = 2;
        if (!raw_plain_.glyphIndexesForChars(units, n, glyphs, &count) || count < 1) glyphs[0] = 0;
        cell.glyph = glyphs[0];
        const QList<QPointF> adv = raw_plain_.advancesForGlyphIndexes(QList<quint32>{cell.glyph});
        const double a = adv.isEmpty() ? 0.0 : adv.front().x();
        cell.advance = static_cast<std::int16_t>(std::clamp(qRound(a), 0, 32000));
        return cell;
    };
    if (c >= 0x10000) return measure(c);
    auto& page = pages_[c >> 8];
    if (!page) {
        page = std::make_unique<Page>();
    }
    Cell& cell = (*page)[c & 0xFF];
    if (cell.advance < 0) cell = measure(c);
    return cell;
}

int FontFace::char_width(char32_t c) const {
    return lookup(c).advance;
}

namespace {

bool high_surrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool low_surrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

int FontFace::text_width(std::u16string_view text) const {
    long long w = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (high_surrogate(u) && i + 1 < text.size() && low_surrogate(text[i + 1])) {
            w += lookup(QChar::surrogateToUcs4(u, text[i + 1])).advance;
            ++i;
        } else {
            w += lookup(u).advance;
        }
    }
    return static_cast<int>(std::min<long long>(w, INT_MAX));
}

int FontFace::fit(std::u16string_view text, int max_width, int* extent) const {
    int width = 0;
    size_t n = 0;
    if (max_width >= 1) {
        while (n < text.size()) {
            const char16_t u = text[n];
            size_t step = 1;
            int a;
            if (high_surrogate(u) && n + 1 < text.size() && low_surrogate(text[n + 1])) {
                a = lookup(QChar::surrogateToUcs4(u, text[n + 1])).advance;
                step = 2;
            } else {
                a = lookup(u).advance;
            }
            if (width + a > max_width) break;
            width += a;
            n += step;
        }
    }
    if (extent) *extent = width;
    return static_cast<int>(n);
}

void FontFace::layout(std::u16string_view text, std::vector<quint32>& glyphs,
                      std::vector<int>& unit_advances) const {
    glyphs.clear();
    unit_advances.assign(text.size(), 0);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (high_surrogate(u) && i + 1 < text.size() && low_surrogate(text[i + 1])) {
            const Cell c = lookup(QChar::surrogateToUcs4(u, text[i + 1]));
            glyphs.push_back(c.glyph);
            unit_advances[i] = c.advance;
            ++i;
        } else {
            const Cell c = lookup(u);
            glyphs.push_back(c.glyph);
            unit_advances[i] = c.advance;
        }
    }
}

const QRawFont& FontFace::raw(bool antialias) const {
    if (!antialias) return raw_plain_;
    if (!smooth_made_) {
        QFont f = qfont_;
        f.setStyleStrategy(QFont::PreferDefault);
        raw_smooth_ = QRawFont::fromFont(f);
        smooth_made_ = true;
    }
    return raw_smooth_;
}

namespace {

struct LogFontHash {
    size_t operator()(const LogFont& f) const {
        size_t h = std::hash<std::string>()(f.face);
        auto mix = [&h](size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
        mix(static_cast<size_t>(f.height));
        mix(static_cast<size_t>(f.weight));
        mix(static_cast<size_t>(f.italic) | static_cast<size_t>(f.underline) << 1 |
            static_cast<size_t>(f.strikeout) << 2);
        mix(static_cast<size_t>(f.charset));
        return h;
    }
};

} // namespace

std::shared_ptr<const FontFace> font_face(const LogFont& lf) {
    static std::unordered_map<LogFont, std::shared_ptr<const FontFace>, LogFontHash> cache;
    const auto it = cache.find(lf);
    if (it != cache.end()) return it->second;
    if (cache.size() >= 512) {
        // Drop the faces nobody holds any more.
        for (auto i = cache.begin(); i != cache.end();)
            i = i->second.use_count() == 1 ? cache.erase(i) : std::next(i);
    }
    auto face = std::make_shared<const FontFace>(lf);
    cache.emplace(lf, face);
    return face;
}

// ---------------------------------------------------------------- regions

Region Region::FromRect(const Rect& r) {
    if (r.IsEmpty()) return Region();
    return Region(QRegion(r.q()));
}

namespace {

// The pixels whose centres lie in the ellipse inscribed in the box, row by row.
QRegion ellipse_rows(const Rect& box) {
    if (box.IsEmpty()) return QRegion();
    std::vector<QRect> rows;
    for (int y = box.Top; y < box.Bottom; ++y)
        if (int x0 = 0, x1 = 0; EllipseRow(box, y, x0, x1)) rows.emplace_back(x0, y, x1 - x0 + 1, 1);
    QRegion r;
    if (!rows.empty()) r.setRects(rows.data(), static_cast<int>(rows.size()));
    return r;
}

} // namespace

bool EllipseRow(const Rect& box, int y, int& x0, int& x1) {
    const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
    const double a = box.Width() / 2.0, b = box.Height() / 2.0;
    const double dy = (y + 0.5 - cy) / b;
    const double k = 1.0 - dy * dy;
    if (k < 0) return false;
    const double half = a * std::sqrt(k);
    // Pixel x is inside when x + 0.5 lies within cx +- half.
    x0 = static_cast<int>(std::ceil(cx - half - 0.5));
    x1 = static_cast<int>(std::floor(cx + half - 0.5));
    return x1 >= x0;
}

bool EllipseContains(const Rect& box, int x, int y) {
    if (box.IsEmpty() || y < box.Top || y >= box.Bottom) return false;
    int x0 = 0, x1 = 0;
    return EllipseRow(box, y, x0, x1) && x >= x0 && x <= x1;
}

Region Region::FromEllipse(const Rect& box) {
    return Region(ellipse_rows(box));
}


Region Region::FromPolygon(const std::vector<QPoint>& points, FillMode mode) {
    if (points.size() < 3) return Region();
    QPolygon poly;
    for (const QPoint& p : points) poly << p;
    return Region(QRegion(poly, mode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill));
}

std::vector<QPoint> CutPolygon(std::vector<QPoint> points, const Rect& box) {
    // Side k: 0 left (x >= Left), 1 right (x <= Right), 2 top (y >= Top), 3 bottom (y <= Bottom).
    auto inside = [&](const QPoint& p, int k) {
        switch (k) {
        case 0: return p.x() >= box.Left;
        case 1: return p.x() <= box.Right;
        case 2: return p.y() >= box.Top;
        default: return p.y() <= box.Bottom;
        }
    };
    auto crossing = [&](const QPoint& a, const QPoint& b, int k) {
        const double edge = k == 0 ? box.Left : k == 1 ? box.Right : k == 2 ? box.Top : box.Bottom;
        if (k < 2) {
            const double t = (edge - a.x()) / double(b.x() - a.x());
            return QPoint(int(edge), int(std::lround(a.y() + t * (b.y() - a.y()))));
        }
        const double t = (edge - a.y()) / double(b.y() - a.y());
        return QPoint(int(std::lround(a.x() + t * (b.x() - a.x()))), int(edge));
    };
    for (int k = 0; k < 4 && !points.empty(); ++k) {
        std::vector<QPoint> out;
        for (size_t i = 0; i < points.size(); ++i) {
            const QPoint& a = points[i];
            const QPoint& b = points[(i + 1) % points.size()];
            const bool ina = inside(a, k), inb = inside(b, k);
            if (ina) out.push_back(a);
            if (ina != inb) out.push_back(crossing(a, b, k));
        }
        points = std::move(out);
    }
    return points;
}

Region Region::FromBitmap(const QImage& image, QRgb transparent) {
    if (image.isNull()) return Region();
    const QImage img = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent & 0xFFFFFFu;
    std::vector<QRect> runs;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < img.width()) {
            while (x < img.width() && (line[x] & 0xFFFFFFu) == key) ++x;
            const int start = x;
            while (x < img.width() && (line[x] & 0xFFFFFFu) != key) ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion r;
    if (!runs.empty()) r.setRects(runs.data(), static_cast<int>(runs.size()));
    return Region(r);
}

Region& Region::Intersect(const Region& o) {
    r_ &= o.r_;
    return *this;
}

Region& Region::Unite(const Region& o) {
    r_ |= o.r_;
    return *this;
}

Region& Region::Subtract(const Region& o) {
    r_ -= o.r_;
    return *this;
}

// ------------------------------------------------------------------ canvas

HtmlCanvas::HtmlCanvas(QPainter& painter) : p_(painter) {
    p_.save();
    base_ = p_.worldTransform();
    QPaintDevice* dev = p_.device();
    QPaintEngine* engine = p_.paintEngine();
    caps_.raster_ops = engine && engine->type() == QPaintEngine::Raster;
    caps_.printer = dev && (dev->devType() == QInternal::Printer ||
                            (engine && engine->type() == QPaintEngine::Pdf));
    if (dev) {
        caps_.width = dev->width();
        caps_.height = dev->height();
        caps_.bits_per_pixel = dev->depth();
        if (caps_.printer) {
            caps_.dpi_x = dev->logicalDpiX();
            caps_.dpi_y = dev->logicalDpiY();
            if (auto* printer = dynamic_cast<QPrinter*>(dev)) {
                if (printer->colorMode() == QPrinter::GrayScale) {
                    caps_.num_colors = 2;
                    caps_.bits_per_pixel = 1;
                }
            }
        }
    }
    if (caps_.bits_per_pixel <= 8 && caps_.bits_per_pixel > 0 && caps_.num_colors < 0)
        caps_.num_colors = 1 << caps_.bits_per_pixel;
    s_.font = font_face(LogFont{});
    if (p_.hasClipping()) {
        s_.has_clip = true;
        s_.clip = p_.clipRegion();
    }
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p_.setBackgroundMode(Qt::TransparentMode);
    apply_transform();
}

HtmlCanvas::~HtmlCanvas() {
    p_.restore();
}

void HtmlCanvas::SetAntialias(bool on) {
    antialias_ = on;
}

void HtmlCanvas::SelectFont(const LogFont& lf) {
    if (s_.font->log_font() == lf) return;
    s_.font = font_face(lf);
}

void HtmlCanvas::SelectFont(std::shared_ptr<const FontFace> face) {
    if (face) s_.font = std::move(face);
}

void HtmlCanvas::SetTextJustification(int extra, int breaks) {
    if (breaks <= 0 || extra == 0) {
        s_.justify_extra = s_.justify_breaks = s_.justify_done = 0;
        return;
    }
    s_.justify_extra = extra;
    s_.justify_breaks = breaks;
    s_.justify_done = 0;
}

QSize HtmlCanvas::TextExtent(std::u16string_view text) const {
    return QSize(s_.font->text_width(text), s_.font->metrics().height);
}

void HtmlCanvas::TextOut(int x, int y, std::u16string_view text) {
    ExtTextOut(x, y, 0, nullptr, text);
}

void HtmlCanvas::ExtTextOut(int x, int y, unsigned options, const Rect* rect,
                            std::u16string_view text) {
    const FontFace& face = *s_.font;
    const TextMetrics& tm = face.metrics();
    const unsigned align = s_.text_align;
    if (align & TextAlign::UpdateCP) {
        x = s_.pos.x();
        y = s_.pos.y();
    }
    std::vector<quint32> glyphs;
    std::vector<int> adv;
    face.layout(text, glyphs, adv);
    if (s_.justify_breaks > 0) {
        for (size_t i = 0; i < text.size() && s_.justify_done < s_.justify_breaks; ++i) {
            // Spaces and no-break spaces take the extra pixels.
            if (text[i] != u' ' && text[i] != 0x00A0) continue;
            const long long k = s_.justify_done;
            adv[i] += static_cast<int>(s_.justify_extra * (k + 1) / s_.justify_breaks -
                                       s_.justify_extra * k / s_.justify_breaks);
            ++s_.justify_done;
        }
    }
    long long total = 0;
    for (int a : adv) total += a;
    const int width = static_cast<int>(std::min<long long>(total, INT_MAX / 2));

    int x0 = x;
    const unsigned horz = align & TextAlign::Center;
    if (horz == TextAlign::Right)
        x0 = x - width;
    else if (horz == TextAlign::Center)
        x0 = x - width / 2;
    int baseline = y + tm.ascent;
    const unsigned vert = align & TextAlign::Baseline;
    if (vert == TextAlign::Baseline)
        baseline = y;
    else if (vert == TextAlign::Bottom)
        baseline = y - tm.descent;

    // Only the clip is put back afterwards: the justification count and the
    // current position move on.
    const bool clipped = (options & kEtoClipped) && rect;
    const bool had_clip = s_.has_clip;
    const QRegion old_clip = s_.clip;
    if (clipped) IntersectClipRect(*rect);
    if ((options & kEtoOpaque) && rect) FillRect(*rect, s_.bk_color);
    if (s_.bk_mode == BkMode::Opaque && width > 0)
        FillRect({x0, baseline - tm.ascent, x0 + width, baseline + tm.descent}, s_.bk_color);
    draw_glyphs(x0, baseline, text, glyphs, adv);
    if (width > 0) {
        const int lw = face.line_width();
        if (s_.font->log_font().underline) {
            const int top = baseline + face.underline_pos();
            FillRect({x0, top, x0 + width, top + lw}, s_.text_color);
        }
        if (s_.font->log_font().strikeout) {
            const int top = baseline - face.strikeout_pos();
            FillRect({x0, top, x0 + width, top + lw}, s_.text_color);
        }
    }
    if (clipped) set_clip(had_clip, old_clip);
    if (align & TextAlign::UpdateCP) {
        if (horz == TextAlign::Right)
            s_.pos = QPoint(x0, y);
        else
            s_.pos = QPoint(x0 + width, y);
    }
}

void HtmlCanvas::draw_glyphs(int x0, int baseline, std::u16string_view text,
                             const std::vector<quint32>& glyphs, const std::vector<int>& adv) {
    if (text.empty()) return;
    QList<quint32> ids;
    QList<QPointF> at;
    ids.reserve(static_cast<qsizetype>(glyphs.size()));
    at.reserve(static_cast<qsizetype>(glyphs.size()));
    long long x = x0;
    size_t g = 0;
    for (size_t i = 0; i < text.size() && g < glyphs.size(); ++i) {
        const bool pair = high_surrogate(text[i]) && i + 1 < text.size() && low_surrogate(text[i + 1]);
        ids.push_back(glyphs[g++]);
        at.push_back(QPointF(static_cast<double>(x), baseline));
        x += adv[i];
        if (pair) {
            ++i;
            x += adv[i];
        }
    }
    QGlyphRun run;
    run.setRawFont(s_.font->raw(antialias_));
    run.setGlyphIndexes(ids);
    run.setPositions(at);
    p_.setPen(QColor::fromRgb(to_qrgb(s_.text_color)));
    p_.drawGlyphRun(QPointF(0, 0), run);
}

// ---------------------------------------------------------------- shapes

QPen HtmlCanvas::qpen() const {
    const Pen& pen = s_.pen;
    if (pen.style == PenStyle::Null) return QPen(Qt::NoPen);
    const bool cosmetic = pen.width <= 1;
    QPen q(QColor::fromRgb(to_qrgb(pen.color)));
    q.setWidth(cosmetic ? 1 : pen.width);
    Qt::PenCapStyle cap = Qt::RoundCap;
    if (cosmetic || pen.cap == PenCap::Flat)
        cap = Qt::FlatCap;
    else if (pen.cap == PenCap::Square)
        cap = Qt::SquareCap;
    q.setCapStyle(cap);
    q.setJoinStyle(pen.join == PenJoin::Miter   ? Qt::MiterJoin
                   : pen.join == PenJoin::Bevel ? Qt::BevelJoin
                                                : Qt::RoundJoin);
    // Pattern lengths count in pen widths; caps add half a width at each end.
    const bool capped = cap != Qt::FlatCap;
    if (pen.style == PenStyle::Dash)
        q.setDashPattern(capped ? QList<qreal>{2, 2} : QList<qreal>{3, 1});
    else if (pen.style == PenStyle::Dot)
        q.setDashPattern(capped ? QList<qreal>{0.01, 1.99} : QList<qreal>{1, 1});
    return q;
}

void HtmlCanvas::LineTo(int x, int y) {
    const QPoint from = s_.pos;
    s_.pos = QPoint(x, y);
    if (s_.pen.style == PenStyle::Null || from == s_.pos) return;
    const bool thin = s_.pen.width <= 1 &&
                      (s_.pen.style == PenStyle::Solid || s_.pen.style == PenStyle::InsideFrame);
    if (thin && (from.x() == x || from.y() == y)) {
        // Straight one-pixel lines: every pixel but the last.
        Rect r;
        if (from.y() == y)
            r = from.x() < x ? Rect{from.x(), y, x, y + 1} : Rect{x + 1, y, from.x() + 1, y + 1};
        else
            r = from.y() < y ? Rect{x, from.y(), x + 1, y} : Rect{x, y + 1, x + 1, from.y() + 1};
        FillRect(r, s_.pen.color);
        return;
    }
    p_.setPen(qpen());
    p_.setBrush(Qt::NoBrush);
    p_.drawLine(from, s_.pos);
}

void HtmlCanvas::Polyline(const std::vector<QPoint>& points, bool closed) {
    if (points.size() < 2 || s_.pen.style == PenStyle::Null) return;
    QPainterPath path(points.front());
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    if (closed) path.closeSubpath();
    p_.strokePath(path, qpen());
}

void HtmlCanvas::Polygon(const std::vector<QPoint>& points, FillMode mode) {
    if (points.size() < 3) return;
    QPolygon poly;
    for (const QPoint& p : points) poly << p;
    p_.setPen(qpen());
    p_.setBrush(s_.brush.hollow ? QBrush(Qt::NoBrush) : QBrush(QColor::fromRgb(to_qrgb(s_.brush.color))));
    p_.drawPolygon(poly, mode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
}

void HtmlCanvas::Rectangle(const Rect& r) {
    if (r.IsEmpty()) return;
    int w = 0;
    if (s_.pen.style != PenStyle::Null) w = std::max(1, s_.pen.width);
    w = std::min({w, (r.Width() + 1) / 2, (r.Height() + 1) / 2});
    if (!s_.brush.hollow)
        FillRect({r.Left + w, r.Top + w, r.Right - w, r.Bottom - w}, s_.brush.color);
    if (w == 0) return;
    if (s_.pen.style == PenStyle::Solid || s_.pen.style == PenStyle::InsideFrame) {
        const ColorRef c = s_.pen.color;
        FillRect({r.Left, r.Top, r.Right, r.Top + w}, c);
        FillRect({r.Left, r.Bottom - w, r.Right, r.Bottom}, c);
        FillRect({r.Left, r.Top + w, r.Left + w, r.Bottom - w}, c);
        FillRect({r.Right - w, r.Top + w, r.Right, r.Bottom - w}, c);
    } else {
        const double h = w / 2.0;
        QPainterPath path;
        path.addRect(QRectF(r.Left + h, r.Top + h, r.Width() - w, r.Height() - w));
        p_.strokePath(path, qpen());
    }
}

void HtmlCanvas::Ellipse(const Rect& box) {
    if (box.IsEmpty()) return;
    // Filled row by row, so small discs come out round and inside the box.
    const QRegion outer = ellipse_rows(box);
    QRegion inside = outer;
    if (s_.pen.style != PenStyle::Null) {
        const int w = std::max(1, s_.pen.width);
        inside = ellipse_rows({box.Left + w, box.Top + w, box.Right - w, box.Bottom - w});
        const QColor pen = QColor::fromRgb(to_qrgb(s_.pen.color));
        for (const QRect& r : outer - inside) p_.fillRect(r, pen);
    }
    if (!s_.brush.hollow) {
        const QColor brush = QColor::fromRgb(to_qrgb(s_.brush.color));
        for (const QRect& r : inside) p_.fillRect(r, brush);
    }
}

void HtmlCanvas::FillRect(const Rect& r, ColorRef color) {
    if (r.IsEmpty()) return;
    p_.fillRect(r.q(), QColor::fromRgb(to_qrgb(color)));
}

void HtmlCanvas::FrameRect(const Rect& r, ColorRef color) {
    if (r.IsEmpty()) return;
    FillRect({r.Left, r.Top, r.Right, r.Top + 1}, color);
    FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
    FillRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, color);
    FillRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, color);
}

void HtmlCanvas::FillRegion(const Region& device_region, ColorRef color) {
    if (device_region.IsEmpty()) return;
    p_.save();
    p_.setWorldTransform(base_);
    const QColor c = QColor::fromRgb(to_qrgb(color));
    for (const QRect& r : device_region.q()) p_.fillRect(r, c);
    p_.restore();
}

void HtmlCanvas::DrawFocusRect(const Rect& r) {
    if (r.IsEmpty()) return;
    std::vector<QPoint> dots;
    for (int x = r.Left; x < r.Right; ++x) {
        if (((x - r.Left) & 1) == 0) {
            dots.emplace_back(x, r.Top);
            if (r.Bottom - 1 != r.Top) dots.emplace_back(x, r.Bottom - 1);
        }
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        if (((y - r.Top) & 1) == 0) {
            dots.emplace_back(r.Left, y);
            if (r.Right - 1 != r.Left) dots.emplace_back(r.Right - 1, y);
        }
    }
    p_.save();
    if (caps_.raster_ops) {
        p_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        for (const QPoint& d : dots) p_.fillRect(QRect(d, QSize(1, 1)), QColor(255, 255, 255));
    } else {
        for (const QPoint& d : dots) p_.fillRect(QRect(d, QSize(1, 1)), QColor(0, 0, 0));
    }
    p_.restore();
}

// ---------------------------------------------------------------- bitmaps

namespace {

QImage opaque(const QImage& src) {
    return src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32);
}

// `from` of `src` at the size of `dest`, nearest pixel.
QImage scaled_part(const QImage& src, const QRect& from, const QSize& size) {
    QImage part = opaque(src).copy(from);
    if (part.size() != size) part = part.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return part;
}

// Pixels of the image equal to (or, with `equal` false, different from) black.
Region black_pixels(const QImage& img, bool equal) {
    if (!equal) return Region::FromBitmap(img, qRgb(0, 0, 0));
    QImage inv = opaque(img);
    inv.invertPixels();
    return Region::FromBitmap(inv, qRgb(0, 0, 0));
}

} // namespace

void HtmlCanvas::blit(const QRect& dest, const QImage& src, const QRect& from, Rop rop) {
    if (dest.isEmpty()) return;
    switch (rop) {
    case Rop::PatCopy:
        FillRect(Rect::from(dest), s_.brush.color);
        return;
    case Rop::Blackness:
        FillRect(Rect::from(dest), 0);
        return;
    case Rop::Whiteness:
        FillRect(Rect::from(dest), 0xFFFFFF);
        return;
    case Rop::DstInvert:
        if (caps_.raster_ops) {
            p_.save();
            p_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p_.fillRect(dest, QColor(255, 255, 255));
            p_.restore();
        }
        return;
    default:
        break;
    }
    const QRect part = from & src.rect();
    if (src.isNull() || part.isEmpty()) return;
    p_.save();
    if (caps_.raster_ops) {
        QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
        switch (rop) {
        case Rop::SrcAnd: mode = QPainter::RasterOp_SourceAndDestination; break;
        case Rop::SrcPaint: mode = QPainter::RasterOp_SourceOrDestination; break;
        case Rop::SrcInvert: mode = QPainter::RasterOp_SourceXorDestination; break;
        case Rop::NotSrcCopy: mode = QPainter::RasterOp_NotSource; break;
        default: break;
        }
        p_.setCompositionMode(mode);
        p_.drawImage(dest, opaque(src), from);
    } else {
        const QImage img = scaled_part(src, from, dest.size());
        if (rop == Rop::SrcCopy) {
            p_.drawImage(dest.topLeft(), img);
        } else if (rop == Rop::NotSrcCopy) {
            QImage inv = img;
            inv.invertPixels();
            p_.drawImage(dest.topLeft(), inv);
        } else if (rop == Rop::SrcAnd) {
            Region r = black_pixels(img, true);
            r.Offset(dest.left(), dest.top());
            p_.setClipRegion(r.q(), Qt::IntersectClip);
            p_.fillRect(dest, QColor(0, 0, 0));
        } else {
            Region r = black_pixels(img, false);
            r.Offset(dest.left(), dest.top());
            p_.setClipRegion(r.q(), Qt::IntersectClip);
            p_.drawImage(dest.topLeft(), img);
        }
    }
    p_.restore();
}

void HtmlCanvas::BitBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop) {
    blit(QRect(x, y, w, h), src, QRect(sx, sy, w, h), rop);
}

void HtmlCanvas::StretchBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw,
                            int sh, Rop rop) {
    blit(QRect(x, y, w, h), src, QRect(sx, sy, sw, sh), rop);
}

void HtmlCanvas::PatBlt(const Rect& r, Rop rop) {
    blit(r.q(), QImage(), QRect(), rop);
}

void HtmlCanvas::DrawMasked(const Rect& dest, const QImage& image, const QRect& src_rect,
                            const QImage& mask) {
    const QRect from = src_rect & image.rect();
    if (dest.IsEmpty() || from.isEmpty()) return;
    const QImage img = scaled_part(image, from, dest.q().size());
    const QImage m = mask.isNull() ? QImage() : scaled_part(mask, from & mask.rect(), dest.q().size());
    p_.save();
    if (caps_.raster_ops) {
        QImage composed = img.convertToFormat(QImage::Format_ARGB32);
        if (!m.isNull()) {
            for (int y = 0; y < composed.height() && y < m.height(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(composed.scanLine(y));
                const QRgb* ml = reinterpret_cast<const QRgb*>(m.constScanLine(y));
                for (int x = 0; x < composed.width() && x < m.width(); ++x)
                    if ((ml[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = 0;
            }
        }
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p_.drawImage(QPoint(dest.Left, dest.Top), composed);
    } else {
        if (!m.isNull()) {
            Region opaque_part = Region::FromBitmap(m, qRgb(255, 255, 255));
            opaque_part.Offset(dest.Left, dest.Top);
            p_.setClipRegion(opaque_part.q(), Qt::IntersectClip);
        }
        p_.drawImage(QPoint(dest.Left, dest.Top), img);
    }
    p_.restore();
}

// --------------------------------------------------------------- clipping

int HtmlCanvas::SaveDC() {
    saved_.push_back(s_);
    return static_cast<int>(saved_.size());
}

void HtmlCanvas::RestoreDC(int level) {
    if (saved_.empty()) return;
    size_t keep;
    if (level < 0) {
        keep = saved_.size() - 1;
    } else {
        if (level == 0 || static_cast<size_t>(level) > saved_.size()) return;
        keep = static_cast<size_t>(level) - 1;
    }
    s_ = saved_[keep];
    saved_.resize(keep);
    apply_transform();
    apply_clip();
}

void HtmlCanvas::set_clip(bool has, const QRegion& device) {
    s_.has_clip = has;
    s_.clip = has ? device : QRegion();
    apply_clip();
}

void HtmlCanvas::apply_clip() {
    if (!s_.has_clip) {
        p_.setClipping(false);
        return;
    }
    const QTransform t = p_.worldTransform();
    p_.setWorldTransform(base_);
    p_.setClipRegion(s_.clip);
    p_.setWorldTransform(t);
}

void HtmlCanvas::IntersectClipRect(const Rect& r) {
    const QRegion dev(LPtoDP(r).q());
    set_clip(true, s_.has_clip ? s_.clip & dev : dev);
}

void HtmlCanvas::ExcludeClipRect(const Rect& r) {
    const QRegion dev(LPtoDP(r).q());
    QRegion all = s_.has_clip ? s_.clip
                              : QRegion(QRect(-(1 << 28), -(1 << 28), 1 << 29, 1 << 29));
    set_clip(true, all - dev);
}

void HtmlCanvas::SelectClipRgn(const Region* r) {
    if (!r)
        set_clip(false, QRegion());
    else
        set_clip(true, r->q());
}

void HtmlCanvas::IntersectClipRgn(const Region& r) {
    set_clip(true, s_.has_clip ? s_.clip & r.q() : r.q());
}

bool HtmlCanvas::GetClipRgn(Region& out) const {
    if (!s_.has_clip) return false;
    out = Region(s_.clip);
    return true;
}

Rect HtmlCanvas::GetClipBox() const {
    const QRect dev = s_.has_clip ? s_.clip.boundingRect() : QRect(0, 0, caps_.width, caps_.height);
    const QTransform inv = mapping().inverted();
    return Rect::from(inv.mapRect(dev));
}

// ---------------------------------------------------------------- mapping

QTransform HtmlCanvas::mapping() const {
    QTransform m;
    m.translate(s_.viewport_org.x(), s_.viewport_org.y());
    if (s_.anisotropic && s_.window_ext.width() != 0 && s_.window_ext.height() != 0)
        m.scale(static_cast<double>(s_.viewport_ext.width()) / s_.window_ext.width(),
                static_cast<double>(s_.viewport_ext.height()) / s_.window_ext.height());
    m.translate(-s_.window_org.x(), -s_.window_org.y());
    return m;
}

void HtmlCanvas::apply_transform() {
    p_.setWorldTransform(mapping() * base_);
}

void HtmlCanvas::SetAnisotropic(bool on) {
    s_.anisotropic = on;
    apply_transform();
}

void HtmlCanvas::SetWindowOrg(int x, int y) {
    s_.window_org = QPoint(x, y);
    apply_transform();
}

void HtmlCanvas::SetWindowExt(int w, int h) {
    if (w == 0 || h == 0) return;
    s_.window_ext = QSize(w, h);
    apply_transform();
}

void HtmlCanvas::SetViewportOrg(int x, int y) {
    s_.viewport_org = QPoint(x, y);
    apply_transform();
}

void HtmlCanvas::SetViewportExt(int w, int h) {
    if (w == 0 || h == 0) return;
    s_.viewport_ext = QSize(w, h);
    apply_transform();
}

QPoint HtmlCanvas::LPtoDP(QPoint p) const {
    return mapping().map(p);
}

QPoint HtmlCanvas::DPtoLP(QPoint p) const {
    return mapping().inverted().map(p);
}

Rect HtmlCanvas::LPtoDP(const Rect& r) const {
    const QPoint a = LPtoDP(QPoint(r.Left, r.Top));
    const QPoint b = LPtoDP(QPoint(r.Right, r.Bottom));
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
}

} // namespace ui
