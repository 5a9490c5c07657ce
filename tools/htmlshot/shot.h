#pragma once
// An offscreen host for one page: a surface widget that paints the
// document and holds its form controls and the links' tab stops, so that a
// grab of the widget shows the page as the viewer would.
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/builder.h"
#include "htmlview/document.h"
#include "htmlview/host.h"

namespace htmlshot {

class ShotSurface : public QWidget, public htmlview::TViewerHost {
  public:
    ShotSurface();
    ~ShotSurface() override;

    // Reads the page file and lays it out `width` pixels wide; the widget
    // takes the page's height. False (with the reason) when the file cannot
    // be read; a page the reader stops in keeps what was read.
    bool Load(const std::string& path, int width, std::string* error = nullptr);
    // The same from text, references relative to `folder`.
    void LoadText(const std::string& html, const std::string& folder, int width);
    // Lays the page out again at another width.
    void Relayout(int width);
    // The widget with its children, as painted.
    QImage Grab();

    htmlview::TSectionList& Doc() { return *doc_; }
    int PageHeight() const { return height_; }
    int PageWidth() const { return max_width_; }
    const htmlview::TReadResult& Result() const { return result_; }

    // TViewerHost
    QWidget* Surface() override { return this; }
    std::string ExpandDocumentPath(const std::string& url) override;
    void FollowLink(const std::string& url, const std::string& target) override;
    void ForwardKey(QKeyEvent* event) override;
    void Invalidate() override { update(); }
    void ShowError(const std::string& message) override { Errors.push_back(message); }

    std::vector<std::string> Followed; // links followed by Enter
    std::vector<int> ForwardedKeys;
    std::vector<std::string> Errors;    // failures inside event handlers and reads

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<htmlview::TSectionList> doc_;
    htmlview::TReadResult result_;
    std::string folder_;
    int height_ = 0;
    int max_width_ = 0;
};

// The page rendered `width` pixels wide, or a null image (with the reason).
QImage RenderPage(const std::string& path, int width, std::string* error = nullptr);

} // namespace htmlshot
