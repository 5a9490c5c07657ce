#pragma once
// An animated GIF as the page holds it: every frame composed into one strip
// bitmap (with its mask), the frames' rectangles, delays and disposal, and
// the state of the animation that the document's timer steps.
#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/bitmap.h"
#include "htmlview/stream.h"

class QWidget;
namespace ui {
class HtmlCanvas;
}

namespace htmlview {

// The strip of all frames side by side, with its mask (white = transparent).
class ThtBitmap : public TBitmap {
  public:
    std::unique_ptr<TBitmap> StripMask;
    bool IsTransparent = false;
    // `src` of the strip stretched onto `dest`, through the mask when there is one.
    void StretchDraw(ui::HtmlCanvas& canvas, const QRect& dest, const QRect& src) const;

  private:
    mutable QImage image_, mask_image_; // made on the first draw
};

struct TgfFrame {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Delay = 0; // milliseconds
    int Disposal = 0;
    bool IsCopy = false;
};

// Milliseconds of the clock animations run by (a steady clock); tests set
// their own. An empty function restores the steady clock.
using GifClock = std::function<uint32_t()>;
void SetGifClock(GifClock clock);
uint32_t GifNow();

class TGIFImage {
  public:
    TGIFImage() = default;
    ~TGIFImage();
    TGIFImage(const TGIFImage&) = delete;
    TGIFImage& operator=(const TGIFImage&) = delete;

    // A copy for another image on the page: shares the strip, starts at the
    // first frame and the first pass.
    static std::unique_ptr<TGIFImage> CreateCopy(const TGIFImage& source);

    bool Animated = false;
    int Width = 0, Height = 0; // the logical screen
    int NumFrames = 0;
    int NumIterations = 1; // 0: forever
    bool IsTransparent = false;
    bool Visible = true;
    std::shared_ptr<ThtBitmap> Strip;
    std::vector<TgfFrame> Frames;
    QRect DrawRect;
    int CurrentDisposal = 0;
    int CurrentIteration = 1;
    uint32_t LastTime = 0;
    int CurrentInterval = 0;
    bool IsCopy = false;

    bool Animate() const { return animate_; }
    void SetAnimate(bool on);
    int CurrentFrame() const { return current_frame_; }
    void SetCurrentFrame(int n);

    // Called by the page's animation timer: moves to the next frame when
    // the current one's time is up, and asks `control` to repaint DrawRect.
    void CheckTime(QWidget* control);
    // The current frame stretched onto (x, y, wid, ht).
    void Draw(ui::HtmlCanvas& canvas, int x, int y, int wid, int ht);

    // The first frame alone (Width x Height), made once; its mask, or none.
    const TBitmap& GetMergedBitmap();
    const TBitmap& GetBitmap() { return GetMergedBitmap(); }
    const TBitmap* MergedMask();
    const TBitmap* GetMaskImage(); // none unless transparent

  private:
    bool animate_ = false;
    int current_frame_ = 1;
    std::unique_ptr<TBitmap> merged_, merged_mask_;
};

// Decodes a GIF (raising the decoder's errors); NonAnimated tells whether it
// has a single frame. The caller owns the result.
std::unique_ptr<TGIFImage> GifImageFromStream(TStream& stream, bool& NonAnimated);
// The same from a file; nullptr when it cannot be read.
std::unique_ptr<TGIFImage> GifImageFromFile(const std::string& path, bool& NonAnimated);

} // namespace htmlview
