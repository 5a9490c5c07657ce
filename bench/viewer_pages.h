#pragma once
// What the viewer benchmarks share: running text drawn from a small word
// list, the viewer's default fonts in black, and a layout 800 pixels wide.
#include <string>

#include "htmlview/document.h"
#include "htmlview/scratch_canvas.h"

namespace bench {

// `count` words, the same for the same seed.
inline std::string words(unsigned& seed, int count) {
    static const char* const kWords[] = {"the", "learner", "repeats", "words", "every", "day", "and", "a",
                                         "schedule", "decides", "when", "each", "item", "returns", "exercise",
                                         "window", "shows", "pictures", "recordings", "sentence", "translation",
                                         "answer", "correct"};
    std::string s;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        if (i) s += ' ';
        s += kWords[(seed >> 16) % (sizeof kWords / sizeof *kWords)];
    }
    return s;
}

inline void black_text(htmlview::TSectionList& doc) {
    htmlview::TFontSettings settings;
    settings.FontColor = 0;
    doc.ApplyFonts(settings);
}

// The document's height laid out 800 pixels wide with 600 shown.
inline int lay_out(htmlview::TSectionList& doc, ui::HtmlCanvas& canvas) {
    int max_width = 0;
    return doc.DoLayout(canvas, 800, 600, max_width);
}

} // namespace bench
