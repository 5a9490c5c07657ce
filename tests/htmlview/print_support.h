#pragma once
// Print jobs to PDF files in a scratch folder, read back through the
// command-line PDF tools: the page count, and each page as a picture at the
// device resolution without smoothing.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <ostream>
#include <cstdlib>
#include <string>
#include <vector>

#include "htmlview/print.h"
#include "platform_ui/qt_app.h"

namespace printtest {

// Every job of the test goes into `file` on paper `width` x `height` device
// pixels at 96 pixels per inch (a logical unit is a device pixel at scale 1).
struct PdfPrinter {
    explicit PdfPrinter(int width = 480, int height = 600, int resolution = 96, QMarginsF unprintable_mm = {}) {
        testsupport::qt_app();
        htmlview::PrintTarget t;
        t.pdf_file = file = dir.filePath("job.pdf").toStdString();
        t.resolution = resolution;
        t.page_size = QPageSize(QSizeF(width * 25.4 / resolution, height * 25.4 / resolution), QPageSize::Millimeter,
                                QString(), QPageSize::ExactMatch);
        t.unprintable_mm = unprintable_mm;
        htmlview::SetPrintTarget(t);
    }
    ~PdfPrinter() { htmlview::SetPrintTarget(std::nullopt); }
    PdfPrinter(const PdfPrinter&) = delete;
    PdfPrinter& operator=(const PdfPrinter&) = delete;

    bool exists() const { return QFileInfo::exists(QString::fromStdString(file)); }
    // Files left in the folder besides the job (spool files).
    QStringList leftovers() const {
        QStringList all = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        all.removeAll("job.pdf");
        return all;
    }

    QTemporaryDir dir;
    std::string file;
};

inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000)) return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline int pdf_pages(const std::string& file) {
    const QString info = run("pdfinfo", {QString::fromStdString(file)});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

// The pages at `dpi`, without antialiasing.
inline std::vector<QImage> pdf_images(const std::string& file, int dpi = 96) {
    QTemporaryDir out;
    run("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-png",
                     QString::fromStdString(file), out.filePath("p")});
    std::vector<QImage> pages;
    QStringList names = QDir(out.path()).entryList({"p-*.png"}, QDir::Files, QDir::Name);
    // p-1.png .. p-9.png, or p-01.png ..: sort by the number.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.section('-', 1).section('.', 0, 0).toInt() < b.section('-', 1).section('.', 0, 0).toInt();
    });
    for (const QString& n : names) pages.push_back(QImage(out.filePath(n)).convertToFormat(QImage::Format_RGB32));
    return pages;
}

inline bool row_has_ink(const QImage& img, int y, int x0 = 0, int x1 = -1) {
    if (x1 < 0) x1 = img.width();
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = std::max(0, x0); x < std::min(x1, img.width()); ++x)
        if ((row[x] & 0xFFFFFF) != 0xFFFFFF) return true;
    return false;
}

// Runs of rows with ink between y0 and y1: (first row, row after the last).
inline std::vector<std::pair<int, int>> ink_bands(const QImage& img, int y0, int y1, int x0 = 0, int x1 = -1) {
    std::vector<std::pair<int, int>> bands;
    for (int y = std::max(0, y0); y < std::min(y1, img.height()); ++y) {
        if (!row_has_ink(img, y, x0, x1)) continue;
        if (!bands.empty() && bands.back().second == y)
            bands.back().second = y + 1;
        else
            bands.push_back({y, y + 1});
    }
    return bands;
}

// The bounding box of the pixels within `tolerance` of `color` on each
// channel, and how many there are.
struct ColorArea {
    QRect box;
    int count = 0;
};

inline ColorArea color_area(const QImage& img, QRgb color, int tolerance = 6) {
    ColorArea a;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = row[x];
            if (std::abs(qRed(c) - qRed(color)) > tolerance || std::abs(qGreen(c) - qGreen(color)) > tolerance ||
                std::abs(qBlue(c) - qBlue(color)) > tolerance)
                continue;
            a.box |= QRect(x, y, 1, 1);
            ++a.count;
        }
    }
    return a;
}

} // namespace printtest

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
QT_END_NAMESPACE
