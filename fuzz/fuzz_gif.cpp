// The GIF decoder and the animated image on any bytes: a decoding error is
// the decoder's own (or a memory refusal); a decoded image has a strip of
// every frame side by side, and its animation steps on a fake clock within
// its frames.
#include "fuzz/fuzz_support.h"
#include "htmlview/gif.h"
#include "htmlview/gif_image.h"

using namespace htmlview;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static uint32_t now = 0;
    static const bool clock_set = [] {
        SetGifClock([] { return now; });
        return true;
    }();
    (void)clock_set;
    const std::string bytes = fuzz::as_text(data, size);
    TViewStream in(bytes);
    std::unique_ptr<TGIFImage> img;
    bool still = false;
    try {
        img = GifImageFromStream(in, still);
    } catch (const EGifError& e) {
        fuzz::check(GifLastErrorState().code == e.Code());
        return 0;
    } catch (const EOutOfMemory&) {
        return 0;
    }
    fuzz::check(img->NumFrames >= 1 && still == (img->NumFrames == 1));
    fuzz::check(int(img->Frames.size()) == img->NumFrames);
    fuzz::check(img->Strip->Width() == img->Width * img->NumFrames || img->Strip->Empty());
    if (img->Strip->StripMask)
        fuzz::check(img->Strip->StripMask->Width() == img->Strip->Width());
    img->SetAnimate(true);
    for (int i = 0; i < 50 && img->Animate(); ++i) {
        now += 40;
        img->CheckTime(nullptr);
        fuzz::check(img->CurrentFrame() >= 1 && img->CurrentFrame() <= img->NumFrames);
    }
    const TBitmap& first = img->GetMergedBitmap();
    fuzz::check(first.Width() == img->Width && first.Height() == img->Height);
    return 0;
}
