// The page's picture loader on any bytes: the kind is sniffed from the first
// bytes and BMP, PNG and JPEG are loaded with their masks, on a screen of
// 24, 8 or 4 bits (chosen by the first byte, which is then dropped). It gives
// a picture (with a mask of its size, if any) or nothing, never an error.
#include "fuzz/fuzz_support.h"
#include "htmlview/display.h"
#include "htmlview/images.h"

using namespace htmlview;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int bits[4] = {24, 8, 4, 24};
    ForceDisplayBits(bits[data[0] & 3]);
    Transparency transp = (data[0] & 4) ? itrLLCorner : itrNone;
    const std::string bytes = fuzz::as_text(data + 1, size - 1);
    const int kind = KindOfImage(bytes);
    fuzz::check(kind >= ikNone && kind <= ikJpeg);
    TMemoryStream in(bytes);
    QRgb key = 0;
    const bool keyed = PngTransparentColor(in, key);
    fuzz::check(in.Position() == 0);
    std::unique_ptr<TBitmap> mask;
    std::unique_ptr<TBitmap> bmp = LoadImageFromStream(&in, transp, mask);
    if (!bmp) {
        fuzz::check(mask == nullptr);
        return 0;
    }
    fuzz::check(kind == ikBmp || kind == ikPng || kind == ikJpeg);
    fuzz::check(bytes.size() > 20);
    if (kind == ikPng) fuzz::check(keyed == (transp == itrColor));
    if (mask) fuzz::check(mask->Width() == bmp->Width() && mask->Height() == bmp->Height());
    if (Display().ColorBits < 24) fuzz::check(bmp->Format() == PixelFormat::Bit8);
    return 0;
}
