#pragma once
// Printing a plain text (lines of 8-bit text) the way a text file prints: a
// fixed-pitch font, the lines from the top of each page, a new page when one
// is full. It goes to the default printer; when the system has none, it is
// written as a PDF file instead. The result says which happened, so the
// learner can be told truthfully.
#include <functional>
#include <string>
#include <vector>

namespace ui {

struct PrintResult {
    enum class Kind {
        printer, // handed to the printer `where`
        pdf,     // no printer: written to the file `where`
        failed,  // nothing printed or written; `why` says what went wrong
    };
    Kind kind = Kind::failed;
    std::string where; // printer name or file path, UTF-8
    std::string why;   // UTF-8, in the programs' language
};

// Prints `lines` under the document name `title`, both in UTF-8 (a line may
// join texts of both character sets). The PDF, when there is no printer, goes
// to `pdf_path` through the atomic replace, so a failed write leaves no half
// file.
PrintResult print_text(const std::vector<std::string>& lines, const std::string& title,
                       const std::string& pdf_path);

// The default printer's name, "" for none. Tests set their own answer; an
// empty function puts back the system's.
void set_default_printer_lookup(std::function<std::string()> lookup);
std::string default_printer();

} // namespace ui
