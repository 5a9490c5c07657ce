#pragma once
// A GIF writer of the test corpus, independent of the viewer's decoder: any
// table size and code size, interlaced or not, with or without a leading
// clear code, graphic control, comment, plain-text and application blocks,
// and frames anywhere on (or partly off) the screen.
#include <QRgb>
#include <cstdint>
#include <string>
#include <vector>

namespace corpus {

struct GifFrame {
    int left = 0, top = 0, width = 1, height = 1;
    bool interlaced = false;
    int local_table = 0;   // entries of a local table; 0: the global one
    int code_size = 0;     // minimum LZW code size; 0: from the table size
    bool leading_clear = true;
    bool defer_clear = false; // keep coding with a full table instead of clearing
    std::vector<uint8_t> pixels; // width x height indices, row by row
    bool control = false;  // a graphic control block before the image
    int disposal = 0;
    int delay = 0;         // hundredths of a second
    int transparent = -1;  // index, -1 none
    bool comment_before = false;
};

struct GifSpec {
    std::string version = "89a";
    int width = 1, height = 1;
    int global_table = 2; // entries; 0: none
    int loop = -1;        // NETSCAPE loop count; -1: no block
    bool plain_text = false;
    bool other_application = false;
    std::vector<GifFrame> frames;
    bool trailer = true;
};

// Colour i of table `table` (0 the global one, k the local table of frame k).
QRgb GifTableColor(int table, int i);
// Pixels of a w x h frame cycling through `colors` indices, shifted by `seed`.
std::vector<uint8_t> GifPattern(int w, int h, int colors, int seed);
// Noise that fills the 4096-code table many times over.
std::vector<uint8_t> GifNoise(int w, int h, int colors, uint32_t seed);

std::string MakeGif(const GifSpec& spec);
// The LZW data of one image (before cutting into sub-blocks).
std::string LzwEncode(const std::vector<uint8_t>& pixels, int code_size, bool leading_clear,
                      bool defer_clear);

} // namespace corpus
