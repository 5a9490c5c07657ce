#pragma once
// JPEG pictures through libjpeg. Any failure of the library is reported as
// JpegError "JPEG error #<n>", n being the library's message number.
#include <QImage>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

class JpegError : public std::runtime_error {
  public:
    explicit JpegError(int code);
    int code() const { return code_; }

  private:
    int code_;
};

struct JpegOptions {
    // 8 bits per pixel: grey pictures as grey levels, colour ones reduced to
    // `colormap` (when given) or to 256 colours the library picks, dithered.
    bool eight_bit = false;
    std::vector<QRgb> colormap;
};

// RGB32 normally; Indexed8 (grey or the colours) with eight_bit.
QImage decode_jpeg(const std::string& bytes, const JpegOptions& options = {});
// The file by path (through os::resolve). JpegError when it cannot be
// decoded; a missing or unreadable file gives JpegError too (code 0).
QImage load_jpeg(const std::string& path, const JpegOptions& options = {});

} // namespace ui
