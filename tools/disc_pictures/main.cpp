// Draws the demo disc's pictures: for every row of the picture interlude sets
// (b1.txt .. b7.txt of kind "zd1" or "zd2" in the program folder), code c and
// subject word w give <disc data folder>/c[1-2]/c[3-4]/c[3-6].jpg, an
// illustration of w lettered with w as the course writes it.
//
// Usage: make_disc_pictures <program folder> <disc data folder> <stamp-file>
// The stamp is written only when every picture was written.
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
    // The course's texts are in the edition's set: line 2 of tavo_sk.txt
    // names the language, 3 the French edition.
    const auto opis = os::read_lines((program / "tavo_sk.txt").string());
    const int charset = opis.size() > 1 && Trim(opis[1]) == "3" ? 0 : 238;
    int written = 0, failed = 0;
    for (int k = 1; k <= 7; ++k) {
        const auto b = os::read_lines((program / ("b" + std::to_string(k) + ".txt")).string());
        if (b.size() < 3) continue;
        const std::string kind = Trim(b[1]);
        if (kind != "zd1" && kind != "zd2") continue;
        for (const std::string& line : os::read_lines((program / Trim(b[2])).string())) {
            const auto row = scenes::picture_row(line, charset);
            if (!row) continue;
            const std::string& code = row->code;
            if (code.size() < 6) {
                std::fprintf(stderr, "make_disc_pictures: code '%s' is too short\n", code.c_str());
                ++failed;
                continue;
            }
            const fs::path out =
                disc / code.substr(0, 2) / code.substr(2, 2) / (code.substr(2, 4) + ".jpg");
            const scenes::Picture picture = scenes::draw(row->word);
            if (!picture.known)
                std::fprintf(stderr, "make_disc_pictures: no scene for '%s' (%s): a plain card\n",
                             row->word.toUtf8().constData(), code.c_str());
            std::error_code ec;
            fs::create_directories(out.parent_path(), ec);
            if (ec || !picture.image.save(QString::fromStdString(out.string()), "JPG", 88)) {
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
