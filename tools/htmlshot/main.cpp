// htmlshot PAGE.html OUT.png [--width N]: the page as the viewer paints it,
// form controls included, without antialiasing.
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/htmlshot/shot.h"
#include "htmlview/display.h"
#include "platform/ui/fonts.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::pin_fonts_or_exit();
    QApplication app(argc, argv);
    std::string page, out;
    int width = 800;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--width" && i + 1 < argc) {
            width = std::atoi(argv[++i]);
        } else if (page.empty()) {
            page = a;
        } else if (out.empty()) {
            out = a;
        } else {
            page.clear();
            break;
        }
    }
    if (page.empty() || out.empty() || width < 1) {
        std::fprintf(stderr, "usage: htmlshot PAGE.html OUT.png [--width N]\n");
        return 2;
    }
    // Names on the command line are the shell's, relative to its folder.
    page = QFileInfo(QString::fromStdString(page)).absoluteFilePath().toStdString();
    out = QFileInfo(QString::fromStdString(out)).absoluteFilePath().toStdString();
    htmlview::InitDisplay();
    std::string error;
    const QImage shot = htmlshot::RenderPage(page, width, &error);
    if (shot.isNull()) {
        std::fprintf(stderr, "htmlshot: %s\n", error.c_str());
        return 1;
    }
    if (!error.empty()) std::fprintf(stderr, "htmlshot: %s (the page was read up to there)\n", error.c_str());
    if (!shot.save(QString::fromStdString(out))) {
        std::fprintf(stderr, "htmlshot: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
