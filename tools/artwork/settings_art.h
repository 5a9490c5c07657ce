#pragma once
// The pictures of the settings window and the import window: their
// backgrounds, the bar that closes the settings' upper part, and their
// picture buttons.
#include <QImage>
#include <string>
#include <vector>

#include "tools/artwork/chooser_art.h"

namespace artwork {

QImage ustawienia(); // 712 x 530, the upper 352 pixels shown at first
QImage form3();
// The bar and the picture buttons, keyed outside their shapes.
std::vector<SmallPicture> settings_pictures();

} // namespace artwork
