// Printing to PDF: page ranges and page ends, header and footer calls, the
// margins and the scale, clean-up after failures, and the printed pages
// read back as pictures.
#include <gtest/gtest.h>

#include <QDir>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <numeric>
#include <stdexcept>

#include "flow_support.h"
#include "htmlview/html_pane.h"
#include "print_support.h"
#include "tools/pictures/gif_maker.h"

namespace {

using namespace htmlview;
using printtest::ink_bands;
using printtest::PdfPrinter;

// `n` lines ("Line 1" ...) of `height` pixels, in a body without margins.
std::string lines_page(int n, int height = 20) {
    std::string html = "<body style=\"margin:0\"><p style=\"margin:0; line-height:" + std::to_string(height) + "px\">";
    for (int i = 1; i <= n; ++i) html += "Line " + std::to_string(i) + "<br>";
    return html + "</p></body>";
}

// Margins in centimetres that come to whole device pixels at 96 per inch.
double cm(int pixels) {
    return (pixels + 0.5) / 96.0 * 2.54;
}

struct Call {
    char kind; // 'h' header, 'f' footer
    int page, w, h;
    bool operator==(const Call&) const = default;
};

// Options with 48-pixel margins at the top and bottom, none at the sides,
// recording every header and footer call.
struct Recorder {
    TPrintOptions options;
    std::vector<Call> calls;
    std::vector<int> progress;
    Recorder() {
        options.MarginLeft = options.MarginRight = cm(0);
        options.MarginTop = options.MarginBottom = cm(48);
        options.OnPrintHeader = [this](TPrinterCanvas& c, int page, int w, int h, bool&) {
            calls.push_back({'h', page, w, h});
            c.TextOut(4, 4, u"Header " + std::u16string(1, static_cast<char16_t>(u'0' + page % 10)));
        };
        options.OnPrintFooter = [this](TPrinterCanvas& c, int page, int w, int h, bool&) {
            calls.push_back({'f', page, w, h});
            c.FillRect({w / 2 - 2 * page, 20, w / 2 + 2 * page, 24}, 0);
        };
        options.OnPrintProgress = [this](int page, bool&) { progress.push_back(page); };
    }
    std::vector<int> pages(char kind) const {
        std::vector<int> out;
        for (const Call& c : calls)
            if (c.kind == kind) out.push_back(c.page);
        return out;
    }
};

// On 480 x 600 paper with 48-pixel margins a page holds 504 pixels: 25 lines.
struct RangeCase {
    const char* name;
    int lines, from, to;
    int result;               // the last page handled
    int sheets;               // pages in the PDF; 0: the job was abandoned
    std::vector<int> printed; // pages with header and footer
    int line_height = 20;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PrintRange, PrintsTheRangeAndEndsOrAbortsTheJob) {
    const RangeCase& rc = GetParam();
    PdfPrinter pdf;
    flow::Page page(lines_page(rc.lines, rc.line_height), 480);
    Recorder rec;
    PrintOutcome out;
    EXPECT_EQ(PrintDocument(page.doc, rc.from, rc.to, rec.options, &out), rc.result);
    EXPECT_EQ(rec.pages('h'), rc.printed);
    EXPECT_EQ(rec.pages('f'), rc.printed);
    if (rc.sheets == 0) {
        EXPECT_FALSE(out.done);
        EXPECT_FALSE(pdf.exists());
    } else {
        EXPECT_TRUE(out.done);
        EXPECT_EQ(out.where, pdf.file);
        EXPECT_EQ(printtest::pdf_pages(pdf.file), rc.sheets);
        EXPECT_EQ(out.sheets, rc.sheets);
    }
    EXPECT_TRUE(pdf.leftovers().isEmpty()) << pdf.leftovers().join(",").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PrintRange,
    ::testing::Values(
        // Three pages, two page changes.
        RangeCase{"all_of_three", 60, 1, 999, 3, 3, {1, 2, 3}},
        RangeCase{"middle_pages", 60, 2, 3, 3, 2, {2, 3}},
        RangeCase{"one_page_of_three", 60, 2, 2, 2, 1, {2}},
        RangeCase{"last_page_only", 60, 3, 999, 3, 1, {3}},
        // A page that ends exactly at the document's end is the last one.
        RangeCase{"exactly_two_pages", 42, 1, 999, 2, 2, {1, 2}, 24},
        // Past the end of a one-page document: the job is abandoned...
        RangeCase{"past_the_end", 10, 3, 5, 1, 0, {}},
        // ...but a range that starts on the page after the end keeps the
        // sheet the job started with, empty.
        RangeCase{"blank_sheet_after_the_end", 10, 2, 5, 1, 1, {}},
        RangeCase{"empty_range", 10, 2, 1, 0, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Print, HeaderAndFooterGetThePageAndTheRoomAroundThePrintableArea) {
    PdfPrinter pdf;
    flow::Page page(lines_page(30), 480);
    Recorder rec;
    ASSERT_EQ(PrintDocument(page.doc, 1, 999, rec.options), 2);
    // The page's width, the top margin, and the room below the printable area.
    const std::vector<Call> want = {{'h', 1, 480, 48}, {'f', 1, 480, 48}, {'h', 2, 480, 48}, {'f', 2, 480, 48}};
    EXPECT_EQ(rec.calls, want);
    EXPECT_EQ(rec.progress, (std::vector<int>{0, 1, 1, 2}));
}

TEST(Print, NoTextRowIsSplitAcrossPages) {
    // 27-pixel rows do not divide the 504-pixel page: each page ends above
    // the row that would not fit, and that row starts the next page.
    PdfPrinter pdf;
    flow::Page page(lines_page(40, 27), 480);
    Recorder rec;
    rec.options.OnPrintHeader = nullptr;
    rec.options.OnPrintFooter = nullptr;
    ASSERT_EQ(PrintDocument(page.doc, 1, 999, rec.options), 3);
    const auto pages = printtest::pdf_images(pdf.file);
    ASSERT_EQ(pages.size(), 3u);
    std::vector<size_t> rows;
    for (const QImage& img : pages) {
        ASSERT_EQ(img.size(), QSize(480, 600));
        EXPECT_TRUE(ink_bands(img, 0, 48).empty());
        EXPECT_TRUE(ink_bands(img, 48 + 504, 600).empty());
        rows.push_back(ink_bands(img, 48, 48 + 504).size());
    }
    // 18 whole rows of 27 pixels fit in 504; the last page has the rest.
    EXPECT_EQ(rows, (std::vector<size_t>{18, 18, 4}));
}

// A section that, while printing, pulls the page's end up to the page's top
// on every page, as a page-break rule at the very top of a page does.
class PullUp : public TSectionBase {
  public:
    explicit PullUp(TSectionList* doc) : TSectionBase(doc) { FlowHeight = 1200; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* doc) const override { return std::make_unique<PullUp>(doc); }
    int Paint(ui::HtmlCanvas&, const ui::Rect& arect, IndentManager&, int, int, int) override {
        if (Document->PrintingNow) Document->PageEndY = Document->ScrollY + arect.Top;
        ++paints;
        return SectionTop + FlowHeight;
    }
    static inline int paints = 0;
};

TEST(Print, APageEndPulledToThePageTopStillAdvances) {
    PdfPrinter pdf;
    flow::Page page("<p>x</p>", 480);
    page.doc.AddSection(std::make_unique<PullUp>(&page.doc));
    page.Layout(480);
    Recorder rec;
    PullUp::paints = 0;
    // The document is about 1240 pixels tall: three pages of 504, not 999.
    EXPECT_EQ(PrintDocument(page.doc, 1, 999, rec.options), 3);
    EXPECT_EQ(PullUp::paints, 3);
    EXPECT_EQ(printtest::pdf_pages(pdf.file), 3);
}

TEST(Print, ScaleTwoPrintsTwiceAsLargeOnHalfTheWidth) {
    std::vector<QImage> at[2];
    std::vector<Call> calls[2];
    for (int k = 0; k < 2; ++k) {
        PdfPrinter pdf;
        flow::Page page("<body style=\"margin:0\"><p style=\"margin:0\">Wide enough text to wrap at half the width "
                        "of the paper, not at the full one.</p></body>",
                        480);
        Recorder rec;
        rec.options.Scale = k == 0 ? 1.0 : 2.0;
        ASSERT_EQ(PrintDocument(page.doc, 1, 1, rec.options), 1);
        at[k] = printtest::pdf_images(pdf.file);
        calls[k] = rec.calls;
        ASSERT_EQ(at[k].size(), 1u);
    }
    // The events measure in logical units: half the page's width at scale 2.
    EXPECT_EQ(calls[0].front().w, 480);
    EXPECT_EQ(calls[1].front().w, 240);
    EXPECT_EQ(calls[1].front().h, 24);
    const auto one = ink_bands(at[0][0], 48, 552), two = ink_bands(at[1][0], 48, 552);
    ASSERT_FALSE(one.empty());
    ASSERT_FALSE(two.empty());
    // The first text row is twice as tall, and the text wraps into more rows.
    EXPECT_NEAR(two[0].second - two[0].first, 2 * (one[0].second - one[0].first), 2);
    EXPECT_GT(two.size(), one.size());
}

// The call fails with `E`; no job is left running, nothing is written, and
// the printer current before is current again.
template <class E, class F>
void expect_abandoned(const PdfPrinter& pdf, F&& print) {
    auto* before = &vwPrinter();
    EXPECT_THROW(print(), E);
    EXPECT_EQ(&vwPrinter(), before);
    EXPECT_FALSE(vwPrinter().Printing());
    EXPECT_FALSE(pdf.exists());
    EXPECT_TRUE(pdf.leftovers().isEmpty());
}

TEST(Print, MarginsThatLeaveNoRoomAreRefusedWithoutAJob) {
    flow::Page page(lines_page(3), 480);
    for (double margin : {7.0, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        PdfPrinter pdf; // 480 pixels are 12.7 cm: 2 x 7 cm leave nothing
        TPrintOptions o;
        o.MarginLeft = o.MarginRight = margin;
        SCOPED_TRACE(margin);
        expect_abandoned<EPrinter>(pdf, [&] { PrintDocument(page.doc, 1, 999, o); });
    }
}

TEST(Print, AFailureInAHandlerAbandonsTheJobAndRestoresThePrinter) {
    PdfPrinter pdf;
    flow::Page page(lines_page(60), 480);
    Recorder rec;
    rec.options.OnPrintFooter = [](TPrinterCanvas&, int page, int, int, bool&) {
        if (page == 2) throw std::runtime_error("footer failed");
    };
    expect_abandoned<std::runtime_error>(pdf, [&] { PrintDocument(page.doc, 1, 999, rec.options); });
}

TEST(Print, AStopFromAHandlerEndsTheJobAfterThatPage) {
    PdfPrinter pdf;
    flow::Page page(lines_page(60), 480);
    Recorder rec;
    rec.options.OnPrintHeader = [](TPrinterCanvas&, int page, int, int, bool& stop) { stop = page == 2; };
    EXPECT_EQ(PrintDocument(page.doc, 1, 999, rec.options), 2);
    EXPECT_EQ(printtest::pdf_pages(pdf.file), 2);
}

TEST(Print, MarginsInsideTheUnprintableEdgeBecomeNegativeOffsets) {
    // 10 mm the device cannot reach on each side, 5 mm margins asked for:
    // the page rectangle starts before the printable origin, and the text
    // lands at the 5 mm asked for on the sheet.
    PdfPrinter pdf(480, 600, 96, QMarginsF(10, 10, 10, 10));
    flow::Page page("<body style=\"margin:0\"><p style=\"margin:0\">Edge</p></body>", 480);
    TPrintOptions o;
    o.MarginLeft = o.MarginTop = o.MarginRight = o.MarginBottom = 0.5;
    std::vector<int> sizes;
    o.OnPrintHeader = [&](TPrinterCanvas&, int, int w, int h, bool&) { sizes = {w, h}; };
    ASSERT_EQ(PrintDocument(page.doc, 1, 1, o), 1);
    // 10 mm are 37 device pixels: the printable area is 480 less 2 x 37
    // pixels, and the top margin 18 - 37 pixels.
    EXPECT_EQ(sizes, (std::vector<int>{406, -18}));
    const auto img = printtest::pdf_images(pdf.file);
    ASSERT_EQ(img.size(), 1u);
    const auto bands = ink_bands(img[0], 0, 600);
    ASSERT_FALSE(bands.empty());
    EXPECT_GE(bands.front().first, 18);
    EXPECT_LT(bands.front().first, 26);
}

TEST(Printer, OperationsCheckTheJobState) {
    PdfPrinter pdf;
    TvwPrinter p;
    EXPECT_THROW(p.NewPage(), EPrinter);
    EXPECT_THROW(p.EndDoc(), EPrinter);
    EXPECT_THROW(p.Abort(), EPrinter);
    EXPECT_THROW(p.Canvas(), EPrinter);
    EXPECT_EQ(p.PageWidth(), 480);
    EXPECT_EQ(p.PageHeight(), 600);
    p.BeginDoc();
    EXPECT_THROW(p.BeginDoc(), EPrinter);
    EXPECT_THROW(p.SetState(TvwPrinter::State::None), EPrinter);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.EndDoc();
    EXPECT_EQ(p.PageNumber(), 0);
    EXPECT_EQ(printtest::pdf_pages(pdf.file), 2);
}

TEST(Printer, AFolderThatCannotBeWrittenIsNotAValidPrinter) {
    testsupport::qt_app();
    PrintTarget t;
    t.pdf_file = "/nonexistent-folder/x/job.pdf";
    SetPrintTarget(t);
    TvwPrinter p;
    EXPECT_THROW(p.BeginDoc(), EPrinter);
    EXPECT_FALSE(p.Printing());
    SetPrintTarget(std::nullopt);
}

} // namespace

namespace {

// A page of the feature set printed on small paper with a header and a
// footer: the sheets read back equal their golden pictures.
TEST(PrintGolden, PrintedPagesLookLikeTheirGoldenPictures) {
    std::ifstream in(std::string(FIXTURES_DIR) + "/pages/text.html", std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(html.empty());
    PdfPrinter pdf(400, 520);
    flow::Page page(html, 400);
    TPrintOptions o;
    o.MarginLeft = o.MarginRight = cm(24);
    o.MarginTop = o.MarginBottom = cm(40);
    o.Title = "Text";
    o.OnPrintHeader = [](TPrinterCanvas& c, int page, int w, int h, bool&) {
        c.SelectFont(ui::LogFont{"Arial", -12});
        c.TextOut(24, h / 2 - 6, u"Vokarin help");
        const std::u16string n = u"Page " + std::u16string(1, static_cast<char16_t>(u'0' + page));
        c.TextOut(w - 24 - c.TextWidth(n), h / 2 - 6, n);
    };
    o.OnPrintFooter = [](TPrinterCanvas& c, int, int w, int h, bool&) {
        c.FillRect({24, h / 2, w - 24, h / 2 + 1}, ui::rgb_ref(128, 128, 128));
    };
    const int pages = PrintDocument(page.doc, 1, 999, o);
    ASSERT_GE(pages, 2);
    const auto sheets = printtest::pdf_images(pdf.file);
    ASSERT_EQ(static_cast<int>(sheets.size()), pages);
    const std::string out = testsupport::output_path("htmlview/print");
    QDir().mkpath(QString::fromStdString(out));
    for (int i = 0; i < pages; ++i) {
        const std::string name = "text_p" + std::to_string(i + 1) + ".png";
        SCOPED_TRACE(name);
        sheets[static_cast<size_t>(i)].save(QString::fromStdString(out + "/" + name));
        const QImage golden(QString::fromStdString(std::string(FIXTURES_DIR) + "/print/" + name));
        if (golden.isNull()) {
            ADD_FAILURE() << "golden picture missing";
            continue;
        }
        EXPECT_EQ(sheets[static_cast<size_t>(i)], golden.convertToFormat(QImage::Format_RGB32));
    }
}

} // namespace

namespace {

// A table row that would cross the page's end below two thirds of the page
// moves whole to the next page; the page ends above it.
TEST(PrintTables, ATallRowNearThePageEndMovesToTheNextPage) {
    PdfPrinter pdf;
    // One 494-pixel line, then a bordered table of one 300-pixel row: it
    // starts 10 pixels above the end of the 504-pixel page.
    flow::Page page("<body style=\"margin:0\"><p style=\"margin:0; line-height:494px\">x</p>"
                    "<table border=1 cellspacing=0 style=\"margin:0\"><tr><td height=300>cell</td></tr></table></body>",
                    480);
    Recorder rec;
    TPrintOptions& o = rec.options;
    o.OnPrintHeader = nullptr;
    o.OnPrintFooter = nullptr;
    ASSERT_EQ(PrintDocument(page.doc, 1, 999, o), 2);
    const auto sheets = printtest::pdf_images(pdf.file);
    ASSERT_EQ(sheets.size(), 2u);
    const std::string out = testsupport::output_path("htmlview/print");
    QDir().mkpath(QString::fromStdString(out));
    for (size_t i = 0; i < sheets.size(); ++i)
        sheets[i].save(QString::fromStdString(out + "/table_row_p" + std::to_string(i + 1) + ".png"));
    // Nothing of the table on the first sheet past the two rows kept below
    // the page's end (the row's top, under the table's 1-pixel frame)...
    EXPECT_TRUE(ink_bands(sheets[0], 48 + 494 + 3, 600).empty());
    // ...and all of it, frame included, at the top of the second.
    const auto bands = ink_bands(sheets[1], 0, 600);
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands.front().first, 48);
    EXPECT_GE(bands.back().second - bands.front().first, 298);
    EXPECT_LE(bands.back().second, 48 + 310);
}

} // namespace

namespace {

// Form controls print as pictures of themselves, where the page places them.
TEST(PrintForms, ControlsPrintWhereThePagePlacesThem) {
    PdfPrinter pdf;
    htmlshot::ShotSurface shot;
    shot.LoadText("<body style=\"margin:0\"><form><p style=\"margin:0 0 8px 0\">Name: "
                  "<input type=text name=n value=\"Ann Smith\" size=16></p>"
                  "<p style=\"margin:0 0 8px 0\"><input type=checkbox name=c checked> Remind me "
                  "<select name=s><option>daily<option selected>weekly</select></p>"
                  "<p style=\"margin:0\"><input type=submit value=\"Send\"> <input type=reset value=\"Clear\"></p>"
                  "</form></body>",
                  std::string(FIXTURES_DIR), 480);
    Recorder rec;
    TPrintOptions& o = rec.options;
    o.OnPrintHeader = nullptr;
    o.OnPrintFooter = nullptr;
    ASSERT_EQ(PrintDocument(shot.Doc(), 1, 999, o), 1);
    const auto sheets = printtest::pdf_images(pdf.file);
    ASSERT_EQ(sheets.size(), 1u);
    const std::string out = testsupport::output_path("htmlview/print");
    QDir().mkpath(QString::fromStdString(out));
    sheets[0].save(QString::fromStdString(out + "/form_p1.png"));
    // Three rows of controls, one under the other, from the page's top.
    const auto bands = ink_bands(sheets[0], 48, 552, 0, 480);
    ASSERT_GE(bands.size(), 3u);
    EXPECT_LE(bands.front().first, 50);
    const QImage golden(QString::fromStdString(std::string(FIXTURES_DIR) + "/print/form_p1.png"));
    ASSERT_FALSE(golden.isNull()) << "golden picture missing";
    EXPECT_EQ(sheets[0], golden.convertToFormat(QImage::Format_RGB32));
}

} // namespace

namespace {

// The help pages through the viewer control, as the help window prints
// them: every page of each document, a header on each sheet; two pages
// equal their golden pictures.
TEST(PrintHelp, HelpPagesPrintThroughTheViewer) {
    PdfPrinter pdf(559, 794); // A5 at 96 pixels per inch
    const std::string out_dir = testsupport::output_path("htmlview/print");
    QDir().mkpath(QString::fromStdString(out_dir));
    const QStringList pages = QDir(QString(DEMO_PROGRAM_DIR) + "/htm_sk").entryList({"h_*.html"}, QDir::Files);
    ASSERT_GE(pages.size(), 5);
    // The results page with its table; the word-pairs page with a floated
    // photograph beside the text.
    const std::map<std::string, std::string> goldens = {{"h_12_wynik.html", "help_results"},
                                                        {"h_10_slow.html", "help_words"}};
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        THtmlPane pane;
        pane.resize(800, 504);
        pane.LoadFromFile(std::string(DEMO_PROGRAM_DIR) + "/htm_sk/" + page.toStdString());
        std::vector<int> headers;
        pane.OnPrintHeader = [&](TPrinterCanvas& c, int n, int w, int h, bool&) {
            headers.push_back(n);
            c.SelectFont(ui::LogFont{"Arial", -11});
            c.SetTextColor(0);
            const std::u16string text = u"- " + QString::number(n).toStdU16String() + u" -";
            c.TextOut((w - c.TextWidth(text)) / 2, h / 2, text);
        };
        PrintOutcome out;
        const int printed = pane.Print(1, 999, &out);
        EXPECT_EQ(pane.PrintedPage, printed);
        ASSERT_GE(printed, 1);
        EXPECT_TRUE(out.done);
        std::vector<int> want(static_cast<size_t>(printed));
        std::iota(want.begin(), want.end(), 1);
        EXPECT_EQ(headers, want);
        EXPECT_EQ(printtest::pdf_pages(pdf.file), printed);
        const auto golden_stem = goldens.find(page.toStdString());
        if (golden_stem == goldens.end()) continue;
        const auto sheets = printtest::pdf_images(pdf.file);
        ASSERT_EQ(static_cast<int>(sheets.size()), printed);
        for (int i = 0; i < printed; ++i) {
            const std::string name = golden_stem->second + "_p" + std::to_string(i + 1) + ".png";
            SCOPED_TRACE(name);
            sheets[size_t(i)].save(QString::fromStdString(out_dir + "/" + name));
            const QImage golden(QString::fromStdString(std::string(FIXTURES_DIR) + "/print/" + name));
            if (golden.isNull()) {
                ADD_FAILURE() << "golden picture missing";
                continue;
            }
            EXPECT_EQ(sheets[size_t(i)], golden.convertToFormat(QImage::Format_RGB32));
        }
    }
}

} // namespace

namespace {

// A page printed to PDF without header or footer, on 480 x 600 paper (in
// 96ths of an inch) at `resolution` device pixels per inch, with half-inch
// margins at the top and the bottom; the sheets come back at the device's
// resolution.
struct PrintedPage {
    PrintedPage(const std::string& html, const std::string& folder = FIXTURES_DIR, int resolution = 96)
        : f(resolution / 96.0), pdf(480 * resolution / 96, 600 * resolution / 96, resolution) {
        shot.LoadText(html, folder, 480);
        TPrintOptions o;
        o.MarginLeft = o.MarginRight = 0;
        o.MarginTop = o.MarginBottom = 1.27;
        pages = PrintDocument(shot.Doc(), 1, 999, o);
        sheets = printtest::pdf_images(pdf.file, resolution);
    }
    // Logical units to device pixels.
    int dev(int logical) const { return static_cast<int>(std::lround(logical * f)); }
    void save(const std::string& stem) const {
        const std::string out = testsupport::output_path("htmlview/print");
        QDir().mkpath(QString::fromStdString(out));
        for (size_t i = 0; i < sheets.size(); ++i)
            sheets[i].save(QString::fromStdString(out + "/" + stem + "_p" + std::to_string(i + 1) + ".png"));
    }
    double f;
    PdfPrinter pdf;
    htmlshot::ShotSurface shot;
    int pages = 0;
    std::vector<QImage> sheets;
};

// 48 logical units of margin above the printable area, 504 of page.
constexpr int kTop = 48, kPage = 504;

} // namespace

namespace {

// Pictures printed from the print copy: a PNG with a transparent palette
// entry goes through the clip region of its opaque pixels, a GIF with a
// transparent index through its mask; both land where the line places
// them, at the size the page asks for, on paper of any resolution.
constexpr QRgb kRed = qRgb(200, 0, 0), kBlue = qRgb(0, 0, 200);

// 20 x 10: red left half, blue right half, a 4 x 4 transparent hole
// straddling the two at (8, 3).
void write_png(const QString& path) {
    QImage img(20, 10, QImage::Format_Indexed8);
    img.setColorTable({kRed, kBlue, qRgba(255, 255, 255, 0)});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            img.setPixel(x, y, (x >= 8 && x < 12 && y >= 3 && y < 7) ? 2 : x < 10 ? 0 : 1);
    ASSERT_TRUE(img.save(path, "PNG"));
}

// 10 x 5: two rows of colour 1, three of colour 2, a 2 x 2 transparent hole
// at (4, 2).
void write_gif(const QString& path) {
    corpus::GifSpec spec;
    spec.width = 10;
    spec.height = 5;
    spec.global_table = 4;
    corpus::GifFrame f;
    f.width = 10;
    f.height = 5;
    f.control = true;
    f.transparent = 3;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            f.pixels.push_back((x >= 4 && x < 6 && y >= 2 && y < 4) ? 3 : y < 2 ? 1 : 2);
    spec.frames.push_back(f);
    const std::string bytes = corpus::MakeGif(spec);
    std::ofstream(path.toStdString(), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct PictureCase {
    const char* name;
    int resolution;
    int above; // height of a text line before the pictures' line
    int sheet; // the sheet the pictures land on
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PrintPictures, PrintAtTheirPlaceAndSizeWithTheirHoles) {
    const PictureCase& pc = GetParam();
    QTemporaryDir dir;
    write_png(dir.filePath("a.png"));
    write_gif(dir.filePath("b.gif"));
    std::string html = "<body style=\"margin:0\">";
    if (pc.above > 0)
        html += "<p style=\"margin:0; line-height:" + std::to_string(pc.above) + "px\">x</p>";
    html += "<p style=\"margin:0\"><img src=\"a.png\" width=80 height=40><img src=\"b.gif\" width=40 height=20></p></body>";
    PrintedPage p(html, dir.path().toStdString() + "/", pc.resolution);
    p.save(std::string("pictures_") + pc.name);
    ASSERT_EQ(p.pages, pc.sheet + 1);
    ASSERT_EQ(p.sheets.size(), static_cast<size_t>(p.pages));
    const QRgb gif1 = corpus::GifTableColor(0, 1), gif2 = corpus::GifTableColor(0, 2);
    for (int i = 0; i < pc.sheet; ++i)
        for (QRgb c : {kRed, kBlue, gif1, gif2}) EXPECT_EQ(printtest::color_area(p.sheets[size_t(i)], c).count, 0);

    const QImage& sheet = p.sheets[static_cast<size_t>(pc.sheet)];
    const auto red = printtest::color_area(sheet, kRed), blue = printtest::color_area(sheet, kBlue);
    const auto top = printtest::color_area(sheet, gif1), bottom = printtest::color_area(sheet, gif2);
    // The rasteriser may widen a picture's edge by a pixel.
    auto expect_near = [](const QRect& got, const QRect& want) {
        EXPECT_TRUE(std::abs(got.left() - want.left()) <= 1 && std::abs(got.top() - want.top()) <= 1 &&
                    std::abs(got.right() - want.right()) <= 1 && std::abs(got.bottom() - want.bottom()) <= 1)
            << "got " << ::testing::PrintToString(got) << ", want " << ::testing::PrintToString(want);
    };
    // The PNG, 80 x 40, starts the line at the top of the page.
    const int x0 = 0, y0 = p.dev(pc.sheet == 0 ? kTop + pc.above : kTop);
    expect_near(red.box, QRect(x0, y0, p.dev(40), p.dev(40)));
    expect_near(blue.box, QRect(x0 + p.dev(40), y0, p.dev(40), p.dev(40)));
    // Its hole (16 x 16, half in each colour) shows the paper.
    const QRect png_hole(x0 + p.dev(32) + 1, y0 + p.dev(12) + 1, p.dev(16) - 2, p.dev(16) - 2);
    EXPECT_EQ(printtest::color_area(sheet.copy(png_hole), qRgb(255, 255, 255), 0).count,
              png_hole.width() * png_hole.height());
    EXPECT_NEAR(red.count, p.dev(40) * p.dev(40) - p.dev(8) * p.dev(16), 2 * p.dev(40) + 2 * p.dev(16));
    // The GIF, 40 x 20, follows it on the same bottom, with its 8 x 8 hole.
    const int gx = x0 + p.dev(80), gy = y0 + p.dev(20);
    expect_near(top.box, QRect(gx, gy, p.dev(40), p.dev(8)));
    expect_near(bottom.box, QRect(gx, gy + p.dev(8), p.dev(40), p.dev(12)));
    const QRect gif_hole(gx + p.dev(16) + 1, gy + p.dev(8) + 1, p.dev(8) - 2, p.dev(8) - 2);
    EXPECT_EQ(printtest::color_area(sheet.copy(gif_hole), qRgb(255, 255, 255), 0).count,
              gif_hole.width() * gif_hole.height());
}

// An animated picture the screen has shown prints its first frame.
TEST(PrintPictures, AnAnimatedPictureShownOnScreenPrintsItsFirstFrame) {
    QTemporaryDir dir;
    corpus::GifSpec spec;
    spec.width = spec.height = 4;
    spec.global_table = 4;
    spec.loop = 0;
    for (int frame = 1; frame <= 2; ++frame) {
        corpus::GifFrame f;
        f.width = f.height = 4;
        f.control = true;
        f.delay = 10;
        f.pixels.assign(16, static_cast<uint8_t>(frame));
        spec.frames.push_back(f);
    }
    const std::string bytes = corpus::MakeGif(spec);
    std::ofstream(dir.filePath("anim.gif").toStdString(), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    PdfPrinter pdf;
    htmlshot::ShotSurface shot;
    shot.LoadText("<body style=\"margin:0\"><img src=\"anim.gif\" width=40 height=40></body>",
                  dir.path().toStdString() + "/", 480);
    const QImage screen = shot.Grab();
    EXPECT_GT(printtest::color_area(screen, corpus::GifTableColor(0, 1)).count, 0);
    TPrintOptions o;
    o.MarginTop = o.MarginBottom = 1.27;
    ASSERT_EQ(PrintDocument(shot.Doc(), 1, 999, o), 1);
    const auto sheets = printtest::pdf_images(pdf.file);
    ASSERT_EQ(sheets.size(), 1u);
    const auto first = printtest::color_area(sheets[0], corpus::GifTableColor(0, 1));
    EXPECT_GE(first.count, 39 * 39);
    EXPECT_LE(first.count, 41 * 41);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PrintPictures,
    ::testing::Values(PictureCase{"screen_resolution", 96, 0, 0},
                      // Device pixels are not logical units: the hole and the
                      // pictures scale with the paper.
                      PictureCase{"twice_the_resolution", 192, 0, 0},
                      PictureCase{"below_text", 96, 100, 0},
                      // The line with the pictures does not fit under 480
                      // pixels of text: it moves whole to the next sheet.
                      PictureCase{"moved_to_the_next_page", 192, 480, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// `n` text rows of 20 pixels ("Row 1" ...) in a block with `style`.
std::string rows(int n, const std::string& style = "", const std::string& tag = "div") {
    std::string html = "<" + tag + " style=\"margin:0; line-height:20px; " + style + "\">";
    for (int i = 1; i <= n; ++i) html += "Row " + std::to_string(i) + (i < n ? "<br>" : "");
    return html + "</" + tag + ">";
}

std::string body(const std::string& inner) {
    return "<body style=\"margin:0\">" + inner + "</body>";
}

// Text rows on each sheet, and where the first one starts.
struct SheetRows {
    std::vector<size_t> counts;
    std::vector<int> first;
};

SheetRows sheet_rows(const PrintedPage& p, int x0 = 0, int x1 = -1) {
    SheetRows r;
    for (const QImage& s : p.sheets) {
        EXPECT_TRUE(ink_bands(s, 0, kTop, x0, x1).empty());
        const auto bands = ink_bands(s, kTop, kTop + kPage, x0, x1);
        r.counts.push_back(bands.size());
        r.first.push_back(bands.empty() ? -1 : bands.front().first);
    }
    return r;
}

struct BreakCase {
    const char* name;
    std::string html;
    std::vector<size_t> rows; // text rows on each sheet
};

void PrintTo(const BreakCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintPageBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(PrintPageBreaks, PagesEndWhereTheBlocksAsk) {
    const BreakCase& bc = GetParam();
    PrintedPage p(body(bc.html));
    p.save(std::string("breaks_") + bc.name);
    ASSERT_EQ(p.pages, static_cast<int>(bc.rows.size()));
    ASSERT_EQ(p.sheets.size(), bc.rows.size());
    const SheetRows r = sheet_rows(p);
    EXPECT_EQ(r.counts, bc.rows);
    // Every sheet after a break starts with a whole row at the page's top.
    for (size_t i = 1; i < r.first.size(); ++i) {
        EXPECT_GE(r.first[i], kTop) << "sheet " << i + 1;
        EXPECT_LE(r.first[i], kTop + 8) << "sheet " << i + 1;
    }
}

// A page holds 25 rows of 20 pixels (504 pixels).
INSTANTIATE_TEST_SUITE_P(
    Breaks, PrintPageBreaks,
    ::testing::Values(
        BreakCase{"none", rows(30), {25, 5}},
        BreakCase{"before", rows(5) + rows(5, "page-break-before:always"), {5, 5}},
        BreakCase{"before_twice", rows(3) + rows(2, "page-break-before:always") + rows(2, "page-break-before:always"),
                  {3, 2, 2}},
        // Nothing was printed yet: no empty sheet first.
        BreakCase{"before_on_an_empty_page", rows(5, "page-break-before:always") + rows(2), {7}},
        BreakCase{"after", rows(5, "page-break-after:always") + rows(5), {5, 5}},
        // After the last block there is nothing to start a sheet for.
        BreakCase{"after_the_end", rows(5) + rows(3, "page-break-after:always"), {8}},
        BreakCase{"avoid", rows(20) + rows(10, "page-break-inside:avoid"), {20, 10}},
        // A block taller than a page breaks where it must.
        BreakCase{"avoid_taller_than_a_page", rows(20) + rows(30, "page-break-inside:avoid"), {25, 25}},
        BreakCase{"avoid_that_fits", rows(10) + rows(10, "page-break-inside:avoid") + rows(10), {25, 5}},
        BreakCase{"table_row_before",
                  "<table cellspacing=0 cellpadding=0 style=\"margin:0\"><tr><td>" + rows(3) +
                      "</td></tr><tr style=\"page-break-before:always\"><td>" + rows(2) + "</td></tr></table>",
                  {3, 2}},
        // The first row of a table asks for a new page right where a page
        // starts: its rows print there, with no empty sheet before them (the
        // frame joins the two rows into one band).
        BreakCase{"table_first_row_before_at_a_page_top",
                  rows(25) + "<table cellspacing=0 cellpadding=0 border=1 style=\"margin:0\">"
                             "<tr style=\"page-break-before:always\"><td>" + rows(2) + "</td></tr></table>",
                  {25, 1}},
        BreakCase{"table_first_row_before_on_an_empty_page",
                  "<table cellspacing=0 cellpadding=0 border=1 style=\"margin:0\">"
                  "<tr style=\"page-break-before:always\"><td>" + rows(2) + "</td></tr></table>",
                  {1}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// Rules on paper: shaded ones in silver and the button-shadow grey, coloured
// ones solid; a rule is never cut by the page's end.
TEST(PrintRules, ShadedAndColouredRulesPrintWholeWhereTheyStand) {
    PrintedPage p(body(rows(3) + "<hr style=\"margin:10px 0\">" + rows(3) +
                       "<hr size=6 color=\"#00C000\" width=\"50%\" style=\"margin:10px 0\">"));
    p.save("rules");
    ASSERT_EQ(p.sheets.size(), 1u);
    const QImage& s = p.sheets[0];
    // The shaded rule, 2 pixels high below three rows and its margin: a
    // dark upper row and a silver lower one, the width of the page.
    const auto silver = printtest::color_area(s, qRgb(192, 192, 192), 0);
    ASSERT_GT(silver.count, 0);
    EXPECT_EQ(silver.box, QRect(0, kTop + 70, 480, 2)); // the bottom row and the right end
    const QRgb dark = s.pixel(0, kTop + 70);
    EXPECT_NE(dark, qRgb(192, 192, 192));
    EXPECT_NE(dark, qRgb(255, 255, 255));
    EXPECT_EQ(printtest::color_area(s, dark, 0).box, QRect(0, kTop + 70, 479, 1));
    EXPECT_EQ(ink_bands(s, kTop + 60, kTop + 80).size(), 1u);
    // The coloured one: 6 rows of green, half the page wide, centred.
    const auto green = printtest::color_area(s, qRgb(0, 0xC0, 0), 0);
    EXPECT_EQ(green.box, QRect(120, kTop + 60 + 22 + 60 + 10, 240, 6));
    EXPECT_EQ(green.count, 240 * 6);
}

TEST(PrintRules, ARuleAcrossThePageEndMovesWholeToTheNextPage) {
    // The rule's 6 rows start 2 rows above the page's end.
    PrintedPage p(body("<div style=\"margin:0; line-height:502px\">x</div>"
                       "<hr size=6 color=\"#00C000\" style=\"margin:0\">" + rows(1)));
    p.save("rule_across");
    ASSERT_EQ(p.sheets.size(), 2u);
    EXPECT_EQ(printtest::color_area(p.sheets[0], qRgb(0, 0xC0, 0), 0).count, 0);
    const auto green = printtest::color_area(p.sheets[1], qRgb(0, 0xC0, 0), 0);
    EXPECT_EQ(green.box, QRect(0, kTop, 480, 6));
    EXPECT_EQ(green.count, 480 * 6);
}

// A list across a page's end: each item's marker prints beside its first
// row, on whichever sheet that row lands, and only there.
struct ListCase {
    const char* name;
    std::string html;
    std::vector<size_t> rows, markers; // on each sheet
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(PrintLists, MarkersStayWithTheFirstRowOfTheirItem) {
    const ListCase& lc = GetParam();
    PrintedPage p(body(lc.html));
    p.save(std::string("list_") + lc.name);
    ASSERT_EQ(p.sheets.size(), lc.rows.size());
    // Items start 40 pixels in; markers stand left of that.
    EXPECT_EQ(sheet_rows(p, 40).counts, lc.rows);
    const SheetRows markers = sheet_rows(p, 0, 38);
    EXPECT_EQ(markers.counts, lc.markers);
    // Each marker shares its rows with a row of text.
    for (size_t i = 0; i < p.sheets.size(); ++i)
        for (const auto& [top, bottom] : ink_bands(p.sheets[i], kTop, kTop + kPage, 0, 38)) {
            bool beside = false;
            for (const auto& [t, b] : ink_bands(p.sheets[i], kTop, kTop + kPage, 40))
                beside = beside || (top < b && t < bottom);
            EXPECT_TRUE(beside) << "sheet " << i + 1 << " marker at " << top;
        }
}

std::string list(const char* tag, int items, bool two_rows) {
    std::string html = std::string("<") + tag + " style=\"margin:0; padding-left:40px; line-height:20px\">";
    for (int i = 1; i <= items; ++i)
        html += "<li style=\"margin:0\">Item " + std::to_string(i) + (two_rows ? "<br>more" : "") + "</li>";
    return html + "</" + tag + ">";
}

INSTANTIATE_TEST_SUITE_P(Lists, PrintLists,
                         ::testing::Values(ListCase{"bullets", list("ul", 30, false), {25, 5}, {25, 5}},
                                           // Item 13's first row ends the first sheet, its
                                           // second starts the next without a number.
                                           ListCase{"numbers_split_item", list("ol", 15, true), {25, 5}, {13, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A table that begins low on the page and whose first row does not fit
// moves to the next page: nothing of it, not even a piece of its frame,
// stays behind. Short tables move whole; a taller one starts the next page.
TEST(PrintTables, ATableLowOnThePageMovesWithItsFrame) {
    struct {
        const char* name;
        int first_row, more_rows;
        size_t sheets;
        int height; // of the table, when it fits on a page
    } cases[] = {{"short", 40, 2, 2, 123}, {"taller_than_a_page", 200, 10, 3, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string table = "<table border=1 cellspacing=0 style=\"margin:0\"><tr><td height=" +
                            std::to_string(c.first_row) + ">first</td></tr>";
        for (int i = 0; i < c.more_rows; ++i) table += "<tr><td height=40>cell</td></tr>";
        table += "</table>";
        PrintedPage p(body(rows(20) + table));
        p.save(std::string("table_moved_") + c.name);
        ASSERT_EQ(p.sheets.size(), c.sheets);
        // 20 rows of text on the first sheet and nothing below them...
        EXPECT_EQ(sheet_rows(p).counts.front(), 20u);
        EXPECT_TRUE(ink_bands(p.sheets[0], kTop + 400, 600).empty());
        // ...and the table, frame first, at the top of the second.
        const auto bands = ink_bands(p.sheets[1], 0, 600);
        ASSERT_FALSE(bands.empty());
        EXPECT_EQ(bands.front().first, kTop);
        if (c.height == 0) continue;
        EXPECT_EQ(bands.size(), 1u); // the frame joins the rows into one band
        EXPECT_NEAR(bands.front().second - kTop, c.height, 3);
    }
}

} // namespace


namespace {

// Panels on paper, through the viewer's print copy: the picture the panel
// event draws, or a frame, at the panel's place and size.
TEST(PrintPanels, PanelsPrintWhereTheyStand) {
    QTemporaryDir dir;
    {
        std::ofstream out(dir.filePath("panel.html").toStdString());
        out << "<body style=\"margin:0\"><p style=\"margin:0\">" << "<panel name=p width=60 height=30 alt=\"Clock\">"
            << "</p></body>";
    }
    for (bool with_event : {true, false}) {
        SCOPED_TRACE(with_event ? "print event" : "no event");
        PdfPrinter pdf;
        THtmlPane pane;
        pane.resize(480, 300);
        pane.PrintMarginLeft = pane.PrintMarginRight = 0;
        pane.PrintMarginTop = pane.PrintMarginBottom = 1.27;
        if (with_event)
            pane.OnPanelPrint = [](TViewerHost*, ThvPanel*, QImage& image) { image.fill(QColor(kRed)); };
        pane.LoadFromFile(dir.filePath("panel.html").toStdString());
        ASSERT_EQ(pane.Print(1, 999), 1);
        const auto sheets = printtest::pdf_images(pdf.file);
        ASSERT_EQ(sheets.size(), 1u);
        const QRect box = with_event ? printtest::color_area(sheets[0], kRed).box
                                     : printtest::color_area(sheets[0], qRgb(0, 0, 0), 0).box;
        EXPECT_NEAR(box.left(), 3, 1); // a panel keeps 3 pixels to each side
        EXPECT_NEAR(box.width(), 60, 1);
        EXPECT_NEAR(box.height(), 30, 1);
        EXPECT_GE(box.top(), kTop);
        EXPECT_LE(box.bottom(), kTop + 40);
    }
}

} // namespace

namespace {

// A plain-text file printed through the viewer: every line once, none cut
// by a page's end, a PAGE-free text running over several sheets.
TEST(PrintPlainText, EveryLinePrintsOnceAndWhole) {
    QTemporaryDir dir;
    {
        std::ofstream out(dir.filePath("notes.txt").toStdString(), std::ios::binary);
        for (int i = 1; i <= 70; ++i) out << "Line " << i << "\tof the notes <b>" << i << "</b>\r\n";
    }
    PdfPrinter pdf;
    THtmlPane pane;
    pane.resize(480, 300);
    pane.PrintMarginLeft = pane.PrintMarginRight = 0;
    pane.PrintMarginTop = pane.PrintMarginBottom = 1.27;
    pane.LoadTextFile(dir.filePath("notes.txt").toStdString());
    const int pages = pane.Print(1, 999);
    ASSERT_GE(pages, 2);
    const auto sheets = printtest::pdf_images(pdf.file);
    ASSERT_EQ(static_cast<int>(sheets.size()), pages);
    const std::string out = testsupport::output_path("htmlview/print");
    QDir().mkpath(QString::fromStdString(out));
    size_t lines = 0;
    int height = 0;
    for (size_t i = 0; i < sheets.size(); ++i) {
        sheets[i].save(QString::fromStdString(out + "/plain_text_p" + std::to_string(i + 1) + ".png"));
        EXPECT_TRUE(ink_bands(sheets[i], 0, kTop).empty());
        EXPECT_TRUE(ink_bands(sheets[i], kTop + kPage, 600).empty());
        const auto bands = ink_bands(sheets[i], kTop, kTop + kPage);
        lines += bands.size();
        // A cut line would show as a band lower than the whole ones.
        for (const auto& [top, bottom] : bands) {
            if (height == 0) height = bottom - top;
            EXPECT_GE(bottom - top, height - 3) << "sheet " << i + 1 << " at " << top;
        }
    }
    EXPECT_EQ(lines, 70u);
}

} // namespace

namespace {

// While the viewer prints, it is busy (a handler cannot load another page),
// and the print copy lays the page out for the paper without resizing the
// controls shown on screen.
TEST(PrintViewer, PrintingHoldsTheViewerAndLeavesItsControlsAsShown) {
    QTemporaryDir dir;
    const std::string page = dir.filePath("form.html").toStdString();
    const std::string other = dir.filePath("other.html").toStdString();
    std::ofstream(page) << "<form><input name=wide style=\"width:50%\"> <input name=n></form>" << lines_page(40);
    std::ofstream(other) << "<p>Other</p>";
    PdfPrinter pdf;
    THtmlPane pane;
    pane.resize(700, 300);
    pane.show();
    pane.LoadFromFile(page);
    pane.PaintPanel()->repaint();
    QWidget* wide = nullptr;
    for (TFormControlObj* c : pane.Document().AllControls)
        if (c->Name == "wide") wide = c->Control();
    ASSERT_TRUE(wide);
    const int shown = wide->width();
    ASSERT_GT(shown, 300);
    std::vector<bool> busy;
    pane.OnProcessing = [&](bool on) { busy.push_back(on); };
    std::vector<int> during;
    pane.OnPrintHeader = [&](TPrinterCanvas&, int, int, int, bool&) {
        during.push_back(wide->width());
        pane.LoadFromFile(other);
    };
    ASSERT_GE(pane.Print(1, 999), 2);
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(during, std::vector<int>(during.size(), shown));
    EXPECT_EQ(wide->width(), shown);
    EXPECT_EQ(pane.CurrentFile(), QFileInfo(QString::fromStdString(page)).absoluteFilePath().toStdString());
    // Once printed, the viewer takes loads again.
    pane.LoadFromFile(other);
    EXPECT_NE(pane.CurrentFile().find("other.html"), std::string::npos);
}

} // namespace
