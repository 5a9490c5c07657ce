#include "htmlview/images.h"

#include <algorithm>

#include "htmlview/display.h"
#include "htmlview/dither.h"
#include "htmlview/png.h"
#include "platform/ui/bmp.h"
#include "platform/ui/html_canvas.h"
#include "platform/ui/jpeg.h"

namespace htmlview {

int KindOfImage(std::string_view s) {
    auto starts = [&](std::string_view p) { return s.substr(0, p.size()) == p; };
    if (starts("GIF8")) return s.size() > 4 && s[4] == '9' ? ikGif89 : ikGif87;
    if (starts("BM")) return ikBmp;
    if (starts("\x89PNG")) return ikPng;
    if (starts("\xFF\xD8")) return ikJpeg;
    return ikNone;
}

namespace {

uint32_t BE32(const unsigned char* b) {
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

std::string ReadAll(TStream& s) {
    s.SetPosition(0);
    std::string bytes(size_t(std::max<int64_t>(0, s.Size())), '\0');
    bytes.resize(size_t(std::max<int64_t>(0, s.Read(bytes.data(), int64_t(bytes.size())))));
    return bytes;
}

std::unique_ptr<TBitmap> FromQImage(const QImage& img) {
    auto b = std::make_unique<TBitmap>(0, 0, img.format() == QImage::Format_Indexed8 ? PixelFormat::Bit8
                                                                                       : PixelFormat::Bit24);
    b->SetSize(img.width(), img.height());
    if (img.format() == QImage::Format_Indexed8) {
        for (QRgb c : img.colorTable()) b->palette.push_back(c | 0xFF000000u);
        for (int y = 0; y < img.height(); ++y) std::copy_n(img.constScanLine(y), img.width(), b->ScanLine(y));
    } else {
        const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* s = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            uint8_t* d = b->ScanLine(y);
            for (int x = 0; x < img.width(); ++x, d += 3) {
                d[0] = uint8_t(qBlue(s[x]));
                d[1] = uint8_t(qGreen(s[x]));
                d[2] = uint8_t(qRed(s[x]));
            }
        }
    }
    return b;
}

// The pixels of the colour the mask leaves out become black; the others keep
// their colour. The result is a device picture.
std::unique_ptr<TBitmap> BlackenTransparent(const TBitmap& bmp, const TBitmap& mask) {
    auto out = std::make_unique<TBitmap>(bmp.Width(), bmp.Height(), PixelFormat::Device);
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            out->SetPixel(x, y, MaskIsWhite(mask, x, y) ? qRgb(0, 0, 0) : bmp.Pixel(x, y));
    out->palette = CopyPalette(Display().ThePalette);
    return out;
}

} // namespace

bool PngTransparentColor(TStream& stream, QRgb& Color) {
    const int64_t saved = stream.Position();
    const int64_t size = stream.Size();
    bool found = false;
    stream.SetPosition(8);
    int color_type = -1;
    Palette plte;
    // Every step moves forward by at least a chunk head, and a chunk that
    // claims more than the stream holds ends the scan.
    for (;;) {
        const int64_t pos = stream.Position();
        unsigned char head[8];
        if (stream.Read(head, 8) != 8) break;
        const uint32_t len = BE32(head);
        if (int64_t(len) > size - pos - 8) break;
        const std::string name(reinterpret_cast<const char*>(head + 4), 4);
        if (name == "IDAT") break;
        if (name == "IHDR" || name == "PLTE" || (name == "tRNS" && color_type == 3)) {
            std::string data(len, '\0');
            if (stream.Read(data.data(), len) != int64_t(len)) break;
            if (name == "IHDR") {
                if (len < 10) break;
                color_type = uint8_t(data[9]);
                if (color_type != 2 && color_type != 3) break;
            } else if (name == "PLTE") {
                plte.clear();
                for (size_t i = 0; i + 2 < data.size() && plte.size() < 256; i += 3)
                    plte.push_back(qRgb(uint8_t(data[i]), uint8_t(data[i + 1]), uint8_t(data[i + 2])));
            } else {
                for (size_t i = 0; i < data.size() && i < plte.size(); ++i)
                    if (data[i] == 0) {
                        Color = plte[i];
                        found = true;
                        break;
                    }
                if (found) break;
            }
            stream.Seek(4, SeekOrigin::Current);
        } else {
            stream.Seek(int64_t(len) + 4, SeekOrigin::Current);
        }
    }
    stream.SetPosition(saved);
    return found;
}

std::unique_ptr<TBitmap> GetImageMask(const TBitmap& bitmap, bool UseColor, QRgb Color) {
    if (bitmap.Empty()) return nullptr;
    const QRgb key = (UseColor ? Color : bitmap.Pixel(0, bitmap.Height() - 1)) | 0xFF000000u;
    auto mask = std::make_unique<TBitmap>(NewMask(bitmap.Width(), bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) == key) mask->SetPixelIndex(x, y, 1);
    return mask;
}

std::unique_ptr<TBitmap> PrepareImageForDisplay(std::unique_ptr<TBitmap> bitmap) {
    if (!bitmap) return nullptr;
    const DisplayState& d = Display();
    if (d.ColorBits == 24) {
        if (bitmap->Format() != PixelFormat::Bit24) bitmap->SetPixelFormat(PixelFormat::Device);
        return bitmap;
    }
    if (bitmap->Format() != PixelFormat::Device) return DitherBitmapForDisplay(bitmap.get());
    // A device picture drawn with the shared palette selected.
    if (bitmap->palette.empty()) bitmap->palette = CopyPalette(d.ThePalette);
    bitmap->SetPixelFormat(PixelFormat::Bit8);
    return bitmap;
}

std::unique_ptr<TBitmap> LoadImageFromStream(TStream* stream, Transparency& Transp,
                                             std::unique_ptr<TBitmap>& Mask) {
    Mask.reset();
    if (!stream || stream->Size() <= 20) return nullptr;
    try {
        const std::string bytes = ReadAll(*stream);
        const int kind = KindOfImage(bytes);
        std::unique_ptr<TBitmap> bmp;
        QRgb color = 0;
        const DisplayState& d = Display();
        if (kind == ikJpeg) {
            Transp = itrNone;
            ui::JpegOptions opt;
            opt.eight_bit = d.ColorBits < 9;
            if (d.ColorBits == 8) opt.colormap = d.ThePalette;
            bmp = FromQImage(ui::decode_jpeg(bytes, opt));
        } else if (kind == ikPng) {
            TViewStream view(bytes);
            const bool keyed = PngTransparentColor(view, color);
            TPNGImage png;
            png.LoadFromStream(view);
            if (keyed) {
                Transp = itrColor;
                // The palette went through the gamma table, so does the key.
                const TChunkList& chunks = png.Chunks();
                const int gi = chunks.IndexOfClass(&TChunkGAMA::Make);
                const int di = chunks.IndexOfClass(&TChunkIDAT::Make);
                if (gi >= 0 && gi < di) {
                    const auto& g = static_cast<const TChunkGAMA&>(chunks.Item(gi));
                    if (g.Built()) color = qRgb(g.Forward[qRed(color)], g.Forward[qGreen(color)], g.Forward[qBlue(color)]);
                }
            }
            bmp = std::make_unique<TBitmap>(std::move(static_cast<TBitmap&>(png)));
        } else if (kind == ikBmp) {
            bmp = std::make_unique<TBitmap>(TBitmap::FromImage(ui::decode_bmp(bytes)));
        } else {
            return nullptr;
        }
        if (Transp == itrLLCorner) {
            Mask = GetImageMask(*bmp, false, 0);
        } else if (Transp == itrColor) {
            Mask = GetImageMask(*bmp, true, color);
            if (Mask) bmp = BlackenTransparent(*bmp, *Mask);
        }
        return PrepareImageForDisplay(std::move(bmp));
    } catch (const std::exception&) {
        Mask.reset();
        return nullptr; // a picture that cannot be decoded shows as broken
    }
}

std::unique_ptr<TBitmap> LoadImageFromFile(const std::string& path, Transparency& Transp,
                                           std::unique_ptr<TBitmap>& Mask) {
    Mask.reset();
    TMemoryStream s;
    if (!s.LoadFromFile(path)) return nullptr;
    return LoadImageFromStream(&s, Transp, Mask);
}

std::unique_ptr<TBitmap> EnlargeImage(const TBitmap& bitmap, int W, int H) {
    const int w = bitmap.Width() == 1 ? std::clamp(W, 1, 100) : bitmap.Width();
    const int h = bitmap.Height() == 1 ? std::clamp(H, 1, 100) : bitmap.Height();
    auto out = std::make_unique<TBitmap>(w, h, PixelFormat::Device);
    if (bitmap.Empty()) return out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out->SetPixel(x, y, bitmap.Pixel(int(int64_t(x) * bitmap.Width() / w), int(int64_t(y) * bitmap.Height() / h)));
    return out;
}

// ---- cache ----

int TStringBitmapList::IndexOf(const std::string& key) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), key,
                               [](const auto& e, const std::string& k) { return e.first < k; });
    return it != items_.end() && it->first == key ? int(it - items_.begin()) : -1;
}

