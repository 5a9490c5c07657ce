// The PNG reader on any bytes: it either raises one of its own errors (or a
// zlib or memory error) or gives a bitmap of the header's size; a small one
// written back and read again shows the same colours.
#include <QImage>

#include "fuzz/fuzz_support.h"
#include "htmlview/png.h"
#include "htmlview/zstream.h"

using namespace htmlview;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPNGImage img;
    const std::string bytes = fuzz::as_text(data, size);
    TViewStream in(bytes);
    try {
        img.LoadFromStream(in);
    } catch (const EPNGImageException& e) {
        fuzz::check(!PngMessage(e.Code()).empty());
        return 0;
    } catch (const EZLibError&) {
        return 0;
    } catch (const EOutOfMemory&) {
        return 0;
    }
    const auto& ihdr = static_cast<const TChunkIHDR&>(img.Chunks().Item(0));
    fuzz::check(uint32_t(img.Width()) == ihdr.Width() && uint32_t(img.Height()) == ihdr.Height());
    if (int64_t(img.Width()) * img.Height() > 4096) return 0;
    fuzz::check(img.ToImage().size() == QSize(img.Width(), img.Height()));
    TMemoryStream out;
    img.SaveToStream(out);
    TPNGImage back;
    TViewStream again(out.Bytes());
    back.LoadFromStream(again);
    fuzz::check(back.Width() == img.Width() && back.Height() == img.Height());
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) fuzz::check(back.Pixel(x, y) == img.Pixel(x, y));
    return 0;
}
