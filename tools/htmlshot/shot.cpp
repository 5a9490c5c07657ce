#include "tools/htmlshot/shot.h"

#include <QKeyEvent>
#include <QPainter>
#include <exception>

#include "htmlview/ascii.h"
#include "htmlview/display.h"
#include "htmlview/scratch_canvas.h"
#include "htmlview/url.h"
#include "platform/os/read_file.h"
#include "platform/ui/html_canvas.h"

namespace htmlshot {

using namespace htmlview;

namespace {

// The settings pages are shown with: the help window's font on white.
TFontSettings page_settings() {
    TFontSettings s;
    s.FontColor = 0;
    s.Background = ui::rgb_ref(255, 255, 255);
    s.Charset = 238;
    return s;
}

int lay_out(TSectionList& doc, int width, int& max_width) {
    ScratchCanvas c;
    return doc.DoLayout(c.canvas, width, 600, max_width);
}

} // namespace

ShotSurface::ShotSurface() : doc_(std::make_unique<TSectionList>(this)) {
    setAttribute(Qt::WA_DontShowOnScreen);
    doc_->ApplyFonts(page_settings());
}

ShotSurface::~ShotSurface() {
    doc_.reset(); // its tab stops and controls are children of this widget
}

bool ShotSurface::Load(const std::string& path, int width, std::string* error) {
    std::string bytes;
    if (!os::read_file(path, bytes)) {
        if (error) *error = "Can't locate file: " + path;
        return false;
    }
    std::string folder = path;
    const size_t slash = folder.find_last_of("/\\");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    LoadText(bytes, folder, width);
    if (error && !Errors.empty()) *error = Errors.back();
    return true;
}

void ShotSurface::LoadText(const std::string& html, const std::string& folder, int width) {
    folder_ = folder;
    doc_->ClearDocument();
    doc_->ApplyFonts(page_settings());
    try {
        ReadHtmlDocument(html, *doc_, TReadHandlers(), result_);
    } catch (const std::exception& e) {
        Errors.push_back(e.what()); // the page keeps what was read
    }
    Relayout(width);
}

void ShotSurface::Relayout(int width) {
    height_ = std::max(1, lay_out(*doc_, width, max_width_));
    resize(width, height_);
    doc_->SetScrollY(0);
    if (!isVisible()) show();
}

QImage ShotSurface::Grab() {
    return grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ShotSurface::paintEvent(QPaintEvent*) {
    try {
        QPainter p(this);
        ui::HtmlCanvas canvas(p);
        canvas.SetAntialias(false);
        const ui::Rect r{0, 0, width(), height()};
        canvas.FillRect(r, doc_->PageColor == NoColour ? ui::rgb_ref(255, 255, 255) : doc_->PageColor);
        doc_->Draw(canvas, r, width(), 0);
    } catch (const std::exception& e) {
        Errors.push_back(e.what());
    }
}

std::string ShotSurface::ExpandDocumentPath(const std::string& url) {
    const size_t scheme = url.find("://");
    if (scheme != std::string::npos && scheme > 0 && LowerCase(url).find("file://") == std::string::npos) return url;
    return UrlToFileName(Trim(url), folder_);
}

void ShotSurface::FollowLink(const std::string& url, const std::string& target) {
    Followed.push_back(target.empty() ? url : url + " -> " + target);
}

void ShotSurface::ForwardKey(QKeyEvent* event) {
    ForwardedKeys.push_back(event->key());
}

QImage RenderPage(const std::string& path, int width, std::string* error) {
    InitDisplay();
    ShotSurface surface;
    if (!surface.Load(path, width, error)) return QImage();
    return surface.Grab();
}

} // namespace htmlshot
