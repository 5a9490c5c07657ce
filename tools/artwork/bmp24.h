#pragma once
// A minimal writer of uncompressed 24-bit BMP files (bottom-up, rows padded to 4 bytes).
#include <QImage>
#include <string>

namespace artwork {

// Writes the picture as a 24-bit BMP; false when the file cannot be written.
bool write_bmp24(const QImage& picture, const std::string& path);

} // namespace artwork
