#pragma once
// The pictures of the help pages (htm_sk/gfx): a small view of the main
// window, button pictures, an animated bell with a transparent ground and a
// view of the matching game.
#include <QImage>
#include <string>
#include <vector>

#include "shared/strips.h"
#include "tools/artwork/strips.h"

namespace artwork {

// The main window with its menu buttons, at `w` x `h`.
QImage help_menu(int w, int h);
// The user-choice window as the learner sees it: a name chosen in its list
// and the buttons under it.
QImage help_login();
// The normal frame of a button strip on white.
QImage help_button(Pasek pasek);
// The frames of the ringing bell; the ground is fully transparent.
std::vector<QImage> help_bell_frames();
// An animated GIF of the frames (at most 255 colours besides the
// transparent one), looping, `delay` hundredths of a second a frame.
bool write_gif(const std::vector<QImage>& frames, int delay, const std::string& path);

} // namespace artwork
