// Paint speed: the page of pictures and floats (the viewer's feature page
// of pictures in the text, floated left and right, in links and missing)
// laid out 800 pixels wide and painted whole into an 800 x 504 window
// again and again: the page colour, then the document.
// Last line: paint_ms=<median of the paints>.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "htmlview/display.h"
#include "tools/htmlshot/shot.h"
#include "platform/ui/fonts.h"

using namespace htmlview;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    InitDisplay();
    const std::string page = std::string(PAGES_DIR) + "/images.html";
    htmlshot::ShotSurface shot;
    std::string error;
    if (!shot.Load(page, 800, &error)) {
        std::fprintf(stderr, "%s: %s\n", page.c_str(), error.c_str());
        return 1;
    }
    constexpr int kWidth = 800, kHeight = 504;
    shot.resize(kWidth, kHeight);
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    auto paint = [&] {
        QPainter p(&window);
        ui::HtmlCanvas canvas(p);
        canvas.SetAntialias(false);
        const ui::Rect r{0, 0, kWidth, kHeight};
        canvas.FillRect(r, ui::rgb_ref(255, 255, 255));
        shot.Doc().Draw(canvas, r, kWidth, 0);
    };
    paint(); // pictures decoded and prepared once, as on the first paint of a page
    std::vector<double> ms;
    for (int i = 0; i < 301; ++i) ms.push_back(bench::seconds(paint) * 1000);
    std::printf("page %d pixels tall, window %dx%d, %zu paints\n", shot.PageHeight(), kWidth, kHeight, ms.size());
    std::printf("paint_ms=%.3f\n", bench::median(ms));
    return 0;
}