int TStringBitmapList::AddObject(const std::string& key, std::unique_ptr<TBitmapItem> item) {
    auto it = std::lower_bound(items_.begin(), items_.end(), key,
                               [](const auto& e, const std::string& k) { return e.first < k; });
    if (it != items_.end() && it->first == key) return int(it - items_.begin()); // kept as it is
    if (item) ++item->UsageCount;
    it = items_.emplace(it, key, std::move(item));
    return int(it - items_.begin());
}

TImage* TStringBitmapList::GetImage(int i) {
    TBitmapItem& item = Item(i);
    item.AccessCount = 0;
    ++item.UsageCount;
    return &item.MImage;
}

void TStringBitmapList::DecUsage(const std::string& key) {
    const int i = IndexOf(key);
    if (i >= 0) --Item(i).UsageCount;
}

void TStringBitmapList::BumpAndCheck() {
    for (int i = Count() - 1; i >= 0; --i) {
        TBitmapItem& item = Item(i);
        ++item.AccessCount;
        if (item.AccessCount > MaxCache && item.UsageCount < 1) items_.erase(items_.begin() + i);
    }
}

void TStringBitmapList::SetCacheCount(int n) {
    for (int i = Count() - 1; i >= 0; --i) {
        TBitmapItem& item = Item(i);
        if (item.AccessCount > n && item.UsageCount < 1) items_.erase(items_.begin() + i);
    }
    MaxCache = n;
}

