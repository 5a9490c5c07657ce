// Times the help window: from F1 (the page named, the window shown) to its
// first painted frame on h_10_slow.html, the first (cold) open and the median
// of repeats (warm), and the repaint after a one-line scroll by the arrow key.
// Last line: help_open_ms=<cold> help_open_warm_ms=<median> scroll_ms=<median>.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/timing.h"
#include "core/startup.h"
#include "htmlview/display.h"
#include "shared/form5.h"
#include "shared/forms.h"
#include "trainer/form28.h"
#include "platform/ui/fonts.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    sciezka_programu = std::string(DEMO_PROGRAM_DIR) + "/";
    auto form5 = std::make_unique<TForm5>();
    auto okno = std::make_unique<TForm28>();

    auto open = [&] {
        strona_pomocy = "h_10_slow.html";
        okno->show();
        okno->repaint();
    };
    const double cold = bench::seconds(open) * 1000;
    okno->hide();
    std::vector<double> warm;
    for (int i = 0; i < 25; ++i) {
        warm.push_back(bench::seconds(open) * 1000);
        okno->hide();
    }

    open();
    auto& pane = okno->HtmlPane1;
    std::vector<double> scroll;
    for (int i = 0; i < 40; ++i) {
        if (pane.VScrollPos() + pane.PaintPanel()->height() + 20 >= pane.MaxVertical()) pane.ScrollTo(0);
        QApplication::processEvents();
        scroll.push_back(bench::seconds([&] {
                             pane.KeyDown(Qt::Key_Down, Qt::NoModifier);
                             QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                         }) *
                         1000);
    }
    std::printf("page=%s height=%d rounds=%zu/%zu\n", pane.CurrentFile().c_str(), pane.MaxVertical(), warm.size(),
                scroll.size());
    std::printf("help_open_ms=%.2f help_open_warm_ms=%.2f scroll_ms=%.3f\n", cold, bench::median(warm),
                bench::median(scroll));
    return 0;
}
