#include "htmlview/print.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "htmlview/document.h"
#include "platform/os/int_math.h"

namespace htmlview {

namespace {

std::optional<PrintTarget>& chosen_target() {
    static std::optional<PrintTarget> target;
    return target;
}

std::unique_ptr<TvwPrinter>& current_printer() {
    static std::unique_ptr<TvwPrinter> printer;
    return printer;
}

// A file name made from the job's title: no folder separators or control
// characters, "wydruk" when nothing is left.
std::string file_stem(const std::string& title) {
    std::string s;
    for (char c : title) s += (static_cast<unsigned char>(c) < ' ' || c == '/' || c == '\\') ? '_' : c;
    while (!s.empty() && (s.back() == ' ' || s.back() == '.')) s.pop_back();
    while (!s.empty() && (s.front() == ' ' || s.front() == '.')) s.erase(s.begin());
    return s.empty() ? "wydruk" : s.substr(0, 64);
}

// A PDF in the user's documents folder (the home folder when there is
// none) that does not exist yet.
std::string new_user_pdf(const std::string& title) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString stem = QString::fromStdString(file_stem(title));
    QString path = QDir(folder).filePath(stem + ".pdf");
    for (int n = 2; QFileInfo::exists(path) && n < 1000; ++n)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(n));
    return path.toStdString();
}

// The file's bytes on disk, so a crash after the rename that follows
// leaves the whole PDF, not an empty one.
bool flush_to_disk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

PrintTarget CurrentPrintTarget() {
    if (chosen_target()) return *chosen_target();
    PrintTarget t;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter native(info, QPrinter::HighResolution);
        if (native.isValid()) {
            t.printer = info.printerName().toStdString();
            const QPageLayout layout = native.pageLayout();
            t.page_size = layout.pageSize();
            t.unprintable_mm = layout.margins(QPageLayout::Millimeter);
            t.resolution = std::clamp(native.resolution(), 72, 1200);
        }
    }
    return t;
}

void SetPrintTarget(std::optional<PrintTarget> target) {
    chosen_target() = std::move(target);
}

// ----------------------------------------------------------------- printer

TvwPrinter::TvwPrinter() = default;

TvwPrinter::~TvwPrinter() {
    try {
        if (printing_) EndDoc();
        SetState(State::None);
    } catch (...) {
        Discard();
    }
}

void TvwPrinter::CheckPrinting(bool value) const {
    if (value && !printing_) throw EPrinter("Printer is not currently printing");
    if (!value && printing_) throw EPrinter("Printing in progress");
}

void TvwPrinter::SetState(State state) {
    if (state == state_) return;
    if (state == State::None) {
        CheckPrinting(false);
        canvas_.reset();
        if (painter_ && painter_->isActive()) painter_->end();
        painter_.reset();
        printer_.reset();
        Discard();
        state_ = State::None;
        return;
    }
    if (state == State::Info && printer_) {
        if (state_ == State::None) state_ = State::Info;
        return;
    }
    // A new context: the current target's paper, drawn into a PDF.
    canvas_.reset();
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
    Discard();
    target_ = CurrentPrintTarget();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(std::max(1, target_.resolution));
    printer_->setFullPage(false);
    const QPageLayout layout(target_.page_size.isValid() ? target_.page_size : QPageSize(QPageSize::A4),
                             QPageLayout::Portrait, target_.unprintable_mm, QPageLayout::Millimeter, QMarginsF());
    if (!printer_->setPageLayout(layout) || printer_->width() <= 0 || printer_->height() <= 0) {
        printer_.reset();
        state_ = State::None;
        throw EPrinter("Printer selected is not valid");
    }
    state_ = State::Info;
    if (state == State::Info) return;

    // The spool file: beside the PDF asked for (so it is renamed into
    // place), else in the temporary folder.
    if (target_.printer.empty() && target_.pdf_file.empty()) target_.pdf_file = new_user_pdf(Title);
    QString pattern = QDir::temp().filePath("vokarin-print-XXXXXX.pdf");
    if (target_.printer.empty()) {
        const QFileInfo final_file(QString::fromStdString(target_.pdf_file));
        pattern = final_file.dir().filePath("." + final_file.completeBaseName() + "-XXXXXX.pdf");
    }
    {
        QTemporaryFile spool(pattern);
        spool.setAutoRemove(false);
        if (!spool.open()) {
            printer_.reset();
            state_ = State::None;
            throw EPrinter("Printer selected is not valid");
        }
        spool_file_ = spool.fileName().toStdString();
    }
    printer_->setOutputFileName(QString::fromStdString(spool_file_));
    printer_->setDocName(QString::fromStdString(Title.substr(0, 31)));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        Discard();
        state_ = State::None;
        throw EPrinter("Printer selected is not valid");
    }
    // Pictures keep their exact pixels on paper, not a lossy recompression.
    painter_->setRenderHint(QPainter::LosslessImageRendering);
    state_ = State::Device;
}

