#pragma once
// The button strips: two frames side by side (normal, highlighted), keyed outside the
// rounded button shape with look::klucz_przezroczysty.
#include "shared/look.h"
#include "shared/strips.h"
#include "tools/artwork/icons.h"

#include <QImage>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace artwork {

enum class StripKind {
    text, // caption centred
    menu, // icon in a disc on the left, caption beside it
    icon, // round or rounded button carrying one icon
};

struct StripSpec {
    std::string file; // relative to the program folder, with "/"
    look::Size frame;
    StripKind kind;
    QString caption;
    std::optional<Icon> icon;
};

constexpr int strip_frames = 2;

// "gfx_s\\x.bmp" -> "gfx_s/x.bmp"
std::string slashed(std::string path);

// The holder window's strips, in its load order.
std::vector<StripSpec> holder_strips();
// The dictionary window's other action buttons.
std::vector<StripSpec> dictionary_window_strips();

QImage render_strip(const StripSpec& spec);

} // namespace artwork
