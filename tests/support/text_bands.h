#pragma once
// The lines of text a control shows, found in its pixels: the window's grab
// of the control's place with the text is compared with one without it, so a
// background picture behind the text does not count.
#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

namespace testsupport {

struct TextBand {
    int top = 0, bottom = 0; // pixel rows of the control, inclusive
};

struct TextInk {
    std::vector<TextBand> bands; // runs of rows holding text, top down
    int right = -1;              // the rightmost column holding text
};

// `clear` takes the text away, `restore` puts it back; only `area` of the
// control (all of it when empty) is compared.
inline TextInk text_ink(QWidget& window, const QWidget& control, const std::function<void()>& clear,
                        const std::function<void()>& restore, QRect area = QRect()) {
    const QRect r = area.isEmpty() ? control.geometry() : area.translated(control.pos());
    const QImage with = window.grab(r).toImage();
    clear();
    const QImage without = window.grab(r).toImage();
    restore();
    TextInk ink;
    bool in_band = false;
    for (int y = 0; y < with.height() && y < without.height(); ++y) {
        bool row = false;
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                row = true;
                ink.right = std::max(ink.right, x);
            }
        if (row && !in_band) ink.bands.push_back({y, y});
        if (row) ink.bands.back().bottom = y;
        in_band = row;
    }
    return ink;
}

} // namespace testsupport
