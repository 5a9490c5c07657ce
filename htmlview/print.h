#pragma once
// Printing: a small printer object over Qt's print support, its canvas, and
// the loop that prints a document page by page with margins, a scale,
// page ends the document decides, and header and footer calls.
//
// Every job is drawn into a PDF file first. A job for a system printer is
// handed to the print spooler when it ends; with no printer the PDF itself is
// the result, saved in the user's documents folder. An aborted job leaves
// nothing behind.
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/ui/html_canvas.h"

class QPrinter;

namespace htmlview {

class TSectionList;
class TvwPrinter;

class EPrinter : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Where jobs go and what the paper looks like.
struct PrintTarget {
    std::string printer;  // a spooler queue; empty: the job is a PDF file
    std::string pdf_file; // the PDF to write; empty: a new file in the user's folder
    QPageSize page_size{QPageSize::A4};
    QMarginsF unprintable_mm; // edges the device cannot reach
    int resolution = 600;     // device pixels per inch
};

// The target of new jobs: the one set below, else the default system
// printer, else a PDF in the user's documents folder.
PrintTarget CurrentPrintTarget();
// Sets (or, with nothing, clears) the target of new jobs.
void SetPrintTarget(std::optional<PrintTarget> target);

// How a job ended, for the user.
struct PrintOutcome {
    bool done = false;       // ended and delivered (false after an abort or a failure)
    bool to_printer = false; // handed to a system printer
    std::string where;       // the printer's name or the PDF's path
    std::string error;       // why delivery failed
    int sheets = 0;
};

// The printer's drawing surface, valid while a job is in progress.
class TPrinterCanvas : public ui::HtmlCanvas {
  public:
    TPrinterCanvas(TvwPrinter& printer, QPainter& painter) : ui::HtmlCanvas(painter), Printer(printer) {}
    TvwPrinter& Printer;
};

class TvwPrinter {
  public:
    enum class State { None, Info, Device };

    TvwPrinter();
    ~TvwPrinter();
    TvwPrinter(const TvwPrinter&) = delete;
    TvwPrinter& operator=(const TvwPrinter&) = delete;

    void BeginDoc();
    void EndDoc();
    void Abort();
    void NewPage();
    // The canvas of the page being printed.
    TPrinterCanvas& Canvas();

    // Printable size, the whole sheet and the printable area's offset on it,
    // in device pixels; resolution in pixels per inch.
    int PageWidth();
    int PageHeight();
    int PhysicalWidth() { return SheetRect(false).width(); }
    int PhysicalHeight() { return SheetRect(false).height(); }
    int OffsetX() { return SheetRect(true).left(); }
    int OffsetY() { return SheetRect(true).top(); }
    int DpiX();
    int DpiY();

    void SetState(State state);
    void CheckPrinting(bool value) const;

    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return page_number_; }
    std::string Title; // the job's name; 31 characters are used
    const PrintOutcome& Outcome() const { return outcome_; }

  private:
    // The sheet, or its printable area, in device pixels.
    QRect SheetRect(bool printable);
    void Deliver();
    void Discard();

    PrintTarget target_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TPrinterCanvas> canvas_;
    State state_ = State::None;
    std::string spool_file_; // the PDF being written
    bool printing_ = false;
    bool aborted_ = false;
    int page_number_ = 0;
    PrintOutcome outcome_;
};

// The process's current printer, made on first use.
TvwPrinter& vwPrinter();
// Installs `printer` as the current one and hands back the previous one.
std::unique_ptr<TvwPrinter> SetvwPrinter(std::unique_ptr<TvwPrinter> printer);

using TPagePrinted = std::function<void(TPrinterCanvas& canvas, int page, int w, int h, bool& stop)>;
using TPrintProgress = std::function<void(int page, bool& stop)>;

struct TPrintOptions {
    // Centimetres from the sheet's edges.
    double MarginLeft = 2.0, MarginRight = 2.0, MarginTop = 2.0, MarginBottom = 2.0;
    double Scale = 1.0; // 0.25 to 4
    std::string Title;
    TPagePrinted OnPrintHeader, OnPrintFooter;
    TPrintProgress OnPrintProgress;
};

// Prints pages `from` to `to` of a copy of `doc` on the current printer and
// gives the last page handled (0 when nothing was printed). Pages before
// `from` are laid out off the paper; a range past the document's end aborts
// the job. Throws EPrinter when the printer or the margins cannot serve;
// the job is then abandoned and the previous printer is current again.
int PrintDocument(const TSectionList& doc, int from, int to, const TPrintOptions& options,
                  PrintOutcome* outcome = nullptr);

} // namespace htmlview
