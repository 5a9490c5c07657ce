#include "htmlview/text_measure.h"

#include <algorithm>
#include <vector>

namespace htmlview {

namespace {

WideView first(WideView text, int count) {
    if (count <= 0) return WideView();
    return text.substr(0, std::min<size_t>(static_cast<size_t>(count), text.size()));
}

} // namespace

int FitText(const ui::HtmlCanvas& canvas, WideView text, int count, int max_width, int& extent) {
    extent = 0;
    const WideView part = first(text, count);
    if (part.empty() || max_width < 1) return 0;
    return canvas.FitText(part, max_width, &extent);
}

int TextWidth(const ui::HtmlCanvas& canvas, WideView text, int count) {
    return canvas.TextWidth(first(text, count));
}

void WrapText(ui::HtmlCanvas& canvas, int x1, int y1, int x2, int y2, WideView text) {
    std::vector<WideView> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == u' ') ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != u' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    if (words.empty()) return;

    canvas.SaveDC();
    canvas.SetBkMode(ui::BkMode::Transparent);
    canvas.SetTextAlign(ui::TextAlign::Left | ui::TextAlign::Top);
    const int line_height = std::max(1, canvas.TextExtent(u"A").height());
    const int width = x2 - x1;
    const int space = canvas.TextWidth(u" ");
    int y = y1;
    size_t w = 0;
    while (w < words.size() && y + line_height <= y2) {
        // At least one word a line, so every line moves on.
        WideString line(words[w]);
        int line_width = canvas.TextWidth(words[w]);
        ++w;
        while (w < words.size()) {
            const int next = line_width + space + canvas.TextWidth(words[w]);
            if (next > width) break;
            line += u' ';
            line += words[w];
            line_width = next;
            ++w;
        }
        canvas.TextOut(x1, y, line);
        y += line_height;
    }
    canvas.RestoreDC();
}

} // namespace htmlview