void TvwPrinter::BeginDoc() {
    CheckPrinting(false);
    outcome_ = {};
    SetState(State::Device);
    canvas_ = std::make_unique<TPrinterCanvas>(*this, *painter_);
    printing_ = true;
    aborted_ = false;
    page_number_ = 1;
}

void TvwPrinter::NewPage() {
    CheckPrinting(true);
    canvas_.reset();
    if (!printer_->newPage()) throw EPrinter("The next page could not be started");
    ++page_number_;
    canvas_ = std::make_unique<TPrinterCanvas>(*this, *painter_);
}

void TvwPrinter::EndDoc() {
    CheckPrinting(true);
    canvas_.reset();
    const int sheets = page_number_;
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
    if (aborted_) {
        Discard();
        outcome_ = {};
    } else {
        outcome_.sheets = sheets;
        Deliver();
    }
    printing_ = false;
    aborted_ = false;
    page_number_ = 0;
    printer_.reset();
    state_ = State::None;
}

void TvwPrinter::Abort() {
    CheckPrinting(true);
    aborted_ = true;
    EndDoc();
}

TPrinterCanvas& TvwPrinter::Canvas() {
    CheckPrinting(true);
    if (!canvas_) canvas_ = std::make_unique<TPrinterCanvas>(*this, *painter_);
    return *canvas_;
}

void TvwPrinter::Discard() {
    if (!spool_file_.empty()) std::remove(spool_file_.c_str());
    spool_file_.clear();
}

void TvwPrinter::Deliver() {
    const std::string spool = spool_file_;
    spool_file_.clear();
    if (target_.printer.empty()) {
        if (flush_to_disk(spool) && std::rename(spool.c_str(), target_.pdf_file.c_str()) == 0) {
            outcome_.done = true;
            outcome_.where = target_.pdf_file;
        } else {
            outcome_.error = "the PDF could not be saved";
            outcome_.where = spool;
        }
        return;
    }
    // The spooler prints the PDF; when it cannot be reached the pages are
    // kept as a PDF in the user's folder and the failure is reported.
    QProcess lp;
    lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), QString::fromStdString(target_.printer),
                                    QStringLiteral("-t"), QString::fromStdString(Title.substr(0, 31)),
                                    QStringLiteral("--"), QString::fromStdString(spool)});
    const bool ok = lp.waitForFinished(30000) && lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
    if (ok) {
        std::remove(spool.c_str());
        outcome_.done = true;
        outcome_.to_printer = true;
        outcome_.where = target_.printer;
        return;
    }
    const QString reason = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    outcome_.error = "the printer " + target_.printer + " could not be reached" +
                     (reason.isEmpty() ? std::string() : ": " + reason.toStdString());
    if (lp.state() != QProcess::NotRunning) {
        lp.kill();
        lp.waitForFinished(1000);
    }
    const std::string kept = new_user_pdf(Title);
    outcome_.where = std::rename(spool.c_str(), kept.c_str()) == 0 ? kept : spool;
}

int TvwPrinter::PageWidth() {
    SetState(State::Info);
    return printer_->width();
}

int TvwPrinter::PageHeight() {
    SetState(State::Info);
    return printer_->height();
}

QRect TvwPrinter::SheetRect(bool printable) {
    SetState(State::Info);
    const QPageLayout layout = printer_->pageLayout();
    const int dpi = printer_->resolution();
    return printable ? layout.paintRectPixels(dpi) : layout.fullRectPixels(dpi);
}

int TvwPrinter::DpiX() {
    SetState(State::Info);
    return printer_->logicalDpiX();
}

int TvwPrinter::DpiY() {
    SetState(State::Info);
    return printer_->logicalDpiY();
}

