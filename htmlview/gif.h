#pragma once
// GIF87a/GIF89a decoding: the whole file into image descriptors, colour tables
// and extensions, with the LZW pixel data of every image decoded, and the
// frames composed into one strip bitmap with its mask.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "htmlview/bitmap.h"
#include "htmlview/stream.h"

namespace htmlview {

// Error codes of the decoder (0 "no error" ... 25 "next message").
enum GifErrorCode : int {
    kGifNoError = 0,
    kGifSignature = 1,
    kGifNoColorTable = 2,
    kGifUnknownExtension = 3,
    kGifUnknownOpcode = 4,
    kGifExtensionSize = 5,
    kGifSpecial = 6,
    kGifExtensionTerminator = 7,
    kGifIntegerSize = 8,
    kGifNoTerminator = 9,
    kGifExtensionOrder = 10,
    kGifImageIndex = 11,
    kGifCodeSize = 12,
    kGifLzwFormat = 13,
    kGifCodeOverflow = 14,
    kGifRange = 15,
    kGifNil = 16,
    kGifTableSize = 17,
    kGifNoImage = 18,
    kGifBitmapImage = 19,
    kGifTableIndex = 20,
    kGifInterlacePass = 21,
    kGifBitmap = 22,
    kGifTooManyColors = 23,
    kGifEof = 24,
    kGifNext = 25,
};

std::string GifErrorMessage(int code);

// The last error any decoder raised (code and message), shared by all.
struct GifLastError {
    int code = 0;
    std::string message;
};
GifLastError& GifLastErrorState();

// Raised for every decoding error: "TGif: <message>".
class EGifError : public EInvalidGraphicOperation {
  public:
    EGifError(int code, const std::string& message);
    int Code() const { return code_; }

  private:
    int code_;
};

struct GifSubBlock {
    uint8_t length = 0;
    std::string data;
};

struct GifExtension {
    uint8_t label = 0;
    // graphic control (F9)
    uint8_t block_size = 0;
    uint8_t disposal = 0;
    bool user_input = false;
    bool transparent = false;
    uint16_t delay = 0; // hundredths of a second
    uint8_t transparent_index = 0;
    // plain text (01)
    uint16_t grid_left = 0, grid_top = 0, grid_width = 0, grid_height = 0;
    uint8_t cell_width = 0, cell_height = 0, foreground = 0, background = 0;
    // application (FF)
    std::string identifier;     // 8 bytes
    std::string authentication; // 3 bytes
    std::vector<GifSubBlock> blocks; // comment, plain text and application data
};

struct GifColorTable {
    int count = 0;
    std::array<QRgb, 256> colors{}; // unused entries black
};

struct GifImageDescriptor {
    int number = 0;
    uint16_t left = 0, top = 0, width = 0, height = 0;
    bool local_table = false;
    bool interlaced = false;
    bool sorted = false;
    int table_size = 0;
    int table_index = -1;
    int code_size = 0;
    std::vector<GifExtension> extensions;
    std::vector<uint8_t> pixels;
    int64_t pixel_count = 0;
};

struct GifScreenDescriptor {
    uint16_t width = 0, height = 0;
    bool global_table = false;
    int color_resolution = 0;
    bool sorted = false;
    int table_size = 0;
    uint8_t background = 0;
    uint8_t aspect = 0;
    int table_index = -1;
};

class TGif {
  public:
    // Every decoded image's pixels together may not pass this many bytes,
    // nor may the frame strip with its mask.
    static constexpr int64_t kMaxPixels = int64_t(32) << 20;

    TGif();
    void LoadFromStream(TStream& stream);

    int GetWidth() const { return screen_.width; }
    int GetHeight() const { return screen_.height; }
    int GetImageCount() const { return static_cast<int>(images_.size()); }
    bool GetIsTransparent() const;
    int GetImageLeft(int i) const { return Image(i).left; }
    int GetImageTop(int i) const { return Image(i).top; }
    int GetImageWidth(int i) const { return Image(i).width; }
    int GetImageHeight(int i) const { return Image(i).height; }
    int GetImageDelay(int i) const;
    int GetImageDisposal(int i) const;
    int GetTransparentIndex(int i) const;
    // The strip of all frames side by side (24 bits) and, when transparent,
    // its mask (8 bits, index 1 white = transparent); frame k is composed
    // over frame k - 1.
    TBitmap BuildFrameStrip(TBitmap* mask) const;

    std::string Header = "------";
    const GifScreenDescriptor& Screen() const { return screen_; }
    const std::vector<GifImageDescriptor>& Images() const { return images_; }
    const std::vector<GifColorTable>& ColorTables() const { return tables_; }
    int LoopCount = -1;

  private:
    const GifImageDescriptor& Image(int i) const;
    const GifExtension* Control(int i) const;

    GifScreenDescriptor screen_;
    std::vector<GifImageDescriptor> images_;
    std::vector<GifColorTable> tables_;
};

} // namespace htmlview
