#pragma once
// Windows bitmap files, read and written by our own code: the pixels come out
// exactly as stored (no colour management). Readable: 1, 4, 8 bits with a
// palette, 16/32 bits (plain or with bit fields), 24 bits; bottom-up and
// top-down. Written: 24 bits, bottom-up.
#include <QImage>
#include <stdexcept>
#include <string>

namespace ui {

class BitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a .bmp file (path through os::resolve) into a Format_RGB32 image.
// Throws BitmapError with the file named when it is missing, truncated,
// malformed or of a kind not read here.
QImage load_bmp(const std::string& path);

// Same, from the file's bytes; `name` only appears in messages.
QImage decode_bmp(const std::string& bytes, const std::string& name = "bitmap");

// false (and no exception) where load_bmp would throw; `error` gets the message.
bool try_load_bmp(const std::string& path, QImage& out, std::string* error = nullptr);

// Writes a 24-bit bottom-up file through the atomic replace (a failed write
// leaves an existing file as it was); creates missing folders. false on failure.
bool save_bmp(const QImage& image, const std::string& path);

// The bitmap's default transparent colour: its bottom-left pixel, opaque;
// black for an empty image.
QRgb default_transparent_color(const QImage& image);

} // namespace ui
