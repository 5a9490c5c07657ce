#pragma once
// The pictures of the lesson and exercise chooser and the exercise-type
// chooser: their backgrounds, the list icons, the result bar, the view tabs
// and the delete button.
#include <QImage>
#include <string>
#include <vector>

#include "shared/look.h"

namespace artwork {

QImage wybor_cw_a();   // exercises and results by exercise
QImage wybor_cw_2_a(); // results by group
QImage form8();

struct SmallPicture {
    std::string file; // relative to the program folder, with "/"
    QImage image;     // keyed with look::klucz_przezroczysty outside its shape
};
// The list icons, the bar and its frame, the three tabs and k_usun.
std::vector<SmallPicture> chooser_pictures();

} // namespace artwork
