#include "platform/ui/scrolling_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QTextLayout>
#include <QWheelEvent>
#include <algorithm>

namespace ui {

namespace {

// The lines of `text` broken at words (inside a word too long for a line)
// to `width`; each line break of the text starts a line, the last ones none.
QStringList break_lines(const QString& text, const QFont& font, int width) {
    QStringList lines;
    QString all = text;
    while (all.endsWith(u'\n'))
        all.chop(1);
    if (all.isEmpty()) return lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : all.split(u'\n')) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(1, width));
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

ScrollingText::ScrollingText(QWidget* parent) : Control<QWidget>(parent), bar_(this) {
    bar_.SetVisible(false);
    bar_.SetSmallChange(1);
    bar_.OnChange = [this] {
        top_ = bar_.Position();
        update();
    };
}

void ScrollingText::SetCaption(const std::string& text) {
    caption_ = text;
    top_ = 0;
    lay_out();
}

void ScrollingText::SetFont(const Font& font) {
    font_ = font;
    lay_out();
}

int ScrollingText::LineHeight() const {
    return std::max(1, QFontMetrics(qfont(font_)).lineSpacing());
}

int ScrollingText::VisibleLines() const {
    return std::max(1, height() / LineHeight());
}

int ScrollingText::last_top() const {
    return std::max(0, static_cast<int>(lines_.size()) - VisibleLines());
}

void ScrollingText::SetTopLine(int line) {
    bar_.SetPosition(std::clamp(line, 0, last_top())); // moves top_ through OnChange
    top_ = bar_.Position();
    update();
}

// Breaks the text to the width left beside the scroll bar when the lines do
// not all fit; the bar shows then and ranges over the first lines shown.
void ScrollingText::lay_out() {
    const QString text = to_qt(caption_, font_.charset);
    const QFont f = qfont(font_);
    lines_ = break_lines(text, f, width());
    const bool scrolls = static_cast<int>(lines_.size()) > VisibleLines();
    const int bar_width = bar_.sizeHint().width();
    if (scrolls) lines_ = break_lines(text, f, width() - bar_width - 4);
    bar_.setGeometry(width() - bar_width, 0, bar_width, height());
    bar_.SetVisible(scrolls);
    bar_.SetRange(0, last_top());
    bar_.SetLargeChange(VisibleLines());
    top_ = std::clamp(top_, 0, last_top());
    bar_.SetPosition(top_);
    update();
}

void ScrollingText::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    Canvas c(p, e->rect());
    Font f = font_;
    if (!isEnabled()) f.color = 0xFF808080u;
    c.SetFont(f);
    const int h = LineHeight();
    const int last = std::min(static_cast<int>(lines_.size()), top_ + VisibleLines());
    for (int k = top_; k < last; ++k)
        c.DrawText(QRect(0, (k - top_) * h, width(), h), lines_[k], Qt::AlignLeft | Qt::AlignTop,
                   false);
}

// The system's lines a notch (three by default).
void ScrollingText::wheelEvent(QWheelEvent* e) {
    const int notches = e->angleDelta().y() / 120;
    if (notches == 0 || !bar_.Visible()) {
        e->ignore();
        return;
    }
    SetTopLine(top_ - QApplication::wheelScrollLines() * notches);
    e->accept();
}

void ScrollingText::resizeEvent(QResizeEvent* e) {
    Control<QWidget>::resizeEvent(e);
    lay_out();
}

} // namespace ui
