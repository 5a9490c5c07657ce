#pragma once
// A text of several lines in a fixed box that shows only whole lines: the
// text is broken at words to the box's width, and when it holds more lines
// than fit, a scroll bar at the right (and the wheel) moves it a line at a
// time. The ground is left as it is, so the window's picture shows through.
#include <QStringList>
#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/controls.h"

namespace ui {

class ScrollingText : public Control<QWidget> {
  public:
    explicit ScrollingText(QWidget* parent);

    void SetCaption(const std::string& text); // back at the first line
    const std::string& Caption() const { return caption_; }
    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }

    // The text as laid out, one entry per line, and the height of a line.
    const QStringList& Lines() const { return lines_; }
    int LineHeight() const;
    // Whole lines that fit the box.
    int VisibleLines() const;
    // The first line shown; clamped so the last line stays at the bottom.
    int TopLine() const { return top_; }
    void SetTopLine(int line);
    ScrollBar& Bar() { return bar_; }
    const ScrollBar& Bar() const { return bar_; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void lay_out();
    int last_top() const;

    std::string caption_;
    Font font_;
    QStringList lines_;
    int top_ = 0;
    ScrollBar bar_;
};

} // namespace ui
