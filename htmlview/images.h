#pragma once
// Loading pictures for a page (BMP, PNG and JPEG here; GIF in gif_image.h),
// adapting them to the screen, the per-viewer image cache, and drawing with
// transparency on screens and printers.
#include <QCursor>
#include <QImage>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "htmlview/bitmap.h"
#include "htmlview/gif_image.h"
#include "htmlview/stream.h"

namespace ui {
class HtmlCanvas;
class Region;
}

namespace htmlview {

// Kinds of picture by their first bytes.
enum ImageKind : int { ikNone = 0, ikBmp = 1, ikGif87 = 2, ikGif89 = 3, ikPng = 4, ikJpeg = 5 };
int KindOfImage(std::string_view start);

// Transparency kinds: none; the lower-left pixel's colour (the TRANSP
// attribute); a mask the picture brings (GIF); a colour the file names (PNG).
enum Transparency : uint8_t { itrNone = 0, itrLLCorner = 1, itrIntrinsic = 2, itrColor = 3 };

// A loaded picture: a plain bitmap or an animated GIF. Owns what it holds.
struct TImage {
    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TGIFImage> gif;
    // The bitmap as the canvas draws it, made at the first paint of any
    // picture showing it and shared by all of them (`shown_from` the bitmap
    // it was made of).
    QImage shown;
    const TBitmap* shown_from = nullptr;
    explicit operator bool() const { return bitmap || gif; }
};

// BMP, PNG and JPEG from a file or a stream: the bitmap adapted to the
// screen, `Transp` set by the file (3 for a PNG palette colour with alpha 0,
// else 0 or unchanged), `Mask` its mask or none. Nothing for a missing file,
// a stream of 20 bytes or fewer, another kind or a picture that cannot be
// decoded.
std::unique_ptr<TBitmap> LoadImageFromFile(const std::string& path, Transparency& Transp,
                                           std::unique_ptr<TBitmap>& Mask);
std::unique_ptr<TBitmap> LoadImageFromStream(TStream* stream, Transparency& Transp,
                                             std::unique_ptr<TBitmap>& Mask);

// The colour of the first palette entry a PNG's tRNS makes fully
// transparent; the chunks are scanned up to IDAT, the stream position kept.
bool PngTransparentColor(TStream& stream, QRgb& Color);

// The mask of the pixels of `Color` (with UseColor) or of the lower-left
// pixel's colour; white where transparent. Nothing when it cannot be made.
std::unique_ptr<TBitmap> GetImageMask(const TBitmap& bitmap, bool UseColor, QRgb Color);

// The bitmap in the form the screen draws: palette pictures become device
// pictures on a true-colour screen; on a palette screen pictures are
// dithered to the shared palette.
std::unique_ptr<TBitmap> PrepareImageForDisplay(std::unique_ptr<TBitmap> bitmap);

// For tiling: a picture one pixel wide or high stretched to min(100, W) or
// min(100, H) in that direction.
std::unique_ptr<TBitmap> EnlargeImage(const TBitmap& bitmap, int W, int H);

// ---- the image cache ----

// One cached picture. AccessCount is its age in page loads, UsageCount how
// many objects of the current page use it.
struct TBitmapItem {
    int AccessCount = 0;
    int UsageCount = 0;
    Transparency Transp = itrNone;
    TImage MImage;
    std::unique_ptr<TBitmap> Mask;
};

// The viewer's cache of pictures by file name or URL, sorted by key. An
// entry in use by the current page is never dropped; an unused one ages by
// one per page load and goes when it is older than MaxCache.
class TStringBitmapList {
  public:
    int MaxCache = 4;

    int Count() const { return static_cast<int>(items_.size()); }
    // Index of the key, -1 when absent.
    int IndexOf(const std::string& key) const;
    const std::string& Key(int i) const { return items_.at(size_t(i)).first; }
    TBitmapItem& Item(int i) { return *items_.at(size_t(i)).second; }

    // Adds the entry (its use counts as one); an existing key is replaced.
    int AddObject(const std::string& key, std::unique_ptr<TBitmapItem> item);
    // Takes the picture of entry i for a page object: age 0, one more use.
    TImage* GetImage(int i);
    // A page object let go of the picture.
    void DecUsage(const std::string& key);
    // Once per page load: everything ages, old unused entries go.
    void BumpAndCheck();
    // Drops unused entries older than n, then keeps n as MaxCache.
    void SetCacheCount(int n);
    void Clear() { items_.clear(); }

  private:
    std::vector<std::pair<std::string, std::unique_ptr<TBitmapItem>>> items_;
};

// ---- drawing ----

// The bitmap stretched to W x H at (X, Y), left out where the mask is white.
// Nothing on a monochrome device.
void DrawTransparent(ui::HtmlCanvas& canvas, const TBitmap& bitmap, const TBitmap& mask, int X,
                     int Y, int W, int H);
// For printing: the bitmap stretched onto (X, Y, W, H).
void PrintBitmap(ui::HtmlCanvas& canvas, int X, int Y, int W, int H, const TBitmap& bitmap);
// The same through the opaque pixels of the mask only; YI and HI pick the
// rows of the source (the part of a picture on this page).
void PrintTransparentBitmap(ui::HtmlCanvas& canvas, int X, int Y, int W, int H, const TBitmap& bitmap,
                            const TBitmap& mask, int YI, int HI);
// The pixels of the bitmap that differ from the colour, as a region.
ui::Region BitmapToRegion(const TBitmap& bitmap, QRgb TransparentColor);

// ---- the viewer's own pictures and cursors ----

// 16 x 16 pictures: the broken-image sign and its mask (white at the rounded
// corners), and the placeholder of a picture not delivered yet.
const TBitmap& BrokenImageBitmap();
const TBitmap& BrokenImageMask();
const TBitmap& PlaceholderBitmap();
// Screen cursors: 1 the hand over links, 2 the plain arrow, 3-5 the
// auto-scroll marks (up and down, up only, down only).
QCursor ViewerCursor(int number);

} // namespace htmlview
