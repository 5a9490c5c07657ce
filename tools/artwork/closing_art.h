#pragma once
// The pictures of the run's closing and of the repetition windows: the
// backgrounds of the word list, the flags window, the statistics box, the
// answer pop-up, the comment window and the two repetition windows; the
// exercise window's microphone in its three states, its menu button and the
// menu's panel.
#include <QImage>
#include <string>
#include <vector>

#include "shared/look.h"

namespace artwork {

struct ClosingPicture {
    std::string file; // relative to the program folder, with "/"
    QImage image;
    bool keyed;       // small picture keyed outside its shape
    look::Size size;  // the size its window expects (backgrounds)
};

std::vector<ClosingPicture> closing_pictures();

} // namespace artwork
