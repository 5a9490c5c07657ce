#pragma once
// How big a message box is for its text. A text that fits keeps the box's own
// size; a longer one makes the box taller by what the text needs, the icon and
// the buttons staying centred on the box's height, up to a highest box past
// which the text area scrolls. No window needed: the text's height is given.
#include <vector>

#include "shared/look.h"

struct UkladKomunikatu {
    look::Size okno;                 // the box
    look::Rect tekst;                // the text area
    std::vector<look::Rect> przyciski; // the buttons, in the order given
    int przesuniecie = 0;            // how far the icon and buttons moved down
    bool przewijany = false;         // the text is taller than its area: it scrolls
};

// `okno`, `tekst` and `przyciski`: the box's own layout; `wysokosc_tekstu`:
// the wrapped text's height at the text area's width; `najwyzsze_okno`: the
// highest box allowed (never less than its own height).
UkladKomunikatu uklad_komunikatu(look::Size okno, look::Rect tekst,
                                 const std::vector<look::Rect>& przyciski, int wysokosc_tekstu,
                                 int najwyzsze_okno);