TvwPrinter& vwPrinter() {
    auto& p = current_printer();
    if (!p) p = std::make_unique<TvwPrinter>();
    return *p;
}

std::unique_ptr<TvwPrinter> SetvwPrinter(std::unique_ptr<TvwPrinter> printer) {
    std::swap(current_printer(), printer);
    return printer;
}

// -------------------------------------------------------------- print loop

namespace {

// A margin in device pixels: centimetres less the unprintable part of that
// edge, truncated; margins that leave no room on the sheet are refused.
int device_margin(double cm, int dpi, int unprintable, int page) {
    const double v = cm / 2.54 * dpi - unprintable;
    if (!std::isfinite(v) || std::fabs(v) > page) throw EPrinter("The print margins leave no room on the page");
    return static_cast<int>(std::trunc(v));
}

// Restores the previous printer and abandons an unfinished job, however the
// print loop is left.
struct JobScope {
    std::unique_ptr<TvwPrinter> previous;
    explicit JobScope(std::unique_ptr<TvwPrinter> job) : previous(SetvwPrinter(std::move(job))) {}
    ~JobScope() {
        std::unique_ptr<TvwPrinter> used = SetvwPrinter(std::move(previous));
        if (used && used->Printing()) {
            try {
                used->Abort();
            } catch (...) {
            }
        }
    }
};

// Where the pages go on the paper: S logical units an inch, the margins
// in device pixels, and the printable area in logical units (L, T, Wd, Ht).
struct PrintArea {
    int s = 0, dpi_x = 0, dpi_y = 0;
    int page_w = 0, page_h = 0;
    int left = 0, top = 0, printable_w = 0, printable_h = 0;
    int L = 0, T = 0, Wd = 0, Ht = 0;
};

PrintArea print_area(TvwPrinter& printer, const TPrintOptions& o) {
    PrintArea a;
    // One inch of paper is S logical units; a larger scale prints larger,
    // so it takes fewer units per inch.
    const double scale = std::isfinite(o.Scale) ? std::clamp(o.Scale, 0.25, 4.0) : 1.0;
    a.s = os::round_even(ui::kScreenDpi / scale);
    a.dpi_x = printer.DpiX(), a.dpi_y = printer.DpiY();
    a.page_w = printer.PageWidth(), a.page_h = printer.PageHeight();
    const int left_off = printer.OffsetX(), top_off = printer.OffsetY();
    const int right_part = std::max(0, printer.PhysicalWidth() - a.page_w - left_off);
    const int bottom_part = std::max(0, printer.PhysicalHeight() - a.page_h - top_off);
    a.left = device_margin(o.MarginLeft, a.dpi_x, left_off, a.page_w);
    const int right = device_margin(o.MarginRight, a.dpi_x, right_part, a.page_w);
    a.top = device_margin(o.MarginTop, a.dpi_y, top_off, a.page_h);
    const int bottom = device_margin(o.MarginBottom, a.dpi_y, bottom_part, a.page_h);
    a.printable_w = a.page_w - a.left - right;
    a.printable_h = a.page_h - a.top - bottom;
    a.L = os::MulDiv(a.left, a.s, a.dpi_x);
    a.T = os::MulDiv(a.top, a.s, a.dpi_y);
    a.Wd = os::MulDiv(a.printable_w, a.s, a.dpi_x);
    a.Ht = os::MulDiv(a.printable_h, a.s, a.dpi_y);
    if (a.printable_w <= 0 || a.printable_h <= 0 || a.Wd <= 0 || a.Ht <= 0)
        throw EPrinter("The print margins leave no room on the page");
    return a;
}

// What goes round a printed page once it is drawn: whatever reaches above
// the page or past its end (a block's background, a picture cut by the
// break) is painted over, down to the edge of the clip region; then the
// header and the footer. The canvas is left as it was.
void finish_page(TPrinterCanvas& c, const PrintArea& a, int page_end, int printed,
                 const TPrintOptions& o, bool& stop) {
    const ColorRef white = ui::rgb_ref(255, 255, 255);
    const int L = a.L, T = a.T, Wd = a.Wd, Ht = a.Ht;
    const int page_w_logical = os::MulDiv(a.page_w, a.s, a.dpi_x);
    const int page_h_logical = os::MulDiv(a.page_h, a.s, a.dpi_y);
    const ui::LogFont font = c.Face().log_font();
    const ui::Pen pen = c.GetPen();
    const ui::Brush brush = c.GetBrush();
    c.SelectClipRgn(nullptr);
    c.FillRect({L, 0, L + Wd + 1, T}, white);
    if (page_end < T + Ht + 3) c.FillRect({L, page_end, L + Wd + 1, T + Ht + 3}, white);
    c.SelectPen(pen);
    const unsigned align = c.GetTextAlign();
    c.SetTextAlign(ui::TextAlign::Left | ui::TextAlign::Top);
    if (o.OnPrintHeader) {
        c.SetWindowOrg(0, 0);
        o.OnPrintHeader(c, printed, page_w_logical, T, stop);
    }
    if (o.OnPrintFooter) {
        c.SetWindowOrg(0, -(T + Ht));
        o.OnPrintFooter(c, printed, page_w_logical, page_h_logical - (T + Ht), stop);
    }
    c.SetTextAlign(align);
    c.SelectFont(font);
    c.SelectPen(pen);
    c.SelectBrush(brush);
}

} // namespace

