#pragma once
// The picture strips of the buttons: each strip holds its frames side by side;
// pixels of the strip's transparent colour (its bottom-left pixel) are left out
// when a frame is drawn, so the window's background shows through.
#include <QImage>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/canvas.h"
#include "shared/strips.h"

// One strip.
struct TMyBitmap {
    int frame_width = 0;  // bitmap width / frame count
    QImage bitmap;        // the strip as loaded
    QRgb transparent = 0; // the bitmap's transparent colour
    QImage keyed;         // the strip with that colour made transparent
    int def_top = 0;
    int def_left = 0;
    std::optional<Pasek> nazwa; // the strip's name, when the holder gave one
};

// A strip whose width does not divide by its frame count.
class EMyImageList : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TMyImageList {
  public:
    // Loads a strip of `frames` frames (throws ui::BitmapError when the file
    // cannot be read, EMyImageList when the width does not divide); returns
    // its index.
    int AddFromFile(const std::string& file, int frames, int def_left, int def_top);
    // An index outside the list is ignored.
    void SetDefPos(int index, int def_left, int def_top);
    // Draws the part of `frame` of strip `index` under the canvas's clip
    // rectangle at the same place; nothing for an index outside the list.
    void Draw(ui::Canvas& canvas, int index, int frame) const;

    // 33 for an index outside the list.
    int GetFrameWidth(int index) const;
    int GetFrameHeight(int index) const;
    int GetDefLeft(int index) const;
    int GetDefTop(int index) const;

    int Count() const { return static_cast<int>(items_.size()); }

    // Names the strip at `index` (ignored outside the list).
    void SetName(int index, Pasek nazwa);
    // The index of the first strip of that name; -1 when none has it.
    int IndexOf(Pasek nazwa) const;
    const TMyBitmap* Item(int index) const; // nullptr outside the list

  private:
    std::vector<TMyBitmap> items_;
};
