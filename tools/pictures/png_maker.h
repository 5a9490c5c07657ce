#pragma once
// A PNG writer of the test corpus, independent of the viewer's decoder: any
// colour type and depth, plain or Adam7, every row filter in turn, optional
// gAMA, tRNS and extra chunks, and the image data cut into chunks of any size.
// It also knows the colour each pixel must show after decoding.
#include <QRgb>
#include <cstdint>
#include <string>
#include <vector>

namespace corpus {

struct PngSpec {
    int width = 1;
    int height = 1;
    int color_type = 2;
    int depth = 8;
    bool adam7 = false;
    int palette_size = 0;   // colour type 3
    uint32_t gamma = 0;     // gAMA value; 0: none
    bool gamma_after_idat = false;
    std::vector<uint16_t> trns; // raw tRNS samples (colour types 0, 2) or alphas (type 3)
    bool trns_after_idat = false;
    int idat_piece = 0;     // > 0: image data cut into chunks of this many bytes
    std::vector<std::pair<std::string, std::string>> extra; // chunks written after IHDR
    int seed = 0;
};

// Sample c of pixel (x, y): a pattern that reaches every value of the depth.
uint16_t Sample(const PngSpec& s, int x, int y, int c);
int ChannelsOf(int color_type);
QRgb PaletteEntry(const PngSpec& s, int i);

std::string MakePng(const PngSpec& s);
// The colour the pixel shows: samples reduced to 8 bits, the palette looked
// up, gamma applied by 255 x (v / 255) ^ (1 / (g x 2.2)) rounded half to even.
QRgb ExpectedColor(const PngSpec& s, int x, int y);

// Low-level pieces for damaged files.
std::string PngSignature();
std::string PngChunk(const std::string& name, const std::string& data);
std::string PngChunkBadCrc(const std::string& name, const std::string& data);
std::string IhdrData(uint32_t w, uint32_t h, int depth, int color_type, int interlace);
std::string Deflate(const std::string& raw);

} // namespace corpus
