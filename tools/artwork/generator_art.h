#pragma once
// The pictures of the own-exercise generator, the exercise parameters
// window and the word editor with its recording picker: backgrounds, view
// tabs and picture buttons.
#include <QImage>
#include <vector>

#include "tools/artwork/chooser_art.h"

namespace artwork {

QImage generator();     // gfx_s/generator.bmp
QImage zapisz_cw();     // gfx_s/zapisz_cw.bmp
QImage edycja_slowka(); // gfx_s/edycja_slowka.bmp (the editor and the picker)

// The tabs and every picture button of the three windows.
std::vector<SmallPicture> generator_pictures();

} // namespace artwork
