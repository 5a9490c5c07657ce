#pragma once
// Geometry of the progress window TForm14.
#include "shared/look.h"

namespace look {

constexpr Size okno_postepu = {234, 15};

}  // namespace look
