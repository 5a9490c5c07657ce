#pragma once
// Shared set-up of the page targets: one offscreen application for the
// process, a host whose relative paths lie in the scratch folder, and a
// layout outside a paint.
#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <string>

#include "fuzz/fuzz_support.h"
#include "htmlview/builder.h"
#include "htmlview/display.h"
#include "htmlview/document.h"
#include "htmlview/host.h"
#include "htmlview/scratch_canvas.h"

// Qt keeps fontconfig objects until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace fuzz {

// Made on the first call; `name` is the program's name for Qt.
inline void viewer_app(const char* name) {
    static std::string program = name;
    static int argc = 1;
    static char* argv[] = {program.data(), nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new QApplication(argc, argv);
        htmlview::InitDisplay();
        return a;
    }();
    (void)app;
}

struct PageHost : htmlview::TViewerHost {
    QWidget* Surface() override { return &surface; }
    std::string ExpandDocumentPath(const std::string& url) override {
#ifdef FUZZ_PAGES_DIR
        // The feature pages' own pictures, so that their seeds draw real
        // pictures, tiles and link borders; any other name stays missing.
        std::error_code error;
        if (url.starts_with("pics/") && url.find("..") == std::string::npos &&
            std::filesystem::is_regular_file(std::string(FUZZ_PAGES_DIR) + "/" + url, error))
            return std::string(FUZZ_PAGES_DIR) + "/" + url;
#endif
        return scratch().root() + url;
    }
    QWidget surface;
};

// Reads the page into `doc`; a page the reader gives up on keeps what was read.
inline void read_page(htmlview::TSectionList& doc, const std::string& page) {
    htmlview::TReadResult result;
    try {
        htmlview::ReadHtmlDocument(page, doc, htmlview::TReadHandlers(), result);
    } catch (const htmlview::EParseError&) {
    }
}

// The document laid out `width` pixels wide, 600 shown; its height.
inline int lay_out(htmlview::TSectionList& doc, int width) {
    htmlview::ScratchCanvas c;
    int max_width = 0;
    const int h = doc.DoLayout(c.canvas, width, 600, max_width);
    check(h >= 0 && max_width >= 0);
    return h;
}

} // namespace fuzz
