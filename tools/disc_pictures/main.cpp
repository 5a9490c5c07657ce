// Draws the demo disc's pictures: for every row of the picture interlude sets
// (b1.txt .. b7.txt of kind "zd1" or "zd2" in the program folder), code c and
// subject word w give <disc data folder>/c[1-2]/c[3-4]/c[3-6].jpg, an
// illustration of w.
//
// Usage: make_disc_pictures <program folder> <disc data folder> <stamp-file>
// The stamp is written only when every picture was written.
#include "core/exercises.h"
#include "core/text.h"
#include "platform/os/line_file.h"
#include "tools/artwork/paint.h"
#include "tools/disc_pictures/scenes.h"
#include "platform/ui/fonts.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_disc_pictures <program folder> <disc data folder> "
                             "<stamp>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::pin_fonts_or_exit();
    QGuiApplication app(argc, argv);
    if (!artwork::load_fonts()) {
        std::fprintf(stderr, "make_disc_pictures: the font Liberation Sans is not installed\n");
        return 1;
    }
    const fs::path program = argv[1], disc = argv[2];
    int written = 0, failed = 0;
    for (int k = 1; k <= 7; ++k) {
        const auto b = os::read_lines((program / ("b" + std::to_string(k) + ".txt")).string());
        if (b.size() < 3) continue;
        const std::string kind = Trim(b[1]);
        if (kind != "zd1" && kind != "zd2") continue;
        for (const std::string& row : os::read_lines((program / Trim(b[2])).string())) {
            if (row.size() <= 5 || row.find('=') == std::string::npos) continue;
            const std::string code = Trim(pole_linii(row, 1));
            const QString subject = QString::fromStdString(Trim(pole_linii(row, 2))).toLower();
            if (code.size() < 6) {
                std::fprintf(stderr, "make_disc_pictures: code '%s' is too short\n", code.c_str());
                ++failed;
                continue;
            }
            const fs::path out =
                disc / code.substr(0, 2) / code.substr(2, 2) / (code.substr(2, 4) + ".jpg");
            bool known = false;
            const QImage img = scenes::draw(subject, &known);
            if (!known)
                std::fprintf(stderr, "make_disc_pictures: no scene for '%s' (%s): a plain card\n",
                             subject.toUtf8().constData(), code.c_str());
            std::error_code ec;
            fs::create_directories(out.parent_path(), ec);
            if (ec || !img.save(QString::fromStdString(out.string()), "JPG", 88)) {
                std::fprintf(stderr, "make_disc_pictures: cannot write %s\n", out.c_str());
                ++failed;
                continue;
            }
            ++written;
        }
    }
    std::printf("make_disc_pictures: %d pictures drawn\n", written);
    if (failed) return 1;
    std::ofstream(argv[3]) << written << "\n";
    return 0;
}
