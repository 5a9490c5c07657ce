#include "htmlview/gif_image.h"

#include <QWidget>
#include <algorithm>
#include <chrono>

#include "htmlview/display.h"
#include "htmlview/gif.h"
#include "platform/ui/html_canvas.h"

namespace htmlview {

namespace {

GifClock& Clock() {
    static GifClock clock;
    return clock;
}

} // namespace

void SetGifClock(GifClock clock) { Clock() = std::move(clock); }

uint32_t GifNow() {
    if (Clock()) return Clock()();
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void ThtBitmap::StretchDraw(ui::HtmlCanvas& canvas, const QRect& dest, const QRect& src) const {
    if (Empty() || dest.isEmpty()) return;
    if (image_.isNull()) image_ = ToImage();
    const ui::Rect d = ui::Rect::from(dest);
    if (StripMask && IsTransparent) {
        if (mask_image_.isNull()) mask_image_ = StripMask->ToImage().convertToFormat(QImage::Format_RGB32);
        canvas.DrawMasked(d, image_, src, mask_image_);
    } else {
        canvas.StretchBlt(d.Left, d.Top, d.Width(), d.Height(), image_, src.x(), src.y(), src.width(),
                          src.height(), ui::Rop::SrcCopy);
    }
}

TGIFImage::~TGIFImage() = default;

std::unique_ptr<TGIFImage> TGIFImage::CreateCopy(const TGIFImage& s) {
    auto c = std::make_unique<TGIFImage>();
    c->Animated = s.Animated;
    c->Width = s.Width, c->Height = s.Height;
    c->NumFrames = s.NumFrames;
    c->NumIterations = s.NumIterations;
    c->IsTransparent = s.IsTransparent;
    c->Visible = s.Visible;
    c->Strip = s.Strip;
    c->Frames = s.Frames;
    for (TgfFrame& f : c->Frames) f.IsCopy = true;
    c->CurrentDisposal = s.Animated ? 2 : 0;
    c->IsCopy = true;
    return c;
}

void TGIFImage::SetAnimate(bool on) {
    if (on && NumFrames > 1) {
        CurrentInterval = std::max(Frames[size_t(current_frame_ - 1)].Delay, 1);
        LastTime = GifNow();
    }
    animate_ = on;
}

void TGIFImage::SetCurrentFrame(int n) {
    if (n == current_frame_ || NumFrames < 1) return;
    CurrentDisposal = Frames[size_t(current_frame_ - 1)].Disposal;
    if (n > NumFrames) n = 1;
    if (n < 1) n = NumFrames;
    current_frame_ = n;
    if (Animated) CurrentDisposal = 2;
}

void TGIFImage::CheckTime(QWidget* control) {
    if (!animate_ || NumFrames < 1) return;
    const uint32_t now = GifNow();
    if (now - LastTime < uint32_t(CurrentInterval)) return;
    LastTime = now;
    // A pass ends on the last frame; only then does the count of passes grow.
    if (current_frame_ == NumFrames) {
        if (NumIterations >= 1 && CurrentIteration >= NumIterations) {
            animate_ = false;
            return;
        }
        ++CurrentIteration;
    }
    CurrentDisposal = Frames[size_t(current_frame_ - 1)].Disposal;
    current_frame_ = current_frame_ % NumFrames + 1;
    if (control) control->update(DrawRect);
    CurrentInterval = std::max(Frames[size_t(current_frame_ - 1)].Delay, 1);
}

void TGIFImage::Draw(ui::HtmlCanvas& canvas, int x, int y, int wid, int ht) {
    DrawRect = QRect(x, y, wid, ht);
    if (!Visible || NumFrames < 1 || !Strip) return;
    Strip->StretchDraw(canvas, DrawRect, QRect((current_frame_ - 1) * Width, 0, Width, Height));
}

const TBitmap& TGIFImage::GetMergedBitmap() {
    if (!merged_) {
        merged_ = std::make_unique<TBitmap>(Width, Height, PixelFormat::Bit24);
        if (Strip && !Strip->Empty()) {
            for (int y = 0; y < Height; ++y)
                std::copy_n(Strip->ScanLine(y), size_t(Width) * 3, merged_->ScanLine(y));
            merged_->palette = Strip->palette;
            if (const TBitmap* sm = Strip->StripMask.get()) {
                merged_mask_ = std::make_unique<TBitmap>(Width, Height, sm->Format());
                merged_mask_->palette = sm->palette;
                const size_t row = size_t(RowBytesFor(Width, BitsPerPixel(sm->Format())));
                for (int y = 0; y < Height; ++y) std::copy_n(sm->ScanLine(y), row, merged_mask_->ScanLine(y));
            }
        }
    }
    return *merged_;
}

const TBitmap* TGIFImage::MergedMask() {
    GetMergedBitmap();
    return merged_mask_.get();
}

const TBitmap* TGIFImage::GetMaskImage() { return IsTransparent ? MergedMask() : nullptr; }

std::unique_ptr<TGIFImage> GifImageFromStream(TStream& stream, bool& NonAnimated) {
    TGif gif;
    gif.LoadFromStream(stream);
    auto img = std::make_unique<TGIFImage>();
    img->NumFrames = gif.GetImageCount();
    img->Animated = img->NumFrames >= 2;
    NonAnimated = !img->Animated;
    img->Width = gif.GetWidth();
    img->Height = gif.GetHeight();
    img->NumIterations = gif.LoopCount < 0 ? 1 : gif.LoopCount > 0 ? gif.LoopCount + 1 : 0;
    img->IsTransparent = gif.GetIsTransparent();
    TBitmap mask;
    auto strip = std::make_shared<ThtBitmap>();
    static_cast<TBitmap&>(*strip) = gif.BuildFrameStrip(&mask);
    if (!mask.Empty()) {
        strip->StripMask = std::make_unique<TBitmap>(std::move(mask));
        strip->IsTransparent = true;
    }
    strip->palette = CopyPalette(Display().ThePalette);
    img->Strip = std::move(strip);
    for (int i = 0; i < img->NumFrames; ++i) {
        TgfFrame f;
        f.Disposal = gif.GetImageDisposal(i);
        f.Left = gif.GetImageLeft(i), f.Top = gif.GetImageTop(i);
        f.Width = gif.GetImageWidth(i), f.Height = gif.GetImageHeight(i);
        f.Delay = std::max(30, 10 * gif.GetImageDelay(i));
        img->Frames.push_back(f);
    }
    if (img->Animated) img->CurrentDisposal = 2;
    return img;
}

std::unique_ptr<TGIFImage> GifImageFromFile(const std::string& path, bool& NonAnimated) {
    TMemoryStream s;
    if (!s.LoadFromFile(path)) return nullptr;
    return GifImageFromStream(s, NonAnimated);
}

} // namespace htmlview
