// Seeds of the picture fuzz targets: the picture corpus (good and damaged
// files) and pictures written by Qt's BMP and JPEG writers.
//   fuzz_make_picture_seeds <folder>
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <fstream>

#include "tools/pictures/corpus.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::string flat = name;
    for (char& c : flat)
        if (c == '/') c = '_';
    std::ofstream(folder / flat, std::ios::binary) << bytes;
}

std::string Encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format, 80);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QGuiApplication app(argc, argv);
    const fs::path out = argv[1];
    std::vector<corpus::File> all = corpus::PngFiles();
    for (auto& f : corpus::GifFiles()) all.push_back(f);
    for (auto& f : corpus::BrokenFiles()) all.push_back(f);
    QImage pic(19, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 19; ++x) pic.setPixel(x, y, qRgb(x * 13, y * 30, 90));
    all.push_back({"qt/pattern.bmp", Encoded(pic, "BMP")});
    all.push_back({"qt/pattern.jpg", Encoded(pic, "JPG")});
    all.push_back({"qt/grey.jpg", Encoded(pic.convertToFormat(QImage::Format_Grayscale8), "JPG")});
    all.push_back({"qt/indexed.bmp", Encoded(pic.convertToFormat(QImage::Format_Indexed8), "BMP")});
    for (const corpus::File& f : all) {
        if (f.name.ends_with(".png")) Write(out / "fuzz_png", f.name, f.bytes);
        if (f.name.ends_with(".gif")) Write(out / "fuzz_gif", f.name, f.bytes);
        for (char screen : {'\0', '\1', '\6'}) Write(out / "fuzz_image_kind", std::to_string(int(screen)) + "_" + f.name, screen + f.bytes);
    }
    return 0;
}