// ---- drawing ----

namespace {

QImage MaskImage(const TBitmap& mask) { return mask.ToImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

void DrawTransparent(ui::HtmlCanvas& canvas, const TBitmap& bitmap, const TBitmap& mask, int X, int Y,
                     int W, int H) {
    if (canvas.Caps().num_colors == 2 || bitmap.Empty()) return;
    canvas.DrawMasked(ui::Rect{X, Y, X + W, Y + H}, bitmap.ToImage(), QRect(0, 0, bitmap.Width(), bitmap.Height()),
                      MaskImage(mask));
}

void PrintBitmap(ui::HtmlCanvas& canvas, int X, int Y, int W, int H, const TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    canvas.StretchBlt(X, Y, W, H, bitmap.ToImage(), 0, 0, bitmap.Width(), bitmap.Height(), ui::Rop::SrcCopy);
}

void PrintTransparentBitmap(ui::HtmlCanvas& canvas, int X, int Y, int W, int H, const TBitmap& bitmap,
                            const TBitmap& mask, int YI, int HI) {
    if (bitmap.Empty() || W <= 0 || H <= 0) return;
    YI = std::clamp(YI, 0, bitmap.Height());
    HI = std::clamp(HI, 0, bitmap.Height() - YI);
    if (HI == 0) return;
    // Image at the printed size; the clip is a region of device pixels, so
    // the mask is scaled to the size the picture takes on the device.
    const QImage img = bitmap.ToImage().copy(0, YI, bitmap.Width(), HI).scaled(W, H);
    const ui::Rect at = canvas.LPtoDP(ui::Rect{X, Y, X + W, Y + H});
    if (at.Width() <= 0 || at.Height() <= 0) return;
    const QImage m = MaskImage(mask).copy(0, YI, mask.Width(), HI).scaled(at.Width(), at.Height());
    canvas.SaveDC();
    ui::Region opaque = ui::Region::FromBitmap(m, qRgb(255, 255, 255));
    opaque.Offset(at.Left, at.Top);
    canvas.IntersectClipRgn(opaque);
    canvas.StretchBlt(X, Y, W, H, img, 0, 0, W, H, ui::Rop::SrcCopy);
    canvas.RestoreDC();
}

ui::Region BitmapToRegion(const TBitmap& bitmap, QRgb TransparentColor) {
    return ui::Region::FromBitmap(bitmap.ToImage(), TransparentColor);
}

} // namespace htmlview
