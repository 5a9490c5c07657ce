#pragma once
// Illustrations of the demo's picture interludes, one flat-coloured scene per
// subject word ("house", "rain" ...), with the word on a card strip at the foot.
#include <QImage>
#include <QSize>
#include <QString>

namespace scenes {

// Size of a subject's picture: most are 640 x 480; "tree" is tall (600 x 900,
// taller than any usual screen's proportion) and "mountains" is larger than a
// screen (1600 x 1200), so the window has to scale both down.
QSize size_for(const QString& subject);

// The picture of a subject; an unknown subject gets a plain framed card with
// its word. False in `known` for those.
QImage draw(const QString& subject, bool* known = nullptr);

} // namespace scenes
