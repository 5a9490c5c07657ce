// The bitmap reader on any bytes: it either throws BitmapError or returns an
// RGB32 image; a small image written back and read again keeps its pixels.
#include <QImage>

#include "fuzz/fuzz_support.h"
#include "platform/ui/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QImage img;
    try {
        img = ui::decode_bmp(fuzz::as_text(data, size), "fuzz.bmp");
    } catch (const ui::BitmapError&) {
        return 0;
    }
    fuzz::check(!img.isNull() && img.format() == QImage::Format_RGB32);
    (void)ui::default_transparent_color(img);

    if (static_cast<long long>(img.width()) * img.height() <= 4096) {
        const std::string path = fuzz::scratch().root() + "round.bmp";
        fuzz::check(ui::save_bmp(img, path));
        const QImage again = ui::load_bmp(path);
        fuzz::check(again == img);
    }
    return 0;
}
