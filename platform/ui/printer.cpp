#include "platform/ui/printer.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/os/atomic_file.h"

namespace ui {

namespace {

std::function<std::string()>& lookup_hook() {
    static std::function<std::string()> f;
    return f;
}

// Paints the lines page by page; false when the device would not start or
// a new page could not be begun.
bool paint_lines(QPagedPaintDevice& device, const std::vector<std::string>& lines,
                 std::string& why) {
    device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&device)) {
        why = "nie można rozpocząć wydruku";
        return false;
    }
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    p.setFont(font);
    const QFontMetrics fm(font, &device);
    const int line_height = fm.lineSpacing();
    const int page_height = p.viewport().height();
    int y = fm.ascent();
    for (const std::string& line : lines) {
        if (y > page_height && !device.newPage()) {
            why = "nie można rozpocząć nowej strony";
            p.end();
            return false;
        }
        if (y > page_height) y = fm.ascent();
        p.drawText(0, y, QString::fromStdString(line));
        y += line_height;
    }
    if (!p.end()) {
        why = "nie można zakończyć wydruku";
        return false;
    }
    return true;
}

} // namespace

void set_default_printer_lookup(std::function<std::string()> lookup) {
    lookup_hook() = std::move(lookup);
}

std::string default_printer() {
    if (lookup_hook()) return lookup_hook()();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    return info.isNull() ? std::string() : info.printerName().toStdString();
}

PrintResult print_text(const std::vector<std::string>& lines, const std::string& title,
                       const std::string& pdf_path) {
    PrintResult r;
    const std::string name = default_printer();
    if (!name.empty()) {
        QPrinter printer(QPrinterInfo::printerInfo(QString::fromStdString(name)),
                         QPrinter::HighResolution);
        printer.setDocName(QString::fromStdString(title));
        r.where = name;
        if (!printer.isValid()) {
            r.why = "drukarka " + name + " jest niedostępna";
            return r;
        }
        if (!paint_lines(printer, lines, r.why)) return r;
        r.kind = PrintResult::Kind::printer;
        return r;
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QString::fromStdString(title));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        if (!paint_lines(pdf, lines, r.why)) return r;
    }
    const QByteArray& bytes = buffer.data();
    r.where = pdf_path;
    if (!os::atomic_replace(pdf_path, std::string_view(bytes.constData(), size_t(bytes.size())))) {
        r.why = "nie można zapisać pliku " + pdf_path;
        return r;
    }
    r.kind = PrintResult::Kind::pdf;
    return r;
}

} // namespace ui