int PrintDocument(const TSectionList& doc, int from, int to, const TPrintOptions& o, PrintOutcome* outcome) {
    if (outcome) *outcome = {};
    bool stop = false;
    if (o.OnPrintProgress) o.OnPrintProgress(0, stop);
    if (doc.Processing || doc.Empty()) return 0;
    if (to < std::max(from, 1)) return 0; // an empty range starts no job

    // The copy is painted with page ends; the shown document is not touched.
    auto copy = std::make_unique<TSectionList>(doc, true);
    copy->SetScrollY(0);
    copy->PrintingNow = true;
    copy->SetPageColor(ui::rgb_ref(255, 255, 255));

    JobScope scope(std::make_unique<TvwPrinter>());
    TvwPrinter& printer = vwPrinter();
    if (!o.Title.empty()) printer.Title = o.Title;

    const PrintArea a = print_area(printer, o);
    const int s = a.s, dpi_x = a.dpi_x, dpi_y = a.dpi_y;
    const int L = a.L, T = a.T, Wd = a.Wd, Ht = a.Ht;

    int printed = 1;
    printer.BeginDoc();
    auto set_mapping = [&](ui::HtmlCanvas& c) {
        c.SetAnisotropic(true);
        c.SetWindowExt(s, s);
        c.SetViewportExt(dpi_x, dpi_y);
        c.SetWindowOrg(0, 0);
    };
    set_mapping(printer.Canvas());
    int max_width = 0;
    const int D = copy->DoLayout(printer.Canvas(), Wd, Ht, max_width);

    const int page_w_logical = os::MulDiv(a.page_w, s, dpi_x);
    const ui::Region clip =
        ui::Region::FromRect({0, a.top - 1, a.left + a.printable_w + 2, a.top + a.printable_h + 2});
    const ui::Rect page_rect{L, T, L + Wd, T + Ht};
    if (o.OnPrintProgress) o.OnPrintProgress(1, stop);

    int y = 0;
    while (printed <= to && !stop) {
        TPrinterCanvas& c = printer.Canvas();
        copy->SetScrollY(y - T);
        set_mapping(c);
        c.SelectClipRgn(&clip);
        if (printed < from) {
            // Laid out off the paper: only the page's end is wanted.
            copy->Draw(c, page_rect, Wd, 3 * page_w_logical + L);
        } else {
            copy->Draw(c, page_rect, Wd, L);
            finish_page(c, a, copy->PageEndY - y + T + 2, printed, o, stop);
        }
        // The next page starts at this one's end; an end pulled up to or
        // above the page's top would repeat the page for ever, so such a
        // page ends a full page height down.
        int next = copy->PageEndY;
        if (next <= y) next = y + Ht;
        y = next;
        if (o.OnPrintProgress) o.OnPrintProgress(printed, stop);
        const bool last = y >= D; // a page ending exactly at the end is the last
        if (!last && !stop && from <= printed && printed < to) printer.NewPage();
        ++printed;
        if (last) break;
    }

    if (printed < from)
        printer.Abort();
    else
        printer.EndDoc();
    if (outcome) *outcome = printer.Outcome();
    return printed - 1;
}

} // namespace htmlview
