#pragma once
// What a document asks of the viewer that shows it: the widget it paints on
// (the parent of its form controls and of the links' hidden tab stops), the
// expansion of page references into file names, following a link, progress,
// scrolling a focused object into view, repaints, and form submission.
// The viewer control implements it; htmlshot has its own small one.
#include <string>
#include <vector>

#include "htmlview/colors.h"

class QWidget;
class QKeyEvent;

namespace htmlview {

class TViewerHost {
  public:
    virtual ~TViewerHost() = default;

    // The drawing surface; none means no child controls are made.
    virtual QWidget* Surface() = 0;
    // A reference of the page (an image, a linked sheet) as a file name.
    virtual std::string ExpandDocumentPath(const std::string& url) = 0;

    // Enter on a link's tab stop: the link becomes the current one and is
    // followed once the key handler has returned.
    virtual void FollowLink(const std::string& url, const std::string& target) {
        (void)url;
        (void)target;
    }
    // A key a link's tab stop does not handle itself (arrows scroll).
    virtual void ForwardKey(QKeyEvent* event) { (void)event; }
    // Reading and layout progress, 0 to 100.
    virtual void Progress(int percent) { (void)percent; }
    // An object that took the keyboard focus at document y wants to be seen;
    // `link` tells a link's tab stop from a form control.
    virtual void ScrollToObject(int y, bool link) {
        (void)y;
        (void)link;
    }
    // Something failed inside an event of the document (a key, a focus
    // change, a timer): the viewer shows the text.
    virtual void ShowError(const std::string& message) { (void)message; }
    // The page colour changed.
    virtual void BackgroundChanged(ColorRef color) { (void)color; }
    // The surface must be painted again.
    virtual void Invalidate() {}
    // A form was submitted (name=value pairs).
    virtual void SubmitForm(const std::string& action, const std::string& target,
                            const std::string& enc_type, const std::string& method,
                            const std::vector<std::string>& results) {
        (void)action;
        (void)target;
        (void)enc_type;
        (void)method;
        (void)results;
    }
};

} // namespace htmlview
