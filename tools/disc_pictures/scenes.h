#pragma once
// Illustrations of the demo's picture interludes, one flat-coloured scene per
// subject word ("house", "rain" ...), with the word on a card strip at the foot.
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <string>

namespace scenes {

// Size of a subject's picture: most are 640 x 480; "tree" is tall (600 x 900,
// taller than any usual screen's proportion) and "mountains" is larger than a
// screen (1600 x 1200), so the window has to scale both down.
QSize size_for(const QString& subject);

// A row of a picture set: code=word=...; the word decoded from the course's
// character set (238, or 0 in the French edition).
struct Row {
    std::string code;
    QString word;
};
std::optional<Row> picture_row(const std::string& line, int charset);

struct Picture {
    QImage image;
    QString lettering; // the word on the strip, as the course writes it
    bool known = false; // false: no scene, a plain framed card with the word
};

// The picture of a word: its scene is looked up in lower case ("Haus" is the
// house), its lettering is the word as it stands.
Picture draw(const QString& word);

} // namespace scenes
